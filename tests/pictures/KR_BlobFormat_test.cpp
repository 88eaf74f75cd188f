#include "pictures/KR_BlobFormat.h"
#include "pictures/PcxFixture.h"
#include "pictures/PictureFixture.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <random>

namespace {

// A red pixel: the smallest GIF there is, its LZW codes written by hand.
const QByteArray RotesGif = QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00"
                                       "\xFF\x00\x00\x00\x00\x00"
                                       "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00"
                                       "\x02\x02\x44\x01\x00\x3B",
                                       35);

struct TMuster
{
    QString Format;
    QByteArray Bytes;
    int Signatur; // bytes that decide the format
};

QList<TMuster> Muster()
{
    const QImage bild = PictureFixture::Bild(QColor(30, 160, 90), QSize(12, 9));
    return {
        {BlobPng, PictureFixture::Kodiert(bild, "PNG"), 8},
        {BlobGif, RotesGif, 6},
        {BlobBmp, PictureFixture::Kodiert(bild, "BMP"), 18},
        {BlobJpg, PictureFixture::Kodiert(bild, "JPEG"), 3},
        {BlobTif, PictureFixture::Kodiert(bild, "TIFF"), 4},
        {BlobPcx, PcxFixture::Pcx({8, 3}, 12, 9), 4},
    };
}

} // namespace

TEST(KR_BlobFormat, RecognisesEachFormatByItsBytes)
{
    for (const TMuster& m : Muster()) {
        const TKR_BlobErkennung erkennung = ErkenneBlobFormat(m.Bytes);
        EXPECT_EQ(erkennung.Format, m.Format);
        EXPECT_TRUE(erkennung.Erkannt);
        const QImage bild = LiesBlobBild(m.Bytes, m.Format);
        EXPECT_FALSE(bild.isNull()) << m.Format.toStdString();
        EXPECT_EQ(erkennung.Info.Width, bild.width()) << m.Format.toStdString();
        EXPECT_EQ(erkennung.Info.Height, bild.height()) << m.Format.toStdString();
        EXPECT_GT(erkennung.Info.BitsPerPixel, 0) << m.Format.toStdString();
    }
    for (const TMuster& m : Muster()) {
        const QString name = ErkenneBlobFormat(m.Bytes).Info.FormatName;
        const QString erwartet =
            m.Format == BlobTif ? "TIFF" : (m.Format == BlobJpg ? "JPEG" : m.Format);
        EXPECT_EQ(name, erwartet);
    }
}

TEST(KR_BlobFormat, MultimediaWordsAndUnknownData)
{
    struct Fall
    {
        const char* was;
        QByteArray bytes;
        QString format;
        bool erkannt;
    };
    const QByteArray nuls(20, '\0');
    const Fall faelle[] = {
        {"empty", QByteArray(""), QString(), true},
        {"first kind, behind NULs", nuls + "SCMMEDIA" + QByteArray(100, 'x'), BlobScm, true},
        {"second kind", QByteArray("abc CMSMEDIA"), BlobCms, true},
        {"word beyond the first 45 bytes", QByteArray(40, ' ') + "SCMMEDIA", QString(), false},
        // The word is looked for before the picture signatures.
        {"PNG carrying a word", QByteArray("\x89PNG\r\n\x1a\nSCMMEDIA", 16), BlobScm, true},
        {"text", QByteArray("{\\rtf1 Ähre}"), QString(), false},
        {"BM without a bitmap header", QByteArray("BMW Isetta 250 ccm"), QString(), false},
        {"a name is no format", QByteArray("bild.png"), QString(), false},
    };
    for (const Fall& f : faelle) {
        const TKR_BlobErkennung erkennung = ErkenneBlobFormat(f.bytes);
        EXPECT_EQ(erkennung.Format, f.format) << f.was;
        EXPECT_EQ(erkennung.Erkannt, f.erkannt) << f.was;
        EXPECT_EQ(erkennung.Info.FormatName, "Empty") << f.was;
    }
}

// Every picture cut at every length and thousands with bytes changed: recognition depends on
// the signature only, and reading answers every one of them.
TEST(KR_BlobFormat, SurvivesCutAndChangedPictures)
{
    PictureFixture::TOhneWarnungen still;
    const QList<TMuster> muster = Muster();
    for (const TMuster& m : muster) {
        for (qsizetype laenge = 0; laenge < m.Bytes.size(); ++laenge) {
            const QByteArray teil = m.Bytes.left(laenge);
            const TKR_BlobErkennung erkennung = ErkenneBlobFormat(teil);
            if (laenge >= m.Signatur) {
                EXPECT_EQ(erkennung.Format, m.Format) << laenge;
            }
            LiesBlobBild(teil, m.Format);
        }
    }
    std::mt19937 zufall(4711);
    for (int runde = 0; runde < 3000; ++runde) {
        const TMuster& m = muster[int(zufall() % quint32(muster.size()))];
        QByteArray bytes = m.Bytes;
        const int aenderungen = 1 + int(zufall() % 6);
        for (int i = 0; i < aenderungen; ++i)
            bytes[qsizetype(zufall() % quint32(bytes.size()))] = char(zufall() % 256);
        const TKR_BlobErkennung erkennung = ErkenneBlobFormat(bytes);
        const QImage bild = LiesBlobBild(bytes, erkennung.Format);
        EXPECT_LE(bild.width(), BlobMaxSeite);
        EXPECT_LE(bild.height(), BlobMaxSeite);
    }
}

TEST(KR_BlobFormat, RefusesPicturesLargerThanTheLimit)
{
    // A PNG of 20000 x 1 pixels: refused before any pixel is read.
    QImage schmal(20000, 1, QImage::Format_Mono);
    schmal.fill(0);
    const QByteArray png = PictureFixture::Kodiert(schmal, "PNG");
    EXPECT_EQ(ErkenneBlobFormat(png).Format, BlobPng);
    EXPECT_EQ(ErkenneBlobFormat(png).Info.Width, 20000);
    EXPECT_TRUE(LiesBlobBild(png, BlobPng).isNull());
}
