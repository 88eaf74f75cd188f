#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <functional>

// The colours of every drawing: dark green lines on white, pale fills, accents only where
// a value is a colour or a part is to be pointed out.
namespace Farbe {
inline const QColor Linie{0x1c, 0x3a, 0x1c};
inline const QColor Blatt{0xcd, 0xe6, 0xb0};
inline const QColor Kelch{0xa4, 0xcc, 0x86};
inline const QColor Bluete{0xfd, 0xf4, 0xd2};
inline const QColor Frucht{0xe9, 0xd3, 0xa2};
inline const QColor Samen{0x9a, 0x6b, 0x3c};
inline const QColor Holz{0x9b, 0x74, 0x4c};
inline const QColor Boden{0x8b, 0x6b, 0x45};
inline const QColor Wasser{0x4f, 0x8f, 0xd0};
inline const QColor WasserFlaeche{0xdc, 0xec, 0xfa};
inline const QColor Akzent{0xc8, 0x3c, 0x22};
inline const QColor AkzentFlaeche{0xf8, 0xc9, 0xa6};
inline const QColor Schnitt{0xf3, 0xe9, 0xc6}; // cut surfaces of sections
inline const QColor Druese{0xe3, 0xb2, 0x3a};  // the heads of glandular hairs
inline const QColor Weiss{0xff, 0xff, 0xff};
} // namespace Farbe

// How heavy a line is; the pixel widths depend on the picture's size.
enum class TStrich
{
    Fein,   // hairs, veins, hatching
    Normal, // outlines
    Achse,  // stems and axes
    Stark,  // trunks, the main stem
};

// One picture being drawn. Every motif draws in logical coordinates of a canvas of
// Breite x Hoehe (y downwards); the picture is scaled to its pixel size. Lines keep their
// pixel width whatever the scale, so the small strip pictures stay bold and readable.
class TZeichner
{
public:
    static constexpr double Breite = 320;
    static constexpr double Hoehe = 300;

    // gross: the large picture of the detail view and glossary (kind 1); else the small
    // picture of the slide strip (kind 2).
    TZeichner(QPainter& painter, bool gross);

    bool Gross() const { return m_gross; }
    // A size that differs between the two pictures: the small one needs bigger parts.
    double Gr(double gross, double klein) const { return m_gross ? gross : klein; }
    QPainter& Maler() { return m_painter; }

    QPen Stift(TStrich strich = TStrich::Normal, const QColor& farbe = Farbe::Linie) const;
    // Fills the path and draws its outline.
    void Flaeche(const QPainterPath& pfad, const QColor& fuellung, TStrich strich = TStrich::Normal,
                 const QColor& linie = Farbe::Linie);
    void Fuellen(const QPainterPath& pfad, const QColor& fuellung);
    void Umriss(const QPainterPath& pfad, TStrich strich = TStrich::Normal,
                const QColor& linie = Farbe::Linie);
    void Linie(QPointF a, QPointF b, TStrich strich = TStrich::Normal,
               const QColor& farbe = Farbe::Linie);
    void Kurve(QPointF a, QPointF steuer, QPointF b, TStrich strich = TStrich::Normal,
               const QColor& farbe = Farbe::Linie);
    void Kreis(QPointF mitte, double r, const QColor& fuellung, TStrich strich = TStrich::Normal,
               const QColor& linie = Farbe::Linie);
    void Ellipse(QPointF mitte, double rx, double ry, const QColor& fuellung,
                 TStrich strich = TStrich::Normal, const QColor& linie = Farbe::Linie);
    void Punkt(QPointF mitte, double r, const QColor& farbe = Farbe::Linie);
    // A dashed line: symmetry axes, hidden parts, cut lines.
    void Strichlinie(QPointF a, QPointF b, const QColor& farbe = Farbe::Linie);
    // An arrow from a to b pointing at b (a part to look at, a direction).
    void Pfeil(QPointF a, QPointF b, const QColor& farbe = Farbe::Akzent);

    // A short German label, in the large picture only; the small one carries no text.
    void Text(QPointF p, const QString& text, Qt::Alignment ausrichtung = Qt::AlignCenter,
              const QColor& farbe = Farbe::Linie);
    // A label with a thin leader line to the part it names (large picture only).
    void Beschriftung(QPointF teil, QPointF text, const QString& beschriftung);
    // A number in a small disc at the lower right, in both pictures: counts are hard to count
    // in a picture of a hundred pixels.
    void Zahl(const QString& zahl);

    // The ground: a brown line with a few clods; water: a blue surface with waves.
    void Boden(double y, double x0 = 10, double x1 = Breite - 10);
    void Wasser(double y, double unten = Hoehe - 6);

private:
    QPainter& m_painter;
    bool m_gross;
};

// The middle of the canvas and the line where stalks and stems stand.
constexpr double MitteX = TZeichner::Breite / 2;
constexpr double Unten = TZeichner::Hoehe - 8;

// Draws inside a local frame: origin at p, x along winkel; the canvas is as before afterwards.
void Rahmen(TZeichner& z, QPointF p, double winkel, const std::function<void()>& zeichne);
// The same frame, scaled by massstab as well.
void Rahmen(TZeichner& z, QPointF p, double winkel, double massstab,
            const std::function<void()>& zeichne);

// Closed outlines: a polygon, an ellipse, a rounded outline through the midpoints of the
// corners given.
QPainterPath Polygonpfad(const QPolygonF& punkte);
QPainterPath Ellipsenpfad(QPointF mitte, double rx, double ry);
QPainterPath Gerundet(const QPolygonF& punkte);
// The path enlarged by faktor around the point fix.
QPainterPath Skaliert(const QPainterPath& pfad, QPointF fix, double faktor);

// Small vector helpers in the canvas's coordinates (angles in degrees, 0 = right, -90 = up).
QPointF Richtung(double winkel);
QPointF Weiter(QPointF p, double winkel, double laenge);
double Winkel(QPointF von, QPointF nach);
QPointF Mitte(QPointF a, QPointF b, double t = 0.5);
// A smooth step from 0 at u <= 0 to 1 at u >= 1.
double Glatt(double u);
