// The resource numbers shared by the resource scripts and the code: strings, numbered bitmaps
// and sounds. Plain defines, so that the resource compiler and the portable code can read them.
#pragma once

// String table, one per key of resources/lang/en/strings.txt: 1..99 the book, 100..199 the page
// maker.
#define IDS_STARTUP 1
#define IDS_NOTIMER 2
#define IDS_APPNAME 5
#define IDS_NOTAPAGE 7
#define IDS_FILEMISSING 8
#define IDS_NOPAGES 9
#define IDS_WINDOW_TITLE 10
#define IDS_NOMEMORY_GAME 11
#define IDS_ERROR 12
#define IDS_ASSERT_CAPTION 13
#define IDS_ASSERT_TEXT 14
#define IDS_NOMEMORY_DIALOG 15
#define IDS_DLG_DONE 16
#define IDS_DLG_ABOUT 17
#define IDS_DLG_PRINTOPTIONS 18
#define IDS_DLG_OK 19
#define IDS_ABOUT_TITLE 20
#define IDS_ABOUT_VERSION 21
#define IDS_PRINT_DOCUMENT 22
// The Page Maker's window.
#define IDS_MAKER_CAPTION 100
#define IDS_MAKER_AREAS 101
#define IDS_MAKER_GAP 102
#define IDS_MAKER_LINES_LIGHTER 103
#define IDS_MAKER_LINES_NORMAL 104
#define IDS_MAKER_LINES_DARKER 105
#define IDS_MAKER_HINT_NO_PICTURE 110
#define IDS_MAKER_HINT_EMPTY 111
#define IDS_MAKER_HINT_NO_LINES 112
#define IDS_MAKER_HINT_ALL_BLACK 113
#define IDS_MAKER_HINT_PHOTOGRAPH 114
#define IDS_MAKER_HINT_ONE_AREA 115
#define IDS_MAKER_HINT_MANY_TINY 116
#define IDS_MAKER_HINT_GOOD 117
#define IDS_MAKER_HINT_NOT_READ 118
#define IDS_MAKER_OPENED 120
#define IDS_MAKER_OPEN_FILTER 121
#define IDS_MAKER_OPEN_TITLE 122
#define IDS_MAKER_ADDED 123
#define IDS_MAKER_NOT_ADDED 124
#define IDS_MAKER_REMOVED 125
#define IDS_MAKER_NOT_REMOVED 126
#define IDS_MAKER_MOVED 127
#define IDS_MAKER_NOT_MOVED 128
#define IDS_MAKER_PAGE_COUNT 129
#define IDS_MAKER_FULL 130
#define IDS_MAKER_NO_PAGE 131
#define IDS_MAKER_CHOOSE_PAGE 132
#define IDS_MAKER_TITLE_ASK 133
#define IDS_MAKER_TITLE_RULES 134
#define IDS_MAKER_TITLE_TOO_WIDE 135
#define IDS_MAKER_DAMAGED_LIST 137
#define IDS_MAKER_FONT 138
#define IDS_MAKER_BUTTON_OPEN 140
#define IDS_MAKER_BUTTON_ADD 141
#define IDS_MAKER_BUTTON_REMOVE 142
#define IDS_MAKER_BUTTON_ADD_TITLE 143
#define IDS_MAKER_BUTTON_CANCEL 144
#define IDS_MAKER_LABEL_GAPS 145
#define IDS_MAKER_LABEL_LINES 146
#define IDS_MAKER_LABEL_MINE 147
#define IDS_MAKER_RESULT_FULL 150
#define IDS_MAKER_RESULT_NOT_FOUND 151
#define IDS_MAKER_RESULT_CANNOT_MOVE 152
#define IDS_MAKER_RESULT_BUSY 153
#define IDS_MAKER_RESULT_WRITE_FAILED 154
#define IDS_MAKER_RESULT_NO_TITLE 155
#define IDS_MAKER_RESULT_BAD_LETTER 156
#define IDS_MAKER_RESULT_TOO_WIDE 157
#define IDS_MAKER_PICTURE_NO_FILE 160
#define IDS_MAKER_PICTURE_CANNOT_OPEN 161
#define IDS_MAKER_PICTURE_NOT_PICTURE 162
#define IDS_MAKER_PICTURE_DAMAGED 163
#define IDS_MAKER_PICTURE_UNSUPPORTED 164
#define IDS_MAKER_PICTURE_EMPTY 165
#define IDS_MAKER_PICTURE_TOO_LARGE 166
#define IDS_MAKER_PICTURE_NO_MEMORY 167
#define IDS_MAKER_PICTURE_NO_DECODERS 168

// Numbered bitmaps: the 8 palette-page buttons and the 224 swatches (two looks stacked).
#define IDB_PALETTE_FIRST 91
#define IDB_SWATCH_FIRST 101

// WAVE sounds.
#define IDW_FILL_FIRST 1 // start sounds of a colour fill, one picked per fill
#define IDW_FILL_LAST 34
#define IDW_FILL_LOOP 35  // loops while a colour fill runs long
#define IDW_CLEAR_LOOP 36 // loops while a clear runs long
#define IDW_CLEAR 37      // start of a clear
#define IDW_CLICK 38      // a colour or palette-page button
#define IDW_COUNT 39      // table size; entry 0 is never used
