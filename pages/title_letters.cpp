// A title strip set from the title letters: the same placing as the art generator's strips.
#include "pages/title_letters.h"

#include <algorithm>
#include <cstring>
#include <sstream>

namespace {

const char szTableHeader[] = "Tintwell 3 title letters 1";

uint32_t ReadLe32(const uint8_t* lp) {
    return lp[0] | (uint32_t)lp[1] << 8 | (uint32_t)lp[2] << 16 | (uint32_t)lp[3] << 24;
}

// Reads "R G B" values of 0..255.
int ReadRgb(std::istringstream& words, uint8_t* lpRgb) {
    for (int i = 0; i < 3; i++) {
        int n = -1;
        if (!(words >> n) || n < 0 || n > 255)
            return false;
        lpRgb[i] = (uint8_t)n;
    }
    return true;
}

// The 8-bit bitmap's pixels as top-down rows of ink; FALSE unless it is TITLE_STRIP_HEIGHT
// rows of an uncompressed 8-bit image.
int ReadInk(const uint8_t* lpDib, size_t cbDib, TitleLetters* lpLetters) {
    if (lpDib == nullptr || cbDib < 40 || ReadLe32(lpDib) < 40 || ReadLe32(lpDib) > cbDib)
        return false;
    int32_t nWidth = (int32_t)ReadLe32(lpDib + 4), nHeight = (int32_t)ReadLe32(lpDib + 8);
    uint16_t nBits = (uint16_t)(lpDib[14] | lpDib[15] << 8);
    uint32_t nCompression = ReadLe32(lpDib + 16), nColours = ReadLe32(lpDib + 32);
    if (nBits != 8 || nCompression != 0 || nWidth <= 0 || nWidth > 65536 || nColours > 256 ||
        (nHeight != TITLE_STRIP_HEIGHT && nHeight != -TITLE_STRIP_HEIGHT))
        return false;
    size_t cbRow = ((size_t)nWidth + 3) / 4 * 4;
    size_t nOffset = ReadLe32(lpDib) + 4 * (nColours ? nColours : 256);
    if (nOffset > cbDib || cbDib - nOffset < cbRow * TITLE_STRIP_HEIGHT)
        return false;
    // The colour table says how much ink each index is: its green channel, black being all ink.
    const uint8_t* lpColours = lpDib + ReadLe32(lpDib);
    lpLetters->nBitsWidth = nWidth;
    lpLetters->ink.assign((size_t)nWidth * TITLE_STRIP_HEIGHT, 0);
    for (int y = 0; y < TITLE_STRIP_HEIGHT; y++) {
        int nRow = nHeight > 0 ? TITLE_STRIP_HEIGHT - 1 - y : y;
        const uint8_t* lpRow = lpDib + nOffset + cbRow * nRow;
        for (int x = 0; x < nWidth; x++)
            lpLetters->ink[(size_t)y * nWidth + x] = (uint8_t)(255 - lpColours[4 * lpRow[x] + 1]);
    }
    return true;
}

} // namespace

int ParseTitleLetters(const std::string& strTable, const uint8_t* lpDib, size_t cbDib,
                      TitleLetters* lpLetters) {
    TitleLetters letters;
    if (!ReadInk(lpDib, cbDib, &letters))
        return false;
    std::istringstream lines(strTable);
    std::string strLine;
    if (!std::getline(lines, strLine) ||
        strLine.compare(0, sizeof(szTableHeader) - 1, szTableHeader) != 0)
        return false;
    while (std::getline(lines, strLine)) {
        std::istringstream words(strLine);
        std::string strKey;
        if (!(words >> strKey) || strKey[0] == '#')
            continue;
        int bRead = true;
        if (strKey == "height") {
            int nHeight = 0;
            bRead = (words >> nHeight) && nHeight == TITLE_STRIP_HEIGHT;
        } else if (strKey == "phases") {
            bRead = (words >> letters.nPhases) && letters.nPhases >= 1 && letters.nPhases <= 64;
        } else if (strKey == "spacing") {
            bRead = (words >> letters.nSpacing64) && letters.nSpacing64 >= 0 &&
                    letters.nSpacing64 <= 64 * 64;
        } else if (strKey == "ink" || strKey == "paper") {
            bRead = ReadRgb(words, strKey == "ink" ? letters.abInk : letters.abPaper);
        } else if (strKey == "letter") {
            TitleLetter letter = {};
            std::string strCode;
            bRead = (words >> strCode >> letter.x >> letter.cx >> letter.nBearing >>
                     letter.nAdvance64) &&
                    strCode.size() <= 6 &&
                    strCode.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
            if (bRead)
                letter.nCodePoint = (uint32_t)std::stoul(strCode, nullptr, 16);
            bRead = bRead && letter.nCodePoint <= 0x10FFFF && letter.x >= 0 && letter.cx >= 0 &&
                    letter.cx <= 256 && letter.nBearing >= -64 && letter.nBearing <= 64 &&
                    letter.nAdvance64 >= 0 && letter.nAdvance64 <= 64 * 64 &&
                    (long)letter.x + (long)letter.cx * letters.nPhases <= letters.nBitsWidth;
            if (bRead)
                letters.letters.push_back(letter);
        }
        if (!bRead)
            return false;
    }
    std::sort(
        letters.letters.begin(), letters.letters.end(),
        [](const TitleLetter& a, const TitleLetter& b) { return a.nCodePoint < b.nCodePoint; });
    if (letters.letters.empty())
        return false;
    *lpLetters = letters;
    return true;
}

const TitleLetter* FindTitleLetter(const TitleLetters& letters, uint32_t nCodePoint) {
    auto it = std::lower_bound(
        letters.letters.begin(), letters.letters.end(), nCodePoint,
        [](const TitleLetter& letter, uint32_t nCode) { return letter.nCodePoint < nCode; });
    return it != letters.letters.end() && it->nCodePoint == nCodePoint ? &*it : nullptr;
}

std::u32string DecodeUtf8(const std::string& strText) {
    std::u32string str;
    for (size_t i = 0; i < strText.size();) {
        uint8_t b = (uint8_t)strText[i];
        int nMore = b < 0x80             ? 0
                    : (b & 0xE0) == 0xC0 ? 1
                    : (b & 0xF0) == 0xE0 ? 2
                    : (b & 0xF8) == 0xF0 ? 3
                                         : -1;
        uint32_t nCode = nMore == 0 ? b : nMore == 1 ? b & 0x1F : nMore == 2 ? b & 0x0F : b & 0x07;
        int bGood = nMore >= 0 && i + nMore < strText.size() + (nMore == 0);
        for (int k = 1; bGood && k <= nMore; k++) {
            uint8_t c = (uint8_t)strText[i + k];
            bGood = (c & 0xC0) == 0x80;
            nCode = nCode << 6 | (c & 0x3F);
        }
        if (!bGood) {
            str += U'\xFFFD';
            i++;
            continue;
        }
        str += (char32_t)nCode;
        i += nMore + 1;
    }
    return str;
}

std::u32string TitleLetterCodes(const TitleLetters& letters, const std::u32string& strTitle) {
    for (uint32_t nSet = 0; nSet < 16; nSet++) {
        std::u32string strCodes;
        for (char32_t ch : strTitle) {
            const uint32_t nCode =
                nSet == 0 ? ch : TITLE_LETTER_SETS + nSet * TITLE_LETTER_SET + ch;
            if ((nSet > 0 && ch >= TITLE_LETTER_SET) || !FindTitleLetter(letters, nCode))
                break;
            strCodes += (char32_t)nCode;
        }
        if (strCodes.size() == strTitle.size())
            return strCodes;
    }
    return strTitle; // which MeasureTitle finds missing
}

long MeasureTitle(const TitleLetters& letters, const std::u32string& strTitle) {
    long nWidth = 0;
    for (size_t i = 0; i < strTitle.size(); i++) {
        const TitleLetter* lpLetter = FindTitleLetter(letters, strTitle[i]);
        if (lpLetter == nullptr)
            return -1;
        nWidth += lpLetter->nAdvance64 + (i > 0 ? letters.nSpacing64 : 0);
    }
    return nWidth;
}

int FitsTitlePlate(const TitleLetters& letters, const std::string& strTitleUtf8) {
    long nWidth = MeasureTitle(letters, TitleLetterCodes(letters, DecodeUtf8(strTitleUtf8)));
    return nWidth >= 0 && nWidth <= 64L * TITLE_STRIP_WIDTH;
}

int ComposeTitleStrip(const TitleLetters& letters, const std::string& strTitleUtf8,
                      uint8_t* lpBgrx) {
    uint8_t abInk[TITLE_STRIP_WIDTH * TITLE_STRIP_HEIGHT] = {};
    std::u32string strTitle = TitleLetterCodes(letters, DecodeUtf8(strTitleUtf8));
    long nWidth = MeasureTitle(letters, strTitle);
    int bFits = nWidth >= 0 && nWidth <= 64L * TITLE_STRIP_WIDTH;
    // Centred on a whole pixel, as the strips of the five are; then each letter in the cell
    // drawn nearest to its pen position within the pixel, laid over what is there.
    long nPen64 = bFits ? (64L * TITLE_STRIP_WIDTH - nWidth) / 2 / 64 * 64 : 0;
    for (size_t i = 0; bFits && i < strTitle.size(); i++) {
        const TitleLetter& letter = *FindTitleLetter(letters, strTitle[i]);
        long nPhase = (nPen64 % 64 * letters.nPhases + 32) / 64, xPixel = nPen64 / 64;
        if (nPhase == letters.nPhases) {
            nPhase = 0;
            xPixel++;
        }
        int xCell = letter.x + (int)nPhase * letter.cx;
        for (int y = 0; y < TITLE_STRIP_HEIGHT; y++)
            for (int dx = 0; dx < letter.cx; dx++) {
                long x = xPixel + letter.nBearing + dx;
                if (x < 0 || x >= TITLE_STRIP_WIDTH)
                    continue;
                unsigned nNew = letters.ink[(size_t)y * letters.nBitsWidth + xCell + dx];
                uint8_t& nInk = abInk[y * TITLE_STRIP_WIDTH + x];
                nInk = (uint8_t)(nInk + (nNew * (255 - nInk) + 127) / 255);
            }
        nPen64 += letter.nAdvance64 + letters.nSpacing64;
    }
    for (int n = 0; n < TITLE_STRIP_WIDTH * TITLE_STRIP_HEIGHT; n++)
        for (int c = 0; c < 3; c++) {
            int nInk = abInk[n];
            lpBgrx[4 * n + 2 - c] =
                (uint8_t)((letters.abPaper[c] * (255 - nInk) + letters.abInk[c] * nInk + 127) /
                          255);
        }
    for (int n = 0; n < TITLE_STRIP_WIDTH * TITLE_STRIP_HEIGHT; n++)
        lpBgrx[4 * n + 3] = 0;
    return bFits;
}
