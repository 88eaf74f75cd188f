#include "html/Kr_html.h"

#include "app/Kr_str.h"

// ---------------------------------------------------------------------------------------------
// TKR_HtmlBasis

TKR_HtmlBasis::TKR_HtmlBasis() = default;

TKR_HtmlBasis::~TKR_HtmlBasis() = default;

void TKR_HtmlBasis::Clear()
{
    TKR_OwnerListe<TKR_HtmlBasis>::Clear();
    m_kopfZeilen.Clear();
    m_fussZeilen.Clear();
}

void TKR_HtmlBasis::WriteHtml(TKR_Textus& lines) const
{
    lines.Clear();
    AppendContent(lines);
}

void TKR_HtmlBasis::AppendContent(TKR_Textus& lines) const
{
    lines.AddLines(&m_kopfZeilen);
    TKR_Textus childLines;
    for (const TKR_HtmlBasis* child : *this) {
        if (!child) continue;
        child->WriteHtml(childLines);
        lines.AddLines(&childLines);
    }
    lines.AddLines(&m_fussZeilen);
}

// ---------------------------------------------------------------------------------------------
// TKR_HtmlEditor

TKR_HtmlEditor::TKR_HtmlEditor(TKR_HtmlEditor* parent) : m_parent(parent)
{
    if (parent) {
        m_fontFace = parent->m_fontFace;
        m_fontSize = parent->m_fontSize;
    }
}

void TKR_HtmlEditor::AddHtml(const QString& text)
{
    Ziel().AddLine(text);
}

void TKR_HtmlEditor::AddText(const QString& text)
{
    if (text.size() > MaxTextZeile) {
        Ziel().AddLine(text);
        Ziel().AddLine(QStringLiteral("<br>"));
    } else {
        Ziel().AddLine(text + QStringLiteral("<br>"));
    }
}

void TKR_HtmlEditor::AddSpace()
{
    AddText(QStringLiteral("&nbsp;"));
}

void TKR_HtmlEditor::StrongOn()
{
    AddHtml(QStringLiteral("<strong>"));
}

void TKR_HtmlEditor::StrongOff()
{
    AddHtml(QStringLiteral("</strong>"));
}

void TKR_HtmlEditor::EmOn()
{
    AddHtml(QStringLiteral("<EM>"));
}

void TKR_HtmlEditor::EmOff()
{
    AddHtml(QStringLiteral("</EM>"));
}

void TKR_HtmlEditor::SmallOn()
{
    AddHtml(QStringLiteral("<SMALL>"));
}

void TKR_HtmlEditor::SmallOff()
{
    AddHtml(QStringLiteral("</SMALL>"));
}

void TKR_HtmlEditor::UnderlineOn()
{
    AddHtml(QStringLiteral("<U>"));
}

void TKR_HtmlEditor::UnderlineOff()
{
    AddHtml(QStringLiteral("</U>"));
}

void TKR_HtmlEditor::BlockquoteOn()
{
    AddHtml(QStringLiteral("<blockquote>"));
}

void TKR_HtmlEditor::BlockquoteOff()
{
    AddHtml(QStringLiteral("</blockquote>"));
}

void TKR_HtmlEditor::FontColorOn(int code)
{
    static const char* const names[] = {"blue", "red", "black"};
    if (code < 0 || code > 2) return;
    AddHtml(QStringLiteral("<font color=") + QLatin1String(names[code]) + QStringLiteral(">"));
}

void TKR_HtmlEditor::FontColorOff()
{
    AddHtml(QStringLiteral("</font>"));
}

void TKR_HtmlEditor::AddTextus(const TKR_Textus* lines)
{
    if (!lines) return;
    for (const QString& line : *lines)
        AddText(line);
}

void TKR_HtmlEditor::AddMemo(const QByteArray& memo)
{
    if (memo.isNull()) return;
    TKR_DBTextus lines;
    lines.ReadMemo(memo);
    AddTextus(&lines);
}

// ---------------------------------------------------------------------------------------------
// TKR_HtmlDesigner

TKR_HtmlDesigner::TKR_HtmlDesigner(TKR_HtmlEditor* parent) : TKR_HtmlEditor(parent) {}

void TKR_HtmlDesigner::WriteAfterHead(TKR_Textus&) const {}

void TKR_HtmlDesigner::WriteAfterBody(TKR_Textus&) const {}

void TKR_HtmlDesigner::WriteHtml(TKR_Textus& lines) const
{
    lines.Clear();
    TKR_Textus written;
    if (m_fragment)
        AppendContent(written);
    else
        WriteFrame(written);
    if (!m_compact) {
        lines = std::move(written);
        return;
    }
    for (const QString& line : written) {
        const QString tidy = TrimSpaces(line);
        if (!tidy.isEmpty()) lines.AddLine(tidy);
    }
}

void TKR_HtmlDesigner::WriteFrame(TKR_Textus& lines) const
{
    lines.AddLine(QStringLiteral("<html>"));
    WriteHead(lines);
    WriteAfterHead(lines);
    lines.AddLine(BodyLine());
    const QString fontLine = FontLine();
    if (!fontLine.isEmpty()) lines.AddLine(fontLine);
    AppendContent(lines);
    if (!fontLine.isEmpty()) lines.AddLine(QStringLiteral("</font>"));
    lines.AddLine(QStringLiteral("</body>"));
    WriteAfterBody(lines);
    lines.AddLine(QStringLiteral("</html>"));
}

void TKR_HtmlDesigner::WriteHead(TKR_Textus& lines) const
{
    if (m_title.isEmpty() && m_headLines.Count() == 0) return;
    lines.AddLine(QStringLiteral("<head>"));
    if (!m_title.isEmpty())
        lines.AddLine(QStringLiteral("<title>") + m_title + QStringLiteral("</title>"));
    lines.AddLines(&m_headLines);
    lines.AddLine(QStringLiteral("</head>"));
}

QString TKR_HtmlDesigner::BodyLine() const
{
    QString color = BackgroundColor();
    if (color.isEmpty())
        color = QStringLiteral("#FFFFFF");
    else if (!color.startsWith(QLatin1Char('#')))
        color.prepend(QLatin1Char('#'));
    // Two blanks before bgcolor and two before the closing ">" are part of the line.
    return QStringLiteral("<body ") + QStringLiteral(" bgcolor=\"") + color +
           QStringLiteral("\" ") + m_bodyAttributes + QStringLiteral(" >");
}

QString TKR_HtmlDesigner::FontLine() const
{
    if (FontFace().isEmpty() && FontSize() == 0) return {};
    QString attributes;
    if (!FontFace().isEmpty())
        attributes += QStringLiteral(" face=\"") + FontFace() + QStringLiteral("\"");
    if (FontSize() != 0) attributes += QStringLiteral(" size=") + QString::number(FontSize());
    return QStringLiteral("<font ") + TrimSpaces(attributes) + QStringLiteral(">");
}
