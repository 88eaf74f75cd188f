#include "data/Verdan_Benutzerdatenbank.h"
#include "foundation/KR_Exception.h"
#include "key/Aw_FlagOut.h"
#include "key/KeyFixture.h"
#include "key/Verdan_Kriteriengruppe.h"

#include <gtest/gtest.h>

namespace {

QStringList Zeilen(const TKR_Textus& text)
{
    QStringList zeilen;
    text.ToStrings(zeilen);
    return zeilen;
}

// A key outside any catalogue with one criterion h=holzig, k=krautig.
struct LebensformSchluessel
{
    LebensformSchluessel()
    {
        feld = schluessel.AddFeld("Lebensform", "L");
        feld->Items.AddItem("h", "holzig", 0);
        feld->Items.AddItem("k", "krautig", 0);
    }
    TVerdan_KriterienGruppe schluessel{3, "Blütenpflanzen", 1, "Grundtabelle"};
    TVerdan_DatenBankFeld* feld = nullptr;
};

} // namespace

TEST(TVerdan_KriterienGruppe, AddVerdanFeldTakesOnlyTheCriterionKind)
{
    LebensformSchluessel k;
    try {
        k.schluessel.AddVerdanFeld("Farbe", "FA", 21);
        FAIL() << "no exception";
    } catch (const EKR_Exception& e) {
        EXPECT_EQ(e.Message(), "TVerdan_KriterienGruppe.AddVerdanFeld: Feldtyp nicht festgelegt");
    }
    EXPECT_EQ(k.schluessel.Count(), 1);

    TVerdan_DatenBankFeld* info = k.schluessel.AddInfoFeld("Blattbreite", "B-Breite");
    EXPECT_EQ(k.schluessel.AktuellesFeld(), info);
    EXPECT_EQ(info->Nummer, 2);
    EXPECT_EQ(info->Typ, 22);
    EXPECT_TRUE(info->NurInfo);
    EXPECT_EQ(info->Schluessel(), &k.schluessel);
    EXPECT_EQ(info->GetGruppenNummer(), 3);
    EXPECT_EQ(info->GetFeldNummer(), 2);
    EXPECT_EQ(k.schluessel.GetFeld(1), k.feld);
    EXPECT_EQ(k.schluessel.GetFeld(0), nullptr);
    EXPECT_EQ(k.schluessel.GetFeld(3), nullptr);
}

TEST(TVerdan_KriterienGruppe, AddNummernFeldIsNamedByTheFieldsBeforeIt)
{
    LebensformSchluessel k;
    k.schluessel.AddFeld("Blattform", "BF");
    TVerdan_DatenBankFeld* feld = k.schluessel.AddNummernFeld(3);
    EXPECT_EQ(feld->Titel, "2");
    EXPECT_EQ(feld->Code, "2");
    ASSERT_EQ(feld->GetItemAnzahl(), 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(feld->Items.GetItem(i)->Code, QString::number(i));
        EXPECT_EQ(feld->GetItemText(i), QString::number(i));
    }
    EXPECT_EQ(k.schluessel.AddNummernFeld(0)->GetItemAnzahl(), 0);
}

TEST(TVerdan_DatenBankFeld, ItemsAreFoundByExactCode)
{
    LebensformSchluessel k;
    const TVerdan_DatenbankItemListe& items = k.feld->Items;
    EXPECT_EQ(items.IndexOfCode("k"), 2);
    EXPECT_EQ(items.IndexOfCode("H"), 0);
    EXPECT_EQ(items.TextZuCode("h"), "holzig");
    EXPECT_EQ(items.TextZuCode("H"), "");
    EXPECT_EQ(TVerdan_DatenbankItemListe().IndexOfCode("h"), 0);
    EXPECT_EQ(k.feld->GetItemText(3), "");
    EXPECT_EQ(k.feld->Items.GetItem(0), nullptr);
    EXPECT_EQ(k.feld->Items.GetItem(3), nullptr);

    const struct
    {
        QString codes;
        QString want;
    } cases[] = {
        {"h, k", "holzig, krautig"},
        {"k,x,  h ", "krautig, holzig"},
        {"x", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(k.feld->CodesAlsText(c.codes), c.want) << c.codes.toStdString();
}

TEST(TVerdan_KriterienGruppe, TableNamesComeFromTheCatalogue)
{
    auto katalog = KeyFixture::KatalogOhneItems();
    TVerdan_KriterienGruppe* grundtabelle = katalog->GruppeNr(3);
    EXPECT_EQ(grundtabelle->GetTabellenName(), "VDB_3");
    EXPECT_EQ(grundtabelle->TabellenNameZuNummer(60), "VDB_60");
    EXPECT_EQ(grundtabelle->TabellenNameZuNummer(62), "");
    EXPECT_EQ(grundtabelle->GruppeZuNummer(0), nullptr);

    LebensformSchluessel allein;
    EXPECT_EQ(allein.schluessel.GruppeZuNummer(3), nullptr);
    EXPECT_EQ(allein.schluessel.TabellenNameZuNummer(3), "");
}

namespace {

struct Auswahl
{
    int feld;
    int item;
};

struct SqlFall
{
    const char* name;
    int schluessel;
    QList<Auswahl> auswahl;
    int zeilenFilter;
    int gattung;
    int familie;
    bool deutsch;
    QStringList want;
};

} // namespace

TEST(BuildAbfrageSQL, WritesTheStatementOfEachKindOfKeyAndSelection)
{
    const QString lOderStern = "   ((A.\"L\" = \"h\") OR (A.\"L\"=\"*\"))";
    const SqlFall faelle[] = {
        {"key 3, item h of the first criterion ticked",
         3,
         {{1, 1}},
         0,
         0,
         0,
         false,
         {"Select DISTINCT", "A.GR as Gruppe,", "A.ID as ID,", "A.SIP as Bezeichnung",
          "From \"VDB_3\" A", "WHERE", lOderStern, "ORDER BY Bezeichnung"}},
        {"key 3, two ticked criteria",
         3,
         {{1, 1}, {5, 2}},
         0,
         0,
         0,
         false,
         {"Select DISTINCT", "A.GR as Gruppe,", "A.ID as ID,", "A.SIP as Bezeichnung",
          "From \"VDB_3\" A", "WHERE", lOderStern, "  AND",
          "   ((A.\"ST\" = \"q\") OR (A.\"ST\"=\"*\"))", "ORDER BY Bezeichnung"}},
        {"key 3 with German names",
         3,
         {},
         0,
         0,
         0,
         true,
         {"Select DISTINCT", "A.GR as Gruppe,", "A.ID as ID,", "A.GN as GN,", "A.FN as FN,",
          "B.Deutsch ||  C.\"D-Gattung\" || A.SIP as Deutsch,", "A.SIP as Bezeichnung",
          "From \"VDB_3\" A", "  Left Outer Join \"VDB_1\" B ON (A.ID = B.ID)",
          "  Left Outer Join \"VDB_6\" C ON (A.GN = C.GN)", "ORDER BY Deutsch, Bezeichnung"}},
        {"key 3 restricted to genus 12",
         3,
         {},
         0,
         12,
         0,
         false,
         {"Select DISTINCT", "A.GR as Gruppe,", "A.ID as ID,", "A.SIP as Bezeichnung",
          "From \"VDB_3\" A", "WHERE", "   (A.\"GN\" = 12)", "ORDER BY Bezeichnung"}},
        {"key 3 with genus and family: only the genus",
         3,
         {},
         0,
         12,
         7,
         false,
         {"Select DISTINCT", "A.GR as Gruppe,", "A.ID as ID,", "A.SIP as Bezeichnung",
          "From \"VDB_3\" A", "WHERE", "   (A.\"GN\" = 12)", "ORDER BY Bezeichnung"}},
        {"key 3 restricted to family 7 with a tick",
         3,
         {{1, 1}},
         0,
         0,
         7,
         false,
         {"Select DISTINCT", "A.GR as Gruppe,", "A.ID as ID,", "A.SIP as Bezeichnung",
          "From \"VDB_3\" A", "WHERE", "   (A.\"FN\" = 7)", "  AND", lOderStern,
          "ORDER BY Bezeichnung"}},
        {"key 3, rows of taxon 7",
         3,
         {},
         7,
         0,
         0,
         false,
         {"Select ", "A.RelID,", "A.GR as Gruppe,", "A.ID as ID,", "A.SIP as Bezeichnung",
          "From \"VDB_3\" A", "WHERE", "  ( A.ID=7 )", "ORDER BY Bezeichnung"}},
        {"key 3, taxon 7 within genus 12 and a tick",
         3,
         {{1, 1}},
         7,
         12,
         0,
         false,
         {"Select ", "A.RelID,", "A.GR as Gruppe,", "A.ID as ID,", "A.SIP as Bezeichnung",
          "From \"VDB_3\" A", "WHERE", "   (A.\"GN\" = 12)", "  AND", "  ( A.ID=7 )", "  AND",
          lOderStern, "ORDER BY Bezeichnung"}},
        {"key 4 with German names",
         4,
         {},
         0,
         0,
         0,
         true,
         {"Select DISTINCT", "A.GR as Gruppe,", "A.\"D-Gruppe\" as Deutsch,",
          "A.Gruppe as Bezeichnung", "From \"VDB_4\" A", "ORDER BY Deutsch, Bezeichnung"}},
        {"key 5",
         5,
         {},
         0,
         0,
         0,
         false,
         {"Select DISTINCT", "A.GR as Gruppe,", "A.GN,", "A.FN,", "A.ID as ID,",
          "A.Sippen as Sippen,", "A.Familie as Bezeichnung", "From \"VDB_5\" A",
          "ORDER BY Bezeichnung, Sippen"}},
        {"key 5 with German names",
         5,
         {},
         0,
         0,
         0,
         true,
         {"Select DISTINCT", "A.GR as Gruppe,", "A.GN,", "A.FN,", "A.ID as ID,",
          "A.Sippen as Sippen,", "B.\"D-Familie\" || \"/\" || B.\"Familie\" as Deutsch,",
          "A.Familie as Bezeichnung", "From \"VDB_5\" A",
          "  Left Outer Join \"VDB_60\" B ON (A.FN = B.FN)", "ORDER BY Deutsch, Bezeichnung"}},
        {"key 6 hides other names of a genus",
         6,
         {},
         0,
         0,
         0,
         false,
         {"Select DISTINCT", "A.GR as Gruppe,", "A.GN,", "A.FN,", "A.Gattung as Bezeichnung",
          "From \"VDB_6\" A", "WHERE", "  ( A.GN_SN is null)", "ORDER BY Bezeichnung"}},
        {"key 6 with German names lists every row",
         6,
         {},
         0,
         0,
         0,
         true,
         {"Select DISTINCT", "A.GR as Gruppe,", "A.GN,", "A.GN_SN,", "A.FN,",
          "A.\"D-Gattung\" as Deutsch,", "A.Gattung as Bezeichnung", "From \"VDB_6\" A",
          "ORDER BY Deutsch, Bezeichnung"}},
        {"key 6 has no ID column to filter rows by",
         6,
         {},
         5,
         0,
         0,
         false,
         {"Select ", "A.RelID,", "A.GR as Gruppe,", "A.GN,", "A.FN,", "A.Gattung as Bezeichnung",
          "From \"VDB_6\" A", "ORDER BY Bezeichnung"}},
        {"key 16 joins the genus list",
         16,
         {},
         0,
         0,
         0,
         false,
         {"Select DISTINCT", "A.ID as ID,", "C.Gattung as Gattung,", "A.Art as Bezeichnung",
          "From \"VDB_16\" A", "  Left Outer Join \"VDB_6\" C ON (A.GN = C.GN)",
          "ORDER BY Gattung, Bezeichnung"}},
        {"key 16 with German names",
         16,
         {},
         0,
         0,
         0,
         true,
         {"Select DISTINCT", "A.ID as ID,", "A.GN as GN,", "A.FN as FN,",
          "B.Deutsch ||  C.\"D-Gattung\" || A.Art as Deutsch,", "A.Art as Bezeichnung",
          "From \"VDB_16\" A", "  Left Outer Join \"VDB_1\" B ON (A.ID = B.ID)",
          "  Left Outer Join \"VDB_6\" C ON (A.GN = C.GN)", "ORDER BY Deutsch, Bezeichnung"}},
    };
    auto katalog = KeyFixture::KatalogOhneItems();
    for (const SqlFall& fall : faelle) {
        TAW_FlagOutKriterienListe auswahl(katalog.get());
        for (const Auswahl& a : fall.auswahl)
            auswahl.SetzeItem(fall.schluessel, a.feld, a.item, true, "1");
        TKR_Textus sql;
        EXPECT_TRUE(katalog->GruppeNr(fall.schluessel)
                        ->BuildAbfrageSQL(&auswahl, fall.zeilenFilter, fall.gattung, fall.familie,
                                          &sql, fall.deutsch));
        EXPECT_EQ(Zeilen(sql), fall.want) << fall.name;
    }
}

// Lines that name no criterion or item of the key make no condition, and no empty WHERE.
TEST(BuildAbfrageSQL, SkipsSelectionLinesThatNameNothing)
{
    auto katalog = KeyFixture::KatalogOhneItems();
    TAW_FlagOutKriterienListe auswahl(katalog.get());
    for (const char* zeile : {"003\t099\t/1/\t1", "003\t001\t/9/\t1", "003\t001\t/x/\t1",
                              "000\t001\t/1/\t1", "003\t-01\t/1/\t1", "Unsinn"})
        auswahl.AddLine(zeile);
    const QStringList ohneBedingung = {"Select DISTINCT",  "A.GR as Gruppe,",
                                       "A.ID as ID,",      "A.SIP as Bezeichnung",
                                       "From \"VDB_3\" A", "ORDER BY Bezeichnung"};
    TKR_Textus sql;
    katalog->GruppeNr(3)->BuildAbfrageSQL(&auswahl, 0, 0, 0, &sql, false);
    EXPECT_EQ(Zeilen(sql), ohneBedingung);

    // The genus list still hides its other names.
    TKR_Textus gattungen;
    katalog->GruppeNr(6)->BuildAbfrageSQL(&auswahl, 0, 0, 0, &gattungen, false);
    EXPECT_TRUE(Zeilen(gattungen).contains("  ( A.GN_SN is null)"));
}

TEST(BuildAbfrageSQL, WritesNothingWithoutSelectionOrOutput)
{
    auto katalog = KeyFixture::KatalogOhneItems();
    TVerdan_KriterienGruppe* grundtabelle = katalog->GruppeNr(3);
    TAW_FlagOutKriterienListe auswahl(katalog.get());
    TKR_Textus sql;
    EXPECT_TRUE(grundtabelle->BuildAbfrageSQL(nullptr, 0, 0, 0, &sql, false));
    EXPECT_EQ(sql.Count(), 0);
    EXPECT_TRUE(grundtabelle->BuildAbfrageSQL(&auswahl, 0, 0, 0, nullptr, false));
}
