#pragma once

#include <QLayout>
#include <QList>

// Where a control sits in its parent: docked to an edge, filling the rest, or placed freely.
enum class TKR_Align
{
    None,
    Top,
    Bottom,
    Left,
    Right,
    Client,
};

// Places a widget's children the way aligned controls sit on a form. Top-aligned children are
// stacked from the top edge in the order they were aligned, each keeping its height; then the
// bottom-aligned ones from the bottom edge; then, in the height that remains, the left- and
// right-aligned ones, each keeping its width; client-aligned children take what is left.
// Hidden children take no room. A child's own resize (a dragged panel edge, a program change)
// counts as its new size: the children are placed again. Children never aligned keep their
// geometry. The parent's contents margins (a panel's border and bevels) frame the area.
class TKR_AlignLayout : public QLayout
{
public:
    explicit TKR_AlignLayout(QWidget* parent = nullptr);
    ~TKR_AlignLayout() override;

    // Aligns widget, a child of the layout's widget, or changes the alignment of one aligned
    // before (it keeps its turn). TKR_Align::None releases it; it then keeps its geometry.
    void SetAlign(QWidget* widget, TKR_Align align);
    TKR_Align AlignOf(const QWidget* widget) const;

    // Items added through the plain QLayout interface fill the client area.
    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    Qt::Orientations expandingDirections() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry
    {
        QLayoutItem* Item;
        TKR_Align Align;
    };

    int IndexOf(const QWidget* widget) const;
    void PlaceEdge(TKR_Align align, QRect& free);

    QList<Entry> m_entries;
    bool m_placing = false;
};

// Aligns widget inside its parent widget. A parent without a layout gets a TKR_AlignLayout;
// a parent with another kind of layout is left alone.
void SetAlign(QWidget* widget, TKR_Align align);
