// Printing onto a stand-in printer: a 2400 x 3150 memory bitmap behind the printing calls.
// Where each method puts the turned page, its frame, its colours, and the print job around it.
#include "pages/page.h"
#include "shell/app.h"
#include "shell/base/busy.h"
#include "shell/mainwnd.h"
#include "support/gdi_count.h"
#include "support/msgbox_observer.h"
#include "ui/print.h"
#include "ui/print_seams.h"
#include "ui/printopt.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const int W = PAGE_WIDTH, H = PAGE_HEIGHT;
const int PRINTER_CX = 2400, PRINTER_CY = 3150;
const DWORD MARK = 0x010203; // the untouched paper
const DWORD BLACK = 0x000000, WHITE = 0xFFFFFF;

// The test page, rows counted from the top: four quarters split at x = 400 and y = 230, the
// top right one left blank, with a one-pixel outline grid every 40 pixels in the bottom left.
uint8_t TestPicture(int x, int y) {
    if (y < 230)
        return x < 400 ? 10 : PIXEL_BLANK;
    if (x < 400)
        return (x % 40 == 0 || y % 40 == 0) ? PIXEL_OUTLINE : 100;
    return 200;
}

// What the stand-in printer saw, and how its calls answer.
struct FakePrinter {
    HBITMAP hbmPaper = NULL;
    DWORD* lpPaper = NULL;
    BOOL bCancel = FALSE;
    int xRes = PRINTER_CX, yRes = PRINTER_CY;
    int nStartDocResult = 1, nStartPageResult = 1, nEndPageResult = 1;
    int nDialogs = 0, nStartDocs = 0, nStartPages = 0, nEndPages = 0, nEndDocs = 0;
    PRINTDLGA pdSeen = {};
    std::string strDocName;
    bool bOutputNull = false, bDatatypeNull = false;
    DWORD fwType = 0;
    // The program's state while the page is printed.
    int bBusyInside = 0, bEnabledInside = 0;
    HCURSOR hCursorInside = NULL;
};
FakePrinter* lpFake = NULL;

BOOL WINAPI FakePrintDlg(LPPRINTDLGA lppd) {
    lpFake->nDialogs++;
    lpFake->pdSeen = *lppd;
    if (lpFake->bCancel)
        return FALSE;
    lppd->hDC = CreateCompatibleDC(NULL);
    SelectObject(lppd->hDC, lpFake->hbmPaper);
    // A real dialog hands back the printer's set-up blocks.
    lppd->hDevMode = GlobalAlloc(GMEM_MOVEABLE, 64);
    lppd->hDevNames = GlobalAlloc(GMEM_MOVEABLE, 64);
    return TRUE;
}

int WINAPI FakeDeviceCaps(HDC hdc, int nIndex) {
    if (nIndex == HORZRES)
        return lpFake->xRes;
    if (nIndex == VERTRES)
        return lpFake->yRes;
    return ::GetDeviceCaps(hdc, nIndex);
}

int WINAPI FakeStartDoc(HDC, const DOCINFOA* lpdi) {
    lpFake->nStartDocs++;
    lpFake->strDocName = lpdi->lpszDocName ? lpdi->lpszDocName : "";
    lpFake->bOutputNull = lpdi->lpszOutput == NULL;
    lpFake->bDatatypeNull = lpdi->lpszDatatype == NULL;
    lpFake->fwType = lpdi->fwType;
    return lpFake->nStartDocResult;
}

int WINAPI FakeStartPage(HDC) {
    lpFake->nStartPages++;
    lpFake->bBusyInside = bBusy;
    lpFake->bEnabledInside = IsWindowEnabled(hWndMain);
    lpFake->hCursorInside = hCurCursor;
    // The child presses keys and clicks while the page prints.
    PostMessageA(hWndMain, WM_KEYDOWN, 'Q', 1);
    PostMessageA(hWndMain, WM_CHAR, 'q', 1);
    PostMessageA(hWndMain, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 300));
    PostMessageA(hWndMain, WM_USER + 7, 0, 0);
    return lpFake->nStartPageResult;
}

int WINAPI FakeEndPage(HDC) {
    lpFake->nEndPages++;
    return lpFake->nEndPageResult;
}

int WINAPI FakeEndDoc(HDC) {
    lpFake->nEndDocs++;
    return 1;
}

class Printing : public testing::Test {
  public:
    FakePrinter fake;

    void SetUp() override {
        lpFake = &fake;
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = PRINTER_CX;
        bmi.bmiHeader.biHeight = -PRINTER_CY;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* lpv = NULL;
        fake.hbmPaper = CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &lpv, NULL, 0);
        ASSERT_NE(fake.hbmPaper, (HBITMAP)NULL);
        fake.lpPaper = static_cast<DWORD*>(lpv);
        ClearPaper();

        hWndMain = CreateWindowExA(0, "TWELLWIN3", "Tintwell 3", WS_POPUP, 0, 0, 800, 600, NULL,
                                   NULL, hInst, NULL);
        ASSERT_NE(hWndMain, (HWND)NULL);
        bBusy = 0;
        nPrintMode = 0;
        ASSERT_TRUE(AllocPageBuffers());
        BuildPalette();
        bmiPage.bmiHeader = {40, W, H, 1, 8, 0, PAGE_BYTES, 0, 0, 0, 0};
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++)
                lpDib[(H - 1 - y) * W + x] = TestPicture(x, y);

        Seam_PrintDlgA = FakePrintDlg;
        Seam_GetDeviceCaps = FakeDeviceCaps;
        Seam_StartDocA = FakeStartDoc;
        Seam_StartPage = FakeStartPage;
        Seam_EndPage = FakeEndPage;
        Seam_EndDoc = FakeEndDoc;
    }
    void TearDown() override {
        Seam_PrintDlgA = ::PrintDlgA;
        Seam_GetDeviceCaps = ::GetDeviceCaps;
        Seam_StartDocA = ::StartDocA;
        Seam_StartPage = ::StartPage;
        Seam_EndPage = ::EndPage;
        Seam_EndDoc = ::EndDoc;
        FreePageBuffers();
        bmiPage = {};
        if (IsWindow(hWndMain))
            DestroyWindow(hWndMain);
        hWndMain = NULL;
        DrainQueue();
        DeleteObject(fake.hbmPaper);
        lpFake = NULL;
    }

    void ClearPaper() {
        GdiFlush();
        for (int i = 0; i < PRINTER_CX * PRINTER_CY; i++)
            fake.lpPaper[i] = MARK;
    }
    DWORD Paper(int x, int y) {
        GdiFlush();
        return fake.lpPaper[static_cast<size_t>(y) * PRINTER_CX + x] & 0xFFFFFF;
    }
    bool PaperUntouched() {
        GdiFlush();
        for (int i = 0; i < PRINTER_CX * PRINTER_CY; i++)
            if ((fake.lpPaper[i] & 0xFFFFFF) != MARK)
                return false;
        return true;
    }
    // Draws with a method straight onto the paper, as a started page would be drawn.
    BOOL DrawMethod(int nMode) {
        nPrintMode = nMode;
        HDC hdc = CreateCompatibleDC(NULL);
        HGDIOBJ hbmOld = SelectObject(hdc, fake.hbmPaper);
        BOOL bDrawn = nMode == 0 ? PrintDefault(hdc, PRINTER_CX, PRINTER_CY)
                                 : PrintAlternate(hdc, PRINTER_CX, PRINTER_CY);
        SelectObject(hdc, hbmOld);
        DeleteDC(hdc);
        return bDrawn;
    }
    std::vector<MSG> DrainQueue() {
        std::vector<MSG> msgs;
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            msgs.push_back(msg);
        return msgs;
    }
};

// The colour a page index prints in: its entry of the page's colour table, blank as white.
DWORD PrintedColour(uint8_t v) {
    if (v == PIXEL_BLANK)
        v = PIXEL_WHITE;
    const PageRgbQuad& q = bmiPage.bmiColors[v];
    return static_cast<DWORD>(q.rgbRed) << 16 | q.rgbGreen << 8 | q.rgbBlue;
}

// Where page pixel (x, y) (y from the top) lands on the paper, at the centre of its printed
// area. The turned image's column is y and its row from the top W - 1 - x.
POINT PrintedAt(int nMode, int x, int y) {
    double c = y + 0.5, r = W - 1 - x + 0.5;
    if (nMode == 0)
        return {373 + static_cast<int>((c + 4) * 1654 / 468),
                394 + static_cast<int>((r + 4) * 2361 / 668)};
    if (nMode == 2) {
        int yHalf = r < W / 2 ? 243 + 3 * 4 : 243 + 333 * 4 - W / 2 * 4;
        return {268 + static_cast<int>((c + 3) * 4), yHalf + static_cast<int>(r * 4)};
    }
    if (r < W / 2)
        return {374 + static_cast<int>((c + 3) * 1651 / 466),
                394 + static_cast<int>((r + 3) * 1180 / 333)};
    return {374 + static_cast<int>((c + 3) * 1651 / 466),
            1574 + static_cast<int>((r - W / 2) * 1180 / 333)};
}

// One point well inside each quarter of the test page, and its printed colour.
void ExpectQuartersTurnedAndColoured(Printing* lpTest, int nMode) {
    struct {
        int x, y;
        uint8_t v;
    } points[] = {{60, 60, 10},  {600, 60, PIXEL_BLANK}, {60, 370, 100},           {600, 370, 200},
                  {390, 20, 10}, {410, 20, PIXEL_BLANK}, {80, 240, PIXEL_OUTLINE}, {380, 450, 100}};
    for (const auto& p : points) {
        POINT pt = PrintedAt(nMode, p.x, p.y);
        EXPECT_EQ(lpTest->Paper(pt.x, pt.y), PrintedColour(p.v))
            << "method " << nMode << ", page pixel " << p.x << ", " << p.y;
    }
    EXPECT_EQ(PrintedColour(PIXEL_BLANK), WHITE);
}

TEST_F(Printing, DefaultPrintsTheTurnedPageFramedAt373By394) {
    ASSERT_TRUE(DrawMethod(0));
    ExpectQuartersTurnedAndColoured(this, 0);
    // The image covers exactly 1654 x 2361 from (373, 394); its 4-pixel frame, about 14
    // device pixels, is black all round.
    EXPECT_EQ(Paper(372, 1000), MARK);
    EXPECT_EQ(Paper(373, 1000), BLACK);
    EXPECT_EQ(Paper(373 + 1653, 1000), BLACK);
    EXPECT_EQ(Paper(373 + 1654, 1000), MARK);
    EXPECT_EQ(Paper(1000, 393), MARK);
    EXPECT_EQ(Paper(1000, 394), BLACK);
    EXPECT_EQ(Paper(1000, 394 + 2360), BLACK);
    EXPECT_EQ(Paper(1000, 394 + 2361), MARK);
    EXPECT_EQ(Paper(373 + 8, 394 + 8), BLACK);
}

TEST_F(Printing, FirstAlternatePrintsTwoFramedHalvesWithoutASeam) {
    ASSERT_TRUE(DrawMethod(1));
    ExpectQuartersTurnedAndColoured(this, 1);
    EXPECT_EQ(Paper(373, 1000), MARK);
    EXPECT_EQ(Paper(374, 1000), BLACK);
    EXPECT_EQ(Paper(374 + 1650, 1000), BLACK);
    EXPECT_EQ(Paper(374 + 1651, 1000), MARK);
    EXPECT_EQ(Paper(1000, 393), MARK);
    EXPECT_EQ(Paper(1000, 394), BLACK);         // top of the upper half's frame
    EXPECT_EQ(Paper(1000, 1574 + 1179), BLACK); // bottom of the lower half's
    EXPECT_EQ(Paper(1000, 1574 + 1180), MARK);
    // Where the halves meet the page goes on: page column 330, in the blue-grey quarter.
    DWORD dwTop = PrintedColour(10);
    EXPECT_EQ(Paper(1000, 1573), dwTop);
    EXPECT_EQ(Paper(1000, 1574), dwTop);
}

// Every device pixel of the framed page, 466s x 666s from (268, 243) with s = 4.
TEST_F(Printing, SecondAlternateEnlargesEveryPixelFourTimesExactly) {
    ASSERT_TRUE(DrawMethod(2));
    ExpectQuartersTurnedAndColoured(this, 2);
    const int s = 4, X = 268, Y = 243;
    int nWrong = 0;
    GdiFlush();
    for (int py = Y; py < Y + 666 * s; py++) {
        for (int px = X; px < X + 466 * s; px++) {
            int bc = (px - X) / s, br = (py - Y) / s;
            int nRow; // row of the turned page from its top, or -1 in the frame
            if (br < 333)
                nRow = br < 3 ? -1 : br - 3;
            else
                nRow = br - 333 >= W / 2 ? -1 : W / 2 + br - 333;
            DWORD dwWant = BLACK;
            if (nRow >= 0 && bc >= 3 && bc < 3 + H)
                dwWant = PrintedColour(TestPicture(W - 1 - nRow, bc - 3));
            nWrong += Paper(px, py) != dwWant;
        }
    }
    EXPECT_EQ(nWrong, 0);
    // The tiles reach past the frame in white; the paper beyond them is untouched.
    EXPECT_EQ(Paper(X + 466 * s + 10, 1000), WHITE);
    EXPECT_EQ(Paper(X + 500 * s + 1, 1000), MARK);
    EXPECT_EQ(Paper(X - 1, 1000), MARK);
    EXPECT_EQ(Paper(1000, Y - 1), MARK);
}

TEST_F(Printing, WithoutAPageNoMethodDrawsAnything) {
    bmiPage.bmiHeader.biWidth = 0; // no page loaded yet
    EXPECT_FALSE(DrawMethod(0));
    EXPECT_FALSE(DrawMethod(1));
    bmiPage.bmiHeader.biWidth = W;
    FreePageBuffers();
    EXPECT_FALSE(DrawMethod(0));
    EXPECT_FALSE(DrawMethod(2));
    EXPECT_TRUE(PaperUntouched());
}

TEST_F(Printing, ThePrintDialogIsAskedForADcAndNothingIsRemembered) {
    PrintPage(hWndMain);
    PrintPage(hWndMain);
    ASSERT_EQ(fake.nDialogs, 2);
    const PRINTDLGA& pd = fake.pdSeen;
    EXPECT_EQ(pd.lStructSize, sizeof(PRINTDLGA));
    EXPECT_EQ(pd.hwndOwner, hWndMain);
    EXPECT_EQ(pd.Flags, 0x10010Cu);
    EXPECT_EQ(pd.nCopies, 1);
    EXPECT_EQ(pd.hDevMode, (HGLOBAL)NULL);
    EXPECT_EQ(pd.hDevNames, (HGLOBAL)NULL);
    EXPECT_EQ(pd.nFromPage | pd.nToPage | pd.nMinPage | pd.nMaxPage, 0);
    EXPECT_EQ(fake.strDocName, "Tintwell: Printing");
    EXPECT_TRUE(fake.bOutputNull);
    EXPECT_TRUE(fake.bDatatypeNull);
    EXPECT_EQ(fake.fwType, 0u);
}

TEST_F(Printing, CancellingPrintsNothingAndLeavesCursorAndStateAsTheyWere) {
    fake.bCancel = TRUE;
    hCurCursor = hEditCursor;
    PrintPage(hWndMain);
    EXPECT_EQ(fake.nStartDocs, 0);
    EXPECT_EQ(bBusy, 0);
    EXPECT_EQ(hCurCursor, hEditCursor);
    EXPECT_TRUE(IsWindowEnabled(hWndMain));
    EXPECT_TRUE(DrainQueue().empty());
    EXPECT_TRUE(PaperUntouched());
}

TEST_F(Printing, APrintRunsBusyAndDisabledUnderTheHourglassAndThrowsAwayInputMeanwhile) {
    hCurCursor = hEditCursor;
    PrintPage(hWndMain);
    EXPECT_EQ(fake.bBusyInside, 1);
    EXPECT_FALSE(fake.bEnabledInside);
    EXPECT_EQ(fake.hCursorInside, hWaitCursor);
    EXPECT_EQ(fake.nStartPages, 1);
    EXPECT_EQ(fake.nEndPages, 1);
    EXPECT_EQ(fake.nEndDocs, 1);
    EXPECT_EQ(Paper(373, 1000), BLACK); // printed by the Default method
    EXPECT_EQ(bBusy, 0);
    EXPECT_TRUE(IsWindowEnabled(hWndMain));

    POINT pt;
    GetCursorPos(&pt);
    int nMoves = 0, nOther = 0, nInput = 0;
    for (const MSG& msg : DrainQueue()) {
        if (msg.message == WM_MOUSEMOVE) {
            nMoves++;
            EXPECT_EQ(msg.lParam, MAKELPARAM(pt.x, pt.y));
        } else if (msg.message == WM_USER + 7) {
            nOther++;
        } else if ((msg.message >= 0x100 && msg.message <= 0x108) ||
                   (msg.message >= 0x200 && msg.message <= 0x209)) {
            nInput++;
        }
    }
    EXPECT_EQ(nMoves, 1);
    EXPECT_EQ(nOther, 1);
    EXPECT_EQ(nInput, 0);
    EXPECT_EQ(ptMouse.x, pt.x);
    EXPECT_EQ(ptMouse.y, pt.y);
}

TEST_F(Printing, AJobThatCannotStartDrawsNothingButStillEndsItsPage) {
    fake.nStartDocResult = -1;
    fake.nEndPageResult = -1;
    PrintPage(hWndMain);
    EXPECT_EQ(fake.nStartPages, 0);
    EXPECT_EQ(fake.nEndPages, 1);
    EXPECT_EQ(fake.nEndDocs, 0);
    EXPECT_TRUE(PaperUntouched());

    fake.nEndPageResult = 1;
    PrintPage(hWndMain);
    EXPECT_EQ(fake.nEndDocs, 1);

    fake.nStartDocResult = 1;
    fake.nStartPageResult = 0;
    PrintPage(hWndMain);
    EXPECT_EQ(fake.nStartPages, 1);
    EXPECT_EQ(fake.nEndPages, 3);
    EXPECT_TRUE(PaperUntouched());
    EXPECT_EQ(bBusy, 0);
    EXPECT_TRUE(IsWindowEnabled(hWndMain));
}

TEST_F(Printing, AZeroPrintableAreaIsReportedAndThePrintGoesOn) {
    fake.xRes = fake.yRes = 0;
    CMsgBoxObserver observer;
    PrintPage(hWndMain);
    ASSERT_EQ(observer.Boxes().size(), 1u);
    EXPECT_EQ(observer.Boxes()[0].strText,
              "at line 49 in file Print: \"xPage || yPage\": OK to continue.");
    EXPECT_EQ(observer.Boxes()[0].strCaption, "ASSERTION FAILURE");
    EXPECT_EQ(fake.nStartDocs, 1);
    EXPECT_EQ(fake.nEndDocs, 1);

    fake.yRes = 0; // one of the two is enough
    fake.xRes = 10;
    PrintPage(hWndMain);
    EXPECT_EQ(observer.Boxes().size(), 1u);
}

TEST_F(Printing, AnUnknownModePrintsLikeTheFirstAlternate) {
    nPrintMode = 7;
    PrintPage(hWndMain);
    EXPECT_EQ(Paper(373, 1000), MARK);
    EXPECT_EQ(Paper(374, 1000), BLACK);
    ExpectQuartersTurnedAndColoured(this, 1);
}

TEST_F(Printing, AHundredPrintsLeaveNoGraphicsObjectsBehind) {
    fake.xRes = 800; // small areas keep the hundred prints quick
    fake.yRes = 1000;
    // The first prints load what the system keeps, such as the screen's DC.
    for (nPrintMode = 0; nPrintMode < 3; nPrintMode++)
        PrintPage(hWndMain);
    int nBefore = CountGdiObjects();
    ASSERT_GE(nBefore, 0);
    for (int i = 0; i < 100; i++) {
        nPrintMode = i % 3;
        PrintPage(hWndMain);
    }
    // As with the dialogs, the system's own painting caches may move the count by a few
    // dozen; a leak of ours would add at least one object per print.
    EXPECT_LT(CountGdiObjects() - nBefore, 50);
    EXPECT_EQ(fake.nEndDocs, 103);
}

} // namespace
