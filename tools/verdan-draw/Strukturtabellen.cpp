#include "Strukturtabellen.h"

#include "data/Verdan_Benutzerdatenbank.h"
#include "key/Verdan_Definition.h"
#include "platform/Database.h"
#include "platform/DatabaseBuilder.h"
#include "verdan-mkdata/DataSources.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageWriter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {

constexpr int Datenbank = 1;
const QString Bilderordner = QStringLiteral("krs");

[[noreturn]] void Fehler(const QString& text)
{
    throw std::runtime_error(text.toStdString());
}

QString Kurz(const QString& text, int laenge)
{
    return text.size() <= laenge ? text : text.left(laenge).trimmed();
}

QString Zelle(const QVariant& wert)
{
    if (wert.isNull()) return {};
    if (wert.typeId() == QMetaType::Bool)
        return wert.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    QString text = wert.toString();
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'\t', QStringLiteral("\\t"));
    text.replace(u'\n', QStringLiteral("\\n"));
    return text;
}

// One source table: its .schema lines and its rows, written side by side.
struct TQuelle
{
    QString Name;
    QString Kommentar;
    QStringList Spalten; // "name<TAB>type"
    QStringList Indexzeilen;
    QList<QVariantList> Zeilen;

    void Schreibe(const QString& tabellenDir) const
    {
        QStringList schema{QStringLiteral("# ") + Kommentar,
                           QStringLiteral("# Written by verdan-draw; edit its drawings, not this "
                                          "file.")};
        schema << Spalten << Indexzeilen;
        SchreibeDatei(tabellenDir + u'/' + Name + QStringLiteral(".schema"),
                      schema.join(u'\n') + u'\n');
        QStringList namen;
        for (const QString& spalte : Spalten)
            namen << spalte.section(u'\t', 0, 0);
        QStringList zeilen{namen.join(u'\t')};
        for (const QVariantList& zeile : Zeilen) {
            QStringList zellen;
            for (const QVariant& wert : zeile)
                zellen << Zelle(wert);
            zeilen << zellen.join(u'\t');
        }
        SchreibeDatei(tabellenDir + u'/' + Name + QStringLiteral(".tsv"),
                      zeilen.join(u'\n') + u'\n');
    }

    static void SchreibeDatei(const QString& datei, const QString& inhalt)
    {
        QSaveFile f(datei);
        if (!f.open(QIODevice::WriteOnly) || f.write(inhalt.toUtf8()) < 0 || !f.commit())
            Fehler(QStringLiteral("%1: cannot write: %2").arg(datei, f.errorString()));
    }
};

TQuelle Bildtabelle(const QString& name, const QString& kommentar, bool primaer)
{
    TQuelle q{name, kommentar, {"SyncID\tI", "Typ\tI", "Image\tB"}, {}, {}};
    if (primaer) q.Indexzeilen << QStringLiteral("@primary\tSyncID\tTyp");
    return q;
}

// The drawings have few flat colours and their anti-aliased edges: the 256 most frequent
// colours keep them exact and the edges smooth, at less than half the size of true colour.
QImage MitPalette(const QImage& bild)
{
    QHash<QRgb, int> haeufigkeit;
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        for (int x = 0; x < bild.width(); ++x)
            ++haeufigkeit[zeile[x] | 0xff000000];
    }
    QList<QPair<int, QRgb>> farben;
    for (auto it = haeufigkeit.cbegin(); it != haeufigkeit.cend(); ++it)
        farben.append({it.value(), it.key()});
    std::sort(farben.begin(), farben.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QRgb> palette;
    for (int i = 0; i < std::min<qsizetype>(256, farben.size()); ++i)
        palette.append(farben[i].second);
    QHash<QRgb, uchar> index;
    auto naechste = [&](QRgb farbe) {
        const auto it = index.constFind(farbe);
        if (it != index.cend()) return *it;
        int beste = 0;
        int abstand = std::numeric_limits<int>::max();
        for (int i = 0; i < palette.size(); ++i) {
            const int dr = qRed(farbe) - qRed(palette[i]);
            const int dg = qGreen(farbe) - qGreen(palette[i]);
            const int db = qBlue(farbe) - qBlue(palette[i]);
            const int d = dr * dr + dg * dg + db * db;
            if (d < abstand) abstand = d, beste = i;
        }
        index.insert(farbe, uchar(beste));
        return uchar(beste);
    };
    QImage ergebnis(bild.size(), QImage::Format_Indexed8);
    ergebnis.setColorTable(palette);
    for (int y = 0; y < bild.height(); ++y) {
        const auto* ein = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        uchar* aus = ergebnis.scanLine(y);
        for (int x = 0; x < bild.width(); ++x)
            aus[x] = naechste(ein[x] | 0xff000000);
    }
    return ergebnis;
}

QByteArray Png(const QImage& bild)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "png");
    schreiber.setQuality(0); // the strongest compression; PNG stays lossless
    if (!schreiber.write(MitPalette(bild)))
        Fehler(QStringLiteral("cannot encode a PNG: %1").arg(schreiber.errorString()));
    return daten;
}

QString Bilddatei(const TBild& bild, int art)
{
    return QStringLiteral("%1/%2/%3-%4-%5.png")
        .arg(Bilderordner)
        .arg(bild.Gruppe)
        .arg(bild.Feld)
        .arg(bild.Item)
        .arg(art);
}

} // namespace

std::unique_ptr<TVerdan_Benutzerdatenbank> KatalogAusQuellen(const QString& datenDir)
{
    const QString schema = datenDir + QStringLiteral("/tables/KAT_Items.schema");
    const QString daten = datenDir + QStringLiteral("/tables/KAT_Items.tsv");
    QTemporaryDir temp;
    if (QFileInfo::exists(schema) && QFileInfo::exists(daten)) {
        const TSourceTable tabelle = ReadSourceTable(schema, daten, datenDir + "/pictures");
        TDatabaseBuilder builder(temp.path() + u'/' + QString::fromLatin1(TDatabase::DataFileName));
        builder.CreateTable(tabelle.Def);
        for (const TSourceRow& zeile : tabelle.Rows)
            builder.AddRow(tabelle.Def.Name, zeile.Values);
        builder.Finish();
    }
    return ErstelleKatalog(temp.path());
}

std::vector<TBild> Bildliste(TVerdan_Benutzerdatenbank& katalog, const TRezeptTabelle& rezepte,
                             QStringList& fehler)
{
    std::vector<TBild> bilder;
    for (const TRezeptEintrag* eintrag : rezepte.Alle()) {
        const QString wo = QStringLiteral("key %1, column \"%2\", code \"%3\"")
                               .arg(eintrag->Gruppe)
                               .arg(eintrag->Spalte, eintrag->Code);
        TVerdan_KriterienGruppe* gruppe = katalog.GruppeNr(eintrag->Gruppe);
        if (!gruppe) {
            fehler << wo + QStringLiteral(": no such key");
            continue;
        }
        TVerdan_DatenBankFeld* feld = nullptr;
        for (TKR_DatenBankFeld* f : *gruppe)
            if (f->Code == eintrag->Spalte) feld = static_cast<TVerdan_DatenBankFeld*>(f);
        if (!feld) {
            fehler << wo + QStringLiteral(": the key has no such criterion");
            continue;
        }
        const int item = eintrag->Code.isEmpty() ? 0 : feld->Items.IndexOfCode(eintrag->Code);
        if (!eintrag->Code.isEmpty() && item == 0) {
            fehler << wo + QStringLiteral(": the criterion has no such item");
            continue;
        }
        QString beschriftung = feld->Titel;
        if (item > 0)
            beschriftung += QStringLiteral(": ") +
                            (eintrag->Titel.isEmpty() ? feld->GetItemText(item) : eintrag->Titel);
        bilder.push_back({gruppe->Nummer, feld->GetFeldNummer(), item, beschriftung, eintrag});
    }
    std::sort(bilder.begin(), bilder.end(), [](const TBild& a, const TBild& b) {
        return std::tie(a.Gruppe, a.Feld, a.Item) < std::tie(b.Gruppe, b.Feld, b.Item);
    });
    return bilder;
}

TErgebnis SchreibeStrukturtabellen(const QString& datenDir, TVerdan_Benutzerdatenbank& katalog,
                                   const std::vector<TBild>& bilder)
{
    const QString bildDir = datenDir + QStringLiteral("/pictures/") + Bilderordner;
    if (QDir(bildDir).exists() && !QDir(bildDir).removeRecursively())
        Fehler(QStringLiteral("%1: cannot empty the folder").arg(bildDir));

    TQuelle r0{"KRS_R0",
               "Illustration index: the databases.",
               {"DB\tI", "Lang\tA100", "Img\tL", "RelID\t+"},
               {"@primary\tDB"},
               {}};
    TQuelle r1{"KRS_R1",
               "Illustration index: the keys of a database (SyncID: its RelID).",
               {"SyncID\tI", "GRP\tI", "Lang\tA100", "Kurz\tA100", "Img\tL", "RelID\t+"},
               {"@primary\tSyncID\tGRP"},
               {}};
    TQuelle r2{"KRS_R2",
               "Illustration index: the criteria of a key (SyncID: the key's RelID).",
               {"SyncID\tI", "Krit\tI", "Typ\tS", "Lang\tA50", "Kurz\tA50", "Img\tL", "RelID\t+"},
               {"@primary\tSyncID\tKrit"},
               {}};
    TQuelle r3{"KRS_R3",
               "Illustration index: the values of a criterion (SyncID: its RelID).",
               {"SyncID\tI", "ITEM\tI", "Lang\tA50", "Kurz\tA50", "Img\tL", "RelID\t+"},
               {"@primary\tSyncID\tITEM"},
               {}};
    TQuelle r0i = Bildtabelle("KRS_R0i", "Illustration index: images of databases.", false);
    TQuelle r1i = Bildtabelle("KRS_R1i", "Illustration index: images of keys.", false);
    TQuelle r2i = Bildtabelle(
        "KRS_R2i", "Illustration index: images of criteria (Typ 1 large, 2 small).", true);
    TQuelle r3i = Bildtabelle("KRS_R3i",
                              "Illustration index: images of values (Typ 1 large, 2 small).", true);
    TQuelle ri{"KRS_Ri", "Illustration index: the image kinds.", {"Typ\tI", "Size\tA50"}, {}, {}};
    TQuelle rix{"KRS_Rix",
                "Illustration index: one row per illustrated criterion (Item 0) and value.",
                {"DB\tI", "Grp\tI", "Krit\tI", "Item\tI", "DB_RelID\tI", "Grp_RelID\tI",
                 "Krit_RelID\tI", "Item_RelID\tI", "Img\tL"},
                {"@primary\tDB\tGrp\tKrit\tItem"},
                {}};

    for (int art : {BildartGross, BildartKlein}) {
        const QSize s = Bildgroesse(art);
        ri.Zeilen << QVariantList{art, QStringLiteral("%1 x %2").arg(s.width()).arg(s.height())};
    }
    const int dbRelId = 1;
    r0.Zeilen << QVariantList{Datenbank, QStringLiteral("Verdan"), false, dbRelId};

    TErgebnis ergebnis;
    auto zeichne = [&](const TBild& bild, TQuelle& tabelle, int relId) {
        for (int art : {BildartGross, BildartKlein}) {
            const QString name = Bilddatei(bild, art);
            const QString datei = datenDir + QStringLiteral("/pictures/") + name;
            QDir().mkpath(QFileInfo(datei).path());
            const QByteArray png = Png(ZeichneBild(bild.Eintrag->Rezept, art));
            QFile f(datei);
            if (!f.open(QIODevice::WriteOnly) || f.write(png) != png.size())
                Fehler(QStringLiteral("%1: cannot write: %2").arg(datei, f.errorString()));
            tabelle.Zeilen << QVariantList{relId, art, name};
            ++ergebnis.Bilder;
            ergebnis.Bytes += png.size();
        }
    };

    int r1Id = 0, r2Id = 0, r3Id = 0;
    for (TVerdan_KriterienGruppe* gruppe : katalog) {
        auto vonGruppe = [&](const TBild& b) { return b.Gruppe == gruppe->Nummer; };
        if (std::none_of(bilder.begin(), bilder.end(), vonGruppe)) continue;
        const int grpRelId = ++r1Id;
        r1.Zeilen << QVariantList{
            dbRelId, gruppe->Nummer, Kurz(gruppe->Titel, 100), Kurz(gruppe->Name, 100),
            false,   grpRelId};
        for (TKR_DatenBankFeld* f : *gruppe) {
            auto* feld = static_cast<TVerdan_DatenBankFeld*>(f);
            const int nummer = feld->GetFeldNummer();
            auto bildZu = [&](int item) -> const TBild* {
                for (const TBild& b : bilder)
                    if (b.Gruppe == gruppe->Nummer && b.Feld == nummer && b.Item == item) return &b;
                return nullptr;
            };
            const TBild* eigenes = bildZu(0);
            const int kritRelId = ++r2Id;
            r2.Zeilen << QVariantList{grpRelId,
                                      nummer,
                                      feld->Typ,
                                      Kurz(feld->Titel, 50),
                                      Kurz(feld->Code, 50),
                                      eigenes != nullptr,
                                      kritRelId};
            bool bebildert = eigenes != nullptr;
            if (eigenes) zeichne(*eigenes, r2i, kritRelId);
            QList<QVariantList> indexZeilen;
            for (int item = 1; item <= feld->GetItemAnzahl(); ++item) {
                const TBild* bild = bildZu(item);
                const int itemRelId = ++r3Id;
                const TVerdan_DatenbankItemRecord* wert = feld->Items.ItemAt(item);
                const QString lang =
                    bild && !bild->Eintrag->Titel.isEmpty() ? bild->Eintrag->Titel : wert->Text;
                r3.Zeilen << QVariantList{kritRelId,       item,
                                          Kurz(lang, 50),  Kurz(wert->Code, 50),
                                          bild != nullptr, itemRelId};
                if (!bild) continue;
                bebildert = true;
                zeichne(*bild, r3i, itemRelId);
                ++ergebnis.Werte;
                indexZeilen << QVariantList{Datenbank, gruppe->Nummer, nummer,    item, dbRelId,
                                            grpRelId,  kritRelId,      itemRelId, true};
            }
            if (!bebildert) continue;
            rix.Zeilen << QVariantList{Datenbank,         gruppe->Nummer, nummer,    0,
                                       dbRelId,           grpRelId,       kritRelId, 0,
                                       eigenes != nullptr};
            rix.Zeilen << indexZeilen;
        }
    }

    const QString tabellenDir = datenDir + QStringLiteral("/tables");
    for (const TQuelle* q : {&r0, &r0i, &r1, &r1i, &r2, &r2i, &r3, &r3i, &ri, &rix})
        q->Schreibe(tabellenDir);
    return ergebnis;
}
