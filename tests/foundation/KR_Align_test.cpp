#include "foundation/KR_Align.h"
#include "foundation/KR_Graph.h"

#include <QApplication>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

QWidget* Child(QWidget* parent, TKR_Align align, QSize size)
{
    auto* child = new QWidget(parent);
    child->resize(size);
    SetAlign(child, align);
    return child;
}

void Settle()
{
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
}

} // namespace

TEST(TKR_AlignLayout, EdgesFirstThenTheClientArea)
{
    QWidget form;
    form.resize(400, 300);
    QWidget* top = Child(&form, TKR_Align::Top, {10, 30});
    QWidget* bottom = Child(&form, TKR_Align::Bottom, {10, 33});
    QWidget* right = Child(&form, TKR_Align::Right, {90, 10});
    QWidget* left = Child(&form, TKR_Align::Left, {50, 10});
    QWidget* client = Child(&form, TKR_Align::Client, {1, 1});
    QWidget* free = new QWidget(&form);
    free->setGeometry(5, 6, 7, 8);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    Settle();

    EXPECT_EQ(top->geometry(), QRect(0, 0, 400, 30));
    EXPECT_EQ(bottom->geometry(), QRect(0, 267, 400, 33));
    EXPECT_EQ(left->geometry(), QRect(0, 30, 50, 237));
    EXPECT_EQ(right->geometry(), QRect(310, 30, 90, 237));
    EXPECT_EQ(client->geometry(), QRect(50, 30, 260, 237));
    EXPECT_EQ(free->geometry(), QRect(5, 6, 7, 8)) << "a child never aligned stays put";

    top->hide();
    right->resize(120, right->height()); // as a dragged left edge does
    Settle();
    EXPECT_EQ(left->geometry(), QRect(0, 0, 50, 267));
    EXPECT_EQ(right->geometry(), QRect(280, 0, 120, 267));
    EXPECT_EQ(client->geometry(), QRect(50, 0, 230, 267));

    SetAlign(left, TKR_Align::None);
    Settle();
    EXPECT_EQ(client->geometry(), QRect(0, 0, 280, 267));
}

TEST(TKR_AlignLayout, APanelsBorderFramesItsAlignedChildren)
{
    QWidget form;
    form.resize(200, 100);
    auto* panel = new TKR_Panel(&form);
    SetAlign(panel, TKR_Align::Client);
    panel->SetBorderWidth(4);
    QWidget* inner = Child(panel, TKR_Align::Client, {1, 1});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    Settle();
    EXPECT_EQ(inner->geometry(), QRect(5, 5, 190, 90)) << "bevel 1 + border 4";
}
