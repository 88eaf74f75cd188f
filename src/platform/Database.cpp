#include "platform/Database.h"

#include "app/KR_MYSYS.h"
#include "app/Kr_str.h"
#include "platform/DatabaseError.h"
#include "platform/EngineSqlite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

using namespace VerdanSqlite;

namespace {

QHash<QString, QString>& Aliases()
{
    static QHash<QString, QString> aliases; // UpperCase(alias) -> directory
    return aliases;
}

// Shared connections by file and mode. A weak reference: the last data set closes it.
QHash<QString, std::weak_ptr<TDatabase>>& OpenDatabases()
{
    static QHash<QString, std::weak_ptr<TDatabase>> databases;
    return databases;
}

QString DirectoryOf(const QString& databaseName)
{
    QString name = databaseName;
    if (const auto alias = Aliases().constFind(UpperCase(name)); alias != Aliases().constEnd())
        name = *alias;
#ifndef Q_OS_WIN
    name.replace(u'\\', u'/');
#endif
    return QDir::cleanPath(
        QFileInfo(name.isEmpty() ? QStringLiteral(".") : name).absoluteFilePath());
}

quint32 BigEndian(const QByteArray& bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

// SQLite opens nearly anything lazily; looking at the header first turns a missing, foreign
// or cut-off file into a clear message before any data set depends on it.
void CheckDataFile(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists()) throw EDatabaseError(fileName + QStringLiteral(": no such database file"));
    if (!info.isFile()) throw EDatabaseError(fileName + QStringLiteral(": not a file"));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EDatabaseError(fileName + QStringLiteral(": cannot be read: ") + file.errorString());
    const QByteArray header = file.read(100);
    static const QByteArray magic("SQLite format 3\0", 16);
    if (header.size() < 100 || !header.startsWith(magic))
        throw EDatabaseError(fileName + QStringLiteral(": not a database file"));
    quint32 pageSize = BigEndian(header, 16, 2);
    if (pageSize == 1) pageSize = 65536;
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0)
        throw EDatabaseError(fileName + QStringLiteral(": not a database file"));
    const quint32 changeCounter = BigEndian(header, 24, 4);
    const quint32 pageCount = BigEndian(header, 28, 4);
    const quint32 validFor = BigEndian(header, 92, 4);
    const qint64 expected = qint64(pageCount) * pageSize;
    if (pageCount > 0 && validFor == changeCounter && info.size() < expected)
        throw EDatabaseError(fileName +
                             QStringLiteral(": damaged (the file ends after %1 of %2 bytes)")
                                 .arg(info.size())
                                 .arg(expected));
}

QByteArray UriOf(const QString& fileName, TOpenMode mode)
{
    QByteArray uri = "file:" + QUrl::toPercentEncoding(fileName, "/") + "?mode=ro";
    if (mode == TOpenMode::Immutable) uri += "&immutable=1";
    return uri;
}

} // namespace

std::shared_ptr<TDatabase> TDatabase::Open(const QString& databaseName)
{
    return Open(databaseName,
                SetupBlock.GlobalReadOnly ? TOpenMode::Immutable : TOpenMode::ReadOnly);
}

std::shared_ptr<TDatabase> TDatabase::Open(const QString& databaseName, TOpenMode mode)
{
    const QString directory = DirectoryOf(databaseName);
    const QString canonical = QFileInfo(directory).canonicalFilePath();
    const QString key = (canonical.isEmpty() ? directory : canonical) +
                        (mode == TOpenMode::Immutable ? QStringLiteral("|immutable") : QString());
    auto& open = OpenDatabases();
    if (std::shared_ptr<TDatabase> database = open.value(key).lock()) return database;
    std::shared_ptr<TDatabase> database(new TDatabase(directory, mode));
    open.insert(key, database);
    return database;
}

void TDatabase::DefineAlias(const QString& alias, const QString& directory)
{
    Aliases().insert(UpperCase(alias), directory);
}

QString TDatabase::DataFileOf(const QString& databaseName)
{
    return DirectoryOf(databaseName) + u'/' + QLatin1String(DataFileName);
}

TDatabase::TDatabase(const QString& directory, TOpenMode mode)
    : m_directory(directory), m_fileName(directory + u'/' + QLatin1String(DataFileName)),
      m_mode(mode)
{
    CheckDataFile(m_fileName);
    const int flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(UriOf(m_fileName, mode).constData(), &m_db, flags, nullptr) != SQLITE_OK) {
        const QString message =
            m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
        sqlite3_close(m_db);
        throw EDatabaseError(m_fileName + QStringLiteral(": ") + message);
    }
    try {
        sqlite3_busy_timeout(m_db, 2000);
        RegisterEngineFunctions(m_db);
        // The engine never writes its data: the shared lock, once taken, is kept, which spares
        // every statement locking the file and looking for a journal anew. An immutable file
        // takes no lock at all.
        if (mode == TOpenMode::ReadOnly)
            Execute(m_db, QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"), m_fileName);
        ReadTableNames();
    } catch (...) {
        sqlite3_close(m_db);
        throw;
    }
}

TDatabase::~TDatabase()
{
    m_tables.clear();
    sqlite3_close_v2(m_db);
}

void TDatabase::ReadTableNames()
{
    TStatement names(m_db,
                     QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                    "name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name"),
                     m_fileName);
    m_tableNames.clear();
    m_tableByKey.clear();
    while (names.Step()) {
        const QString name = names.ColumnText(0);
        m_tableNames << name;
        m_tableByKey.insert(UpperCase(name), name);
    }
}

void TDatabase::SchemaChanged(const QString& databaseName)
{
    const QString directory = DirectoryOf(databaseName);
    for (const std::weak_ptr<TDatabase>& open : std::as_const(OpenDatabases())) {
        const std::shared_ptr<TDatabase> database = open.lock();
        if (database && database->m_directory == directory) {
            database->m_tables.clear();
            database->ReadTableNames();
        }
    }
}

std::shared_ptr<const TTableInfo> TDatabase::TableInfo(const QString& name) const
{
    QString key = UpperCase(name.trimmed());
    auto stored = m_tableByKey.constFind(key);
    if (stored == m_tableByKey.constEnd() && key.endsWith(QStringLiteral(".DB")))
        stored = m_tableByKey.constFind(key.chopped(3));
    if (stored == m_tableByKey.constEnd()) return nullptr;
    auto& slot = m_tables[*stored];
    if (!slot) slot = ReadTable(*stored);
    return slot;
}

const TTableInfo* TDatabase::FindTable(const QString& name) const
{
    return TableInfo(name).get();
}

std::shared_ptr<const TTableInfo> TDatabase::Table(const QString& name) const
{
    if (std::shared_ptr<const TTableInfo> table = TableInfo(name)) return table;
    throw EDatabaseError(QStringLiteral("Table '%1' not found in %2").arg(name, m_fileName));
}

std::shared_ptr<TTableInfo> TDatabase::ReadTable(const QString& name) const
{
    auto table = std::make_shared<TTableInfo>();
    table->Name = name;
    QList<QPair<int, QString>> primary; // (position in the key, column)
    TStatement columns(m_db, QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?)"),
                       m_fileName);
    columns.Bind(1, name);
    while (columns.Step()) {
        table->Columns << ColumnFromDeclaredType(columns.ColumnText(0), columns.ColumnText(1));
        if (const int position = int(columns.ColumnInt64(2)); position > 0)
            primary.append({position, columns.ColumnText(0)});
    }
    std::sort(primary.begin(), primary.end());
    table->PrimaryIndex.Primary = true;
    for (const auto& [position, column] : primary)
        table->PrimaryIndex.Columns << TIndexColumn{column, QStringLiteral("BINARY"), false};

    TStatement indexes(m_db,
                       QStringLiteral("SELECT name, origin FROM pragma_index_list(?) ORDER BY seq"),
                       m_fileName);
    indexes.Bind(1, name);
    TStatement keyColumns(m_db,
                          QStringLiteral("SELECT name, desc, coll FROM pragma_index_xinfo(?) "
                                         "WHERE key = 1 ORDER BY seqno"),
                          m_fileName);
    QList<TIndexInfo> found;
    while (indexes.Step()) {
        TIndexInfo index;
        const QString stored = indexes.ColumnText(0);
        index.Primary = indexes.ColumnText(1) == u"pk";
        index.Name = index.Primary ? QString() : IndexNameFromStored(name, stored);
        keyColumns.Reset();
        keyColumns.Bind(1, stored);
        bool plainColumns = true;
        while (keyColumns.Step()) {
            if (sqlite3_column_type(keyColumns.Handle(), 0) == SQLITE_NULL)
                plainColumns = false; // an index on an expression: not a Paradox index
            index.Columns << TIndexColumn{keyColumns.ColumnText(0), keyColumns.ColumnText(2),
                                          keyColumns.ColumnInt64(1) != 0};
        }
        if (!plainColumns) continue;
        if (index.Primary)
            table->PrimaryIndex = index;
        else
            found.prepend(index); // pragma_index_list lists the newest first
    }
    table->Indexes = found;
    return table;
}

void TDatabase::RaiseError() const
{
    RaiseSqliteError(m_db, m_fileName);
}
