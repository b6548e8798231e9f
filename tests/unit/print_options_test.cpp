// The print option on disk: missing, short, long and odd files, and files that cannot be had.
// The dialog that changes it is worked end to end (tests/e2e/dialogs_test.cpp).
#include "ui/printopt.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include <gtest/gtest.h>
#include <stdio.h>
#include <string>
#include <vector>

namespace {

typedef std::vector<uint8_t> Bytes;

Bytes ReadPrintFile() { return ReadFileBytes("printer.dta"); }

void WritePrintFile(const Bytes& data) {
    FILE* lpFile = fopen("printer.dta", "wb");
    ASSERT_NE(lpFile, (FILE*)NULL);
    fwrite(data.data(), 1, data.size(), lpFile);
    fclose(lpFile);
}

// A folder of its own as the current directory, where printer.dta is read and written.
class PrintOptions : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.Made());
        nPrintMode = 0;
    }
    CTempCurrentDir folder{"twprintopt"};
};

TEST_F(PrintOptions, AMissingFileIsCreatedHoldingDefault) {
    nPrintMode = 2;
    LoadPrintMode();
    EXPECT_EQ(nPrintMode, 0);
    EXPECT_EQ(ReadPrintFile(), (Bytes{0, 0, 0, 0}));
}

TEST_F(PrintOptions, ShortLongAndOddFilesAreReadAsTheyAreAndNotRewritten) {
    struct Case {
        Bytes file;
        int nMode;
    } cases[] = {
        {{2, 0, 0, 0}, 2},
        {{7, 0, 0, 0}, 7},
        {{}, 0},
        {{1}, 1},
        {{2, 1}, 0x102},
        {{1, 0, 0, 0, 9, 9}, 1},
        {{0xFF, 0xFF, 0xFF, 0xFF}, -1},
    };
    for (const Case& c : cases) {
        WritePrintFile(c.file);
        nPrintMode = 55;
        LoadPrintMode();
        EXPECT_EQ(nPrintMode, c.nMode);
        EXPECT_EQ(ReadPrintFile(), c.file);
    }
}

TEST_F(PrintOptions, SavingOverwritesOnlyTheFirstFourBytes) {
    WritePrintFile({9, 9, 9, 9, 'x', 'y'});
    nPrintMode = 1;
    SavePrintMode();
    EXPECT_EQ(ReadPrintFile(), (Bytes{1, 0, 0, 0, 'x', 'y'}));
    WritePrintFile({9});
    nPrintMode = 0x01020304;
    SavePrintMode();
    EXPECT_EQ(ReadPrintFile(), (Bytes{4, 3, 2, 1}));
}

TEST_F(PrintOptions, AFileThatCanBeNeitherOpenedNorCreatedLeavesDefaultSilently) {
    ASSERT_TRUE(CreateDirectoryA("printer.dta", NULL));
    nPrintMode = 2;
    LoadPrintMode();
    EXPECT_EQ(nPrintMode, 0);
    nPrintMode = 1;
    SavePrintMode();
    EXPECT_EQ(nPrintMode, 1);
    EXPECT_EQ(GetFileAttributesA("printer.dta") & FILE_ATTRIBUTE_DIRECTORY,
              (DWORD)FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace
