// The bytes of printer.dta, independent of the machine's byte order.
#include "ui/printopt_file.h"

int32_t DecodePrintMode(const uint8_t* lpBytes, size_t cb) {
    uint32_t dw = 0;
    for (size_t i = 0; lpBytes != nullptr && i < cb && i < PRINTOPT_FILE_BYTES; i++)
        dw |= static_cast<uint32_t>(lpBytes[i]) << (8 * i);
    return static_cast<int32_t>(dw);
}

void EncodePrintMode(int32_t nMode, uint8_t lpBytes[PRINTOPT_FILE_BYTES]) {
    uint32_t dw = static_cast<uint32_t>(nMode);
    for (int i = 0; i < PRINTOPT_FILE_BYTES; i++)
        lpBytes[i] = static_cast<uint8_t>(dw >> (8 * i));
}
