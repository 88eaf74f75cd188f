#include "app/KR_DLG.h"
#include "app/KR_MYSYS.h"
#include "app/Verdan_Main.h"
#include "html/Kr_htmlv.h"
#include "html/kr_htmlD.h"
#include "identify/Verdan_Bestimmungsformular.h"
#include "species/Verdan_ArtenlistenForm.h"

#include <QAction>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class MainformTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_globalDir = SetupBlock.GlobalDir;
        m_maximize = SetupBlock.MaximizeChildren;
        m_copyWithTitles = SetupBlock.CopyWithTitles;
        SetupBlock.GlobalDir = QStringLiteral(VERDAN_DATA_DIR);
        SetupBlock.CopyWithTitles = true;
        m_frame = std::make_unique<TVerdan_Mainform>();
        m_frame->show();
    }
    void TearDown() override
    {
        m_frame.reset();
        SetupBlock.GlobalDir = m_globalDir;
        SetupBlock.MaximizeChildren = m_maximize;
        SetupBlock.CopyWithTitles = m_copyWithTitles;
    }

    TVerdan_Mainform& M() { return *m_frame; }
    QStringList MenuTitles()
    {
        QStringList titles;
        for (QAction* action : M().menuBar()->actions())
            if (action->isVisible()) titles << action->text();
        return titles;
    }

    int m_messages = 0;
    TKR_ScopedMessageHandler m_dialogs{[this](TKR_MessageKind, const QString&, const QString&) {
        ++m_messages;
        return 1;
    }};

private:
    std::unique_ptr<TVerdan_Mainform> m_frame;
    QString m_globalDir;
    bool m_maximize = true;
    bool m_copyWithTitles = true;
};

TEST_F(MainformTest, FrameHasItsCaptionSizeAndMenus)
{
    EXPECT_EQ(M().windowTitle(), QStringLiteral("Wildpflanzen Deutschlands bestimmen"));
    EXPECT_EQ(M().size(), QSize(800, 600));
    EXPECT_FALSE(SetupBlock.CopyWithTitles);
    EXPECT_NE(StrukturDataModul, nullptr);
    EXPECT_EQ(MenuTitles(), (QStringList{"Datei", "Listen", "Hilfe"}));
    EXPECT_EQ(M().Hilfe1->actions().constLast()->text(), QStringLiteral("Version - B199"));
    EXPECT_EQ(M().Inhalt1->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(M().VollbildschirmAnzeigen->isChecked());
}

TEST_F(MainformTest, ActiveIdentificationWindowMergesItsEditMenu)
{
    M().NeuesBestimmungsfenster1Click();
    ASSERT_EQ(M().MdiArea->subWindowList().size(), 1);
    auto* fenster = qobject_cast<TVerdan_Bestimmung*>(M().MdiArea->subWindowList()[0]->widget());
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(MenuTitles(), (QStringList{"Datei", "Listen", "Hilfe"}));

    fenster->OpenGrundtabelleClick();
    EXPECT_EQ(MenuTitles(), (QStringList{"Datei", "Bearbeiten", "Listen", "Hilfe"}));

    M().MdiArea->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(M().MdiArea->subWindowList().isEmpty());
    EXPECT_EQ(MenuTitles(), (QStringList{"Datei", "Listen", "Hilfe"}));
}

TEST_F(MainformTest, SpeciesListOpensOnceAsAChild)
{
    M().Artenliste1->trigger();
    M().NeuesBestimmungsfenster1Click();
    M().Artenliste1->trigger();
    int listen = 0;
    for (QMdiSubWindow* kind : M().MdiArea->subWindowList())
        listen += qobject_cast<TVerdan_Artenliste*>(kind->widget()) != nullptr;
    EXPECT_EQ(listen, 1);
    ASSERT_NE(TVerdan_Artenliste::Instanz(), nullptr);
    EXPECT_EQ(M().MdiArea->activeSubWindow()->widget(), TVerdan_Artenliste::Instanz());
}

TEST_F(MainformTest, FullScreenTogglesTheActiveChildAndTheSetting)
{
    // Without a child nothing changes.
    SetupBlock.MaximizeChildren = true;
    M().VollbildschirmAnzeigen->trigger();
    EXPECT_TRUE(SetupBlock.MaximizeChildren);
    EXPECT_TRUE(M().VollbildschirmAnzeigen->isChecked());

    M().NeuesBestimmungsfenster1Click();
    QMdiSubWindow* kind = M().MdiArea->activeSubWindow();
    ASSERT_NE(kind, nullptr);
    EXPECT_TRUE(kind->isMaximized());

    M().VollbildschirmAnzeigen->trigger();
    EXPECT_FALSE(kind->isMaximized());
    EXPECT_FALSE(SetupBlock.MaximizeChildren);
    M().ListenMenuClick();
    EXPECT_FALSE(M().VollbildschirmAnzeigen->isChecked());

    // The next window opens in normal size.
    M().NeuesBestimmungsfenster1Click();
    EXPECT_FALSE(M().MdiArea->activeSubWindow()->isMaximized());
}

TEST_F(MainformTest, HelpOpensItsContentsPageWithTheDataCredit)
{
    ASSERT_TRUE(QFileInfo::exists(TVerdan_Mainform::HilfeDatei()));
    M().Inhalt1->trigger();
    EXPECT_EQ(m_messages, 0);
    ASSERT_TRUE(M().Hilfefenster);
    EXPECT_TRUE(M().Hilfefenster->isVisible());
    const QString text = M().Hilfefenster->HTMLViewer->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Inhalt")));
    EXPECT_TRUE(text.contains(QStringLiteral("GermanSL version 1.5.1, CC BY 4.0")));
}

} // namespace
