// The page maker's command line: what a parent may type, what is refused and why, and the
// picture sizes it takes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "pagemaker/command_line.h"

namespace {

TEST(PagemakerArgs, OnlyTheNamedSwitchesAreSwitchesAndEveryMistakeIsNamed) {
    const MakeSettings defaults = {7, MAKE_LINES_NORMAL};
    const struct {
        std::vector<std::string> args;
        const char* lpszPicture; // null: refused, and the error names lpszPage
        const char* lpszPage;
        int nGap, nLines;
    } cases[] = {
        {{"cat.png", "cat.TW3"}, "cat.png", "cat.TW3", 7, MAKE_LINES_NORMAL},
        {{"/home/me/cat.png", "/home/me/cat.tw3"}, "/home/me/cat.png", "/home/me/cat.tw3", 7, 0},
        {{"/GAP", "12", "a b.png", "C:\\p\\b.Tw3", "/Lines", "Darker"},
         "a b.png",
         "C:\\p\\b.Tw3",
         12,
         MAKE_LINES_DARKER},
        {{"a.png", "/lines", "lighter", "b.TW3", "/gap", "0"},
         "a.png",
         "b.TW3",
         0,
         MAKE_LINES_LIGHTER},
        {{"/gap", "31", "a.png", "b.TW3"}, NULL, "31"},
        {{"/gap", "-1", "a.png", "b.TW3"}, NULL, "-1"},
        {{"a.png", "b.TW3", "/gap"}, NULL, "/gap needs a value"},
        {{"/lines", "bold", "a.png", "b.TW3"}, NULL, "bold"},
        {{"a.png", "b.bmp"}, NULL, "b.bmp"},
        {{"a.png", ".TW3"}, NULL, ".TW3"},
        {{"a.png", "b.TW3", "c.TW3"}, NULL, "c.TW3"},
        {{"a.png", "b.TW3", "/gpa", "5"}, NULL, "/gpa"}, // a mistyped switch is a name
        {{"a.png"}, NULL, "page file"},
        {{}, NULL, "Name a picture"},
    };
    for (const auto& c : cases) {
        PagemakerArgs parsed;
        std::string strError;
        int bTaken = ParsePagemakerArgs(c.args, defaults, &parsed, &strError);
        ASSERT_EQ(bTaken, c.lpszPicture != NULL) << c.lpszPage << " " << strError;
        if (!bTaken) {
            EXPECT_NE(strError.find(c.lpszPage), std::string::npos) << strError;
            continue;
        }
        EXPECT_EQ(parsed.strPicture, c.lpszPicture);
        EXPECT_EQ(parsed.strPage, c.lpszPage);
        EXPECT_EQ(parsed.settings.nGap, c.nGap) << c.lpszPage;
        EXPECT_EQ(parsed.settings.nLines, c.nLines) << c.lpszPage;
    }
}

TEST(PagemakerArgs, PicturesAreTakenUpToTheLimitsAndLargeOnesDecodedSmaller) {
    EXPECT_EQ(CheckPictureSize(0, 480), DECODE_EMPTY);
    EXPECT_EQ(CheckPictureSize(640, 0), DECODE_EMPTY);
    EXPECT_EQ(CheckPictureSize(30001, 2), DECODE_TOO_LARGE);
    EXPECT_EQ(CheckPictureSize(10000, 10001), DECODE_TOO_LARGE);
    EXPECT_EQ(CheckPictureSize(0xFFFFFFFF, 0xFFFFFFFF), DECODE_TOO_LARGE);
    EXPECT_EQ(CheckPictureSize(1, 1), DECODE_OK);
    EXPECT_EQ(CheckPictureSize(30000, 3333), DECODE_OK);

    const uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0};
    EXPECT_TRUE(HasPictureSignature(png, 8));
    EXPECT_FALSE(HasPictureSignature(png, 7)); // cut before its signature ends
    EXPECT_FALSE(HasPictureSignature((const uint8_t*)"Dear Grandma", 12));

    const uint32_t sizes[][2] = {{1, 1}, {4000, 4000}, {8160, 6120}, {30000, 3333}, {3, 30000}};
    for (const auto& s : sizes) {
        uint32_t cx = 0, cy = 0;
        GetDecodedSize(s[0], s[1], &cx, &cy);
        const uint64_t nPixels = (uint64_t)s[0] * s[1], nMax = PICTURE_DECODED_MEGAPIXELS * 1000000;
        if (nPixels <= nMax) {
            EXPECT_TRUE(cx == s[0] && cy == s[1]) << s[0] << " x " << s[1];
            continue;
        }
        EXPECT_LE((uint64_t)cx * cy, nMax) << s[0] << " x " << s[1];
        EXPECT_GE((uint64_t)cx * cy * 100, nMax * 99) << s[0] << " x " << s[1];
        // The proportions kept to a pixel.
        EXPECT_LE(std::abs((int64_t)cx * s[1] - (int64_t)cy * s[0]), (int64_t)s[0]);
    }
}

} // namespace
