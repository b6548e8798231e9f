// Print geometry of the three methods, the turned page and its frame.
#include <gtest/gtest.h>

#include <vector>

#include "pages/page_file.h"
#include "pages/pixels.h"
#include "ui/print_layout.h"

namespace {

const int W = PAGE_WIDTH, H = PAGE_HEIGHT;

void ExpectRect(const PrintRect& rc, int x, int y, int cx, int cy) {
    EXPECT_EQ(rc.x, x);
    EXPECT_EQ(rc.y, y);
    EXPECT_EQ(rc.cx, cx);
    EXPECT_EQ(rc.cy, cy);
}

TEST(PrintGeometry, DefaultMethodStretchesTheFramedPageToThreeQuartersOfTheHeight) {
    ExpectRect(DefaultPlacement(2400, 3150, W, H), 373, 394, 1654, 2361);
    ExpectRect(DefaultPlacement(4800, 6300, W, H), 745, 787, 3310, 4725);
}

TEST(PrintGeometry, FirstAlternatePutsTwoHalvesOneUnderTheOther) {
    HalvesPlacement halves = HalvesPlace(2400, 3150, W, H);
    ExpectRect(halves.rcUpper, 374, 394, 1651, 1180);
    ExpectRect(halves.rcLower, 374, 1574, 1651, 1180);
    halves = HalvesPlace(4800, 6300, W, H);
    EXPECT_EQ(halves.rcLower.y, halves.rcUpper.y + halves.rcUpper.cy);
    EXPECT_EQ(halves.rcUpper.cy, 4725 / 2);
}

TEST(PrintGeometry, SecondAlternateEnlargesByAWholeFactorCentredOnThePage) {
    TilesPlacement tiles = TilesPlace(2400, 3150, W, H);
    EXPECT_EQ(tiles.s, 4);
    EXPECT_EQ(tiles.x, 268);
    EXPECT_EQ(tiles.y, 243);
    tiles = TilesPlace(4800, 6300, W, H);
    EXPECT_EQ(tiles.s, 8);
    EXPECT_EQ(tiles.x, 536);
    EXPECT_EQ(tiles.y, 486);
    // The framed page, 466s x 666s, has its centre at the printable area's centre.
    EXPECT_EQ(2 * tiles.x + 466 * tiles.s, 4800);
    EXPECT_EQ(2 * tiles.y + 666 * tiles.s, 6300);
}

TEST(PrintGeometry, SecondAlternateNeverGoesBelowThreeOrAboveTwenty) {
    EXPECT_EQ(TilesPlace(2400, 2220, W, H).s, 3);
    EXPECT_EQ(TilesPlace(2400, 2219, W, H).s, 3);
    EXPECT_EQ(TilesPlace(800, 600, W, H).s, 3);
    EXPECT_EQ(TilesPlace(800, 0, W, H).s, 3);
    EXPECT_EQ(TilesPlace(2400, 2960, W, H).s, 4);
    // A short area: the page, 1998 high, runs off the top and the bottom alike.
    TilesPlacement tiles = TilesPlace(1000, 1000, W, H);
    EXPECT_EQ(tiles.y, (1000 - 1998) >> 1);
    EXPECT_EQ(TilesPlace(32767, 32767, W, H).s, 20);
}

TEST(PrintGeometry, TilesOfTheLowerHalfStart333ScaledPixelsBelowTheUpperHalf) {
    TilesPlacement tiles = TilesPlace(2400, 3150, W, H);
    ExpectRect(TilePlace(tiles, W, 0, 0, 0), 268, 243, 80, 80);
    ExpectRect(TilePlace(tiles, W, 0, 2, 3), 268 + 3 * 80, 243 + 2 * 80, 80, 80);
    ExpectRect(TilePlace(tiles, W, 1, 0, 0), 268, 243 + 333 * 4, 80, 80);
    ExpectRect(TilePlace(tiles, W, 1, TILE_ROWS - 1, TILE_COLUMNS - 1), 268 + 24 * 80,
               243 + 333 * 4 + 19 * 80, 80, 80);
    // The tiles cover the whole half bitmap.
    EXPECT_EQ(TILE_COLUMNS * TILE_SIDE, HalfBitmapWidth(H));
    EXPECT_EQ(TILE_ROWS * TILE_SIDE, HalfBitmapHeight(W));
    EXPECT_EQ(FramedHalfWidth(H), 466);
    EXPECT_EQ(FramedHalfHeight(W), 333);
}

// A page whose every pixel tells where it came from: value = 1 + (x + 3y) % 224, except the
// corners, marked with values of their own, and a blank row.
class TurnedPage : public testing::Test {
  protected:
    std::vector<uint8_t> page = std::vector<uint8_t>(PAGE_BYTES);
    std::vector<uint8_t> turned = std::vector<uint8_t>(PAGE_BYTES, 0xEE);

    // Row 0 of the page is its top row here; the buffer is bottom-up.
    uint8_t& Page(int x, int yTop) { return page[(H - 1 - yTop) * W + x]; }
    // Row 0 of the turned image is its top row; it is H wide and W high.
    uint8_t Turned(int x, int yTop) const { return turned[(W - 1 - yTop) * H + x]; }

    void SetUp() override {
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++)
                Page(x, y) = static_cast<uint8_t>(1 + (x + 3 * y) % 224);
        Page(0, 0) = 201;         // top left
        Page(W - 1, 0) = 202;     // top right
        Page(0, H - 1) = 203;     // bottom left
        Page(W - 1, H - 1) = 204; // bottom right
        for (int x = 1; x < W - 1; x++)
            Page(x, 10) = PIXEL_BLANK;
        Page(5, 11) = 0;
        TurnPage(page.data(), W, H, turned.data());
    }
};

TEST_F(TurnedPage, TheTopEdgeBecomesTheLeftEdgeAQuarterTurnAnticlockwise) {
    EXPECT_EQ(Turned(0, W - 1), 201); // top left to bottom left
    EXPECT_EQ(Turned(0, 0), 202);     // top right to top left
    EXPECT_EQ(Turned(H - 1, W - 1), 203);
    EXPECT_EQ(Turned(H - 1, 0), 204);
    EXPECT_EQ(turned[0], 201); // the bottom-up buffer starts with the bottom left
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            uint8_t v = Page(x, y);
            if (v != PIXEL_BLANK) {
                ASSERT_EQ(Turned(y, W - 1 - x), v) << x << ", " << y;
            }
        }
}

TEST_F(TurnedPage, BlankPrintsWhiteAndOutlinesStayBlack) {
    EXPECT_EQ(Turned(10, W - 1 - 1), PIXEL_WHITE);
    EXPECT_EQ(Turned(10, W - 1 - (W - 2)), PIXEL_WHITE);
    EXPECT_EQ(Turned(11, W - 1 - 5), 0);
    for (uint8_t v : turned)
        ASSERT_NE(v, PIXEL_BLANK);
}

TEST_F(TurnedPage, TheFrameIsFourPixelsOfTheBufferZerosAllRound) {
    const int cxFramed = H + 8, cyFramed = W + 8;
    std::vector<uint8_t> framed(static_cast<size_t>(cxFramed) * cyFramed, 0);
    FrameTurnedPage(turned.data(), W, H, framed.data());
    for (int i = 0; i < cyFramed; i++) {
        for (int j = 0; j < cxFramed; j++) {
            uint8_t v = framed[static_cast<size_t>(i) * cxFramed + j];
            bool bMargin = i < 4 || i >= cyFramed - 4 || j < 4 || j >= cxFramed - 4;
            if (bMargin)
                ASSERT_EQ(v, 0) << "row " << i << " column " << j;
            else
                ASSERT_EQ(v, turned[static_cast<size_t>(i - 4) * H + (j - 4)]);
        }
    }
}

} // namespace
