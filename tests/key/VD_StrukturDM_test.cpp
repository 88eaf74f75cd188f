#include "app/KR_MYSYS.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "key/KeyFixture.h"
#include "key/VD_StrukturDM.h"
#include "key/Verdan_StrukturDM.h"
#include "platform/Query.h"
#include "platform/Table.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using TestTabellen::Bildindex;
using TestTabellen::Zeilen;

void PrintTo(const TBildAdresse& a, std::ostream* os)
{
    *os << a.Gruppe << 'x' << a.Feld << 'x' << a.Item;
}

namespace {

// A picture with a NUL inside: blobs are bytes, not text.
const char AehreKleinDaten[] = "\x89PNG Ähre klein\0!";
const QByteArray AehreKlein(AehreKleinDaten, sizeof(AehreKleinDaten) - 1);

// Key 3, criterion 10 ("Blütenstand") with its own picture and the values 1 ("Ähre", both
// kinds), 2 (small only) and 3 (pictures, but its index row says Img false); criterion 11
// has only a hidden value; database 2 has a value of its own under the same numbers.
void SchreibeStrukturtabellen(const QString& dir)
{
    QDir().mkpath(dir);
    TDatabaseBuilder builder(dir + "/tables.sqlite");
    for (const TTableDef& tabelle : Bildindex())
        builder.CreateTable(tabelle);
    Zeilen(builder, "KRS_Rix",
           {{1, 3, 0, 0, 1, 2, 30, 0, true},
            {1, 3, 10, 0, 1, 2, 30, 0, true},
            {1, 3, 10, 2, 1, 2, 30, 302, true},
            {1, 3, 10, 1, 1, 2, 30, 301, true},
            {1, 3, 10, 3, 1, 2, 30, 303, false},
            {1, 3, 11, 0, 1, 2, 31, 0, false},
            {1, 3, 11, 1, 1, 2, 31, 311, false},
            {2, 3, 10, 1, 2, 9, 90, 901, true}});
    Zeilen(builder, "KRS_R2i", {{30, 2, QByteArray("Blütenstand klein")}});
    Zeilen(builder, "KRS_R3i",
           {{301, 2, AehreKlein},
            {301, 1, QByteArray("Ähre groß")},
            {302, 2, QByteArray("Ährchen klein")},
            {303, 2, QByteArray("Büschel klein")},
            {311, 2, QByteArray("verborgen")},
            {901, 2, QByteArray("andere Datenbank")}});
    builder.Finish();
}

class StrukturDMTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        SchreibeStrukturtabellen(s_dir->path());
    }
    static void TearDownTestSuite() { s_dir.reset(); }

    TVD_StrukturDataModul m_modul{s_dir->path(), nullptr};
    static std::unique_ptr<QTemporaryDir> s_dir;
};

std::unique_ptr<QTemporaryDir> StrukturDMTest::s_dir;

TEST_F(StrukturDMTest, GetBildFindsThePictureOfAValueOrCriterionWhoseIndexRowShowsImages)
{
    struct Fall
    {
        int d, g, k, i, art;
        QByteArray bild; // null: none
    };
    const Fall faelle[] = {
        {1, 3, 10, 1, 2, AehreKlein},
        {1, 3, 10, 1, 1, QByteArray("Ähre groß")},
        {1, 3, 10, 2, 2, QByteArray("Ährchen klein")},
        {1, 3, 10, 2, 1, QByteArray()}, // no large picture
        {1, 3, 10, 3, 2, QByteArray()}, // Img false hides the picture that exists
        {1, 3, 11, 1, 2, QByteArray()},
        {1, 3, 10, 0, 2, QByteArray("Blütenstand klein")}, // the criterion's own, from KRS_R2i
        {1, 3, 10, 0, 1, QByteArray()},
        {1, 3, 0, 0, 2, QByteArray()},  // neither criterion nor value, although indexed
        {1, 3, 12, 1, 2, QByteArray()}, // not in the index
        {2, 3, 10, 1, 2, QByteArray("andere Datenbank")},
    };
    for (const Fall& f : faelle) {
        const QByteArray bild = m_modul.GetBild(f.d, f.g, f.k, f.i, f.art);
        EXPECT_EQ(bild, f.bild) << f.d << ',' << f.g << ',' << f.k << ',' << f.i << ',' << f.art;
        EXPECT_EQ(bild.isNull(), f.bild.isNull()) << f.k << ',' << f.i << ',' << f.art;
    }
}

TEST_F(StrukturDMTest, FindeIndexRelIDGivesTheValueOrCriterionRowOnlyWhenItHasImages)
{
    EXPECT_EQ(m_modul.FindeIndexRelID(1, 3, 10, 1), 301);
    EXPECT_EQ(m_modul.FindeIndexRelID(1, 3, 10, 0), 30);
    EXPECT_EQ(m_modul.FindeIndexRelID(1, 3, 10, 3), 0);
    EXPECT_EQ(m_modul.FindeIndexRelID(1, 3, 11, 0), 0);
    EXPECT_EQ(m_modul.FindeIndexRelID(1, 3, 0, 0), 0);
    EXPECT_EQ(m_modul.FindeIndexRelID(1, 4, 10, 1), 0);
}

TEST_F(StrukturDMTest, GetBildFeldStaysOnTheImageRowForTheCallerToLoad)
{
    TField* feld = m_modul.GetBildFeld(1, 3, 10, 1, 1);
    ASSERT_NE(feld, nullptr);
    EXPECT_EQ(feld->AsBytes(), QByteArray("Ähre groß"));
    EXPECT_EQ(m_modul.GetBildFeld(1, 3, 10, 3, 2), nullptr);
}

TEST_F(StrukturDMTest, OeffneBildlisteListsTheIllustratedValuesOfDatabaseOneInItemOrder)
{
    // The database argument does not matter: the strip reads database 1.
    ASSERT_TRUE(m_modul.OeffneBildliste(2, 3, 10, 5));
    TQuery& liste = m_modul.BildlisteQuery();
    ASSERT_TRUE(liste.Active());
    EXPECT_EQ(liste.RecordCount(), 2);
    EXPECT_EQ(liste.RecNo(), 1);
    QList<int> items;
    for (; !liste.Eof(); liste.Next()) {
        EXPECT_EQ(liste.FieldByName("DB")->AsInteger(), 1);
        EXPECT_EQ(liste.FieldByName("Grp")->AsInteger(), 3);
        EXPECT_EQ(liste.FieldByName("Krit")->AsInteger(), 10);
        EXPECT_TRUE(liste.FieldByName("Img")->AsBoolean());
        items << liste.FieldByName("Item")->AsInteger();
    }
    EXPECT_EQ(items, QList<int>({1, 2}));
    EXPECT_EQ(liste.SQL(), QStringList({"SELECT DISTINCT", "*", "FROM KRS_Rix", "WHERE",
                                        " (DB = 1) AND", " (Grp = 3) AND", " (Krit = 10) AND",
                                        " (Item > 0) and Img=True", "ORDER BY DB, Grp, Krit, Item,",
                                        "DB_RelID, Grp_RelID, Krit_RelID, Item_RelID, Img"}));
}

TEST_F(StrukturDMTest, OeffneBildlisteWithoutIllustratedValuesClosesTheQuery)
{
    ASSERT_TRUE(m_modul.OeffneBildliste(1, 3, 10, 0));
    EXPECT_FALSE(m_modul.OeffneBildliste(1, 3, 11, 0)); // only a hidden value
    EXPECT_FALSE(m_modul.BildlisteQuery().Active());
    EXPECT_FALSE(m_modul.OeffneBildliste(1, 3, 12, 0)); // nothing indexed
    EXPECT_FALSE(m_modul.BildlisteQuery().Active());
}

TEST(StrukturDM, DataWithoutStructureTablesShowsNoPictures)
{
    QTemporaryDir ohneBilder;
    KeyFixture::SchreibeKatItems(ohneBilder.path(), {});
    QTemporaryDir leer;
    for (const QString& dir : {ohneBilder.path(), leer.path() + "/fehlt"}) {
        TVD_StrukturDataModul modul(dir, nullptr);
        EXPECT_FALSE(modul.OeffneBildliste(1, 3, 10, 0)) << dir.toStdString();
        EXPECT_FALSE(modul.BildlisteQuery().Active());
        EXPECT_EQ(modul.FindeIndexRelID(1, 3, 10, 1), 0);
        EXPECT_TRUE(modul.GetBild(1, 3, 10, 1, 2).isNull());
    }
}

TEST(StrukturDM, TheProgramsModuleReadsTheDataDirectoryOfTheSetupBlock)
{
    QTemporaryDir dir;
    SchreibeStrukturtabellen(dir.path());
    const QString vorher = SetupBlock.GlobalDir;
    SetupBlock.GlobalDir = dir.path();
    TVerdan_StrukturDataModul modul;
    SetupBlock.GlobalDir = vorher;
    EXPECT_EQ(modul.DatenVerzeichnis(), dir.path());
    EXPECT_EQ(modul.GetBild(1, 3, 10, 2, 2), QByteArray("Ährchen klein"));
}

TEST(StrukturDM, GlossarBildAdresseReadsKeyFieldAndItemAndDrawsTheFamilyListUnder61)
{
    struct Fall
    {
        const char* code;
        TBildAdresse adresse;
    };
    const Fall faelle[] = {
        {"60x2x3", {61, 2, 3}}, {"61x10x8", {61, 10, 8}},
        {"3x10x1", {3, 10, 1}}, {" 61 x 5 x 2 ", {61, 5, 2}},
        {"61x2", {61, 2, 0}},   {"ax2x3", {0, 2, 3}},
        {"", {0, 0, 0}},        {"61X2X3", {0, 0, 0}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(GlossarBildAdresse(QString::fromUtf8(f.code)), f.adresse) << f.code;
}

// The drawings shipped with the data: every value of the keys the strip shows has both
// pictures, and every glossary term that names a drawing finds it.
TEST(StrukturDM, TheShippedDataHasTheDrawingsItsKeysAndGlossaryAskFor)
{
    const QString globalDir = QStringLiteral(VERDAN_DATA_DIR);
    if (!QFile::exists(globalDir + "/tables.sqlite")) GTEST_SKIP() << "no compiled data";
    auto katalog = ErstelleKatalog(globalDir);
    TVD_StrukturDataModul modul(globalDir, nullptr);
    auto istBild = [](const QByteArray& daten, QSize groesse) {
        QImage bild;
        return bild.loadFromData(daten, "PNG") && bild.size() == groesse;
    };
    for (int gruppe : {2, 3, 5}) {
        TVerdan_KriterienGruppe* g = katalog->GruppeNr(gruppe);
        ASSERT_NE(g, nullptr);
        for (TKR_DatenBankFeld* feld : *g) {
            const int k = feld->GetFeldNummer();
            ASSERT_TRUE(modul.OeffneBildliste(1, gruppe, k, 0)) << gruppe << '/' << k;
            EXPECT_EQ(modul.BildlisteQuery().RecordCount(), feld->GetItemAnzahl())
                << gruppe << '/' << k;
            for (int i = 1; i <= feld->GetItemAnzahl(); ++i) {
                EXPECT_TRUE(istBild(modul.GetBild(1, gruppe, k, i, 2), {110, 100}))
                    << gruppe << '/' << k << '/' << i;
                EXPECT_TRUE(istBild(modul.GetBild(1, gruppe, k, i, 1), {320, 300}))
                    << gruppe << '/' << k << '/' << i;
            }
        }
    }
    TTable glossar;
    glossar.SetDatabaseName(globalDir);
    glossar.SetTableName("VDB_61");
    glossar.Open();
    int mitBild = 0;
    for (glossar.First(); !glossar.Eof(); glossar.Next()) {
        const QString code = glossar.FieldByName("Code-Nummer")->AsString();
        if (code.isEmpty()) continue;
        const TBildAdresse a = GlossarBildAdresse(code);
        EXPECT_TRUE(istBild(modul.GetBild(1, a.Gruppe, a.Feld, a.Item, 1), {320, 300}))
            << code.toStdString();
        ++mitBild;
    }
    EXPECT_GT(mitBild, 0);
}

} // namespace
