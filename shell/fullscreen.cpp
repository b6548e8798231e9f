// The switch of the display to 800 x 600 x 32 through DirectDraw; nothing is drawn with it.
#include "shell/app.h"
#include "shell/diag.h"
#include "shell/seams.h"
#include <ddraw.h>

LPDIRECTDRAW lpDD = NULL;

int EnterFullScreen() {
    if (TW_PLATFORM(DirectDrawCreate)(NULL, &lpDD, NULL) != DD_OK) {
        lpDD = NULL;
        DebugLog("DirectDrawCreateEx");
        return FALSE;
    }
    if (lpDD->SetCooperativeLevel(hWndMain, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN) != DD_OK) {
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
}
