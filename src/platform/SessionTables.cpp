// The session's operations on the tables of a directory: listing and deleting them.

#include "app/Kr_str.h"
#include "platform/Database.h"
#include "platform/DatabaseError.h"
#include "platform/EngineSqlite.h"
#include "platform/Session.h"

#include <QRegularExpression>

using namespace VerdanSqlite;

namespace {

// Paradox tables carry the extension of their data file.
const QString TableExtension = QStringLiteral(".DB");

bool MatchesPattern(const QString& name, const QString& pattern)
{
    if (pattern.isEmpty() || pattern == u"*") return true;
    QString upperPattern = UpperCase(pattern);
    // The pattern may be written with the extension ("VDB_*.DB").
    if (upperPattern.endsWith(TableExtension)) upperPattern.chop(TableExtension.size());
    const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(
        upperPattern, QRegularExpression::UnanchoredWildcardConversion));
    return QRegularExpression(QRegularExpression::anchoredPattern(wildcard.pattern()))
        .match(UpperCase(name))
        .hasMatch();
}

} // namespace

// The engine keeps no system tables of its own among a database's tables, so systemTables
// adds nothing. The listing never opens a file as immutable: its tables may be deleted next.
QStringList TSession::GetTableNames(const QString& dir, const QString& pattern, bool withExtensions,
                                    bool /*systemTables*/) const
{
    const std::shared_ptr<TDatabase> database = TDatabase::Open(dir, TOpenMode::ReadOnly);
    QStringList names;
    for (const QString& name : database->TableNames()) {
        if (MatchesPattern(name, pattern)) names << (withExtensions ? name + TableExtension : name);
    }
    return names;
}

// Deleting writes, so it takes a connection of its own; the shared read-only connection of
// the directory forgets the table afterwards.
void TSession::DeleteTable(const QString& dir, const QString& tableName) const
{
    const QString fileName = TDatabase::DataFileOf(dir);
    QString stored;
    {
        const std::shared_ptr<TDatabase> database = TDatabase::Open(dir, TOpenMode::ReadOnly);
        stored = database->Table(tableName)->Name;
    }
    sqlite3* db = nullptr;
    const QByteArray path = fileName.toUtf8();
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const QString message =
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        sqlite3_close(db);
        throw EDatabaseError(fileName + QStringLiteral(": ") + message);
    }
    try {
        sqlite3_busy_timeout(db, 2000);
        RegisterEngineFunctions(db);
        Execute(db, QStringLiteral("DROP TABLE ") + QuoteIdentifier(stored), fileName);
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
    TDatabase::SchemaChanged(dir);
}
