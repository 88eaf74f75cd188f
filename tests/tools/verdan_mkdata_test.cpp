#include "platform/Database.h"
#include "platform/Field.h"
#include "platform/Table.h"
#include "verdan-mkdata/DataSources.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>
#include <map>

namespace {

using TFiles = std::map<QString, QByteArray>; // path below the source directory -> content

// A small source: table T with every type, the header in another order than the schema,
// escapes, blanks and numbered auto-increments; table K with a primary key of two columns.
TFiles GoodSource()
{
    return {
        {"tables/T.schema", "# a test table\n"
                            "Nr\t+\n"
                            "Name\tA8\n"
                            "BLS\tA3\n"
                            "Zahl\tI\n"
                            "Klein\tS\n"
                            "Ja\tL\n"
                            "\n"
                            "Text\tM\n"
                            "Bild\tB\n"
                            "@primary\tNr\n"
                            "@index\tIX_Name\tName\n"},
        {"tables/T.tsv",
         "Name\tNr\tBLS\tZahl\tKlein\tJa\tText\tBild\n"
         "Kätzchen\t\tabc\t-2147483648\t32767\t1\tZeile 1\\nZeile 2\\t\\\\\tblatt.png\n"
         "Öhrchen\t7\t\t2147483647\t-32768\t0\t\t\n"
         "\t\t\t\t\t\t\t\n"},
        {"tables/K.schema", "Schlüssel\tA5\nWert\tI\n@primary\tSchlüssel\tWert\n"},
        {"tables/K.tsv", "Wert\tSchlüssel\r\n1\ta\r\n1\tb\r\n2\ta\r\n"},
        {"pictures/blatt.png", QByteArray("\x89PNG\r\n\x1a\n-picture-bytes", 21)},
    };
}

class VerdanMkdata : public ::testing::Test
{
protected:
    QString Source() const { return m_dir.path() + "/data"; }
    QString Target() const { return m_dir.path() + "/out/GLOBAL"; }
    QString Database() const { return Target() + "/tables.sqlite"; }

    void WriteSource(const TFiles& files)
    {
        for (const auto& [name, content] : files)
            WriteFile(Source() + '/' + name, content);
    }

    static void WriteFile(const QString& path, const QByteArray& content)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        file.write(content);
    }

    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    int Run(const QStringList& arguments)
    {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out);
        QTextStream err(&m_err);
        return RunMkdata(arguments, out, err);
    }

    QTemporaryDir m_dir;
    QString m_out;
    QString m_err;
};

TEST_F(VerdanMkdata, ReadsEveryTypeInSchemaOrder)
{
    WriteSource(GoodSource());
    const TSourceTable table = ReadSourceTable(Source() + "/tables/T.schema",
                                               Source() + "/tables/T.tsv", Source() + "/pictures");

    EXPECT_EQ(table.Def.Name, "T");
    ASSERT_EQ(table.Def.Columns.size(), 8);
    EXPECT_EQ(table.Def.Columns[2].Name, "BLS");
    EXPECT_EQ(table.Def.Columns[2].Type, TFieldType::String);
    EXPECT_EQ(table.Def.Columns[2].Size, 3);
    EXPECT_EQ(table.Def.PrimaryKey, QStringList{"Nr"});
    ASSERT_EQ(table.Def.Indexes.size(), 1);
    EXPECT_EQ(table.Def.Indexes[0].Name, "IX_Name");

    ASSERT_EQ(table.Rows.size(), 3);
    EXPECT_EQ(table.Rows[0].Line, 2);
    const QVariantList& first = table.Rows[0].Values;
    // Blank auto-increments are numbered after the largest one given (7).
    EXPECT_EQ(first[0], QVariant(8));
    EXPECT_EQ(first[1], QVariant(QString("Kätzchen")));
    EXPECT_EQ(first[2], QVariant(QString("abc")));
    EXPECT_EQ(first[3], QVariant(-2147483647 - 1));
    EXPECT_EQ(first[4], QVariant(32767));
    EXPECT_EQ(first[5], QVariant(true));
    EXPECT_EQ(first[6], QVariant(QString("Zeile 1\nZeile 2\t\\")));
    EXPECT_EQ(QFileInfo(first[7].toString()).canonicalFilePath(),
              QFileInfo(Source() + "/pictures/blatt.png").canonicalFilePath());

    const QVariantList& second = table.Rows[1].Values;
    EXPECT_EQ(second[0], QVariant(7));
    EXPECT_EQ(second[3], QVariant(2147483647));
    EXPECT_EQ(second[4], QVariant(-32768));
    EXPECT_EQ(second[5], QVariant(false));
    EXPECT_TRUE(second[2].isNull());
    EXPECT_TRUE(second[6].isNull());
    EXPECT_TRUE(second[7].isNull());

    const QVariantList& blank = table.Rows[2].Values;
    EXPECT_EQ(blank[0], QVariant(9));
    for (qsizetype i = 1; i < blank.size(); ++i)
        EXPECT_TRUE(blank[i].isNull()) << i;
}

TEST_F(VerdanMkdata, CompilesIntoANewDirectoryAndReplacesThePreviousDatabase)
{
    WriteSource(GoodSource());
    WriteFile(Database(), "previous database");

    ASSERT_EQ(Run({Source(), Target()}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_err.isEmpty()) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains("2 tables, 6 rows")) << m_out.toStdString();
    EXPECT_TRUE(ReadFile(Database()).startsWith("SQLite format 3"));
    EXPECT_EQ(QDir(Target()).entryList(QDir::Files | QDir::Hidden), QStringList{"tables.sqlite"});
}

TEST_F(VerdanMkdata, CompiledTablesReadBackThroughTheEngine)
{
    WriteSource(GoodSource());
    ASSERT_EQ(Run({Source(), Target()}), 0) << m_err.toStdString();

    TTable table;
    table.SetDatabaseName(Target());
    table.SetTableName("T");
    table.Open();
    EXPECT_EQ(table.GetIndexNames(), QStringList{"IX_Name"});
    ASSERT_EQ(table.RecordCount(), 3);
    const auto field = [&](const char* name) { return table.FieldByName(name); };

    table.First(); // the primary index orders by Nr: 7, then the numbered 8 and 9
    EXPECT_EQ(field("Nr")->AsInteger(), 7);
    EXPECT_EQ(field("Name")->AsString(), "Öhrchen");
    EXPECT_EQ(field("Zahl")->AsInteger(), 2147483647);
    EXPECT_EQ(field("Klein")->AsInteger(), -32768);
    EXPECT_FALSE(field("Ja")->IsNull());
    EXPECT_FALSE(field("Ja")->AsBoolean());
    EXPECT_TRUE(field("BLS")->IsNull());
    EXPECT_TRUE(field("Bild")->IsNull());

    table.Next();
    EXPECT_EQ(field("Nr")->AsInteger(), 8);
    EXPECT_EQ(field("Name")->AsString(), "Kätzchen");
    EXPECT_EQ(field("Zahl")->AsInteger(), -2147483647 - 1);
    EXPECT_TRUE(field("Ja")->AsBoolean());
    EXPECT_EQ(field("Text")->AsString(), "Zeile 1\nZeile 2\t\\");
    EXPECT_EQ(field("Bild")->AsBytes(), GoodSource().at("pictures/blatt.png"));

    table.Next();
    EXPECT_EQ(field("Nr")->AsInteger(), 9);
    for (const char* name : {"Name", "BLS", "Zahl", "Klein", "Ja", "Text", "Bild"})
        EXPECT_TRUE(field(name)->IsNull()) << name;
    table.Close();

    TTable keys;
    keys.SetDatabaseName(Target());
    keys.SetTableName("K");
    keys.Open();
    QStringList rows;
    for (keys.First(); !keys.Eof(); keys.Next())
        rows << keys.FieldByName("Schlüssel")->AsString() + keys.FieldByName("Wert")->AsString();
    EXPECT_EQ(rows, QStringList({"a1", "a2", "b1"}));
}

TEST_F(VerdanMkdata, SourceWithoutTablesGivesAnEmptyDatabase)
{
    QDir().mkpath(Source());
    ASSERT_EQ(Run({Source(), Target()}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains("0 tables, 0 rows")) << m_out.toStdString();
    EXPECT_TRUE(TDatabase::Open(Target())->TableNames().isEmpty());
}

TEST_F(VerdanMkdata, WrongUsageAndMissingSource)
{
    EXPECT_EQ(Run({Source()}), 2);
    EXPECT_TRUE(m_err.startsWith("usage: verdan-mkdata SOURCE DIRECTORY"));

    EXPECT_EQ(Run({Source(), Target()}), 1);
    EXPECT_EQ(m_err, Source() + ": no such directory\n");
    EXPECT_FALSE(QFileInfo::exists(Target()));
}

struct MalformedCase
{
    const char* what;
    TFiles changes;   // files of the good source replaced or added
    const char* file; // the file named in the message, below the source directory
    int line;         // 0: the message names no line
    QString reason;
};

TEST_F(VerdanMkdata, MalformedSourceStopsWithFileLineAndReasonAndKeepsTheOldDatabase)
{
    const QByteArray header = "Name\tNr\tBLS\tZahl\tKlein\tJa\tText\tBild\n";
    const QByteArray good = "A\t1\t\t\t\t\t\t\n";
    const auto row = [&](const QByteArray& line) { return header + good + line + "\n"; };
    const QByteArray schemaColumns = "Nr\t+\nName\tA8\nBLS\tA3\nZahl\tI\nKlein\tS\nJa\tL\n"
                                     "Text\tM\nBild\tB\n";

    const MalformedCase cases[] = {
        {"text too long",
         {{"tables/T.tsv", row("B\t\tKätzchenartig\t\t\t\t\t")}},
         "tables/T.tsv",
         3,
         "column \"BLS\": text \"Kätzchenartig\" is longer than A3"},
        {"percent signs in the text stay as they are",
         {{"tables/T.tsv", row("B\t\t%1%2\t\t\t\t\t")}},
         "tables/T.tsv",
         3,
         "column \"BLS\": text \"%1%2\" is longer than A3"},
        {"unknown column in the header",
         {{"tables/T.tsv", header.trimmed() + "\tFarbe\n"}},
         "tables/T.tsv",
         1,
         "unknown column \"Farbe\""},
        {"column twice in the header",
         {{"tables/T.tsv", header.trimmed() + "\tNr\n"}},
         "tables/T.tsv",
         1,
         "column \"Nr\" appears twice"},
        {"column of the schema missing in the header",
         {{"tables/T.tsv", "Name\tNr\tBLS\tZahl\tKlein\tJa\tText\n"}},
         "tables/T.tsv",
         1,
         "column \"Bild\" of the schema is missing"},
        {"empty data file", {{"tables/T.tsv", ""}}, "tables/T.tsv", 1, "no header line"},
        {"text in an integer column",
         {{"tables/T.tsv", row("B\t\t\tzwölf\t\t\t\t")}},
         "tables/T.tsv",
         3,
         "column \"Zahl\": \"zwölf\" is not an integer"},
        {"integer with a plus sign",
         {{"tables/T.tsv", row("B\t+5\t\t\t\t\t\t")}},
         "tables/T.tsv",
         3,
         "column \"Nr\": \"+5\" is not an integer"},
        {"integer outside 32 bits",
         {{"tables/T.tsv", row("B\t\t\t2147483648\t\t\t\t")}},
         "tables/T.tsv",
         3,
         "column \"Zahl\": \"2147483648\" is outside the 32-bit range (-2147483648 to "
         "2147483647)"},
        {"integer far outside 64 bits",
         {{"tables/T.tsv", row("B\t\t\t-99999999999999999999999\t\t\t\t")}},
         "tables/T.tsv",
         3,
         "column \"Zahl\": \"-99999999999999999999999\" is outside the 32-bit range"},
        {"small integer outside 16 bits",
         {{"tables/T.tsv", row("B\t\t\t\t32768\t\t\t")}},
         "tables/T.tsv",
         3,
         "column \"Klein\": \"32768\" is outside the 16-bit range (-32768 to 32767)"},
        {"logical neither 1 nor 0",
         {{"tables/T.tsv", row("B\t\t\t\t\tja\t\t")}},
         "tables/T.tsv",
         3,
         "column \"Ja\": \"ja\" is not 1 or 0"},
        {"too many cells",
         {{"tables/T.tsv", row("B\t\t\t\t\t\t\t\t")}},
         "tables/T.tsv",
         3,
         "9 cells, expected 8"},
        {"too few cells",
         {{"tables/T.tsv", row("B\t2")}},
         "tables/T.tsv",
         3,
         "2 cells, expected 8"},
        {"stray blank line",
         {{"tables/T.tsv", header + "\n" + good}},
         "tables/T.tsv",
         2,
         "1 cells, expected 8"},
        {"bad escape",
         {{"tables/T.tsv", row("B\t\t\t\t\t\tC:\\Temp\t")}},
         "tables/T.tsv",
         3,
         "column \"Text\": bad escape in \"C:\\Temp\""},
        {"lone backslash at the end of a cell",
         {{"tables/T.tsv", row("B\\\t\t\t\t\t\t\t")}},
         "tables/T.tsv",
         3,
         "column \"Name\": bad escape"},
        {"invalid UTF-8",
         {{"tables/T.tsv", row("B\t\t\t\t\t\tLatin-1 \xe4\t")}},
         "tables/T.tsv",
         3,
         "invalid UTF-8"},
        {"UTF-8 cut off at the end of the file",
         {{"tables/T.tsv", header + "\xc3"}},
         "tables/T.tsv",
         2,
         "invalid UTF-8"},
        {"missing picture",
         {{"tables/T.tsv", row("B\t\t\t\t\t\t\tfehlt.png")}},
         "tables/T.tsv",
         3,
         "column \"Bild\": picture \"fehlt.png\" not found in "},
        {"picture outside the pictures folder",
         {{"tables/T.tsv", row("B\t\t\t\t\t\t\t../tables/T.schema")}},
         "tables/T.tsv",
         3,
         "column \"Bild\": picture \"../tables/T.schema\" lies outside "},
        {"duplicate primary key of two columns",
         {{"tables/K.tsv", "Schlüssel\tWert\na\t1\nb\t1\na\t1\n"}},
         "tables/K.tsv",
         4,
         "duplicate primary key (Schlüssel = \"a\", Wert = 1), first on line 2"},
        {"duplicate blank primary key",
         {{"tables/K.tsv", "Schlüssel\tWert\n\t1\n\t1\n"}},
         "tables/K.tsv",
         3,
         "duplicate primary key (Schlüssel = blank, Wert = 1), first on line 2"},
        {"auto-increment given twice",
         {{"tables/T.tsv", row("B\t1\t\t\t\t\t\t")}},
         "tables/T.tsv",
         3,
         "duplicate primary key (Nr = 1), first on line 2"},
        {"data without schema",
         {{"tables/X.tsv", "A\n"}},
         "tables/X.tsv",
         0,
         "no X.schema beside it"},
        {"schema without data",
         {{"tables/X.schema", "A\tI\n"}},
         "tables/X.schema",
         0,
         "no X.tsv beside it"},
        {"unknown type",
         {{"tables/T.schema", "Nr\t+\nName\tC8\n"}},
         "tables/T.schema",
         2,
         "column \"Name\": unknown type \"C8\""},
        {"text size out of range",
         {{"tables/T.schema", "Nr\t+\nName\tA256\n"}},
         "tables/T.schema",
         2,
         "column \"Name\": unknown type \"A256\""},
        {"column line without a type",
         {{"tables/T.schema", "Nr\t+\nName A8\n"}},
         "tables/T.schema",
         2,
         "expected a column name and a type separated by one tab"},
        {"column declared twice",
         {{"tables/T.schema", schemaColumns + "nr\tI\n"}},
         "tables/T.schema",
         9,
         "column \"nr\": declared twice (first on line 1)"},
        {"index naming an unknown column",
         {{"tables/T.schema", schemaColumns + "@index\tIX_Name\tName\tNamen\n"}},
         "tables/T.schema",
         9,
         "@index \"IX_Name\" names unknown column \"Namen\""},
        {"primary key naming an unknown column",
         {{"tables/T.schema", "@primary\tNummer\n" + schemaColumns}},
         "tables/T.schema",
         1,
         "@primary names unknown column \"Nummer\""},
        {"primary key given twice",
         {{"tables/T.schema", schemaColumns + "@primary\tNr\n@primary\tName\n"}},
         "tables/T.schema",
         10,
         "@primary given twice (first on line 9)"},
        {"index without columns",
         {{"tables/T.schema", schemaColumns + "@index\tIX_Name\n"}},
         "tables/T.schema",
         9,
         "@index needs an index name and one or more columns"},
        {"unknown directive",
         {{"tables/T.schema", schemaColumns + "@unique\tNr\n"}},
         "tables/T.schema",
         9,
         "unknown directive \"@unique\""},
        {"schema without columns",
         {{"tables/T.schema", "# nothing yet\n"}},
         "tables/T.schema",
         0,
         "declares no columns"},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(Source()).removeRecursively();
        WriteSource(GoodSource());
        WriteSource(c.changes);
        WriteFile(Database(), "previous database");

        EXPECT_EQ(Run({Source(), Target()}), 1);
        const QString file = Source() + '/' + c.file;
        const QString where = c.line > 0 ? QString("%1:%2: ").arg(file).arg(c.line) : file + ": ";
        EXPECT_TRUE(m_err.startsWith(where + c.reason))
            << "want: " << (where + c.reason).toStdString() << "\ngot:  " << m_err.toStdString();
        EXPECT_EQ(m_err.count('\n'), 1) << m_err.toStdString();
        EXPECT_EQ(ReadFile(Database()), "previous database");
        EXPECT_EQ(QDir(Target()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"tables.sqlite"});
    }
}

// The program itself, as the build runs it.
TEST_F(VerdanMkdata, ProgramReportsOnStandardErrorWithExitCode)
{
    const QString program = VERDAN_BINARY_DIR "/bin/verdan-mkdata";
    ASSERT_TRUE(QFileInfo(program).isExecutable()) << "build verdan-mkdata first";
    TFiles files = GoodSource();
    WriteSource(files);

    QProcess process;
    process.start(program, {Source(), Target()});
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(QFileInfo(Database()).isFile());

    WriteSource({{"tables/K.tsv", "Schlüssel\tWert\na\tzwei\n"}});
    process.start(program, {Source(), Target()});
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()),
              Source() + "/tables/K.tsv:2: column \"Wert\": \"zwei\" is not an integer\n");
}

} // namespace
