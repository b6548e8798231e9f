// The program's main window, hidden, standing in for the running program in the unit tests, on the
// colouring screen with nothing busy.
#pragma once
#include "shell/app.h"
#include "shell/base/busy.h"
#include "shell/mainwnd.h"
#include <gtest/gtest.h>
#include <vector>

// Points a seam at a stand-in while it lives.
template <class F> struct CSeam {
    F& lpfnSeam;
    F lpfnReal = lpfnSeam;
    CSeam(F& lpfnSeamIn, F lpfnFake) : lpfnSeam(lpfnSeamIn) { lpfnSeam = lpfnFake; }
    ~CSeam() { lpfnSeam = lpfnReal; }
};

class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        hWndMain = CreateWindowExA(0, "TWELLWIN3", "Tintwell 3", WS_POPUP, 0, 0, 800, 600, NULL,
                                   NULL, hInst, NULL);
        ASSERT_NE(hWndMain, (HWND)NULL);
        nScreenMode = MODE_COLORING;
        bBusy = 0;
    }
    void TearDown() override {
        DestroyWindow(hWndMain);
        Drain();
    }

  public:
    // Dispatches what is queued; TRUE when the program has ended with 0.
    static bool Pump() {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return msg.wParam == 0;
            DispatchMessageA(&msg);
        }
        return false;
    }
    // Takes every queued message without dispatching it; returns their kinds.
    static std::vector<UINT> Drain() {
        std::vector<UINT> messages;
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            messages.push_back(msg.message);
        return messages;
    }
};
