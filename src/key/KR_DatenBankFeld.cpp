#include "key/KR_DatenBankFeld.h"

TKR_DatenBankFeld::TKR_DatenBankFeld(int nummer, const QString& titel, int typ, const QString& code)
    : Titel(titel), Nummer(nummer), Typ(typ), Code(code)
{}

TKR_DatenBankFeld::~TKR_DatenBankFeld() = default;

QString TKR_DatenBankFeld::GetItemText(int) const
{
    return {};
}

int TKR_DatenBankFeld::GetGruppenNummer() const
{
    return Gruppe ? Gruppe->Nummer : 0;
}

TKR_KriterienFelder::TKR_KriterienFelder(int nummer, const QString& titel, quint8 modus)
    : Nummer(nummer), Titel(titel), Modus(modus)
{}
