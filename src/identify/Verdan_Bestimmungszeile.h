#pragma once

#include <QString>

class TDataSet;
class TField;
class TKR_HtmlDesigner;
class TQuery;
class TVerdan_AbfrageListe;
class TVerdan_Benutzerdatenbank;
class TVerdan_Datenbankserver;

// What a result row names: its taxon, the key its "Gruppe" text leads to, its genus and
// family; each 0 when absent.
struct TVerdan_Zeilenwerte
{
    int Taxon = 0;
    int Gruppe = 0;
    int Gattung = 0;
    int Familie = 0;
};

// The level a double click on a result row opens: key Schluessel restricted to a genus or a
// family. Schluessel 0 means the row is a taxon, which is described instead.
struct TVerdan_Folgeebene
{
    int Schluessel = 0;
    int Gattung = 0;
    int Familie = 0;

    bool IstTaxon() const { return Schluessel == 0; }
    friend bool operator==(const TVerdan_Folgeebene&, const TVerdan_Folgeebene&) = default;
};

enum class TVerdan_Suche
{
    Nichts,
    Gefunden,
    NichtGefunden,
};

// The rules by which the identification window reads its result rows: their values, the
// text of the name column, the level a row leads to, its description, and running the
// current level's query. The window and verdan-key share them; the window only wires them
// to its widgets.
//
// Lookups go through the server, whose tables are opened on first use: engine errors (a
// missing table) reach the caller, except in the name column's display handler, which
// then shows the row's own text.
class TVerdan_Bestimmungszeile
{
public:
    // Both must outlive this object; the stack's catalogue names the keys.
    TVerdan_Bestimmungszeile(TVerdan_AbfrageListe& ebenen, TVerdan_Datenbankserver& server);

    // The window's option "Deutsche Namen": German names in the statement and the names.
    bool DeutscheNamen = false;

    // The values of the data set's current row. Genus and family are read only at a level,
    // and then only when alle is set or the level's key selects them (MitGN, MitFN); with
    // synonymBevorzugt a GN_SN above 0 stands for the genus. A "Gruppe" text that names no
    // key is no group.
    TVerdan_Zeilenwerte LeseZeile(const TDataSet& ergebnis, bool alle, bool synonymBevorzugt) const;

    // The text shown for the current row in the name column, from the field's own text:
    // German names when asked for, the genus before a bare epithet, "  -> " and the target's
    // name for a row that leads on (only the target in the group, family and genus lists),
    // then the "Sippen" text; blanks tidied.
    QString BezeichnungGetText(const TField& bezeichnung, const QString& text);

    // The level that a double click on the current row opens: the key of its "Gruppe"
    // restricted to its genus; else the basic table restricted to its genus, or else to
    // its family; else none (a taxon).
    TVerdan_Folgeebene Folgeebene(const TDataSet& ergebnis) const;

    // Appends the description of the current row to dokument: a taxon's with its
    // identification aids and the current key's values, a genus's, a family's with its
    // aids, a group key's, or "Keine Art ausgewählt" for a row that is none of these.
    void SchreibeBeschreibung(const TDataSet& ergebnis, TKR_HtmlDesigner& dokument);

    // Runs the current level's statement in abfrage on the data directory (GlobalDir): the
    // name column becomes the first, 60 characters wide, with BezeichnungGetText as its
    // display text, and the other interpreted columns are hidden. Returns "Übrig bleiben: "
    // and the number of rows, or an empty text when there is no level (nothing runs).
    // Engine errors of the statement reach the caller with the query closed.
    QString AbfrageStarten(TQuery& abfrage);

    // Opens the level ziel above the current one; the next return to the current level
    // comes back to ergebnis's current row.
    void OeffneEbene(const TVerdan_Folgeebene& ziel, const TDataSet& ergebnis);

    // Makes record zeile (from 1) of ergebnis current again, as after a return to a level;
    // nothing for 0 or a closed set, and a failing move is ignored.
    static void GeheZuZeile(TDataSet& ergebnis, int zeile);

    // Moves ergebnis to the first row whose name, as displayed, starts with suchtext in any
    // letter case. Without a match it goes back to its row. An empty suchtext does nothing,
    // and an error while searching ends the search quietly (Nichts: nothing to tell).
    TVerdan_Suche SucheBezeichnung(TDataSet& ergebnis, const QString& suchtext);

    TVerdan_AbfrageListe& Ebenen() const { return *m_ebenen; }
    TVerdan_Datenbankserver& Server() const { return *m_server; }

private:
    TVerdan_Benutzerdatenbank& Katalog() const;
    int AktuelleSchluesselnummer() const;
    QString DeutscherText(const TDataSet& ergebnis, const TVerdan_Zeilenwerte& zeile,
                          const QString& eigenerText);
    QString MitGattungDavor(const QString& text, const TVerdan_Zeilenwerte& zeile);
    QString MitPfeilZumZiel(const QString& text, const TVerdan_Zeilenwerte& zeile);
    QString Gattungsname(int gattung);
    QString Familienname(int familie);

    TVerdan_AbfrageListe* m_ebenen;
    TVerdan_Datenbankserver* m_server;
};
