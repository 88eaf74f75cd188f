#include "foundation/KR_Colors.h"
#include "foundation/KR_Label.h"
#include "identify/AW_Fifl1.h"
#include "identify/IdentifyFixture.h"
#include "identify/Verdan_FilterFlagoutPanel.h"
#include "identify/Verdan_FlagOutVerschachtelung.h"
#include "key/Verdan_Flagoutstuktur.h"

#include <QApplication>
#include <QEnterEvent>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

void Klicke(TKR_Label* label)
{
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
}

class VerschachtelungTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_bar.resize(400, 20);
        m_bar.OnResetKlasse = [this](TVerdan_AbfrageRecord* ebene) { m_gemeldet.push_back(ebene); };
        m_bar.show();
    }
    // Opens the keys as levels, in order, and shows the stack.
    void Oeffne(std::initializer_list<int> nummern)
    {
        for (int nummer : nummern)
            m_ebenen.Stapel.NeueEbene(nummer, 0, 0, 0);
        m_bar.ZeigeEbenen(m_ebenen.Stapel);
    }

    IdentifyFixture::TEbenen m_ebenen;
    TVerdan_FlagOutVerschachtelung m_bar;
    std::vector<TVerdan_AbfrageRecord*> m_gemeldet;
};

} // namespace

TEST_F(VerschachtelungTest, OneLevelShowsItsKeyAndAnfang)
{
    Oeffne({1});
    EXPECT_EQ(m_bar.Text(), "BLÜTENPFLANZEN.Anfang");
    ASSERT_EQ(m_bar.Anzahl(), 2);

    TKR_Label* ebene = m_bar.Label(1);
    TKR_Label* anfang = m_bar.Label(2);
    EXPECT_TRUE(ebene->font().bold());
    EXPECT_TRUE(ebene->font().underline());
    EXPECT_FALSE(anfang->font().bold());
    EXPECT_FALSE(ebene->testAttribute(Qt::WA_SetCursor)) << "the current level is no link";
    EXPECT_EQ(anfang->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(anfang->x(), ebene->x() + ebene->width()) << "the words run on without a gap";
    EXPECT_GE(anfang->width(), anfang->fontMetrics().horizontalAdvance(".Anfang"));
    EXPECT_EQ(m_bar.Eintrag(1).Datensatz, m_ebenen.Stapel.LetzteEbene());

    EXPECT_EQ(m_bar.Color(), DelphiColor(clWhite));
    EXPECT_EQ(anfang->TextColor(), DelphiColor(clBlack));
    EXPECT_EQ(anfang->FlashHighlightFarbe(), DelphiColor(clRed));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(anfang, &enter);
    EXPECT_EQ(anfang->TextColor(), DelphiColor(clRed));

    Klicke(anfang);
    EXPECT_EQ(m_gemeldet, std::vector<TVerdan_AbfrageRecord*>{nullptr});
}

TEST_F(VerschachtelungTest, ClickingAnEarlierLevelReportsItsRecord)
{
    Oeffne({1, 2, 3});
    EXPECT_EQ(m_bar.Text(), "ALLIUM.Apiaceae.Blütenpflanzen.Anfang");
    TVerdan_AbfrageRecord* erste = m_ebenen.Stapel.RecordAt(1);
    TVerdan_AbfrageRecord* zweite = m_ebenen.Stapel.RecordAt(2);

    Klicke(m_bar.Label(1));
    EXPECT_TRUE(m_gemeldet.empty()) << "the current level leads nowhere";
    Klicke(m_bar.Label(2));
    Klicke(m_bar.Label(3));
    EXPECT_EQ(m_gemeldet, (std::vector<TVerdan_AbfrageRecord*>{zweite, erste}));

    m_bar.OnResetKlasse = nullptr;
    Klicke(m_bar.Label(4));
    EXPECT_EQ(m_gemeldet.size(), 2u) << "without a handler a click does nothing";
}

TEST_F(VerschachtelungTest, AReturnChosenInTheBarRebuildsTheBarDuringTheClick)
{
    TVerdan_FilterFlagoutPanel panel;
    panel.resize(300, 300);
    panel.show();
    m_ebenen.Stapel.NeueEbene(1, 0, 0, 0);
    m_ebenen.Stapel.NeueEbene(2, 0, 0, 0);
    m_ebenen.Stapel.NeueEbene(3, 0, 0, 0);
    panel.ZeigeEbenen(m_ebenen.Stapel);
    int starts = 0;
    panel.OnResetAbfrageKlasse = [&](TVerdan_AbfrageRecord* ebene) {
        if (!ebene) {
            ++starts;
            return;
        }
        m_ebenen.Stapel.ResetToEbene(ebene);
        panel.ZeigeEbenen(m_ebenen.Stapel);
    };

    TVerdan_FlagOutVerschachtelung& bar = *panel.FlagOutVerschachtelung();
    Klicke(bar.Label(2));
    EXPECT_EQ(m_ebenen.Stapel.Count(), 2);
    EXPECT_EQ(bar.Text(), "APIACEAE.Blütenpflanzen.Anfang");
    EXPECT_EQ(panel.Baum->topLevelItem(0)->text(0), "Frucht");
    QCoreApplication::processEvents();

    Klicke(bar.Label(3));
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(bar.Text(), "APIACEAE.Blütenpflanzen.Anfang") << "the start page keeps the bar";
}

TEST_F(VerschachtelungTest, GrowsBeyondTwentyFiveEntries)
{
    for (int i = 0; i < 30; ++i)
        m_ebenen.Stapel.NeueEbene(1 + i % 3, 0, 0, 0);
    m_bar.ZeigeEbenen(m_ebenen.Stapel);
    ASSERT_EQ(m_bar.Anzahl(), 31);
    EXPECT_EQ(m_bar.Label(31)->text(), ".Anfang");
    EXPECT_EQ(m_bar.Eintrag(30).Datensatz, m_ebenen.Stapel.RecordAt(1));
    for (int i = 2; i <= 31; ++i)
        EXPECT_EQ(m_bar.Label(i)->x(), m_bar.Label(i - 1)->x() + m_bar.Label(i - 1)->width());

    Klicke(m_bar.Label(30));
    EXPECT_EQ(m_gemeldet, std::vector<TVerdan_AbfrageRecord*>{m_ebenen.Stapel.RecordAt(1)});
}

TEST(TAW_FilterFlagOutVerschachtelungs, ZeigePfadListsATreeAndItsParents)
{
    auto katalog = IdentifyFixture::KleinerKatalog();
    TVerdan_FlagOutStruktur wurzel("Angaben zur Pflanze", katalog.get());
    wurzel.FuelleAusGruppe(1);
    auto* farbe = static_cast<TAW_FlagOutStruktur*>(wurzel.ObjektNr(2)->Unterstruktur.get());

    TAW_FilterFlagOutVerschachtelungs bar;
    bar.resize(300, 20);
    bar.show();
    std::optional<TAW_FlagOutStruktur*> gewaehlt;
    bar.OnWahl = [&](TAW_FilterFlagOutVerschachtelungs&, TAW_FlagOutStruktur* struktur) {
        gewaehlt = struktur;
    };
    bar.ZeigePfad(farbe);
    EXPECT_EQ(bar.Text(), "BLÜTENFARBE.Pflanze");
    EXPECT_EQ(bar.HighlightFarbe(), DelphiColor(clYellow));
    Klicke(bar.Label(2));
    EXPECT_EQ(gewaehlt, &wurzel);
}
