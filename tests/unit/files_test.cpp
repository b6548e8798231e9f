// The files the program writes: a page saved without losing the old one, and the print option
// kept from other writers.
#include "pages/page.h"
#include "shell/base/seams.h"
#include "support/file_bytes.h"
#include "support/main_window.h"
#include "support/temp_dir.h"
#include "ui/printopt.h"
#include <fstream>

namespace {

// Stands in for a disk that fills up half-way through the pixels.
long WINAPI HalfWrite(HFILE hFile, LPCCH lpBuffer, long cb) {
    ::_hwrite(hFile, lpBuffer, cb / 2);
    return HFILE_ERROR;
}

TEST(PageFile, ASaveThatFailsKeepsTheOldFileWhole) {
    CTempCurrentDir folder("twpages");
    std::vector<uint8_t> page = ReadFileBytes(std::string(TW_ASSETS_DIR) + "\\BAT.TW3");
    std::ofstream("BAT.TW3", std::ios::binary).write((const char*)page.data(), page.size());
    ASSERT_TRUE(folder.Made() && AllocPageBuffers() && LoadPage("BAT.TW3"));
    memset(lpDib, 42, PAGE_BYTES);
    {
        CSeam<decltype(Seam__hwrite)> seam{Seam__hwrite, HalfWrite};
        EXPECT_EQ(SavePage("BAT.TW3"), 0);
    }
    EXPECT_EQ(ReadFileBytes("BAT.TW3"), page);
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"BAT.TW3"});
    FreePageBuffers();
}

int bOtherWriterKeptOut = -1;
UINT WINAPI WriteWhileAnotherWriterTries(HFILE hFile, LPCCH lpBuffer, UINT cb) {
    HANDLE hOther = CreateFileA("printer.dta", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                NULL, OPEN_EXISTING, 0, NULL);
    bOtherWriterKeptOut = hOther == INVALID_HANDLE_VALUE;
    CloseHandle(hOther);
    return ::_lwrite(hFile, lpBuffer, cb);
}

TEST(PrintOptionFile, SavingWritesTheFirstFourBytesAndKeepsOtherWritersOut) {
    CTempCurrentDir folder("twprintopt");
    ASSERT_TRUE(folder.Made());
    std::ofstream("printer.dta", std::ios::binary) << "\x09\x09\x09\x09xy";
    CSeam<decltype(Seam__lwrite)> seam{Seam__lwrite, WriteWhileAnotherWriterTries};
    nPrintMode = 0x01020304;
    SavePrintMode();
    EXPECT_EQ(ReadFileBytes("printer.dta"), (std::vector<uint8_t>{4, 3, 2, 1, 'x', 'y'}));
    EXPECT_EQ(bOtherWriterKeptOut, 1);
}

// A print option file that can be neither read nor made (here a folder of that name) is no reason
// to stop: the default is used and nothing is said.
TEST(PrintOptionFile, OneThatCanBeNeitherOpenedNorMadeLeavesTheDefaultSilently) {
    CTempCurrentDir folder("twprintdir");
    ASSERT_TRUE(folder.Made() && CreateDirectoryA("printer.dta", NULL));
    nPrintMode = 2;
    LoadPrintMode();
    EXPECT_EQ(nPrintMode, 0);
    nPrintMode = 1;
    SavePrintMode();
    EXPECT_EQ(nPrintMode, 1);
    EXPECT_NE(GetFileAttributesA("printer.dta") & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

} // namespace
