#pragma once

#include "platform/Schema.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>

struct sqlite3;

// How a database file is opened. The engine never writes to its data: ReadOnly takes the
// usual shared read lock; Immutable (a network share, an installation image) promises SQLite
// that nobody changes the file, so that no lock is taken at all.
enum class TOpenMode
{
    ReadOnly,
    Immutable,
};

// A database of the engine: a directory holding the file tables.sqlite (the stand-in for a
// directory of Paradox tables). Connections are shared: every data set on the same directory
// and mode uses one connection, which closes with the last of them. Use on one thread only.
class TDatabase : public TSchema
{
public:
    static constexpr const char* DataFileName = "tables.sqlite";

    // The database named databaseName: an alias defined with DefineAlias, or a directory
    // path ("\" counts as "/"). The mode follows the setup block: Immutable when
    // GlobalReadOnly is set, else ReadOnly. Raises EDatabaseError naming the file when the
    // directory holds no tables.sqlite or the file is not a sound database.
    static std::shared_ptr<TDatabase> Open(const QString& databaseName);
    static std::shared_ptr<TDatabase> Open(const QString& databaseName, TOpenMode mode);

    // Makes alias stand for directory in later Open calls (the engine's database aliases).
    static void DefineAlias(const QString& alias, const QString& directory);
    // The absolute path of the data file that databaseName names; the file need not exist.
    static QString DataFileOf(const QString& databaseName);
    // Tells the open connections of databaseName that its tables changed (a table was
    // deleted through another connection): they read the table names again.
    static void SchemaChanged(const QString& databaseName);

    ~TDatabase() override;
    TDatabase(const TDatabase&) = delete;
    TDatabase& operator=(const TDatabase&) = delete;

    QString Directory() const { return m_directory; }
    QString FileName() const { return m_fileName; }
    TOpenMode Mode() const { return m_mode; }

    // The names of the tables in the file's order of names (sorted), as stored.
    QStringList TableNames() const { return m_tableNames; }
    // The layout of the table named name (a Paradox extension ".DB" is ignored), or nullptr;
    // valid until the schema changes.
    const TTableInfo* FindTable(const QString& name) const override;
    // The same, shared with the caller so that it outlives a change of the schema; raises
    // EDatabaseError "Table 'name' not found in <file>".
    std::shared_ptr<const TTableInfo> Table(const QString& name) const;

    // The SQLite connection; for the engine layer's own classes only.
    sqlite3* Handle() const { return m_db; }
    // Raises EDatabaseError "<file>: <SQLite's last message>".
    [[noreturn]] void RaiseError() const;

private:
    TDatabase(const QString& directory, TOpenMode mode);
    void ReadTableNames();
    std::shared_ptr<const TTableInfo> TableInfo(const QString& name) const;
    std::shared_ptr<TTableInfo> ReadTable(const QString& name) const;

    QString m_directory;
    QString m_fileName;
    TOpenMode m_mode;
    sqlite3* m_db = nullptr;
    QStringList m_tableNames;
    QHash<QString, QString> m_tableByKey; // UpperCase(name) -> stored name
    mutable std::map<QString, std::shared_ptr<TTableInfo>> m_tables; // by stored name
};
