#include "GridFixture.h"
#include "app/KR_Bitmap.h"
#include "foundation/KR_Navg.h"

#include <QAbstractButton>

using GridFixture::GridTest;

namespace {

using Btn = TKR_NavigateBtn;

// A grid that counts the navigations it is told about.
class CountingGrid : public TKR_DBGrid
{
public:
    using TKR_DBGrid::TKR_DBGrid;
    void AfterNavigate() override { ++navigations; }
    int navigations = 0;
};

class NavigatorTest : public GridTest
{
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        navigator = new TKR_DBNavigator(window.get());
        navigator->SetVisibleButtons(TKR_NavButtons::All());
        navigator->resize(navigator->sizeHint());
        navigator->SetDataSource(source.get());
        navigator->show();
    }

    TKR_DBGrid* MakeGrid() override
    {
        auto* made = new CountingGrid(window.get());
        made->setGeometry(0, 30, 420, 290);
        made->SetDataSource(source.get());
        return made;
    }

    void Click(Btn button) { QTest::mouseClick(navigator->Button(button), Qt::LeftButton); }
    bool Enabled(Btn button) const { return navigator->Button(button)->isEnabled(); }

    TKR_DBNavigator* navigator = nullptr;
};

} // namespace

TEST_F(NavigatorTest, PageButtonsMoveByTheGridsRowsLessOne)
{
    SizeForRows(*grid, 20);
    navigator->SetKRGrid(grid);
    table->SetRecNo(30);
    Click(Btn::PageForward);
    EXPECT_EQ(table->RecNo(), 49);
    Click(Btn::PageBack);
    Click(Btn::PageBack);
    EXPECT_EQ(table->RecNo(), 11);
    EXPECT_EQ(navigator->PageSize(), 19);
    EXPECT_EQ(static_cast<CountingGrid*>(grid)->navigations, 3);
}

TEST_F(NavigatorTest, WithoutAGridAPageIsFiftyRecords)
{
    table->SetRecNo(5);
    Click(Btn::PageForward);
    EXPECT_EQ(table->RecNo(), 55);
    Click(Btn::PageBack);
    EXPECT_EQ(table->RecNo(), 5);
    EXPECT_EQ(static_cast<CountingGrid*>(grid)->navigations, 0);
}

TEST_F(NavigatorTest, MovingButtonsAndTheirEnabling)
{
    const struct
    {
        Btn button;
        int recNo;
    } steps[] = {{Btn::Next, 2}, {Btn::Last, 120}, {Btn::Prior, 119}, {Btn::First, 1}};
    for (const auto& step : steps) {
        Click(step.button);
        EXPECT_EQ(table->RecNo(), step.recNo) << int(step.button);
    }
    EXPECT_FALSE(Enabled(Btn::First));
    EXPECT_FALSE(Enabled(Btn::PageBack));
    EXPECT_FALSE(Enabled(Btn::Prior));
    EXPECT_TRUE(Enabled(Btn::Next));
    EXPECT_TRUE(Enabled(Btn::Last));
    for (Btn readOnly : {Btn::Insert, Btn::Delete, Btn::Edit, Btn::Post, Btn::Cancel, Btn::Refresh})
        EXPECT_FALSE(Enabled(readOnly)) << int(readOnly);

    table->Last();
    EXPECT_TRUE(Enabled(Btn::Prior)) << "follows the cursor moved in code";
    EXPECT_FALSE(Enabled(Btn::Next));
    EXPECT_FALSE(Enabled(Btn::PageForward));

    table->Close();
    for (int i = 0; i < NavigateBtnCount; ++i)
        EXPECT_FALSE(Enabled(Btn(i))) << i;
    int clicks = 0;
    navigator->OnClick = [&](TKR_DBNavigator*, Btn) { ++clicks; };
    navigator->BtnClick(Btn::Next);
    EXPECT_EQ(clicks, 1) << "OnClick even without an open data set";
}

TEST_F(NavigatorTest, MarkAndGotoBookmark)
{
    EXPECT_TRUE(Enabled(Btn::Mark));
    EXPECT_FALSE(Enabled(Btn::Goto));
    table->SetRecNo(17);
    Click(Btn::Mark);
    EXPECT_TRUE(Enabled(Btn::Goto));
    table->SetRecNo(90);
    std::vector<Btn> clicked;
    navigator->OnClick = [&](TKR_DBNavigator* sender, Btn button) {
        EXPECT_EQ(sender, navigator);
        clicked.push_back(button);
    };
    Click(Btn::Goto);
    EXPECT_EQ(table->RecNo(), 17);
    EXPECT_EQ(clicked, std::vector<Btn>({Btn::Goto}));

    table->Close();
    table->Open();
    EXPECT_FALSE(Enabled(Btn::Goto)) << "a bookmark of an earlier opening leads nowhere";
}

TEST_F(NavigatorTest, HoldingNextRepeatsIt)
{
    QAbstractButton* next = navigator->Button(Btn::Next);
    QTest::mousePress(next, Qt::LeftButton);
    QTest::qWait(900);
    QTest::mouseRelease(next, Qt::LeftButton);
    EXPECT_GE(table->RecNo(), 4) << "repeats after 400 ms, then every 100 ms";

    QTest::mousePress(navigator->Button(Btn::First), Qt::LeftButton);
    QTest::qWait(600);
    QTest::mouseRelease(navigator->Button(Btn::First), Qt::LeftButton);
    EXPECT_EQ(table->RecNo(), 1) << "first does not repeat, it clicks once";
}

TEST_F(NavigatorTest, LayoutHintsAndGlyphs)
{
    navigator->SetVisibleButtons(TKR_NavButtons::Default());
    navigator->resize(241, 25);
    EXPECT_EQ(navigator->sizeHint(), QSize(241, 25));
    EXPECT_EQ(navigator->Button(Btn::First)->geometry(), QRect(0, 0, 21, 25));
    EXPECT_EQ(navigator->Button(Btn::PageBack)->geometry(), QRect(21, 0, 20, 25));
    EXPECT_EQ(navigator->Button(Btn::Refresh)->geometry().right(), 240);
    EXPECT_TRUE(navigator->Button(Btn::Mark)->isHidden());

    navigator->SetVisibleButtons(
        {Btn::First, Btn::PageBack, Btn::Prior, Btn::Next, Btn::PageForward, Btn::Last});
    navigator->resize(navigator->sizeHint());
    EXPECT_EQ(navigator->width(), 121);
    EXPECT_EQ(navigator->Button(Btn::Last)->geometry(), QRect(101, 0, 20, 25));
    EXPECT_TRUE(navigator->Button(Btn::Insert)->isHidden());

    EXPECT_EQ(navigator->Button(Btn::PageBack)->toolTip(), "Eine Seite zurück");
    EXPECT_EQ(navigator->Button(Btn::Goto)->toolTip(), "Goto Bookmark");
    navigator->SetHints({"Anfang", "", "Zurück"});
    EXPECT_EQ(navigator->Button(Btn::First)->toolTip(), "Anfang");
    EXPECT_EQ(navigator->Button(Btn::PageBack)->toolTip(), "Eine Seite zurück");
    EXPECT_EQ(navigator->Button(Btn::Prior)->toolTip(), "Zurück");

    for (const char* name : {"FIRST", "RW", "PRIOR", "NEXT", "FF", "LAST", "INSERT", "DELETE",
                             "EDIT", "POST", "CANCEL", "REFRESH", "MARK", "GOTO"}) {
        QPixmap glyph;
        EXPECT_TRUE(LoadBitmapResource(QString(), QString("DBN_") + name, glyph)) << name;
        EXPECT_EQ(glyph.size(), QSize(16, 16)) << name;
    }
}

TEST_F(NavigatorTest, KeyboardChoosesAndClicksButtons)
{
    navigator->SetVisibleButtons({Btn::First, Btn::Prior, Btn::Next, Btn::Last});
    navigator->SetTabStop(true);
    navigator->setFocus();
    EXPECT_EQ(navigator->FocusedButton(), Btn::First);
    QTest::keyClick(navigator, Qt::Key_Right);
    QTest::keyClick(navigator, Qt::Key_Right);
    EXPECT_EQ(navigator->FocusedButton(), Btn::Next) << "hidden buttons are skipped";
    QTest::keyClick(navigator, Qt::Key_Space);
    QTest::keyClick(navigator, Qt::Key_Space);
    EXPECT_EQ(table->RecNo(), 3);
    QTest::keyClick(navigator, Qt::Key_Right);
    QTest::keyClick(navigator, Qt::Key_Space);
    EXPECT_EQ(table->RecNo(), GridFixture::PflRows);
    QTest::keyClick(navigator, Qt::Key_Left);
    EXPECT_EQ(navigator->FocusedButton(), Btn::Next);
}
