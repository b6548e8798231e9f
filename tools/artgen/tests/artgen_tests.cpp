// Checks the generated files the way the program will read them.
#include "art.h"
#include "support/reference_fill.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

const FileSet& Art() {
    static const FileSet files = MakeAllArt();
    return files;
}

uint32_t U32(const Bytes& b, size_t i) {
    return uint32_t(b[i]) | uint32_t(b[i + 1]) << 8 | uint32_t(b[i + 2]) << 16 |
           uint32_t(b[i + 3]) << 24;
}
uint32_t Be32(const Bytes& b, size_t i) {
    return uint32_t(b[i]) << 24 | uint32_t(b[i + 1]) << 16 | uint32_t(b[i + 2]) << 8 | b[i + 3];
}
uint16_t U16(const Bytes& b, size_t i) {
    return uint16_t(b[i] | b[i + 1] << 8);
}

// A bitmap as read from its file, independently of the tool's own decoder.
struct Bmp {
    int w = 0, h = 0, bits = 0;
    std::vector<uint32_t> rgb; // top-down, 0xRRGGBB
    uint32_t At(int x, int y) const { return rgb[size_t(y) * w + x]; }
};

Bmp ReadBmp(const std::string& name) {
    Bmp bmp;
    auto it = Art().find(name);
    if (it == Art().end()) {
        ADD_FAILURE() << name << " is missing";
        return bmp;
    }
    const Bytes& b = it->second;
    EXPECT_GE(b.size(), 54u) << name;
    if (b.size() < 54)
        return bmp;
    EXPECT_EQ('B', b[0]) << name;
    EXPECT_EQ('M', b[1]) << name;
    EXPECT_EQ(b.size(), U32(b, 2)) << name;
    EXPECT_EQ(40u, U32(b, 14)) << name;
    bmp.w = int(U32(b, 18));
    bmp.h = int(U32(b, 22)); // positive: bottom-up
    bmp.bits = U16(b, 28);
    EXPECT_EQ(1, U16(b, 26)) << name;
    EXPECT_EQ(0u, U32(b, 30)) << name << " must be uncompressed";
    const uint32_t nOff = U32(b, 10);
    const size_t nRow = ((size_t(bmp.w) * bmp.bits + 31) / 32) * 4;
    EXPECT_EQ(b.size(), nOff + nRow * bmp.h) << name;
    if (bmp.bits == 8) {
        uint32_t nUsed = U32(b, 46);
        EXPECT_TRUE(nUsed == 0 || nUsed == 256) << name;
        EXPECT_EQ(54u + 1024u, nOff) << name;
    }
    if (b.size() < nOff + nRow * bmp.h || (bmp.bits != 8 && bmp.bits != 24))
        return bmp;
    bmp.rgb.resize(size_t(bmp.w) * bmp.h);
    for (int y = 0; y < bmp.h; ++y) {
        const uint8_t* r = &b[nOff + nRow * size_t(bmp.h - 1 - y)];
        for (int x = 0; x < bmp.w; ++x) {
            const uint8_t* p = bmp.bits == 24 ? r + 3 * x : &b[54 + 4 * size_t(r[x])];
            bmp.rgb[size_t(y) * bmp.w + x] = uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
        }
    }
    return bmp;
}

uint32_t Rgb32(int r, int g, int b) {
    return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
}

struct Expected {
    const char* name;
    int w, h, bits; // bits 0: 8 or 24
};

const Expected Sizes[] = {
    {"TopBottomBorder.bmp", 800, 140, 24},
    {"LeftRightBorder.bmp", 140, 460, 24},
    {"DotPattern.bmp", 8, 8, 24},
    {"DotPatternShadow.bmp", 8, 8, 24},
    {"Titles.bmp", 140, 510, 8},
    {"IntroBackGrd.bmp", 360, 360, 0},
    {"IntroScr.bmp", 332, 212, 0},
    {"OKButtonUp.bmp", 96, 46, 0},
    {"OKButtonDown.bmp", 96, 46, 0},
    {"QuitBtn.bmp", 96, 45, 8},
    {"QuitBtnDn.bmp", 96, 45, 8},
    {"PrintBtn.bmp", 79, 45, 8},
    {"PrintBtnDn.bmp", 79, 45, 8},
    {"ClearBtn.bmp", 79, 45, 8},
    {"ClearBtnDn.bmp", 79, 45, 8},
    {"InfoBtn.bmp", 96, 45, 8},
    {"InfoBtnDn.bmp", 96, 45, 8},
    {"UpBtn.bmp", 53, 45, 8},
    {"UpBtnDn.bmp", 53, 45, 8},
    {"DownBtn.bmp", 53, 45, 8},
    {"DownBtnDn.bmp", 53, 45, 8},
    {"DoneBtnUp.bmp", 208, 46, 0},
    {"DoneBtnDown.bmp", 208, 46, 0},
    {"AboutUp.bmp", 208, 46, 0},
    {"AboutDown.bmp", 208, 46, 0},
    {"PrintOptUp.bmp", 208, 46, 0},
    {"PrintOptDown.bmp", 208, 46, 0},
    {"AboutTextFrame.bmp", 324, 265, 0},
    {"PrintOptions.bmp", 248, 133, 0},
};

TEST(ArtFiles, EveryBitmapHasItsSizeAndDepth) {
    for (const Expected& e : Sizes) {
        Bmp bmp = ReadBmp(e.name);
        EXPECT_EQ(e.w, bmp.w) << e.name;
        EXPECT_EQ(e.h, bmp.h) << e.name;
        if (e.bits)
            EXPECT_EQ(e.bits, bmp.bits) << e.name;
        else
            EXPECT_TRUE(bmp.bits == 8 || bmp.bits == 24) << e.name;
    }
    for (int n = 91; n <= 324; ++n) {
        if (n > 98 && n < 101)
            continue;
        std::string name = "bmp" + std::to_string(n) + ".bmp";
        Bmp bmp = ReadBmp(name);
        EXPECT_EQ(46, bmp.w) << name;
        EXPECT_EQ(90, bmp.h) << name;
        EXPECT_EQ(8, bmp.bits) << name;
    }
}

TEST(ArtFiles, PressedAndSelectedLooksDifferFromNormal) {
    const char* const Pairs[][2] = {{"QuitBtn", "QuitBtnDn"},       {"PrintBtn", "PrintBtnDn"},
                                    {"ClearBtn", "ClearBtnDn"},     {"InfoBtn", "InfoBtnDn"},
                                    {"UpBtn", "UpBtnDn"},           {"DownBtn", "DownBtnDn"},
                                    {"OKButtonUp", "OKButtonDown"}, {"DoneBtnUp", "DoneBtnDown"},
                                    {"AboutUp", "AboutDown"},       {"PrintOptUp", "PrintOptDown"}};
    for (auto& p : Pairs)
        EXPECT_NE(ReadBmp(std::string(p[0]) + ".bmp").rgb, ReadBmp(std::string(p[1]) + ".bmp").rgb)
            << p[0];
    for (int n = 91; n <= 98; ++n) {
        Bmp bmp = ReadBmp("bmp" + std::to_string(n) + ".bmp");
        int nDiffer = 0;
        for (int y = 0; y < 45; ++y)
            for (int x = 0; x < 45; ++x)
                nDiffer += bmp.At(x, y) != bmp.At(x, y + 45);
        EXPECT_GT(nDiffer, 200) << "palette page button " << n << " looks the same when selected";
    }
    // Up goes back and Down goes forward: the two pictures must not be the same.
    EXPECT_NE(ReadBmp("UpBtn.bmp").rgb, ReadBmp("DownBtn.bmp").rgb);
}

int CountColour(const Bmp& bmp, int y0, uint32_t colour) {
    int n = 0;
    for (int y = y0; y < y0 + 45; ++y)
        for (int x = 0; x < 45; ++x)
            n += bmp.At(x, y) == colour;
    return n;
}

TEST(Swatches, ShowExactlyTheColourTheySelect) {
    for (int n = 0; n < 224; ++n) {
        Bmp bmp = ReadBmp("bmp" + std::to_string(101 + n) + ".bmp");
        if (bmp.rgb.empty())
            continue;
        const PageRgb& entry = PaletteColours[PIXEL_FIRST_COLOUR + n];
        uint32_t c = Rgb32(entry.red, entry.green, entry.blue);
        // The dot in the middle of the normal look, the disc of the selected look.
        EXPECT_EQ(c, bmp.At(22, 22)) << "swatch " << 101 + n;
        EXPECT_EQ(c, bmp.At(22, 45 + 22)) << "swatch " << 101 + n;
        int nSmall = CountColour(bmp, 0, c), nLarge = CountColour(bmp, 45, c);
        EXPECT_GE(nSmall, 120) << "swatch " << 101 + n;
        EXPECT_GE(nLarge, 700) << "swatch " << 101 + n;
        EXPECT_GT(nLarge, 3 * nSmall) << "swatch " << 101 + n;
    }
}

// Every button's corner shows the frame under it, so the buttons sit in their places.
TEST(Buttons, BlendIntoTheFrameWhereTheySit) {
    Bmp tb = ReadBmp("TopBottomBorder.bmp"), lr = ReadBmp("LeftRightBorder.bmp");
    ASSERT_FALSE(tb.rgb.empty());
    ASSERT_FALSE(lr.rgb.empty());
    auto Frame = [&](int x, int y) {
        if (y < 70)
            return tb.At(x, y);
        if (y >= 530)
            return tb.At(x, y - 460);
        return x < 70 ? lr.At(x, y - 70) : lr.At(x - 660, y - 70);
    };
    auto Check = [&](const std::string& name, int x, int y, int nRow) {
        Bmp bmp = ReadBmp(name);
        if (bmp.rgb.empty())
            return;
        EXPECT_EQ(Frame(x, y), bmp.At(0, nRow)) << name << " top left";
        int nRight = bmp.w == 46 ? 44 : bmp.w - 1; // the 46th column is never shown
        EXPECT_EQ(Frame(x + nRight, y), bmp.At(nRight, nRow)) << name << " top right";
    };
    const struct {
        const char* name;
        int x, y;
    } Tools[] = {{"QuitBtn.bmp", 12, 12},  {"PrintBtn.bmp", 318, 12}, {"ClearBtn.bmp", 403, 12},
                 {"InfoBtn.bmp", 692, 12}, {"UpBtn.bmp", 267, 543},   {"DownBtn.bmp", 480, 543}};
    for (auto& t : Tools)
        Check(t.name, t.x, t.y, 0);
    const int PageX[8] = {114, 165, 216, 267, 488, 539, 590, 641};
    for (int p = 0; p < 8; ++p) {
        Check("bmp" + std::to_string(91 + p) + ".bmp", PageX[p], 12, 0);
        Check("bmp" + std::to_string(91 + p) + ".bmp", PageX[p], 12, 45);
    }
    const int SwX[28] = {12,  12,  12,  12,  12,  12,  12,  12,  12,  12,  62,  114, 165, 216,
                         539, 590, 641, 692, 743, 743, 743, 743, 743, 743, 743, 743, 743, 743};
    const int SwY[28] = {84,  135, 186, 237, 288, 339, 390, 441, 492, 543, 543, 543, 543, 543,
                         543, 543, 543, 543, 543, 492, 441, 390, 339, 288, 237, 186, 135, 84};
    for (int n = 0; n < 224; n += 5)
        Check("bmp" + std::to_string(101 + n) + ".bmp", SwX[n % 28], SwY[n % 28], 45);
}

TEST(Titles, DarkCapitalsOnTheColourAroundTheTitleStrip) {
    Bmp titles = ReadBmp("Titles.bmp"), tb = ReadBmp("TopBottomBorder.bmp");
    ASSERT_FALSE(titles.rgb.empty());
    ASSERT_FALSE(tb.rgb.empty());
    // The strip's place on the screen (330..469, 561..570) is one plain colour, one pixel
    // around it included, and the strips' background is that colour.
    uint32_t bg = tb.At(330, 561 - 530 + 70);
    for (int y = 560; y <= 571; ++y)
        for (int x = 329; x <= 470; ++x)
            ASSERT_EQ(bg, tb.At(x, y - 530 + 70)) << "frame under the title at " << x << "," << y;
    std::vector<std::vector<uint32_t>> strips;
    for (int n = 0; n < 51; ++n) {
        int nInk = 0;
        for (int y = 10 * n; y < 10 * n + 10; ++y)
            for (int x = 0; x < 140; ++x) {
                uint32_t c = titles.At(x, y);
                int nLum = int((c >> 16) & 255) + int((c >> 8) & 255) + int(c & 255);
                nInk += nLum < 240;
                if (x == 0 || x == 139)
                    EXPECT_EQ(bg, c) << "strip " << n << " reaches its edge";
            }
        EXPECT_GT(nInk, 20) << "strip " << n << " has no dark lettering";
        strips.emplace_back(titles.rgb.begin() + 1400 * n, titles.rgb.begin() + 1400 * (n + 1));
        for (int m = 0; m < n; ++m)
            EXPECT_NE(strips[size_t(m)], strips[size_t(n)]) << "strips " << m << " and " << n;
    }
}

// A page read the way the program reads it: 1 = blank, 0 = outline.
std::vector<uint8_t> ReadPage(const std::string& name) {
    auto it = Art().find(name);
    if (it == Art().end()) {
        ADD_FAILURE() << name << " is missing";
        return {};
    }
    const Bytes& b = it->second;
    EXPECT_EQ('T', b[0]);
    EXPECT_EQ('3', b[1]);
    EXPECT_EQ(0, U16(b, 6)) << "a new page is not cleared";
    EXPECT_EQ(660u, U32(b, 18));
    EXPECT_EQ(460u, U32(b, 22));
    EXPECT_EQ(1, U16(b, 28));
    uint32_t nOff = U32(b, 10);
    EXPECT_EQ(b.size(), nOff + 84u * 460u) << name;
    if (b.size() < nOff + 84u * 460u)
        return {};
    std::vector<uint8_t> px(660 * 460);
    for (int y = 0; y < 460; ++y)
        for (int x = 0; x < 660; ++x)
            px[size_t(y) * 660 + x] = (b[nOff + 84 * size_t(459 - y) + x / 8] >> (7 - x % 8)) & 1;
    return px;
}

TEST(Pages, AreCleanColouringPages) {
    const char* const Names[5] = {"BAT.TW3", "BUSHBABY.TW3", "KIWI.TW3", "SNAIL.TW3", "WALRUS.TW3"};
    std::vector<std::vector<uint8_t>> seen;
    for (const char* name : Names) {
        std::vector<uint8_t> px = ReadPage(name);
        if (px.empty())
            continue;
        const int w = 660, h = 460;
        // Areas, four-connected like the fill: each turns from 1 to 2 as it is found.
        std::vector<uint8_t> areas = px;
        std::vector<int> sizes;
        std::vector<int32_t> queue;
        for (size_t s = 0; s < px.size(); ++s) {
            if (areas[s] != 1)
                continue;
            long nEntries = ReferenceFill(areas.data(), w, h, int(s % w), int(s / w), 2, queue);
            areas[s] = 2; // a lone pixel is left as it was
            sizes.push_back(nEntries > 1 ? int(nEntries - 1) : 1);
        }
        EXPECT_GE(sizes.size(), 15u) << name;
        EXPECT_LE(sizes.size(), 60u) << name;
        for (size_t i = 0; i < sizes.size(); ++i)
            EXPECT_GE(sizes[i], 30) << name << " has a speck";
        // Nothing meets only at a corner.
        int nCorners = 0;
        for (int y = 0; y + 1 < h; ++y)
            for (int x = 0; x + 1 < w; ++x) {
                uint8_t a = px[size_t(y) * w + x], b = px[size_t(y) * w + x + 1];
                uint8_t c = px[size_t(y + 1) * w + x], d = px[size_t(y + 1) * w + x + 1];
                nCorners += a == d && b == c && a != b;
            }
        EXPECT_EQ(0, nCorners) << name;
        // Bold lines, but mostly paper.
        size_t nInk = 0;
        for (uint8_t p : px)
            nInk += !p;
        EXPECT_GT(nInk, px.size() / 25) << name;
        EXPECT_LT(nInk, px.size() / 4) << name;
        for (auto& other : seen)
            EXPECT_NE(other, px) << name;
        seen.push_back(px);
    }
}

TEST(Icons, IconHasThreeSizesAndCursorTipIsItsHotSpot) {
    const Bytes& ico = Art().at("TWLIcon.ico");
    ASSERT_GE(ico.size(), 6u + 3 * 16);
    EXPECT_EQ(1, U16(ico, 2));
    ASSERT_EQ(3, U16(ico, 4));
    const int Want[3] = {16, 32, 48};
    for (int i = 0; i < 3; ++i) {
        size_t e = 6 + 16 * size_t(i);
        EXPECT_EQ(Want[i], ico[e]);
        EXPECT_EQ(Want[i], ico[e + 1]);
        uint32_t nSize = U32(ico, e + 8), nOff = U32(ico, e + 12);
        ASSERT_LE(size_t(nOff) + nSize, ico.size());
        EXPECT_EQ(uint32_t(Want[i]), U32(ico, nOff + 4));
        EXPECT_EQ(uint32_t(2 * Want[i]), U32(ico, nOff + 8)); // colour and mask
        const uint32_t nMaskRow = ((uint32_t(Want[i]) + 31) / 32) * 4;
        EXPECT_EQ(40 + uint32_t(Want[i] * Want[i]) * 4 + nMaskRow * uint32_t(Want[i]), nSize);
    }
    // The desktop's copies: PNGs of the same picture, with an alpha channel (colour type 6).
    for (int n : {16, 32, 48, 64, 128, 256}) {
        const Bytes& png = Art().at("tintwell3-" + std::to_string(n) + ".png");
        ASSERT_GE(png.size(), 33u) << n;
        EXPECT_EQ(0, std::memcmp(png.data() + 12, "IHDR", 4)) << n;
        EXPECT_EQ(uint32_t(n), Be32(png, 16)) << n;
        EXPECT_EQ(uint32_t(n), Be32(png, 20)) << n;
        EXPECT_EQ(6, png[25]) << n;
    }
    const Bytes& cur = Art().at("EditCursor.cur");
    ASSERT_GE(cur.size(), 22u + 40);
    EXPECT_EQ(2, U16(cur, 2));
    ASSERT_EQ(1, U16(cur, 4));
    EXPECT_EQ(32, cur[6]);
    EXPECT_EQ(32, cur[7]);
    int xHot = U16(cur, 10), yHot = U16(cur, 12);
    uint32_t nOff = U32(cur, 18);
    ASSERT_LE(size_t(nOff) + 40 + 32 * 32 * 4, cur.size());
    // The hot spot is on the crayon's tip: an opaque pixel with transparency close by.
    auto Alpha = [&](int x, int y) { return cur[nOff + 40 + (size_t(31 - y) * 32 + x) * 4 + 3]; };
    EXPECT_GT(Alpha(xHot, yHot), 100);
    int nClear = 0;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            int x = xHot + dx, y = yHot + dy;
            nClear += x < 0 || y < 0 || x > 31 || y > 31 || Alpha(x, y) == 0;
        }
    EXPECT_GT(nClear, 20);
}

TEST(ArtFiles, SameBytesEveryTime) {
    FileSet again = MakeAllArt();
    ASSERT_EQ(Art().size(), again.size());
    for (auto& f : Art())
        EXPECT_TRUE(again[f.first] == f.second) << f.first;
}

} // namespace
