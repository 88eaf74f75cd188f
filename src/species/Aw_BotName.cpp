#include "species/Aw_BotName.h"

#include "app/Kr_str.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

bool IstTrenner(QChar c)
{
    return c == u' ' || c == u'/';
}

bool IstRangzeichen(const QString& wort)
{
    static const QStringList zeichen = {QStringLiteral("SSP."), QStringLiteral("SUBSP."),
                                        QStringLiteral("VAR."), QStringLiteral("F."),
                                        QStringLiteral("S.L"),  QStringLiteral("S.L.")};
    return zeichen.contains(UpperCase(wort));
}

QString OhneZitate(const QString& text)
{
    // An unclosed quote drops the rest of the text.
    static const QRegularExpression zitat(QStringLiteral("'[^']*'?"));
    return QString(text).replace(zitat, QStringLiteral(" "));
}

// Drops each rank marker with the word after it; the separators between words stay.
QString OhneRangangaben(const QString& text)
{
    QString ergebnis;
    bool folgewortWeglassen = false;
    int i = 0;
    while (i < text.size()) {
        if (IstTrenner(text.at(i))) {
            ergebnis += text.at(i++);
            continue;
        }
        const int anfang = i;
        while (i < text.size() && !IstTrenner(text.at(i)))
            ++i;
        const QString wort = text.mid(anfang, i - anfang);
        if (folgewortWeglassen) {
            folgewortWeglassen = false;
        } else if (IstRangzeichen(wort)) {
            folgewortWeglassen = true;
        } else {
            ergebnis += wort;
        }
    }
    return ergebnis;
}

} // namespace

TAW_BotanischerName TeileBotanischenNamen(const QString& text)
{
    const QString rest = DecodeSpecial(OhneRangangaben(OhneZitate(text)));
    if (rest.contains(u'/'))
        return {GetToken(QStringLiteral("/"), 1, rest).trimmed(),
                GetToken(QStringLiteral("/"), 2, rest).trimmed()};
    return {GetToken(QStringLiteral(" "), 1, rest), GetToken(QStringLiteral(" "), 2, rest)};
}
