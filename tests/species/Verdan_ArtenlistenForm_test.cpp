#include "SpeciesFixture.h"
#include "app/KR_DLG.h"
#include "app/Kr_str.h"
#include "foundation/KR_Label.h"
#include "foundation/Kr_vcldb.h"
#include "html/Kr_htmlv.h"
#include "platform/Query.h"
#include "species/Verdan_ArtPortraitAnzeige.h"
#include "species/Verdan_ArtenBrowser.h"
#include "species/Verdan_ArtenBrowserDM.h"
#include "species/Verdan_ArtenlistenForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <vector>

namespace {

class Artenliste : public SpeciesFixture
{
protected:
    void SetUp() override
    {
        SpeciesFixture::SetUp();
        m_maximize = SetupBlock.MaximizeChildren;
        SetupBlock.MaximizeChildren = false;
    }
    void TearDown() override
    {
        delete TVerdan_Artenliste::Instanz();
        SetupBlock.MaximizeChildren = m_maximize;
        SpeciesFixture::TearDown();
    }

    TVerdan_Artenliste* Oeffne()
    {
        TVerdan_Artenliste* liste = ZeigeArtenliste(nullptr);
        liste->resize(800, 600);
        return liste;
    }
    static TDataSet& Daten(TVerdan_Artenliste* liste)
    {
        return *liste->Browser()->Grid()->DataSet();
    }
    static QString AktuellerText(TVerdan_Artenliste* liste)
    {
        TDataSet& daten = Daten(liste);
        for (int i = 0; i < daten.FieldCount(); ++i)
            if (daten.Fields(i)->Visible()) return daten.Fields(i)->DisplayText();
        return {};
    }
    static void Suche(TVerdan_Artenliste* liste, const QString& text)
    {
        QLineEdit* feld = liste->Browser()->SuchText();
        feld->setText(text);
        QTest::keyClick(feld, Qt::Key_Return);
    }

    std::vector<QString> m_meldungen;
    TKR_ScopedMessageHandler m_handler{
        [this](TKR_MessageKind, const QString& titel, const QString& text) {
            m_meldungen.push_back(titel + ": " + text);
            return 2;
        }};

private:
    bool m_maximize = true;
};

} // namespace

TEST_F(Artenliste, ShowsEverySpeciesWithThePortraitOfTheCurrentRow)
{
    TVerdan_Artenliste* liste = Oeffne();
    EXPECT_EQ(liste->windowTitle(), "Artenliste");
    EXPECT_EQ(liste->LArtenliste()->text(), "Artenliste");
    EXPECT_EQ(liste->LAnfang()->text(), ".Zurück");
    EXPECT_EQ(liste->LAnfang()->x(), liste->LArtenliste()->x() + liste->LArtenliste()->width());
    EXPECT_FALSE(liste->DeutscheNamenZeigen()->isChecked());
    EXPECT_EQ(Daten(liste).RecordCount(), ArtenAnzahl());

    Suche(liste, "Bellis per");
    EXPECT_TRUE(AktuellerText(liste).startsWith("Bellis perennis"));
    TVerdan_ArtPortraitAnzeige* portrait = liste->Browser()->Portrait();
    ASSERT_NE(portrait, nullptr);
    EXPECT_GE(portrait->width(), TAW_FloraBrowser::PortraitMindestBreite);
    EXPECT_TRUE(portrait->MoveLeft());
    EXPECT_TRUE(portrait->HTMLViewer()->toPlainText().contains("Bellis perennis"));
    EXPECT_TRUE(m_meldungen.empty());
}

TEST_F(Artenliste, SearchesOnlyGenusAndEpithetOfWhateverIsTyped)
{
    TVerdan_Artenliste* liste = Oeffne();
    Suche(liste, "Bellis perennis ssp. irgendwas");
    EXPECT_TRUE(AktuellerText(liste).startsWith("Bellis perennis"));
    for (const QString& text :
         {QString("'"), QString("\"\"/'"), QString("ssp."), QString("   "), QString(4000, u'Z'),
          QString("/ / /"), QString("var. f. s.l subsp.")}) {
        Suche(liste, text);
        EXPECT_GT(Daten(liste).RecNo(), 0) << text.left(20).toStdString();
    }
    EXPECT_TRUE(m_meldungen.empty());
}

TEST_F(Artenliste, GermanSearchFindsThePrefixOrSaysNotFoundWithoutMoving)
{
    TVerdan_Artenliste* liste = Oeffne();
    liste->DeutscheNamenZeigen()->click();
    ASSERT_TRUE(liste->Browser()->DeutscheNamen());
    ASSERT_NE(qobject_cast<TQuery*>(&Daten(liste)), nullptr);

    Suche(liste, "gänse");
    EXPECT_TRUE(UpperCase(AktuellerText(liste)).startsWith("GÄNSE"));
    EXPECT_TRUE(m_meldungen.empty());
    EXPECT_TRUE(liste->Browser()->Portrait()->HTMLViewer()->toPlainText().contains(
        AktuellerText(liste).section(" (", 1).chopped(1)));

    const int vorher = Daten(liste).RecNo();
    for (const QString& text : {QString("Xyzzy"), QString("'/ssp."), QString(4000, u'q')}) {
        m_meldungen.clear();
        Suche(liste, text);
        ASSERT_EQ(m_meldungen.size(), 1u);
        EXPECT_EQ(m_meldungen.front(), "Suchen: Suchtext nicht gefunden");
        EXPECT_EQ(Daten(liste).RecNo(), vorher);
    }
}

TEST_F(Artenliste, TypingInTheGridSearchesAtOnceOnlyByScientificName)
{
    TVerdan_Artenliste* liste = Oeffne();
    TKR_DBGrid* grid = liste->Browser()->Grid();
    QTest::keyClicks(grid, "Bellis pe");
    EXPECT_EQ(liste->Browser()->SuchText()->text(), "Bellispe"); // the blank marks instead
    QTest::keyClick(grid, Qt::Key_Backspace);
    QTest::keyClick(grid, Qt::Key_Backspace);
    QTest::keyClick(grid, Qt::Key_Backspace);
    EXPECT_EQ(liste->Browser()->SuchText()->text(), "Belli");
    EXPECT_TRUE(AktuellerText(liste).startsWith("Belli"));

    liste->DeutscheNamenZeigen()->click();
    liste->Browser()->SuchText()->clear();
    const int vorher = Daten(liste).RecNo();
    QTest::keyClicks(grid, "Xyz");
    EXPECT_EQ(liste->Browser()->SuchText()->text(), "Xyz");
    EXPECT_EQ(Daten(liste).RecNo(), vorher);
    EXPECT_TRUE(m_meldungen.empty());
}

TEST_F(Artenliste, Character127BringsBackTheRememberedEmptyText)
{
    TVerdan_Artenliste* liste = Oeffne();
    QLineEdit* feld = liste->Browser()->SuchText();
    feld->setText("Bellis");
    QKeyEvent taste(QEvent::KeyPress, Qt::Key_Backspace, Qt::ControlModifier, QString(QChar(127)));
    QApplication::sendEvent(feld, &taste);
    EXPECT_EQ(feld->text(), "");
}

TEST_F(Artenliste, OpensOnceAndGoesWithItsOwner)
{
    auto* owner = new QWidget;
    TVerdan_Artenliste* liste = ZeigeArtenliste(owner);
    EXPECT_EQ(ZeigeArtenliste(nullptr), liste);
    EXPECT_EQ(TVerdan_Artenliste::Instanz(), liste);
    QPointer<TVerdan_Artenliste> beobachtet = liste;
    delete owner;
    EXPECT_TRUE(beobachtet.isNull());
    EXPECT_EQ(TVerdan_Artenliste::Instanz(), nullptr);

    TVerdan_Artenliste* neue = ZeigeArtenliste(nullptr);
    ASSERT_NE(neue, nullptr);
    EXPECT_EQ(TVerdan_Artenliste::Instanz(), neue);
    QTest::mouseClick(neue->LAnfang(), Qt::LeftButton);
    EXPECT_EQ(TVerdan_Artenliste::Instanz(), nullptr);
}

namespace {

class DragBrowser : public TVerdan_ArtenBrowser
{
public:
    using TVerdan_ArtenBrowser::TVerdan_ArtenBrowser;
    std::vector<QString> Gezogen;

protected:
    void StartDrag(const QString& text) override { Gezogen.push_back(text); }
};

void Maus(QWidget* ziel, QEvent::Type typ, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(typ, pos, ziel->mapToGlobal(pos),
                      typ == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(ziel, &event);
}

} // namespace

TEST_F(Artenliste, DragsTheSpeciesNumberAfterTenPixels)
{
    auto server = NeuerServer();
    DragBrowser browser;
    browser.resize(800, 600);
    browser.InitArtenBrowser(server.get());
    browser.show();
    QWidget* viewport = browser.Grid()->viewport();
    const QPoint start = browser.Grid()->visualRect(browser.Grid()->model()->index(2, 0)).center();

    Maus(viewport, QEvent::MouseButtonPress, start, Qt::LeftButton);
    Maus(viewport, QEvent::MouseMove, start + QPoint(9, 0), Qt::LeftButton);
    EXPECT_TRUE(browser.Gezogen.empty());
    Maus(viewport, QEvent::MouseMove, start + QPoint(0, 10), Qt::LeftButton);
    ASSERT_EQ(browser.Gezogen.size(), 1u);
    EXPECT_EQ(browser.Gezogen.front(), QString::number(browser.GetRelID()));
    EXPECT_GT(browser.GetRelID(), 0);
    Maus(viewport, QEvent::MouseButtonRelease, start, Qt::NoButton);

    SetupBlock.DragDisabled = true;
    Maus(viewport, QEvent::MouseButtonPress, start, Qt::LeftButton);
    Maus(viewport, QEvent::MouseMove, start + QPoint(30, 30), Qt::LeftButton);
    SetupBlock.DragDisabled = false;
    EXPECT_EQ(browser.Gezogen.size(), 1u);
}

TEST_F(Artenliste, LivesInAnMdiAreaAndGoesWithItsOwnerThere)
{
    QMdiArea area;
    auto* owner = new QWidget;
    auto* liste = new TVerdan_Artenliste(owner);
    QPointer<QMdiSubWindow> sub = area.addSubWindow(liste);
    area.show();
    sub->show();
    EXPECT_EQ(ZeigeArtenliste(nullptr), liste);
    EXPECT_EQ(area.activeSubWindow(), sub);

    Suche(liste, "Bellis perennis");
    liste->Kopieren1()->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("Bellis perennis"));

    delete owner;
    EXPECT_TRUE(sub.isNull());
    EXPECT_EQ(TVerdan_Artenliste::Instanz(), nullptr);
}

TEST_F(Artenliste, LetterSearchSearchesWhileTypingInTheSearchField)
{
    TVerdan_Artenliste* liste = Oeffne();
    QLineEdit* feld = liste->Browser()->SuchText();
    QTest::keyClicks(feld, "Bellis");
    EXPECT_EQ(Daten(liste).RecNo(), 1);
    feld->clear();
    SetupBlock.LetterSearch = true;
    QTest::keyClicks(feld, "Bellis");
    SetupBlock.LetterSearch = false;
    EXPECT_TRUE(AktuellerText(liste).startsWith("Bellis"));
}
