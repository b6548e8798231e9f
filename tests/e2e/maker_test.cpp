// The Page Maker's window as a parent works it: a drawing with gaps in its lines dropped on the
// program's icon, shown as the page the core makes of it, the gap setting changed, the page added
// with a title typed in lower case, then removed again.
#include "e2e/e2e.h"
#include "pagemaker/maker_ids.h"
#include "pagemaker/maker_layout.h"
#include "pagemaker/maker_view.h"
#include "pages/my_pages.h"
#include "pages/pixels.h"
#include "support/drawn_pictures.h"

namespace {

// The house scene with its lines cut, so that which areas there are depends on the gap closed.
drawn::Ink CutHouse() {
    drawn::Ink ink = drawn::HouseScene();
    int nCuts = 0;
    for (int y = 60; y < ink.h - 60 && nCuts < 8; y += 47)
        for (int x = 40; x < ink.w - 40; x++)
            if (ink.At(x, y)) {
                drawn::CutGap(&ink, x + 1, y, 0, 1, 7);
                nCuts++;
                break;
            }
    return ink;
}

// A 24-bit bitmap file of the drawing, as a parent's scanner might save it.
std::vector<uint8_t> BitmapFile(const drawn::Ink& ink) {
    const uint32_t cbRow = (ink.w * 3 + 3) & ~3u, cbFile = 54 + cbRow * ink.h;
    std::vector<uint8_t> file(cbFile, 0);
    auto Put = [&](int nAt, uint32_t n) {
        for (int i = 0; i < 4; i++)
            file[nAt + i] = (uint8_t)(n >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M', file[26] = 1, file[28] = 24;
    Put(2, cbFile), Put(10, 54), Put(14, 40), Put(18, ink.w), Put(22, ink.h);
    for (int y = 0; y < ink.h; y++)
        for (int x = 0; x < ink.w; x++)
            for (int c = 0; c < 3; c++)
                file[54 + (ink.h - 1 - y) * cbRow + x * 3 + c] = ink.At(x, y) ? 0 : 255;
    return file;
}

MadePage CorePage(const drawn::Ink& ink, int nGap) {
    const std::vector<uint8_t> grey = drawn::GreyPixels(ink);
    MadePage page;
    MakePage({grey.data(), ink.w, ink.h, size_t(ink.w), PICTURE_GREY}, {nGap, MAKE_LINES_NORMAL},
             &page);
    return page;
}

std::string Text(HWND hWnd, int id) {
    char sz[512] = "";
    GetDlgItemTextA(hWnd, id, sz, sizeof(sz));
    return sz;
}

// Clicks a point of a control: with the mouse where the test screen (800 x 600) shows it, else
// with the mouse's own messages to the control, the window being wider than that screen.
void ClickIn(HWND hWnd, int id, int dx = -1, int dy = -1) {
    HWND hWndControl = GetDlgItem(hWnd, id);
    RECT rc;
    GetWindowRect(hWndControl, &rc);
    const POINT pt = {dx < 0 ? (rc.left + rc.right) / 2 : rc.left + dx,
                      dy < 0 ? (rc.top + rc.bottom) / 2 : rc.top + dy};
    if (pt.x < GetSystemMetrics(SM_CXSCREEN) - 4)
        return Click(pt.x, pt.y);
    const LPARAM lParam = MAKELPARAM(pt.x - rc.left, pt.y - rc.top);
    PostMessage(hWndControl, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    PostMessage(hWndControl, WM_LBUTTONUP, 0, lParam);
}

// The parent's pages as the index in the book's folder holds them.
MyPagesIndex ReadIndex(const std::string& strDir) {
    std::vector<uint8_t> bytes = ReadFileBytes(PathIn(strDir, MY_PAGES_FOLDER "\\" MY_PAGES_INDEX));
    MyPagesIndex index;
    ParseMyPagesIndex(std::string(bytes.begin(), bytes.end()), &index);
    return index;
}

TEST(PageMakerWindow, ShowsThePageTheCoreMakesAndAddsAndRemovesIt) {
    const std::string strDir = MakeWorkDir();
    const drawn::Ink ink = CutHouse();
    const std::vector<uint8_t> picture = BitmapFile(ink);
    ASSERT_TRUE(WriteBytes(PathIn(strDir, "house.bmp"), picture));
    const MadePage page12 = CorePage(ink, 12), page4 = CorePage(ink, 4);
    ASSERT_NE(page12.nAreas, page4.nAreas) << "the cuts must matter to the gap setting";

    CProgram maker;
    ASSERT_TRUE(maker.Start(strDir, PathIn(TW_DIST_DIR, "pagemaker.exe"), "house.bmp"));
    HWND hWnd = NULL;
    ASSERT_TRUE(PollFor(20000, 50, [&] {
        for (HWND h : TopLevelWindows(maker.dwProcessId))
            if (ClassOf(h) == "TWPAGEMAKER" && IsWindowVisible(h))
                hWnd = h;
        return hWnd && !Text(hWnd, IDC_MAKER_AREAS).empty();
    }));
    auto Areas = [&] {
        const std::string str = Text(hWnd, IDC_MAKER_AREAS);
        return atoi(str.c_str() + str.find_last_not_of("0123456789") + 1);
    };
    EXPECT_EQ(Areas(), page12.nAreas);

    // The page on the screen: black exactly where the page has its lines, but for the rings.
    SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    Settle(500);
    POINT ptPage = {MAKER_PAGE_X, MAKER_PAGE_Y};
    ClientToScreen(hWnd, &ptPage);
    CScreen screen;
    ASSERT_TRUE(screen.Grab());
    int nWrong = 0;
    for (int y = 0; y < PAGE_HEIGHT; y++)
        for (int x = 0; x < PAGE_WIDTH; x++) {
            int bRing = false;
            for (size_t j = 0; j + 3 < page12.lpJoins.size(); j += 4) {
                const int dx = x - (page12.lpJoins[j] + page12.lpJoins[j + 2]) / 2,
                          dy = y - (page12.lpJoins[j + 1] + page12.lpJoins[j + 3]) / 2;
                bRing |= dx * dx + dy * dy <= (VIEW_RING_RADIUS + 2) * (VIEW_RING_RADIUS + 2);
            }
            const bool bLine = page12.lpBits[(PAGE_HEIGHT - 1 - y) * PAGE_WIDTH + x] == 0;
            nWrong += !bRing && bLine != (screen.At(ptPage.x + x, ptPage.y + y) == 0);
        }
    EXPECT_EQ(nWrong, 0) << "pixels shown otherwise than the page has them";

    // A smaller gap: the cuts stay open and the count follows the core.
    for (int i = 0; i < 8; i++) {
        ClickIn(hWnd, IDC_MAKER_FIRST_BUTTON + MAKER_GAP_LESS);
        Settle(150);
    }
    EXPECT_TRUE(PollFor(5000, 50, [&] { return Areas() == page4.nAreas; }))
        << Text(hWnd, IDC_MAKER_AREAS) << ", the core: " << page4.nAreas;
    EXPECT_EQ(Text(hWnd, IDC_MAKER_GAP).find('4'), 0u) << Text(hWnd, IDC_MAKER_GAP);

    // Add, with a title typed in lower case, some of it Russian, and a dash the title does not
    // take.
    ClickIn(hWnd, IDC_MAKER_FIRST_BUTTON + MAKER_ADD);
    HWND hWndBox = NULL;
    ASSERT_TRUE(PollFor(5000, 50, [&] {
        for (HWND h : TopLevelWindows(maker.dwProcessId))
            if (ClassOf(h) == "#32770" && IsWindowVisible(h))
                hWndBox = h;
        return hWndBox != NULL;
    }));
    Settle(300);
    for (WORD vk : {(WORD)VK_BACK, (WORD)'M', (WORD)'Y', (WORD)VK_OEM_MINUS, (WORD)VK_SPACE,
                    (WORD)'C', (WORD)'A', (WORD)'T'})
        PressKey(vk);
    for (wchar_t ch : std::wstring(L" дом"))
        SendMessageW(GetDlgItem(hWndBox, IDC_MAKER_TITLE_EDIT), WM_CHAR, ch, 1);
    PressKey(VK_RETURN);
    ASSERT_TRUE(PollFor(5000, 50, [&] { return ReadIndex(strDir).pages.size() == 1; }));
    const MyPage added = ReadIndex(strDir).pages[0];
    EXPECT_EQ(added.strTitle, "MY CAT ДОМ");
    EXPECT_EQ(ReadFileBytes(PathIn(strDir, MyPagePath(added.strFile))), EncodeMadePage(page4))
        << "the page added is the page shown";
    EXPECT_NE(Text(hWnd, IDC_MAKER_STATUS).find("MY CAT"), std::string::npos)
        << Text(hWnd, IDC_MAKER_STATUS);

    // Remove: the page chosen in the list goes out of the book.
    ClickIn(hWnd, IDC_MAKER_LIST, 40, MAKER_LIST_ITEM_HEIGHT / 2);
    Settle(200);
    ClickIn(hWnd, IDC_MAKER_FIRST_BUTTON + MAKER_REMOVE);
    EXPECT_TRUE(PollFor(5000, 50, [&] { return ReadIndex(strDir).pages.empty(); }));
    EXPECT_FALSE(FileExists(PathIn(strDir, MyPagePath(added.strFile))));

    // A full book: Add says so and asks for no title.
    MyPagesIndex full;
    for (int i = 1; i <= MY_PAGES_MAX; i++) {
        full.pages.push_back({MyPageFileName(i + 10), "PAGE " + std::to_string(i)});
        CopyFileA(PathIn(strDir, "BAT.TW3").c_str(),
                  PathIn(strDir, MyPagePath(full.pages.back().strFile)).c_str(), FALSE);
    }
    full.nNext = MY_PAGES_MAX + 11;
    const std::string strFull = SerializeMyPagesIndex(full);
    ASSERT_TRUE(WriteBytes(PathIn(strDir, MY_PAGES_FOLDER "\\" MY_PAGES_INDEX),
                           {strFull.begin(), strFull.end()}));
    ClickIn(hWnd, IDC_MAKER_FIRST_BUTTON + MAKER_ADD);
    EXPECT_TRUE(PollFor(5000, 50, [&] {
        return Text(hWnd, IDC_MAKER_STATUS).find(std::to_string(MY_PAGES_MAX)) != std::string::npos;
    })) << Text(hWnd, IDC_MAKER_STATUS);
    Settle(300);
    for (HWND h : TopLevelWindows(maker.dwProcessId))
        EXPECT_FALSE(ClassOf(h) == "#32770" && IsWindowVisible(h)) << "a title asked for";
    EXPECT_EQ(ReadIndex(strDir).pages.size(), (size_t)MY_PAGES_MAX);

    PostMessage(hWnd, WM_CLOSE, 0, 0);
    DWORD dwExit = 1;
    EXPECT_TRUE(maker.WaitExit(10000, &dwExit));
    EXPECT_EQ(dwExit, 0u);
    EXPECT_EQ(ReadFileBytes(PathIn(strDir, "house.bmp")), picture) << "the picture is untouched";
}

} // namespace
