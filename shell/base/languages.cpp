// The book's languages and how a tag or a system language number finds one.
#include "shell/base/languages.h"

#include <cstring>

// Character sets and code pages: Western 0 / 1252, Central European 238 / 1250, Cyrillic 204 /
// 1251.
const BookLanguage BookLanguages[LANGUAGE_COUNT] = {
    {"en", 0x09, 0x01, 0, 1252},   {"de", 0x07, 0x01, 0, 1252},   {"fr", 0x0C, 0x01, 0, 1252},
    {"es", 0x0A, 0x03, 0, 1252},   {"it", 0x10, 0x01, 0, 1252},   {"pt-BR", 0x16, 0x01, 0, 1252},
    {"nl", 0x13, 0x01, 0, 1252},   {"pl", 0x15, 0x01, 238, 1250}, {"sv", 0x1D, 0x01, 0, 1252},
    {"ru", 0x19, 0x01, 204, 1251},
};

static char FoldTagChar(char c) {
    if (c == '_')
        return '-';
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

static int SameTag(const char* lpszA, const char* lpszB, size_t cchB) {
    size_t i = 0;
    for (; i < cchB; i++)
        if (lpszA[i] == 0 || FoldTagChar(lpszA[i]) != FoldTagChar(lpszB[i]))
            return 0;
    return lpszA[i] == 0;
}

static int FindTag(const char* lpszTag, size_t cch) {
    for (int i = 0; i < LANGUAGE_COUNT; i++)
        if (SameTag(BookLanguages[i].lpszTag, lpszTag, cch))
            return i;
    return -1;
}

int FindLanguageTag(const char* lpszTag) {
    return lpszTag == nullptr ? -1 : FindTag(lpszTag, strlen(lpszTag));
}

int FindLanguageForId(uint16_t wLangId) {
    for (int i = 0; i < LANGUAGE_COUNT; i++)
        if (LanguageId(BookLanguages[i]) == wLangId)
            return i;
    for (int i = 0; i < LANGUAGE_COUNT; i++)
        if (BookLanguages[i].wPrimary == (wLangId & 0x3FF))
            return i;
    return -1;
}

static int IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

int ParseLanguageChoice(const char* lpBytes, size_t cb) {
    if (lpBytes == nullptr)
        return -1;
    size_t nStart = 0;
    if (cb >= 3 && memcmp(lpBytes, "\xEF\xBB\xBF", 3) == 0)
        nStart = 3;
    size_t nEnd = nStart;
    while (nEnd < cb && lpBytes[nEnd] != '\n' && lpBytes[nEnd] != '\r')
        nEnd++;
    while (nStart < nEnd && IsBlank(lpBytes[nStart]))
        nStart++;
    while (nEnd > nStart && IsBlank(lpBytes[nEnd - 1]))
        nEnd--;
    if (nEnd == nStart)
        return -1;
    return FindTag(lpBytes + nStart, nEnd - nStart);
}

const uint16_t* FindBlockString(const uint16_t* lpBlock, size_t cwBlock, unsigned n,
                                size_t* lpcch) {
    size_t nAt = 0;
    for (unsigned i = 0; lpBlock != nullptr && i < 16 && nAt < cwBlock; i++) {
        size_t cch = lpBlock[nAt++];
        if (cch > cwBlock - nAt)
            return nullptr;
        if (i == n) {
            *lpcch = cch;
            return lpBlock + nAt;
        }
        nAt += cch;
    }
    return nullptr;
}

std::u16string FillInWords(const char16_t* lpszFormat, const std::vector<std::u16string>& args) {
    std::u16string str;
    size_t nArg = 0;
    for (const char16_t* p = lpszFormat; p != nullptr && *p != 0; p++) {
        if (*p != u'%') {
            str += *p;
        } else if (p[1] == u'%') {
            str += *++p;
        } else {
            // Flags, width, precision and size letters up to the conversion's letter.
            while (p[1] != 0 &&
                   std::u16string(u"-+ #0123456789.lhz").find(p[1]) != std::u16string::npos)
                p++;
            if (p[1] == 0)
                break;
            p++;
            if (nArg < args.size())
                str += args[nArg];
            nArg++;
        }
    }
    return str;
}
