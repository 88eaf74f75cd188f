#pragma once

#include "platform/Dataset.h"

#include <QStringList>
#include <memory>
#include <vector>

class TDatabase;

// A query over the tables of a database (the form library's TQuery): a SELECT statement of
// the local SQL dialect (see LocalSql.h), given as lines. Open runs it and holds the whole
// result in memory, so record numbers, counts, moves and bookmarks work as on a table. The
// result's fields are named by the statement's aliases or columns; a repeated name gets
// "_1", "_2" appended. An error in the statement or of the engine raises EDatabaseError.
class TQuery : public TDataSet
{
    Q_OBJECT

public:
    explicit TQuery(QObject* parent = nullptr);
    ~TQuery() override;

    // Set while the query is closed (raise otherwise).
    QString DatabaseName() const { return m_databaseName; }
    void SetDatabaseName(const QString& name);

    // The statement's lines. Setting them closes an open query.
    const QStringList& SQL() const { return m_sql; }
    void SetSQL(const QStringList& lines);
    // The statement as SQLite ran it (after Open; for diagnostics).
    QString TranslatedSQL() const { return m_translated; }

    QString DataSetName() const override { return QStringLiteral("Query"); }

protected:
    QList<TColumnInfo> OpenCursor() override;
    void CloseCursor() override;
    int CursorRecordCount() const override { return m_rowCount; }
    QVariant CursorValue(int recNo, int column) const override;
    qint64 CursorRecordId(int recNo) const override { return recNo; }
    int CursorRecNoOf(qint64 id) const override;

private:
    QString m_databaseName;
    QStringList m_sql;
    QString m_translated;
    std::shared_ptr<TDatabase> m_database; // kept while closed: reopening is cheap
    std::vector<QVariant> m_values;        // row by row
    int m_columnCount = 0;
    int m_rowCount = 0;
};
