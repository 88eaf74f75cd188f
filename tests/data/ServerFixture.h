#pragma once

// Small data directories for the server tests, written through TDatabaseBuilder: the species
// table, the group, genus and family lists and a few key tables, with just the rows the
// tests need. A layout can be varied (a column left out) to reach the error paths.

#include "platform/DatabaseBuilder.h"
#include "support/TestTabellen.h"

#include <QDir>
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>
#include <initializer_list>

namespace ServerFixture {

using TestTabellen::Blank;
using TestTabellen::TSpalte;

using TestTabellen::Tabelle;

// Drops the columns named in ohne; the rows must then match what is left.
inline TTableDef OhneSpalten(TTableDef tabelle, const QStringList& ohne)
{
    tabelle.Columns.removeIf([&](const TColumnDef& spalte) { return ohne.contains(spalte.Name); });
    return tabelle;
}

// Rows given for every column of the full layout; the cells of left-out columns are dropped.
inline void Zeilen(TDatabaseBuilder& builder, const TTableDef& tabelle,
                   std::initializer_list<TSpalte> spalten, const QList<QVariantList>& zeilen)
{
    for (const QVariantList& zeile : zeilen) {
        QVariantList werte;
        int i = 0;
        for (const TSpalte& spalte : spalten) {
            bool vorhanden = false;
            for (const TColumnDef& def : tabelle.Columns)
                vorhanden = vorhanden || def.Name == QString::fromUtf8(spalte.Name);
            if (vorhanden) werte << zeile.value(i);
            ++i;
        }
        builder.AddRow(tabelle.Name, werte);
    }
}

// Columns left out of the species table and of the group list.
struct TVarianten
{
    QStringList OhneArtenSpalten;
    QStringList OhneGruppenSpalten;
    bool LeereArtentabelle = false;
};

const std::initializer_list<TSpalte> ArtenSpalten = {{"ID", "I"},
                                                     {"FN", "I"},
                                                     {"GN", "I"},
                                                     {"Gattung", "A21"},
                                                     {"Art", "A21"},
                                                     {"Unterart", "A25"},
                                                     {"Deutsch", "A60"},
                                                     {"Synonym", "A70"},
                                                     {"Lebensform", "A10"},
                                                     {"Höhe 1", "A8"},
                                                     {"Höhe 2", "A9"},
                                                     {"Blütezeit 1", "A3"},
                                                     {"Blütezeit 2", "A3"},
                                                     {"Blütenfarbe", "A18"},
                                                     {"D-Status", "A10"},
                                                     {"Bundesländer", "A20"},
                                                     {"Häufigkeit", "A50"},
                                                     {"Rote Liste", "A1"},
                                                     {"AT_Beschreibung", "M"},
                                                     {"RelID", "I"}};

const std::initializer_list<TSpalte> GruppenSpalten = {
    {"Gruppe", "A30"}, {"D-Gruppe", "A60"}, {"Bemerkung", "A80"}};

const std::initializer_list<TSpalte> GattungsSpalten = {
    {"GN", "I"}, {"GN_SN", "I"}, {"Gattung", "A21"}, {"D-Gattung", "A60"}, {"FN", "I"}};

const std::initializer_list<TSpalte> FamilienSpalten = {
    {"FN", "I"}, {"Familie", "A30"}, {"D-Familie", "A60"}, {"Synonym", "A70"}};

const std::initializer_list<TSpalte> GrundtabellenSpalten = {
    {"RelID", "+"}, {"ID", "I"}, {"GN", "I"},  {"FN", "I"},        {"SIP", "A80"},
    {"GR", "A30"},  {"L", "A3"}, {"BF", "A3"}, {"Bestimmung", "M"}};

const std::initializer_list<TSpalte> FamilienSchluesselSpalten = {
    {"RelID", "+"}, {"FN", "I"},          {"Familie", "A40"},    {"Sippen", "A40"},
    {"GR", "A30"},  {"Lebensform", "A3"}, {"Bl-Symmetrie", "A3"}};

// Key 42 "Poa": three measurements shown only as information, with the unit mm.
const std::initializer_list<TSpalte> PoaSpalten = {
    {"RelID", "+"},          {"ID", "I"},
    {"Art", "A80"},          {"B-Breite", "A10"},
    {"Ligula-Länge", "A10"}, {"Ährchen-Länge", "A10"},
    {"Bestimmung", "M"}};

// Key 22 "Equisetum" without the column of its second info criterion ("Markhöhle").
const std::initializer_list<TSpalte> EquisetumSpalten = {
    {"RelID", "+"}, {"ID", "I"}, {"Art", "A80"}, {"Äste-Rippen", "A10"}, {"Bestimmung", "M"}};

// Writes the data directory dir (tables.sqlite).
inline void BaueDatenbank(const QString& dir, const TVarianten& varianten = {})
{
    QDir().mkpath(dir);
    TDatabaseBuilder builder(dir + "/tables.sqlite");

    const TTableDef arten =
        OhneSpalten(Tabelle("VDB_1", ArtenSpalten, {"ID"}), varianten.OhneArtenSpalten);
    builder.CreateTable(arten);
    if (!varianten.LeereArtentabelle)
        Zeilen(builder, arten, ArtenSpalten,
               {
                   {1,
                    10,
                    100,
                    "Acer",
                    "campestre",
                    Blank,
                    "Feld-Ahorn",
                    "Acer austriacum",
                    "B",
                    "5",
                    "15",
                    "4",
                    "5",
                    "ge, gr",
                    "w",
                    "BW, BY",
                    "häufig",
                    "3",
                    "Baum mit Korkleisten.\nBlätter gelappt",
                    1},
                   {2,
                    20,
                    200,
                    "Aethusa*",
                    "cynapium?",
                    Blank,
                    "  Hunds-   Petersilie ",
                    Blank,
                    "E",
                    Blank,
                    "1",
                    Blank,
                    Blank,
                    Blank,
                    Blank,
                    Blank,
                    Blank,
                    Blank,
                    "Giftig,\nstinkend",
                    2},
                   {3,     99,    201,   "Anthriscus", "sylvestris", "subsp. alpina",
                    Blank, Blank, "X",   Blank,        Blank,        Blank,
                    Blank, Blank, Blank, Blank,        Blank,        Blank,
                    Blank, 3},
                   {4,     20,    200,   "Aethusa", "cynapium", "subsp. agrestis",
                    Blank, Blank, Blank, "0,2",     Blank,      "6",
                    Blank, Blank, Blank, Blank,     Blank,      Blank,
                    Blank, 4},
               });

    const TTableDef gruppen =
        OhneSpalten(Tabelle("VDB_4", GruppenSpalten, {"Gruppe"}), varianten.OhneGruppenSpalten);
    builder.CreateTable(gruppen);
    Zeilen(builder, gruppen, GruppenSpalten,
           {{"Grundtabelle", "Blütenpflanzen", "Der Einstieg für alle Blütenpflanzen"},
            {"Apiac", Blank, Blank}});

    // Several rows may share one GN: the others are further names of the genus.
    const TTableDef gattungen = Tabelle("VDB_6", GattungsSpalten, {"GN", "Gattung"},
                                        {{"Gattungsliste_GN_SN_IX", {"GN", "GN_SN"}}});
    builder.CreateTable(gattungen);
    Zeilen(builder, gattungen, GattungsSpalten,
           {{100, Blank, "Acer", "Ahorn", 10},
            {200, Blank, "Aethusa", "Hundspetersilie", 20},
            {201, Blank, "Anthriscus", "Kerbel", 20},
            {201, 201, "Cerefolium", "Kerbel", 20},
            {201, 202, "Chaerefolium", "Gartenkerbel", 20},
            {300, Blank, "Ajuga", Blank, 0}});

    const TTableDef familien =
        Tabelle("VDB_60", FamilienSpalten, {}, {{"Familienliste_FN_IX", {"FN"}}});
    builder.CreateTable(familien);
    Zeilen(builder, familien, FamilienSpalten,
           {{10, "Sapindaceae", "Seifenbaumgewächse", "Aceraceae"},
            {20, "Apiaceae", "Doldengewächse", Blank},
            {30, "Lamiaceae", Blank, "Labiatae"}});

    const TTableDef grundtabelle = Tabelle("VDB_3", GrundtabellenSpalten, {"RelID"});
    builder.CreateTable(grundtabelle);
    Zeilen(builder, grundtabelle, GrundtabellenSpalten,
           {{1, 1, 100, 10, "Acer campestre", Blank, "h", "e", "Blätter gelappt, mit Korkleisten"},
            {2, 1, 100, 10, "Acer campestre", Blank, "*", "l", "BLÄTTER GELAPPT"},
            {3, 2, 200, 20, "Aethusa cynapium", Blank, "k", "z", "Doldenblütler"},
            {4, 3, 201, 20, "Anthriscus sylvestris", Blank, Blank, Blank, Blank}});

    const TTableDef familienSchluessel = Tabelle("VDB_5", FamilienSchluesselSpalten, {"RelID"});
    builder.CreateTable(familienSchluessel);
    Zeilen(builder, familienSchluessel, FamilienSchluesselSpalten,
           {{1, 20, "Apiaceae", "viele", Blank, "k", "r"}});

    const TTableDef poa = Tabelle("VDB_42", PoaSpalten, {"RelID"});
    builder.CreateTable(poa);
    Zeilen(builder, poa, PoaSpalten,
           {{1, 5, "Poa annua", "2 - 4", Blank, "3  ", "Einjährig"},
            {2, 5, "Poa annua", "2 - 4", Blank, Blank, "EINJÄHRIG"},
            {3, 6, "Poa supina", "1", Blank, Blank, "Ausläufer"}});

    const TTableDef equisetum = Tabelle("VDB_22", EquisetumSpalten, {"RelID"});
    builder.CreateTable(equisetum);
    Zeilen(builder, equisetum, EquisetumSpalten,
           {{1, 7, "Equisetum arvense", "4", "Sporangienähren braun"},
            {2, 7, "Equisetum arvense", "5", "Nur im Frühjahr"}});

    builder.Finish();
}

} // namespace ServerFixture
