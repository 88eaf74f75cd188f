// verdan-sql DIRECTORY: reads one SELECT statement of the local SQL dialect from standard
// input, runs it through the engine layer on the database in DIRECTORY and prints the result
// as tab-separated text: a header line with the field names, then one line per record.
// Exit codes: 0 done, 1 the statement or the database failed, 2 wrong usage.

#include "platform/DatabaseError.h"
#include "platform/Query.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {

// Tabs, line breaks and backslashes inside a value are written as \t, \n, \r and \\, as in
// the data sources, so that every record stays one line.
QString Escaped(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QStringLiteral("\\\\");
            break;
        case u'\t':
            escaped += QStringLiteral("\\t");
            break;
        case u'\n':
            escaped += QStringLiteral("\\n");
            break;
        case u'\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString ValueText(const TField& field)
{
    if (field.DataType() == TFieldType::Blob)
        return field.IsNull() ? QString()
                              : QStringLiteral("(BLOB %1 bytes)").arg(field.AsBytes().size());
    return Escaped(field.AsString());
}

QStringList ReadStatement()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(input.readAll()).split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r')) line.chop(1);
    }
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() != 1 || arguments[0].startsWith(u'-')) {
        err << "usage: verdan-sql DIRECTORY\n"
               "Runs the SELECT statement read from standard input on the database in "
               "DIRECTORY\nand prints the result as tab-separated text.\n";
        return 2;
    }
    try {
        TQuery query;
        query.SetDatabaseName(arguments[0]);
        query.SetSQL(ReadStatement());
        query.Open();
        out << query.FieldNames().join(u'\t') << '\n';
        for (query.First(); !query.Eof(); query.Next()) {
            QStringList values;
            for (int i = 0; i < query.FieldCount(); ++i)
                values << ValueText(*query.Fields(i));
            out << values.join(u'\t') << '\n';
        }
        return 0;
    } catch (const EDatabaseError& e) {
        err << "verdan-sql: " << e.Message() << '\n';
        return 1;
    }
}
