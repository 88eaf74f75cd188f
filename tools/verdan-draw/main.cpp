// verdan-draw DATA_DIR: draws the pictures of criteria and values and writes the structure
// tables KRS_* into the data sources. With --sheet FILE it only draws a contact sheet.

#include "Kontaktbogen.h"
#include "Rezepte.h"
#include "Strukturtabellen.h"
#include "data/Verdan_Benutzerdatenbank.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>
#include <exception>

namespace {

int Aufruf(QTextStream& fehler)
{
    fehler << "usage: verdan-draw [--sheet FILE [--key N [--field F]] [--large]] DATA_DIR\n"
              "Draws the pictures of criteria and values into DATA_DIR/pictures/krs and writes\n"
              "the tables KRS_* of DATA_DIR/tables. With --sheet it writes only a contact\n"
              "sheet of the small (or, with --large, the large) pictures, of one key with "
              "--key,\nof one of its criteria with --field.\n";
    return 2;
}

// Sheets of a size that can be looked at whole: sheet.png, or sheet-1.png, sheet-2.png …
int SchreibeKontaktboegen(const std::vector<TBild>& bilder, int bildart, const QString& datei,
                          QTextStream& aus, QTextStream& fehler)
{
    const int spalten = bildart == BildartGross ? 4 : 9;
    const size_t jeBogen = size_t(spalten) * (bildart == BildartGross ? 3 : 4);
    const int boegen = std::max<int>(1, int((bilder.size() + jeBogen - 1) / jeBogen));
    for (int n = 0; n < boegen; ++n) {
        const auto von = bilder.begin() + std::min(bilder.size(), n * jeBogen);
        const auto bis = bilder.begin() + std::min(bilder.size(), (n + 1) * jeBogen);
        QString name = datei;
        if (boegen > 1)
            name.insert(name.lastIndexOf(u'.') < 0 ? name.size() : name.lastIndexOf(u'.'),
                        QStringLiteral("-%1").arg(n + 1));
        if (!Kontaktbogen({von, bis}, bildart, spalten).save(name)) {
            fehler << "verdan-draw: cannot write " << name << '\n';
            return 1;
        }
        aus << "verdan-draw: " << (bis - von) << " pictures on " << name << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream aus(stdout), fehler(stderr);

    QStringList argumente = app.arguments().mid(1);
    QString bogen;
    int nurGruppe = 0;
    int nurFeld = 0;
    int bildart = BildartKlein;
    QString datenDir;
    while (!argumente.isEmpty()) {
        const QString a = argumente.takeFirst();
        if (a == u"--sheet" && !argumente.isEmpty())
            bogen = argumente.takeFirst();
        else if (a == u"--key" && !argumente.isEmpty())
            nurGruppe = argumente.takeFirst().toInt();
        else if (a == u"--field" && !argumente.isEmpty())
            nurFeld = argumente.takeFirst().toInt();
        else if (a == u"--large")
            bildart = BildartGross;
        else if (!a.startsWith(u"--") && datenDir.isEmpty())
            datenDir = QDir::cleanPath(a);
        else
            return Aufruf(fehler);
    }
    if (datenDir.isEmpty()) return Aufruf(fehler);
    if (!QDir(datenDir + QStringLiteral("/tables")).exists()) {
        fehler << "verdan-draw: " << datenDir << " has no folder tables: not a data directory\n";
        return 2;
    }

    try {
        auto katalog = KatalogAusQuellen(datenDir);
        QStringList probleme;
        std::vector<TBild> bilder = Bildliste(*katalog, AlleRezepte(), probleme);
        for (const QString& p : probleme)
            fehler << "verdan-draw: " << p << '\n';
        if (!probleme.isEmpty()) return 1;

        if (!bogen.isEmpty()) {
            std::erase_if(bilder, [nurGruppe, nurFeld](const TBild& b) {
                return (nurGruppe > 0 && b.Gruppe != nurGruppe) ||
                       (nurFeld > 0 && b.Feld != nurFeld);
            });
            return SchreibeKontaktboegen(bilder, bildart, bogen, aus, fehler);
        }

        const TErgebnis e = SchreibeStrukturtabellen(datenDir, *katalog, bilder);
        aus << "verdan-draw: " << e.Werte << " values, " << e.Bilder << " pictures ("
            << (e.Bytes + 512) / 1024 << " KiB) in " << datenDir << "/pictures/krs\n";
        return 0;
    } catch (const std::exception& ausnahme) {
        fehler << "verdan-draw: " << ausnahme.what() << '\n';
        return 1;
    }
}
