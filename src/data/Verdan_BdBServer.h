#pragma once

#include "data/Aw_bdb01.h"
#include "key/Verdan_Namensquelle.h"

#include <QString>

class TKR_HtmlDesigner;
class TKR_Textus;
class TVerdan_KriterienGruppe;

// A key table: it keeps whatever record, index and range its last user left.
class TVerdanBDB_Table : public TBDB_Table
{
    Q_OBJECT

public:
    using TBDB_Table::TBDB_Table;

    void SyncToServer() override {}
};

// The product's database server: every key n of the catalogue has its table "VDB_<n>" in the
// one database of the server (the data directory), always opened read-only. On top of the
// tables it names taxa, genera, families and groups by number and writes their descriptions.
//
// Lookups that find nothing give the empty text. Each lookup sets the index it needs on the
// shared table first, except those on VDB_1 and VDB_4, which keep their primary index.
// Engine errors (a missing table, a missing column in an unguarded step) reach the caller.
class TVerdan_Datenbankserver : public TBDB_SERVER, public TVerdan_Namensquelle
{
    Q_OBJECT

public:
    TVerdan_Datenbankserver(QObject* owner, QObject* translator,
                            TVerdan_Benutzerdatenbank* benutzerdatenbank,
                            const QString& databaseName);

    void OpenTable(int nummer) override;
    bool Locate(int id) override;

    QString FamilienName(int familie) override;
    QString DeutscherFamilienName(int familie);
    QString GattungsName(int gattung) override;
    QString DeutscherGattungsName(int gattung);
    QString GattungsNameDerArt(int id);
    // The group list's name of key nummer: its German name when deutsch is asked for.
    QString GruppenName(int nummer, bool deutsch);
    // Genus, species and subspecies without "*" and "?", blanks tidied.
    QString ArtName(int id);
    QString DeutscherArtName(int id);

    // Fills hilfen with the identification aids of the rows that the statement sql selects
    // from key nummer's table: each row's "Bestimmung" memo and its info-only criteria,
    // leaving out a line that an earlier one begins with (letter case aside). An error
    // while reading rows keeps the aids found so far; any other failure empties them.
    // Leaves the key's table on the index of RelID.
    void SammleBestimmungshilfen(int nummer, const TKR_Textus* sql, TKR_Textus* hilfen);

    // The descriptions append to designer and return true. hilfen may be nullptr.
    // A taxon that does not exist writes nothing.
    bool ArtBeschreibung(int id, const TKR_Textus* hilfen, TKR_HtmlDesigner& designer);
    // A family or genus that does not exist writes only the note and the closing tag.
    bool FamilienBeschreibung(int familie, const TKR_Textus* hilfen, TKR_HtmlDesigner& designer);
    bool GattungsBeschreibung(int gattung, TKR_HtmlDesigner& designer);
    // Nothing for nullptr.
    bool GruppenBeschreibung(TVerdan_KriterienGruppe* gruppe, TKR_HtmlDesigner& designer);
    // The values that key gruppe records for taxon id (for the family key: family id) as
    // "caption: item text" under "Merkmale:". Nothing for nullptr, a key without criteria
    // or a failing statement.
    void SchluesselMerkmale(TVerdan_KriterienGruppe* gruppe, int id, TKR_HtmlDesigner& designer);

private:
    TBDB_Table& Tabelle(int nummer) { return *GetTable(nummer); }
    QString Bezeichnungsspalte(int nummer);
    QString NameAusListe(int nummer, const QString& indexName, int schluessel);
    QString DeutscherNameAusListe(int nummer, const QString& indexName, int schluessel,
                                  const QString& spalte);
    void SammleZeile(TTable& tabelle, TVerdan_KriterienGruppe* gruppe, TKR_Textus& hilfen);
    void SchreibeKurztext(TTable& arten, TKR_HtmlDesigner& designer);
    void SchreibeBeschreibungszeilen(TTable& arten, TKR_HtmlDesigner& designer);
    void SchreibeGattungsnamen(TTable& gattungen, int gattung, const QString& eigenerName,
                               TKR_HtmlDesigner& designer);
};
