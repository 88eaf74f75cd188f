#include "data/KR_TEXT.h"

#include <gtest/gtest.h>

namespace {

TKR_Textus Lines(const QStringList& lines)
{
    TKR_Textus textus;
    for (const QString& line : lines)
        textus.AddLine(line);
    return textus;
}

QStringList Strings(const TKR_Textus& textus)
{
    QStringList strings;
    textus.ToStrings(strings);
    return strings;
}

} // namespace

TEST(TKR_Textus, SplitAppendsEveryPieceIncludingTheLastEmptyOne)
{
    struct Case
    {
        QString text;
        QString separator;
        bool normalise;
        QStringList want;
    };
    const Case cases[] = {
        {"a,b,c", ",", false, {"a", "b", "c"}},
        {"a,b,", ",", false, {"a", "b", ""}},
        {"a,,b", ",", false, {"a", "", "b"}},
        {"", ",", false, {""}},
        {"P, E", ",", true, {"P", "E"}},
        {"P, E", ",", false, {"P", " E"}},
        {"  rot   und  blau ,x", ",", true, {"rot und blau", "x"}},
        {"3x12x4", "x", false, {"3", "12", "4"}},
        {"a; b; c", "; ", false, {"a", "b", "c"}},
        {"ohne", ",", false, {"ohne"}},
        {"a,b", "", false, {"a,b"}},
    };
    for (const auto& c : cases) {
        TKR_Textus lines;
        lines.Split(c.text, c.separator, c.normalise);
        EXPECT_EQ(Strings(lines), c.want) << c.text.toStdString();
    }

    TKR_Textus lines = Lines({"vorher"});
    lines.Split("a,b", ",", false);
    EXPECT_EQ(Strings(lines), (QStringList{"vorher", "a", "b"}));
}

TEST(TKR_Textus, JoinPutsTheSeparatorOnlyAfterNonEmptyText)
{
    struct Case
    {
        QStringList lines;
        QString want;
    };
    const Case cases[] = {
        {{"a", "", "b"}, "a, , b"},
        {{"", "b"}, "b"},
        {{"", "", "b", ""}, "b, "},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lines(c.lines).Join(", "), c.want) << c.lines.join('|').toStdString();
    EXPECT_EQ(Lines({"x", "y"}).JoinLF(), QStringLiteral("x\ny"));
}

TEST(TKR_Textus, ToTextEndsEveryLineAndGivesNullForAnEmptyList)
{
    const TKR_Textus lines = Lines({"x", "y"});
    EXPECT_EQ(lines.ToText(TKR_TextMode::LF), QStringLiteral("x\ny\n"));
    EXPECT_EQ(lines.ToText(TKR_TextMode::CRLF), QStringLiteral("x\r\ny\r\n"));
    EXPECT_EQ(lines.ToText(TKR_TextMode::Plain), QStringLiteral("xy"));

    EXPECT_TRUE(TKR_Textus().ToText(TKR_TextMode::LF).isNull());
    const QString emptyLine = Lines({""}).ToText(TKR_TextMode::Plain);
    EXPECT_TRUE(emptyLine.isEmpty());
    EXPECT_FALSE(emptyLine.isNull());
}

TEST(TKR_Textus, FindPrefixAndFindLineCompareThroughTheLetterTable)
{
    TKR_Textus lines = Lines({"Stängel", "BLÄTTER GEGENSTÄNDIG", "blätter"});
    EXPECT_EQ(lines.FindPrefix("Blätter", true), 2);
    EXPECT_EQ(lines.CurrentPos(), 2);
    EXPECT_EQ(lines.FindPrefix("Blätter", false), 0);
    EXPECT_EQ(lines.FindPrefix("blä", false), 3);
    EXPECT_EQ(lines.FindPrefix("", true), 0);
    EXPECT_EQ(TKR_Textus().FindPrefix("a", true), 0);

    EXPECT_EQ(lines.FindLine("STÄNGEL", true), 1);
    EXPECT_EQ(lines.FindLine("STÄNGEL", false), 0);
    EXPECT_EQ(lines.FindLine("blätter", false), 3);
    EXPECT_EQ(lines.CurrentPos(), 3);
    EXPECT_EQ(lines.FindLine("BLÄTTER", true), 3);
}

TEST(TKR_Textus, LineEditingActsAtTheCursor)
{
    TKR_Textus lines = Lines({"a", "b", "c"});
    EXPECT_EQ(lines.LineAt(0), QStringLiteral("a"));
    EXPECT_EQ(lines.LineAt(2), QStringLiteral("b"));
    EXPECT_EQ(lines.LineAt(4), QString());
    EXPECT_EQ(lines.CurrentPos(), 2); // beyond the end the cursor stays

    lines.ReplaceLine("B");
    lines.AddLine("b2"); // behind the current line
    EXPECT_EQ(Strings(lines), (QStringList{"a", "B", "b2", "c"}));
    lines.DeleteLine();
    EXPECT_EQ(lines.CurrentLine(), QStringLiteral("B"));
    EXPECT_EQ(Strings(lines), (QStringList{"a", "B", "c"}));

    TKR_Textus empty;
    EXPECT_EQ(empty.CurrentLine(), QString());
    EXPECT_EQ(empty.LineAt(1), QString());
    empty.ReplaceLine("x");
    empty.DeleteLine();
    EXPECT_EQ(empty.Count(), 0);
    empty.AddLine("y");
    EXPECT_EQ(Strings(empty), QStringList{"y"});
}

TEST(TKR_Textus, AddLinesCopiesAnotherListOrItself)
{
    TKR_Textus lines = Lines({"a"});
    lines.AddLines(nullptr);
    const TKR_Textus other = Lines({"b", "c"});
    lines.AddLines(&other);
    lines.AddLines(&lines);
    EXPECT_EQ(Strings(lines), (QStringList{"a", "b", "c", "a", "b", "c"}));

    QStringList strings{"alt"};
    TKR_Textus().ToStrings(strings);
    EXPECT_TRUE(strings.isEmpty());
}

TEST(TKR_Textus, SortOrdersByCharacterCodes)
{
    TKR_Textus lines = Lines({"b", "ä", "a", "C", "b"});
    lines.Sort();
    EXPECT_EQ(Strings(lines), (QStringList{"C", "a", "b", "b", "ä"}));
    EXPECT_TRUE(lines.IndexIsValid());
}

TEST(TKR_DBTextus, ReadMemoSplitsAtLineEndsAndStopsAtAZeroByte)
{
    struct Case
    {
        QByteArray bytes;
        QStringList want;
    };
    const Case cases[] = {
        {QByteArray("a\r\n\r\nb"), {"a", "", "b"}},
        {QByteArray("a\n\rb"), {"a", "b"}},
        {QByteArray("a\rb\nc"), {"a", "b", "c"}},
        {QByteArray("a\n\nb"), {"a", "", "b"}},
        {QByteArray("x\r\n\ry"), {"x", "", "y"}},
        {QByteArray("a\r\n"), {"a"}},
        {QByteArray("\r\n"), {""}},
        {QByteArray("a\0b\nc", 5), {"a"}},
        {QByteArray(""), {}},
        {QByteArray(), {}},
        {QByteArray("Bl\xc3\xa4tter\r\nStra\xc3\x9f"
                    "e"),
         {"Blätter", "Straße"}},
    };
    for (const auto& c : cases) {
        TKR_DBTextus lines;
        lines.ReadMemo(c.bytes);
        EXPECT_EQ(Strings(lines), c.want) << c.bytes.toHex().toStdString();
    }

    TKR_DBTextus lines;
    lines.ReadMemo("a");
    lines.ReadMemo("b");
    EXPECT_EQ(Strings(lines), (QStringList{"a", "b"}));
}
