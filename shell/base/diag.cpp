// The string table and the assertion box.
#include "shell/base/diag.h"

#include "shell/base/app_state.h"

#include <windows.h>
#include <stdio.h>
#include <string>

static char szResString[2][512];

char* LoadResString(unsigned id, int nSlot) {
    char* lpsz = szResString[nSlot & 1];
    LoadStringA(hInst, id, lpsz, 511);
    return lpsz;
}

void AssertFail(const char* lpszExpression, const char* lpszFile, unsigned nLine) {
    static const char szFormat[] = "at line %u in file %s: \"%s\": OK to continue.";
    int cch = snprintf(NULL, 0, szFormat, nLine, lpszFile, lpszExpression);
    std::string strText(cch > 0 ? cch : 0, '\0');
    snprintf(&strText[0], strText.size() + 1, szFormat, nLine, lpszFile, lpszExpression);

    MessageBeep(MB_OK);
    if (MessageBoxA(hWndMain, strText.c_str(), "ASSERTION FAILURE",
                    MB_OKCANCEL | MB_ICONHAND | MB_TASKMODAL) == IDCANCEL)
        DestroyWindow(hWndMain);
}
