// Works a book that someone else started, as a child would: checks the first page shows the
// expected colouring, colours one more area and quits with Q. Writes "ok" or what went wrong to
// the result file, since it may run where its exit code is not seen.
// Once coloured, it writes <result file>.shown and waits up to 15 s for <result file>.go, so that
// a screenshot can be taken from outside.
// With "print" it first opens the print dialog, signals and waits the same way, cancels it and
// checks the book has the focus back, neither minimised nor disabled.
// Usage: twcolour <working dir of the book> <page file the screen must show> <result file> [print]
#include "e2e/driver.h"
#include <stdio.h>
#include <string.h>

// Tells the outside the screen is ready to be looked at and waits (up to 15 s) until it has been.
static void HandOver(const std::string& strResultFile, const char* lpszStage) {
    std::string strShown = strResultFile + "." + lpszStage, strGo = strShown + ".go";
    FILE* f = fopen(strShown.c_str(), "w");
    if (f)
        fclose(f);
    for (int i = 0; i < 150 && !FileExists(strGo); i++)
        Sleep(100);
}

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
    std::vector<uint32_t> want = ExpectedPagePixels(strExpected);
    if (want.size() != (size_t)660 * 460)
        return Finish(argv[3], "cannot read " + strExpected);
    // Enter leaves the intro and does nothing on the page, so it is pressed again until the page
    // shows: on a busy machine the first press may come before the window has the focus.
    int nWrong = -1;
    for (int nTry = 0; nTry < 40 && nWrong != 0; nTry++) {
        if (nTry % 8 == 0)
            PressKey(VK_RETURN);
        Settle(500);
        CScreen screen;
        if (!screen.Grab() || screen.cx < 800 || screen.cy < 600)
            return Finish(argv[3], "cannot read the screen");
        nWrong = 0;
        for (int y = 0; y < 460; y++)
            for (int x = 0; x < 660; x++)
                nWrong += screen.At(70 + x, 70 + y) != want[(size_t)y * 660 + x];
    }
    if (nWrong != 0)
        return Finish(argv[3], std::to_string(nWrong) + " page pixels differ from " + strExpected);

    if (argc > 4 && strcmp(argv[4], "print") == 0) {
        Click(318 + 40, 12 + 22);
        HWND hDlg = NULL;
        for (int i = 0; i < 300 && hDlg == NULL; i++) {
            Sleep(100);
            HWND hFore = GetForegroundWindow();
            char szClass[16] = "";
            GetClassNameA(hFore, szClass, sizeof(szClass));
            if (hFore != hWnd && lstrcmpA(szClass, "#32770") == 0 && GetDlgItem(hFore, IDCANCEL))
                hDlg = hFore;
        }
        if (hDlg == NULL)
            return Finish(argv[3], "no print dialog in front");
        if (IsIconic(hWnd))
            return Finish(argv[3], "the print dialog minimised the book");
        HandOver(argv[3], "print");
        PostMessageA(GetDlgItem(hDlg, IDCANCEL), BM_CLICK, 0, 0);
        Settle(1500);
        if (GetForegroundWindow() != hWnd || IsIconic(hWnd) || !IsWindowEnabled(hWnd))
            return Finish(argv[3], "the book did not get the focus back after the print dialog");
    }

    POINT pt = LargeBlankArea(PageIndexes(PathIn(strWork, "BAT.TW3")), 5000);
    if (pt.x < 0)
        return Finish(argv[3], "no blank area left on the page");
    Click(70 + pt.x, 70 + pt.y);
    // The colour the book starts with; on a busy machine the click may arrive too late for
    // the fill's busy state to be seen, so the page itself is watched.
    if (!WaitForPixel(70 + pt.x, 70 + pt.y, 0x202022, 20000))
        return Finish(argv[3], "the click did not colour");
    for (int i = 0; i < 300 && !IsWindowEnabled(hWnd); i++)
        Sleep(100);
    HandOver(argv[3], "shown");
    // Input that arrives while the fill ends is thrown away.
    Settle(500);
    PressKey('Q');
    for (int i = 0; i < 200 && IsWindow(hWnd); i++)
        Sleep(100);
    if (IsWindow(hWnd))
        return Finish(argv[3], "the book did not end on Q");
    return Finish(argv[3], "ok");
}
