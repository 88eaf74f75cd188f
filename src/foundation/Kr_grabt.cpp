#include "foundation/Kr_grabt.h"

#include "foundation/KR_Colors.h"
#include "foundation/KR_Graph.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kBands = 256;
constexpr QSize kDefaultSize(100, 30);

} // namespace

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0) return -1;
    if (denominator < 0) {
        number = -number;
        denominator = -denominator;
    }
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

TKR_GradButton::TKR_GradButton(QWidget* parent)
    : TKR_GradButton(QStringLiteral("TKR_GradButton"), parent)
{}

TKR_GradButton::TKR_GradButton(const QString& caption, QWidget* parent)
    : QAbstractButton(parent), m_gradColor(DelphiColor(clBlue)), m_faceColor(DelphiColor(clBlack)),
      m_highlightColor(DelphiColor(clWhite)), m_shadowColor(DelphiColor(clBlack))
{
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    QPalette palette = this->palette();
    palette.setColor(QPalette::ButtonText, DelphiColor(clWhite));
    setPalette(palette);
    resize(kDefaultSize);
}

QSize TKR_GradButton::sizeHint() const
{
    return kDefaultSize;
}

void TKR_GradButton::SetGradColor(const QColor& color)
{
    if (color == m_gradColor) return;
    m_gradColor = color;
    ComputeGradient(m_gradient.size());
    update();
}

void TKR_GradButton::SetFaceColor(const QColor& color)
{
    if (color == m_faceColor) return;
    m_faceColor = color;
    ComputeGradient(m_gradient.size());
    update();
}

void TKR_GradButton::SetHighlightColor(const QColor& color)
{
    if (color == m_highlightColor) return;
    m_highlightColor = color;
    update();
}

void TKR_GradButton::SetShadowColor(const QColor& color)
{
    if (color == m_shadowColor) return;
    m_shadowColor = color;
    update();
}

void TKR_GradButton::SetBevelWidth(int width)
{
    if (width == m_bevelWidth) return;
    m_bevelWidth = width;
    update();
}

void TKR_GradButton::SetBorderWidth(int width)
{
    if (width == m_borderWidth) return;
    m_borderWidth = width;
    update();
}

// 256 bands from GradColor to FaceColor; in a bitmap lower than 256 pixels most bands are
// empty, so the first and last rows show the colours of inner bands.
void TKR_GradButton::ComputeGradient(QSize size)
{
    if (size.isEmpty()) {
        m_gradient = QImage();
        return;
    }
    m_gradient = QImage(size, QImage::Format_RGB32);
    const int start[3] = {m_gradColor.red(), m_gradColor.green(), m_gradColor.blue()};
    const int difference[3] = {m_faceColor.red() - start[0], m_faceColor.green() - start[1],
                               m_faceColor.blue() - start[2]};
    const int height = size.height();
    for (int band = 0; band < kBands; ++band) {
        int part[3];
        for (int i = 0; i < 3; ++i)
            part[i] = (start[i] + MulDiv(band, difference[i], kBands - 1)) & 0xFF;
        const QRgb colour = qRgb(part[0], part[1], part[2]);
        const int top = MulDiv(band, height, kBands);
        const int bottom = std::min(height, MulDiv(band + 1, height, kBands));
        for (int y = std::max(0, top); y < bottom; ++y) {
            auto* line = reinterpret_cast<QRgb*>(m_gradient.scanLine(y));
            std::fill(line, line + size.width(), colour);
        }
    }
}

void TKR_GradButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect inner = rect().adjusted(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    const QFontMetrics metrics(font());
    const QPoint caption((width() - metrics.horizontalAdvance(text())) / 2,
                         (height() - metrics.height()) / 2);
    const QSize gradientSize(width() - 2 * m_borderWidth, height() - 2 * m_borderWidth);
    if (gradientSize != m_gradient.size()) ComputeGradient(gradientSize);
    const QColor fontColor = palette().color(QPalette::ButtonText);

    painter.fillRect(rect(), Qt::black);
    if (isDown()) {
        painter.drawImage(m_borderWidth + 1, m_borderWidth + 1, m_gradient);
        Frame3D(painter, inner, m_shadowColor, m_faceColor, m_bevelWidth);
        DrawCaption(painter, caption + QPoint(-2, 2), fontColor);
    } else {
        painter.drawImage(m_borderWidth, m_borderWidth, m_gradient);
        Frame3D(painter, inner, m_highlightColor, m_shadowColor, m_bevelWidth);
        if (m_captionShadow) DrawCaption(painter, caption + QPoint(-2, 2), Qt::black);
        DrawCaption(painter, caption, fontColor);
    }
}

void TKR_GradButton::DrawCaption(QPainter& painter, QPoint topLeft, const QColor& color) const
{
    // Drawn literally: an "&" in the caption shows as such.
    painter.setFont(font());
    painter.setPen(color);
    painter.drawText(topLeft + QPoint(0, QFontMetrics(font()).ascent()), text());
}
