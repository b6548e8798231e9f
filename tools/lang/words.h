// The words of each language: resources/lang/<tag>/<group>.txt, read and checked.
//
// A words file is UTF-8 text, one entry a line:
//     key = text
// Blank lines and lines whose first non-blank character is '#' are skipped. A key is letters,
// digits, '.', '_' and '-'; in the English file a '*' before the key marks a word every language
// may keep as it is in English (OK, Info), in another language's file a word that language says
// as English does ("Version" in German). The text runs from after the '=' to the line's end,
// blanks at both ends dropped; "\n" in it is a line break and "\\" a backslash. English is the
// model: every other language has exactly its keys, with the same printf conversions (%s, %u) in
// the same order, and says each text in its own words unless the key is marked as shared.
#pragma once
#include <string>
#include <vector>

struct WordEntry {
    std::string strKey;
    std::string strText; // UTF-8, escapes already turned into their characters
    int bShared;         // marked with '*': may stay as in English
    int nLine;
};

struct WordsFile {
    std::string strName; // for messages: "de/strings.txt"
    std::vector<WordEntry> entries;

    const WordEntry* Find(const std::string& strKey) const;
};

// Reads a words file's bytes into lpWords. Every fault is appended to lpErrors as
// "name:line: what"; returns 1 when there was none.
int ParseWords(const std::string& strBytes, const std::string& strName, WordsFile* lpWords,
               std::vector<std::string>* lpErrors);

// ParseWords on a file; a file that cannot be read is one fault.
int ReadWordsFile(const std::string& strPath, const std::string& strName, WordsFile* lpWords,
                  std::vector<std::string>* lpErrors);

// Holds another language's file against the English one (see above); returns 1 when it passes.
int CheckWords(const WordsFile& english, const WordsFile& other,
               std::vector<std::string>* lpErrors);

// The code points of UTF-8 text; 0 when the bytes are not UTF-8 (overlong forms, surrogates and
// values past U+10FFFF included).
int DecodeUtf8(const std::string& strText, std::u32string* lpCodePoints);

// UTF-16 of text that DecodeUtf8 accepts.
std::u16string ToUtf16(const std::u32string& strCodePoints);
