#include "foundation/KR_Graph.h"

#include <QImage>
#include <QPainter>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A shown window with one panel at (100, 50), 200 x 100, so that real mouse moves reach it.
class PanelOnWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->setGeometry(0, 0, 600, 400);
        panel = new TKR_Panel(window.get());
        panel->setGeometry(100, 50, 200, 100);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override { QTest::mouseMove(window.get(), QPoint(590, 390)); }

    // Hovers to from (choosing the edge), drags to each point in turn, then releases.
    void Drag(QPoint from, std::initializer_list<QPoint> path)
    {
        QTest::mouseMove(panel, from);
        QTest::mousePress(panel, Qt::LeftButton, {}, from);
        QPoint last = from;
        for (QPoint to : path) {
            QTest::mouseMove(panel, to);
            last = to;
        }
        QTest::mouseRelease(panel, Qt::LeftButton, {}, last);
    }

    std::unique_ptr<QWidget> window;
    TKR_Panel* panel = nullptr;
};

} // namespace

TEST_F(PanelOnWindow, LeftEdgeDragStopsAboveMinimalWidth)
{
    panel->SetMoveLeft(true);
    panel->SetMinimalWidth(150);

    QTest::mouseMove(panel, QPoint(2, 50));
    EXPECT_EQ(panel->cursor().shape(), Qt::SizeHorCursor);

    Drag(QPoint(2, 50), {QPoint(60, 50)});
    EXPECT_EQ(panel->geometry(), QRect(100, 50, 200, 100)) << "150 wide is too narrow";

    Drag(QPoint(2, 50), {QPoint(49, 50), QPoint(1, 50)});
    EXPECT_EQ(panel->geometry(), QRect(149, 50, 151, 100));

    Drag(QPoint(2, 50), {QPoint(-29, 50)});
    EXPECT_EQ(panel->geometry(), QRect(120, 50, 180, 100)) << "widening follows the mouse";
}

TEST_F(PanelOnWindow, TopEdgeIsOnlyTheFirstPixelRow)
{
    panel->SetMoveTop(true);

    Drag(QPoint(100, 1), {QPoint(100, -20)});
    EXPECT_EQ(panel->geometry(), QRect(100, 50, 200, 100)) << "row 1 is no edge";

    Drag(QPoint(100, 0), {QPoint(100, -20)});
    EXPECT_EQ(panel->geometry(), QRect(100, 30, 200, 120));
}

TEST_F(PanelOnWindow, RightAndBottomEdgesSetTheSizeToTheMouse)
{
    panel->SetMoveRight(true);
    panel->SetMoveBottom(true);
    panel->SetMinimalWidth(150);
    panel->SetMinimalHeight(50);

    Drag(QPoint(198, 50), {QPoint(150, 50)});
    EXPECT_EQ(panel->width(), 200) << "the minimal width itself is refused";
    Drag(QPoint(198, 50), {QPoint(260, 50)});
    EXPECT_EQ(panel->geometry(), QRect(100, 50, 260, 100));

    Drag(QPoint(100, 98), {QPoint(100, 51)});
    EXPECT_EQ(panel->geometry(), QRect(100, 50, 260, 51));
}

TEST_F(PanelOnWindow, PressOutsideTheEdgesResizesNothing)
{
    panel->SetMoveLeft(true);
    panel->SetMoveRight(true);
    Drag(QPoint(100, 50), {QPoint(10, 50), QPoint(190, 50)});
    EXPECT_EQ(panel->geometry(), QRect(100, 50, 200, 100));
}

TEST(TKR_Panel, EdgeZonesUnderTheMouse)
{
    TKR_Panel panel;
    panel.resize(200, 100);
    panel.SetMoveLeft(true);
    panel.SetMoveRight(true);
    panel.SetMoveTop(true);
    panel.SetMoveBottom(true);

    struct ZoneCase
    {
        QPoint pos;
        Qt::CursorShape cursor;
    };
    const ZoneCase cases[] = {
        {{0, 50}, Qt::SizeHorCursor},    {{5, 50}, Qt::SizeHorCursor},
        {{6, 50}, Qt::ArrowCursor},      {{195, 50}, Qt::ArrowCursor},
        {{196, 50}, Qt::SizeHorCursor},  {{199, 50}, Qt::SizeHorCursor},
        {{100, 0}, Qt::SizeVerCursor},   {{100, 1}, Qt::ArrowCursor},
        {{100, 95}, Qt::ArrowCursor},    {{100, 96}, Qt::SizeVerCursor},
        {{100, 100}, Qt::SizeVerCursor}, {{3, 0}, Qt::SizeHorCursor}, // left before top
    };
    for (const ZoneCase& c : cases) {
        panel.MouseMove(c.pos);
        EXPECT_EQ(panel.cursor().shape(), c.cursor) << c.pos.x() << "," << c.pos.y();
    }

    panel.SetMoveLeft(false);
    panel.MouseMove({3, 50});
    EXPECT_EQ(panel.cursor().shape(), Qt::ArrowCursor) << "an edge that may not move";
}

TEST_F(PanelOnWindow, LeavingOntoAChildIsNoLeave)
{
    auto* child = new QWidget(panel);
    child->setGeometry(50, 30, 60, 40);
    child->show();
    int entered = 0;
    int left = 0;
    panel->OnMouseEnter = [&](TKR_Panel* sender) {
        EXPECT_EQ(sender, panel);
        ++entered;
    };
    panel->OnMouseLeave = [&](TKR_Panel*) { ++left; };

    QTest::mouseMove(window.get(), QPoint(20, 20));
    QTest::mouseMove(panel, QPoint(10, 10));
    EXPECT_EQ(entered, 1);
    EXPECT_TRUE(panel->MouseInside());

    QTest::mouseMove(child, QPoint(10, 10));
    EXPECT_EQ(left, 0);
    EXPECT_TRUE(panel->MouseInside());

    QTest::mouseMove(window.get(), QPoint(20, 20));
    EXPECT_EQ(left, 1);
    EXPECT_FALSE(panel->MouseInside());
}

TEST(TKR_Panel, WallpaperIsTiledInsideTheBevel)
{
    QPixmap tile(4, 4);
    tile.fill(Qt::blue);
    {
        QPainter painter(&tile);
        painter.fillRect(0, 0, 1, 1, Qt::red);
    }
    TKR_Panel panel;
    panel.resize(12, 8);
    panel.SetWallpaper(tile);
    const QImage image = panel.grab().toImage();

    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white)) << "the raised bevel stays";
    for (QPoint corner : {QPoint(1, 1), QPoint(5, 1), QPoint(9, 5)})
        EXPECT_EQ(image.pixelColor(corner), QColor(Qt::red)) << corner.x() << "," << corner.y();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::blue));
    EXPECT_NE(image.pixelColor(11, 7), QColor(Qt::blue)) << "clipped at the bevel";
}

TEST(TKR_Panel, BorderAndBevelsFrameTheChildren)
{
    TKR_Panel panel;
    EXPECT_EQ(panel.contentsMargins(), QMargins(1, 1, 1, 1)) << "raised outer bevel";
    panel.SetBorderWidth(4);
    panel.SetBevelInner(TKR_Bevel::Lowered);
    EXPECT_EQ(panel.contentsMargins(), QMargins(6, 6, 6, 6));
    panel.SetBevelOuter(TKR_Bevel::None);
    panel.SetBevelInner(TKR_Bevel::None);
    EXPECT_EQ(panel.contentsMargins(), QMargins(4, 4, 4, 4));
}
