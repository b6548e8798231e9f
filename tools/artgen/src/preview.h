// PNG mock-ups of the screens, built from the generated files as the program would show them.
#pragma once
#include "art.h"

// Decodes an uncompressed 8- or 24-bit bitmap (or a 1-bit page, blank = white); empty on error.
Picture DecodeBitmap(const Bytes& data);
Bytes EncodePng(const Picture& pic);
FileSet MakePreviews();
