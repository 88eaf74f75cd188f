#include "foundation/KR_VCL.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>

TEST(TKR_CheckBox, BoundVariableFollowsClicksOnly)
{
    TKR_CheckBox box(QStringLiteral("alt"), nullptr);
    box.adjustSize(); // mouse clicks count on the box and its text only
    bool variable = true;

    box.Bind(&variable, QString());
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(box.text(), "alt") << "an empty caption keeps the text";

    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_FALSE(variable);
    box.setChecked(true);
    EXPECT_FALSE(variable) << "a change in code is no click";
    box.setChecked(false);
    box.click();
    EXPECT_TRUE(variable);
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_FALSE(variable);

    box.Unbind();
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_TRUE(box.isChecked());
    EXPECT_FALSE(variable);
}

TEST(TKR_CheckBox, BindShowsTheVariableAndTheCaption)
{
    TKR_CheckBox box;
    box.setChecked(true);
    bool variable = false;
    box.Bind(&variable, QStringLiteral("Texte"));
    EXPECT_FALSE(box.isChecked());
    EXPECT_FALSE(variable) << "binding writes nothing";
    EXPECT_EQ(box.text(), "Texte");
}
