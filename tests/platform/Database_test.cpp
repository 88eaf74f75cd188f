#include "platform/Database.h"
#include "platform/DatabaseError.h"
#include "platform/EngineFixture.h"
#include "platform/EngineSqlite.h"
#include "platform/Table.h"

#include <QFile>

using namespace EngineFixture;

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Opens the database and reads every value of every table; returns the engine's message, or
// an empty text when all of it could be read.
QString ReadEverything(const QString& dir)
{
    try {
        const auto database = TDatabase::Open(dir, TOpenMode::ReadOnly);
        for (const QString& name : database->TableNames()) {
            TTable table;
            table.SetDatabaseName(dir);
            table.SetTableName(name);
            table.Open();
            for (table.First(); !table.Eof(); table.Next()) {
                for (int i = 0; i < table.FieldCount(); ++i)
                    table.Fields(i)->AsBytes();
            }
        }
        return {};
    } catch (const EDatabaseError& e) {
        return e.Message();
    }
}

class DatabaseTest : public KeyDatabaseTest
{
};

TEST_F(DatabaseTest, ConnectionsAreSharedPerDirectoryAndModeAndCloseWithTheirLastUser)
{
    std::weak_ptr<TDatabase> watch;
    {
        auto first = TDatabase::Open(Dir(), TOpenMode::ReadOnly);
        auto second = TDatabase::Open(Dir() + "/./", TOpenMode::ReadOnly);
        const auto immutable = TDatabase::Open(Dir(), TOpenMode::Immutable);
        EXPECT_EQ(first.get(), second.get());
        EXPECT_NE(first.get(), immutable.get());
        EXPECT_EQ(first->FileName(), QDir::cleanPath(Dir()) + "/tables.sqlite");
        EXPECT_TRUE(immutable->TableNames().contains("VDB_61"));

        watch = first;
        TTable table;
        table.SetDatabaseName(Dir());
        table.SetTableName("VDB_3");
        table.Open();
        EXPECT_EQ(table.RecordCount(), 5);
        first.reset();
        second.reset();
        EXPECT_FALSE(watch.expired()); // the open table holds it
    }
    EXPECT_TRUE(watch.expired());
}

TEST_F(DatabaseTest, TableNamesAndLayoutsAreReadBackWithTheirParadoxTypes)
{
    const auto database = TDatabase::Open(Dir(), TOpenMode::ReadOnly);
    EXPECT_EQ(database->TableNames(),
              QStringList({"KRS_R2i", "KRS_R3i", "KRS_Rix", "VDB_1", "VDB_3", "VDB_4", "VDB_5",
                           "VDB_6", "VDB_60", "VDB_61"}));

    const auto glossary = database->Table("vdb_61.db");
    ASSERT_EQ(glossary->Columns.size(), 5);
    const struct
    {
        const char* name;
        TFieldType type;
        int size;
    } expected[] = {{"Fachausdruck", TFieldType::String, 40},
                    {"ID", TFieldType::AutoInc, 0},
                    {"Code-Nummer", TFieldType::String, 10},
                    {"Themengruppe", TFieldType::Integer, 0},
                    {"Text", TFieldType::Memo, 0}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(glossary->Columns[i].Name, expected[i].name);
        EXPECT_EQ(glossary->Columns[i].Type, expected[i].type) << expected[i].name;
        EXPECT_EQ(glossary->Columns[i].Size, expected[i].size) << expected[i].name;
    }
    EXPECT_EQ(database->Table("KRS_Rix")->Columns.last().Type, TFieldType::Boolean);
    EXPECT_EQ(database->Table("KRS_R3i")->Columns.last().Type, TFieldType::Blob);

    const auto species = database->Table("VDB_1");
    EXPECT_EQ(species->PrimaryIndex.ColumnNames(), QStringList{"ID"});
    const TIndexInfo* search = species->FindIndex("ix_artsuche");
    ASSERT_NE(search, nullptr);
    EXPECT_EQ(search->Name, "IX_ArtSuche");
    EXPECT_EQ(search->ColumnNames(), QStringList({"Gattung", "Art"}));
    EXPECT_EQ(search->Columns[0].Collation, "VERDAN_NOCASE");
    EXPECT_EQ(species->ColumnIndex("BLÜTEZEIT 1"), 9);

    const auto families = database->Table("VDB_60");
    EXPECT_TRUE(families->PrimaryIndex.Columns.isEmpty());
    EXPECT_EQ(families->FindIndex("Familienliste_FN_IX")->Columns[0].Collation, "BINARY");

    EXPECT_EQ(database->FindTable("VDB_99"), nullptr);
    try {
        database->Table("VDB_99");
        FAIL() << "no exception";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().contains("VDB_99")) << e.what();
        EXPECT_TRUE(e.Message().contains("tables.sqlite")) << e.what();
    }
}

TEST_F(DatabaseTest, TextCodesStayTextAndBlanksAreNull)
{
    TTable table;
    table.SetDatabaseName(Dir());
    table.SetTableName("VDB_3");
    table.Open();
    table.SetRecNo(2);
    EXPECT_EQ(table.FieldByName("BF")->Value().typeId(), QMetaType::QString);
    EXPECT_EQ(table.FieldByName("BF")->AsString(), "0");
    EXPECT_TRUE(table.FieldByName("GR")->IsNull());
}

TEST(DatabaseFiles, MissingForeignAndDamagedFilesRaiseNamingTheFile)
{
    QTemporaryDir temp;
    const QString good = temp.path() + "/good";
    BuildKeyDatabase(good);
    const QByteArray sound = ReadFile(good + "/tables.sqlite");
    ASSERT_GT(sound.size(), 8192);

    QByteArray garbledPages = sound;
    for (qsizetype i = 4096; i < garbledPages.size(); ++i)
        garbledPages[i] = char(0xA5 ^ (i & 0x3f));
    QByteArray garbledHeader = sound;
    garbledHeader[16] = 0x03; // page size 0x0310: not a power of two

    const struct
    {
        const char* name;
        std::optional<QByteArray> content; // nullopt: no file at all
        const char* message;
    } cases[] = {
        {"nofile", std::nullopt, "no such database file"},
        {"empty", QByteArray(), "not a database file"},
        {"text",
         QByteArray("this is not a database at all, but it is long enough to look at. "
                    "this is not a database at all, but it is long enough to look at."),
         "not a database file"},
        {"header", garbledHeader, "not a database file"},
        {"truncated", sound.left(sound.size() / 2), "damaged"},
        {"justheader", sound.left(100), "damaged"},
    };
    for (const auto& c : cases) {
        const QString dir = temp.path() + '/' + c.name;
        QDir().mkpath(dir);
        if (c.content) WriteFile(dir + "/tables.sqlite", *c.content);
        try {
            TDatabase::Open(dir, TOpenMode::ReadOnly);
            ADD_FAILURE() << c.name << ": no exception";
        } catch (const EDatabaseError& e) {
            EXPECT_TRUE(e.Message().startsWith(dir + "/tables.sqlite: ")) << e.what();
            EXPECT_TRUE(e.Message().contains(c.message)) << c.name << ": " << e.what();
        }
    }

    // Sound header, garbage behind it: whatever reads the garbage raises, naming the file.
    const QString dir = temp.path() + "/garbled";
    WriteFile(dir + "/tables.sqlite", garbledPages);
    const QString message = ReadEverything(dir);
    EXPECT_TRUE(message.contains(dir + "/tables.sqlite")) << message.toStdString();
    EXPECT_TRUE(ReadEverything(good).isEmpty());
}

TEST(DatabaseFiles, AliasesAndBackslashesNameTheSameDirectory)
{
    QTemporaryDir temp;
    const QString dir = temp.path() + "/GLOBAL";
    BuildKeyDatabase(dir);
    TDatabase::DefineAlias("0_VDDB", dir);
    EXPECT_EQ(TDatabase::DataFileOf("0_vddb"), dir + "/tables.sqlite");
    QString windowsStyle = dir;
    windowsStyle.replace('/', '\\');
    EXPECT_EQ(TDatabase::DataFileOf(windowsStyle), dir + "/tables.sqlite");

    TTable table;
    table.SetDatabaseName("0_VDDB");
    table.SetTableName("KRS_Rix");
    table.Open();
    EXPECT_EQ(table.RecordCount(), 6);
}

TEST(DatabaseBuilder, ParadoxTypes)
{
    const struct
    {
        const char* text;
        bool ok;
        TFieldType type;
        int size;
    } cases[] = {
        {"A1", true, TFieldType::String, 1},
        {"A255", true, TFieldType::String, 255},
        {"I", true, TFieldType::Integer, 0},
        {"+", true, TFieldType::AutoInc, 0},
        {"S", true, TFieldType::SmallInt, 0},
        {"L", true, TFieldType::Boolean, 0},
        {"M", true, TFieldType::Memo, 0},
        {"B", true, TFieldType::Blob, 0},
        {"A0", false, {}, 0},
        {"A256", false, {}, 0},
        {"A", false, {}, 0},
        {"A01", false, {}, 0},
        {"a60", false, {}, 0},
        {"N", false, {}, 0},
        {"", false, {}, 0},
        {"I ", false, {}, 0},
    };
    for (const auto& c : cases) {
        TColumnDef column;
        EXPECT_EQ(ParseParadoxType(c.text, column), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(column.Type, c.type) << c.text;
            EXPECT_EQ(column.Size, c.size) << c.text;
        }
    }
}

TEST(DatabaseBuilder, RejectsWhatWouldCorruptTheTableWithAMessage)
{
    QTemporaryDir temp;
    TDatabaseBuilder builder(temp.path() + "/tables.sqlite");
    builder.CreateTable(Tabelle("T", {{"Nr", "+"}, {"Code", "A2"}, {"Zahl", "S"}, {"Ja", "L"}},
                                {"Nr"}, {{"IX_Code", {"Code"}}}));
    // Index names belong to their table: another table may use the same name.
    builder.CreateTable(Tabelle("U", {{"Code", "A2"}}, {}, {{"IX_Code", {"Code"}}}));
    builder.AddRow("T", {1, "ab", 5, true});

    const struct
    {
        const char* name;
        std::function<void()> call;
        const char* message;
    } cases[] = {
        {"duplicate key",
         [&] {
             builder.AddRow("T", {1, "cd", 1, false});
         },
         "duplicate primary key (1)"},
        {"too long",
         [&] {
             builder.AddRow("t", {Blank, "abc", 1, false});
         },
         "longer than 2"},
        {"not a number",
         [&] {
             builder.AddRow("T", {Blank, "x", "zwei", false});
         },
         "'zwei' is not a valid small integer"},
        {"small range",
         [&] {
             builder.AddRow("T", {Blank, "x", 40000, false});
         },
         "not a valid small integer"},
        {"not logical",
         [&] {
             builder.AddRow("T", {Blank, "x", 1, "vielleicht"});
         },
         "not a logical value"},
        {"values",
         [&] {
             builder.AddRow("T", {1, "x"});
         },
         "2 values for 4 columns"},
        {"unknown table", [&] { builder.AddRow("V", {1}); }, "Table 'V'"},
        {"twice",
         [&] {
             builder.CreateTable(Tabelle("t", {{"X", "I"}}));
         },
         "created twice"},
        {"index column",
         [&] {
             builder.CreateTable(Tabelle("W", {{"X", "I"}}, {}, {{"IX", {"Y"}}}));
         },
         "unknown column 'Y'"},
        {"column twice",
         [&] {
             builder.CreateTable(Tabelle("W", {{"X", "I"}, {"x", "A3"}}));
         },
         "declared twice"},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.name << ": no exception";
        } catch (const EDatabaseError& e) {
            EXPECT_TRUE(e.Message().contains(c.message)) << c.name << ": " << e.what();
        }
    }
    // A blank auto-increment is numbered after the largest given.
    builder.AddRow("T", {Blank, "", Blank, Blank});
    builder.Finish();

    TTable table;
    table.SetDatabaseName(temp.path());
    table.SetTableName("T");
    table.Open();
    ASSERT_EQ(table.RecordCount(), 2);
    table.Last();
    EXPECT_EQ(table.FieldByName("Nr")->AsInteger(), 2);
    EXPECT_TRUE(table.FieldByName("Code")->IsNull()); // an empty text is a blank
}

TEST(DatabaseBuilder, AnEmptyDatabaseIsASoundFile)
{
    QTemporaryDir temp;
    {
        TDatabaseBuilder builder(temp.path() + "/tables.sqlite");
        builder.Finish();
    }
    EXPECT_TRUE(TDatabase::Open(temp.path(), TOpenMode::ReadOnly)->TableNames().isEmpty());
}

TEST(NoCaseCollation, ComparesThroughTheLetterTable)
{
    const struct
    {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"abc", "ABC", 0}, {"ä", "Ä", 0},  {"Blütezeit 1", "BLÜTEZEIT 1", 0},
        {"abä", "ABÄ", 0}, {"a", "b", -1}, {"ab", "abc", -1},
        {"Z", "ä", -1}, // accented capitals come after Z, as their code points do
        {"ß", "SS", 1},    {"Ö", "Ä", 1},  {"h", "H", 0},
    };
    for (const auto& c : cases) {
        const int result = VerdanSqlite::CompareNoCase(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " " << c.b;
        const int reverse = VerdanSqlite::CompareNoCase(c.b, c.a);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.sign) << c.b << " " << c.a;
    }
}

} // namespace
