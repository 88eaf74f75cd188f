#pragma once

#include "foundation/Kr_vcldb.h"

// The framework's grid: Tab and Shift+Tab walk the cells record after record, Enter moves
// to the next record. (Its edit mode for pick lists belongs to windows this program never
// opens and is left out.)
class TAW_DBGrid : public TKR_DBGrid
{
    Q_OBJECT

public:
    explicit TAW_DBGrid(QWidget* parent = nullptr);
    ~TAW_DBGrid() override;

    // Raised while the grid is being destroyed.
    TNotifyEvent OnDestroyGrid;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void NextCell();
    void PriorCell();
    void NextRecord();
};
