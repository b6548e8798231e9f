// A long random session against the real program, played the way a small child plays: clicks
// anywhere, on the buttons and in the dialogs, keys hammered, pauses of any length up to 300 ms,
// and the program started again whenever it quits. Throughout it looks for crashes, message
// boxes, hangs and growing GDI objects or memory; whenever the program has ended it checks
// that every page file is whole, loads with the program's own page reader, and keeps its
// outlines. Print jobs go to the session's printer (tools/cups.sh).
//
//   twmonkey [--seed N] [--inputs N]
//
// The seed is printed first, so that a session that found something can be played again.
#include "e2e/driver.h"
#include "pages/page_file.h"
#include "support/gdi_count.h"

#include <psapi.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <random>
#include <set>

namespace {

const char* const szPageFiles[] = {"BAT.TW3", "BUSHBABY.TW3", "KIWI.TW3", "SNAIL.TW3",
                                   "WALRUS.TW3"};
const int IDC_QUIT = 1001;
// Inputs into a run of the program before its GDI objects and memory count as settled, and
// how far they may rise after that.
const int nWarmUpInputs = 150;
const int nGdiSlack = 30;
const SIZE_T cbMemorySlack = 24 * 1024 * 1024;

struct Options {
    unsigned nSeed = 14;
    int nInputs = 400;
};

struct Figures {
    int nInputs = 0, nClicks = 0, nKeys = 0, nStarts = 0, nPrintDialogs = 0, nPagesChecked = 0;
    int nGdiPeak = 0;
    SIZE_T cbMemoryPeak = 0;
    std::vector<std::string> findings;
};

Figures figures;

void Finding(const char* lpszFormat, ...) {
    char sz[512];
    va_list args;
    va_start(args, lpszFormat);
    vsnprintf(sz, sizeof(sz), lpszFormat, args);
    va_end(args);
    printf("FINDING after input %d: %s\n", figures.nInputs, sz);
    fflush(stdout);
    figures.findings.push_back(sz);
}

// Wine tells another process's private memory only as its page file usage.
SIZE_T PrivateBytesOf(HANDLE hProcess) {
    PROCESS_MEMORY_COUNTERS_EX pmc = {};
    pmc.cb = sizeof(pmc);
    if (!GetProcessMemoryInfo(hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc),
                              sizeof(pmc)))
        return 0;
    return pmc.PrivateUsage != 0 ? pmc.PrivateUsage : pmc.PagefileUsage;
}

// A page file as the program's reader takes it, with the positions of its outline pixels.
struct CheckedPage {
    int bLoaded = FALSE;
    int bWhole = FALSE;
    std::vector<bool> outline;
};

CheckedPage CheckPageFile(const std::string& strPath) {
    CheckedPage result;
    std::vector<uint8_t> bytes = ReadFileBytes(strPath);
    MemoryPageFile file = {bytes.data(), bytes.size(), 0};
    PageFileHeader bmfh = {};
    PageInfo bmi = {};
    PageRgb palette[PAGE_COLOURS] = {};
    std::vector<uint8_t> pixels(PAGE_BYTES, 0xFF);
    result.bLoaded =
        ReadPage(MemoryPageReader(&file), &bmfh, &bmi, pixels.data(), pixels.size(), palette);
    if (!result.bLoaded)
        return result;
    // The reader takes a file that ends early; a whole one holds every row.
    const PageInfoHeader& bih = bmi.bmiHeader;
    size_t cbRow = (static_cast<size_t>(bih.biWidth) * bih.biBitCount + 31) / 32 * 4;
    result.bWhole = bytes.size() >= bmfh.bfOffBits + cbRow * bih.biHeight;
    result.outline.resize(pixels.size());
    for (size_t i = 0; i < pixels.size(); i++)
        result.outline[i] = pixels[i] == 0;
    return result;
}

// Every page file of the working folder against the shipped one.
void CheckPages(const std::string& strDir) {
    for (const char* lpszName : szPageFiles) {
        CheckedPage shipped = CheckPageFile(PathIn(TW_DIST_DIR, lpszName));
        CheckedPage page = CheckPageFile(PathIn(strDir, lpszName));
        figures.nPagesChecked++;
        if (!page.bLoaded)
            Finding("%s does not load", lpszName);
        else if (!page.bWhole)
            Finding("%s is cut short", lpszName);
        else if (page.outline != shipped.outline)
            Finding("%s: the outlines have changed", lpszName);
    }
}

// The visible top-level windows of the process other than its main window: its dialogs.
std::vector<HWND> DialogsOf(DWORD dwProcessId, HWND hWndMain) {
    struct Search {
        DWORD dwPid;
        HWND hWndMain;
        std::vector<HWND> found;
    } search = {dwProcessId, hWndMain, {}};
    EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            Search* lpSearch = reinterpret_cast<Search*>(lParam);
            DWORD dwPid = 0;
            GetWindowThreadProcessId(hWnd, &dwPid);
            if (dwPid == lpSearch->dwPid && hWnd != lpSearch->hWndMain && IsWindowVisible(hWnd))
                lpSearch->found.push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> ChildrenOf(HWND hWnd) {
    std::vector<HWND> children;
    EnumChildWindows(
        hWnd,
        [](HWND hChild, LPARAM lParam) -> BOOL {
            if (IsWindowVisible(hChild))
                reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hChild);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

class CMonkey {
  public:
    CMonkey(const Options& options)
        : rng(options.nSeed), nSeed(options.nSeed), nInputs(options.nInputs) {}
    int Run();

  private:
    int Chance(int nPercent) { return static_cast<int>(rng() % 100) < nPercent; }
    int Below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    int StartProgram();
    int Ended();
    void Watch();
    void SampleResources();
    void ClickSomewhere();
    void ClickAt(int x, int y);
    void ClickIn(HWND hWnd);
    void PressSomeKey();
    void Quit();

    std::mt19937 rng;
    unsigned nSeed;
    int nInputs;
    std::string strDir;
    CProgram* lpProgram = NULL;
    int nRunInputs = 0; // inputs into the current run of the program
    int nGdiBase = -1;
    SIZE_T cbMemoryBase = 0;
};

int CMonkey::StartProgram() {
    delete lpProgram;
    lpProgram = new CProgram;
    nRunInputs = 0;
    nGdiBase = -1;
    figures.nStarts++;
    if (!lpProgram->Start(strDir) || lpProgram->WaitForWindow() == NULL) {
        Finding("the program did not start");
        return FALSE;
    }
    return TRUE;
}

// When the program has ended: its exit code and the pages it left.
int CMonkey::Ended() {
    DWORD dwCode = 0;
    if (!lpProgram->WaitExit(0, &dwCode))
        return FALSE;
    if (dwCode != 0)
        Finding("the program ended with exit code 0x%lx", dwCode);
    CheckPages(strDir);
    return TRUE;
}

// Message boxes (assertions among them) and hangs.
void CMonkey::Watch() {
    ShownBox box = WaitForMessageBox(lpProgram->dwProcessId, 0);
    if (box.hDlg != NULL) {
        Finding("message box \"%s\": \"%s\"", box.strCaption.c_str(), box.strText.c_str());
        AnswerMessageBox(box, IDOK);
    }
    HWND hWnd = lpProgram->Window();
    DWORD_PTR dwResult;
    if (IsWindow(hWnd) && !SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &dwResult) &&
        IsWindow(hWnd) && WaitForSingleObject(lpProgram->hProcess, 0) == WAIT_TIMEOUT)
        Finding("the window did not answer within 5 s");
}

// GDI objects and private memory, taken while the program is idle on its colouring screen.
void CMonkey::SampleResources() {
    HWND hWnd = lpProgram->Window();
    if (!IsWindowEnabled(hWnd) || !DialogsOf(lpProgram->dwProcessId, hWnd).empty())
        return;
    int nGdi = CountGdiObjectsOf(lpProgram->hProcess);
    SIZE_T cbMemory = PrivateBytesOf(lpProgram->hProcess);
    figures.nGdiPeak = nGdi > figures.nGdiPeak ? nGdi : figures.nGdiPeak;
    figures.cbMemoryPeak = cbMemory > figures.cbMemoryPeak ? cbMemory : figures.cbMemoryPeak;
    if (nRunInputs < nWarmUpInputs)
        return;
    if (nGdiBase < 0) {
        nGdiBase = nGdi;
        cbMemoryBase = cbMemory;
        printf("run %d settled at %d GDI objects, %.1f MB private\n", figures.nStarts, nGdi,
               cbMemory / 1048576.0);
        return;
    }
    if (nGdi > nGdiBase + nGdiSlack) {
        Finding("GDI objects grew from %d to %d", nGdiBase, nGdi);
        nGdiBase = nGdi;
    }
    if (cbMemory > cbMemoryBase + cbMemorySlack) {
        Finding("private memory grew from %.1f to %.1f MB", cbMemoryBase / 1048576.0,
                cbMemory / 1048576.0);
        cbMemoryBase = cbMemory;
    }
}

// Half the time through the X server, as a real mouse does it, half through SendInput.
void CMonkey::ClickAt(int x, int y) {
    if (Chance(50))
        XInput(XClickAt(x, y));
    else
        Click(x, y);
    figures.nClicks++;
}

void CMonkey::ClickIn(HWND hWnd) {
    RECT rc;
    GetWindowRect(hWnd, &rc);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx > 0 && cy > 0)
        ClickAt(rc.left + Below(cx), rc.top + Below(cy));
}

// Anywhere on the screen, on the page, on a button, or in a dialog that is up.
void CMonkey::ClickSomewhere() {
    HWND hWnd = lpProgram->Window();
    std::vector<HWND> dialogs = DialogsOf(lpProgram->dwProcessId, hWnd);
    if (!dialogs.empty() && Chance(50)) {
        HWND hDlg = dialogs[Below(static_cast<int>(dialogs.size()))];
        char szTitle[64] = "";
        if (GetWindowTextA(hDlg, szTitle, sizeof(szTitle)) > 0) {
            // The system's print dialog: its OK and Cancel; the rest is the system's own.
            HWND hButton = GetDlgItem(hDlg, Chance(60) ? IDOK : IDCANCEL);
            if (hButton != NULL) {
                if (GetDlgCtrlID(hButton) == IDOK)
                    figures.nPrintDialogs++;
                ClickIn(hButton);
                return;
            }
        }
        std::vector<HWND> buttons = ChildrenOf(hDlg);
        if (!buttons.empty()) {
            ClickIn(buttons[Below(static_cast<int>(buttons.size()))]);
            return;
        }
    }
    int nWhere = Below(100);
    if (nWhere < 40) {
        ClickAt(Below(800), Below(600));
    } else if (nWhere < 65) {
        ClickAt(70 + Below(660), 70 + Below(460));
    } else {
        std::vector<HWND> buttons = ChildrenOf(hWnd);
        if (buttons.empty())
            return;
        HWND hButton = buttons[Below(static_cast<int>(buttons.size()))];
        // Quit, like Q, only now and then.
        if (GetDlgCtrlID(hButton) == IDC_QUIT && !Chance(3))
            return;
        ClickIn(hButton);
    }
}

void CMonkey::PressSomeKey() {
    static const struct {
        WORD vk;
        const char* lpszX; // the X name, for xdotool
    } others[] = {{VK_SPACE, "space"}, {VK_RETURN, "Return"}, {VK_ESCAPE, "Escape"},
                  {VK_PRIOR, "Prior"}, {VK_NEXT, "Next"},     {VK_UP, "Up"},
                  {VK_DOWN, "Down"},   {VK_LEFT, "Left"},     {VK_RIGHT, "Right"}};
    WORD vk;
    std::string strX;
    if (Chance(50)) {
        vk = static_cast<WORD>('A' + Below(26));
        if (vk == 'Q' && !Chance(5))
            vk = 'C';
        strX = std::string(1, static_cast<char>(vk - 'A' + 'a'));
    } else {
        int i = Below(sizeof(others) / sizeof(others[0]));
        vk = others[i].vk;
        strX = others[i].lpszX;
    }
    if (Chance(50))
        XInput("key --delay 0 " + strX);
    else
        PressKey(vk);
    figures.nKeys++;
}

// Closes whatever dialog is up and quits with Q.
void CMonkey::Quit() {
    for (int nTries = 0; nTries < 20; nTries++) {
        if (WaitForSingleObject(lpProgram->hProcess, 0) != WAIT_TIMEOUT)
            break;
        std::vector<HWND> dialogs = DialogsOf(lpProgram->dwProcessId, lpProgram->Window());
        for (HWND hDlg : dialogs)
            PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        Settle(500);
        if (dialogs.empty() && IsWindowEnabled(lpProgram->Window())) {
            SetForegroundWindow(lpProgram->Window());
            PressKey(VK_RETURN); // leaves the intro, if it is up
            Settle(1500);
            PressKey('Q');
            Settle(1500);
        }
    }
    if (!Ended())
        Finding("the program did not quit");
}

// The PDFs in the session's print queue's folder.
std::set<std::string> PrintedFiles() {
    std::set<std::string> names;
    std::string strDir = WinePath(Env("TW_CUPS_OUT"));
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((strDir + "\\*.pdf").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(strDir + "\\" + fd.cFileName);
    while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
    return names;
}

int CMonkey::Run() {
    std::set<std::string> printedBefore = PrintedFiles();
    strDir = MakeWorkDir();
    DWORD dwStart = GetTickCount();
    if (!StartProgram())
        return FALSE;
    while (figures.nInputs < nInputs) {
        if (Ended()) {
            if (!StartProgram())
                break;
            continue;
        }
        Watch();
        if (figures.nInputs % 25 == 0)
            SampleResources();
        if (Chance(55))
            ClickSomewhere();
        else
            PressSomeKey();
        figures.nInputs++;
        nRunInputs++;
        Sleep(Below(301));
        if (figures.nInputs % 500 == 0)
            printf("%d inputs, %lu s\n", figures.nInputs, (GetTickCount() - dwStart) / 1000);
    }
    Watch();
    SampleResources();
    Quit();
    printf("seed %u: %d inputs (%d clicks, %d keys) in %lu s, %d starts, %d print OKs, peak %d "
           "GDI objects and %.1f MB private memory, %d page files checked, %d findings\n",
           nSeed, figures.nInputs, figures.nClicks, figures.nKeys,
           (GetTickCount() - dwStart) / 1000, figures.nStarts, figures.nPrintDialogs,
           figures.nGdiPeak, figures.cbMemoryPeak / 1048576.0, figures.nPagesChecked,
           static_cast<int>(figures.findings.size()));
    delete lpProgram;
    int nPrinted = 0;
    for (const std::string& str : PrintedFiles())
        if (!printedBefore.count(str))
            nPrinted += DeleteFileA(str.c_str()) != 0;
    printf("%d printed sheets came out (and were deleted)\n", nPrinted);
    return figures.findings.empty();
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string strArg = argv[i];
        if (strArg == "--seed")
            options.nSeed = static_cast<unsigned>(strtoul(argv[i + 1], NULL, 10));
        else if (strArg == "--inputs")
            options.nInputs = atoi(argv[i + 1]);
    }
    printf("twmonkey --seed %u --inputs %d\n", options.nSeed, options.nInputs);
    fflush(stdout);
    setvbuf(stdout, NULL, _IONBF, 0);
    CMonkey monkey(options);
    return monkey.Run() ? 0 : 1;
}
