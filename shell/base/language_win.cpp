// The book's language: its choice, and the program's resources looked up in it. The system picks
// resources by its own language and will not be told another, so the lookup is the program's.
#include "shell/base/language.h"

#include "shell/base/app_state.h"

// Resource types by number: the plain RT_ names are the narrow forms.
static const LPCWSTR lpTypeBitmap = MAKEINTRESOURCEW(2), lpTypeString = MAKEINTRESOURCEW(6);

static int nLanguage = -1; // chosen at the first call of CurrentLanguage

static int ChooseLanguage() {
    HANDLE hFile = CreateFileA("LANGUAGE.TXT", GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile != INVALID_HANDLE_VALUE) {
        char ach[64];
        DWORD cbRead = 0;
        if (!ReadFile(hFile, ach, sizeof(ach), &cbRead, NULL))
            cbRead = 0;
        CloseHandle(hFile);
        int n = ParseLanguageChoice(ach, cbRead);
        return n >= 0 ? n : LANGUAGE_ENGLISH;
    }
    int n = FindLanguageForId(GetUserDefaultUILanguage());
    return n >= 0 ? n : LANGUAGE_ENGLISH;
}

int CurrentLanguage() {
    if (nLanguage < 0)
        nLanguage = ChooseLanguage();
    return nLanguage;
}

BYTE LanguageCharSet() {
    return BookLanguages[CurrentLanguage()].nCharSet;
}

static HMODULE Module() {
    return hInst != NULL ? hInst : GetModuleHandleW(NULL);
}

static WORD LangId(int n) {
    return LanguageId(BookLanguages[n]);
}

HRSRC FindLangResource(LPCWSTR lpType, LPCWSTR lpName) {
    HRSRC hRes = FindResourceExW(Module(), lpType, lpName, LangId(CurrentLanguage()));
    if (hRes == NULL)
        hRes = FindResourceExW(Module(), lpType, lpName, LangId(LANGUAGE_ENGLISH));
    if (hRes == NULL)
        hRes = FindResourceW(Module(), lpName, lpType);
    return hRes;
}

// String id of the block hRes, copied into lpsz; FALSE when the block lacks it or it is empty.
static int CopyBlockString(HRSRC hRes, unsigned id, wchar_t* lpsz, size_t cchMax) {
    HGLOBAL hData = hRes != NULL ? LoadResource(Module(), hRes) : NULL;
    const uint16_t* lpBlock = static_cast<const uint16_t*>(LockResource(hData));
    size_t cch = 0;
    const uint16_t* lpch =
        FindBlockString(lpBlock, SizeofResource(Module(), hRes) / 2, id % 16, &cch);
    if (lpch == NULL || cch == 0)
        return FALSE;
    cch = cch < cchMax - 1 ? cch : cchMax - 1;
    for (size_t i = 0; i < cch; i++)
        lpsz[i] = static_cast<wchar_t>(lpch[i]);
    lpsz[cch] = 0;
    return TRUE;
}

static wchar_t szResStringW[2][512];

const wchar_t* LoadResStringW(unsigned id, int nSlot) {
    wchar_t* lpsz = szResStringW[nSlot & 1];
    LPCWSTR lpBlock = MAKEINTRESOURCEW(id / 16 + 1);
    // A string missing from the language's table is taken from the English one.
    HRSRC hRes = FindResourceExW(Module(), lpTypeString, lpBlock, LangId(CurrentLanguage()));
    if (!CopyBlockString(hRes, id, lpsz, 512)) {
        hRes = FindResourceExW(Module(), lpTypeString, lpBlock, LangId(LANGUAGE_ENGLISH));
        if (!CopyBlockString(hRes, id, lpsz, 512))
            lpsz[0] = 0;
    }
    return lpsz;
}

// A device-dependent bitmap of a packed bitmap resource, as LoadBitmapA makes one: two-colour
// bitmaps stay two-colour, the others take the screen's format.
static HBITMAP BitmapOfResource(HRSRC hRes) {
    const BITMAPINFO* lpbmi =
        static_cast<const BITMAPINFO*>(LockResource(LoadResource(Module(), hRes)));
    DWORD cbRes = SizeofResource(Module(), hRes);
    if (lpbmi == NULL || cbRes < sizeof(BITMAPINFOHEADER))
        return NULL;
    const BITMAPINFOHEADER& bih = lpbmi->bmiHeader;
    if (bih.biSize < sizeof(BITMAPINFOHEADER) || bih.biWidth <= 0 || bih.biHeight == 0 ||
        bih.biBitCount == 0)
        return NULL;
    DWORD nColours = bih.biClrUsed != 0    ? bih.biClrUsed
                     : bih.biBitCount <= 8 ? 1u << bih.biBitCount
                                           : 0;
    DWORD cbHeader = bih.biSize + nColours * 4 + (bih.biCompression == BI_BITFIELDS ? 12 : 0);
    DWORD cbRow = ((bih.biWidth * bih.biBitCount + 31) / 32) * 4;
    DWORD cy = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
    if (nColours > 256 || cbHeader > cbRes ||
        (bih.biCompression == BI_RGB && (cbRes - cbHeader) / cbRow < cy))
        return NULL;
    const BYTE* lpBits = reinterpret_cast<const BYTE*>(lpbmi) + cbHeader;
    HDC hdc = GetDC(NULL);
    HBITMAP hbm = bih.biBitCount == 1 ? CreateBitmap(bih.biWidth, cy, 1, 1, NULL)
                                      : CreateCompatibleBitmap(hdc, bih.biWidth, cy);
    if (hbm != NULL && !SetDIBits(hdc, hbm, 0, cy, lpBits, lpbmi, DIB_RGB_COLORS)) {
        DeleteObject(hbm);
        hbm = NULL;
    }
    ReleaseDC(NULL, hdc);
    return hbm;
}

HBITMAP LoadLangBitmap(const char* lpszName) {
    wchar_t szName[64];
    LPCWSTR lpName = szName;
    if (IS_INTRESOURCE(lpszName))
        lpName = MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(lpszName));
    else if (!MultiByteToWideChar(CP_ACP, 0, lpszName, -1, szName, 64))
        return NULL;
    // Not LoadBitmapA, which picks by the system's language rather than the book's.
    HRSRC hRes = FindLangResource(lpTypeBitmap, lpName);
    return hRes != NULL ? BitmapOfResource(hRes) : NULL;
}

std::u16string WidenText(const char* lpsz) {
    int cch = MultiByteToWideChar(CP_ACP, 0, lpsz, -1, NULL, 0);
    std::u16string str(cch > 0 ? cch : 1, u'\0');
    if (cch <= 0 ||
        !MultiByteToWideChar(CP_ACP, 0, lpsz, -1, reinterpret_cast<wchar_t*>(&str[0]), cch))
        return u"";
    str.resize(cch - 1);
    return str;
}

int LangMessageBox(HWND hWnd, const wchar_t* lpszText, unsigned idText, unsigned idCaption,
                   UINT uType) {
    if (lpszText == NULL)
        lpszText = LoadResStringW(idText, 0);
    return MessageBoxExW(hWnd, lpszText, LoadResStringW(idCaption, 1), uType,
                         LangId(CurrentLanguage()));
}
