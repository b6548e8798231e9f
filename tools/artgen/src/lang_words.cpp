// The languages of the pictures and the reading of their words files.
#include "lang_words.h"
#include <fstream>

const ArtLanguage ArtLanguages[10] = {
    {"en", "LANG_ENGLISH", "SUBLANG_ENGLISH_US"},
    {"de", "LANG_GERMAN", "SUBLANG_GERMAN"},
    {"fr", "LANG_FRENCH", "SUBLANG_FRENCH"},
    {"es", "LANG_SPANISH", "SUBLANG_SPANISH_MODERN"},
    {"it", "LANG_ITALIAN", "SUBLANG_ITALIAN"},
    {"pt-BR", "LANG_PORTUGUESE", "SUBLANG_PORTUGUESE_BRAZILIAN"},
    {"nl", "LANG_DUTCH", "SUBLANG_DUTCH"},
    {"pl", "LANG_POLISH", "SUBLANG_DEFAULT"},
    {"sv", "LANG_SWEDISH", "SUBLANG_SWEDISH"},
    {"ru", "LANG_RUSSIAN", "SUBLANG_DEFAULT"},
};

namespace {

std::string Trimmed(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r"), b = s.find_last_not_of(" \t\r");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

} // namespace

int ReadWordsFile(const std::string& sPath, Words& words, std::string& sError) {
    std::ifstream in(sPath, std::ios::binary);
    if (!in) {
        sError = "cannot read " + sPath;
        return 0;
    }
    std::string sLine;
    for (int nLine = 1; std::getline(in, sLine); ++nLine) {
        std::string s = Trimmed(sLine);
        if (s.empty() || s[0] == '#')
            continue;
        size_t eq = s.find('=');
        if (eq == std::string::npos || Trimmed(s.substr(0, eq)).empty()) {
            sError = sPath + ":" + std::to_string(nLine) + ": not `key = text`";
            return 0;
        }
        words[Trimmed(s.substr(0, eq))] = Trimmed(s.substr(eq + 1));
    }
    return 1;
}

const std::string& WordFor(const Words& words, const std::string& sKey) {
    auto it = words.find(sKey);
    if (it == words.end() || it->second.empty())
        throw CLabelError("no word for " + sKey);
    return it->second;
}

const Words& EnglishArtWords() {
    static const Words words = [] {
        Words w;
        std::string sError;
        if (!ReadWordsFile(std::string(TW_LANG_DIR) + "/en/art.txt", w, sError))
            throw CLabelError(sError);
        return w;
    }();
    return words;
}
