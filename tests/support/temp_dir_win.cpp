// The per-test current directory.
#include "support/temp_dir.h"
#include <windows.h>

CTempCurrentDir::CTempCurrentDir(const char* lpszPrefix) : bMade(FALSE) {
    char sz[MAX_PATH];
    GetCurrentDirectoryA(sizeof(sz), sz);
    strOldDir = sz;
    GetTempPathA(sizeof(sz), sz);
    static int nFolder = 0;
    strDir = std::string(sz) + lpszPrefix + std::to_string(GetCurrentProcessId()) + "_" +
             std::to_string(GetTickCount()) + "_" + std::to_string(++nFolder);
    bMade = CreateDirectoryA(strDir.c_str(), NULL) && SetCurrentDirectoryA(strDir.c_str());
}

std::vector<std::string> CTempCurrentDir::Files() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((strDir + "\\*").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(fd.cFileName);
    while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
    return names;
}

CTempCurrentDir::~CTempCurrentDir() {
    SetCurrentDirectoryA(strOldDir.c_str());
    for (const std::string& strName : Files())
        DeleteFileA(Path(strName.c_str()).c_str());
    RemoveDirectoryA(Path("printer.dta").c_str()); // a test may make it a folder
    RemoveDirectoryA(strDir.c_str());
}
