#include "platform/Database.h"
#include "platform/DatabaseError.h"
#include "platform/EngineFixture.h"
#include "platform/LocalSql.h"
#include "platform/Query.h"

#include <random>

using namespace EngineFixture;

namespace {

class LocalSqlTest : public KeyDatabaseTest
{
protected:
    QString Translate(const QStringList& lines)
    {
        return TranslateLocalSql(lines, *TDatabase::Open(Dir(), TOpenMode::ReadOnly));
    }
};

TEST_F(LocalSqlTest, QuotesNameTablesAndColumnsOnlyWhereTheDialectSaysSo)
{
    const struct
    {
        QStringList lines;
        const char* sql;
    } cases[] = {
        {{"Select A.\"L\" From \"VDB_3\" A Where A.\"L\" = \"h\" Or A.L=\"*\""},
         R"(SELECT "A"."L" AS "L" FROM "VDB_3" AS "A" WHERE (("A"."L" = 'h') OR ("A"."L" = '*')))"},
        // Names take the schema's spelling; aliases keep the statement's.
        {{"select a.gattung, \"Blütezeit 1\" from vdb_1 a where a.\"BLÜTEZEIT 1\" = \"4\""},
         R"(SELECT "a"."Gattung" AS "Gattung", 'Blütezeit 1' FROM "VDB_1" AS "a" WHERE ("a"."Blütezeit 1" = '4'))"},
        {{"Select B.Deutsch ||  C.\"D-Gattung\" || A.SIP as Deutsch From VDB_3 A,",
          "VDB_1 B, VDB_6 C"},
         R"(SELECT (ifnull((ifnull("B"."Deutsch", '') || ifnull("C"."D-Gattung", '')), '') || ifnull("A"."SIP", '')) AS "Deutsch" FROM "VDB_3" AS "A", "VDB_1" AS "B", "VDB_6" AS "C")"},
        {{"Select * From KRS_Rix Where Img=True Or Img = false"},
         R"(SELECT * FROM "KRS_Rix" WHERE (("KRS_Rix"."Img" = 1) OR ("KRS_Rix"."Img" = 0)))"},
        // ORDER BY prefers the result's names, WHERE the tables'.
        {{"Select A.SIP as GR From VDB_3 A Where GR Is Not Null Order By GR Desc"},
         R"(SELECT "A"."SIP" AS "GR" FROM "VDB_3" AS "A" WHERE ("A"."GR" IS NOT NULL) ORDER BY "GR" DESC)"},
        {{"Select Distinct F.Familie From VDB_5 F Left Join VDB_60 G On F.FN = G.FN"},
         R"(SELECT DISTINCT "F"."Familie" AS "Familie" FROM "VDB_5" AS "F" LEFT OUTER JOIN "VDB_60" AS "G" ON ("F"."FN" = "G"."FN"))"},
    };
    for (const auto& c : cases) {
        try {
            EXPECT_EQ(Translate(c.lines), QString::fromUtf8(c.sql))
                << c.lines.join('\n').toStdString();
        } catch (const EDatabaseError& e) {
            ADD_FAILURE() << c.lines.join('\n').toStdString() << ": " << e.what();
        }
    }
}

TEST_F(LocalSqlTest, NestingIsBoundedWithoutExhaustingTheStack)
{
    const QString deep = "Select * From VDB_1 Where " + QString(100000, '(') + "1";
    const QString negations = "Select * From VDB_1 Where " + QString("NOT ").repeated(100000) + "1";
    QString chain = "Select * From VDB_1 Where ID = 1";
    for (int i = 0; i < 20000; ++i)
        chain += " AND ID = 1";
    for (const QString& statement : {deep, negations, chain}) {
        try {
            Translate({statement});
            ADD_FAILURE() << "no exception";
        } catch (const EDatabaseError& e) {
            EXPECT_TRUE(e.Message().startsWith("Statement nested too deeply")) << e.what();
        }
    }
    // A deep but sensible statement still runs.
    EXPECT_NO_THROW(
        Translate({"Select * From VDB_1 Where " + QString(50, '(') + "ID = 1" + QString(50, ')')}));
}

// The statements the program writes, as the seeds of the corpus below.
const QList<QStringList>& Seeds()
{
    static const QList<QStringList> seeds = {
        {"Select DISTINCT", "A.GR as Gruppe,", "A.ID as ID,", "A.SIP as Bezeichnung",
         "From \"VDB_3\" A", "WHERE", "   ((A.\"L\" = \"h\") OR (A.\"L\"=\"*\"))",
         "ORDER BY Bezeichnung"},
        {"Select DISTINCT", "A.GR as Gruppe,", "A.GN,", "A.ID as ID,", "A.GN as GN,", "A.FN as FN,",
         "B.Deutsch ||  C.\"D-Gattung\" || A.SIP as Deutsch,", "A.SIP as Bezeichnung",
         "From \"VDB_3\" A", "  Left Outer Join \"VDB_1\" B ON (A.ID = B.ID)",
         "  Left Outer Join \"VDB_6\" C ON (A.GN = C.GN)", "WHERE", "   (A.\"GN\" = 201)", "  AND",
         "   ((A.\"L\" = \"k\") OR (A.\"L\"=\"*\"))", "ORDER BY Deutsch, Bezeichnung"},
        {"Select DISTINCT", "A.GR as Gruppe,", "A.FN,", "A.Sippen as Sippen,",
         "B.\"D-Familie\" || \"/\" || B.\"Familie\" as Deutsch,", "A.Familie as Bezeichnung",
         "From \"VDB_5\" A", "  Left Outer Join \"VDB_60\" B ON (A.FN = B.FN)",
         "ORDER BY Deutsch, Bezeichnung"},
        {"Select DISTINCT", "A.GN,", "A.Gattung as Bezeichnung", "From \"VDB_6\" A", "WHERE",
         "  ( A.GN_SN is null)", "ORDER BY Bezeichnung"},
        {"Select ", "A.RelID,", "A.ID as ID,", "A.SIP as Bezeichnung", "From \"VDB_3\" A", "WHERE",
         "  ( A.ID=2 )", "ORDER BY Bezeichnung"},
        {"Select * From VDB_5", "where FN = 20"},
        {"SELECT DISTINCT", "*", "FROM KRS_Rix", "WHERE", " (DB = 1) AND", " (Grp = 3) AND",
         " (Krit = 10) AND", " (Item > 0) and Img=True", "ORDER BY DB, Grp, Krit, Item,",
         "DB_RelID, Grp_RelID, Krit_RelID, Item_RelID, Img"},
        {"SELECT DISTINCT", "  A.ID,", "  A.FN,", "  A.GN,", "  A.RelID,",
         "  A.Deutsch || G.\"D-Gattung\" as Deutsch", "FROM \"VDB_1\" A",
         "Left Outer Join \"VDB_6\" G ON (A.GN = G.GN)", "Where Deutsch > \"\"",
         "ORDER BY Deutsch"},
    };
    return seeds;
}

class TCorpus
{
public:
    explicit TCorpus(unsigned seed) : m_random(seed) {}

    QStringList Mutation()
    {
        QStringList lines = Seeds()[Pick(Seeds().size())];
        const int edits = 1 + Pick(3);
        for (int i = 0; i < edits; ++i)
            Mutate(lines);
        return lines;
    }

    QStringList Soup()
    {
        static const QStringList words = {
            "SELECT",    "DISTINCT", "*",     "FROM",  "WHERE",
            "ORDER",     "BY",       "AND",   "OR",    "NOT",
            "IS",        "NULL",     "AS",    "LEFT",  "OUTER",
            "JOIN",      "ON",       "IN",    "LIKE",  "BETWEEN",
            "GROUP",     "HAVING",   "True",  "False", "(",
            ")",         ",",        ".",     "||",    "=",
            "<>",        "<",        ">=",    "+",     "-",
            "/",         ";",        "A",     "B",     "A.",
            "\"VDB_3\"", "VDB_1",    "\"h\"", "'x'",   "\"\"",
            "5",         "0.5",      "ID",    "GN",    "\"D-Gattung\"",
            "Deutsch",   "Count",    "Upper", "--",    "/*",
            "*/",        "\"",       "'",     "ä",     "\t",
            "[",         "?",        "@",     "$",     "Ÿ",
            "𝔸"};
        QStringList lines{QString()};
        const int count = 1 + Pick(40);
        for (int i = 0; i < count; ++i) {
            if (Pick(8) == 0) lines << QString();
            lines.last() += words[Pick(words.size())] + (Pick(4) ? " " : "");
        }
        return lines;
    }

private:
    int Pick(qsizetype n)
    {
        return int(std::uniform_int_distribution<qsizetype>(0, n - 1)(m_random));
    }

    void Mutate(QStringList& lines)
    {
        static const QString alphabet = "\"'()*,.|=<>-/;: aZ_9äß\t\\[]";
        if (lines.isEmpty()) lines << QString();
        const int line = Pick(lines.size());
        QString& text = lines[line];
        const int at = Pick(text.size() + 1);
        switch (Pick(6)) {
        case 0: // cut the statement short
            lines = lines.mid(0, line + 1);
            lines.last().truncate(at);
            break;
        case 1:
            if (at < text.size()) text.remove(at, 1);
            break;
        case 2:
            text.insert(at, alphabet[Pick(alphabet.size())]);
            break;
        case 3:
            if (at < text.size()) text[at] = alphabet[Pick(alphabet.size())];
            break;
        case 4: // a line twice or a line lost
            if (Pick(2))
                lines.insert(line, lines[line]);
            else
                lines.removeAt(line);
            break;
        default: // swap two lines
            lines.swapItemsAt(line, Pick(lines.size()));
            break;
        }
    }

    std::mt19937 m_random;
};

// Whatever the statement, the engine answers with a result or with its one exception.
TEST_F(LocalSqlTest, ACorpusOfBrokenStatementsYieldsResultsOrDatabaseErrors)
{
    // One connection for the whole corpus, as the program's servers hold theirs.
    const auto connection = TDatabase::Open(Dir(), TOpenMode::ReadOnly);
    TCorpus corpus(20240611);
    int translated = 0;
    int failed = 0;
    for (int i = 0; i < 6000; ++i) {
        const QStringList lines = i % 3 == 2 ? corpus.Soup() : corpus.Mutation();
        TQuery query;
        query.SetDatabaseName(Dir());
        query.SetSQL(lines);
        try {
            query.Open();
            ++translated;
            for (query.First(); !query.Eof(); query.Next()) {
                for (int f = 0; f < query.FieldCount(); ++f)
                    query.Fields(f)->DisplayText();
            }
        } catch (const EDatabaseError& e) {
            ++failed;
            EXPECT_FALSE(e.Message().isEmpty());
            EXPECT_FALSE(query.Active());
        } catch (const std::exception& e) {
            ADD_FAILURE() << "other exception " << e.what() << " for\n"
                          << lines.join('\n').toStdString();
        }
    }
    // The corpus reaches both the engine and the error paths.
    EXPECT_GT(translated, 300);
    EXPECT_GT(failed, 3000);
}

} // namespace
