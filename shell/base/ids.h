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
