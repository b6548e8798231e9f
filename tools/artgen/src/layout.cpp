// Where the program places each button on the 800 x 600 screen.
#include "art.h"

const ButtonPlace ToolPlaces[6] = {
    {"QuitBtn", "QuitBtnDn", 12, 12, 96, 45},    {"PrintBtn", "PrintBtnDn", 318, 12, 79, 45},
    {"ClearBtn", "ClearBtnDn", 403, 12, 79, 45}, {"InfoBtn", "InfoBtnDn", 692, 12, 96, 45},
    {"UpBtn", "UpBtnDn", 267, 543, 53, 45},      {"DownBtn", "DownBtnDn", 480, 543, 53, 45},
};

const int PalettePageX[8] = {114, 165, 216, 267, 488, 539, 590, 641};

// Anticlockwise around the page: down the left, along the bottom, up the right.
const int SwatchX[28] = {12,  12,  12,  12,  12,  12,  12,  12,  12,  12,  62,  114, 165, 216,
                         539, 590, 641, 692, 743, 743, 743, 743, 743, 743, 743, 743, 743, 743};
const int SwatchY[28] = {84,  135, 186, 237, 288, 339, 390, 441, 492, 543, 543, 543, 543, 543,
                         543, 543, 543, 543, 543, 492, 441, 390, 339, 288, 237, 186, 135, 84};
