// The book's five pages as the asset generator draws them, for the page maker's test set.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum { BOOK_PAGES = 5 };

// Page n (0..4) top-down, 1 outline and 0 paper, and its file name.
std::vector<uint8_t> BookPageInk(int n, std::string* lpName);
