// Printing onto a stand-in printer: a 2400 x 3150 memory bitmap behind the printing calls. How each
// method puts the page on the printer, and the print job around the page.
#include "pages/page.h"
#include "support/gdi_count.h"
#include "support/main_window.h"
#include "ui/print.h"
#include "ui/print_seams.h"
#include "ui/printopt.h"
#include <algorithm>
#include <string>

namespace {

const int CX = 2400, CY = 3150;
const DWORD MARK = 0x010203; // the untouched paper

// The stand-in printer: what it saw, and how its calls answer.
struct Fake {
    static inline HBITMAP hbmPaper;
    static inline DWORD* lpPaper;
    static inline HDC hdcPaper;   // the last DC made for it
    static inline HWND hWndOther; // a window of the program other than the main window
    static inline ABORTPROC lpfnAbort;
    static inline int nStretchBlts, nBitBlts;
    // The program's state while the page is printed.
    static inline int bBusyInside, bEnabledInside, bServedInside;
    static inline HCURSOR hCursorInside;

    static HDC NewPaperDC() {
        hdcPaper = CreateCompatibleDC(NULL);
        SelectObject(hdcPaper, hbmPaper);
        return hdcPaper;
    }
    static BOOL WINAPI PrintDlg(LPPRINTDLGA lppd) {
        lppd->hDC = NewPaperDC();
        lppd->hDevMode = GlobalAlloc(GMEM_MOVEABLE, 64); // as a real dialog hands it back
        return TRUE;
    }
    static int WINAPI DeviceCaps(HDC, int nIndex) { return nIndex == HORZRES ? CX : CY; }
    static int WINAPI SetAbortProc(HDC, ABORTPROC lpfn) { return lpfnAbort = lpfn, 1; }
    static int WINAPI StartDoc(HDC, const DOCINFOW*) { return 1; }
    // The child presses keys and clicks while the page prints; the printing system calls the abort
    // procedure, which serves the program's windows meanwhile.
    static int WINAPI StartPage(HDC hdc) {
        bBusyInside = bBusy;
        bEnabledInside = IsWindowEnabled(hWndMain);
        hCursorInside = hCurCursor;
        PostMessageA(hWndMain, WM_CHAR, 'q', 1);
        PostMessageA(hWndMain, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 300));
        PostMessageA(hWndOther, WM_SETFONT, (WPARAM)GetStockObject(ANSI_FIXED_FONT), 0);
        bServedInside = lpfnAbort != NULL && lpfnAbort(hdc, 0) &&
                        SendMessageA(hWndOther, WM_GETFONT, 0, 0) != 0;
        return 1;
    }
    static BOOL WINAPI StretchBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int xSrc,
                                  int ySrc, int cxSrc, int cySrc, DWORD dwRop) {
        nStretchBlts += hdc == hdcPaper;
        return ::StretchBlt(hdc, x, y, cx, cy, hdcSrc, xSrc, ySrc, cxSrc, cySrc, dwRop);
    }
    static BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int xSrc, int ySrc,
                              DWORD dwRop) {
        nBitBlts += hdc == hdcPaper;
        return ::BitBlt(hdc, x, y, cx, cy, hdcSrc, xSrc, ySrc, dwRop);
    }
};

// The main window with a page loaded, printing to the fake printer.
class Printing : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Fake::nStretchBlts = Fake::nBitBlts = 0;
        BITMAPINFO bmi = {{sizeof(BITMAPINFOHEADER), CX, -CY, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        Fake::hbmPaper = CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, (void**)&Fake::lpPaper, 0, 0);
        ASSERT_NE(Fake::hbmPaper, (HBITMAP)NULL);
        std::fill(Fake::lpPaper, Fake::lpPaper + CX * CY, MARK);
        Fake::hWndOther = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, hInst, 0);
        nPrintMode = 0;
        ASSERT_TRUE(AllocPageBuffers());
        bmiPage.bmiHeader = {40, PAGE_WIDTH, PAGE_HEIGHT, 1, 8, 0, PAGE_BYTES, 0, 0, 0, 0};
    }
    void TearDown() override {
        FreePageBuffers();
        bmiPage = {};
        DestroyWindow(Fake::hWndOther);
        MainWindowTest::TearDown();
        DeleteObject(Fake::hbmPaper);
    }
    CSeam<decltype(Seam_PrintDlgA)> seam1{Seam_PrintDlgA, Fake::PrintDlg};
    CSeam<decltype(Seam_GetDeviceCaps)> seam2{Seam_GetDeviceCaps, Fake::DeviceCaps};
    CSeam<decltype(Seam_SetAbortProc)> seam3{Seam_SetAbortProc, Fake::SetAbortProc};
    CSeam<decltype(Seam_StartDocW)> seam4{Seam_StartDocW, Fake::StartDoc};
    CSeam<decltype(Seam_StartPage)> seam5{Seam_StartPage, Fake::StartPage};
    CSeam<decltype(Seam_StretchBlt)> seam8{Seam_StretchBlt, Fake::StretchBlt};
    CSeam<decltype(Seam_BitBlt)> seam9{Seam_BitBlt, Fake::BitBlt};

    DWORD Paper(int x, int y) {
        GdiFlush();
        return Fake::lpPaper[y * CX + x] & 0xFFFFFF;
    }
};

// Each row: the method, its StretchBlt and BitBlt calls onto the printer (the Default method makes
// neither) and where the top left corner of the page's black frame lands.
class Methods : public Printing, public testing::WithParamInterface<std::vector<int>> {};

TEST_P(Methods, PutTheFramedPageOnThePrinterInTheirOwnWay) {
    const std::vector<int>& m = GetParam();
    nPrintMode = m[0];
    int nObjects = 0;
    for (int i = 0; i < 10; i++) { // and leave no GDI objects behind
        HDC hdc = Fake::NewPaperDC();
        ASSERT_TRUE(m[0] == 0 ? PrintDefault(hdc, CX, CY) : PrintAlternate(hdc, CX, CY));
        DeleteDC(hdc);
        nObjects = i == 0 ? CountGdiObjects() : nObjects;
    }
    EXPECT_EQ(CountGdiObjects(), nObjects);
    EXPECT_EQ(Fake::nStretchBlts, m[1] * 10);
    EXPECT_EQ(Fake::nBitBlts, m[2] * 10);
    EXPECT_EQ(Paper(m[3], m[4]), 0u);
    EXPECT_EQ(Paper(m[3] - 1, m[4]), MARK);
}
// Method 2 copies 2 halves of 20 rows of 25 tiles; unknown methods print like method 1.
INSTANTIATE_TEST_SUITE_P(Print, Methods,
                         testing::Values(std::vector<int>{0, 0, 0, 373, 394},
                                         std::vector<int>{1, 2, 0, 374, 394},
                                         std::vector<int>{2, 0, 1000, 268, 243},
                                         std::vector<int>{7, 2, 0, 374, 394}));

// A page of the printable size whose buffers could not be had: no method prints it.
TEST_F(Printing, APageWithoutItsBuffersIsNotPrinted) {
    FreePageBuffers();
    HDC hdc = Fake::NewPaperDC();
    for (nPrintMode = 0; nPrintMode < 3; nPrintMode++)
        EXPECT_FALSE(nPrintMode == 0 ? PrintDefault(hdc, CX, CY) : PrintAlternate(hdc, CX, CY));
    DeleteDC(hdc);
    EXPECT_EQ(Paper(CX / 2, CY / 2), MARK);
}

TEST_F(Printing, APrintRunsBusyUnderTheHourglassServesTheWindowsAndDropsTheInput) {
    hCurCursor = hEditCursor;
    PrintPage(hWndMain);
    EXPECT_EQ(Fake::bBusyInside, 1);
    EXPECT_FALSE(Fake::bEnabledInside);
    EXPECT_EQ(Fake::hCursorInside, hWaitCursor);
    EXPECT_TRUE(Fake::bServedInside);
    EXPECT_EQ(Paper(373, 394), 0u); // by the Default method
    EXPECT_EQ(bBusy, 0);
    EXPECT_TRUE(IsWindowEnabled(hWndMain));
    EXPECT_EQ(Drain(), std::vector<UINT>{WM_MOUSEMOVE}); // which sets the cursor again
}

} // namespace
