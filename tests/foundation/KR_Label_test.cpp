#include "foundation/KR_Colors.h"
#include "foundation/KR_Label.h"

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

void Enter(QWidget& widget)
{
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&widget, &event);
}

void Leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

TEST(TKR_Label, FlashingLabelChangesColourUnderTheMouse)
{
    TKR_Label label(QStringLiteral("Anfang"), nullptr);
    EXPECT_FALSE(label.FlashEnabled());
    EXPECT_EQ(label.FlashNormalFarbe(), DelphiColor(clGreen));
    EXPECT_EQ(label.FlashHighlightFarbe(), DelphiColor(clRed));
    const QColor before = label.TextColor();
    Enter(label);
    EXPECT_EQ(label.TextColor(), before) << "not flashing";

    label.SetFlashEnabled(true);
    label.SetFlashNormalFarbe(DelphiColor(clBlack));
    EXPECT_EQ(label.TextColor(), QColor(Qt::black));
    Enter(label);
    EXPECT_EQ(label.TextColor(), DelphiColor(clRed));
    Leave(label);
    EXPECT_EQ(label.TextColor(), QColor(Qt::black));
}

TEST(TKR_Label, ClickIsAPressAndReleaseOnTheLabel)
{
    TKR_Label label(QStringLiteral(".Anfang"), nullptr);
    label.resize(60, 16);
    QSignalSpy clicked(&label, &TKR_Label::clicked);
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(label.MouseDown());
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(label.MouseDown());
    EXPECT_EQ(clicked.count(), 1);

    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_EQ(clicked.count(), 1) << "released beside the label";
}
