#include "Motive.h"

#include <QtMath>
#include <cmath>
#include <functional>

namespace {

const QColor Rot{0xd3, 0x33, 0x27};
const QColor Fruchtfleisch{0xf6, 0xb4, 0xa6};
const QColor Stein{0xef, 0xe0, 0xbb};
const QColor Nussbraun{0xa8, 0x74, 0x3e};
const QColor Dunkelblau{0x3a, 0x3f, 0x6e};

void Same(TZeichner& z, QPointF p, double r, const QColor& farbe = Farbe::Samen)
{
    z.Ellipse(p, r, r * 0.78, farbe, TStrich::Fein);
}

// A pod from (0, 0) to (l, 0): back on the side y < 0, seam on y > 0.
QPainterPath Schote(double l, double b, double kruemmung = 0)
{
    QPainterPath p({0, 0});
    p.cubicTo(l * 0.2, -b * 0.55 - kruemmung, l * 0.75, -b * 0.55 - kruemmung, l * 0.96,
              -b * 0.12 - kruemmung * 0.4);
    p.lineTo(l, -kruemmung * 0.2);
    p.cubicTo(l * 0.75, b * 0.45 - kruemmung, l * 0.2, b * 0.45 - kruemmung * 0.3, 0, 0);
    p.closeSubpath();
    return p;
}

void Fruchtstiel(TZeichner& z, QPointF bis)
{
    z.Linie({MitteX, Unten}, bis, TStrich::Achse);
}

void Kelchrest(TZeichner& z, QPointF mitte, double r, double nach)
{
    for (double w : {-60.0, -20.0, 20.0, 60.0})
        z.Linie(mitte, Weiter(mitte, nach + w, r), TStrich::Normal, Farbe::Kelch.darker(140));
}

void Balg(TZeichner& z, bool fleischig)
{
    const QPointF boden(MitteX, 246);
    Fruchtstiel(z, boden);
    const QColor fuellung = fleischig ? QColor(0xd8, 0x4a, 0x3c) : Farbe::Frucht;
    const double winkel[] = {-128, -90, -52};
    for (int i = 0; i < 3; ++i) {
        if (fleischig && i != 1) continue;
        const bool offen = !fleischig && i == 1;
        Rahmen(z, boden, winkel[i], [&] {
            const double l = fleischig ? 178 : 165, b = fleischig ? 132 : 58;
            z.Flaeche(Schote(l, b, 8), fuellung);
            if (fleischig)
                z.Ellipse({l * 0.42, -b * 0.22}, l * 0.14, b * 0.06, QColor(0xf3, 0xa8, 0x9c),
                          TStrich::Fein, QColor(0xf3, 0xa8, 0x9c));
            z.Linie({l * 0.96, -2}, {l * 1.1, 8}, TStrich::Normal); // the beak of the style
            if (offen) {
                QPainterPath spalt({l * 0.1, b * 0.1});
                spalt.cubicTo(l * 0.35, b * 0.62, l * 0.72, b * 0.55, l * 0.92, b * 0.04);
                spalt.cubicTo(l * 0.7, b * 0.12, l * 0.4, b * 0.14, l * 0.1, b * 0.1);
                z.Flaeche(spalt, QColor(0xfb, 0xf4, 0xdf), TStrich::Normal);
                for (double t : {0.28, 0.44, 0.6, 0.76})
                    Same(z, {l * t, b * 0.26}, z.Gr(6, 9));
            } else {
                z.Kurve({l * 0.06, b * 0.1}, {l * 0.5, b * 0.25}, {l * 0.94, b * 0.02},
                        TStrich::Fein);
            }
        });
    }
}

void Huelse(TZeichner& z)
{
    const QPointF an(40, 178);
    z.Linie({14, 236}, an, TStrich::Achse);
    for (double w : {-70.0, 40.0})
        z.Linie(an, Weiter(an, w, 14), TStrich::Normal, Farbe::Kelch.darker(140));
    Rahmen(z, an, 12, [&] { z.Flaeche(Schote(250, 62, -6), Farbe::Frucht.lighter(106)); });
    Rahmen(z, an, -20, [&] {
        z.Flaeche(Schote(250, 62, 6), Farbe::Frucht);
        QPainterPath innen({12, 2});
        innen.cubicTo(60, -22, 190, -22, 236, -4);
        innen.cubicTo(190, 10, 60, 12, 12, 2);
        z.Flaeche(innen, QColor(0xfb, 0xf3, 0xdc), TStrich::Fein);
        for (int i = 0; i < 6; ++i)
            z.Kreis({42.0 + i * 33, -7}, z.Gr(11, 13), QColor(0x9c, 0xc8, 0x6e));
    });
}

void Gliederhuelse(TZeichner& z)
{
    const double y = z.Gross() ? 110 : 150;
    z.Linie({8, y + 40}, {30, y}, TStrich::Achse);
    const int glieder = 5;
    const double l = z.Gross() ? 44 : 50;
    for (int i = 0; i < glieder; ++i) {
        const bool los = i == glieder - 1;
        const double x = 30 + i * l + (los ? 18 : 0);
        const double dy = los ? 14 : 0;
        QPainterPath glied({x, y + dy});
        glied.cubicTo(x + l * 0.1, y + dy - 26, x + l * 0.9, y + dy - 26, x + l, y + dy);
        glied.cubicTo(x + l * 0.9, y + dy + 26, x + l * 0.1, y + dy + 26, x, y + dy);
        z.Flaeche(glied, Farbe::Frucht);
        z.Ellipse({x + l / 2, y + dy}, l * 0.22, 9, Farbe::Samen.lighter(140), TStrich::Fein);
    }
    z.Linie({30 + glieder * l + 18, y + 14}, {30 + glieder * l + 34, y + 4}, TStrich::Normal);
    if (!z.Gross()) return;
    // Horseshoe vetch: each joint cut out in a horseshoe.
    const double y2 = 228;
    for (int i = 0; i < 5; ++i) {
        const double x = 40 + i * 50;
        QPainterPath hufeisen({x, y2 - 20});
        hufeisen.cubicTo(x + 20, y2 - 26, x + 32, y2 - 26, x + 50, y2 - 20);
        hufeisen.lineTo(x + 50, y2 + 12);
        hufeisen.cubicTo(x + 40, y2 + 16, x + 36, y2 + 4, x + 25, y2 - 2);
        hufeisen.cubicTo(x + 14, y2 + 4, x + 10, y2 + 16, x, y2 + 12);
        hufeisen.closeSubpath();
        z.Flaeche(hufeisen, Farbe::Frucht);
    }
    z.Text({160, 280}, QStringLiteral("Hufeisenklee"));
}

void Nuss(TZeichner& z)
{
    const bool gross = z.Gross();
    const QPointF m(gross ? 105 : MitteX, 160);
    auto nuss = [&](QPointF c, double s) {
        QPainterPath p({c.x(), c.y() - 70 * s});
        p.cubicTo(c.x() + 30 * s, c.y() - 62 * s, c.x() + 62 * s, c.y() - 10 * s, c.x() + 58 * s,
                  c.y() + 26 * s);
        p.cubicTo(c.x() + 54 * s, c.y() + 62 * s, c.x() - 54 * s, c.y() + 62 * s, c.x() - 58 * s,
                  c.y() + 26 * s);
        p.cubicTo(c.x() - 62 * s, c.y() - 10 * s, c.x() - 30 * s, c.y() - 62 * s, c.x(),
                  c.y() - 70 * s);
        return p;
    };
    // The frilled husk behind the nut.
    QPolygonF huelle;
    for (int i = 0; i <= 16; ++i) {
        const double phi = qDegreesToRadians(-20 + 220.0 * i / 16);
        const double r = (i % 2 ? 72 : 88) * (gross ? 1 : 1.15);
        huelle << QPointF(m.x() + std::cos(phi) * r, m.y() + 40 + std::sin(phi) * r * 0.55);
    }
    QPainterPath h;
    h.addPolygon(huelle);
    h.closeSubpath();
    z.Flaeche(h, Farbe::Kelch);
    const double s = gross ? 1.0 : 1.2;
    z.Flaeche(nuss(m, s), Nussbraun);
    z.Ellipse({m.x(), m.y() + 40 * s}, 40 * s, 14 * s, QColor(0xd9, 0xc0, 0x96), TStrich::Fein);
    for (double dx : {-24.0, 0.0, 24.0})
        z.Kurve({m.x() + dx * s, m.y() - 60 * s}, {m.x() + dx * 1.6 * s, m.y() - 10 * s},
                {m.x() + dx * 1.5 * s, m.y() + 30 * s}, TStrich::Fein);
    if (!gross) return;
    const QPointF q(240, 150);
    z.Flaeche(nuss(q, 0.85), Nussbraun);
    QPainterPath innen = nuss(q, 0.7);
    z.Flaeche(innen, Farbe::Schnitt, TStrich::Fein);
    z.Ellipse({q.x(), q.y() + 4}, 30, 38, QColor(0xf7, 0xee, 0xd8));
    z.Text({q.x(), 262}, QStringLiteral("Längsschnitt"));
}

void Nuesschen(TZeichner& z)
{
    const QPointF m(z.Gross() ? 130 : MitteX, 140);
    Fruchtstiel(z, {MitteX, 230});
    for (double w : {35.0, 80.0, 100.0, 145.0})
        z.Linie({MitteX, 228}, Weiter({MitteX, 228}, w, 36), TStrich::Normal,
                Farbe::Kelch.darker(130));
    z.Kurve({MitteX, 230}, {m.x(), 220}, {m.x(), m.y() + 70}, TStrich::Achse);
    const double r = z.Gr(12, 17);
    for (int ring = 3; ring >= 0; --ring) {
        const int zahl = ring == 0 ? 1 : ring * 6;
        for (int k = 0; k < zahl; ++k) {
            const double phi = 360.0 * k / zahl + ring * 12;
            const QPointF p = Weiter(m, phi, ring * r * 1.75);
            z.Kreis(p, r, Farbe::Frucht);
            const double aussen = ring == 0 ? -60 : phi;
            z.Linie(Weiter(p, aussen, r * 0.8), Weiter(p, aussen - 40, r * 1.35), TStrich::Normal);
        }
    }
    if (!z.Gross()) return;
    Rahmen(z, {270, 140}, -70, [&] {
        QPainterPath n({0, 0});
        n.cubicTo(10, -26, 50, -24, 58, -6);
        n.lineTo(72, -14);
        n.lineTo(60, 6);
        n.cubicTo(50, 26, 10, 26, 0, 0);
        z.Flaeche(n, Farbe::Frucht);
    });
    z.Text({270, 230}, QStringLiteral("Nüsschen"));
}

void Sammelsteinfrucht(TZeichner& z)
{
    const QPointF m(MitteX, 138);
    Fruchtstiel(z, {MitteX, 230});
    for (double w : {20.0, 55.0, 125.0, 160.0})
        z.Linie({MitteX, 222}, Weiter({MitteX, 222}, w, 44), TStrich::Normal,
                Farbe::Kelch.darker(130));
    const double rx = 92, ry = 92;
    const double r = z.Gr(13, 17);
    QPainterPath umriss;
    umriss.addEllipse(m, rx, ry);
    z.Fuellen(umriss, Rot.darker(110));
    for (double y = m.y() - ry; y <= m.y() + ry; y += r * 1.7) {
        const int zeile = int(std::lround((y - m.y()) / (r * 1.7)));
        for (double x = m.x() - rx + (zeile % 2 ? r : 0); x <= m.x() + rx; x += r * 2)
            if (std::pow((x - m.x()) / rx, 2) + std::pow((y - m.y()) / ry, 2) < 0.9) {
                z.Kreis({x, y}, r, Rot, TStrich::Fein);
                z.Punkt({x - r * 0.3, y - r * 0.3}, r * 0.22, Farbe::Weiss);
            }
    }
}

void Kapsel(TZeichner& z)
{
    const bool gross = z.Gross();
    const QPointF m(gross ? 110 : MitteX, 176);
    z.Linie({m.x(), Unten}, {m.x(), m.y() + 70}, TStrich::Achse);
    for (double w : {25.0, 65.0, 115.0, 155.0})
        z.Linie({m.x(), m.y() + 66}, Weiter({m.x(), m.y() + 66}, w - 180, 34), TStrich::Normal,
                Farbe::Kelch.darker(130));
    // An ovoid capsule opening at its top with outcurved teeth; the seeds show inside.
    const double rx = 54, oben = m.y() - 64;
    QPainterPath koerper({m.x() - rx * 0.62, oben});
    koerper.cubicTo(m.x() - rx * 1.25, m.y() - 20, m.x() - rx * 0.9, m.y() + 70, m.x(), m.y() + 70);
    koerper.cubicTo(m.x() + rx * 0.9, m.y() + 70, m.x() + rx * 1.25, m.y() - 20, m.x() + rx * 0.62,
                    oben);
    koerper.closeSubpath();
    z.Flaeche(koerper, Farbe::Frucht);
    for (double dx : {-0.35, 0.0, 0.35})
        z.Kurve({m.x() + dx * rx * 1.6, oben + 4}, {m.x() + dx * rx * 2.6, m.y() + 10},
                {m.x() + dx * rx * 1.2, m.y() + 66}, TStrich::Fein);
    z.Ellipse({m.x(), oben}, rx * 0.62, 11, QColor(0x5a, 0x40, 0x26));
    for (int i = 0; i < 5; ++i)
        z.Kreis({m.x() - 16 + i * 8.0, oben - (i % 2 ? 2 : -2)}, z.Gr(3.5, 5), Farbe::Samen,
                TStrich::Fein);
    for (int i = 0; i < 6; ++i) {
        const double t = -1 + 2.0 * i / 5;
        const QPointF an(m.x() + t * rx * 0.6, oben - 2 + std::abs(t) * 4);
        const double w = -90 + t * 60;
        QPainterPath zahn(Weiter(an, w - 90, 7));
        zahn.quadTo(Weiter(an, w, 14), Weiter(Weiter(an, w, 22), w + (t < 0 ? -60 : 60), 6));
        zahn.lineTo(Weiter(an, w + 90, 7));
        zahn.closeSubpath();
        z.Flaeche(zahn, Farbe::Frucht.darker(106));
    }
    if (!gross) return;
    // Poppy: pores under the flat stigma disc.
    const QPointF p(250, 170);
    z.Linie({p.x(), Unten}, {p.x(), p.y() + 50}, TStrich::Achse);
    z.Ellipse(p, 44, 54, QColor(0xc6, 0xd3, 0xa0));
    z.Ellipse({p.x(), p.y() - 58}, 40, 11, QColor(0x9c, 0x7b, 0x9a));
    for (int i = -2; i <= 2; ++i) {
        z.Linie({p.x(), p.y() - 58}, {p.x() + i * 16, p.y() - 52}, TStrich::Fein);
        z.Ellipse({p.x() + i * 15, p.y() - 40}, 4, 5, Farbe::Linie, TStrich::Fein);
    }
    z.Text({p.x(), 256}, QStringLiteral("Mohn: Poren"));
}

void Schote(TZeichner& z)
{
    const double x = MitteX + 10;
    z.Linie({x, Unten}, {x, 262}, TStrich::Achse);
    QPainterPath rahmen;
    rahmen.addRoundedRect(QRectF(x - 14, 34, 28, 228), 12, 12);
    z.Flaeche(rahmen, QColor(0xf3, 0xf6, 0xe8));
    z.Linie({x, 36}, {x, 20}, TStrich::Normal);
    for (int i = 0; i < 10; ++i)
        Same(z, {x + (i % 2 ? 6 : -6), 52.0 + i * 21}, z.Gr(5, 7), QColor(0xb5, 0x8a, 0x4a));
    // The right valve still closes its half; the left one has come off.
    QPainterPath rechts;
    rechts.addRoundedRect(QRectF(x + 1, 38, 13, 222), 6, 6);
    z.Flaeche(rechts, Farbe::Frucht);
    Rahmen(z, {x - 14, 258}, -118, [&] {
        QPainterPath klappe;
        klappe.addRoundedRect(QRectF(0, -12, 214, 24), 12, 12);
        z.Flaeche(klappe, Farbe::Frucht);
        z.Linie({10, 0}, {204, 0}, TStrich::Fein);
    });
}

void Schoetchen(TZeichner& z)
{
    auto stiel = [&](double x) { z.Linie({x, Unten}, {x, 210}, TStrich::Normal); };
    // Shepherd's purse: triangular, heart-shaped at the top.
    stiel(60);
    QPainterPath herz({60, 210});
    herz.lineTo(16, 130);
    herz.quadTo(26, 110, 44, 122);
    herz.lineTo(60, 136);
    herz.lineTo(76, 122);
    herz.quadTo(94, 110, 104, 130);
    herz.closeSubpath();
    z.Flaeche(herz, Farbe::Frucht);
    z.Linie({60, 208}, {60, 136}, TStrich::Fein);
    // Field penny-cress: round with a broad wing.
    stiel(165);
    z.Ellipse({165, 160}, 46, 50, QColor(0xee, 0xe3, 0xb8));
    z.Ellipse({165, 166}, 22, 30, Farbe::Frucht);
    z.Linie({165, 110}, {165, 196}, TStrich::Fein);
    // An oval pod.
    stiel(262);
    z.Ellipse({262, 168}, 22, 42, Farbe::Frucht);
    z.Linie({262, 126}, {262, 112}, TStrich::Normal);
    z.Linie({262, 128}, {262, 208}, TStrich::Fein);
}

void Spaltfrucht(TZeichner& z)
{
    const bool gross = z.Gross();
    const double x = gross ? 110 : MitteX;
    z.Linie({x, Unten}, {x, 230}, TStrich::Achse);
    z.Linie({x, 230}, {x - 5, 62}, TStrich::Normal);
    z.Linie({x, 230}, {x + 5, 62}, TStrich::Normal);
    for (double s : {-1.0, 1.0}) {
        const QPointF oben(x + s * 6, 64);
        Rahmen(z, oben, 90 + s * 24, [&] {
            QPainterPath teil({0, 0});
            teil.cubicTo(20, s * 30, 130, s * 30, 170, s * 6);
            teil.cubicTo(130, -s * 4, 20, -s * 4, 0, 0);
            z.Flaeche(teil, Farbe::Frucht);
            for (double t : {0.3, 0.6})
                z.Kurve({10, s * 6 * t * 2}, {85, s * 26 * t * 1.3}, {160, s * 6}, TStrich::Fein);
        });
        z.Kreis(oben + QPointF(s * 4, -4), z.Gr(5, 7), Farbe::Kelch, TStrich::Fein);
    }
    if (!gross) return;
    // Maple: two winged halves.
    const QPointF m(246, 210);
    z.Linie({246, Unten}, m, TStrich::Normal);
    for (double s : {-1.0, 1.0}) {
        Rahmen(z, m, -90 + s * 32, [&] {
            QPainterPath fluegel({0, 0});
            fluegel.cubicTo(34, s * 6, 88, s * 18, 96, s * 2);
            fluegel.cubicTo(88, -s * 22, 34, -s * 20, 0, -s * 6);
            fluegel.closeSubpath();
            z.Flaeche(fluegel, QColor(0xe9, 0xdc, 0xa8));
            z.Ellipse({14, -s * 2}, 14, 10, Farbe::Frucht);
        });
    }
    z.Text({250, 40}, QStringLiteral("Ahorn"));
}

void Klausen(TZeichner& z)
{
    const QPointF m(MitteX, 150);
    for (int i = 0; i < 5; ++i) {
        TBlatt kelch{TBlattform::Lanzettlich, 118, 52, TRand::Ganz, TNervatur::Mittelnerv};
        kelch.Fuellung = Farbe::Kelch;
        ZeichneBlatt(z, m, -90 + 72.0 * i, kelch);
    }
    for (int i = 0; i < 4; ++i) {
        const double w = 45 + 90.0 * i;
        Rahmen(z, Weiter(m, w, 34), w, [&] {
            z.Ellipse({0, 0}, 28, 21, Nussbraun);
            z.Kurve({-20, -6}, {0, -14}, {20, -6}, TStrich::Fein);
        });
    }
    z.Kreis(m, z.Gr(7, 10), Farbe::Kelch);
    z.Punkt(m, z.Gr(2.5, 4));
}

void Beere(TZeichner& z)
{
    const QPointF m(MitteX, 160);
    const double r = 112;
    z.Linie({m.x(), m.y() - r}, {m.x() - 16, 20}, TStrich::Achse);
    z.Kreis(m, r, QColor(0x4b, 0x3a, 0x78), TStrich::Normal);
    z.Kreis(m, r - z.Gr(6, 10), QColor(0xc9, 0x8a, 0xc4), TStrich::Fein);
    const QPointF samen[] = {{-34, -20}, {30, -30}, {-10, 30}, {44, 22},
                             {-48, 26},  {6, -52},  {12, 4}};
    for (QPointF s : samen)
        Rahmen(z, m + s, s.x() * 3, [&] {
            z.Ellipse({0, 0}, z.Gr(9, 12), z.Gr(6, 8), QColor(0xf3, 0xe6, 0xc3), TStrich::Fein);
        });
}

void Steinfrucht(TZeichner& z)
{
    const QPointF m(MitteX + 10, 170);
    const double r = 104;
    z.Kurve({m.x(), m.y() - r + 6}, {m.x() - 20, 60}, {m.x() - 70, 14}, TStrich::Achse);
    z.Kreis(m, r, Rot);
    z.Kreis(m, r - z.Gr(6, 10), Fruchtfleisch, TStrich::Fein);
    z.Ellipse(m, 44, 56, Stein, TStrich::Achse);
    z.Ellipse({m.x(), m.y() + 4}, 22, 32, Farbe::Samen);
}

void Apfel(TZeichner& z)
{
    const bool gross = z.Gross();
    const QPointF m(gross ? 130 : MitteX, 160);
    const double s = gross ? 1.0 : 1.1;
    QPainterPath apfel({m.x(), m.y() - 88 * s});
    apfel.cubicTo(m.x() + 40 * s, m.y() - 112 * s, m.x() + 125 * s, m.y() - 90 * s, m.x() + 115 * s,
                  m.y() + 10 * s);
    apfel.cubicTo(m.x() + 105 * s, m.y() + 80 * s, m.x() + 50 * s, m.y() + 104 * s, m.x(),
                  m.y() + 100 * s);
    apfel.cubicTo(m.x() - 50 * s, m.y() + 104 * s, m.x() - 105 * s, m.y() + 80 * s, m.x() - 115 * s,
                  m.y() + 10 * s);
    apfel.cubicTo(m.x() - 125 * s, m.y() - 90 * s, m.x() - 40 * s, m.y() - 112 * s, m.x(),
                  m.y() - 88 * s);
    z.Flaeche(apfel, QColor(0xf8, 0xf1, 0xcc), TStrich::Achse, QColor(0xb8, 0x3a, 0x2a));
    z.Linie({m.x(), m.y() - 84 * s}, {m.x() + 10, m.y() - 128 * s}, TStrich::Achse, Farbe::Holz);
    // The core: the carpels' parchment walls with the pips.
    QPainterPath kern({m.x(), m.y() - 50 * s});
    kern.cubicTo(m.x() + 46 * s, m.y() - 30 * s, m.x() + 46 * s, m.y() + 40 * s, m.x(),
                 m.y() + 60 * s);
    kern.cubicTo(m.x() - 46 * s, m.y() + 40 * s, m.x() - 46 * s, m.y() - 30 * s, m.x(),
                 m.y() - 50 * s);
    z.Umriss(kern, TStrich::Fein);
    for (double d : {-1.0, 1.0}) {
        z.Ellipse({m.x() + d * 18 * s, m.y() + 4 * s}, 12 * s, 24 * s, Farbe::Weiss, TStrich::Fein);
        z.Ellipse({m.x() + d * 18 * s, m.y() + 6 * s}, 6 * s, 13 * s, Farbe::Samen, TStrich::Fein);
    }
    Kelchrest(z, {m.x(), m.y() + 100 * s}, 16, 90);
    if (!gross) return;
    const QPointF q(272, 236);
    z.Kreis(q, 38, QColor(0xf8, 0xf1, 0xcc), TStrich::Normal, QColor(0xb8, 0x3a, 0x2a));
    for (int i = 0; i < 5; ++i) {
        const double w = -90 + 72.0 * i;
        z.Linie(q, Weiter(q, w, 20), TStrich::Fein);
        z.Ellipse(Weiter(q, w, 12), 3.5, 3.5, Farbe::Samen, TStrich::Fein);
    }
    z.Text({272, 288}, QStringLiteral("quer"));
}

void Hagebutte(TZeichner& z)
{
    const double x = MitteX;
    Fruchtstiel(z, {x, 262});
    QPainterPath aussen({x - 26, 70});
    aussen.cubicTo(x - 40, 110, x - 100, 150, x - 90, 200);
    aussen.cubicTo(x - 80, 256, x - 30, 268, x, 268);
    aussen.cubicTo(x + 30, 268, x + 80, 256, x + 90, 200);
    aussen.cubicTo(x + 100, 150, x + 40, 110, x + 26, 70);
    aussen.closeSubpath();
    QPainterPath innen({x - 10, 86});
    innen.cubicTo(x - 20, 120, x - 70, 150, x - 64, 196);
    innen.cubicTo(x - 58, 238, x - 24, 246, x, 246);
    innen.cubicTo(x + 24, 246, x + 58, 238, x + 64, 196);
    innen.cubicTo(x + 70, 150, x + 20, 120, x + 10, 86);
    innen.closeSubpath();
    z.Flaeche(aussen, Rot);
    z.Flaeche(innen, QColor(0xfb, 0xe7, 0xb6), TStrich::Fein);
    const QPointF nuesse[] = {{-30, 210}, {0, 222},  {30, 210},  {-40, 180}, {-12, 188},
                              {16, 186},  {42, 178}, {-24, 156}, {22, 154},  {0, 162}};
    for (QPointF n : nuesse) {
        const QPointF p(x + n.x(), n.y());
        z.Ellipse(p, z.Gr(9, 11), z.Gr(12, 14), Farbe::Frucht, TStrich::Fein);
        if (z.Gross())
            for (double w : {-130.0, -90.0, -50.0})
                z.Linie(Weiter(p, w, 11), Weiter(p, w, 17), TStrich::Fein);
    }
    for (double w : {-150.0, -115.0, -65.0, -30.0}) {
        TBlatt kelch{TBlattform::Lanzettlich, 62, 16, TRand::Ganz, TNervatur::Keine};
        kelch.Fuellung = Farbe::Kelch;
        ZeichneBlatt(z, {x, 72}, w, kelch);
    }
    z.Ellipse({x, 74}, 14, 6, QColor(0xe4, 0xd3, 0x8a), TStrich::Fein);
}

void Scheinbeere(TZeichner& z)
{
    const bool gross = z.Gross();
    const QPointF a(14, gross ? 70 : 90), e(gross ? 230 : 306, gross ? 150 : 180);
    z.Linie(a, e, TStrich::Stark, Farbe::Holz);
    for (double t = 0.05; t < 0.98; t += 0.09)
        for (double w : {-50.0, -20.0, 30.0})
            z.Linie(Mitte(a, e, t), Weiter(Mitte(a, e, t), Winkel(a, e) + w, 42), TStrich::Normal,
                    QColor(0x3f, 0x6e, 0x3a));
    for (double t : {0.3, 0.62, 0.9}) {
        const QPointF m = Mitte(a, e, t) + QPointF(6, z.Gr(40, 46));
        const double r = z.Gr(26, 34);
        z.Kreis(m, r, Dunkelblau);
        z.Kreis(m + QPointF(-r * 0.35, -r * 0.35), r * 0.25, QColor(0x8c, 0x93, 0xc4),
                TStrich::Fein, QColor(0x8c, 0x93, 0xc4));
        for (double w : {-90.0, 30.0, 150.0})
            z.Linie(m + QPointF(0, r * 0.1), Weiter(m + QPointF(0, r * 0.1), w, r * 0.45),
                    TStrich::Fein, QColor(0xdd, 0xdd, 0xee));
    }
    if (!gross) return;
    // Yew: a red cup around the dark seed.
    const QPointF m(258, 232);
    z.Linie({258, 180}, {258, 200}, TStrich::Normal);
    QPainterPath becher({m.x() - 30, m.y() - 30});
    becher.cubicTo(m.x() - 40, m.y() + 40, m.x() + 40, m.y() + 40, m.x() + 30, m.y() - 30);
    becher.cubicTo(m.x() + 14, m.y() - 10, m.x() - 14, m.y() - 10, m.x() - 30, m.y() - 30);
    z.Flaeche(becher, Rot);
    z.Ellipse({m.x(), m.y() - 16}, 12, 16, QColor(0x4a, 0x3b, 0x2a));
    z.Text({258, 288}, QStringLiteral("Eibe"));
    z.Text({90, 250}, QStringLiteral("Wacholder"));
}

void Achaene(TZeichner& z)
{
    const bool gross = z.Gross();
    const double x = gross ? 110 : MitteX;
    QPainterPath koerper({x, 200});
    koerper.cubicTo(x + 16, 210, x + 14, 262, x, 284);
    koerper.cubicTo(x - 14, 262, x - 16, 210, x, 200);
    z.Flaeche(koerper, Nussbraun.lighter(120));
    for (double d : {-6.0, 0.0, 6.0})
        z.Linie({x + d * 0.6, 210}, {x + d, 270}, TStrich::Fein);
    Pappus(z, {x, 202}, 190, false);
    if (!gross) return;
    const QPointF m(240, 190);
    z.Ellipse(m, 26, 66, Nussbraun.lighter(120));
    z.Ellipse(m, 19, 58, Farbe::Weiss, TStrich::Fein);
    z.Ellipse({m.x(), m.y() + 4}, 13, 46, QColor(0xf3, 0xe6, 0xc3));
    z.Beschriftung({m.x() + 12, m.y() - 10}, {m.x() + 40, m.y() - 80}, QStringLiteral("Same"));
    z.Beschriftung({m.x() - 24, m.y() + 30}, {m.x() - 60, m.y() + 84},
                   QStringLiteral("Fruchtwand"));
}

void Karyopse(TZeichner& z)
{
    const bool gross = z.Gross();
    const QPointF m(gross ? 100 : MitteX, 150);
    const double s = gross ? 1.0 : 1.25;
    z.Ellipse(m, 44 * s, 92 * s, QColor(0xe6, 0xc4, 0x7a));
    z.Linie({m.x(), m.y() - 80 * s}, {m.x(), m.y() + 80 * s}, TStrich::Normal);
    z.Ellipse({m.x() - 22 * s, m.y() + 72 * s}, 12 * s, 16 * s, QColor(0xf5, 0xe9, 0xc8),
              TStrich::Fein);
    for (int i = -3; i <= 3; ++i)
        z.Linie({m.x() + i * 5 * s, m.y() - 90 * s}, {m.x() + i * 7 * s, m.y() - 104 * s},
                TStrich::Fein);
    if (!gross) return;
    const QPointF q(240, 150);
    z.Ellipse(q, 44, 92, QColor(0xe6, 0xc4, 0x7a));
    z.Ellipse(q, 38, 86, Farbe::Weiss, TStrich::Fein);
    z.Ellipse({q.x() - 16, q.y() + 66}, 14, 18, QColor(0xf1, 0xd2, 0x8c), TStrich::Fein);
    z.Beschriftung({q.x() + 43, q.y() - 30}, {q.x() + 50, q.y() - 110},
                   QStringLiteral("Fruchtwand + Samenschale"));
    z.Beschriftung({q.x() - 16, q.y() + 66}, {q.x() - 50, q.y() + 120}, QStringLiteral("Keimling"));
}

} // namespace

void Frucht(TZeichner& z, TFrucht art)
{
    switch (art) {
    case TFrucht::Balg:
        return Balg(z, false);
    case TFrucht::Fleischbalg:
        return Balg(z, true);
    case TFrucht::Huelse:
        return Huelse(z);
    case TFrucht::Gliederhuelse:
        return Gliederhuelse(z);
    case TFrucht::Nuss:
        return Nuss(z);
    case TFrucht::Nuesschen:
        return Nuesschen(z);
    case TFrucht::Sammelsteinfrucht:
        return Sammelsteinfrucht(z);
    case TFrucht::Kapsel:
        return Kapsel(z);
    case TFrucht::Schote:
        return Schote(z);
    case TFrucht::Schoetchen:
        return Schoetchen(z);
    case TFrucht::Spaltfrucht:
        return Spaltfrucht(z);
    case TFrucht::Klausen:
        return Klausen(z);
    case TFrucht::Beere:
        return Beere(z);
    case TFrucht::Steinfrucht:
        return Steinfrucht(z);
    case TFrucht::Apfel:
        return Apfel(z);
    case TFrucht::Hagebutte:
        return Hagebutte(z);
    case TFrucht::Scheinbeere:
        return Scheinbeere(z);
    case TFrucht::Zapfen:
        z.Linie({MitteX - 60, 20}, {MitteX + 70, 30}, TStrich::Stark, Farbe::Holz);
        z.Linie({MitteX, 26}, {MitteX, 48}, TStrich::Achse, Farbe::Holz);
        return Zapfen(z, {MitteX, 160}, 230, 120, 90, true);
    case TFrucht::Achaene:
        return Achaene(z);
    case TFrucht::Karyopse:
        return Karyopse(z);
    }
}
