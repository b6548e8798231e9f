// The Page Maker window's control ids (its words are numbered with the book's, in
// shell/base/ids.h).
#pragma once
#include "shell/base/ids.h"

// Controls.
#define IDC_MAKER_FIRST_BUTTON 1100 // + MAKER_OPEN ... MAKER_REMOVE
#define IDC_MAKER_PICTURES 1200
#define IDC_MAKER_AREAS 1201
#define IDC_MAKER_GAP 1202
#define IDC_MAKER_LINES 1203
#define IDC_MAKER_STATUS 1204
#define IDC_MAKER_LIST 1205
#define IDC_MAKER_PAGE_COUNT 1206
#define IDC_MAKER_TITLE_EDIT 1210
#define IDC_MAKER_TITLE_WHY 1211
