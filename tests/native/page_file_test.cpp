// The page file codec: loading both forms, saving, and files that are damaged or cut short.
#include <gtest/gtest.h>

#include "pages/page_file.h"
#include "pages/palette.h"
#include "pages/pixels.h"
#include "support/page_builder.h"

using namespace pagebuild;

namespace {

// The page in memory as the program holds it, with guard bytes behind the pixels.
class PageFileTest : public testing::Test {
  protected:
    PageFileHeader bmfh = {};
    PageInfo bmi = {};
    std::vector<uint8_t> buffer = std::vector<uint8_t>(PAGE_BYTES + 256, 0xA5);
    PageRgb palette[PAGE_COLOURS];

    void SetUp() override { BuildPaletteColours(palette); }
    int Load(std::vector<uint8_t> file) { // a copy of exactly the file's size
        MemoryPageFile mem = {file.data(), file.size(), 0};
        return ReadPage(MemoryPageReader(&mem), &bmfh, &bmi, buffer.data(), PAGE_BYTES, palette);
    }
    // What a save writes: headers and pixels; the guard bytes come along to show they held.
    std::vector<uint8_t> Saved() const {
        uint32_t cbImage = 0;
        EXPECT_TRUE(GetPageImageBytes(bmi, PAGE_BYTES, &cbImage));
        std::vector<uint8_t> file(PAGE_HEADERS_BYTES);
        EncodePageHeaders(bmfh, bmi, file.data());
        file.insert(file.end(), buffer.begin(), buffer.begin() + cbImage);
        return file;
    }
    std::vector<uint8_t> Pixels() const { return {buffer.begin(), buffer.begin() + PAGE_BYTES}; }
    std::vector<uint8_t> State() const { // headers, pixels and guard
        std::vector<uint8_t> state = Saved();
        state.insert(state.end(), buffer.begin(), buffer.end());
        return state;
    }
};

TEST_F(PageFileTest, OneBitPageSavesAsAnEightBitFileWithTheProgramColoursThatLoadsBackTheSame) {
    ASSERT_EQ(1, Load(MonoPageFile(OutlinePicture, 1)));
    std::vector<uint8_t> want = ColourPageFile(OutlinePicture, 1); // padding bits did not leak
    for (int i = 0; i < PAGE_COLOURS; i++) { // the fourth byte of each colour is the file's
        const PageRgb c = i <= PIXEL_BLANK ? PaletteColours[i] : PageRgb{0, 0, 0};
        const uint8_t b = i == 255 ? 255 : 0;
        Poke32(want, OFF_COLOURS + 4 * i, (c.blue | b) | (c.green | b) << 8 | (c.red | b) << 16, 3);
    }
    const std::vector<uint8_t> saved = Saved();
    for (int i : {PIXEL_OUTLINE, PIXEL_WHITE}) // outlines print black on white
        EXPECT_EQ(PaletteColours[i].red + PaletteColours[i].green + PaletteColours[i].blue,
                  i ? 765 : 0);
    EXPECT_EQ(saved, want);
    // Each row expands to the page's width and no further: the last one ends at the buffer's end.
    EXPECT_EQ(std::vector<uint8_t>(buffer.begin() + PAGE_BYTES, buffer.end()),
              std::vector<uint8_t>(256, 0xA5));
    ASSERT_EQ(1, Load(ColourPageFile(ColourPicture)));
    ASSERT_EQ(1, Load(saved));
    EXPECT_EQ(saved, Saved());
}

TEST_F(PageFileTest, EightBitPageKeepsItsColoursAndPixelsFromTheOffsetItGives) {
    std::vector<uint8_t> file = ColourPageFile(ColourPicture, 1);
    ASSERT_EQ(1, Load(file));
    EXPECT_EQ(file, Saved()); // written back byte for byte
    std::vector<uint8_t> moved = file, mono = MonoPageFile(OutlinePicture);
    moved.insert(moved.begin() + PAGE_HEADERS_BYTES, 100, 0xEE);
    Poke32(moved, OFF_OFFBITS, PAGE_HEADERS_BYTES + 100);
    mono.insert(mono.begin() + PAGE_HEADERS_BYTES, 8, 0x00);
    Poke32(mono, OFF_OFFBITS, PAGE_HEADERS_BYTES + 8);
    ASSERT_EQ(1, Load(mono));
    EXPECT_EQ(ExpectedPixels(OutlinePicture), Pixels());
    ASSERT_EQ(1, Load(moved));
    EXPECT_EQ(ExpectedPixels(ColourPicture), Pixels());
}

TEST_F(PageFileTest, DamagedFilesAreRefusedAndLeaveThePageAlone) {
    const uint32_t spoils[][3] = {// offset, value, bytes
                                  {OFF_TYPE, 0x4D42, 2},
                                  {OFF_WIDTH, PAGE_WIDTH - 1, 4},
                                  {OFF_HEIGHT, PAGE_HEIGHT + 1, 4},
                                  {OFF_HEIGHT, uint32_t(-PAGE_HEIGHT), 4},
                                  {OFF_SIZEIMAGE, PAGE_BYTES + 1, 4},
                                  {OFF_BITCOUNT, 24, 2},
                                  {OFF_BITCOUNT, 4, 2},
                                  {30, 1, 4},
                                  {14, 124, 4},
                                  {OFF_CLRUSED, 257, 4}};
    ASSERT_EQ(1, Load(MonoPageFile(OutlinePicture, 1)));
    const std::vector<uint8_t> before = State();
    for (const auto& s : spoils) {
        std::vector<uint8_t> file = ColourPageFile(ColourPicture);
        Poke32(file, s[0], s[1], s[2]);
        EXPECT_EQ(0, Load(file)) << s[0] << " = " << s[1];
        EXPECT_EQ(before, State());
    }
    bmfh = {}; // cut in the header, with no page loaded before
    for (size_t cb : {0, 1, 13})
        EXPECT_EQ(0, Load(std::vector<uint8_t>(cb, 'T'))) << cb;
}

// What a short file does not supply keeps the value it had in memory.
TEST_F(PageFileTest, FilesCutShortReplaceOnlyWhatTheyHoldAndStayInTheBuffers) {
    for (bool bMono : {false, true}) {
        const std::vector<uint8_t> whole =
            bMono ? MonoPageFile(OutlinePicture) : ColourPageFile(ColourPicture);
        const std::vector<uint8_t> fresh = ExpectedPixels(bMono ? OutlinePicture : ColourPicture);
        for (size_t cb = 0; cb < whole.size(); cb += cb < 1200 ? 7 : 4099) {
            // Another picture before, so that each pixel the file supplies shows.
            ASSERT_EQ(1, Load(ColourPageFile(bMono ? ColourPicture : OutlinePicture)));
            std::vector<uint8_t> want = buffer;
            ASSERT_EQ(1, Load({whole.begin(), whole.begin() + cb}));
            const size_t cbHeld = cb < PAGE_HEADERS_BYTES ? 0 : cb - PAGE_HEADERS_BYTES;
            const size_t nRows = cbHeld / PAGE_MONO_ROW_BYTES,
                         nBits = cbHeld % PAGE_MONO_ROW_BYTES * 8;
            const size_t nPixels =
                bMono ? nRows * PAGE_WIDTH + std::min<size_t>(nBits, PAGE_WIDTH) : cbHeld;
            std::copy(fresh.begin(), fresh.begin() + nPixels, want.begin());
            EXPECT_EQ(want, buffer) << (bMono ? "1-bit, " : "8-bit, ") << cb << " bytes";
        }
    }
    std::vector<uint8_t> file = ColourPageFile(ColourPicture); // a header asking for fewer bytes
    Poke32(file, OFF_SIZEIMAGE, 1000);
    std::vector<uint8_t> want = buffer;
    std::copy_n(ExpectedPixels(ColourPicture).begin(), 1000, want.begin());
    ASSERT_EQ(1, Load(file));
    EXPECT_EQ(want, buffer);
}

TEST_F(PageFileTest, DrawingTakesOnlyHeadersThatFitTheBuffer) {
    uint32_t cbImage = 1;
    EXPECT_TRUE(GetPageImageBytes(bmi, PAGE_BYTES, &cbImage)); // nothing loaded: 0 x 0
    EXPECT_EQ(0u, cbImage);
    const int32_t rows[][7] = {
        // width, height, header size, compression, colours, bits, safe
        {1, 1, 40, 0, 256, 8, 1},   {PAGE_HEIGHT, PAGE_WIDTH, 40, 0, 0, 8, 1},
        {661, 459, 40, 0, 0, 8, 0}, {0, 1, 40, 0, 0, 8, 0},
        {1, 0, 40, 0, 0, 8, 0},     {1, 1, 124, 0, 0, 8, 0},
        {1, 1, 40, 1, 0, 8, 0},     {1, 1, 40, 0, 257, 8, 0},
        {1, 1, 40, 0, 0, 1, 0},     {-1, 1, 40, 0, 0, 8, 0},
        {-4, 1, 40, 0, 0, 8, 0},    {1, -1, 40, 0, 0, 8, 0}};
    for (const auto& r : rows) {
        PageInfoHeader& bih = bmi.bmiHeader;
        bih.biWidth = r[0], bih.biHeight = r[1], bih.biSize = r[2];
        bih.biCompression = r[3], bih.biClrUsed = r[4], bih.biBitCount = r[5];
        EXPECT_EQ(IsSafeToDraw(bmi, PAGE_BYTES), r[6]) << r[0] << " x " << r[1];
    }
    bmi.bmiHeader.biWidth = 661; // more pixels than the buffer holds
    bmi.bmiHeader.biHeight = 460;
    EXPECT_FALSE(GetPageImageBytes(bmi, PAGE_BYTES, &cbImage));
    // A negative side is refused whatever the other, even where the product would fit.
    for (const auto& wh :
         {std::pair(661, -1), std::pair(-1, 0), std::pair(0, -1), std::pair(-1, 1)}) {
        bmi.bmiHeader.biWidth = wh.first;
        bmi.bmiHeader.biHeight = wh.second;
        EXPECT_FALSE(GetPageImageBytes(bmi, PAGE_BYTES, &cbImage))
            << wh.first << " x " << wh.second;
    }
}

} // namespace
