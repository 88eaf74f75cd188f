#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <functional>

class QPainter;

// Draws a frame width lines deep along the inside of rect: top and left in topColor, bottom
// and right in bottomColor. rect shrinks by width on each side.
void Frame3D(QPainter& painter, QRect& rect, const QColor& topColor, const QColor& bottomColor,
             int width);

enum class TKR_Bevel
{
    None,
    Lowered,
    Raised,
};

enum class TKR_BorderStyle
{
    None,
    Single, // a sunken edge two pixels deep around everything else
};

// A panel whose edges the user may drag to resize it, and which can tile a wallpaper. It
// paints like the forms' panels: a colour, an outer bevel, a border of BorderWidth in the
// panel's colour, an inner bevel; children aligned with SetAlign sit inside all of them.
// A dragged size lasts when the panel is placed freely or by a TKR_AlignLayout (SetAlign);
// other layouts place it anew.
class TKR_Panel : public QWidget
{
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TKR_Panel* sender)>;

    explicit TKR_Panel(QWidget* parent = nullptr);

    bool MoveRight() const { return m_moveRight; }
    void SetMoveRight(bool move);
    bool MoveLeft() const { return m_moveLeft; }
    void SetMoveLeft(bool move);
    bool MoveTop() const { return m_moveTop; }
    void SetMoveTop(bool move);
    bool MoveBottom() const { return m_moveBottom; }
    void SetMoveBottom(bool move);
    // Dragging never makes the panel this narrow or low, nor narrower or lower.
    int MinimalWidth() const { return m_minimalWidth; }
    void SetMinimalWidth(int width) { m_minimalWidth = width; }
    int MinimalHeight() const { return m_minimalHeight; }
    void SetMinimalHeight(int height) { m_minimalHeight = height; }

    // Tiled over the area inside border and bevels; a null picture shows none.
    virtual void SetWallpaper(const QPixmap& wallpaper);
    virtual const QPixmap& GetWallpaper() const { return m_wallpaper; }

    QColor Color() const { return m_color; }
    void SetColor(const QColor& color);
    TKR_Bevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TKR_Bevel bevel);
    TKR_Bevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TKR_Bevel bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    TKR_BorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TKR_BorderStyle style);

    // The mouse entered the panel; the mouse left it (not onto one of its children).
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    bool MouseInside() const { return m_mouseInside; }

    // The mouse handling that edge dragging rests on, in panel coordinates. Controls on the
    // panel that keep their mouse events (the slide strip's cells) pass them on here.
    void MouseDown(QPoint pos);
    void MouseUp(QPoint pos);
    void MouseMove(QPoint pos);

protected:
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class Edge
    {
        None,
        Left,
        Right,
        Top,
        Bottom,
    };

    Edge EdgeAt(QPoint pos) const;
    void ChooseEdge(Edge edge);
    void ResizeByEdge(QPoint pos);
    void UpdateMouseTracking();
    void UpdateClientArea();
    int FrameDepth() const;
    void TileWallpaper(QPainter& painter, const QRect& area) const;

    bool m_moveRight = false;
    bool m_moveLeft = false;
    bool m_moveTop = false;
    bool m_moveBottom = false;
    int m_minimalWidth = 0;
    int m_minimalHeight = 0;
    QPixmap m_wallpaper;

    QColor m_color;
    TKR_Bevel m_bevelOuter = TKR_Bevel::Raised;
    TKR_Bevel m_bevelInner = TKR_Bevel::None;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TKR_BorderStyle m_borderStyle = TKR_BorderStyle::None;

    Edge m_edge = Edge::None;
    bool m_dragging = false;
    bool m_mouseInside = false;
};
