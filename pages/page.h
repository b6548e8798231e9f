// The page in memory, its file, its buffers and its drawing: what the rest of the program uses.
#pragma once
#include <windows.h>

#include <cstddef>

#include "pages/page_file.h"
#include "pages/palette.h"

enum {
    PAGE_COUNT = 5,
    PAGE_LEFT = 70, // where the page's top-left pixel lies in the window
    PAGE_TOP = 70,
    PRINT_MARGIN = 4,
    PRINT_BYTES = (PAGE_HEIGHT + 2 * PRINT_MARGIN) * (PAGE_WIDTH + 2 * PRINT_MARGIN),
};

extern const char* const PageFiles[PAGE_COUNT]; // opened in the current directory
extern const int PageTitles[PAGE_COUNT];        // strip numbers in the Titles bitmap
extern int nCurPage; // the page in memory: 0..4 the five, then the parent's pages

// The book's pages: the five, then the parent's pages, read from their index by LoadPageTable
// as the book starts (without it, the five alone).
void LoadPageTable();
int GetPageCount();
const char* GetPageFile(int nPage);
// The title of a parent's page, or null for one of the five (they have their strips).
const char* GetMyPageTitle(int nPage);
// LoadPage for a page of the book. A parent's page removed since the book started is passed
// over without a word.
int LoadBookPage(int nPage);
// SavePage of the page in memory into its file, unless it is a parent's page removed since.
int SaveCurrentPage();

extern PageFileHeader bmfhPage;      // as read from the page file; bfReserved1 is the clear flag
extern PageInfo bmiPage;             // info header and 256 colours, the page's bitmap description
extern PageRgb logPal[PAGE_COLOURS]; // the program palette

extern BYTE* lpDib;      // PAGE_BYTES: the page's pixels, bottom-up, one byte each
extern BYTE* lpDibClear; // PAGE_BYTES: scratch for the clear wave and the turned print image
extern BYTE* lpDibPrint; // PRINT_BYTES: the framed print image; its margin stays 0

// The page header as the drawing calls take it; the two layouts are the same.
inline const BITMAPINFO* PageBitmapInfo(const PageInfo* lpInfo) {
    return reinterpret_cast<const BITMAPINFO*>(lpInfo);
}
static_assert(sizeof(PageFileHeader) == sizeof(BITMAPFILEHEADER), "file header layout");
static_assert(sizeof(PageInfoHeader) == sizeof(BITMAPINFOHEADER), "info header layout");
static_assert(offsetof(PageFileHeader, bfOffBits) == offsetof(BITMAPFILEHEADER, bfOffBits),
              "file header layout");
static_assert(offsetof(PageInfoHeader, biClrImportant) ==
                  offsetof(BITMAPINFOHEADER, biClrImportant),
              "info header layout");
static_assert(offsetof(PageInfo, bmiColors) == offsetof(BITMAPINFO, bmiColors),
              "colour table follows the header");

// Fills logPal and copies it into the colour table of bmiPage.
void BuildPalette();

// Zero-filled movable global memory, locked; null when even the low-memory handler gave up.
void* GmemAlloc(DWORD dwSize);
void GmemFree(void* lpMem);

// Allocates lpDib, lpDibClear and lpDibPrint; on a failure reports it, frees all three and
// returns 0.
int AllocPageBuffers();
void FreePageBuffers();

// Reads a page file into bmfhPage, bmiPage and lpDib; tells the child and returns 0 when
// the file is missing or not a page.
int LoadPage(const char* lpszFile);

// Writes the page in memory to lpszFile without ever leaving it half written: 0 on any
// failure, silently, with the old file as it was.
int SavePage(const char* lpszFile);

// The page at (70, 70), pixel for pixel. 0 when there is no page buffer.
int DrawPage(HDC hdc);

// The current page's title strip at (330, 561): the five's from the Titles bitmap, a parent's
// page's set in the title letters.
void DrawPageTitle(HDC hdc);
