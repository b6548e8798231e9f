// Works a book that someone else started, as a child would: checks the first page shows the
// expected colouring (and its title the language asked for), colours one more area and quits
// with Q. Writes "ok" or what went wrong to the result file, since it may run where its exit
// code is not seen.
// Usage: twcolour <working dir of the book> <page file the screen must show> <result file>
//                 [the book's .exe and its language, a LANGID in hex]
#include "e2e/driver.h"
#include <stdio.h>
#include <stdlib.h>

static const char* Check(const std::string& strWork, const std::string& strExpected,
                         const char* lpszExe, WORD wLanguage) {
    HWND hWnd = NULL;
    PollFor(60000, 100, [&] {
        std::vector<HWND> windows = FindProgramWindows();
        hWnd = windows.empty() || !IsWindowVisible(windows[0]) ? NULL : windows[0];
        return hWnd != NULL;
    });
    if (hWnd == NULL)
        return "the book's window did not appear";
    // Enter leaves the intro and does nothing on the page, so it is pressed again until the page
    // shows: on a busy machine the first press may come before the window has the focus.
    std::vector<uint32_t> want = ExpectedPagePixels(strExpected);
    if (!PollFor(20000, 0, [&] { return PressKey(VK_RETURN), WaitForPage(want, 2000) == 0; }))
        return "the page shown is not the expected one";
    // The first page's title, the fourth of the title strips, as the book has it in the language.
    CImage titles;
    CScreen screen;
    if (wLanguage && (!titles.Load(lpszExe, "Titles", wLanguage) || !screen.Grab()))
        return "the title strips of that language cannot be read";
    if (wLanguage && TitleDifferences(screen, titles, 3) != 0)
        return "the page's title is not in the language asked for";
    POINT pt = LargeBlankArea(PageIndexes(PathIn(strWork, "BAT.TW3")), 5000);
    if (pt.x < 0)
        return "no blank area left on the page";
    Click(70 + pt.x, 70 + pt.y);
    if (!WaitForPixel(70 + pt.x, 70 + pt.y, PaletteRgb(29), 20000))
        return "the click did not colour";
    PollFor(30000, 50, [&] { return IsWindowEnabled(hWnd); });
    Settle(500); // input that arrives while the fill ends is thrown away
    PressKey('Q');
    return PollFor(20000, 100, [&] { return !IsWindow(hWnd); }) ? "ok"
                                                                : "the book did not end on Q";
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr,
                "usage: twcolour <working dir> <expected page file> <result file> [exe langid]\n");
        return 2;
    }
    int bLanguage = argc > 5;
    const char* lpszResult = Check(argv[1], argv[2], bLanguage ? argv[4] : "",
                                   bLanguage ? (WORD)strtoul(argv[5], NULL, 16) : 0);
    FILE* f = fopen(argv[3], "w");
    if (f) {
        fprintf(f, "%s\n", lpszResult);
        fclose(f);
    }
    printf("%s\n", lpszResult);
    return lpszResult[0] == 'o' && lpszResult[1] == 'k' ? 0 : 1;
}
