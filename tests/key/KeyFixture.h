#pragma once

// Small data directories for the key tests, written through the engine's database builder.

#include "data/Verdan_Benutzerdatenbank.h"
#include "key/Verdan_Definition.h"
#include "platform/DatabaseBuilder.h"
#include "support/TestTabellen.h"

#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

namespace KeyFixture {

using namespace TestTabellen;

inline TTableDef KatItemsTabelle()
{
    return Tabelle(
        "KAT_Items",
        {{"Schluessel", "I"}, {"Spalte", "A40"}, {"Nr", "I"}, {"Code", "A3"}, {"Text", "A120"}},
        {"Schluessel", "Spalte", "Nr"});
}

// A data directory whose only table is KAT_Items with the given rows
// (Schluessel, Spalte, Nr, Code, Text).
inline void SchreibeKatItems(const QString& dir, const QList<QVariantList>& zeilen)
{
    QDir().mkpath(dir);
    TDatabaseBuilder builder(dir + "/tables.sqlite");
    builder.CreateTable(KatItemsTabelle());
    Zeilen(builder, "KAT_Items", zeilen);
    builder.Finish();
}

// The key tables the statements of keys 3, 5, 6 and 16 run on, with rows for each kind of
// match: a ticked code, "*", another code, a blank, and the same letter in upper case.
inline void SchreibeSchluesseltabellen(const QString& dir)
{
    QDir().mkpath(dir);
    TDatabaseBuilder builder(dir + "/tables.sqlite");

    builder.CreateTable(Tabelle("VDB_1",
                                {{"ID", "I"},
                                 {"GN", "I"},
                                 {"FN", "I"},
                                 {"Gattung", "A21"},
                                 {"Art", "A21"},
                                 {"Deutsch", "A60"}},
                                {"ID"}));
    Zeilen(builder, "VDB_1",
           {{1, 100, 10, "Acer", "campestre", "Feld-Ahorn"},
            {2, 100, 10, "Acer", "platanoides", "Spitz-Ahorn"},
            {3, 200, 20, "Aethusa", "cynapium", "Hundspetersilie"},
            {4, 201, 20, "Anthriscus", "sylvestris", Blank},
            {5, 300, 30, "Hedera", "helix", "Efeu"},
            {6, 400, 40, "Campanula", "patula", "Wiesen-Glockenblume"},
            {7, 401, 40, "Phyteuma", "spicatum", "Ährige Teufelskralle"}});

    builder.CreateTable(Tabelle("VDB_3",
                                {{"RelID", "+"},
                                 {"ID", "I"},
                                 {"GN", "I"},
                                 {"FN", "I"},
                                 {"SIP", "A80"},
                                 {"GR", "A30"},
                                 {"L", "A3"},
                                 {"ST", "A3"}},
                                {"RelID"}));
    Zeilen(builder, "VDB_3",
           {{1, 1, 100, 10, "Acer campestre", Blank, "h", "g"},
            {2, 2, 100, 10, "Acer platanoides", Blank, "*", "g"},
            {3, 3, 200, 20, "Aethusa cynapium", Blank, "k", "w"},
            {4, 4, 201, 20, "Anthriscus sylvestris", Blank, Blank, "w"},
            {5, 5, 300, 30, "Hedera helix", Blank, "H", "w"},
            {6, Blank, Blank, 20, "Apiaceae", "Apiac", "k", "*"}});

    builder.CreateTable(Tabelle("VDB_5",
                                {{"RelID", "+"},
                                 {"ID", "I"},
                                 {"GN", "I"},
                                 {"FN", "I"},
                                 {"Familie", "A40"},
                                 {"Sippen", "A255"},
                                 {"GR", "A30"},
                                 {"Lebensform", "A3"}},
                                {"RelID"}));
    Zeilen(builder, "VDB_5",
           {{1, Blank, Blank, 10, "Sapindaceae", "Acer", Blank, "h"},
            {2, Blank, Blank, 20, "Apiaceae", "Aethusa, Anthriscus", "Apiac", "k"},
            {3, Blank, Blank, 30, "Araliaceae", "Hedera", Blank, "h"}});

    builder.CreateTable(Tabelle("VDB_6",
                                {{"RelID", "+"},
                                 {"GN", "I"},
                                 {"GN_SN", "I"},
                                 {"Gattung", "A40"},
                                 {"D-Gattung", "A60"},
                                 {"FN", "I"},
                                 {"GR", "A30"}},
                                {"GN"}));
    Zeilen(builder, "VDB_6",
           {{1, 100, Blank, "Acer", "Ahorn", 10, Blank},
            {2, 200, Blank, "Aethusa", "Hundspetersilie", 20, Blank},
            {3, 201, Blank, "Anthriscus", "Kerbel", 20, Blank},
            {4, 202, 201, "Cerefolium", "Kerbel", 20, Blank},
            {5, 300, Blank, "Hedera", "Efeu", 30, Blank},
            {6, 400, Blank, "Campanula", "Glockenblume", 40, "Campanula"},
            {7, 401, Blank, "Phyteuma", "Teufelskralle", 40, Blank}});

    builder.CreateTable(Tabelle("VDB_16",
                                {{"RelID", "+"},
                                 {"ID", "I"},
                                 {"GN", "I"},
                                 {"FN", "I"},
                                 {"Art", "A60"},
                                 {"Lebensform", "A3"}},
                                {"RelID"}));
    Zeilen(builder, "VDB_16", {{1, 7, 401, 40, "spicatum", "p"}, {2, 6, 400, 40, "patula", "z"}});

    builder.CreateTable(Tabelle(
        "VDB_60", {{"RelID", "+"}, {"FN", "I"}, {"Familie", "A40"}, {"D-Familie", "A60"}}, {"FN"}));
    Zeilen(builder, "VDB_60",
           {{1, 10, "Sapindaceae", "Seifenbaumgewächse"},
            {2, 20, "Apiaceae", "Doldenblütler"},
            {3, 30, "Araliaceae", "Araliengewächse"}});
    builder.Finish();
}

// The catalogue as built on a data directory without KAT_Items: keys 7 to 59 have no items.
inline std::unique_ptr<TVerdan_Benutzerdatenbank> KatalogOhneItems()
{
    QTemporaryDir dir;
    return ErstelleKatalog(dir.path() + "/GLOBAL");
}

} // namespace KeyFixture
