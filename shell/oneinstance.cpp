// Single-instance guard: a named mutex marks a running copy, a shared section tells its window.
#include "shell/oneinstance.h"
#include "shell/base/diag.h"
#include "shell/base/seams.h"
#include <stdio.h>

// One copy for every process of this image: the linker marks .shr read, write and shared.
// The handle is kept as 32 bits (HandleToLong) so the record is 4 bytes on both targets.
volatile LONG hGlobal __attribute__((section(".shr"), shared)) = 0;

COneInstance OneInstance;

static const char szClassName[] = "TWELLWIN3";
static const char szMutexSuffix[] = "-0b0f3aac-dfa8-11d9-947a-00e08161165f";

void BuildMutexName(char* lpszName, size_t cbName) {
    snprintf(lpszName, cbName, "%sS%s", szClassName, szMutexSuffix);
}

int COneInstance::IsFirst(const char* lpszName) {
    hMutexOneInstance = TW_PLATFORM(CreateMutexA)(NULL, TRUE, lpszName);
    DWORD dwError = GetLastError();
    if (hMutexOneInstance != NULL) {
        DebugLog("1 NOT NULL hMutexOneInstance %i", (int)HandleToLong(hMutexOneInstance));
        // Only the mutex's existence matters; the program never holds it.
        if (ReleaseMutex(hMutexOneInstance))
            DebugLog("ReleaseMutex succeeded");
        DebugLog("2 NOT NULL hMutexOneInstance %i", (int)HandleToLong(hMutexOneInstance));
    }
    if (dwError != ERROR_ALREADY_EXISTS)
        return TRUE;

    LONG nOther = hGlobal;
    if (nOther == 0)
        return FALSE; // the other instance has no window yet
    HWND hOther = (HWND)LongToHandle(nOther);
    if (IsIconic(hOther))
        ShowWindow(hOther, SW_RESTORE);
    SetForegroundWindow(hOther);
    EnableWindow(hOther, TRUE);
    DebugLog("hOther %i  hGlobal %i", (int)nOther, (int)hGlobal);
    return FALSE;
}

COneInstance::~COneInstance() {
    if (hMutexOneInstance != NULL) {
        DebugLog("1 Destr hMutexOneInstance %i", (int)HandleToLong(hMutexOneInstance));
        if (CloseHandle(hMutexOneInstance))
            DebugLog("CloseHandle succeeded");
        DebugLog("2 Destr hMutexOneInstance %i", (int)HandleToLong(hMutexOneInstance));
    }
}
