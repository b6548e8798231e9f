// Writing a made page: into a new file beside the old one, then put in its place in one step, so
// that a failure at any point leaves the earlier file whole.
#include <windows.h>

#include "pages/page_file.h"
#include "pagemaker/picture_file.h"

namespace {

// TRUE when the file starts as a colouring page does: the page magic in its header.
int IsPageFile(HANDLE hFile) {
    uint8_t header[PAGE_FILE_HEADER_BYTES];
    DWORD cbRead = 0;
    if (!ReadFile(hFile, header, sizeof(header), &cbRead, NULL) || cbRead != sizeof(header))
        return false;
    PageFileHeader bmfh;
    DecodeFileHeader(header, &bmfh);
    return bmfh.bfType == PAGE_MAGIC;
}

// Whether a file of that name may be replaced: none there, or a page file.
WriteResult CheckReplaceable(const std::wstring& strFile) {
    DWORD dwAttributes = GetFileAttributesW(strFile.c_str());
    if (dwAttributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? WRITE_OK : WRITE_NO_FOLDER;
    if (dwAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return WRITE_NOT_A_PAGE;
    HANDLE hFile = CreateFileW(strFile.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return WRITE_FAILED;
    int bPage = IsPageFile(hFile);
    CloseHandle(hFile);
    return bPage ? WRITE_OK : WRITE_NOT_A_PAGE;
}

std::wstring FolderOf(const std::wstring& strFile) {
    size_t nSlash = strFile.find_last_of(L"\\/");
    if (nSlash == std::wstring::npos)
        return strFile.size() > 1 && strFile[1] == L':' ? strFile.substr(0, 2) : L".";
    return nSlash == 0 || strFile[nSlash - 1] == L':' ? strFile.substr(0, nSlash + 1)
                                                      : strFile.substr(0, nSlash);
}

int WriteWhole(const std::wstring& strFile, const std::vector<uint8_t>& bytes) {
    HANDLE hFile = CreateFileW(strFile.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD cbWritten = 0;
    int bDone = WriteFile(hFile, bytes.data(), (DWORD)bytes.size(), &cbWritten, NULL) &&
                cbWritten == bytes.size() && FlushFileBuffers(hFile);
    return CloseHandle(hFile) && bDone;
}

} // namespace

WriteResult WritePageFile(const std::wstring& strFile, const std::vector<uint8_t>& bytes) {
    WriteResult nResult = CheckReplaceable(strFile);
    if (nResult != WRITE_OK)
        return nResult;
    wchar_t szTemp[MAX_PATH];
    if (!GetTempFileNameW(FolderOf(strFile).c_str(), L"pm", 0, szTemp))
        return WRITE_NO_FOLDER;
    if (!WriteWhole(szTemp, bytes) ||
        !MoveFileExW(szTemp, strFile.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(szTemp);
        return WRITE_FAILED;
    }
    return WRITE_OK;
}
