#include "foundation/KR_Navg.h"

#include "app/KR_Bitmap.h"
#include "app/KR_DLG.h"
#include "foundation/KR_Colors.h"
#include "foundation/KR_DataSource.h"
#include "foundation/KR_Graph.h"
#include "foundation/Kr_vcldb.h"
#include "platform/DatabaseError.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>
#include <bit>

// The glyphs live in navigator.qrc inside the static gui library; registering them here makes
// the linker keep them. (The macro must not stand inside a namespace.)
static void InitGlyphResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(navigator);
        return true;
    }();
    Q_UNUSED(done);
}

namespace {

constexpr int ButtonWidth = 20;
constexpr int MinButtonWidth = 19;
constexpr int MinButtonHeight = 18;
constexpr int DefaultHeight = 25;
constexpr int RepeatDelay = 400;
constexpr int RepeatInterval = 100;

const std::array<const char*, NavigateBtnCount> GlyphNames = {
    "FIRST",  "RW",   "PRIOR", "NEXT",   "FF",      "LAST", "INSERT",
    "DELETE", "EDIT", "POST",  "CANCEL", "REFRESH", "MARK", "GOTO"};

const std::array<const char*, NavigateBtnCount> DefaultHints = {
    "Erster Datensatz",    "Eine Seite zurück", "Vorheriger Datensatz", "Nächster Datensatz",
    "Eine Seite vorwärts", "Letzter Datensatz", "New record",           "Delete record",
    "Edit record",         "Post changes",      "Cancel changes",       "Refresh file",
    "Set Bookmark",        "Goto Bookmark"};

// A program may replace a glyph by a bitmap "DBX_<name>".
QPixmap LoadGlyph(TKR_NavigateBtn button)
{
    InitGlyphResources();
    const QString name = QString::fromLatin1(GlyphNames[size_t(button)]);
    QPixmap glyph;
    if (LoadBitmapResource(QString(), QStringLiteral("DBX_") + name, glyph)) return glyph;
    LoadBitmapResource(QString(), QStringLiteral("DBN_") + name, glyph);
    return glyph;
}

// The disabled state of a glyph: its shape embossed, white under grey.
QPixmap DisabledGlyph(const QPixmap& glyph)
{
    if (glyph.isNull()) return glyph;
    QPixmap result(glyph.size() + QSize(1, 1));
    result.fill(Qt::transparent);
    QPainter painter(&result);
    auto shape = [&](const QColor& colour) {
        QPixmap tinted(glyph.size());
        tinted.fill(Qt::transparent);
        QPainter tint(&tinted);
        tint.drawPixmap(0, 0, glyph);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(tinted.rect(), colour);
        return tinted;
    };
    painter.drawPixmap(1, 1, shape(DelphiColor(clBtnHighlight)));
    painter.drawPixmap(0, 0, shape(DelphiColor(clBtnShadow)));
    return result;
}

bool Repeats(TKR_NavigateBtn button)
{
    return button == TKR_NavigateBtn::Prior || button == TKR_NavigateBtn::Next;
}

} // namespace

// One speed button of the navigator: a raised face with its glyph, sunken while pressed.
class TKR_NavButton : public QAbstractButton
{
public:
    TKR_NavButton(TKR_DBNavigator* navigator, TKR_NavigateBtn kind)
        : QAbstractButton(navigator), m_navigator(navigator), m_kind(kind),
          m_glyph(LoadGlyph(kind)), m_disabledGlyph(DisabledGlyph(m_glyph))
    {
        setFocusPolicy(Qt::NoFocus);
        if (Repeats(kind)) {
            setAutoRepeat(true);
            setAutoRepeatDelay(RepeatDelay);
            setAutoRepeatInterval(RepeatInterval);
        }
    }

    TKR_NavigateBtn Kind() const { return m_kind; }

    QSize sizeHint() const override { return {ButtonWidth, MinButtonHeight}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QRect face = rect();
        const bool down = isDown();
        painter.fillRect(face, DelphiColor(clBtnFace));
        if (down) {
            Frame3D(painter, face, DelphiColor(clBlack), DelphiColor(clBtnHighlight), 1);
            Frame3D(painter, face, DelphiColor(clBtnShadow), DelphiColor(clBtnFace), 1);
        } else {
            Frame3D(painter, face, DelphiColor(clBtnHighlight), DelphiColor(clBlack), 1);
            Frame3D(painter, face, DelphiColor(clBtnFace), DelphiColor(clBtnShadow), 1);
        }
        const QPixmap& glyph = isEnabled() ? m_glyph : m_disabledGlyph;
        if (!glyph.isNull()) {
            const QSize size = glyph.deviceIndependentSize().toSize();
            QPoint at((width() - size.width()) / 2, (height() - size.height()) / 2);
            if (down) at += QPoint(1, 1);
            painter.drawPixmap(at, glyph);
        }
        if (m_navigator->hasFocus() && m_navigator->FocusedButton() == m_kind) {
            QRect focus = rect().adjusted(3, 3, -4, -4);
            if (down) focus.translate(1, 1);
            QPen pen(Qt::black);
            pen.setStyle(Qt::DotLine);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(focus);
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        m_navigator->ButtonPressed(m_kind);
        QAbstractButton::mousePressEvent(event);
    }

private:
    TKR_DBNavigator* m_navigator;
    TKR_NavigateBtn m_kind;
    QPixmap m_glyph;
    QPixmap m_disabledGlyph;
};

// --- TKR_NavButtons ---

TKR_NavButtons::TKR_NavButtons(std::initializer_list<TKR_NavigateBtn> buttons)
{
    for (TKR_NavigateBtn button : buttons)
        Include(button);
}

TKR_NavButtons TKR_NavButtons::Default()
{
    TKR_NavButtons buttons = All();
    buttons.Exclude(TKR_NavigateBtn::Mark);
    buttons.Exclude(TKR_NavigateBtn::Goto);
    return buttons;
}

TKR_NavButtons TKR_NavButtons::All()
{
    TKR_NavButtons buttons;
    buttons.m_bits = (1u << NavigateBtnCount) - 1;
    return buttons;
}

int TKR_NavButtons::Count() const
{
    return std::popcount(m_bits);
}

// --- TKR_DBNavigator ---

TKR_DBNavigator::TKR_DBNavigator(QWidget* parent)
    : QWidget(parent), m_link(this, {.Bound =
                                         [this] {
                                             m_bookmark = TBookmark();
                                             UpdateButtons();
                                         },
                                     .ActiveChanged = [this] { UpdateButtons(); },
                                     .DataChanged = [this] { UpdateButtons(); },
                                     .CurrentChanged = [this] { UpdateButtons(); },
                                     .LayoutChanged = [this] { UpdateButtons(); }})
{
    for (int i = 0; i < NavigateBtnCount; ++i) {
        const auto kind = TKR_NavigateBtn(i);
        auto* button = new TKR_NavButton(this, kind);
        connect(button, &QAbstractButton::clicked, this, [this, kind] { ButtonClicked(kind); });
        m_buttons[size_t(i)] = button;
    }
    setFocusPolicy(Qt::NoFocus);
    SetHints({});
    resize(sizeHint().width(), DefaultHeight);
    LayoutButtons();
    UpdateButtons();
}

TKR_DBNavigator::~TKR_DBNavigator() = default;

QAbstractButton* TKR_DBNavigator::Button(TKR_NavigateBtn button) const
{
    return m_buttons[size_t(button)];
}

void TKR_DBNavigator::SetDataSource(TKR_DataSource* dataSource)
{
    m_link.SetDataSource(dataSource);
}

void TKR_DBNavigator::SetKRGrid(TKR_DBGrid* grid)
{
    m_grid = grid;
}

void TKR_DBNavigator::SetVisibleButtons(const TKR_NavButtons& buttons)
{
    m_visibleButtons = buttons;
    if (!m_visibleButtons.Contains(m_focusedButton)) MoveFocus(1);
    updateGeometry();
    LayoutButtons();
}

void TKR_DBNavigator::SetHints(const QStringList& hints)
{
    m_hints = hints;
    for (int i = 0; i < NavigateBtnCount; ++i)
        m_buttons[size_t(i)]->setToolTip(Hint(TKR_NavigateBtn(i)));
}

QString TKR_DBNavigator::Hint(TKR_NavigateBtn button) const
{
    const int i = int(button);
    if (i < m_hints.size() && !m_hints[i].isEmpty()) return m_hints[i];
    return QString::fromUtf8(DefaultHints[size_t(i)]);
}

void TKR_DBNavigator::SetTabStop(bool tabStop)
{
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
}

QSize TKR_DBNavigator::sizeHint() const
{
    return {std::max(1, m_visibleButtons.Count()) * ButtonWidth + 1, DefaultHeight};
}

QSize TKR_DBNavigator::minimumSizeHint() const
{
    return {std::max(1, m_visibleButtons.Count()) * MinButtonWidth + 1, MinButtonHeight};
}

void TKR_DBNavigator::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutButtons();
}

// The visible buttons share the width; the pixels left over go one each to the first ones.
void TKR_DBNavigator::LayoutButtons()
{
    const int count = m_visibleButtons.Count();
    if (count == 0) {
        for (TKR_NavButton* button : m_buttons)
            button->hide();
        return;
    }
    const int each = width() / count;
    int spare = width() - each * count;
    int left = 0;
    for (TKR_NavButton* button : m_buttons) {
        if (!m_visibleButtons.Contains(button->Kind())) {
            button->setGeometry(width() + 1, 0, each, height());
            button->hide();
            continue;
        }
        const int buttonWidth = each + (spare > 0 ? 1 : 0);
        if (spare > 0) --spare;
        button->setGeometry(left, 0, buttonWidth, height());
        button->show();
        left += buttonWidth;
    }
}

void TKR_DBNavigator::UpdateButtons()
{
    const bool active = DataSet() && DataSet()->Active();
    const bool up = active && !DataSet()->Bof();
    const bool down = active && !DataSet()->Eof();
    // A bookmark of an earlier opening (or of a record now outside the set) leads nowhere.
    const bool canGo = active && DataSet()->BookmarkValid(m_bookmark);
    for (TKR_NavButton* button : m_buttons) {
        bool enabled = false;
        switch (button->Kind()) {
        case TKR_NavigateBtn::First:
        case TKR_NavigateBtn::PageBack:
        case TKR_NavigateBtn::Prior:
            enabled = up;
            break;
        case TKR_NavigateBtn::Next:
        case TKR_NavigateBtn::PageForward:
        case TKR_NavigateBtn::Last:
            enabled = down;
            break;
        case TKR_NavigateBtn::Mark:
            enabled = active;
            break;
        case TKR_NavigateBtn::Goto:
            enabled = canGo;
            break;
        default:
            enabled = false; // the engine's data sets cannot be modified
            break;
        }
        button->setEnabled(enabled);
    }
}

void TKR_DBNavigator::BtnClick(TKR_NavigateBtn button)
{
    if (DataSet() && DataSet()->Active()) {
        if (m_grid) m_pageSize = std::max(1, m_grid->RowCount() - 1);
        TDataSet& dataSet = *DataSet();
        switch (button) {
        case TKR_NavigateBtn::First:
            dataSet.First();
            break;
        case TKR_NavigateBtn::PageBack:
            dataSet.MoveBy(-m_pageSize);
            break;
        case TKR_NavigateBtn::Prior:
            dataSet.Prior();
            break;
        case TKR_NavigateBtn::Next:
            dataSet.Next();
            break;
        case TKR_NavigateBtn::PageForward:
            dataSet.MoveBy(m_pageSize);
            break;
        case TKR_NavigateBtn::Last:
            dataSet.Last();
            break;
        case TKR_NavigateBtn::Mark:
            m_bookmark = dataSet.GetBookmark();
            break;
        case TKR_NavigateBtn::Goto:
            if (!m_bookmark.IsNull()) dataSet.GotoBookmark(m_bookmark);
            break;
        default:
            break; // insert to refresh: nothing to do on read-only data
        }
        UpdateButtons();
        if (m_grid) m_grid->AfterNavigate();
    }
    if (OnClick) OnClick(this, button);
}

void TKR_DBNavigator::ButtonClicked(TKR_NavigateBtn button)
{
    try {
        BtnClick(button);
    } catch (const EDatabaseError& error) {
        ShowMessageDlg(QString(), error.Message());
    }
    UpdateButtons();
}

void TKR_DBNavigator::ButtonPressed(TKR_NavigateBtn button)
{
    if (!TabStop()) return;
    m_focusedButton = button;
    setFocus(Qt::MouseFocusReason);
    RepaintButtons();
}

void TKR_DBNavigator::MoveFocus(int step)
{
    int index = int(m_focusedButton);
    for (int tried = 0; tried < NavigateBtnCount; ++tried) {
        index = (index + step + NavigateBtnCount) % NavigateBtnCount;
        if (m_visibleButtons.Contains(TKR_NavigateBtn(index))) {
            m_focusedButton = TKR_NavigateBtn(index);
            break;
        }
    }
    RepaintButtons();
}

void TKR_DBNavigator::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        MoveFocus(-1);
        break;
    case Qt::Key_Right:
        MoveFocus(1);
        break;
    case Qt::Key_Space:
        if (Button(m_focusedButton)->isEnabled()) ButtonClicked(m_focusedButton);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TKR_DBNavigator::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    RepaintButtons();
}

void TKR_DBNavigator::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    RepaintButtons();
}

void TKR_DBNavigator::RepaintButtons()
{
    for (TKR_NavButton* button : m_buttons)
        button->update();
}
