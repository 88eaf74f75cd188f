#include "GridFixture.h"
#include "app/KR_DLG.h"
#include "foundation/Aw_dgrid.h"
#include "foundation/Kr_vcldb.h"
#include "platform/Field.h"
#include "platform/Query.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScrollBar>

using GridFixture::GridTest;
using GridFixture::NameOf;

namespace {

struct Question
{
    QString title;
    QString text;
};

// Answers every question with answer and records it.
class Answering
{
public:
    explicit Answering(bool answer)
        : m_handler(
              [this, answer](TKR_MessageKind kind, const QString& title, const QString& text) {
                  if (kind == TKR_MessageKind::Question) asked.push_back({title, text});
                  return answer ? 1 : 2;
              })
    {}
    std::vector<Question> asked;

private:
    TKR_ScopedMessageHandler m_handler;
};

QString Clipboard()
{
    return QGuiApplication::clipboard()->text();
}

const QColor BrightGreen(0, 255, 0);
const QColor Green(0, 128, 0);

} // namespace

TEST_F(GridTest, ShowsTheVisibleFieldsInTheirOrderThroughTheirDisplayTexts)
{
    table->FieldByName("Nr")->SetIndex(0);
    table->FieldByName("RelID")->SetVisible(false);
    table->FieldByName("Name")->SetDisplayLabel("Pflanze");
    table->FieldByName("Name")->OnGetText = [](TField&, QString& text, bool displayText) {
        if (displayText) text = "<" + text + ">";
    };

    QAbstractItemModel* model = grid->model();
    ASSERT_EQ(model->columnCount(), 2);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Nr");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Pflanze");
    EXPECT_EQ(model->index(2, 0).data().toString(), "30");
    EXPECT_EQ(model->index(2, 1).data().toString(), "<" + NameOf(3) + ">");
    EXPECT_EQ(table->RecNo(), 1) << "painting other rows does not move the cursor";

    // DisplayWidth is in characters.
    table->FieldByName("Name")->SetDisplayWidth(40);
    const int wide = grid->horizontalHeader()->sectionSize(1);
    table->FieldByName("Name")->SetDisplayWidth(10);
    EXPECT_GT(wide, 3 * grid->horizontalHeader()->sectionSize(1));
}

TEST_F(GridTest, GridAndDataSetFollowEachOther)
{
    table->SetRecNo(40);
    EXPECT_EQ(grid->currentIndex().row(), 39);
    const QRect shown = grid->visualRect(grid->currentIndex());
    EXPECT_TRUE(grid->viewport()->rect().contains(shown)) << "the current record is visible";

    const QModelIndex below = grid->model()->index(41, 0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(below).center());
    EXPECT_EQ(table->RecNo(), 42);

    Press(Qt::Key_Down);
    EXPECT_EQ(table->RecNo(), 43);
    Press(Qt::Key_Up);
    Press(Qt::Key_Up);
    EXPECT_EQ(table->RecNo(), 41);

    // A walk with the controls disabled is followed once at its end.
    table->DisableControls();
    table->Last();
    EXPECT_EQ(grid->currentIndex().row(), 40);
    table->EnableControls();
    EXPECT_EQ(grid->currentIndex().row(), GridFixture::PflRows - 1);

    table->Close();
    EXPECT_EQ(grid->model()->rowCount(), 0);
    EXPECT_EQ(grid->RecNo(), 0);
}

TEST_F(GridTest, AQueryOfThousandsOfRowsReadsOnlyTheRowsOnScreen)
{
    TQuery query;
    query.SetDatabaseName(Dir());
    query.SetSQL({"SELECT RelID, Name", "FROM \"GROSS\"", "ORDER BY RelID"});
    query.Open();
    int asked = 0;
    query.FieldByName("Name")->OnGetText = [&](TField&, QString&, bool) { ++asked; };
    source->SetDataSet(&query);
    grid->viewport()->grab();
    EXPECT_EQ(grid->model()->rowCount(), GridFixture::GrossRows);
    EXPECT_GT(asked, 0);
    EXPECT_LT(asked, 3 * grid->VisibleRowCount());

    query.Last();
    EXPECT_EQ(grid->currentIndex().row(), GridFixture::GrossRows - 1);
    source->SetDataSet(table.get());
}

TEST_F(GridTest, TheRecordScrollBarMovesTheCursor)
{
    SizeForRows(*grid, 11);
    auto* bar = grid->findChildren<QScrollBar*>().constFirst();
    for (QScrollBar* candidate : grid->findChildren<QScrollBar*>()) {
        if (candidate->orientation() == Qt::Vertical && candidate->isVisible()) bar = candidate;
    }
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), GridFixture::PflRows);

    struct Step
    {
        QAbstractSlider::SliderAction action;
        int recNo;
    };
    const Step steps[] = {
        {QAbstractSlider::SliderSingleStepAdd, 2},  {QAbstractSlider::SliderPageStepAdd, 12},
        {QAbstractSlider::SliderPageStepAdd, 22},   {QAbstractSlider::SliderPageStepSub, 12},
        {QAbstractSlider::SliderSingleStepSub, 11}, {QAbstractSlider::SliderToMaximum, 120},
        {QAbstractSlider::SliderToMinimum, 1},
    };
    for (const Step& step : steps) {
        bar->triggerAction(step.action);
        EXPECT_EQ(table->RecNo(), step.recNo) << step.action;
        EXPECT_EQ(bar->value(), step.recNo);
    }

    // Dragging moves nothing until the thumb is released.
    bar->setSliderDown(true);
    bar->setSliderPosition(70);
    EXPECT_EQ(table->RecNo(), 1);
    bar->setSliderDown(false);
    EXPECT_EQ(table->RecNo(), 70);
    EXPECT_EQ(bar->value(), 70);

    table->SetRecNo(33);
    EXPECT_EQ(bar->value(), 33) << "the bar shows the cursor moved in code";
}

TEST_F(GridTest, SpaceMarksAndMovesOnAndMarksShowGreen)
{
    Press(Qt::Key_Space);
    EXPECT_EQ(MarkedKeys(), QStringList({"1"}));
    EXPECT_EQ(table->RecNo(), 2);
    EXPECT_EQ(RowColour(1), BrightGreen);

    Press(Qt::Key_Space);
    EXPECT_EQ(MarkedKeys(), QStringList({"1", "2"}));
    Press(Qt::Key_Up);
    EXPECT_EQ(RowColour(2), Green) << "the selected marked row";
    EXPECT_EQ(RowColour(1), BrightGreen);
    EXPECT_EQ(RowColour(3), QColor(Qt::white));

    Press(Qt::Key_Space); // on record 2 again: the mark goes
    EXPECT_EQ(MarkedKeys(), QStringList({"1"}));
    EXPECT_EQ(table->RecNo(), 3);

    grid->SetMarkierungErlaubt(false);
    Press(Qt::Key_Space);
    EXPECT_EQ(MarkedKeys(), QStringList({"1"}));
}

TEST_F(GridTest, ShiftClickAndMiddleClickToggleMarks)
{
    const QPoint third = grid->visualRect(grid->model()->index(2, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, third);
    EXPECT_EQ(MarkedKeys(), QStringList({"3"}));
    QTest::mouseClick(grid->viewport(), Qt::MiddleButton, {}, third);
    EXPECT_TRUE(grid->Marks().Count() == 0);
}

TEST_F(GridTest, CtrlBMarksARangeAfterAskingInEitherOrder)
{
    const std::pair<int, int> orders[] = {{3, 7}, {7, 3}};
    for (const auto& [first, second] : orders) {
        grid->ClearAllMarks();
        Answering yes(true);
        table->SetRecNo(first);
        Press(Qt::Key_B, Qt::ControlModifier);
        EXPECT_EQ(grid->RangeStart(), first);
        EXPECT_TRUE(yes.asked.empty());
        table->SetRecNo(second);
        const int row = grid->CurrentRow();
        Press(Qt::Key_B, Qt::ControlModifier);

        ASSERT_EQ(yes.asked.size(), 1u);
        EXPECT_EQ(yes.asked[0].title, "Bereiche bearbeiten");
        EXPECT_EQ(yes.asked[0].text, "Wollen Sie die Datensätze von 3 bis 7 markieren?");
        EXPECT_EQ(MarkedKeys(), QStringList({"3", "4", "5", "6", "7"})) << first;
        EXPECT_EQ(table->RecNo(), second) << "back where the key was pressed";
        EXPECT_EQ(grid->CurrentRow(), row);
        EXPECT_EQ(grid->RangeStart(), 0);
    }
}

TEST_F(GridTest, CtrlDUnmarksTheMarksInARange)
{
    Answering yes(true);
    for (int recNo : {2, 4, 5, 9}) {
        table->SetRecNo(recNo);
        grid->ToggleMark();
    }
    table->SetRecNo(4);
    Press(Qt::Key_D, Qt::ControlModifier);
    table->SetRecNo(6);
    Press(Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(yes.asked.size(), 1u);
    EXPECT_EQ(yes.asked[0].text,
              "Wollen Sie die markierten Datensätze im Bereich von 4 bis 6 zurücksetzen?");
    EXPECT_EQ(MarkedKeys(), QStringList({"2", "9"}));

    // Over a range without marks nothing changes.
    table->SetRecNo(20);
    Press(Qt::Key_D, Qt::ControlModifier);
    table->SetRecNo(30);
    Press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(yes.asked.size(), 2u);
    EXPECT_EQ(MarkedKeys(), QStringList({"2", "9"}));
}

TEST_F(GridTest, RangeKeysOnOneRecordToggleAndNoChangesNothing)
{
    Answering no(false);
    table->SetRecNo(5);
    Press(Qt::Key_B, Qt::ControlModifier);
    Press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(no.asked.empty());
    EXPECT_EQ(MarkedKeys(), QStringList({"5"}));

    Press(Qt::Key_B, Qt::ControlModifier);
    table->SetRecNo(8);
    Press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(no.asked.size(), 1u);
    EXPECT_EQ(MarkedKeys(), QStringList({"5"}));
    EXPECT_EQ(grid->RangeStart(), 0);

    // Ctrl with the left button acts as Ctrl+B, with Alt as Ctrl+D.
    const QPoint second = grid->visualRect(grid->model()->index(1, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier, second);
    EXPECT_EQ(grid->RangeStart(), 2);
}

TEST_F(GridTest, CopyRowsOfOneRecordIsOneLine)
{
    table->FieldByName("Nr")->SetVisible(false);
    table->FieldByName("Name")->SetDisplayLabel("Pflanze");
    table->FieldByName("Name")->OnGetText = [](TField&, QString& text, bool displayText) {
        text = (displayText ? "Anzeige " : "Kopie ") + text;
    };
    table->SetRecNo(4);

    grid->CopyRows();
    EXPECT_EQ(Clipboard(), "4\tKopie " + NameOf(4) + "\r\n");

    SetupBlock.CopyWithTitles = true;
    grid->CopyRows();
    EXPECT_EQ(Clipboard(), "RelID\tPflanze\r\n4\tKopie " + NameOf(4) + "\r\n");
    EXPECT_EQ(table->RecNo(), 4);
}

TEST_F(GridTest, CopyRowsCopiesMarksInTheOrderMadeAndReturns)
{
    table->FieldByName("Name")->SetVisible(false);
    for (int recNo : {9, 2, 5}) {
        table->SetRecNo(recNo);
        grid->ToggleMark();
    }
    table->SetRecNo(7);
    const int row = grid->CurrentRow();

    SetupBlock.ClearMarksAfterCopy = false;
    grid->CopyRows();
    EXPECT_EQ(Clipboard(), "9\t90\r\n2\t20\r\n5\t50\r\n");
    EXPECT_EQ(grid->Marks().Count(), 3);

    SetupBlock.ClearMarksAfterCopy = true;
    grid->CopyRows();
    EXPECT_EQ(Clipboard(), "9\t90\r\n2\t20\r\n5\t50\r\n");
    EXPECT_EQ(grid->Marks().Count(), 0);
    EXPECT_EQ(table->RecNo(), 7);
    EXPECT_EQ(grid->CurrentRow(), row);
    EXPECT_EQ(grid->currentIndex().row(), 6);
}

TEST_F(GridTest, CopyRowsLeavesOutMarksWhoseRecordIsGone)
{
    for (int recNo : {3, 50}) {
        table->SetRecNo(recNo);
        grid->ToggleMark();
    }
    table->FieldByName("Name")->SetVisible(false);
    table->SetRange({1}, {10});
    grid->CopyRows();
    EXPECT_EQ(Clipboard(), "3\t30\r\n");
}

TEST_F(GridTest, WithoutTheKeyFieldMarksAreKeptButNotPainted)
{
    grid->SetKeyFieldName("Fehlt");
    table->SetRecNo(2);
    grid->ToggleMark();
    table->SetRecNo(3);
    grid->ToggleMark();
    EXPECT_EQ(grid->Marks().Count(), 2) << "two records, two marks";
    EXPECT_EQ(RowColour(2), QColor(Qt::white));

    table->SetRecNo(2);
    grid->ToggleMark();
    EXPECT_EQ(grid->Marks().Count(), 1);
    EXPECT_EQ(grid->Marks().DataAt(1)->RecNo, 3);
}

TEST_F(GridTest, MarkAllAndClearingMarks)
{
    table->SetRecNo(10);
    grid->MarkAll();
    EXPECT_EQ(grid->Marks().Count(), GridFixture::PflRows);
    EXPECT_EQ(table->RecNo(), 10);

    {
        Answering no(false);
        grid->AskClearAllMarks();
        ASSERT_EQ(no.asked.size(), 1u);
        EXPECT_EQ(no.asked[0].text, "Wollen Sie alle Markierungen zurücksetzen?");
        EXPECT_EQ(grid->Marks().Count(), GridFixture::PflRows);
    }
    Answering yes(true);
    grid->AskClearAllMarks();
    EXPECT_EQ(grid->Marks().Count(), 0);
}

TEST_F(GridTest, StatusLabelShowsRecordMarksAndPendingRange)
{
    QLabel label;
    grid->SetStatusLabel(&label);
    table->SetRecNo(3);
    EXPECT_EQ(label.text(), "3 / 120");
    EXPECT_FALSE(label.font().bold());

    grid->ToggleMark();
    EXPECT_EQ(label.text(), "3 / 120 / (1)");
    EXPECT_TRUE(label.font().bold());

    Press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(label.text(), "3 / 120 / (3:?)");

    grid->Marks().ClearMarks();
    EXPECT_EQ(label.text(), "0") << "the counter label of the marks";
}

TEST_F(GridTest, RowNotifications)
{
    int changes = 0;
    int selects = 0;
    grid->OnChangeRow = [&](TKR_DBGrid* sender) {
        EXPECT_EQ(sender, grid);
        ++changes;
    };
    grid->OnRowSelect = [&](TKR_DBGrid*) { ++selects; };
    table->SetRecNo(5);
    table->SetRecNo(5);
    EXPECT_EQ(changes, 1);

    grid->viewport()->grab();
    EXPECT_EQ(selects, 1) << "raised when the selected row is painted";
    grid->viewport()->grab();
    EXPECT_EQ(selects, 2) << "and on every repaint";

    grid->clearFocus();
    grid->viewport()->grab();
    EXPECT_EQ(selects, 2) << "without focus the row is not shown selected";
    grid->SetAlwaysShowSelection(true);
    grid->viewport()->grab();
    EXPECT_EQ(selects, 3);
}

TEST_F(GridTest, AnInactiveMdiChildReportsNoRowChange)
{
    QMdiArea area;
    area.resize(800, 600);
    auto* first = area.addSubWindow(new QWidget);
    auto* second = area.addSubWindow(new QWidget);
    auto* mdiGrid = new TKR_DBGrid(first->widget());
    mdiGrid->resize(300, 200);
    mdiGrid->SetDataSource(source.get());
    int changes = 0;
    mdiGrid->OnChangeRow = [&](TKR_DBGrid*) { ++changes; };
    area.show();
    first->show();
    second->show();

    area.setActiveSubWindow(first);
    table->SetRecNo(4);
    EXPECT_EQ(changes, 1);
    area.setActiveSubWindow(second);
    table->SetRecNo(6);
    EXPECT_EQ(changes, 1);
    area.setActiveSubWindow(first);
    first->widget()->repaint();
    mdiGrid->viewport()->grab();
    EXPECT_EQ(changes, 2) << "caught up when the child is painted active again";
}

TEST_F(GridTest, HotKeySearchesATableOnItsIndex)
{
    table->SetIndexName("IX_Name");
    Press(Qt::Key_M);
    EXPECT_TRUE(table->FieldByName("Name")->AsString().startsWith("M-")) << "upper-cased";
    EXPECT_EQ(grid->currentIndex().row() + 1, table->RecNo());

    grid->SetSearchByHotKey(false);
    table->First();
    Press(Qt::Key_M);
    EXPECT_EQ(table->RecNo(), 1);

    // A key press handler may consume the key.
    grid->SetSearchByHotKey(true);
    grid->OnKeyPress = [](TKR_DBGrid*, QChar& key) { key = QChar(); };
    Press(Qt::Key_M);
    EXPECT_EQ(table->RecNo(), 1);
}

TEST_F(GridTest, RowCountCurrentRowAndRestoreRow)
{
    SizeForRows(*grid, 11);
    EXPECT_EQ(grid->VisibleRowCount(), 10);
    table->SetRecNo(50);
    const int row = grid->CurrentRow();
    EXPECT_GE(row, 1);
    EXPECT_LE(row, 10);
    grid->RestoreRow(2);
    EXPECT_EQ(grid->CurrentRow(), 2);
    EXPECT_EQ(grid->rowAt(0), 48);
    grid->RestoreRow(9);
    EXPECT_EQ(grid->CurrentRow(), 9);
}

TEST_F(GridTest, RegisteredPaintersPaintTheirFieldsCells)
{
    QObject owner;
    int painted = 0;
    auto blue = [&](TKR_DBGrid*, QPainter& painter, const QRect& rect, TField& field, bool) {
        EXPECT_EQ(field.FieldName(), "RelID");
        painter.fillRect(rect, Qt::blue);
        ++painted;
    };
    EXPECT_TRUE(grid->RegisterPainter("relid", blue, &owner));
    EXPECT_EQ(RowColour(3), QColor(Qt::blue));
    EXPECT_GT(painted, 0);
    for (int i = 1; i < TKR_DBGrid::MaxPainters; ++i)
        EXPECT_TRUE(grid->RegisterPainter("Name", blue, &owner));
    EXPECT_FALSE(grid->RegisterPainter("Nr", blue, &owner)) << "ten at most";
}

TEST_F(GridTest, TawGridTabAndEnter)
{
    auto* framework = new TAW_DBGrid(window.get());
    framework->setGeometry(0, 0, 420, 320);
    framework->SetDataSource(source.get());
    framework->show();
    framework->setFocus();
    table->SetRecNo(2);
    auto tab = [&](Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(framework, Qt::Key_Tab, modifiers);
        return std::pair(table->RecNo(), framework->currentIndex().column());
    };
    EXPECT_EQ(tab({}), std::pair(2, 1));
    EXPECT_EQ(tab({}), std::pair(2, 2));
    EXPECT_EQ(tab({}), std::pair(3, 0)) << "from the last column to the next record";
    EXPECT_EQ(tab(Qt::ShiftModifier), std::pair(2, 2)) << "and back";
    EXPECT_TRUE(framework->hasFocus()) << "the key stays in the grid";

    QTest::keyClick(framework, Qt::Key_Return);
    EXPECT_EQ(table->RecNo(), 3);
    table->Last();
    QTest::keyClick(framework, Qt::Key_Return);
    EXPECT_EQ(table->RecNo(), GridFixture::PflRows);

    bool destroyed = false;
    framework->OnDestroyGrid = [&](TKR_DBGrid*) { destroyed = true; };
    delete framework;
    EXPECT_TRUE(destroyed);
}
