// A random session against the real program, played the way a small child plays: clicks
// anywhere, on the buttons and in the dialogs, keys hammered, pauses of any length up to 40 ms,
// and the program started again whenever it quits. Throughout it looks for crashes, message
// boxes, hangs and growing GDI objects or memory; whenever the program has ended it checks that
// every page file is whole and keeps its outlines. Print jobs go to the session's printer.
//
//   twmonkey [--seed N] [--inputs N]
//
// The seed is printed first, so that a session that found something can be played again.
#include "e2e/driver.h"
#include "support/gdi_count.h"

#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <memory>
#include <random>

namespace {

// Inputs into a run of the program before its GDI objects and memory count as settled, and how
// far they may rise after that.
const int nWarmUpInputs = 40, nGdiSlack = 30;
const SIZE_T cbMemorySlack = 24 << 20;

std::mt19937 rng;
int nInputs = 0, nFindings = 0;

int Below(size_t n) {
    return (int)(rng() % n);
}

void Finding(const std::string& str) {
    printf("FINDING after input %d: %s\n", nInputs, str.c_str());
    nFindings++;
}

// After a run: its exit code, and each page file against the shipped one, outline for outline
// (a file cut short reads as empty).
void CheckEnded(DWORD dwCode, const std::string& strDir) {
    if (dwCode != 0)
        Finding("the program ended with exit code " + std::to_string(dwCode));
    for (const char* lpszName :
         {"BAT.TW3", "BUSHBABY.TW3", "KIWI.TW3", "SNAIL.TW3", "WALRUS.TW3"}) {
        std::vector<uint8_t> page = PageIndexes(PathIn(strDir, lpszName));
        std::vector<uint8_t> shipped = PageIndexes(PathIn(TW_DIST_DIR, lpszName));
        int bSame = page.size() == shipped.size();
        for (size_t i = 0; bSame && i < page.size(); i++)
            bSame = (page[i] == PIXEL_OUTLINE) == (shipped[i] == PIXEL_OUTLINE);
        if (!bSame)
            Finding(std::string(lpszName) + " is cut short or its outlines have changed");
    }
}

// The visible top-level windows of the process but its main window (its dialogs), or the
// visible children of a window.
std::vector<HWND> Dialogs(CProgram& program) {
    std::vector<HWND> dialogs;
    for (HWND hWnd : TopLevelWindows(program.dwProcessId))
        if (hWnd != program.Window() && IsWindowVisible(hWnd))
            dialogs.push_back(hWnd);
    return dialogs;
}
std::vector<HWND> Children(HWND hWnd) {
    std::vector<HWND> children;
    for (HWND h = GetWindow(hWnd, GW_CHILD); h != NULL; h = GetWindow(h, GW_HWNDNEXT))
        if (IsWindowVisible(h))
            children.push_back(h);
    return children;
}

// Somewhere in the rectangle: half the time through the X server, as a real mouse does it,
// half through SendInput.
void ClickIn(const RECT& rc) {
    int x = rc.left + Below(rc.right - rc.left), y = rc.top + Below(rc.bottom - rc.top);
    if (Below(2))
        XInput(XClickAt(x, y));
    else
        Click(x, y);
}

// Anywhere on the screen, on the page, on a button, or in a dialog that is up. Quit (button
// 1001, like Q) only now and then; in the system's print dialog (the program's own dialogs have
// no caption) only OK and Cancel.
void ClickSomewhere(CProgram& program) {
    std::vector<HWND> dialogs = Dialogs(program), buttons = Children(program.Window());
    if (!dialogs.empty() && Below(2)) {
        HWND hDlg = dialogs[Below(dialogs.size())];
        buttons = Children(hDlg);
        if (GetWindowTextLengthA(hDlg) > 0)
            buttons = {GetDlgItem(hDlg, Below(10) < 6 ? IDOK : IDCANCEL)};
    } else if (Below(100) < 65) {
        return ClickIn(Below(100) < 60 ? RECT{0, 0, 800, 600} : RECT{70, 70, 730, 530});
    }
    HWND hButton = buttons.empty() ? NULL : buttons[Below(buttons.size())];
    RECT rc;
    if (GetWindowRect(hButton, &rc) && rc.right > rc.left && rc.bottom > rc.top &&
        (GetDlgCtrlID(hButton) != 1001 || Below(100) < 3))
        ClickIn(rc);
}

// A letter (Q only now and then) or a key that moves, confirms or cancels, by either road.
void PressSomeKey() {
    static const WORD vks[] = {VK_SPACE, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT,
                               VK_UP,    VK_DOWN,   VK_LEFT,   VK_RIGHT};
    static const char* const szX[] = {"space", "Return", "Escape", "Prior", "Next",
                                      "Up",    "Down",   "Left",   "Right"};
    int i = Below(9), chLetter = 'A' + Below(26);
    chLetter = chLetter == 'Q' && Below(100) >= 5 ? 'C' : chLetter;
    if (Below(2))
        XInput("key --delay 0 " + (Below(2) ? std::string(1, (char)(chLetter + 32)) : szX[i]));
    else
        PressKey(Below(2) ? (WORD)chLetter : vks[i]);
}

// Message boxes (assertions among them) and hangs.
void Watch(CProgram& program) {
    ShownBox box = WaitForMessageBox(program.dwProcessId, 0);
    if (box.hDlg != NULL) {
        Finding("message box \"" + box.strCaption + "\": \"" + box.strText + "\"");
        AnswerMessageBox(box, IDOK);
    }
    DWORD_PTR dwResult;
    HWND hWnd = program.Window();
    if (IsWindow(hWnd) && !SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &dwResult) &&
        IsWindow(hWnd) && WaitForSingleObject(program.hProcess, 0) == WAIT_TIMEOUT)
        Finding("the window did not answer within 5 s");
}

// GDI objects and private memory (which Wine tells only as the page file usage), taken while
// the program is idle on its colouring screen; the first sample after the warm-up is the base.
void SampleResources(CProgram& program, int nRunInputs, int* lpnGdi, SIZE_T* lpcbMemory) {
    PROCESS_MEMORY_COUNTERS pmc = {};
    if (nRunInputs < nWarmUpInputs || !IsWindowEnabled(program.Window()) ||
        !Dialogs(program).empty() || !GetProcessMemoryInfo(program.hProcess, &pmc, sizeof(pmc)))
        return;
    int nGdi = CountGdiObjectsOf(program.hProcess);
    if (*lpnGdi < 0)
        printf("settled at %d GDI objects, %zu MB\n", nGdi, pmc.PagefileUsage >> 20);
    else if (nGdi > *lpnGdi + nGdiSlack || pmc.PagefileUsage > *lpcbMemory + cbMemorySlack)
        Finding("GDI objects " + std::to_string(*lpnGdi) + " -> " + std::to_string(nGdi) +
                ", memory " + std::to_string(*lpcbMemory >> 20) + " -> " +
                std::to_string(pmc.PagefileUsage >> 20) + " MB");
    else
        return;
    *lpnGdi = nGdi;
    *lpcbMemory = pmc.PagefileUsage;
}

// Closes whatever dialog is up, leaves the intro and quits with Q; the exit code.
DWORD Quit(CProgram& program) {
    DWORD dwCode = 0;
    for (int nTries = 0; nTries < 10 && !program.WaitExit(0, &dwCode); nTries++) {
        for (HWND hDlg : Dialogs(program))
            PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        Settle(500);
        if (Dialogs(program).empty() && IsWindowEnabled(program.Window())) {
            SetForegroundWindow(program.Window());
            PressKey(VK_RETURN);
            Settle(1000);
            // Q, or the Quit button: after some inputs Q is not taken (seen under Wine).
            if (nTries % 2 == 0)
                PressKey('Q');
            else
                Click(60, 34); // the Quit button
        }
        program.WaitExit(1500, &dwCode);
    }
    if (!program.WaitExit(0, &dwCode))
        Finding("the program did not quit");
    return dwCode;
}

} // namespace

int main(int argc, char** argv) {
    int nSeed = 14, nMax = 100;
    for (int i = 1; i + 1 < argc; i += 2)
        (std::string(argv[i]) == "--seed" ? nSeed : nMax) = atoi(argv[i + 1]);
    setvbuf(stdout, NULL, _IONBF, 0);
    printf("twmonkey --seed %d --inputs %d\n", nSeed, nMax);
    rng.seed(nSeed);
    std::string strDir = MakeWorkDir();
    DWORD dwStart = GetTickCount(), dwCode = 0;
    std::unique_ptr<CProgram> program;
    int nRunInputs = 0, nStarts = 0, nGdiBase = -1;
    SIZE_T cbBase = 0;
    while (nInputs < nMax) {
        if (!program || program->WaitExit(0, &dwCode)) {
            if (program)
                CheckEnded(dwCode, strDir);
            program.reset(new CProgram);
            nRunInputs = 0, nStarts++, nGdiBase = -1;
            if (!program->Start(strDir) || program->WaitForWindow() == NULL) {
                Finding("the program did not start");
                return 1;
            }
        }
        Watch(*program);
        if (nRunInputs % 10 == 0)
            SampleResources(*program, nRunInputs, &nGdiBase, &cbBase);
        if (Below(100) < 55)
            ClickSomewhere(*program);
        else
            PressSomeKey();
        nInputs++, nRunInputs++;
        Sleep(Below(41));
    }
    CheckEnded(Quit(*program), strDir);
    printf("seed %d: %d inputs in %lu s, %d starts, %d findings\n", nSeed, nInputs,
           (GetTickCount() - dwStart) / 1000, nStarts, nFindings);
    return nFindings == 0 ? 0 : 1;
}
