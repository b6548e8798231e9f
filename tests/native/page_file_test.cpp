// The page file codec: loading both forms, saving, and files that are damaged or cut short.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "pages/page_file.h"
#include "pages/palette.h"
#include "support/page_builder.h"

using namespace pagebuild;

namespace {

const size_t GUARD_BYTES = 256;
const uint8_t GUARD = 0xA5;

// The page in memory as the program holds it, with guard bytes behind the pixels.
class PageFileTest : public testing::Test {
  protected:
    PageFileHeader bmfh = {};
    PageInfo bmi = {};
    std::vector<uint8_t> buffer = std::vector<uint8_t>(PAGE_BYTES + GUARD_BYTES, GUARD);
    PageRgb palette[PAGE_COLOURS];

    void SetUp() override {
        BuildPaletteColours(palette);
        std::fill(buffer.begin(), buffer.begin() + PAGE_BYTES, 0);
    }

    int Load(const std::vector<uint8_t>& file) {
        // A copy of exactly the file's size, so that a read past its end is caught.
        std::vector<uint8_t> data(file);
        MemoryPageFile mem = {data.data(), data.size(), 0};
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

    std::vector<uint8_t> Pixels() const {
        return std::vector<uint8_t>(buffer.begin(), buffer.begin() + PAGE_BYTES);
    }

    // Headers and pixels together, to see that a refused file changed nothing.
    std::vector<uint8_t> Snapshot() const {
        std::vector<uint8_t> state(PAGE_HEADERS_BYTES);
        EncodePageHeaders(bmfh, bmi, state.data());
        state.insert(state.end(), buffer.begin(), buffer.end());
        return state;
    }

    bool GuardIntact() const {
        for (size_t i = PAGE_BYTES; i < buffer.size(); i++)
            if (buffer[i] != GUARD)
                return false;
        return true;
    }
};

TEST_F(PageFileTest, OneBitPageLoadsAsOutlinesAndBlankWithTheProgramPalette) {
    ASSERT_EQ(1, Load(MonoPageFile(OutlinePicture)));

    EXPECT_EQ(ExpectedPixels(OutlinePicture), Pixels()); // padding bits are all set: none leaked
    EXPECT_TRUE(GuardIntact());
    for (int i = 0; i < PAGE_COLOURS; i++) {
        EXPECT_EQ(palette[i].red, bmi.bmiColors[i].rgbRed) << i;
        EXPECT_EQ(palette[i].green, bmi.bmiColors[i].rgbGreen) << i;
        EXPECT_EQ(palette[i].blue, bmi.bmiColors[i].rgbBlue) << i;
    }
    EXPECT_EQ(8, bmi.bmiHeader.biBitCount);
    EXPECT_EQ(0u, bmi.bmiHeader.biClrUsed);
    EXPECT_EQ(uint32_t(PAGE_BYTES), bmi.bmiHeader.biSizeImage);
    EXPECT_EQ(1078u, uint32_t(bmfh.bfOffBits));
    EXPECT_EQ(304678u, uint32_t(bmfh.bfSize));
}

TEST_F(PageFileTest, OneBitPageSavesAsAnEightBitFileThatLoadsBackTheSame) {
    ASSERT_EQ(1, Load(MonoPageFile(OutlinePicture, 1)));
    std::vector<uint8_t> saved = Save();

    ASSERT_EQ(304678u, saved.size());
    EXPECT_EQ('T', saved[0]);
    EXPECT_EQ('3', saved[1]);
    EXPECT_EQ(304678u, Peek32(saved, OFF_SIZE));
    EXPECT_EQ(1078u, Peek32(saved, OFF_OFFBITS));
    EXPECT_EQ(8, saved[OFF_BITCOUNT]);
    EXPECT_EQ(0u, Peek32(saved, OFF_CLRUSED));
    EXPECT_EQ(1, saved[OFF_RESERVED1]); // the clear flag
    EXPECT_EQ(0xEF, saved[OFF_RESERVED2]);
    EXPECT_EQ(0xBE, saved[OFF_RESERVED2 + 1]);
    // The fourth byte of each colour comes from the file, only red, green and blue are set.
    EXPECT_EQ(PIXEL_WHITE ^ 0x5A, saved[OFF_COLOURS + 4 * PIXEL_WHITE + 3]);
    EXPECT_EQ(255, saved[OFF_COLOURS + 4 * PIXEL_WHITE + 2]);

    std::vector<uint8_t> before = Pixels();
    std::fill(buffer.begin(), buffer.begin() + PAGE_BYTES, 9);
    bmfh = {};
    bmi = {};
    ASSERT_EQ(1, Load(saved));
    EXPECT_EQ(before, Pixels());
    EXPECT_EQ(1, bmfh.bfReserved1);
    EXPECT_EQ(saved, Save());
}

TEST_F(PageFileTest, EightBitPageKeepsItsOwnColoursAndPixels) {
    std::vector<uint8_t> file = ColourPageFile(ColourPicture, 1);
    ASSERT_EQ(1, Load(file));

    EXPECT_EQ(ExpectedPixels(ColourPicture), Pixels());
    for (int i = 0; i < PAGE_COLOURS; i++) {
        EXPECT_EQ(i * 3 % 256, bmi.bmiColors[i].rgbRed) << i;
        EXPECT_EQ(255 - i, bmi.bmiColors[i].rgbGreen) << i;
        EXPECT_EQ(i, bmi.bmiColors[i].rgbBlue) << i;
    }
    EXPECT_EQ(1, bmfh.bfReserved1);
    EXPECT_EQ(file, Save()); // written back byte for byte
}

TEST_F(PageFileTest, PixelsAreReadFromTheOffsetTheHeaderGives) {
    std::vector<uint8_t> file = ColourPageFile(ColourPicture);
    file.insert(file.begin() + PAGE_HEADERS_BYTES, 100, 0xEE);
    Poke32(file, OFF_OFFBITS, PAGE_HEADERS_BYTES + 100);
    ASSERT_EQ(1, Load(file));
    EXPECT_EQ(ExpectedPixels(ColourPicture), Pixels());

    std::vector<uint8_t> mono = MonoPageFile(OutlinePicture);
    mono.insert(mono.begin() + PAGE_HEADERS_BYTES, 8, 0x00);
    Poke32(mono, OFF_OFFBITS, PAGE_HEADERS_BYTES + 8);
    ASSERT_EQ(1, Load(mono));
    EXPECT_EQ(ExpectedPixels(OutlinePicture), Pixels());
    EXPECT_EQ(1078u, uint32_t(bmfh.bfOffBits)); // as the save will write it
}

// Each case spoils one thing about a good 8-bit page.
struct BadPage {
    const char* lpszName;
    void (*lpfnSpoil)(std::vector<uint8_t>& file);
};

const BadPage BadPages[] = {
    {"ordinary bitmap", [](std::vector<uint8_t>& f) { f[0] = 'B', f[1] = 'M'; }},
    {"width one short", [](std::vector<uint8_t>& f) { Poke32(f, OFF_WIDTH, PAGE_WIDTH - 1); }},
    {"height one more", [](std::vector<uint8_t>& f) { Poke32(f, OFF_HEIGHT, PAGE_HEIGHT + 1); }},
    {"rows top-down",
     [](std::vector<uint8_t>& f) { Poke32(f, OFF_HEIGHT, uint32_t(-PAGE_HEIGHT)); }},
    {"same pixel count, other shape",
     [](std::vector<uint8_t>& f) {
         Poke32(f, OFF_WIDTH, PAGE_WIDTH * 2);
         Poke32(f, OFF_HEIGHT, PAGE_HEIGHT / 2);
     }},
    {"image one byte too big",
     [](std::vector<uint8_t>& f) { Poke32(f, OFF_SIZEIMAGE, PAGE_BYTES + 1); }},
    {"image size huge", [](std::vector<uint8_t>& f) { Poke32(f, OFF_SIZEIMAGE, 0xFFFFFFFFu); }},
    {"24 bits per pixel", [](std::vector<uint8_t>& f) { f[OFF_BITCOUNT] = 24; }},
    {"4 bits per pixel", [](std::vector<uint8_t>& f) { f[OFF_BITCOUNT] = 4; }},
    {"run-length compressed", [](std::vector<uint8_t>& f) { Poke32(f, 30, 1); }},
    {"larger info header", [](std::vector<uint8_t>& f) { Poke32(f, 14, 124); }},
    {"more than 256 colours", [](std::vector<uint8_t>& f) { Poke32(f, OFF_CLRUSED, 257); }},
};

TEST_F(PageFileTest, BadPageFilesAreRefusedAndLeaveThePageAlone) {
    for (const BadPage& bad : BadPages) {
        SCOPED_TRACE(bad.lpszName);
        ASSERT_EQ(1, Load(MonoPageFile(OutlinePicture, 1)));
        std::vector<uint8_t> file = ColourPageFile(ColourPicture);
        bad.lpfnSpoil(file);
        std::vector<uint8_t> before = Snapshot();
        EXPECT_EQ(0, Load(file));
        EXPECT_EQ(before, Snapshot());
    }
}

TEST_F(PageFileTest, FileCutShortBeforeAnyPageWasLoadedIsRefused) {
    std::vector<uint8_t> file = MonoPageFile(OutlinePicture);
    for (size_t cb : {0, 1, 2, 13, 14, 17, 20, 53}) {
        file.resize(cb);
        EXPECT_EQ(0, Load(file)) << cb;
        EXPECT_EQ(std::vector<uint8_t>(PAGE_BYTES, 0), Pixels());
    }
}

// What a short file does not supply keeps the value it had in memory.
TEST_F(PageFileTest, EightBitFileCutInThePixelsReplacesOnlyWhatItHolds) {
    ASSERT_EQ(1, Load(MonoPageFile(OutlinePicture)));
    std::vector<uint8_t> old = Pixels();
    std::vector<uint8_t> file = ColourPageFile(ColourPicture);
    const size_t cbPixels = 5000;
    file.resize(PAGE_HEADERS_BYTES + cbPixels);
    ASSERT_EQ(1, Load(file));

    std::vector<uint8_t> want = ExpectedPixels(ColourPicture);
    std::copy(old.begin() + cbPixels, old.end(), want.begin() + cbPixels);
    EXPECT_EQ(want, Pixels());
    EXPECT_EQ(3, bmi.bmiColors[1].rgbRed); // the colour table arrived whole

    // A whole file whose header asks for fewer pixel bytes is read only that far.
    old = Pixels();
    file = ColourPageFile(OutlinePicture);
    Poke32(file, OFF_SIZEIMAGE, 1000);
    ASSERT_EQ(1, Load(file));
    want = old;
    std::vector<uint8_t> fresh = ExpectedPixels(OutlinePicture);
    std::copy(fresh.begin(), fresh.begin() + 1000, want.begin());
    EXPECT_EQ(want, Pixels());
}

TEST_F(PageFileTest, OneBitFileCutInARowExpandsOnlyTheBitsItHolds) {
    ASSERT_EQ(1, Load(ColourPageFile(ColourPicture)));
    std::vector<uint8_t> old = Pixels();
    const size_t cbPixels = 3 * PAGE_MONO_ROW_BYTES + 5; // three rows and 40 pixels
    std::vector<uint8_t> file = MonoPageFile(OutlinePicture);
    file.resize(PAGE_HEADERS_BYTES + cbPixels);
    ASSERT_EQ(1, Load(file));

    std::vector<uint8_t> want = old;
    std::vector<uint8_t> mono = ExpectedPixels(OutlinePicture);
    std::copy(mono.begin(), mono.begin() + 3 * PAGE_WIDTH + 40, want.begin());
    EXPECT_EQ(want, Pixels());
    EXPECT_EQ(palette[PIXEL_BLANK].red, bmi.bmiColors[PIXEL_BLANK].rgbRed);
    EXPECT_EQ(8, bmi.bmiHeader.biBitCount);
}

TEST_F(PageFileTest, FileCutAnywhereStaysInsideTheBuffers) {
    const std::vector<uint8_t> files[] = {MonoPageFile(OutlinePicture),
                                          ColourPageFile(ColourPicture)};
    for (const std::vector<uint8_t>& whole : files) {
        for (size_t cb = 0; cb < whole.size(); cb += cb < 1200 ? 7 : 4099) {
            ASSERT_EQ(1, Load(ColourPageFile(ColourPicture)));
            std::vector<uint8_t> cut(whole.begin(), whole.begin() + cb);
            // Cut inside the 14-byte header the old page's own header survives and passes.
            EXPECT_EQ(1, Load(cut)) << cb;
            EXPECT_TRUE(GuardIntact()) << cb;
            EXPECT_EQ(PAGE_WIDTH, bmi.bmiHeader.biWidth);
        }
    }
}

TEST_F(PageFileTest, SavingAndDrawingTakeOnlyHeadersThatFitTheBuffer) {
    uint32_t cbImage = 1;
    EXPECT_TRUE(GetPageImageBytes(bmi, PAGE_BYTES, &cbImage)); // nothing loaded: 0 x 0
    EXPECT_EQ(0u, cbImage);
    EXPECT_FALSE(IsSafeToDraw(bmi, PAGE_BYTES));

    ASSERT_EQ(1, Load(MonoPageFile(OutlinePicture)));
    std::swap(bmi.bmiHeader.biWidth, bmi.bmiHeader.biHeight); // turned for printing
    EXPECT_TRUE(IsSafeToDraw(bmi, PAGE_BYTES));
    // Rows of 661 bytes are padded to 664 when drawn: 459 of them would overrun.
    bmi.bmiHeader.biWidth = 661;
    bmi.bmiHeader.biHeight = 459;
    EXPECT_TRUE(GetPageImageBytes(bmi, PAGE_BYTES, &cbImage));
    EXPECT_FALSE(IsSafeToDraw(bmi, PAGE_BYTES));
    bmi.bmiHeader.biHeight = -1;
    EXPECT_FALSE(GetPageImageBytes(bmi, PAGE_BYTES, &cbImage));
}

} // namespace
