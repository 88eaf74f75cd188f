#include "data/KR_TEXT.h"
#include "data/ServerFixture.h"
#include "data/Verdan_BdBServer.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "html/Kr_html.h"
#include "key/Verdan_Definition.h"
#include "platform/DatabaseError.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString Body = QStringLiteral("<body  bgcolor=\"#FFFFFF\"  >");

// The document's content between the frame lines, one line per text line.
std::string Inhalt(const TKR_HtmlDesigner& designer)
{
    TKR_Textus zeilen;
    designer.WriteHtml(zeilen);
    QStringList liste;
    zeilen.ToStrings(liste);
    EXPECT_GE(liste.size(), 4);
    EXPECT_EQ(liste.value(0), "<html>");
    EXPECT_EQ(liste.value(1), Body);
    EXPECT_EQ(liste.value(liste.size() - 2), "</body>");
    EXPECT_EQ(liste.value(liste.size() - 1), "</html>");
    return liste.mid(2, liste.size() - 4).join(u'\n').toStdString();
}

std::string Zeilen(const QStringList& zeilen)
{
    return zeilen.join(u'\n').toStdString();
}

QStringList Liste(const TKR_Textus& textus)
{
    QStringList liste;
    textus.ToStrings(liste);
    return liste;
}

TKR_Textus Textus(const QStringList& zeilen)
{
    TKR_Textus textus;
    for (const QString& zeile : zeilen)
        textus.AddLine(zeile);
    return textus;
}

const QString FamilienHinweis = QStringLiteral(
    "Im Regelfall verweist eine Familie auf eine weiterführenden Tabelle, Sie können mit einem "
    "Doppelklick auf den gewählten Datensatz in diese weiterführenden Tabelle wechseln<br>");
const QString GattungsHinweis = QStringLiteral(
    "Im Regelfall verweist eine Gattung auf eine weiterführenden Tabelle  bzw. auf eine "
    "Selektion dieser Gattung innerhalb der Blütenpflanzen. Sie können mit einem Doppelklick "
    "auf den gewählten Datensatz in diese weiterführenden Bereich wechseln<br>");
const QString GruppenHinweis = QStringLiteral(
    "Eine Gruppe verweist immer auf eine weiterführenden Tabelle. Sie können mit einem "
    "Doppelklick auf den gewählten Datensatz in diese weiterführenden Tabelle wechseln<br>");

QStringList Hinweis(const QString& text)
{
    return {"<br>", "<strong>", "Hinweis:<br>", "</strong>", text, "</SMALL>"};
}

class Datenbankserver : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_temp = std::make_unique<QTemporaryDir>();
        ServerFixture::BaueDatenbank(Dir());
        s_katalog = ErstelleKatalog(Dir());
    }
    static void TearDownTestSuite()
    {
        s_katalog.reset();
        s_temp.reset();
    }
    static QString Dir() { return s_temp->path() + "/GLOBAL"; }

    TVerdan_Datenbankserver m_server{nullptr, nullptr, s_katalog.get(), Dir()};

    static inline std::unique_ptr<QTemporaryDir> s_temp;
    static inline std::unique_ptr<TVerdan_Benutzerdatenbank> s_katalog;
};

TEST_F(Datenbankserver, NamesTaxaGeneraFamiliesAndGroupsByNumber)
{
    TVerdan_Namensquelle& namen = m_server;
    struct Fall
    {
        const char* Frage;
        QString Antwort;
        QString Erwartet;
    };
    const Fall faelle[] = {
        {"FamilienName 10", m_server.FamilienName(10), "Sapindaceae"},
        {"FamilienName 99", namen.FamilienName(99), ""},
        {"DeutscherFamilienName 20", m_server.DeutscherFamilienName(20), "Doldengewächse"},
        {"DeutscherFamilienName 30", m_server.DeutscherFamilienName(30), ""},
        {"GattungsName 201", namen.GattungsName(201), "Anthriscus"},
        {"GattungsName 999", m_server.GattungsName(999), ""},
        {"DeutscherGattungsName 100", m_server.DeutscherGattungsName(100), "Ahorn"},
        {"GattungsNameDerArt 2", m_server.GattungsNameDerArt(2), "Aethusa"},
        {"GattungsNameDerArt 999", m_server.GattungsNameDerArt(999), ""},
        {"GruppenName 3", m_server.GruppenName(3, false), "Grundtabelle"},
        {"GruppenName 3 deutsch", m_server.GruppenName(3, true), "Blütenpflanzen"},
        {"GruppenName 9 deutsch, leer", m_server.GruppenName(9, true), ""},
        {"GruppenName 9", m_server.GruppenName(9, false), "Apiac"},
        {"GruppenName 7, fehlt", m_server.GruppenName(7, false), ""},
        {"ArtName 1", m_server.ArtName(1), "Acer campestre"},
        {"ArtName 2, * und ?", m_server.ArtName(2), "Aethusa cynapium"},
        {"ArtName 3", m_server.ArtName(3), "Anthriscus sylvestris subsp. alpina"},
        {"ArtName 999", m_server.ArtName(999), ""},
        {"DeutscherArtName 2", m_server.DeutscherArtName(2), "Hunds- Petersilie"},
        {"DeutscherArtName 999", m_server.DeutscherArtName(999), ""},
    };
    for (const Fall& fall : faelle)
        EXPECT_EQ(fall.Antwort.toStdString(), fall.Erwartet.toStdString()) << fall.Frage;
}

TEST_F(Datenbankserver, LocateMakesTheTaxonTheCurrentRecordOfTheSpeciesTable)
{
    EXPECT_TRUE(m_server.Locate(3));
    TBDB_Table* arten = m_server.GetTable(1);
    EXPECT_EQ(arten->FieldByName("ID")->AsInteger(), 3);
    EXPECT_TRUE(m_server.Locate(3));
    EXPECT_FALSE(m_server.Locate(42));
    EXPECT_EQ(arten->FieldByName("ID")->AsInteger(), 3);
}

TEST_F(Datenbankserver, OpensEveryTableReadOnlyUnderItsKeyName)
{
    ASSERT_FALSE(m_server.SessionDaten().ReadOnly);
    TBDB_Table* tabelle = m_server.GetTable(3);
    EXPECT_TRUE(tabelle->ReadOnly());
    EXPECT_EQ(tabelle->TableName(), "VDB_3");
    EXPECT_EQ(tabelle->DatabaseName(), Dir());
    EXPECT_NE(qobject_cast<TVerdanBDB_Table*>(tabelle), nullptr);
}

TEST_F(Datenbankserver, AMissingTableRaisesOnEveryRequestAndIsNotKept)
{
    EXPECT_THROW(m_server.GetTable(2), EDatabaseError);
    EXPECT_EQ(m_server.GetAccess(2), nullptr);
    EXPECT_THROW(m_server.GetTable(2), EDatabaseError);
}

TEST_F(Datenbankserver, ArtBeschreibungWritesNameFamilyAidsShortTextAndDescription)
{
    TKR_HtmlDesigner designer;
    const TKR_Textus hilfen = Textus({"Blätter gelappt, mit Korkleisten"});
    EXPECT_TRUE(m_server.ArtBeschreibung(1, &hilfen, designer));
    EXPECT_EQ(Inhalt(designer), Zeilen({
                                    "<strong>",
                                    "Acer campestre",
                                    "</strong>",
                                    "<SMALL>",
                                    " - Sapindaceae<br>",
                                    "<EM>",
                                    "Synonym: Acer austriacum<br>",
                                    "</EM>",
                                    "Feld-Ahorn<br>",
                                    "<br>",
                                    "<strong>",
                                    "Bestimmungshilfen:<br>",
                                    "</strong>",
                                    "<ul>",
                                    "<li>Blätter gelappt, mit Korkleisten</li>",
                                    "</ul>",
                                    "<br>",
                                    "<strong>",
                                    "Kurztext:<br>",
                                    "</strong>",
                                    "Baum mit Korkleisten. Blätter gelappt<br>",
                                    "&nbsp;<br>",
                                    "<strong>",
                                    "Beschreibung<br>",
                                    "</strong>",
                                    "Lebensform: Baum<br>",
                                    "Höhe: 5 - 15  m<br>",
                                    "Blütezeit: 4 - 5<br>",
                                    "Blütenfarbe: gelb, grün<br>",
                                    "Status in Deutschland: Wildart<br>",
                                    "Bundesländer: Baden-Württemberg, Bayern<br>",
                                    "Ellenberg Häufigkeit: häufig<br>",
                                    "Rote Liste: 3<br>",
                                    "</SMALL>",
                                }));
}

TEST_F(Datenbankserver, ArtBeschreibungWritesOnlyWhatTheTaxonHas)
{
    struct Fall
    {
        int Id;
        QStringList Zeilen;
    };
    const Fall faelle[] = {
        // Short text ",;" joined to ","; only "Höhe 2"; no Blütezeit; German name as stored.
        {2,
         {"<strong>",
          "Aethusa cynapium",
          "</strong>",
          "<SMALL>",
          " - Apiaceae<br>",
          "<EM>",
          "</EM>",
          "  Hunds-   Petersilie <br>",
          "<br>",
          "<strong>",
          "Kurztext:<br>",
          "</strong>",
          "Giftig, stinkend<br>",
          "&nbsp;<br>",
          "<strong>",
          "Beschreibung<br>",
          "</strong>",
          "Lebensform: Einjährige<br>",
          "Höhe: 1 m<br>",
          "</SMALL>"}},
        // Only the first height and the first month of flowering.
        {4,
         {"<strong>", "Aethusa cynapium subsp. agrestis", "</strong>", "<SMALL>", " - Apiaceae<br>",
          "<EM>", "</EM>", "<br>", "<strong>", "Beschreibung<br>", "</strong>", "Höhe: 0,2 m<br>",
          "Blütezeit: 6<br>", "</SMALL>"}},
        // No family found, an unknown life-form code: no heading "Beschreibung" at all.
        {3,
         {"<strong>", "Anthriscus sylvestris subsp. alpina", "</strong>", "<SMALL>", "<EM>",
          "</EM>", "<br>", "</SMALL>"}},
        {999, {}},
    };
    for (const Fall& fall : faelle) {
        TKR_HtmlDesigner designer;
        EXPECT_TRUE(m_server.ArtBeschreibung(fall.Id, nullptr, designer));
        EXPECT_EQ(Inhalt(designer), Zeilen(fall.Zeilen)) << fall.Id;
    }
}

TEST_F(Datenbankserver, FamilienBeschreibungWritesTheNoteAlsoForAMissingFamily)
{
    const TKR_Textus hilfen = Textus({"Eine Hilfe"});
    TKR_HtmlDesigner gefunden;
    EXPECT_TRUE(m_server.FamilienBeschreibung(10, &hilfen, gefunden));
    EXPECT_EQ(Inhalt(gefunden),
              Zeilen(QStringList{"<strong>", "Sapindaceae<br>", "</strong>", "<SMALL>",
                                 "Seifenbaumgewächse<br>", "<EM>", "Aceraceae<br>", "</EM>", "<br>",
                                 "<strong>", "Bestimmungshilfen:<br>", "</strong>", "<ul>",
                                 "<li>Eine Hilfe</li>", "</ul>"} +
                     Hinweis(FamilienHinweis)));

    TKR_HtmlDesigner ohneDeutsch;
    m_server.FamilienBeschreibung(30, nullptr, ohneDeutsch);
    EXPECT_EQ(Inhalt(ohneDeutsch),
              Zeilen(QStringList{"<strong>", "Lamiaceae<br>", "</strong>", "<SMALL>", "<br>",
                                 "<EM>", "Labiatae<br>", "</EM>"} +
                     Hinweis(FamilienHinweis)));

    TKR_HtmlDesigner fehlt;
    m_server.FamilienBeschreibung(99, nullptr, fehlt);
    EXPECT_EQ(Inhalt(fehlt), Zeilen(Hinweis(FamilienHinweis)));
}

TEST_F(Datenbankserver, GattungsBeschreibungListsGermanNamesOnceAndTheOtherNames)
{
    TKR_HtmlDesigner mitSynonymen;
    EXPECT_TRUE(m_server.GattungsBeschreibung(201, mitSynonymen));
    EXPECT_EQ(Inhalt(mitSynonymen),
              Zeilen(QStringList{"<strong>", "Anthriscus", "</strong>", "<SMALL>",
                                 " (Apiaceae)<br>", "Kerbel, Gartenkerbel<br>", "<EM>",
                                 "s. Cerefolium, Chaerefolium<br>", "</EM>"} +
                     Hinweis(GattungsHinweis)));

    TKR_HtmlDesigner ohneFamilie;
    m_server.GattungsBeschreibung(300, ohneFamilie);
    EXPECT_EQ(Inhalt(ohneFamilie),
              Zeilen(QStringList{"<strong>", "Ajuga", "</strong>", "<SMALL>", "<br>", "<br>"} +
                     Hinweis(GattungsHinweis)));

    TKR_HtmlDesigner fehlt;
    m_server.GattungsBeschreibung(999, fehlt);
    EXPECT_EQ(Inhalt(fehlt), Zeilen(Hinweis(GattungsHinweis)));

    // The description leaves the synonym index behind; the lookups set theirs again.
    EXPECT_EQ(m_server.GattungsName(100), "Acer");
    EXPECT_EQ(m_server.GattungsName(201), "Anthriscus");
}

TEST_F(Datenbankserver, GruppenBeschreibungWritesTitleGermanNameAndRemark)
{
    struct Fall
    {
        int Schluessel;
        QStringList Zeilen;
    };
    const Fall faelle[] = {
        {3,
         {"<strong>", "Gruppe Blütenpflanzen<br>", "</strong>", "<SMALL>", "Blütenpflanzen<br>",
          "Der Einstieg für alle Blütenpflanzen<br>"}},
        {9, {"<strong>", "Gruppe Apiaceae<br>", "</strong>", "<SMALL>", "<br>"}},
        {7, {"<strong>", "Gruppe Allium<br>", "</strong>", "<SMALL>"}},
    };
    for (const Fall& fall : faelle) {
        TKR_HtmlDesigner designer;
        EXPECT_TRUE(m_server.GruppenBeschreibung(s_katalog->GruppeNr(fall.Schluessel), designer));
        EXPECT_EQ(Inhalt(designer), Zeilen(fall.Zeilen + Hinweis(GruppenHinweis)))
            << fall.Schluessel;
    }
    TKR_HtmlDesigner nichts;
    EXPECT_TRUE(m_server.GruppenBeschreibung(nullptr, nichts));
    EXPECT_EQ(Inhalt(nichts), "");
}

TEST_F(Datenbankserver, SchluesselMerkmaleWritesTheKeysValuesOfTheTaxon)
{
    struct Fall
    {
        int Schluessel;
        int Id;
        QStringList Zeilen;
    };
    const QStringList kopf{"<SMALL>", "<br>", "<strong>", "Merkmale:<br>", "</strong>"};
    const Fall faelle[] = {
        {3, 1,
         kopf + QStringList{"Lebensform: holzig<br>",
                            "Blattform: einfach, aber nicht lineal grasartig<br>", "</SMALL>",
                            "<br>"}},
        // The family key selects by FN; its table has no ID column.
        {5, 20,
         kopf + QStringList{"Lebensform: krautige grüne Landpflanze<br>",
                            "Blütensymmetrie: radiär<br>", "</SMALL>", "<br>"}},
        {3, 3, {"<SMALL>", "</SMALL>"}},
        {3, 999, {"<SMALL>", "</SMALL>"}},
        {4, 1, {}}, // a key without criteria
        {7, 1, {}}, // no table VDB_7: the statement fails quietly
    };
    for (const Fall& fall : faelle) {
        TKR_HtmlDesigner designer;
        m_server.SchluesselMerkmale(s_katalog->GruppeNr(fall.Schluessel), fall.Id, designer);
        EXPECT_EQ(Inhalt(designer), Zeilen(fall.Zeilen)) << fall.Schluessel << " " << fall.Id;
    }
    TKR_HtmlDesigner nichts;
    m_server.SchluesselMerkmale(nullptr, 1, nichts);
    EXPECT_EQ(Inhalt(nichts), "");
}

TKR_Textus ZeilenAbfrage(const QString& tabelle, int id)
{
    return Textus({"Select A.RelID, A.ID as ID", "From \"" + tabelle + "\" A", "WHERE",
                   QStringLiteral("  ( A.ID=%1 )").arg(id)});
}

TEST_F(Datenbankserver, SammleBestimmungshilfenCollectsEachAidOnce)
{
    struct Fall
    {
        int Schluessel;
        int Id;
        QStringList Hilfen;
    };
    const Fall faelle[] = {
        // The second row's text begins the first one, letter case aside.
        {3, 1, {"Blätter gelappt, mit Korkleisten"}},
        // Info criteria with their unit, blanks tidied; repeated lines once.
        {42, 5, {"Einjährig", "Blattbreite: 2 - 4 mm", "Ährchen-Länge: 3 mm"}},
        // The column of the second info criterion is missing: the collection ends there.
        {22, 7, {"Sporangienähren braun", "Äste-Rippen: 4"}},
        {3, 999, {}},
    };
    for (const Fall& fall : faelle) {
        const TKR_Textus sql =
            ZeilenAbfrage(QStringLiteral("VDB_%1").arg(fall.Schluessel), fall.Id);
        TKR_Textus hilfen = Textus({"alt"});
        m_server.SammleBestimmungshilfen(fall.Schluessel, &sql, &hilfen);
        EXPECT_EQ(Zeilen(Liste(hilfen)), Zeilen(fall.Hilfen)) << fall.Schluessel;
    }
    EXPECT_EQ(m_server.GetTable(42)->IndexFieldNames(), "RelID");

    const TKR_Textus falsch = Textus({"Select Fehlt From VDB_3"});
    TKR_Textus hilfen = Textus({"alt"});
    m_server.SammleBestimmungshilfen(3, &falsch, &hilfen);
    EXPECT_EQ(hilfen.Count(), 0);
    m_server.SammleBestimmungshilfen(3, &falsch, nullptr);
}

// A missing column ends a guarded step quietly, but reaches the caller from an unguarded one.
TEST(DatenbankserverSpalten, AMissingColumnEndsAGuardedStepAndRaisesFromAnUnguardedOne)
{
    QTemporaryDir temp;
    const QString dir = temp.path() + "/GLOBAL";
    ServerFixture::BaueDatenbank(dir, {{"Höhe 1", "AT_Beschreibung"}, {"Bemerkung"}});
    auto katalog = ErstelleKatalog(dir);
    TVerdan_Datenbankserver server(nullptr, nullptr, katalog.get(), dir);

    TKR_HtmlDesigner art;
    server.ArtBeschreibung(1, nullptr, art);
    EXPECT_EQ(
        Inhalt(art),
        Zeilen({"<strong>", "Acer campestre", "</strong>", "<SMALL>", " - Sapindaceae<br>", "<EM>",
                "Synonym: Acer austriacum<br>", "</EM>", "Feld-Ahorn<br>", "<br>", "<strong>",
                "Beschreibung<br>", "</strong>", "Lebensform: Baum<br>", "</SMALL>"}));

    TKR_HtmlDesigner gruppe;
    EXPECT_THROW(server.GruppenBeschreibung(katalog->GruppeNr(3), gruppe), EDatabaseError);
}

TEST(DatenbankserverLeer, AnEmptySpeciesTableHoldsNoTaxon)
{
    QTemporaryDir temp;
    const QString dir = temp.path() + "/GLOBAL";
    ServerFixture::TVarianten varianten;
    varianten.LeereArtentabelle = true;
    ServerFixture::BaueDatenbank(dir, varianten);
    auto katalog = ErstelleKatalog(dir);
    TVerdan_Datenbankserver server(nullptr, nullptr, katalog.get(), dir);
    EXPECT_FALSE(server.Locate(0));
    TKR_HtmlDesigner designer;
    server.ArtBeschreibung(0, nullptr, designer);
    EXPECT_EQ(Inhalt(designer), "");
}

} // namespace
