#pragma once

#include "Rezepte.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TVerdan_Benutzerdatenbank;

// One picture to draw: the value (or criterion, Item 0) it belongs to and its recipe.
struct TBild
{
    int Gruppe = 0;
    int Feld = 0;
    int Item = 0;
    QString Beschriftung; // "Blütenstand: Ähre", for contact sheets
    const TRezeptEintrag* Eintrag = nullptr;
};

// The catalogue of keys as the program builds it; the items of keys 7 to 59 are read from
// datenDir/tables/KAT_Items (without it those keys have no items).
std::unique_ptr<TVerdan_Benutzerdatenbank> KatalogAusQuellen(const QString& datenDir);

// The pictures of all recipes, in the order of key, field and item. A recipe for a key,
// column or code the catalogue does not have is a mistake: it is named in fehler.
std::vector<TBild> Bildliste(TVerdan_Benutzerdatenbank& katalog, const TRezeptTabelle& rezepte,
                             QStringList& fehler);

struct TErgebnis
{
    int Bilder = 0;   // picture files written
    qint64 Bytes = 0; // their size
    int Werte = 0;    // values with pictures
};

// Draws every picture into datenDir/pictures/krs/<key>/<field>-<item>-<kind>.png (the folder
// is emptied first) and writes the structure tables KRS_* of datenDir/tables. Raises
// std::runtime_error when a file cannot be written.
TErgebnis SchreibeStrukturtabellen(const QString& datenDir, TVerdan_Benutzerdatenbank& katalog,
                                   const std::vector<TBild>& bilder);
