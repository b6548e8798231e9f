// The Windows installer, run silently as a parent's deployment would and then by hand in another
// language: what it puts where, the program it installs working from its shortcut, the language
// chosen on its first page, and the colouring surviving a second install and the uninstall.
#include "e2e/driver.h"
#include <gtest/gtest.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace {

const char szUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tintwell3";

std::string Folder(int nCsidl) {
    char szPath[MAX_PATH] = "";
    SHGetFolderPathA(NULL, nCsidl, NULL, SHGFP_TYPE_CURRENT, szPath);
    return szPath;
}

// Runs a command line and waits for it; its exit code, or -1.
int RunAndWait(std::string strCmd) {
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(NULL, &strCmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return -1;
    DWORD dwCode = (DWORD)-1;
    if (WaitForSingleObject(pi.hProcess, 120000) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &dwCode);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return (int)dwCode;
}

// A shortcut's target and working folder, "" when it cannot be read.
std::pair<std::string, std::string> ReadShortcut(const std::string& strLnk) {
    char szTarget[MAX_PATH] = "", szDir[MAX_PATH] = "";
    IShellLinkA* lpLink = NULL;
    IPersistFile* lpFile = NULL;
    WCHAR wszPath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, strLnk.c_str(), -1, wszPath, MAX_PATH);
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   (void**)&lpLink)) &&
        SUCCEEDED(lpLink->QueryInterface(IID_IPersistFile, (void**)&lpFile)) &&
        SUCCEEDED(lpFile->Load(wszPath, STGM_READ))) {
        lpLink->GetPath(szTarget, MAX_PATH, NULL, 0);
        lpLink->GetWorkingDirectory(szDir, MAX_PATH);
    }
    if (lpFile)
        lpFile->Release();
    if (lpLink)
        lpLink->Release();
    return {szTarget, szDir};
}

// On a page of the installer: picks German in the language list, and unticks the box that would
// open the book at the end. Named, not a lambda: the 32-bit callback's calling convention.
BOOL CALLBACK ChooseGerman(HWND hChild, LPARAM) {
    WCHAR sz[100] = L"";
    GetWindowTextW(hChild, sz, 100);
    if (ClassOf(hChild) == "ComboBox")
        SendMessageW(hChild, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)L"Deutsch");
    else if (lstrcmpW(sz, L"Das Malbuch jetzt \u00f6ffnen") == 0)
        SendMessageW(hChild, BM_SETCHECK, BST_UNCHECKED, 0);
    return TRUE;
}

// Clicks through the installer started by hand, in German. Returns the texts its button to go on
// showed, one after another, or "" when it did not end with 0.
std::wstring InstallInGerman(const std::string& strDir) {
    std::wstring strTexts, strShown;
    CProgram setup;
    DWORD dwCode = 1;
    PollFor(setup.Start(strDir, TW_SETUP_EXE) ? 120000 : 0, 300, [&] {
        for (HWND hWnd : TopLevelWindows(setup.dwProcessId)) {
            HWND hNext = GetDlgItem(hWnd, IDOK);
            if (!IsWindowVisible(hWnd) || !hNext || !IsWindowEnabled(hNext))
                continue;
            WCHAR sz[100] = L"";
            GetWindowTextW(hNext, sz, 100);
            // A page is worked once it has stood for a poll: its buttons come before its boxes.
            if (strShown != sz) {
                strShown = sz;
                continue;
            }
            EnumChildWindows(hWnd, ChooseGerman, 0);
            strTexts = strTexts + sz + L"|";
            strShown.clear();
            PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)hNext);
        }
        return setup.WaitExit(0, &dwCode);
    });
    return dwCode == 0 ? strTexts : L"";
}

std::string RegString(const char* lpszName) {
    char sz[MAX_PATH] = "";
    DWORD cb = sizeof(sz);
    RegGetValueA(HKEY_CURRENT_USER, szUninstallKey, lpszName, RRF_RT_REG_SZ, NULL, sz, &cb);
    return sz;
}

TEST(Installer, InstallsPerUserColoursKeepsAndUninstallsLeavingTheColouring) {
    CoInitialize(NULL);
    std::string strDir = Folder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Tintwell 3";
    std::string strExe = PathIn(strDir, "tintwell3.exe"), strPage = PathIn(strDir, "BAT.TW3");
    std::string strMaker = PathIn(strDir, "pagemaker.exe"),
                strChoice = PathIn(strDir, "LANGUAGE.TXT");
    std::vector<std::string> links = {Folder(CSIDL_PROGRAMS) + "\\Tintwell 3.lnk",
                                      Folder(CSIDL_DESKTOPDIRECTORY) + "\\Tintwell 3.lnk",
                                      Folder(CSIDL_PROGRAMS) + "\\Tintwell 3 Page Maker.lnk"};
    // What a failed earlier run left goes first (a failed test is run once more).
    RunAndWait("cmd /c rmdir /s /q \"" + strDir + "\"");
    for (const std::string& strLnk : links)
        DeleteFileA(strLnk.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, szUninstallKey);
    std::string strSetup = std::string("\"") + TW_SETUP_EXE + "\" /S";
    ASSERT_EQ(RunAndWait(strSetup), 0);
    EXPECT_EQ(ReadFileBytes(strPage), ReadFileBytes(PathIn(TW_SHIPPED_DIR, "BAT.TW3")));
    for (const std::string& strLnk : links) {
        std::pair<std::string, std::string> lnk = ReadShortcut(strLnk);
        const std::string& strTarget = strLnk == links[2] ? strMaker : strExe;
        EXPECT_EQ(lstrcmpiA(lnk.first.c_str(), strTarget.c_str()), 0) << strLnk;
        EXPECT_EQ(lstrcmpiA(lnk.second.c_str(), strDir.c_str()), 0) << strLnk;
    }
    EXPECT_EQ(RegString("DisplayName"), "Tintwell 3");
    EXPECT_EQ(RegString("UninstallString"), "\"" + strDir + "\\uninstall.exe\"");
    EXPECT_FALSE(FileExists(strChoice)); // nobody chose: the book follows the system's language

    // Started as the shortcut starts it, the program colours the first page in its own folder.
    std::vector<uint8_t> shipped = PageIndexes(strPage);
    POINT pt = LargeBlankArea(shipped, 5000);
    {
        CProgram program;
        std::pair<std::string, std::string> lnk = ReadShortcut(links[0]);
        ASSERT_TRUE(program.Start(lnk.second, lnk.first));
        ASSERT_NE(program.WaitForWindow(30000), (HWND)NULL);
        PressKey(VK_RETURN);
        ASSERT_TRUE(program.WaitForColouring());
        Click(70 + pt.x, 70 + pt.y);
        ASSERT_TRUE(WaitForFillToEnd(program.Window()));
        PressKey('Q');
        DWORD dwCode = 1234;
        ASSERT_TRUE(program.WaitExit(10000, &dwCode));
    }
    std::vector<uint8_t> saved = ReadFileBytes(strPage), option = {2, 0, 0, 0};
    ASSERT_NE(PageIndexes(strPage), shipped);
    ASSERT_TRUE(WriteBytes(PathIn(strDir, "printer.dta"), option));

    // Installing again by hand in German renews the program, keeps the colouring and the print
    // option, speaks German on every page and leaves the choice for the book.
    ASSERT_TRUE(DeleteFileA(PathIn(strDir, "twell3.mid").c_str()));
    std::wstring strTexts = InstallInGerman(strDir);
    for (const wchar_t* lpszNext : {L"&Weiter >|", L"&Installieren|", L"&Fertigstellen|"})
        EXPECT_NE(strTexts.find(lpszNext), std::wstring::npos) << lpszNext;
    std::vector<uint8_t> de = {'d', 'e', '\r', '\n'};
    EXPECT_EQ(ReadFileBytes(strChoice), de);
    {
        // The book started from its shortcut then speaks German: the first page's German title.
        CProgram program;
        CImage titles;
        CScreen screen;
        std::pair<std::string, std::string> lnk = ReadShortcut(links[0]);
        ASSERT_TRUE(titles.Load(strExe, "Titles", MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)));
        ASSERT_TRUE(program.Start(lnk.second, lnk.first) && program.WaitForWindow(30000));
        PressKey(VK_RETURN);
        ASSERT_TRUE(program.WaitForColouring() && screen.Grab());
        EXPECT_EQ(TitleDifferences(screen, titles, 3), 0);
        PressKey('Q');
        DWORD dwCode = 1234;
        EXPECT_TRUE(program.WaitExit(10000, &dwCode));
    }
    EXPECT_TRUE(FileExists(PathIn(strDir, "twell3.mid")));
    EXPECT_EQ(ReadFileBytes(strPage), saved);
    EXPECT_EQ(ReadFileBytes(PathIn(strDir, "printer.dta")), option);

    // The uninstaller runs from a copy of itself and returns at once; taking the entry out of
    // the list is its last step. It takes the programs and their shortcuts, and keeps the
    // colouring, the parent's own pages and the language.
    std::string strMine = PathIn(strDir, "MyPages");
    ASSERT_TRUE(CreateDirectoryA(strMine.c_str(), NULL));
    ASSERT_TRUE(WriteBytes(PathIn(strMine, "PAGES.TXT"), option));
    ASSERT_EQ(RunAndWait("\"" + strDir + "\\uninstall.exe\" /S"), 0);
    EXPECT_TRUE(PollFor(60000, 200, [] { return RegString("DisplayName").empty(); }));
    for (const std::string& strGone :
         {links[0], links[1], links[2], strExe, strMaker, PathIn(strDir, "twell3.mid")})
        EXPECT_FALSE(FileExists(strGone)) << strGone;
    EXPECT_EQ(ReadFileBytes(strPage), saved);
    EXPECT_EQ(ReadFileBytes(PathIn(strDir, "printer.dta")), option);
    EXPECT_EQ(ReadFileBytes(PathIn(strMine, "PAGES.TXT")), option);
    EXPECT_EQ(ReadFileBytes(strChoice), de);
    CoUninitialize();
}

} // namespace
