#include "foundation/KR_Graph.h"

#include "foundation/KR_Colors.h"

#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <exception>

namespace {

constexpr int kSideZone = 5;
// The sunken edge of TKR_BorderStyle::Single: the colours of today's Windows client edge.
constexpr TColor kEdgeDarkShadow = 0x696969;
constexpr TColor kEdgeLight = 0xE3E3E3;
constexpr int kSingleBorderDepth = 2;

} // namespace

void Frame3D(QPainter& painter, QRect& rect, const QColor& topColor, const QColor& bottomColor,
             int width)
{
    for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
        const int left = rect.left();
        const int top = rect.top();
        const int right = rect.right();
        const int bottom = rect.bottom();
        painter.fillRect(QRect(left, top, 1, bottom - top), topColor);
        painter.fillRect(QRect(left, top, right - left, 1), topColor);
        painter.fillRect(QRect(right, top, 1, bottom - top + 1), bottomColor);
        painter.fillRect(QRect(left, bottom, right - left + 1, 1), bottomColor);
        rect.adjust(1, 1, -1, -1);
    }
}

TKR_Panel::TKR_Panel(QWidget* parent) : QWidget(parent), m_color(DelphiColor(clBtnFace))
{
    resize(185, 41);
    UpdateClientArea();
}

void TKR_Panel::SetMoveRight(bool move)
{
    m_moveRight = move;
    UpdateMouseTracking();
}

void TKR_Panel::SetMoveLeft(bool move)
{
    m_moveLeft = move;
    UpdateMouseTracking();
}

void TKR_Panel::SetMoveTop(bool move)
{
    m_moveTop = move;
    UpdateMouseTracking();
}

void TKR_Panel::SetMoveBottom(bool move)
{
    m_moveBottom = move;
    UpdateMouseTracking();
}

void TKR_Panel::UpdateMouseTracking()
{
    // The edge zones are found while the mouse merely hovers.
    setMouseTracking(m_moveLeft || m_moveRight || m_moveTop || m_moveBottom);
}

void TKR_Panel::SetWallpaper(const QPixmap& wallpaper)
{
    m_wallpaper = wallpaper;
    update();
}

void TKR_Panel::SetColor(const QColor& color)
{
    if (color == m_color) return;
    m_color = color;
    update();
}

void TKR_Panel::SetBevelOuter(TKR_Bevel bevel)
{
    m_bevelOuter = bevel;
    UpdateClientArea();
}

void TKR_Panel::SetBevelInner(TKR_Bevel bevel)
{
    m_bevelInner = bevel;
    UpdateClientArea();
}

void TKR_Panel::SetBevelWidth(int width)
{
    m_bevelWidth = std::max(0, width);
    UpdateClientArea();
}

void TKR_Panel::SetBorderWidth(int width)
{
    m_borderWidth = std::max(0, width);
    UpdateClientArea();
}

void TKR_Panel::SetBorderStyle(TKR_BorderStyle style)
{
    m_borderStyle = style;
    UpdateClientArea();
}

int TKR_Panel::FrameDepth() const
{
    int depth = m_borderWidth;
    if (m_borderStyle == TKR_BorderStyle::Single) depth += kSingleBorderDepth;
    if (m_bevelOuter != TKR_Bevel::None) depth += m_bevelWidth;
    if (m_bevelInner != TKR_Bevel::None) depth += m_bevelWidth;
    return depth;
}

void TKR_Panel::UpdateClientArea()
{
    const int depth = FrameDepth();
    setContentsMargins(depth, depth, depth, depth);
    update();
}

// ---------------------------------------------------------------------------------------------
// Painting

void TKR_Panel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect area = rect();
    if (m_borderStyle == TKR_BorderStyle::Single) {
        Frame3D(painter, area, DelphiColor(clBtnShadow), DelphiColor(clBtnHighlight), 1);
        Frame3D(painter, area, DelphiColor(kEdgeDarkShadow), DelphiColor(kEdgeLight), 1);
    }
    const auto bevel = [&](TKR_Bevel kind) {
        if (kind == TKR_Bevel::None) return;
        const QColor light = DelphiColor(clBtnHighlight);
        const QColor dark = DelphiColor(clBtnShadow);
        if (kind == TKR_Bevel::Raised)
            Frame3D(painter, area, light, dark, m_bevelWidth);
        else
            Frame3D(painter, area, dark, light, m_bevelWidth);
    };
    bevel(m_bevelOuter);
    Frame3D(painter, area, m_color, m_color, m_borderWidth);
    bevel(m_bevelInner);
    painter.fillRect(area, m_color);
    TileWallpaper(painter, area);
}

void TKR_Panel::TileWallpaper(QPainter& painter, const QRect& area) const
{
    if (m_wallpaper.width() <= 0 || m_wallpaper.height() <= 0 || area.isEmpty()) return;
    painter.save();
    painter.setClipRect(area);
    for (int y = area.top(); y <= area.bottom(); y += m_wallpaper.height()) {
        for (int x = area.left(); x <= area.right(); x += m_wallpaper.width())
            painter.drawPixmap(x, y, m_wallpaper);
    }
    painter.restore();
}

// ---------------------------------------------------------------------------------------------
// Edge dragging

void TKR_Panel::mousePressEvent(QMouseEvent* event)
{
    MouseDown(event->position().toPoint());
    event->accept();
}

void TKR_Panel::mouseReleaseEvent(QMouseEvent* event)
{
    MouseUp(event->position().toPoint());
    event->accept();
}

void TKR_Panel::mouseMoveEvent(QMouseEvent* event)
{
    MouseMove(event->position().toPoint());
    event->accept();
}

void TKR_Panel::MouseDown(QPoint)
{
    m_dragging = true;
}

void TKR_Panel::MouseUp(QPoint)
{
    m_dragging = false;
}

void TKR_Panel::MouseMove(QPoint pos)
{
    if (!m_dragging) {
        ChooseEdge(EdgeAt(pos));
        return;
    }
    try {
        ResizeByEdge(pos);
    } catch (const std::exception&) {
        m_dragging = false;
    }
}

TKR_Panel::Edge TKR_Panel::EdgeAt(QPoint pos) const
{
    const int x = pos.x();
    const int y = pos.y();
    if (m_moveLeft && x >= 0 && x <= kSideZone) return Edge::Left;
    if (m_moveRight && x > width() - kSideZone && x <= width() - 1) return Edge::Right;
    // The top zone is a single pixel row, so that the row below it still reaches the
    // controls at the panel's top.
    if (m_moveTop && y == 0) return Edge::Top;
    if (m_moveBottom && y > height() - kSideZone && y <= height()) return Edge::Bottom;
    return Edge::None;
}

void TKR_Panel::ChooseEdge(Edge edge)
{
    if (edge == m_edge) return;
    m_edge = edge;
    switch (edge) {
    case Edge::Left:
    case Edge::Right:
        setCursor(Qt::SizeHorCursor);
        break;
    case Edge::Top:
    case Edge::Bottom:
        setCursor(Qt::SizeVerCursor);
        break;
    case Edge::None:
        unsetCursor();
        break;
    }
}

void TKR_Panel::ResizeByEdge(QPoint pos)
{
    const int x = pos.x();
    const int y = pos.y();
    switch (m_edge) {
    case Edge::Left:
        if (m_minimalWidth < width() - x)
            setGeometry(this->x() + x, this->y(), width() - x, height());
        break;
    case Edge::Right:
        if (m_minimalWidth < x) resize(x, height());
        break;
    case Edge::Top:
        if (m_minimalHeight < height() - y)
            setGeometry(this->x(), this->y() + y, width(), height() - y);
        break;
    case Edge::Bottom:
        if (m_minimalHeight < y) resize(width(), y);
        break;
    case Edge::None:
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Enter and leave

void TKR_Panel::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    m_mouseInside = true;
    DoMouseEnter();
}

void TKR_Panel::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    // Still over the panel: the mouse only moved onto one of its children.
    if (rect().contains(mapFromGlobal(QCursor::pos()))) return;
    m_mouseInside = false;
    DoMouseLeave();
}

void TKR_Panel::DoMouseEnter()
{
    if (OnMouseEnter) OnMouseEnter(this);
}

void TKR_Panel::DoMouseLeave()
{
    if (OnMouseLeave) OnMouseLeave(this);
}
