#include "platform/EngineSqlite.h"

#include "app/Kr_str.h"
#include "platform/DatabaseError.h"

#include <QRegularExpression>
#include <cstring>

namespace VerdanSqlite {

namespace {

char AsciiUpper(unsigned char c)
{
    return char((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c);
}

int Sign(qsizetype value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

// Letters outside ASCII need the letter table; the common all-ASCII case does not.
int CompareNoCaseSlow(const char* a, int lengthA, const char* b, int lengthB)
{
    const QString upperA = UpperCase(QString::fromUtf8(a, lengthA));
    const QString upperB = UpperCase(QString::fromUtf8(b, lengthB));
    return Sign(upperA.compare(upperB, Qt::CaseSensitive));
}

int CompareNoCaseRaw(const char* a, int lengthA, const char* b, int lengthB)
{
    const int common = std::min(lengthA, lengthB);
    for (int i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if ((ca | cb) & 0x80) return CompareNoCaseSlow(a, lengthA, b, lengthB);
        const char ua = AsciiUpper(ca);
        const char ub = AsciiUpper(cb);
        if (ua != ub) return ua < ub ? -1 : 1;
    }
    // The rest of the longer text may hold non-ASCII letters, but it only follows an equal
    // prefix, so the shorter text sorts first either way.
    return Sign(qsizetype(lengthA) - lengthB);
}

int CollateNoCase(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    return CompareNoCaseRaw(static_cast<const char*>(a), lengthA, static_cast<const char*>(b),
                            lengthB);
}

template <QString (*Convert)(const QString&)>
void TextFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int bytes = sqlite3_value_bytes(argv[0]);
    const QByteArray result = Convert(QString::fromUtf8(text, bytes)).toUtf8();
    sqlite3_result_text(context, result.constData(), int(result.size()), SQLITE_TRANSIENT);
}

QString Message(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

} // namespace

void RegisterEngineFunctions(sqlite3* db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_collation_v2(db, NoCaseCollation, SQLITE_UTF8, nullptr, CollateNoCase,
                                    nullptr) != SQLITE_OK ||
        sqlite3_create_function_v2(db, "verdan_upper", 1, flags, nullptr, TextFunction<UpperCase>,
                                   nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_create_function_v2(db, "verdan_lower", 1, flags, nullptr, TextFunction<LowerCase>,
                                   nullptr, nullptr, nullptr) != SQLITE_OK)
        RaiseSqliteError(db, QStringLiteral("Registering the engine's functions"));
    // The local dialect's LIKE respects letter case, as the Paradox driver did.
    Execute(db, QStringLiteral("PRAGMA case_sensitive_like = ON"),
            QStringLiteral("Registering the engine's functions"));
}

int CompareNoCase(const QByteArray& a, const QByteArray& b)
{
    return CompareNoCaseRaw(a.constData(), int(a.size()), b.constData(), int(b.size()));
}

QString DeclaredType(const TColumnDef& column)
{
    switch (column.Type) {
    case TFieldType::String:
        return QStringLiteral("VARCHAR(%1)").arg(column.Size);
    case TFieldType::Integer:
        return QStringLiteral("INTEGER");
    case TFieldType::AutoInc:
        return QStringLiteral("AUTOINC_INTEGER");
    case TFieldType::SmallInt:
        return QStringLiteral("SMALLINT");
    case TFieldType::Boolean:
        return QStringLiteral("BOOLEAN");
    case TFieldType::Memo:
        return QStringLiteral("CLOB");
    case TFieldType::Blob:
        return QStringLiteral("BLOB");
    }
    return QStringLiteral("BLOB");
}

TColumnDef ColumnFromDeclaredType(const QString& name, const QString& declaredType)
{
    TColumnDef column;
    column.Name = name;
    const QString type = declaredType.trimmed().toUpper();
    static const QRegularExpression varchar(QStringLiteral("^VARCHAR\\s*\\(\\s*(\\d+)\\s*\\)$"));
    if (const QRegularExpressionMatch match = varchar.match(type); match.hasMatch()) {
        column.Type = TFieldType::String;
        column.Size = match.captured(1).toInt();
    } else if (type == u"INTEGER") {
        column.Type = TFieldType::Integer;
    } else if (type == u"AUTOINC_INTEGER") {
        column.Type = TFieldType::AutoInc;
    } else if (type == u"SMALLINT") {
        column.Type = TFieldType::SmallInt;
    } else if (type == u"BOOLEAN") {
        column.Type = TFieldType::Boolean;
    } else if (type == u"CLOB") {
        column.Type = TFieldType::Memo;
    } else if (type.contains(u"INT")) {
        column.Type = TFieldType::Integer;
    } else if (type.contains(u"CHAR") || type.contains(u"CLOB") || type.contains(u"TEXT")) {
        column.Type = TFieldType::String;
    } else if (type.isEmpty() || type.contains(u"BLOB")) {
        column.Type = TFieldType::Blob;
    } else {
        column.Type = TFieldType::String;
    }
    return column;
}

QString StoredIndexName(const QString& table, const QString& index)
{
    return table + u'.' + index;
}

QString IndexNameFromStored(const QString& table, const QString& stored)
{
    const QString prefix = table + u'.';
    if (stored.startsWith(prefix, Qt::CaseInsensitive) && stored.size() > prefix.size())
        return stored.mid(prefix.size());
    return stored;
}

QString QuoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QVariant ColumnValue(sqlite3_stmt* stmt, int i, TFieldType type)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER: {
        const qint64 value = sqlite3_column_int64(stmt, i);
        if (type == TFieldType::Boolean) return QVariant(value != 0);
        return QVariant(qlonglong(value));
    }
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, i));
    case SQLITE_BLOB: {
        const void* data = sqlite3_column_blob(stmt, i);
        const int bytes = sqlite3_column_bytes(stmt, i);
        return QVariant(QByteArray(static_cast<const char*>(data), bytes));
    }
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        const int bytes = sqlite3_column_bytes(stmt, i);
        if (type == TFieldType::Blob) return QVariant(QByteArray(text, bytes));
        return QVariant(QString::fromUtf8(text, bytes));
    }
    }
}

void BindValue(sqlite3_stmt* stmt, int i, const QVariant& value)
{
    if (value.isNull()) {
        sqlite3_bind_null(stmt, i);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        sqlite3_bind_int(stmt, i, value.toBool() ? 1 : 0);
        return;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        sqlite3_bind_int64(stmt, i, value.toLongLong());
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt, i, value.toDouble());
        return;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob64(stmt, i, bytes.constData(), sqlite3_uint64(bytes.size()),
                            SQLITE_TRANSIENT);
        return;
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text64(stmt, i, text.constData(), sqlite3_uint64(text.size()),
                            SQLITE_TRANSIENT, SQLITE_UTF8);
        return;
    }
    }
}

TStatement::TStatement(sqlite3* db, const QString& sql, const QString& context) : m_context(context)
{
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v3(db, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT,
                           &m_stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        RaiseSqliteError(db, context);
    }
    if (!m_stmt) throw EDatabaseError(context + QStringLiteral(": empty statement"));
}

TStatement::~TStatement()
{
    sqlite3_finalize(m_stmt);
}

TStatement::TStatement(TStatement&& other) noexcept
    : m_stmt(std::exchange(other.m_stmt, nullptr)), m_context(std::move(other.m_context))
{}

TStatement& TStatement::operator=(TStatement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_stmt = std::exchange(other.m_stmt, nullptr);
        m_context = std::move(other.m_context);
    }
    return *this;
}

bool TStatement::Step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3* db = sqlite3_db_handle(m_stmt);
    const QString message = Message(db);
    sqlite3_reset(m_stmt);
    throw EDatabaseError(m_context + QStringLiteral(": ") + message);
}

void TStatement::Reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

QString TStatement::ColumnText(int i) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i));
    return QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, i));
}

void Execute(sqlite3* db, const QString& sql, const QString& context)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = error ? QString::fromUtf8(error) : Message(db);
        sqlite3_free(error);
        throw EDatabaseError(context + QStringLiteral(": ") + message);
    }
}

void RaiseSqliteError(sqlite3* db, const QString& context)
{
    throw EDatabaseError(context + QStringLiteral(": ") + Message(db));
}

} // namespace VerdanSqlite
