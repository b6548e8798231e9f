// Reading and checking the words files.
#include "words.h"

#include <fstream>
#include <set>
#include <sstream>

const WordEntry* WordsFile::Find(const std::string& strKey) const {
    for (const WordEntry& entry : entries)
        if (entry.strKey == strKey)
            return &entry;
    return nullptr;
}

namespace {

std::string Trim(const std::string& str) {
    size_t nStart = str.find_first_not_of(" \t");
    if (nStart == std::string::npos)
        return "";
    size_t nEnd = str.find_last_not_of(" \t");
    return str.substr(nStart, nEnd - nStart + 1);
}

int IsKeyChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
}

// Turns "\n" and "\\" into their characters; 0 for any other backslash.
int Unescape(const std::string& strRaw, std::string* lpText) {
    lpText->clear();
    for (size_t i = 0; i < strRaw.size(); i++) {
        if (strRaw[i] != '\\') {
            *lpText += strRaw[i];
            continue;
        }
        if (i + 1 >= strRaw.size() || (strRaw[i + 1] != 'n' && strRaw[i + 1] != '\\'))
            return 0;
        *lpText += strRaw[++i] == 'n' ? '\n' : '\\';
    }
    return 1;
}

// The printf conversions of a text in order, "%%" left out: "%s", "%u", "%5.2f".
std::vector<std::string> Conversions(const std::string& strText) {
    std::vector<std::string> conversions;
    for (size_t i = 0; i < strText.size(); i++) {
        if (strText[i] != '%')
            continue;
        size_t nEnd = i + 1;
        while (nEnd < strText.size() &&
               std::string("-+0123456789.lh").find(strText[nEnd]) != std::string::npos)
            nEnd++;
        if (nEnd < strText.size() && strText[nEnd] == '%' && nEnd == i + 1) {
            i = nEnd;
            continue;
        }
        conversions.push_back(strText.substr(i, nEnd + 1 - i));
        i = nEnd;
    }
    return conversions;
}

void Fault(std::vector<std::string>* lpErrors, const std::string& strName, int nLine,
           const std::string& strWhat) {
    lpErrors->push_back(strName + ":" + std::to_string(nLine) + ": " + strWhat);
}

} // namespace

int DecodeUtf8(const std::string& strText, std::u32string* lpCodePoints) {
    lpCodePoints->clear();
    const unsigned char* p = reinterpret_cast<const unsigned char*>(strText.data());
    const unsigned char* pEnd = p + strText.size();
    while (p < pEnd) {
        unsigned c = *p++;
        int nMore = c < 0x80             ? 0
                    : (c & 0xE0) == 0xC0 ? 1
                    : (c & 0xF0) == 0xE0 ? 2
                    : (c & 0xF8) == 0xF0 ? 3
                                         : -1;
        if (nMore < 0 || pEnd - p < nMore)
            return 0;
        char32_t cp = nMore == 0 ? c : c & (0x3F >> nMore);
        for (int i = 0; i < nMore; i++, p++) {
            if ((*p & 0xC0) != 0x80)
                return 0;
            cp = cp << 6 | (*p & 0x3F);
        }
        static const char32_t Smallest[4] = {0, 0x80, 0x800, 0x10000};
        if (cp < Smallest[nMore] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return 0;
        lpCodePoints->push_back(cp);
    }
    return 1;
}

std::u16string ToUtf16(const std::u32string& strCodePoints) {
    std::u16string str;
    for (char32_t cp : strCodePoints) {
        if (cp < 0x10000) {
            str += static_cast<char16_t>(cp);
        } else {
            str += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            str += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
    }
    return str;
}

int ParseWords(const std::string& strBytes, const std::string& strName, WordsFile* lpWords,
               std::vector<std::string>* lpErrors) {
    size_t nErrors = lpErrors->size();
    lpWords->strName = strName;
    lpWords->entries.clear();
    std::string strText =
        strBytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? strBytes.substr(3) : strBytes;
    std::istringstream in(strText);
    std::string strLine;
    std::set<std::string> keys;
    for (int nLine = 1; std::getline(in, strLine); nLine++) {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        std::string strTrimmed = Trim(strLine);
        if (strTrimmed.empty() || strTrimmed[0] == '#')
            continue;
        std::u32string codePoints;
        if (!DecodeUtf8(strLine, &codePoints)) {
            Fault(lpErrors, strName, nLine, "not UTF-8");
            continue;
        }
        size_t nEquals = strTrimmed.find('=');
        if (nEquals == std::string::npos) {
            Fault(lpErrors, strName, nLine, "no '=' between key and text");
            continue;
        }
        WordEntry entry;
        entry.nLine = nLine;
        entry.strKey = Trim(strTrimmed.substr(0, nEquals));
        entry.bShared = !entry.strKey.empty() && entry.strKey[0] == '*';
        if (entry.bShared)
            entry.strKey = Trim(entry.strKey.substr(1));
        int bKeyOk = !entry.strKey.empty();
        for (char c : entry.strKey)
            bKeyOk = bKeyOk && IsKeyChar(c);
        if (!bKeyOk) {
            Fault(lpErrors, strName, nLine, "bad key \"" + entry.strKey + "\"");
            continue;
        }
        if (!keys.insert(entry.strKey).second) {
            Fault(lpErrors, strName, nLine, "key " + entry.strKey + " given twice");
            continue;
        }
        if (!Unescape(Trim(strTrimmed.substr(nEquals + 1)), &entry.strText)) {
            Fault(lpErrors, strName, nLine, "only \\n and \\\\ may follow a backslash");
            continue;
        }
        if (entry.strText.empty()) {
            Fault(lpErrors, strName, nLine, "key " + entry.strKey + " has no text");
            continue;
        }
        for (char c : entry.strText) {
            if (static_cast<unsigned char>(c) < 0x20 && c != '\n') {
                Fault(lpErrors, strName, nLine, "a control character in the text");
                break;
            }
        }
        lpWords->entries.push_back(entry);
    }
    return lpErrors->size() == nErrors;
}

int ReadWordsFile(const std::string& strPath, const std::string& strName, WordsFile* lpWords,
                  std::vector<std::string>* lpErrors) {
    std::ifstream in(strPath, std::ios::binary);
    if (!in) {
        lpErrors->push_back(strName + ": cannot be read");
        lpWords->strName = strName;
        lpWords->entries.clear();
        return 0;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return ParseWords(bytes.str(), strName, lpWords, lpErrors);
}

int CheckWords(const WordsFile& english, const WordsFile& other,
               std::vector<std::string>* lpErrors) {
    size_t nErrors = lpErrors->size();
    for (const WordEntry& model : english.entries) {
        const WordEntry* lpEntry = other.Find(model.strKey);
        if (lpEntry == nullptr) {
            Fault(lpErrors, other.strName, 0, "lacks " + model.strKey);
            continue;
        }
        if (lpEntry->strText == model.strText && !model.bShared && !lpEntry->bShared)
            Fault(lpErrors, other.strName, lpEntry->nLine,
                  model.strKey + " is still the English text");
        if (Conversions(lpEntry->strText) != Conversions(model.strText))
            Fault(lpErrors, other.strName, lpEntry->nLine,
                  model.strKey + " must keep the English text's % conversions in their order");
    }
    for (const WordEntry& entry : other.entries)
        if (english.Find(entry.strKey) == nullptr)
            Fault(lpErrors, other.strName, entry.nLine,
                  entry.strKey + " is not in the English file");
    return lpErrors->size() == nErrors;
}
