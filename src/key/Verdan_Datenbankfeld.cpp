#include "key/Verdan_Datenbankfeld.h"

#include "app/Kr_str.h"
#include "key/Verdan_Kriteriengruppe.h"

#include <QStringList>

TVerdan_DatenBankFeld::TVerdan_DatenBankFeld(int nummer, const QString& titel, int typ,
                                             const QString& code)
    : TKR_DatenBankFeld(nummer, titel, typ, code)
{}

QString TVerdan_DatenBankFeld::GetItemText(int nummer) const
{
    const TVerdan_DatenbankItemRecord* item = Items.ItemAt(nummer);
    return item ? item->Text : QString();
}

QString TVerdan_DatenBankFeld::CodesAlsText(const QString& codes) const
{
    if (codes.isEmpty()) return {};
    QStringList texte;
    for (const QString& stueck : codes.split(u',')) {
        const int nummer = Items.IndexOfCode(TrimSpaces(stueck));
        if (nummer > 0) texte << GetItemText(nummer);
    }
    return texte.join(QStringLiteral(", "));
}

TVerdan_KriterienGruppe* TVerdan_DatenBankFeld::Schluessel() const
{
    return dynamic_cast<TVerdan_KriterienGruppe*>(Gruppe);
}
