// The page file codec: little-endian headers, 1-bit expansion and reading a page.
#include "pages/page_file.h"
#include "pages/pixels.h"

#include <cstring>

namespace {

uint16_t Get16(const uint8_t* lp) {
    return static_cast<uint16_t>(lp[0] | lp[1] << 8);
}

uint32_t Get32(const uint8_t* lp) {
    return static_cast<uint32_t>(lp[0]) | static_cast<uint32_t>(lp[1]) << 8 |
           static_cast<uint32_t>(lp[2]) << 16 | static_cast<uint32_t>(lp[3]) << 24;
}

void Put16(uint8_t* lp, uint16_t w) {
    lp[0] = static_cast<uint8_t>(w);
    lp[1] = static_cast<uint8_t>(w >> 8);
}

void Put32(uint8_t* lp, uint32_t dw) {
    for (int i = 0; i < 4; i++)
        lp[i] = static_cast<uint8_t>(dw >> (8 * i));
}

uint32_t ReadMemory(void* lpCtx, void* lpBuf, uint32_t cb) {
    MemoryPageFile* lpFile = static_cast<MemoryPageFile*>(lpCtx);
    if (lpFile->nPos >= lpFile->cbData)
        return 0;
    size_t cbLeft = lpFile->cbData - lpFile->nPos;
    uint32_t cbRead = cbLeft < cb ? static_cast<uint32_t>(cbLeft) : cb;
    memcpy(lpBuf, lpFile->lpData + lpFile->nPos, cbRead);
    lpFile->nPos += cbRead;
    return cbRead;
}

// Like a file, a position past the end is allowed; reads there return nothing.
int SeekMemory(void* lpCtx, uint32_t dwOffset) {
    static_cast<MemoryPageFile*>(lpCtx)->nPos = dwOffset;
    return 1;
}

// Only the exact page size is accepted, since the fill, the clear wave and printing rely on
// it, and only headers that the drawing calls take as they are: a 40-byte header, no
// compression, 1 or 8 bits, at most 256 colours. Anything else would have them read past
// the page's colour table or pixels.
int IsAcceptedPage(const PageInfoHeader& bih, size_t cbPixels) {
    if (bih.biSize != PAGE_INFO_HEADER_BYTES || bih.biCompression != 0)
        return 0;
    if (bih.biWidth != PAGE_WIDTH || bih.biHeight != PAGE_HEIGHT || PAGE_BYTES > cbPixels)
        return 0;
    if (bih.biBitCount == 1)
        return 1;
    return bih.biBitCount == 8 && bih.biClrUsed <= PAGE_COLOURS && bih.biSizeImage <= cbPixels;
}

// Reads the 1-bit rows in file order and expands each into the next row of lpPixels. A row
// that the file supplies only in part is expanded as far as it goes.
void ReadMonoPixels(const PageReader& reader, const PageInfoHeader& bih, uint8_t* lpPixels) {
    uint8_t abRow[PAGE_MONO_ROW_BYTES];
    for (int nRow = 0; nRow < bih.biHeight; nRow++) {
        uint32_t cbRead = reader.lpfnRead(reader.lpCtx, abRow, sizeof(abRow));
        if (cbRead > sizeof(abRow))
            cbRead = sizeof(abRow);
        int nPixels = bih.biWidth;
        if (static_cast<uint32_t>(nPixels) > cbRead * 8)
            nPixels = static_cast<int>(cbRead * 8);
        ExpandMonoRow(abRow, lpPixels + static_cast<size_t>(nRow) * bih.biWidth, nPixels);
        if (cbRead < sizeof(abRow))
            break;
    }
}

} // namespace

PageReader MemoryPageReader(MemoryPageFile* lpFile) {
    PageReader reader = {lpFile, ReadMemory, SeekMemory};
    return reader;
}

void DecodeFileHeader(const uint8_t* lpSrc, PageFileHeader* lpHeader) {
    lpHeader->bfType = Get16(lpSrc);
    lpHeader->bfSize = Get32(lpSrc + 2);
    lpHeader->bfReserved1 = Get16(lpSrc + 6);
    lpHeader->bfReserved2 = Get16(lpSrc + 8);
    lpHeader->bfOffBits = Get32(lpSrc + 10);
}

void DecodeInfo(const uint8_t* lpSrc, PageInfo* lpInfo) {
    PageInfoHeader& bih = lpInfo->bmiHeader;
    bih.biSize = Get32(lpSrc);
    bih.biWidth = static_cast<int32_t>(Get32(lpSrc + 4));
    bih.biHeight = static_cast<int32_t>(Get32(lpSrc + 8));
    bih.biPlanes = Get16(lpSrc + 12);
    bih.biBitCount = Get16(lpSrc + 14);
    bih.biCompression = Get32(lpSrc + 16);
    bih.biSizeImage = Get32(lpSrc + 20);
    bih.biXPelsPerMeter = static_cast<int32_t>(Get32(lpSrc + 24));
    bih.biYPelsPerMeter = static_cast<int32_t>(Get32(lpSrc + 28));
    bih.biClrUsed = Get32(lpSrc + 32);
    bih.biClrImportant = Get32(lpSrc + 36);
    const uint8_t* lpColour = lpSrc + PAGE_INFO_HEADER_BYTES;
    for (int i = 0; i < PAGE_COLOURS; i++, lpColour += 4) {
        lpInfo->bmiColors[i].rgbBlue = lpColour[0];
        lpInfo->bmiColors[i].rgbGreen = lpColour[1];
        lpInfo->bmiColors[i].rgbRed = lpColour[2];
        lpInfo->bmiColors[i].rgbReserved = lpColour[3];
    }
}

void EncodePageHeaders(const PageFileHeader& bmfh, const PageInfo& bmi, uint8_t* lpDst) {
    Put16(lpDst, bmfh.bfType);
    Put32(lpDst + 2, bmfh.bfSize);
    Put16(lpDst + 6, bmfh.bfReserved1);
    Put16(lpDst + 8, bmfh.bfReserved2);
    Put32(lpDst + 10, bmfh.bfOffBits);

    uint8_t* lp = lpDst + PAGE_FILE_HEADER_BYTES;
    const PageInfoHeader& bih = bmi.bmiHeader;
    Put32(lp, bih.biSize);
    Put32(lp + 4, static_cast<uint32_t>(bih.biWidth));
    Put32(lp + 8, static_cast<uint32_t>(bih.biHeight));
    Put16(lp + 12, bih.biPlanes);
    Put16(lp + 14, bih.biBitCount);
    Put32(lp + 16, bih.biCompression);
    Put32(lp + 20, bih.biSizeImage);
    Put32(lp + 24, static_cast<uint32_t>(bih.biXPelsPerMeter));
    Put32(lp + 28, static_cast<uint32_t>(bih.biYPelsPerMeter));
    Put32(lp + 32, bih.biClrUsed);
    Put32(lp + 36, bih.biClrImportant);
    lp += PAGE_INFO_HEADER_BYTES;
    for (int i = 0; i < PAGE_COLOURS; i++, lp += 4) {
        lp[0] = bmi.bmiColors[i].rgbBlue;
        lp[1] = bmi.bmiColors[i].rgbGreen;
        lp[2] = bmi.bmiColors[i].rgbRed;
        lp[3] = bmi.bmiColors[i].rgbReserved;
    }
}

void ExpandMonoRow(const uint8_t* lpSrc, uint8_t* lpDst, int nPixels) {
    for (int x = 0; x < nPixels; x++)
        lpDst[x] = (lpSrc[x >> 3] & (0x80 >> (x & 7))) ? PIXEL_BLANK : PIXEL_OUTLINE;
}

void ConvertHeadersTo8Bit(PageFileHeader* lpHeader, PageInfo* lpInfo) {
    PageInfoHeader& bih = lpInfo->bmiHeader;
    bih.biClrUsed = 0;
    bih.biBitCount = 8;
    bih.biSizeImage = static_cast<uint32_t>(bih.biWidth) * static_cast<uint32_t>(bih.biHeight);
    lpHeader->bfOffBits = bih.biSize + (PAGE_HEADERS_BYTES - PAGE_INFO_HEADER_BYTES);
    lpHeader->bfSize = bih.biSizeImage + lpHeader->bfOffBits;
}

int ReadPage(const PageReader& reader, PageFileHeader* lpHeader, PageInfo* lpInfo,
             uint8_t* lpPixels, size_t cbPixels, const PageRgb* lpPalette) {
    // Start from the page in memory, so that what a short file does not supply stays as it
    // was; nothing is taken over until the headers have passed.
    uint8_t abHeaders[PAGE_HEADERS_BYTES];
    EncodePageHeaders(*lpHeader, *lpInfo, abHeaders);

    reader.lpfnRead(reader.lpCtx, abHeaders, PAGE_FILE_HEADER_BYTES);
    PageFileHeader bmfh;
    DecodeFileHeader(abHeaders, &bmfh);
    if (bmfh.bfType != PAGE_MAGIC)
        return 0;

    reader.lpfnRead(reader.lpCtx, abHeaders + PAGE_FILE_HEADER_BYTES, PAGE_INFO_BYTES);
    PageInfo bmi;
    DecodeInfo(abHeaders + PAGE_FILE_HEADER_BYTES, &bmi);
    const PageInfoHeader& bih = bmi.bmiHeader;
    if (!IsAcceptedPage(bih, cbPixels))
        return 0;
    const int bMono = bih.biBitCount == 1;

    *lpHeader = bmfh;
    *lpInfo = bmi;
    const int bAtPixels = reader.lpfnSeek(reader.lpCtx, bmfh.bfOffBits);
    if (!bMono) {
        if (bAtPixels)
            reader.lpfnRead(reader.lpCtx, lpPixels, bih.biSizeImage);
        return 1;
    }
    if (bAtPixels)
        ReadMonoPixels(reader, bih, lpPixels);
    ApplyPaletteColours(lpPalette, lpInfo);
    ConvertHeadersTo8Bit(lpHeader, lpInfo);
    return 1;
}

int GetPageImageBytes(const PageInfo& bmi, size_t cbPixels, uint32_t* lpcbImage) {
    *lpcbImage = 0;
    const PageInfoHeader& bih = bmi.bmiHeader;
    if (bih.biWidth < 0 || bih.biHeight < 0)
        return 0;
    uint64_t cbImage = static_cast<uint64_t>(bih.biWidth) * static_cast<uint64_t>(bih.biHeight);
    if (cbImage > cbPixels)
        return 0;
    *lpcbImage = static_cast<uint32_t>(cbImage);
    return 1;
}

int IsSafeToDraw(const PageInfo& bmi, size_t cbPixels) {
    const PageInfoHeader& bih = bmi.bmiHeader;
    if (bih.biSize != PAGE_INFO_HEADER_BYTES || bih.biCompression != 0 || bih.biBitCount != 8 ||
        bih.biClrUsed > PAGE_COLOURS || bih.biWidth <= 0 || bih.biHeight <= 0)
        return 0;
    // The drawing calls read rows padded to 4 bytes.
    uint64_t cbRow = (static_cast<uint64_t>(bih.biWidth) + 3) / 4 * 4;
    return cbRow * static_cast<uint64_t>(bih.biHeight) <= cbPixels;
}

void ApplyPaletteColours(const PageRgb* lpPalette, PageInfo* lpInfo) {
    for (int i = 0; i < PAGE_COLOURS; i++) {
        lpInfo->bmiColors[i].rgbRed = lpPalette[i].red;
        lpInfo->bmiColors[i].rgbGreen = lpPalette[i].green;
        lpInfo->bmiColors[i].rgbBlue = lpPalette[i].blue;
    }
}
