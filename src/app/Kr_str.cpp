#include "app/Kr_str.h"

#include "app/KR_MYSYS.h"

#include <QStringList>

extern char** environ;

namespace {

bool IsAsciiLower(QChar c)
{
    return c >= u'a' && c <= u'z';
}

bool IsAsciiUpper(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

// The position of sep in text from index 0, or -1. An empty separator never occurs.
qsizetype FindSeparator(const QString& sep, const QString& text)
{
    return sep.isEmpty() ? -1 : text.indexOf(sep);
}

QString TokenOf(const QString& sep, int n, const QString& text, const QString& searchSep,
                const QString& searchText)
{
    // searchText has the same length as text (case conversion is letter by letter), so
    // positions found in it hold for text.
    qsizetype start = 0;
    for (int piece = 1; piece < std::max(n, 1); ++piece) {
        const qsizetype at = FindSeparator(searchSep, searchText.mid(start));
        if (start >= text.size() || at < 0) return {};
        start += at + sep.size();
    }
    const qsizetype at = FindSeparator(searchSep, searchText.mid(start));
    return at < 0 ? text.mid(start) : text.mid(start, at);
}

// Replaces every from by to, unless to itself contains from (which would never end when
// done again, and changes nothing meaningful).
void ReplaceUnlessContained(QString& text, const QString& from, const QString& to)
{
    if (from.isEmpty() || to.contains(from)) return;
    text.replace(from, to);
}

} // namespace

QChar UpCaseChar(QChar c)
{
    for (const TKR_CharEntry& entry : SetupBlock.CharTable) {
        if (!entry.Lower.isNull() && entry.Lower == c) return entry.Upper;
    }
    return IsAsciiLower(c) ? QChar(c.unicode() - u'a' + u'A') : c;
}

QChar LoCaseChar(QChar c)
{
    if (IsAsciiUpper(c)) return QChar(c.unicode() - u'A' + u'a');
    for (const TKR_CharEntry& entry : SetupBlock.CharTable) {
        if (!entry.Upper.isNull() && entry.Upper == c) return entry.Lower;
    }
    return c;
}

QString UpperCase(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = UpCaseChar(c);
    return result;
}

QString LowerCase(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = LoCaseChar(c);
    return result;
}

QString TrimSpaces(const QString& text)
{
    QString result;
    result.reserve(text.size());
    bool pendingBlank = false;
    for (QChar c : text) {
        if (c == u' ') {
            pendingBlank = !result.isEmpty();
            continue;
        }
        if (pendingBlank) result += u' ';
        pendingBlank = false;
        result += c;
    }
    return result;
}

QString GetToken(const QString& sep, int n, const QString& text)
{
    return TokenOf(sep, n, text, sep, text);
}

QString GetTokenNoCase(const QString& sep, int n, const QString& text)
{
    return TokenOf(sep, n, text, UpperCase(sep), UpperCase(text));
}

bool RemoveAll(const QString& part, QString& text)
{
    if (part.isEmpty() || !text.contains(part)) return false;
    text.remove(part);
    return true;
}

int LastPos(QChar c, const QString& text)
{
    return int(text.lastIndexOf(c)) + 1;
}

QString EncodeSpecial(const QString& text)
{
    QString result = TrimSpaces(text);
    for (const TKR_CharEntry& entry : SetupBlock.CharTable) {
        if (entry.Upper.isNull()) continue;
        ReplaceUnlessContained(result, QString(entry.Upper), entry.UpperCode);
        ReplaceUnlessContained(result, QString(entry.Lower), entry.LowerCode);
    }
    return result;
}

QString DecodeSpecial(const QString& text)
{
    QString result = TrimSpaces(text);
    for (const TKR_CharEntry& entry : SetupBlock.CharTable) {
        if (entry.Upper.isNull()) continue;
        ReplaceUnlessContained(result, entry.UpperCode, QString(entry.Upper));
        ReplaceUnlessContained(result, entry.LowerCode, QString(entry.Lower));
    }
    return result;
}

QString GetEnvironmentValue(const QString& name)
{
    if (name.isEmpty()) return {};
    const QString prefix = UpperCase(name) + u'=';
    for (char** entry = environ; entry && *entry; ++entry) {
        const QString text = QString::fromLocal8Bit(*entry);
        // The whole rest after the first "=": a value may itself hold "=".
        if (UpperCase(text.left(prefix.size())) == prefix) return text.mid(prefix.size());
    }
    return {};
}
