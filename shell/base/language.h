// The language the book speaks, and its resources in that language: strings, bitmaps and the
// message boxes made of them.
#pragma once
#include <windows.h>

#include "shell/base/languages.h"

// The book's language, an index of BookLanguages, chosen at the first call: the language that
// LANGUAGE.TXT in the book's folder names (English for one the book does not have); without
// that file the user's display language, or the book's nearest to it; else English.
int CurrentLanguage();
// The font character set the book's language needs.
BYTE LanguageCharSet();

// A resource of the program in the book's language, else in English, else in any language.
HRSRC FindLangResource(LPCWSTR lpType, LPCWSTR lpName);

// Loads string id in the book's language into slot 0 or 1 and returns the slot's buffer
// (511 characters at most; empty when the program has no such string).
const wchar_t* LoadResStringW(unsigned id, int nSlot);

// A bitmap resource in the book's language, else in English, made as LoadBitmapA makes it; null
// when missing.
HBITMAP LoadLangBitmap(const char* lpszName);

// Text in the system's code page (a file name) as UTF-16, for FillInWords.
std::u16string WidenText(const char* lpsz);

// A message box of string resources in the book's language, its buttons in that language where
// the system has them. The text may be given already loaded (lpszText), else idText is loaded.
int LangMessageBox(HWND hWnd, const wchar_t* lpszText, unsigned idText, unsigned idCaption,
                   UINT uType);
