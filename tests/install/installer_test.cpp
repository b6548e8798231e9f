// The Windows installer, run silently as a parent's deployment would: what it puts where, the
// program it installs working from its shortcut, and the colouring surviving a second install and
// the uninstall.
#include "e2e/driver.h"
#include <gtest/gtest.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace {

const char szUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tintwell3";
const char* const szPages[] = {"BAT.TW3", "BUSHBABY.TW3", "KIWI.TW3", "SNAIL.TW3", "WALRUS.TW3"};

std::string Folder(int nCsidl) {
    char szPath[MAX_PATH] = "";
    SHGetFolderPathA(NULL, nCsidl, NULL, SHGFP_TYPE_CURRENT, szPath);
    return szPath;
}

// Runs a command line and waits for it; its exit code, or -1.
int RunAndWait(const std::string& strCmd, DWORD dwTimeoutMs = 120000) {
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::string strLine = strCmd;
    if (!CreateProcessA(NULL, &strLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return -1;
    CloseHandle(pi.hThread);
    DWORD dwCode = (DWORD)-1;
    if (WaitForSingleObject(pi.hProcess, dwTimeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &dwCode);
    CloseHandle(pi.hProcess);
    return (int)dwCode;
}

struct Shortcut {
    int bRead = FALSE;
    std::string strTarget, strWorkDir, strIcon;
    int nIcon = -1;
};

Shortcut ReadShortcut(const std::string& strLnk) {
    Shortcut lnk;
    IShellLinkA* lpLink = NULL;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                (void**)&lpLink)))
        return lnk;
    IPersistFile* lpFile = NULL;
    if (SUCCEEDED(lpLink->QueryInterface(IID_IPersistFile, (void**)&lpFile))) {
        WCHAR wszPath[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, strLnk.c_str(), -1, wszPath, MAX_PATH);
        if (SUCCEEDED(lpFile->Load(wszPath, STGM_READ))) {
            char sz[MAX_PATH] = "";
            lpLink->GetPath(sz, MAX_PATH, NULL, 0);
            lnk.strTarget = sz;
            sz[0] = 0;
            lpLink->GetWorkingDirectory(sz, MAX_PATH);
            lnk.strWorkDir = sz;
            sz[0] = 0;
            lpLink->GetIconLocation(sz, MAX_PATH, &lnk.nIcon);
            lnk.strIcon = sz;
            lnk.bRead = TRUE;
        }
        lpFile->Release();
    }
    lpLink->Release();
    return lnk;
}

std::string RegString(const char* lpszName) {
    char sz[MAX_PATH] = "";
    DWORD cb = sizeof(sz);
    if (RegGetValueA(HKEY_CURRENT_USER, szUninstallKey, lpszName, RRF_RT_REG_SZ, NULL, sz, &cb) !=
        ERROR_SUCCESS)
        return "(missing)";
    return sz;
}

// The uninstaller runs from a copy of itself and returns at once: its last step is taking the
// entry out of the list, so that is what to wait for.
int WaitEntryGone(DWORD dwTimeoutMs = 60000) {
    DWORD dwStart = GetTickCount();
    while (RegString("DisplayName") != "(missing)") {
        if (GetTickCount() - dwStart > dwTimeoutMs)
            return FALSE;
        Sleep(200);
    }
    return TRUE;
}

int WriteSmallFile(const std::string& strPath, const char* lpData, DWORD cb) {
    HANDLE h = CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD cbDone = 0;
    int bOk = WriteFile(h, lpData, cb, &cbDone, NULL) && cbDone == cb;
    CloseHandle(h);
    return bOk;
}

void RemoveTree(const std::string& strDir) {
    std::string strFrom = strDir + '\0'; // the list ends with two NULs
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = strFrom.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

class Installer : public testing::Test {
  protected:
    void SetUp() override {
        CoInitialize(NULL);
        strDir = Folder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Tintwell 3";
        strMenuLnk = Folder(CSIDL_PROGRAMS) + "\\Tintwell 3.lnk";
        strDesktopLnk = Folder(CSIDL_DESKTOPDIRECTORY) + "\\Tintwell 3.lnk";
        // What a failed earlier run left goes first (a failed test is run once more).
        RemoveTree(strDir);
        DeleteFileA(strMenuLnk.c_str());
        DeleteFileA(strDesktopLnk.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, szUninstallKey);
        ASSERT_FALSE(FileExists(strDir)) << strDir;
        ASSERT_TRUE(FileExists(TW_SETUP_EXE)) << TW_SETUP_EXE;
    }
    void TearDown() override { CoUninitialize(); }
    int Install() { return RunAndWait(std::string("\"") + TW_SETUP_EXE + "\" /S"); }

    std::string strDir, strMenuLnk, strDesktopLnk;
};

TEST_F(Installer, InstallsPerUserColoursKeepsAndUninstallsLeavingTheColouring) {
    ASSERT_EQ(Install(), 0);
    std::string strExe = strDir + "\\tintwell3.exe";
    for (const char* lpszName : {"tintwell3.exe", "twell3.mid", "uninstall.exe"})
        EXPECT_TRUE(FileExists(PathIn(strDir, lpszName))) << lpszName;
    for (const char* lpszName : szPages)
        EXPECT_EQ(ReadFileBytes(PathIn(strDir, lpszName)),
                  ReadFileBytes(PathIn(TW_DIST32_DIR, lpszName)))
            << lpszName;

    // Both shortcuts start the program in its own folder, with its icon.
    for (const std::string& strLnk : {strMenuLnk, strDesktopLnk}) {
        Shortcut lnk = ReadShortcut(strLnk);
        ASSERT_TRUE(lnk.bRead) << strLnk;
        EXPECT_EQ(lstrcmpiA(lnk.strTarget.c_str(), strExe.c_str()), 0) << lnk.strTarget;
        EXPECT_EQ(lstrcmpiA(lnk.strWorkDir.c_str(), strDir.c_str()), 0) << lnk.strWorkDir;
        EXPECT_EQ(lstrcmpiA(lnk.strIcon.c_str(), strExe.c_str()), 0) << lnk.strIcon;
        EXPECT_EQ(lnk.nIcon, 0);
    }

    // The entry in the user's list of programs.
    EXPECT_EQ(RegString("DisplayName"), "Tintwell 3");
    EXPECT_EQ(RegString("DisplayIcon"), strExe + ",0");
    EXPECT_EQ(RegString("DisplayVersion"), "4.21");
    EXPECT_EQ(RegString("Publisher"), "The Tintwell project");
    EXPECT_EQ(RegString("UninstallString"), "\"" + strDir + "\\uninstall.exe\"");
    DWORD dwSizeKb = 0, cb = sizeof(dwSizeKb);
    ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, szUninstallKey, "EstimatedSize", RRF_RT_REG_DWORD,
                           NULL, &dwSizeKb, &cb),
              ERROR_SUCCESS);
    size_t nBytes = 0;
    for (const char* lpszName : szPages)
        nBytes += ReadFileBytes(PathIn(strDir, lpszName)).size();
    nBytes += ReadFileBytes(strExe).size();
    EXPECT_GE(dwSizeKb, nBytes / 1024);
    EXPECT_LE(dwSizeKb, nBytes / 1024 * 2);

    // Started as the shortcut starts it, the program colours the first page into its own folder.
    Shortcut lnk = ReadShortcut(strMenuLnk);
    std::vector<uint8_t> shipped = PageIndexes(PathIn(strDir, "BAT.TW3"));
    POINT pt = LargeBlankArea(shipped, 5000);
    ASSERT_GE(pt.x, 0);
    {
        CProgram program;
        ASSERT_TRUE(program.Start(lnk.strWorkDir, lnk.strTarget));
        ASSERT_NE(program.WaitForWindow(30000), (HWND)NULL);
        Settle(500);
        PressKey(VK_RETURN);
        Settle(800);
        Click(70 + pt.x, 70 + pt.y);
        ASSERT_TRUE(WaitForFillToEnd(program.Window()));
        Settle(500);
        PressKey('Q');
        DWORD dwCode = 1234;
        ASSERT_TRUE(program.WaitExit(10000, &dwCode));
    }
    std::vector<uint8_t> coloured = PageIndexes(PathIn(strDir, "BAT.TW3"));
    ASSERT_EQ(coloured.size(), shipped.size());
    ASSERT_NE(coloured, shipped);
    std::vector<uint8_t> saved = ReadFileBytes(PathIn(strDir, "BAT.TW3"));

    // After a restart the program shows the colouring from its file.
    {
        CProgram program;
        ASSERT_TRUE(program.Start(lnk.strWorkDir, lnk.strTarget));
        ASSERT_NE(program.WaitForWindow(30000), (HWND)NULL);
        Settle(500);
        PressKey(VK_RETURN);
        Settle(1500);
        std::vector<uint32_t> want = ExpectedPagePixels(PathIn(strDir, "BAT.TW3"));
        ASSERT_EQ(want.size(), (size_t)660 * 460);
        CScreen screen;
        ASSERT_TRUE(screen.Grab());
        int nWrong = 0;
        for (int y = 0; y < 460; y++)
            for (int x = 0; x < 660; x++)
                nWrong += screen.At(70 + x, 70 + y) != want[(size_t)y * 660 + x];
        EXPECT_EQ(nWrong, 0);
        PressKey('Q');
        DWORD dwCode = 1234;
        ASSERT_TRUE(program.WaitExit(10000, &dwCode));
    }
    ASSERT_TRUE(WriteSmallFile(PathIn(strDir, "printer.dta"), "\2\0\0\0", 4));

    // Installing again renews the program and keeps the colouring and the print option.
    ASSERT_TRUE(DeleteFileA(PathIn(strDir, "twell3.mid").c_str()));
    ASSERT_EQ(Install(), 0);
    EXPECT_TRUE(FileExists(PathIn(strDir, "twell3.mid")));
    EXPECT_EQ(ReadFileBytes(PathIn(strDir, "BAT.TW3")), saved);
    EXPECT_EQ(ReadFileBytes(PathIn(strDir, "printer.dta")), std::vector<uint8_t>({2, 0, 0, 0}));

    // The silent uninstall takes the program, its shortcuts and its entry, and keeps the colouring.
    ASSERT_EQ(RunAndWait("\"" + strDir + "\\uninstall.exe\" /S"), 0);
    ASSERT_TRUE(WaitEntryGone());
    for (const std::string& strGone :
         {strMenuLnk, strDesktopLnk, strExe, PathIn(strDir, "twell3.mid"),
          PathIn(strDir, "uninstall.exe")})
        EXPECT_FALSE(FileExists(strGone)) << strGone;
    EXPECT_EQ(ReadFileBytes(PathIn(strDir, "BAT.TW3")), saved);
    EXPECT_EQ(ReadFileBytes(PathIn(strDir, "printer.dta")), std::vector<uint8_t>({2, 0, 0, 0}));
    for (const char* lpszName : szPages)
        EXPECT_TRUE(FileExists(PathIn(strDir, lpszName))) << lpszName;
}

} // namespace
