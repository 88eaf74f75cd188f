#pragma once

#include "key/KR_DatenBankFeld.h"
#include "key/Verdan_Datenbankfeld.h"

#include <QString>
#include <QStringList>

class TAW_FlagOutKriterienListe;
class TKR_Textus;
class TVerdan_Benutzerdatenbank;

// One identification key: a table of taxa (VDB_<Nummer>) whose rows carry, per criterion
// column, the code of the value the taxon shows or "*". The key owns its criteria; its
// number is its position in the catalogue.
class TVerdan_KriterienGruppe : public TKR_KriterienFelder
{
public:
    TVerdan_KriterienGruppe(int nummer, const QString& titel, quint8 modus, const QString& name);

    // Appends a criterion numbered by its new position; the cursor goes to it. Any kind but
    // 22 raises EKR_Exception and leaves the key unchanged.
    TVerdan_DatenBankFeld* AddVerdanFeld(const QString& titel, const QString& code, int typ);
    TVerdan_DatenBankFeld* AddFeld(const QString& titel, const QString& code);
    TVerdan_DatenBankFeld* AddInfoFeld(const QString& titel, const QString& code);
    // A criterion titled and coded by the number of fields before the call ("0" for the
    // first), holding the items "1" to "n".
    TVerdan_DatenBankFeld* AddNummernFeld(int anzahl);

    // The criterion at position nummer (it becomes current); nullptr outside 1..Count.
    TVerdan_DatenBankFeld* GetFeld(int nummer);
    TVerdan_DatenBankFeld* AktuellesFeld() const;

    // The catalogue's key number nummer; nullptr outside a catalogue or when there is none.
    TVerdan_KriterienGruppe* GruppeZuNummer(int nummer) const;
    // "VDB_<n>" of key n of the catalogue; empty when there is no such key.
    QString TabellenNameZuNummer(int nummer) const;
    QString GetTabellenName() const;
    QString GetName() const { return Name; }

    // Appends to zeilen the SELECT statement over this key's table for the ticked values
    // of auswahl: each ticked criterion admits rows holding the item's code or "*". A
    // zeilenFilter above 0 fetches the rows of that taxon with their RelID; gattung and
    // familie restrict to a genus or family; deutscheNamen joins and sorts by German names.
    // Writes nothing when auswahl or zeilen is missing; always returns true.
    bool BuildAbfrageSQL(const TAW_FlagOutKriterienListe* auswahl, int zeilenFilter, int gattung,
                         int familie, TKR_Textus* zeilen, bool deutscheNamen);

    TVerdan_Benutzerdatenbank* Katalog = nullptr;
    QString Name;
    // Column or column expression that names a row, selected as Bezeichnung.
    QString SpalteBezeichnung = QStringLiteral("Art");
    // Column naming the next key of a row (selected as Gruppe); empty: no next keys.
    QString SpalteGruppe;
    // Column holding a row's taxon number (selected as ID); empty: rows carry none.
    QString SpalteID = QStringLiteral("ID");
    // Column selected as Sippen, appended to a row's label; empty: none.
    QString SpalteSippen;
    bool MitGN = false;
    bool MitFN = false;
    // Join the genus list, show and sort by genus name.
    bool MitGattung = false;

private:
    // The pieces of BuildAbfrageSQL, each appending behind the last line.
    void SchreibeSpalten(TKR_Textus& sql, int zeilenFilter, bool deutscheNamen) const;
    void SchreibeTabellen(TKR_Textus& sql, bool deutscheNamen) const;
    QStringList KriteriumsBedingungen(const TAW_FlagOutKriterienListe& auswahl);
    void SchreibeBedingungen(TKR_Textus& sql, const QStringList& kriterien, int zeilenFilter,
                             int gattung, int familie, bool deutscheNamen) const;
    void SchreibeSortierung(TKR_Textus& sql, bool deutscheNamen) const;
};
