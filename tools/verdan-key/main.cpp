// verdan-key DIRECTORY: identifies a plant from the terminal on the data directory DIRECTORY,
// with the identification window's keys, statements and row rules. It reads one command per
// line from standard input ("keys", "open N", "criteria", "tick F I", "list", "follow R",
// "back L", "describe R" ... "quit") and answers on standard output.
// Exit codes: 0 done, 1 the data directory cannot be read, 2 wrong usage.

#include "Bestimmungssitzung.h"
#include "foundation/KR_Exception.h"
#include "platform/DatabaseError.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const char* const Gebrauch =
    "usage: verdan-key DIRECTORY\n"
    "Identifies a plant on the data directory DIRECTORY. Commands, one per line on standard "
    "input:\n"
    "  keys              the keys of the catalogue\n"
    "  open N            start with key N (3 Bluetenpflanzen, 4 Gruppenliste, 5 Familien ...)\n"
    "  criteria          the criteria of the current key and their items, ticked ones [x]\n"
    "  tick F I          tick item I of criterion F (unticks the criterion's other item)\n"
    "  untick F I        untick it\n"
    "  german on|off     German names\n"
    "  sql               the statement of the current level\n"
    "  list              the remaining rows\n"
    "  follow R          open the next key from row R (a taxon row: its description)\n"
    "  levels            the levels opened so far\n"
    "  back L            return to level L (0: the start)\n"
    "  describe R        the description of row R\n"
    "  quit\n";

bool Interaktiv()
{
#ifdef Q_OS_UNIX
    return isatty(STDIN_FILENO) != 0;
#else
    return false;
#endif
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() != 1 || arguments[0].startsWith(u'-')) {
        err << Gebrauch;
        return 2;
    }

    std::unique_ptr<TBestimmungssitzung> sitzung;
    try {
        sitzung = std::make_unique<TBestimmungssitzung>(arguments[0], out);
    } catch (const EDatabaseError& e) {
        err << "verdan-key: " << e.Message() << '\n';
        return 1;
    } catch (const EKR_Exception& e) {
        err << "verdan-key: " << e.Message() << '\n';
        return 1;
    }
    const QStringList probleme = sitzung->Probleme();
    if (!probleme.isEmpty()) {
        out << "Probleme des Katalogs:\n";
        for (const QString& problem : probleme)
            out << "  " << problem << '\n';
    }

    // A script's commands are echoed, so that its transcript reads like a session.
    const bool interaktiv = Interaktiv();
    QTextStream in(stdin);
    while (true) {
        if (interaktiv) out << "> ";
        out.flush();
        QString zeile;
        if (!in.readLineInto(&zeile)) break;
        if (!interaktiv && !zeile.trimmed().isEmpty()) out << "> " << zeile.trimmed() << '\n';
        if (!sitzung->Befehl(zeile.trimmed())) break;
    }
    out.flush();
    return 0;
}
