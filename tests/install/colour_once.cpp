// Works a book that someone else started, as a child would: checks the first page shows the
// expected colouring, colours one more area and quits with Q. Writes "ok" or what went wrong to
// the result file, since it may run where its exit code is not seen.
// Usage: twcolour <working dir of the book> <page file the screen must show> <result file>
#include "e2e/driver.h"
#include <stdio.h>

static int Finish(const char* lpszResultFile, const std::string& strResult) {
    FILE* f = fopen(lpszResultFile, "w");
    if (f) {
        fprintf(f, "%s\n", strResult.c_str());
        fclose(f);
    }
    printf("%s\n", strResult.c_str());
    return strResult == "ok" ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: twcolour <working dir> <expected page file> <result file>\n");
        return 2;
    }
    std::string strWork = argv[1], strExpected = argv[2];
    HWND hWnd = NULL;
    for (int i = 0; i < 600 && hWnd == NULL; i++) {
        std::vector<HWND> windows = FindProgramWindows();
        if (!windows.empty() && IsWindowVisible(windows[0]))
            hWnd = windows[0];
        else
            Sleep(100);
    }
    if (hWnd == NULL)
        return Finish(argv[3], "the book's window did not appear");
    Settle(1000);
    PressKey(VK_RETURN);
    Settle(1500);

    std::vector<uint32_t> want = ExpectedPagePixels(strExpected);
    if (want.size() != (size_t)660 * 460)
        return Finish(argv[3], "cannot read " + strExpected);
    CScreen screen;
    if (!screen.Grab() || screen.cx < 800 || screen.cy < 600)
        return Finish(argv[3], "cannot read the screen");
    int nWrong = 0;
    for (int y = 0; y < 460; y++)
        for (int x = 0; x < 660; x++)
            nWrong += screen.At(70 + x, 70 + y) != want[(size_t)y * 660 + x];
    if (nWrong != 0)
        return Finish(argv[3], std::to_string(nWrong) + " page pixels differ from " + strExpected);

    POINT pt = LargeBlankArea(PageIndexes(PathIn(strWork, "BAT.TW3")), 5000);
    if (pt.x < 0)
        return Finish(argv[3], "no blank area left on the page");
    Click(70 + pt.x, 70 + pt.y);
    if (!WaitForFillToEnd(hWnd))
        return Finish(argv[3], "the click did not colour");
    PressKey('Q');
    for (int i = 0; i < 100 && IsWindow(hWnd); i++)
        Sleep(100);
    if (IsWindow(hWnd))
        return Finish(argv[3], "the book did not end on Q");
    return Finish(argv[3], "ok");
}
