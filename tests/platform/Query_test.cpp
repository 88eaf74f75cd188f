#include "platform/DatabaseError.h"
#include "platform/EngineFixture.h"
#include "platform/Query.h"
#include "platform/Table.h"

using namespace EngineFixture;

namespace {

class QueryTest : public KeyDatabaseTest
{
protected:
    void Run(TQuery& query, const QStringList& lines)
    {
        query.SetDatabaseName(Dir());
        query.SetSQL(lines);
        query.Open();
    }

    // Every record as its fields' texts joined by "|", from the first record on.
    static QStringList Rows(TQuery& query)
    {
        QStringList rows;
        for (query.First(); !query.Eof(); query.Next()) {
            QStringList values;
            for (int i = 0; i < query.FieldCount(); ++i)
                values << query.Fields(i)->AsString();
            rows << values.join('|');
        }
        return rows;
    }

    QString ErrorOf(const QStringList& lines)
    {
        TQuery query;
        try {
            Run(query, lines);
        } catch (const EDatabaseError& e) {
            EXPECT_FALSE(query.Active());
            return e.Message();
        }
        return QStringLiteral("(no exception)");
    }
};

// The statements the program writes, in the shapes its keys produce, run unchanged.
TEST_F(QueryTest, TheProgramsStatementsRunUnchanged)
{
    const struct
    {
        const char* name;
        QStringList lines;
        QStringList fields;
        QStringList rows;
    } cases[] = {
        {"key 3, item h ticked",
         {"Select DISTINCT", "A.GR as Gruppe,", "A.ID as ID,", "A.SIP as Bezeichnung",
          "From \"VDB_3\" A", "WHERE", "   ((A.\"L\" = \"h\") OR (A.\"L\"=\"*\"))",
          "ORDER BY Bezeichnung"},
         {"Gruppe", "ID", "Bezeichnung"},
         {"|1|Acer campestre", "|2|Acer platanoides"}},
        {"key 3, German names, genus and two ticks",
         {"Select DISTINCT", "A.GR as Gruppe,", "A.GN,", "A.ID as ID,", "A.GN as GN,",
          "A.FN as FN,", "B.Deutsch ||  C.\"D-Gattung\" || A.SIP as Deutsch,",
          "A.SIP as Bezeichnung", "From \"VDB_3\" A",
          "  Left Outer Join \"VDB_1\" B ON (A.ID = B.ID)",
          "  Left Outer Join \"VDB_6\" C ON (A.GN = C.GN)", "WHERE", "   (A.\"GN\" = 201)", "  AND",
          "   ((A.\"L\" = \"k\") OR (A.\"L\"=\"*\"))", "  AND",
          "   ((A.\"BF\" = \"1\") OR (A.\"BF\"=\"*\"))", "ORDER BY Deutsch, Bezeichnung"},
         {"Gruppe", "GN", "ID", "GN_1", "FN", "Deutsch", "Bezeichnung"},
         // The species has no German name: a blank joins as empty text.
         {"Doldenblütler|201|4|201|20|KerbelAnthriscus sylvestris|Anthriscus sylvestris",
          "Doldenblütler|201|4|201|20|KälberkropfAnthriscus sylvestris|Anthriscus sylvestris"}},
        {"key 3, family restriction, German names",
         {"Select DISTINCT", "A.GR as Gruppe,", "A.ID as ID,", "A.GN as GN,", "A.FN as FN,",
          "B.Deutsch ||  C.\"D-Gattung\" || A.SIP as Deutsch,", "A.SIP as Bezeichnung",
          "From \"VDB_3\" A", "  Left Outer Join \"VDB_1\" B ON (A.ID = B.ID)",
          "  Left Outer Join \"VDB_6\" C ON (A.GN = C.GN)", "WHERE", "   (A.\"FN\" = 10)",
          "ORDER BY Deutsch, Bezeichnung"},
         {"Gruppe", "ID", "GN", "FN", "Deutsch", "Bezeichnung"},
         {"|1|100|10|Feld-AhornAhornAcer campestre|Acer campestre",
          "|2|100|10|Spitz-AhornAhornAcer platanoides|Acer platanoides"}},
        {"key 3, row filter",
         {"Select ", "A.RelID,", "A.GR as Gruppe,", "A.ID as ID,", "A.SIP as Bezeichnung",
          "From \"VDB_3\" A", "WHERE", "  ( A.ID=2 )", "ORDER BY Bezeichnung"},
         {"RelID", "Gruppe", "ID", "Bezeichnung"},
         {"2||2|Acer platanoides"}},
        {"key 3 with genus names",
         {"Select DISTINCT", "A.ID as ID,", "C.Gattung as Gattung,", "A.SIP as Bezeichnung",
          "From \"VDB_3\" A", "  Left Outer Join \"VDB_6\" C ON (A.GN = C.GN)", "WHERE",
          "   (A.\"GN\" = 200)", "ORDER BY Gattung, Bezeichnung"},
         {"ID", "Gattung", "Bezeichnung"},
         {"3|Aethusa|Aethusa cynapium"}},
        {"key 5, German names",
         {"Select DISTINCT", "A.GR as Gruppe,", "A.FN,", "A.Sippen as Sippen,",
          "B.\"D-Familie\" || \"/\" || B.\"Familie\" as Deutsch,", "A.Familie as Bezeichnung",
          "From \"VDB_5\" A", "  Left Outer Join \"VDB_60\" B ON (A.FN = B.FN)",
          "ORDER BY Deutsch, Bezeichnung"},
         {"Gruppe", "FN", "Sippen", "Deutsch", "Bezeichnung"},
         {"|30||/Lamiaceae|Lamiaceae", "|10|2 Arten|Ahorngewächse/Aceraceae|Aceraceae",
          "Doldenblütler|20|viele|Doldengewächse/Apiaceae|Apiaceae"}},
        {"key 5, a tick",
         {"Select DISTINCT", "A.GR as Gruppe,", "A.FN,", "A.Sippen as Sippen,",
          "A.Familie as Bezeichnung", "From \"VDB_5\" A", "WHERE",
          "   ((A.\"BS\" = \"b\") OR (A.\"BS\"=\"*\"))", "ORDER BY Bezeichnung, Sippen"},
         {"Gruppe", "FN", "Sippen", "Bezeichnung"},
         {"Doldenblütler|20|viele|Apiaceae", "|30||Lamiaceae"}},
        {"key 6 without German names",
         {"Select DISTINCT", "A.GN,", "A.Gattung as Bezeichnung", "From \"VDB_6\" A", "WHERE",
          "  ( A.GN_SN is null)", "ORDER BY Bezeichnung"},
         {"GN", "Bezeichnung"},
         {"100|Acer", "200|Aethusa", "300|Ajuga", "201|Anthriscus"}},
        {"key 6 with German names",
         {"Select DISTINCT", "A.GN,", "A.GN_SN,", "A.\"D-Gattung\" as Deutsch,",
          "A.Gattung as Bezeichnung", "From \"VDB_6\" A", "ORDER BY Deutsch, Bezeichnung"},
         {"GN", "GN_SN", "Deutsch", "Bezeichnung"},
         {"300|||Ajuga", "100||Ahorn|Acer", "200||Hundspetersilie|Aethusa",
          "201||Kerbel|Anthriscus", "201|200|Kälberkropf|Chaerophyllum"}},
        {"key 4 with German names",
         {"Select DISTINCT", "A.\"D-Gruppe\" as Deutsch,", "A.Gruppe as Bezeichnung",
          "From \"VDB_4\" A", "ORDER BY Deutsch, Bezeichnung"},
         {"Deutsch", "Bezeichnung"},
         {"|Grundtabelle", "Doldengewächse|Doldenblütler"}},
        {"key criteria of a taxon",
         {"Select * From VDB_3", "where ID = 4"},
         {},
         {"4|4|201|20|Anthriscus sylvestris|Doldenblütler|k|*|"}},
        {"key criteria of a family",
         {"Select * From VDB_5", "where FN = 20"},
         {},
         {"20|Apiaceae|viele|Doldenblütler|*"}},
        {"illustrated values of a criterion",
         {"SELECT DISTINCT", "*", "FROM KRS_Rix", "WHERE", " (DB = 1) AND", " (Grp = 3) AND",
          " (Krit = 10) AND", " (Item > 0) and Img=True", "ORDER BY DB, Grp, Krit, Item,",
          "DB_RelID, Grp_RelID, Krit_RelID, Item_RelID, Img"},
         {"DB", "Grp", "Krit", "Item", "DB_RelID", "Grp_RelID", "Krit_RelID", "Item_RelID", "Img"},
         {"1|3|10|1|1|3|30|301|True", "1|3|10|2|1|3|30|302|True"}},
        {"species by German name",
         {"SELECT DISTINCT", "  A.ID,", "  A.FN,", "  A.GN,", "  A.RelID,",
          "  A.Deutsch || G.\"D-Gattung\" as Deutsch", "FROM \"VDB_1\" A",
          "Left Outer Join \"VDB_6\" G ON (A.GN = G.GN)", "Where Deutsch > \"\"",
          "ORDER BY Deutsch"},
         {"ID", "FN", "GN", "RelID", "Deutsch"},
         {"1|10|100|1|Feld-AhornAhorn", "3|20|200|3|HundspetersilieHundspetersilie",
          "5|30|300|5|Kriechender Günsel", "6|30|301|6|Mais", "2|10|100|2|Spitz-AhornAhorn"}},
    };
    for (const auto& c : cases) {
        TQuery query;
        try {
            Run(query, c.lines);
        } catch (const EDatabaseError& e) {
            ADD_FAILURE() << c.name << ": " << e.what();
            continue;
        }
        if (!c.fields.isEmpty()) {
            EXPECT_EQ(query.FieldNames(), c.fields) << c.name;
        }
        EXPECT_EQ(Rows(query), c.rows) << c.name;
        EXPECT_EQ(query.RecordCount(), c.rows.size()) << c.name;
    }
}

TEST_F(QueryTest, TheResultIsHeldForMovesCountsAndBookmarks)
{
    TQuery query;
    Run(query, {"Select ID, Gattung, Text, Deutsch || \"!\" as Ruf From VDB_1 Order By ID Desc"});
    EXPECT_EQ(query.RecordCount(), 6);
    EXPECT_EQ(query.RecNo(), 1);
    EXPECT_EQ(query.FieldByName("ID")->AsInteger(), 6);
    EXPECT_EQ(query.FieldByName("ID")->DataType(), TFieldType::Integer);
    EXPECT_EQ(query.FieldByName("Gattung")->DataType(), TFieldType::String);
    EXPECT_EQ(query.FieldByName("Gattung")->Size(), 21);
    EXPECT_EQ(query.FieldByName("Text")->DataType(), TFieldType::Memo);
    EXPECT_EQ(query.FieldByName("Ruf")->DataType(), TFieldType::String);
    EXPECT_EQ(query.FieldByName("ruf")->AsString(), "Mais!");
    EXPECT_EQ(query.MoveBy(3), 3);
    const TBookmark third = query.GetBookmark();
    EXPECT_EQ(query.FieldByName("ID")->AsInteger(), 3);
    query.Last();
    EXPECT_EQ(query.FieldByName("Text")->AsString(), "Baum.");
    EXPECT_TRUE(query.Locate("gattung", "Zea"));
    EXPECT_EQ(query.RecNo(), 1);
    EXPECT_FALSE(query.Locate("ID", 99));
    query.GotoBookmark(third);
    EXPECT_EQ(query.RecNo(), 4);

    query.SetSQL({"Select * From VDB_1 Where ID = 0"}); // closes the query
    EXPECT_FALSE(query.Active());
    query.Open();
    EXPECT_TRUE(query.IsEmpty());
    EXPECT_EQ(query.RecNo(), 0);
    EXPECT_FALSE(query.BookmarkValid(third));
    EXPECT_EQ(query.FieldByName("Gattung")->AsString(), "");
}

TEST_F(QueryTest, NamesMatchWithoutLetterCaseAndLiteralsFollowTheDialect)
{
    const struct
    {
        QStringList lines;
        QStringList rows;
    } cases[] = {
        {{"select a.\"BLÜTEZEIT 1\" AS bz from \"vdb_1.db\" a where A.ID = 3"}, {"6"}},
        {{"Select Count(*) As N, Max(Gattung) From Vdb_3 A, Vdb_1 B Where a.id = b.ID"},
         {"5|Äthusa"}},
        {{"Select Item From KRS_Rix Where Img = False And DB = 1 Order By Item"}, {"1", "3"}},
        {{"Select Gattung From VDB_1 Where Upper(Gattung) = 'ÄTHUSA'"}, {"Äthusa"}},
        {{"Select Gattung From VDB_1 Where Gattung Like 'A%' Order By 1"},
         {"Acer", "Acer", "Anthriscus"}}, // LIKE respects letter case
        {{"Select SIP From VDB_3 Where L In (\"h\", \"H\") And Not (BF Between '0' And '0')"},
         {"Acer campestre", "Aethusa cynapium"}},
        {{"Select 'it''s' || \"say \"\"hi\"\"\" As T From VDB_4 Where Gruppe = 'Grundtabelle';"},
         {"it'ssay \"hi\""}},
        {{"Select -ID * 2 + 1 As N From VDB_1 /* a comment",
          "spanning lines */ Where ID = 2 -- end"},
         {"-3"}},
    };
    for (const auto& c : cases) {
        TQuery query;
        try {
            Run(query, c.lines);
            EXPECT_EQ(Rows(query), c.rows) << c.lines.join('\n').toStdString();
        } catch (const EDatabaseError& e) {
            ADD_FAILURE() << c.lines.join('\n').toStdString() << ": " << e.what();
        }
    }
}

TEST_F(QueryTest, BadStatementsSayWhatAndWhere)
{
    const struct
    {
        QStringList lines;
        const char* message;
    } cases[] = {
        {{"Select DISTINCT", "A.GR as Gruppe,", "A.Fehlt as ID", "From \"VDB_3\" A"},
         "Unknown column 'A.Fehlt' (line 3, column 3)"},
        {{"Select *", "From \"VDB_99\" A"}, "Table 'VDB_99' not found (line 2, column 6)"},
        {{"Select *", "From VDB_3 A", "Where (A.\"L\" = \"h)"},
         "Unterminated string (line 3, column 16)"},
        {{"Select * From VDB_3", "Where L = [h]"}, "Unexpected character '[' (line 2, column 11)"},
        {{"Select X.GR From VDB_3 A"}, "Unknown table or alias 'X' (line 1, column 8)"},
        {{"Select GN From VDB_3 A, VDB_6 B"}, "Ambiguous column 'GN' (line 1, column 8)"},
        {{"Select Gattung From VDB_1", "Where Fehlt = 1"},
         "Unknown column 'Fehlt' (line 2, column 7)"},
        {{"Select * From VDB_1", "Order By"}, "Unexpected end of the statement (line 2, column 9)"},
        {{"Select * From VDB_1 Where Soundex(Art) = 1"},
         "Unknown function 'Soundex' (line 1, column 27)"},
        {{"Delete From VDB_1"},
         "Unexpected 'Delete': a statement begins with SELECT (line 1, column 1)"},
        {{"Select * From VDB_1; Drop Table VDB_1"}, "Unexpected 'Drop' (line 1, column 22)"},
        {{"", "  "}, "Empty statement (line 2, column 3)"},
        {{"Select * From VDB_1 A, VDB_3 a"}, "Table or alias 'a' named twice (line 1, column 30)"},
        {{"Select * From VDB_1 Where ID = 12abc"},
         "Unexpected 'a' after a number (line 1, column 34)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf(c.lines), c.message) << c.lines.join('\n').toStdString();
}

} // namespace
