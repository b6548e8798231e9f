// The Page Maker window's pictures, settings and made page.
#include "pagemaker/maker_state.h"

#include <cctype>

int AddPictures(MakerState* lpState, const std::vector<std::wstring>& files) {
    int nFirst = -1;
    for (const std::wstring& strFile : files) {
        int nIndex = -1;
        for (size_t i = 0; i < lpState->pictures.size(); i++)
            if (lpState->pictures[i] == strFile)
                nIndex = (int)i;
        if (nIndex < 0) {
            lpState->pictures.push_back(strFile);
            nIndex = (int)lpState->pictures.size() - 1;
        }
        if (nFirst < 0)
            nFirst = nIndex;
    }
    return nFirst;
}

void ShowDecodedPicture(MakerState* lpState, int nIndex, DecodeResult nDecode,
                        DecodedPicture* lpDecoded) {
    lpState->nCurrent = nIndex;
    lpState->nDecode = nDecode;
    lpState->decoded = DecodedPicture();
    if (nDecode == DECODE_OK)
        lpState->decoded.lpPixels.swap(lpDecoded->lpPixels);
    lpState->decoded.nWidth = nDecode == DECODE_OK ? lpDecoded->nWidth : 0;
    lpState->decoded.nHeight = nDecode == DECODE_OK ? lpDecoded->nHeight : 0;
    RemakePage(lpState);
}

void RemakePage(MakerState* lpState) {
    lpState->page = MadePage();
    lpState->areas = AreaMap();
    lpState->view.clear();
    lpState->nMake = MAKE_EMPTY;
    const DecodedPicture& decoded = lpState->decoded;
    if (lpState->nDecode != DECODE_OK || decoded.lpPixels.empty())
        return;
    Picture picture = {decoded.lpPixels.data(), decoded.nWidth, decoded.nHeight,
                       (size_t)decoded.nWidth * 4, PICTURE_BGRA};
    lpState->nMake = MakePage(picture, lpState->settings, &lpState->page);
    if (lpState->nMake != MAKE_OK)
        return;
    lpState->areas = MapAreas(lpState->page);
    lpState->view = DrawPageView(lpState->page, lpState->areas, TintAreas(lpState->areas));
}

int StepGap(MakerState* lpState, int nDelta) {
    const int nGap = lpState->settings.nGap + nDelta;
    if (nGap < 0 || nGap > PAGEMAKER_MAX_GAP)
        return false;
    lpState->settings.nGap = nGap;
    RemakePage(lpState);
    return true;
}

int StepLines(MakerState* lpState, int nDelta) {
    const int nLines = lpState->settings.nLines + nDelta;
    if (nLines < MAKE_LINES_LIGHTER || nLines > MAKE_LINES_DARKER)
        return false;
    lpState->settings.nLines = nLines;
    RemakePage(lpState);
    return true;
}

int HasPage(const MakerState& state) {
    return state.nMake == MAKE_OK && state.page.lpBits.size() == PAGE_BYTES;
}

int OpensMakerWindow(const std::vector<std::string>& args) {
    for (const std::string& strArg : args) {
        size_t nLetters = 1;
        while (nLetters < strArg.size() && isalpha((unsigned char)strArg[nLetters]))
            nLetters++;
        const int bSwitch =
            strArg.size() > 1 && strArg[0] == '/' && (nLetters == strArg.size() || strArg == "/?");
        std::string strEnd = strArg.size() >= 4 ? strArg.substr(strArg.size() - 4) : "";
        for (char& ch : strEnd)
            ch = (char)toupper((unsigned char)ch);
        if (bSwitch || strEnd == ".TW3")
            return false;
    }
    return true;
}

std::wstring ShortName(const std::wstring& strPath) {
    const size_t nSlash = strPath.find_last_of(L"\\/");
    return nSlash == std::wstring::npos ? strPath : strPath.substr(nSlash + 1);
}
