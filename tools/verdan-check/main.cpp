// verdan-check DIRECTORY: holds the data directory DIRECTORY against the catalogue of keys
// that the program builds from it, prints every fault and every note on a line of its own
// (table, row, column, what is wrong) and a summary line at the end.
// Exit codes: 0 no faults (notes allowed), 1 faults, 2 wrong usage.

#include "Datenpruefung.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() != 1 || arguments[0].startsWith(u'-')) {
        QTextStream err(stderr);
        err << "usage: verdan-check DIRECTORY\n"
               "Checks the data directory DIRECTORY against the catalogue of keys: tables,\n"
               "columns and indexes, item codes, next-key names, taxon, genus and family\n"
               "numbers, and the rows that lead into the genus and family keys. Notes name\n"
               "the taxa of a key that no choice of values tells apart.\n";
        return 2;
    }
    QTextStream out(stdout);
    return TDatenpruefung(arguments[0], out).Pruefe() > 0 ? 1 : 0;
}
