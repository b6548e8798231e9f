// A child with the book: the intro, colouring, clearing, turning pages, quitting and coming back,
// the control bar, and what the program says when its pages are missing.
#include "e2e/e2e.h"
#include "pages/my_pages.h"
#include "pages/title_letters.h"

POINT PaletteButton(int nPage) {
    static const int x[8] = {114, 165, 216, 267, 488, 539, 590, 641};
    return POINT{x[nPage], 12};
}

POINT SwatchButton(int n) {
    static const int xBottom[9] = {62, 114, 165, 216, 539, 590, 641, 692, 743};
    return n < 10   ? POINT{12, 84 + 51 * n}
           : n < 19 ? POINT{xBottom[n - 10], 543}
                    : POINT{743, 492 - 51 * (n - 19)};
}

// The title strip a parent's page shows, set from the letters the program carries.
static std::vector<uint32_t> MyPageTitleStrip(const std::string& strTitle) {
    static TitleLetters letters;
    if (letters.letters.empty()) {
        HMODULE hExe = LoadLibraryExA(ProgramPath().c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        HRSRC hTable = FindResourceA(hExe, "TitleLetterTable", RT_RCDATA);
        HRSRC hBits = FindResourceA(hExe, "TitleLetters", RT_BITMAP);
        if (hTable && hBits) {
            const char* lpTable = (const char*)LockResource(LoadResource(hExe, hTable));
            const uint8_t* lpBits = (const uint8_t*)LockResource(LoadResource(hExe, hBits));
            ParseTitleLetters(std::string(lpTable, SizeofResource(hExe, hTable)), lpBits,
                              SizeofResource(hExe, hBits), &letters);
        }
    }
    uint8_t abStrip[TITLE_STRIP_WIDTH * TITLE_STRIP_HEIGHT * 4] = {};
    std::vector<uint32_t> strip;
    if (!ComposeTitleStrip(letters, strTitle, abStrip))
        return strip;
    for (int i = 0; i < TITLE_STRIP_WIDTH * TITLE_STRIP_HEIGHT; i++)
        strip.push_back((uint32_t)abStrip[4 * i + 2] << 16 | abStrip[4 * i + 1] << 8 |
                        abStrip[4 * i]);
    return strip;
}

// The page whose title the screen shows: 0 to 4 the five, then the parent's pages by title.
static int ShownPage(const std::vector<std::string>& myTitles = {}) {
    static const int nStrips[] = {3, 7, 29, 44, 48};
    static CImage titles;
    CScreen screen;
    if ((titles.cx == 0 && !titles.Load(ProgramPath(), "Titles")) || !screen.Grab())
        return -1;
    for (size_t nPage = 0; nPage < 5 + myTitles.size(); nPage++) {
        std::vector<uint32_t> strip =
            nPage < 5 ? std::vector<uint32_t>() : MyPageTitleStrip(myTitles[nPage - 5]);
        int nDiff = 0;
        for (int y = 0; y < 10; y++)
            for (int x = 0; x < 140; x++)
                nDiff += screen.At(330 + x, 561 + y) !=
                         (nPage < 5 ? titles.At(x, nStrips[nPage] * 10 + y) : strip[y * 140 + x]);
        if (nDiff == 0)
            return (int)nPage;
    }
    return -1;
}

static int WaitForShownPage(int nPage, const std::vector<std::string>& myTitles) {
    PollFor(3000, 50, [&] { return ShownPage(myTitles) == nPage; });
    return ShownPage(myTitles);
}

int WaitForShownPage(int nPage) {
    return WaitForShownPage(nPage, {});
}

void ClickButton(POINT pt) {
    Click(pt.x + 22, pt.y + 22);
    Settle(150);
}

namespace {

TEST_F(Book, AChildColoursTurnsPagesQuitsAndComesBack) {
    ASSERT_TRUE(program.Start(strDir));
    ASSERT_NE(program.WaitForWindow(), (HWND)NULL);
    {
        SCOPED_TRACE("the intro screen");
        CScreen screen;
        CImage tile, shadow, title, ok;
        ASSERT_TRUE(tile.Load(ProgramPath(), "DotPattern") &&
                    shadow.Load(ProgramPath(), "DotPatternShadow") &&
                    title.Load(ProgramPath(), "IntroScr") && ok.Load(ProgramPath(), "OKButtonUp"));
        // The button is there a moment before it has painted itself, the last of the screen.
        PollFor(3000, 20,
                [&] { return screen.Grab() && CountDifferences(screen, ok, 344, 420) == 0; });
        for (POINT pt : {POINT{0, 0}, POINT{792, 592}, POINT{200, 296}, POINT{584, 128}})
            EXPECT_EQ(CountDifferences(screen, tile, pt.x, pt.y), 0) << pt.x << "," << pt.y;
        for (POINT pt : {POINT{576, 128}, POINT{576, 480}, POINT{224, 480}})
            EXPECT_EQ(CountDifferences(screen, shadow, pt.x, pt.y), 0) << pt.x << "," << pt.y;
        EXPECT_EQ(CountDifferences(screen, title, 230, 134), 0);
        EXPECT_EQ(CountDifferences(screen, ok, 344, 420), 0);
    }
    PressKey(VK_SPACE);
    ASSERT_TRUE(program.WaitForColouring());
    {
        SCOPED_TRACE("the colouring screen");
        EXPECT_EQ(WaitForPage(ExpectedPagePixels(PathIn(strDir, "BAT.TW3"))), 0);
        EXPECT_EQ(ShownPage(), 0);
        CScreen screen;
        CImage frame;
        ASSERT_TRUE(screen.Grab() && frame.Load(ProgramPath(), "TopBottomBorder"));
        int nFrame = 0; // the outer rows, where no button sits
        for (int x = 0; x < 800; x++)
            for (int y = 0; y < 6; y++)
                nFrame += (screen.At(x, y) != frame.At(x, y)) +
                          (screen.At(x, 594 + y) != frame.At(x, 134 + y));
        EXPECT_EQ(nFrame, 0);
    }
    // The top-left corner pixel of the page is on the page: it floods exactly its area.
    ASSERT_EQ(page[0], PIXEL_BLANK);
    ColourAt(POINT{0, 0}, 29);
    std::vector<uint32_t> coloured(page.size());
    for (size_t i = 0; i < page.size(); i++)
        coloured[i] = page[i] == PIXEL_BLANK ? 0xEFEFEF : PaletteRgb(page[i]);
    EXPECT_EQ(WaitForPage(coloured), 0);
    // Off the page, on an outline, on the same colour: no fill.
    POINT ptLine = OutlinePixel(page);
    for (POINT pt :
         {POINT{69, 200}, POINT{730, 200}, POINT{70 + ptLine.x, 70 + ptLine.y}, POINT{70, 70}}) {
        Click(pt.x, pt.y);
        EXPECT_FALSE(WaitForBusy(program.Window(), 600)) << "a fill at " << pt.x << "," << pt.y;
    }
    // The page keys turn pages, round from the last to the first and back.
    static const struct {
        WORD vk;
        int nPageAfter;
    } steps[] = {{VK_PRIOR, 4}, {VK_NEXT, 0}, {VK_DOWN, 1}, {VK_UP, 0}, {VK_UP, 4}, {VK_DOWN, 0}};
    for (const auto& step : steps) {
        PressKey(step.vk);
        EXPECT_EQ(WaitForShownPage(step.nPageAfter), step.nPageAfter) << "after key " << step.vk;
    }
    EXPECT_EQ(WaitForPage(coloured), 0) << "the colouring did not survive the page turns";
    EXPECT_TRUE(QuitAndRead() == page) << "Q did not keep the colouring";

    // Back again: the colouring is there; a clear wipes it once, and Alt+F4 does not keep that.
    std::vector<uint8_t> saved = ReadFileBytes(PathIn(strDir, "BAT.TW3"));
    CProgram again;
    ASSERT_TRUE(again.StartColouring(strDir));
    EXPECT_EQ(WaitForPage(coloured), 0) << "the colouring did not survive the restart";
    PressKey('C');
    EXPECT_TRUE(WaitForFillToEnd(again.Window()));
    EXPECT_EQ(WaitForPage(ExpectedPagePixels(PathIn(TW_DIST_DIR, "BAT.TW3"))), 0);
    PressKey('C'); // already clear: no wave
    EXPECT_FALSE(WaitForBusy(again.Window(), 800));
    PressKeyWith(VK_MENU, VK_F4);
    DWORD dwCode = 1234;
    ASSERT_TRUE(again.WaitExit(10000, &dwCode));
    EXPECT_EQ(dwCode, 0u);
    EXPECT_TRUE(ReadFileBytes(PathIn(strDir, "BAT.TW3")) == saved) << "Alt+F4 saved the page";
    EXPECT_FALSE(FileExists(PathIn(strDir, "log.txt")));
}

// A parent's pages come after the five: added by the page maker, shown with their titles,
// coloured and kept, turned through and round from the last, taken out, a damaged one passed
// over, and twenty at most.
TEST_F(Book, AParentsPagesFollowTheFive) {
    ASSERT_TRUE(SetCurrentDirectoryA(strDir.c_str())); // where the page maker and the store work
    for (const char* lpszName : {"KIWI", "SNAIL"}) {   // pictures of a parent's: plain bitmaps
        std::vector<uint8_t> bytes = ReadFileBytes(PathIn(strDir, std::string(lpszName) + ".TW3"));
        bytes[0] = 'B', bytes[1] = 'M';
        ASSERT_TRUE(WriteBytes(PathIn(strDir, std::string("my ") + lpszName + ".bmp"), bytes));
    }
    Ran kiwi = RunPagemaker("/add \"my KIWI.bmp\"");
    EXPECT_EQ(kiwi.dwExit, 0u);
    EXPECT_EQ(kiwi.strOut.find("Added page 6, \"MY KIWI\", to the book in MyPages\\P0001.TW3: "),
              0u)
        << kiwi.strOut;
    Ran snail = RunPagemaker("/add \"my SNAIL.bmp\" /title \"МОЙ ДОМ\""); // a Russian family's
    EXPECT_EQ(snail.strOut.find("Added page 7, \"МОЙ ДОМ\", to the book in MyPages\\P0002.TW3"), 0u)
        << snail.strOut;
    const std::string strKiwi = PathIn(strDir, "MyPages\\P0001.TW3");
    const std::vector<std::string> titles = {"MY KIWI", "МОЙ ДОМ"};

    ASSERT_TRUE(program.StartColouring(strDir));
    static const struct {
        WORD vk;
        int nPageAfter;
    } steps[] = {{VK_PRIOR, 6}, {VK_PRIOR, 5}, {VK_NEXT, 6}, {VK_NEXT, 0}, {VK_UP, 6},
                 {VK_DOWN, 0},  {VK_UP, 6},    {VK_UP, 5},   {VK_UP, 4},   {VK_DOWN, 5}};
    for (const auto& step : steps) {
        PressKey(step.vk);
        EXPECT_EQ(WaitForShownPage(step.nPageAfter, titles), step.nPageAfter)
            << "after key " << step.vk;
    }
    // The kiwi page as its file holds it, coloured, and kept by Q.
    EXPECT_EQ(WaitForPage(ExpectedPagePixels(strKiwi)), 0);
    page = PageIndexes(strKiwi);
    ColourAt(LargeBlankArea(page, 2000), 29); // the colour chosen at the start
    std::vector<uint32_t> coloured(page.size());
    for (size_t i = 0; i < page.size(); i++)
        coloured[i] = PaletteRgb(page[i]);
    DWORD dwCode = 1234;
    PressKey('Q');
    ASSERT_TRUE(program.WaitExit(10000, &dwCode));
    EXPECT_TRUE(PageIndexes(strKiwi) == page) << "Q did not keep the colouring";

    // After a restart it is there as coloured; taken out while shown, it is not written back by
    // the next page turn, and the book passes over it without a word.
    CProgram again;
    ASSERT_TRUE(again.StartColouring(strDir));
    for (int nPage : {6, 5}) {
        PressKey(VK_PRIOR);
        EXPECT_EQ(WaitForShownPage(nPage, titles), nPage);
    }
    EXPECT_EQ(WaitForPage(coloured), 0) << "the colouring did not survive the restart";
    EXPECT_EQ(RemoveMyPage("P0001.TW3"), MYPAGES_OK);
    EXPECT_FALSE(FileExists(strKiwi));
    PressKey(VK_NEXT);
    EXPECT_EQ(WaitForShownPage(6, titles), 6);
    PressKey(VK_PRIOR);
    EXPECT_EQ(WaitForShownPage(4, titles), 4);
    EXPECT_FALSE(FileExists(strKiwi)) << "the removed page came back";
    PressKey('Q');
    ASSERT_TRUE(again.WaitExit(10000, &dwCode));

    // Twenty pages, copies made through the store's own index: the page maker adds no more, and
    // the book turns through all 25 and round.
    MyPagesIndex index;
    index.pages = {{"P0002.TW3", "SNAIL 2"}};
    std::vector<std::string> many = {"SNAIL 2"};
    const std::vector<uint8_t> snailPage = ReadFileBytes("MyPages\\P0002.TW3");
    for (unsigned n = 3; n <= 21; n++) {
        index.pages.push_back({MyPageFileName(n), "PAGE " + std::to_string(n)});
        many.push_back(index.pages.back().strTitle);
        ASSERT_TRUE(WriteBytes(MyPagePath(MyPageFileName(n)), snailPage));
    }
    ASSERT_TRUE(WriteBytes("MyPages\\P0003.TW3", {'B', 'M', 0})); // book page 6, damaged
    index.nNext = 22;
    std::string strIndex = SerializeMyPagesIndex(index);
    ASSERT_TRUE(WriteBytes("MyPages\\PAGES.TXT", {strIndex.begin(), strIndex.end()}));
    Ran full = RunPagemaker("/add \"my KIWI.bmp\"");
    EXPECT_EQ(full.dwExit, (DWORD)5) << full.strOut;
    EXPECT_NE(full.strOut.find("already has 20 pages of your own"), std::string::npos)
        << full.strOut;
    EXPECT_EQ(ListMyPages().size(), 20u);
    CProgram full20;
    ASSERT_TRUE(full20.StartColouring(strDir));
    PressKey(VK_PRIOR);
    EXPECT_EQ(WaitForShownPage(24, many), 24);
    for (int nPage = 0; nPage < 25; nPage++) {
        PressKey(VK_NEXT);
        if (nPage == 6) { // reported and passed over, like one of the five
            ShownBox box = WaitForMessageBox(full20.dwProcessId);
            EXPECT_EQ(box.strText, "This is not a coloring book page.");
            AnswerMessageBox(box, IDOK);
            nPage++;
        }
        EXPECT_EQ(WaitForShownPage(nPage, many), nPage);
    }
}

TEST(Window, IsFullScreenUnframedAndTheOnlyOne) {
    std::string strDir = MakeWorkDir();
    CProgram program;
    ASSERT_TRUE(program.Start(strDir));
    HWND hWnd = program.WaitForWindow();
    ASSERT_NE(hWnd, (HWND)NULL);
    char szTitle[64];
    GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
    EXPECT_STREQ(szTitle, "Tintwell 3");
    RECT rc;
    GetWindowRect(hWnd, &rc);
    EXPECT_TRUE(rc.left == 0 && rc.top == 0 && rc.right == 800 && rc.bottom == 600);
    LONG lStyle = GetWindowLongA(hWnd, GWL_STYLE);
    EXPECT_TRUE(lStyle & WS_POPUP);
    EXPECT_FALSE(lStyle & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_CHILD));
    // The X side, where a window manager might add a frame or move it: neither.
    std::string strXid = std::to_string((uintptr_t)GetPropA(hWnd, "__wine_x11_whole_window"));
    EXPECT_EQ(RunUnix("xwininfo -id " + strXid +
                          " | tr -s ' ' | grep -c -e 'Absolute upper-left "
                          "[XY]: 0$' -e 'Width: 800$' -e 'Height: 600$' -e IsViewable | grep -qx 5",
                      10000),
              0)
        << "the X window " << strXid << " is not full screen";
    // One instance only: a second start brings back the first, even minimised and disabled.
    ShowWindow(hWnd, SW_MINIMIZE);
    EnableWindow(hWnd, FALSE);
    CProgram second;
    ASSERT_TRUE(second.Start(strDir));
    DWORD dwCode = 1234;
    ASSERT_TRUE(second.WaitExit(5000, &dwCode));
    EXPECT_EQ(dwCode, 0u);
    EXPECT_TRUE(PollFor(2000, 20, [&] { return !IsIconic(hWnd) && IsWindowEnabled(hWnd); }));
    EXPECT_EQ(GetForegroundWindow(), hWnd);
    EXPECT_EQ(FindProgramWindows().size(), 1u);

    // Another program taking the focus leaves the book's screen as it is.
    HWND hOther = CreateWindowExA(0, "STATIC", "another program", WS_POPUP | WS_VISIBLE, 300, 300,
                                  100, 100, NULL, NULL, NULL, NULL);
    SetForegroundWindow(hOther);
    for (DWORD dwStart = GetTickCount(); GetTickCount() - dwStart < 500; Sleep(20))
        for (MSG msg; PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE);)
            DispatchMessageA(&msg);
    EXPECT_NE(GetForegroundWindow(), hWnd);
    EXPECT_TRUE(IsWindowVisible(hWnd) && !IsIconic(hWnd));
    DestroyWindow(hOther);
}

TEST(MissingPages, AreReportedAndPassedOver) {
    std::string strDir = MakeWorkDir({"BAT.TW3", "KIWI.TW3"});
    CProgram program;
    ASSERT_TRUE(program.Start(strDir));
    ASSERT_NE(program.WaitForWindow(), (HWND)NULL);
    PressKey(VK_RETURN);
    for (const char* lpszName : {"BAT", "KIWI"}) {
        ShownBox box = WaitForMessageBox(program.dwProcessId);
        EXPECT_EQ(box.strText, std::string("The file ") + lpszName + ".TW3 is missing.");
        EXPECT_EQ(box.strCaption, "Tintwell");
        AnswerMessageBox(box, IDOK);
        int nPage = lpszName[0] == 'B' ? 1 : 3;
        EXPECT_EQ(WaitForShownPage(nPage), nPage) << "after " << lpszName;
        PressKey(VK_NEXT);
    }
}

TEST(MissingPages, WithNoneAtAllTheProgramSaysSoAndEnds) {
    CProgram program;
    ASSERT_TRUE(program.Start(
        MakeWorkDir({"BAT.TW3", "BUSHBABY.TW3", "KIWI.TW3", "SNAIL.TW3", "WALRUS.TW3"})));
    ASSERT_NE(program.WaitForWindow(), (HWND)NULL);
    PressKey(VK_RETURN);
    for (const char* lpszName : {"BAT", "BUSHBABY", "KIWI", "SNAIL", "WALRUS", ""}) {
        ShownBox box = WaitForMessageBox(program.dwProcessId);
        EXPECT_EQ(box.strText, *lpszName
                                   ? std::string("The file ") + lpszName + ".TW3 is missing."
                                   : "All of the coloring book pages are missing or damaged. The "
                                     "program is unusable.");
        AnswerMessageBox(box, IDOK);
    }
    DWORD dwCode = 1234;
    ASSERT_TRUE(program.WaitExit(5000, &dwCode));
    EXPECT_EQ(dwCode, 0u);
}

} // namespace
