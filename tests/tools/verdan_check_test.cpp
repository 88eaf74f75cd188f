#include "VerdanCheckFixture.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "key/Verdan_Definition.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace VerdanCheckTests;

// A key table with the columns its key reads and one row that holds, per criterion, the
// first item's code (or "*" for a criterion without items).
void Schluesseltabelle(TDaten& daten, TVerdan_KriterienGruppe& gruppe)
{
    TTabelle& tabelle =
        NeueTabelle(daten, gruppe.GetTabellenName(),
                    {{"RelID", "+"}, {"ID", "I"}, {"GN", "I"}, {"FN", "I"}}, {"RelID"});
    tabelle.AddSpalte(gruppe.SpalteBezeichnung, "A80");
    if (!gruppe.SpalteGruppe.isEmpty()) tabelle.AddSpalte(gruppe.SpalteGruppe, "A30");
    if (!gruppe.SpalteSippen.isEmpty()) tabelle.AddSpalte(gruppe.SpalteSippen, "A40");
    tabelle.AddSpalte("Bestimmung", "M");
    if (gruppe.Nummer == 4) {
        tabelle.AddSpalte("D-Gruppe", "A60");
        tabelle.AddSpalte("Bemerkung", "A80");
        tabelle.Def.PrimaryKey = {"Gruppe"};
        tabelle.Def.Indexes = {{"VDB_4_RelID_IX", {"RelID"}}};
    }
    for (TKR_DatenBankFeld* feld : gruppe)
        tabelle.AddSpalte(feld->Code, "A10");
    tabelle.Zeilen << QVariantList(tabelle.Def.Columns.size());
    const bool familienzeile = gruppe.Nummer == 5; // family rows carry no ID and no GN
    tabelle.Setze(0, "ID", familienzeile ? Blank : QVariant(1));
    tabelle.Setze(0, "GN", familienzeile ? Blank : QVariant(100));
    tabelle.Setze(0, "FN", 10);
    tabelle.Setze(0, gruppe.SpalteBezeichnung,
                  gruppe.Nummer == 4 ? QStringLiteral("Apiac") : QStringLiteral("Acer campestre"));
    for (TKR_DatenBankFeld* basis : gruppe) {
        auto* feld = dynamic_cast<TVerdan_DatenBankFeld*>(basis);
        tabelle.Setze(0, feld->Code,
                      feld->NurInfo             ? QVariant("2-4")
                      : feld->Items.Count() > 0 ? QVariant(feld->Items.GetItem(1)->Code)
                                                : QVariant("*"));
    }
}

// A data directory that agrees with the catalogue in every respect verdan-check holds it to.
TDaten SaubereDaten()
{
    TDaten daten;
    auto katalog = ErstelleKatalog(QDir::tempPath() + "/verdan-check-kein-verzeichnis");

    TTabelle& items = Itemtabelle(daten);
    for (int n = 7; n <= 59; ++n) {
        for (TKR_DatenBankFeld* basis : *katalog->GruppeNr(n)) {
            auto* feld = dynamic_cast<TVerdan_DatenBankFeld*>(basis);
            if (feld->NurInfo) continue;
            items.Zeilen << QVariantList{n, feld->Code, 1, "a", "A"}
                         << QVariantList{n, feld->Code, 2, "b", "B"};
            feld->Items.AddItem("a", "A", 0);
        }
    }

    TTabelle& arten = NeueTabelle(
        daten, "VDB_1",
        {{"ID", "I"},
         {"FN", "I"},
         {"GN", "I"},
         {"Markierung", "A2"},
         {"Unterarten", "A1"},
         {"Pflanzenbestimmung", "A1"},
         {"Familie", "A5"},
         {"Gattung", "A21"},
         {"Art", "A21"},
         {"Autor", "A45"},
         {"Unterart", "A25"},
         {"Autor1", "A45"},
         {"Text", "M"},
         {"Memotext", "A1"},
         {"AT_Familie", "A50"},
         {"AT_Beschreibung", "M"},
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
         {"Wisskirchen", "A5"},
         {"Haeupler", "A6"},
         {"AT_DFamilie", "A50"},
         {"RelID", "I"}},
        {"ID"}, {{"IX_ArtSuche", {"Gattung", "Art", "Unterart"}}, {"VDB_1_RelID_IX", {"RelID"}}});
    arten.Zeilen << QVariantList(arten.Def.Columns.size());
    arten.Setze(0, "ID", 1);
    arten.Setze(0, "FN", 10);
    arten.Setze(0, "GN", 100);
    arten.Setze(0, "Gattung", "Acer");
    arten.Setze(0, "Art", "campestre");
    arten.Setze(0, "Lebensform", "B, S");
    arten.Setze(0, "Bundesländer", "BW,BY");
    arten.Setze(0, "D-Status", "w");
    arten.Setze(0, "RelID", 1);

    TTabelle& gattungen = NeueTabelle(
        daten, "VDB_6",
        {{"GN", "I"},
         {"Gattung", "A30"},
         {"D-Gattung", "A60"},
         {"FN", "I"},
         {"GR", "A25"},
         {"GN_SN", "I"},
         {"RelID", "I"}},
        {"GN"},
        {{"Gattungsliste_GN_SN_IX", {"GN", "GN_SN"}}, {"Gattungsliste_RelID_IX", {"RelID"}}});
    gattungen.Zeilen << QVariantList{100, "Acer", "Ahorn", 10, "Apiac", Blank, 1}
                     << QVariantList{101, "Negundo", "Eschen-Ahorn", 10, "Apiac", 100, 2};

    TTabelle& familien = NeueTabelle(daten, "VDB_60",
                                     {{"FN", "I"},
                                      {"Familie", "A30"},
                                      {"D-Familie", "A60"},
                                      {"Synonym", "A100"},
                                      {"GR", "A25"},
                                      {"ID", "I"},
                                      {"RelID", "I"}},
                                     {"FN"}, {{"Familienliste_FN_IX", {"FN"}}});
    familien.Zeilen << QVariantList{
        10, "Sapindaceae", "Seifenbaumgewächse", "Aceraceae", Blank, Blank, 1};

    // The glossary's numbered criteria are no columns of its table.
    TTabelle& glossar = NeueTabelle(daten, "VDB_61",
                                    {{"Fachausdruck", "A40"},
                                     {"ID", "+"},
                                     {"Code-Nummer", "A10"},
                                     {"Themengruppe", "I"},
                                     {"Text", "M"}},
                                    {"ID"}, {{"IX_GlossarFachausdruck", {"Fachausdruck"}}});
    glossar.Zeilen << QVariantList{"Ähre", Blank, "3x10x1", 1, "Blütenstand"};

    for (TVerdan_KriterienGruppe* gruppe : *katalog) {
        if (!daten.contains(gruppe->GetTabellenName())) Schluesseltabelle(daten, *gruppe);
    }
    // The group list offers every genus and family key under the key's own name.
    TTabelle& gruppen = daten["VDB_4"];
    for (int n = 7; n <= 59; ++n) {
        const QString name = katalog->GruppeNr(n)->Name;
        if (n == 9) {
            gruppen.Setze(0, "GR", name); // the first row is Apiac's
            continue;
        }
        QVariantList zeile(gruppen.Def.Columns.size());
        zeile[gruppen.Spalte("Gruppe")] = name;
        zeile[gruppen.Spalte("GR")] = name;
        gruppen.Zeilen << zeile;
    }
    return daten;
}

class VerdanCheckTest : public ::testing::Test
{
protected:
    QString Dir() const { return m_temp.path() + "/GLOBAL"; }
    QTemporaryDir m_temp;
};

TEST_F(VerdanCheckTest, ACleanDirectoryPassesWithNotesForTheMissingPictures)
{
    const TLauf lauf = Pruefe(SaubereDaten());
    EXPECT_EQ(lauf.ExitCode, 0) << lauf.Out.toStdString();
    EXPECT_EQ(lauf.Out.toStdString(),
              "note: KRS_Rix: missing; the criteria are shown without drawings\n"
              "note: KRS_R2i: missing; the criteria are shown without drawings\n"
              "note: KRS_R3i: missing; the criteria are shown without drawings\n"
              "verdan-check: no faults, 3 note(s) in DIR (61 keys, 114 rows read)\n");

    TDaten mitBildern = SaubereDaten();
    Bildtabellen(mitBildern);
    const TLauf bilder = Pruefe(mitBildern);
    EXPECT_EQ(bilder.ExitCode, 0) << bilder.Out.toStdString();
    EXPECT_TRUE(bilder.Out.startsWith("verdan-check: no faults, 0 note(s)"))
        << bilder.Out.toStdString();
}

TEST_F(VerdanCheckTest, EachFaultIsOneLineWithTableRowAndColumn)
{
    struct Fall
    {
        const char* Was;
        std::function<void(TDaten&)> Breche;
        QString Befund;
    };
    const Fall faelle[] = {
        {"missing key table", [](TDaten& d) { d.erase("VDB_9"); },
         R"(VDB_9: missing; key 9 "Apiac" reads it)"},
        {"missing criterion column", [](TDaten& d) { d["VDB_3"].EntferneSpalte("BLS"); },
         R"(VDB_3, column "BLS": missing; needed by criterion 10 "Blütenstand" of key 3)"},
        {"unknown code", [](TDaten& d) { d["VDB_3"].Setze(0, "BLS", "Xx"); },
         R"(VDB_3, RelID 1, column "BLS": code "Xx" is not an item of criterion 10 "Blütenstand" of key 3)"},
        {"codes differ in case", [](TDaten& d) { d["VDB_3"].Setze(0, "L", "H"); },
         R"(VDB_3, RelID 1, column "L": code "H" is not an item of criterion 1 "Lebensform" of key 3)"},
        {"code from KAT_Items", [](TDaten& d) { d["VDB_9"].Setze(0, "B-Form", "c"); },
         R"(VDB_9, RelID 1, column "B-Form": code "c" is not an item of criterion 3 "Blattform" of key 9)"},
        {"one code of a list", [](TDaten& d) { d["VDB_1"].Setze(0, "Lebensform", "B, Q"); },
         R"(VDB_1, RelID 1, column "Lebensform": code "Q" (in "B, Q") is not an item of criterion 1 "Lebensform" of key 1)"},
        {"next key", [](TDaten& d) { d["VDB_3"].Setze(0, "GR", "Apiaceae"); },
         R"(VDB_3, RelID 1, column "GR": "Apiaceae" names no key)"},
        {"genus", [](TDaten& d) { d["VDB_7"].Setze(0, "GN", 999); },
         R"(VDB_7, RelID 1, column "GN": genus 999 is not in VDB_6)"},
        {"genus to follow", [](TDaten& d) { d["VDB_6"].Setze(1, "GN_SN", 555); },
         R"(VDB_6, RelID 2, column "GN_SN": genus 555 is not in VDB_6)"},
        {"family", [](TDaten& d) { d["VDB_1"].Setze(0, "FN", 77); },
         R"(VDB_1, RelID 1, column "FN": family 77 is not in VDB_60)"},
        {"taxon", [](TDaten& d) { d["VDB_7"].Setze(0, "ID", 5); },
         R"(VDB_7, RelID 1, column "ID": taxon 5 is not in VDB_1)"},
        {"row of a table without RelID",
         [](TDaten& d) {
             d["VDB_4"].EntferneSpalte("RelID");
             d["VDB_4"].EntferneIndex("VDB_4_RelID_IX");
             d["VDB_4"].Zeilen << QVariantList(d["VDB_4"].Def.Columns.size());
             d["VDB_4"].Setze(53, "Gruppe", "Apiaceae");
             d["VDB_4"].Setze(53, "GR", "Apiaceae");
         },
         R"(VDB_4, Gruppe "Apiaceae", column "GR": "Apiaceae" names no key)"},
        {"duplicate RelID", [](TDaten& d) { d["VDB_6"].Setze(1, "RelID", 1); },
         "VDB_6, RelID 1: RelID 1 also numbers row 1; the aids find only one of them"},
        {"column of the species list", [](TDaten& d) { d["VDB_1"].EntferneSpalte("Höhe 2"); },
         R"(VDB_1, column "Höhe 2": missing; needed by the species list)"},
        {"memo column", [](TDaten& d) { d["VDB_1"].SetzeTyp("AT_Beschreibung", "A50"); },
         R"(VDB_1, column "AT_Beschreibung": is not memo (M); needed by the descriptions)"},
        {"search index", [](TDaten& d) { d["VDB_1"].EntferneIndex("IX_ArtSuche"); },
         R"(VDB_1, index "IX_ArtSuche": missing; needed by the species list)"},
        {"genus synonym index",
         [](TDaten& d) {
             d["VDB_6"].EntferneIndex("Gattungsliste_GN_SN_IX");
             d["VDB_6"].Def.Indexes << TIndexDef{"Gattungsliste_GN_SN_IX", {"GN_SN", "GN"}};
         },
         R"(VDB_6, index "Gattungsliste_GN_SN_IX": begins with "GN_SN", not "GN"; needed by the descriptions)"},
        {"family index", [](TDaten& d) { d["VDB_60"].EntferneIndex("Familienliste_FN_IX"); },
         R"(VDB_60, index "Familienliste_FN_IX": missing; needed by the descriptions)"},
        {"glossary", [](TDaten& d) { d["VDB_61"].EntferneSpalte("Code-Nummer"); },
         R"(VDB_61, column "Code-Nummer": missing; needed by the glossary)"},
        {"group list", [](TDaten& d) { d["VDB_4"].EntferneSpalte("D-Gruppe"); },
         R"(VDB_4, column "D-Gruppe": missing; needed by the key's queries)"},
        {"index of the aids",
         [](TDaten& d) {
             d["VDB_3"].Def.PrimaryKey = QStringList{"ID", "RelID"};
         },
         R"(VDB_3: no index begins with "RelID"; needed by the identification aids)"},
        {"aid text that is no memo", [](TDaten& d) { d["VDB_2"].SetzeTyp("Bestimmung", "A80"); },
         R"(VDB_2, column "Bestimmung": is not a memo (M); the identification aids pass it over)"},
        {"item row for an unknown column",
         [](TDaten& d) {
             d["KAT_Items"].Zeilen << QVariantList{9, "B-Forn", 1, "a", "A"};
         },
         R"(KAT_Items, Zeile Schluessel 9, Spalte "B-Forn", Nr 1: Schlüssel 9 ("Apiac") hat kein Kriterium mit der Spalte "B-Forn".)"},
        {"picture index without its index",
         [](TDaten& d) {
             Bildtabellen(d);
             d["KRS_Rix"].Def.PrimaryKey.clear();
         },
         R"(KRS_Rix: no index begins with "DB", "Grp", "Krit", "Item"; needed by the illustrations)"},
    };
    for (const Fall& fall : faelle) {
        TDaten daten = SaubereDaten();
        fall.Breche(daten);
        const TLauf lauf = Pruefe(daten);
        EXPECT_EQ(lauf.ExitCode, 1) << fall.Was;
        EXPECT_TRUE(lauf.Out.split('\n').contains(fall.Befund)) << fall.Was << "\n"
                                                                << lauf.Out.toStdString();
        EXPECT_TRUE(lauf.Out.contains("verdan-check: 1 fault(s)")) << fall.Was << "\n"
                                                                   << lauf.Out.toStdString();
    }
}

TEST_F(VerdanCheckTest, ADirectoryWithoutDatabaseAndAWrongCommandLineFail)
{
    const TLauf leer = VerdanCheck({Dir()});
    EXPECT_EQ(leer.ExitCode, 1);
    EXPECT_TRUE(leer.Out.startsWith(Dir() + ": ")) << leer.Out.toStdString();
    EXPECT_TRUE(leer.Out.contains("verdan-check: 1 fault(s)")) << leer.Out.toStdString();

    const TLauf ohne = VerdanCheck({});
    EXPECT_EQ(ohne.ExitCode, 2);
    EXPECT_TRUE(ohne.Err.startsWith("usage: verdan-check DIRECTORY")) << ohne.Err.toStdString();
}

// The data directory that the build compiles from data/ agrees with the catalogue.
TEST_F(VerdanCheckTest, TheShippedDataDirectoryHasNoFaults)
{
    const TLauf lauf = VerdanCheck({VERDAN_DATA_DIR});
    EXPECT_EQ(lauf.ExitCode, 0) << lauf.Out.toStdString();
}

} // namespace
