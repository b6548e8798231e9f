// The words drawn into the pictures, one set per language (resources/lang/<tag>/art.txt).
#pragma once
#include "canvas.h"
#include <map>
#include <string>

using Words = std::map<std::string, std::string>;

// The words of one language's art.txt, checked against the English file as every words file is.
// Throws CLabelError with the faults when it cannot be read or does not pass.
Words ReadArtWords(const std::string& sTag);
// The word for a key; throws CLabelError when the language lacks it.
const std::string& WordFor(const Words& words, const std::string& sKey);
// The English words of the pictures.
const Words& EnglishArtWords();
