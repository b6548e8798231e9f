// The program-wide handles and the low-memory handler the allocator calls.
#include "shell/base/app_state.h"

HINSTANCE hInst = NULL;
HWND hWndMain = NULL;
int nScreenMode = MODE_INTRO_FIRST;
HBITMAP hbmTitles = NULL;
HBRUSH hHollowBrush = NULL;

static LOWMEMHANDLER lpfnLowMemory = NULL;

LOWMEMHANDLER SetLowMemoryHandler(LOWMEMHANDLER lpfnHandler) {
    LOWMEMHANDLER lpfnOld = lpfnLowMemory;
    lpfnLowMemory = lpfnHandler;
    return lpfnOld;
}

LOWMEMHANDLER GetLowMemoryHandler() {
    return lpfnLowMemory;
}
