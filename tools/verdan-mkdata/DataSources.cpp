#include "DataSources.h"

#include "platform/DatabaseError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <QTextStream>
#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

ECompileError::ECompileError(const QString& file, int line, const QString& reason)
    : std::runtime_error((line > 0
                              ? QStringLiteral("%1:%2: %3").arg(file, QString::number(line), reason)
                              : QStringLiteral("%1: %2").arg(file, reason))
                             .toStdString()),
      m_file(file), m_line(line), m_reason(reason)
{}

namespace {

constexpr QChar Tab = u'\t';

QString Quoted(QStringView text)
{
    return u'"' + text.toString() + u'"';
}

QString ColumnPrefix(const TColumnDef& column)
{
    return QStringLiteral("column %1: ").arg(Quoted(column.Name));
}

// ---- Lines of a source file ----

QByteArray ReadFileBytes(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw ECompileError(file, 0, QStringLiteral("cannot read: %1").arg(f.errorString()));
    return f.readAll();
}

bool IsValidUtf8(QByteArrayView bytes)
{
    // Stateless, so that a sequence cut off at the end counts as an error too.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

int LineOfInvalidUtf8(const QByteArray& bytes)
{
    int line = 1;
    for (qsizetype start = 0; start <= bytes.size(); ++line) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        if (!IsValidUtf8(QByteArrayView(bytes).sliced(start, end - start))) return line;
        start = end + 1;
    }
    return 0;
}

// The file's lines without their line ends (LF or CRLF); a final line end adds no line.
QStringList ReadLines(const QString& file)
{
    const QByteArray bytes = ReadFileBytes(file);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw ECompileError(file, LineOfInvalidUtf8(bytes), QStringLiteral("invalid UTF-8"));
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty()) lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r')) line.chop(1);
    }
    return lines;
}

// ---- Schema ----

class TSchemaReader
{
public:
    TSchemaReader(const QString& file, const QString& tableName) : m_file(file)
    {
        m_table.Name = tableName;
    }

    TTableDef Read()
    {
        const QStringList lines = ReadLines(m_file);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            m_line = int(i + 1);
            const QString& line = lines[i];
            if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
            const QStringList fields = line.split(Tab);
            if (fields[0].startsWith(u'@'))
                ReadDirective(fields);
            else
                ReadColumn(fields);
        }
        if (m_table.Columns.isEmpty())
            throw ECompileError(m_file, 0, QStringLiteral("declares no columns"));
        // Indexes may stand before the columns they name, so they are checked at the end.
        for (const auto& [line, index] : m_indexLines)
            CheckIndexColumns(line, index);
        return m_table;
    }

private:
    [[noreturn]] void Fail(const QString& reason) const
    {
        throw ECompileError(m_file, m_line, reason);
    }

    void ReadColumn(const QStringList& fields)
    {
        if (fields.size() != 2 || fields[0].isEmpty())
            Fail(QStringLiteral("expected a column name and a type separated by one tab"));
        TColumnDef column;
        column.Name = fields[0];
        if (!ParseParadoxType(fields[1], column))
            Fail(ColumnPrefix(column) + QStringLiteral("unknown type %1").arg(Quoted(fields[1])));
        const QString key = column.Name.toLower();
        if (m_columnLines.contains(key))
            Fail(ColumnPrefix(column) +
                 QStringLiteral("declared twice (first on line %1)").arg(m_columnLines.value(key)));
        m_columnLines.insert(key, m_line);
        m_table.Columns.append(column);
    }

    void ReadDirective(const QStringList& fields)
    {
        if (fields[0] == u"@primary")
            ReadPrimary(fields);
        else if (fields[0] == u"@index")
            ReadIndex(fields);
        else
            Fail(QStringLiteral("unknown directive %1").arg(Quoted(fields[0])));
    }

    void ReadPrimary(const QStringList& fields)
    {
        if (m_primaryLine > 0)
            Fail(QStringLiteral("@primary given twice (first on line %1)").arg(m_primaryLine));
        TIndexDef index{QStringLiteral("@primary"), fields.mid(1)};
        if (index.Columns.isEmpty() || index.Columns.contains(QString()))
            Fail(QStringLiteral("@primary needs one or more columns separated by one tab"));
        m_primaryLine = m_line;
        m_table.PrimaryKey = index.Columns;
        m_indexLines.emplace_back(m_line, index);
    }

    void ReadIndex(const QStringList& fields)
    {
        TIndexDef index{fields.value(1), fields.mid(2)};
        if (index.Name.isEmpty() || index.Columns.isEmpty() || index.Columns.contains(QString()))
            Fail(QStringLiteral(
                "@index needs an index name and one or more columns separated by one tab"));
        for (const TIndexDef& other : std::as_const(m_table.Indexes)) {
            if (other.Name.compare(index.Name, Qt::CaseInsensitive) == 0)
                Fail(QStringLiteral("index %1 declared twice").arg(Quoted(index.Name)));
        }
        m_table.Indexes.append(index);
        m_indexLines.emplace_back(m_line, index);
    }

    void CheckIndexColumns(int line, const TIndexDef& index)
    {
        m_line = line;
        const QString what = index.Name == u"@primary"
                                 ? index.Name
                                 : QStringLiteral("@index %1").arg(Quoted(index.Name));
        QStringList seen;
        for (const QString& name : index.Columns) {
            const bool declared =
                std::any_of(m_table.Columns.cbegin(), m_table.Columns.cend(),
                            [&](const TColumnDef& column) { return column.Name == name; });
            if (!declared)
                Fail(QStringLiteral("%1 names unknown column %2").arg(what, Quoted(name)));
            if (seen.contains(name))
                Fail(QStringLiteral("%1 names column %2 twice").arg(what, Quoted(name)));
            seen.append(name);
        }
    }

    QString m_file;
    int m_line = 0;
    TTableDef m_table;
    QHash<QString, int> m_columnLines; // lower-case name -> line
    int m_primaryLine = 0;
    std::vector<std::pair<int, TIndexDef>> m_indexLines;
};

// ---- Cells ----

// Resolves the escapes \n, \t and \\; nullopt on any other backslash.
std::optional<QString> Unescape(QStringView cell)
{
    if (!cell.contains(u'\\')) return cell.toString();
    QString text;
    text.reserve(cell.size());
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell[i] != u'\\') {
            text.append(cell[i]);
            continue;
        }
        const QChar next = i + 1 < cell.size() ? cell[++i] : QChar();
        if (next == u'n')
            text.append(u'\n');
        else if (next == u't')
            text.append(u'\t');
        else if (next == u'\\')
            text.append(u'\\');
        else
            return std::nullopt;
    }
    return text;
}

qsizetype CharacterCount(QStringView text)
{
    return text.size() -
           std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

// A decimal integer with an optional minus sign; values too large for any column saturate,
// so that the range check still sees them as too large.
std::optional<qint64> ParseInteger(QStringView text)
{
    constexpr qint64 saturated = qint64(1) << 40;
    const bool negative = text.startsWith(u'-');
    const QStringView digits = negative ? text.sliced(1) : text;
    if (digits.isEmpty()) return std::nullopt;
    qint64 value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = std::min(value * 10 + (c.unicode() - u'0'), saturated);
    }
    return negative ? -value : value;
}

class TRowReader
{
public:
    TRowReader(const TTableDef& table, const QString& file, const QString& picturesDir)
        : m_table(table), m_file(file), m_picturesDir(QDir::cleanPath(picturesDir))
    {}

    // Maps the header's columns onto the schema's.
    void ReadHeader(const QString& header)
    {
        m_line = 1;
        const QStringList names = header.split(Tab);
        for (const QString& name : names) {
            const qsizetype column = IndexOfColumn(name);
            if (column < 0) Fail(QStringLiteral("unknown column %1").arg(Quoted(name)));
            if (m_order.contains(column))
                Fail(QStringLiteral("column %1 appears twice").arg(Quoted(name)));
            m_order.append(column);
        }
        for (qsizetype column = 0; column < m_table.Columns.size(); ++column) {
            if (!m_order.contains(column))
                Fail(QStringLiteral("column %1 of the schema is missing")
                         .arg(Quoted(m_table.Columns[column].Name)));
        }
    }

    QVariantList ReadRow(QStringView line, int lineNumber)
    {
        m_line = lineNumber;
        const QList<QStringView> cells = line.split(Tab);
        if (cells.size() != m_order.size())
            Fail(QStringLiteral("%1 cells, expected %2").arg(cells.size()).arg(m_order.size()));
        QVariantList values(m_table.Columns.size());
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const qsizetype column = m_order[i];
            values[column] = ReadCell(m_table.Columns[column], cells[i]);
        }
        return values;
    }

private:
    [[noreturn]] void Fail(const QString& reason) const
    {
        throw ECompileError(m_file, m_line, reason);
    }

    qsizetype IndexOfColumn(const QString& name) const
    {
        for (qsizetype i = 0; i < m_table.Columns.size(); ++i) {
            if (m_table.Columns[i].Name == name) return i;
        }
        return -1;
    }

    QVariant ReadCell(const TColumnDef& column, QStringView cell) const
    {
        if (cell.isEmpty()) return QVariant(); // a blank; an auto-increment blank is numbered later
        switch (column.Type) {
        case TFieldType::String:
            return ReadString(column, cell);
        case TFieldType::Memo:
            return ReadText(column, cell);
        case TFieldType::Integer:
        case TFieldType::AutoInc:
            return ReadInteger(column, cell, 32);
        case TFieldType::SmallInt:
            return ReadInteger(column, cell, 16);
        case TFieldType::Boolean:
            return ReadBoolean(column, cell);
        case TFieldType::Blob:
            return ReadPicturePath(column, cell);
        }
        return QVariant();
    }

    QString ReadText(const TColumnDef& column, QStringView cell) const
    {
        const std::optional<QString> text = Unescape(cell);
        if (!text)
            Fail(ColumnPrefix(column) +
                 QStringLiteral("bad escape in %1 (only \\n, \\t and \\\\ are known)")
                     .arg(Quoted(cell)));
        return *text;
    }

    QString ReadString(const TColumnDef& column, QStringView cell) const
    {
        QString text = ReadText(column, cell);
        if (CharacterCount(text) > column.Size)
            Fail(ColumnPrefix(column) + QStringLiteral("text %1 is longer than A%2")
                                            .arg(Quoted(text), QString::number(column.Size)));
        return text;
    }

    int ReadInteger(const TColumnDef& column, QStringView cell, int bits) const
    {
        const std::optional<qint64> value = ParseInteger(cell);
        if (!value)
            Fail(ColumnPrefix(column) + QStringLiteral("%1 is not an integer").arg(Quoted(cell)));
        const qint64 limit = qint64(1) << (bits - 1);
        if (*value < -limit || *value >= limit)
            Fail(ColumnPrefix(column) + QStringLiteral("%1 is outside the %2-bit range (%3 to %4)")
                                            .arg(Quoted(cell), QString::number(bits),
                                                 QString::number(-limit),
                                                 QString::number(limit - 1)));
        return int(*value);
    }

    bool ReadBoolean(const TColumnDef& column, QStringView cell) const
    {
        if (cell == u"1" || cell == u"0") return cell == u"1";
        Fail(ColumnPrefix(column) + QStringLiteral("%1 is not 1 or 0").arg(Quoted(cell)));
    }

    QString ReadPicturePath(const TColumnDef& column, QStringView cell) const
    {
        const QString name = ReadText(column, cell);
        const QString clean = QDir::cleanPath(name);
        if (QDir::isAbsolutePath(name) || clean == u".." || clean.startsWith(u"../"))
            Fail(ColumnPrefix(column) +
                 QStringLiteral("picture %1 lies outside %2").arg(Quoted(name), m_picturesDir));
        const QString path = m_picturesDir + u'/' + clean;
        if (!QFileInfo(path).isFile())
            Fail(ColumnPrefix(column) +
                 QStringLiteral("picture %1 not found in %2").arg(Quoted(name), m_picturesDir));
        return path;
    }

    const TTableDef& m_table;
    QString m_file;
    QString m_picturesDir;
    int m_line = 0;
    QList<qsizetype> m_order; // header position -> schema column
};

// ---- Whole-table checks ----

// Blank auto-increment cells get the numbers after the largest one given, in row order.
void NumberAutoIncrements(TSourceTable& table)
{
    for (qsizetype column = 0; column < table.Def.Columns.size(); ++column) {
        if (table.Def.Columns[column].Type != TFieldType::AutoInc) continue;
        int next = 1;
        for (const TSourceRow& row : std::as_const(table.Rows)) {
            if (!row.Values[column].isNull()) next = std::max(next, row.Values[column].toInt() + 1);
        }
        for (TSourceRow& row : table.Rows) {
            if (row.Values[column].isNull()) row.Values[column] = next++;
        }
    }
}

QString ShownValue(const QVariant& value)
{
    if (value.isNull()) return QStringLiteral("blank");
    if (value.typeId() == QMetaType::QString) return Quoted(value.toString());
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return value.toString();
}

void CheckPrimaryKeys(const TSourceTable& table)
{
    QList<qsizetype> columns;
    for (const QString& name : table.Def.PrimaryKey) {
        for (qsizetype i = 0; i < table.Def.Columns.size(); ++i) {
            if (table.Def.Columns[i].Name == name) columns.append(i);
        }
    }
    if (columns.isEmpty()) return;
    QHash<QString, int> firstLines;
    firstLines.reserve(table.Rows.size());
    for (const TSourceRow& row : table.Rows) {
        QString key;
        for (qsizetype column : columns) {
            const QVariant& value = row.Values[column];
            // The marker keeps a blank apart from any text, and the separator keeps
            // ("ab", "c") apart from ("a", "bc").
            key += value.isNull() ? QStringLiteral("\x01\x1f") : value.toString() + u'\x1f';
        }
        const auto first = firstLines.constFind(key);
        if (first == firstLines.cend()) {
            firstLines.insert(key, row.Line);
            continue;
        }
        QStringList shown;
        for (qsizetype column : columns)
            shown.append(table.Def.Columns[column].Name + QStringLiteral(" = ") +
                         ShownValue(row.Values[column]));
        throw ECompileError(table.DataFile, row.Line,
                            QStringLiteral("duplicate primary key (%1), first on line %2")
                                .arg(shown.join(QStringLiteral(", ")), QString::number(*first)));
    }
}

// ---- Writing ----

struct TSourceFiles
{
    QString Schema;
    QString Data;
};

// The tables of sourceDir/tables by name; a .schema without its .tsv (or the reverse) raises.
std::map<QString, TSourceFiles> FindSourceTables(const QString& sourceDir)
{
    const QString tablesDir = QDir::cleanPath(sourceDir + QStringLiteral("/tables"));
    std::map<QString, TSourceFiles> tables;
    const QFileInfoList files = QDir(tablesDir).entryInfoList(QDir::Files);
    for (const QFileInfo& info : files) {
        const QString path = tablesDir + u'/' + info.fileName();
        if (info.suffix() == u"schema")
            tables[info.completeBaseName()].Schema = path;
        else if (info.suffix() == u"tsv")
            tables[info.completeBaseName()].Data = path;
    }
    for (const auto& [name, files] : tables) {
        if (files.Data.isEmpty())
            throw ECompileError(files.Schema, 0, QStringLiteral("no %1.tsv beside it").arg(name));
        if (files.Schema.isEmpty())
            throw ECompileError(files.Data, 0, QStringLiteral("no %1.schema beside it").arg(name));
    }
    return tables;
}

QByteArray ReadPicture(const TSourceTable& table, const TSourceRow& row, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ECompileError(
            table.DataFile, row.Line,
            QStringLiteral("cannot read picture %1: %2").arg(Quoted(path), file.errorString()));
    return file.readAll();
}

void WriteTable(TDatabaseBuilder& builder, const TSourceTable& table)
{
    try {
        builder.CreateTable(table.Def);
    } catch (const EDatabaseError& e) {
        throw ECompileError(table.SchemaFile, 0, e.Message());
    }
    for (const TSourceRow& row : table.Rows) {
        QVariantList values = row.Values;
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (table.Def.Columns[i].Type == TFieldType::Blob && !values[i].isNull())
                values[i] = ReadPicture(table, row, values[i].toString());
        }
        try {
            builder.AddRow(table.Def.Name, values);
        } catch (const EDatabaseError& e) {
            throw ECompileError(table.DataFile, row.Line, e.Message());
        }
    }
}

// A database file under a temporary name beside its final one. It is removed unless
// Commit() renames it over the final name, which replaces the old file in one step.
class TTemporaryDatabase
{
public:
    explicit TTemporaryDatabase(const QString& dir)
    {
        QTemporaryFile reserved(dir + QStringLiteral("/tables.sqlite.XXXXXX.tmp"));
        reserved.setAutoRemove(false);
        if (!reserved.open())
            throw ECompileError(
                dir, 0, QStringLiteral("cannot create a file: %1").arg(reserved.errorString()));
        m_fileName = reserved.fileName();
    }

    ~TTemporaryDatabase()
    {
        if (m_fileName.isEmpty()) return;
        for (const char* suffix : {"", "-journal", "-wal", "-shm"})
            QFile::remove(m_fileName + QLatin1String(suffix));
    }

    TTemporaryDatabase(const TTemporaryDatabase&) = delete;
    TTemporaryDatabase& operator=(const TTemporaryDatabase&) = delete;

    QString FileName() const { return m_fileName; }

    void Commit(const QString& finalName)
    {
        // The reserved file was private to its owner; the data directory is for every user.
        QFile::setPermissions(m_fileName, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                              QFile::WriteUser | QFile::ReadGroup |
                                              QFile::ReadOther);
        std::error_code error;
        std::filesystem::rename(std::filesystem::path(m_fileName.toStdU16String()),
                                std::filesystem::path(finalName.toStdU16String()), error);
        if (error)
            throw ECompileError(
                finalName, 0,
                QStringLiteral("cannot replace: %1").arg(QString::fromLocal8Bit(error.message())));
        m_fileName.clear();
    }

private:
    QString m_fileName;
};

} // namespace

TTableDef ReadSchema(const QString& schemaFile)
{
    return TSchemaReader(schemaFile, QFileInfo(schemaFile).completeBaseName()).Read();
}

TSourceTable ReadSourceTable(const QString& schemaFile, const QString& dataFile,
                             const QString& picturesDir)
{
    TSourceTable table;
    table.SchemaFile = schemaFile;
    table.DataFile = dataFile;
    table.Def = ReadSchema(schemaFile);
    const QStringList lines = ReadLines(dataFile);
    if (lines.isEmpty())
        throw ECompileError(dataFile, 1, QStringLiteral("no header line with the column names"));
    TRowReader reader(table.Def, dataFile, picturesDir);
    reader.ReadHeader(lines.first());
    table.Rows.reserve(lines.size() - 1);
    for (qsizetype i = 1; i < lines.size(); ++i)
        table.Rows.append({int(i + 1), reader.ReadRow(lines[i], int(i + 1))});
    NumberAutoIncrements(table);
    CheckPrimaryKeys(table);
    return table;
}

TCompileSummary CompileData(const QString& sourceDir, const QString& targetDir)
{
    if (!QFileInfo(sourceDir).isDir())
        throw ECompileError(sourceDir, 0, QStringLiteral("no such directory"));
    const auto tables = FindSourceTables(sourceDir);
    const QString picturesDir = QDir::cleanPath(sourceDir + QStringLiteral("/pictures"));
    if (!QDir().mkpath(targetDir))
        throw ECompileError(targetDir, 0, QStringLiteral("cannot create the directory"));

    TCompileSummary summary;
    TTemporaryDatabase database(targetDir);
    {
        TDatabaseBuilder builder(database.FileName());
        for (const auto& [name, files] : tables) {
            const TSourceTable table = ReadSourceTable(files.Schema, files.Data, picturesDir);
            WriteTable(builder, table);
            ++summary.Tables;
            summary.Rows += int(table.Rows.size());
        }
        builder.Finish();
    }
    database.Commit(QDir::cleanPath(targetDir + QStringLiteral("/tables.sqlite")));
    return summary;
}

int RunMkdata(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.size() != 2) {
        err << "usage: verdan-mkdata SOURCE DIRECTORY\n"
               "Compiles SOURCE/tables and SOURCE/pictures into DIRECTORY/tables.sqlite.\n";
        err.flush();
        return 2;
    }
    try {
        const TCompileSummary summary = CompileData(arguments[0], arguments[1]);
        out << "verdan-mkdata: " << summary.Tables << " tables, " << summary.Rows
            << " rows written to "
            << QDir::cleanPath(arguments[1] + QStringLiteral("/tables.sqlite")) << '\n';
        out.flush();
        return 0;
    } catch (const ECompileError& e) {
        err << e.Message() << '\n';
    } catch (const EDatabaseError& e) {
        err << "verdan-mkdata: " << e.Message() << '\n';
    } catch (const std::exception& e) {
        err << "verdan-mkdata: " << e.what() << '\n';
    }
    err.flush();
    return 1;
}
