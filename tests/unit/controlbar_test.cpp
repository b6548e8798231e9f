// The colour buttons: a click on the chosen one again, and which buttons look chosen.
#include "pages/sound_win.h"
#include "shell/base/seams.h"
#include "support/main_window.h"
#include "ui/controlbar.h"

namespace {

std::vector<LPCSTR> SoundsPlayed;
BOOL WINAPI RecordSound(LPCSTR lpszSound, HMODULE, DWORD) {
    SoundsPlayed.push_back(lpszSound);
    return TRUE;
}

// The control bar on the main window, with the colour chosen at start-up.
class ColourButtons : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        CreateControlBar(hWndMain);
        LoadSounds(hInst);
        idCurPalettePage = 2001;
        nPaletteBase = 28;
        idCurSwatch = 2008;
        nCurColour = 29;
    }
    CSeam<decltype(Seam_PlaySoundA)> seam{Seam_PlaySoundA, RecordSound};
};

TEST_F(ColourButtons, ClickingTheChosenPageOrSwatchAgainClicksAndChangesNothing) {
    ASSERT_NE(lpWaveData[IDW_CLICK], nullptr);
    for (int idButton : {2001, 2008}) {
        SoundsPlayed.clear();
        SendMessageA(hWndMain, WM_COMMAND, idButton, 0);
        EXPECT_EQ(SoundsPlayed, std::vector<LPCSTR>{(LPCSTR)lpWaveData[IDW_CLICK]});
        EXPECT_EQ(std::vector<int>({idCurPalettePage, nPaletteBase, idCurSwatch, nCurColour}),
                  std::vector<int>({2001, 28, 2008, 29}));
    }
}

// What a 45 x 45 button draws in a state, as 32-bit pixels.
std::vector<DWORD> Drawn(int idButton, UINT uState) {
    BITMAPINFO bmi = {{sizeof(BITMAPINFOHEADER), 45, -45, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    DWORD* lpBits = NULL;
    RECT rc = {0, 0, 45, 45};
    HDC hdc = CreateCompatibleDC(NULL);
    DRAWITEMSTRUCT dis = {ODT_BUTTON, UINT(idButton), 0, ODA_DRAWENTIRE, uState, NULL, hdc, rc, 0};
    HBITMAP hbm = CreateDIBSection(dis.hDC, &bmi, DIB_RGB_COLORS, (void**)&lpBits, NULL, 0);
    HGDIOBJ hbmOld = SelectObject(dis.hDC, hbm);
    OnDrawItem(&dis);
    GdiFlush();
    std::vector<DWORD> px(lpBits, lpBits + 45 * 45);
    SelectObject(dis.hDC, hbmOld);
    DeleteObject(hbm);
    DeleteDC(dis.hDC);
    return px;
}

TEST_F(ColourButtons, TheChosenButtonsAndOnlyTheyOrOneWithTheFocusLookSelected) {
    for (int* lpidChosen : {&idCurPalettePage, &idCurSwatch}) {
        int idOther = *lpidChosen + 2;
        std::vector<DWORD> normal = Drawn(idOther, 0);
        // Pressing alone does not make it look chosen.
        EXPECT_EQ(Drawn(idOther, ODS_SELECTED), normal);
        std::vector<DWORD> focus = Drawn(idOther, ODS_FOCUS);
        *lpidChosen = idOther;
        EXPECT_EQ(Drawn(idOther, 0), focus) << "the focus shows the selected look";
        EXPECT_NE(focus, normal);
    }
}

} // namespace
