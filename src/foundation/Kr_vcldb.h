#pragma once

// The data grid of the foundation: a table view over a data set with row marking, a status
// text, row notifications, custom cell painting and its own vertical scrolling.
//
// How the grid follows its data set:
// - The rows come from a model adapter that reads only the rows the view paints; a query
//   of thousands of rows shows at once. The columns are the data set's visible fields in
//   their order, titled by DisplayLabel, DisplayWidth characters wide, their text through
//   the fields' display-text handlers.
// - The view's current row and the data set's cursor move together both ways: moving the
//   cursor in code makes its row current (and visible), and choosing a row in the grid moves
//   the cursor there. While the data set's controls are disabled the grid does not follow;
//   when they are enabled it reads the records anew and keeps the current record in its grid
//   row where it can.
// - The vertical scroll bar stands for the records, not for the rows on screen: its range is
//   1 to the record count and its position the current record number. Line, page, top and
//   bottom move the cursor (a page is RowCount - 1 records); dragging the thumb moves the
//   cursor only when the thumb is released. The wheel moves one record per notch. The view
//   itself scrolls only as far as needed to keep the current record visible. (The view's own
//   bar is hidden; the record bar takes its place beside the rows.)

#include "foundation/KR_DataSource.h"
#include "foundation/KR_Liste.h"
#include "platform/Dataset.h"

#include <QLabel>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <vector>

class QProgressBar;
class QPushButton;
class QScrollBar;
class TField;
class TKR_DBGrid;
class TKR_DBGridModel;

// One marked record.
struct TKR_Mark
{
    int Key = 0;    // the value of the grid's key field, 0 without one
    int SyncID = 0; // the "SyncID" field, 0 without one
    int RecNo = 0;  // the record number when marked
    TBookmark Bookmark;
};

// The marks of a grid in the order they were made. Positions are 1-based.
class TKR_BookmarkListe : public TKR_OwnerListe<TKR_Mark>
{
public:
    explicit TKR_BookmarkListe(TKR_DBGrid* grid = nullptr);

    TKR_DBGrid* Grid() const { return m_grid; }
    // Shows the number of marks whenever ClearMarks empties the list; may be nullptr.
    QLabel* CounterLabel() const { return m_counterLabel; }
    void SetCounterLabel(QLabel* label) { m_counterLabel = label; }

    void AddMark(int key, int syncId, int recNo, const TBookmark& bookmark);
    // A position outside 1..Count removes nothing.
    void RemoveMark(int index);
    void ClearMarks();

    // The position of the first mark with that key or record number; 0 when none.
    int FindKey(int key) const;
    int FindRecNo(int recNo) const;

private:
    TKR_DBGrid* m_grid;
    QPointer<QLabel> m_counterLabel;
};

// Collects rows of a data set as tab-separated text for the clipboard: one line per record,
// the visible fields in field order, each line ended by carriage return and line feed.
class TKR_ExportSystem : public QObject
{
    Q_OBJECT

public:
    TKR_ExportSystem(TDataSet* dataSet, QObject* owner);

    // Begins the text for rowCount announced rows; with titles, the first line holds the
    // display labels of the visible fields.
    void Start(int rowCount, bool withTitles);
    // Adds the current record as one line: each field's copy text (Text(), which asks the
    // field's OnGetText with the display flag off).
    void WriteRecord();
    void WriteValue(const QString& text);
    void EndLine();

    QString Text() const { return m_text; }
    int LineCount() const { return m_lines; }
    int AnnouncedRows() const { return m_announced; }

private:
    QList<TField*> VisibleFields() const;

    TDataSet* m_dataSet;
    QString m_text;
    bool m_lineStart = true;
    int m_lines = 0;
    int m_announced = 0;
};

class TKR_DBGrid : public QTableView
{
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TKR_DBGrid* sender)>;
    // key may be changed; a null character consumes it (no search follows).
    using TKeyPressEvent = std::function<void(TKR_DBGrid* sender, QChar& key)>;
    using TMouseEvent = std::function<void(TKR_DBGrid* sender, Qt::MouseButton button,
                                           Qt::KeyboardModifiers shift, int x, int y)>;
    using TMouseMoveEvent = std::function<void(TKR_DBGrid* sender, Qt::MouseButtons buttons,
                                               Qt::KeyboardModifiers shift, int x, int y)>;
    // Paints one data cell of field; the painter is clipped to rect. highlighted tells whether
    // the cell is the selected one that the grid would draw in the highlight colours.
    using TCellPainter = std::function<void(TKR_DBGrid* sender, QPainter& painter,
                                            const QRect& rect, TField& field, bool highlighted)>;

    static constexpr int MaxPainters = 10;

    explicit TKR_DBGrid(QWidget* parent = nullptr);
    ~TKR_DBGrid() override;

    TKR_DataSource* DataSource() const;
    void SetDataSource(TKR_DataSource* dataSource);
    TDataSet* DataSet() const;
    // The record number (DataSetRecNo) of the grid's data set; 0 without one.
    int RecNo() const;

    // The field that identifies a record for the marks; "RelID" unless set.
    QString KeyFieldName() const { return m_keyFieldName; }
    void SetKeyFieldName(const QString& name);

    bool MarkierungErlaubt() const { return m_markierungErlaubt; }
    void SetMarkierungErlaubt(bool allowed) { m_markierungErlaubt = allowed; }
    bool SearchByHotKey() const { return m_searchByHotKey; }
    void SetSearchByHotKey(bool search) { m_searchByHotKey = search; }
    bool Grid3D() const { return m_grid3D; }
    void SetGrid3D(bool grid3D);

    // The grid's options.
    bool AlwaysShowSelection() const { return m_alwaysShowSelection; }
    void SetAlwaysShowSelection(bool show);
    bool ShowTitles() const;
    void SetShowTitles(bool show);
    bool ShowIndicator() const;
    void SetShowIndicator(bool show);
    bool RowLines() const { return m_rowLines; }
    void SetRowLines(bool lines);
    bool ColLines() const { return m_colLines; }
    void SetColLines(bool lines);
    // The colour of the title row and the indicator column.
    QColor FixedColor() const { return m_fixedColor; }
    void SetFixedColor(const QColor& color);

    // Shows "<record> / <count>" (and the marks or a pending range) while the grid has the
    // focus; none unless set.
    QLabel* StatusLabel() const { return m_statusLabel; }
    void SetStatusLabel(QLabel* label);

    TKR_BookmarkListe& Marks() { return m_marks; }
    const TKR_BookmarkListe& Marks() const { return m_marks; }
    // Whether the current record's key value is marked (false without the key field).
    bool CurrentRecordMarked() const;
    // The record number where a range began (Ctrl+B / Ctrl+D pressed once), 0 when none.
    int RangeStart() const { return m_rangeStart; }

    // Marks the current record or, when it is marked, removes its mark; repaints; UpdateStatus.
    void ToggleMark();
    // Puts the current record, or the marked records in the order they were marked, on the
    // clipboard as tab-separated lines (a title line first with CopyWithTitles); afterwards
    // the cursor is back on its record and grid row. Failures are swallowed.
    void CopyRows();
    void ClearAllMarks();
    void MarkAll();
    // Asks "Wollen Sie alle Markierungen zurücksetzen" and clears the marks on Yes.
    void AskClearAllMarks();
    // Ctrl+B (mark) and Ctrl+D (unmark): the first press notes the range start, the second
    // asks and marks or unmarks the records between.
    void MarkRange(bool mark);

    // A painter for the cells of fieldName (compared in upper case); false when MaxPainters
    // are registered. A painter whose owner has been destroyed paints no more.
    bool RegisterPainter(const QString& fieldName, TCellPainter painter, QObject* owner);

    // Grid rows including the title row: the title, then the data rows on screen.
    int RowCount() const;
    // The grid row of the current record (the first data row is 1 with titles shown).
    int CurrentRow() const;
    // Scrolls so that the current record shows in grid row row.
    void RestoreRow(int row);
    // The data rows that fit into the grid.
    int VisibleRowCount() const;

    // A button over the grid, with a panel for the percentage, while a long operation runs;
    // a click on the button asks the operation to stop.
    void StartProgress(const QString& caption);
    void SetProgress(int percent);
    void EndProgress();
    bool AbortRequested() const { return m_abortRequested; }

    // Writes the status label and raises OnChangeRow when the record number has changed,
    // unless the grid sits in an MDI child that is not the active one.
    virtual void UpdateStatus();
    // Runs after the navigator or the scroll bar moved the cursor.
    virtual void AfterNavigate();

    TKeyPressEvent OnKeyPress;
    // Raised whenever the selected row is painted (once per paint), repaints included.
    TNotifyEvent OnRowSelect;
    // Raised when the current record number differs from the one last reported.
    TNotifyEvent OnChangeRow;
    TMouseEvent OnMyMouseDown;
    TMouseEvent OnMyMouseUp;
    TMouseMoveEvent OnMyMouseMove;

    // For the delegate: whether a record's key value is marked (cached for the last key).
    bool RecordMarked(int recNo) const;
    bool CellHighlighted(const QModelIndex& index) const;
    void PaintCell(QPainter& painter, const QRect& rect, const QModelIndex& index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void updateGeometries() override;

    // The cursor's record made current in the view, without moving the data set back.
    void FollowCursor();
    // Moves the data set; engine errors are shown, not thrown through the event loop.
    void Navigate(const std::function<void(TDataSet&)>& move);
    int CurrentColumn() const;
    int ColumnCount() const;
    // Moves the view's current cell within the current record.
    void SetCurrentColumn(int column);

private:
    friend class TKR_BookmarkListe;

    struct TPainter
    {
        QString FieldName; // upper case
        TCellPainter Paint;
        QPointer<QObject> Owner;
    };

    void DataSetActiveChanged();
    void DataSetDataChanged();
    void DataSetCurrentChanged();
    void DataSetLayoutChanged();
    void ResetRows();
    void ApplyColumnWidths();
    void ApplyFont();
    void SyncRecordBar();
    void RecordBarAction(int action);
    void RecordBarReleased();
    void PlaceProgress();
    bool InactiveMdiChild() const;
    int KeyValueOfCurrent() const;
    int FieldInteger(const QString& name) const;
    void ForgetMarkCache() const;
    void ClearRange();
    void ReplaceRange(bool mark, int from, int to, int startRecNo);
    void Repaint();
    void SearchHotKey(QChar key);
    TField* FieldOfColumn(int column) const;

    TKR_DBGridModel* m_model;
    QScrollBar* m_recordBar;

    QString m_keyFieldName = QStringLiteral("RelID");
    bool m_markierungErlaubt = true;
    bool m_searchByHotKey = true;
    bool m_grid3D = true;
    bool m_alwaysShowSelection = false;
    bool m_rowLines = true;
    bool m_colLines = true;
    QColor m_fixedColor;
    QPointer<QLabel> m_statusLabel;

    TKR_BookmarkListe m_marks;
    TKR_DataLink m_link;
    mutable int m_lastCheckedKey = 0;
    mutable bool m_lastCheckedValid = false;
    mutable bool m_lastCheckedMarked = false;
    int m_rangeStart = 0;
    TBookmark m_rangeBookmark;
    std::vector<TPainter> m_painters;

    int m_lastReportedRecNo = 0;
    bool m_syncing = false;
    int m_wheelRest = 0;
    bool m_selectedRowPainted = false;
    bool m_currentCellPainted = false;

    QPushButton* m_progressButton = nullptr;
    QProgressBar* m_progressPanel = nullptr;
    bool m_abortRequested = false;
};
