// The Page Maker window's state, window-free: the pictures a parent brought, the one shown
// (kept decoded, so that a change of setting remakes the page at once), the settings and the
// page made with them.
#pragma once
#include <string>
#include <vector>

#include "pagemaker/maker_view.h"
#include "pagemaker/picture_file.h"

struct MakerState {
    std::vector<std::wstring> pictures; // opened, in the order they came
    int nCurrent = -1;                  // the one shown, or -1
    DecodedPicture decoded;             // its pixels (empty when it could not be read)
    DecodeResult nDecode = DECODE_OK;
    MakeSettings settings = DefaultMakeSettings();
    MakeResult nMake = MAKE_EMPTY;
    MadePage page;
    AreaMap areas;
    std::vector<uint32_t> view; // the page as shown, see DrawPageView
};

// Adds pictures after those there; returns the index of the first added (or -1 for none).
// A name already there is not added twice: its index is returned instead.
int AddPictures(MakerState* lpState, const std::vector<std::wstring>& files);

// Takes the decoded picture nIndex as the one shown and makes its page.
void ShowDecodedPicture(MakerState* lpState, int nIndex, DecodeResult nDecode,
                        DecodedPicture* lpDecoded);

// Makes the page again from the kept picture with the settings now.
void RemakePage(MakerState* lpState);

// Changes the widest gap closed (0..PAGEMAKER_MAX_GAP) or the lines (lighter, normal, darker)
// by a step and remakes the page; FALSE when already at the end.
int StepGap(MakerState* lpState, int nDelta);
int StepLines(MakerState* lpState, int nDelta);

// Whether Add to the book can take the page shown.
int HasPage(const MakerState& state);

// Whether the program's arguments open the window: none, or file names only (pictures dropped
// on the program's icon). A switch ("/gap", "/add") or a page file's name is a command line.
int OpensMakerWindow(const std::vector<std::string>& args);

// The file name shown to a parent: the last part of the path.
std::wstring ShortName(const std::wstring& strPath);
