#include "VerdanCheckFixture.h"

#include <QSet>
#include <functional>
#include <gtest/gtest.h>

// The rows that lead from the basic table, the group, family and genus lists into the genus
// and family keys, held against those keys. The directory below holds only the tables these
// checks read, so the other checks of verdan-check report much about it; each case therefore
// compares its findings with those of the unbroken directory and expects exactly the new ones.

namespace {

using namespace VerdanCheckTests;

// A key table of species: RelID, ID, GN, FN, Art.
void Artenschluessel(TDaten& daten, const QString& name, std::initializer_list<QVariantList> zeilen)
{
    NeueTabelle(daten, name,
                {{"RelID", "I"}, {"ID", "I"}, {"GN", "I"}, {"FN", "I"}, {"Art", "A60"}})
        .Zeilen = zeilen;
}

// Allium (key 7), the umbellifers (9), Festuca (26) nested in the grasses (43) and Orobanche
// (39), each led to from key 3, key 4, key 5 and key 6 as it should be; Tilia stands in the
// basic table itself, Dryopteris in the fern key, Ruta nowhere.
TDaten Verzeichnis()
{
    TDaten d;
    NeueTabelle(d, "VDB_1",
                {{"ID", "I"},
                 {"GN", "I"},
                 {"FN", "I"},
                 {"Gattung", "A30"},
                 {"Art", "A30"},
                 {"Unterart", "A30"},
                 {"Lebensform", "A10"},
                 {"Blütenfarbe", "A18"}})
        .Zeilen = {{1, 100, 10, "Allium", "ursinum", Blank, "P", "we"},
                   {2, 100, 10, "Allium", "vineale", Blank, "P", "pu, we"},
                   {3, 200, 20, "Daucus", "carota", Blank, "Z", "we"},
                   {6, 201, 20, "Carum", "carvi", Blank, "Z", "we"},
                   {4, 300, 30, "Festuca", "ovina", Blank, "P", Blank},
                   {7, 302, 30, "Poa", "annua", Blank, "E, P", Blank},
                   {5, 400, 40, "Tilia", "cordata", Blank, "B", "ge"},
                   {8, 600, 60, "Orobanche", "gracilis", Blank, "P, Par", "ge"}};
    NeueTabelle(d, "VDB_6",
                {{"RelID", "I"},
                 {"GN", "I"},
                 {"Gattung", "A30"},
                 {"FN", "I"},
                 {"GR", "A25"},
                 {"GN_SN", "I"}})
        .Zeilen = {{1, 100, "Allium", 10, "Allium", Blank},
                   {2, 200, "Daucus", 20, "Apiac", Blank},
                   {3, 201, "Carum", 20, "Apiac", Blank},
                   {4, 300, "Festuca", 30, "Festuca", Blank},
                   {5, 301, "Schedonorus", 30, "Festuca", 300},
                   {6, 302, "Poa", 30, "Poac", Blank},
                   {7, 400, "Tilia", 40, Blank, Blank},
                   {8, 500, "Ruta", 50, Blank, Blank},
                   {9, 600, "Orobanche", 60, "Orobanche", Blank},
                   {10, 700, "Dryopteris", 70, "Farnpfl", Blank}};
    NeueTabelle(d, "VDB_4", {{"Gruppe", "A30"}, {"D-Gruppe", "A60"}, {"GR", "A30"}}).Zeilen = {
        {"Allium", "Lauch", "Allium"},
        {"Apiac", "Doldenblütler", "Apiac"},
        {"Festuca", "Schwingel", "Festuca"},
        {"Orobanche", "Sommerwurz", "Orobanche"},
        {"Poac", "Süßgräser", "Poac"}};
    NeueTabelle(
        d, "VDB_5",
        {{"RelID", "I"}, {"ID", "I"}, {"GN", "I"}, {"FN", "I"}, {"Familie", "A40"}, {"GR", "A30"}})
        .Zeilen = {{1, Blank, Blank, 10, "Amaryllidaceae", "Allium"},
                   {2, Blank, Blank, 20, "Apiaceae", "Apiac"},
                   {3, Blank, Blank, 30, "Poaceae", "Poac"},
                   {4, Blank, Blank, 40, "Malvaceae", Blank},
                   {5, Blank, Blank, 60, "Orobanchaceae", "Orobanche"}};
    NeueTabelle(d, "VDB_3",
                {{"RelID", "I"},
                 {"ID", "I"},
                 {"GN", "I"},
                 {"FN", "I"},
                 {"SIP", "A80"},
                 {"GR", "A30"},
                 {"L", "A3"},
                 {"SO", "A3"},
                 {"FA", "A3"}})
        .Zeilen = {{1, Blank, 100, 10, "Allium weiß", "Allium", "k", Blank, "w"},
                   {2, Blank, 100, 10, "Allium lila", "Allium", "k", Blank, "l"},
                   {3, Blank, Blank, 20, "Apiaceae", "Apiac", "k", Blank, "*"},
                   {4, Blank, Blank, 30, "Poaceae", "Poac", "k", Blank, "*"},
                   {5, 5, 400, 40, "Tilia cordata", Blank, "h", Blank, "g"},
                   {6, Blank, 600, 60, "Orobanche", "Orobanche", "k", "p", "*"}};
    Artenschluessel(d, "VDB_2", {{1, 9, 700, 70, "Dryopteris filix-mas"}});
    Artenschluessel(d, "VDB_7",
                    {{1, 1, 100, 10, "Allium ursinum"}, {2, 2, 100, 10, "Allium vineale"}});
    Artenschluessel(d, "VDB_9", {{1, 3, 200, 20, "Daucus carota"}, {2, 6, 201, 20, "Carum carvi"}});
    Artenschluessel(d, "VDB_26", {{1, 4, 300, 30, "Festuca ovina"}});
    Artenschluessel(d, "VDB_39", {{1, 8, 600, 60, "Orobanche gracilis"}});
    Artenschluessel(d, "VDB_43", {{1, 4, 300, 30, "Festuca ovina"}, {2, 7, 302, 30, "Poa annua"}});
    return d;
}

QStringList Befunde(const TDaten& daten)
{
    return Pruefe(daten).Befunde();
}

// The new faults; notes are left out, since other checks note what a changed table makes of
// the taxa (taxa that no choice of values tells apart).
QStringList Neu(const QStringList& befunde, const QStringList& vorher)
{
    QStringList neu;
    const QSet<QString> alt(vorher.begin(), vorher.end());
    for (const QString& b : befunde) {
        if (!alt.contains(b) && !b.startsWith("note: ")) neu << b;
    }
    return neu;
}

TEST(VerdanCheckReferences, TheUnbrokenDirectoryOnlyNotesTheGenusThatLeadsNowhere)
{
    const QStringList befunde = Befunde(Verzeichnis());
    const QStringList unsere{"note: VDB_6: 1 genera lead to the basic table restricted to a "
                             "genus it does not hold, an empty list: Ruta"};
    for (const QString& b : unsere)
        EXPECT_TRUE(befunde.contains(b)) << befunde.join('\n').toStdString();
    // Nothing of what these checks say about ways on.
    for (const QString& b : befunde) {
        for (const char* wort : {"leads", "lead to", "admits", "empty list", "group list"})
            EXPECT_TRUE(!b.contains(QString::fromUtf8(wort)) || unsere.contains(b))
                << b.toStdString();
    }
}

TEST(VerdanCheckReferences, EachBrokenWayOnIsNamedWithTableRowAndColumn)
{
    struct Fall
    {
        const char* Was;
        std::function<void(TDaten&)> Breche;
        QStringList Befunde;
    };
    const Fall faelle[] = {
        {"a key the group list does not offer",
         [](TDaten& d) { d["VDB_4"].Entferne("Festuca"); },
         {R"(VDB_4: no row leads to key 26 "Festuca"; the group list does not offer it)"}},
        {"a group row that leads to another key than its own",
         [](TDaten& d) { d["VDB_4"].Setze("Festuca", "GR", "Poac"); },
         {R"(VDB_4: no row leads to key 26 "Festuca"; the group list does not offer it)",
          R"(VDB_4, Gruppe "Festuca", column "GR": leads to key 43 "Poac", but the description of that key reads the row "Poac")"}},
        {"a group row that leads nowhere",
         [](TDaten& d) { d["VDB_4"].Setze("Apiac", "GR", Blank); },
         {R"(VDB_4: no row leads to key 9 "Apiac"; the group list does not offer it)",
          R"(VDB_4, Gruppe "Apiac", column "GR": empty; the row leads nowhere)"}},
        {"a nested key whose genus the key above lacks",
         [](TDaten& d) { d["VDB_43"].Entferne("Festuca ovina"); },
         {R"(VDB_26: no row of VDB_3 or VDB_5 leads to key 26 "Festuca", and no key they lead to holds Festuca (GN 300))"}},
        {"a key that neither key 3 nor key 5 leads to",
         [](TDaten& d) {
             d["VDB_3"].Entferne("Orobanche");
             d["VDB_5"].Setze("Orobanchaceae", "GR", Blank);
         },
         {R"(VDB_39: no row of VDB_3 or VDB_5 leads to key 39 "Orobanche", and no key they lead to holds Orobanche (GN 600))",
          R"(VDB_5, RelID 5, column "GR": empty, and the basic table holds no row of the family Orobanchaceae (FN 60); it opens an empty list)"}},
        {"a genus of a key that opens the basic table",
         [](TDaten& d) { d["VDB_6"].Setze("Daucus", "GR", Blank); },
         {R"(VDB_6, RelID 2, column "GR": empty, but key 9 "Apiac" holds Daucus (GN 200); the genus opens the basic table instead)"}},
        {"another name of a genus follows the genus it stands for",
         [](TDaten& d) { d["VDB_6"].Setze("Schedonorus", "GR", Blank); },
         {R"(VDB_6, RelID 5, column "GR": empty, but key 26 "Festuca", key 43 "Poac" hold Festuca (GN 300); the genus opens the basic table instead)"}},
        {"a fern genus that opens the basic table",
         [](TDaten& d) { d["VDB_6"].Setze("Dryopteris", "GR", Blank); },
         {R"(VDB_6, RelID 10, column "GR": empty, but key 2 "Farnpfl" holds Dryopteris (GN 700); the genus opens the basic table instead)"}},
        {"a genus led into a key without it",
         [](TDaten& d) { d["VDB_6"].Setze("Allium", "GR", "Apiac"); },
         {R"(VDB_6, RelID 1, column "GR": leads to key 9 "Apiac", which holds no row of Allium (GN 100); it opens an empty list)"}},
        {"another name led into a key without its genus",
         [](TDaten& d) { d["VDB_6"].Setze("Schedonorus", "GR", "Apiac"); },
         {R"(VDB_6, RelID 5, column "GR": leads to key 9 "Apiac", which holds no row of Festuca (GN 300); it opens an empty list)"}},
        {"a genus led into a list without genera",
         [](TDaten& d) { d["VDB_6"].Setze("Allium", "GR", "Gruppenliste"); },
         {R"(VDB_6, RelID 1, column "GR": leads to key 4 "Gruppenliste", which lists no genera)"}},
        {"a family without rows in the basic table",
         [](TDaten& d) {
             d["VDB_5"].Zeilen << QVariantList{6, Blank, Blank, 50, "Rutaceae", Blank};
         },
         {R"(VDB_5, RelID 6, column "GR": empty, and the basic table holds no row of the family Rutaceae (FN 50); it opens an empty list)"}},
        {"a family whose rows all lead to one key",
         [](TDaten& d) { d["VDB_5"].Setze("Amaryllidaceae", "GR", Blank); },
         {R"(VDB_5, RelID 1, column "GR": empty, but every row of the family Amaryllidaceae in the basic table leads to key 7 "Allium"; lead there)"}},
        {"a family led into a key of another family",
         [](TDaten& d) { d["VDB_5"].Setze("Malvaceae", "GR", "Apiac"); },
         {R"(VDB_5, RelID 4, column "GR": leads to key 9 "Apiac", which holds no species of the family Malvaceae (FN 40))"}},
        {"a genus row of the family key led into a key without it",
         [](TDaten& d) { d["VDB_5"].Zeilen << QVariantList{6, Blank, 100, 10, "Allium", "Apiac"}; },
         {R"(VDB_5, RelID 6, column "GR": leads to key 9 "Apiac", which holds no row of Allium (GN 100); it opens an empty list)"}},
        {"a genus number that the genus list lacks is left to the check of numbers",
         [](TDaten& d) {
             d["VDB_26"].Zeilen << QVariantList{2, 4, 999, 30, "Festuca ovina"};
             d["VDB_6"].Setze("Schedonorus", "GN_SN", 555);
         },
         {R"(VDB_6, RelID 5, column "GN_SN": genus 555 is not in VDB_6)",
          R"(VDB_26, RelID 2, column "GN": genus 999 is not in VDB_6)"}},
        {"a flower colour that no leading row admits",
         [](TDaten& d) { d["VDB_3"].Entferne("Allium lila"); },
         {R"(VDB_7, RelID 2: Allium vineale (ID 2): no row of VDB_3 that leads to key 7 "Allium" admits L "k" (P) with FA "l" (pu))"}},
        {"values admitted each, but by no row together",
         [](TDaten& d) { d["VDB_3"].Setze("Allium lila", "L", "h"); },
         {R"(VDB_7, RelID 2: Allium vineale (ID 2): no row of VDB_3 that leads to key 7 "Allium" admits L "k" (P) with FA "l" (pu))"}},
        {"a life form that no leading row admits",
         [](TDaten& d) { d["VDB_3"].Setze("Apiaceae", "L", "h"); },
         {R"(VDB_9, RelID 1: Daucus carota (ID 3): no row of VDB_3 that leads to key 9 "Apiac" admits L "k" (Z) with FA "w" (we))",
          R"(VDB_9, RelID 2: Carum carvi (ID 6): no row of VDB_3 that leads to key 9 "Apiac" admits L "k" (Z) with FA "w" (we))"}},
        {"a parasite whose leading row is not parasitic",
         [](TDaten& d) { d["VDB_3"].Setze("Orobanche", "SO", Blank); },
         {R"(VDB_39, RelID 1: Orobanche gracilis (ID 8): no row of VDB_3 that leads to key 39 "Orobanche" admits L "k" (P) with FA "g" (ge) with SO "p" (Par))"}},
        {"a climber among the species of a key",
         [](TDaten& d) {
             d["VDB_1"].Setze("vineale", "Lebensform", "P, L");
             d["VDB_1"].Setze("vineale", "Blütenfarbe", "we");
         },
         {R"(VDB_7, RelID 2: Allium vineale (ID 2): no row of VDB_3 that leads to key 7 "Allium" admits L "k" (P) with FA "w" (we) with SO "k" (L))"}},
    };
    const QStringList vorher = Befunde(Verzeichnis());
    for (const Fall& fall : faelle) {
        TDaten daten = Verzeichnis();
        fall.Breche(daten);
        const QStringList neu = Neu(Befunde(daten), vorher);
        EXPECT_EQ(neu.join('\n').toStdString(), fall.Befunde.join('\n').toStdString()) << fall.Was;
    }
}

// "*" admits every value; a woody climber alone (Ellenberg's "Pli") and a dwarf shrub that
// is also counted among the chamaephytes ("N,C", "S, P") are woody.
TEST(VerdanCheckReferences, AStarAWoodyClimberAndADwarfShrubAreAdmitted)
{
    TDaten daten = Verzeichnis();
    daten["VDB_3"].Setze("Allium weiß", "FA", "*");
    daten["VDB_3"].Entferne("Allium lila");
    daten["VDB_1"].Setze("ursinum", "Lebensform", "L");
    daten["VDB_1"].Setze("vineale", "Lebensform", "S, P");
    daten["VDB_3"].Zeilen << QVariantList{7,        Blank, 100, 10, "Allium holzig",
                                          "Allium", "h",   "k", "*"};
    EXPECT_EQ(Neu(Befunde(daten), Befunde(Verzeichnis())).join('\n').toStdString(), "");
}

} // namespace
