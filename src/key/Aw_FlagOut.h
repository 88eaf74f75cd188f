#pragma once

#include "data/KR_TEXT.h"
#include "key/KR_FlagOut.h"

#include <QString>

class TVerdan_Benutzerdatenbank;

// The selection list: one line per criterion with ticked values, sorted as text:
//     key number TAB field number TAB set of item numbers TAB mode
// e.g. "003\t005\t/2/\t1". Numbers have at least three digits, so the text order is the
// order of key and field; the set is ascending, each number between slashes ("/1/4/").
class TAW_FlagOutKriterienListe : public TKR_Textus
{
public:
    explicit TAW_FlagOutKriterienListe(TVerdan_Benutzerdatenbank* katalog = nullptr);

    TVerdan_Benutzerdatenbank* Katalog() const { return m_katalog; }

    // "003\t005\t": identifies the criterion's line.
    static QString Zeilenkopf(int gruppe, int feld);
    // Puts item into the criterion's set (hinzu) or takes it out. A line whose set becomes
    // empty is deleted; an unchanged set leaves the line as it is.
    void SetzeItem(int gruppe, int feld, int item, bool hinzu, const QString& modus);
    // Writes a whole value: replaces the criterion's line, deletes it for an empty value, or
    // adds one. Tabs inside the value become "#" so that the line keeps its pieces.
    void SetzeAuswahlWert(int gruppe, int feld, const QString& wert, const QString& extra);
    // The criterion's set (third piece), empty without a line.
    QString AuswahlWertZu(int gruppe, int feld);
    // item as text when the criterion's set holds it, else empty.
    QString ItemGesetzt(int gruppe, int feld, int item);
    // The mode (fourth piece) of the criterion's line when it holds item, else empty.
    QString ModusZu(int gruppe, int feld, int item);

private:
    // The position of the criterion's line, 0 when none; the cursor stays on it.
    int FindeZeile(int gruppe, int feld);

    TVerdan_Benutzerdatenbank* m_katalog;
};

// Adds the value string: "2" for a ticked value of a criterion, empty otherwise.
class TAW_FlagOutObjekt : public TKR_FlagOutObjekt
{
public:
    // The framework's objects take their ticks from AuswahlWert only.
    void SetGewaehlt(bool) override {}
    bool IstKapitel() const override { return false; }

    QString AuswahlWert;
};

// Adds export of the ticked values into a selection list, and clearing them.
class TAW_FlagOutStruktur : public TKR_FlagOutStruktur
{
public:
    explicit TAW_FlagOutStruktur(const QString& titel, TKR_FlagOutStruktur* eltern = nullptr);

    std::unique_ptr<TKR_FlagOutObjekt> NeuesObjekt() override;
    std::unique_ptr<TKR_FlagOutStruktur> NeueUnterstruktur(const QString& titel,
                                                           TKR_FlagOutStruktur* eltern) override;

    // True when an object has a value; with tief, sub-structures are searched first.
    bool HatAuswahlWert(bool tief) const;
    // Clears the ticks and values of the whole tree, without notifications.
    void LoescheAuswahl();
    // Writes the ticked values of the whole tree into liste (one line per criterion) and
    // sorts it. Writing twice keeps one line per criterion.
    virtual void SchreibeAuswahl(TAW_FlagOutKriterienListe& liste);

    // Set for the chapter of an array field of the framework's general user database.
    bool ArrayStruktur = false;
    // Export writes mode 2 instead of 1.
    bool SchreibeModus2 = false;
};
