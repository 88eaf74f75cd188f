#pragma once

#include <QColor>
#include <QLabel>

// A label whose text turns FlashHighlightFarbe while the mouse is over it and
// FlashNormalFarbe when it leaves, as long as FlashEnabled is set. A left click (press and
// release on the label) emits clicked().
class TKR_Label : public QLabel
{
    Q_OBJECT

public:
    explicit TKR_Label(QWidget* parent = nullptr);
    TKR_Label(const QString& text, QWidget* parent);

    bool FlashEnabled() const { return m_flashEnabled; }
    void SetFlashEnabled(bool enabled) { m_flashEnabled = enabled; }
    QColor FlashNormalFarbe() const { return m_flashNormalFarbe; }
    // Also colours the text now when flashing is enabled.
    void SetFlashNormalFarbe(const QColor& color);
    QColor FlashHighlightFarbe() const { return m_flashHighlightFarbe; }
    void SetFlashHighlightFarbe(const QColor& color) { m_flashHighlightFarbe = color; }
    // Repaint when a mouse button goes down or up on the label (off by default).
    bool RepaintOnPress() const { return m_repaintOnPress; }
    void SetRepaintOnPress(bool repaint) { m_repaintOnPress = repaint; }
    bool MouseDown() const { return m_mouseDown; }

    // The text colour (the palette's WindowText).
    QColor TextColor() const;
    void SetTextColor(const QColor& color);

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_flashEnabled = false;
    QColor m_flashNormalFarbe;
    QColor m_flashHighlightFarbe;
    bool m_mouseDown = false;
    bool m_repaintOnPress = false;
};
