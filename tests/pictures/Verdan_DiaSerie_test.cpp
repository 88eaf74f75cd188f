#include "app/KR_DLG.h"
#include "foundation/KR_Colors.h"
#include "key/VD_StrukturDM.h"
#include "pictures/PictureFixture.h"
#include "pictures/Verdan_DiaSerie.h"

#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace PictureFixture;

namespace {

constexpr int Spalten = 7;

// What the window system delivers for a double click: press and release, then the second
// press as a double click, and its release.
void Doppelklick(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

class DiaSerieTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_daten = std::make_unique<TDatenVerzeichnis>(); }
    static void TearDownTestSuite() { s_daten.reset(); }

    // The strip as the identification window has it.
    DiaSerieTest()
    {
        m_serie.resize(7 * 100 + 4, 120);
        m_serie.SetBorderWidth(2);
        m_serie.SetBevelOuter(TKR_Bevel::None);
        m_serie.SetColor(DelphiColor(clWhite));
        m_serie.SetGrid_AutomaticGridSize(false);
        m_serie.SetGrid_Spaltenanzahl(Spalten);
        m_serie.SetGrid_Zeilenanzahl(1);
        m_serie.SetGrid_DisplayFotoTitle(false);
        m_serie.SetGrid_ColorNormal(DelphiColor(clWhite));
        m_serie.SetGrid_ColorHighlight(DelphiColor(14671839));
        m_serie.Loaded();
        m_serie.SetStrukturModul(&m_modul);
        m_serie.show();
    }

    TVerdan_DiaSerienFenster* Zelle(int spalte)
    {
        return dynamic_cast<TVerdan_DiaSerienFenster*>(m_serie.GetFenster(1, spalte));
    }

    // The item shown in each cell, 0 for an empty one; a drawing must be the item's own.
    QList<int> Items(int kriterium)
    {
        QList<int> items;
        for (int spalte = 1; spalte <= Spalten; ++spalte) {
            TVerdan_DiaSerienFenster* zelle = Zelle(spalte);
            items << zelle->Item();
            if (zelle->HasPicture()) {
                EXPECT_EQ(zelle->Picture().pixelColor(20, 20),
                          StreifenFarbe(kriterium, zelle->Item()))
                    << "cell " << spalte;
            }
        }
        return items;
    }

    bool ZurueckSichtbar() const { return !m_serie.ZurueckButton()->isHidden(); }
    bool WeiterSichtbar() const { return !m_serie.WeiterButton()->isHidden(); }

    static std::unique_ptr<TDatenVerzeichnis> s_daten;
    TVD_StrukturDataModul m_modul{s_daten->Pfad(), nullptr};
    TSchluessel m_schluessel;
    TVerdan_DiaSerie m_serie;
};

std::unique_ptr<TDatenVerzeichnis> DiaSerieTest::s_daten;

} // namespace

TEST_F(DiaSerieTest, FewDrawingsFillTheFirstCellsAndNeedNoPaging)
{
    m_serie.ShowKriterium(m_schluessel.Kapitel(Blattform), m_schluessel.Feld(Blattform), 0);

    EXPECT_EQ(Items(Blattform), QList<int>({1, 2, 3, 0, 0, 0, 0}));
    for (int spalte = 1; spalte <= 3; ++spalte) {
        EXPECT_TRUE(Zelle(spalte)->HasPicture());
        EXPECT_EQ(Zelle(spalte)->Flo(), m_schluessel.Kapitel(Blattform));
        EXPECT_EQ(Zelle(spalte)->Krit(), m_schluessel.Feld(Blattform));
    }
    EXPECT_EQ(Zelle(2)->toolTip(), "Blattform.oval");
    EXPECT_FALSE(Zelle(4)->HasPicture());
    EXPECT_EQ(Zelle(4)->Krit(), nullptr);
    EXPECT_EQ(m_serie.AktivNummer(), 0);
    EXPECT_FALSE(ZurueckSichtbar());
    EXPECT_FALSE(WeiterSichtbar());
}

TEST_F(DiaSerieTest, SelectedItemShowsItsPageHighlightedAndTheButtonsPageThroughTheCriterion)
{
    // The panel passes the value object; the strip keeps its criterion's chapter object.
    m_serie.ShowKriterium(m_schluessel.Wert(Bluetenstand, 9), m_schluessel.Feld(Bluetenstand), 9);

    EXPECT_EQ(Items(Bluetenstand), QList<int>({8, 9, 10, 0, 0, 0, 0}));
    EXPECT_EQ(Zelle(1)->Flo(), m_schluessel.Kapitel(Bluetenstand));
    EXPECT_EQ(m_serie.AktivNummer(), 2);
    EXPECT_EQ(Zelle(2)->Color(), QColor(223, 223, 223));
    EXPECT_EQ(Zelle(1)->Color(), QColor(Qt::white));
    EXPECT_TRUE(ZurueckSichtbar());
    EXPECT_FALSE(WeiterSichtbar());

    QTest::mouseClick(m_serie.ZurueckButton(), Qt::LeftButton);
    EXPECT_EQ(Items(Bluetenstand), QList<int>({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(m_serie.AktivNummer(), 0);
    EXPECT_EQ(Zelle(2)->Color(), QColor(Qt::white));
    EXPECT_FALSE(ZurueckSichtbar());
    EXPECT_TRUE(WeiterSichtbar());

    QTest::mouseClick(m_serie.WeiterButton(), Qt::LeftButton);
    EXPECT_EQ(Items(Bluetenstand), QList<int>({8, 9, 10, 0, 0, 0, 0}));
    EXPECT_EQ(m_serie.AktivNummer(), 0);
    EXPECT_TRUE(ZurueckSichtbar());
    EXPECT_FALSE(WeiterSichtbar());
}

TEST_F(DiaSerieTest, AnItemOnThePageShownOnlyMovesTheHighlight)
{
    TKR_DatenBankFeld* feld = m_schluessel.Feld(Bluetenstand);
    m_serie.ShowKriterium(m_schluessel.Kapitel(Bluetenstand), feld, 9);
    // A reload would empty the cells, and with them this mark.
    Zelle(1)->SetFID(4711);

    m_serie.ShowKriterium(m_schluessel.Wert(Bluetenstand, 10), feld, 10);
    EXPECT_EQ(Zelle(1)->FID(), 4711);
    EXPECT_EQ(m_serie.AktivNummer(), 3);
    EXPECT_EQ(Zelle(3)->Color(), QColor(223, 223, 223));
    EXPECT_EQ(Zelle(2)->Color(), QColor(Qt::white));

    m_serie.ShowKriterium(m_schluessel.Kapitel(Bluetenstand), feld, 0);
    EXPECT_EQ(Items(Bluetenstand), QList<int>({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(m_serie.AktivNummer(), 0);

    m_serie.ShowKriterium(m_schluessel.Wert(Bluetenstand, 7), feld, 7);
    EXPECT_EQ(Items(Bluetenstand), QList<int>({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(m_serie.AktivNummer(), 7);
}

TEST_F(DiaSerieTest, AnotherCriterionOrAClearedStripLoadsAgain)
{
    m_serie.ShowKriterium(m_schluessel.Kapitel(Blattform), m_schluessel.Feld(Blattform), 1);
    m_serie.ShowKriterium(m_schluessel.Kapitel(Blattrand), m_schluessel.Feld(Blattrand), 1);
    // Item 3's index row says it has no drawing: its cell stays empty, the others keep theirs.
    EXPECT_EQ(Items(Blattrand), QList<int>({1, 2, 0, 4, 5, 0, 0}));
    EXPECT_EQ(m_serie.AktivNummer(), 1);

    m_serie.ClearAll();
    EXPECT_EQ(Items(Blattrand), QList<int>({0, 0, 0, 0, 0, 0, 0}));
    m_serie.ShowKriterium(m_schluessel.Kapitel(Blattrand), m_schluessel.Feld(Blattrand), 2);
    EXPECT_EQ(Items(Blattrand), QList<int>({1, 2, 0, 4, 5, 0, 0}));
    EXPECT_EQ(m_serie.AktivNummer(), 2);
}

TEST_F(DiaSerieTest, AMissingDrawingOnAnEarlierPageMovesNoItemOfALaterOne)
{
    TKR_DatenBankFeld* feld = m_schluessel.Feld(Bluetenfarbe);
    m_serie.ShowKriterium(m_schluessel.Kapitel(Bluetenfarbe), feld, 9);
    EXPECT_EQ(Items(Bluetenfarbe), QList<int>({8, 9, 10, 0, 0, 0, 0}));
    EXPECT_EQ(m_serie.AktivNummer(), 2);

    m_serie.PriorPage();
    EXPECT_EQ(Items(Bluetenfarbe), QList<int>({1, 0, 3, 4, 5, 6, 7}));
    m_serie.NextPage();
    EXPECT_EQ(Items(Bluetenfarbe), QList<int>({8, 9, 10, 0, 0, 0, 0}));
}

TEST_F(DiaSerieTest, ACriterionWithoutDrawingsEmptiesTheStrip)
{
    m_serie.ShowKriterium(m_schluessel.Kapitel(Blattform), m_schluessel.Feld(Blattform), 2);
    TVerdan_DatenBankFeld* ohne = m_schluessel.Gruppe.AddFeld("Behaarung", "BEH");
    m_serie.ShowKriterium(nullptr, ohne, 1);
    EXPECT_EQ(Items(Blattform), QList<int>({0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(m_serie.AktivNummer(), 0);
    EXPECT_EQ(m_serie.Anzahl(), 0);

    // Without a criterion nothing changes.
    m_serie.ShowKriterium(m_schluessel.Kapitel(Blattform), m_schluessel.Feld(Blattform), 2);
    m_serie.ShowKriterium(nullptr, nullptr, 1);
    EXPECT_EQ(Items(Blattform), QList<int>({1, 2, 3, 0, 0, 0, 0}));
    EXPECT_EQ(m_serie.AktivNummer(), 2);
}

TEST_F(DiaSerieTest, ABrokenDrawingIsReportedAndThePageGoesOn)
{
    PictureFixture::TOhneWarnungen still;
    QStringList meldungen;
    TKR_ScopedMessageHandler handler([&](TKR_MessageKind, const QString&, const QString& text) {
        meldungen << text;
        return 2;
    });
    m_serie.ShowKriterium(m_schluessel.Kapitel(Wuchsform), m_schluessel.Feld(Wuchsform), 0);
    EXPECT_EQ(meldungen, QStringList({"Invallid or empty PNG blobfield"}));
    EXPECT_FALSE(Zelle(1)->HasPicture());
    EXPECT_EQ(Zelle(1)->Item(), 1);
    EXPECT_TRUE(Zelle(2)->HasPicture());
    EXPECT_EQ(Zelle(2)->Item(), 2);
}

TEST_F(DiaSerieTest, ClicksOnDrawingsSelectAndReportTheirCell)
{
    TVerdan_DiaSerienFenster* geklickt = nullptr;
    int klicks = 0;
    m_serie.OnDiaClick = [&](TVerdan_DiaSerienFenster* zelle) {
        geklickt = zelle;
        ++klicks;
    };
    m_serie.ShowKriterium(m_schluessel.Kapitel(Blattform), m_schluessel.Feld(Blattform), 2);

    // Pressing on an empty cell selects nothing and reports nothing.
    QTest::mouseClick(Zelle(5)->viewport(), Qt::LeftButton);
    EXPECT_EQ(m_serie.AktivNummer(), 2);
    EXPECT_EQ(Zelle(2)->Color(), QColor(223, 223, 223));
    EXPECT_EQ(klicks, 0);

    QTest::mouseClick(Zelle(3)->viewport(), Qt::LeftButton);
    EXPECT_EQ(m_serie.AktivNummer(), 3);
    EXPECT_EQ(Zelle(3)->Color(), QColor(223, 223, 223));
    EXPECT_EQ(Zelle(2)->Color(), QColor(Qt::white));
    EXPECT_EQ(klicks, 1);
    EXPECT_EQ(geklickt, Zelle(3));
    EXPECT_EQ(geklickt->Item(), 3);
}

TEST_F(DiaSerieTest, DoubleClickReportsEveryCellButOnlyADrawingHasACriterion)
{
    QList<TVerdan_DiaSerienFenster*> doppelt;
    int klicks = 0;
    m_serie.OnDiaDoubleClick = [&](TVerdan_DiaSerienFenster* zelle) { doppelt << zelle; };
    m_serie.OnDiaClick = [&](TVerdan_DiaSerienFenster*) { ++klicks; };
    m_serie.ShowKriterium(m_schluessel.Kapitel(Blattform), m_schluessel.Feld(Blattform), 0);

    Doppelklick(Zelle(6)->viewport());
    Doppelklick(Zelle(1)->viewport());
    ASSERT_EQ(doppelt.size(), 2);
    EXPECT_EQ(doppelt[0], Zelle(6));
    EXPECT_EQ(doppelt[0]->Krit(), nullptr);
    EXPECT_EQ(doppelt[1]->Krit(), m_schluessel.Feld(Blattform));
    EXPECT_EQ(doppelt[1]->Item(), 1);
    // The first click of a double click is a click (on the drawing only); the second press
    // selects as every press does, but its release is no further click.
    EXPECT_EQ(m_serie.AktivNummer(), 1);
    EXPECT_EQ(klicks, 1);
}

TEST_F(DiaSerieTest, ResizingHidesThePagingButtonsAndPlacesThemAtTheEdges)
{
    m_serie.ShowKriterium(m_schluessel.Kapitel(Bluetenstand), m_schluessel.Feld(Bluetenstand), 0);
    ASSERT_TRUE(WeiterSichtbar());

    m_serie.resize(900, 120);
    EXPECT_FALSE(ZurueckSichtbar());
    EXPECT_FALSE(WeiterSichtbar());
    EXPECT_EQ(m_serie.ZurueckButton()->geometry(), QRect(0, 90, 12, 25));
    EXPECT_EQ(m_serie.WeiterButton()->geometry(), QRect(888, 90, 12, 25));
    // The cells follow the new width: (900 - 2 * 2) / 7 = 128 per column.
    EXPECT_EQ(Zelle(2)->geometry(), QRect(2 + 128 + 5, 2 + 5, 118, 101));

    // The next page that needs them shows them again.
    m_serie.NextPage();
    EXPECT_TRUE(ZurueckSichtbar());
}
