#pragma once

#include "platform/Dataset.h"

#include <QVariantList>
#include <memory>

// A table of a database, opened read-only (the form library's TTable over the Paradox engine).
// Records run in the order of the current index: the primary index (the primary key) unless
// IndexName or IndexFieldNames name another; a table without primary key runs in the order
// its rows were written. Text columns of secondary indexes order and compare without regard
// to letter case through the letter table; everything else compares exactly.
//
// Opening reads only the record order; a record's values are read when a field asks for
// them. A missing database, table or index raises EDatabaseError naming it.
class TTable : public TDataSet
{
    Q_OBJECT

public:
    explicit TTable(QObject* parent = nullptr);
    ~TTable() override;

    // Set while the table is closed (raise otherwise).
    QString DatabaseName() const { return m_databaseName; }
    void SetDatabaseName(const QString& name);
    QString TableName() const { return m_tableName; }
    void SetTableName(const QString& name);
    // The engine opens every table read-only; the flag is kept for the callers that set it.
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }

    // The named secondary index to run on; empty for the primary index. Setting it on an open
    // table cancels any range and keeps the current record. Clears IndexFieldNames.
    QString IndexName() const { return m_indexName; }
    void SetIndexName(const QString& name);
    // Fields separated by ";" ("RelID", "DB;Grp;Krit;Item"): runs on the primary index or the
    // first secondary index whose leading columns are these fields; its key is these fields.
    // Raises when no index fits. Clears IndexName.
    QString IndexFieldNames() const { return m_indexFieldNames; }
    void SetIndexFieldNames(const QString& names);
    // The key fields of the current index (open table only).
    QStringList IndexFields() const;
    // The names of the table's secondary indexes (open table only).
    QStringList GetIndexNames() const;

    // The key searches take values for the leading key fields (at least one, at most as many
    // as the key has), converted to the fields' types; they search within the current range.
    // FindKey moves to the first record whose key begins with values and returns true, or
    // returns false without moving.
    bool FindKey(const QVariantList& values);
    // Moves to the first record whose key is at or after values in the index order, or to
    // the last record when there is none.
    void FindNearest(const QVariantList& values);
    // Shows only the records whose key lies from startValues to endValues (both inclusive,
    // compared on as many leading fields as each gives; an empty list leaves that end open)
    // and moves to the first of them.
    void SetRange(const QVariantList& startValues, const QVariantList& endValues);
    void CancelRange();
    bool Ranged() const;

    QString DataSetName() const override;

protected:
    QList<TColumnInfo> OpenCursor() override;
    void CloseCursor() override;
    int CursorRecordCount() const override;
    QVariant CursorValue(int recNo, int column) const override;
    qint64 CursorRecordId(int recNo) const override;
    int CursorRecNoOf(qint64 id) const override;
    int CursorLocate(int column, const QVariant& value) const override;

private:
    struct Impl;
    void SwitchIndex(const QString& indexName, const QString& indexFieldNames);

    QString m_databaseName;
    QString m_tableName;
    bool m_readOnly = true;
    QString m_indexName;
    QString m_indexFieldNames;
    std::unique_ptr<Impl> d;
};
