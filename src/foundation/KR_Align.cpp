#include "foundation/KR_Align.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace {

bool TakesRoom(const QLayoutItem* item)
{
    const QWidget* widget = item->widget();
    return widget ? !widget->isHidden() : !item->isEmpty();
}

// The size a docked child keeps: its current geometry, or the hint of a non-widget item.
QSize OwnSize(const QLayoutItem* item)
{
    if (const QWidget* widget = item->widget()) return widget->size();
    return item->sizeHint();
}

} // namespace

TKR_AlignLayout::TKR_AlignLayout(QWidget* parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
    setSizeConstraint(QLayout::SetNoConstraint);
}

TKR_AlignLayout::~TKR_AlignLayout()
{
    for (const Entry& entry : std::as_const(m_entries))
        delete entry.Item;
}

void TKR_AlignLayout::SetAlign(QWidget* widget, TKR_Align align)
{
    if (!widget) return;
    const int index = IndexOf(widget);
    if (align == TKR_Align::None) {
        if (index < 0) return;
        delete m_entries.takeAt(index).Item;
        widget->removeEventFilter(this);
        invalidate();
        return;
    }
    if (index >= 0) {
        m_entries[index].Align = align;
    } else {
        addChildWidget(widget);
        m_entries.append({new QWidgetItem(widget), align});
        widget->installEventFilter(this);
    }
    invalidate();
}

TKR_Align TKR_AlignLayout::AlignOf(const QWidget* widget) const
{
    const int index = IndexOf(widget);
    return index < 0 ? TKR_Align::None : m_entries[index].Align;
}

int TKR_AlignLayout::IndexOf(const QWidget* widget) const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].Item->widget() == widget) return i;
    }
    return -1;
}

void TKR_AlignLayout::addItem(QLayoutItem* item)
{
    m_entries.append({item, TKR_Align::Client});
    if (QWidget* widget = item->widget()) widget->installEventFilter(this);
}

QLayoutItem* TKR_AlignLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries[index].Item : nullptr;
}

QLayoutItem* TKR_AlignLayout::takeAt(int index)
{
    // Also called while a child is being destroyed: its event filter goes with it.
    return index >= 0 && index < m_entries.size() ? m_entries.takeAt(index).Item : nullptr;
}

int TKR_AlignLayout::count() const
{
    return int(m_entries.size());
}

QSize TKR_AlignLayout::sizeHint() const
{
    int width = 0;
    int height = 0;
    QSize client;
    for (const Entry& entry : m_entries) {
        if (!TakesRoom(entry.Item)) continue;
        const QSize own = OwnSize(entry.Item);
        switch (entry.Align) {
        case TKR_Align::Top:
        case TKR_Align::Bottom:
            height += own.height();
            break;
        case TKR_Align::Left:
        case TKR_Align::Right:
            width += own.width();
            break;
        default:
            client = client.expandedTo(entry.Item->sizeHint());
            break;
        }
    }
    const QMargins margins = contentsMargins();
    return QSize(width + client.width() + margins.left() + margins.right(),
                 height + client.height() + margins.top() + margins.bottom());
}

QSize TKR_AlignLayout::minimumSize() const
{
    const QMargins margins = contentsMargins();
    return QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

Qt::Orientations TKR_AlignLayout::expandingDirections() const
{
    return Qt::Horizontal | Qt::Vertical;
}

void TKR_AlignLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    m_placing = true;
    QRect free = contentsRect();
    for (TKR_Align align : {TKR_Align::Top, TKR_Align::Bottom, TKR_Align::Left, TKR_Align::Right})
        PlaceEdge(align, free);
    free.setSize(free.size().expandedTo(QSize(0, 0)));
    for (const Entry& entry : std::as_const(m_entries)) {
        if (entry.Align == TKR_Align::Client && TakesRoom(entry.Item))
            entry.Item->setGeometry(free);
    }
    m_placing = false;
}

void TKR_AlignLayout::PlaceEdge(TKR_Align align, QRect& free)
{
    for (const Entry& entry : std::as_const(m_entries)) {
        if (entry.Align != align || !TakesRoom(entry.Item)) continue;
        const QSize own = OwnSize(entry.Item);
        const int width = std::max(0, free.width());
        const int height = std::max(0, free.height());
        switch (align) {
        case TKR_Align::Top:
            entry.Item->setGeometry(QRect(free.left(), free.top(), width, own.height()));
            free.setTop(free.top() + OwnSize(entry.Item).height());
            break;
        case TKR_Align::Bottom:
            entry.Item->setGeometry(
                QRect(free.left(), free.bottom() + 1 - own.height(), width, own.height()));
            free.setBottom(free.bottom() - OwnSize(entry.Item).height());
            break;
        case TKR_Align::Left:
            entry.Item->setGeometry(QRect(free.left(), free.top(), own.width(), height));
            free.setLeft(free.left() + OwnSize(entry.Item).width());
            break;
        case TKR_Align::Right:
            entry.Item->setGeometry(
                QRect(free.right() + 1 - own.width(), free.top(), own.width(), height));
            free.setRight(free.right() - OwnSize(entry.Item).width());
            break;
        default:
            break;
        }
    }
}

bool TKR_AlignLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && !m_placing && watched->isWidgetType() &&
        IndexOf(static_cast<QWidget*>(watched)) >= 0)
        invalidate();
    return QLayout::eventFilter(watched, event);
}

void SetAlign(QWidget* widget, TKR_Align align)
{
    QWidget* parent = widget ? widget->parentWidget() : nullptr;
    if (!parent) return;
    auto* layout = dynamic_cast<TKR_AlignLayout*>(parent->layout());
    if (!layout) {
        if (parent->layout() || align == TKR_Align::None) return;
        layout = new TKR_AlignLayout(parent);
    }
    layout->SetAlign(widget, align);
}
