#include "platform/DatabaseBuilder.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>

namespace {

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

void SchreibeSchluessel(const QString& verzeichnis, const QList<TZeile>& zeilen)
{
    TDatabaseBuilder builder(verzeichnis + "/tables.sqlite");
    const auto spalte = [](const char* name, const char* typ) {
        TColumnDef def;
        def.Name = QString::fromUtf8(name);
        EXPECT_TRUE(ParseParadoxType(QString::fromUtf8(typ), def));
        return def;
    };
    TTableDef items{"KAT_Items",
                    {spalte("Schluessel", "I"), spalte("Spalte", "A40"), spalte("Nr", "I"),
                     spalte("Code", "A3"), spalte("Text", "A120")},
                    {"Schluessel", "Spalte", "Nr"},
                    {}};
    builder.CreateTable(items);
    for (const char* kriterium : {"Verzweigung", "Stengel-Farbe"}) {
        int nr = 0;
        for (const char* code : {"a", "b", "c"})
            builder.AddRow("KAT_Items", {22, kriterium, ++nr, code, code});
    }
    TTableDef schluessel{"VDB_22",
                         {spalte("RelID", "+"), spalte("Art", "A80"), spalte("Verzweigung", "A3"),
                          spalte("Stengel-Farbe", "A3"), spalte("Äste-Rippen", "A20")},
                         {"RelID"},
                         {}};
    builder.CreateTable(schluessel);
    int relId = 0;
    for (const TZeile& z : zeilen) {
        const auto zelle = [](const char* text) {
            return *text ? QVariant(QString::fromUtf8(text)) : QVariant();
        };
        builder.AddRow("VDB_22", {++relId, QString::fromUtf8(z.Art), zelle(z.Verzweigung),
                                  zelle(z.Farbe), zelle(z.Info)});
    }
    builder.Finish();
}

QStringList NotizenZuSchluessel22(const QList<TZeile>& zeilen)
{
    QTemporaryDir temp;
    SchreibeSchluessel(temp.path(), zeilen);
    QProcess prozess;
    prozess.start(VERDAN_BINARY_DIR "/bin/verdan-check", {temp.path()});
    EXPECT_TRUE(prozess.waitForFinished(60000));
    const QString out = QString::fromUtf8(prozess.readAllStandardOutput());
    QStringList notizen;
    for (const QString& zeile : out.split('\n')) {
        if (zeile.startsWith("note: VDB_22: ")) notizen << zeile.mid(14);
    }
    return notizen;
}

TEST(VerdanCheckSeparability, NotesThePairsThatNoChoiceOfValuesTellsApart)
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
         {R"(no choice of values tells "Equisetum a" and "Equisetum b" apart)"}},
        {"a star where the other has a code keeps the starred taxon with it",
         {{"Equisetum a", "a", "*"}, {"Equisetum b", "a", "b"}},
         {R"(no choice of values keeps "Equisetum b" without "Equisetum a")"}},
        {"stars on different criteria let each be kept alone",
         {{"Equisetum a", "*", "a"}, {"Equisetum b", "a", "*"}},
         {}},
        {"rows of one name are one taxon, and an alternative row widens it",
         {{"Equisetum a", "a", "a"},
          {"Equisetum a", "b", "a"},
          {"Equisetum b", "a", "a"},
          {"Equisetum c", "c", "c"}},
         {R"(no choice of values keeps "Equisetum b" without "Equisetum a")"}},
        // Each row of a can be dropped on its own, but no single tick drops all three.
        {"a taxon with every value of a criterion survives any tick of it",
         {{"Equisetum a", "a", "a"},
          {"Equisetum a", "b", "a"},
          {"Equisetum a", "c", "a"},
          {"Equisetum b", "*", "a"}},
         {R"(no choice of values tells "Equisetum a" and "Equisetum b" apart)"}},
        // Every item is some row's, so no single tick drops all rows of a; Verzweigung a with
        // Farbe b does.
        {"two ticks drop rows that one tick could not",
         {{"Equisetum a", "a", "a"},
          {"Equisetum a", "b", "b"},
          {"Equisetum a", "c", "c"},
          {"Equisetum b", "*", "*"}},
         {R"(no choice of values keeps "Equisetum a" without "Equisetum b")"}},
        {"a blank cell matches no tick",
         {{"Equisetum a", "", "a"}, {"Equisetum b", "a", "a"}},
         {R"(no choice of values keeps "Equisetum a" without "Equisetum b")"}},
        {"a code that is no item cannot be ticked",
         {{"Equisetum a", "x", "a"}, {"Equisetum b", "a", "a"}},
         {R"(no choice of values keeps "Equisetum a" without "Equisetum b")"}},
        {"info criteria separate nothing",
         {{"Equisetum a", "a", "a", "4-6"}, {"Equisetum b", "a", "a", "8-10"}},
         {R"(no choice of values tells "Equisetum a" and "Equisetum b" apart)"}},
        {"one note per pair, in the order of the names",
         {{"Equisetum c", "*", "*"}, {"Equisetum a", "a", "a"}, {"Equisetum b", "a", "b"}},
         {R"(no choice of values keeps "Equisetum a" without "Equisetum c")",
          R"(no choice of values keeps "Equisetum b" without "Equisetum c")"}},
    };
    for (const Fall& fall : faelle)
        EXPECT_EQ(NotizenZuSchluessel22(fall.Zeilen), fall.Notizen) << fall.Was;
}

// Inseparable taxa are notes: they add to the notes of the summary, never to its faults.
TEST(VerdanCheckSeparability, PairsAreCountedAsNotesNotFaults)
{
    const auto zusammenfassung = [](const QList<TZeile>& zeilen) {
        QTemporaryDir temp;
        SchreibeSchluessel(temp.path(), zeilen);
        QProcess prozess;
        prozess.start(VERDAN_BINARY_DIR "/bin/verdan-check", {temp.path()});
        EXPECT_TRUE(prozess.waitForFinished(60000));
        const QString out = QString::fromUtf8(prozess.readAllStandardOutput());
        const auto treffer =
            QRegularExpression(R"(verdan-check: (\d+) fault\(s\), (\d+) note\(s\))").match(out);
        EXPECT_TRUE(treffer.hasMatch()) << out.toStdString();
        return std::pair{treffer.captured(1).toInt(), treffer.captured(2).toInt()};
    };
    const auto getrennt = zusammenfassung({{"Equisetum a", "a", "*"}, {"Equisetum b", "b", "*"}});
    const auto gleich = zusammenfassung({{"Equisetum a", "a", "*"}, {"Equisetum b", "a", "*"}});
    EXPECT_EQ(gleich.first, getrennt.first);
    EXPECT_EQ(gleich.second, getrennt.second + 1);
}

} // namespace
