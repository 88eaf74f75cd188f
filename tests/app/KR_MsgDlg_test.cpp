#include "app/KR_MsgDlg.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Seen
{
    QString title;
    QString text;
    QStringList buttons; // visible ones
    QSize size;
    int labelX = 0;
    int labelWidth = 0;
    int buttonPanelX = 0;
};

// Once the dialog is up, records what it shows and then acts on it as a person would.
void WhenShown(Seen& seen, std::function<void(TKR_MsgDlg&)> act)
{
    QTimer::singleShot(0, [&seen, act] {
        auto* dialog = qobject_cast<TKR_MsgDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen.title = dialog->windowTitle();
        seen.text = dialog->MELDUNG1->text();
        for (QPushButton* button : {dialog->Ja, dialog->Nein, dialog->Weiter}) {
            if (button->isVisible()) seen.buttons += button->text();
        }
        seen.size = dialog->size();
        seen.labelX = dialog->MELDUNG1->x();
        seen.labelWidth = dialog->MELDUNG1->width();
        seen.buttonPanelX = dialog->ButtonPanel->x();
        act(*dialog);
    });
}

TEST(KR_MsgDlg, QuestionsAreAnsweredByTheirButtons)
{
    TKR_MsgDlgHandler handler;
    Seen seen;
    WhenShown(seen, [](TKR_MsgDlg& d) { QTest::mouseClick(d.Ja, Qt::LeftButton); });
    EXPECT_TRUE(AskMessageDlg("Frage", "Fenster schliessen"));
    EXPECT_EQ(seen.title, "Frage");
    EXPECT_EQ(seen.text, "Fenster schliessen?");
    EXPECT_EQ(seen.buttons, (QStringList{"&Ja", "&Nein"}));
    EXPECT_EQ(seen.size, QSize(450, 77));
    EXPECT_EQ(seen.labelX, (450 - seen.labelWidth) / 2);
    EXPECT_EQ(seen.buttonPanelX, (450 - 187) / 2);
    EXPECT_EQ(handler.Dialog()->Result(), TKR_MsgDlg::AnswerJa);

    WhenShown(seen, [](TKR_MsgDlg& d) { QTest::mouseClick(d.Nein, Qt::LeftButton); });
    EXPECT_FALSE(AskMessageDlg("", "Nein?"));
    EXPECT_EQ(seen.title, "Verdan");
    EXPECT_EQ(handler.Dialog()->Result(), TKR_MsgDlg::AnswerNeinOrWeiter);

    // Closed by its title-bar button after a "Ja" before: no answer.
    WhenShown(seen, [](TKR_MsgDlg& d) { QTest::mouseClick(d.Ja, Qt::LeftButton); });
    ASSERT_TRUE(AskMessageDlg("", "a"));
    WhenShown(seen, [](TKR_MsgDlg& d) { d.close(); });
    EXPECT_FALSE(AskMessageDlg("", "b"));
    EXPECT_EQ(handler.Dialog()->Result(), TKR_MsgDlg::NoAnswer);
}

TEST(KR_MsgDlg, MessagesShowWeiterAndTheDialogIsReused)
{
    TKR_MsgDlgHandler handler;
    Seen seen;
    WhenShown(seen, [](TKR_MsgDlg& d) { QTest::mouseClick(d.Weiter, Qt::LeftButton); });
    ShowMessageDlg("WARNING", "The TEMP directory on your system are not avavible");
    EXPECT_EQ(seen.buttons, QStringList{"&Weiter"});
    EXPECT_EQ(handler.Dialog()->Result(), TKR_MsgDlg::AnswerNeinOrWeiter);
    TKR_MsgDlg* first = handler.Dialog();

    const QString wide(60, u'W');
    WhenShown(seen, [](TKR_MsgDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    ShowMessageDlg("", wide);
    EXPECT_EQ(handler.Dialog(), first);
    ASSERT_GT(seen.labelWidth, 300);
    EXPECT_EQ(seen.size.width(), seen.labelWidth + 70);
    EXPECT_EQ(seen.labelX, 35);
    EXPECT_EQ(seen.buttonPanelX, (seen.size.width() - 187) / 2);
}

TEST(KR_MsgDlg, AVeryLongTextWrapsInsteadOfLeavingTheScreen)
{
    TKR_MsgDlgHandler handler;
    Seen seen;
    WhenShown(seen, [](TKR_MsgDlg& d) { d.close(); });
    ShowMessageDlg("", QString("Sehr lang ").repeated(200));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(seen.size.width(), screen.width());
    EXPECT_GT(seen.size.height(), 77);
}

} // namespace
