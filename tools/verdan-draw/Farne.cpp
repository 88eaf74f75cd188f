#include "Farne.h"

#include "Blatt.h"

#include <QtMath>
#include <cmath>
#include <functional>

namespace {

const QColor Sporangium{0x9a, 0x62, 0x2e};
const QColor Indusium{0xf1, 0xe8, 0xcf};
const QColor Stengelgruen{0x9c, 0xc9, 0x7a};
const QColor Scheidengruen{0x5f, 0x8f, 0x4a};

void Sporangien(TZeichner& z, QPointF p, double r)
{
    const double k = r * 0.34;
    z.Kreis(p, k, Sporangium, TStrich::Fein);
    for (int i = 0; i < 6; ++i)
        z.Kreis(Weiter(p, 60.0 * i + 15, r * 0.6), k, Sporangium, TStrich::Fein);
}

// The pinnule the sori sit on, seen from below; its midrib runs along y = 150.
TBlatt Fiederchen()
{
    TBlatt b{TBlattform::Lanzettlich, 300, 178, TRand::Gekerbt, TNervatur::Fieder};
    return b;
}

void Krummstab(TZeichner& z, QPointF fuss, QPointF kopf, double r)
{
    QPainterPath stiel(fuss);
    stiel.quadTo(QPointF(fuss.x(), kopf.y() + r * 2), QPointF(kopf.x() + r, kopf.y() + r * 0.2));
    z.Umriss(stiel, TStrich::Achse);
    QPainterPath spirale;
    for (int i = 0; i <= 60; ++i) {
        const double phi = qDegreesToRadians(10.0 + i * 9);
        const double rr = r * (1 - i / 75.0);
        const QPointF p(kopf.x() + std::cos(phi) * rr, kopf.y() - std::sin(phi) * rr);
        i == 0 ? spirale.moveTo(p) : spirale.lineTo(p);
    }
    z.Umriss(spirale, TStrich::Achse);
}

} // namespace

void Farnbusch(TZeichner& z, QPointF fuss, double hoehe)
{
    const double winkel[] = {-138, -90, -42};
    for (double w : winkel) {
        TWedel wedel;
        wedel.Teilung = 1;
        wedel.Laenge = hoehe * (std::abs(w + 90) > 30 ? 0.66 : 0.74);
        wedel.Breite = hoehe * 0.3;
        wedel.Stiel = hoehe * 0.1;
        ZeichneWedel(z, fuss, w, wedel);
    }
    Krummstab(z, fuss, {fuss.x() + hoehe * 0.16, fuss.y() - hoehe * 0.36}, hoehe * 0.07);
}

void Schachtelhalm(TZeichner& z, QPointF fuss, double hoehe, bool aeste, bool aehre)
{
    const double w = z.Gr(14, 20);
    const int glieder = aehre ? 5 : 7;
    const double stengelHoehe = aehre ? hoehe * 0.7 : hoehe;
    const double glied = stengelHoehe / glieder;
    const double x = fuss.x();
    if (aeste)
        for (int i = 1; i < glieder; ++i) {
            const QPointF knoten(x, fuss.y() - i * glied);
            const double l = glied * (2.2 - i * 0.22);
            for (double a : {-28.0, -152.0, -58.0, -122.0}) {
                const double laenge = std::abs(a + 90) < 40 ? l * 0.55 : l;
                const QPointF ende = Weiter(knoten, a, laenge);
                z.Linie(knoten, ende, TStrich::Normal, Scheidengruen);
                for (double t = 0.3; t < 1; t += 0.3)
                    z.Punkt(Mitte(knoten, ende, t), z.Gr(1.8, 2.5), Farbe::Linie);
            }
        }
    for (int i = 0; i < glieder; ++i) {
        const double unten = fuss.y() - i * glied;
        QPainterPath stueck;
        stueck.addRect(QRectF(x - w / 2, unten - glied, w, glied));
        z.Flaeche(stueck, Stengelgruen, TStrich::Fein);
        for (double d : {-0.2, 0.2})
            z.Linie({x + d * w, unten - glied * 0.7}, {x + d * w, unten - 2}, TStrich::Fein,
                    Scheidengruen);
        // The sheath at the node, with its teeth.
        const double sh = glied * 0.3;
        const double sw = w * 0.66;
        QPainterPath scheide({x - sw, unten - glied});
        scheide.lineTo(x + sw, unten - glied);
        scheide.lineTo(x + sw * 0.85, unten - glied - sh);
        for (int k = 4; k >= -4; --k) {
            const double zx = x + k * sw * 0.21;
            scheide.lineTo(zx + sw * 0.1, unten - glied - sh);
            scheide.lineTo(zx, unten - glied - sh - z.Gr(6, 8));
            scheide.lineTo(zx - sw * 0.1, unten - glied - sh);
        }
        scheide.lineTo(x - sw * 0.85, unten - glied - sh);
        scheide.closeSubpath();
        z.Flaeche(scheide, Scheidengruen, TStrich::Fein);
    }
    if (!aehre) return;
    const QPointF m(x, fuss.y() - stengelHoehe - hoehe * 0.16);
    const double rx = w * 1.5, ry = hoehe * 0.15;
    z.Ellipse(m, rx, ry, QColor(0xd8, 0xb4, 0x62));
    QPainter& maler = z.Maler();
    maler.save();
    QPainterPath aehrePfad;
    aehrePfad.addEllipse(m, rx, ry);
    maler.setClipPath(aehrePfad, Qt::IntersectClip);
    const double s = z.Gr(10, 14);
    for (double y = m.y() - ry; y < m.y() + ry; y += s * 0.85)
        for (double xx = m.x() - rx + (int((y - m.y()) / s) % 2 ? s / 2 : 0); xx < m.x() + rx;
             xx += s)
            z.Kreis({xx, y}, s * 0.42, QColor(0xe6, 0xc8, 0x7c), TStrich::Fein);
    maler.restore();
    z.Ellipse(m, rx, ry, Qt::transparent);
}

void Mondraute(TZeichner& z)
{
    z.Boden(282);
    const QPointF gabel(MitteX, 170);
    z.Linie({MitteX, 282}, gabel, TStrich::Achse);
    // The sterile blade: a rachis with fan-shaped pinnae.
    const QPointF spitze = Weiter(gabel, -150, 126);
    z.Linie(gabel, spitze, TStrich::Normal);
    for (int i = 0; i < 5; ++i) {
        const QPointF an = Mitte(gabel, spitze, 0.14 + i * 0.19);
        for (double s : {-1.0, 1.0}) {
            TBlatt fieder{TBlattform::Niere, z.Gr(18, 22), z.Gr(28, 34), TRand::Ganz,
                          TNervatur::Hand};
            fieder.Lappen = 4;
            fieder.Stiel = 2;
            ZeichneBlatt(z, an, -150 + s * 70, fieder);
        }
    }
    TBlatt ende{TBlattform::Niere, 20, 30, TRand::Ganz, TNervatur::Hand};
    ZeichneBlatt(z, spitze, -150, ende);
    // The fertile part: a panicle of round sporangia.
    const QPointF oben(196, 28);
    z.Kurve(gabel, {188, 120}, oben, TStrich::Normal);
    for (int i = 0; i < 6; ++i) {
        const double t = 0.3 + i * 0.12;
        const QPointF an = Mitte(gabel, oben, t) + QPointF(std::sin(t * 3) * 6, 0);
        for (double s : {-1.0, 1.0}) {
            const QPointF e = Weiter(an, -90 + s * 60, 34 - i * 3.0);
            z.Linie(an, e, TStrich::Fein);
            for (double k : {0.45, 0.75, 1.0})
                z.Kreis(Mitte(an, e, k), z.Gr(4.2, 6.5), QColor(0xd7, 0xa8, 0x48), TStrich::Fein);
        }
    }
}

void Blattachselsporangien(TZeichner& z)
{
    const double x = MitteX;
    z.Linie({x, 296}, {x, 14}, TStrich::Achse);
    for (int i = 0; i < 13; ++i) {
        const double y = 280 - i * 21;
        const double s = i % 2 ? -1 : 1;
        const double w = -90 + s * 48;
        TBlatt blatt{TBlattform::Lanzettlich, 70, 18, TRand::Ganz, TNervatur::Mittelnerv};
        blatt.Fuellung = QColor(0x9e, 0xcb, 0x7e);
        ZeichneBlatt(z, {x, y}, w, blatt);
        if (i >= 3 && i <= 9) {
            const QPointF achsel = Weiter({x, y}, -90 + s * 22, z.Gr(13, 17));
            z.Ellipse(achsel, z.Gr(9, 12), z.Gr(6.5, 9), QColor(0xea, 0xc2, 0x3c));
            z.Linie({achsel.x() - z.Gr(7, 9), achsel.y()}, {achsel.x() + z.Gr(7, 9), achsel.y()},
                    TStrich::Fein);
        }
    }
}

void Sorus(TZeichner& z, QPointF p, double r, TSchleier art, double winkel)
{
    switch (art) {
    case TSchleier::Fehlend:
    case TSchleier::Umgerollt:
        Sporangien(z, p, r);
        break;
    case TSchleier::Schild:
        Sporangien(z, p, r * 1.1);
        z.Kreis(p, r * 0.82, Indusium);
        z.Punkt(p, r * 0.14);
        break;
    case TSchleier::Niere:
        Sporangien(z, p, r * 1.1);
        Rahmen(z, p, winkel, [&] {
            QPainterPath niere;
            niere.moveTo(Richtung(200) * r * 0.9);
            for (int i = 20; i <= 340; i += 10)
                niere.lineTo(Richtung(180 + i) * r * 0.9);
            niere.lineTo(Richtung(180) * r * 0.2);
            niere.closeSubpath();
            z.Flaeche(niere, Indusium);
            z.Linie(Richtung(180) * r * 0.2, {r * 0.15, 0}, TStrich::Fein);
        });
        break;
    case TSchleier::Lineal:
    case TSchleier::Haken:
    case TSchleier::Bewimpert:
        Rahmen(z, p, winkel, [&] {
            const double l = r * 2.3, b = r * 0.8;
            QPainterPath band;
            band.addRoundedRect(QRectF(-l / 2, -b / 2, l, b), b / 2, b / 2);
            z.Flaeche(band, Sporangium);
            QPainterPath klappe({-l / 2, b * 0.1});
            klappe.cubicTo(-l / 4, -b * 0.7, l / 4, -b * 0.7, l / 2, b * 0.1);
            if (art != TSchleier::Lineal) {
                // Hooked over the vein at its end, like a J.
                klappe.cubicTo(l / 2 + b * 0.6, b * 0.4, l / 2 + b * 0.2, b * 1.3, l / 2 - b * 0.4,
                               b * 1.0);
                klappe.cubicTo(l / 2 - b * 0.1, b * 0.5, l / 4, b * 0.25, -l / 2, b * 0.1);
            } else {
                klappe.cubicTo(l / 4, -b * 0.1, -l / 4, -b * 0.1, -l / 2, b * 0.1);
            }
            klappe.closeSubpath();
            z.Flaeche(klappe, Indusium);
            if (art == TSchleier::Bewimpert)
                for (double t = -0.45; t <= 0.46; t += 0.1) {
                    const QPointF a(t * l, -b * 0.52 + std::abs(t) * b * 0.6);
                    z.Linie(a, a + QPointF(0, -b * 0.6), TStrich::Fein);
                }
        });
        break;
    case TSchleier::Flamme:
        Sporangien(z, p, r);
        Rahmen(z, p, winkel, [&] {
            // Attached at the vein side, narrowing to a tip towards the margin.
            QPainterPath flamme({-r * 0.7, -r * 0.8});
            flamme.cubicTo(-r * 0.1, -r * 1.0, r * 0.9, -r * 0.6, r * 1.6, -r * 0.05);
            flamme.lineTo(r * 1.25, r * 0.08);
            flamme.lineTo(r * 1.45, r * 0.32);
            flamme.lineTo(r * 1.0, r * 0.3);
            flamme.cubicTo(r * 0.5, r * 0.55, -r * 0.1, r * 0.85, -r * 0.7, r * 0.8);
            flamme.closeSubpath();
            z.Flaeche(flamme, Indusium);
        });
        break;
    case TSchleier::Haare:
        for (int i = 0; i < 14; ++i)
            z.Linie(p, Weiter(p, i * 360.0 / 14, r * 1.9), TStrich::Fein, QColor(0x8a, 0x80, 0x70));
        Sporangien(z, p, r);
        break;
    case TSchleier::Tasche:
        Rahmen(z, p, winkel, [&] {
            Sporangien(z, {r * 0.5, 0}, r * 0.8);
            QPainterPath tasche({r * 0.4, -r * 0.95});
            tasche.cubicTo(-r * 1.4, -r * 1.1, -r * 1.4, r * 1.1, r * 0.4, r * 0.95);
            tasche.cubicTo(-r * 0.6, r * 0.5, -r * 0.6, -r * 0.5, r * 0.4, -r * 0.95);
            tasche.closeSubpath();
            z.Flaeche(tasche, Indusium);
        });
        break;
    }
}

void Schleier(TZeichner& z, TSchleier art)
{
    const TBlatt b = Fiederchen();
    const QPointF ansatz(8, 150);
    ZeichneBlatt(z, ansatz, 0, b);
    if (art == TSchleier::Umgerollt) {
        // The margin is rolled in over the sporangia: a brown seam along the edge.
        const QPolygonF rand = Abtasten(BlattPfad(b).translated(ansatz), 3);
        for (int i = 0; i < rand.size(); ++i) {
            const QPointF p = rand[i];
            const QPointF innen = Mitte(p, {p.x(), 150}, 0.14);
            if (std::abs(p.y() - 150) < 6 || p.x() < 30) continue;
            z.Linie(p, innen, TStrich::Normal, QColor(0xb7, 0x8a, 0x55));
        }
        for (int i = 0; i < rand.size(); i += 4) {
            const QPointF p = rand[i];
            if (std::abs(p.y() - 150) < 10 || p.x() < 34) continue;
            z.Punkt(Mitte(p, {p.x(), 150}, 0.2), z.Gr(2.6, 4), Sporangium);
        }
        return;
    }
    const double r = z.Gr(15, 20);
    for (double x : {96.0, 170.0, 238.0})
        for (double s : {-1.0, 1.0}) {
            const double rr = x > 200 ? r * 0.8 : r;
            // Elongated sori follow the veins; the others turn their open side (kidney:
            // the notch) as the plants do.
            const bool laenglich =
                art == TSchleier::Lineal || art == TSchleier::Bewimpert || art == TSchleier::Haken;
            const double zumRand = s < 0 ? -90 : 90;
            const double winkel = laenglich                 ? s * 38
                                  : art == TSchleier::Niere ? zumRand + 180
                                                            : zumRand;
            const QPointF p(x + (art == TSchleier::Lineal ? rr : 0), 150 + s * (rr * 1.7 + 6));
            Sorus(z, p, rr, art, winkel);
        }
}

void Soruslage(TZeichner& z, TSorusLage lage)
{
    if (lage == TSorusLage::Umgerollt) {
        Schleier(z, TSchleier::Umgerollt);
        if (!z.Gross()) return;
        // The blade cut across: the margin folded over the sporangia.
        const QPointF m(236, 262);
        QPainterPath schnitt({m.x() - 70, m.y()});
        schnitt.lineTo(m.x() + 50, m.y() - 4);
        schnitt.cubicTo(m.x() + 74, m.y() - 6, m.x() + 74, m.y() + 22, m.x() + 48, m.y() + 20);
        schnitt.lineTo(m.x() + 46, m.y() + 14);
        schnitt.cubicTo(m.x() + 64, m.y() + 14, m.x() + 64, m.y() + 2, m.x() + 48, m.y() + 3);
        schnitt.lineTo(m.x() - 70, m.y() + 7);
        schnitt.closeSubpath();
        z.Flaeche(schnitt, Farbe::Blatt);
        for (double dx : {30.0, 38.0})
            z.Punkt({m.x() + dx, m.y() + 12}, 3.2, Sporangium);
        z.Text({176, 292}, QStringLiteral("quer"));
        return;
    }
    if (lage == TSorusLage::Unterseits) {
        TWedel w;
        w.Teilung = 1;
        w.Sori = true;
        w.Laenge = 230;
        w.Breite = 176;
        w.Stiel = 40;
        ZeichneWedel(z, {150, 298}, -86, w);
        return;
    }
    // Filmy fern: narrow segments, each ending in a two-lipped pocket with sporangia.
    z.Linie({20, 240}, {300, 120}, TStrich::Achse);
    for (int i = 0; i < 5; ++i) {
        const QPointF an = Mitte({20, 240}, {300, 120}, 0.1 + i * 0.2);
        const double s = i % 2 ? 1 : -1;
        const double w = Winkel({20, 240}, {300, 120}) + s * 55;
        TBlatt abschnitt{TBlattform::Lineal, 88, z.Gr(16, 22), TRand::Ganz, TNervatur::Mittelnerv};
        abschnitt.Fuellung = QColor(0xd6, 0xec, 0xc4);
        ZeichneBlatt(z, an, w, abschnitt);
        Sorus(z, Weiter(an, w, 98), z.Gr(13, 17), TSchleier::Tasche, w + 180);
    }
}
