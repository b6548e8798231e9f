// The page maker's command line: its arguments, its exit codes and every sentence it prints.
// Window-free, so that the host tests read the same words the program says.
#pragma once
#include <stdint.h>
#include <string>
#include <vector>

#include "pagemaker/core/make_page.h"

// The exit codes, one per kind of failure, so that a script can tell them apart.
enum {
    PAGEMAKER_EXIT_OK = 0,
    PAGEMAKER_EXIT_USAGE = 1,   // the arguments were wrong: nothing was read or written
    PAGEMAKER_EXIT_PICTURE = 2, // the picture could not be read
    PAGEMAKER_EXIT_NO_PAGE = 3, // the picture was read but holds no page to colour
    PAGEMAKER_EXIT_WRITE = 4,   // the page was made but could not be written
    PAGEMAKER_EXIT_FULL = 5,    // /add: the book has as many of the parent's pages as it takes
};

enum {
    PAGEMAKER_MAX_GAP = 30, // wider joins would tie together lines that are meant to be apart
    // Pictures the page maker reads: no side over 30000 pixels and at most 100 megapixels, which
    // takes any camera's photo; above 16 megapixels the decoder scales the picture down to that
    // (a page is 0.3 megapixels), so that a 50-megapixel photo needs 64 MB, not 200.
    PICTURE_MAX_SIDE = 30000,
    PICTURE_MAX_MEGAPIXELS = 100,
    PICTURE_DECODED_MEGAPIXELS = 16,
};

struct PagemakerArgs {
    int bAdd = false; // "/add PICTURE": a page of the parent's in the book, not a page file
    std::string strPicture;
    std::string strPage; // the page file to make, without /add
    std::string strTitle;
    int bTitle = false; // /title given
    MakeSettings settings;
};

// Reads the arguments that follow the program's name: "PICTURE PAGEFILE.TW3" or, with "/add"
// first, "/add PICTURE [/title TITLE]". Only "/gap N", "/lines lighter|darker" and "/title"
// (in any case) are switches: every other word is a file name, "/home/me/cat.png" included.
// Returns TRUE and fills lpArgs, or FALSE with a sentence saying what is wrong.
int ParsePagemakerArgs(const std::vector<std::string>& args, const MakeSettings& defaults,
                       PagemakerArgs* lpArgs, std::string* lpstrError);

// How to call the program, several lines; nDefaultGap is the gap used without /gap.
std::string PagemakerUsage(int nDefaultGap);

// Why a picture file could not be read.
enum DecodeResult {
    DECODE_OK = 0,
    DECODE_NO_FILE,     // nothing by that name, or a folder
    DECODE_CANNOT_OPEN, // there, but locked or not ours to read
    DECODE_NOT_PICTURE, // no decoder takes it
    DECODE_DAMAGED,     // a picture, but damaged or cut short
    DECODE_UNSUPPORTED, // a picture in a variant of its format that no decoder here reads
    DECODE_EMPTY,       // 0 pixels wide or high
    DECODE_TOO_LARGE,   // beyond PICTURE_MAX_SIDE or PICTURE_MAX_PIXELS
    DECODE_NO_MEMORY,
    DECODE_NO_DECODERS, // the system's imaging component did not start
};

// Why a page file could not be written.
enum WriteResult {
    WRITE_OK = 0,
    WRITE_NOT_A_PAGE, // a file that is not a colouring page has that name: it is kept
    WRITE_NO_FOLDER,  // the folder is not there or takes no new files
    WRITE_FAILED,     // the disk refused the bytes or the replacement
};

// Whether the first bytes of a file are those of a PNG, JPEG, BMP, GIF or TIFF picture: a file
// that starts like one and is not read is a damaged picture rather than some other file.
int HasPictureSignature(const uint8_t* lpBytes, size_t cbBytes);

// Whether a picture of that size in its file is taken: DECODE_OK, DECODE_EMPTY or
// DECODE_TOO_LARGE. Sizes as the file states them, up to 2^32 - 1.
DecodeResult CheckPictureSize(uint32_t nWidth, uint32_t nHeight);
// The size to decode a taken picture at: as it is up to PICTURE_DECODED_MEGAPIXELS, else scaled
// down to fit that, keeping its proportions and at least one pixel each way.
void GetDecodedSize(uint32_t nWidth, uint32_t nHeight, uint32_t* lpnWidth, uint32_t* lpnHeight);

// Sentences for a parent, each naming the file.
std::string DecodeResultText(DecodeResult nResult, const std::string& strFile);
std::string WriteResultText(WriteResult nResult, const std::string& strFile);

// The one line printed for a page made.
std::string MadePageText(const MadePage& page, const std::string& strFile, long nMs);
// The one line printed for a page added to the book as its page nPage (1 = the first of all).
std::string AddedPageText(const MadePage& page, const std::string& strTitle, int nPage,
                          const std::string& strPath);

// The title a picture gets without /title: its file name in capitals and allowed characters,
// cut, at a space where it can, until lpfnFits takes it; "MY PAGE" when nothing is left.
std::string TitleForPicture(const std::string& strPicture, int (*lpfnFits)(const std::string&));
