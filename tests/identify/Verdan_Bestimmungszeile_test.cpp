#include "app/KR_MYSYS.h"
#include "data/KR_TEXT.h"
#include "data/Verdan_BdBServer.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "html/Kr_html.h"
#include "identify/BestimmungsFixture.h"
#include "identify/Verdan_Bestimmungszeile.h"
#include "key/Verdan_Abfrageliste.h"
#include "key/Verdan_Definition.h"
#include "key/Verdan_Flagoutstuktur.h"
#include "platform/Query.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace BestimmungsFixture;

// For failure messages; ADL finds it beside the struct.
static void PrintTo(const TVerdan_Folgeebene& ebene, std::ostream* os)
{
    *os << "{Schluessel " << ebene.Schluessel << ", Gattung " << ebene.Gattung << ", Familie "
        << ebene.Familie << "}";
}

namespace {

class BestimmungszeileTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        BaueDatenbank(s_dir->path());
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }

    void SetUp() override
    {
        m_globalDir = SetupBlock.GlobalDir;
        SetupBlock.GlobalDir = s_dir->path();
        m_katalog = ErstelleKatalog(s_dir->path());
        m_server = std::make_unique<TVerdan_Datenbankserver>(nullptr, nullptr, m_katalog.get(),
                                                             s_dir->path());
        m_ebenen = std::make_unique<TVerdan_AbfrageListe>(*m_katalog, *m_server);
        m_zeile = std::make_unique<TVerdan_Bestimmungszeile>(*m_ebenen, *m_server);
    }
    void TearDown() override
    {
        m_abfrage.reset();
        SetupBlock.GlobalDir = m_globalDir;
    }

    // Opens the levels (each from the first row of the one before) and runs the last one.
    void Oeffne(const std::vector<int>& schluessel, bool deutsch)
    {
        m_zeile->DeutscheNamen = deutsch;
        m_abfrage = std::make_unique<TQuery>();
        for (int nummer : schluessel) {
            m_zeile->OeffneEbene({nummer, 0, 0}, *m_abfrage);
            m_zeile->AbfrageStarten(*m_abfrage);
        }
    }

    // Makes the row whose own name is bezeichnung current.
    void GeheZu(const QString& bezeichnung)
    {
        ASSERT_TRUE(m_abfrage->Locate(QStringLiteral("Bezeichnung"), bezeichnung))
            << bezeichnung.toStdString();
    }

    QString Anzeige() const
    {
        return m_abfrage->FieldByName(QStringLiteral("Bezeichnung"))->DisplayText();
    }

    QStringList Beschreibung()
    {
        TKR_HtmlDesigner dokument;
        dokument.SetFragment(true);
        m_zeile->SchreibeBeschreibung(*m_abfrage, dokument);
        TKR_Textus zeilen;
        dokument.WriteHtml(zeilen);
        QStringList liste;
        zeilen.ToStrings(liste);
        return liste;
    }

    static QTemporaryDir* s_dir;
    QString m_globalDir;
    std::unique_ptr<TVerdan_Benutzerdatenbank> m_katalog;
    std::unique_ptr<TVerdan_Datenbankserver> m_server;
    std::unique_ptr<TVerdan_AbfrageListe> m_ebenen;
    std::unique_ptr<TVerdan_Bestimmungszeile> m_zeile;
    std::unique_ptr<TQuery> m_abfrage;
};

QTemporaryDir* BestimmungszeileTest::s_dir = nullptr;

struct TAnzeigeFall
{
    std::vector<int> Ebenen;
    bool Deutsch;
    const char* Bezeichnung;
    const char* Erwartet;
};

TEST_F(BestimmungszeileTest, NameColumnShowsEachKindOfRow)
{
    const TAnzeigeFall faelle[] = {
        // The genus list shows only the target genus and the arrow, with or without a key.
        {{Gattungsliste}, false, "Allium", "Allium ->"},
        {{Gattungsliste}, false, "Taraxacum", "Taraxacum ->"},
        {{Gattungsliste}, true, "Taraxacum", "Löwenzahn ->"},
        // The group list likewise, with the group's German name when asked for.
        {{Gruppenliste}, false, "Allium", "Allium ->"},
        {{Gruppenliste}, true, "Allium", "Lauch ->"},
        // In the basic table a group row keeps its name before the arrow.
        {{Grundtabelle}, false, "Allium", "Allium -> Allium"},
        {{Grundtabelle}, true, "Allium", "Lauch (Allium) -> Lauch"},
        {{Grundtabelle}, false, "Sonstige", "Sonstige"},
        // Taxa: German name with the scientific one in brackets; German names select the
        // genus number, so a taxon with a genus points to it.
        {{Grundtabelle}, false, "Taraxacum officinale", "Taraxacum officinale"},
        {{Grundtabelle}, true, "Urtica dioica", "Große Brennnessel (Urtica dioica)"},
        {{Grundtabelle},
         true,
         "Taraxacum officinale",
         "Gewöhnlicher Löwenzahn (Taraxacum officinale) -> Löwenzahn"},
        {{Grundtabelle},
         true,
         "Carex davalliana weiblich",
         "Davall-Segge weiblich (Carex davalliana)"},
        // An epithet gets the genus of its taxon, or in a genus key the key's title.
        {{Grundtabelle}, false, "ursinum", "Allium ursinum"},
        {{Grundtabelle, AlliumSchluessel},
         false,
         "sphaerocephalon agg.",
         "Allium sphaerocephalon agg."},
        {{AlliumSchluessel}, false, "sphaerocephalon agg.", "sphaerocephalon agg."},
        {{Grundtabelle, AlliumSchluessel},
         true,
         "Allium ursinum",
         "Bär-Lauch (Allium ursinum) -> Lauch"},
        // The family key: the family's name and the arrow, then the Sippen text; a row that
        // does not lead on gets " ;" before it.
        {{Familien}, false, "Asteraceae", "Asteraceae ->"},
        {{Familien}, true, "Asteraceae", "Korbblütler ->"},
        {{Familien}, false, "Apiaceae", "Apiaceae ->"},
        {{Familien}, false, "Urticaceae", "Urticaceae -> Urtica, Parietaria"},
        {{Familien}, true, "Urticaceae", "Urticaceae -> Urtica, Parietaria"},
        {{Familien}, false, "Lemnaceae", "Lemnaceae ; Lemna"},
    };
    for (const TAnzeigeFall& fall : faelle) {
        SCOPED_TRACE(std::string(fall.Bezeichnung) + (fall.Deutsch ? " (deutsch)" : ""));
        m_ebenen->AllesLoeschen();
        Oeffne(fall.Ebenen, fall.Deutsch);
        GeheZu(QString::fromUtf8(fall.Bezeichnung));
        EXPECT_EQ(Anzeige().toStdString(), fall.Erwartet);
    }
}

struct TFolgeFall
{
    int Schluessel;
    bool Deutsch;
    const char* Bezeichnung;
    TVerdan_Folgeebene Erwartet;
};

TEST_F(BestimmungszeileTest, DoubleClickOpensGroupGenusOrFamily)
{
    const TFolgeFall faelle[] = {
        // A row's key, restricted to its genus.
        {Gattungsliste, false, "Allium", {AlliumSchluessel, Allium, 0}},
        {Gruppenliste, false, "Allium", {AlliumSchluessel, 0, 0}},
        {Grundtabelle, false, "Allium", {AlliumSchluessel, 0, 0}},
        {Familien, false, "Apiaceae", {ApiaceaeSchluessel, 0, 0}},
        // Without a key: the basic table restricted to the genus (the one another name
        // stands for), or else to the family.
        {Gattungsliste, false, "Taraxacum", {Grundtabelle, Taraxacum, 0}},
        {Gattungsliste, true, "Dens-leonis", {Grundtabelle, Taraxacum, 0}},
        {Familien, false, "Urticaceae", {Grundtabelle, 0, Urticaceae}},
        // Neither: a taxon. The basic table's genus numbers do not count there.
        {Grundtabelle, false, "Taraxacum officinale", {}},
        {Grundtabelle, true, "Taraxacum officinale", {}},
    };
    for (const TFolgeFall& fall : faelle) {
        SCOPED_TRACE(fall.Bezeichnung);
        m_ebenen->AllesLoeschen();
        Oeffne({fall.Schluessel}, fall.Deutsch);
        GeheZu(QString::fromUtf8(fall.Bezeichnung));
        EXPECT_EQ(m_zeile->Folgeebene(*m_abfrage), fall.Erwartet);
    }
}

TEST_F(BestimmungszeileTest, RowWithoutTaxonGenusFamilyOrGroupIsNoSpecies)
{
    Oeffne({Grundtabelle}, false);
    GeheZu(QStringLiteral("Sonstige"));
    EXPECT_EQ(Beschreibung().join(u'\n').toStdString(),
              QStringList({"<SMALL>", "<strong>", "Keine Art ausgewählt<br>", "</strong>", "<br>",
                           "Der aktuelle Datensatz ist keine Pflanzenart sondern kennzeichnet "
                           "eine untergeordnete Artgruppe. Mit einem Doppelklick auf diesen "
                           "Datensatz öffnen Sie diese Artgruppe <br>",
                           "</SMALL>"})
                  .join(u'\n')
                  .toStdString());

    // So does an empty result.
    m_abfrage->Close();
    EXPECT_TRUE(Beschreibung().contains(QStringLiteral("Keine Art ausgewählt<br>")));
}

TEST_F(BestimmungszeileTest, DescriptionFollowsTheKindOfRow)
{
    Oeffne({Grundtabelle}, false);
    GeheZu(QStringLiteral("Taraxacum officinale"));
    const QString taxon = Beschreibung().join(u'\n');
    EXPECT_TRUE(taxon.contains(QStringLiteral("Taraxacum officinale"))) << taxon.toStdString();
    EXPECT_TRUE(taxon.contains(QStringLiteral("<li>Milchsaft weiß</li>"))) << taxon.toStdString();
    EXPECT_TRUE(taxon.contains(QStringLiteral("Lebensform: krautig"))) << taxon.toStdString();

    GeheZu(QStringLiteral("Allium"));
    EXPECT_TRUE(Beschreibung().contains(QStringLiteral("Gruppe Allium<br>")));

    m_ebenen->AllesLoeschen();
    Oeffne({Gattungsliste}, false);
    GeheZu(QStringLiteral("Taraxacum"));
    const QStringList gattung = Beschreibung();
    EXPECT_TRUE(gattung.contains(QStringLiteral("Taraxacum"))) << gattung.join(u'\n').toStdString();
    EXPECT_TRUE(gattung.contains(QStringLiteral(" (Asteraceae)<br>")));
}

TEST_F(BestimmungszeileTest, QueryShowsOnlyTheNameColumnAndCountsTheRows)
{
    TQuery abfrage;
    EXPECT_EQ(m_zeile->AbfrageStarten(abfrage), QString());
    EXPECT_FALSE(abfrage.Active());

    m_ebenen->NeueEbene(Grundtabelle, 0, 0, 0);
    EXPECT_EQ(m_zeile->AbfrageStarten(abfrage), QStringLiteral("Übrig bleiben: 7"));
    const TField* name = abfrage.FieldByName(QStringLiteral("Bezeichnung"));
    EXPECT_EQ(name->Index(), 0);
    EXPECT_EQ(name->DisplayWidth(), 60);
    QStringList sichtbar;
    for (int i = 0; i < abfrage.FieldCount(); ++i) {
        if (abfrage.Fields(i)->Visible()) sichtbar << abfrage.Fields(i)->FieldName();
    }
    EXPECT_EQ(sichtbar.join(u' ').toStdString(), "Bezeichnung");

    // A tick narrows the rows; "*" rows stay.
    TVerdan_FlagOutStruktur* baum = m_ebenen->AktuelleStruktur();
    baum->ObjektNr(1)->Unterstruktur->ObjektNr(1)->SetGewaehlt(true);
    EXPECT_EQ(m_zeile->AbfrageStarten(abfrage), QStringLiteral("Übrig bleiben: 2"));
}

TEST_F(BestimmungszeileTest, ReturnToALevelComesBackToTheRowItWasLeftFrom)
{
    Oeffne({Grundtabelle}, false);
    m_abfrage->SetRecNo(5);
    m_zeile->OeffneEbene({AlliumSchluessel, 0, 0}, *m_abfrage);
    m_zeile->AbfrageStarten(*m_abfrage);

    TVerdan_AbfrageRecord* erste = m_ebenen->RecordAt(1);
    EXPECT_EQ(erste->Zeile, 5);
    m_ebenen->ResetToEbene(erste);
    m_zeile->AbfrageStarten(*m_abfrage);
    TVerdan_Bestimmungszeile::GeheZuZeile(*m_abfrage, erste->Zeile);
    EXPECT_EQ(m_abfrage->RecNo(), 5);
}

TEST_F(BestimmungszeileTest, SearchFindsTheFirstDisplayedNameFromTheTop)
{
    Oeffne({Grundtabelle}, false);
    m_abfrage->Last();
    EXPECT_EQ(m_zeile->SucheBezeichnung(*m_abfrage, QStringLiteral("car")),
              TVerdan_Suche::Gefunden);
    EXPECT_EQ(Anzeige(), QStringLiteral("Carex davalliana weiblich"));

    // The epithet row is found by its displayed name.
    EXPECT_EQ(m_zeile->SucheBezeichnung(*m_abfrage, QStringLiteral("allium u")),
              TVerdan_Suche::Gefunden);
    EXPECT_EQ(Anzeige(), QStringLiteral("Allium ursinum"));

    const int vorher = m_abfrage->RecNo();
    EXPECT_EQ(m_zeile->SucheBezeichnung(*m_abfrage, QStringLiteral("xyz")),
              TVerdan_Suche::NichtGefunden);
    EXPECT_EQ(m_abfrage->RecNo(), vorher);
    EXPECT_EQ(m_zeile->SucheBezeichnung(*m_abfrage, QString()), TVerdan_Suche::Nichts);
}

} // namespace
