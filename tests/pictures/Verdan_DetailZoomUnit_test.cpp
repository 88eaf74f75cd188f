#include "foundation/KR_Graph.h"
#include "foundation/KR_VCL.h"
#include "foundation/Kr_grabt.h"
#include "pictures/KR_MultiImage.h"
#include "pictures/PictureFixture.h"
#include "pictures/Verdan_DetailZoomUnit.h"

#include <QPointer>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace PictureFixture;

namespace {

class DetailZoomTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_daten = std::make_unique<TDatenVerzeichnis>(); }
    static void TearDownTestSuite() { s_daten.reset(); }

    static std::unique_ptr<TDatenVerzeichnis> s_daten;
    TVD_StrukturDataModul m_modul{s_daten->Pfad(), nullptr};
    TSchluessel m_schluessel;
    QWidget m_besitzer;
};

std::unique_ptr<TDatenVerzeichnis> DetailZoomTest::s_daten;

} // namespace

TEST_F(DetailZoomTest, ShowsTheDetailDrawingUnderKeyCriterionAndValue)
{
    auto* zoom = new TVerdan_DetailZoom(&m_besitzer, 1, m_schluessel.Feld(Bluetenstand), &m_modul);
    EXPECT_EQ(zoom->windowTitle(), "Blütenpflanzen.Blütenstand.Ähre");
    EXPECT_EQ(zoom->size(), QSize(338, 354));
    EXPECT_TRUE(zoom->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(zoom->isWindow());
    EXPECT_EQ(zoom->parentWidget(), &m_besitzer);

    ASSERT_TRUE(zoom->Bilddarstellung->HasPicture());
    EXPECT_EQ(zoom->Bilddarstellung->Picture().size(), QSize(200, 150));
    EXPECT_EQ(zoom->Bilddarstellung->Picture().pixelColor(100, 100), DetailFarbe(Bluetenstand, 1));
    EXPECT_TRUE(zoom->Bilddarstellung->StretchRatio());
    EXPECT_TRUE(zoom->Bilddarstellung->Scrolling());
    EXPECT_EQ(zoom->Bilddarstellung->ImageName(), "file not found");

    zoom->show();
    EXPECT_EQ(zoom->TopPanel->geometry(), QRect(0, 0, 338, 32));
    EXPECT_EQ(zoom->Panel3->geometry(), QRect(338 - 149, 0, 149, 32));
    EXPECT_EQ(zoom->KR_GradButton1->geometry(), QRect(70, 4, 75, 23));
    EXPECT_EQ(zoom->KR_GradButton1->text(), "Schließen");
    EXPECT_FALSE(zoom->Toolbar->isVisible());
    EXPECT_EQ(zoom->Bilddarstellung->geometry(), QRect(0, 32, 338, 354 - 32));
}

TEST_F(DetailZoomTest, WithoutADetailDrawingTheAreaStaysEmptyAndWhite)
{
    auto* zoom = new TVerdan_DetailZoom(&m_besitzer, 9, m_schluessel.Feld(Bluetenstand), &m_modul);
    EXPECT_EQ(zoom->windowTitle(), "Blütenpflanzen.Blütenstand.Büschel");
    EXPECT_FALSE(zoom->Bilddarstellung->HasPicture());
    zoom->show();
    const QImage bild = zoom->Bilddarstellung->grab().toImage();
    EXPECT_EQ(bild.pixelColor(bild.width() / 2, bild.height() / 2), QColor(Qt::white));
}

TEST_F(DetailZoomTest, EachWindowFreesItselfWhenClosedOrWithItsOwner)
{
    QPointer<TVerdan_DetailZoom> erstes =
        new TVerdan_DetailZoom(&m_besitzer, 1, m_schluessel.Feld(Bluetenstand), &m_modul);
    QPointer<TVerdan_DetailZoom> zweites =
        new TVerdan_DetailZoom(&m_besitzer, 1, m_schluessel.Feld(Bluetenstand), &m_modul);
    erstes->show();
    zweites->show();
    EXPECT_NE(erstes.data(), zweites.data());

    QTest::mouseClick(erstes->KR_GradButton1, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(erstes.isNull());
    ASSERT_FALSE(zweites.isNull());

    auto besitzer = std::make_unique<QWidget>();
    QPointer<TVerdan_DetailZoom> drittes =
        new TVerdan_DetailZoom(besitzer.get(), 2, m_schluessel.Feld(Bluetenstand), &m_modul);
    besitzer.reset();
    EXPECT_TRUE(drittes.isNull());
}
