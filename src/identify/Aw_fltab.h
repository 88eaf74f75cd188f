#pragma once

#include <QTabBar>
#include <vector>

class TAW_FlagOutStruktur;

// The tab strip below the criteria panel: one tab per tree, in tab order, titled with the
// tree's Titel without "Angaben zum" and "Angaben zur". Tabs change by mouse click only.
class TAW_FilterFlagTabSet : public QTabBar
{
    Q_OBJECT

public:
    explicit TAW_FilterFlagTabSet(QWidget* owner = nullptr);

    // Appends a tab for the tree unless it has one.
    virtual void AddTab(TAW_FlagOutStruktur* struktur);
    // Removes every tab of the tree.
    virtual void RemoveTab(TAW_FlagOutStruktur* struktur);
    // The tree of tab index (from 0 as the tab bar counts); nullptr beyond the last.
    virtual TAW_FlagOutStruktur* TabStruktur(int index) const;
    void Leeren();
    // Makes the tree's tab current; false when the tree has no tab (the current tab stays).
    bool SelectTab(TAW_FlagOutStruktur* struktur);

    // The tab text a tree gets.
    static QString TabText(const TAW_FlagOutStruktur& struktur);

    // Empty, the strip keeps the height it has with a tab, so the view above it does not
    // jump when the first tab comes.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    int TabHoehe() const;
    int IndexOf(const TAW_FlagOutStruktur* struktur) const;

    std::vector<TAW_FlagOutStruktur*> m_strukturen;
};
