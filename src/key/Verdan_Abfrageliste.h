#pragma once

#include "foundation/KR_Liste.h"

#include <QString>
#include <memory>
#include <vector>

class TKR_HtmlEditor;
class TKR_Textus;
class TVerdan_Benutzerdatenbank;
class TVerdan_FlagOutStruktur;
class TVerdan_KriterienGruppe;
class TVerdan_Namensquelle;

// One level of an identification: the key shown, its restriction to a genus or family, its
// criteria tree (kept by the stack) and the result row the next level was opened from.
class TVerdan_AbfrageRecord : public TKR_MyVListRecord
{
public:
    int Nummer = 0;
    int Gattung = 0;
    int Familie = 0;
    TVerdan_FlagOutStruktur* Struktur = nullptr;
    // Record number (from 1) of the row that opened the next level; 0 until then.
    int Zeile = 0;
};

// The stack of identification levels of one window; the last level is the current one.
// Each key's criteria tree is built on first use and kept, with its ticks cleared, for as
// long as the stack lives.
class TVerdan_AbfrageListe : public TKR_TypedVListe<TVerdan_AbfrageRecord>
{
public:
    // Both must outlive the stack.
    TVerdan_AbfrageListe(TVerdan_Benutzerdatenbank& katalog, TVerdan_Namensquelle& namen);
    ~TVerdan_AbfrageListe() override;

    // Opens a level of key nummer; zeile goes to the level before it. A key the catalogue
    // does not have raises EKR_Exception and changes nothing.
    TVerdan_AbfrageRecord* NeueEbene(int nummer, int gattung, int familie, int zeile);
    // Removes the levels above ebene and returns its key number; a single level stays.
    // Raises EKR_Exception "TVerdan_AbfrageListe.ResetToEbene:Alle Elemente Gelöscht" when
    // that removed every level (ebene was not on the stack); the stack is then empty.
    int ResetToEbene(const TVerdan_AbfrageRecord* ebene);
    // Clears the ticks of every kept tree and removes all levels.
    void AllesLoeschen();

    // The current level, nullptr for an empty stack.
    TVerdan_AbfrageRecord* LetzteEbene();
    TVerdan_FlagOutStruktur* AktuelleStruktur();
    // The key of the current level, nullptr for an empty stack.
    TVerdan_KriterienGruppe* EbenenGruppe();
    TVerdan_KriterienGruppe* AktuelleGruppe() { return EbenenGruppe(); }
    int AktuelleNummer() const { return m_aktuelleNummer; }
    TVerdan_Benutzerdatenbank& Katalog() const { return *m_katalog; }

    // Appends the statement of the current level (its ticks, genus and family) to zeilen;
    // nothing for an empty stack.
    void ErstelleSQL(int zeilenFilter, TKR_Textus& zeilen, bool deutscheNamen);
    // The selected criteria of every level, later levels indented.
    void SchreibeKriterienHtml(TKR_HtmlEditor& designer);

private:
    TVerdan_FlagOutStruktur& StrukturFuer(int nummer);

    TVerdan_Benutzerdatenbank* m_katalog;
    TVerdan_Namensquelle* m_namen;
    int m_aktuelleNummer = 0;
    // One slot per key number 0 to the catalogue's count; slot 0 stays empty.
    std::vector<std::unique_ptr<TVerdan_FlagOutStruktur>> m_strukturen;
};
