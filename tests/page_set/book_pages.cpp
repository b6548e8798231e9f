// The generator's pages and its area walk, kept apart from the tests: the generator's picture
// type shares a name with the page maker's.
#include "page_set/book_pages.h"
#include "scenes.h"

std::vector<uint8_t> BookPageInk(int n, std::string* lpName) {
    *lpName = PageDefs[n].lpszFile;
    std::vector<uint8_t> ink = RasterisePage(PageDefs[n].lpScene);
    for (uint8_t& v : ink)
        v = v ? 0 : 1;
    return ink;
}

int LabelPaper(const std::vector<uint8_t>& ink, int w, int h, std::vector<int>* lpLabels,
               std::vector<int>* lpSizes) {
    lpLabels->assign(ink.size(), 0);
    lpSizes->assign(1, 0);
    ForEachArea(
        w, h, [&](size_t i) { return ink[i] == 0; },
        [&](const std::vector<size_t>& members) {
            for (size_t i : members)
                (*lpLabels)[i] = int(lpSizes->size());
            lpSizes->push_back(int(members.size()));
        });
    return int(lpSizes->size()) - 1;
}
