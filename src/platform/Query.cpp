#include "platform/Query.h"

#include "platform/Database.h"
#include "platform/DatabaseError.h"
#include "platform/EngineSqlite.h"
#include "platform/LocalSql.h"

using namespace VerdanSqlite;

namespace {

// The field type of a computed column, from the first value that is not blank.
TFieldType TypeOfValues(const std::vector<QVariant>& values, int columnCount, int column)
{
    for (size_t i = size_t(column); i < values.size(); i += size_t(columnCount)) {
        switch (values[i].typeId()) {
        case QMetaType::LongLong:
            return TFieldType::Integer;
        case QMetaType::QByteArray:
            return TFieldType::Blob;
        case QMetaType::UnknownType:
            continue;
        default:
            return TFieldType::String;
        }
    }
    return TFieldType::String;
}

} // namespace

TQuery::TQuery(QObject* parent) : TDataSet(parent) {}

TQuery::~TQuery()
{
    Close();
}

void TQuery::SetDatabaseName(const QString& name)
{
    CheckInactive(QStringLiteral("change the database"));
    if (name != m_databaseName) m_database.reset();
    m_databaseName = name;
}

void TQuery::SetSQL(const QStringList& lines)
{
    Close();
    m_sql = lines;
}

QList<TDataSet::TColumnInfo> TQuery::OpenCursor()
{
    if (!m_database) m_database = TDatabase::Open(m_databaseName);
    m_translated = TranslateLocalSql(m_sql, *m_database);
    TStatement statement(m_database->Handle(), m_translated, m_database->FileName());
    sqlite3_stmt* stmt = statement.Handle();
    const int columnCount = sqlite3_column_count(stmt);
    QList<TColumnInfo> columns;
    std::vector<bool> declared;
    for (int i = 0; i < columnCount; ++i) {
        const char* name = sqlite3_column_name(stmt, i);
        const char* type = sqlite3_column_decltype(stmt, i);
        // A computed column has no declared type: its values are read as SQLite stored them
        // and typed afterwards.
        const TColumnDef def =
            type ? ColumnFromDeclaredType(QString::fromUtf8(name), QString::fromUtf8(type))
                 : TColumnDef{QString::fromUtf8(name), TFieldType::String, 0};
        columns << TColumnInfo{def.Name, def.Type, def.Size};
        declared.push_back(type != nullptr);
    }
    std::vector<QVariant> values;
    int rows = 0;
    while (statement.Step()) {
        for (int i = 0; i < columnCount; ++i)
            values.push_back(ColumnValue(stmt, i, columns[i].Type));
        ++rows;
    }
    for (int i = 0; i < columnCount; ++i) {
        if (!declared[size_t(i)])
            columns[i] = TColumnInfo{columns[i].Name, TypeOfValues(values, columnCount, i), 0};
    }
    m_values = std::move(values);
    m_columnCount = columnCount;
    m_rowCount = rows;
    return columns;
}

void TQuery::CloseCursor()
{
    m_values = {};
    m_rowCount = 0;
    m_columnCount = 0;
}

QVariant TQuery::CursorValue(int recNo, int column) const
{
    return m_values[size_t(recNo - 1) * size_t(m_columnCount) + size_t(column)];
}

int TQuery::CursorRecNoOf(qint64 id) const
{
    return id >= 1 && id <= m_rowCount ? int(id) : 0;
}
