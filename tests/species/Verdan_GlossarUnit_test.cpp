#include "app/KR_DLG.h"
#include "app/KR_MYSYS.h"
#include "app/Verdan_Main.h"
#include "foundation/KR_Align.h"
#include "foundation/KR_Graph.h"
#include "foundation/KR_Label.h"
#include "foundation/KR_Navg.h"
#include "foundation/Kr_grabt.h"
#include "foundation/Kr_vcldb.h"
#include "html/Kr_htmlv.h"
#include "identify/Verdan_Bestimmungsformular.h"
#include "pictures/KR_MultiImage.h"
#include "platform/DatabaseBuilder.h"
#include "platform/Field.h"
#include "platform/Table.h"
#include "species/Verdan_GlossarUnit.h"
#include "support/TestTabellen.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

TKR_Align AlignOf(const QWidget* widget)
{
    return static_cast<TKR_AlignLayout*>(widget->parentWidget()->layout())->AlignOf(widget);
}

QByteArray Png(const QColor& farbe)
{
    QImage bild(60, 40, QImage::Format_RGB32);
    bild.fill(farbe);
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return bytes;
}

const QColor AchaeneFarbe(200, 40, 40);
const QColor BlattFarbe(40, 200, 40);
const QColor Schluessel60Farbe(40, 40, 200);

// A data directory with a glossary of five terms and the large drawings of three index
// rows: (61, 10, 8) for "Achäne", (61, 2, 3) and (60, 2, 3), of which "Blatt" ("60x2x3")
// must show the one of key 61.
void SchreibeGlossar(const QString& dir)
{
    TDatabaseBuilder builder(dir + "/tables.sqlite");
    builder.CreateTable(TestTabellen::Tabelle("VDB_61",
                                              {{"Fachausdruck", "A40"},
                                               {"ID", "+"},
                                               {"Code-Nummer", "A10"},
                                               {"Themengruppe", "I"},
                                               {"Text", "M"}},
                                              {"ID"},
                                              {{"IX_GlossarFachausdruck", {"Fachausdruck"}}}));
    const auto begriff = [&](const char* name, int id, const char* code, const char* text) {
        builder.AddRow("VDB_61",
                       {QString::fromUtf8(name), id, QString::fromUtf8(code), 1, QByteArray(text)});
    };
    begriff("Dolde", 1, "61xax3",
            "Doldig heißt ein Blütenstand, dessen Stiele aus einem Punkt entspringen.");
    begriff("adventiv", 2, "", "Durch den Menschen eingeschleppt.");
    begriff("Achäne", 3, "61x10x8", "Eine Achäne ist ein Nüsschen.");
    begriff("Blatt", 4, "60x2x3", "Seitliches Organ der Sprossachse.");
    begriff("Zwiebel", 5, "61x9", "Gestauchter Spross mit fleischigen Blättern.");
    for (const TTableDef& tabelle : TestTabellen::Bildindex())
        builder.CreateTable(tabelle);
    const auto zeichnung = [&](int gruppe, int feld, int item, int relId, const QColor& farbe) {
        builder.AddRow("KRS_Rix", {1, gruppe, feld, item, 1, gruppe, feld, relId, true});
        builder.AddRow("KRS_R3i", {relId, 1, Png(farbe)});
    };
    zeichnung(61, 10, 8, 1, AchaeneFarbe);
    zeichnung(61, 2, 3, 2, BlattFarbe);
    zeichnung(60, 2, 3, 3, Schluessel60Farbe);
    builder.Finish();
}

class Glossar : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        SchreibeGlossar(s_dir->path());
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    void SetUp() override
    {
        m_globalDir = SetupBlock.GlobalDir;
        m_maximize = SetupBlock.MaximizeChildren;
        SetupBlock.GlobalDir = s_dir->path();
        SetupBlock.MaximizeChildren = false;
    }
    void TearDown() override
    {
        delete TVerdan_Glossar::Instanz();
        SetupBlock.GlobalDir = m_globalDir;
        SetupBlock.MaximizeChildren = m_maximize;
    }

    static TVerdan_Glossar* Oeffne(QWidget* owner = nullptr)
    {
        TVerdan_Glossar* glossar = ZeigeGlossar(owner, nullptr);
        glossar->resize(700, 520);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(glossar));
        return glossar;
    }
    static void Suche(TVerdan_Glossar* g, const QString& text)
    {
        g->SuchText->setText(text);
        QTest::keyClick(g->SuchText, Qt::Key_Return);
    }
    static QColor BildFarbe(TVerdan_Glossar* g)
    {
        return g->Bilddarstellung->Picture().pixelColor(10, 10);
    }

    std::vector<QString> m_meldungen;
    TKR_ScopedMessageHandler m_handler{
        [this](TKR_MessageKind, const QString& titel, const QString& text) {
            m_meldungen.push_back(titel + ": " + text);
            return 1;
        }};

private:
    static inline QTemporaryDir* s_dir = nullptr;
    QString m_globalDir;
    bool m_maximize = false;
};

} // namespace

TEST_F(Glossar, OpensOnTheFirstTermWithItsDrawingAndExplanation)
{
    TVerdan_Glossar* g = Oeffne();
    EXPECT_EQ(g->windowTitle(), "Glossar");
    EXPECT_EQ(g->LAnfang->x(), g->LGlossar->x() + g->LGlossar->width());
    // The index orders without regard to case: "Achäne" before "adventiv".
    EXPECT_EQ(g->Titelpanel->text(), "Achäne");
    EXPECT_TRUE(g->HTMLViewer->toPlainText().contains("Nüsschen"));
    TDataSet& tabelle = *g->GlossarBrowser->DataSet();
    for (int i = 0; i < tabelle.FieldCount(); ++i)
        EXPECT_EQ(tabelle.Fields(i)->Visible(), tabelle.Fields(i)->FieldName() == "Fachausdruck");
    EXPECT_TRUE(g->Bilddarstellung->isVisible());
    EXPECT_EQ(BildFarbe(g), AchaeneFarbe);
    EXPECT_EQ(AlignOf(g->HTMLViewer), TKR_Align::Bottom);
    EXPECT_EQ(g->HTMLViewer->height(), 148);
    EXPECT_EQ(g->SuchText->width(),
              g->Suchpanel->width() - g->SuchText->x() - g->Suchbutton->width() - 10);
    EXPECT_TRUE(m_meldungen.empty());
}

TEST_F(Glossar, ShowsTheDrawingNamedByTheCodeNumberOrNone)
{
    struct TFall
    {
        const char* Begriff;
        bool MitBild;
        QColor Farbe;
    };
    const TFall faelle[] = {
        {"adventiv", false, {}},     // no code number
        {"Blatt", true, BlattFarbe}, // key 60 reads as 61
        {"Dolde", false, {}},        // a part that is no number counts 0
        {"Zwiebel", false, {}},      // a missing item counts 0
        {"Achäne", true, AchaeneFarbe},
    };
    TVerdan_Glossar* g = Oeffne();
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Begriff);
        Suche(g, QString::fromUtf8(fall.Begriff));
        ASSERT_EQ(g->Titelpanel->text(), QString::fromUtf8(fall.Begriff));
        EXPECT_EQ(g->Bilddarstellung->isVisible(), fall.MitBild);
        EXPECT_EQ(AlignOf(g->HTMLViewer), fall.MitBild ? TKR_Align::Bottom : TKR_Align::Client);
        if (fall.MitBild)
            EXPECT_EQ(BildFarbe(g), fall.Farbe);
        else
            EXPECT_TRUE(g->Bilddarstellung->ImageName().isEmpty());
    }
}

TEST_F(Glossar, SearchMovesToTheNearestTermInTheIndexOrder)
{
    const std::pair<const char*, const char*> faelle[] = {
        {"ad", "adventiv"},
        {"AD", "adventiv"},
        {"Bz", "Dolde"},
        {"Zwiebel", "Zwiebel"},
        {"", "Achäne"},
        // Quotes, wildcards and text beyond the column's forty characters are only text.
        {"Do'%_\"", "Dolde"},
        {"Blattttttttttttttttttttttttttttttttttttttttttttttttttttt", "Dolde"},
        {"zzz", "Zwiebel"},
    };
    TVerdan_Glossar* g = Oeffne();
    for (const auto& [text, begriff] : faelle) {
        Suche(g, QString::fromUtf8(text));
        EXPECT_EQ(g->Titelpanel->text(), QString::fromUtf8(begriff)) << text;
    }
    g->SuchText->setText("Dol");
    g->Suchbutton->click();
    EXPECT_EQ(g->Titelpanel->text(), "Dolde");
    EXPECT_TRUE(g->HTMLViewer->toPlainText().contains("Doldig"));
}

TEST_F(Glossar, NavigatorAndGridMoveTheTermShown)
{
    TVerdan_Glossar* g = Oeffne();
    g->DBNavigator1->BtnClick(TKR_NavigateBtn::Last);
    QCoreApplication::processEvents();
    EXPECT_EQ(g->Titelpanel->text(), "Zwiebel");
    g->DBNavigator1->BtnClick(TKR_NavigateBtn::Prior);
    QCoreApplication::processEvents();
    EXPECT_EQ(g->Titelpanel->text(), "Dolde");
    QTest::keyClick(g->GlossarBrowser, Qt::Key_Up);
    QCoreApplication::processEvents();
    EXPECT_EQ(g->Titelpanel->text(), "Blatt");
    EXPECT_EQ(BildFarbe(g), BlattFarbe);
}

TEST_F(Glossar, RepaintingTheGridKeepsTheReadersPlaceInTheExplanation)
{
    TVerdan_Glossar* g = Oeffne();
    Suche(g, "Dolde");
    QTextCursor auswahl = g->HTMLViewer->textCursor();
    auswahl.setPosition(0);
    auswahl.setPosition(6, QTextCursor::KeepAnchor);
    g->HTMLViewer->setTextCursor(auswahl);
    g->resize(760, 540);
    g->GlossarBrowser->viewport()->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(g->HTMLViewer->textCursor().selectedText(), "Doldig");
}

TEST_F(Glossar, CopiesThePictureFromTheGridAndTheTextFromTheViewer)
{
    TVerdan_Glossar* g = Oeffne();
    QClipboard* ablage = QGuiApplication::clipboard();
    ablage->clear();
    g->GlossarBrowser->setFocus();
    g->Kopieren1->trigger();
    EXPECT_FALSE(ablage->image().isNull());
    EXPECT_EQ(ablage->image().pixelColor(10, 10), AchaeneFarbe);

    g->HTMLViewer->setFocus();
    g->Kopieren1->trigger();
    EXPECT_TRUE(ablage->text().contains("Nüsschen"));

    Suche(g, "adventiv");
    g->GlossarBrowser->setFocus();
    g->Kopieren1->trigger();
    EXPECT_TRUE(ablage->text().contains("eingeschleppt"));
}

TEST_F(Glossar, OneAtATimeGoingWithItsOwnerOrWhenClosed)
{
    auto* owner = new QWidget;
    TVerdan_Glossar* g = Oeffne(owner);
    EXPECT_EQ(ZeigeGlossar(nullptr, nullptr), g);
    QPointer<TVerdan_Glossar> beobachtet = g;
    delete owner;
    EXPECT_TRUE(beobachtet.isNull());
    EXPECT_EQ(TVerdan_Glossar::Instanz(), nullptr);

    TVerdan_Glossar* neues = Oeffne();
    EXPECT_NE(neues, nullptr);
    QTest::mouseClick(neues->LAnfang, Qt::LeftButton);
    EXPECT_EQ(TVerdan_Glossar::Instanz(), nullptr);
}

TEST_F(Glossar, OpenedFromAnIdentificationWindowGoesWithItInTheMainWindow)
{
    TVerdan_Mainform hauptfenster;
    hauptfenster.show();
    auto* bestimmung = new TVerdan_Bestimmung(&hauptfenster);
    QPointer<QMdiSubWindow> bestimmungsRahmen = hauptfenster.AddChild(bestimmung);
    bestimmung->GlossarButton->click();
    QPointer<TVerdan_Glossar> glossar = TVerdan_Glossar::Instanz();
    ASSERT_FALSE(glossar.isNull());
    EXPECT_EQ(hauptfenster.MdiArea->activeSubWindow()->widget(), glossar.data());
    EXPECT_EQ(hauptfenster.menuBar()->actions().count(glossar->MainMenu1->menuAction()), 1);

    hauptfenster.Glossar1Click();
    EXPECT_EQ(TVerdan_Glossar::Instanz(), glossar.data());
    bestimmungsRahmen->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(glossar.isNull());

    hauptfenster.Glossar1Click();
    ASSERT_NE(TVerdan_Glossar::Instanz(), nullptr);
    EXPECT_EQ(hauptfenster.MdiArea->subWindowList().size(), 1);
}

TEST_F(Glossar, WithoutItsTableSaysSoAndStaysEmpty)
{
    QTemporaryDir leer;
    SetupBlock.GlobalDir = leer.path();
    TVerdan_Glossar* g = Oeffne();
    ASSERT_EQ(m_meldungen.size(), 1u);
    EXPECT_TRUE(m_meldungen[0].startsWith("Glossar: Das Glossar kann nicht gelesen werden: "))
        << m_meldungen[0].toStdString();
    Suche(g, "Blatt");
    g->Kopieren1->trigger();
    EXPECT_TRUE(g->Titelpanel->text().isEmpty());
    EXPECT_FALSE(g->Bilddarstellung->isVisible());
}
