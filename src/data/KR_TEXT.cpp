#include "data/KR_TEXT.h"

#include "app/Kr_str.h"

#include <memory>
#include <utility>

namespace {

const QString& LineOf(const QString* line)
{
    static const QString empty;
    return line ? *line : empty;
}

} // namespace

const QString& TKR_Textus::LineIterator::operator*() const
{
    return LineOf(*m_it);
}

TKR_Textus::LineIterator TKR_Textus::begin() const
{
    return LineIterator(TKR_OwnerListe<QString>::begin());
}

TKR_Textus::LineIterator TKR_Textus::end() const
{
    return LineIterator(TKR_OwnerListe<QString>::end());
}

void TKR_Textus::AddLine(const QString& text)
{
    InsertDataAfter(std::make_unique<QString>(text));
}

void TKR_Textus::InsertLine(const QString& text)
{
    InsertDataBefore(std::make_unique<QString>(text));
}

void TKR_Textus::ReplaceLine(const QString& text)
{
    ReplaceCurrentData(std::make_unique<QString>(text));
}

void TKR_Textus::DeleteLine()
{
    Delete(CurrentPos());
}

QString TKR_Textus::CurrentLine() const
{
    return LineOf(CurrentData());
}

QString TKR_Textus::LineAt(int position)
{
    if (position < 1) position = 1;
    if (position > Count()) return {};
    GoTo(position);
    return CurrentLine();
}

int TKR_Textus::FindPrefix(const QString& prefix, bool caseInsensitive)
{
    if (Count() == 0) return 0;
    First();
    if (prefix.isEmpty()) return 0;
    const QString wanted = caseInsensitive ? UpperCase(prefix) : prefix;
    do {
        const QString line = caseInsensitive ? UpperCase(CurrentLine()) : CurrentLine();
        if (line.startsWith(wanted)) return CurrentPos();
        Next();
    } while (!Eof());
    return 0;
}

int TKR_Textus::FindLine(const QString& text, bool caseInsensitive)
{
    if (Count() == 0) return 0;
    const QString wanted = caseInsensitive ? UpperCase(text) : text;
    First();
    do {
        const QString line = caseInsensitive ? UpperCase(CurrentLine()) : CurrentLine();
        if (line == wanted) return CurrentPos();
        Next();
    } while (!Eof());
    return 0;
}

void TKR_Textus::AddLines(const TKR_Textus* other)
{
    if (!other) return;
    // Taken first, so that adding a list to itself doubles it once.
    QStringList lines;
    other->ToStrings(lines);
    for (const QString& line : lines)
        AddLine(line);
}

void TKR_Textus::ToStrings(QStringList& strings) const
{
    strings.clear();
    strings.reserve(Count());
    for (const QString& line : *this)
        strings.append(line);
}

QString TKR_Textus::ToText(TKR_TextMode mode) const
{
    if (Count() == 0) return {};
    QString ending;
    if (mode == TKR_TextMode::LF)
        ending = QStringLiteral("\n");
    else if (mode == TKR_TextMode::CRLF)
        ending = QStringLiteral("\r\n");
    // Not null even when every line is empty: only an empty list gives the null text.
    QString text(QLatin1String(""));
    for (const QString& line : *this)
        text += line + ending;
    return text;
}

QString TKR_Textus::Join(const QString& separator) const
{
    QString text;
    for (const QString& line : *this) {
        if (!text.isEmpty()) text += separator;
        text += line;
    }
    return text;
}

void TKR_Textus::Split(const QString& text, const QString& separator, bool normalise)
{
    const QStringList pieces =
        separator.isEmpty() ? QStringList{text} : text.split(separator, Qt::KeepEmptyParts);
    for (const QString& piece : pieces)
        AddLine(normalise ? TrimSpaces(piece) : piece);
}

void TKR_Textus::Sort()
{
    if (Count() < 2) return;
    BuildIndex();
    const std::vector<TKR_ListenKnoten*> nodes = NodesInOrder();
    const std::size_t n = nodes.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        for (std::size_t j = i; j < n; ++j) {
            const QString& left = LineOf(static_cast<const QString*>(nodes[i]->Daten));
            const QString& right = LineOf(static_cast<const QString*>(nodes[j]->Daten));
            if (left > right) std::swap(nodes[i]->Daten, nodes[j]->Daten);
        }
    }
}

void TKR_DBTextus::ReadMemo(const QByteArray& bytes)
{
    constexpr char CR = '\r';
    constexpr char LF = '\n';
    // CR and LF never occur inside a multi-byte UTF-8 sequence, so lines are cut on bytes.
    QByteArray line;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size && bytes[i] != '\0'; ++i) {
        const char c = bytes[i];
        if (c != CR && c != LF) {
            line.append(c);
            continue;
        }
        AddLine(QString::fromUtf8(line));
        line.clear();
        const char partner = c == CR ? LF : CR;
        if (i + 1 < size && bytes[i + 1] == partner) ++i;
    }
    if (!line.isEmpty()) AddLine(QString::fromUtf8(line));
}
