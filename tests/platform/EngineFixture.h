#pragma once

// A small key database for the engine tests, written through TDatabaseBuilder: the species
// table, a key table, the group, family and genus lists, the glossary and the flat
// illustration index, with just the rows the tests need.

#include "platform/DatabaseBuilder.h"
#include "support/TestTabellen.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace EngineFixture {

using namespace TestTabellen;

// Writes the key database into directory dir (tables.sqlite).
inline void BuildKeyDatabase(const QString& dir)
{
    QDir().mkpath(dir);
    TDatabaseBuilder builder(dir + "/tables.sqlite");

    // Species: primary ID, the search index on genus and species epithet.
    builder.CreateTable(Tabelle("VDB_1",
                                {{"ID", "I"},
                                 {"FN", "I"},
                                 {"GN", "I"},
                                 {"Gattung", "A21"},
                                 {"Art", "A21"},
                                 {"Unterart", "A25"},
                                 {"Autor", "A45"},
                                 {"Deutsch", "A60"},
                                 {"Lebensform", "A10"},
                                 {"Blütezeit 1", "A3"},
                                 {"Text", "M"},
                                 {"RelID", "I"}},
                                {"ID"}, {{"IX_ArtSuche", {"Gattung", "Art"}}}));
    Zeilen(
        builder, "VDB_1",
        {
            {1, 10, 100, "Acer", "campestre", Blank, "L.", "Feld-Ahorn", "P", "4", "Baum.", 1},
            {2, 10, 100, "Acer", "platanoides", Blank, "L.", "Spitz-Ahorn", "P", "4", Blank, 2},
            {3, 20, 200, "Äthusa", "cynapium", Blank, "L.", "Hundspetersilie", "T", "6", Blank, 3},
            {4, 20, 201, "Anthriscus", "sylvestris", Blank, Blank, Blank, "H", "5", Blank, 4},
            {5, 30, 300, "ajuga", "reptans", Blank, "L.", "Kriechender Günsel", "H", "5", Blank, 5},
            {6, 30, 301, "Zea", "mays", Blank, "L.", "Mais", "T", "7", Blank, 6},
        });

    // A key table: criterion columns hold codes, "*" for any value; "h" is not "H".
    builder.CreateTable(Tabelle("VDB_3",
                                {{"RelID", "+"},
                                 {"ID", "I"},
                                 {"GN", "I"},
                                 {"FN", "I"},
                                 {"SIP", "A80"},
                                 {"GR", "A30"},
                                 {"L", "A3"},
                                 {"BF", "A3"},
                                 {"Bestimmung", "M"}},
                                {"RelID"}));
    Zeilen(builder, "VDB_3",
           {
               {Blank, 1, 100, 10, "Acer campestre", Blank, "h", "1", "Blätter gelappt"},
               {Blank, 2, 100, 10, "Acer platanoides", Blank, "*", "0", Blank},
               {Blank, 3, 200, 20, "Aethusa cynapium", Blank, "H", "1", Blank},
               {Blank, 4, 201, 20, "Anthriscus sylvestris", "Doldenblütler", "k", "*", Blank},
               {Blank, 5, 300, 30, "Ajuga reptans", Blank, "k", "0", Blank},
           });

    // Group list, keyed by the group key's name.
    builder.CreateTable(Tabelle(
        "VDB_4", {{"Gruppe", "A30"}, {"D-Gruppe", "A60"}, {"Bemerkung", "A80"}}, {"Gruppe"}));
    Zeilen(builder, "VDB_4",
           {{"Doldenblütler", "Doldengewächse", Blank},
            {"Grundtabelle", Blank, "Alle Blütenpflanzen"}});

    // Family key.
    builder.CreateTable(Tabelle(
        "VDB_5", {{"FN", "I"}, {"Familie", "A30"}, {"Sippen", "A20"}, {"GR", "A30"}, {"BS", "A3"}},
        {"FN"}));
    Zeilen(builder, "VDB_5",
           {{10, "Aceraceae", "2 Arten", Blank, "a"},
            {20, "Apiaceae", "viele", "Doldenblütler", "*"},
            {30, "Lamiaceae", Blank, Blank, "b"}});

    // Genus list: several names may share one GN; GN_SN points at the genus to follow.
    builder.CreateTable(Tabelle(
        "VDB_6",
        {{"GN", "I"}, {"GN_SN", "I"}, {"Gattung", "A21"}, {"D-Gattung", "A60"}, {"FN", "I"}},
        {"GN", "Gattung"}, {{"Gattungsliste_GN_SN_IX", {"GN", "GN_SN"}}}));
    Zeilen(builder, "VDB_6",
           {{100, Blank, "Acer", "Ahorn", 10},
            {200, Blank, "Aethusa", "Hundspetersilie", 20},
            {201, Blank, "Anthriscus", "Kerbel", 20},
            {201, 200, "Chaerophyllum", "Kälberkropf", 20},
            {300, Blank, "Ajuga", Blank, 30}});

    builder.CreateTable(Tabelle(
        "VDB_60", {{"FN", "I"}, {"Familie", "A30"}, {"D-Familie", "A60"}, {"Synonym", "A70"}}, {},
        {{"Familienliste_FN_IX", {"FN"}}}));
    Zeilen(builder, "VDB_60",
           {{10, "Aceraceae", "Ahorngewächse", Blank},
            {20, "Apiaceae", "Doldengewächse", "Umbelliferae"},
            {30, "Lamiaceae", Blank, "Labiatae"}});

    builder.CreateTable(Tabelle("VDB_61",
                                {{"Fachausdruck", "A40"},
                                 {"ID", "+"},
                                 {"Code-Nummer", "A10"},
                                 {"Themengruppe", "I"},
                                 {"Text", "M"}},
                                {"ID"}, {{"IX_GlossarFachausdruck", {"Fachausdruck"}}}));
    Zeilen(builder, "VDB_61",
           {{"Ähre", Blank, "3x10x1", 1, "Blütenstand"},
            {"achselständig", Blank, "0x0x0", 1, "in der Blattachsel"},
            {"Blatt", Blank, Blank, 2, Blank},
            {"Zwiebel", Blank, "3x2x1", 2, "Speicherorgan"},
            {"Dolde", Blank, "3x10x4", 1, Blank}});

    for (const TTableDef& tabelle : Bildindex())
        builder.CreateTable(tabelle);
    Zeilen(builder, "KRS_Rix",
           {{1, 3, 10, 0, 1, 3, 30, 0, true},
            {1, 3, 10, 2, 1, 3, 30, 302, true},
            {1, 3, 10, 1, 1, 3, 30, 301, true},
            {1, 3, 10, 3, 1, 3, 30, 303, false},
            {1, 3, 11, 1, 1, 3, 31, 311, false},
            {2, 3, 10, 1, 2, 9, 90, 901, true}});

    Zeilen(
        builder, "KRS_R3i",
        {{301, 2, QByteArray("\x89PNG small", 10)}, {301, 1, QByteArray("\x89PNG large\0x", 12)}});
    builder.Finish();
}

// A test whose fixture builds the key database once into a temporary directory.
class KeyDatabaseTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        BuildKeyDatabase(s_dir->path() + "/GLOBAL");
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static QString Dir() { return s_dir->path() + "/GLOBAL"; }

    static inline QTemporaryDir* s_dir = nullptr;
};

} // namespace EngineFixture
