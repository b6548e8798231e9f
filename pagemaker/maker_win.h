// The Page Maker window's Win32 layer: the window, the parent's pages list, the title box and
// the words, each in its own file. The logic they show lives in maker_state and maker_view.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

#include "pagemaker/command_line.h"
#include "pagemaker/maker_layout.h"
#include "pagemaker/maker_state.h"
#include "pages/my_pages.h"

// Opens the window with these pictures (the first shown) and runs it until it is closed;
// the process's exit code.
int RunMakerWindow(const std::vector<std::wstring>& pictures);
// Makes the book's folder the current one, where the parent's pages are kept: the current folder
// when it holds the book's pages, else the program's own when that does (a picture dropped on the
// icon may start the program in the picture's folder).
void GoToBookFolder();

// maker_words_win.cpp: the window's words from the string table, and conversions.
std::wstring Words(UINT idString);
std::wstring WordsWith(UINT idString, const std::wstring& strArg);
std::wstring WordsWith(UINT idString, int n);
std::wstring WordsWith(UINT idString, int n1, int n2);
std::wstring WordsWith(UINT idString, const std::wstring& strArg, int n);
// A parent's words for what a change to the parent's pages or a title check came to; nTitle
// matters for MYPAGES_BAD_TITLE only.
std::wstring MyPagesWords(MyPagesResult nResult, TitleResult nTitle = TITLE_OK);
// Why the picture strName could not be opened, in the parent's language.
std::wstring PictureWords(DecodeResult nResult, const std::wstring& strName);
std::wstring TitleWords(TitleResult nTitle);
std::wstring Wide(const std::string& strUtf8);
std::string Utf8Of(const std::wstring& str);
HFONT MakerFont(int nHeight, int bBold);

// maker_pages_win.cpp: the list of the parent's pages beside the page.
HWND CreateMyPagesList(HWND hWndParent, HFONT hFont);
// Reads the pages again; the page nSelect (by file name) chosen when given. Sets the count line.
void FillMyPagesList(HWND hWndList, HWND hWndCount, const std::string& strSelect);
void DrawMyPageItem(const DRAWITEMSTRUCT* lpDraw, HFONT hFont);
// The chosen page's file name, or "" for none.
std::string ChosenMyPage(HWND hWndList);
// How many pages of the parent's there are now.
int CountMyPages();

// maker_title_win.cpp: asks for the page's title in the book's look. TRUE and the title (UTF-8,
// capitals) when the parent chose Add; FALSE when they changed their mind.
int AskTitle(HWND hWndOwner, const std::string& strSuggested, std::string* lpstrTitle);

// A button as one of its two pictures, the down one while it is pressed, with its words (none
// for idCaption 0) beside the picture.
void DrawMakerButton(const DRAWITEMSTRUCT* lpDraw, const char* lpszUp, const char* lpszDown,
                     UINT idCaption, HFONT hFont);
// One line of words in the window's ink, in the rectangle (DT_LEFT or DT_CENTER).
void DrawWords(HDC hdc, const std::wstring& strWords, const RECT& rc, HFONT hFont, UINT uAlign);
