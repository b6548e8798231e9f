// The page in memory and its file: the page table, the program palette, loading and saving.
#include "pages/page.h"

#include "shell/base/app_state.h"
#include "shell/base/diag.h"
#include "shell/base/language.h"
#include "shell/base/seams.h"

#include <stdio.h>
#include <string>

const char* const PageFiles[PAGE_COUNT] = {"BAT.TW3", "BUSHBABY.TW3", "KIWI.TW3", "SNAIL.TW3",
                                           "WALRUS.TW3"};
const int PageTitles[PAGE_COUNT] = {3, 7, 29, 44, 48};
int nCurPage = 0;

PageFileHeader bmfhPage = {};
PageInfo bmiPage = {};
PageRgb logPal[PAGE_COLOURS] = {};

void BuildPalette() {
    BuildPaletteColours(logPal);
    ApplyPaletteColours(logPal, &bmiPage);
}

static uint32_t ReadPageFile(void* lpCtx, void* lpBuf, uint32_t cb) {
    UINT cbRead = _lread(*static_cast<HFILE*>(lpCtx), lpBuf, cb);
    return cbRead == static_cast<UINT>(HFILE_ERROR) ? 0 : cbRead;
}

static int SeekPageFile(void* lpCtx, uint32_t dwOffset) {
    if (dwOffset > 0x7FFFFFFF)
        return 0;
    return _llseek(*static_cast<HFILE*>(lpCtx), static_cast<LONG>(dwOffset), FILE_BEGIN) ==
           static_cast<LONG>(dwOffset);
}

int LoadPage(const char* lpszFile) {
    if (lpDib == NULL)
        return 0;
    HFILE hFile = _lopen(lpszFile, OF_READ | OF_SHARE_DENY_WRITE);
    if (hFile == HFILE_ERROR) {
        std::u16string strText =
            FillInWords(reinterpret_cast<const char16_t*>(LoadResStringW(IDS_FILEMISSING, 0)),
                        {WidenText(lpszFile)});
        LangMessageBox(hWndMain, reinterpret_cast<const wchar_t*>(strText.c_str()), 0, IDS_APPNAME,
                       MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    PageReader reader = {&hFile, ReadPageFile, SeekPageFile};
    int bLoaded = ReadPage(reader, &bmfhPage, &bmiPage, lpDib, PAGE_BYTES, logPal);
    _lclose(hFile);
    if (!bLoaded)
        LangMessageBox(hWndMain, NULL, IDS_NOTAPAGE, IDS_APPNAME, MB_OK);
    return bLoaded;
}

// Writes the whole page into a new file; 1 when every byte reached it.
static int WritePageFile(const char* lpszFile, uint32_t cbImage) {
    uint8_t abHeaders[PAGE_HEADERS_BYTES];
    EncodePageHeaders(bmfhPage, bmiPage, abHeaders);
    HFILE hFile = _lcreat(lpszFile, 0);
    if (hFile == HFILE_ERROR)
        return 0;
    const char* lpHeaders = reinterpret_cast<const char*>(abHeaders);
    int bWritten =
        TW_PLATFORM(_lwrite)(hFile, lpHeaders, PAGE_FILE_HEADER_BYTES) == PAGE_FILE_HEADER_BYTES &&
        TW_PLATFORM(_lwrite)(hFile, lpHeaders + PAGE_FILE_HEADER_BYTES, PAGE_INFO_BYTES) ==
            PAGE_INFO_BYTES &&
        TW_PLATFORM(_hwrite)(hFile, reinterpret_cast<const char*>(lpDib), cbImage) ==
            static_cast<long>(cbImage);
    // On the disk before it replaces the old page, or a power cut could leave neither.
    if (bWritten)
        bWritten = FlushFileBuffers(LongToHandle(hFile));
    if (_lclose(hFile) == HFILE_ERROR)
        bWritten = 0;
    return bWritten;
}

int SavePage(const char* lpszFile) {
    // Never write something that is not a page over a page file, such as the empty page
    // before the first load.
    uint32_t cbImage = 0;
    if (lpDib == NULL || bmfhPage.bfType != PAGE_MAGIC ||
        !GetPageImageBytes(bmiPage, PAGE_BYTES, &cbImage) || cbImage == 0)
        return 0;
    // The new page goes to a file beside the old one, which it replaces only when complete.
    std::string strTemp = std::string(lpszFile) + ".new";
    if (WritePageFile(strTemp.c_str(), cbImage) &&
        MoveFileExA(strTemp.c_str(), lpszFile, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 1;
    DeleteFileA(strTemp.c_str());
    return 0;
}
