// Printing without a printer: where each method puts the page, the turned and framed page, and
// the bytes of the print option file.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "pages/page_file.h"
#include "pages/pixels.h"
#include "ui/print_layout.h"
#include "ui/printopt_file.h"

namespace {

const int W = PAGE_WIDTH, H = PAGE_HEIGHT;

std::vector<int> Rect(const PrintRect& rc) {
    return {rc.x, rc.y, rc.cx, rc.cy};
}

TEST(PrintPlacement, EachMethodCentresThePageAtItsSize) {
    EXPECT_EQ(Rect(DefaultPlacement(2400, 3150, W, H)), (std::vector<int>{373, 394, 1654, 2361}));
    EXPECT_EQ(Rect(DefaultPlacement(4800, 6300, W, H)), (std::vector<int>{745, 787, 3310, 4725}));
    HalvesPlacement halves = HalvesPlace(2400, 3150, W, H);
    EXPECT_EQ(Rect(halves.rcUpper), (std::vector<int>{374, 394, 1651, 1180}));
    EXPECT_EQ(Rect(halves.rcLower), (std::vector<int>{374, 1574, 1651, 1180}));
    // Enlarged by a whole factor from 3 to 20, the framed page (466s x 666s) centred.
    const struct {
        int16_t cx, cy;
        int s, x, y;
    } tiles[] = {{2400, 3150, 4, 268, 243},   {4800, 6300, 8, 536, 486},
                 {2400, 2219, 3, 501, 110},   {2400, 2960, 4, 268, 148},
                 {2400, 3698, 4, 268, 517}, // 9/10 of 3698 is 3328, short of 5 x 666
                 {1000, 1000, 3, -199, -499}, {32767, 32767, 20, 11723, 9723}};
    for (const auto& t : tiles) {
        TilesPlacement placed = TilesPlace(t.cx, t.cy, W, H);
        EXPECT_EQ((std::vector<int>{placed.s, placed.x, placed.y}),
                  (std::vector<int>{t.s, t.x, t.y}))
            << t.cx << " x " << t.cy;
    }
    // The framed halves the printing draws fill exactly what the enlargement centred.
    for (const auto& t : tiles)
        if (t.s > 3 && t.s < 20) {
            EXPECT_EQ(std::pair(2 * t.x + t.s * FramedHalfWidth(H),
                                2 * t.y + 2 * t.s * FramedHalfHeight(W)),
                      std::pair(int(t.cx), int(t.cy)));
        }
    // The lower half's tiles start 333 enlarged pixels below the upper half's.
    const TilesPlacement placed = TilesPlace(2400, 3150, W, H);
    EXPECT_EQ(Rect(TilePlace(placed, W, 0, 2, 3)),
              (std::vector<int>{268 + 3 * 80, 243 + 2 * 80, 80, 80}));
    EXPECT_EQ(Rect(TilePlace(placed, W, 1, TILE_ROWS - 1, TILE_COLUMNS - 1)),
              (std::vector<int>{268 + 24 * 80, 243 + 333 * 4 + 19 * 80, 80, 80}));
    EXPECT_EQ(TILE_ROWS * TILE_SIDE, HalfBitmapHeight(W)); // the tiles cover the half bitmap
    EXPECT_EQ(TILE_COLUMNS * TILE_SIDE, HalfBitmapWidth(H));
}

TEST(PrintImage, ThePageTurnsAQuarterAnticlockwiseBlankTurnsWhiteAndAFrameOfZerosGoesRound) {
    std::vector<uint8_t> page(PAGE_BYTES), turned(PAGE_BYTES, 0xEE);
    for (size_t i = 0; i < page.size(); i++) // every pixel tells where it came from
        page[i] = i % 7 == 3 ? uint8_t(PIXEL_BLANK) : uint8_t(1 + i % 223);
    TurnPage(page.data(), W, H, turned.data());
    // Both buffers bottom-up: the top edge becomes the left edge.
    for (int nRow = 0; nRow < H; nRow++)
        for (int x = 0; x < W; x++) {
            const uint8_t v = page[size_t(nRow) * W + x];
            ASSERT_EQ(turned[size_t(x) * H + (H - 1 - nRow)],
                      v == PIXEL_BLANK ? uint8_t(PIXEL_WHITE) : v)
                << x << ", " << nRow;
        }
    const int cxFramed = H + 8, cyFramed = W + 8;
    std::vector<uint8_t> framed(size_t(cxFramed) * cyFramed, 0); // the frame is the buffer's zeros
    FrameTurnedPage(turned.data(), W, H, framed.data());
    for (int i = 0; i < cyFramed; i++)
        for (int j = 0; j < cxFramed; j++) {
            const bool bMargin = i < 4 || i >= cyFramed - 4 || j < 4 || j >= cxFramed - 4;
            ASSERT_EQ(framed[size_t(i) * cxFramed + j],
                      bMargin ? 0 : turned[size_t(i - 4) * H + j - 4])
                << i << ", " << j;
        }
}

TEST(PrintOptionFile, ModesRoundTripLittleEndianAndShortFilesFillOnlyTheLowBytes) {
    for (int32_t nMode : {0, 1, 2, -2, INT_MAX, INT_MIN}) {
        uint8_t bytes[PRINTOPT_FILE_BYTES + 2] = {0, 0, 0, 0, 0x55, 0x66};
        EncodePrintMode(nMode, bytes);
        for (size_t cb = 0; cb <= sizeof(bytes); cb++) {
            const uint32_t dwMask = cb >= 4 ? 0xFFFFFFFFu : (1u << (8 * cb)) - 1;
            EXPECT_EQ(DecodePrintMode(bytes, cb), int32_t(uint32_t(nMode) & dwMask))
                << nMode << ", " << cb;
        }
        EXPECT_EQ(bytes[0], uint8_t(nMode));
        EXPECT_EQ(bytes[3], uint8_t(uint32_t(nMode) >> 24));
    }
    EXPECT_EQ(DecodePrintMode(nullptr, 4), 0);
}

} // namespace
