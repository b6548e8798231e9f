// The diagnostic trace to log.txt. Off in the program; the diagnosis build compiles it on.
#include "shell/base/diag.h"
#include <windows.h>
#include <mmsystem.h>
#include <stdarg.h>
#include <stdio.h>

#if defined(TW_TRACE)
int bLogOn = 1;
#else
int bLogOn = 0;
#endif
// Subtracted from every time stamp; kept at 0, so stamps count from the start of Windows.
static const long nLogBase = 0;

int DebugLog(const char* lpszFormat, ...) {
    char szPrefix[32];
    long nStamp = (long)(int)timeGetTime() / 100 - nLogBase;
    snprintf(szPrefix, sizeof(szPrefix), "%i:  ", (int)nStamp);
    if (!bLogOn)
        return 1;

    FILE* fp = fopen("log.txt", "a+");
    if (fp == NULL)
        return 0;
    fputs(szPrefix, fp);
    va_list args;
    va_start(args, lpszFormat);
    vfprintf(fp, lpszFormat, args);
    va_end(args);
    fputc('\n', fp);
    fclose(fp);
    return 1;
}
