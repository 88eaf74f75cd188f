#pragma once

// Pictures and a small illustration index for the picture tests: the structure tables of one
// key, written through the engine's database builder, with PNG drawings made here.

#include "key/VD_StrukturDM.h"
#include "key/Verdan_Flagoutstuktur.h"
#include "key/Verdan_Kriteriengruppe.h"
#include "platform/DatabaseBuilder.h"
#include "support/TestTabellen.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QList>
#include <QMessageLogContext>
#include <QPainter>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace PictureFixture {

// Keeps the decoders' complaints about damaged data off the test output while it lives:
// Qt's warnings, and what the decoder libraries write to stderr themselves.
class TOhneWarnungen
{
public:
    TOhneWarnungen()
        : m_vorher(
              qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {}))
    {
        std::fflush(stderr);
        m_stderr = dup(STDERR_FILENO);
        const int nichts = open("/dev/null", O_WRONLY);
        if (nichts >= 0) {
            dup2(nichts, STDERR_FILENO);
            close(nichts);
        }
    }
    ~TOhneWarnungen()
    {
        std::fflush(stderr);
        if (m_stderr >= 0) {
            dup2(m_stderr, STDERR_FILENO);
            close(m_stderr);
        }
        qInstallMessageHandler(m_vorher);
    }
    TOhneWarnungen(const TOhneWarnungen&) = delete;
    TOhneWarnungen& operator=(const TOhneWarnungen&) = delete;

private:
    QtMessageHandler m_vorher;
    int m_stderr = -1;
};

inline QByteArray Kodiert(const QImage& bild, const char* format)
{
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(bild.save(&puffer, format)) << format;
    return bytes;
}

// A picture of one colour, with a black bar along its top so that orientation shows.
inline QImage Bild(const QColor& farbe, QSize groesse = QSize(40, 30))
{
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(farbe);
    QPainter painter(&bild);
    painter.fillRect(QRect(0, 0, groesse.width(), 2), Qt::black);
    return bild;
}

inline QByteArray Png(const QColor& farbe, QSize groesse = QSize(40, 30))
{
    return Kodiert(Bild(farbe, groesse), "PNG");
}

// The colour of the strip drawing (kind 2) of an item, and of its detail drawing (kind 1).
inline QColor StreifenFarbe(int kriterium, int item)
{
    return QColor(20 * item, 10 * kriterium, 200);
}
inline QColor DetailFarbe(int kriterium, int item)
{
    return QColor(200, 10 * kriterium, 20 * item);
}

// Key 3, "Blütenpflanzen", with four criteria:
//   1 "Blattform", items 1 to 3, all drawn;
//   2 "Blütenstand", items 1 to 10, all drawn, item 1 also with a detail drawing;
//   3 "Blattrand", items 1 to 5; item 3 has drawings, but its index row says it has none;
//   4 "Wuchsform", items 1 and 2; the strip drawing of item 1 is a broken PNG;
//   5 "Blütenfarbe", items 1 to 10, all drawn but item 2.
constexpr int Schluessel = 3;
constexpr int Blattform = 1;
constexpr int Bluetenstand = 2;
constexpr int Blattrand = 3;
constexpr int Wuchsform = 4;
constexpr int Bluetenfarbe = 5;

inline const QByteArray KaputtesPng = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(40, 'x');

inline void SchreibeStrukturtabellen(const QString& dir)
{
    QDir().mkpath(dir);
    TDatabaseBuilder builder(dir + "/tables.sqlite");
    for (const TTableDef& tabelle : TestTabellen::Bildindex())
        builder.CreateTable(tabelle);

    const auto wert = [&](int krit, int item, bool img, const QByteArray& klein,
                          const QByteArray& gross = {}) {
        const int relId = 100 * krit + item;
        builder.AddRow("KRS_Rix", {1, Schluessel, krit, item, 1, 2, krit, relId, img});
        builder.AddRow("KRS_R3i", {relId, 2, klein});
        if (!gross.isNull()) builder.AddRow("KRS_R3i", {relId, 1, gross});
    };
    for (int item = 1; item <= 3; ++item)
        wert(Blattform, item, true, Png(StreifenFarbe(Blattform, item)));
    for (int item = 1; item <= 10; ++item) {
        wert(Bluetenstand, item, true, Png(StreifenFarbe(Bluetenstand, item)),
             item == 1 ? Png(DetailFarbe(Bluetenstand, item), QSize(200, 150)) : QByteArray());
    }
    for (int item = 1; item <= 5; ++item)
        wert(Blattrand, item, item != 3, Png(StreifenFarbe(Blattrand, item)));
    wert(Wuchsform, 1, true, KaputtesPng);
    wert(Wuchsform, 2, true, Png(StreifenFarbe(Wuchsform, 2)));
    for (int item = 1; item <= 10; ++item)
        wert(Bluetenfarbe, item, item != 2, Png(StreifenFarbe(Bluetenfarbe, item)));
    builder.Finish();
}

// The key with its criteria and the criteria tree built from it.
struct TSchluessel
{
    TSchluessel() : Gruppe(Schluessel, QStringLiteral("Blütenpflanzen"), 1, "VDB_3")
    {
        const auto kriterium = [&](const QString& titel, const QStringList& items) {
            TVerdan_DatenBankFeld* feld = Gruppe.AddFeld(titel, titel.left(3));
            for (int i = 0; i < items.size(); ++i)
                feld->Items.AddItem(QString::number(i + 1), items[i], 0);
            Baum.AddKritItemsAsKapitel(*feld);
        };
        kriterium(QStringLiteral("Blattform"), {"rund", "oval", "lanzettlich"});
        kriterium(QStringLiteral("Blütenstand"),
                  {"Ähre", "Traube", "Rispe", "Dolde", "Köpfchen", "Trugdolde", "Wickel", "Kolben",
                   "Büschel", "Einzelblüte"});
        kriterium(QStringLiteral("Blattrand"), {"ganz", "gesägt", "gezähnt", "gekerbt", "gelappt"});
        kriterium(QStringLiteral("Wuchsform"), {"aufrecht", "kriechend"});
        kriterium(QStringLiteral("Blütenfarbe"), {"weiß", "gelb", "orange", "rot", "rosa",
                                                  "violett", "blau", "grün", "braun", "schwarz"});
    }

    TVerdan_DatenBankFeld* Feld(int nummer) { return Gruppe.GetFeld(nummer); }
    // The chapter object of a criterion, as the criteria panel passes it.
    TVerdan_FlagOutObjekt* Kapitel(int nummer) { return Baum.ObjektNr(nummer); }
    // The object of one value of a criterion.
    TVerdan_FlagOutObjekt* Wert(int nummer, int item)
    {
        return dynamic_cast<TVerdan_FlagOutObjekt*>(Kapitel(nummer)->Unterstruktur->ObjektNr(item));
    }

    TVerdan_KriterienGruppe Gruppe;
    TVerdan_FlagOutStruktur Baum{QStringLiteral("Blütenpflanzen"), nullptr};
};

// One data directory for a whole test suite.
class TDatenVerzeichnis
{
public:
    TDatenVerzeichnis() { SchreibeStrukturtabellen(m_dir.path()); }
    QString Pfad() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace PictureFixture
