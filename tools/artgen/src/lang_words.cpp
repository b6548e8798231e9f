// The words of the pictures, read with the program's words reader from the folder this tool was
// built with.
#include "lang_words.h"
#include "words.h"

namespace {

WordsFile ReadArtFile(const std::string& sTag) {
    WordsFile file;
    std::vector<std::string> errors;
    ReadWordsFile(std::string(TW_LANG_DIR) + "/" + sTag + "/art.txt", sTag + "/art.txt", &file,
                  &errors);
    if (sTag != "en" && errors.empty()) {
        WordsFile english;
        ReadWordsFile(std::string(TW_LANG_DIR) + "/en/art.txt", "en/art.txt", &english, &errors);
        CheckWords(english, file, &errors);
    }
    if (!errors.empty())
        throw CLabelError(errors.front());
    return file;
}

} // namespace

Words ReadArtWords(const std::string& sTag) {
    Words words;
    for (const WordEntry& e : ReadArtFile(sTag).entries)
        words[e.strKey] = e.strText;
    return words;
}

const std::string& WordFor(const Words& words, const std::string& sKey) {
    auto it = words.find(sKey);
    if (it == words.end() || it->second.empty())
        throw CLabelError("no word for " + sKey);
    return it->second;
}

const Words& EnglishArtWords() {
    static const Words words = ReadArtWords("en");
    return words;
}
