// The print option on disk and in its dialog: missing, short, long and odd files, OK and Escape.
#include "shell/app.h"
#include "shell/mainwnd.h"
#include "support/dialog_script.h"
#include "ui/dialog.h"
#include "ui/printopt.h"
#include <gtest/gtest.h>
#include <stdio.h>
#include <string>
#include <vector>

namespace {

typedef std::vector<uint8_t> Bytes;

Bytes ReadPrintFile() {
    Bytes data;
    FILE* lpFile = fopen("printer.dta", "rb");
    if (lpFile == NULL)
        return data;
    int ch;
    while ((ch = fgetc(lpFile)) != EOF)
        data.push_back(static_cast<uint8_t>(ch));
    fclose(lpFile);
    return data;
}

void WritePrintFile(const Bytes& data) {
    FILE* lpFile = fopen("printer.dta", "wb");
    ASSERT_NE(lpFile, (FILE*)NULL);
    fwrite(data.data(), 1, data.size(), lpFile);
    fclose(lpFile);
}

int IsChecked(HWND hDlg, int id) {
    return SendDlgItemMessageA(hDlg, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Which of the three radio buttons are checked, as three 0/1 digits: "010" is Alternate 1.
std::string Checks(HWND hDlg) {
    std::string str;
    for (int id = IDC_PRINTDEFAULT; id <= IDC_PRINTALTERNATE2; id++)
        str += IsChecked(hDlg, id) ? '1' : '0';
    return str;
}

// A folder of its own as the current directory, where printer.dta is read and written.
class PrintOptions : public testing::Test {
  protected:
    char szOldDir[MAX_PATH] = "";
    std::string strDir;

    void SetUp() override {
        GetCurrentDirectoryA(sizeof(szOldDir), szOldDir);
        char szTemp[MAX_PATH];
        GetTempPathA(sizeof(szTemp), szTemp);
        strDir = std::string(szTemp) + "twprintopt" + std::to_string(GetCurrentProcessId()) + "_" +
                 std::to_string(GetTickCount());
        ASSERT_TRUE(CreateDirectoryA(strDir.c_str(), NULL));
        SetCurrentDirectoryA(strDir.c_str());
        InitDialogTables();
        hWndMain = CreateWindowExA(0, "TWELLWIN3", "Tintwell 3", WS_POPUP, 0, 0, 800, 600, NULL,
                                   NULL, hInst, NULL);
        ASSERT_NE(hWndMain, (HWND)NULL);
        nPrintMode = 0;
    }
    void TearDown() override {
        if (IsWindow(hWndMain))
            DestroyWindow(hWndMain);
        hWndMain = NULL;
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ;
        DeleteFileA("printer.dta");
        RemoveDirectoryA("printer.dta");
        SetCurrentDirectoryA(szOldDir);
        RemoveDirectoryA(strDir.c_str());
    }
    INT_PTR RunOptions() { return RunDialog(hWndMain, DLG_PRINTOPTIONS, PrintOptionsDlgProc, 0); }
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

TEST_F(PrintOptions, TheDialogChecksTheCurrentModeAndOkWritesTheNewChoice) {
    WritePrintFile({2, 0, 0, 0});
    LoadPrintMode();
    std::string strOpened, strAfterClick;
    CDialogScript script;
    script
        .Then([&](HWND hDlg) {
            strOpened = Checks(hDlg);
            PressDialogButton(hDlg, IDC_PRINTALTERNATE1);
        })
        .Then([&](HWND hDlg) {
            strAfterClick = Checks(hDlg);
            EXPECT_EQ(nPrintMode, 2); // nothing is taken before OK
            PressDialogButton(hDlg, IDOK);
        });
    EXPECT_EQ(RunOptions(), IDOK);
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(strOpened, "001");
    EXPECT_EQ(strAfterClick, "010");
    EXPECT_EQ(nPrintMode, 1);
    EXPECT_EQ(ReadPrintFile(), (Bytes{1, 0, 0, 0}));
}

TEST_F(PrintOptions, EscapeKeepsTheModeAndTheFile) {
    WritePrintFile({0, 0, 0, 0, 5});
    LoadPrintMode();
    CDialogScript script;
    script.Then([](HWND hDlg) { PressDialogButton(hDlg, IDC_PRINTALTERNATE2); })
        .Then([](HWND hDlg) {
            EXPECT_TRUE(IsChecked(hDlg, IDC_PRINTALTERNATE2));
            PressDialogKey(hDlg, VK_ESCAPE);
        });
    EXPECT_EQ(RunOptions(), IDCANCEL);
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(nPrintMode, 0);
    EXPECT_EQ(ReadPrintFile(), (Bytes{0, 0, 0, 0, 5}));
}

TEST_F(PrintOptions, AnUnknownModeChecksNothingAndOkWritesItBack) {
    WritePrintFile({7, 0, 0, 0});
    LoadPrintMode();
    DeleteFileA("printer.dta"); // OK creates the file again when it has gone meanwhile
    std::string strOpened;
    CDialogScript script;
    script.Then([&](HWND hDlg) {
        strOpened = Checks(hDlg);
        PressDialogKey(hDlg, VK_RETURN);
    });
    EXPECT_EQ(RunOptions(), IDOK);
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(strOpened, "000");
    EXPECT_EQ(nPrintMode, 7);
    EXPECT_EQ(ReadPrintFile(), (Bytes{7, 0, 0, 0}));
}

TEST_F(PrintOptions, RadioButtonsAreClearOfTheirLabelsAndStackedOnTheArtRows) {
    RECT rcDefault = {}, rcAlt2 = {}, rcDlg = {};
    CDialogScript script;
    script.Then([&](HWND hDlg) {
        GetWindowRect(hDlg, &rcDlg);
        GetWindowRect(GetDlgItem(hDlg, IDC_PRINTDEFAULT), &rcDefault);
        GetWindowRect(GetDlgItem(hDlg, IDC_PRINTALTERNATE2), &rcAlt2);
        EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(hDlg, IDC_PRINTDEFAULT)), 0);
        PressDialogKey(hDlg, VK_ESCAPE);
    });
    RunOptions();
    ASSERT_TRUE(script.Finished());
    // Inside the "Printing Options" art, which sits at (54, 82) and is 248 x 133.
    EXPECT_GE(rcDefault.left - rcDlg.left, 54);
    EXPECT_GE(rcDefault.top - rcDlg.top, 82);
    EXPECT_LE(rcAlt2.bottom - rcDlg.top, 82 + 133);
    EXPECT_GT(rcAlt2.top, rcDefault.bottom);
}

} // namespace
