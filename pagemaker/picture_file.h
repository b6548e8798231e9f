// The page maker's files: a picture read through the system's imaging component, and a page file
// written so that a failure leaves any earlier file as it was.
#pragma once
#include <stdint.h>
#include <string>
#include <vector>

#include "pagemaker/command_line.h"

// A picture as the decoder gives it: top-down rows of blue, green, red and alpha.
struct DecodedPicture {
    std::vector<uint8_t> lpPixels;
    int nWidth;
    int nHeight;
};

// Reads frame 0 of the picture file. Pictures above PICTURE_DECODED_MEGAPIXELS come out scaled
// down to that, keeping their proportions. Needs COM started on the calling thread.
DecodeResult DecodePictureFile(const std::wstring& strFile, DecodedPicture* lpPicture);

// Writes the page file's bytes under that name, replacing an earlier page file; a file of that
// name that is not a page file is never replaced.
WriteResult WritePageFile(const std::wstring& strFile, const std::vector<uint8_t>& bytes);
