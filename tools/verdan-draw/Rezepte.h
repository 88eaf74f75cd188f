#pragma once

#include "Zeichner.h"

#include <QImage>
#include <QString>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

// How one picture is drawn, on the canvas of TZeichner.
using TRezept = std::function<void(TZeichner&)>;

struct TRezeptEintrag
{
    int Gruppe = 0;
    QString Spalte; // the criterion's column in its key ("BLS"; "4" for a glossary field)
    QString Code;   // the item's code; empty for the criterion's own picture
    QString Titel;  // what the picture shows when the catalogue's text says less (glossary)
    TRezept Rezept;
};

// The drawings, addressed as the key tables address values: key number, criterion column
// and item code. Item numbers are looked up in the catalogue when the tables are written, so
// a drawing stays with its value when items are inserted before it.
class TRezeptTabelle
{
public:
    // Registers the drawing of the value code of criterion spalte of key gruppe. A second
    // registration of the same value replaces the first.
    void Setze(int gruppe, const QString& spalte, const QString& code, TRezept rezept,
               const QString& titel = {});
    // The criterion's own picture (item 0 in the index).
    void SetzeKriterium(int gruppe, const QString& spalte, TRezept rezept);
    // The drawing of another value, for values that look the same in two keys.
    void Wie(int gruppe, const QString& spalte, const QString& code, int vonGruppe,
             const QString& vonSpalte, const QString& vonCode);

    const TRezeptEintrag* Finde(int gruppe, const QString& spalte, const QString& code) const;
    // All entries, in the order of key, column and code.
    std::vector<const TRezeptEintrag*> Alle() const;
    bool HatGruppe(int gruppe) const;

private:
    std::map<std::tuple<int, QString, QString>, TRezeptEintrag> m_eintraege;
};

// Every drawing the tool knows. Each group of keys registers its drawings in a function of
// its own (RezepteFarne, RezepteGlossar …); a new one is added to the list in Rezepte.cpp.
const TRezeptTabelle& AlleRezepte();

void RezepteFarne(TRezeptTabelle& tabelle);
void RezepteGrundtabelle(TRezeptTabelle& tabelle);
void RezepteFamilien(TRezeptTabelle& tabelle);
void RezepteGlossar(TRezeptTabelle& tabelle);
// The genus and family keys 7 to 59.
void RezepteGehoelze(TRezeptTabelle& tabelle);
void RezepteGraeser(TRezeptTabelle& tabelle);
void RezepteKorbbluetler(TRezeptTabelle& tabelle);
void RezepteKraeuter(TRezeptTabelle& tabelle);
void RezepteLippenbluetler(TRezeptTabelle& tabelle);
void RezepteNelkenartige(TRezeptTabelle& tabelle);

// The two picture sizes: kind 1 for the detail view and the glossary, kind 2 for the strip.
constexpr int BildartGross = 1;
constexpr int BildartKlein = 2;
QSize Bildgroesse(int bildart);
// Draws the recipe into a white picture of the kind's size.
QImage ZeichneBild(const TRezept& rezept, int bildart);
