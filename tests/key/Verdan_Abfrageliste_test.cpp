#include "data/Verdan_Benutzerdatenbank.h"
#include "foundation/KR_Exception.h"
#include "html/Kr_html.h"
#include "key/KeyFixture.h"
#include "key/Verdan_Abfrageliste.h"
#include "key/Verdan_Flagoutstuktur.h"
#include "key/Verdan_Namensquelle.h"
#include "platform/Query.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

QStringList Zeilen(const TKR_Textus& text)
{
    QStringList zeilen;
    text.ToStrings(zeilen);
    return zeilen;
}

struct Namen : TVerdan_Namensquelle
{
    QString GattungsName(int gattung) override { return gattungen.value(gattung); }
    QString FamilienName(int familie) override { return familien.value(familie); }
    QMap<int, QString> gattungen{{100, "Acer"}};
    QMap<int, QString> familien{{20, "Apiaceae"}};
};

class AbfrageListeTest : public ::testing::Test
{
protected:
    // Ticks item i of criterion k in the current level's tree.
    void Tick(int k, int i)
    {
        auto* kapitel = static_cast<TVerdan_FlagOutStruktur*>(
            m_ebenen.AktuelleStruktur()->ObjektNr(k)->Unterstruktur.get());
        kapitel->ObjektNr(i)->SetGewaehlt(true);
    }
    QStringList Sql(int zeilenFilter = 0, bool deutsch = false)
    {
        TKR_Textus sql;
        m_ebenen.ErstelleSQL(zeilenFilter, sql, deutsch);
        return Zeilen(sql);
    }

    std::unique_ptr<TVerdan_Benutzerdatenbank> m_katalog = KeyFixture::KatalogOhneItems();
    Namen m_namen;
    TVerdan_AbfrageListe m_ebenen{*m_katalog, m_namen};
};

} // namespace

TEST_F(AbfrageListeTest, NeueEbeneStacksLevelsAndRemembersTheRow)
{
    EXPECT_EQ(m_ebenen.LetzteEbene(), nullptr);
    EXPECT_EQ(m_ebenen.AktuelleStruktur(), nullptr);
    EXPECT_EQ(m_ebenen.EbenenGruppe(), nullptr);
    EXPECT_EQ(Sql(), QStringList());

    TVerdan_AbfrageRecord* erste = m_ebenen.NeueEbene(3, 0, 0, 5);
    EXPECT_EQ(erste->Zeile, 0);
    EXPECT_EQ(m_ebenen.AktuelleNummer(), 3);
    EXPECT_EQ(m_ebenen.AktuelleGruppe()->Name, "Grundtabelle");
    ASSERT_EQ(m_ebenen.AktuelleStruktur(), erste->Struktur);
    EXPECT_EQ(erste->Struktur->Titel, "Blütenpflanzen");
    EXPECT_EQ(erste->Struktur->Count(), 21);

    TVerdan_AbfrageRecord* zweite = m_ebenen.NeueEbene(9, 100, 0, 4);
    EXPECT_EQ(erste->Zeile, 4);
    EXPECT_EQ(zweite->Zeile, 0);
    EXPECT_EQ(zweite->Gattung, 100);
    EXPECT_EQ(m_ebenen.LetzteEbene(), zweite);
    EXPECT_EQ(m_ebenen.CurrentRecord(), zweite);
    EXPECT_EQ(m_ebenen.EbenenGruppe()->Titel, "Apiaceae");

    for (int nummer : {0, 62}) {
        EXPECT_THROW(m_ebenen.NeueEbene(nummer, 0, 0, 1), EKR_Exception);
        EXPECT_EQ(m_ebenen.Count(), 2);
        EXPECT_EQ(m_ebenen.AktuelleNummer(), 9);
    }
}

TEST_F(AbfrageListeTest, AKeyOpenedAgainReusesItsTreeWithoutTicks)
{
    TVerdan_FlagOutStruktur* baum = m_ebenen.NeueEbene(3, 0, 0, 0)->Struktur;
    Tick(1, 1);
    m_ebenen.NeueEbene(5, 0, 0, 2);
    EXPECT_NE(m_ebenen.AktuelleStruktur(), baum);
    m_ebenen.NeueEbene(3, 100, 0, 1);
    EXPECT_EQ(m_ebenen.AktuelleStruktur(), baum);
    EXPECT_FALSE(baum->HatAuswahlWert(true));
}

TEST_F(AbfrageListeTest, ResetToEbeneReturnsToAnEarlierLevel)
{
    TVerdan_AbfrageRecord* erste = m_ebenen.NeueEbene(3, 0, 0, 0);
    EXPECT_EQ(m_ebenen.ResetToEbene(erste), 3);
    EXPECT_EQ(m_ebenen.Count(), 1);

    m_ebenen.NeueEbene(5, 0, 0, 7);
    m_ebenen.NeueEbene(9, 0, 20, 2);
    EXPECT_EQ(m_ebenen.AktuelleNummer(), 9);
    EXPECT_EQ(m_ebenen.ResetToEbene(erste), 3);
    EXPECT_EQ(m_ebenen.Count(), 1);
    EXPECT_EQ(m_ebenen.AktuelleNummer(), 3);
    EXPECT_EQ(m_ebenen.LetzteEbene(), erste);
    EXPECT_EQ(erste->Zeile, 7); // where to return to in the result list

    TVerdan_AbfrageRecord fremd;
    m_ebenen.NeueEbene(5, 0, 0, 1);
    try {
        m_ebenen.ResetToEbene(&fremd);
        FAIL() << "no exception";
    } catch (const EKR_Exception& e) {
        EXPECT_EQ(e.Message(), "TVerdan_AbfrageListe.ResetToEbene:Alle Elemente Gelöscht");
    }
    EXPECT_EQ(m_ebenen.Count(), 0);
    EXPECT_EQ(m_ebenen.AktuelleNummer(), 0);
    EXPECT_THROW(m_ebenen.ResetToEbene(&fremd), EKR_Exception);
}

TEST_F(AbfrageListeTest, AllesLoeschenEmptiesTheStackAndClearsTheTrees)
{
    TVerdan_FlagOutStruktur* baum = m_ebenen.NeueEbene(3, 0, 0, 0)->Struktur;
    Tick(1, 1);
    m_ebenen.NeueEbene(5, 0, 0, 0);
    Tick(1, 2);
    TVerdan_FlagOutStruktur* familien = m_ebenen.AktuelleStruktur();
    m_ebenen.AllesLoeschen();
    EXPECT_EQ(m_ebenen.Count(), 0);
    EXPECT_EQ(m_ebenen.AktuelleNummer(), 0);
    EXPECT_FALSE(baum->HatAuswahlWert(true));
    EXPECT_FALSE(familien->HatAuswahlWert(true));
    EXPECT_EQ(Sql(), QStringList());
    EXPECT_EQ(m_ebenen.NeueEbene(3, 0, 0, 0)->Struktur, baum);
}

TEST_F(AbfrageListeTest, ErstelleSQLUsesTheTicksAndRestrictionOfTheCurrentLevel)
{
    m_ebenen.NeueEbene(3, 0, 0, 0);
    Tick(1, 2);
    m_ebenen.NeueEbene(3, 100, 0, 1);
    Tick(1, 1);
    EXPECT_EQ(
        Sql(),
        (QStringList{"Select DISTINCT", "A.GR as Gruppe,", "A.ID as ID,", "A.SIP as Bezeichnung",
                     "From \"VDB_3\" A", "WHERE", "   (A.\"GN\" = 100)", "  AND",
                     "   ((A.\"L\" = \"h\") OR (A.\"L\"=\"*\"))", "ORDER BY Bezeichnung"}));
}

TEST_F(AbfrageListeTest, SchreibeKriterienHtmlSummarisesEveryLevel)
{
    m_ebenen.NeueEbene(3, 0, 0, 0);
    Tick(1, 1);
    m_ebenen.NeueEbene(6, 0, 20, 3);
    m_ebenen.NeueEbene(7, 100, 0, 1);
    TKR_HtmlEditor editor;
    m_ebenen.SchreibeKriterienHtml(editor);
    TKR_Textus zeilen;
    editor.WriteHtml(zeilen);
    EXPECT_EQ(Zeilen(zeilen), (QStringList{"<U>",
                                           "1) Blütenpflanzen <br>",
                                           "</U>",
                                           "Lebensform: ",
                                           "<font color=blue>",
                                           "holzig<br>",
                                           "</font>",
                                           "&nbsp;<br>",
                                           "<blockquote>",
                                           "<U>",
                                           "2) Gattungen (Familie: Apiaceae)<br>",
                                           "</U>",
                                           "Keine Kriterien angegeben<br>",
                                           "&nbsp;<br>",
                                           "</blockquote>",
                                           "<blockquote>",
                                           "<U>",
                                           "3) Allium (Gattung: Acer)<br>",
                                           "</U>",
                                           "&nbsp;<br>",
                                           "</blockquote>"}));
}

namespace {

// Runs the statements on a small data directory and reads the rows that remain.
class AbfrageAufDatenTest : public AbfrageListeTest
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        KeyFixture::SchreibeSchluesseltabellen(Dir());
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static QString Dir() { return s_dir->path() + "/GLOBAL"; }

    // The values of the named result columns of every row, joined by "|".
    QStringList Ergebnis(const QStringList& spalten, int zeilenFilter = 0, bool deutsch = false)
    {
        TQuery query;
        query.SetDatabaseName(Dir());
        query.SetSQL(Sql(zeilenFilter, deutsch));
        query.Open();
        QStringList zeilen;
        for (query.First(); !query.Eof(); query.Next()) {
            QStringList werte;
            for (const QString& spalte : spalten)
                werte << query.FieldByName(spalte)->AsString();
            zeilen << werte.join('|');
        }
        return zeilen;
    }

    static inline QTemporaryDir* s_dir = nullptr;
};

} // namespace

TEST_F(AbfrageAufDatenTest, ATickKeepsRowsWithItsCodeOrAStar)
{
    m_ebenen.NeueEbene(3, 0, 0, 0);
    EXPECT_EQ(Ergebnis({"Bezeichnung"}).size(), 6);
    Tick(1, 1); // Lebensform h
    EXPECT_EQ(Ergebnis({"Bezeichnung", "ID"}),
              (QStringList{"Acer campestre|1", "Acer platanoides|2"}));
    Tick(5, 1); // and Blattstellung g
    EXPECT_EQ(Ergebnis({"Bezeichnung"}), (QStringList{"Acer campestre", "Acer platanoides"}));

    m_ebenen.AktuelleStruktur()->LoescheAuswahl();
    Tick(1, 2); // krautig: the group row leads on to the Apiaceae
    EXPECT_EQ(Ergebnis({"Bezeichnung", "Gruppe"}),
              (QStringList{"Acer platanoides|", "Aethusa cynapium|", "Apiaceae|Apiac"}));

    EXPECT_EQ(Ergebnis({"RelID", "Bezeichnung"}, 3), QStringList{"3|Aethusa cynapium"});
}

TEST_F(AbfrageAufDatenTest, ALevelKeepsToItsGenusOrFamily)
{
    m_ebenen.NeueEbene(3, 100, 0, 0);
    EXPECT_EQ(Ergebnis({"Bezeichnung"}), (QStringList{"Acer campestre", "Acer platanoides"}));
    Tick(1, 2);
    EXPECT_EQ(Ergebnis({"Bezeichnung"}), QStringList{"Acer platanoides"});

    m_ebenen.NeueEbene(3, 0, 20, 1);
    EXPECT_EQ(Ergebnis({"Bezeichnung"}),
              (QStringList{"Aethusa cynapium", "Anthriscus sylvestris", "Apiaceae"}));
}

TEST_F(AbfrageAufDatenTest, GermanNamesJoinTheSpeciesGenusAndFamilyLists)
{
    m_ebenen.NeueEbene(3, 0, 0, 0);
    Tick(1, 1);
    EXPECT_EQ(Ergebnis({"Bezeichnung", "Deutsch", "GN"}, 0, true),
              (QStringList{"Acer campestre|Feld-AhornAhornAcer campestre|100",
                           "Acer platanoides|Spitz-AhornAhornAcer platanoides|100"}));

    m_ebenen.AllesLoeschen();
    m_ebenen.NeueEbene(5, 0, 0, 0);
    EXPECT_EQ(
        Ergebnis({"Bezeichnung", "Sippen"}),
        (QStringList{"Apiaceae|Aethusa, Anthriscus", "Araliaceae|Hedera", "Sapindaceae|Acer"}));
    EXPECT_EQ(Ergebnis({"Deutsch", "Gruppe"}, 0, true),
              (QStringList{"Araliengewächse/Araliaceae|", "Doldenblütler/Apiaceae|Apiac",
                           "Seifenbaumgewächse/Sapindaceae|"}));

    m_ebenen.NeueEbene(6, 0, 0, 1);
    EXPECT_EQ(Ergebnis({"Bezeichnung"}),
              (QStringList{"Acer", "Aethusa", "Anthriscus", "Campanula", "Hedera", "Phyteuma"}));
    EXPECT_EQ(Ergebnis({"Deutsch", "Bezeichnung", "GN_SN"}, 0, true),
              (QStringList{"Ahorn|Acer|", "Efeu|Hedera|", "Glockenblume|Campanula|",
                           "Hundspetersilie|Aethusa|", "Kerbel|Anthriscus|",
                           "Kerbel|Cerefolium|201", "Teufelskralle|Phyteuma|"}));

    m_ebenen.NeueEbene(16, 0, 0, 4);
    EXPECT_EQ(Ergebnis({"Gattung", "Bezeichnung"}),
              (QStringList{"Campanula|patula", "Phyteuma|spicatum"}));
}
