// Kept apart from the tests: the generator's picture type shares a name with the page maker's.
#include "page_set/book_pages.h"
#include "scenes.h"

std::vector<uint8_t> BookPageInk(int n, std::string* lpName) {
    *lpName = PageDefs[n].lpszFile;
    std::vector<uint8_t> ink = RasterisePage(PageDefs[n].lpScene);
    for (uint8_t& v : ink)
        v = v ? 0 : 1;
    return ink;
}
