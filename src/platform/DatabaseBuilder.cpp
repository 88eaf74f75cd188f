#include "platform/DatabaseBuilder.h"

#include "app/Kr_str.h"
#include "platform/DatabaseError.h"
#include "platform/EngineSqlite.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <map>

using namespace VerdanSqlite;

bool ParseParadoxType(const QString& text, TColumnDef& column)
{
    static const QHash<QString, TFieldType> single = {
        {QStringLiteral("I"), TFieldType::Integer},  {QStringLiteral("+"), TFieldType::AutoInc},
        {QStringLiteral("S"), TFieldType::SmallInt}, {QStringLiteral("L"), TFieldType::Boolean},
        {QStringLiteral("M"), TFieldType::Memo},     {QStringLiteral("B"), TFieldType::Blob},
    };
    if (const auto it = single.constFind(text); it != single.constEnd()) {
        column.Type = *it;
        column.Size = 0;
        return true;
    }
    static const QRegularExpression alpha(QStringLiteral("^A([1-9][0-9]{0,2})$"));
    const QRegularExpressionMatch match = alpha.match(text);
    if (!match.hasMatch() || match.captured(1).toInt() > 255) return false;
    column.Type = TFieldType::String;
    column.Size = match.captured(1).toInt();
    return true;
}

namespace {

QString TableContext(const QString& table)
{
    return QStringLiteral("Table '%1'").arg(table);
}

QString ColumnContext(const QString& table, const QString& column)
{
    return QStringLiteral("Table '%1', column '%2'").arg(table, column);
}

bool IsText(TFieldType type)
{
    return type == TFieldType::String || type == TFieldType::Memo;
}

void CheckTableDef(const TTableDef& table)
{
    const QString context = TableContext(table.Name);
    if (table.Name.trimmed().isEmpty())
        throw EDatabaseError(QStringLiteral("A table needs a name"));
    if (table.Columns.isEmpty()) throw EDatabaseError(context + QStringLiteral(": no columns"));
    QSet<QString> names;
    for (const TColumnDef& column : table.Columns) {
        if (column.Name.isEmpty())
            throw EDatabaseError(context + QStringLiteral(": a column without a name"));
        if (column.Type == TFieldType::String && (column.Size < 1 || column.Size > 255))
            throw EDatabaseError(ColumnContext(table.Name, column.Name) +
                                 QStringLiteral(": text size %1 is not 1 to 255").arg(column.Size));
        if (names.contains(UpperCase(column.Name)))
            throw EDatabaseError(ColumnContext(table.Name, column.Name) +
                                 QStringLiteral(": declared twice"));
        names.insert(UpperCase(column.Name));
    }
    const auto checkColumns = [&](const QStringList& columns, const QString& what) {
        if (columns.isEmpty())
            throw EDatabaseError(context + QStringLiteral(": %1 has no columns").arg(what));
        for (const QString& column : columns) {
            if (!names.contains(UpperCase(column)))
                throw EDatabaseError(
                    context +
                    QStringLiteral(": %1 names the unknown column '%2'").arg(what, column));
        }
    };
    if (!table.PrimaryKey.isEmpty())
        checkColumns(table.PrimaryKey, QStringLiteral("the primary index"));
    QSet<QString> indexNames;
    for (const TIndexDef& index : table.Indexes) {
        if (index.Name.isEmpty())
            throw EDatabaseError(context + QStringLiteral(": an index without a name"));
        if (indexNames.contains(UpperCase(index.Name)))
            throw EDatabaseError(context +
                                 QStringLiteral(": index '%1' declared twice").arg(index.Name));
        indexNames.insert(UpperCase(index.Name));
        checkColumns(index.Columns, QStringLiteral("index '%1'").arg(index.Name));
    }
}

const TColumnDef& ColumnNamed(const TTableDef& table, const QString& name)
{
    for (const TColumnDef& column : table.Columns) {
        if (UpperCase(column.Name) == UpperCase(name)) return column;
    }
    throw EDatabaseError(ColumnContext(table.Name, name) + QStringLiteral(": unknown column"));
}

QString CreateTableSql(const TTableDef& table)
{
    QStringList parts;
    for (const TColumnDef& column : table.Columns)
        parts << QuoteIdentifier(column.Name) + u' ' + DeclaredType(column);
    if (!table.PrimaryKey.isEmpty()) {
        QStringList key;
        for (const QString& name : table.PrimaryKey)
            key << QuoteIdentifier(ColumnNamed(table, name).Name);
        parts << QStringLiteral("PRIMARY KEY (%1)").arg(key.join(QStringLiteral(", ")));
    }
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(QuoteIdentifier(table.Name), parts.join(QStringLiteral(", ")));
}

QString CreateIndexSql(const TTableDef& table, const TIndexDef& index)
{
    QStringList columns;
    for (const QString& name : index.Columns) {
        const TColumnDef& column = ColumnNamed(table, name);
        QString part = QuoteIdentifier(column.Name);
        if (IsText(column.Type))
            part += QStringLiteral(" COLLATE ") + QLatin1String(NoCaseCollation);
        columns << part;
    }
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
        .arg(QuoteIdentifier(StoredIndexName(table.Name, index.Name)), QuoteIdentifier(table.Name),
             columns.join(QStringLiteral(", ")));
}

QString InsertSql(const TTableDef& table)
{
    QStringList names;
    QStringList parameters;
    for (const TColumnDef& column : table.Columns) {
        names << QuoteIdentifier(column.Name);
        parameters << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(QuoteIdentifier(table.Name), names.join(QStringLiteral(", ")),
             parameters.join(QStringLiteral(", ")));
}

} // namespace

struct TDatabaseBuilder::Impl
{
    struct Table
    {
        TTableDef Def;
        TStatement Insert;
        QList<qint64> NextAutoInc; // per column; used by AutoInc columns only
    };

    QString FileName;
    sqlite3* Db = nullptr;
    std::map<QString, Table> Tables; // by UpperCase(name)
    bool Finished = false;

    Table& TableNamed(const QString& name)
    {
        const auto it = Tables.find(UpperCase(name));
        if (it == Tables.end())
            throw EDatabaseError(TableContext(name) + QStringLiteral(": not created"));
        return it->second;
    }

    void CheckOpen() const
    {
        if (Finished || !Db)
            throw EDatabaseError(FileName + QStringLiteral(": the database is already finished"));
    }

    QVariant Stored(const Table& table, int i, const QVariant& value, QList<qint64>& nextAutoInc);
    void Insert(Table& table, const QVariantList& values);
};

// The value as the column stores it: blanks (empty texts included) become NULL, as Paradox
// keeps no difference between an empty and a blank field.
QVariant TDatabaseBuilder::Impl::Stored(const Table& table, int i, const QVariant& value,
                                        QList<qint64>& nextAutoInc)
{
    const TColumnDef& column = table.Def.Columns[i];
    const QString context = ColumnContext(table.Def.Name, column.Name);
    if (value.isNull()) {
        if (column.Type == TFieldType::AutoInc) return QVariant(qlonglong(nextAutoInc[i]++));
        return {};
    }
    switch (column.Type) {
    case TFieldType::String:
    case TFieldType::Memo: {
        const QString text = value.toString();
        if (text.isEmpty()) return {};
        if (column.Type == TFieldType::String && text.toUcs4().size() > column.Size)
            throw EDatabaseError(
                context + QStringLiteral(": text longer than %1 characters").arg(column.Size));
        return text;
    }
    case TFieldType::Integer:
    case TFieldType::AutoInc:
    case TFieldType::SmallInt: {
        bool ok = false;
        const qlonglong number = value.typeId() == QMetaType::QString
                                     ? value.toString().trimmed().toLongLong(&ok)
                                     : value.toLongLong(&ok);
        const qlonglong limit = column.Type == TFieldType::SmallInt ? 32768 : 2147483648LL;
        if (!ok || number < -limit || number >= limit)
            throw EDatabaseError(context +
                                 QStringLiteral(": '%1' is not a valid %2 value")
                                     .arg(value.toString(), column.Type == TFieldType::SmallInt
                                                                ? QStringLiteral("small integer")
                                                                : QStringLiteral("integer")));
        if (column.Type == TFieldType::AutoInc)
            nextAutoInc[i] = std::max(nextAutoInc[i], number + 1);
        return number;
    }
    case TFieldType::Boolean: {
        if (value.typeId() == QMetaType::Bool) return value.toBool();
        const QString text = value.toString().trimmed().toLower();
        if (text == u"1" || text == u"true") return true;
        if (text == u"0" || text == u"false") return false;
        throw EDatabaseError(context +
                             QStringLiteral(": '%1' is not a logical value").arg(value.toString()));
    }
    case TFieldType::Blob: {
        const QByteArray bytes = value.toByteArray();
        return bytes.isEmpty() ? QVariant() : QVariant(bytes);
    }
    }
    return {};
}

void TDatabaseBuilder::Impl::Insert(Table& table, const QVariantList& values)
{
    const QString context = TableContext(table.Def.Name);
    if (values.size() != table.Def.Columns.size())
        throw EDatabaseError(context + QStringLiteral(": a row of %1 values for %2 columns")
                                           .arg(values.size())
                                           .arg(table.Def.Columns.size()));
    // A row that fails takes no auto-increment number.
    QList<qint64> nextAutoInc = table.NextAutoInc;
    QVariantList stored;
    stored.reserve(values.size());
    for (int i = 0; i < values.size(); ++i)
        stored << Stored(table, i, values[i], nextAutoInc);
    for (int i = 0; i < stored.size(); ++i)
        table.Insert.Bind(i + 1, stored[i]);
    const int rc = sqlite3_step(table.Insert.Handle());
    const int extended = sqlite3_extended_errcode(Db);
    const QString message = QString::fromUtf8(sqlite3_errmsg(Db));
    table.Insert.Reset();
    if (rc == SQLITE_DONE) {
        table.NextAutoInc = nextAutoInc;
        return;
    }
    if (extended == SQLITE_CONSTRAINT_PRIMARYKEY || extended == SQLITE_CONSTRAINT_UNIQUE) {
        QStringList key;
        for (const QString& name : table.Def.PrimaryKey) {
            for (int i = 0; i < table.Def.Columns.size(); ++i) {
                if (UpperCase(table.Def.Columns[i].Name) == UpperCase(name))
                    key << stored[i].toString();
            }
        }
        throw EDatabaseError(
            context +
            QStringLiteral(": duplicate primary key (%1)").arg(key.join(QStringLiteral(", "))));
    }
    throw EDatabaseError(context + QStringLiteral(": ") + message);
}

TDatabaseBuilder::TDatabaseBuilder(const QString& fileName) : d(std::make_unique<Impl>())
{
    d->FileName = fileName;
    // The caller may have reserved the name with an empty file; anything in it goes.
    if (QFile::exists(fileName) && !QFile::resize(fileName, 0))
        throw EDatabaseError(fileName + QStringLiteral(": cannot be overwritten"));
    const QByteArray path = fileName.toUtf8();
    if (sqlite3_open_v2(path.constData(), &d->Db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const QString message =
            d->Db ? QString::fromUtf8(sqlite3_errmsg(d->Db)) : QStringLiteral("out of memory");
        sqlite3_close(d->Db);
        d->Db = nullptr;
        throw EDatabaseError(fileName + QStringLiteral(": ") + message);
    }
    try {
        RegisterEngineFunctions(d->Db);
        // The file is private to its writer until it is renamed into place.
        Execute(d->Db,
                QStringLiteral("PRAGMA journal_mode = MEMORY; PRAGMA synchronous = OFF; "
                               "PRAGMA application_id = %1; BEGIN")
                    .arg(ApplicationId),
                fileName);
    } catch (...) {
        sqlite3_close(d->Db);
        d->Db = nullptr;
        throw;
    }
}

TDatabaseBuilder::~TDatabaseBuilder()
{
    if (d->Db) {
        d->Tables.clear(); // finalizes the statements before the connection closes
        sqlite3_exec(d->Db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(d->Db);
    }
}

void TDatabaseBuilder::CreateTable(const TTableDef& table)
{
    d->CheckOpen();
    CheckTableDef(table);
    if (d->Tables.count(UpperCase(table.Name)))
        throw EDatabaseError(TableContext(table.Name) + QStringLiteral(": created twice"));
    Execute(d->Db, CreateTableSql(table), TableContext(table.Name));
    for (const TIndexDef& index : table.Indexes)
        Execute(d->Db, CreateIndexSql(table, index), TableContext(table.Name));
    Impl::Table entry{table, TStatement(d->Db, InsertSql(table), TableContext(table.Name)),
                      QList<qint64>(table.Columns.size(), 1)};
    d->Tables.emplace(UpperCase(table.Name), std::move(entry));
}

void TDatabaseBuilder::AddRow(const QString& tableName, const QVariantList& values)
{
    d->CheckOpen();
    d->Insert(d->TableNamed(tableName), values);
}

void TDatabaseBuilder::Finish()
{
    d->CheckOpen();
    d->Tables.clear();
    Execute(d->Db, QStringLiteral("COMMIT"), d->FileName);
    const int rc = sqlite3_close(d->Db);
    d->Db = nullptr;
    d->Finished = true;
    if (rc != SQLITE_OK) throw EDatabaseError(d->FileName + QStringLiteral(": cannot be closed"));
}
