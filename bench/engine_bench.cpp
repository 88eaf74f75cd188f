// The engine layer against bare SQLite: opening a key table, exact and nearest key searches,
// and the statement of a selection with five ticked criteria, on a generated key table of
// 5,000 rows and 21 criterion columns (and a species table of 10,000 rows for the nearest
// search on two text keys). The figures and their reading are in docs/performance.md.

#include "platform/Database.h"
#include "platform/DatabaseBuilder.h"
#include "platform/Query.h"
#include "platform/Table.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>
#include <sqlite3.h>

namespace {

constexpr int KeyRows = 5000;
constexpr int SpeciesRows = 10000;
constexpr int CriterionColumns = 21;

QString CriterionName(int i)
{
    return QStringLiteral("K%1").arg(i, 2, 10, QLatin1Char('0'));
}

QString RandomWord(std::mt19937& random, int length)
{
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzäöü");
    QString word;
    for (int i = 0; i < length; ++i)
        word += letters[int(random() % letters.size())];
    word[0] = word[0].toUpper();
    return word;
}

TColumnDef Column(const QString& name, const char* type)
{
    TColumnDef column;
    column.Name = name;
    ParseParadoxType(QString::fromLatin1(type), column);
    return column;
}

// A key table VDB_3 like the program's: criterion columns hold "a", "b" or "*" (any value),
// so a ticked criterion keeps about 70 % of the rows and five keep about 17 %.
void BuildDatabase(const QString& dir)
{
    std::mt19937 random(4711);
    TDatabaseBuilder builder(dir + QStringLiteral("/tables.sqlite"));

    TTableDef key;
    key.Name = QStringLiteral("VDB_3");
    key.Columns = {Column("RelID", "+"), Column("ID", "I"),    Column("GN", "I"),
                   Column("FN", "I"),    Column("SIP", "A80"), Column("GR", "A30")};
    for (int i = 1; i <= CriterionColumns; ++i)
        key.Columns << Column(CriterionName(i), "A3");
    key.PrimaryKey = {QStringLiteral("RelID")};
    builder.CreateTable(key);
    static const char* codes[] = {"a", "a", "a", "b", "b", "b", "*", "*", "*", "*"};
    for (int row = 1; row <= KeyRows; ++row) {
        QVariantList values{row,
                            row,
                            int(random() % 800),
                            int(random() % 150),
                            RandomWord(random, 8) + u' ' + RandomWord(random, 10),
                            QVariant()};
        for (int i = 1; i <= CriterionColumns; ++i)
            values << QString::fromLatin1(codes[random() % 10]);
        builder.AddRow(key.Name, values);
    }

    TTableDef species;
    species.Name = QStringLiteral("VDB_1");
    species.Columns = {Column("ID", "I"), Column("Gattung", "A21"), Column("Art", "A21"),
                       Column("Deutsch", "A60"), Column("Text", "M")};
    species.PrimaryKey = {QStringLiteral("ID")};
    species.Indexes = {{QStringLiteral("IX_ArtSuche"), {"Gattung", "Art"}}};
    builder.CreateTable(species);
    for (int row = 1; row <= SpeciesRows; ++row) {
        builder.AddRow(species.Name, {row, RandomWord(random, 7), RandomWord(random, 9).toLower(),
                                      RandomWord(random, 12), QStringLiteral("Beschreibung")});
    }
    builder.Finish();
}

// The database, built once; its connection stays open, as the program's servers keep theirs.
struct TBenchDatabase
{
    TBenchDatabase()
    {
        BuildDatabase(Temp.path());
        Connection = TDatabase::Open(Temp.path(), TOpenMode::ReadOnly);
    }
    QString Dir() const { return Temp.path(); }

    QTemporaryDir Temp;
    std::shared_ptr<TDatabase> Connection;
};

TBenchDatabase& Database()
{
    static TBenchDatabase database;
    return database;
}

// BuildAbfrageSQL's statement for key 3 with the first five criteria ticked (item "a").
QStringList SelectionStatement()
{
    QStringList lines = {"Select DISTINCT",      "A.GR as Gruppe,",  "A.ID as ID,",
                         "A.SIP as Bezeichnung", "From \"VDB_3\" A", "WHERE"};
    for (int i = 1; i <= 5; ++i) {
        if (i > 1) lines << QStringLiteral("  AND");
        lines
            << QStringLiteral("   ((A.\"%1\" = \"a\") OR (A.\"%1\"=\"*\"))").arg(CriterionName(i));
    }
    lines << QStringLiteral("ORDER BY Bezeichnung");
    return lines;
}

// The same statement as one would write it for SQLite directly.
QByteArray BareSelectionStatement()
{
    QString sql = QStringLiteral("SELECT DISTINCT A.GR AS Gruppe, A.ID AS ID, A.SIP AS Bezeichnung "
                                 "FROM VDB_3 A WHERE ");
    for (int i = 1; i <= 5; ++i) {
        if (i > 1) sql += QStringLiteral(" AND ");
        sql += QStringLiteral("((A.%1 = 'a') OR (A.%1 = '*'))").arg(CriterionName(i));
    }
    return (sql + QStringLiteral(" ORDER BY Bezeichnung")).toUtf8();
}

// A connection of its own each time (the benchmark's shared one is read-only, this one
// immutable): header check, open, functions, table names.
void BM_OpenConnection(benchmark::State& state)
{
    for (auto _ : state) {
        const auto connection = TDatabase::Open(Database().Dir(), TOpenMode::Immutable);
        benchmark::DoNotOptimize(connection->TableNames().size());
    }
}
BENCHMARK(BM_OpenConnection)->Unit(benchmark::kMicrosecond);

void BM_OpenTable(benchmark::State& state)
{
    const QString name =
        state.range(0) == KeyRows ? QStringLiteral("VDB_3") : QStringLiteral("VDB_1");
    const QString index = state.range(1) ? QStringLiteral("IX_ArtSuche") : QString();
    for (auto _ : state) {
        TTable table;
        table.SetDatabaseName(Database().Dir());
        table.SetTableName(name);
        table.SetIndexName(index);
        table.Open();
        benchmark::DoNotOptimize(table.FieldByName("ID")->AsInteger());
    }
    state.SetLabel((name + (index.isEmpty() ? QString() : u' ' + index)).toStdString());
}
BENCHMARK(BM_OpenTable)
    ->Args({KeyRows, 0})
    ->Args({SpeciesRows, 0})
    ->Args({SpeciesRows, 1})
    ->Unit(benchmark::kMillisecond);

void BM_FindKey(benchmark::State& state)
{
    TTable table;
    table.SetDatabaseName(Database().Dir());
    table.SetTableName(QStringLiteral("VDB_3"));
    table.SetIndexFieldNames(QStringLiteral("RelID"));
    table.Open();
    std::mt19937 random(1);
    for (auto _ : state) {
        const bool found = table.FindKey({int(random() % KeyRows) + 1});
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(table.FieldByName("SIP")->AsString());
    }
}
BENCHMARK(BM_FindKey)->Unit(benchmark::kMicrosecond);

void BM_FindNearest(benchmark::State& state)
{
    TTable table;
    table.SetDatabaseName(Database().Dir());
    table.SetTableName(QStringLiteral("VDB_1"));
    table.SetIndexName(QStringLiteral("IX_ArtSuche"));
    table.Open();
    std::mt19937 random(2);
    for (auto _ : state) {
        table.FindNearest({RandomWord(random, 3).toLower(), RandomWord(random, 2)});
        benchmark::DoNotOptimize(table.FieldByName("Gattung")->AsString());
    }
}
BENCHMARK(BM_FindNearest)->Unit(benchmark::kMicrosecond);

void BM_SelectionQuery(benchmark::State& state)
{
    const QStringList lines = SelectionStatement();
    TQuery query;
    query.SetDatabaseName(Database().Dir());
    int rows = 0;
    for (auto _ : state) {
        query.SetSQL(lines);
        query.Open();
        rows = query.RecordCount();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_SelectionQuery)->Unit(benchmark::kMicrosecond);

// The bare engine: prepare, step and read every value of the result, finalize.
void BM_SelectionQueryBareSqlite(benchmark::State& state)
{
    sqlite3* db = nullptr;
    const QByteArray file = (Database().Dir() + QStringLiteral("/tables.sqlite")).toUtf8();
    sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const QByteArray sql = BareSelectionStatement();
    int rows = 0;
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
            state.SkipWithError(sqlite3_errmsg(db));
            break;
        }
        rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, 0));
            benchmark::DoNotOptimize(sqlite3_column_int(stmt, 1));
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, 2));
            ++rows;
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    state.counters["rows"] = rows;
}
BENCHMARK(BM_SelectionQueryBareSqlite)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
