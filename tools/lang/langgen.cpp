// langgen: checks the words of every language against the English ones and writes the string
// tables of every language as a resource script.
//     langgen <folder of the language folders> <resource script to write>
// Any fault is printed and ends the run with 1, before anything is written.
#include "words.h"

#include "shell/base/languages.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// The resource number's name of a key: "nomemory.game" is IDS_NOMEMORY_GAME.
std::string IdName(const std::string& strKey) {
    std::string str = "IDS_";
    for (char c : strKey)
        str += (c == '.' || c == '-')   ? '_'
               : (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32)
                                        : c;
    return str;
}

// A wide string literal of the resource compiler: quotes doubled, the rest past ASCII as \x.
std::string RcLiteral(const std::string& strText) {
    std::u32string codePoints;
    DecodeUtf8(strText, &codePoints);
    std::string str = "L\"";
    for (char16_t ch : ToUtf16(codePoints)) {
        if (ch == '"') {
            str += "\"\"";
        } else if (ch == '\\') {
            str += "\\\\";
        } else if (ch == '\n') {
            str += "\\n";
        } else if (ch >= 0x20 && ch < 0x7F) {
            str += static_cast<char>(ch);
        } else {
            char sz[8];
            snprintf(sz, sizeof(sz), "\\x%04X", static_cast<unsigned>(ch));
            str += sz;
        }
    }
    return str + "\"";
}

std::string StringTable(const BookLanguage& lang, const WordsFile& words) {
    std::ostringstream out;
    char sz[64];
    snprintf(sz, sizeof(sz), "LANGUAGE 0x%02X, 0x%02X\n", lang.wPrimary, lang.wSub);
    out << "// " << lang.lpszTag << "\n" << sz << "STRINGTABLE\nBEGIN\n";
    for (const WordEntry& entry : words.entries)
        out << "    " << IdName(entry.strKey) << " " << RcLiteral(entry.strText) << "\n";
    out << "END\n\n";
    return out.str();
}

// Writes the file only when its bytes change, through a temporary file moved over it.
int WriteIfChanged(const fs::path& path, const std::string& strText) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream old;
    if (in)
        old << in.rdbuf();
    if (in && old.str() == strText)
        return 1;
    fs::path pathTemp = path;
    pathTemp += ".tmp";
    std::ofstream out(pathTemp, std::ios::binary);
    out << strText;
    out.close();
    std::error_code ec;
    if (!out || (fs::rename(pathTemp, path, ec), ec))
        return 0;
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: langgen <language folders> <resource script>\n");
        return 2;
    }
    fs::path root = argv[1];
    std::vector<std::string> errors;
    std::error_code ec;
    for (const fs::directory_entry& dir : fs::directory_iterator(root, ec))
        if (dir.is_directory() && FindLanguageTag(dir.path().filename().string().c_str()) < 0)
            errors.push_back(dir.path().filename().string() + ": not a language of the book");
    std::vector<std::string> groups;
    for (const fs::directory_entry& file : fs::directory_iterator(root / "en", ec))
        if (file.path().extension() == ".txt")
            groups.push_back(file.path().filename().string());
    if (ec || groups.empty())
        errors.push_back((root / "en").string() + ": no English words");

    std::string strScript = "// The string tables of every language, written by langgen from "
                            "resources/lang/*/strings.txt.\n\n";
    for (const std::string& strGroup : groups) {
        WordsFile english;
        ReadWordsFile((root / "en" / strGroup).string(), "en/" + strGroup, &english, &errors);
        for (const BookLanguage& lang : BookLanguages) {
            std::string strName = std::string(lang.lpszTag) + "/" + strGroup;
            WordsFile words;
            fs::path path = root / lang.lpszTag / strGroup;
            if (&lang == &BookLanguages[LANGUAGE_ENGLISH]) {
                words = english;
            } else if (!fs::exists(path)) {
                errors.push_back(strName + ": missing");
                continue;
            } else if (ReadWordsFile(path.string(), strName, &words, &errors)) {
                CheckWords(english, words, &errors);
            }
            if (strGroup == "strings.txt")
                strScript += StringTable(lang, words);
        }
    }
    // Whatever follows in the including script is English again.
    strScript += "LANGUAGE 0x09, 0x01\n";
    for (const std::string& strError : errors)
        fprintf(stderr, "langgen: %s\n", strError.c_str());
    if (!errors.empty())
        return 1;
    if (!WriteIfChanged(argv[2], strScript)) {
        fprintf(stderr, "langgen: %s cannot be written\n", argv[2]);
        return 1;
    }
    return 0;
}
