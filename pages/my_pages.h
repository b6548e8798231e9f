// The parent's own pages: page files of the book's format in one folder beside the five, with
// their titles and order in an index file there. The book shows them after the five; the page
// maker adds, removes and reorders them. Window-free: the file work is in my_pages_win.cpp.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum {
    BOOK_OWN_PAGES = 5,        // the five the book comes with, before the parent's pages
    MY_PAGES_MAX = 20,         // the book takes 20 of the parent's pages, 25 pages in all
    MY_TITLE_MAX_BYTES = 64,   // longer than any title that fits the plate
    MY_PAGE_NUMBER_MAX = 9999, // P0001.TW3 .. P9999.TW3
};

// The folder in the book's folder, and the index file in it. No title or page name of the five
// can lead into it, and its page files are named P0001.TW3, P0002.TW3, ... by number.
#define MY_PAGES_FOLDER "MyPages"
#define MY_PAGES_INDEX "PAGES.TXT"

struct MyPage {
    std::string strFile;  // the page file's name in MY_PAGES_FOLDER, e.g. "P0007.TW3"
    std::string strTitle; // as shown below the page: capitals, digits and spaces, UTF-8
};

// The index as kept in its file: the pages in the book's order, and the number the next page
// file takes. Numbers only grow, so a removed page's name never comes back.
struct MyPagesIndex {
    std::vector<MyPage> pages;
    unsigned nNext = 1;
};

// Reads an index file's text. Returns TRUE when all of it was read; FALSE when some of it was
// damaged, with every page line that could be read kept in lpIndex (at most MY_PAGES_MAX, no
// file twice) and nNext past every page number seen.
int ParseMyPagesIndex(const std::string& strText, MyPagesIndex* lpIndex);
std::string SerializeMyPagesIndex(const MyPagesIndex& index);

// "P0007.TW3" for 7; and back: TRUE with the number for a name of that form (any case).
std::string MyPageFileName(unsigned nNumber);
int ParseMyPageFileName(const std::string& strName, unsigned* lpnNumber);

// A page file's path from the book's folder: "MyPages\P0007.TW3".
std::string MyPagePath(const std::string& strFile);

// The capitals a title may have besides A-Z, digits and space (UTF-8): those of the book's other
// languages. The title letters hold each of them.
extern const char szMoreTitleCapitals[];

// Why a title is not taken.
enum TitleResult {
    TITLE_OK = 0,
    TITLE_EMPTY,      // no letter or digit in it
    TITLE_BAD_LETTER, // a character other than those capitals, A-Z, 0-9 and space
    TITLE_TOO_WIDE,   // longer than the 140-pixel title plate
};

// The title as it is kept: spaces at either end dropped and runs of spaces made one.
std::string TidyTitle(const std::string& strTitle);
// The characters only: TITLE_OK, TITLE_EMPTY or TITLE_BAD_LETTER (for the tidied title).
TitleResult CheckTitleLetters(const std::string& strTitle);
// A title made from a picture file's name: its base name in capitals, other characters made
// spaces, tidied; nMaxChars at most (the caller cuts further to fit the plate).
std::string TitleFromFileName(const std::string& strPath, size_t nMaxChars);
// The text with each small letter that has a title capital made that capital (ä gives Ä, д
// gives Д); everything else as it was.
std::string TitleCapitals(const std::string& strText);

// What a change to the parent's pages came to.
enum MyPagesResult {
    MYPAGES_OK = 0,
    MYPAGES_FULL,        // MY_PAGES_MAX pages already
    MYPAGES_BAD_TITLE,   // see the TitleResult
    MYPAGES_NOT_FOUND,   // no such page in the index
    MYPAGES_CANNOT_MOVE, // already first or last
    MYPAGES_BUSY,        // another program held the index for too long
    MYPAGES_WRITE_FAILED // the disk refused: nothing was changed
};

// ---- The pages in the book's folder (the current directory); my_pages_win.cpp ----

// The parent's pages in the book's order; an empty list when there are none. lpbDamaged, when
// given, is set when the index could not be read whole.
std::vector<MyPage> ListMyPages(int* lpbDamaged = nullptr);

// Whether that page file is still one of the parent's pages: the book asks before it writes a
// page back, so that a page removed meanwhile never returns.
int IsMyPageListed(const std::string& strFile);

// The full check of a title: its characters, and its width in the title letters.
TitleResult CheckMyPageTitle(const std::string& strTitle);

// Adds a page at the end: the page file's bytes under a new name, then the index. On success
// lpstrFile (if given) gets the new file's name. Refused when full or for the title; on any
// failure nothing is left changed.
MyPagesResult AddMyPage(const std::vector<uint8_t>& bytes, const std::string& strTitle,
                        std::string* lpstrFile);

// Takes the page out of the index, then puts its file into the Recycle Bin where the system has
// one (else deletes it), so that nothing coloured is lost by a slip.
MyPagesResult RemoveMyPage(const std::string& strFile);

// Moves the page one place earlier (nStep -1) or later (+1) in the book.
MyPagesResult MoveMyPage(const std::string& strFile, int nStep);
