// The book's page order: the five, then the parent's pages as their index listed them when the
// book started. A parent's page removed since is never written back, and is passed over.
#include "pages/my_pages.h"
#include "pages/page.h"

#include <string>
#include <vector>

namespace {

std::vector<MyPage> myPages;      // the parent's pages, in the book's order
std::vector<std::string> myPaths; // their files from the book's folder

// The parent's page at that place in the book, or null for one of the five.
const MyPage* MyPageAt(int nPage) {
    if (nPage < PAGE_COUNT || nPage >= GetPageCount())
        return nullptr;
    return &myPages[nPage - PAGE_COUNT];
}

} // namespace

void LoadPageTable() {
    myPages = ListMyPages();
    myPaths.clear();
    for (const MyPage& page : myPages)
        myPaths.push_back(MyPagePath(page.strFile));
}

int GetPageCount() {
    return PAGE_COUNT + (int)myPages.size();
}

const char* GetPageFile(int nPage) {
    if (nPage >= PAGE_COUNT && nPage < GetPageCount())
        return myPaths[nPage - PAGE_COUNT].c_str();
    return PageFiles[nPage >= 0 && nPage < PAGE_COUNT ? nPage : 0];
}

const char* GetMyPageTitle(int nPage) {
    const MyPage* lpPage = MyPageAt(nPage);
    return lpPage ? lpPage->strTitle.c_str() : nullptr;
}

int LoadBookPage(int nPage) {
    const MyPage* lpPage = MyPageAt(nPage);
    if (lpPage && !IsMyPageListed(lpPage->strFile))
        return 0; // the parent took it out: no page, and nothing to tell the child
    return LoadPage(GetPageFile(nPage));
}

int SaveCurrentPage() {
    const MyPage* lpPage = MyPageAt(nCurPage);
    if (lpPage && !IsMyPageListed(lpPage->strFile))
        return 0;
    return SavePage(GetPageFile(nCurPage));
}
