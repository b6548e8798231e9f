// The book's languages: a tag or a system language number finds one, a string-table block gives
// up its strings, and a text takes its filled-in words in any language's order.
#include "shell/base/languages.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(BookLanguages, TagsAndSystemLanguagesFindTheBooksLanguages) {
    EXPECT_EQ(BookLanguages[FindLanguageTag("PT_br")].lpszTag, std::string("pt-BR"));
    EXPECT_EQ(FindLanguageTag("pt"), -1);
    EXPECT_EQ(ParseLanguageChoice("\xEF\xBB\xBF ru \r\nde\n", 14), FindLanguageTag("ru"));
    EXPECT_EQ(ParseLanguageChoice("xx\n", 3), -1);
    EXPECT_EQ(ParseLanguageChoice("de", 1), -1); // only the bytes given count
    EXPECT_EQ(ParseLanguageChoice("", 0), -1);
    EXPECT_EQ(FindLanguageForId(0x0407), FindLanguageTag("de"));
    EXPECT_EQ(FindLanguageForId(0x0C07), FindLanguageTag("de"));    // Austrian German
    EXPECT_EQ(FindLanguageForId(0x0816), FindLanguageTag("pt-BR")); // Portuguese of Portugal
    EXPECT_EQ(FindLanguageForId(0x0411), -1);                       // Japanese
    EXPECT_EQ(LanguageId(BookLanguages[LANGUAGE_ENGLISH]), 0x0409);
}

TEST(StringBlock, GivesEachStringAndRefusesLengthsPastItsEnd) {
    // Strings 0 "Hi" and 2 "Ok", the others empty; the last entries left out.
    const uint16_t block[] = {2, 'H', 'i', 0, 2, 'O', 'k', 0};
    size_t cch = 99;
    const uint16_t* lpch = FindBlockString(block, 8, 2, &cch);
    ASSERT_NE(lpch, nullptr);
    EXPECT_EQ(std::u16string(lpch, lpch + cch), u"Ok");
    EXPECT_NE(FindBlockString(block, 8, 3, &cch), nullptr);
    EXPECT_EQ(cch, 0u);
    EXPECT_EQ(FindBlockString(block, 8, 15, &cch), nullptr); // past the block's end
    EXPECT_EQ(FindBlockString(block, 6, 2, &cch), nullptr);  // "Ok" cut short
}

TEST(FillInWords, PutsTheTextsInOrderWhateverTheConversion) {
    EXPECT_EQ(FillInWords(u"в строке %u файла %s: «%s»: 100%%", {u"20", u"Gmem", u"lpDib"}),
              u"в строке 20 файла Gmem: «lpDib»: 100%");
    EXPECT_EQ(FillInWords(u"%s fehlt, %5d %s", {u"BAT.TW3"}), u"BAT.TW3 fehlt,  ");
    EXPECT_EQ(FillInWords(u"cut %", {u"x"}), u"cut ");
}

} // namespace
