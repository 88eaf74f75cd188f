#pragma once

#include "foundation/KR_Liste.h"

#include <QString>

class TKR_KriterienFelder;

// One field descriptor of the framework: a column of a described table. Keys use only the
// criterion kind (TVerdan_DatenBankFeld); the value list of the base is empty.
class TKR_DatenBankFeld
{
public:
    // The kind of a criterion field of an identification key; made only by AddVerdanFeld.
    static constexpr int KriteriumTyp = 22;

    TKR_DatenBankFeld(int nummer, const QString& titel, int typ, const QString& code);
    virtual ~TKR_DatenBankFeld();
    TKR_DatenBankFeld(const TKR_DatenBankFeld&) = delete;
    TKR_DatenBankFeld& operator=(const TKR_DatenBankFeld&) = delete;

    virtual QString GetSpaltenName() const { return Code; }
    virtual QString GetAnzeigeTitel() const { return Titel; }
    // The value list, numbered from 1; a text beyond the count is empty.
    virtual int GetItemAnzahl() const { return 0; }
    virtual QString GetItemText(int nummer) const;
    virtual void ItemsFertig() {}
    // A stored value as the user reads it.
    virtual QString CodesAlsText(const QString& codes) const { return codes; }

    // Number of the owning list (the key), 0 without owner. With GetFeldNummer it names a
    // criterion in selection lists and in the illustration index.
    int GetGruppenNummer() const;
    int GetFeldNummer() const { return Nummer; }

    QString Titel;
    TKR_KriterienFelder* Gruppe = nullptr;
    int Nummer = 0;
    quint8 Modus = 1;
    int Typ = 0;
    // The name of the table column that holds the field.
    QString Code;
};

// The framework's description of one table: an ordered list of field descriptors, each
// owned by its entry. Numbers are positions from 1.
class TKR_KriterienFelder : public TKR_OwnerListe<TKR_DatenBankFeld>
{
public:
    TKR_KriterienFelder(int nummer, const QString& titel, quint8 modus);

    int Nummer = 0;
    QString Titel;
    quint8 Modus = 1;
};
