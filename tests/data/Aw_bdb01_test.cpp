#include "app/KR_MYSYS.h"
#include "data/Aw_bdb01.h"
#include "data/ServerFixture.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "key/Verdan_Definition.h"
#include "platform/DatabaseError.h"

#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class TZaehlTabelle : public TBDB_Table
{
public:
    using TBDB_Table::TBDB_Table;
    void SyncToServer() override { ++Abgleiche; }
    int Abgleiche = 0;
};

// A server that opens "VDB_<n>" and counts how often it was asked to.
class TZaehlServer : public TBDB_SERVER
{
public:
    using TBDB_SERVER::TBDB_SERVER;

    void OpenTable(int nummer) override
    {
        ++Oeffnungen;
        auto* tabelle = new TZaehlTabelle(this, nummer);
        tabelle->SetTableName(QStringLiteral("VDB_%1").arg(nummer));
        ApplySessionDaten(SessionDaten(), tabelle);
        tabelle->Open();
        GetAccess(nummer) = tabelle;
    }
    int Oeffnungen = 0;
};

class BdbServer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ServerFixture::BaueDatenbank(Dir());
        m_katalog = ErstelleKatalog(Dir());
    }
    QString Dir() const { return m_temp.path() + "/GLOBAL"; }
    std::unique_ptr<TZaehlServer> NeuerServer()
    {
        return std::make_unique<TZaehlServer>(nullptr, nullptr, m_katalog.get(), Dir());
    }

    QTemporaryDir m_temp;
    std::unique_ptr<TVerdan_Benutzerdatenbank> m_katalog;
};

TEST_F(BdbServer, OpensATableOnFirstUseAndHandsOutTheSameObjectAfterSyncingIt)
{
    auto server = NeuerServer();
    TBDB_Table* erste = server->GetTable(3);
    TBDB_Table* zweite = server->GetTable(3);
    EXPECT_EQ(erste, zweite);
    EXPECT_EQ(server->Oeffnungen, 1);
    EXPECT_EQ(static_cast<TZaehlTabelle*>(erste)->Abgleiche, 2);
    EXPECT_EQ(erste->Nummer(), 3);
    EXPECT_EQ(erste->Server(), server.get());
    EXPECT_EQ(erste->parent(), server.get());
    EXPECT_TRUE(erste->Active());
}

TEST_F(BdbServer, KeepsTheDatabaseAndListsItsTables)
{
    SetupBlock.GlobalReadOnly = true;
    auto server = NeuerServer();
    SetupBlock.GlobalReadOnly = false;
    EXPECT_EQ(server->DatabaseName(), Dir());
    EXPECT_TRUE(server->SessionDaten().ReadOnly);
    EXPECT_EQ(server->Benutzerdatenbank(), m_katalog.get());
    EXPECT_EQ(server->TabellenNamen().join(u' ').toStdString(),
              "VDB_1 VDB_22 VDB_3 VDB_4 VDB_42 VDB_5 VDB_6 VDB_60");
}

TEST_F(BdbServer, AnErrorWhileListingTheTablesLeavesTheConstructor)
{
    EXPECT_THROW(TZaehlServer(nullptr, nullptr, m_katalog.get(), m_temp.path() + "/nirgends"),
                 EDatabaseError);
}

TEST_F(BdbServer, TheBaseOpensNoTableAndAMissingTableReachesTheCaller)
{
    TBDB_SERVER basis(nullptr, nullptr, m_katalog.get(), Dir());
    EXPECT_THROW(basis.GetTable(3), EBDB_Exception);
    EXPECT_FALSE(basis.Locate(1));

    auto server = NeuerServer();
    EXPECT_THROW(server->GetTable(2), EDatabaseError); // VDB_2 is not in the fixture
}

TEST_F(BdbServer, TablesGoWithTheirServer)
{
    QPointer<TBDB_Table> tabelle;
    {
        auto server = NeuerServer();
        tabelle = server->GetTable(1);
        ASSERT_FALSE(tabelle.isNull());
    }
    EXPECT_TRUE(tabelle.isNull());
}

TEST_F(BdbServer, NumbersOutsideTheCatalogueEndTheProgramAfterTheMessage)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int nummer : {0, -1, 109, 501})
        EXPECT_EXIT(NeuerServer()->GetTable(nummer), ::testing::ExitedWithCode(1),
                    "BDB_SERVER: ERROR: GetAccess, Tabellen noch nicht definiert")
            << nummer;
    // The catalogue has 61 keys; slots run to 99.
    EXPECT_EXIT(NeuerServer()->GetTable(62), ::testing::ExitedWithCode(1),
                "BDB_SERVER: ERROR: GetAccess, Nicht initalisierte Tabelle aufgerufen");
}

TEST_F(BdbServer, ReservedNumbersHaveEmptySlots)
{
    auto server = NeuerServer();
    for (int nummer : {61, 100, 108, 500})
        EXPECT_EQ(server->GetAccess(nummer), nullptr) << nummer;
}

TEST(ApplySessionDaten, GivesTablesDatabaseAndReadOnlyAndQueriesOnlyTheDatabase)
{
    const TKR_SessionDaten daten{QStringLiteral("/daten"), false};
    TKR_Table tabelle;
    tabelle.SetReadOnly(true);
    ApplySessionDaten(daten, &tabelle);
    EXPECT_EQ(tabelle.DatabaseName(), "/daten");
    EXPECT_FALSE(tabelle.ReadOnly());

    TKR_Query abfrage;
    ApplySessionDaten(daten, &abfrage);
    EXPECT_EQ(abfrage.DatabaseName(), "/daten");

    ApplySessionDaten(daten, nullptr);
}

TEST_F(BdbServer, DataSetRecNoIsTheCurrentRecordOfAnOpenNonEmptySet)
{
    EXPECT_EQ(DataSetRecNo(nullptr), 0);

    TKR_Table tabelle;
    tabelle.SetDatabaseName(Dir());
    tabelle.SetTableName("VDB_3");
    EXPECT_EQ(DataSetRecNo(&tabelle), 0);
    tabelle.Open();
    tabelle.MoveBy(2);
    EXPECT_EQ(DataSetRecNo(&tabelle), 3);

    TKR_Query leer;
    leer.SetDatabaseName(Dir());
    leer.SetSQL({"Select * From VDB_3 Where ID = 999"});
    leer.Open();
    EXPECT_EQ(DataSetRecNo(&leer), 0);
}

} // namespace
