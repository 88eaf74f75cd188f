#pragma once

#include "platform/DatabaseBuilder.h"

#include <QList>
#include <QString>
#include <QStringList>

// The layout of the tables of a database as the engine reads it back from the file. Names
// are compared without regard to letter case through the letter table (UpperCase), so
// "BlüteZeit 1" finds the column "Blütezeit 1"; the structures keep the stored spelling.

struct TIndexColumn
{
    QString Name;
    QString Collation; // "BINARY" or "VERDAN_NOCASE" for the files of TDatabaseBuilder
    bool Descending = false;
};

struct TIndexInfo
{
    QString Name; // empty for the primary index
    QList<TIndexColumn> Columns;
    bool Primary = false;

    QStringList ColumnNames() const;
};

struct TTableInfo
{
    QString Name;
    QList<TColumnDef> Columns; // in the table's order
    TIndexInfo PrimaryIndex;   // without columns when the table has no primary key
    QList<TIndexInfo> Indexes; // the named secondary indexes

    // Position of the column named name, -1 when there is none.
    int ColumnIndex(const QString& name) const;
    // The secondary index named name, or nullptr.
    const TIndexInfo* FindIndex(const QString& name) const;
};

// Where names of tables are looked up: the database itself, or a fixed layout in tests.
class TSchema
{
public:
    virtual ~TSchema() = default;
    // The table named name (a Paradox extension ".DB" is ignored), or nullptr.
    virtual const TTableInfo* FindTable(const QString& name) const = 0;
};

// True when a and b are the same name for the engine (letter-table upper case).
bool SameName(const QString& a, const QString& b);
