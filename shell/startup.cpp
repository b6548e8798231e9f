// Start-up and shutdown of the program: window class, main window, frame bitmaps, timer.
#include "shell/app.h"
#include "shell/diag.h"
#include "shell/mainwnd.h"
#include "shell/oneinstance.h"
#include "shell/seams.h"
#include "pages/page.h"
#include "pages/sound_win.h"
#include "ui/controlbar.h"
#include "ui/dialog.h"

HINSTANCE hInst = NULL;
HWND hWndMain = NULL;
HBITMAP hbmTopBottom = NULL, hbmLeftRight = NULL, hbmDotPattern = NULL, hbmDotShadow = NULL,
        hbmTitles = NULL;

static const char szClassName[] = "TWELLWIN3";
static const UINT_PTR idTimer = 1;
static LOWMEMHANDLER lpfnLowMemory = NULL;

LOWMEMHANDLER SetLowMemoryHandler(LOWMEMHANDLER lpfnHandler) {
    LOWMEMHANDLER lpfnOld = lpfnLowMemory;
    lpfnLowMemory = lpfnHandler;
    return lpfnOld;
}

LOWMEMHANDLER GetLowMemoryHandler() { return lpfnLowMemory; }

int LowMemoryHandler(DWORD) {
    return MessageBoxA(hWndMain, "There is not enough memory to play this game.", "Error",
                       MB_RETRYCANCEL) == IDRETRY;
}

void RegisterMainClass(HINSTANCE hInstance) {
    WNDCLASSA wc = {};
    wc.style = CS_BYTEALIGNCLIENT;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(hInstance, "TWLIcon");
    wc.lpszClassName = szClassName;
    RegisterClassA(&wc);
}

int InitInstance(HINSTANCE hInstance, int nCmdShow) {
    hInst = hInstance;
    HWND hWnd = CreateWindowExA(0, szClassName, "Tintwell 3", WS_POPUP, 0, 0, 800, 600, NULL, NULL,
                                hInstance, NULL);
    if (hWnd == NULL)
        return FALSE;
    hGlobal = HandleToLong(hWnd);
    hWndMain = hWnd;

    EnterFullScreen();
    SetLowMemoryHandler(LowMemoryHandler);
    if (!AllocPageBuffers())
        return FALSE;
    InitDialogTables();

    hbmTopBottom = LoadBitmapA(hInst, "TopBottomBorder");
    hbmLeftRight = LoadBitmapA(hInst, "LeftRightBorder");
    hbmDotPattern = LoadBitmapA(hInst, "DotPattern");
    hbmDotShadow = LoadBitmapA(hInst, "DotPatternShadow");
    hbmTitles = LoadBitmapA(hInst, "Titles");
    LoadSounds(hInst);

    if (!TW_PLATFORM(SetTimer)(hWndMain, idTimer, 50, NULL)) {
        MessageBoxA(hWndMain, LoadResString(IDS_NOTIMER, 0), LoadResString(IDS_STARTUP, 1),
                    MB_ICONEXCLAMATION);
        ShutdownApp(hWndMain);
        return FALSE;
    }
    ShowWindow(hWndMain, nCmdShow);
    return TRUE;
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0)) {
        if (IsStaleInput(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}

static void DeleteBitmap(HBITMAP& hbm) {
    if (hbm != NULL)
        DeleteObject(hbm);
    hbm = NULL;
}

int ShutdownApp(HWND hWnd) {
    DestroyCursor(hEditCursor);
    hEditCursor = NULL;
    KillTimer(hWnd, idTimer);
    DeleteBitmap(hbmDotPattern);
    DeleteControlBarBitmaps();
    FreePageBuffers();
    LeaveFullScreen();
    PostQuitMessage(0);
    return 0;
}
