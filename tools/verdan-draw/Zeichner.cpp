#include "Zeichner.h"

#include <QFont>
#include <QFontMetricsF>
#include <QTransform>
#include <QtMath>
#include <algorithm>

namespace {

double Strichbreite(TStrich strich, bool gross)
{
    switch (strich) {
    case TStrich::Fein:
        return gross ? 1.2 : 1.0;
    case TStrich::Normal:
        return gross ? 2.0 : 1.5;
    case TStrich::Achse:
        return gross ? 2.8 : 2.0;
    case TStrich::Stark:
        return gross ? 4.5 : 3.0;
    }
    return 1.0;
}

} // namespace

QPointF Richtung(double winkel)
{
    const double rad = qDegreesToRadians(winkel);
    return {std::cos(rad), std::sin(rad)};
}

QPointF Weiter(QPointF p, double winkel, double laenge)
{
    return p + Richtung(winkel) * laenge;
}

double Winkel(QPointF von, QPointF nach)
{
    return qRadiansToDegrees(std::atan2(nach.y() - von.y(), nach.x() - von.x()));
}

QPointF Mitte(QPointF a, QPointF b, double t)
{
    return a + (b - a) * t;
}

double Glatt(double u)
{
    u = std::clamp(u, 0.0, 1.0);
    return u * u * (3 - 2 * u);
}

void Rahmen(TZeichner& z, QPointF p, double winkel, const std::function<void()>& zeichne)
{
    QPainter& m = z.Maler();
    m.save();
    m.translate(p);
    m.rotate(winkel);
    zeichne();
    m.restore();
}

void Rahmen(TZeichner& z, QPointF p, double winkel, double massstab,
            const std::function<void()>& zeichne)
{
    QPainter& m = z.Maler();
    m.save();
    m.translate(p);
    m.rotate(winkel);
    m.scale(massstab, massstab);
    zeichne();
    m.restore();
}

QPainterPath Polygonpfad(const QPolygonF& punkte)
{
    QPainterPath p;
    p.addPolygon(punkte);
    p.closeSubpath();
    return p;
}

QPainterPath Ellipsenpfad(QPointF mitte, double rx, double ry)
{
    QPainterPath p;
    p.addEllipse(mitte, rx, ry);
    return p;
}

QPainterPath Gerundet(const QPolygonF& punkte)
{
    const int n = punkte.size();
    QPainterPath pfad(Mitte(punkte[n - 1], punkte[0]));
    for (int i = 0; i < n; ++i)
        pfad.quadTo(punkte[i], Mitte(punkte[i], punkte[(i + 1) % n]));
    pfad.closeSubpath();
    return pfad;
}

QPainterPath Skaliert(const QPainterPath& pfad, QPointF fix, double faktor)
{
    QTransform t;
    t.translate(fix.x(), fix.y());
    t.scale(faktor, faktor);
    t.translate(-fix.x(), -fix.y());
    return t.map(pfad);
}

TZeichner::TZeichner(QPainter& painter, bool gross) : m_painter(painter), m_gross(gross)
{
    m_painter.setRenderHint(QPainter::Antialiasing);
}

QPen TZeichner::Stift(TStrich strich, const QColor& farbe) const
{
    QPen stift(farbe, Strichbreite(strich, m_gross));
    stift.setCosmetic(true);
    stift.setCapStyle(Qt::RoundCap);
    stift.setJoinStyle(Qt::RoundJoin);
    return stift;
}

void TZeichner::Flaeche(const QPainterPath& pfad, const QColor& fuellung, TStrich strich,
                        const QColor& linie)
{
    m_painter.setPen(Stift(strich, linie));
    m_painter.setBrush(fuellung);
    m_painter.drawPath(pfad);
}

void TZeichner::Fuellen(const QPainterPath& pfad, const QColor& fuellung)
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(fuellung);
    m_painter.drawPath(pfad);
}

void TZeichner::Umriss(const QPainterPath& pfad, TStrich strich, const QColor& linie)
{
    m_painter.setPen(Stift(strich, linie));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(pfad);
}

void TZeichner::Linie(QPointF a, QPointF b, TStrich strich, const QColor& farbe)
{
    m_painter.setPen(Stift(strich, farbe));
    m_painter.drawLine(a, b);
}

void TZeichner::Kurve(QPointF a, QPointF steuer, QPointF b, TStrich strich, const QColor& farbe)
{
    QPainterPath pfad(a);
    pfad.quadTo(steuer, b);
    Umriss(pfad, strich, farbe);
}

void TZeichner::Kreis(QPointF mitte, double r, const QColor& fuellung, TStrich strich,
                      const QColor& linie)
{
    Ellipse(mitte, r, r, fuellung, strich, linie);
}

void TZeichner::Ellipse(QPointF mitte, double rx, double ry, const QColor& fuellung, TStrich strich,
                        const QColor& linie)
{
    m_painter.setPen(Stift(strich, linie));
    m_painter.setBrush(fuellung);
    m_painter.drawEllipse(mitte, rx, ry);
}

void TZeichner::Punkt(QPointF mitte, double r, const QColor& farbe)
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(farbe);
    m_painter.drawEllipse(mitte, r, r);
}

void TZeichner::Strichlinie(QPointF a, QPointF b, const QColor& farbe)
{
    QPen stift = Stift(TStrich::Fein, farbe);
    stift.setDashPattern({5, 4});
    stift.setCapStyle(Qt::FlatCap);
    m_painter.setPen(stift);
    m_painter.drawLine(a, b);
}

void TZeichner::Pfeil(QPointF a, QPointF b, const QColor& farbe)
{
    Linie(a, b, TStrich::Normal, farbe);
    const double w = Winkel(a, b);
    const double spitze = Gr(9, 16);
    QPainterPath kopf(b);
    kopf.lineTo(Weiter(b, w + 155, spitze));
    kopf.lineTo(Weiter(b, w - 155, spitze));
    kopf.closeSubpath();
    Flaeche(kopf, farbe, TStrich::Fein, farbe);
}

void TZeichner::Text(QPointF p, const QString& text, Qt::Alignment ausrichtung, const QColor& farbe)
{
    if (!m_gross) return;
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(11);
    m_painter.setFont(schrift);
    m_painter.setPen(farbe);
    const QFontMetricsF masse(schrift);
    const QSizeF groesse = masse.size(Qt::TextSingleLine, text);
    QPointF oben(p.x() - groesse.width() / 2, p.y() - groesse.height() / 2);
    if (ausrichtung & Qt::AlignLeft)
        oben.setX(p.x());
    else if (ausrichtung & Qt::AlignRight)
        oben.setX(p.x() - groesse.width());
    if (ausrichtung & Qt::AlignTop)
        oben.setY(p.y());
    else if (ausrichtung & Qt::AlignBottom)
        oben.setY(p.y() - groesse.height());
    // A label never leaves the picture.
    oben.setX(std::clamp(oben.x(), 2.0, Breite - 2 - groesse.width()));
    oben.setY(std::clamp(oben.y(), 1.0, Hoehe - 1 - groesse.height()));
    m_painter.drawText(QRectF(oben, groesse), Qt::AlignCenter, text);
}

void TZeichner::Beschriftung(QPointF teil, QPointF text, const QString& beschriftung)
{
    if (!m_gross) return;
    Linie(teil, text, TStrich::Fein, QColor(0x55, 0x55, 0x55));
    Punkt(teil, 1.8, QColor(0x55, 0x55, 0x55));
    const Qt::Alignment seite = text.x() < teil.x() ? Qt::AlignRight : Qt::AlignLeft;
    Text(text + QPointF(text.x() < teil.x() ? -3 : 3, 0), beschriftung, seite | Qt::AlignVCenter);
}

void TZeichner::Zahl(const QString& zahl)
{
    const double r = Gr(17, 34);
    const QPointF mitte(Breite - r - 4, Hoehe - r - 4);
    Kreis(mitte, r, QColor(0x2e, 0x5e, 0x2e), TStrich::Fein, QColor(0x2e, 0x5e, 0x2e));
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setBold(true);
    schrift.setPixelSize(int(r * (zahl.size() > 1 ? 1.05 : 1.3)));
    m_painter.setFont(schrift);
    m_painter.setPen(Farbe::Weiss);
    m_painter.drawText(QRectF(mitte.x() - r, mitte.y() - r, 2 * r, 2 * r), Qt::AlignCenter, zahl);
}

void TZeichner::Boden(double y, double x0, double x1)
{
    Linie({x0, y}, {x1, y}, TStrich::Achse, Farbe::Boden);
    if (!m_gross) return;
    for (double x = x0 + 12; x < x1 - 8; x += 26) {
        Linie({x, y + 6}, {x + 7, y + 6}, TStrich::Fein, Farbe::Boden);
        Linie({x + 12, y + 12}, {x + 17, y + 12}, TStrich::Fein, Farbe::Boden);
    }
}

void TZeichner::Wasser(double y, double unten)
{
    QPainterPath flaeche;
    flaeche.addRect(QRectF(4, y, Breite - 8, unten - y));
    Fuellen(flaeche, Farbe::WasserFlaeche);
    QPainterPath welle({4, y});
    for (double x = 4; x < Breite - 4; x += 20)
        welle.quadTo({x + 5, y - 4}, {x + 10, y}), welle.quadTo({x + 15, y + 4}, {x + 20, y});
    Umriss(welle, TStrich::Normal, Farbe::Wasser);
}
