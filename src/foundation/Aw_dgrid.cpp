#include "foundation/Aw_dgrid.h"

#include <QKeyEvent>

TAW_DBGrid::TAW_DBGrid(QWidget* parent) : TKR_DBGrid(parent)
{
    setTabKeyNavigation(true);
}

TAW_DBGrid::~TAW_DBGrid()
{
    if (OnDestroyGrid) OnDestroyGrid(this);
}

void TAW_DBGrid::keyPressEvent(QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Tab:
        shift ? PriorCell() : NextCell();
        break;
    case Qt::Key_Backtab:
        PriorCell();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        NextRecord();
        break;
    default:
        TKR_DBGrid::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TAW_DBGrid::NextCell()
{
    const int column = CurrentColumn();
    if (column + 1 < ColumnCount()) {
        SetCurrentColumn(column + 1);
        return;
    }
    Navigate([](TDataSet& dataSet) { dataSet.Next(); });
    SetCurrentColumn(0);
}

void TAW_DBGrid::PriorCell()
{
    const int column = CurrentColumn();
    if (column > 0) {
        SetCurrentColumn(column - 1);
        return;
    }
    Navigate([](TDataSet& dataSet) { dataSet.Prior(); });
    SetCurrentColumn(ColumnCount() - 1);
}

// The engine's data never changes under the program, so refreshing is repainting.
void TAW_DBGrid::NextRecord()
{
    Navigate([](TDataSet& dataSet) {
        if (!dataSet.Eof()) dataSet.Next();
    });
    viewport()->update();
}
