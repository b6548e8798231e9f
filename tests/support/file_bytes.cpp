// Reading whole files for the tests.
#include "support/file_bytes.h"
#include <stdio.h>

std::vector<uint8_t> ReadFileBytes(const std::string& strPath) {
    std::vector<uint8_t> bytes;
    FILE* fp = fopen(strPath.c_str(), "rb");
    if (fp == NULL)
        return bytes;
    uint8_t buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), fp)) > 0)
        bytes.insert(bytes.end(), buf, buf + n);
    fclose(fp);
    return bytes;
}
