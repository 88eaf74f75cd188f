#pragma once

#include "platform/DatabaseBuilder.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <stdexcept>

class QTextStream;

// Why compiling stopped: the file, the line (0 when the fault concerns the whole file) and
// the reason. Message() reads like a compiler's: "data/tables/VDB_3.tsv:17: reason".
class ECompileError : public std::runtime_error
{
public:
    ECompileError(const QString& file, int line, const QString& reason);
    QString File() const { return m_file; }
    int Line() const { return m_line; }
    QString Reason() const { return m_reason; }
    QString Message() const { return QString::fromUtf8(what()); }

private:
    QString m_file;
    int m_line;
    QString m_reason;
};

struct TSourceRow
{
    int Line = 0;        // in the .tsv, counting the header as line 1
    QVariantList Values; // in the schema's column order
};

// One table as read from its .schema and .tsv, checked and with its auto-increment cells
// numbered. A blob cell holds the path of its picture file, which is read only when the row
// is written, so that a table of pictures never sits in memory as a whole.
struct TSourceTable
{
    TTableDef Def;
    QString SchemaFile;
    QString DataFile;
    QList<TSourceRow> Rows;
};

// Reads a table's schema; the table is named after the file ("VDB_3.schema" is VDB_3).
TTableDef ReadSchema(const QString& schemaFile);

// Reads and checks a table; blob cells name files relative to picturesDir.
TSourceTable ReadSourceTable(const QString& schemaFile, const QString& dataFile,
                             const QString& picturesDir);

struct TCompileSummary
{
    int Tables = 0;
    int Rows = 0;
};

// Compiles sourceDir/tables and sourceDir/pictures into targetDir/tables.sqlite, creating
// targetDir when missing. A source without tables yields an empty database. The database is
// written under a temporary name and renamed at the end: on any failure, and on a crash,
// the previous tables.sqlite stays as it was. Raises ECompileError or EDatabaseError.
TCompileSummary CompileData(const QString& sourceDir, const QString& targetDir);

// The command line "verdan-mkdata SOURCE DIRECTORY" (arguments without the program name).
// Returns the exit code: 0 done, 1 compiling failed, 2 wrong usage.
int RunMkdata(const QStringList& arguments, QTextStream& out, QTextStream& err);
