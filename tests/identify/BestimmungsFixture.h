#pragma once

// A small data directory for the rules of the result rows and for verdan-key: the species,
// group, genus and family lists, the basic table (key 3), the family key (key 5), the genus
// list (key 6) and the Allium key (key 7), with one row for each way a row is shown and
// followed. There is no KAT_Items table, so the catalogue built on it reports a problem.

#include "platform/DatabaseBuilder.h"
#include "support/TestTabellen.h"

#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace BestimmungsFixture {

using namespace TestTabellen;

// Key numbers of the catalogue.
constexpr int Grundtabelle = 3;
constexpr int Gruppenliste = 4;
constexpr int Familien = 5;
constexpr int Gattungsliste = 6;
constexpr int AlliumSchluessel = 7;
constexpr int ApiaceaeSchluessel = 9;

// Genus and family numbers of the rows.
constexpr int Allium = 100;
constexpr int Taraxacum = 200;
constexpr int DensLeonis = 250; // another name of Taraxacum, followed through GN_SN
constexpr int Urtica = 300;
constexpr int Apiaceae = 10;
constexpr int Asteraceae = 20;
constexpr int Urticaceae = 30; // without a German name

// Creates the table and fills it.
inline void Zeilen(TDatabaseBuilder& builder, const TTableDef& tabelle,
                   const QList<QVariantList>& zeilen)
{
    builder.CreateTable(tabelle);
    TestTabellen::Zeilen(builder, tabelle.Name, zeilen);
}

// Writes dir/tables.sqlite.
inline void BaueDatenbank(const QString& dir)
{
    QDir().mkpath(dir);
    TDatabaseBuilder builder(dir + "/tables.sqlite");

    Zeilen(
        builder,
        Tabelle("VDB_1",
                {{"ID", "I"},
                 {"FN", "I"},
                 {"GN", "I"},
                 {"Gattung", "A21"},
                 {"Art", "A21"},
                 {"Unterart", "A25"},
                 {"Deutsch", "A60"},
                 {"Synonym", "A70"},
                 {"Lebensform", "A10"},
                 {"RelID", "I"}},
                {"ID"}),
        {
            {1, Asteraceae, Taraxacum, "Taraxacum", "officinale", Blank, "Gewöhnlicher Löwenzahn",
             Blank, "P", 1},
            {2, Urticaceae, Urtica, "Urtica", "dioica", Blank, "Große Brennnessel", Blank, "P", 2},
            {3, Blank, Blank, "Carex", "davalliana", Blank, "Davall-Segge", Blank, "P", 3},
            {4, Blank, Allium, "Allium", "ursinum", Blank, "Bär-Lauch", Blank, "P", 4},
            {5, Blank, Blank, "Quercus", "robur", Blank, "Stiel-Eiche", Blank, "B", 5},
        });

    Zeilen(builder,
           Tabelle("VDB_4",
                   {{"Gruppe", "A30"}, {"D-Gruppe", "A60"}, {"Bemerkung", "A80"}, {"GR", "A30"}},
                   {"Gruppe"}),
           {{"Allium", "Lauch", "Mit Lauchgeruch", "Allium"},
            {"Apiac", "Doldenblütler", Blank, "Apiac"}});

    Zeilen(builder,
           Tabelle("VDB_6",
                   {{"GN", "I"},
                    {"Gattung", "A30"},
                    {"D-Gattung", "A60"},
                    {"FN", "I"},
                    {"GR", "A25"},
                    {"GN_SN", "I"},
                    {"RelID", "I"}},
                   {"GN"}, {{"Gattungsliste_GN_SN_IX", {"GN", "GN_SN"}}}),
           {{Allium, "Allium", "Lauch", Blank, "Allium", Blank, 1},
            {Taraxacum, "Taraxacum", "Löwenzahn", Asteraceae, Blank, Blank, 2},
            {DensLeonis, "Dens-leonis", "Löwenzahn", Asteraceae, Blank, Taraxacum, 3},
            {Urtica, "Urtica", "Brennnessel", Urticaceae, Blank, Blank, 4}});

    Zeilen(builder,
           Tabelle("VDB_60",
                   {{"FN", "I"}, {"Familie", "A30"}, {"D-Familie", "A60"}, {"Synonym", "A70"}},
                   {"FN"}, {{"Familienliste_FN_IX", {"FN"}}}),
           {{Apiaceae, "Apiaceae", "Doldengewächse", "Umbelliferae"},
            {Asteraceae, "Asteraceae", "Korbblütler", "Compositae"},
            {Urticaceae, "Urticaceae", Blank, Blank}});

    // Key 3: taxa (one named only by its epithet, one with its sex in the name, one without
    // genus and family), a group row leading to key 7, and a row whose group is no key.
    Zeilen(builder,
           Tabelle("VDB_3",
                   {{"RelID", "+"},
                    {"ID", "I"},
                    {"GN", "I"},
                    {"FN", "I"},
                    {"SIP", "A80"},
                    {"GR", "A30"},
                    {"L", "A3"},
                    {"Bestimmung", "M"}},
                   {"RelID"}),
           {{1, 1, Taraxacum, Asteraceae, "Taraxacum officinale", Blank, "k", "Milchsaft weiß"},
            {2, 2, Blank, Blank, "Urtica dioica", Blank, "k", "Brennhaare"},
            {3, Blank, Allium, Blank, "Allium", "Allium", "*", Blank},
            {4, 3, Blank, Blank, "Carex davalliana weiblich", Blank, "k", Blank},
            {5, 4, Allium, Blank, "ursinum", Blank, "k", Blank},
            {6, 5, Blank, Blank, "Quercus robur", Blank, "h", Blank},
            {7, Blank, Blank, Blank, "Sonstige", "Unbekannt", "k", Blank}});

    Zeilen(builder,
           Tabelle("VDB_5",
                   {{"RelID", "+"},
                    {"ID", "I"},
                    {"GN", "I"},
                    {"FN", "I"},
                    {"Familie", "A40"},
                    {"Sippen", "A255"},
                    {"GR", "A30"},
                    {"Lebensform", "A3"},
                    {"Bestimmung", "M"}},
                   {"RelID"}),
           {{1, Blank, Blank, Apiaceae, "Apiaceae", Blank, "Apiac", "k", Blank},
            {2, Blank, Blank, Asteraceae, "Asteraceae", Blank, Blank, "k", Blank},
            {3, Blank, Blank, Urticaceae, "Urticaceae", "Urtica, Parietaria", Blank, "k", Blank},
            {4, Blank, Blank, Blank, "Lemnaceae", "Lemna", Blank, "w", Blank}});

    // Key 7 "Allium": a taxon, and a row named only by its epithet without a taxon number.
    Zeilen(builder,
           Tabelle("VDB_7",
                   {{"RelID", "+"},
                    {"ID", "I"},
                    {"GN", "I"},
                    {"FN", "I"},
                    {"Art", "A80"},
                    {"Bestimmung", "M"}},
                   {"RelID"}),
           {{1, 4, Allium, Blank, "Allium ursinum", Blank},
            {2, Blank, Allium, Blank, "sphaerocephalon agg.", Blank}});

    builder.Finish();
}

} // namespace BestimmungsFixture
