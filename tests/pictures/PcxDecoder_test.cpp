#include "pictures/KR_BlobFormat.h"
#include "pictures/PcxDecoder.h"
#include "pictures/PcxFixture.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <memory>
#include <random>

using namespace PcxFixture;

namespace {

// The bytes in a heap block of exactly their size, so that AddressSanitizer reports a read
// even one byte past the end (a QByteArray keeps a terminating NUL and spare room).
class TGenau
{
public:
    explicit TGenau(QByteArrayView bytes)
        : m_bytes(std::make_unique<char[]>(size_t(bytes.size()))), m_size(bytes.size())
    {
        std::copy_n(bytes.data(), m_size, m_bytes.get());
    }
    QByteArrayView View() const { return QByteArrayView(m_bytes.get(), m_size); }
    // A QByteArray over the same block, without a copy.
    QByteArray Roh() const { return QByteArray::fromRawData(m_bytes.get(), m_size); }

private:
    std::unique_ptr<char[]> m_bytes;
    qsizetype m_size;
};

std::string Name(const TPcxArt& art)
{
    return std::to_string(art.Bits) + "x" + std::to_string(art.Planes) +
           (art.Rle ? " rle" : " raw") + " v" + std::to_string(art.Version) +
           (art.EndPalette ? "" : " no palette");
}

// A decoded picture has exactly the size its header gives, within the limits.
void PruefeErgebnis(const QImage& bild, QByteArrayView daten)
{
    if (bild.isNull()) return;
    const std::optional<TPcxKopf> kopf = LiesPcxKopf(daten);
    ASSERT_TRUE(kopf.has_value());
    EXPECT_EQ(bild.width(), kopf->Width);
    EXPECT_EQ(bild.height(), kopf->Height);
    EXPECT_LE(bild.width(), PcxMaxSeite);
    EXPECT_LE(bild.height(), PcxMaxSeite);
}

QByteArray Kopf(int bits, int planes, int breite, int hoehe, int bpl)
{
    QByteArray kopf(128, '\0');
    kopf[0] = 0x0A;
    kopf[1] = 5;
    kopf[2] = 1;
    kopf[3] = char(bits);
    Wort(kopf, 8, breite - 1);
    Wort(kopf, 10, hoehe - 1);
    kopf[65] = char(planes);
    Wort(kopf, 66, bpl);
    return kopf;
}

} // namespace

TEST(PcxDecoder, DecodesEveryLayoutToItsColours)
{
    for (const TPcxArt& art : AlleArten) {
        for (const QSize groesse : {QSize(1, 1), QSize(13, 5), QSize(70, 3)}) {
            const QByteArray datei = Pcx(art, groesse.width(), groesse.height());
            const QImage bild = DecodePcx(datei);
            ASSERT_FALSE(bild.isNull()) << Name(art) << " " << groesse.width();
            ASSERT_EQ(bild.size(), groesse) << Name(art);
            int falsch = 0;
            for (int y = 0; y < groesse.height(); ++y) {
                for (int x = 0; x < groesse.width(); ++x)
                    falsch += bild.pixel(x, y) != Erwartet(art, x, y);
            }
            EXPECT_EQ(falsch, 0) << Name(art) << " " << groesse.width() << "x" << groesse.height();
        }
    }
}

TEST(PcxDecoder, RunsMayContinueIntoTheNextLine)
{
    // 4 x 2 pixels, 8 bits grey: one run of eight bytes covers both lines.
    QByteArray datei = Kopf(8, 1, 4, 2, 4);
    datei += char(0xC8);
    datei += char(0x40);
    const QImage bild = DecodePcx(datei);
    ASSERT_EQ(bild.size(), QSize(4, 2));
    EXPECT_EQ(bild.pixel(3, 1), qRgb(0x40, 0x40, 0x40));
}

TEST(PcxDecoder, RefusesHeadersItCannotOrMustNotRead)
{
    struct Fall
    {
        const char* was;
        QByteArray datei;
    };
    QByteArray ohneHersteller = Kopf(8, 1, 4, 4, 4);
    ohneHersteller[0] = 0x0B;
    QByteArray version1 = Kopf(8, 1, 4, 4, 4);
    version1[1] = 1;
    QByteArray encoding2 = Kopf(8, 1, 4, 4, 4);
    encoding2[2] = 2;
    QByteArray verkehrt = Kopf(8, 1, 4, 4, 4);
    Wort(verkehrt, 4, 10); // xMin 10 beyond xMax 3
    const QByteArray genug(100000, char(0x11));
    const Fall faelle[] = {
        {"empty", QByteArray()},
        {"shorter than a header", Kopf(8, 1, 4, 4, 4).left(127)},
        {"other maker", ohneHersteller + genug},
        {"unknown version", version1 + genug},
        {"unknown encoding", encoding2 + genug},
        {"3 bits", Kopf(3, 1, 4, 4, 4) + genug},
        {"8 bits in 2 planes", Kopf(8, 2, 4, 4, 4) + genug},
        {"2 bits in 4 planes", Kopf(2, 4, 4, 4, 4) + genug},
        {"no planes", Kopf(8, 0, 4, 4, 4) + genug},
        {"window turned round", verkehrt + genug},
        {"too wide", Kopf(8, 1, PcxMaxSeite + 1, 1, PcxMaxSeite + 1) + genug},
        {"too much memory", Kopf(8, 1, PcxMaxSeite, PcxMaxSeite, PcxMaxSeite) + genug},
        {"lines shorter than the width", Kopf(8, 1, 10, 2, 9) + genug},
        {"lines of no bytes", Kopf(1, 1, 10, 2, 0) + genug},
        {"data for a tenth of the picture", Kopf(8, 1, 1000, 1000, 1000) + genug},
    };
    for (const Fall& f : faelle) {
        const TGenau genau(f.datei);
        EXPECT_TRUE(DecodePcx(genau.View()).isNull()) << f.was;
    }
    EXPECT_FALSE(LiesPcxKopf(Kopf(8, 1, PcxMaxSeite, PcxMaxSeite, PcxMaxSeite)).has_value());
    EXPECT_TRUE(LiesPcxKopf(Kopf(8, 1, PcxMaxSeite, 4096, PcxMaxSeite)).has_value());
}

// Every small file cut at every length, thousands of files with bytes changed, and headers
// of random sizes over random data: the decoder answers each, never reading past the end,
// and what it returns has the size its header gives. The recogniser sees them all too.
TEST(PcxDecoder, SurvivesCutChangedAndHostileFiles)
{
    std::mt19937 zufall(20240611);
    QList<QByteArray> gute;
    for (const TPcxArt& art : AlleArten) {
        for (const QSize groesse : {QSize(1, 1), QSize(7, 3), QSize(13, 5)})
            gute << Pcx(art, groesse.width(), groesse.height());
    }

    for (const QByteArray& datei : gute) {
        const bool endPalette = datei.size() > 769 && uchar(datei[datei.size() - 769]) == 0x0C;
        const qsizetype datenEnde = endPalette ? datei.size() - 769 : datei.size();
        for (qsizetype laenge = 0; laenge < datei.size(); ++laenge) {
            const TGenau genau(QByteArrayView(datei).first(laenge));
            const QImage bild = DecodePcx(genau.View());
            if (laenge < datenEnde) {
                EXPECT_TRUE(bild.isNull()) << "cut at " << laenge << " of " << datei.size();
            }
            PruefeErgebnis(bild, genau.View());
            const TKR_BlobErkennung erkennung = ErkenneBlobFormat(genau.Roh());
            EXPECT_EQ(erkennung.Format, laenge >= 4 ? BlobPcx : QString()) << laenge;
        }
    }

    std::uniform_int_distribution<int> byte(0, 255);
    for (int runde = 0; runde < 4000; ++runde) {
        QByteArray datei = gute[int(zufall() % quint32(gute.size()))];
        const int aenderungen = 1 + int(zufall() % 4);
        for (int i = 0; i < aenderungen; ++i)
            datei[qsizetype(zufall() % quint32(datei.size()))] = char(byte(zufall));
        const TGenau genau(datei);
        PruefeErgebnis(DecodePcx(genau.View()), genau.View());
        ErkenneBlobFormat(genau.Roh());
        LiesBlobBild(genau.Roh(), BlobPcx);
    }

    const int seiten[] = {0, 1, 2, 3, 255, 4096, PcxMaxSeite, PcxMaxSeite + 1, 65535};
    for (int runde = 0; runde < 4000; ++runde) {
        const int breite = seiten[zufall() % std::size(seiten)];
        const int hoehe = seiten[zufall() % std::size(seiten)];
        QByteArray datei = Kopf(int(zufall() % 10), int(zufall() % 6), breite, hoehe,
                                int(zufall() % 3 == 0 ? zufall() % 65536 : (breite + 1)));
        datei[2] = char(zufall() % 3);
        Wort(datei, 4, int(zufall() % 4 == 0 ? zufall() % 65536 : 0));
        const int rest = int(zufall() % 4096);
        for (int i = 0; i < rest; ++i)
            datei += char(byte(zufall));
        const TGenau genau(datei);
        PruefeErgebnis(DecodePcx(genau.View()), genau.View());
    }
}
