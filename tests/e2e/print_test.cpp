// Printing from the real program to the PDF queue of the session's private CUPS server
// (tools/cups.sh): the PDF is rasterised and held against the page as the program saved it.
#include "e2e/driver.h"
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <algorithm>
#include <climits>
#include <set>

namespace {

const int W = 660, H = 460;
const uint32_t WHITE = 0xFFFFFF;

// The palette entries the test page uses; blank prints as the palette's white.
uint32_t PrintedColour(uint8_t v) {
    switch (v) {
    case PIXEL_OUTLINE:
        return 0x000000;
    case 29:
        return 0x202022;
    case 32:
        return 0xCD210B;
    case PIXEL_BLANK:
        return WHITE;
    }
    return 0xFF00FF;
}

bool Near(uint32_t a, uint32_t b, int nTolerance) {
    for (int nShift = 0; nShift < 24; nShift += 8) {
        int d = static_cast<int>((a >> nShift) & 0xFF) - static_cast<int>((b >> nShift) & 0xFF);
        if (d > nTolerance || d < -nTolerance)
            return false;
    }
    return true;
}

std::set<std::string> PdfFiles(const std::string& strDir) {
    std::set<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((strDir + "\\*.pdf").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(fd.cFileName);
    while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
    return names;
}

// The default printer as the program sees it: printable size, margins and resolution.
struct PrinterGeometry {
    int xPage = 0, yPage = 0, xOffset = 0, yOffset = 0, nDpi = 0;
};

PrinterGeometry DefaultPrinter() {
    PrinterGeometry geo;
    char szDevice[256] = "";
    GetProfileStringA("windows", "device", "", szDevice, sizeof(szDevice));
    std::string strName(szDevice);
    strName = strName.substr(0, strName.find(','));
    HDC hdc = CreateDCA("WINSPOOL", strName.c_str(), NULL, NULL);
    if (hdc == NULL)
        return geo;
    geo.xPage = GetDeviceCaps(hdc, HORZRES);
    geo.yPage = GetDeviceCaps(hdc, VERTRES);
    geo.xOffset = GetDeviceCaps(hdc, PHYSICALOFFSETX);
    geo.yOffset = GetDeviceCaps(hdc, PHYSICALOFFSETY);
    geo.nDpi = GetDeviceCaps(hdc, LOGPIXELSY);
    DeleteDC(hdc);
    return geo;
}

// A raster of the sheet: one RGB value per device pixel, (0, 0) at the printable area's
// top-left corner.
struct Sheet {
    int cx = 0, cy = 0, xOffset = 0, yOffset = 0;
    std::vector<uint32_t> px;
    uint32_t At(int x, int y) const {
        x += xOffset;
        y += yOffset;
        if (x < 0 || y < 0 || x >= cx || y >= cy)
            return WHITE;
        return px[static_cast<size_t>(y) * cx + x];
    }
};

// Reads a binary PPM (P6, maxval 255).
bool ReadPpm(const std::string& strPath, Sheet* lpSheet) {
    std::vector<uint8_t> data = ReadFileBytes(strPath);
    int cx = 0, cy = 0, nMax = 0, nHeader = 0;
    std::string strHead(data.begin(), data.begin() + std::min<size_t>(data.size(), 64));
    if (sscanf(strHead.c_str(), "P6 %d %d %d%n", &cx, &cy, &nMax, &nHeader) != 3 || nMax != 255)
        return false;
    nHeader++; // the one whitespace after maxval
    if (data.size() < nHeader + static_cast<size_t>(cx) * cy * 3)
        return false;
    lpSheet->cx = cx;
    lpSheet->cy = cy;
    lpSheet->px.resize(static_cast<size_t>(cx) * cy);
    const uint8_t* lp = &data[nHeader];
    for (size_t i = 0; i < lpSheet->px.size(); i++, lp += 3)
        lpSheet->px[i] = static_cast<uint32_t>(lp[0]) << 16 | lp[1] << 8 | lp[2];
    return true;
}

// The framed page's place on the sheet, and where each page pixel's centre lands.
struct Placement {
    RECT rcFrame;
    double xScale, yScale; // device pixels per framed-image pixel
    int nFrame;            // frame width in image pixels
    int nMode;
    int xHalf2, yHalf2; // method 1: the lower half's origin
};

Placement Place(int nMode, int xPage, int yPage) {
    Placement pl = {};
    pl.nMode = nMode;
    if (nMode == 0) {
        int D = (yPage >> 2) * 3, wD = (H + 8) * D / (W + 8);
        int left = (xPage - wD) / 2, top = (yPage - D) >> 1;
        pl.rcFrame = {left, top, left + wD, top + D};
        pl.xScale = static_cast<double>(wD) / (H + 8);
        pl.yScale = static_cast<double>(D) / (W + 8);
        pl.nFrame = 4;
    } else if (nMode == 2) {
        int s = (9 * yPage / 10) / (W + 6);
        s = s < 3 ? 3 : s > 20 ? 20 : s;
        int X = (xPage - s * (H + 6)) >> 1, Y = (yPage - s * (W + 6)) >> 1;
        pl.rcFrame = {X, Y, X + s * (H + 6), Y + s * (W + 6)};
        pl.xScale = pl.yScale = s;
        pl.nFrame = 3;
    } else {
        int D = (yPage >> 2) * 3, Y = (yPage - D) >> 1, wD = (H + 6) * D / (W + 6);
        int xL = (xPage - wD) / 2;
        pl.rcFrame = {xL, Y, xL + wD, Y + D / 2 * 2};
        pl.xScale = static_cast<double>(wD) / (H + 6);
        pl.yScale = static_cast<double>(D / 2) / ((W + 6) / 2);
        pl.nFrame = 3;
        pl.xHalf2 = xL;
        pl.yHalf2 = Y + D / 2;
    }
    return pl;
}

POINT PrintedAt(const Placement& pl, int x, int y) {
    // The turned image: column y, row from the top W - 1 - x.
    double c = y + 0.5 + pl.nFrame, r = W - 1 - x + 0.5;
    double yDev;
    if (pl.nMode == 1 && r >= W / 2)
        yDev = pl.yHalf2 + (r - W / 2) * pl.yScale;
    else
        yDev = pl.rcFrame.top + (r + pl.nFrame) * pl.yScale;
    return {pl.rcFrame.left + static_cast<LONG>(c * pl.xScale), static_cast<LONG>(yDev)};
}

class Printing : public testing::Test {
  protected:
    void SetUp() override {
        strOut = Env("TW_CUPS_OUT");
        ASSERT_FALSE(strOut.empty()) << "no PDF printer: start tools/cups.sh before the session";
        strOutWin = WinePath(strOut);
        strDir = MakeWorkDir();
    }

    // Starts the program with the print option, colours two areas in two colours, prints
    // through the print dialog, quits, and reads the PDF and the page the program saved.
    void PrintColouredPage(int nMode, Sheet* lpSheet, std::vector<uint8_t>* lpPage) {
        FILE* fp = fopen(PathIn(strDir, "printer.dta").c_str(), "wb");
        ASSERT_NE(fp, (FILE*)NULL);
        uint8_t bytes[4] = {static_cast<uint8_t>(nMode), 0, 0, 0};
        fwrite(bytes, 1, 4, fp);
        fclose(fp);
        std::vector<uint8_t> page = PageIndexes(PathIn(strDir, "BAT.TW3"));
        ASSERT_EQ(page.size(), static_cast<size_t>(W * H));

        CProgram program;
        ASSERT_TRUE(program.StartColouring(strDir));
        Settle(500);
        POINT pt = LargeBlankArea(page, 5000);
        ASSERT_GE(pt.x, 0);
        Click(70 + pt.x, 70 + pt.y);
        ASSERT_TRUE(WaitForPixel(70 + pt.x, 70 + pt.y, PrintedColour(29)));
        WaitForFillToEnd(program.Window());
        std::vector<bool> area = FilledArea(page, W, pt.x, pt.y, 29);
        for (size_t i = 0; i < page.size(); i++)
            if (area[i])
                page[i] = 29;
        Settle(300);              // input made as a fill ends is thrown away
        Click(12 + 22, 237 + 22); // the fourth swatch of the left column: colour 32
        Settle(300);
        pt = LargeBlankArea(page, 3000);
        ASSERT_GE(pt.x, 0);
        Click(70 + pt.x, 70 + pt.y);
        ASSERT_TRUE(WaitForPixel(70 + pt.x, 70 + pt.y, PrintedColour(32)));
        Settle(500);

        std::set<std::string> before = PdfFiles(strOutWin);
        Click(318 + 40, 12 + 22); // Print
        HWND hDlg = WaitForPrintDialog(program.dwProcessId);
        ASSERT_NE(hDlg, (HWND)NULL) << "no print dialog";
        PostMessageA(GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0);

        std::string strPdf;
        for (DWORD dwStart = GetTickCount(); strPdf.empty() && GetTickCount() - dwStart < 60000;
             Sleep(200))
            for (const std::string& str : PdfFiles(strOutWin))
                if (!before.count(str))
                    strPdf = str;
        ASSERT_FALSE(strPdf.empty()) << "no PDF came out";
        ASSERT_EQ(RunUnix("while lpstat -o | grep -q .; do sleep 0.2; done", 60000), 0);
        EXPECT_TRUE(IsWindowEnabled(program.Window()));

        PressKey('Q');
        DWORD dwCode = 1;
        EXPECT_TRUE(program.WaitExit(10000, &dwCode));
        *lpPage = PageIndexes(PathIn(strDir, "BAT.TW3"));

        PrinterGeometry geo = DefaultPrinter();
        ASSERT_GT(geo.nDpi, 0);
        std::string strPpm = strOut + "/sheet-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(nMode);
        ASSERT_EQ(RunUnix("pdftoppm -r " + std::to_string(geo.nDpi) + " -singlefile '" + strOut +
                              "/" + strPdf + "' '" + strPpm + "'",
                          120000),
                  0);
        ASSERT_TRUE(ReadPpm(WinePath(strPpm + ".ppm"), lpSheet));
        DeleteFileA(WinePath(strPpm + ".ppm").c_str());
        DeleteFileA((strOutWin + "\\" + strPdf).c_str());
        lpSheet->xOffset = geo.xOffset;
        lpSheet->yOffset = geo.yOffset;
        xPage = geo.xPage;
        yPage = geo.yPage;
    }

    // The sheet against the page: placement, frame, white paper and the page's colours.
    void CheckSheet(int nMode, const Sheet& sheet, const std::vector<uint8_t>& page) {
        Placement pl = Place(nMode, xPage, yPage);
        const RECT& rc = pl.rcFrame;
        SCOPED_TRACE(testing::Message() << "method " << nMode << ", printable " << xPage << " x "
                                        << yPage << ", frame " << rc.left << "," << rc.top << " to "
                                        << rc.right << "," << rc.bottom);
        // Everything that is not white lies in the framed page, and its edges are black.
        int nOutside = 0;
        RECT rcInk = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (int y = -sheet.yOffset; y < sheet.cy - sheet.yOffset; y++)
            for (int x = -sheet.xOffset; x < sheet.cx - sheet.xOffset; x++)
                if (!Near(sheet.At(x, y), WHITE, 24)) {
                    rcInk.left = std::min<LONG>(rcInk.left, x);
                    rcInk.top = std::min<LONG>(rcInk.top, y);
                    rcInk.right = std::max<LONG>(rcInk.right, x + 1);
                    rcInk.bottom = std::max<LONG>(rcInk.bottom, y + 1);
                    nOutside += x < rc.left - 1 || x > rc.right || y < rc.top - 1 || y > rc.bottom;
                }
        EXPECT_EQ(nOutside, 0);
        EXPECT_NEAR(rcInk.left, rc.left, 1);
        EXPECT_NEAR(rcInk.top, rc.top, 1);
        EXPECT_NEAR(rcInk.right, rc.right, 1);
        EXPECT_NEAR(rcInk.bottom, rc.bottom, 1);
        int nFrame = static_cast<int>(pl.nFrame * pl.xScale);
        int xMid = (rc.left + rc.right) / 2, yMid = (rc.top + rc.bottom) / 2;
        EXPECT_TRUE(Near(sheet.At(rc.left + nFrame / 2, yMid), 0, 40));
        EXPECT_TRUE(Near(sheet.At(rc.right - 1 - nFrame / 2, yMid), 0, 40));
        EXPECT_TRUE(Near(sheet.At(xMid, rc.top + nFrame / 2), 0, 40));
        EXPECT_TRUE(Near(sheet.At(xMid, rc.bottom - 1 - nFrame / 2), 0, 40));

        // Page pixels in the middle of a 5 x 5 patch of one colour print in that colour where
        // the turn puts them: blank white, the two fills in theirs, outlines black.
        int nChecked = 0, nWrong = 0;
        std::set<int> colours;
        for (int y = 2; y < H - 2; y += 3) {
            for (int x = 2; x < W - 2; x += 3) {
                uint8_t v = page[static_cast<size_t>(y) * W + x];
                bool bUniform = true;
                for (int dy = -2; dy <= 2 && bUniform; dy++)
                    for (int dx = -2; dx <= 2 && bUniform; dx++)
                        bUniform = page[static_cast<size_t>(y + dy) * W + x + dx] == v;
                if (!bUniform)
                    continue;
                POINT pt = PrintedAt(pl, x, y);
                nChecked++;
                colours.insert(v);
                if (!Near(sheet.At(pt.x, pt.y), PrintedColour(v), 24) && nWrong++ < 5)
                    ADD_FAILURE() << "page pixel " << x << "," << y << " (" << int(v)
                                  << ") printed at " << pt.x << "," << pt.y << " as " << std::hex
                                  << sheet.At(pt.x, pt.y);
            }
        }
        EXPECT_GT(nChecked, 5000);
        EXPECT_EQ(nWrong, 0);
        EXPECT_EQ(colours, (std::set<int>{PIXEL_OUTLINE, 29, 32, PIXEL_BLANK}));
    }

    std::string strOut, strOutWin, strDir;
    int xPage = 0, yPage = 0;
};

TEST_F(Printing, DefaultPrintsTheColouredPageTurnedAndFramedInOneStretch) {
    Sheet sheet;
    std::vector<uint8_t> page;
    PrintColouredPage(0, &sheet, &page);
    ASSERT_FALSE(HasFatalFailure());
    CheckSheet(0, sheet, page);
}

TEST_F(Printing, FirstAlternatePrintsTwoFramedHalves) {
    Sheet sheet;
    std::vector<uint8_t> page;
    PrintColouredPage(1, &sheet, &page);
    ASSERT_FALSE(HasFatalFailure());
    CheckSheet(1, sheet, page);
}

TEST_F(Printing, SecondAlternatePrintsTheEnlargedPageTileByTile) {
    Sheet sheet;
    std::vector<uint8_t> page;
    PrintColouredPage(2, &sheet, &page);
    ASSERT_FALSE(HasFatalFailure());
    CheckSheet(2, sheet, page);
}

TEST_F(Printing, CancellingThePrintDialogPrintsNothingAndChangesNothing) {
    std::set<std::string> before = PdfFiles(strOutWin);
    CProgram program;
    ASSERT_TRUE(program.StartColouring(strDir));
    Settle(500);
    MoveMouse(400, 300); // over the page: the program's own cursor
    Settle(300);
    CURSORINFO ciBefore = {};
    ciBefore.cbSize = sizeof(ciBefore);
    GetCursorInfo(&ciBefore);
    Click(318 + 40, 12 + 22);
    HWND hDlg = WaitForPrintDialog(program.dwProcessId);
    ASSERT_NE(hDlg, (HWND)NULL);
    PostMessageA(GetDlgItem(hDlg, IDCANCEL), BM_CLICK, 0, 0);
    Settle(500);
    EXPECT_EQ(FindPrintDialog(program.dwProcessId), (HWND)NULL);
    EXPECT_TRUE(IsWindowEnabled(program.Window()));
    MoveMouse(400, 301);
    Settle(300);
    CURSORINFO ciAfter = {};
    ciAfter.cbSize = sizeof(ciAfter);
    GetCursorInfo(&ciAfter);
    EXPECT_EQ(ciAfter.hCursor, ciBefore.hCursor);
    // Commands still work: Print brings the dialog back.
    Click(318 + 40, 12 + 22);
    hDlg = WaitForPrintDialog(program.dwProcessId);
    ASSERT_NE(hDlg, (HWND)NULL);
    PostMessageA(GetDlgItem(hDlg, IDCANCEL), BM_CLICK, 0, 0);
    Settle(2000);
    EXPECT_EQ(PdfFiles(strOutWin), before);
    EXPECT_EQ(RunUnix("! lpstat -o | grep -q .", 30000), 0);
}

} // namespace
