// The page file codec: headers, the 1-bit and 8-bit pixel forms, and the page in memory.
// Plain C++ over byte buffers and a read callback, shared by the program and its tests.
#pragma once
#include <cstddef>
#include <cstdint>

enum {
    PAGE_WIDTH = 660,
    PAGE_HEIGHT = 460,
    PAGE_BYTES = PAGE_WIDTH * PAGE_HEIGHT, // one byte per pixel, rows without padding
    PAGE_COLOURS = 256,
    PAGE_FILE_HEADER_BYTES = 14,
    PAGE_INFO_HEADER_BYTES = 40,
    PAGE_INFO_BYTES = PAGE_INFO_HEADER_BYTES + 4 * PAGE_COLOURS,   // 1064
    PAGE_HEADERS_BYTES = PAGE_FILE_HEADER_BYTES + PAGE_INFO_BYTES, // 1078
    PAGE_MONO_ROW_BYTES = (PAGE_WIDTH + 31) / 32 * 4,              // 84
};

// The two characters "T3" as the little-endian type field of a page file.
const uint16_t PAGE_MAGIC = 0x3354;

// The layouts below are those of the system's bitmap headers, field for field, so that
// the page header can be handed to the drawing calls unchanged. Values are held in host
// order; the codec reads and writes the little-endian file bytes explicitly.
#pragma pack(push, 2)
struct PageFileHeader {
    uint16_t bfType;
    uint32_t bfSize;
    uint16_t bfReserved1; // the clear flag: 1 = cleared and not coloured since
    uint16_t bfReserved2;
    uint32_t bfOffBits;
};
#pragma pack(pop)

struct PageInfoHeader {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight; // positive: rows bottom-up
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};

struct PageRgbQuad {
    uint8_t rgbBlue;
    uint8_t rgbGreen;
    uint8_t rgbRed;
    uint8_t rgbReserved;
};

struct PageInfo {
    PageInfoHeader bmiHeader;
    PageRgbQuad bmiColors[PAGE_COLOURS];
};

static_assert(sizeof(PageFileHeader) == PAGE_FILE_HEADER_BYTES, "file header is 14 bytes");
static_assert(sizeof(PageInfoHeader) == PAGE_INFO_HEADER_BYTES, "info header is 40 bytes");
static_assert(sizeof(PageInfo) == PAGE_INFO_BYTES, "info header and colour table are 1064 bytes");

struct PageRgb {
    uint8_t red, green, blue;
};

// Where the bytes of a page file come from: the open file in the program, memory in tests.
struct PageReader {
    void* lpCtx;
    // Reads up to cb bytes into lpBuf and returns how many it read (fewer at the end).
    uint32_t (*lpfnRead)(void* lpCtx, void* lpBuf, uint32_t cb);
    // Moves to dwOffset bytes from the start; returns 1 on success.
    int (*lpfnSeek)(void* lpCtx, uint32_t dwOffset);
};

// A page file held in memory, read through a PageReader.
struct MemoryPageFile {
    const uint8_t* lpData;
    size_t cbData;
    size_t nPos;
};

PageReader MemoryPageReader(MemoryPageFile* lpFile);

void DecodeFileHeader(const uint8_t* lpSrc, PageFileHeader* lpHeader);
void DecodeInfo(const uint8_t* lpSrc, PageInfo* lpInfo);
// Writes the headers as a page file begins: 14 + 1064 bytes into lpDst.
void EncodePageHeaders(const PageFileHeader& bmfh, const PageInfo& bmi, uint8_t* lpDst);

// Expands the first nPixels bits of a 1-bit row, most significant bit first, into one byte
// per pixel: 225 (blank) for a set bit, 0 (outline) for a clear bit.
void ExpandMonoRow(const uint8_t* lpSrc, uint8_t* lpDst, int nPixels);

// Rewrites the headers of a just expanded 1-bit page so that they describe the 8-bit page
// now in memory; every other field, the clear flag included, keeps its value.
void ConvertHeadersTo8Bit(PageFileHeader* lpHeader, PageInfo* lpInfo);

// Copies red, green and blue of the 256 colours into a page's colour table; the fourth
// byte of each entry keeps its value.
void ApplyPaletteColours(const PageRgb* lpPalette, PageInfo* lpInfo);

// Reads one page into the three parts of the page in memory. Returns 1 when the page was
// taken, 0 when the file is not a colouring page: wrong magic, not 660 x 460, more pixel
// bytes than lpPixels holds, or a header the drawing calls could not take as it is (not
// 40 bytes, compressed, other than 1 or 8 bits, more than 256 colours). A refused file
// leaves all three untouched. A file that ends early leaves whatever it did not supply as it
// was. lpPalette (256 colours) replaces the colour table of a 1-bit page.
int ReadPage(const PageReader& reader, PageFileHeader* lpHeader, PageInfo* lpInfo,
             uint8_t* lpPixels, size_t cbPixels, const PageRgb* lpPalette);

// The number of pixel bytes a save writes for this header, width x height. Returns 0 when
// the header does not describe an image that fits the cbPixels of the buffer.
int GetPageImageBytes(const PageInfo& bmi, size_t cbPixels, uint32_t* lpcbImage);

// Whether the header, used as the drawing calls' bitmap description, makes them read only
// inside the colour table and the cbPixels of the buffer: an 8-bit, uncompressed, non-empty
// image of at most 256 colours.
int IsSafeToDraw(const PageInfo& bmi, size_t cbPixels);
