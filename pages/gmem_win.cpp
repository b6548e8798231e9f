// The page buffers and the movable global memory they live in.
#include "pages/page.h"

#include "shell/base/app_state.h"
#include "shell/base/diag.h"
#include "shell/base/seams.h"

// Where the buffers' assertions say they are.
static const char szModule[] = "Gmem";
static const unsigned nLineDib = 20, nLineDibClear = 26, nLineDibPrint = 31;

BYTE* lpDib = NULL;
BYTE* lpDibClear = NULL;
BYTE* lpDibPrint = NULL;

// Set while the low-memory handler runs, so that an allocation it makes cannot call it again.
static int nInLowMemory = 0;

void* GmemAlloc(DWORD dwSize) {
    for (;;) {
        HGLOBAL hMem = TW_PLATFORM(GlobalAlloc)(GMEM_MOVEABLE | GMEM_ZEROINIT, dwSize);
        if (hMem != NULL) {
            void* lpMem = TW_PLATFORM(GlobalLock)(hMem);
            if (lpMem != NULL)
                return lpMem;
            GlobalFree(hMem);
        }
        LOWMEMHANDLER lpfnHandler = GetLowMemoryHandler();
        if (lpfnHandler == NULL || nInLowMemory != 0)
            return NULL;
        nInLowMemory++;
        int bRetry = lpfnHandler(dwSize);
        nInLowMemory--;
        if (!bRetry)
            return NULL;
    }
}

void GmemFree(void* lpMem) {
    if (lpMem == NULL)
        return;
    HGLOBAL hMem = GlobalHandle(lpMem);
    if (hMem == NULL)
        return;
    GlobalUnlock(hMem);
    GlobalFree(hMem);
}

void FreePageBuffers() {
    GmemFree(lpDib);
    GmemFree(lpDibClear);
    GmemFree(lpDibPrint);
    lpDib = lpDibClear = lpDibPrint = NULL;
}

int AllocPageBuffers() {
    lpDib = static_cast<BYTE*>(GmemAlloc(PAGE_BYTES));
    ASSERT_AT(lpDib != NULL, szModule, nLineDib, "lpDib");
    if (lpDib != NULL) {
        lpDibClear = static_cast<BYTE*>(GmemAlloc(PAGE_BYTES));
        ASSERT_AT(lpDibClear != NULL, szModule, nLineDibClear, "lpDibClear");
    }
    if (lpDibClear != NULL) {
        lpDibPrint = static_cast<BYTE*>(GmemAlloc(PRINT_BYTES));
        ASSERT_AT(lpDibPrint != NULL, szModule, nLineDibPrint, "lpDibPrint");
    }
    if (lpDib != NULL && lpDibClear != NULL && lpDibPrint != NULL)
        return 1;
    FreePageBuffers();
    return 0;
}
