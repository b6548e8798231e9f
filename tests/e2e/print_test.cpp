// A parent's visit to the Info screen: the print options chosen there, written to their file and
// used by Print. The sheets come from the session's private CUPS server (tools/cups.sh) as PDF,
// rasterised and held against the page as the program saved it.
#include "e2e/e2e.h"
#include <stdio.h>
#include <algorithm>
#include <set>

namespace {

const int W = 660, H = 460;
typedef std::vector<uint8_t> Bytes;
enum { ID_ABOUT = 110, ID_OPTIONS = 111, ID_DEFAULT = 112, ID_ABOUT_TITLE = 2501 };

bool Near(uint32_t a, uint32_t b, int nTolerance) {
    for (int nShift = 0; nShift < 24; nShift += 8)
        if (abs((int)((a >> nShift) & 0xFF) - (int)((b >> nShift) & 0xFF)) > nTolerance)
            return false;
    return true;
}

// The printer's output folder; job numbers start again with each session, so what an earlier
// one left would be overwritten unseen: it goes first.
std::set<std::string> PdfFiles(const std::string& strDir, bool bDelete = false) {
    std::set<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((strDir + "\\*.pdf").c_str(), &fd);
    for (BOOL bMore = hFind != INVALID_HANDLE_VALUE; bMore; bMore = FindNextFileA(hFind, &fd))
        if (!bDelete || !DeleteFileA((strDir + "\\" + fd.cFileName).c_str()))
            names.insert(fd.cFileName);
    if (hFind != INVALID_HANDLE_VALUE)
        FindClose(hFind);
    return names;
}

// A binary PPM (P6, maxval 255) as 0x00RRGGBB rows.
struct Sheet {
    int cx = 0, cy = 0;
    std::vector<uint32_t> px;
    uint32_t At(int x, int y) const { return px[(size_t)y * cx + x]; }
};

bool ReadPpm(const std::string& strPath, Sheet* lpSheet) {
    Bytes data = ReadFileBytes(strPath);
    int cx = 0, cy = 0, nMax = 0, nHeader = 0;
    std::string strHead(data.begin(), data.begin() + std::min<size_t>(data.size(), 64));
    if (sscanf(strHead.c_str(), "P6 %d %d %d%n", &cx, &cy, &nMax, &nHeader) != 3 ||
        data.size() < nHeader + 1 + (size_t)cx * cy * 3)
        return false;
    lpSheet->cx = cx;
    lpSheet->cy = cy;
    for (const uint8_t* lp = &data[nHeader + 1]; lpSheet->px.size() < (size_t)cx * cy; lp += 3)
        lpSheet->px.push_back((uint32_t)lp[0] << 16 | lp[1] << 8 | lp[2]);
    return true;
}

// The page framed nFrame pixels wide and turned a quarter to stand upright (page column x at
// the bottom-to-top row, page row y at the column) is stretched over the ink on the sheet: each
// page pixel in the middle of a 5 x 5 patch of one colour is looked for where it lands.
void CheckSheet(const Sheet& sheet, const Bytes& page, int nFrame) {
    RECT rc = {sheet.cx, sheet.cy, 0, 0};
    for (int y = 0; y < sheet.cy; y++)
        for (int x = 0; x < sheet.cx; x++)
            if (!Near(sheet.At(x, y), 0xFFFFFF, 24))
                rc = {std::min<LONG>(rc.left, x), std::min<LONG>(rc.top, y),
                      std::max<LONG>(rc.right, x + 1), std::max<LONG>(rc.bottom, y + 1)};
    ASSERT_LT(rc.left, rc.right) << "a blank sheet";
    double xScale = double(rc.right - rc.left) / (H + 2 * nFrame);
    double yScale = double(rc.bottom - rc.top) / (W + 2 * nFrame);
    EXPECT_NEAR(xScale, yScale, 0.02 * yScale) << "the page is not printed in proportion";
    int yMid = (rc.top + rc.bottom) / 2, dxFrame = int(nFrame * xScale / 2);
    EXPECT_TRUE(Near(sheet.At(rc.left + dxFrame, yMid), 0, 40)) << "no frame on the left";
    EXPECT_TRUE(Near(sheet.At(rc.right - 1 - dxFrame, yMid), 0, 40)) << "no frame on the right";
    int nChecked = 0, nWrong = 0;
    for (int y = 2; y < H - 2; y += 3)
        for (int x = 2; x < W - 2; x += 3) {
            uint8_t v = page[(size_t)y * W + x];
            bool bUniform = true;
            for (int d = 0; d < 25 && bUniform; d++)
                bUniform = page[(size_t)(y + d / 5 - 2) * W + x + d % 5 - 2] == v;
            if (!bUniform)
                continue;
            int xSheet = rc.left + int((y + nFrame + 0.5) * xScale);
            int ySheet = rc.top + int((W - 1 - x + nFrame + 0.5) * yScale);
            uint32_t rgbWant = v == PIXEL_BLANK ? 0xFFFFFF : PaletteRgb(v);
            nChecked++;
            if (!Near(sheet.At(xSheet, ySheet), rgbWant, 24) && nWrong++ < 5)
                ADD_FAILURE() << "page pixel " << x << "," << y << " (" << int(v) << ") printed as "
                              << std::hex << sheet.At(xSheet, ySheet);
        }
    EXPECT_GT(nChecked, 5000);
    EXPECT_EQ(nWrong, 0);
}

class Parent : public Book {
  protected:
    // The program's own dialog holding control id, once there is one.
    HWND WaitForDialogWith(int id) {
        HWND hFound = NULL;
        PollFor(5000, 30, [&] {
            for (HWND hDlg : TopLevelWindows(program.dwProcessId))
                if (IsWindowVisible(hDlg) && IsWindowEnabled(hDlg) && GetDlgItem(hDlg, id))
                    hFound = hDlg;
            return hFound != NULL;
        });
        return hFound;
    }
    void ClickControl(HWND hDlg, int id, int xAt = -1) {
        RECT rc = {};
        GetWindowRect(GetDlgItem(hDlg, id), &rc);
        Click(xAt < 0 ? (rc.left + rc.right) / 2 : rc.left + xAt, (rc.top + rc.bottom) / 2);
        Settle(150);
    }
    std::string Checks(HWND hDlg) {
        std::string str;
        for (int id = ID_DEFAULT; id < ID_DEFAULT + 3; id++)
            str += SendDlgItemMessageA(hDlg, id, BM_GETCHECK, 0, 0) == BST_CHECKED ? '1' : '0';
        return str;
    }
    Bytes PrintFile() { return ReadFileBytes(PathIn(strDir, "printer.dta")); }

    // Print, OK in the print dialog, and the sheet that comes out.
    void Print(Sheet* lpSheet) {
        std::string strOut = WinePath(Env("TW_CUPS_OUT"));
        ASSERT_TRUE(PdfFiles(strOut, true).empty());
        Click(318 + 40, 12 + 22);
        HWND hDlg = WaitForPrintDialog(program.dwProcessId);
        ASSERT_NE(hDlg, (HWND)NULL) << "no print dialog";
        PostMessageA(GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0);
        std::string strPdf;
        PollFor(60000, 200, [&] {
            for (const std::string& str : PdfFiles(strOut))
                strPdf = str;
            return !strPdf.empty();
        });
        ASSERT_FALSE(strPdf.empty()) << "no PDF came out";
        ASSERT_EQ(RunUnix("while lpstat -o | grep -q .; do sleep 0.1; done", 60000), 0);
        std::string strUnix = Env("TW_CUPS_OUT") + "/" + strPdf;
        ASSERT_EQ(RunUnix("pdftoppm -r 100 -singlefile '" + strUnix + "' '" + strUnix + "'", 60000),
                  0);
        ASSERT_TRUE(ReadPpm(WinePath(strUnix + ".ppm"), lpSheet));
        DeleteFileA(WinePath(strUnix + ".ppm").c_str());
        DeleteFileA(WinePath(strUnix).c_str());
        EXPECT_TRUE(PollFor(5000, 20, [&] { return IsWindowEnabled(program.Window()); }));
    }
};

TEST_F(Parent, ChoosesEachPrintMethodInTheInfoScreenAndPrints) {
    ASSERT_FALSE(Env("TW_CUPS_OUT").empty()) << "no PDF printer: start tools/cups.sh first";
    ASSERT_TRUE(program.Start(strDir));
    ASSERT_NE(program.WaitForWindow(), (HWND)NULL);
    EXPECT_FALSE(FileExists(PathIn(strDir, "printer.dta"))) << "read only as the intro is left";
    PressKey(VK_RETURN);
    ASSERT_TRUE(program.WaitForColouring());
    EXPECT_EQ(PrintFile(), (Bytes{0, 0, 0, 0})) << "the first run writes the default";
    // Two colours on the page, so that the sheets show where each goes.
    ColourAt(LargeBlankArea(page, 5000), 29);
    Settle(300);              // input made as a fill ends is thrown away
    Click(12 + 22, 237 + 22); // the fourth swatch of the left column: colour 32
    Settle(150);
    ColourAt(LargeBlankArea(page, 3000), 32);

    for (int nMethod = 0; nMethod < 3; nMethod++) {
        SCOPED_TRACE(testing::Message() << "print method " << nMethod);
        if (nMethod > 0) {
            Click(692 + 48, 12 + 22); // Info
            HWND hInfo = WaitForDialogWith(ID_ABOUT);
            ASSERT_NE(hInfo, (HWND)NULL);
            EXPECT_FALSE(IsWindowEnabled(program.Window()));
            ClickControl(hInfo, ID_OPTIONS);
            HWND hOptions = WaitForDialogWith(ID_DEFAULT);
            ASSERT_NE(hOptions, (HWND)NULL);
            EXPECT_EQ(GetWindow(hOptions, GW_OWNER), hInfo);
            EXPECT_EQ(Checks(hOptions), nMethod == 1 ? "100" : "010");
            ClickControl(hOptions, ID_DEFAULT + nMethod, 7); // on the radio's circle
            EXPECT_EQ(PrintFile(), (Bytes{(uint8_t)(nMethod - 1), 0, 0, 0})) << "written before OK";
            if (nMethod == 2) { // Escape keeps the old choice
                PressKey(VK_ESCAPE);
                ASSERT_TRUE(PollFor(3000, 20, [&] { return !IsWindow(hOptions); }));
                ClickControl(hInfo, ID_OPTIONS);
                hOptions = WaitForDialogWith(ID_DEFAULT);
                ASSERT_NE(hOptions, (HWND)NULL);
                EXPECT_EQ(Checks(hOptions), "010");
                ClickControl(hOptions, ID_DEFAULT + nMethod, 7);
            }
            ClickControl(hOptions, IDOK);
            EXPECT_EQ(PrintFile(), (Bytes{(uint8_t)nMethod, 0, 0, 0}));
            ClickControl(hInfo, IDOK); // Done
            ASSERT_TRUE(PollFor(3000, 20, [&] { return IsWindowEnabled(program.Window()); }));
        }
        Sheet sheet;
        Print(&sheet);
        ASSERT_FALSE(HasFatalFailure());
        CheckSheet(sheet, page, nMethod == 0 ? 4 : 3);
    }

    EXPECT_EQ(QuitAndRead(), page);
}

TEST_F(Parent, WorksTheControlBarAndTheInfoScreenAndCancelsPrinting) {
    POINT pt = LargeBlankArea(page, 3000);
    ASSERT_TRUE(program.StartColouring(strDir));
    ClickButton(SwatchButton(2));
    ClickButton(PaletteButton(3));
    {
        SCOPED_TRACE("palette page 4 chosen with the third swatch");
        std::vector<CImage> faces(28 + 8);
        for (int n = 0; n < 28 + 8; n++)
            ASSERT_TRUE(faces[n].Load(ProgramPath(), MAKEINTRESOURCEA(n < 28 ? 185 + n : 63 + n)));
        std::vector<int> nDiff(28 + 8); // every button is redrawn, in turn
        PollFor(3000, 100, [&] {
            CScreen screen;
            screen.Grab();
            for (int n = 0; n < 28 + 8; n++) {
                POINT at = n < 28 ? SwatchButton(n) : PaletteButton(n - 28);
                int yFace = n == 2 || n == 28 + 3 ? 45 : 0; // the selected look
                nDiff[n] = 0;
                for (int y = 0; y < 45; y++)
                    for (int x = 0; x < 45; x++)
                        nDiff[n] += screen.At(at.x + x, at.y + y) != faces[n].At(x, yFace + y);
            }
            return nDiff == std::vector<int>(28 + 8);
        });
        for (int n = 0; n < 28 + 8; n++)
            EXPECT_EQ(nDiff[n], 0) << (n < 28 ? "swatch " : "palette page ") << n % 28;
    }
    ColourAt(pt, 87);
    // A key right after a colour click, with the mouse left where it was, is the window's. Through
    // the X server, as a real mouse and keyboard: Wine moves the pointer after a SendInput click.
    POINT ptPalette = PaletteButton(7), ptSwatch = SwatchButton(27);
    ASSERT_TRUE(XInput(XClickAt(ptPalette.x + 22, ptPalette.y + 22) + "sleep 0.3 key Next"));
    EXPECT_EQ(WaitForShownPage(1), 1) << "a page key right after a palette page click";
    ASSERT_TRUE(XInput(XClickAt(ptSwatch.x + 22, ptSwatch.y + 22) + "sleep 0.3 key Prior"));
    EXPECT_EQ(WaitForShownPage(0), 0) << "a page key right after a swatch click";
    ColourAt(pt, 224);
    ClickButton(PaletteButton(0));
    ClickButton(SwatchButton(0));
    ColourAt(pt, 1);

    Click(403 + 40, 12 + 22); // Clear
    EXPECT_TRUE(WaitForFillToEnd(program.Window()));
    EXPECT_TRUE(WaitForPixel(70 + pt.x, 70 + pt.y, 0xEFEFEF));
    page = PageIndexes(PathIn(TW_DIST_DIR, "BAT.TW3"));
    Click(480 + 26, 543 + 22); // Down: the next page
    EXPECT_EQ(WaitForShownPage(1), 1);
    Click(267 + 26, 543 + 22); // Up: back
    EXPECT_EQ(WaitForShownPage(0), 0);
    ColourAt(pt, 1);

    // The Info screen, centred, in the panel's art, and About over it.
    Click(692 + 48, 12 + 22); // Info
    HWND hInfo = WaitForDialogWith(ID_ABOUT);
    ASSERT_NE(hInfo, (HWND)NULL);
    RECT rc;
    GetWindowRect(hInfo, &rc);
    EXPECT_NEAR(rc.left + rc.right, 800, 1) << "not centred";
    EXPECT_NEAR(rc.top + rc.bottom, 600, 1) << "not centred";
    CImage panel;
    ASSERT_TRUE(panel.Load(ProgramPath(), "IntroBackGrd"));
    int nPanelWrong = 0; // the panel art above the first button
    PollFor(3000, 50, [&] {
        CScreen screen;
        screen.Grab();
        nPanelWrong = 0;
        for (int y = 0; y < 30; y++)
            for (int x = 0; x < rc.right - rc.left; x++)
                nPanelWrong += screen.At(rc.left + x, rc.top + y) != panel.At(x, y);
        return nPanelWrong == 0;
    });
    EXPECT_EQ(nPanelWrong, 0);

    ClickControl(hInfo, ID_ABOUT);
    HWND hAbout = WaitForDialogWith(ID_ABOUT_TITLE);
    ASSERT_NE(hAbout, (HWND)NULL);
    EXPECT_EQ(GetWindow(hAbout, GW_OWNER), hInfo);
    char szTitle[64] = "";
    GetDlgItemTextA(hAbout, ID_ABOUT_TITLE, szTitle, sizeof(szTitle));
    EXPECT_STREQ(szTitle, "Tintwell 3: Animals");
    ClickControl(hAbout, IDOK);
    EXPECT_FALSE(IsWindow(hAbout));
    EXPECT_TRUE(IsWindowEnabled(hInfo));

    // A colour choice and a click on the page (left of the dialog) go nowhere meanwhile.
    Click(641 + 22, 12 + 22);
    Click(743 + 22, 84 + 22);
    POINT ptLeft = {-1, -1};
    for (int i = 0; i < W * H && ptLeft.x < 0; i += 7)
        if (page[i] == PIXEL_BLANK && i % W < 140)
            ptLeft = {i % W, i / W};
    Click(70 + ptLeft.x, 70 + ptLeft.y);
    Settle(300);
    EXPECT_TRUE(IsWindow(hInfo));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(PollFor(3000, 20, [&] { return IsWindowEnabled(program.Window()); }));
    ColourAt(ptLeft, 1); // still the colour chosen before
    PressKey('I');       // the shortcut works again: the Info screen left nothing busy
    hInfo = WaitForDialogWith(ID_ABOUT);
    ASSERT_NE(hInfo, (HWND)NULL);
    PressKey(VK_RETURN); // Done
    EXPECT_TRUE(PollFor(3000, 20, [&] { return IsWindowEnabled(program.Window()); }));

    // Cancel prints nothing and gives the book back.
    ASSERT_TRUE(PdfFiles(WinePath(Env("TW_CUPS_OUT")), true).empty());
    Click(318 + 40, 12 + 22);
    HWND hDlg = WaitForPrintDialog(program.dwProcessId);
    ASSERT_NE(hDlg, (HWND)NULL);
    PostMessageA(GetDlgItem(hDlg, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(PollFor(3000, 20, [&] { return IsWindowEnabled(program.Window()); }));
    EXPECT_FALSE(IsIconic(program.Window()));
    // Under a window manager the activation comes back a moment after the dialog has gone.
    EXPECT_TRUE(PollFor(3000, 20, [&] { return GetForegroundWindow() == program.Window(); }));
    Settle(500);
    EXPECT_TRUE(PdfFiles(WinePath(Env("TW_CUPS_OUT"))).empty());
    Click(12 + 48, 12 + 22); // Quit
    DWORD dwCode = 1234;
    ASSERT_TRUE(program.WaitExit(10000, &dwCode));
    EXPECT_EQ(dwCode, 0u);
    EXPECT_TRUE(PageIndexes(PathIn(strDir, "BAT.TW3")) == page) << "Quit did not keep the page";
}

} // namespace
