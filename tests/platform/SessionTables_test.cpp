#include "platform/DatabaseError.h"
#include "platform/EngineFixture.h"
#include "platform/Session.h"
#include "platform/Table.h"

using namespace EngineFixture;

namespace {

TEST(SessionTables, ListsTheTablesOfADirectoryByPattern)
{
    QTemporaryDir temp;
    BuildKeyDatabase(temp.path());
    const struct
    {
        const char* pattern;
        bool withExtensions;
        QStringList names;
    } cases[] = {
        {"",
         false,
         {"KRS_R2i", "KRS_R3i", "KRS_Rix", "VDB_1", "VDB_3", "VDB_4", "VDB_5", "VDB_6", "VDB_60",
          "VDB_61"}},
        {"vdb_6*", false, {"VDB_6", "VDB_60", "VDB_61"}},
        {"VDB_?", true, {"VDB_1.DB", "VDB_3.DB", "VDB_4.DB", "VDB_5.DB", "VDB_6.DB"}},
        {"KRS_R3i.DB", false, {"KRS_R3i"}},
        {"Fehlt*", false, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Session().GetTableNames(temp.path(), c.pattern, c.withExtensions, false), c.names)
            << c.pattern;

    try {
        Session().GetTableNames(temp.path() + "/leer", "*", false, false);
        FAIL() << "no exception";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().contains(temp.path() + "/leer/tables.sqlite")) << e.what();
    }
}

TEST(SessionTables, DeletesATableThatOpenDataSetsThenNoLongerFind)
{
    QTemporaryDir temp;
    BuildKeyDatabase(temp.path());
    TTable other; // keeps a connection of the directory open meanwhile
    other.SetDatabaseName(temp.path());
    other.SetTableName("VDB_1");
    other.Open();
    other.Close();

    for (const QString& name : Session().GetTableNames(temp.path(), "VDB_6*", true, false))
        Session().DeleteTable(temp.path(), name);
    EXPECT_EQ(Session().GetTableNames(temp.path(), "VDB_6*", false, false), QStringList());
    EXPECT_EQ(Session().GetTableNames(temp.path(), "", false, false).size(), 7);

    TTable table;
    table.SetDatabaseName(temp.path());
    table.SetTableName("VDB_60");
    EXPECT_THROW(table.Open(), EDatabaseError);
    try {
        Session().DeleteTable(temp.path(), "VDB_60");
        FAIL() << "no exception";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().startsWith("Table 'VDB_60' not found")) << e.what();
    }
}

} // namespace
