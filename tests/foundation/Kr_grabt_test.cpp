#include "foundation/KR_Colors.h"
#include "foundation/Kr_grabt.h"

#include <QImage>
#include <QSignalSpy>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

// The bounding box of the pixels inside area that pass the test.
template <class Test> QRect Ink(const QImage& image, const QRect& area, Test passes)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (passes(image.pixelColor(x, y))) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    struct MulDivCase
    {
        int number, numerator, denominator, want;
    };
    const MulDivCase cases[] = {
        {4, 29, 256, 0},        {5, 29, 256, 1},
        {1, 1, 2, 1},           {-1, 1, 2, -1},
        {251, -192, 255, -189}, {1, -1, -2, 1},
        {7, 0, 3, 0},           {3, 5, 0, -1},
        {255, 255, 255, 255},   {70000, 70000, 70000, 70000},
    };
    for (const MulDivCase& c : cases)
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.want)
            << c.number << "*" << c.numerator << "/" << c.denominator;
}

TEST(TKR_GradButton, NewButtonIsABlueClickableButton)
{
    TKR_GradButton button;
    EXPECT_EQ(button.size(), QSize(100, 30));
    EXPECT_EQ(button.text(), "TKR_GradButton");
    EXPECT_EQ(button.palette().color(QPalette::ButtonText), QColor(Qt::white));
    EXPECT_EQ(button.GradColor(), QColor(0, 0, 255));
    EXPECT_EQ(button.FaceColor(), QColor(Qt::black));
    EXPECT_EQ(button.HighlightColor(), QColor(Qt::white));
    EXPECT_EQ(button.ShadowColor(), QColor(Qt::black));
    EXPECT_EQ(button.BevelWidth(), 1);
    EXPECT_EQ(button.BorderWidth(), 1);

    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(TKR_GradButton, GradientRunsFromGradColorToFaceColorInsideTheBorder)
{
    TKR_GradButton button;
    button.setText(QString());
    button.resize(100, 31);
    button.SetGradColor(DelphiColor(clSilver));
    button.SetBevelWidth(0);
    const QImage image = button.grab().toImage();
    ASSERT_EQ(button.Gradient().size(), QSize(98, 29));

    const int x = 50;
    EXPECT_EQ(image.pixelColor(x, 0), QColor(Qt::black)) << "border";
    EXPECT_EQ(image.pixelColor(x, 30), QColor(Qt::black)) << "border";
    EXPECT_EQ(image.pixelColor(0, 15), QColor(Qt::black)) << "border";
    int previous = 256;
    for (int y = 1; y <= 29; ++y) {
        const QColor c = image.pixelColor(x, y);
        EXPECT_TRUE(c.red() == c.green() && c.green() == c.blue()) << "grey at row " << y;
        EXPECT_LT(c.red(), previous) << "darker at every row, row " << y;
        previous = c.red();
    }
    EXPECT_GE(image.pixelColor(x, 1).red(), 185) << "silver is 192";
    EXPECT_LE(image.pixelColor(x, 29).red(), 5);

    button.SetBevelWidth(1);
    const QImage framed = button.grab().toImage();
    EXPECT_EQ(framed.pixelColor(x, 1), QColor(Qt::white)) << "highlight at the top";
    EXPECT_EQ(framed.pixelColor(1, 15), QColor(Qt::white)) << "highlight at the left";
    EXPECT_EQ(framed.pixelColor(x, 29), QColor(Qt::black)) << "shadow at the bottom";
    EXPECT_EQ(framed.pixelColor(x, 15), image.pixelColor(x, 15));
}

TEST(TKR_GradButton, PressedCaptionSitsAtTheShadowPositionWithoutShadow)
{
    TKR_GradButton button(QStringLiteral("Ab"), nullptr);
    QFont sharp = button.font();
    sharp.setStyleStrategy(QFont::NoAntialias); // every caption pixel pure white or untouched
    button.setFont(sharp);
    button.SetGradColor(DelphiColor(clSilver));
    button.SetFaceColor(DelphiColor(clSilver));
    const QRect interior = button.rect().adjusted(4, 4, -4, -4);
    const auto light = [](const QColor& c) { return c.red() > 230; };
    const auto dark = [](const QColor& c) { return c.red() < 150; };

    const QImage up = button.grab().toImage();
    button.setDown(true);
    const QImage down = button.grab().toImage();

    const QRect upCaption = Ink(up, interior, light);
    ASSERT_FALSE(upCaption.isEmpty());
    EXPECT_EQ(Ink(down, interior, light), upCaption.translated(-2, 2));
    EXPECT_FALSE(Ink(up, interior, dark).isEmpty()) << "the shadow, up";
    EXPECT_TRUE(Ink(down, interior, dark).isEmpty()) << "no shadow, pressed";
    EXPECT_EQ(down.pixelColor(1, 15), QColor(Qt::black)) << "pressed bevel: shadow at the left";
}
