#include "html/Kr_html.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const QString BodyLine = QStringLiteral("<body  bgcolor=\"#FFFFFF\"  >");

QStringList Written(const TKR_HtmlBasis& element)
{
    TKR_Textus lines;
    element.WriteHtml(lines);
    QStringList strings;
    lines.ToStrings(strings);
    return strings;
}

// The frame of a document with default options around the given content lines.
QStringList Framed(const QStringList& content)
{
    return QStringList{"<html>", BodyLine} + content + QStringList{"</body>", "</html>"};
}

} // namespace

TEST(TKR_HtmlDesigner, EmptyDesignerWritesTheFourFrameLines)
{
    TKR_HtmlDesigner designer;
    EXPECT_EQ(Written(designer), (QStringList{"<html>", BodyLine, "</body>", "</html>"}));
}

TEST(TKR_HtmlDesigner, WritesTheGroupHintAsEightLines)
{
    const QString hint = "Eine Gruppe verweist immer auf eine weiterführenden Tabelle. Sie können "
                         "mit einem Doppelklick auf den gewählten Datensatz in diese "
                         "weiterführenden Tabelle wechseln";
    ASSERT_EQ(hint.size(), 163);
    TKR_HtmlDesigner designer;
    designer.StrongOn();
    designer.AddText("Hinweis:");
    designer.StrongOff();
    designer.AddText(hint);

    const QStringList want = Framed({"<strong>", "Hinweis:<br>", "</strong>", hint + "<br>"});
    EXPECT_EQ(Written(designer), want);
    EXPECT_EQ(Written(designer), want); // writing leaves the designer unchanged
}

TEST(TKR_HtmlEditor, AddTextPutsLongTextsBreakOnALineOfItsOwn)
{
    struct Case
    {
        QString text;
        QStringList want;
    };
    const QString at250(250, 'x');
    const QString at251(251, 'x');
    const Case cases[] = {
        {at250, {at250 + "<br>"}},
        {at251, {at251, "<br>"}},
        {"", {"<br>"}},
        {"a < b & c > d, Größe", {"a < b & c > d, Größe<br>"}},
    };
    for (const auto& c : cases) {
        TKR_HtmlDesigner designer;
        designer.AddText(c.text);
        EXPECT_EQ(Written(designer), Framed(c.want)) << c.text.size();
    }
    TKR_HtmlDesigner designer;
    designer.AddText(at250);
    EXPECT_EQ(designer.KopfZeilen().LineAt(1).size(), 254);
}

TEST(TKR_HtmlEditor, MarkupOperationsWriteTheirTagsUnchecked)
{
    TKR_HtmlDesigner designer;
    designer.AddHtml("<p>&auml;</p>");
    designer.AddSpace();
    designer.EmOn();
    designer.EmOff();
    designer.SmallOn();
    designer.SmallOff();
    designer.SmallOff(); // closing tags are not checked against opening ones
    designer.UnderlineOn();
    designer.UnderlineOff();
    designer.BlockquoteOn();
    designer.BlockquoteOff();
    for (int code : {0, 1, 2, 3, -1})
        designer.FontColorOn(code);
    designer.FontColorOff();

    EXPECT_EQ(Written(designer),
              Framed({"<p>&auml;</p>", "&nbsp;<br>", "<EM>", "</EM>", "<SMALL>", "</SMALL>",
                      "</SMALL>", "<U>", "</U>", "<blockquote>", "</blockquote>",
                      "<font color=blue>", "<font color=red>", "<font color=black>", "</font>"}));
}

TEST(TKR_HtmlEditor, AddTextusAndAddMemoAddOneTextPerLine)
{
    TKR_HtmlDesigner designer;
    designer.AddTextus(nullptr);
    TKR_Textus empty;
    designer.AddTextus(&empty);
    designer.AddMemo(QByteArray());
    designer.AddMemo(QByteArray(""));
    EXPECT_EQ(Written(designer), Framed({}));

    TKR_Textus lines;
    lines.AddLine("eins");
    lines.AddLine("");
    designer.AddTextus(&lines);
    designer.AddMemo(QByteArray("Blatt\r\n\r\nBl\xc3\xbc"
                                "te\r\n"));
    EXPECT_EQ(Written(designer), Framed({"eins<br>", "<br>", "Blatt<br>", "<br>", "Blüte<br>"}));
}

TEST(TKR_HtmlDesigner, FrameVariants)
{
    TKR_HtmlDesigner titled;
    titled.SetTitle("Titel");
    titled.HeadLines().AddLine("<meta x>");
    titled.AddHtml("c");
    EXPECT_EQ(Written(titled), (QStringList{"<html>", "<head>", "<title>Titel</title>", "<meta x>",
                                            "</head>", BodyLine, "c", "</body>", "</html>"}));

    TKR_HtmlDesigner headOnly;
    headOnly.HeadLines().AddLine("<meta x>");
    EXPECT_EQ(Written(headOnly), (QStringList{"<html>", "<head>", "<meta x>", "</head>", BodyLine,
                                              "</body>", "</html>"}));

    struct BodyCase
    {
        QString color;
        QString attributes;
        QString want;
    };
    const BodyCase bodies[] = {
        {"C0C0C0", "", "<body  bgcolor=\"#C0C0C0\"  >"},
        {"#00FF00", "", "<body  bgcolor=\"#00FF00\"  >"},
        {"", "text=black", "<body  bgcolor=\"#FFFFFF\" text=black >"},
    };
    for (const auto& c : bodies) {
        TKR_HtmlDesigner designer;
        designer.SetBackgroundColor(c.color);
        designer.SetBodyAttributes(c.attributes);
        EXPECT_EQ(Written(designer).at(1), c.want);
    }

    TKR_HtmlDesigner font;
    font.SetFontFace("Times New Roman");
    font.SetFontSize(3);
    font.AddHtml("c");
    EXPECT_EQ(Written(font), Framed({"<font face=\"Times New Roman\" size=3>", "c", "</font>"}));

    TKR_HtmlDesigner compact;
    compact.SetCompact(true);
    compact.AddHtml("  a   b ");
    compact.AddHtml("   ");
    compact.AddHtml("");
    EXPECT_EQ(Written(compact),
              (QStringList{"<html>", "<body bgcolor=\"#FFFFFF\" >", "a b", "</body>", "</html>"}));

    TKR_HtmlDesigner fragment;
    fragment.SetFragment(true);
    fragment.StrongOn();
    EXPECT_EQ(Written(fragment), QStringList{"<strong>"});
}

TEST(TKR_HtmlBasis, ChildrenStandBetweenKopfZeilenAndFussZeilen)
{
    TKR_HtmlDesigner designer;
    designer.SetFontFace("Arial");
    designer.AddHtml("kopf");
    designer.FussZeilen().AddLine("fuss");
    auto child = std::make_unique<TKR_HtmlEditor>(&designer);
    EXPECT_EQ(child->FontFace(), QStringLiteral("Arial"));
    child->AddText("kind");
    TKR_HtmlEditor* kind = designer.AppendData(std::move(child));
    designer.Append(); // an entry whose child is empty writes nothing
    EXPECT_EQ(designer.ChildAt(1), kind);
    EXPECT_EQ(designer.ChildAt(2), nullptr);

    TKR_Textus lines;
    lines.AddLine("alt");
    designer.SetFontFace("");
    designer.WriteHtml(lines);
    QStringList strings;
    lines.ToStrings(strings);
    EXPECT_EQ(strings, Framed({"kopf", "kind<br>", "fuss"}));

    designer.Clear();
    EXPECT_EQ(designer.Count(), 0);
    EXPECT_EQ(Written(designer), Framed({}));
}
