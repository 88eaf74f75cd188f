#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>

// number * numerator / denominator, rounded to the nearest integer with halves away from
// zero, computed without overflow of the product; -1 for a zero denominator.
int MulDiv(int number, int numerator, int denominator);

// A flat button painted with a vertical colour gradient from GradColor at the top to FaceColor
// at the bottom, a bevel, and a caption with a shadow. Pressed, the gradient and the caption
// move and the bevel turns inwards. A new button is 100 x 30 with the caption
// "TKR_GradButton" in white (the palette's ButtonText).
class TKR_GradButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit TKR_GradButton(QWidget* parent = nullptr);
    TKR_GradButton(const QString& caption, QWidget* parent);

    QColor GradColor() const { return m_gradColor; }
    void SetGradColor(const QColor& color);
    QColor FaceColor() const { return m_faceColor; }
    void SetFaceColor(const QColor& color);
    QColor HighlightColor() const { return m_highlightColor; }
    void SetHighlightColor(const QColor& color);
    QColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(const QColor& color);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);

    // The gradient as last computed: the button's size less BorderWidth on each side.
    const QImage& Gradient() const { return m_gradient; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ComputeGradient(QSize size);
    void DrawCaption(QPainter& painter, QPoint topLeft, const QColor& color) const;

    QColor m_gradColor;
    QColor m_faceColor;
    QColor m_highlightColor;
    QColor m_shadowColor;
    int m_bevelWidth = 1;
    int m_borderWidth = 1;
    QImage m_gradient;
    bool m_captionShadow = true;
};
