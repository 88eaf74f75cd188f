#include "platform/Table.h"

#include "platform/Database.h"
#include "platform/DatabaseError.h"
#include "platform/EngineSqlite.h"

#include <map>
#include <unordered_map>

using namespace VerdanSqlite;

namespace {

// Where a record's key lies against the values searched for, in the index order.
enum class TKeyBound
{
    Equal,   // the key begins with the values
    AtLeast, // at or after the values
    AtMost,  // at or before the values
};

} // namespace

struct TTable::Impl
{
    std::shared_ptr<TDatabase> Database;
    std::shared_ptr<const TTableInfo> Info;
    TIndexInfo Index; // the current index; no columns: the order the rows were written
    int KeyCount = 0; // leading columns of Index that form the key
    QVariantList RangeStart;
    QVariantList RangeEnd;
    bool Ranged = false;

    std::vector<qint64> RowIds;                           // the records shown, in index order
    mutable std::unordered_map<qint64, int> RecNoOfRowId; // filled on first use

    QString ColumnList;
    mutable TStatement RowStatement;
    mutable qint64 LoadedRowId = 0;
    mutable bool RowLoaded = false;
    mutable bool RowFound = false;
    mutable QVariantList RowValues;
    mutable std::vector<bool> ValueLoaded;
    mutable std::map<QString, TStatement> Statements; // searches, by their SQL

    QString Context() const
    {
        return Database->FileName() + QStringLiteral(", table ") + Info->Name;
    }

    QString OrderBy() const
    {
        QStringList terms;
        for (const TIndexColumn& column : Index.Columns) {
            terms << QuoteIdentifier(column.Name) + QStringLiteral(" COLLATE ") +
                         QuoteIdentifier(column.Collation) +
                         (column.Descending ? QStringLiteral(" DESC") : QString());
        }
        terms << QStringLiteral("rowid");
        return terms.join(QStringLiteral(", "));
    }

    QString ColumnTerm(int i) const
    {
        const TIndexColumn& column = Index.Columns[i];
        return QuoteIdentifier(column.Name) + QStringLiteral(" COLLATE ") +
               QuoteIdentifier(column.Collation);
    }

    // A condition on the leading key columns; the values are appended to binds.
    QString KeyCondition(const QVariantList& values, TKeyBound bound, QVariantList& binds) const;
    QString ExpandedBound(const QVariantList& values, int i, TKeyBound bound,
                          QVariantList& binds) const;
    QString RangeCondition(QVariantList& binds) const;
    QVariantList KeyValues(const QVariantList& values, const QString& what) const;
    QVariant ConvertedValue(const TColumnDef& column, const QVariant& value) const;

    void LoadRowIds();
    int RecNoOf(qint64 rowId) const;
    // The first record shown that satisfies condition, in index order; 0 when none.
    int FirstWhere(const QString& condition, QVariantList binds) const;
    void LoadRow(qint64 rowId) const;
};

QVariant TTable::Impl::ConvertedValue(const TColumnDef& column, const QVariant& value) const
{
    if (value.isNull()) return {};
    const auto invalid = [&] {
        return EDatabaseError(QStringLiteral("%1: '%2' is not a valid value for field '%3'")
                                  .arg(Info->Name, value.toString(), column.Name));
    };
    switch (column.Type) {
    case TFieldType::Integer:
    case TFieldType::AutoInc:
    case TFieldType::SmallInt: {
        bool ok = false;
        const qlonglong number = value.typeId() == QMetaType::QString
                                     ? value.toString().trimmed().toLongLong(&ok)
                                     : value.toLongLong(&ok);
        if (!ok) throw invalid();
        return number;
    }
    case TFieldType::Boolean: {
        if (value.typeId() == QMetaType::Bool) return value.toBool();
        const QString text = value.toString().trimmed().toUpper();
        if (text == u"TRUE" || text == u"1") return true;
        if (text == u"FALSE" || text == u"0") return false;
        throw invalid();
    }
    case TFieldType::Blob:
        return value.toByteArray();
    default:
        if (value.typeId() == QMetaType::Bool)
            return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        return value.toString();
    }
}

QVariantList TTable::Impl::KeyValues(const QVariantList& values, const QString& what) const
{
    if (KeyCount == 0)
        throw EDatabaseError(
            QStringLiteral("%1: %2 needs an index with a key").arg(Info->Name, what));
    if (values.size() > KeyCount)
        throw EDatabaseError(
            QStringLiteral("%1: %2 with %3 values, the key has %4 fields")
                .arg(Info->Name, what, QString::number(values.size()), QString::number(KeyCount)));
    QVariantList converted;
    for (int i = 0; i < values.size(); ++i) {
        const int column = Info->ColumnIndex(Index.Columns[i].Name);
        if (column < 0) // an index the engine cannot read; none of TDatabaseBuilder's
            throw EDatabaseError(QStringLiteral("%1: the index column '%2' is not a column")
                                     .arg(Info->Name, Index.Columns[i].Name));
        converted << ConvertedValue(Info->Columns[column], values[i]);
    }
    return converted;
}

QString TTable::Impl::KeyCondition(const QVariantList& values, TKeyBound bound,
                                   QVariantList& binds) const
{
    if (values.isEmpty()) return QStringLiteral("1");
    if (bound == TKeyBound::Equal) {
        QStringList terms;
        for (int i = 0; i < values.size(); ++i) {
            terms << ColumnTerm(i) + QStringLiteral(" IS ?");
            binds << values[i];
        }
        return terms.join(QStringLiteral(" AND "));
    }
    // A row value lets SQLite seek in the index; it cannot express blanks (NULL sorts first
    // but compares as unknown) or descending columns, which take the spelled-out form.
    const bool simple =
        std::none_of(values.begin(), values.end(), [](const QVariant& v) { return v.isNull(); }) &&
        std::none_of(Index.Columns.begin(), Index.Columns.begin() + values.size(),
                     [](const TIndexColumn& c) { return c.Descending; });
    if (!simple) return ExpandedBound(values, 0, bound, binds);
    // The collation goes with the parameters: SQLite seeks in the index only for a row value
    // of plain columns.
    QStringList columns;
    QStringList parameters;
    for (int i = 0; i < values.size(); ++i) {
        columns << QuoteIdentifier(Index.Columns[i].Name);
        parameters << QStringLiteral("? COLLATE ") + QuoteIdentifier(Index.Columns[i].Collation);
        binds << values[i];
    }
    return QStringLiteral("(%1) %2 (%3)")
        .arg(columns.join(QStringLiteral(", ")),
             bound == TKeyBound::AtLeast ? QStringLiteral(">=") : QStringLiteral("<="),
             parameters.join(QStringLiteral(", ")));
}

// The key at or after (AtLeast) or at or before (AtMost) the values from column i on:
// strictly beyond on column i, or equal there and bounded on the rest.
QString TTable::Impl::ExpandedBound(const QVariantList& values, int i, TKeyBound bound,
                                    QVariantList& binds) const
{
    if (i == values.size()) return QStringLiteral("1");
    const QString term = ColumnTerm(i);
    const bool later = (bound == TKeyBound::AtLeast) != Index.Columns[i].Descending;
    QString beyond;
    if (values[i].isNull()) {
        // NULL sorts before every value: only values lie after it, nothing before it.
        beyond = later ? term + QStringLiteral(" IS NOT NULL") : QStringLiteral("0");
    } else {
        beyond = later ? term + QStringLiteral(" > ?")
                       : QStringLiteral("(%1 < ? OR %1 IS NULL)").arg(term);
        binds << values[i];
    }
    QString equal = term + QStringLiteral(" IS ?");
    binds << values[i];
    const QString rest = ExpandedBound(values, i + 1, bound, binds);
    return QStringLiteral("(%1 OR (%2 AND %3))").arg(beyond, equal, rest);
}

QString TTable::Impl::RangeCondition(QVariantList& binds) const
{
    if (!Ranged) return QStringLiteral("1");
    // Two statements: the parameters must be bound in the order of the text.
    const QString start = KeyCondition(RangeStart, TKeyBound::AtLeast, binds);
    return start + QStringLiteral(" AND ") + KeyCondition(RangeEnd, TKeyBound::AtMost, binds);
}

void TTable::Impl::LoadRowIds()
{
    QVariantList binds;
    const QString sql = QStringLiteral("SELECT rowid FROM %1 WHERE %2 ORDER BY %3")
                            .arg(QuoteIdentifier(Info->Name), RangeCondition(binds), OrderBy());
    TStatement statement(Database->Handle(), sql, Context());
    for (int i = 0; i < binds.size(); ++i)
        statement.Bind(i + 1, binds[i]);
    RowIds.clear();
    RecNoOfRowId.clear();
    while (statement.Step())
        RowIds.push_back(statement.ColumnInt64(0));
    RowLoaded = false;
}

int TTable::Impl::RecNoOf(qint64 rowId) const
{
    if (RecNoOfRowId.empty() && !RowIds.empty()) {
        RecNoOfRowId.reserve(RowIds.size());
        for (size_t i = 0; i < RowIds.size(); ++i)
            RecNoOfRowId.emplace(RowIds[i], int(i) + 1);
    }
    const auto it = RecNoOfRowId.find(rowId);
    return it == RecNoOfRowId.end() ? 0 : it->second;
}

int TTable::Impl::FirstWhere(const QString& condition, QVariantList binds) const
{
    const QString sql =
        QStringLiteral("SELECT rowid FROM %1 WHERE (%2) AND %3 ORDER BY %4 LIMIT 1")
            .arg(QuoteIdentifier(Info->Name), condition, RangeCondition(binds), OrderBy());
    auto it = Statements.find(sql);
    if (it == Statements.end())
        it = Statements.emplace(sql, TStatement(Database->Handle(), sql, Context())).first;
    TStatement& statement = it->second;
    statement.Reset();
    for (int i = 0; i < binds.size(); ++i)
        statement.Bind(i + 1, binds[i]);
    const bool found = statement.Step();
    const qint64 rowId = found ? statement.ColumnInt64(0) : 0;
    statement.Reset();
    return found ? RecNoOf(rowId) : 0;
}

void TTable::Impl::LoadRow(qint64 rowId) const
{
    if (RowLoaded && LoadedRowId == rowId) return;
    if (!RowStatement) {
        RowStatement = TStatement(Database->Handle(),
                                  QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                      .arg(ColumnList, QuoteIdentifier(Info->Name)),
                                  Context());
    }
    RowStatement.Reset();
    RowLoaded = false;
    RowStatement.Bind(1, QVariant(qlonglong(rowId)));
    RowFound = RowStatement.Step();
    LoadedRowId = rowId;
    RowLoaded = true;
    std::fill(ValueLoaded.begin(), ValueLoaded.end(), false);
}

TTable::TTable(QObject* parent) : TDataSet(parent) {}

TTable::~TTable()
{
    Close();
}

void TTable::SetDatabaseName(const QString& name)
{
    CheckInactive(QStringLiteral("change the database"));
    m_databaseName = name;
}

void TTable::SetTableName(const QString& name)
{
    CheckInactive(QStringLiteral("change the table name"));
    m_tableName = name;
}

void TTable::SetIndexName(const QString& name)
{
    SwitchIndex(name, QString());
}

void TTable::SetIndexFieldNames(const QString& names)
{
    SwitchIndex(QString(), names);
}

QStringList TTable::IndexFields() const
{
    CheckActive();
    return d->Index.ColumnNames().mid(0, d->KeyCount);
}

QStringList TTable::GetIndexNames() const
{
    CheckActive();
    QStringList names;
    for (const TIndexInfo& index : d->Info->Indexes)
        names << index.Name;
    return names;
}

namespace {

// The index that indexName or indexFieldNames choose, and how many of its columns form the key.
std::pair<TIndexInfo, int> ChooseIndex(const TTableInfo& table, const QString& indexName,
                                       const QString& indexFieldNames)
{
    if (!indexFieldNames.trimmed().isEmpty()) {
        QStringList fields;
        for (const QString& field : indexFieldNames.split(u';'))
            if (!field.trimmed().isEmpty()) fields << field.trimmed();
        QList<TIndexInfo> candidates{table.PrimaryIndex};
        candidates += table.Indexes;
        for (const TIndexInfo& index : candidates) {
            if (index.Columns.size() < fields.size()) continue;
            bool leading = true;
            for (int i = 0; i < fields.size() && leading; ++i)
                leading = SameName(index.Columns[i].Name, fields[i]);
            if (leading) return {index, int(fields.size())};
        }
        throw EDatabaseError(
            QStringLiteral("%1: no index for the fields '%2'").arg(table.Name, indexFieldNames));
    }
    if (indexName.trimmed().isEmpty())
        return {table.PrimaryIndex, int(table.PrimaryIndex.Columns.size())};
    if (const TIndexInfo* index = table.FindIndex(indexName.trimmed()))
        return {*index, int(index->Columns.size())};
    throw EDatabaseError(QStringLiteral("%1: index '%2' not found").arg(table.Name, indexName));
}

} // namespace

void TTable::SwitchIndex(const QString& indexName, const QString& indexFieldNames)
{
    if (!Active()) {
        m_indexName = indexName;
        m_indexFieldNames = indexFieldNames;
        return;
    }
    auto [index, keyCount] = ChooseIndex(*d->Info, indexName, indexFieldNames);
    m_indexName = indexName;
    m_indexFieldNames = indexFieldNames;
    const qint64 current = RecNo() > 0 ? d->RowIds[size_t(RecNo() - 1)] : 0;
    d->Index = index;
    d->KeyCount = keyCount;
    d->Ranged = false;
    d->LoadRowIds();
    RecordsChanged(current ? d->RecNoOf(current) : 1);
}

bool TTable::FindKey(const QVariantList& values)
{
    CheckActive();
    if (values.isEmpty()) Raise(QStringLiteral("FindKey needs at least one value"));
    QVariantList binds;
    const QString condition =
        d->KeyCondition(d->KeyValues(values, QStringLiteral("FindKey")), TKeyBound::Equal, binds);
    const int recNo = d->FirstWhere(condition, binds);
    if (recNo == 0) return false;
    MoveToRecord(recNo);
    return true;
}

void TTable::FindNearest(const QVariantList& values)
{
    CheckActive();
    if (values.isEmpty()) Raise(QStringLiteral("FindNearest needs at least one value"));
    QVariantList binds;
    const QString condition = d->KeyCondition(d->KeyValues(values, QStringLiteral("FindNearest")),
                                              TKeyBound::AtLeast, binds);
    const int recNo = d->FirstWhere(condition, binds);
    if (recNo > 0)
        MoveToRecord(recNo);
    else if (!IsEmpty())
        Last();
}

void TTable::SetRange(const QVariantList& startValues, const QVariantList& endValues)
{
    CheckActive();
    QVariantList start = d->KeyValues(startValues, QStringLiteral("SetRange"));
    QVariantList end = d->KeyValues(endValues, QStringLiteral("SetRange"));
    d->RangeStart = std::move(start);
    d->RangeEnd = std::move(end);
    d->Ranged = true;
    d->LoadRowIds();
    RecordsChanged(1);
}

void TTable::CancelRange()
{
    CheckActive();
    if (!d->Ranged) return;
    d->Ranged = false;
    d->LoadRowIds();
    RecordsChanged(1);
}

bool TTable::Ranged() const
{
    return d && d->Ranged;
}

QString TTable::DataSetName() const
{
    return m_tableName.isEmpty() ? QStringLiteral("Table") : m_tableName;
}

QList<TDataSet::TColumnInfo> TTable::OpenCursor()
{
    if (m_tableName.trimmed().isEmpty()) Raise(QStringLiteral("no table name given"));
    auto impl = std::make_unique<Impl>();
    impl->Database = TDatabase::Open(m_databaseName);
    impl->Info = impl->Database->Table(m_tableName);
    std::tie(impl->Index, impl->KeyCount) =
        ChooseIndex(*impl->Info, m_indexName, m_indexFieldNames);
    QStringList names;
    QList<TColumnInfo> columns;
    for (const TColumnDef& column : impl->Info->Columns) {
        names << QuoteIdentifier(column.Name);
        columns << TColumnInfo{column.Name, column.Type, column.Size};
    }
    impl->ColumnList = names.join(QStringLiteral(", "));
    impl->RowValues = QVariantList(columns.size());
    impl->ValueLoaded.assign(size_t(columns.size()), false);
    impl->LoadRowIds();
    d = std::move(impl);
    return columns;
}

void TTable::CloseCursor()
{
    d.reset();
}

int TTable::CursorRecordCount() const
{
    return d ? int(d->RowIds.size()) : 0;
}

QVariant TTable::CursorValue(int recNo, int column) const
{
    d->LoadRow(d->RowIds[size_t(recNo - 1)]);
    if (!d->RowFound) return {};
    if (!d->ValueLoaded[size_t(column)]) {
        d->RowValues[column] =
            ColumnValue(d->RowStatement.Handle(), column, d->Info->Columns[column].Type);
        d->ValueLoaded[size_t(column)] = true;
    }
    return d->RowValues[column];
}

qint64 TTable::CursorRecordId(int recNo) const
{
    return d->RowIds[size_t(recNo - 1)];
}

int TTable::CursorRecNoOf(qint64 id) const
{
    return d ? d->RecNoOf(id) : 0;
}

int TTable::CursorLocate(int column, const QVariant& value) const
{
    const TColumnDef& def = d->Info->Columns[column];
    QVariantList binds{d->ConvertedValue(def, value)};
    return d->FirstWhere(QuoteIdentifier(def.Name) + QStringLiteral(" IS ?"), binds);
}
