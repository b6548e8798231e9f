// The book's languages: each one's tag, Windows language numbers and character set. Plain C++,
// shared by the program and by the tools that write the words and pictures of each language.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct BookLanguage {
    const char* lpszTag; // as in LANGUAGE.TXT and the folder names of the words: "de", "pt-BR"
    uint16_t wPrimary;   // the primary language number of the language's resources
    uint16_t wSub;       // and its sublanguage number
    uint8_t nCharSet;    // the font character set its letters need
    uint16_t nCodePage;  // the Windows code page of that character set
};

enum { LANGUAGE_ENGLISH = 0, LANGUAGE_COUNT = 10 };

// English first; English keeps the resource language of the program's first, English-only build.
extern const BookLanguage BookLanguages[LANGUAGE_COUNT];

// The language number of a table entry, as the resource calls take it.
inline uint16_t LanguageId(const BookLanguage& lang) {
    return static_cast<uint16_t>(lang.wSub << 10 | lang.wPrimary);
}

// The table index of a tag ("de", "pt-BR"; case and '-' or '_' do not matter), or -1.
int FindLanguageTag(const char* lpszTag);

// The table index for a system language number: the same language, else the same primary
// language with another sublanguage (Austrian German takes German), else -1.
int FindLanguageForId(uint16_t wLangId);

// The language a LANGUAGE.TXT names: its first line, without a byte-order mark, spaces or line
// end. -1 when the text names no language of the book.
int ParseLanguageChoice(const char* lpBytes, size_t cb);

// String n (0..15) of a string-table block: 16 entries of a length in UTF-16 units and that many
// units. Its length in *lpcch, or null when the block is too short to hold it.
const uint16_t* FindBlockString(const uint16_t* lpBlock, size_t cwBlock, unsigned n, size_t* lpcch);

// A text of the string table with its printf conversions (%s, %u, ...) replaced, in order, by the
// given texts; "%%" is one percent sign. A conversion with no text left becomes empty.
std::u16string FillInWords(const char16_t* lpszFormat, const std::vector<std::u16string>& args);
