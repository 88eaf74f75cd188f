#include "identify/Aw_fltab.h"
#include "identify/IdentifyFixture.h"
#include "identify/Verdan_FilterFlagoutPanel.h"
#include "identify/Verdan_FlagOutVerschachtelung.h"
#include "key/Aw_FlagOut.h"
#include "key/Verdan_Flagoutstuktur.h"

#include <QApplication>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

using Bild = TVerdan_FlagOutBild;

struct TMeldung
{
    TVerdan_FlagOutObjekt* Flo;
    TKR_DatenBankFeld* Krit;
    int SelectItem;
};

class FilterFlagoutPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_panel.resize(300, 400);
        m_panel.OnFilterGeaendert = [this](TAW_FilterFlagOutPanel&, TAW_FlagOutStruktur*) {
            ++m_filterGeaendert;
        };
        m_panel.OnChangeFlagout = [this](TVerdan_FlagOutObjekt* flo, TKR_DatenBankFeld* krit,
                                         int selectItem) {
            m_gewaehlt.push_back({flo, krit, selectItem});
        };
        m_panel.show();
        Oeffne(1);
    }

    // Opens key nummer as the next level and shows the stack, all criteria unfolded.
    void Oeffne(int nummer)
    {
        m_ebenen.Stapel.NeueEbene(nummer, 0, 0, 0);
        m_panel.ZeigeEbenen(m_ebenen.Stapel);
        m_panel.Baum->expandAll();
        m_filterGeaendert = 0;
        m_gewaehlt.clear();
    }

    TVerdan_FlagOutBaum& Baum() { return *m_panel.Baum; }
    TVerdan_FlagOutBaumKnoten* Kriterium(int k)
    {
        return static_cast<TVerdan_FlagOutBaumKnoten*>(Baum().topLevelItem(k - 1));
    }
    TVerdan_FlagOutBaumKnoten* Wert(int k, int i)
    {
        return static_cast<TVerdan_FlagOutBaumKnoten*>(Kriterium(k)->child(i - 1));
    }
    TKR_FlagOutObjekt* Objekt(int k, int i) { return Wert(k, i)->Objekt(); }

    void KlickeAufText(QTreeWidgetItem* knoten)
    {
        QTest::mouseClick(Baum().viewport(), Qt::LeftButton, {},
                          Baum().TextRechteck(knoten).center());
    }
    // The image of every value of criterion k, in order.
    std::vector<int> Bilder(int k)
    {
        std::vector<int> bilder;
        for (int i = 1; i <= Kriterium(k)->childCount(); ++i)
            bilder.push_back(Wert(k, i)->ImageIndex());
        return bilder;
    }
    QStringList Auswahl()
    {
        TAW_FlagOutKriterienListe liste(m_ebenen.Katalog.get());
        m_ebenen.Stapel.AktuelleStruktur()->SchreibeAuswahl(liste);
        QStringList zeilen;
        liste.ToStrings(zeilen);
        return zeilen;
    }

    IdentifyFixture::TEbenen m_ebenen;
    TVerdan_FilterFlagoutPanel m_panel;
    int m_filterGeaendert = 0;
    std::vector<TMeldung> m_gewaehlt;
};

} // namespace

TEST_F(FilterFlagoutPanelTest, ShowsOneNodePerCriterionAndValue)
{
    ASSERT_EQ(Baum().topLevelItemCount(), 2) << "the info-only criterion is left out";
    EXPECT_EQ(Kriterium(1)->text(0), "Wuchsform");
    EXPECT_EQ(Kriterium(2)->text(0), "Blütenfarbe");
    EXPECT_EQ(Wert(2, 1)->text(0), "weiß");
    EXPECT_EQ(Kriterium(2)->childCount(), 3);
    EXPECT_EQ(Baum().editTriggers(), QAbstractItemView::NoEditTriggers);

    TVerdan_FlagOutStruktur* baum = m_ebenen.Stapel.AktuelleStruktur();
    EXPECT_EQ(baum->ObjektNr(2)->Knoten, Kriterium(2));
    EXPECT_EQ(static_cast<TVerdan_FlagOutObjekt*>(Objekt(2, 3))->Knoten, Wert(2, 3));
    for (const QIcon& bild : m_panel.Bilder()) {
        EXPECT_FALSE(bild.isNull());
        EXPECT_EQ(bild.availableSizes().value(0), QSize(16, 16));
    }
}

TEST_F(FilterFlagoutPanelTest, TickingAnotherValueUnticksTheFirst)
{
    KlickeAufText(Wert(2, 1));
    EXPECT_EQ(Bilder(2), (std::vector<int>{Bild::Gewaehlt, 0, 0}));
    EXPECT_EQ(Kriterium(2)->ImageIndex(), Bild::KapitelGewaehlt);
    EXPECT_EQ(m_filterGeaendert, 1);

    KlickeAufText(Wert(2, 2));
    EXPECT_EQ(Bilder(2), (std::vector<int>{0, Bild::Gewaehlt, 0}));
    EXPECT_FALSE(Objekt(2, 1)->IstGewaehlt());
    EXPECT_TRUE(Objekt(2, 2)->IstGewaehlt());
    EXPECT_EQ(Kriterium(2)->ImageIndex(), Bild::KapitelGewaehlt);
    EXPECT_EQ(m_filterGeaendert, 2) << "one notification for the second tick";
    EXPECT_EQ(Auswahl(), QStringList{"001\t002\t/2/\t1"});

    KlickeAufText(Wert(1, 2));
    EXPECT_EQ(Kriterium(2)->ImageIndex(), Bild::KapitelGewaehlt) << "other criteria keep theirs";
    EXPECT_EQ(Auswahl(), (QStringList{"001\t001\t/2/\t1", "001\t002\t/2/\t1"}));
}

TEST_F(FilterFlagoutPanelTest, ClickingTheTickedValueAgainUnticksIt)
{
    KlickeAufText(Wert(2, 3));
    ASSERT_TRUE(Objekt(2, 3)->IstGewaehlt());

    // Beside the text (on the image), and with the right button, the click changes nothing.
    const QRect text = Baum().TextRechteck(Wert(2, 3));
    QTest::mouseClick(Baum().viewport(), Qt::LeftButton, {},
                      QPoint(text.left() - 8, text.center().y()));
    QTest::mouseClick(Baum().viewport(), Qt::RightButton, {}, text.center());
    EXPECT_EQ(Baum().currentItem(), Wert(2, 3));
    EXPECT_TRUE(Objekt(2, 3)->IstGewaehlt());
    EXPECT_EQ(m_filterGeaendert, 1);

    KlickeAufText(Wert(2, 3));
    EXPECT_FALSE(Objekt(2, 3)->IstGewaehlt());
    EXPECT_EQ(Wert(2, 3)->ImageIndex(), Bild::NichtGewaehlt);
    EXPECT_EQ(Kriterium(2)->ImageIndex(), Bild::NichtGewaehlt);
    EXPECT_EQ(m_filterGeaendert, 2);
    EXPECT_EQ(Auswahl(), QStringList());

    // Pressed on one value and dragged over the next, the mouse ticks only the first.
    QWidget* viewport = Baum().viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, Baum().TextRechteck(Wert(1, 1)).center());
    QTest::mouseMove(viewport, Baum().TextRechteck(Wert(1, 2)).center());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, Baum().TextRechteck(Wert(1, 2)).center());
    EXPECT_EQ(Bilder(1), (std::vector<int>{Bild::Gewaehlt, 0}));
}

TEST_F(FilterFlagoutPanelTest, ArrowKeysTickEachValueInTurn)
{
    Baum().setFocus();
    Baum().setCurrentItem(Kriterium(2));
    EXPECT_EQ(m_filterGeaendert, 0) << "a criterion is never ticked";

    const std::vector<std::vector<int>> erwartet = {
        {Bild::Gewaehlt, 0, 0}, {0, Bild::Gewaehlt, 0}, {0, 0, Bild::Gewaehlt}};
    for (std::size_t schritt = 0; schritt < erwartet.size(); ++schritt) {
        QTest::keyClick(&Baum(), Qt::Key_Down);
        EXPECT_EQ(Bilder(2), erwartet[schritt]) << "step " << schritt;
        EXPECT_EQ(m_filterGeaendert, int(schritt) + 1);
    }
    EXPECT_EQ(Kriterium(2)->ImageIndex(), Bild::KapitelGewaehlt);

    // The value reached by keys is selected; a click on it unticks it at once.
    KlickeAufText(Wert(2, 3));
    EXPECT_EQ(Bilder(2), (std::vector<int>{0, 0, 0}));
}

TEST_F(FilterFlagoutPanelTest, SelectingANodeReportsItsCriterionAndItem)
{
    KlickeAufText(Wert(2, 2));
    m_filterGeaendert = 0;
    KlickeAufText(Kriterium(1));
    KlickeAufText(Kriterium(2));

    TVerdan_FlagOutStruktur* baum = m_ebenen.Stapel.AktuelleStruktur();
    TKR_DatenBankFeld* farbe = m_ebenen.Katalog->FeldNr(1, 2);
    ASSERT_EQ(m_gewaehlt.size(), 3u);
    EXPECT_EQ(m_gewaehlt[0].Flo, Objekt(2, 2));
    EXPECT_EQ(m_gewaehlt[0].Krit, farbe);
    EXPECT_EQ(m_gewaehlt[0].SelectItem, 2);
    EXPECT_EQ(m_gewaehlt[2].Flo, baum->ObjektNr(2));
    EXPECT_EQ(m_gewaehlt[2].Krit, farbe);
    EXPECT_EQ(m_gewaehlt[2].SelectItem, 0);
    EXPECT_EQ(m_gewaehlt[1].Krit, m_ebenen.Katalog->FeldNr(1, 1));

    EXPECT_EQ(m_filterGeaendert, 0) << "selecting a criterion changes no tick";
    EXPECT_TRUE(Objekt(2, 2)->IstGewaehlt());
    EXPECT_EQ(Kriterium(2)->ImageIndex(), Bild::KapitelGewaehlt);

    Baum().setCurrentItem(nullptr);
    ASSERT_EQ(m_gewaehlt.size(), 4u);
    EXPECT_EQ(m_gewaehlt[3].Flo, nullptr);
    EXPECT_EQ(m_gewaehlt[3].Krit, nullptr);
}

TEST_F(FilterFlagoutPanelTest, ClearedTicksShowNoTickAnywhere)
{
    KlickeAufText(Wert(1, 1));
    KlickeAufText(Wert(2, 3));
    TVerdan_FlagOutStruktur* baum = m_ebenen.Stapel.AktuelleStruktur();
    baum->LoescheAuswahl();
    baum->AktualisiereAlle();
    for (QTreeWidgetItemIterator it(&Baum()); *it; ++it)
        EXPECT_EQ(static_cast<TVerdan_FlagOutBaumKnoten*>(*it)->ImageIndex(), Bild::NichtGewaehlt)
            << (*it)->text(0).toStdString();
}

TEST_F(FilterFlagoutPanelTest, ToggleKnotenTicksTheObjectsNode)
{
    auto* rot = static_cast<TVerdan_FlagOutObjekt*>(Objekt(2, 3));
    m_panel.ToggleKnoten(rot->Knoten, true);
    EXPECT_TRUE(rot->IstGewaehlt());
    EXPECT_EQ(Kriterium(2)->ImageIndex(), Bild::KapitelGewaehlt);
    EXPECT_EQ(m_filterGeaendert, 1);

    m_panel.ToggleKnoten(Kriterium(2), true);
    m_panel.ToggleKnoten(nullptr, true);
    EXPECT_EQ(m_filterGeaendert, 1) << "neither a criterion nor nothing is toggled";
    EXPECT_EQ(Kriterium(2)->ImageIndex(), Bild::KapitelGewaehlt);

    m_panel.ToggleKnoten(rot->Knoten, false);
    EXPECT_FALSE(rot->IstGewaehlt());
    EXPECT_EQ(m_filterGeaendert, 2);
}

TEST_F(FilterFlagoutPanelTest, TicksSurviveLevelChangesAndOldNodesAreLetGo)
{
    KlickeAufText(Wert(2, 2));
    TVerdan_AbfrageRecord* erste = m_ebenen.Stapel.LetzteEbene();
    auto* gelb = static_cast<TVerdan_FlagOutObjekt*>(Objekt(2, 2));

    Oeffne(3);
    EXPECT_EQ(Kriterium(1)->text(0), "Zwiebel");
    EXPECT_EQ(gelb->Knoten, nullptr) << "the node went with the old view";
    EXPECT_EQ(m_panel.FlagOutVerschachtelung()->Text(), "ALLIUM.Blütenpflanzen.Anfang");

    m_ebenen.Stapel.ResetToEbene(erste);
    m_panel.ZeigeEbenen(m_ebenen.Stapel);
    Baum().expandAll();
    EXPECT_TRUE(gelb->IstGewaehlt());
    EXPECT_EQ(Bilder(2), (std::vector<int>{0, Bild::Gewaehlt, 0}));
    EXPECT_EQ(Kriterium(2)->ImageIndex(), Bild::KapitelGewaehlt);
    EXPECT_EQ(m_panel.FlagOutVerschachtelung()->Text(), "BLÜTENPFLANZEN.Anfang");
}

TEST_F(FilterFlagoutPanelTest, TheTabShowsTheLevelsTreeAndClickingItShowsItAgain)
{
    ASSERT_EQ(m_panel.TabSet->count(), 1);
    EXPECT_EQ(m_panel.TabSet->tabText(0), "Blütenpflanzen");
    EXPECT_EQ(m_panel.TabSet->currentIndex(), 0);

    KlickeAufText(Wert(1, 1));
    std::vector<TAW_FlagOutStruktur*> gezeigt;
    m_panel.OnFilterGeaendert = [&](TAW_FilterFlagOutPanel&, TAW_FlagOutStruktur* struktur) {
        gezeigt.push_back(struktur);
    };
    QTest::mouseClick(m_panel.TabSet, Qt::LeftButton, {}, m_panel.TabSet->tabRect(0).center());
    ASSERT_EQ(gezeigt.size(), 1u);
    EXPECT_EQ(gezeigt[0], m_ebenen.Stapel.AktuelleStruktur());
    EXPECT_EQ(m_panel.TabSet->count(), 1);
    Baum().expandAll();
    EXPECT_EQ(Wert(1, 1)->ImageIndex(), Bild::Gewaehlt);

    Oeffne(4);
    ASSERT_EQ(m_panel.TabSet->count(), 1);
    EXPECT_EQ(m_panel.TabSet->tabText(0), " Blüte");
}

TEST(TAW_FilterFlagTabSet, TabTextLeavesOutAngabenZumAndZur)
{
    struct TabCase
    {
        QString titel;
        QString want;
    };
    const TabCase cases[] = {
        {"Angaben zur Blüte", " Blüte"},
        {"Angaben zum Blatt", " Blatt"},
        {"Blatt: Angaben zum Rand, Angaben zur Spitze", "Blatt:  Rand,  Spitze"},
        {"angaben zur Frucht", "angaben zur Frucht"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TAW_FilterFlagTabSet::TabText(TAW_FlagOutStruktur(c.titel)), c.want)
            << c.titel.toStdString();
}

TEST(TAW_FilterFlagTabSet, ListsEachTreeOnce)
{
    TAW_FlagOutStruktur a("A");
    TAW_FlagOutStruktur b("B");
    TAW_FilterFlagTabSet tabs;
    tabs.AddTab(&a);
    tabs.AddTab(&b);
    tabs.AddTab(&a);
    ASSERT_EQ(tabs.count(), 2);
    EXPECT_EQ(tabs.TabStruktur(1), &b);
    EXPECT_EQ(tabs.TabStruktur(2), nullptr);
    EXPECT_TRUE(tabs.SelectTab(&b));
    EXPECT_EQ(tabs.currentIndex(), 1);
    tabs.RemoveTab(&a);
    EXPECT_EQ(tabs.TabStruktur(0), &b);
    EXPECT_FALSE(tabs.SelectTab(&a));
    tabs.Leeren();
    EXPECT_EQ(tabs.count(), 0);
    EXPECT_EQ(tabs.TabStruktur(0), nullptr);
}
