#include "foundation/KR_Colors.h"
#include "foundation/KR_Graph.h"
#include "foundation/Kr_grabt.h"
#include "html/Kr_htmlv.h"
#include "html/Verdan_HtmlDisplayFormUnit.h"
#include "html/kr_htmlD.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

QStringList ActionTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << action->text();
    return texts;
}

// The bounding box of the dark pixels of a white image.
QRect Ink(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

TEST(TKR_HtmlDisplayForm, StoredFormAndProductVariant)
{
    QWidget owner;
    TKR_HtmlDisplayForm plain(&owner);
    EXPECT_EQ(plain.windowTitle(), "HTMLView ");
    EXPECT_EQ(plain.size(), QSize(500, 400));
    EXPECT_TRUE(plain.isWindow());
    EXPECT_EQ(plain.parentWidget(), &owner);
    EXPECT_EQ(ActionTexts(*plain.PopupMenu1),
              (QStringList{"Drucken", "Kopieren", "", "Schließen"}));
    EXPECT_EQ(plain.HTMLViewer->BorderStyle(), TKR_HtmlBorderStyle::Focused);
    EXPECT_EQ(plain.HTMLViewer->DefBackground(), QColor(Qt::white));
    EXPECT_EQ(plain.HTMLViewer->DefFontName(), "Times New Roman");
    EXPECT_TRUE(plain.HTMLViewer->ViewImages());
    EXPECT_TRUE(plain.FooterText.isEmpty());
    EXPECT_FALSE(plain.KR_Panel1->isHidden());

    TVerdan_HtmlDisplayForm verdan(&owner);
    EXPECT_EQ(verdan.windowTitle(), "Verdan_HtmlDisplayForm");
    EXPECT_TRUE(verdan.KR_Panel1->isHidden());
    EXPECT_TRUE(verdan.Schliessen->isHidden());
    EXPECT_EQ(verdan.Kopieren2->geometry(), QRect(4, 4, 75, 23));
    EXPECT_EQ(verdan.KR_GradButton6->geometry(), QRect(86, 4, 92, 23));
    EXPECT_EQ(verdan.KR_GradButton6->text(), "Schließen");
    EXPECT_EQ(verdan.Kopieren2->GradColor(), DelphiColor(clSilver));
    EXPECT_EQ(verdan.KR_Panel4->width(), 185);
    EXPECT_EQ(verdan.KR_Panel3->Color(), QColor(Qt::white));
    EXPECT_EQ(verdan.HTMLViewer->BorderStyle(), TKR_HtmlBorderStyle::Single);
}

TEST(TKR_HtmlDisplayForm, ClosingHidesTheSameWindowAndTellsTheCreator)
{
    QWidget owner;
    QPointer<TVerdan_HtmlDisplayForm> form = new TVerdan_HtmlDisplayForm(&owner);
    QList<TKR_HtmlDisplayForm*> closed;
    form->OnDisplayClose = [&](TKR_HtmlDisplayForm* sender) { closed << sender; };

    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    QTest::mouseClick(form->KR_GradButton6, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(closed, QList<TKR_HtmlDisplayForm*>{form.data()});
    QApplication::processEvents();
    ASSERT_FALSE(form.isNull()) << "hidden, not deleted";

    form->show();
    EXPECT_TRUE(form->isVisible());
    form->close(); // the title bar's close button
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(closed.size(), 2);
    EXPECT_FALSE(form.isNull());
}

TEST(TKR_HtmlDisplayForm, KopierenCopiesTheWholeDocumentWhateverIsSelected)
{
    QWidget owner;
    TVerdan_HtmlDisplayForm form(&owner);
    form.HTMLViewer->LoadFromBuffer(QStringLiteral("<p>Poa annua L.</p>"));
    QTextCursor word(form.HTMLViewer->document());
    word.setPosition(4);
    word.setPosition(9, QTextCursor::KeepAnchor);
    form.HTMLViewer->setTextCursor(word);

    QTest::mouseClick(form.Kopieren2, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Poa annua L.");
}

TEST(TKR_HtmlDisplayForm, PageNumberAndFooterSitAtTheRightOfTheMargins)
{
    QWidget owner;
    TKR_HtmlDisplayForm form(&owner);
    const auto draw = [&](const TKR_HtmlPrintMarginEvent& hook) {
        QImage margin(600, 100, QImage::Format_RGB32); // 96 dpi, like the screen
        margin.fill(Qt::white);
        QPainter painter(&margin);
        bool stop = false;
        hook(painter, 3, 600, 100, stop);
        EXPECT_FALSE(stop);
        return Ink(margin);
    };

    const QRect header = draw(form.HTMLViewer->OnPrintHeader);
    ASSERT_FALSE(header.isEmpty());
    EXPECT_LE(header.right(), 550);
    EXPECT_GE(header.right(), 535) << "right-aligned, with the trailing blank";
    EXPECT_LE(header.bottom(), 60);
    EXPECT_GE(header.bottom(), 45) << "bottom-aligned";

    EXPECT_TRUE(draw(form.HTMLViewer->OnPrintFooter).isEmpty()) << "no footer text";
    form.FooterText = QStringLiteral("Verdan");
    const QRect footer = draw(form.HTMLViewer->OnPrintFooter);
    ASSERT_FALSE(footer.isEmpty());
    EXPECT_LE(footer.right(), 550);
    EXPECT_GE(footer.right(), 540);
    EXPECT_GE(footer.top(), 40) << "top-aligned";
    EXPECT_LE(footer.top(), 50);
}
