// The book in the family's language, chosen by the system's locale or by LANGUAGE.TXT: the intro,
// a message box, the colouring screen and the Info, About and Printing Options screens show the
// program's own words and pictures of that language; a language the book lacks gives English.
#include "e2e/e2e.h"
#include "shell/base/ids.h"
#include "shell/base/languages.h"
#include "ui/dialog_template.h"

namespace {

struct LanguageRun {
    const char* lpszName;
    const char* lpszLocale; // the Unix locale the program starts under; null: the tests' own
    const char* lpszChoice; // what LANGUAGE.TXT holds; null: no such file
    const char* lpszShown;  // the language the book must speak
};

void PrintTo(const LanguageRun& run, std::ostream* lpOut) {
    *lpOut << run.lpszName;
}

class Language : public testing::TestWithParam<LanguageRun> {};

HWND WaitForDialogWith(DWORD dwProcessId, int id) {
    HWND hDlg = NULL;
    PollFor(5000, 20, [&] {
        for (HWND hWnd : TopLevelWindows(dwProcessId))
            if (ClassOf(hWnd) == "#32770" && IsWindowVisible(hWnd) && GetDlgItem(hWnd, id))
                hDlg = hWnd;
        return hDlg != NULL;
    });
    Settle(200); // its skin's paint
    return hDlg;
}

std::wstring TextOf(HWND hDlg, int id) {
    WCHAR sz[256] = L"";
    GetDlgItemTextW(hDlg, id, sz, 256);
    return sz;
}

// Pixels the screen shows otherwise than the picture placed at (x, y), counted inside rcIn only
// and leaving out the squares in rcSkip.
int Differences(const CImage& image, int x, int y, RECT rcIn,
                const std::vector<RECT>& rcSkip = {}) {
    CScreen screen;
    if (!screen.Grab())
        return -1;
    int nDiff = 0;
    for (int j = 0; j < image.cy; j++)
        for (int i = 0; i < image.cx; i++) {
            POINT pt = {x + i, y + j};
            int bSkip = !PtInRect(&rcIn, pt);
            for (const RECT& rc : rcSkip)
                bSkip = bSkip || PtInRect(&rc, pt);
            nDiff += !bSkip && screen.At(pt.x, pt.y) != image.At(i, j);
        }
    return nDiff;
}

// A button's face as the screen shows it: the button may be a pixel narrower than its picture.
int FaceDifferences(HWND hDlg, int id, const CImage& face) {
    RECT rc = {};
    GetWindowRect(GetDlgItem(hDlg, id), &rc);
    return Differences(face, rc.left, rc.top, rc);
}

// The Printing Options panel under its radio buttons, whose circles the system draws at their
// left in a square as high as the button.
int PanelDifferences(HWND hDlg, const CImage& panel) {
    RECT rcDlg = {};
    GetWindowRect(hDlg, &rcDlg);
    std::vector<RECT> circles;
    for (int id = IDC_PRINTDEFAULT; id <= IDC_PRINTALTERNATE2; id++) {
        RECT rc = {};
        GetWindowRect(GetDlgItem(hDlg, id), &rc);
        rc.right = rc.left + (rc.bottom - rc.top);
        circles.push_back(rc);
    }
    return Differences(panel, rcDlg.left + 54, rcDlg.top + 82, rcDlg, circles);
}

TEST_P(Language, EveryScreenWithWordsSpeaksIt) {
    const LanguageRun& run = GetParam();
    const WORD wLang = LanguageId(BookLanguages[FindLanguageTag(run.lpszShown)]);
    const std::string strExe = ProgramPath();
    auto Words = [&](unsigned id) { return ResourceString(strExe, id, wLang); };
    CImage ok, titles, quit, info, done, about, printOpt, panel;
    ASSERT_TRUE(ok.Load(strExe, "OKButtonUp", wLang) && titles.Load(strExe, "Titles", wLang) &&
                quit.Load(strExe, "QuitBtn", wLang) && info.Load(strExe, "InfoBtn", wLang) &&
                done.Load(strExe, "DoneBtnUp", wLang) && about.Load(strExe, "AboutUp", wLang) &&
                printOpt.Load(strExe, "PrintOptUp", wLang) &&
                panel.Load(strExe, "PrintOptions", wLang));
    // The language's words are its own, so that an English screen cannot pass for it.
    if (wLang != LanguageId(BookLanguages[LANGUAGE_ENGLISH])) {
        ASSERT_NE(Words(IDS_ABOUT_TITLE), ResourceString(strExe, IDS_ABOUT_TITLE, 0x0409));
    }

    std::string strDir = MakeWorkDir({"BAT.TW3"});
    if (run.lpszChoice)
        WriteBytes(PathIn(strDir, "LANGUAGE.TXT"),
                   std::vector<uint8_t>(run.lpszChoice, run.lpszChoice + strlen(run.lpszChoice)));
    CProgram program;
    ASSERT_TRUE(run.lpszLocale ? program.StartUnderLocale(strDir, run.lpszLocale)
                               : program.Start(strDir));
    ASSERT_NE(program.WaitForWindow(), (HWND)NULL);
    CScreen screen;
    EXPECT_TRUE(PollFor(3000, 20, [&] {
        return screen.Grab() && CountDifferences(screen, ok, 344, 420) == 0;
    })) << "the intro's OK";

    PressKey(VK_RETURN);
    ShownBox box = WaitForMessageBox(program.dwProcessId);
    std::wstring strMissing = Words(IDS_FILEMISSING);
    EXPECT_EQ(box.wstrText, strMissing.replace(strMissing.find(L"%s"), 2, L"BAT.TW3"));
    EXPECT_EQ(box.wstrCaption, Words(IDS_APPNAME));
    AnswerMessageBox(box, IDOK);
    ASSERT_TRUE(program.WaitForColouring());
    // BUSHBABY, the first page there is, under its name in the language.
    EXPECT_TRUE(PollFor(3000, 50, [&] {
        return screen.Grab() && TitleDifferences(screen, titles, 7) == 0;
    })) << "the page's title";
    EXPECT_EQ(CountDifferences(screen, quit, 12, 12), 0);
    EXPECT_EQ(CountDifferences(screen, info, 692, 12), 0);

    PressKey('I');
    HWND hInfo = WaitForDialogWith(program.dwProcessId, IDC_PRINTOPTIONS);
    ASSERT_NE(hInfo, (HWND)NULL);
    EXPECT_EQ(TextOf(hInfo, IDC_DLGOK), Words(IDS_DLG_DONE));
    EXPECT_EQ(TextOf(hInfo, IDC_ABOUT), Words(IDS_DLG_ABOUT));
    EXPECT_EQ(TextOf(hInfo, IDC_PRINTOPTIONS), Words(IDS_DLG_PRINTOPTIONS));
    EXPECT_EQ(FaceDifferences(hInfo, IDC_DLGOK, done), 0);
    EXPECT_EQ(FaceDifferences(hInfo, IDC_ABOUT, about), 0);
    EXPECT_EQ(FaceDifferences(hInfo, IDC_PRINTOPTIONS, printOpt), 0);

    PostMessageW(GetDlgItem(hInfo, IDC_ABOUT), BM_CLICK, 0, 0);
    HWND hAbout = WaitForDialogWith(program.dwProcessId, IDC_ABOUTTITLE);
    ASSERT_NE(hAbout, (HWND)NULL);
    EXPECT_EQ(TextOf(hAbout, IDC_ABOUTTITLE), Words(IDS_ABOUT_TITLE));
    EXPECT_EQ(TextOf(hAbout, IDC_ABOUTVERSION), Words(IDS_ABOUT_VERSION));
    EXPECT_EQ(TextOf(hAbout, IDC_DLGOK), Words(IDS_DLG_OK));
    EXPECT_EQ(FaceDifferences(hAbout, IDC_DLGOK, ok), 0);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(PollFor(3000, 20, [&] { return !IsWindow(hAbout); }));

    PostMessageW(GetDlgItem(hInfo, IDC_PRINTOPTIONS), BM_CLICK, 0, 0);
    HWND hOptions = WaitForDialogWith(program.dwProcessId, IDC_PRINTDEFAULT);
    ASSERT_NE(hOptions, (HWND)NULL);
    EXPECT_EQ(PanelDifferences(hOptions, panel), 0);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(PollFor(3000, 20, [&] { return !IsWindow(hOptions); }));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(PollFor(3000, 20, [&] { return !IsWindow(hInfo); }));
    PressKey('Q');
    DWORD dwCode = 1234;
    EXPECT_TRUE(program.WaitExit(10000, &dwCode));
}

INSTANTIATE_TEST_SUITE_P(
    , Language,
    testing::Values(LanguageRun{"GermanFromTheLocale", "de_DE.UTF-8", nullptr, "de"},
                    LanguageRun{"RussianChosenOnAWesternSystem", nullptr, "ru\r\n", "ru"},
                    LanguageRun{"AChoiceTheBookLacksGivesEnglish", "de_DE.UTF-8", "xx\n", "en"},
                    LanguageRun{"ALocaleTheBookLacksGivesEnglish", "ja_JP.UTF-8", nullptr, "en"}),
    [](const testing::TestParamInfo<LanguageRun>& info) { return info.param.lpszName; });

} // namespace
