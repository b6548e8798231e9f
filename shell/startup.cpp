// Start-up and shutdown of the program: window class, main window, frame bitmaps, timer.
#include "shell/app.h"

#include "shell/base/busy.h"
#include "shell/base/diag.h"
#include "shell/base/language.h"
#include "shell/base/seams.h"
#include "shell/mainwnd.h"
#include "shell/oneinstance.h"
#include "pages/page.h"
#include "pages/sound_win.h"
#include "ui/controlbar.h"
#include "ui/dialog.h"

HBITMAP hbmTopBottom = NULL, hbmLeftRight = NULL, hbmDotPattern = NULL, hbmDotShadow = NULL;

static const char szClassName[] = "TWELLWIN3";
static const UINT_PTR idTimer = 1;

int LowMemoryHandler(DWORD) {
    return LangMessageBox(hWndMain, NULL, IDS_NOMEMORY_GAME, IDS_ERROR, MB_RETRYCANCEL) == IDRETRY;
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
    HWND hWnd = CreateWindowExA(0, szClassName, LoadResString(IDS_WINDOW_TITLE, 0), WS_POPUP, 0, 0,
                                800, 600, NULL, NULL, hInstance, NULL);
    if (hWnd == NULL)
        return FALSE;
    hGlobal = HandleToLong(hWnd);
    hWndMain = hWnd;

    EnterFullScreen();
    SetLowMemoryHandler(LowMemoryHandler);
    if (!AllocPageBuffers())
        return FALSE;
    InitDialogTables();

    hbmTopBottom = LoadLangBitmap("TopBottomBorder");
    hbmLeftRight = LoadLangBitmap("LeftRightBorder");
    hbmDotPattern = LoadLangBitmap("DotPattern");
    hbmDotShadow = LoadLangBitmap("DotPatternShadow");
    hbmTitles = LoadLangBitmap("Titles");
    LoadSounds(hInst);

    if (!TW_PLATFORM(SetTimer)(hWndMain, idTimer, 50, NULL)) {
        LangMessageBox(hWndMain, NULL, IDS_NOTIMER, IDS_STARTUP, MB_ICONEXCLAMATION);
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
    DestroyEditCursor();
    KillTimer(hWnd, idTimer);
    DeleteBitmap(hbmDotPattern);
    DeleteControlBarBitmaps();
    FreePageBuffers();
    LeaveFullScreen();
    PostQuitMessage(0);
    return 0;
}

int LoadFirstPage() {
    LoadPageTable();
    if (nCurPage < 0 || nCurPage >= GetPageCount())
        nCurPage = 0;
    while (!LoadBookPage(nCurPage)) {
        if (nCurPage >= GetPageCount() - 1) {
            LangMessageBox(hWndMain, NULL, IDS_NOPAGES, IDS_APPNAME, MB_OK);
            ShutdownApp(hWndMain);
            return 0;
        }
        nCurPage++;
    }
    if (nCurPage != 0)
        InvalidateRect(hWndMain, NULL, FALSE);
    ShowCursorShape(hEditCursor);
    return 1;
}
