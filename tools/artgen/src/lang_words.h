// The words drawn into the pictures, one set per language (resources/lang/<tag>/art.txt).
#pragma once
#include "canvas.h"
#include <map>
#include <string>

using Words = std::map<std::string, std::string>;

// A language the book speaks: its tag and its rc LANGUAGE statement's two names.
struct ArtLanguage {
    const char* lpszTag;
    const char* lpszLang;
    const char* lpszSublang;
};
extern const ArtLanguage ArtLanguages[10]; // English first

// Reads one words file; 0 with a reason in sError when it cannot be read or a line is not
// `key = text`.
int ReadWordsFile(const std::string& sPath, Words& words, std::string& sError);
// The word for a key; throws CLabelError when the language lacks it.
const std::string& WordFor(const Words& words, const std::string& sKey);
// The English words of the pictures, read from the words folder this tool was built with.
const Words& EnglishArtWords();
