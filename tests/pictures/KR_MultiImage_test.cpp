#include "app/KR_DLG.h"
#include "pictures/KR_MultiImage.h"
#include "pictures/PcxFixture.h"
#include "pictures/PictureFixture.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScrollBar>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using PictureFixture::Bild;
using PictureFixture::Kodiert;

namespace {

// Collects the messages shown while it lives.
class TMeldungen
{
public:
    TMeldungen()
        : m_handler([this](TKR_MessageKind, const QString&, const QString& text) {
              m_texte << text;
              return 2;
          })
    {}
    QStringList Texte() const { return m_texte; }

private:
    QStringList m_texte;
    TKR_ScopedMessageHandler m_handler;
};

const QColor Gruen(30, 160, 90);

} // namespace

TEST(TKR_MultiImage, ShowsEveryFormatAndDescribesIt)
{
    struct Fall
    {
        QString format, name;
        QByteArray bytes;
        QSize groesse;
    };
    const QImage bild = Bild(Gruen, QSize(40, 30));
    const Fall faelle[] = {
        {BlobPng, "PNG", Kodiert(bild, "PNG"), {40, 30}},
        {BlobBmp, "BMP", Kodiert(bild, "BMP"), {40, 30}},
        {BlobJpg, "JPEG", Kodiert(bild, "JPEG"), {40, 30}},
        {BlobTif, "TIFF", Kodiert(bild, "TIFF"), {40, 30}},
        {BlobPcx, "PCX", PcxFixture::Pcx({8, 3}, 40, 30), {40, 30}},
    };
    TMeldungen meldungen;
    for (const Fall& f : faelle) {
        TKR_MultiImage bildchen;
        EXPECT_EQ(bildchen.BlobFormat(), "Empty");
        bildchen.LoadFromBlob(f.bytes);
        ASSERT_TRUE(bildchen.HasPicture()) << f.name.toStdString();
        EXPECT_EQ(bildchen.Picture().size(), f.groesse) << f.name.toStdString();
        EXPECT_EQ(bildchen.BlobFormat(), f.format);
        EXPECT_EQ(bildchen.BildInfo().FormatName, f.name);
        EXPECT_EQ(bildchen.BildInfo().Width, 40) << f.name.toStdString();
        EXPECT_EQ(bildchen.BildInfo().Height, 30) << f.name.toStdString();
    }
    EXPECT_TRUE(meldungen.Texte().isEmpty());

    TKR_MultiImage bildchen;
    bildchen.LoadFromBlob(Kodiert(bild, "PNG"));
    EXPECT_EQ(bildchen.Picture().pixelColor(20, 20), Gruen);
}

TEST(TKR_MultiImage, ABrokenPictureEmptiesTheControlWithItsFormatsMessage)
{
    PictureFixture::TOhneWarnungen still;
    QByteArray bmp("BM\0\0\0\0\0\0\0\0\0\0\0\0\x28\0\0\0", 18);
    bmp += QByteArray(10, '\xFF');
    QByteArray pcx(128, '\0');
    pcx[0] = 0x0A;
    pcx[1] = 5;
    pcx[2] = 1;
    pcx[3] = 8;
    pcx[8] = 99;  // 100 x 100
    pcx[10] = 99; // with no picture data
    pcx[65] = 1;
    pcx[66] = 100;
    struct Fall
    {
        QByteArray bytes;
        QString meldung; // empty: none
    };
    const Fall faelle[] = {
        {QByteArray("\x89PNG\r\n\x1a\n", 8) + "kaputt", "Invallid or empty PNG blobfield"},
        {QByteArray("GIF89a kaputt"), "Invallid or empty GIF blobfield"},
        {pcx, "Invallid or empty PCX blobfield"},
        {bmp, "Invallid or empty BMP blobfield"},
        {QByteArray("\xFF\xD8\xFF kaputt"), "Invallid or empty Jpeg Blobfield"},
        {QByteArray("II*\0kaputt", 10), QString()},
    };
    for (const Fall& f : faelle) {
        TMeldungen meldungen;
        TKR_MultiImage bildchen;
        bildchen.SetPicture(Bild(Gruen));
        bildchen.LoadFromBlob(f.bytes);
        EXPECT_FALSE(bildchen.HasPicture()) << f.bytes.toStdString();
        EXPECT_EQ(meldungen.Texte(),
                  f.meldung.isEmpty() ? QStringList() : QStringList({f.meldung}));
    }
}

TEST(TKR_MultiImage, DataThatIsNoPictureLeavesThePictureAsItIs)
{
    struct Fall
    {
        const char* was;
        QByteArray bytes;
        bool bleibt;
        QStringList meldungen;
    };
    const Fall faelle[] = {
        {"null", QByteArray(), true, {}},
        {"empty", QByteArray(""), true, {}},
        {"unknown", QByteArray("Ähre"), true, {"blobfield getinfo failed"}},
        {"first multimedia kind", QByteArray("SCMMEDIA"), false, {}},
        {"second multimedia kind", QByteArray("CMSMEDIA"), true, {}},
    };
    for (const Fall& f : faelle) {
        TMeldungen meldungen;
        TKR_MultiImage bildchen;
        bildchen.SetPicture(Bild(Gruen));
        bildchen.LoadFromBlob(f.bytes);
        EXPECT_EQ(bildchen.HasPicture(), f.bleibt) << f.was;
        // One message for the data, although its information is read again for the control.
        EXPECT_EQ(meldungen.Texte(), f.meldungen) << f.was;
    }
}

TEST(TKR_MultiImage, FitsAndCentresThePicture)
{
    struct Fall
    {
        bool stretch, center;
        QRect ort;
    };
    const Fall faelle[] = {
        {true, true, QRect(0, 25, 100, 50)},
        {true, false, QRect(0, 0, 100, 50)},
        {false, true, QRect(30, 40, 40, 20)},
        {false, false, QRect(0, 0, 40, 20)},
    };
    for (const Fall& f : faelle) {
        TKR_MultiImage bildchen;
        bildchen.resize(100, 100);
        bildchen.SetStretchRatio(f.stretch);
        bildchen.SetCenter(f.center);
        bildchen.SetPicture(Bild(Gruen, QSize(40, 20)));
        bildchen.show();
        EXPECT_EQ(bildchen.PictureRect(), f.ort) << f.stretch << f.center;
    }

    TKR_MultiImage bildchen;
    bildchen.SetColor(Qt::white);
    bildchen.SetStretchRatio(true);
    bildchen.SetCenter(true);
    bildchen.SetPicture(Bild(Gruen, QSize(40, 20)));
    bildchen.show();
    bildchen.resize(60, 120);
    EXPECT_EQ(bildchen.PictureRect(), QRect(0, 45, 60, 30));
    const QImage gezeigt = bildchen.grab().toImage();
    EXPECT_EQ(gezeigt.pixelColor(30, 10), QColor(Qt::white));
    EXPECT_EQ(gezeigt.pixelColor(30, 60), Gruen);
}

TEST(TKR_MultiImage, AZoomedPictureScrollsAndTheHandMovesIt)
{
    TKR_MultiImage bildchen;
    bildchen.resize(100, 100);
    bildchen.SetStretchRatio(true);
    bildchen.SetCenter(true);
    bildchen.SetScrolling(true);
    bildchen.SetGrabHandCursor(5);
    bildchen.SetZoomBy(10);
    bildchen.SetPicture(Bild(Gruen, QSize(40, 40)));
    bildchen.show();
    EXPECT_EQ(bildchen.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(bildchen.viewport()->cursor().shape(), Qt::ArrowCursor);

    for (int i = 0; i < 8; ++i)
        bildchen.ZoomIn();
    EXPECT_NEAR(bildchen.ZoomFactor(), 2.1436, 0.001); // 1.1 to the eighth
    QCoreApplication::processEvents();                 // the scroll bars take their room
    EXPECT_EQ(bildchen.PictureRect().width(), 214);
    const int weit = bildchen.horizontalScrollBar()->maximum();
    EXPECT_EQ(weit, 214 - bildchen.viewport()->width());
    EXPECT_EQ(bildchen.viewport()->cursor().shape(), Qt::OpenHandCursor);

    QWidget* flaeche = bildchen.viewport();
    const int vorher = bildchen.horizontalScrollBar()->value();
    QTest::mousePress(flaeche, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(flaeche->cursor().shape(), Qt::ClosedHandCursor);
    QTest::mouseMove(flaeche, QPoint(30, 50));
    QTest::mouseRelease(flaeche, Qt::LeftButton, {}, QPoint(30, 50));
    EXPECT_EQ(bildchen.horizontalScrollBar()->value(), std::min(weit, vorher + 20));
    EXPECT_EQ(flaeche->cursor().shape(), Qt::OpenHandCursor);

    // A new picture is shown fitted again.
    bildchen.SetPicture(Bild(Gruen, QSize(40, 40)));
    EXPECT_EQ(bildchen.ZoomFactor(), 1.0);
    EXPECT_EQ(bildchen.horizontalScrollBar()->maximum(), 0);
}

TEST(TKR_MultiImage, ASinglePageTiffIsReadWhateverPageIsAskedFor)
{
    TKR_MultiImage bildchen;
    bildchen.SetTiffPage(3);
    bildchen.LoadFromBlob(Kodiert(Bild(Gruen), "TIFF"));
    EXPECT_TRUE(bildchen.HasPicture());
    EXPECT_EQ(bildchen.TiffPageCount(), 1);
    EXPECT_EQ(bildchen.TiffPage(), 3);
}

TEST(TKR_MultiImage, CopiesThePictureToTheClipboard)
{
    TKR_MultiImage bildchen;
    bildchen.SetPicture(Bild(Gruen, QSize(12, 8)));
    bildchen.CopyToClipboard();
    const QImage kopie = QGuiApplication::clipboard()->image();
    ASSERT_EQ(kopie.size(), QSize(12, 8));
    EXPECT_EQ(kopie.pixelColor(5, 5), Gruen);
}
