// The fills and the sound effects on the real system: the sound resources, the fills drawing
// into the main window and handling its messages while they run.
#include "pages/fill.h"
#include "pages/page.h"
#include "pages/sound_win.h"
#include "shell/app.h"
#include <gtest/gtest.h>

#include <cstring>

namespace {

int nAppMessages;
LRESULT CALLBACK CountingProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_APP)
        nAppMessages++;
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// A shown 800 x 600 window standing in for the main window, and a page with a wall at x 400.
class FillOnWindow : public testing::Test {
  protected:
    HWND hWnd = NULL, hWndSaved = NULL;

    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = CountingProc;
        wc.hInstance = hInst;
        wc.lpszClassName = "TwFillTest";
        RegisterClassA(&wc); // already there after the first test: that is fine
        hWnd =
            CreateWindowExA(0, "TwFillTest", "", WS_POPUP, 0, 0, 800, 600, NULL, NULL, hInst, NULL);
        ASSERT_NE(hWnd, (HWND)NULL);
        ShowWindow(hWnd, SW_SHOWNA);
        hWndSaved = hWndMain;
        hWndMain = hWnd;
        ASSERT_TRUE(AllocPageBuffers());
        bmfhPage = {};
        bmiPage = {};
        PageInfoHeader& bih = bmiPage.bmiHeader;
        bih.biSize = sizeof(bih);
        bih.biWidth = PAGE_WIDTH;
        bih.biHeight = PAGE_HEIGHT;
        bih.biPlanes = 1;
        bih.biBitCount = 8;
        bih.biSizeImage = PAGE_BYTES;
        BuildPalette();
        std::memset(lpDib, PIXEL_BLANK, PAGE_BYTES);
        for (int y = 0; y < PAGE_HEIGHT; y++)
            lpDib[400 + PAGE_WIDTH * y] = 0;
        nAppMessages = 0;
    }
    void TearDown() override {
        FreePageBuffers();
        hWndMain = hWndSaved;
        DestroyWindow(hWnd);
    }
};

TEST_F(FillOnWindow, FillsShowTheirWorkAndHandleMessagesMeanwhile) {
    for (int i = 0; i < 5; i++)
        PostMessageA(hWnd, WM_APP, 0, 0);
    ColourFill(10, 10, 30);
    EXPECT_EQ(nAppMessages, 5);
    for (int y = 0; y < PAGE_HEIGHT; y++) {
        for (int x = 395; x < 405; x++) {
            ASSERT_EQ(lpDib[x + PAGE_WIDTH * y], x < 400    ? 30
                                                 : x == 400 ? PIXEL_OUTLINE
                                                            : PIXEL_BLANK);
        }
    }
    HDC hdc = GetDC(hWnd);
    COLORREF cr = GetPixel(hdc, 70 + 10, 70 + 10);
    ReleaseDC(hWnd, hdc);
    const PageRgbQuad& q = bmiPage.bmiColors[30];
    EXPECT_EQ(cr, RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));

    ClearFill();
    for (int i = 0; i < PAGE_BYTES; i++)
        ASSERT_EQ(lpDib[i], i % PAGE_WIDTH == 400 ? PIXEL_OUTLINE : PIXEL_BLANK) << i;
}

TEST(Sounds, AllThirtyEightLoadAsWaveImagesAndUnknownOnesAreHarmless) {
    LoadSounds(hInst);
    for (int n = 1; n <= 38; n++) {
        const char* lpData = static_cast<const char*>(lpWaveData[n]);
        ASSERT_NE(lpData, nullptr) << n;
        EXPECT_EQ(std::memcmp(lpData, "RIFF", 4), 0) << n;
        EXPECT_EQ(std::memcmp(lpData + 8, "WAVE", 4), 0) << n;
    }
    PlaySoundOnce(0);
    PlaySoundOnce(999);
    PlaySoundLoop(IDW_FILL_LOOP);
    StopSound();
}

} // namespace
