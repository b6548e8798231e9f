// The switch of the display to 800 x 600 x 32 through DirectDraw; nothing is drawn with it.
//
// DirectDraw's exclusive mode takes over the window it is given: under Wine it puts an OpenGL
// drawable over that window's client area, which hides the GDI drawing of its child buttons, and
// it minimises that window whenever another program becomes active. So exclusive mode is held
// through a hidden window of its own; the main window stays a plain GDI window whose screen is
// left as it is on activation.
#include "shell/app.h"
#include "shell/base/diag.h"
#include "shell/base/seams.h"
#include <ddraw.h>

LPDIRECTDRAW lpDD = NULL;
static HWND hWndDisplayMode = NULL;

static HWND CreateDisplayModeWindow() {
    static const char szClass[] = "TWELLWIN3DisplayMode";
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = hInst;
    wc.lpszClassName = szClass;
    RegisterClassA(&wc);
    return CreateWindowExA(0, szClass, "Tintwell 3", WS_POPUP, 0, 0, 800, 600, NULL, NULL, hInst,
                           NULL);
}

int EnterFullScreen() {
    if (TW_PLATFORM(DirectDrawCreate)(NULL, &lpDD, NULL) != DD_OK) {
        lpDD = NULL;
        // The trace has always named this step by the call's extended form; the text stays.
        DebugLog("DirectDrawCreateEx");
        return FALSE;
    }
    hWndDisplayMode = CreateDisplayModeWindow();
    HRESULT hr = lpDD->SetCooperativeLevel(hWndDisplayMode ? hWndDisplayMode : hWndMain,
                                           DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN);
    if (hWndDisplayMode != NULL)
        ShowWindow(hWndDisplayMode, SW_HIDE); // exclusive mode shows it; it only holds the mode
    if (hr != DD_OK) {
        DebugLog("SetCooperativeLevel");
        return FALSE;
    }
    if (lpDD->SetDisplayMode(800, 600, 32) != DD_OK) {
        DebugLog("SetDisplayMode");
        return FALSE;
    }
    return TRUE;
}

void LeaveFullScreen() {
    if (lpDD == NULL)
        return;
    lpDD->RestoreDisplayMode();
    lpDD->Release();
    lpDD = NULL;
    if (hWndDisplayMode != NULL)
        DestroyWindow(hWndDisplayMode);
    hWndDisplayMode = NULL;
}
