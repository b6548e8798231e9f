// The parent's pages' index and titles: what is kept, what a damaged index still gives, names
// that never come back, and which titles are taken.
#include <gtest/gtest.h>

#include "pages/my_pages.h"
#include "pages/title_letters.h"

namespace {

std::string Listed(const MyPagesIndex& index) {
    std::string str = "next " + std::to_string(index.nNext) + ":";
    for (const MyPage& page : index.pages)
        str += " " + page.strFile + "=" + page.strTitle;
    return str;
}

TEST(MyPagesIndex, ReadsBackWhatItWrote) {
    MyPagesIndex index;
    index.pages = {{"P0003.TW3", "MY CAT"}, {"P0001.TW3", "BAT"}};
    index.nNext = 9;
    MyPagesIndex read;
    EXPECT_TRUE(ParseMyPagesIndex(SerializeMyPagesIndex(index), &read));
    EXPECT_EQ(Listed(read), "next 9: P0003.TW3=MY CAT P0001.TW3=BAT");
    // An empty index, and one edited by hand without carriage returns.
    EXPECT_TRUE(ParseMyPagesIndex(SerializeMyPagesIndex(MyPagesIndex()), &read));
    EXPECT_EQ(Listed(read), "next 1:");
    EXPECT_TRUE(ParseMyPagesIndex("Tintwell 3 pages 1\nnext 4\np0002.tw3 DOG\n\n", &read));
    EXPECT_EQ(Listed(read), "next 4: p0002.tw3=DOG");
}

TEST(MyPagesIndex, DamageKeepsEveryGoodLineAndNeverLowersTheNextNumber) {
    const char* cases[][2] = {
        {"", "next 1:"},
        {"\x01\xff garbage", "next 1:"},
        // no header: the lines are still read
        {"next 3\nP0001.TW3 CAT\n", "next 3: P0001.TW3=CAT"},
        // a page named twice, a bad title, a name of the five, a line cut short: each dropped,
        // and the numbers of the dropped names are used all the same
        {"Tintwell 3 pages 1\nnext 2\nP0001.TW3 CAT\nP0001.TW3 DOG\nP0007.TW3 cat\n"
         "BAT.TW3 BAT\nP0012.TW3\nP0004.TW3  TWO  SPACES\n",
         "next 13: P0001.TW3=CAT"},
        {"Tintwell 3 pages 1\nnext 99999999999\nP0002.TW3 A\n", "next 3: P0002.TW3=A"},
        {"Tintwell 3 pages 1\nnext 50\nP0002.TW3 A\nnext 60\n", "next 50: P0002.TW3=A"},
    };
    for (const auto& c : cases) {
        MyPagesIndex index;
        EXPECT_FALSE(ParseMyPagesIndex(c[0], &index)) << c[0];
        EXPECT_EQ(Listed(index), c[1]) << c[0];
    }
    // More pages than the book takes: the first twenty.
    std::string strText = "Tintwell 3 pages 1\nnext 30\n";
    for (int n = 1; n <= 25; n++)
        strText += MyPageFileName(n) + " PAGE " + std::to_string(n) + "\n";
    MyPagesIndex index;
    EXPECT_FALSE(ParseMyPagesIndex(strText, &index));
    ASSERT_EQ(index.pages.size(), (size_t)MY_PAGES_MAX);
    EXPECT_EQ(index.pages.back().strTitle, "PAGE 20");
    EXPECT_EQ(index.nNext, 30u);
}

TEST(MyPagesIndex, PageFileNamesAreNumberedAndNeverThoseOfTheFive) {
    EXPECT_EQ(MyPageFileName(7), "P0007.TW3");
    EXPECT_EQ(MyPagePath("P0007.TW3"), "MyPages\\P0007.TW3");
    unsigned n = 0;
    EXPECT_TRUE(ParseMyPageFileName("p0123.Tw3", &n));
    EXPECT_EQ(n, 123u);
    for (const char* lpszName :
         {"BAT.TW3", "P0000.TW3", "P123.TW3", "P0001.TW30", "P00A1.TW3", "P0001.BMP", "P0001 TW3"})
        EXPECT_FALSE(ParseMyPageFileName(lpszName, &n)) << lpszName;
}

TEST(MyPageTitles, CapitalsDigitsAndSpacesOnly) {
    EXPECT_EQ(TidyTitle("  MY   CAT 2 "), "MY CAT 2");
    for (const char* lpszTitle : {" MY CAT 2 ", "K\xc3\x96NIG", "МОЙ ДОМ 2", "ŻÓŁW"})
        EXPECT_EQ(CheckTitleLetters(lpszTitle), TITLE_OK) << lpszTitle;
    EXPECT_EQ(CheckTitleLetters("   "), TITLE_EMPTY);
    for (const char* lpszTitle : {"My cat", "CAT!", "CAT\tDOG", "K\xc3\xb6NIG",
                                  "STRA\xc3\x9f"
                                  "E",
                                  "\xd0\x9c\xd0", "мой", "\xc3\x9c\xcc\x88"})
        EXPECT_EQ(CheckTitleLetters(lpszTitle), TITLE_BAD_LETTER) << lpszTitle;
    EXPECT_EQ(CheckTitleLetters(std::string(65, 'A')), TITLE_TOO_WIDE);
    EXPECT_EQ(TitleFromFileName("C:\\Pictures\\my_cat-2.final.png", 40), "MY CAT 2 FINAL");
    EXPECT_EQ(TitleFromFileName("/home/me/Grüße am Meer.jpg", 40), "GRÜ E AM MEER");
    EXPECT_EQ(TitleFromFileName("мой дом ёжик.png", 40), "МОЙ ДОМ ЁЖИК");
    EXPECT_EQ(TitleCapitals("żółw ąćęłńśź œÿ ñé 7€"), "ŻÓŁW ĄĆĘŁŃŚŹ ŒŸ ÑÉ 7€");
    EXPECT_EQ(TitleFromFileName("dinosaur with hat.png", 12), "DINOSAUR WIT");
    EXPECT_EQ(TitleFromFileName("hello world.png", 6), "HELLO");
    EXPECT_EQ(TitleFromFileName("___.png", 10), "");
}

// A and B 4 pixels wide, the space 2.5, 1 pixel between letters; cells 4 wide, drawn at two
// positions within a pixel: strips the test can work out by hand.
TitleLetters TestLetters() {
    const int nWidth = 16;
    std::vector<uint8_t> dib(40 + 256 * 4 + nWidth * TITLE_STRIP_HEIGHT);
    dib[0] = 40;
    dib[4] = nWidth;
    dib[8] = TITLE_STRIP_HEIGHT;
    dib[12] = 1;
    dib[14] = 8;
    for (int i = 0; i < 256; i++) // index i is grey 255 - i: i is the ink
        dib[40 + 4 * i] = dib[41 + 4 * i] = dib[42 + 4 * i] = (uint8_t)(255 - i);
    uint8_t* lpBits = &dib[40 + 1024];
    for (int y = 0; y < TITLE_STRIP_HEIGHT; y++)
        for (int x = 0; x < nWidth; x++) // A: full ink in its cell's column 1; B: half
            lpBits[(TITLE_STRIP_HEIGHT - 1 - y) * nWidth + x] = x == 1    ? 255
                                                                : x == 6  ? 255
                                                                : x == 9  ? 128
                                                                : x == 14 ? 128
                                                                          : 0;
    const std::string strTable =
        "Tintwell 3 title letters 1\nheight 10\nphases 2\nspacing 64\n"
        "ink 0 0 100\npaper 200 200 200\n# a comment\n"
        "letter 42 8 4 -1 256\nletter 41 0 4 -1 256\nletter 20 0 0 0 160\n";
    TitleLetters letters;
    EXPECT_TRUE(ParseTitleLetters(strTable, dib.data(), dib.size(), &letters));
    std::string strBadTable = strTable + "letter 43 9 4 0 256\n"; // its second cell past the end
    TitleLetters bad;
    EXPECT_FALSE(ParseTitleLetters(strBadTable, dib.data(), dib.size(), &bad));
    EXPECT_FALSE(ParseTitleLetters("Tintwell 3 title letters 1\nphases 0\n" + strTable.substr(27),
                                   dib.data(), dib.size(), &bad));
    EXPECT_FALSE(ParseTitleLetters(strTable, dib.data(), dib.size() - 1, &bad));
    return letters;
}

TEST(TitleStrips, LettersAreSetCentredAtTheirPositionWithinAPixel) {
    TitleLetters letters = TestLetters();
    EXPECT_EQ(MeasureTitle(letters, DecodeUtf8("AB A")), 3 * 256 + 160 + 3 * 64);
    EXPECT_EQ(MeasureTitle(letters, DecodeUtf8("AC")), -1);
    EXPECT_EQ(DecodeUtf8("A\xc3\x96\xe2\x82\xac\xf0\x9f\x98\x80\xff"),
              std::u32string(U"A\u00D6\u20AC\U0001F600\uFFFD"));
    uint8_t abStrip[TITLE_STRIP_WIDTH * TITLE_STRIP_HEIGHT * 4];
    // "AB": 4 + 1 + 4 = 9 pixels wide, so the pen starts at (140 - 9) / 2 = 65.5, set on 65; each
    // cell starts a pixel left of the pen and has its ink one column in: A at 65, B (half) at 70.
    ASSERT_TRUE(ComposeTitleStrip(letters, "AB", abStrip));
    std::string strRow;
    for (int x = 60; x < 76; x++)
        strRow += abStrip[4 * (5 * TITLE_STRIP_WIDTH + x) + 1] == 200 ? '.'
                  : abStrip[4 * (5 * TITLE_STRIP_WIDTH + x) + 1] == 0 ? '#'
                                                                      : '+';
    EXPECT_EQ(strRow, ".....#....+.....");
    EXPECT_EQ(abStrip[4 * (5 * TITLE_STRIP_WIDTH + 65) + 0], 100); // blue, green, red order
    EXPECT_EQ(abStrip[4 * (5 * TITLE_STRIP_WIDTH + 70) + 0], (200 * 127 + 100 * 128 + 127) / 255);
    // " A": 7.5 pixels wide, the pen from 66.25 set on 66; A's pen at 66 + 2.5 + 1 = 69.5 takes
    // its second cell, whose ink is two columns in from 68.
    ASSERT_TRUE(ComposeTitleStrip(letters, " A", abStrip));
    std::string strInk;
    for (int x = 0; x < TITLE_STRIP_WIDTH; x++)
        if (abStrip[4 * (5 * TITLE_STRIP_WIDTH + x) + 1] != 200)
            strInk += std::to_string(x) + " ";
    EXPECT_EQ(strInk, "70 ");
    // 28 letters of A fit 140 pixels (4 * 28 + 27 = 139), 29 do not, and give plain paper.
    EXPECT_TRUE(FitsTitlePlate(letters, std::string(28, 'A')));
    EXPECT_FALSE(FitsTitlePlate(letters, std::string(29, 'A')));
    EXPECT_FALSE(ComposeTitleStrip(letters, std::string(29, 'A'), abStrip));
    EXPECT_EQ(abStrip[4 * (5 * TITLE_STRIP_WIDTH + 70) + 1], 200);
}

} // namespace
