#pragma once

#include "foundation/KR_Graph.h"

#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <functional>

class QLineEdit;
class QPushButton;
#include "data/Aw_bdb01.h"
class TKR_DataSource;
class TKR_DBGrid;
class TKR_DBNavigator;
class TVerdan_ArtPortraitAnzeige;

// The foundation's plant browser: a search bar (navigator, search field, "&Suchen") over a
// data grid. A search starts from the button, from Enter in the field, or by typing in the
// grid, which edits the search text; what a search does is the subclass's Search.
class TKR_PflanzenBrowser : public TKR_Panel
{
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TKR_PflanzenBrowser* sender)>;

    // grid: the grid to show, taken over; nullptr makes a plain TKR_DBGrid.
    explicit TKR_PflanzenBrowser(QWidget* parent = nullptr, TKR_DBGrid* grid = nullptr);
    ~TKR_PflanzenBrowser() override;

    TKR_DataSource* DataSource() const { return m_dataSource; }
    virtual void SetDataSource(TKR_DataSource* dataSource);

    TKR_DBGrid* Grid() const { return m_grid; }
    TKR_DBNavigator* Hauptnavigator() const { return m_navigator; }
    QLineEdit* SuchText() const { return m_suchText; }
    QPushButton* SuchButton() const { return m_suchButton; }
    TKR_Panel* TopPanel() const { return m_topPanel; }
    TKR_Panel* NavigatorPanel() const { return m_navigatorPanel; }
    TKR_Panel* SuchPanel() const { return m_suchPanel; }
    TKR_Panel* ButtonPanel() const { return m_buttonPanel; }
    TKR_Panel* GridPanel() const { return m_gridPanel; }

    // The grid's own one-letter search; off unless set.
    bool DefaultGridSearch() const;
    void SetDefaultGridSearch(bool search);
    bool MarkierungErlaubt() const;
    void SetMarkierungErlaubt(bool allowed);

    // Runs the search for the text in the search field.
    void SearchButtonClick();

    TNotifyEvent OnPressSuchButton;
    TNotifyEvent OnGridChangeRow;
    TNotifyEvent OnDBLClick;

protected:
    // ausDemGrid: the search follows a key typed in the grid.
    virtual void Search(bool ausDemGrid);
    virtual void GridChangeRow();
    // A character typed in the grid edits the search text; a null key is consumed.
    virtual void GridKeyPress(QChar& key);
    // Whether the data set shown is a table (it then searches while the user types).
    bool ZeigtTabelle() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TKR_Panel* NeuesPanel(QWidget* parent);
    bool SuchTextTaste(QKeyEvent* event);
    void SuchTextTasteLos(QKeyEvent* event);

    TKR_DataSource* m_dataSource = nullptr;
    TKR_Panel* m_topPanel;
    TKR_Panel* m_navigatorPanel;
    TKR_Panel* m_suchPanel;
    TKR_Panel* m_buttonPanel;
    TKR_Panel* m_gridPanel;
    TKR_DBNavigator* m_navigator;
    QLineEdit* m_suchText;
    QPushButton* m_suchButton;
    TKR_DBGrid* m_grid;
    // Search texts remembered; character 127 brings back the last one.
    QStringList m_suchTexte{QString()};
};

// The framework's flora browser: the framework grid, the key database server, the species
// portrait beside the grid, and dragging a plant's number out of the grid as text.
class TAW_FloraBrowser : public TKR_PflanzenBrowser
{
    Q_OBJECT

public:
    static constexpr int DragSchwelle = 10;
    static constexpr int PortraitMindestBreite = 150;

    explicit TAW_FloraBrowser(QWidget* parent = nullptr);
    ~TAW_FloraBrowser() override;

    TBDB_SERVER* Server() const { return m_server; }
    virtual void SetServer(TBDB_SERVER* server);

    // Shows the portrait of the current plant on the right of the grid, or frees it.
    bool DisplayPflanzenPortrait() const { return m_portrait != nullptr; }
    void SetDisplayPflanzenPortrait(bool display);
    TVerdan_ArtPortraitAnzeige* Portrait() const { return m_portrait; }
    // The width the portrait gets: a fixed percentage of the browser when the settings ask
    // for more than 30, else two thirds.
    int PortraitBreite() const;

    // The current record's numbers; 0 without a record.
    virtual int GetRelID() const;
    virtual int GetPflanzenID() const;
    virtual int GetPortraitID() const;

    // Where the mouse went down to start a drag; (-1, -1) when no drag is pending.
    QPoint DragStart() const { return m_dragStart; }

protected:
    virtual TVerdan_ArtPortraitAnzeige* CreatePortrait(QWidget* owner);
    void GridChangeRow() override;
    // Carries text out of the grid; the program drags it with the platform's drag.
    virtual void StartDrag(const QString& text);
    int FeldWert(const QString& feldName) const;
    void showEvent(QShowEvent* event) override;

private:
    void GridMouseDown(Qt::MouseButton button, int x, int y);
    void GridMouseMove(Qt::MouseButtons buttons, int x, int y);

    QPointer<TBDB_SERVER> m_server;
    TVerdan_ArtPortraitAnzeige* m_portrait = nullptr;
    bool m_portraitBreiteGesetzt = false;
    QPoint m_dragStart{-1, -1};
};
