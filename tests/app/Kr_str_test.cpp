#include "app/KR_MYSYS.h"
#include "app/Kr_str.h"

#include <gtest/gtest.h>

namespace {

struct TokenCase
{
    QString sep;
    int n;
    QString text;
    QString want;
};

TEST(Kr_str, GetTokenPicksPiecesAndEmptyForMissingOnes)
{
    const TokenCase cases[] = {
        {".", 1, "Verdan.INI", "Verdan"},
        {"=", 2, "TEMP=C:\\TEMP", "C:\\TEMP"},
        {"/", 1, "noslash", "noslash"},
        {"/", 2, "noslash", ""},
        {"/", 0, "a/b", "a"},
        {"/", -5, "a/b", "a"},
        {"/", 3, "a/b/c", "c"},
        {"/", 4, "a/b/c", ""},
        {"/", 2, "a//c", ""},
        {"/", 3, "a//c", "c"},
        {"/", 2, "a/", ""},
        {"::", 2, "x::y::z", "y"},
        {"", 1, "abc", "abc"},
        {"", 2, "abc", ""},
        {"/", 1, "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetToken(c.sep, c.n, c.text), c.want)
            << c.sep.toStdString() << " " << c.n << " " << c.text.toStdString();
}

TEST(Kr_str, GetTokenNoCaseFindsSeparatorInAnyCase)
{
    EXPECT_EQ(GetTokenNoCase("und", 2, "Rot UND Blau"), " Blau");
    EXPECT_EQ(GetTokenNoCase("ä", 1, "xÄy"), "x");
    EXPECT_EQ(GetToken("und", 2, "Rot UND Blau"), "");
}

TEST(Kr_str, CaseConversionGoesThroughTheLetterTable)
{
    EXPECT_EQ(UpperCase("äöü straße àÿ"), "ÄÖÜ STRAßE ÀŸ");
    EXPECT_EQ(LowerCase("ÄÖÜ STRAßE ÀŸ"), "äöü straße àÿ");
    EXPECT_EQ(UpCaseChar(u'ß'), QChar(u'ß'));
    EXPECT_EQ(LoCaseChar(u'Ð'), QChar(u'Ð'));
    EXPECT_EQ(UpCaseChar(u'ð'), QChar(u'ð')); // not in the table: stays
    EXPECT_EQ(UpCaseChar(u'ı'), QChar(u'ı')); // no locale rules
    EXPECT_EQ(UpCaseChar(u'7'), QChar(u'7'));
    EXPECT_EQ(UpperCase("ä"), UpperCase("Ä"));
}

TEST(Kr_str, LetterTableCodes)
{
    const TKR_CharTable& table = SetupBlock.CharTable;
    EXPECT_EQ(table[1].UpperCode, "AE_");
    EXPECT_EQ(table[4].UpperCode, "ss_");
    EXPECT_EQ(table[19].LowerCode, "i3_");
    EXPECT_EQ(table[20].Lower, QChar(u'Ð'));
    EXPECT_EQ(table[30].Upper, QChar(u'Ÿ'));
}

TEST(Kr_str, TrimSpacesKeepsTabs)
{
    EXPECT_EQ(TrimSpaces("  a  b  "), "a b");
    EXPECT_EQ(TrimSpaces("    "), "");
    EXPECT_EQ(TrimSpaces("a\t\tb"), "a\t\tb");
    EXPECT_EQ(TrimSpaces(""), "");
}

TEST(Kr_str, RemoveAllReportsRemoval)
{
    QString text = "abcabcAbc";
    EXPECT_TRUE(RemoveAll("bc", text));
    EXPECT_EQ(text, "aaA");
    EXPECT_FALSE(RemoveAll("x", text));
    EXPECT_FALSE(RemoveAll("", text));
    EXPECT_EQ(text, "aaA");
}

TEST(Kr_str, LastPos)
{
    EXPECT_EQ(LastPos(u'/', "/a/b"), 3);
    EXPECT_EQ(LastPos(u'/', "ab"), 0);
}

TEST(Kr_str, EncodeAndDecodeSpecial)
{
    EXPECT_EQ(EncodeSpecial("  Kräuter  Äpfel Fuß "), "Krae_uter AE_pfel Fuss_");
    EXPECT_EQ(DecodeSpecial("Krae_uter AE_pfel Fuss_"), "Kräuter Äpfel Fuß");
    // Entries 18 and 19 share their codes.
    EXPECT_EQ(DecodeSpecial(EncodeSpecial("naïve Ï")), "naîve Î");
    EXPECT_EQ(DecodeSpecial(EncodeSpecial("Ðð")), "Ðð");
}

TEST(Kr_str, GetEnvironmentValueIgnoresNameCaseAndKeepsEqualSigns)
{
    qputenv("VERDAN_TEST_ENV", "a=b");
    EXPECT_EQ(GetEnvironmentValue("verdan_test_env"), "a=b");
    qunsetenv("VERDAN_TEST_ENV");
    EXPECT_EQ(GetEnvironmentValue("VERDAN_TEST_ENV"), "");
    EXPECT_EQ(GetEnvironmentValue(""), "");
}

} // namespace
