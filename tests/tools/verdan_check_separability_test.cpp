#include "VerdanCheckFixture.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <utility>

namespace {

using namespace VerdanCheckTests;

// A data directory with one small key, 22 "Equisetum": two tickable criteria with three
// items each, and an info criterion that no user ticks. Every other table is missing, which
// verdan-check reports as faults; these tests read only the notes on VDB_22.
struct TZeile
{
    const char* Art;
    const char* Verzweigung;
    const char* Farbe;
    const char* Info = "";
};

TDaten Schluessel22(const QList<TZeile>& zeilen)
{
    TDaten daten;
    TTabelle& items = Itemtabelle(daten);
    for (const char* kriterium : {"Verzweigung", "Stengel-Farbe"}) {
        int nr = 0;
        for (const char* code : {"a", "b", "c"})
            items.Zeilen << QVariantList{22, kriterium, ++nr, code, code};
    }
    TTabelle& schluessel = NeueTabelle(daten, "VDB_22",
                                       {{"RelID", "+"},
                                        {"Art", "A80"},
                                        {"Verzweigung", "A3"},
                                        {"Stengel-Farbe", "A3"},
                                        {"Äste-Rippen", "A20"}},
                                       {"RelID"});
    const auto zelle = [](const char* text) {
        return *text ? QVariant(QString::fromUtf8(text)) : QVariant();
    };
    int relId = 0;
    for (const TZeile& z : zeilen)
        schluessel.Zeilen << QVariantList{++relId, QString::fromUtf8(z.Art), zelle(z.Verzweigung),
                                          zelle(z.Farbe), zelle(z.Info)};
    return daten;
}

QStringList NotizenZuSchluessel22(const QList<TZeile>& zeilen)
{
    return Pruefe(Schluessel22(zeilen)).Notizen("VDB_22");
}

TEST(VerdanCheckSeparability, NotesTheTaxaThatNoChoiceOfValuesTellsApart)
{
    struct Fall
    {
        const char* Was;
        QList<TZeile> Zeilen;
        QStringList Notizen;
    };
    const Fall faelle[] = {
        {"one differing code separates both ways",
         {{"Equisetum a", "a", "a"}, {"Equisetum b", "a", "b"}},
         {}},
        {"identical codings",
         {{"Equisetum a", "a", "*"}, {"Equisetum b", "a", "*"}},
         {R"(no choice of values tells apart "Equisetum a", "Equisetum b")"}},
        {"a star where the other has a code keeps the starred taxon with it",
         {{"Equisetum a", "a", "*"}, {"Equisetum b", "a", "b"}},
         {R"(every choice of values that keeps "Equisetum b" keeps "Equisetum a" too)"}},
        {"stars on different criteria let each be kept alone",
         {{"Equisetum a", "*", "a"}, {"Equisetum b", "a", "*"}},
         {}},
        {"rows of one name are one taxon, and an alternative row widens it",
         {{"Equisetum a", "a", "a"},
          {"Equisetum a", "b", "a"},
          {"Equisetum b", "a", "a"},
          {"Equisetum c", "c", "c"}},
         {R"(every choice of values that keeps "Equisetum b" keeps "Equisetum a" too)"}},
        // Each row of a can be dropped on its own, but no single tick drops all three.
        {"a taxon with every value of a criterion survives any tick of it",
         {{"Equisetum a", "a", "a"},
          {"Equisetum a", "b", "a"},
          {"Equisetum a", "c", "a"},
          {"Equisetum b", "*", "a"}},
         {R"(no choice of values tells apart "Equisetum a", "Equisetum b")"}},
        // Every item is some row's, so no single tick drops all rows of a; Verzweigung a with
        // Farbe b does.
        {"two ticks drop rows that one tick could not",
         {{"Equisetum a", "a", "a"},
          {"Equisetum a", "b", "b"},
          {"Equisetum a", "c", "c"},
          {"Equisetum b", "*", "*"}},
         {R"(every choice of values that keeps "Equisetum a" keeps "Equisetum b" too)"}},
        {"a blank cell matches no tick",
         {{"Equisetum a", "", "a"}, {"Equisetum b", "a", "a"}},
         {R"(every choice of values that keeps "Equisetum a" keeps "Equisetum b" too)"}},
        {"a code that is no item cannot be ticked",
         {{"Equisetum a", "x", "a"}, {"Equisetum b", "a", "a"}},
         {R"(every choice of values that keeps "Equisetum a" keeps "Equisetum b" too)"}},
        {"info criteria separate nothing",
         {{"Equisetum a", "a", "a", "4-6"}, {"Equisetum b", "a", "a", "8-10"}},
         {R"(no choice of values tells apart "Equisetum a", "Equisetum b")"}},
        {"taxa that each can be told from the other get a note each, in the order of the names",
         {{"Equisetum c", "*", "*"}, {"Equisetum a", "a", "a"}, {"Equisetum b", "a", "b"}},
         {R"(every choice of values that keeps "Equisetum a" keeps "Equisetum c" too)",
          R"(every choice of values that keeps "Equisetum b" keeps "Equisetum c" too)"}},
        {"three taxa alike are one note, in the order of the names",
         {{"Equisetum c", "a", "a"}, {"Equisetum a", "a", "a"}, {"Equisetum b", "a", "a"}},
         {R"(no choice of values tells apart "Equisetum a", "Equisetum b", "Equisetum c")"}},
        // b and c each keep a, and neither keeps the other.
        {"one note names every taxon that comes along",
         {{"Equisetum a", "a", "a"}, {"Equisetum b", "a", "*"}, {"Equisetum c", "*", "a"}},
         {R"(every choice of values that keeps "Equisetum a" keeps "Equisetum b", "Equisetum c" too)"}},
        // What comes along with what comes along comes along as well.
        {"a chain of ever wider codings",
         {{"Equisetum a", "a", "a"}, {"Equisetum b", "a", "*"}, {"Equisetum c", "*", "*"}},
         {R"(every choice of values that keeps "Equisetum a" keeps "Equisetum b", "Equisetum c" too)",
          R"(every choice of values that keeps "Equisetum b" keeps "Equisetum c" too)"}},
        {"two groups under one starred taxon",
         {{"Equisetum c", "*", "*"},
          {"Equisetum b2", "b", "b"},
          {"Equisetum a1", "a", "a"},
          {"Equisetum b1", "b", "b"},
          {"Equisetum a2", "a", "a"}},
         {R"(no choice of values tells apart "Equisetum a1", "Equisetum a2")",
          R"(every choice of values that keeps "Equisetum a1", "Equisetum a2" keeps "Equisetum c" too)",
          R"(no choice of values tells apart "Equisetum b1", "Equisetum b2")",
          R"(every choice of values that keeps "Equisetum b1", "Equisetum b2" keeps "Equisetum c" too)"}},
    };
    for (const Fall& fall : faelle)
        EXPECT_EQ(NotizenZuSchluessel22(fall.Zeilen), fall.Notizen) << fall.Was;
}

// Inseparable taxa are notes: they add to the notes of the summary, never to its faults, and
// a group of them adds one note however many pairs it holds.
TEST(VerdanCheckSeparability, GroupsAreCountedAsNotesNotFaults)
{
    const auto zusammenfassung = [](const QList<TZeile>& zeilen) {
        const QString out = Pruefe(Schluessel22(zeilen)).Out;
        const auto treffer =
            QRegularExpression(R"(verdan-check: (\d+) fault\(s\), (\d+) note\(s\))").match(out);
        EXPECT_TRUE(treffer.hasMatch()) << out.toStdString();
        return std::pair{treffer.captured(1).toInt(), treffer.captured(2).toInt()};
    };
    const auto getrennt = zusammenfassung({{"Equisetum a", "a", "*"}, {"Equisetum b", "b", "*"}});
    const auto gleich = zusammenfassung(
        {{"Equisetum a", "a", "*"}, {"Equisetum b", "a", "*"}, {"Equisetum c", "a", "*"}});
    EXPECT_EQ(gleich.first, getrennt.first);
    EXPECT_EQ(gleich.second, getrennt.second + 1);
}

} // namespace
