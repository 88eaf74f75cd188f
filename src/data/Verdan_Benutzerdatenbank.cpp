#include "data/Verdan_Benutzerdatenbank.h"

TVerdan_KriterienGruppe*
TVerdan_Benutzerdatenbank::AddGruppe(std::unique_ptr<TVerdan_KriterienGruppe> gruppe)
{
    gruppe->Katalog = this;
    return AppendData(std::move(gruppe));
}

TVerdan_KriterienGruppe* TVerdan_Benutzerdatenbank::GruppeNr(int nummer)
{
    if (nummer < 1 || nummer > Count()) return nullptr;
    GoTo(nummer);
    return AktuelleGruppe();
}

TVerdan_DatenBankFeld* TVerdan_Benutzerdatenbank::FeldNr(int gruppe, int feld)
{
    TVerdan_KriterienGruppe* schluessel = GruppeNr(gruppe);
    return schluessel ? schluessel->GetFeld(feld) : nullptr;
}

QString TVerdan_Benutzerdatenbank::FeldTitel(int gruppe, int feld)
{
    const TVerdan_DatenBankFeld* datenbankFeld = FeldNr(gruppe, feld);
    return datenbankFeld ? datenbankFeld->GetAnzeigeTitel() : QStringLiteral("N/A");
}

TVerdan_KriterienGruppe* TVerdan_Benutzerdatenbank::GruppeMitName(const QString& name) const
{
    for (TVerdan_KriterienGruppe* gruppe : *this) {
        if (gruppe->GetName() == name) return gruppe;
    }
    return nullptr;
}

bool TVerdan_Benutzerdatenbank::BuildIndex()
{
    const bool gebaut = TKR_OwnerListe::BuildIndex();
    for (TVerdan_KriterienGruppe* gruppe : *this)
        gruppe->BuildIndex();
    return gebaut;
}
