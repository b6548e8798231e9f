// Where everything sits in the Page Maker's window, in client pixels: shared by the window and
// by the artwork generator, which draws the background and each button for its place.
#pragma once

enum {
    MAKER_WIDTH = 980, // the client area: with its frame it fits a 1024 x 768 screen
    MAKER_HEIGHT = 660,
    MAKER_PAGE_X = 24, // the page, shown at the book's size, pixel for pixel
    MAKER_PAGE_Y = 76,
    MAKER_BUTTON_HEIGHT = 46,
    MAKER_TITLE_WIDTH = 400, // the title box
    MAKER_TITLE_HEIGHT = 230,
    MAKER_THUMB_WIDTH = 66, // a parent's page in the list, a tenth of its size
    MAKER_THUMB_HEIGHT = 46,
    MAKER_LIST_ITEM_HEIGHT = 54,
};

struct MakerPlace {
    int x, y, cx, cy;
};

// The window's buttons, in the order of their control ids (IDC_MAKER_FIRST_BUTTON on).
enum {
    MAKER_OPEN,
    MAKER_GAP_LESS,
    MAKER_GAP_MORE,
    MAKER_LIGHTER,
    MAKER_DARKER,
    MAKER_ADD,
    MAKER_UP,
    MAKER_DOWN,
    MAKER_REMOVE,
    MAKER_BUTTONS
};
const MakerPlace MakerButtons[MAKER_BUTTONS] = {
    {14, 10, 190, 46},  {96, 556, 46, 46},  {228, 556, 46, 46},
    {386, 556, 46, 46}, {538, 556, 46, 46}, {720, 10, 246, 46},
    {720, 540, 46, 46}, {772, 540, 46, 46}, {824, 540, 142, 46}};
// The title box's two buttons, in its own client pixels.
const MakerPlace MakerTitleOk = {60, 164, 130, 46};
const MakerPlace MakerTitleCancel = {210, 164, 130, 46};

// Plates of the background that words and the list are shown on.
const MakerPlace MakerPictures = {214, 18, 226, 300}; // the opened pictures' list, dropped
const MakerPlace MakerAreas = {450, 12, 244, 44};     // "Areas: 24"
const MakerPlace MakerGap = {144, 564, 82, 30};       // "12 px"
const MakerPlace MakerLines = {434, 564, 102, 30};    // "Normal"
const MakerPlace MakerStatus = {24, 612, 660, 40};    // the hint and the last thing done
const MakerPlace MakerList = {720, 100, 246, 432};    // the parent's pages
const MakerPlace MakerPageCount = {720, 596, 246, 50};
const MakerPlace MakerLabelGap = {16, 556, 78, 46}; // words drawn into the background
const MakerPlace MakerLabelLines = {292, 556, 92, 46};
const MakerPlace MakerLabelMine = {720, 64, 246, 34};
// The title box's question, field and reason line.
const MakerPlace MakerTitleAsk = {24, 22, 352, 50};
const MakerPlace MakerTitleEdit = {40, 80, 320, 34};
const MakerPlace MakerTitleWhy = {24, 122, 352, 36};
