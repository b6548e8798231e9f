// A decoded picture as the page maker takes it: plain pixels, as any decoder gives them.
#pragma once
#include <cstddef>
#include <cstdint>

// How the pixels of a decoded picture are laid out: one byte per channel.
enum PictureFormat {
    PICTURE_GREY = 1, // one byte per pixel, 0 black .. 255 white
    PICTURE_RGB = 3,  // red, green, blue
    PICTURE_RGBA = 4, // red, green, blue, alpha (0 transparent = paper)
    PICTURE_BGRA = 5, // blue, green, red, alpha, as the system's imaging decoders give it
};

// A decoded picture, top-down rows; nStride bytes from one row to the next.
struct Picture {
    const uint8_t* lpPixels;
    int nWidth;
    int nHeight;
    size_t nStride;
    PictureFormat nFormat;
};
