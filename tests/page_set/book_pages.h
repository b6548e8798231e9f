// The book's five pages as the asset generator draws them, for the page maker's test set.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum { BOOK_PAGES = 5 };

// Page n (0..4) top-down, 1 outline and 0 paper, and its file name.
std::vector<uint8_t> BookPageInk(int n, std::string* lpName);

// The 4-connected paper areas of a w x h drawing (1 ink, 0 paper): labels from 1 per pixel
// (0 on ink), and each label's size. Returns the number of areas.
int LabelPaper(const std::vector<uint8_t>& ink, int w, int h, std::vector<int>* lpLabels,
               std::vector<int>* lpSizes);
