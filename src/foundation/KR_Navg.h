#pragma once

#include "foundation/Kr_vcldb.h"
#include "platform/Dataset.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <initializer_list>

class QAbstractButton;
class TKR_NavButton;

// The navigator's buttons, in their order on the bar: the form library's navigator buttons
// with page back after first, page forward after next, and mark and goto at the end.
enum class TKR_NavigateBtn
{
    First,
    PageBack,
    Prior,
    Next,
    PageForward,
    Last,
    Insert,
    Delete,
    Edit,
    Post,
    Cancel,
    Refresh,
    Mark,
    Goto,
};

constexpr int NavigateBtnCount = 14;

// A set of navigator buttons.
class TKR_NavButtons
{
public:
    constexpr TKR_NavButtons() = default;
    TKR_NavButtons(std::initializer_list<TKR_NavigateBtn> buttons);

    // The first twelve: all but mark and goto.
    static TKR_NavButtons Default();
    static TKR_NavButtons All();

    bool Contains(TKR_NavigateBtn button) const { return m_bits & Bit(button); }
    void Include(TKR_NavigateBtn button) { m_bits |= Bit(button); }
    void Exclude(TKR_NavigateBtn button) { m_bits &= ~Bit(button); }
    int Count() const;
    bool operator==(const TKR_NavButtons&) const = default;

private:
    static quint32 Bit(TKR_NavigateBtn button) { return 1u << int(button); }
    quint32 m_bits = 0;
};

// A bar of 14 speed buttons that moves a data set: first, page back, prior, next, page
// forward, last, insert, delete, edit, post, cancel, refresh, mark and goto. A page is the
// linked grid's RowCount - 1 records (50 until a grid is linked). Holding prior or next
// repeats it. The engine's data sets are read-only: insert to refresh do nothing and stay
// disabled.
class TKR_DBNavigator : public QWidget
{
    Q_OBJECT

public:
    using TNavClickEvent = std::function<void(TKR_DBNavigator* sender, TKR_NavigateBtn button)>;

    static constexpr int DefaultPageSize = 50;

    explicit TKR_DBNavigator(QWidget* parent = nullptr);
    ~TKR_DBNavigator() override;

    TKR_DataSource* DataSource() const { return m_link.DataSource(); }
    void SetDataSource(TKR_DataSource* dataSource);
    TDataSet* DataSet() const { return m_link.DataSet(); }

    TKR_DBGrid* KRGrid() const { return m_grid; }
    void SetKRGrid(TKR_DBGrid* grid);

    TKR_NavButtons VisibleButtons() const { return m_visibleButtons; }
    void SetVisibleButtons(const TKR_NavButtons& buttons);

    // Line n replaces the hint of button n; empty lines keep the default.
    QStringList Hints() const { return m_hints; }
    void SetHints(const QStringList& hints);
    QString Hint(TKR_NavigateBtn button) const;

    // Kept for the forms that set it; delete performs no data action.
    bool ConfirmDelete() const { return m_confirmDelete; }
    void SetConfirmDelete(bool confirm) { m_confirmDelete = confirm; }

    // Whether the navigator takes the keyboard focus (arrows choose a button, space clicks).
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool tabStop);

    int PageSize() const { return m_pageSize; }
    bool HasBookmark() const { return !m_bookmark.IsNull(); }
    QAbstractButton* Button(TKR_NavigateBtn button) const;
    TKR_NavigateBtn FocusedButton() const { return m_focusedButton; }

    // Performs the button's action when the data set is open (then the grid's
    // AfterNavigate), and raises OnClick. Engine errors reach the caller.
    void BtnClick(TKR_NavigateBtn button);
    // Enables the buttons by the data set's state.
    void UpdateButtons();

    TNavClickEvent OnClick;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class TKR_NavButton;

    void LayoutButtons();
    void ButtonClicked(TKR_NavigateBtn button);
    void ButtonPressed(TKR_NavigateBtn button);
    void MoveFocus(int step);
    void RepaintButtons();

    std::array<TKR_NavButton*, NavigateBtnCount> m_buttons{};
    QPointer<TKR_DBGrid> m_grid;
    TKR_NavButtons m_visibleButtons = TKR_NavButtons::Default();
    QStringList m_hints;
    bool m_confirmDelete = true;
    int m_pageSize = DefaultPageSize;
    TBookmark m_bookmark;
    TKR_NavigateBtn m_focusedButton = TKR_NavigateBtn::First;
    TKR_DataLink m_link;
};
