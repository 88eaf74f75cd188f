#pragma once

// Internals of the engine layer that speak SQLite. Only src/platform includes this header;
// everything else reaches the data through TDatabase, TTable and TQuery.

#include "platform/DatabaseBuilder.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <sqlite3.h>

namespace VerdanSqlite {

// The collation of the string columns of secondary indexes: letters compare through the
// letter table's upper case (UpperCase of Kr_str.h), so "ä" equals "Ä" and "Blütezeit"
// equals "BLÜTEZEIT"; everything else compares by code point.
inline constexpr char NoCaseCollation[] = "VERDAN_NOCASE";

// Marks a file written by TDatabaseBuilder (PRAGMA application_id), "VRDN".
inline constexpr int ApplicationId = 0x5652444e;

// Registers the collation and the functions that translated statements call (letter-table
// UPPER and LOWER). Every connection of the engine and of the builder does this first.
void RegisterEngineFunctions(sqlite3* db);

// Compares two UTF-8 texts as VERDAN_NOCASE does: <0, 0 or >0.
int CompareNoCase(const QByteArray& a, const QByteArray& b);

// The declared SQLite type of a column: it gives the right affinity (text codes such as "0"
// stay text) and reads back as the same Paradox type through ColumnFromDeclaredType.
QString DeclaredType(const TColumnDef& column);
// The column of a declared type; a type not written by DeclaredType is mapped by SQLite's
// affinity rules (INT integer, CHAR/CLOB/TEXT string, BLOB or none blob, else string).
TColumnDef ColumnFromDeclaredType(const QString& name, const QString& declaredType);

// Paradox index names belong to their table, SQLite's to the whole file: an index is stored
// as "<table>.<index>" and read back under its own name.
QString StoredIndexName(const QString& table, const QString& index);
QString IndexNameFromStored(const QString& table, const QString& stored);

// "name" with inner double quotes doubled: a safe SQLite identifier.
QString QuoteIdentifier(const QString& name);

// The value of column i of the current row of stmt, typed for a field of type type.
QVariant ColumnValue(sqlite3_stmt* stmt, int i, TFieldType type);

// Binds value as parameter i (1-based); a null QVariant binds NULL, QByteArray binds a blob,
// bool and integers bind integers, everything else binds text.
void BindValue(sqlite3_stmt* stmt, int i, const QVariant& value);

// A prepared statement that finalizes itself. Errors raise EDatabaseError whose message
// begins with the context given (usually the database file).
class TStatement
{
public:
    TStatement() = default;
    TStatement(sqlite3* db, const QString& sql, const QString& context);
    ~TStatement();
    TStatement(TStatement&& other) noexcept;
    TStatement& operator=(TStatement&& other) noexcept;
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    sqlite3_stmt* Handle() const { return m_stmt; }
    explicit operator bool() const { return m_stmt != nullptr; }

    // True while a row is available, false when done; raises on any error.
    bool Step();
    void Reset();
    void Bind(int i, const QVariant& value) { BindValue(m_stmt, i, value); }
    int ColumnCount() const { return sqlite3_column_count(m_stmt); }
    QString ColumnText(int i) const;
    qint64 ColumnInt64(int i) const { return sqlite3_column_int64(m_stmt, i); }

private:
    sqlite3_stmt* m_stmt = nullptr;
    QString m_context;
};

// Runs sql that returns no rows; raises EDatabaseError with context on failure.
void Execute(sqlite3* db, const QString& sql, const QString& context);

// Raises EDatabaseError "<context>: <SQLite's message for db>".
[[noreturn]] void RaiseSqliteError(sqlite3* db, const QString& context);

} // namespace VerdanSqlite
