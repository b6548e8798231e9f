// Whole files as bytes, for tests that check what the program wrote.
#pragma once
#include <stdint.h>
#include <string>
#include <vector>

// The file's bytes; empty when it cannot be read.
std::vector<uint8_t> ReadFileBytes(const std::string& strPath);
