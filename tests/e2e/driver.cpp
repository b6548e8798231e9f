// The end-to-end driver's process, input and screen helpers.
#include "e2e/driver.h"
#include <stdio.h>
#include <stdlib.h>

std::string ProgramPath() {
    return std::string(TW_DIST_DIR) + "\\tintwell3.exe";
}
std::string TraceProgramPath() {
    return std::string(TW_BUILD_DIR) + "\\tintwell3_trace.exe";
}

std::string PathIn(const std::string& strDir, const std::string& strName) {
    return strDir + "\\" + strName;
}

int FileExists(const std::string& strPath) {
    return GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string MakeWorkDir(const std::vector<std::string>& omit) {
    static int nRun = 0;
    char szTemp[MAX_PATH];
    GetTempPathA(sizeof(szTemp), szTemp);
    char szDir[MAX_PATH];
    snprintf(szDir, sizeof(szDir), "%stw3-e2e-%lu-%d", szTemp, GetCurrentProcessId(), ++nRun);
    CreateDirectoryA(szDir, NULL);
    static const char* const szData[] = {"BAT.TW3",   "BUSHBABY.TW3", "KIWI.TW3",
                                         "SNAIL.TW3", "WALRUS.TW3",   "twell3.mid"};
    for (const char* lpszName : szData) {
        bool bOmit = false;
        for (const std::string& s : omit)
            bOmit = bOmit || s == lpszName;
        if (!bOmit)
            CopyFileA(PathIn(TW_DIST_DIR, lpszName).c_str(), PathIn(szDir, lpszName).c_str(),
                      FALSE);
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

int CProgram::Start(const std::string& strWorkDir, const std::string& strExe) {
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::string strCmd = "\"" + strExe + "\"";
    if (!CreateProcessA(strExe.c_str(), &strCmd[0], NULL, NULL, FALSE, 0, NULL, strWorkDir.c_str(),
                        &si, &pi))
        return FALSE;
    CloseHandle(pi.hThread);
    hProcess = pi.hProcess;
    dwProcessId = pi.dwProcessId;
    return TRUE;
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
    DWORD dwStart = GetTickCount();
    do {
        for (HWND h : FindProgramWindows()) {
            DWORD dwPid = 0;
            GetWindowThreadProcessId(h, &dwPid);
            if (dwPid == dwProcessId && IsWindowVisible(h)) {
                hWnd = h;
                return hWnd;
            }
        }
        Sleep(50);
    } while (GetTickCount() - dwStart < dwTimeoutMs);
    return NULL;
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
    Settle(500);
    PressKey(VK_RETURN);
    Settle(800);
    return TRUE;
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

void MoveMouse(int x, int y) {
    SendMouse(x, y, 0);
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
    std::vector<char> line(strLine.begin(), strLine.end());
    line.push_back(0);
    if (!CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return -1;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    std::string strDoneWin = WinePath(strDone);
    DWORD dwStart = GetTickCount();
    while (!FileExists(strDoneWin)) {
        if (GetTickCount() - dwStart > dwTimeoutMs)
            return -1;
        Sleep(5);
    }
    std::vector<uint8_t> status = ReadFileBytes(strDoneWin);
    DeleteFileA(strDoneWin.c_str());
    return atoi(std::string(status.begin(), status.end()).c_str());
}

// A 32-bit DIB description whose rows run top-down, in screen order.
static BITMAPINFO TopDown32(int cx, int cy) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    return bmi;
}

int CScreen::Grab() {
    cx = GetSystemMetrics(SM_CXSCREEN);
    cy = GetSystemMetrics(SM_CYSCREEN);
    HDC hdcScreen = GetDC(NULL);
    HDC hdcMem = CreateCompatibleDC(hdcScreen);
    BITMAPINFO bmi = TopDown32(cx, cy);
    void* lpBits = NULL;
    HBITMAP hbm = CreateDIBSection(hdcScreen, &bmi, DIB_RGB_COLORS, &lpBits, NULL, 0);
    HGDIOBJ hbmOld = SelectObject(hdcMem, hbm);
    int bOk = BitBlt(hdcMem, 0, 0, cx, cy, hdcScreen, 0, 0, SRCCOPY);
    GdiFlush();
    px.assign((const uint32_t*)lpBits, (const uint32_t*)lpBits + (size_t)cx * cy);
    for (uint32_t& p : px)
        p &= 0xFFFFFF;
    SelectObject(hdcMem, hbmOld);
    DeleteObject(hbm);
    DeleteDC(hdcMem);
    ReleaseDC(NULL, hdcScreen);
    return bOk;
}

int CScreen::SaveBmp(const std::string& strPath) const {
    FILE* fp = fopen(strPath.c_str(), "wb");
    if (fp == NULL)
        return FALSE;
    BITMAPFILEHEADER bfh = {};
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof(bih);
    bih.biWidth = cx;
    bih.biHeight = -cy;
    bih.biPlanes = 1;
    bih.biBitCount = 32;
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof(bfh) + sizeof(bih);
    bfh.bfSize = bfh.bfOffBits + (DWORD)(px.size() * 4);
    fwrite(&bfh, sizeof(bfh), 1, fp);
    fwrite(&bih, sizeof(bih), 1, fp);
    fwrite(px.data(), 4, px.size(), fp);
    fclose(fp);
    return TRUE;
}

int WaitForPixel(int x, int y, uint32_t rgb, DWORD dwTimeoutMs) {
    DWORD dwStart = GetTickCount();
    CScreen screen;
    do {
        screen.Grab();
        if (screen.At(x, y) == rgb)
            return TRUE;
        Sleep(50);
    } while (GetTickCount() - dwStart < dwTimeoutMs);
    return FALSE;
}

int CImage::Load(const std::string& strExe, const char* lpszName) {
    HMODULE hModule = LoadLibraryExA(strExe.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    if (hModule == NULL)
        return FALSE;
    HBITMAP hbm = (HBITMAP)LoadImageA(hModule, lpszName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    int bOk = FALSE;
    if (hbm != NULL) {
        BITMAP bm;
        GetObjectA(hbm, sizeof(bm), &bm);
        cx = bm.bmWidth;
        cy = bm.bmHeight;
        BITMAPINFO bmi = TopDown32(cx, cy);
        px.assign((size_t)cx * cy, 0);
        HDC hdc = GetDC(NULL);
        bOk = GetDIBits(hdc, hbm, 0, cy, px.data(), &bmi, DIB_RGB_COLORS) == cy;
        ReleaseDC(NULL, hdc);
        for (uint32_t& p : px)
            p &= 0xFFFFFF;
        DeleteObject(hbm);
    }
    FreeLibrary(hModule);
    return bOk;
}

int CountDifferences(const CScreen& screen, const CImage& image, int x, int y) {
    int nDiff = 0;
    for (int j = 0; j < image.cy; j++)
        for (int i = 0; i < image.cx; i++)
            if (screen.At(x + i, y + j) != image.At(i, j))
                nDiff++;
    return nDiff;
}

ShownBox WaitForMessageBox(DWORD dwProcessId, DWORD dwTimeoutMs) {
    HWND hFound = NULL;
    DWORD dwStart = GetTickCount();
    do {
        for (HWND hWnd : TopLevelWindows(dwProcessId))
            if (ClassOf(hWnd) == "#32770" && IsWindowVisible(hWnd) &&
                GetDlgItem(hWnd, 0xFFFF) != NULL) {
                hFound = hWnd;
                break;
            }
        if (hFound)
            break;
        Sleep(50);
    } while (GetTickCount() - dwStart < dwTimeoutMs);
    ShownBox box;
    box.hDlg = hFound;
    if (box.hDlg != NULL) {
        char sz[1024];
        GetWindowTextA(box.hDlg, sz, sizeof(sz));
        box.strCaption = sz;
        GetDlgItemTextA(box.hDlg, 0xFFFF, sz, sizeof(sz));
        box.strText = sz;
    }
    return box;
}

void AnswerMessageBox(const ShownBox& box, int idButton) {
    PostMessageA(box.hDlg, WM_COMMAND, MAKEWPARAM(idButton, BN_CLICKED),
                 (LPARAM)GetDlgItem(box.hDlg, idButton));
    DWORD dwStart = GetTickCount();
    while (IsWindow(box.hDlg) && GetTickCount() - dwStart < 3000)
        Sleep(20);
}

// A top-level dialog of the process with a caption: the system's print dialog (the program's
// own dialogs have none).
HWND FindPrintDialog(DWORD dwProcessId) {
    for (HWND hWnd : TopLevelWindows(dwProcessId)) {
        char szTitle[64];
        if (IsWindowVisible(hWnd) && ClassOf(hWnd) == "#32770" &&
            GetWindowTextA(hWnd, szTitle, 64) > 0 && GetDlgItem(hWnd, IDOK) != NULL)
            return hWnd;
    }
    return NULL;
}

HWND WaitForPrintDialog(DWORD dwProcessId, DWORD dwTimeoutMs) {
    DWORD dwStart = GetTickCount();
    HWND hDlg;
    while ((hDlg = FindPrintDialog(dwProcessId)) == NULL && GetTickCount() - dwStart < dwTimeoutMs)
        Sleep(100);
    return hDlg;
}

// Reads a 660 x 460 page file: colour indexes (row 0 at the top; 1-bit pages as outline and blank)
// and, for an 8-bit page, its own colour table as 0x00RRGGBB.
static int ReadPageFile(const std::string& strPath, std::vector<uint8_t>* lpIndexes,
                        uint32_t rgbColours[256]) {
    std::vector<uint8_t> file = ReadFileBytes(strPath);
    if (file.size() < 62)
        return 0;
    uint32_t nOffBits = file[10] | file[11] << 8 | file[12] << 16 | (uint32_t)file[13] << 24;
    int nBits = file[28] | file[29] << 8;
    const int cx = 660, cy = 460;
    size_t nRow = nBits == 1 ? 84 : 660;
    if (file.size() < nOffBits + nRow * cy || (nBits != 1 && file.size() < 54 + 1024))
        return 0;
    lpIndexes->resize((size_t)cx * cy);
    for (int y = 0; y < cy; y++) {
        const uint8_t* lpRow = &file[nOffBits + nRow * (cy - 1 - y)];
        for (int x = 0; x < cx; x++)
            (*lpIndexes)[(size_t)y * cx + x] =
                nBits == 1
                    ? (uint8_t)((lpRow[x / 8] & (0x80 >> (x % 8))) ? PIXEL_BLANK : PIXEL_OUTLINE)
                    : lpRow[x];
    }
    for (int i = 0; i < 256; i++) {
        const uint8_t* q = nBits == 1 ? nullptr : &file[54 + 4 * i];
        rgbColours[i] = q ? (uint32_t)q[2] << 16 | (uint32_t)q[1] << 8 | q[0] : 0;
    }
    if (nBits == 1) // the program palette's outline and blank
        for (int i : {PIXEL_OUTLINE, PIXEL_BLANK})
            rgbColours[i] = (uint32_t)PaletteColours[i].red << 16 |
                            (uint32_t)PaletteColours[i].green << 8 | PaletteColours[i].blue;
    return 1;
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
    if (!ReadPageFile(strPageFile, &page, rgbColours))
        return pixels;
    for (uint8_t b : page)
        pixels.push_back(rgbColours[b]);
    return pixels;
}

namespace {

const int cxPage = 660, cyPage = 460;

int IsBlankAt(const std::vector<uint8_t>& page, int x, int y) {
    size_t i = (size_t)y * cxPage + x;
    return i < page.size() && page[i] == PIXEL_BLANK;
}

// The area between outlines around a blank pixel, each of its pixels marked in seen.
size_t MarkArea(const std::vector<uint8_t>& page, int x, int y, std::vector<bool>* lpArea,
                std::vector<bool>* lpSeen) {
    *lpArea = FilledArea(page, cxPage, x, y, PIXEL_OUTLINE);
    size_t n = 0;
    for (size_t i = 0; i < lpArea->size(); i++)
        if ((*lpArea)[i]) {
            (*lpSeen)[i] = true;
            n++;
        }
    return n;
}

} // namespace

POINT LargeBlankArea(const std::vector<uint8_t>& page, size_t nMinPixels) {
    std::vector<bool> area, seen(page.size(), false);
    for (int y = 10; y < cyPage; y += 37)
        for (int x = 10; x < cxPage; x += 41)
            if (IsBlankAt(page, x, y) && !seen[(size_t)y * cxPage + x] &&
                MarkArea(page, x, y, &area, &seen) > nMinPixels)
                return POINT{x, y};
    return POINT{-1, -1};
}

POINT LargestBlankArea(const std::vector<uint8_t>& page, size_t* lpnPixels) {
    POINT pt = {-1, -1};
    size_t nBest = 0;
    std::vector<bool> area, seen(page.size(), false);
    for (int y = 5; y < cyPage; y += 23)
        for (int x = 5; x < cxPage; x += 29) {
            if (!IsBlankAt(page, x, y) || seen[(size_t)y * cxPage + x])
                continue;
            size_t n = MarkArea(page, x, y, &area, &seen);
            if (n > nBest) {
                nBest = n;
                pt = POINT{x, y};
            }
        }
    if (lpnPixels)
        *lpnPixels = nBest;
    return pt;
}

POINT SmallBlankArea(const std::vector<uint8_t>& page, size_t nMin, size_t nMax) {
    std::vector<bool> area, seen(page.size(), false);
    for (int y = 0; y < cyPage; y++)
        for (int x = 0; x < cxPage; x++) {
            if (!IsBlankAt(page, x, y) || seen[(size_t)y * cxPage + x])
                continue;
            size_t n = MarkArea(page, x, y, &area, &seen);
            if (n < nMin || n >= nMax)
                continue;
            // A pixel well inside, so that a click a pixel off still lands in the area.
            for (int qy = 1; qy + 1 < cyPage; qy++)
                for (int qx = 1; qx + 1 < cxPage; qx++) {
                    int bInside = TRUE;
                    for (int dy = -1; dy <= 1 && bInside; dy++)
                        for (int dx = -1; dx <= 1 && bInside; dx++)
                            bInside = area[(size_t)(qy + dy) * cxPage + qx + dx];
                    if (bInside)
                        return POINT{qx, qy};
                }
        }
    return POINT{-1, -1};
}

POINT OutlinePixel(const std::vector<uint8_t>& page) {
    if (page.size() < (size_t)cxPage * cyPage)
        return POINT{-1, -1};
    for (int y = 1; y + 1 < cyPage; y++)
        for (int x = 1; x + 1 < cxPage; x++) {
            int bThick = TRUE;
            for (int dy = -1; dy <= 1 && bThick; dy++)
                for (int dx = -1; dx <= 1 && bThick; dx++)
                    bThick = page[(size_t)(y + dy) * cxPage + x + dx] == PIXEL_OUTLINE;
            if (bThick)
                return POINT{x, y};
        }
    return POINT{-1, -1};
}

int WaitForBusy(HWND hWnd, DWORD dwTimeoutMs) {
    DWORD dwStart = GetTickCount();
    int bSeenBusy = FALSE;
    while (GetTickCount() - dwStart < dwTimeoutMs && !bSeenBusy) {
        bSeenBusy = !IsWindowEnabled(hWnd);
        Sleep(5);
    }
    return bSeenBusy;
}

int WaitForFillToEnd(HWND hWnd, DWORD dwTimeoutMs) {
    DWORD dwStart = GetTickCount();
    int bSeenBusy = WaitForBusy(hWnd);
    while (bSeenBusy && !IsWindowEnabled(hWnd) && GetTickCount() - dwStart < dwTimeoutMs)
        Sleep(20);
    Settle(200);
    return bSeenBusy;
}

void MouseDown(int x, int y) {
    SendMouse(x, y, 0);
    Sleep(30);
    SendMouse(x, y, MOUSEEVENTF_LEFTDOWN);
}

void MouseUp(int x, int y) {
    SendMouse(x, y, 0);
    Sleep(30);
    SendMouse(x, y, MOUSEEVENTF_LEFTUP);
}
