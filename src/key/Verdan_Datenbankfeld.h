#pragma once

#include "data/KR_TEXT.h"
#include "key/KR_DatenBankFeld.h"
#include "key/Verdan_DatenbankItemListe.h"

class TVerdan_KriterienGruppe;

// One criterion of a key: its caption, the key-table column (Code) and its values.
// An info-only criterion is never offered for ticking; descriptions print its stored value
// with the unit.
class TVerdan_DatenBankFeld : public TKR_DatenBankFeld
{
public:
    TVerdan_DatenBankFeld(int nummer, const QString& titel, int typ, const QString& code);

    QString GetSpaltenName() const override { return Code; }
    QString GetItemText(int nummer) const override;
    int GetItemAnzahl() const override { return Items.Count(); }
    void ItemsFertig() override {}
    // "h, k" gives "holzig, krautig": pieces split at "," and trimmed, unknown codes skipped.
    QString CodesAlsText(const QString& codes) const override;

    // The owning key, nullptr without one.
    TVerdan_KriterienGruppe* Schluessel() const;

    TVerdan_DatenbankItemListe Items;
    TKR_Textus Notiz;
    bool NurInfo = false;
    QString Einheit;
};
