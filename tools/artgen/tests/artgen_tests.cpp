// The generated art as the program reads it: whole bitmaps, and pages a child can colour.
#include "art.h"
#include "pages/my_pages.h"
#include "pages/title_letters.h"
#include "shell/base/languages.h"
#include "support/reference_fill.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const FileSet& Art() {
    static const FileSet files = MakeAllArt();
    return files;
}

uint32_t U32(const Bytes& b, size_t i) {
    return b[i] | b[i + 1] << 8 | b[i + 2] << 16 | uint32_t(b[i + 3]) << 24;
}

TEST(ArtFiles, EveryBitmapIsWholeAndUncompressed) {
    int nBitmaps = 0;
    for (const auto& [name, b] : Art()) {
        if (name.size() < 4 || name.substr(name.size() - 4) != ".bmp")
            continue;
        SCOPED_TRACE(name);
        nBitmaps++;
        ASSERT_GE(b.size(), 54u);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 2), "BM");
        EXPECT_EQ(U32(b, 2), b.size());
        EXPECT_EQ(U32(b, 14), 40u);
        EXPECT_EQ(U32(b, 30), 0u);
        const uint32_t nBits = b[28], nRowBytes = (U32(b, 18) * nBits + 31) / 32 * 4;
        EXPECT_TRUE(nBits == 8 || nBits == 24);
        EXPECT_EQ(U32(b, 10), nBits == 8 ? 1078u : 54u);
        EXPECT_EQ(b.size(), U32(b, 10) + nRowBytes * U32(b, 22));
    }
    // The skin's pictures, palette page buttons and swatches, and the Page Maker's window.
    EXPECT_EQ(nBitmaps, 30 + 232 + 24);
}

// Each page as a child meets it: a few dozen closed areas, none a speck, no two touching only
// at a corner (a fill would leak through), bold lines on mostly paper, and all five different.
TEST(Pages, AreCleanColouringPages) {
    std::vector<std::vector<uint8_t>> seen;
    for (const char* name : {"BAT.TW3", "BUSHBABY.TW3", "KIWI.TW3", "SNAIL.TW3", "WALRUS.TW3"}) {
        SCOPED_TRACE(name);
        const Bytes& b = Art().at(name);
        const uint32_t nOff = U32(b, 10);
        ASSERT_EQ(b.size(), nOff + 84 * 460);
        EXPECT_EQ(std::vector<uint32_t>({b[0], b[1], U32(b, 6), U32(b, 18), U32(b, 22), b[28]}),
                  std::vector<uint32_t>({'T', '3', 0, 660, 460, 1}));
        const int w = 660, h = 460; // 1 paper, 0 ink, top row first
        std::vector<uint8_t> px(w * h);
        for (int i = 0; i < w * h; ++i)
            px[i] = b[nOff + 84 * (459 - i / w) + i % w / 8] >> (7 - i % w % 8) & 1;
        std::vector<uint8_t> areas = px;
        std::vector<int32_t> queue;
        int nAreas = 0, nInk = 0, nCorners = 0;
        for (int i = 0; i < w * h; ++i) {
            nInk += !px[i];
            if (areas[i] != 1)
                continue;
            nAreas++;
            EXPECT_GE(ReferenceFill(areas.data(), w, h, i % w, i / w, 2, queue), 31) << i;
            areas[i] = 2; // a lone pixel is left as it was
        }
        for (int y = 0; y + 1 < h; ++y)
            for (int x = 0; x + 1 < w; ++x) {
                const uint8_t* p = &px[y * w + x];
                nCorners += p[0] == p[w + 1] && p[1] == p[w] && p[0] != p[1];
            }
        EXPECT_GE(nAreas, 15);
        EXPECT_LE(nAreas, 60);
        EXPECT_EQ(nCorners, 0);
        EXPECT_GT(nInk, w * h / 25);
        EXPECT_LT(nInk, w * h / 4);
        for (const auto& other : seen)
            EXPECT_NE(other, px);
        seen.push_back(px);
    }
}

// Where the child sees the crayon's tip is where the colour goes: the cursor's hot spot is an
// opaque pixel with transparency close by.
TEST(Cursor, HotSpotIsTheCrayonsTip) {
    const Bytes& cur = Art().at("EditCursor.cur");
    ASSERT_GE(cur.size(), 22u + 40 + 32 * 32 * 4);
    const int xHot = cur[10] | cur[11] << 8, yHot = cur[12] | cur[13] << 8;
    const uint32_t nOff = U32(cur, 18);
    ASSERT_LE(size_t(nOff) + 40 + 32 * 32 * 4, cur.size());
    auto Alpha = [&](int x, int y) {
        return x < 0 || y < 0 || x > 31 || y > 31
                   ? 0
                   : cur[nOff + 40 + (size_t(31 - y) * 32 + x) * 4 + 3];
    };
    EXPECT_GT(Alpha(xHot, yHot), 100);
    int nClear = 0;
    for (int d = 0; d < 49; ++d)
        nClear += Alpha(xHot + d % 7 - 3, yHot + d / 7 - 3) == 0;
    EXPECT_GT(nClear, 20);
}

// A title set from the letters looks as the strips drawn whole do: the five pages' titles come
// out within a few levels of their strips, pixel for pixel, and so will a parent's title.
TitleLetters ArtTitleLetters() {
    const Bytes& bmp = Art().at("TitleLetters.bmp");
    const Bytes& table = Art().at("TitleLetters.txt");
    TitleLetters letters;
    EXPECT_TRUE(ParseTitleLetters(std::string(table.begin(), table.end()), bmp.data() + 14,
                                  bmp.size() - 14, &letters));
    return letters;
}

TEST(TitleLetters, SetTheFivesTitlesAsTheirStripsShowThem) {
    const TitleLetters letters = ArtTitleLetters();
    const Bytes& titles = Art().at("Titles.bmp");
    const struct {
        const char* lpszTitle;
        int nStrip;
    } pages[] = {{"BAT", 3}, {"BUSHBABY", 7}, {"KIWI", 29}, {"SNAIL", 44}, {"WALRUS", 48}};
    for (const auto& page : pages) {
        SCOPED_TRACE(page.lpszTitle);
        uint8_t abStrip[TITLE_STRIP_WIDTH * TITLE_STRIP_HEIGHT * 4];
        ASSERT_TRUE(ComposeTitleStrip(letters, page.lpszTitle, abStrip));
        int nWorst = 0, nInkPixels = 0;
        for (int y = 0; y < TITLE_STRIP_HEIGHT; ++y)
            for (int x = 0; x < TITLE_STRIP_WIDTH; ++x) {
                const uint32_t nRow = 510 - 1 - (10 * page.nStrip + y); // bottom-up rows
                const uint8_t* lpColour = &titles[54 + 4 * titles[1078 + 140 * nRow + x]];
                for (int c = 0; c < 3; ++c) {
                    int d = std::abs(lpColour[c] - abStrip[4 * (y * TITLE_STRIP_WIDTH + x) + c]);
                    nWorst = std::max(nWorst, d);
                }
                nInkPixels += lpColour[1] < 128;
            }
        EXPECT_GT(nInkPixels, 10);
        EXPECT_LE(nWorst, 12); // of 255
    }
}

// A parent's title in the family's capitals: each capital a title may have is among the letters,
// a title is set in one size even where only some letters need the smaller one, and the accents
// show above their letters rather than being cut off at the strip's top.
TEST(TitleLetters, SetTitlesInTheCapitalsOfEveryLanguage) {
    const TitleLetters letters = ArtTitleLetters();
    const std::string strCapitals = szMoreTitleCapitals;
    for (size_t i = 0, cb = 2; i < strCapitals.size(); i += cb) {
        cb = (uint8_t)strCapitals[i] >= 0xE0 ? 3 : 2; // each a two- or three-byte sequence
        const std::string strLetter = strCapitals.substr(i, cb);
        EXPECT_EQ(CheckTitleLetters(strLetter), TITLE_OK) << strLetter;
        EXPECT_TRUE(FitsTitlePlate(letters, "A" + strLetter + "Q")) << strLetter;
    }
    uint8_t abStrip[TITLE_STRIP_WIDTH * TITLE_STRIP_HEIGHT * 4];
    for (const char* lpszTitle : {"МОЙ ДОМ", "ÜBER DEN WOLKEN", "ŻÓŁW ĄĘ"})
        EXPECT_TRUE(ComposeTitleStrip(letters, lpszTitle, abStrip)) << lpszTitle;
    // "UÜ": the top row of each letter's ink, U left of the middle and Ü right of it.
    ASSERT_TRUE(ComposeTitleStrip(letters, "UÜ", abStrip));
    int yTop[2] = {TITLE_STRIP_HEIGHT, TITLE_STRIP_HEIGHT};
    for (int y = TITLE_STRIP_HEIGHT - 1; y >= 0; y--)
        for (int x = 0; x < TITLE_STRIP_WIDTH; x++)
            if (abStrip[4 * (y * TITLE_STRIP_WIDTH + x) + 1] < 160)
                yTop[x >= TITLE_STRIP_WIDTH / 2] = y;
    EXPECT_LT(yTop[1], yTop[0] - 1) << "the dots stand above the U";
    EXPECT_GT(yTop[0], 1) << "the U is set smaller beside the Ü";
}

} // namespace

namespace {

// Every other language has every worded picture at the English one's size, listed in the
// resource script under its language with the English resource name.
TEST(WordedArt, EveryLanguageHasEveryWordedPictureListed) {
    const FileSet worded = MakeWordedArt(EnglishArtWords()), lang = MakeLanguageArt();
    const std::string sScript(lang.at("lang/lang_art.rc").begin(),
                              lang.at("lang/lang_art.rc").end());
    EXPECT_EQ(worded.size(), 14u);
    for (int n = 1; n < LANGUAGE_COUNT; ++n) {
        const BookLanguage& l = BookLanguages[n];
        SCOPED_TRACE(l.lpszTag);
        char szLanguage[32];
        std::snprintf(szLanguage, sizeof szLanguage, "LANGUAGE 0x%02X, 0x%02X\n", l.wPrimary,
                      l.wSub);
        EXPECT_NE(sScript.find(szLanguage), std::string::npos);
        for (const auto& [name, en] : worded) {
            const std::string sFile = std::string("lang/") + l.lpszTag + "/" + name;
            ASSERT_EQ(lang.count(sFile), 1u) << name;
            const Bytes& b = lang.at(sFile);
            EXPECT_EQ(b.size(), en.size()) << name;
            EXPECT_EQ(U32(b, 18) * 10000 + U32(b, 22), U32(en, 18) * 10000 + U32(en, 22));
            const std::string sLine = name.substr(0, name.size() - 4) + " BITMAP \"" + sFile + "\"";
            EXPECT_NE(sScript.find(sLine), std::string::npos) << sLine;
        }
        // The pictures in the language's own words, not the English ones.
        EXPECT_NE(lang.at(std::string("lang/") + l.lpszTag + "/Titles.bmp"),
                  Art().at("Titles.bmp"));
    }
    EXPECT_EQ(sScript.substr(sScript.rfind("LANGUAGE")), "LANGUAGE 0x09, 0x01\n");
}

// A word too long for its button, plate or strip, or a missing one, stops the build with the
// picture and the word named rather than a clipped or blank picture.
TEST(WordedArt, AWordThatDoesNotFitOrIsMissingIsRefused) {
    const struct {
        const char* lpszKey;
        const char* lpszWord;
        const char* lpszPicture;
    } Cases[] = {
        {"button.quit", "Beendigungsknopf", "QuitBtn"},
        {"button.ok", "Einverstanden", "OKButtonUp"},
        {"button.about", "Malbuchinformationsverzeichnis", "AboutUp"},
        {"printopt.title", "Einstellungen fuer den Drucker des Hauses", "PrintOptions"},
        {"printopt.alternate2", "Zweite Moeglichkeit (wenn gar nichts anderes mehr geht)",
         "PrintOptions"},
        {"animal.07", "BUSCHBABYBUSCHBABYBUSCHBABYBUSCH", "Titles: title strip 7"},
        {"button.done", "", "no word for button.done"},
    };
    for (const auto& c : Cases) {
        Words words = EnglishArtWords();
        words[c.lpszKey] = c.lpszWord;
        try {
            MakeWordedArt(words);
            ADD_FAILURE() << c.lpszKey << " accepted";
        } catch (const CLabelError& e) {
            EXPECT_NE(std::string(e.what()).find(c.lpszPicture), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.lpszWord), std::string::npos) << e.what();
        }
    }
}

} // namespace
