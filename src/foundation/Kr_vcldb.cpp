#include "foundation/Kr_vcldb.h"

#include "app/KR_DLG.h"
#include "app/KR_MYSYS.h"
#include "app/Kr_str.h"
#include "data/Kr_db.h"
#include "foundation/KR_Colors.h"
#include "foundation/KR_DataSource.h"
#include "foundation/KR_Hourglass.h"
#include "platform/DatabaseError.h"
#include "platform/Field.h"
#include "platform/Table.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

constexpr TColor MarkedColor = 0x00FF00;         // 65280, bright green
constexpr TColor MarkedSelectedColor = 0x008000; // 32768, green
constexpr int TextIndent = 3;
constexpr int IndicatorWidth = 12;

const QString CrLf = QStringLiteral("\r\n");

bool RightAligned(const TField& field)
{
    switch (field.DataType()) {
    case TFieldType::Integer:
    case TFieldType::AutoInc:
    case TFieldType::SmallInt:
        return true;
    default:
        return false;
    }
}

// The calls of the engine that a user action starts must not throw through the event loop;
// the form library showed their message instead.
void ShowDatabaseError(const EDatabaseError& error)
{
    ShowMessageDlg(QString(), error.Message());
}

} // namespace

// The rows of the grid's data set as a table model. Only the rows on screen are read, each
// through a record view, so the cursor never moves for painting. Columns are remembered by
// field name: a field object may go away with a Close while the grid is suspended.
class TKR_DBGridModel : public QAbstractTableModel
{
public:
    explicit TKR_DBGridModel(QObject* parent) : QAbstractTableModel(parent) {}

    void Reset(TDataSet* dataSet)
    {
        beginResetModel();
        m_dataSet = dataSet;
        m_fieldNames.clear();
        m_rows = 0;
        if (dataSet && dataSet->Active()) {
            for (int i = 0; i < dataSet->FieldCount(); ++i) {
                const TField* field = dataSet->Fields(i);
                if (field->Visible()) m_fieldNames << field->FieldName();
            }
            m_rows = dataSet->RecordCount();
        }
        endResetModel();
    }

    TField* FieldAt(int column) const
    {
        if (!m_dataSet || !m_dataSet->Active() || column < 0 || column >= m_fieldNames.size())
            return nullptr;
        return m_dataSet->FindField(m_fieldNames[column]);
    }

    // The record of row, 0 when the data set no longer has it.
    int RecNoOfRow(int row) const
    {
        if (!m_dataSet || !m_dataSet->Active() || row < 0 || row >= m_dataSet->RecordCount())
            return 0;
        return row + 1;
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_rows;
    }

    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_fieldNames.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        TField* field = FieldAt(index.column());
        const int recNo = RecNoOfRow(index.row());
        if (!field || recNo == 0) return {};
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(RightAligned(*field) ? Qt::AlignRight : Qt::AlignLeft);
        if (role != Qt::DisplayRole) return {};
        const TDataSet::TRecordView view(*m_dataSet, recNo);
        return field->DisplayText();
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        const TField* field = FieldAt(section);
        return field ? field->DisplayLabel() : QVariant();
    }

private:
    QPointer<TDataSet> m_dataSet;
    QStringList m_fieldNames;
    int m_rows = 0;
};

namespace {

// Cells are painted by the grid itself: colours of marks and selection, text indent, lines.
class TKR_DBGridDelegate : public QStyledItemDelegate
{
public:
    explicit TKR_DBGridDelegate(TKR_DBGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        m_grid->PaintCell(*painter, option.rect, index);
    }

    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return nullptr;
    }

private:
    TKR_DBGrid* m_grid;
};

// The title row and the indicator column, in the grid's fixed colour.
class TKR_DBGridHeader : public QHeaderView
{
public:
    TKR_DBGridHeader(Qt::Orientation orientation, TKR_DBGrid* grid)
        : QHeaderView(orientation, grid), m_grid(grid)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override
    {
        painter->save();
        painter->fillRect(rect, m_grid->FixedColor());
        if (orientation() == Qt::Horizontal)
            PaintTitle(*painter, rect, logicalIndex);
        else if (logicalIndex == m_grid->currentIndex().row())
            PaintIndicator(*painter, rect);
        PaintEdges(*painter, rect);
        painter->restore();
    }

private:
    void PaintTitle(QPainter& painter, const QRect& rect, int logicalIndex) const
    {
        const QString title = model()->headerData(logicalIndex, Qt::Horizontal).toString();
        painter.setPen(m_grid->palette().color(QPalette::WindowText));
        painter.setClipRect(rect);
        painter.drawText(rect.adjusted(TextIndent, 0, -TextIndent, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
    }

    // The arrow that points at the current record.
    static void PaintIndicator(QPainter& painter, const QRect& rect)
    {
        const QPoint c = rect.center();
        const QPolygon arrow(
            {QPoint(c.x() - 2, c.y() - 4), QPoint(c.x() + 2, c.y()), QPoint(c.x() - 2, c.y() + 4)});
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::black);
        painter.drawPolygon(arrow);
    }

    void PaintEdges(QPainter& painter, const QRect& rect) const
    {
        if (m_grid->Grid3D()) {
            painter.setPen(DelphiColor(clBtnHighlight));
            painter.drawLine(rect.topLeft(), rect.topRight());
            painter.drawLine(rect.topLeft(), rect.bottomLeft());
        }
        painter.setPen(DelphiColor(clGray));
        painter.drawLine(rect.topRight(), rect.bottomRight());
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    }

    TKR_DBGrid* m_grid;
};

} // namespace

// --- TKR_BookmarkListe ---

TKR_BookmarkListe::TKR_BookmarkListe(TKR_DBGrid* grid) : m_grid(grid) {}

void TKR_BookmarkListe::AddMark(int key, int syncId, int recNo, const TBookmark& bookmark)
{
    AppendData(std::make_unique<TKR_Mark>(TKR_Mark{key, syncId, recNo, bookmark}));
    if (m_grid) m_grid->ForgetMarkCache();
}

void TKR_BookmarkListe::RemoveMark(int index)
{
    if (index < 1 || index > Count()) return;
    Delete(index); // the mark and its bookmark go with the element
    if (m_grid) m_grid->ForgetMarkCache();
}

void TKR_BookmarkListe::ClearMarks()
{
    Clear();
    if (m_counterLabel) m_counterLabel->setText(QStringLiteral("0"));
    if (m_grid) m_grid->ForgetMarkCache();
}

int TKR_BookmarkListe::FindKey(int key) const
{
    int position = 1;
    for (const TKR_Mark* mark : *this) {
        if (mark->Key == key) return position;
        ++position;
    }
    return 0;
}

int TKR_BookmarkListe::FindRecNo(int recNo) const
{
    int position = 1;
    for (const TKR_Mark* mark : *this) {
        if (mark->RecNo == recNo) return position;
        ++position;
    }
    return 0;
}

// --- TKR_ExportSystem ---

TKR_ExportSystem::TKR_ExportSystem(TDataSet* dataSet, QObject* owner)
    : QObject(owner), m_dataSet(dataSet)
{}

QList<TField*> TKR_ExportSystem::VisibleFields() const
{
    QList<TField*> fields;
    if (!m_dataSet) return fields;
    for (int i = 0; i < m_dataSet->FieldCount(); ++i) {
        if (m_dataSet->Fields(i)->Visible()) fields << m_dataSet->Fields(i);
    }
    return fields;
}

void TKR_ExportSystem::Start(int rowCount, bool withTitles)
{
    m_text.clear();
    m_lineStart = true;
    m_lines = 0;
    m_announced = rowCount;
    if (!withTitles) return;
    for (const TField* field : VisibleFields())
        WriteValue(field->DisplayLabel());
    EndLine();
}

void TKR_ExportSystem::WriteRecord()
{
    for (const TField* field : VisibleFields())
        WriteValue(field->Text());
    EndLine();
}

void TKR_ExportSystem::WriteValue(const QString& text)
{
    if (!m_lineStart) m_text += u'\t';
    m_text += text;
    m_lineStart = false;
}

void TKR_ExportSystem::EndLine()
{
    m_text += CrLf;
    m_lineStart = true;
    ++m_lines;
}

// --- TKR_DBGrid ---

TKR_DBGrid::TKR_DBGrid(QWidget* parent)
    : QTableView(parent), m_model(new TKR_DBGridModel(this)),
      m_recordBar(new QScrollBar(Qt::Vertical)), m_fixedColor(DelphiColor(clBtnFace)),
      m_marks(this), m_link(this, {.Bound =
                                       [this] {
                                           ClearRange();
                                           DataSetDataChanged();
                                       },
                                   .ActiveChanged = [this] { DataSetActiveChanged(); },
                                   .DataChanged = [this] { DataSetDataChanged(); },
                                   .CurrentChanged = [this] { DataSetCurrentChanged(); },
                                   .LayoutChanged = [this] { DataSetLayoutChanged(); }})
{
    setHorizontalHeader(new TKR_DBGridHeader(Qt::Horizontal, this));
    setVerticalHeader(new TKR_DBGridHeader(Qt::Vertical, this));
    setModel(m_model);
    setItemDelegate(new TKR_DBGridDelegate(this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false); // row and column lines are the delegate's
    setWordWrap(false);
    setTabKeyNavigation(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFocusPolicy(Qt::StrongFocus);

    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(IndicatorWidth);

    // The view keeps its own bar for its scrolling, hidden; the record bar shows in its place.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->hide();
    m_recordBar->setFocusPolicy(Qt::NoFocus);
    m_recordBar->setTracking(false);
    addScrollBarWidget(m_recordBar, Qt::AlignTop);
    connect(m_recordBar, &QAbstractSlider::actionTriggered, this,
            [this](int action) { RecordBarAction(action); });

    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    m_alwaysShowSelection = SetupBlock.GridAlwaysShowSelection;
    ApplyFont();
    SyncRecordBar();
}

TKR_DBGrid::~TKR_DBGrid() = default;

TKR_DataSource* TKR_DBGrid::DataSource() const
{
    return m_link.DataSource();
}

TDataSet* TKR_DBGrid::DataSet() const
{
    return m_link.DataSet();
}

int TKR_DBGrid::RecNo() const
{
    return DataSetRecNo(DataSet());
}

void TKR_DBGrid::SetDataSource(TKR_DataSource* dataSource)
{
    m_link.SetDataSource(dataSource);
}

void TKR_DBGrid::DataSetActiveChanged()
{
    // A closed set has no fields left to read; opening is followed by dataChanged.
    if (!DataSet() || !DataSet()->Active()) DataSetDataChanged();
}

void TKR_DBGrid::DataSetDataChanged()
{
    // The current record keeps the grid row it had, wherever the cursor went meanwhile.
    const QModelIndex current = currentIndex();
    const int titles = ShowTitles() ? 1 : 0;
    const int oldRow = current.isValid() ? titles + current.row() - std::max(0, rowAt(0)) : 0;
    ResetRows();
    FollowCursor();
    if (oldRow > 0) RestoreRow(oldRow);
    SyncRecordBar();
    UpdateStatus();
}

void TKR_DBGrid::DataSetLayoutChanged()
{
    DataSetDataChanged();
}

void TKR_DBGrid::DataSetCurrentChanged()
{
    if (!m_syncing) FollowCursor();
    SyncRecordBar();
    UpdateStatus();
}

void TKR_DBGrid::ResetRows()
{
    const int column = CurrentColumn();
    m_syncing = true;
    m_model->Reset(DataSet());
    m_syncing = false;
    ForgetMarkCache();
    ApplyColumnWidths();
    if (column > 0 && column < ColumnCount()) SetCurrentColumn(column);
}

void TKR_DBGrid::FollowCursor()
{
    const int recNo = RecNo();
    const int row = recNo - 1;
    m_syncing = true;
    if (recNo == 0 || row >= m_model->rowCount()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else {
        const QModelIndex index = m_model->index(row, std::max(0, CurrentColumn()));
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        scrollTo(index, QAbstractItemView::EnsureVisible);
    }
    m_syncing = false;
    verticalHeader()->viewport()->update();
}

void TKR_DBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    verticalHeader()->viewport()->update();
    if (m_syncing || !current.isValid() || !DataSet() || !DataSet()->Active()) return;
    const int recNo = current.row() + 1;
    if (DataSet()->RecNo() == recNo) return;
    m_syncing = true;
    Navigate([recNo](TDataSet& dataSet) { dataSet.SetRecNo(recNo); });
    m_syncing = false;
    // The set may not have gone where the view went (an error, a handler that moved it).
    if (RecNo() != recNo) FollowCursor();
}

int TKR_DBGrid::CurrentColumn() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.column() : 0;
}

int TKR_DBGrid::ColumnCount() const
{
    return m_model->columnCount();
}

void TKR_DBGrid::SetCurrentColumn(int column)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || column < 0 || column >= ColumnCount()) return;
    const QModelIndex index = m_model->index(current.row(), column);
    m_syncing = true;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    m_syncing = false;
    scrollTo(index);
}

void TKR_DBGrid::Navigate(const std::function<void(TDataSet&)>& move)
{
    if (!DataSet() || !DataSet()->Active()) return;
    try {
        move(*DataSet());
    } catch (const EDatabaseError& error) {
        ShowDatabaseError(error);
    }
}

TField* TKR_DBGrid::FieldOfColumn(int column) const
{
    return m_model->FieldAt(column);
}

// --- options and looks ---

void TKR_DBGrid::SetKeyFieldName(const QString& name)
{
    m_keyFieldName = name;
    ForgetMarkCache();
    Repaint();
}

void TKR_DBGrid::SetGrid3D(bool grid3D)
{
    m_grid3D = grid3D;
    horizontalHeader()->viewport()->update();
    Repaint();
}

void TKR_DBGrid::SetAlwaysShowSelection(bool show)
{
    m_alwaysShowSelection = show;
    Repaint();
}

bool TKR_DBGrid::ShowTitles() const
{
    return !horizontalHeader()->isHidden();
}

void TKR_DBGrid::SetShowTitles(bool show)
{
    horizontalHeader()->setVisible(show);
}

bool TKR_DBGrid::ShowIndicator() const
{
    return !verticalHeader()->isHidden();
}

void TKR_DBGrid::SetShowIndicator(bool show)
{
    verticalHeader()->setVisible(show);
}

void TKR_DBGrid::SetRowLines(bool lines)
{
    m_rowLines = lines;
    Repaint();
}

void TKR_DBGrid::SetColLines(bool lines)
{
    m_colLines = lines;
    Repaint();
}

void TKR_DBGrid::SetFixedColor(const QColor& color)
{
    m_fixedColor = color;
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
}

void TKR_DBGrid::SetStatusLabel(QLabel* label)
{
    m_statusLabel = label;
    m_marks.SetCounterLabel(label);
}

void TKR_DBGrid::ApplyFont()
{
    const auto& settings = SetupBlock.AnzeigeEinstellungen;
    if (settings && !settings->FontName.isEmpty()) {
        QFont font(settings->FontName);
        if (settings->FontSize > 0) font.setPointSize(settings->FontSize);
        setFont(font);
        horizontalHeader()->setFont(font);
    }
    // The text sits TextIndent below the top of its cell, the row line at the bottom.
    const int rowHeight = fontMetrics().height() + TextIndent + 3;
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(horizontalHeader()->fontMetrics().height() + 6);
    ApplyColumnWidths();
}

void TKR_DBGrid::ApplyColumnWidths()
{
    const QFontMetrics metrics = fontMetrics();
    const QFontMetrics titleMetrics = horizontalHeader()->fontMetrics();
    const int digit = metrics.horizontalAdvance(u'0');
    for (int column = 0; column < ColumnCount(); ++column) {
        const TField* field = FieldOfColumn(column);
        if (!field) continue;
        int width = field->DisplayWidth() * digit + 2 * TextIndent;
        if (ShowTitles())
            width = std::max(width, titleMetrics.horizontalAdvance(field->DisplayLabel()) +
                                        2 * TextIndent);
        horizontalHeader()->resizeSection(column, width);
    }
}

void TKR_DBGrid::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        horizontalHeader()->setFont(font());
        const int rowHeight = fontMetrics().height() + TextIndent + 3;
        verticalHeader()->setDefaultSectionSize(rowHeight);
        horizontalHeader()->setFixedHeight(horizontalHeader()->fontMetrics().height() + 6);
        ApplyColumnWidths();
    }
}

void TKR_DBGrid::Repaint()
{
    viewport()->update();
    verticalHeader()->viewport()->update();
}

// --- painting ---

bool TKR_DBGrid::CellHighlighted(const QModelIndex& index) const
{
    return index.isValid() && index == currentIndex() && (m_alwaysShowSelection || hasFocus());
}

void TKR_DBGrid::ForgetMarkCache() const
{
    m_lastCheckedValid = false;
}

bool TKR_DBGrid::RecordMarked(int recNo) const
{
    if (m_marks.Count() == 0 || !DataSet() || recNo < 1) return false;
    const TField* key = DataSet()->FindField(m_keyFieldName);
    if (!key) return false;
    const TDataSet::TRecordView view(*DataSet(), recNo);
    int value = 0;
    try {
        value = key->AsInteger();
    } catch (const EDatabaseError&) {
        return false;
    }
    // A row's cells ask one after another; the key of the last row asked is remembered.
    if (!m_lastCheckedValid || value != m_lastCheckedKey) {
        m_lastCheckedKey = value;
        m_lastCheckedMarked = m_marks.FindKey(value) > 0;
        m_lastCheckedValid = true;
    }
    return m_lastCheckedMarked;
}

bool TKR_DBGrid::CurrentRecordMarked() const
{
    return RecordMarked(RecNo());
}

void TKR_DBGrid::PaintCell(QPainter& painter, const QRect& rect, const QModelIndex& index)
{
    const QPalette& colours = palette();
    QColor brush = colours.color(QPalette::Base);
    QColor pen = colours.color(QPalette::Text);
    TField* field = FieldOfColumn(index.column());
    const int recNo = m_model->RecNoOfRow(index.row());

    bool highlighted = CellHighlighted(index);
    if (highlighted && index.column() == 0) m_selectedRowPainted = true;
    if (index == currentIndex()) m_currentCellPainted = true;
    if (RecordMarked(recNo)) {
        // Black would hardly show on the dark green of the selected cell.
        if (highlighted) pen = colours.color(QPalette::HighlightedText);
        brush = DelphiColor(highlighted ? MarkedSelectedColor : MarkedColor);
        highlighted = false;
    } else if (highlighted) {
        brush = colours.color(QPalette::Highlight);
        pen = colours.color(QPalette::HighlightedText);
    }

    painter.save();
    painter.setClipRect(rect);
    painter.setBrush(brush);
    painter.setPen(pen);
    if (field && recNo > 0) {
        const TDataSet::TRecordView view(*DataSet(), recNo);
        const QString upperName = UpperCase(field->FieldName());
        const auto custom = std::find_if(m_painters.begin(), m_painters.end(), [&](const auto& p) {
            return p.FieldName == upperName && p.Owner;
        });
        if (custom != m_painters.end()) {
            custom->Paint(this, painter, rect, *field, highlighted);
        } else {
            painter.fillRect(rect, brush);
            const QRect textRect = rect.adjusted(TextIndent, TextIndent, -TextIndent, 0);
            const Qt::Alignment align = RightAligned(*field) ? Qt::AlignRight : Qt::AlignLeft;
            painter.drawText(textRect, align | Qt::AlignTop | Qt::TextSingleLine,
                             field->DisplayText());
        }
    } else {
        painter.fillRect(rect, brush);
    }
    painter.restore();

    painter.save();
    painter.setPen(DelphiColor(clSilver));
    if (m_rowLines) painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    if (m_colLines) painter.drawLine(rect.topRight(), rect.bottomRight());
    if (index == currentIndex() && hasFocus()) {
        QPen focus(colours.color(highlighted ? QPalette::HighlightedText : QPalette::Text));
        focus.setStyle(Qt::DotLine);
        painter.setPen(focus);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

void TKR_DBGrid::paintEvent(QPaintEvent* event)
{
    m_selectedRowPainted = false;
    m_currentCellPainted = false;
    QTableView::paintEvent(event);
    if (ShowTitles() && !m_rowLines) {
        QPainter painter(viewport());
        painter.setPen(Qt::black);
        painter.drawLine(0, 0, viewport()->width(), 0);
    }
    // Raised after the paint, not inside it: handlers read fields of the current record.
    if (m_currentCellPainted) UpdateStatus();
    if (m_selectedRowPainted && OnRowSelect) OnRowSelect(this);
}

void TKR_DBGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    Repaint();
}

void TKR_DBGrid::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    Repaint();
}

bool TKR_DBGrid::RegisterPainter(const QString& fieldName, TCellPainter painter, QObject* owner)
{
    if (int(m_painters.size()) >= MaxPainters) return false;
    m_painters.push_back({UpperCase(fieldName), std::move(painter), owner});
    Repaint();
    return true;
}

// --- status ---

bool TKR_DBGrid::InactiveMdiChild() const
{
    for (QWidget* widget = parentWidget(); widget; widget = widget->parentWidget()) {
        if (auto* child = qobject_cast<QMdiSubWindow*>(widget)) {
            const QMdiArea* area = child->mdiArea();
            return area && area->activeSubWindow() != child;
        }
    }
    return false;
}

void TKR_DBGrid::UpdateStatus()
{
    // While code walks the set the grid is suspended; it reports once the walk is over.
    if (InactiveMdiChild() || (DataSet() && DataSet()->ControlsDisabled())) return;
    const int recNo = RecNo();
    if (DataSet() && DataSet()->Active() && m_statusLabel && hasFocus()) {
        QString text = QStringLiteral("%1 / %2").arg(recNo).arg(DataSet()->RecordCount());
        bool bold = true;
        if (m_rangeStart > 0)
            text += QStringLiteral(" / (%1:?)").arg(m_rangeStart);
        else if (m_marks.Count() > 0)
            text += QStringLiteral(" / (%1)").arg(m_marks.Count());
        else
            bold = false;
        QFont font = m_statusLabel->font();
        font.setBold(bold);
        m_statusLabel->setFont(font);
        m_statusLabel->setText(text);
    }
    if (recNo != m_lastReportedRecNo) {
        m_lastReportedRecNo = recNo;
        if (OnChangeRow) OnChangeRow(this);
    }
}

void TKR_DBGrid::AfterNavigate() {}

// --- marks ---

int TKR_DBGrid::FieldInteger(const QString& name) const
{
    const TField* field = DataSet() ? DataSet()->FindField(name) : nullptr;
    if (!field) return 0;
    try {
        return field->AsInteger();
    } catch (const EDatabaseError&) {
        return 0;
    }
}

int TKR_DBGrid::KeyValueOfCurrent() const
{
    return FieldInteger(m_keyFieldName);
}

void TKR_DBGrid::ToggleMark()
{
    const int recNo = RecNo();
    if (recNo == 0) return;
    // Without a key field every record would carry the key 0 and a second mark would remove
    // the first; the record number tells the marks apart instead.
    const bool keyed = DataSet()->FindField(m_keyFieldName) != nullptr;
    const int key = KeyValueOfCurrent();
    const int index = keyed ? m_marks.FindKey(key) : m_marks.FindRecNo(recNo);
    if (index > 0)
        m_marks.RemoveMark(index);
    else
        m_marks.AddMark(key, FieldInteger(QStringLiteral("SyncID")), recNo,
                        DataSet()->GetBookmark());
    Repaint();
    UpdateStatus();
}

void TKR_DBGrid::ClearAllMarks()
{
    if (m_marks.Count() == 0) return;
    m_marks.ClearMarks();
    Repaint();
    UpdateStatus();
}

void TKR_DBGrid::AskClearAllMarks()
{
    if (AskMessageDlg(QString(), QStringLiteral("Wollen Sie alle Markierungen zurücksetzen")))
        ClearAllMarks();
}

void TKR_DBGrid::MarkAll()
{
    if (RecNo() == 0) return;
    const TKR_Hourglass hourglass;
    const int row = CurrentRow();
    const TBookmark back = DataSet()->GetBookmark();
    DataSet()->DisableControls();
    try {
        m_marks.ClearMarks();
        DataSet()->First();
        do {
            m_marks.AddMark(KeyValueOfCurrent(), FieldInteger(QStringLiteral("SyncID")), RecNo(),
                            DataSet()->GetBookmark());
            DataSet()->Next();
        } while (!DataSet()->Eof());
        DataSet()->GotoBookmark(back);
    } catch (const EDatabaseError&) {
    }
    DataSet()->EnableControls();
    RestoreRow(row);
    Repaint();
    UpdateStatus();
}

void TKR_DBGrid::ClearRange()
{
    m_rangeStart = 0;
    m_rangeBookmark = TBookmark();
}

void TKR_DBGrid::MarkRange(bool mark)
{
    const int recNo = RecNo();
    if (recNo == 0) return;
    if (m_rangeStart == 0) {
        m_rangeStart = recNo;
        m_rangeBookmark = DataSet()->GetBookmark();
        UpdateStatus();
        return;
    }
    const int start = m_rangeStart;
    ClearRange();
    if (recNo == start) {
        ToggleMark();
        return;
    }
    const int from = std::min(start, recNo);
    const int to = std::max(start, recNo);
    const QString question =
        mark ? QStringLiteral("Wollen Sie die Datensätze von @VAR1@ bis @VAR2@ markieren")
             : QStringLiteral("Wollen Sie die markierten Datensätze im Bereich von @VAR1@ bis "
                              "@VAR2@ zurücksetzen");
    const QString text = QString(question)
                             .replace(QStringLiteral("@VAR1@"), QString::number(from))
                             .replace(QStringLiteral("@VAR2@"), QString::number(to));
    if (AskMessageDlg(QStringLiteral("Bereiche bearbeiten"), text))
        ReplaceRange(mark, from, to, recNo);
    UpdateStatus();
}

void TKR_DBGrid::ReplaceRange(bool mark, int from, int to, int startRecNo)
{
    const TKR_Hourglass hourglass;
    const int row = CurrentRow();
    const TBookmark back = DataSet()->GetBookmark();
    DataSet()->DisableControls();
    for (int i = m_marks.Count(); i >= 1; --i) {
        const int marked = m_marks.DataAt(i)->RecNo;
        if (marked >= from && marked <= to) m_marks.RemoveMark(i);
    }
    if (mark) {
        try {
            if (startRecNo != from) DataSet()->SetRecNo(from);
            while (RecNo() <= to) {
                m_marks.AddMark(KeyValueOfCurrent(), FieldInteger(QStringLiteral("SyncID")),
                                RecNo(), DataSet()->GetBookmark());
                DataSet()->Next();
                if (DataSet()->Eof()) break;
            }
        } catch (const EDatabaseError&) {
            // A record that cannot be reached ends the range here.
        }
    }
    try {
        DataSet()->GotoBookmark(back);
    } catch (const EDatabaseError&) {
    }
    DataSet()->EnableControls();
    RestoreRow(row);
    Repaint();
}

// --- copying ---

void TKR_DBGrid::CopyRows()
{
    if (!DataSet() || !DataSet()->Active()) return;
    const TKR_Hourglass hourglass;
    TKR_ExportSystem exporter(DataSet(), nullptr);
    const int row = CurrentRow();
    const TBookmark back = DataSet()->GetBookmark();
    DataSet()->DisableControls();
    try {
        exporter.Start(std::max(1, m_marks.Count()), SetupBlock.CopyWithTitles);
        if (m_marks.Count() == 0) {
            if (!DataSet()->IsEmpty()) exporter.WriteRecord();
        } else {
            for (const TKR_Mark* marked : m_marks) {
                // A mark whose record the set no longer shows is left out, not the copy.
                if (!DataSet()->BookmarkValid(marked->Bookmark)) continue;
                DataSet()->GotoBookmark(marked->Bookmark);
                exporter.WriteRecord();
            }
        }
        QGuiApplication::clipboard()->setText(exporter.Text());
        if (SetupBlock.ClearMarksAfterCopy) ClearAllMarks();
        if (!back.IsNull()) DataSet()->GotoBookmark(back);
    } catch (const EDatabaseError&) {
    } catch (const std::exception&) {
    }
    DataSet()->EnableControls();
    RestoreRow(row);
    Repaint();
    UpdateStatus();
}

// --- rows on screen ---

int TKR_DBGrid::VisibleRowCount() const
{
    const int rowHeight = std::max(1, verticalHeader()->defaultSectionSize());
    return std::max(1, viewport()->height() / rowHeight);
}

int TKR_DBGrid::RowCount() const
{
    const int titles = ShowTitles() ? 1 : 0;
    const int records = m_model->rowCount();
    return titles + std::max(1, std::min(VisibleRowCount(), records));
}

int TKR_DBGrid::CurrentRow() const
{
    const int titles = ShowTitles() ? 1 : 0;
    const int recNo = RecNo();
    if (recNo == 0) return titles;
    const int top = std::max(0, rowAt(0));
    return titles + (recNo - 1 - top);
}

void TKR_DBGrid::RestoreRow(int row)
{
    const int recNo = RecNo();
    if (recNo == 0) return;
    const int titles = ShowTitles() ? 1 : 0;
    const int wanted = std::clamp(row - titles, 0, VisibleRowCount() - 1);
    // With ScrollPerItem the view's own (hidden) bar counts rows.
    verticalScrollBar()->setValue(std::max(0, recNo - 1 - wanted));
    scrollTo(currentIndex(), QAbstractItemView::EnsureVisible);
}

// --- scrolling ---

void TKR_DBGrid::updateGeometries()
{
    QTableView::updateGeometries();
    SyncRecordBar();
}

void TKR_DBGrid::SyncRecordBar()
{
    const QSignalBlocker blocker(m_recordBar);
    const int count = DataSet() && DataSet()->Active() ? DataSet()->RecordCount() : 0;
    m_recordBar->setRange(count > 0 ? 1 : 0, count);
    m_recordBar->setPageStep(std::max(1, RowCount() - 1));
    m_recordBar->setValue(RecNo());
    m_recordBar->setEnabled(count > 1);
}

void TKR_DBGrid::RecordBarAction(int action)
{
    if (RecNo() == 0) return;
    const int page = RowCount() - 1;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        Navigate([](TDataSet& d) { d.Next(); });
        break;
    case QAbstractSlider::SliderSingleStepSub:
        Navigate([](TDataSet& d) { d.Prior(); });
        break;
    case QAbstractSlider::SliderPageStepAdd:
        Navigate([page](TDataSet& d) { d.MoveBy(page); });
        break;
    case QAbstractSlider::SliderPageStepSub:
        Navigate([page](TDataSet& d) { d.MoveBy(-page); });
        break;
    case QAbstractSlider::SliderToMinimum:
        Navigate([](TDataSet& d) { d.First(); });
        break;
    case QAbstractSlider::SliderToMaximum:
        Navigate([](TDataSet& d) { d.Last(); });
        break;
    case QAbstractSlider::SliderMove: {
        // Dragging does nothing until the thumb is released (or the wheel turns on the bar).
        if (m_recordBar->isSliderDown()) return;
        const TKR_Hourglass hourglass;
        const int distance = m_recordBar->sliderPosition() - RecNo();
        Navigate([distance](TDataSet& d) { d.MoveBy(distance); });
        break;
    }
    default:
        return;
    }
    AfterNavigate();
    // The slider applies its position after this signal; it is to show the record reached.
    m_recordBar->setSliderPosition(RecNo());
}

void TKR_DBGrid::wheelEvent(QWheelEvent* event)
{
    m_wheelRest += event->angleDelta().y();
    const int notches = m_wheelRest / 120;
    m_wheelRest %= 120;
    if (notches != 0) Navigate([notches](TDataSet& d) { d.MoveBy(-notches); });
    event->accept();
}

void TKR_DBGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    if (DataSet() && DataSet()->ControlsDisabled()) return;
    if (currentIndex().isValid()) scrollTo(currentIndex(), QAbstractItemView::EnsureVisible);
    SyncRecordBar();
    PlaceProgress();
}

// --- keyboard and mouse ---

void TKR_DBGrid::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (ctrl && m_markierungErlaubt && (event->key() == Qt::Key_B || event->key() == Qt::Key_D)) {
        MarkRange(event->key() == Qt::Key_B);
        QTableView::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    QChar key = text.size() == 1 ? text.at(0) : QChar();
    if (key == u' ' && m_markierungErlaubt && state() != QAbstractItemView::EditingState) {
        ToggleMark();
        Navigate([](TDataSet& d) { d.Next(); });
    }
    if (!key.isNull() && OnKeyPress) {
        OnKeyPress(this, key);
        if (key.isNull()) {
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
    if (m_searchByHotKey && key.unicode() >= 33 && key.unicode() <= 250) SearchHotKey(key);
}

void TKR_DBGrid::keyboardSearch(const QString&)
{
    // The view's own search over the display texts is not the grid's: see SearchHotKey.
}

void TKR_DBGrid::SearchHotKey(QChar key)
{
    auto* table = qobject_cast<TTable*>(DataSet());
    if (!table || !table->Active()) return;
    try {
        table->FindNearest({QString(UpCaseChar(key))});
    } catch (const EDatabaseError&) {
    }
}

void TKR_DBGrid::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    const Qt::KeyboardModifiers shift = event->modifiers();
    if (m_markierungErlaubt && focusPolicy() != Qt::NoFocus) {
        if (event->button() == Qt::LeftButton && (shift & Qt::ControlModifier))
            MarkRange(!(shift & Qt::AltModifier));
        else if ((event->button() == Qt::LeftButton && (shift & Qt::ShiftModifier)) ||
                 event->button() == Qt::MiddleButton)
            ToggleMark();
    }
    if (OnMyMouseDown) {
        const QPoint at = viewport()->mapTo(this, event->position().toPoint());
        OnMyMouseDown(this, event->button(), shift, at.x(), at.y());
    }
}

void TKR_DBGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    if (OnMyMouseUp) {
        const QPoint at = viewport()->mapTo(this, event->position().toPoint());
        OnMyMouseUp(this, event->button(), event->modifiers(), at.x(), at.y());
    }
}

void TKR_DBGrid::mouseMoveEvent(QMouseEvent* event)
{
    QTableView::mouseMoveEvent(event);
    if (OnMyMouseMove) {
        const QPoint at = viewport()->mapTo(this, event->position().toPoint());
        OnMyMouseMove(this, event->buttons(), event->modifiers(), at.x(), at.y());
    }
}

// --- progress ---

void TKR_DBGrid::StartProgress(const QString& caption)
{
    m_abortRequested = false;
    if (!m_progressButton) {
        m_progressButton = new QPushButton(this);
        m_progressPanel = new QProgressBar(this);
        m_progressPanel->setRange(0, 100);
        m_progressPanel->setTextVisible(true);
        connect(m_progressButton, &QPushButton::clicked, this, [this] { m_abortRequested = true; });
    }
    m_progressButton->setText(caption);
    m_progressPanel->setValue(0);
    PlaceProgress();
    m_progressButton->show();
    m_progressPanel->show();
}

void TKR_DBGrid::SetProgress(int percent)
{
    if (m_progressPanel) m_progressPanel->setValue(std::clamp(percent, 0, 100));
}

void TKR_DBGrid::EndProgress()
{
    delete m_progressButton;
    delete m_progressPanel;
    m_progressButton = nullptr;
    m_progressPanel = nullptr;
}

void TKR_DBGrid::PlaceProgress()
{
    if (!m_progressButton) return;
    const int height = m_progressButton->sizeHint().height();
    const int width = std::max(40, this->width() - 2 * height - 40);
    const int left = (this->width() - width) / 2;
    const int top = (this->height() - height) / 2;
    m_progressButton->setGeometry(left, top, width, height);
    m_progressPanel->setGeometry(std::max(0, left - 2 * height), top, 2 * height, height);
}
