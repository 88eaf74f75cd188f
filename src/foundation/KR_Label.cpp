#include "foundation/KR_Label.h"

#include "foundation/KR_Colors.h"

#include <QMouseEvent>

TKR_Label::TKR_Label(QWidget* parent) : TKR_Label(QString(), parent) {}

TKR_Label::TKR_Label(const QString& text, QWidget* parent)
    : QLabel(text, parent), m_flashNormalFarbe(DelphiColor(clGreen)),
      m_flashHighlightFarbe(DelphiColor(clRed))
{}

void TKR_Label::SetFlashNormalFarbe(const QColor& color)
{
    m_flashNormalFarbe = color;
    if (m_flashEnabled) SetTextColor(color);
}

QColor TKR_Label::TextColor() const
{
    return palette().color(QPalette::WindowText);
}

void TKR_Label::SetTextColor(const QColor& color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
    setPalette(palette);
}

void TKR_Label::enterEvent(QEnterEvent* event)
{
    if (m_flashEnabled) SetTextColor(m_flashHighlightFarbe);
    QLabel::enterEvent(event);
}

void TKR_Label::leaveEvent(QEvent* event)
{
    if (m_flashEnabled) SetTextColor(m_flashNormalFarbe);
    QLabel::leaveEvent(event);
}

void TKR_Label::mousePressEvent(QMouseEvent* event)
{
    m_mouseDown = true;
    if (m_repaintOnPress) update();
    QLabel::mousePressEvent(event);
    // Taking the press makes the release come here, where the click is recognised.
    if (event->button() == Qt::LeftButton) event->accept();
}

void TKR_Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasDown = m_mouseDown;
    m_mouseDown = false;
    if (m_repaintOnPress) update();
    QLabel::mouseReleaseEvent(event);
    if (wasDown && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}
