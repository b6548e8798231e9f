// The parent's pages on the disk: the index file and the page files in the book's folder. Used by
// the book and by the page maker, which may run at the same time: every change of the index is
// made under a lock file, and the index is always written whole and then moved into place.
#include <windows.h>
#include <shellapi.h>

#include "pages/my_pages.h"
#include "pages/title_letters.h"

namespace {

const wchar_t szFolder[] = L"" MY_PAGES_FOLDER;
const wchar_t szIndexPath[] = L"" MY_PAGES_FOLDER L"\\" MY_PAGES_INDEX;
const wchar_t szLockPath[] = L"" MY_PAGES_FOLDER L"\\PAGES.LCK";
const DWORD LOCK_WAIT_MS = 3000; // a page maker holds the lock for a few writes at most
const DWORD INDEX_MAX_BYTES = 65536;

std::wstring Wide(const std::string& str) {
    return std::wstring(str.begin(), str.end()); // page file names are plain ASCII
}

// Holds the index for one change: nobody else changes it meanwhile.
class CIndexLock {
  public:
    CIndexLock() {
        CreateDirectoryW(szFolder, NULL);
        DWORD dwStart = GetTickCount();
        for (;;) {
            hLock = CreateFileW(szLockPath, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, NULL);
            if (hLock != INVALID_HANDLE_VALUE || GetTickCount() - dwStart > LOCK_WAIT_MS)
                break;
            Sleep(20);
        }
    }
    virtual ~CIndexLock() {
        if (hLock != INVALID_HANDLE_VALUE)
            CloseHandle(hLock);
    }
    CIndexLock(const CIndexLock&) = delete;
    CIndexLock& operator=(const CIndexLock&) = delete;
    int Held() const { return hLock != INVALID_HANDLE_VALUE; }

  private:
    HANDLE hLock;
};

// Reads the index; a missing index is an empty one. TRUE when it was read whole.
int ReadIndex(MyPagesIndex* lpIndex) {
    *lpIndex = MyPagesIndex();
    HANDLE hFile = CreateFileW(szIndexPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, NULL,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND;
    std::string strText(INDEX_MAX_BYTES, '\0');
    DWORD cbRead = 0;
    int bRead = ReadFile(hFile, &strText[0], INDEX_MAX_BYTES, &cbRead, NULL);
    CloseHandle(hFile);
    strText.resize(bRead ? cbRead : 0);
    return ParseMyPagesIndex(strText, lpIndex) && bRead && cbRead < INDEX_MAX_BYTES;
}

// Writes bytes into a new file in the folder and flushes them; the temporary name it got.
int WriteTempFile(const std::string& strBytes, std::wstring* lpstrTemp) {
    wchar_t szTemp[MAX_PATH];
    if (!GetTempFileNameW(szFolder, L"new", 0, szTemp))
        return false;
    *lpstrTemp = szTemp;
    HANDLE hFile =
        CreateFileW(szTemp, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD cbWritten = 0;
    int bDone = hFile != INVALID_HANDLE_VALUE &&
                WriteFile(hFile, strBytes.data(), (DWORD)strBytes.size(), &cbWritten, NULL) &&
                cbWritten == strBytes.size() && FlushFileBuffers(hFile);
    if (hFile != INVALID_HANDLE_VALUE && !CloseHandle(hFile))
        bDone = false;
    if (!bDone)
        DeleteFileW(szTemp);
    return bDone;
}

// The index replaced in one step, never half written.
int WriteIndex(const MyPagesIndex& index) {
    std::wstring strTemp;
    if (!WriteTempFile(SerializeMyPagesIndex(index), &strTemp))
        return false;
    if (MoveFileExW(strTemp.c_str(), szIndexPath,
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(strTemp.c_str());
    return false;
}

// The highest page number of any file in the folder, so that a lost index reuses no name.
unsigned HighestFileNumber() {
    unsigned nHighest = 0;
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW(L"" MY_PAGES_FOLDER L"\\P*.TW3*", &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do {
        std::string strName;
        for (const wchar_t* lpch = fd.cFileName; *lpch && strName.size() < 9; lpch++)
            strName += *lpch < 128 ? (char)*lpch : '?';
        unsigned nNumber = 0;
        if (ParseMyPageFileName(strName, &nNumber) && nNumber > nHighest)
            nHighest = nNumber;
    } while (FindNextFileW(hFind, &fd));
    FindClose(hFind);
    return nHighest;
}

// The index for a change made under the lock. A damaged index is kept beside the new one as
// PAGES.OLD, for whoever looks, since the change writes only what could be read.
void ReadIndexToChange(MyPagesIndex* lpIndex) {
    if (!ReadIndex(lpIndex))
        CopyFileW(szIndexPath, L"" MY_PAGES_FOLDER L"\\PAGES.OLD", FALSE);
}

int FindPage(const MyPagesIndex& index, const std::string& strFile) {
    for (size_t i = 0; i < index.pages.size(); i++)
        if (lstrcmpiA(index.pages[i].strFile.c_str(), strFile.c_str()) == 0)
            return (int)i;
    return -1;
}

// Into the Recycle Bin through the shell when there is one; else deleted.
void RecycleFile(const std::wstring& strFile) {
    typedef int(WINAPI * FileOperation)(SHFILEOPSTRUCTW*);
    HMODULE hShell = LoadLibraryW(L"shell32.dll");
    FileOperation lpfnOperation =
        hShell ? (FileOperation)(void*)GetProcAddress(hShell, "SHFileOperationW") : NULL;
    wchar_t szFull[MAX_PATH + 1] = {};
    int bRecycled = false;
    if (lpfnOperation && GetFullPathNameW(strFile.c_str(), MAX_PATH, szFull, NULL)) {
        SHFILEOPSTRUCTW op = {};
        op.wFunc = FO_DELETE;
        op.pFrom = szFull; // double-null terminated: the array is zeroed past the name
        op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
        bRecycled = lpfnOperation(&op) == 0 && !op.fAnyOperationsAborted;
    }
    if (hShell)
        FreeLibrary(hShell);
    if (!bRecycled)
        DeleteFileW(strFile.c_str());
}

} // namespace

std::vector<MyPage> ListMyPages(int* lpbDamaged) {
    MyPagesIndex index;
    int bWhole = ReadIndex(&index);
    if (lpbDamaged)
        *lpbDamaged = !bWhole;
    return index.pages;
}

int IsMyPageListed(const std::string& strFile) {
    MyPagesIndex index;
    ReadIndex(&index);
    return FindPage(index, strFile) >= 0;
}

TitleResult CheckMyPageTitle(const std::string& strTitle) {
    TitleResult nResult = CheckTitleLetters(strTitle);
    if (nResult != TITLE_OK)
        return nResult;
    const TitleLetters* lpLetters = GetTitleLetters();
    if (lpLetters == nullptr)
        return TITLE_TOO_WIDE; // without the letters no title can be shown
    return FitsTitlePlate(*lpLetters, TidyTitle(strTitle)) ? TITLE_OK : TITLE_TOO_WIDE;
}

MyPagesResult AddMyPage(const std::vector<uint8_t>& bytes, const std::string& strTitle,
                        std::string* lpstrFile) {
    std::string strTidy = TidyTitle(strTitle);
    if (CheckMyPageTitle(strTidy) != TITLE_OK)
        return MYPAGES_BAD_TITLE;
    CIndexLock lock;
    if (!lock.Held())
        return MYPAGES_BUSY;
    MyPagesIndex index;
    ReadIndexToChange(&index);
    if (index.pages.size() >= MY_PAGES_MAX)
        return MYPAGES_FULL;
    unsigned nNumber = index.nNext;
    unsigned nHighest = HighestFileNumber();
    if (nHighest >= nNumber)
        nNumber = nHighest + 1;
    if (nNumber > MY_PAGE_NUMBER_MAX)
        return MYPAGES_WRITE_FAILED;

    // The page file first, under a name nobody has (the move refuses to replace a file), then
    // the index that shows it.
    std::string strFile = MyPageFileName(nNumber);
    std::wstring strPath = Wide(MyPagePath(strFile)), strTemp;
    if (!WriteTempFile(std::string(bytes.begin(), bytes.end()), &strTemp))
        return MYPAGES_WRITE_FAILED;
    if (!MoveFileExW(strTemp.c_str(), strPath.c_str(), MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(strTemp.c_str());
        return MYPAGES_WRITE_FAILED;
    }
    index.pages.push_back(MyPage{strFile, strTidy});
    index.nNext = nNumber + 1;
    if (!WriteIndex(index)) {
        DeleteFileW(strPath.c_str());
        return MYPAGES_WRITE_FAILED;
    }
    if (lpstrFile)
        *lpstrFile = strFile;
    return MYPAGES_OK;
}

MyPagesResult RemoveMyPage(const std::string& strFile) {
    CIndexLock lock;
    if (!lock.Held())
        return MYPAGES_BUSY;
    MyPagesIndex index;
    ReadIndexToChange(&index);
    int nPage = FindPage(index, strFile);
    if (nPage < 0)
        return MYPAGES_NOT_FOUND;
    // Out of the index first: from then on the book never writes the page back, so the file can
    // go without a book bringing it back.
    std::string strName = index.pages[nPage].strFile;
    index.pages.erase(index.pages.begin() + nPage);
    if (!WriteIndex(index))
        return MYPAGES_WRITE_FAILED;
    RecycleFile(Wide(MyPagePath(strName)));
    return MYPAGES_OK;
}

MyPagesResult MoveMyPage(const std::string& strFile, int nStep) {
    CIndexLock lock;
    if (!lock.Held())
        return MYPAGES_BUSY;
    MyPagesIndex index;
    ReadIndexToChange(&index);
    int nPage = FindPage(index, strFile);
    if (nPage < 0)
        return MYPAGES_NOT_FOUND;
    int nOther = nPage + (nStep < 0 ? -1 : 1);
    if (nOther < 0 || nOther >= (int)index.pages.size())
        return MYPAGES_CANNOT_MOVE;
    std::swap(index.pages[nPage], index.pages[nOther]);
    return WriteIndex(index) ? MYPAGES_OK : MYPAGES_WRITE_FAILED;
}
