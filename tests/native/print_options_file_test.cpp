// The bytes of printer.dta: short, long and odd files, and what a save writes.
#include <gtest/gtest.h>

#include <climits>

#include "ui/printopt_file.h"

namespace {

TEST(PrintOptionFile, ShortFilesFillOnlyTheLowOrderBytesTheyHave) {
    const uint8_t bytes[] = {0x07, 0x01, 0x02, 0x80, 0x55, 0x66};
    EXPECT_EQ(DecodePrintMode(bytes, 0), 0);
    EXPECT_EQ(DecodePrintMode(nullptr, 4), 0);
    EXPECT_EQ(DecodePrintMode(bytes, 1), 7);
    EXPECT_EQ(DecodePrintMode(bytes, 2), 0x0107);
    EXPECT_EQ(DecodePrintMode(bytes, 3), 0x020107);
    EXPECT_EQ(DecodePrintMode(bytes, 4), static_cast<int32_t>(0x80020107u));
    // A longer file: only its first four bytes count.
    EXPECT_EQ(DecodePrintMode(bytes, 6), DecodePrintMode(bytes, 4));
}

TEST(PrintOptionFile, EveryModeIsWrittenLittleEndianAndReadsBackTheSame) {
    const int32_t modes[] = {0, 1, 2, 7, -1, INT_MAX, INT_MIN};
    for (int32_t nMode : modes) {
        uint8_t bytes[PRINTOPT_FILE_BYTES];
        EncodePrintMode(nMode, bytes);
        EXPECT_EQ(DecodePrintMode(bytes, sizeof(bytes)), nMode);
    }
    uint8_t bytes[PRINTOPT_FILE_BYTES];
    EncodePrintMode(1, bytes);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1] | bytes[2] | bytes[3], 0);
    EncodePrintMode(-2, bytes);
    EXPECT_EQ(bytes[0], 0xFE);
    EXPECT_EQ(bytes[3], 0xFF);
}

} // namespace
