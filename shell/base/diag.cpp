// The string table and the assertion box.
#include "shell/base/diag.h"

#include "shell/base/app_state.h"
#include "shell/base/language.h"

#include <windows.h>
#include <string>

static char szResString[2][512];

char* LoadResString(unsigned id, int nSlot) {
    char* lpsz = szResString[nSlot & 1];
    if (!WideCharToMultiByte(CP_ACP, 0, LoadResStringW(id, nSlot), -1, lpsz, 511, NULL, NULL))
        lpsz[0] = 0;
    lpsz[511] = 0;
    return lpsz;
}

void AssertFail(const char* lpszExpression, const char* lpszFile, unsigned nLine) {
    std::u16string strText = FillInWords(
        reinterpret_cast<const char16_t*>(LoadResStringW(IDS_ASSERT_TEXT, 0)),
        {WidenText(std::to_string(nLine).c_str()), WidenText(lpszFile), WidenText(lpszExpression)});
    MessageBeep(MB_OK);
    if (LangMessageBox(hWndMain, reinterpret_cast<const wchar_t*>(strText.c_str()), 0,
                       IDS_ASSERT_CAPTION, MB_OKCANCEL | MB_ICONHAND | MB_TASKMODAL) == IDCANCEL)
        DestroyWindow(hWndMain);
}
