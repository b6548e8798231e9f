// The end-to-end driver: starts the real program in a fresh working directory and works it with
// real input, as a child would, then reads the screen and the files it leaves behind.
#pragma once
#include <windows.h>
#include <stdint.h>
#include <string>
#include <vector>

#include "pages/palette.h"
#include "support/file_bytes.h"
#include "support/reference_fill.h"

// The Wine name of a Unix path, and an environment variable ("" when unset).
std::string WinePath(const std::string& strUnix);
std::string Env(const char* lpszName);
// Runs a shell command (no double quotes) on the Unix side and waits for it; its exit status,
// or -1 on time-out.
int RunUnix(const std::string& strCommand, DWORD dwTimeoutMs);

// A fresh working directory holding the shipped data files, except those named in lpszOmit.
std::string MakeWorkDir(const std::vector<std::string>& omit = {});
std::string PathIn(const std::string& strDir, const std::string& strName);
int FileExists(const std::string& strPath);
int WriteBytes(const std::string& strPath, const std::vector<uint8_t>& bytes);

// The shipped program.
std::string ProgramPath();

// The shipped page maker run with these arguments in the current directory: its exit code and
// what it printed.
struct Ran {
    DWORD dwExit;
    std::string strOut;
};
Ran RunPagemaker(const std::string& strArgs);

// One run of the program; a run still going when the object dies is ended.
class CProgram {
  public:
    CProgram() : hProcess(NULL), dwProcessId(0), hWnd(NULL) {}
    virtual ~CProgram();

    int Start(const std::string& strWorkDir, const std::string& strExe = ProgramPath(),
              const std::string& strArgs = "");
    // Starts the program from the Unix side under the locale strLocale ("de_DE.UTF-8"), as a
    // user of that language does: Wine gives a process started so the locale's display language,
    // where one started by a Wine process keeps its parent's.
    int StartUnderLocale(const std::string& strWorkDir, const std::string& strLocale);
    // Waits for this process's TWELLWIN3 window to show the intro screen; null on time-out.
    HWND WaitForWindow(DWORD dwTimeoutMs = 15000);
    // TRUE and the exit code once the process has ended within the time.
    int WaitExit(DWORD dwTimeoutMs, DWORD* lpdwExitCode);
    // Starts, waits for the window and presses Enter to leave the intro screen.
    int StartColouring(const std::string& strWorkDir);
    // Waits until the control bar is up and the window takes input.
    int WaitForColouring(DWORD dwTimeoutMs = 15000);
    HWND Window() const { return hWnd; }

    HANDLE hProcess;
    DWORD dwProcessId;
    HWND hWnd;
};

// The top-level windows of one process, or of every process for 0.
std::vector<HWND> TopLevelWindows(DWORD dwProcessId = 0);
std::string ClassOf(HWND hWnd);
// Every TWELLWIN3 window of any process.
std::vector<HWND> FindProgramWindows();

// Real input through SendInput, in screen coordinates.
void Click(int x, int y);
void PressKey(WORD vk);
void PressKeyWith(WORD vkModifier, WORD vk);
// Input through the X server, the road a real mouse and keyboard take to a program under
// Wine: unlike SendInput, it reaches a disabled window. The actions are xdotool's, all made
// in one go ("mousemove 100 200 click 1 key q"). TRUE when xdotool ran.
int XInput(const std::string& strActions);
std::string XClickAt(int x, int y);
// Polls until bDone() holds or the time is up; the last bDone().
template <class Done> int PollFor(DWORD dwTimeoutMs, DWORD dwStepMs, Done bDone) {
    for (DWORD dwStart = GetTickCount();; Sleep(dwStepMs))
        if (bDone() || GetTickCount() - dwStart > dwTimeoutMs)
            return bDone();
}
// Lets the program handle what it has been sent.
void Settle(DWORD dwMs = 300);

// The whole screen, read back as 0x00RRGGBB values.
class CScreen {
  public:
    int Grab();
    uint32_t At(int x, int y) const { return px[(size_t)y * cx + x]; }
    int SaveBmp(const std::string& strPath) const;
    int cx = 0, cy = 0;
    std::vector<uint32_t> px;
};

// Polls the screen until the pixel has the colour (or the time is up).
int WaitForPixel(int x, int y, uint32_t rgb, DWORD dwTimeoutMs = 5000);
// Polls the screen until the page on it shows these 660 x 460 pixels; the differences left.
int WaitForPage(const std::vector<uint32_t>& expected, DWORD dwTimeoutMs = 5000);

// A bitmap resource of the program, read from its .exe, as 0x00RRGGBB values.
class CImage {
  public:
    int Load(const std::string& strExe, const char* lpszName);
    // The picture of exactly one language (a LANGID); FALSE when the program has none in it.
    int Load(const std::string& strExe, const char* lpszName, WORD wLanguage);
    uint32_t At(int x, int y) const { return px[(size_t)y * cx + x]; }
    int cx = 0, cy = 0;
    std::vector<uint32_t> px;
};

// How many pixels of the image, placed at (x, y), the screen shows differently.
int CountDifferences(const CScreen& screen, const CImage& image, int x, int y);
// How many pixels of the title plate below the page differ from strip nStrip of the title strips.
int TitleDifferences(const CScreen& screen, const CImage& titles, int nStrip);

// A message box of the program's process, as found on the screen.
struct ShownBox {
    HWND hDlg = NULL;
    std::string strText, strCaption;
    std::wstring wstrText, wstrCaption; // as shown, in any script
};

// String id of the program's string table in exactly the language wLang; empty when the
// program has none in that language.
std::wstring ResourceString(const std::string& strExe, unsigned id, WORD wLang);

// Waits for a message box of the process; hDlg is null on time-out.
ShownBox WaitForMessageBox(DWORD dwProcessId, DWORD dwTimeoutMs = 5000);
// Presses a button of the box (IDOK, IDCANCEL, IDRETRY ...).
void AnswerMessageBox(const ShownBox& box, int idButton);

// The system's print dialog of the process (the program's own dialogs have no caption); null
// when none is up, or when none came up within the time.
HWND FindPrintDialog(DWORD dwProcessId);
HWND WaitForPrintDialog(DWORD dwProcessId, DWORD dwTimeoutMs = 15000);

// The pixels of a 660 x 460 page file as the screen shows them with the program palette:
// outline black, blank (239, 239, 239); row 0 is the top. Empty when the file cannot be read.
std::vector<uint32_t> ExpectedPagePixels(const std::string& strPageFile);

// The colour indexes of a page file (1-bit pages read as outline and blank), row 0 at the top.
std::vector<uint8_t> PageIndexes(const std::string& strPageFile);
// A palette entry as the screen shows it.
uint32_t PaletteRgb(int nIndex);

// Places on a page to click, found with the tests' reference fill; x is -1 where there is none.
// A blank page position whose area holds more than nMinPixels.
POINT LargeBlankArea(const std::vector<uint8_t>& page, size_t nMinPixels);
// The first outline pixel from the top whose eight neighbours are outline too, so that a click
// a pixel off still lands on the outline.
POINT OutlinePixel(const std::vector<uint8_t>& page);

// Waits until the window has been busy (disabled) and is enabled again: a fill or a clear.
// Returns TRUE when the window was seen disabled.
int WaitForFillToEnd(HWND hWnd, DWORD dwTimeoutMs = 30000);
// Waits until the window is disabled: a fill, a clear or a print has begun.
int WaitForBusy(HWND hWnd, DWORD dwTimeoutMs = 1500);
