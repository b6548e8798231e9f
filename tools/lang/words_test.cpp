// The words files: what the reader takes and refuses, and what the check holds a language to.
#include "words.h"

#include <gtest/gtest.h>

namespace {

WordsFile Parse(const std::string& strBytes, std::vector<std::string>* lpErrors) {
    WordsFile words;
    ParseWords(strBytes, "xx/strings.txt", &words, lpErrors);
    return words;
}

const char szEnglish[] = "\xEF\xBB\xBF# the model\r\n"
                         "\n"
                         "greeting =  Hello there  \r\n"
                         "  *ok=&OK\n"
                         "missing = The file %s is missing.\\nTry again.\n"
                         "where = at line %u in file %s\n";

TEST(WordsFile, ReadsKeysTextsEscapesAndSharedMarks) {
    std::vector<std::string> errors;
    WordsFile words = Parse(szEnglish, &errors);
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(words.entries.size(), 4u);
    EXPECT_EQ(words.Find("greeting")->strText, "Hello there");
    EXPECT_FALSE(words.Find("greeting")->bShared);
    EXPECT_TRUE(words.Find("ok")->bShared);
    EXPECT_EQ(words.Find("missing")->strText, "The file %s is missing.\nTry again.");
    EXPECT_EQ(words.Find("missing")->nLine, 5);
}

TEST(WordsFile, EveryBadLineIsNamedAndLeftOut) {
    std::vector<std::string> errors;
    WordsFile words = Parse("a = one\nno equals here\na = twice\nb c = key with a blank\n"
                            "d = back\\slash\ne =\nf = bad \xC3\x28 byte\ng = over\xC0\xAF long\n"
                            "h = fine\n",
                            &errors);
    ASSERT_EQ(errors.size(), 7u);
    EXPECT_EQ(errors[0], "xx/strings.txt:2: no '=' between key and text");
    EXPECT_EQ(errors[1], "xx/strings.txt:3: key a given twice");
    ASSERT_EQ(words.entries.size(), 2u);
    EXPECT_EQ(words.entries[1].strKey, "h");
}

TEST(WordsCheck, HoldsALanguageToEveryEnglishKeyInItsOwnWords) {
    std::vector<std::string> errors;
    WordsFile english = Parse(szEnglish, &errors);
    WordsFile good = Parse("*greeting = Hello there\nok = &OK\nmissing = Die Datei %s fehlt.\n"
                           "where = in Zeile %u der Datei %s\n",
                           &errors);
    EXPECT_TRUE(CheckWords(english, good, &errors));
    WordsFile bad = Parse("greeting = Hello there\nmissing = Datei fehlt.\n"
                          "where = Datei %s, Zeile %u\nextra = Mehr\n",
                          &errors);
    EXPECT_FALSE(CheckWords(english, bad, &errors));
    ASSERT_EQ(errors.size(), 5u);
    EXPECT_EQ(errors[0], "xx/strings.txt:1: greeting is still the English text");
    EXPECT_EQ(errors[1], "xx/strings.txt:0: lacks ok");
    EXPECT_NE(errors[2].find("missing must keep"), std::string::npos);
    EXPECT_NE(errors[3].find("where must keep"), std::string::npos);
    EXPECT_EQ(errors[4], "xx/strings.txt:4: extra is not in the English file");
}

TEST(WordsText, Utf8BecomesUtf16AndBrokenUtf8IsRefused) {
    std::u32string codePoints;
    ASSERT_TRUE(DecodeUtf8("\xD0\x96\xC3\xA4\xF0\x9F\x90\xB1", &codePoints));
    EXPECT_EQ(ToUtf16(codePoints), u"\x0416\x00E4\xD83D\xDC31");
    EXPECT_FALSE(DecodeUtf8("\xED\xA0\x80", &codePoints));     // a surrogate
    EXPECT_FALSE(DecodeUtf8("\xF4\x90\x80\x80", &codePoints)); // past U+10FFFF
    EXPECT_FALSE(DecodeUtf8("\xE2\x82", &codePoints));         // cut short
}

} // namespace
