#include "app/KR_DLG.h"
#include "app/KR_MYSYS.h"
#include "app/Verdan_Main.h"
#include "foundation/KR_Graph.h"
#include "foundation/KR_Label.h"
#include "foundation/KR_VCL.h"
#include "foundation/Kr_grabt.h"
#include "foundation/Kr_vcldb.h"
#include "html/Kr_htmlv.h"
#include "html/Verdan_HtmlDisplayFormUnit.h"
#include "identify/BestimmungsFixture.h"
#include "identify/Verdan_Bestimmungsformular.h"
#include "identify/Verdan_Bestimmungszeile.h"
#include "identify/Verdan_FilterFlagoutPanel.h"
#include "identify/Verdan_FlagOutVerschachtelung.h"
#include "key/KR_DatenBankFeld.h"
#include "key/VD_StrukturDM.h"
#include "key/Verdan_Abfrageliste.h"
#include "pictures/Verdan_DetailZoomUnit.h"
#include "pictures/Verdan_DiaSerie.h"
#include "platform/Field.h"
#include "platform/Query.h"
#include "species/Verdan_GlossarUnit.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct TNachricht
{
    QString Titel;
    QString Text;
};

// An identification window on the shipped data directory, shown offscreen; messages are
// collected instead of shown.
class BestimmungTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_globalDir = SetupBlock.GlobalDir;
        m_maximize = SetupBlock.MaximizeChildren;
        SetupBlock.GlobalDir = DatenVerzeichnis();
        SetupBlock.MaximizeChildren = false;
        m_fenster = std::make_unique<TVerdan_Bestimmung>();
        m_fenster->resize(1000, 640);
        m_fenster->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_fenster.get()));
    }
    void TearDown() override
    {
        m_fenster.reset();
        SetupBlock.GlobalDir = m_globalDir;
        SetupBlock.MaximizeChildren = m_maximize;
    }
    virtual QString DatenVerzeichnis() const { return QStringLiteral(VERDAN_DATA_DIR); }

    TVerdan_Bestimmung& F() { return *m_fenster; }
    TVerdan_FlagOutBaum& Baum() { return *F().FilterFlagOutPanel->Baum; }
    TQuery& Abfrage() { return *F().BestimmungsQuery; }
    TVerdan_FlagOutVerschachtelung& Leiste()
    {
        return *F().FilterFlagOutPanel->FlagOutVerschachtelung();
    }

    void Klicke(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

    int Uebrig() const
    {
        const QString text = m_fenster->Meldung->text();
        EXPECT_TRUE(text.startsWith(QStringLiteral("Übrig bleiben: "))) << text.toStdString();
        return text.mid(15).toInt();
    }

    // Clicks the text of value i of criterion k of the criteria tree.
    void KlickeWert(int k, int i)
    {
        QTreeWidgetItem* kriterium = Baum().topLevelItem(k - 1);
        ASSERT_NE(kriterium, nullptr);
        kriterium->setExpanded(true);
        QTreeWidgetItem* wert = kriterium->child(i - 1);
        ASSERT_NE(wert, nullptr);
        Baum().scrollToItem(wert);
        QTest::mouseClick(Baum().viewport(), Qt::LeftButton, {},
                          Baum().TextRechteck(wert).center());
    }

    // The displayed names of the grid, top to bottom.
    QStringList GridNamen()
    {
        QStringList namen;
        QAbstractItemModel* model = F().PflanzenGrid->model();
        for (int r = 0; r < model->rowCount(); ++r)
            namen << model->data(model->index(r, 0)).toString();
        return namen;
    }

    // Searches for a name with the search box and Enter; the row found becomes current.
    void Suche(const QString& text)
    {
        F().Suchtext->setText(text);
        QTest::keyClick(F().Suchtext, Qt::Key_Return);
    }

    void DoppelklickAufAktuelleZeile()
    {
        TKR_DBGrid* grid = F().PflanzenGrid;
        QCoreApplication::processEvents();
        const QModelIndex index = grid->currentIndex();
        ASSERT_TRUE(index.isValid());
        grid->scrollTo(index);
        const QPoint mitte = grid->visualRect(index).center();
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, mitte);
    }

    QString AktuellerName()
    {
        return Abfrage().FieldByName(QStringLiteral("Bezeichnung"))->AsString();
    }

    std::vector<TNachricht> m_nachrichten;
    TKR_ScopedMessageHandler m_dialoge{
        [this](TKR_MessageKind, const QString& titel, const QString& text) {
            m_nachrichten.push_back({titel, text});
            return 1;
        }};

private:
    std::unique_ptr<TVerdan_Bestimmung> m_fenster;
    QString m_globalDir;
    bool m_maximize = true;
};

TEST_F(BestimmungTest, StartPageOffersTheFivePathsAndTheLists)
{
    EXPECT_EQ(F().windowTitle(), QStringLiteral("Bestimmung"));
    EXPECT_FALSE(F().windowState() & Qt::WindowMaximized);
    const QStringList titel = {F().KR_GradButton1->text(), F().KR_GradButton2->text(),
                               F().KR_GradButton3->text(), F().KR_GradButton4->text(),
                               F().KR_GradButton5->text(), F().ArtListenButton->text(),
                               F().GlossarButton->text()};
    EXPECT_EQ(titel, (QStringList{"1) Farnpflanzen  ", "2) Blütenpflanzen", "3) Gruppenliste   ",
                                  "4) Familien         ", "5) Gattungen      ", "< Artenliste >   ",
                                  "< Glossar >     "}));
    EXPECT_TRUE(F().StartPanel->isVisible());
    EXPECT_TRUE(F().HtmlViewer->isVisible());
    EXPECT_FALSE(F().Browserpanel->isVisible());
    EXPECT_FALSE(F().FlagoutContainerPanel->isVisible());
    EXPECT_FALSE(F().BearbeitenKommando->menuAction()->isVisible());
    EXPECT_TRUE(F().HtmlViewer->toPlainText().contains(QStringLiteral("Pflanzen bestimmen")));
    EXPECT_TRUE(F().HtmlViewer->toPlainText().contains(
        QStringLiteral("Für die Bestimung einer Pflanze können Sie einen der fünf Hauptschalter "
                       "anklicken:")));
    EXPECT_EQ(
        F().HtmlText->Strings().count(QStringLiteral("Damit können Sie Blütenpflanzen bestimmen.")),
        1);
}

TEST_F(BestimmungTest, TickingAValueNarrowsTheResult)
{
    Klicke(F().KR_GradButton2);
    EXPECT_FALSE(F().StartPanel->isVisible());
    EXPECT_TRUE(F().Browserpanel->isVisible());
    EXPECT_TRUE(F().FlagoutContainerPanel->isVisible());
    EXPECT_TRUE(F().BearbeitenKommando->menuAction()->isVisible());
    EXPECT_EQ(F().PflanzenGrid->KeyFieldName(), QStringLiteral("ID"));
    EXPECT_FALSE(F().PflanzenGrid->MarkierungErlaubt());
    const int alle = Uebrig();
    ASSERT_GT(alle, 1);
    EXPECT_EQ(GridNamen().size(), alle);

    KlickeWert(1, 1);
    const int uebrig = Uebrig();
    EXPECT_LT(uebrig, alle);
    EXPECT_GT(uebrig, 0);
    EXPECT_EQ(GridNamen().size(), uebrig);
    EXPECT_TRUE(m_nachrichten.empty());

    // "Alles Löschen" takes the tick back.
    Klicke(F().KR_GradButton7);
    EXPECT_EQ(Uebrig(), alle);
    EXPECT_EQ(Baum().currentItem(), nullptr);
}

TEST_F(BestimmungTest, NestingBarLeadsBackToTheLevelAndItsRow)
{
    Klicke(F().KR_GradButton2);
    Suche(QStringLiteral("apiac"));
    ASSERT_TRUE(m_nachrichten.empty());
    ASSERT_TRUE(AktuellerName().startsWith(QStringLiteral("Apiaceae")));
    const int zeile = Abfrage().RecNo();
    ASSERT_GT(zeile, 1);

    DoppelklickAufAktuelleZeile();
    EXPECT_EQ(Leiste().Anzahl(), 3) << Leiste().Text().toStdString(); // two levels and "Anfang"
    EXPECT_EQ(F().Ebenen().Count(), 2);
    EXPECT_GT(Uebrig(), 0);

    // The basic table's entry in the bar is the one before "Anfang".
    Klicke(Leiste().Label(2));
    EXPECT_EQ(F().Ebenen().Count(), 1);
    EXPECT_EQ(Abfrage().RecNo(), zeile);
    EXPECT_TRUE(AktuellerName().startsWith(QStringLiteral("Apiaceae")));

    // "Anfang" returns to the start page with an empty stack.
    Klicke(Leiste().Label(Leiste().Anzahl()));
    EXPECT_TRUE(F().StartPanel->isVisible());
    EXPECT_FALSE(F().Browserpanel->isVisible());
    EXPECT_EQ(F().Ebenen().Count(), 0);
    EXPECT_TRUE(F().Meldung->text().isEmpty());
}

TEST_F(BestimmungTest, DescriptionFollowsTheCurrentRow)
{
    Klicke(F().KR_GradButton2);
    Klicke(F().CBoxArtbeschreibungZeigen);
    ASSERT_TRUE(F().Beschreibungsfenster);
    EXPECT_TRUE(F().Beschreibungsfenster->isVisible());
    EXPECT_EQ(F().Beschreibungsfenster->windowTitle(), QStringLiteral("Beschreibung"));
    EXPECT_EQ(F().Beschreibungsfenster->size(), QSize(300, 400));
    const QString erste = F().Beschreibungsfenster->HTMLViewer->toPlainText();
    EXPECT_FALSE(erste.isEmpty());

    Suche(QStringLiteral("apiac"));
    EXPECT_NE(F().Beschreibungsfenster->HTMLViewer->toPlainText(), erste);

    Klicke(F().CBoxFilterkriterienZeigen);
    ASSERT_TRUE(F().Filterkriterienfenster);
    EXPECT_EQ(F().Filterkriterienfenster->windowTitle(),
              QStringLiteral("Ausgewählte Filterkriterien"));
    EXPECT_TRUE(F().Filterkriterienfenster->HTMLViewer->toPlainText().startsWith(
        QStringLiteral("Bestimmung")));

    // Closing the window unticks its box; the start page hides both windows.
    F().Beschreibungsfenster->close();
    EXPECT_FALSE(F().CBoxArtbeschreibungZeigen->isChecked());
    F().ZeigeStartseite();
    EXPECT_FALSE(F().Filterkriterienfenster->isVisible());
}

TEST_F(BestimmungTest, SearchWithoutMatchKeepsTheRowAndSaysSo)
{
    Klicke(F().KR_GradButton2);
    Abfrage().MoveBy(3);
    const int zeile = Abfrage().RecNo();
    Suche(QStringLiteral("qqqq"));
    ASSERT_EQ(m_nachrichten.size(), 1u);
    EXPECT_EQ(m_nachrichten[0].Titel, QStringLiteral("Suchen"));
    EXPECT_EQ(m_nachrichten[0].Text, QStringLiteral("Suchtext nicht gefunden"));
    EXPECT_EQ(Abfrage().RecNo(), zeile);
}

// The small data directory has no table for the ferns (key 2).
class BestimmungOhneTabelleTest : public BestimmungTest
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        BestimmungsFixture::BaueDatenbank(s_dir->path());
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    QString DatenVerzeichnis() const override { return s_dir->path(); }

    static QTemporaryDir* s_dir;
};
QTemporaryDir* BestimmungOhneTabelleTest::s_dir = nullptr;

TEST_F(BestimmungOhneTabelleTest, MissingKeyTableIsNamedAndTheWindowStaysUsable)
{
    Klicke(F().KR_GradButton1);
    ASSERT_EQ(m_nachrichten.size(), 1u);
    EXPECT_TRUE(m_nachrichten[0].Text.contains(QStringLiteral("VDB_2")))
        << m_nachrichten[0].Text.toStdString();
    EXPECT_FALSE(Abfrage().Active());

    Klicke(Leiste().Label(Leiste().Anzahl()));
    Klicke(F().KR_GradButton2);
    EXPECT_GT(Uebrig(), 0);
}

TEST_F(BestimmungTest, StripTicksTheValueOfADrawingAndZoomsOnADoubleClick)
{
    TVD_StrukturDataModul zeichnungen(QStringLiteral(VERDAN_DATA_DIR), nullptr);
    TVerdan_DiaSerie& streifen = *F().DiaSerie;
    streifen.SetStrukturModul(&zeichnungen);
    F().OpenGrundtabelleClick();
    ASSERT_TRUE(F().IllustrationenAnzeigen->isChecked());
    ASSERT_TRUE(streifen.isVisible());
    const int alle = Uebrig();

    // Ticking "Ähre" in the tree shows the inflorescences with it highlighted.
    KlickeWert(10, 1);
    const int aehren = Uebrig();
    EXPECT_LT(aehren, alle);
    ASSERT_NE(streifen.AktuellesKriterium(), nullptr);
    EXPECT_EQ(streifen.AktuellesKriterium()->GetAnzeigeTitel(), QStringLiteral("Blütenstand"));
    EXPECT_EQ(streifen.AktivNummer(), 1);

    // A click on the drawing of "Ährchen" ticks it in place of "Ähre" (a criterion holds one
    // value); a second click unticks it.
    auto* aehrchen = dynamic_cast<TVerdan_DiaSerienFenster*>(streifen.GetFenster(1, 2));
    ASSERT_NE(aehrchen, nullptr);
    ASSERT_TRUE(aehrchen->HasPicture());
    EXPECT_EQ(aehrchen->Item(), 2);
    Klicke(aehrchen->viewport());
    const int aehrchenUebrig = Uebrig();
    EXPECT_LT(aehrchenUebrig, alle);
    EXPECT_NE(aehrchenUebrig, aehren);
    EXPECT_EQ(streifen.AktivNummer(), 2);
    Klicke(aehrchen->viewport());
    EXPECT_EQ(Uebrig(), alle);

    QTest::mouseDClick(aehrchen->viewport(), Qt::LeftButton);
    const auto zooms = F().findChildren<TVerdan_DetailZoom*>();
    ASSERT_EQ(zooms.size(), 1);
    EXPECT_EQ(zooms[0]->windowTitle(), QStringLiteral("Blütenpflanzen.Blütenstand.Ährchen"));
    delete zooms[0];
}

// Not a check: with VERDAN_SCREENSHOTS naming a folder, the main states of the window are
// saved there as PNG files for the documentation.
TEST(BestimmungBilder, SavesScreenshotsWhenAsked)
{
    const QString ziel = qEnvironmentVariable("VERDAN_SCREENSHOTS");
    if (ziel.isEmpty()) GTEST_SKIP() << "VERDAN_SCREENSHOTS not set";
    const QString globalDir = SetupBlock.GlobalDir;
    const bool maximize = SetupBlock.MaximizeChildren;
    SetupBlock.GlobalDir = QStringLiteral(VERDAN_DATA_DIR);
    SetupBlock.MaximizeChildren = true;
    TKR_ScopedMessageHandler dialoge{
        [](TKR_MessageKind, const QString&, const QString&) { return 1; }};
    const auto speichere = [&ziel](QWidget* w, const QString& name) {
        QCoreApplication::processEvents();
        EXPECT_TRUE(w->grab().save(ziel + QLatin1Char('/') + name, "PNG", 9));
    };
    {
        TVerdan_Mainform hauptfenster;
        hauptfenster.resize(1000, 680);
        hauptfenster.show();
        auto* fenster = new TVerdan_Bestimmung(&hauptfenster);
        hauptfenster.AddChild(fenster);
        speichere(&hauptfenster, QStringLiteral("startseite.png"));

        fenster->OpenGrundtabelleClick();
        TVerdan_FlagOutBaum& baum = *fenster->FilterFlagOutPanel->Baum;
        for (int k : {1, 3}) {
            QTreeWidgetItem* kriterium = baum.topLevelItem(k - 1);
            kriterium->setExpanded(true);
            QCoreApplication::processEvents();
            QTest::mouseClick(baum.viewport(), Qt::LeftButton, {},
                              baum.TextRechteck(kriterium->child(0)).center());
        }
        speichere(&hauptfenster, QStringLiteral("schluessel3-zwei-merkmale.png"));

        // The strip over the criteria shows the drawings of the inflorescences.
        QTreeWidgetItem* bluetenstand = baum.topLevelItem(9);
        bluetenstand->setExpanded(true);
        QCoreApplication::processEvents();
        baum.scrollToItem(bluetenstand->child(5));
        QTest::mouseClick(baum.viewport(), Qt::LeftButton, {},
                          baum.TextRechteck(bluetenstand->child(5)).center());
        speichere(&hauptfenster, QStringLiteral("schluessel3-zeichnungen.png"));
        QTest::mouseClick(baum.viewport(), Qt::LeftButton, {},
                          baum.TextRechteck(bluetenstand->child(5)).center());

        fenster->CBoxArtbeschreibungZeigen->click();
        speichere(fenster->Beschreibungsfenster, QStringLiteral("beschreibung.png"));
        fenster->CBoxArtbeschreibungZeigen->click();

        // Three levels: a family, then the basic table restricted to it, then a row of that
        // which leads on.
        TQuery& abfrage = *fenster->BestimmungsQuery;
        const auto fuehrtWeiter = [&] { return !fenster->Zeile().Folgeebene(abfrage).IstTaxon(); };
        fenster->ZeigeStartseite();
        fenster->OpenFamlienClick();
        TVerdan_AbfrageRecord* basis = fenster->Ebenen().LetzteEbene();
        bool gefunden = false;
        for (int zeile = 1; zeile <= abfrage.RecordCount() && !gefunden; ++zeile) {
            abfrage.SetRecNo(zeile);
            if (!fuehrtWeiter()) continue;
            fenster->DatengridDblClick();
            for (abfrage.First(); !abfrage.Eof(); abfrage.Next()) {
                if (fuehrtWeiter()) {
                    gefunden = true;
                    break;
                }
            }
            if (gefunden)
                fenster->DatengridDblClick();
            else
                fenster->FilterFlagOutPanelResetAbfrageKlasse(basis);
        }
        EXPECT_TRUE(gefunden);
        EXPECT_EQ(fenster->Ebenen().Count(), 3);
        fenster->IllustrationenAnzeigen->click();
        speichere(&hauptfenster, QStringLiteral("verschachtelung.png"));

        // A genus or family key has drawings of its own: the lip forms of the orchids.
        fenster->IllustrationenAnzeigen->click();
        fenster->ZeigeStartseite();
        fenster->StarteSchluessel(38);
        QTreeWidgetItem* lippe = baum.topLevelItem(10);
        lippe->setExpanded(true);
        QCoreApplication::processEvents();
        baum.scrollToItem(lippe->child(3));
        QTest::mouseClick(baum.viewport(), Qt::LeftButton, {},
                          baum.TextRechteck(lippe->child(3)).center());
        speichere(&hauptfenster, QStringLiteral("orchideen-lippenformen.png"));

        hauptfenster.Glossar1Click();
        TVerdan_Glossar* glossar = TVerdan_Glossar::Instanz();
        ASSERT_NE(glossar, nullptr);
        glossar->SuchText->setText(QStringLiteral("Doppeldolde"));
        glossar->SuchbuttonClick();
        speichere(&hauptfenster, QStringLiteral("glossar.png"));
    }
    SetupBlock.GlobalDir = globalDir;
    SetupBlock.MaximizeChildren = maximize;
}

} // namespace
