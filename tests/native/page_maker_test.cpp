// The page maker as a parent sees it: any picture comes out as a page of the book's size with
// clean lines, or with a reason when there is no page. Gaps and photos: the page set's test.
#include <gtest/gtest.h>

#include "pagemaker/maker_view.h"
#include "pages/pixels.h"
#include "support/drawn_pictures.h"

namespace {

using drawn::Ink;

MadePage MakeGrey(const Ink& ink) {
    const std::vector<uint8_t> grey = drawn::GreyPixels(ink);
    MadePage page;
    EXPECT_EQ(MakePage({grey.data(), ink.w, ink.h, size_t(ink.w), PICTURE_GREY},
                       DefaultMakeSettings(), &page),
              MAKE_OK);
    return page;
}

bool InkAt(const MadePage& page, int x, int y) {
    return page.lpBits[size_t(PAGE_HEIGHT - 1 - y) * PAGE_WIDTH + x] == PIXEL_OUTLINE;
}

TEST(PageMaker, EveryKindOfPixelGivesTheSamePageAndTransparencyIsPaper) {
    const Ink ink = drawn::HouseScene();
    const MadePage grey = MakeGrey(ink);
    std::vector<uint8_t> rgb, rgba, bgra, clear;
    for (uint8_t v : drawn::GreyPixels(ink)) {
        rgb.insert(rgb.end(), {v, v, v});
        rgba.insert(rgba.end(), {v, v, v, 255});
        bgra.insert(bgra.end(), {v, v, v, 255});
        clear.insert(clear.end(), {0, 0, 0, uint8_t(v ? 0 : 255)}); // black paper, see-through
    }
    const Picture pictures[] = {{rgb.data(), 660, 460, 660 * 3, PICTURE_RGB},
                                {rgba.data(), 660, 460, 660 * 4, PICTURE_RGBA},
                                {bgra.data(), 660, 460, 660 * 4, PICTURE_BGRA},
                                {clear.data(), 660, 460, 660 * 4, PICTURE_RGBA}};
    for (const Picture& picture : pictures) {
        MadePage page;
        ASSERT_EQ(MakePage(picture, DefaultMakeSettings(), &page), MAKE_OK);
        EXPECT_EQ(page.lpBits, grey.lpBits) << picture.nFormat;
    }
}

TEST(PageMaker, PicturesOfAnySizeAreFittedCentredWithTheirProportions) {
    struct Case {
        int w, h, box[4]; // top, bottom, left and right of what the picture may cover
    } cases[] = {
        {33, 23, 0, 459, 0, 659}, {1320, 230, 172, 286, 0, 659}, {230, 920, 0, 459, 272, 386}};
    for (const Case& c : cases) {
        Ink ink(c.w, c.h); // a frame round the whole picture
        for (int y = 0; y < c.h; y++)
            for (int x = 0; x < c.w; x++)
                ink.At(x, y) = x < 2 || y < 2 || x >= c.w - 2 || y >= c.h - 2;
        const MadePage page = MakeGrey(ink);
        int box[4] = {PAGE_HEIGHT, -1, PAGE_WIDTH, -1};
        for (int y = 0; y < PAGE_HEIGHT; y++)
            for (int x = 0; x < PAGE_WIDTH; x++)
                if (InkAt(page, x, y)) {
                    box[0] = std::min(box[0], y), box[1] = std::max(box[1], y);
                    box[2] = std::min(box[2], x), box[3] = std::max(box[3], x);
                }
        for (int i = 0; i < 4; i++)
            EXPECT_NEAR(box[i], c.box[i], 1) << c.w << " x " << c.h << " side " << i;
    }
}

TEST(PageMaker, PicturesWithNothingToColourAreRefusedWithAReason) {
    std::vector<uint8_t> white(660 * 460, 255), black(660 * 460, 0), photo(660 * 460);
    uint32_t n = 1;
    for (int y = 0; y < 460; y++) // soft shapes in every tone, and grain
        for (int x = 0; x < 660; x++, n = n * 1664525u + 1013904223u)
            photo[size_t(y) * 660 + x] =
                uint8_t(128 + (x * x / 97 + y * 3) % 90 - 45 + int(n >> 28));
    Ink solid = drawn::CreatureScene(); // a drawing mostly solid black is still a drawing
    for (int y = 150; y < 440; y++)
        for (int x = 20; x < 640; x++)
            solid.At(x, y) |= (x / 40 + y / 40) % 2;
    const std::vector<uint8_t> solidGrey = drawn::GreyPixels(solid);
    const struct {
        Picture picture;
        MakeResult nResult;
    } cases[] = {{{nullptr, 660, 460, 660, PICTURE_GREY}, MAKE_EMPTY},
                 {{white.data(), 0, 0, 0, PICTURE_GREY}, MAKE_EMPTY},
                 {{white.data(), 660, 460, 600, PICTURE_GREY}, MAKE_EMPTY},
                 {{white.data(), 70000, 4, 70000, PICTURE_GREY}, MAKE_EMPTY},
                 {{white.data(), 660, 460, 660, PICTURE_GREY}, MAKE_NO_LINES},
                 {{black.data(), 660, 460, 660, PICTURE_GREY}, MAKE_ALL_BLACK},
                 {{photo.data(), 660, 460, 660, PICTURE_GREY}, MAKE_PHOTOGRAPH},
                 {{solidGrey.data(), 660, 460, 660, PICTURE_GREY}, MAKE_OK}};
    for (const auto& c : cases) {
        MadePage page;
        EXPECT_EQ(MakePage(c.picture, DefaultMakeSettings(), &page), c.nResult)
            << MakeResultText(c.nResult);
        EXPECT_EQ(page.lpBits.empty(), c.nResult != MAKE_OK);
    }
}

TEST(PageMaker, HairlinesOfABigPictureAreThickenedAndDotsStaySolid) {
    Ink ink(3960, 2760); // six times the page: a 2-pixel pen becomes a third of a pixel
    drawn::Stroke(
        &ink, {600 * 16, 600 * 16, 3300 * 16, 600 * 16, 3300 * 16, 2200 * 16, 600 * 16, 2200 * 16},
        32, 0, true);
    drawn::Dot(&ink, 1950, 1400, 60);
    const MadePage page = MakeGrey(ink);
    EXPECT_EQ(page.nAreas, 2); // inside and outside: the hairline is whole
    int nRun = 0;
    for (int x = 95; x < 105; x++)
        nRun += InkAt(page, x, 230);
    EXPECT_GE(nRun, 2);
    for (int y = 225; y <= 235; y++)
        for (int x = 320; x <= 330; x++)
            EXPECT_TRUE(InkAt(page, x, y)) << x << "," << y;
    // A one-pixel pen at page size comes out three pixels wide, where a child sees it.
    Ink fine(PAGE_WIDTH, PAGE_HEIGHT);
    drawn::Stroke(&fine, {1608, 1608, 8968, 1608, 8968, 5768, 1608, 5768}, 16, 0, true);
    const MadePage thick = MakeGrey(fine);
    nRun = 0;
    for (int x = 95; x < 106; x++)
        nRun += InkAt(thick, x, 230);
    EXPECT_EQ(thick.nAreas, 2);
    EXPECT_GE(nRun, 3);
}

// The host and both Windows builds run this with the same pixels: the page's bytes are kept
// here as a fingerprint, so that a build whose arithmetic differs shows.
TEST(PageMaker, APictureGivesTheSamePageOnEveryBuild) {
    uint32_t dwHash = 2166136261u;
    for (const Ink& ink : {drawn::HouseScene(), drawn::CreatureScene()}) {
        MadePage page;
        ASSERT_EQ(MakePage(drawn::PhotoLike(ink).AsPicture(), DefaultMakeSettings(), &page),
                  MAKE_OK);
        for (uint8_t b : page.lpBits)
            dwHash = (dwHash ^ b) * 16777619u;
    }
    EXPECT_EQ(dwHash, 1646267177u);
}

// The Page Maker's window shows each area in its own tint: areas facing each other across a
// line never share one, so a leak shows as one tint on both sides; each join is ringed.
TEST(PageMaker, TheWindowTintsFacingAreasApartAndRingsEachJoin) {
    Ink ink = drawn::HouseScene();
    for (int y = 60; y < ink.h - 60; y += 94) // a cut across the first line of some rows
        for (int x = 40; x < ink.w - 40; x++)
            if (ink.At(x, y)) {
                drawn::CutGap(&ink, x + 1, y, 0, 1, 7);
                break;
            }
    const MadePage page = MakeGrey(ink);
    const AreaMap areas = MapAreas(page);
    EXPECT_EQ(areas.nAreas, page.nAreas);
    const std::vector<int> tints = TintAreas(areas);
    const std::vector<uint32_t> view = DrawPageView(page, areas, tints);
    int nFacing = 0;
    for (int y = 0; y < PAGE_HEIGHT; y++)
        for (int x = 0, nLastArea = 0, nLineFrom = 0; x < PAGE_WIDTH; x++) {
            const int nArea = areas.lpLabels[y * PAGE_WIDTH + x];
            if (!nArea)
                continue;
            if (nLastArea && nArea != nLastArea && x - nLineFrom <= 6 && ++nFacing)
                EXPECT_NE(tints[nArea], tints[nLastArea]) << x << ", " << y;
            nLastArea = nArea, nLineFrom = x + 1;
        }
    EXPECT_GT(nFacing, 1000);
    ASSERT_GE(page.lpJoins.size(), 4u);
    for (size_t j = 0; j + 3 < page.lpJoins.size(); j += 4) {
        const int x = (page.lpJoins[j] + page.lpJoins[j + 2]) / 2 + VIEW_RING_RADIUS;
        const int y = (page.lpJoins[j + 1] + page.lpJoins[j + 3]) / 2;
        EXPECT_NE(view[y * PAGE_WIDTH + x], view[y * PAGE_WIDTH + x + 4]) << "no ring at " << j;
    }
    EXPECT_EQ(HintFor(MAKE_OK, areas), HINT_NONE);

    // Hatching cuts the page into crumbs: the window says so.
    Ink hatch(660, 460);
    for (int y = 0; y < hatch.h; y++)
        for (int x = 0; x < hatch.w; x++)
            hatch.At(x, y) = x % 12 < 3 || y % 12 < 3;
    EXPECT_EQ(HintFor(MAKE_OK, MapAreas(MakeGrey(hatch))), HINT_MANY_TINY);
}

} // namespace
