// The end-to-end driver's process, input and screen helpers.
#include "e2e/driver.h"
#include <stdio.h>
#include <stdlib.h>

std::string ProgramPath() {
    return std::string(TW_DIST_DIR) + "\\tintwell3.exe";
}
std::string PathIn(const std::string& strDir, const std::string& strName) {
    return strDir + "\\" + strName;
}
int FileExists(const std::string& strPath) {
    return GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int WriteBytes(const std::string& strPath, const std::vector<uint8_t>& bytes) {
    FILE* fp = fopen(strPath.c_str(), "wb");
    if (fp == NULL)
        return FALSE;
    int bOk = fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    return fclose(fp) == 0 && bOk;
}

std::string MakeWorkDir(const std::vector<std::string>& omit) {
    static int nRun = 0;
    char szTemp[MAX_PATH], szDir[MAX_PATH];
    GetTempPathA(sizeof(szTemp), szTemp);
    snprintf(szDir, sizeof(szDir), "%stw3-e2e-%lu-%d", szTemp, GetCurrentProcessId(), ++nRun);
    CreateDirectoryA(szDir, NULL);
    for (const char* lpszName :
         {"BAT.TW3", "BUSHBABY.TW3", "KIWI.TW3", "SNAIL.TW3", "WALRUS.TW3", "twell3.mid"}) {
        bool bOmit = false;
        for (const std::string& s : omit)
            bOmit = bOmit || s == lpszName;
        if (!bOmit)
            CopyFileA(PathIn(TW_DIST_DIR, lpszName).c_str(), PathIn(szDir, lpszName).c_str(), 0);
    }
    return szDir;
}

CProgram::~CProgram() {
    if (hProcess != NULL) {
        if (WaitForSingleObject(hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(hProcess, 99);
            WaitForSingleObject(hProcess, 5000);
        }
        CloseHandle(hProcess);
    }
}

int CProgram::Start(const std::string& strWorkDir, const std::string& strExe,
                    const std::string& strArgs) {
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::string strCmd = "\"" + strExe + "\"" + (strArgs.empty() ? "" : " " + strArgs);
    if (!CreateProcessA(strExe.c_str(), &strCmd[0], NULL, NULL, FALSE, 0, NULL, strWorkDir.c_str(),
                        &si, &pi))
        return FALSE;
    CloseHandle(pi.hThread);
    hProcess = pi.hProcess;
    dwProcessId = pi.dwProcessId;
    return TRUE;
}

int CProgram::StartUnderLocale(const std::string& strWorkDir, const std::string& strLocale) {
    // Started by start, which takes the locale and passes it on with the working directory.
    std::string strCmd = "LANG=" + strLocale + " LC_ALL= wine start /d '" + strWorkDir + "' '" +
                         ProgramPath() + "' >/dev/null 2>&1";
    if (RunUnix(strCmd, 10000) != 0)
        return FALSE;
    // Known by its window, the only one of the program.
    PollFor(15000, 20, [&] {
        std::vector<HWND> windows = FindProgramWindows();
        if (windows.size() == 1)
            GetWindowThreadProcessId(windows[0], &dwProcessId);
        return dwProcessId != 0;
    });
    hProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE,
                           dwProcessId);
    return hProcess != NULL;
}

// A named function, not a lambda: on the 32-bit target the callback's calling convention is
// not the C++ one.
static BOOL CALLBACK AddTopLevel(HWND hWnd, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD dwProcessId) {
    std::vector<HWND> all, found;
    EnumWindows(AddTopLevel, reinterpret_cast<LPARAM>(&all));
    for (HWND hWnd : all) {
        DWORD dwPid = 0;
        GetWindowThreadProcessId(hWnd, &dwPid);
        if (dwProcessId == 0 || dwPid == dwProcessId)
            found.push_back(hWnd);
    }
    return found;
}

std::string ClassOf(HWND hWnd) {
    char szClass[64] = "";
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    return szClass;
}

std::vector<HWND> FindProgramWindows() {
    std::vector<HWND> windows;
    for (HWND hWnd : TopLevelWindows())
        if (ClassOf(hWnd) == "TWELLWIN3")
            windows.push_back(hWnd);
    return windows;
}

HWND CProgram::WaitForWindow(DWORD dwTimeoutMs) {
    PollFor(dwTimeoutMs, 20, [&] {
        for (HWND h : TopLevelWindows(dwProcessId))
            // The intro's OK button comes once the intro screen has been painted.
            if (ClassOf(h) == "TWELLWIN3" && IsWindowVisible(h) && GetDlgItem(h, 1007) != NULL)
                hWnd = h;
        return hWnd != NULL;
    });
    return hWnd;
}

int CProgram::WaitExit(DWORD dwTimeoutMs, DWORD* lpdwExitCode) {
    if (WaitForSingleObject(hProcess, dwTimeoutMs) != WAIT_OBJECT_0)
        return FALSE;
    GetExitCodeProcess(hProcess, lpdwExitCode);
    return TRUE;
}

int CProgram::StartColouring(const std::string& strWorkDir) {
    if (!Start(strWorkDir) || WaitForWindow() == NULL)
        return FALSE;
    PressKey(VK_RETURN);
    return WaitForColouring();
}

int CProgram::WaitForColouring(DWORD dwTimeoutMs) {
    // The first palette button comes once the colouring screen has been painted.
    int bUp = PollFor(dwTimeoutMs, 20,
                      [&] { return GetDlgItem(hWnd, 2000) != NULL && IsWindowEnabled(hWnd); });
    Settle(150); // the control bar's own paints
    return bUp;
}

static void SendMouse(int x, int y, DWORD dwFlags) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    int cxScreen = GetSystemMetrics(SM_CXSCREEN), cyScreen = GetSystemMetrics(SM_CYSCREEN);
    // The middle of the pixel, so that rounding either way on the system's side lands on it.
    in.mi.dx = ((2 * x + 1) * 65536) / (2 * cxScreen);
    in.mi.dy = ((2 * y + 1) * 65536) / (2 * cyScreen);
    in.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof(in));
}

void Click(int x, int y) {
    SendMouse(x, y, 0);
    Sleep(30);
    SendMouse(x, y, MOUSEEVENTF_LEFTDOWN);
    Sleep(30);
    SendMouse(x, y, MOUSEEVENTF_LEFTUP);
}

static void SendKey(WORD vk, DWORD dwFlags) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = (WORD)MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    in.ki.dwFlags = dwFlags;
    SendInput(1, &in, sizeof(in));
}

void PressKey(WORD vk) {
    SendKey(vk, 0);
    Sleep(20);
    SendKey(vk, KEYEVENTF_KEYUP);
}

void PressKeyWith(WORD vkModifier, WORD vk) {
    SendKey(vkModifier, 0);
    Sleep(20);
    PressKey(vk);
    Sleep(20);
    SendKey(vkModifier, KEYEVENTF_KEYUP);
}

void Settle(DWORD dwMs) {
    Sleep(dwMs);
}

int XInput(const std::string& strActions) {
    return RunUnix("xdotool " + strActions, 10000) == 0;
}

std::string XClickAt(int x, int y) {
    return "mousemove " + std::to_string(x) + " " + std::to_string(y) + " click --delay 0 1 ";
}

std::string WinePath(const std::string& strUnix) {
    std::string str = "Z:" + strUnix;
    for (char& ch : str)
        if (ch == '/')
            ch = '\\';
    return str;
}

std::string Env(const char* lpszName) {
    char sz[1024];
    DWORD cch = GetEnvironmentVariableA(lpszName, sz, sizeof(sz));
    return cch > 0 && cch < sizeof(sz) ? sz : "";
}

// Wine cannot wait on a Unix process, so the command leaves a file behind when it is done.
int RunUnix(const std::string& strCommand, DWORD dwTimeoutMs) {
    static int nRun = 0;
    std::string strDone = "/tmp/tw3-unix-" + std::to_string(GetCurrentProcessId()) + "-" +
                          std::to_string(GetTickCount()) + "-" + std::to_string(++nRun);
    std::string strLine = "Z:\\bin\\sh -c \"(" + strCommand + "); echo $? > " + strDone +
                          ".tmp; mv " + strDone + ".tmp " + strDone + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(NULL, &strLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return -1;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    std::string strDoneWin = WinePath(strDone);
    if (!PollFor(dwTimeoutMs, 5, [&] { return FileExists(strDoneWin); }))
        return -1;
    std::vector<uint8_t> status = ReadFileBytes(strDoneWin);
    DeleteFileA(strDoneWin.c_str());
    return atoi(std::string(status.begin(), status.end()).c_str());
}

// Reads a bitmap's pixels as top-down 0x00RRGGBB rows.
static int ReadPixels(HDC hdc, HBITMAP hbm, int cx, int cy, std::vector<uint32_t>* lpPx) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    lpPx->assign((size_t)cx * cy, 0);
    int bOk = GetDIBits(hdc, hbm, 0, cy, lpPx->data(), &bmi, DIB_RGB_COLORS) == cy;
    for (uint32_t& p : *lpPx)
        p &= 0xFFFFFF;
    return bOk;
}

int CScreen::Grab() {
    cx = GetSystemMetrics(SM_CXSCREEN);
    cy = GetSystemMetrics(SM_CYSCREEN);
    HDC hdcScreen = GetDC(NULL), hdcMem = CreateCompatibleDC(hdcScreen);
    HBITMAP hbm = CreateCompatibleBitmap(hdcScreen, cx, cy);
    HGDIOBJ hbmOld = SelectObject(hdcMem, hbm);
    int bOk = BitBlt(hdcMem, 0, 0, cx, cy, hdcScreen, 0, 0, SRCCOPY);
    SelectObject(hdcMem, hbmOld);
    bOk = ReadPixels(hdcMem, hbm, cx, cy, &px) && bOk;
    DeleteObject(hbm);
    DeleteDC(hdcMem);
    ReleaseDC(NULL, hdcScreen);
    return bOk;
}

int WaitForPixel(int x, int y, uint32_t rgb, DWORD dwTimeoutMs) {
    CScreen screen;
    return PollFor(dwTimeoutMs, 50, [&] { return screen.Grab() && screen.At(x, y) == rgb; });
}

int WaitForPage(const std::vector<uint32_t>& expected, DWORD dwTimeoutMs) {
    if (expected.size() != 660u * 460u)
        return -1;
    int nDiff = 0;
    PollFor(dwTimeoutMs, 50, [&] {
        CScreen screen;
        screen.Grab();
        nDiff = 0;
        for (int y = 0; y < 460; y++)
            for (int x = 0; x < 660; x++)
                nDiff += screen.At(70 + x, 70 + y) != expected[(size_t)y * 660 + x];
        return nDiff == 0;
    });
    return nDiff;
}

static BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD wLang, LONG_PTR lParam) {
    reinterpret_cast<std::vector<WORD>*>(lParam)->push_back(wLang);
    return TRUE;
}

// The resource in exactly language wLang: the system's lookup falls back to other languages.
static HRSRC FindExactResource(HMODULE hModule, LPCWSTR lpType, LPCWSTR lpName, WORD wLang) {
    std::vector<WORD> languages;
    EnumResourceLanguagesW(hModule, lpType, lpName, AddLanguage, (LONG_PTR)&languages);
    for (WORD w : languages)
        if (w == wLang)
            return FindResourceExW(hModule, lpType, lpName, wLang);
    return NULL;
}

std::wstring ResourceString(const std::string& strExe, unsigned id, WORD wLang) {
    HMODULE hModule = LoadLibraryExA(strExe.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC hRes = hModule ? FindExactResource(hModule, MAKEINTRESOURCEW(6),
                                             MAKEINTRESOURCEW(id / 16 + 1), wLang)
                         : NULL;
    std::wstring str;
    if (hRes != NULL) {
        const WCHAR* p = (const WCHAR*)LockResource(LoadResource(hModule, hRes));
        for (unsigned i = 0; i < id % 16; i++)
            p += 1 + *p;
        str.assign(p + 1, *p);
    }
    if (hModule)
        FreeLibrary(hModule);
    return str;
}

int CImage::Load(const std::string& strExe, const char* lpszName) {
    HMODULE hModule = LoadLibraryExA(strExe.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    HBITMAP hbm = hModule ? (HBITMAP)LoadImageA(hModule, lpszName, IMAGE_BITMAP, 0, 0, 0) : NULL;
    int bOk = FALSE;
    if (hbm != NULL) {
        BITMAP bm;
        GetObjectA(hbm, sizeof(bm), &bm);
        cx = bm.bmWidth;
        cy = bm.bmHeight;
        HDC hdc = GetDC(NULL);
        bOk = ReadPixels(hdc, hbm, cx, cy, &px);
        ReleaseDC(NULL, hdc);
        DeleteObject(hbm);
    }
    if (hModule)
        FreeLibrary(hModule);
    return bOk;
}

int CImage::Load(const std::string& strExe, const char* lpszName, WORD wLanguage) {
    HMODULE hModule = LoadLibraryExA(strExe.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    WCHAR szName[64] = L"";
    MultiByteToWideChar(CP_ACP, 0, lpszName, -1, szName, 64);
    HRSRC hRes =
        hModule ? FindExactResource(hModule, MAKEINTRESOURCEW(2), szName, wLanguage) : NULL;
    const BITMAPINFO* lpbmi =
        hRes ? (const BITMAPINFO*)LockResource(LoadResource(hModule, hRes)) : NULL;
    int bOk = FALSE;
    if (lpbmi) {
        // Made as LoadImage makes it: a bitmap of the screen's format, from the packed DIB.
        const BITMAPINFOHEADER& bih = lpbmi->bmiHeader;
        DWORD nColours = bih.biClrUsed         ? bih.biClrUsed
                         : bih.biBitCount <= 8 ? 1u << bih.biBitCount
                                               : 0;
        const BYTE* lpBits = (const BYTE*)lpbmi + bih.biSize + nColours * sizeof(RGBQUAD) +
                             (bih.biCompression == BI_BITFIELDS ? 12 : 0);
        HDC hdc = GetDC(NULL);
        HBITMAP hbm = CreateDIBitmap(hdc, &bih, CBM_INIT, lpBits, lpbmi, DIB_RGB_COLORS);
        cx = bih.biWidth;
        cy = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
        bOk = hbm != NULL && ReadPixels(hdc, hbm, cx, cy, &px);
        DeleteObject(hbm);
        ReleaseDC(NULL, hdc);
    }
    if (hModule)
        FreeLibrary(hModule);
    return bOk;
}

int CountDifferences(const CScreen& screen, const CImage& image, int x, int y) {
    int nDiff = 0;
    for (int j = 0; j < image.cy; j++)
        for (int i = 0; i < image.cx; i++)
            nDiff += screen.At(x + i, y + j) != image.At(i, j);
    return nDiff;
}

int TitleDifferences(const CScreen& screen, const CImage& titles, int nStrip) {
    int nDiff = 0;
    for (int y = 0; y < 10; y++)
        for (int x = 0; x < 140; x++)
            nDiff += screen.At(330 + x, 561 + y) != titles.At(x, nStrip * 10 + y);
    return nDiff;
}

ShownBox WaitForMessageBox(DWORD dwProcessId, DWORD dwTimeoutMs) {
    ShownBox box;
    PollFor(dwTimeoutMs, 50, [&] {
        for (HWND hWnd : TopLevelWindows(dwProcessId))
            if (ClassOf(hWnd) == "#32770" && IsWindowVisible(hWnd) && GetDlgItem(hWnd, 0xFFFF))
                box.hDlg = hWnd;
        return box.hDlg != NULL;
    });
    char sz[1024] = "";
    GetWindowTextA(box.hDlg, sz, sizeof(sz));
    box.strCaption = sz;
    GetDlgItemTextA(box.hDlg, 0xFFFF, sz, sizeof(sz));
    box.strText = box.hDlg ? sz : "";
    WCHAR wsz[1024] = L"";
    GetWindowTextW(box.hDlg, wsz, 1024);
    box.wstrCaption = wsz;
    GetDlgItemTextW(box.hDlg, 0xFFFF, wsz, 1024);
    box.wstrText = box.hDlg ? wsz : L"";
    return box;
}

void AnswerMessageBox(const ShownBox& box, int idButton) {
    PostMessageA(box.hDlg, WM_COMMAND, MAKEWPARAM(idButton, BN_CLICKED),
                 (LPARAM)GetDlgItem(box.hDlg, idButton));
    PollFor(3000, 20, [&] { return !IsWindow(box.hDlg); });
}

// A top-level dialog of the process with a caption: the system's print dialog (the program's
// own dialogs have none).
HWND FindPrintDialog(DWORD dwProcessId) {
    for (HWND hWnd : TopLevelWindows(dwProcessId))
        if (IsWindowVisible(hWnd) && ClassOf(hWnd) == "#32770" && GetWindowTextLengthA(hWnd) > 0 &&
            GetDlgItem(hWnd, IDOK) != NULL)
            return hWnd;
    return NULL;
}

HWND WaitForPrintDialog(DWORD dwProcessId, DWORD dwTimeoutMs) {
    PollFor(dwTimeoutMs, 50, [&] { return FindPrintDialog(dwProcessId) != NULL; });
    return FindPrintDialog(dwProcessId);
}

uint32_t PaletteRgb(int nIndex) {
    const PageRgb& c = PaletteColours[nIndex];
    return (uint32_t)c.red << 16 | (uint32_t)c.green << 8 | c.blue;
}

// Reads a page file with the program's own codec: colour indexes, row 0 at the top, and the
// colours they are shown in (the program palette's for a 1-bit page).
static int ReadPageFile(const std::string& strPath, std::vector<uint8_t>* lpIndexes,
                        uint32_t rgbColours[256]) {
    std::vector<uint8_t> file = ReadFileBytes(strPath), bits(PAGE_BYTES);
    MemoryPageFile mem = {file.data(), file.size(), 0};
    PageFileHeader header = {};
    PageInfo info = {};
    PageRgb palette[256];
    BuildPaletteColours(palette);
    if (!ReadPage(MemoryPageReader(&mem), &header, &info, bits.data(), bits.size(), palette))
        return FALSE;
    lpIndexes->clear();
    for (int y = PAGE_HEIGHT - 1; y >= 0; y--)
        lpIndexes->insert(lpIndexes->end(), &bits[(size_t)y * PAGE_WIDTH],
                          &bits[(size_t)y * PAGE_WIDTH] + PAGE_WIDTH);
    for (int i = 0; i < 256; i++) {
        const PageRgbQuad& q = info.bmiColors[i];
        rgbColours[i] = (uint32_t)q.rgbRed << 16 | (uint32_t)q.rgbGreen << 8 | q.rgbBlue;
    }
    return TRUE;
}

std::vector<uint8_t> PageIndexes(const std::string& strPageFile) {
    std::vector<uint8_t> page;
    uint32_t rgbColours[256];
    ReadPageFile(strPageFile, &page, rgbColours);
    return page;
}

std::vector<uint32_t> ExpectedPagePixels(const std::string& strPageFile) {
    std::vector<uint8_t> page;
    uint32_t rgbColours[256];
    std::vector<uint32_t> pixels;
    if (ReadPageFile(strPageFile, &page, rgbColours))
        for (uint8_t b : page)
            pixels.push_back(rgbColours[b]);
    return pixels;
}

// The blank areas a grid of nStep over the page meets, each once, largest first on ties of
// order; stops at the first with more than nEnough pixels.
static POINT ScanAreas(const std::vector<uint8_t>& page, int nStep, size_t nEnough,
                       size_t* lpnBest) {
    POINT pt = {-1, -1};
    *lpnBest = 0;
    std::vector<bool> seen(page.size(), false);
    for (int y = nStep / 4; y < PAGE_HEIGHT && *lpnBest <= nEnough; y += nStep)
        for (int x = nStep / 4; x < PAGE_WIDTH && *lpnBest <= nEnough; x += nStep + 6) {
            size_t i = (size_t)y * PAGE_WIDTH + x, n = 0;
            if (i >= page.size() || page[i] != PIXEL_BLANK || seen[i])
                continue;
            std::vector<bool> area = FilledArea(page, PAGE_WIDTH, x, y, PIXEL_OUTLINE);
            for (size_t j = 0; j < area.size(); j++)
                if (area[j])
                    seen[j] = ++n;
            if (n > *lpnBest)
                *lpnBest = n, pt = POINT{x, y};
        }
    return pt;
}

POINT LargeBlankArea(const std::vector<uint8_t>& page, size_t nMinPixels) {
    size_t nBest;
    POINT pt = ScanAreas(page, 37, nMinPixels, &nBest);
    return nBest > nMinPixels ? pt : POINT{-1, -1};
}

// The first pixel from the top whose eight neighbours and itself all pass bIn.
template <class In> static POINT FirstSolid(In bIn) {
    for (int y = 1; y + 1 < PAGE_HEIGHT; y++)
        for (int x = 1; x + 1 < PAGE_WIDTH; x++) {
            int bAll = TRUE;
            for (int d = 0; d < 9 && bAll; d++)
                bAll = bIn((size_t)(y + d / 3 - 1) * PAGE_WIDTH + x + d % 3 - 1);
            if (bAll)
                return POINT{x, y};
        }
    return POINT{-1, -1};
}

POINT OutlinePixel(const std::vector<uint8_t>& page) {
    if (page.size() < PAGE_BYTES)
        return POINT{-1, -1};
    return FirstSolid([&](size_t j) { return page[j] == PIXEL_OUTLINE; });
}

int WaitForBusy(HWND hWnd, DWORD dwTimeoutMs) {
    return PollFor(dwTimeoutMs, 5, [&] { return !IsWindowEnabled(hWnd); });
}

int WaitForFillToEnd(HWND hWnd, DWORD dwTimeoutMs) {
    int bSeenBusy = WaitForBusy(hWnd);
    if (bSeenBusy)
        PollFor(dwTimeoutMs, 20, [&] { return IsWindowEnabled(hWnd); });
    Settle(200);
    return bSeenBusy;
}

// Runs the shipped page maker in the current directory and collects what it prints.
Ran RunPagemaker(const std::string& strArgs) {
    Ran run = {(DWORD)-1, ""};
    SECURITY_ATTRIBUTES sa = {sizeof(sa), NULL, TRUE};
    HANDLE hRead, hWrite;
    if (!CreatePipe(&hRead, &hWrite, &sa, 0))
        return run;
    SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = hWrite;
    // UTF-8 arguments (a title in any script) reach the program as they are.
    const std::string strCommand = "\"" TW_DIST_DIR "\\pagemaker.exe\" " + strArgs;
    std::wstring strWide(strCommand.size() + 1, L'\0');
    strWide.resize(MultiByteToWideChar(CP_UTF8, 0, strCommand.c_str(), (int)strCommand.size(),
                                       &strWide[0], (int)strWide.size()));
    PROCESS_INFORMATION pi;
    int bStarted = CreateProcessW(NULL, &strWide[0], NULL, NULL, TRUE, 0, NULL, NULL, &si, &pi);
    CloseHandle(hWrite);
    char buf[4096];
    DWORD cb;
    while (bStarted && ReadFile(hRead, buf, sizeof(buf), &cb, NULL) && cb)
        run.strOut.append(buf, cb);
    if (bStarted && WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &run.dwExit);
    for (HANDLE h : {hRead, bStarted ? pi.hThread : NULL, bStarted ? pi.hProcess : NULL})
        if (h)
            CloseHandle(h);
    return run;
}
