// The print option as it lies in printer.dta: a 32-bit little-endian signed integer.
#pragma once
#include <cstddef>
#include <cstdint>

enum { PRINTOPT_FILE_BYTES = 4 };

// The print mode from the first cb bytes of the file (at most 4 are used). A short file
// fills only the low-order bytes it has; the others are 0.
int32_t DecodePrintMode(const uint8_t* lpBytes, size_t cb);

// The 4 bytes that hold nMode in the file.
void EncodePrintMode(int32_t nMode, uint8_t lpBytes[PRINTOPT_FILE_BYTES]);
