// Page files on disk: what the child is told about bad ones, saving without loss, and the
// first page at start-up.
#include "pages/page.h"
#include "shell/app.h"
#include "shell/base/busy.h"
#include "shell/mainwnd.h"
#include "shell/base/seams.h"
#include "support/msgbox_observer.h"
#include "support/page_builder.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include <gtest/gtest.h>
#include <stdio.h>
#include <string>
#include <vector>

using namespace pagebuild;

namespace {

void WriteWholeFile(const char* lpszFile, const std::vector<uint8_t>& data) {
    FILE* lpFile = fopen(lpszFile, "wb");
    ASSERT_NE(lpFile, (FILE*)NULL);
    fwrite(data.data(), 1, data.size(), lpFile);
    fclose(lpFile);
}

std::vector<uint8_t> PagePixels() {
    return std::vector<uint8_t>(lpDib, lpDib + PAGE_BYTES);
}

// The program's window and page buffers, in a folder of its own as the current directory.
class PageOnDisk : public testing::Test {
  protected:
    CTempCurrentDir folder{"twpages"};

    void SetUp() override {
        ASSERT_TRUE(folder.Made());
        hWndMain = CreateWindowExA(0, "TWELLWIN3", "Tintwell 3", WS_POPUP, 0, 0, 800, 600, NULL,
                                   NULL, hInst, NULL);
        ASSERT_NE(hWndMain, (HWND)NULL);
        SetLowMemoryHandler(NULL);
        ASSERT_TRUE(AllocPageBuffers());
        bmfhPage = {};
        bmiPage = {};
        BuildPalette();
        nCurPage = 0;
    }

    void TearDown() override {
        FreePageBuffers();
        if (IsWindow(hWndMain))
            DestroyWindow(hWndMain);
        hWndMain = NULL;
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ;
    }

    std::vector<std::string> Files() { return folder.Files(); }

    int QuitPosted() {
        MSG msg;
        return PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
};

void ExpectNotAPageBox(const MsgBoxRecord& box) {
    EXPECT_EQ(box.strText, "This is not a coloring book page.");
    EXPECT_EQ(box.strCaption, "Tintwell");
    EXPECT_EQ(box.nIcon, ICON_NONE);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(box.hOwner, hWndMain);
}

TEST_F(PageOnDisk, MissingFileIsNamedInItsMessage) {
    CMsgBoxObserver observer;
    EXPECT_EQ(LoadPage("BAT.TW3"), 0);
    ASSERT_EQ(observer.Boxes().size(), 1u);
    const MsgBoxRecord& box = observer.Boxes()[0];
    EXPECT_EQ(box.strText, "The file BAT.TW3 is missing.");
    EXPECT_EQ(box.strCaption, "Tintwell");
    EXPECT_EQ(box.nIcon, ICON_EXCLAMATION);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(box.hOwner, hWndMain);
}

TEST_F(PageOnDisk, FilesOfTheWrongKindAreNotAColoringBookPage) {
    WriteWholeFile("KIWI.TW3", MonoPageFile(OutlinePicture));
    ASSERT_EQ(LoadPage("KIWI.TW3"), 1);
    std::vector<uint8_t> before = PagePixels();

    std::vector<uint8_t> bitmap = ColourPageFile(ColourPicture);
    bitmap[0] = 'B';
    bitmap[1] = 'M';
    std::vector<uint8_t> tooWide = ColourPageFile(ColourPicture);
    Poke32(tooWide, OFF_WIDTH, 800);
    std::vector<uint8_t> hugeImage = ColourPageFile(ColourPicture);
    Poke32(hugeImage, OFF_SIZEIMAGE, 0x7FFFFFFF);
    for (const std::vector<uint8_t>* lpFile : {&bitmap, &tooWide, &hugeImage}) {
        WriteWholeFile("SNAIL.TW3", *lpFile);
        CMsgBoxObserver observer;
        EXPECT_EQ(LoadPage("SNAIL.TW3"), 0);
        ASSERT_EQ(observer.Boxes().size(), 1u);
        ExpectNotAPageBox(observer.Boxes()[0]);
        EXPECT_EQ(PagePixels(), before);
        EXPECT_EQ(bmiPage.bmiHeader.biWidth, PAGE_WIDTH);
    }
    // The refused file was closed: it can be replaced at once.
    EXPECT_TRUE(DeleteFileA("SNAIL.TW3"));
}

TEST_F(PageOnDisk, OneBitPageSavesAsEightBitAndLoadsBackTheSame) {
    WriteWholeFile("BAT.TW3", MonoPageFile(OutlinePicture, 1));
    CMsgBoxObserver observer;
    ASSERT_EQ(LoadPage("BAT.TW3"), 1);

    lpDib[PixelIndex(300, 200)] = 17; // a stroke of colour
    ASSERT_EQ(SavePage("BAT.TW3"), 1);
    std::vector<uint8_t> saved = ReadFileBytes("BAT.TW3");
    EXPECT_EQ(saved.size(), 304678u);
    EXPECT_EQ(Files(), std::vector<std::string>{"BAT.TW3"});

    std::vector<uint8_t> before = PagePixels();
    memset(lpDib, 0, PAGE_BYTES);
    bmfhPage.bfReserved1 = 0;
    ASSERT_EQ(LoadPage("BAT.TW3"), 1);
    EXPECT_EQ(PagePixels(), before);
    EXPECT_EQ(bmfhPage.bfReserved1, 1);
    EXPECT_TRUE(observer.Boxes().empty());
}

// Stands in for a disk that fills up half-way through the pixels.
long WINAPI HalfWrite(HFILE hFile, LPCCH lpBuffer, long cb) {
    ::_hwrite(hFile, lpBuffer, cb / 2);
    return HFILE_ERROR;
}

UINT nWrites = 0;
UINT WINAPI SecondWriteFails(HFILE hFile, LPCCH lpBuffer, UINT cb) {
    if (++nWrites == 2)
        return HFILE_ERROR;
    return ::_lwrite(hFile, lpBuffer, cb);
}

TEST_F(PageOnDisk, InterruptedSaveKeepsTheOldFileWhole) {
    std::vector<uint8_t> old = MonoPageFile(OutlinePicture);
    WriteWholeFile("WALRUS.TW3", old);
    ASSERT_EQ(LoadPage("WALRUS.TW3"), 1);
    memset(lpDib, 42, PAGE_BYTES);
    CMsgBoxObserver observer;

    Seam__hwrite = HalfWrite;
    EXPECT_EQ(SavePage("WALRUS.TW3"), 0);
    Seam__hwrite = ::_hwrite;
    EXPECT_EQ(ReadFileBytes("WALRUS.TW3"), old);
    EXPECT_EQ(Files(), std::vector<std::string>{"WALRUS.TW3"});

    nWrites = 0;
    Seam__lwrite = SecondWriteFails;
    EXPECT_EQ(SavePage("WALRUS.TW3"), 0);
    Seam__lwrite = ::_lwrite;
    EXPECT_EQ(ReadFileBytes("WALRUS.TW3"), old);
    EXPECT_EQ(Files(), std::vector<std::string>{"WALRUS.TW3"});

    EXPECT_EQ(SavePage("NoSuchFolder\\WALRUS.TW3"), 0);
    bmfhPage.bfType = 0; // no page in memory: nothing to write over the file
    EXPECT_EQ(SavePage("WALRUS.TW3"), 0);
    EXPECT_EQ(ReadFileBytes("WALRUS.TW3"), old);
    EXPECT_TRUE(observer.Boxes().empty()); // a failed save is silent
    EXPECT_EQ(PagePixels(), std::vector<uint8_t>(PAGE_BYTES, 42));
}

TEST_F(PageOnDisk, FirstPageSkipsAMissingFileAndRepaints) {
    WriteWholeFile("BUSHBABY.TW3", MonoPageFile(OutlinePicture));
    ShowWindow(hWndMain, SW_SHOWNA); // only a visible window keeps an update region
    ValidateRect(hWndMain, NULL);
    CMsgBoxObserver observer;
    EXPECT_EQ(LoadFirstPage(), 1);
    EXPECT_EQ(nCurPage, 1);
    ASSERT_EQ(observer.Boxes().size(), 1u);
    EXPECT_EQ(observer.Boxes()[0].strText, "The file BAT.TW3 is missing.");
    EXPECT_EQ(hCurCursor, hEditCursor);
    EXPECT_TRUE(GetUpdateRect(hWndMain, NULL, FALSE));
    EXPECT_FALSE(QuitPosted());

    // The first page itself is painted by the paint that loads it: no second one.
    ValidateRect(hWndMain, NULL);
    WriteWholeFile("BAT.TW3", MonoPageFile(OutlinePicture));
    nCurPage = 0;
    hCurCursor = NULL;
    EXPECT_EQ(LoadFirstPage(), 1);
    EXPECT_EQ(nCurPage, 0);
    EXPECT_EQ(hCurCursor, hEditCursor);
    EXPECT_FALSE(GetUpdateRect(hWndMain, NULL, FALSE));
    EXPECT_EQ(observer.Boxes().size(), 1u);
    ShowWindow(hWndMain, SW_HIDE);
}

TEST_F(PageOnDisk, FirstPageGivesUpAfterTheLastAndEndsTheProgram) {
    WriteWholeFile("SNAIL.TW3", std::vector<uint8_t>{'B', 'M', 0, 0});
    CMsgBoxObserver observer;
    EXPECT_EQ(LoadFirstPage(), 0);
    std::vector<std::string> texts;
    for (const MsgBoxRecord& box : observer.Boxes())
        texts.push_back(box.strText);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "The file BAT.TW3 is missing.", "The file BUSHBABY.TW3 is missing.",
                         "The file KIWI.TW3 is missing.", "This is not a coloring book page.",
                         "The file WALRUS.TW3 is missing.",
                         "All of the coloring book pages are missing or damaged. The program is "
                         "unusable."}));
    ASSERT_EQ(observer.Boxes().size(), 6u);
    const MsgBoxRecord& last = observer.Boxes()[5];
    EXPECT_EQ(last.strCaption, "Tintwell");
    EXPECT_EQ(last.nIcon, ICON_NONE);
    EXPECT_EQ(last.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(last.hOwner, hWndMain);
    EXPECT_TRUE(QuitPosted());
}

} // namespace
