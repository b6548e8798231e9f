// The page file codec: loading both forms, saving, and files that are damaged or cut short.
#include <gtest/gtest.h>

#include <vector>

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

    void SetUp() override {
        BuildPaletteColours(palette);
        std::fill(buffer.begin(), buffer.begin() + PAGE_BYTES, 0);
    }
    int Load(std::vector<uint8_t> file) { // a copy of exactly the file's size
        MemoryPageFile mem = {file.data(), file.size(), 0};
        return ReadPage(MemoryPageReader(&mem), &bmfh, &bmi, buffer.data(), PAGE_BYTES, palette);
    }
    // The file a save writes: both headers as in memory, then width x height pixels.
    std::vector<uint8_t> Save() const {
        uint32_t cbImage = 0;
        EXPECT_TRUE(GetPageImageBytes(bmi, PAGE_BYTES, &cbImage));
        std::vector<uint8_t> file(PAGE_HEADERS_BYTES);
        EncodePageHeaders(bmfh, bmi, file.data());
        file.insert(file.end(), buffer.begin(), buffer.begin() + cbImage);
        return file;
    }
    std::vector<uint8_t> Pixels() const { return {buffer.begin(), buffer.begin() + PAGE_BYTES}; }
    std::vector<uint8_t> Snapshot() const { // headers, pixels and guard
        std::vector<uint8_t> state(PAGE_HEADERS_BYTES);
        EncodePageHeaders(bmfh, bmi, state.data());
        state.insert(state.end(), buffer.begin(), buffer.end());
        return state;
    }
    bool GuardIntact() const {
        return std::all_of(buffer.begin() + PAGE_BYTES, buffer.end(),
                           [](uint8_t b) { return b == 0xA5; });
    }
};

TEST_F(PageFileTest, OneBitPageSavesAsAnEightBitFileWithTheProgramColoursThatLoadsBackTheSame) {
    ASSERT_EQ(1, Load(MonoPageFile(OutlinePicture, 1)));
    EXPECT_EQ(ExpectedPixels(OutlinePicture), Pixels()); // padding bits are all set: none leaked
    const std::vector<uint8_t> saved = Save();
    std::vector<uint8_t> want = Headers(8, PAGE_BYTES, 1);
    for (int i = 0; i < PAGE_COLOURS; i++) { // the fourth byte of each colour is the file's
        const PageRgb c = i <= PIXEL_BLANK ? PaletteColours[i]
                          : i < 255        ? PageRgb{0, 0, 0}
                                           : PageRgb{255, 255, 255};
        want[OFF_COLOURS + 4 * i] = c.blue;
        want[OFF_COLOURS + 4 * i + 1] = c.green;
        want[OFF_COLOURS + 4 * i + 2] = c.red;
    }
    EXPECT_EQ(std::vector<uint8_t>(saved.begin(), saved.begin() + PAGE_HEADERS_BYTES), want);
    ASSERT_EQ(saved.size(), 304678u);

    bmfh = {};
    bmi = {};
    std::fill(buffer.begin(), buffer.begin() + PAGE_BYTES, 9);
    ASSERT_EQ(1, Load(saved));
    EXPECT_EQ(ExpectedPixels(OutlinePicture), Pixels());
    EXPECT_EQ(saved, Save());
}

TEST_F(PageFileTest, EightBitPageKeepsItsColoursAndPixelsFromTheOffsetItGives) {
    std::vector<uint8_t> file = ColourPageFile(ColourPicture, 1);
    ASSERT_EQ(1, Load(file));
    EXPECT_EQ(ExpectedPixels(ColourPicture), Pixels());
    EXPECT_EQ(file, Save()); // written back byte for byte

    file.insert(file.begin() + PAGE_HEADERS_BYTES, 100, 0xEE);
    Poke32(file, OFF_OFFBITS, PAGE_HEADERS_BYTES + 100);
    std::vector<uint8_t> mono = MonoPageFile(OutlinePicture);
    mono.insert(mono.begin() + PAGE_HEADERS_BYTES, 8, 0x00);
    Poke32(mono, OFF_OFFBITS, PAGE_HEADERS_BYTES + 8);
    ASSERT_EQ(1, Load(mono));
    EXPECT_EQ(ExpectedPixels(OutlinePicture), Pixels());
    ASSERT_EQ(1, Load(file));
    EXPECT_EQ(ExpectedPixels(ColourPicture), Pixels());
}

TEST_F(PageFileTest, DamagedFilesAreRefusedAndLeaveThePageAlone) {
    const std::pair<size_t, uint32_t> spoils[] = {
        // offset, 32-bit value
        {OFF_TYPE, 0x4D42},
        {OFF_WIDTH, PAGE_WIDTH - 1},
        {OFF_HEIGHT, PAGE_HEIGHT + 1},
        {OFF_HEIGHT, -PAGE_HEIGHT},
        {OFF_SIZEIMAGE, PAGE_BYTES + 1},
        {OFF_BITCOUNT, 24},
        {OFF_BITCOUNT, 4},
        {30, 1},
        {14, 124},
        {OFF_CLRUSED, 257},
    };
    for (auto [nOff, dwValue] : spoils) {
        SCOPED_TRACE(testing::Message() << nOff << " = " << dwValue);
        ASSERT_EQ(1, Load(MonoPageFile(OutlinePicture, 1)));
        std::vector<uint8_t> file = ColourPageFile(ColourPicture);
        Poke16(file, nOff, uint16_t(dwValue));
        if (nOff != OFF_TYPE && nOff != OFF_BITCOUNT)
            Poke16(file, nOff + 2, uint16_t(dwValue >> 16));
        const std::vector<uint8_t> before = Snapshot();
        EXPECT_EQ(0, Load(file));
        EXPECT_EQ(before, Snapshot());
    }
    for (size_t cb : {0, 1, 13}) { // cut in the header, with no page loaded before
        SetUp();
        bmfh = {};
        EXPECT_EQ(0, Load(std::vector<uint8_t>(cb, 'T'))) << cb;
    }
}

// What a short file does not supply keeps the value it had in memory.
TEST_F(PageFileTest, FilesCutShortReplaceOnlyWhatTheyHoldAndStayInTheBuffers) {
    for (bool bMono : {false, true}) {
        const std::vector<uint8_t> whole =
            bMono ? MonoPageFile(OutlinePicture) : ColourPageFile(ColourPicture);
        const std::vector<uint8_t> fresh =
            bMono ? ExpectedPixels(OutlinePicture) : ExpectedPixels(ColourPicture);
        for (size_t cb = 0; cb < whole.size(); cb += cb < 1200 ? 7 : 4099) {
            SCOPED_TRACE(testing::Message() << (bMono ? "1-bit, " : "8-bit, ") << cb << " bytes");
            ASSERT_EQ(1, Load(ColourPageFile(OutlinePicture)));
            std::vector<uint8_t> want = Pixels();
            ASSERT_EQ(1, Load({whole.begin(), whole.begin() + cb}));
            const size_t cbHeld = cb < PAGE_HEADERS_BYTES ? 0 : cb - PAGE_HEADERS_BYTES;
            const size_t nPixels =
                bMono ? cbHeld / PAGE_MONO_ROW_BYTES * PAGE_WIDTH +
                            std::min<size_t>(cbHeld % PAGE_MONO_ROW_BYTES * 8, PAGE_WIDTH)
                      : cbHeld;
            std::copy(fresh.begin(), fresh.begin() + nPixels, want.begin());
            EXPECT_EQ(want, Pixels());
            EXPECT_TRUE(GuardIntact());
        }
    }
    std::vector<uint8_t> file = ColourPageFile(ColourPicture); // a header asking for fewer bytes
    Poke32(file, OFF_SIZEIMAGE, 1000);
    ASSERT_EQ(1, Load(file));
    EXPECT_EQ(
        1000,
        std::mismatch(buffer.begin(), buffer.end(), ExpectedPixels(ColourPicture).begin()).first -
            buffer.begin());
}

TEST_F(PageFileTest, DrawingTakesOnlyHeadersThatFitTheBuffer) {
    uint32_t cbImage = 1;
    EXPECT_TRUE(GetPageImageBytes(bmi, PAGE_BYTES, &cbImage)); // nothing loaded: 0 x 0
    EXPECT_EQ(0u, cbImage);
    ASSERT_EQ(1, Load(MonoPageFile(OutlinePicture)));
    const PageInfoHeader good = bmi.bmiHeader;
    const struct {
        int32_t cx, cy;
        uint32_t dwSize, dwCompression, dwClrUsed;
        uint16_t nBits;
        int bSafe;
    } rows[] = {{1, 1, 40, 0, 256, 8, 1},   {PAGE_HEIGHT, PAGE_WIDTH, 40, 0, 0, 8, 1},
                {661, 459, 40, 0, 0, 8, 0}, {0, 1, 40, 0, 0, 8, 0},
                {1, 0, 40, 0, 0, 8, 0},     {1, 1, 124, 0, 0, 8, 0},
                {1, 1, 40, 1, 0, 8, 0},     {1, 1, 40, 0, 257, 8, 0},
                {1, 1, 40, 0, 0, 1, 0}};
    for (const auto& r : rows) {
        bmi.bmiHeader = good;
        PageInfoHeader& bih = bmi.bmiHeader;
        bih.biWidth = r.cx, bih.biHeight = r.cy, bih.biSize = r.dwSize;
        bih.biCompression = r.dwCompression, bih.biClrUsed = r.dwClrUsed, bih.biBitCount = r.nBits;
        EXPECT_EQ(IsSafeToDraw(bmi, PAGE_BYTES), r.bSafe) << r.cx << " x " << r.cy;
    }
    bmi.bmiHeader.biHeight = -1;
    EXPECT_FALSE(GetPageImageBytes(bmi, PAGE_BYTES, &cbImage));
}

} // namespace
