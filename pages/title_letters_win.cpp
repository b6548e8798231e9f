// The title letters from the program's own resources.
#include <windows.h>

#include "pages/title_letters.h"

namespace {

// A resource's bytes in the executable, or null.
const uint8_t* ResourceBytes(const wchar_t* lpszName, const wchar_t* lpszType, DWORD* lpcb) {
    HRSRC hRes = FindResourceW(NULL, lpszName, lpszType);
    HGLOBAL hData = hRes ? LoadResource(NULL, hRes) : NULL;
    *lpcb = hRes ? SizeofResource(NULL, hRes) : 0;
    return hData ? static_cast<const uint8_t*>(LockResource(hData)) : nullptr;
}

} // namespace

const TitleLetters* GetTitleLetters() {
    static TitleLetters letters;
    static int bTried = false, bRead = false;
    if (!bTried) {
        bTried = true;
        DWORD cbTable = 0, cbDib = 0;
        const uint8_t* lpTable = ResourceBytes(L"TitleLetterTable", MAKEINTRESOURCEW(10), &cbTable);
        const uint8_t* lpDib = ResourceBytes(L"TitleLetters", MAKEINTRESOURCEW(2), &cbDib);
        bRead =
            lpTable && lpDib &&
            ParseTitleLetters(std::string((const char*)lpTable, cbTable), lpDib, cbDib, &letters);
    }
    return bRead ? &letters : nullptr;
}
