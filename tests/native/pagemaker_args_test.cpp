// The page maker's command line: what a parent may type, what is refused and why, and the
// picture sizes it takes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "pagemaker/command_line.h"

namespace {

// The arguments parsed as "picture > page gap N lines L", or "refused: " and the sentence.
std::string Parsed(const std::string& strLine) {
    std::vector<std::string> args;
    std::istringstream words(strLine);
    for (std::string strWord; words >> strWord;)
        args.push_back(strWord);
    PagemakerArgs parsed;
    std::string strError;
    if (!ParsePagemakerArgs(args, MakeSettings{7, MAKE_LINES_NORMAL}, &parsed, &strError))
        return "refused: " + strError;
    std::string strTarget =
        parsed.bAdd ? "book" + (parsed.bTitle ? " as " + parsed.strTitle : "") : parsed.strPage;
    return parsed.strPicture + " > " + strTarget + " gap " + std::to_string(parsed.settings.nGap) +
           " lines " + std::to_string(parsed.settings.nLines);
}

TEST(PagemakerArgs, OnlyTheNamedSwitchesAreSwitchesAndEveryMistakeIsNamed) {
    const char* cases[][2] = {
        {"cat.png cat.TW3", "cat.png > cat.TW3 gap 7 lines 0"},
        {"/home/me/cat.png /home/me/cat.tw3", "/home/me/cat.png > /home/me/cat.tw3 gap 7 lines 0"},
        {"/GAP 12 a.png C:\\p\\b.Tw3 /Lines Darker", "a.png > C:\\p\\b.Tw3 gap 12 lines 1"},
        {"a.png /lines lighter b.TW3 /gap 0", "a.png > b.TW3 gap 0 lines -1"},
        {"/gap 31 a.png b.TW3", "refused: /gap takes a number of pixels from 0 to 30, not \"31\"."},
        {"/gap -1 a.png b.TW3", "refused: /gap takes a number of pixels from 0 to 30, not \"-1\"."},
        {"a.png b.TW3 /gap", "refused: /gap needs a value after it."},
        {"/lines bold a.png b.TW3",
         "refused: /lines takes \"lighter\" or \"darker\", not \"bold\"."},
        {"a.png b.bmp", "refused: The page file's name must end in .TW3, as \"b.bmp\" does not."},
        {"a.png .TW3", "refused: The page file's name must end in .TW3, as \".TW3\" does not."},
        {"a.png b.TW3 /gpa 5", // a mistyped switch is a name
         "refused: Name one picture and one page file only; \"/gpa\" is one name too many."},
        {"a.png", "refused: Name the page file to make after the picture."},
        {"/add cat.png", "cat.png > book gap 7 lines 0"},
        {"/ADD /title CAT cat.png /gap 3", "cat.png > book as CAT gap 3 lines 0"},
        {"/add /lines darker cat.TW3", "cat.TW3 > book gap 7 lines 1"},
        {"/add", "refused: Name the picture to add to the book after /add."},
        {"/add cat.png dog.png", "refused: Name one picture to add only; \"dog.png\" is one name "
                                 "too many."},
        {"/add cat.png /title", "refused: /title needs a value after it."},
        {"a.png b.TW3 /title CAT", "refused: /title goes with /add: a page file has no title."},
        {"a.png /add b.TW3", "refused: Name one picture and one page file only; \"b.TW3\" is one "
                             "name too many."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parsed(c[0]), c[1]) << c[0];
}

int FitsEightLetters(const std::string& strTitle) {
    return strTitle.size() <= 8;
}

TEST(PagemakerArgs, APictureAddedWithoutATitleIsTitledByItsName) {
    EXPECT_EQ(TitleForPicture("C:\\Pictures\\my cat.png", FitsEightLetters), "MY CAT");
    EXPECT_EQ(TitleForPicture("/home/me/big red bus.jpg", FitsEightLetters), "BIG RED");
    EXPECT_EQ(TitleForPicture("hippopotamus.png", FitsEightLetters), "HIPPOPOT");
    EXPECT_EQ(TitleForPicture("\xe7\x8c\xab.png", FitsEightLetters), "MY PAGE");
}

TEST(PagemakerArgs, PicturesUpToTheLimitsAreTakenAndLargeOnesDecodedSmaller) {
    EXPECT_EQ(CheckPictureSize(0, 480), DECODE_EMPTY);
    EXPECT_EQ(CheckPictureSize(30001, 2), DECODE_TOO_LARGE);
    EXPECT_EQ(CheckPictureSize(10000, 10001), DECODE_TOO_LARGE); // 100.01 megapixels
    EXPECT_EQ(CheckPictureSize(0xFFFFFFFF, 0xFFFFFFFF), DECODE_TOO_LARGE);
    EXPECT_EQ(CheckPictureSize(30000, 3333), DECODE_OK);
    const uint64_t nMax = PICTURE_DECODED_MEGAPIXELS * 1000000;
    for (uint64_t w : {4000, 8000, 30000}) {
        uint64_t h = w == 30000 ? 3333 : w * 3 / 4; // 16, 48 and 100 megapixels
        uint32_t cx = 0, cy = 0;
        GetDecodedSize(w, h, &cx, &cy);
        if (w * h <= nMax) {
            EXPECT_TRUE(cx == w && cy == h) << w;
            continue;
        }
        EXPECT_LE(cx * (uint64_t)cy, nMax) << w;
        EXPECT_GE(cx * (uint64_t)cy * 1000, nMax * 999) << w;
        EXPECT_LE(llabs((int64_t)(cx * h) - (int64_t)(cy * w)), (int64_t)w) << "proportions kept";
    }
}

} // namespace
