// The title lettering's letters, drawn once by the art generator, and a title strip composed from
// them for any title: how the parent's pages get titles in the same letters as the five.
// Window-free; title_letters_win.cpp finds the two resources.
//
// The letters come as two resources: a bitmap of the letters' ink (8 bits a pixel, the value
// being how much of the pixel is ink, 0..255, TITLE_STRIP_HEIGHT rows) and a text table:
//   Tintwell 3 title letters 1
//   height 10            rows of the bitmap and of a strip
//   phases 4             each letter is drawn at this many positions within a pixel
//   spacing 64           space between letters, in 1/64 pixel
//   ink R G B            the lettering's colour
//   paper R G B          the title plate's colour
//   letter 0041 X W B A  code point (hex, any plane), its first cell's left column X and width W
//                        (cell p, drawn p/phases pixel further right, starts at X + p * W), the
//                        cell's left edge from the pen B (pixels), the advance A (1/64 pixel)
// Capitals with accents above or feet below do not fit the strip at the letters' full size. Each
// smaller size they are drawn at is a set of its own: set k (1, 2, ...) holds at code point
// TITLE_LETTER_SETS + k * TITLE_LETTER_SET + c the letter c (below U+1000) drawn at that size, the
// plain capitals among them, so that a title is set wholly in one size: the first set, from the
// full size on, that has all of its letters.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum {
    TITLE_STRIP_WIDTH = 140, // the title plate's strip below the page
    TITLE_STRIP_HEIGHT = 10,
    TITLE_LETTER_SETS = 0xF0000, // the smaller letters' code points, in private use
    TITLE_LETTER_SET = 0x1000,   // apart from set to set
};

struct TitleLetter {
    uint32_t nCodePoint;
    int x;          // first cell's left column in the bitmap
    int cx;         // a cell's width
    int nBearing;   // cell's left edge from the pen position, in pixels
    int nAdvance64; // pen advance, 1/64 pixel
};

struct TitleLetters {
    int nPhases = 1;
    int nSpacing64 = 0;
    uint8_t abInk[3] = {0, 0, 0};     // red, green, blue
    uint8_t abPaper[3] = {0, 0, 0};   // red, green, blue
    std::vector<TitleLetter> letters; // in ascending code point order
    int nBitsWidth = 0;
    std::vector<uint8_t> ink; // nBitsWidth x TITLE_STRIP_HEIGHT, top-down rows
};

// Reads the table's text and the bitmap's DIB (info header, colour table, pixels, as a bitmap
// resource holds it). FALSE when either is damaged or a cell lies outside the bitmap.
int ParseTitleLetters(const std::string& strTable, const uint8_t* lpDib, size_t cbDib,
                      TitleLetters* lpLetters);

// The letter for a code point, or null.
const TitleLetter* FindTitleLetter(const TitleLetters& letters, uint32_t nCodePoint);

// The code points of UTF-8 text; a broken sequence gives U+FFFD, which no letter has.
std::u32string DecodeUtf8(const std::string& strText);

// The title's letters as the strip sets them: the code points themselves when the letters have
// them all, else those of the first set of smaller letters that has them all; else the title as it
// is.
std::u32string TitleLetterCodes(const TitleLetters& letters, const std::u32string& strTitle);

// The width of letters' codes in 1/64 pixel, as the strip sets them; -1 when a letter is missing.
long MeasureTitle(const TitleLetters& letters, const std::u32string& strTitle);

// Whether the title can be set on the plate: every letter there, and the width within it.
int FitsTitlePlate(const TitleLetters& letters, const std::string& strTitleUtf8);

// Sets the title centred in a strip, TITLE_STRIP_WIDTH x TITLE_STRIP_HEIGHT pixels of blue,
// green, red and 0 (top-down rows): the plate's colour with the ink over it. FALSE (strip of
// plain paper) when the title does not fit.
int ComposeTitleStrip(const TitleLetters& letters, const std::string& strTitleUtf8,
                      uint8_t* lpBgrx);

// The letters in the running program's resources, read once; null when they are not there.
const TitleLetters* GetTitleLetters();
