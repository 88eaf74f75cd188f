// Drawings of the glossary (key 61): one per numbered slot "61x<field>x<item>" of
// data/glossary-drawings.md. Field n of the glossary key is the criterion titled n - 1.

#include "Farne.h"
#include "Motive.h"
#include "Rezepte.h"
#include "Rezepthilfen.h"

#include <QtMath>
#include <cmath>
#include <functional>
#include <vector>

namespace {

TBlatt Blattform(TBlattform form, double l, double b, TRand rand = TRand::Ganz,
                 TNervatur nerven = TNervatur::Fieder, double stiel = 34)
{
    TBlatt blatt{form, l, b, rand, nerven};
    blatt.Stiel = stiel;
    return blatt;
}

// ---- Field 1: leaf margins ------------------------------------------------------------------

void Gewellt(TZeichner& z)
{
    // The blade seen from its edge: the margin runs up and down in waves.
    const double x0 = 30, x1 = 300, y = 160;
    z.Linie({6, y + 30}, {x0 + 6, y + 4}, TStrich::Normal);
    auto rand = [&](double t, double seite) {
        const double breite = 40 * std::sqrt(std::max(0.0, std::sin(M_PI * t)));
        return QPointF(x0 + (x1 - x0) * t,
                       y + seite * breite * 0.45 + std::sin(t * 6 * M_PI) * breite * 0.55);
    };
    QPainterPath blatt(rand(0, -1));
    for (int i = 1; i <= 100; ++i)
        blatt.lineTo(rand(i / 100.0, -1));
    for (int i = 100; i >= 0; --i)
        blatt.lineTo(rand(i / 100.0, 1));
    blatt.closeSubpath();
    z.Flaeche(blatt, Farbe::Blatt);
    // The folds that face away are darker.
    for (int k = 0; k < 6; ++k) {
        const double t = (k + 0.75) / 6.0;
        z.Kurve(rand(t, -1), {x0 + (x1 - x0) * t + 6, y}, rand(t, 1), TStrich::Fein);
    }
    z.Linie({x0 + 4, y}, {x1 - 4, y}, TStrich::Fein);
}

void Umgerollt(TZeichner& z)
{
    // A blade cut across: its margins are rolled down and under.
    const double y = 140;
    QPainterPath blatt({60, y - 6});
    blatt.quadTo(160, y - 22, 260, y - 6);
    blatt.cubicTo(300, y, 300, y + 46, 268, y + 44);
    blatt.cubicTo(246, y + 42, 248, y + 18, 266, y + 20);
    blatt.cubicTo(278, y + 22, 276, y + 32, 268, y + 32);
    blatt.cubicTo(262, y + 26, 268, y + 14, 252, y + 10);
    blatt.quadTo(160, y - 2, 68, y + 10);
    blatt.cubicTo(52, y + 14, 58, y + 26, 52, y + 32);
    blatt.cubicTo(44, y + 32, 42, y + 22, 54, y + 20);
    blatt.cubicTo(72, y + 18, 74, y + 42, 52, y + 44);
    blatt.cubicTo(20, y + 46, 20, y, 60, y - 6);
    blatt.closeSubpath();
    z.Flaeche(blatt, Farbe::Blatt);
    z.Ellipse({160, y + 8}, 16, 12, Farbe::Blatt);
    z.Text({160, 240}, QStringLiteral("Querschnitt"));
}

// ---- Field 2: leaf outlines ----------------------------------------------------------------

void Nadelblatt(TZeichner& z)
{
    const QPointF a(14, 140), e(220, 60);
    z.Linie(a, e, TStrich::Stark, Farbe::Holz);
    for (double t = 0.06; t < 0.97; t += 0.08)
        for (double s : {-1.0, 1.0}) {
            TBlatt nadel{TBlattform::Nadel, 70, z.Gr(6, 9), TRand::Ganz, TNervatur::Keine};
            nadel.Fuellung = QColor(0x5e, 0x94, 0x52);
            ZeichneBlatt(z, Mitte(a, e, t), Winkel(a, e) + s * 55, nadel);
        }
    // Enlarged cross-section of one needle.
    const QPointF q(240, 220);
    z.Kreis(q, 50, Farbe::Weiss, TStrich::Fein, QColor(0x99, 0x99, 0x99));
    QPainterPath quer({q.x() - 34, q.y() + 8});
    quer.quadTo(q.x(), q.y() - 34, q.x() + 34, q.y() + 8);
    quer.closeSubpath();
    z.Flaeche(quer, QColor(0x7d, 0xae, 0x68));
    z.Kreis({q.x(), q.y() - 2}, 6, QColor(0xd8, 0xe8, 0xc0), TStrich::Fein);
    z.Strichlinie(Mitte(a, e, 0.62), {q.x() - 36, q.y() - 34}, QColor(0x99, 0x99, 0x99));
}

void Schuppenblatt(TZeichner& z)
{
    // A shoot covered with small leaves pressed on like roof tiles.
    const QPointF a(30, 250), e(290, 50);
    z.Linie(a, e, TStrich::Achse);
    const double w = Winkel(a, e);
    for (double t = 0.0; t < 0.98; t += 0.045)
        for (double s : {-1.0, 1.0}) {
            TBlatt schuppe{TBlattform::Eifoermig, 34, 20, TRand::Ganz, TNervatur::Keine};
            schuppe.Fuellung = QColor(0x8f, 0xbd, 0x78);
            ZeichneBlatt(z, Mitte(a, e, t), w + s * 20, schuppe);
        }
    const QPointF abzweig = Mitte(a, e, 0.42);
    const QPointF ende2 = Weiter(abzweig, w - 55, 100);
    z.Linie(abzweig, ende2, TStrich::Normal);
    for (double t = 0.0; t < 0.95; t += 0.09)
        for (double s : {-1.0, 1.0}) {
            TBlatt schuppe{TBlattform::Eifoermig, 26, 16, TRand::Ganz, TNervatur::Keine};
            schuppe.Fuellung = QColor(0x8f, 0xbd, 0x78);
            ZeichneBlatt(z, Mitte(abzweig, ende2, t), w - 55 + s * 20, schuppe);
        }
}

// ---- Field 3: leaf positions ---------------------------------------------------------------

void Kurztrieb(TZeichner& z)
{
    // A larch twig: single needles on the long shoot, tufts on the short shoots.
    const QPointF a(10, 230), e(310, 110);
    z.Linie(a, e, TStrich::Stark, Farbe::Holz);
    const double w = Winkel(a, e);
    for (double t = 0.62; t < 0.99; t += 0.045)
        for (double s : {-1.0, 1.0}) {
            TBlatt nadel{TBlattform::Nadel, 30, 4, TRand::Ganz, TNervatur::Keine};
            nadel.Fuellung = QColor(0x8c, 0xc0, 0x6a);
            ZeichneBlatt(z, Mitte(a, e, t), w + s * 50, nadel);
        }
    for (double t : {0.12, 0.32, 0.5}) {
        const QPointF an = Mitte(a, e, t);
        const QPointF hoecker = Weiter(an, w - 90, 16);
        z.Linie(an, hoecker, TStrich::Stark, Farbe::Holz);
        z.Kreis(hoecker, 6, Farbe::Holz);
        for (int k = 0; k < 11; ++k) {
            TBlatt nadel{TBlattform::Nadel, 56, 4, TRand::Ganz, TNervatur::Keine};
            nadel.Fuellung = QColor(0x8c, 0xc0, 0x6a);
            nadel.Strich = TStrich::Fein;
            ZeichneBlatt(z, hoecker, w - 90 - 70 + k * 14, nadel);
        }
    }
}

// ---- Field 5: inflorescences ---------------------------------------------------------------

void KoerbchenSchnitt(TZeichner& z)
{
    const QPointF m(MitteX, 170);
    z.Linie({MitteX, Unten}, {MitteX, m.y() + 40}, TStrich::Achse);
    // The flat receptacle with the involucre of several rows of bracts below it.
    QPainterPath boden({m.x() - 96, m.y()});
    boden.cubicTo(m.x() - 90, m.y() + 50, m.x() + 90, m.y() + 50, m.x() + 96, m.y());
    boden.closeSubpath();
    z.Flaeche(boden, Farbe::Schnitt);
    for (int reihe = 0; reihe < 3; ++reihe)
        for (double s : {-1.0, 1.0}) {
            TBlatt huelle{TBlattform::Lanzettlich, 30, 12, TRand::Ganz, TNervatur::Keine};
            huelle.Fuellung = Farbe::Kelch;
            ZeichneBlatt(z, {m.x() + s * (88 - reihe * 24), m.y() + 8 + reihe * 12},
                         s > 0 ? -30 + reihe * 10 : -150 - reihe * 10, huelle);
        }
    for (int i = -4; i <= 4; ++i) {
        const double x = m.x() + i * 17;
        if (std::abs(i) == 4) {
            // Ray florets at the edge: a short tube and a long strap.
            Rahmen(z, {x, m.y() - 4}, i < 0 ? -165 : -15, [&] {
                QPainterPath zunge({0, -4});
                zunge.lineTo(62, -8);
                zunge.quadTo(70, 0, 62, 8);
                zunge.lineTo(0, 4);
                zunge.closeSubpath();
                z.Flaeche(zunge, Farbe::Weiss);
            });
            continue;
        }
        BlueteSeite(z, {x, m.y() - 2}, 36, TKronform::Roehre, QColor(0xf4, 0xcf, 0x3a), false);
    }
    z.Text({m.x() + 100, 80}, QStringLiteral("Zungenblüte"));
    z.Text({m.x(), 90}, QStringLiteral("Röhrenblüten"));
    z.Beschriftung({m.x() - 70, m.y() + 26}, {30, 250}, QStringLiteral("Hülle"));
}

void KaetzchenGlossar(TZeichner& z)
{
    z.Linie({10, 52}, {200, 40}, TStrich::Stark, Farbe::Holz);
    Kaetzchen(z, {70, 48}, 190, 36, 94, QColor(0xde, 0xd0, 0x6e));
    Kaetzchen(z, {150, 44}, 150, 32, 88, QColor(0xde, 0xd0, 0x6e));
    // A willow catkin stands upright, silvery-hairy.
    z.Linie({250, Unten}, {250, 180}, TStrich::Stark, Farbe::Holz);
    Kaetzchen(z, {250, 180}, 110, 46, -90, QColor(0xe6, 0xe6, 0xdc));
}

void ZapfenGlossar(TZeichner& z)
{
    z.Linie({40, 20}, {140, 30}, TStrich::Stark, Farbe::Holz);
    Zapfen(z, {96, 150}, 220, 110, 90, true);
    if (!z.Gross()) return;
    // One scale taken out, with its two winged seeds.
    const QPointF s(250, 150);
    QPainterPath schuppe({s.x() - 44, s.y() + 40});
    schuppe.cubicTo(s.x() - 60, s.y() - 40, s.x() + 60, s.y() - 40, s.x() + 44, s.y() + 40);
    schuppe.closeSubpath();
    z.Flaeche(schuppe, QColor(0xb8, 0x8a, 0x55));
    for (double d : {-1.0, 1.0}) {
        Rahmen(z, {s.x() + d * 14, s.y() + 24}, -90 + d * 14, [&] {
            z.Ellipse({6, 0}, 8, 6, Farbe::Samen);
            QPainterPath fluegel({12, -6});
            fluegel.cubicTo(40, -12, 60, -4, 62, 2);
            fluegel.cubicTo(50, 8, 30, 8, 12, 6);
            fluegel.closeSubpath();
            z.Flaeche(fluegel, QColor(0xf1, 0xe2, 0xbf), TStrich::Fein);
        });
    }
    z.Text({250, 250}, QStringLiteral("Samenschuppe"));
}

// ---- Field 6: divided and compound leaves --------------------------------------------------

TRezept Teilung(TRand rand)
{
    return [rand](TZeichner& z) {
        TBlatt b = Blattform(TBlattform::Elliptisch, 230, 150, rand, TNervatur::Fieder, 30);
        b.Lappen = 4;
        GrossesBlatt(z, b);
    };
}

void Handfoermig(TZeichner& z)
{
    TBlatt b = Blattform(TBlattform::Hand, 150, 150, TRand::Geteilt, TNervatur::Hand, 70);
    b.Lappen = 5;
    ZeichneBlatt(z, {80, 290}, -70, b);
}

TRezept Gefiedert(int paare, TFiederblatt::TEnde ende, bool doppelt)
{
    return [=](TZeichner& z) {
        TFiederblatt f;
        f.Paare = paare;
        f.Ende = ende;
        f.Doppelt = doppelt;
        f.Laenge = doppelt ? 210 : 200;
        f.Stiel = 30;
        f.BlaettchenLaenge = doppelt ? 84 : z.Gr(52, 62);
        f.BlaettchenBreite = doppelt ? 50 : z.Gr(26, 30);
        f.Rand = TRand::Ganz;
        ZeichneFiederblatt(z, {96, 292}, -70, f);
    };
}

void Gefingert(TZeichner& z, int n)
{
    ZeichneGefingert(z, {MitteX, 292}, -90, 120, n, n == 3 ? 104 : 112, n == 3 ? 62 : 44);
}

void Leierfoermig(TZeichner& z)
{
    // Pinnatifid with a big rounded end lobe; the side lobes get smaller downwards.
    const QPointF fuss(70, 280);
    const double w = -55;
    QPainterPath blatt = Ellipsenpfad(Weiter(fuss, w, 190), 62, 56);
    for (int i = 0; i < 4; ++i) {
        const double t = 60 + i * 30;
        const double r = 12 + i * 6;
        for (double s : {-1.0, 1.0})
            blatt = blatt.united(
                Ellipsenpfad(Weiter(Weiter(fuss, w, t), w + s * 90, r * 0.9), r, r * 0.8));
    }
    QPainterPath spindel;
    spindel.addPolygon(
        QPolygonF{Weiter(Weiter(fuss, w, 50), w + 90, 5), Weiter(Weiter(fuss, w, 170), w + 90, 8),
                  Weiter(Weiter(fuss, w, 170), w - 90, 8), Weiter(Weiter(fuss, w, 50), w - 90, 5)});
    blatt = blatt.united(spindel);
    z.Linie(fuss, Weiter(fuss, w, 60), TStrich::Normal);
    z.Flaeche(blatt.simplified(), Farbe::Blatt);
    z.Linie(Weiter(fuss, w, 50), Weiter(fuss, w, 230), TStrich::Fein);
}

void FiederBeschriftet(TZeichner& z)
{
    TWedel wedel;
    wedel.Teilung = 3;
    wedel.Laenge = 212;
    wedel.Breite = 170;
    wedel.Stiel = 44;
    const QPointF fuss(MitteX - 20, 296);
    const double w = -84;
    ZeichneWedel(z, fuss, w, wedel);
    // The third pinna on the right, as ZeichneWedel places it, and a pinnule of it.
    const double t = 2.5 / 8.6;
    const QPointF an = Weiter(fuss, w, wedel.Stiel + wedel.Laenge * t);
    const double laenge =
        wedel.Breite / 2 * std::pow(std::sin(M_PI * (0.22 + 0.78 * t)), 0.7) * 1.05;
    const double fw = w + 68;
    Rahmen(z, Weiter(an, fw, laenge * 0.5), fw, [&] {
        z.Ellipse({0, 0}, laenge * 0.62, laenge * 0.3, Qt::transparent, TStrich::Normal,
                  Farbe::Akzent);
    });
    const QPointF links = Weiter(Weiter(an, w - 68, laenge * 0.55), w - 68 + 58, laenge * 0.14);
    z.Kreis(links, laenge * 0.16, Qt::transparent, TStrich::Normal, Farbe::Akzent);
    z.Beschriftung(Weiter(an, fw, laenge * 1.1), {270, 110}, QStringLiteral("Fieder"));
    z.Beschriftung(links, {40, 70}, QStringLiteral("Fiederchen"));
    z.Beschriftung(Weiter(fuss, w, 130), {64, 236}, QStringLiteral("Spindel"));
    z.Beschriftung(Weiter(fuss, w, 22), {230, 284}, QStringLiteral("Stiel"));
}

// ---- Field 8: shoot organs -----------------------------------------------------------------

void Erdreich(TZeichner& z, double boden)
{
    QPainterPath erde;
    erde.addRect(QRectF(6, boden, 308, TZeichner::Hoehe - boden - 4));
    z.Fuellen(erde, QColor(0xef, 0xe6, 0xd4));
    z.Boden(boden);
}

void Wurzeln(TZeichner& z, QPointF an, double laenge)
{
    for (int k = -2; k <= 2; ++k)
        z.Kurve(an, an + QPointF(k * 6, laenge * 0.5), an + QPointF(k * 12, laenge), TStrich::Fein,
                Farbe::Samen);
}

void Rhizom(TZeichner& z)
{
    Erdreich(z, 150);
    QPainterPath rhizom;
    rhizom.addRoundedRect(QRectF(30, 206, 250, 26), 13, 13);
    z.Flaeche(rhizom, QColor(0xd9, 0xb8, 0x86));
    for (double x = 60; x < 270; x += 50) {
        z.Kurve({x - 10, 206}, {x, 198}, {x + 12, 206}, TStrich::Normal);
        Wurzeln(z, {x, 232}, 44);
    }
    // The shoot rises from the front end.
    z.Linie({262, 210}, {262, 40}, TStrich::Achse);
    for (double y : {120.0, 70.0})
        Laubblatt(z, {262, y}, y > 100 ? -150 : -150, 64);
    z.Kreis({36, 219}, 10, QColor(0xc9, 0xa4, 0x70));
}

void Auslaeufer(TZeichner& z)
{
    z.Boden(220);
    auto rosette = [&](QPointF p, double s) {
        for (double w : {-165.0, -130.0, -90.0, -50.0, -15.0})
            Laubblatt(z, p, w, 60 * s, TBlattform::Eifoermig);
        Wurzeln(z, p, 40 * s);
    };
    rosette({80, 220}, 1.0);
    z.Kurve({84, 216}, {170, 190}, {250, 218}, TStrich::Achse);
    rosette({250, 220}, 0.7);
}

void Knolle(TZeichner& z)
{
    Erdreich(z, 90);
    // A stem tuber with its eyes, on a stolon.
    z.Kurve({40, 92}, {40, 150}, {80, 190}, TStrich::Normal);
    z.Ellipse({110, 200}, 56, 40, QColor(0xdd, 0xc0, 0x8a));
    for (QPointF auge : {QPointF(80, 190), QPointF(116, 176), QPointF(140, 210), QPointF(98, 222)})
        z.Kurve(auge + QPointF(-6, 0), auge + QPointF(0, 4), auge + QPointF(6, 0), TStrich::Normal);
    // Two round root tubers of an orchid under its stem.
    z.Linie({236, 40}, {236, 100}, TStrich::Achse);
    z.Ellipse({214, 150}, 24, 30, QColor(0xf0, 0xe6, 0xc6));
    z.Ellipse({258, 156}, 22, 28, QColor(0xf0, 0xe6, 0xc6));
    z.Linie({236, 100}, {218, 122}, TStrich::Normal);
    z.Linie({236, 100}, {256, 128}, TStrich::Normal);
    Laubblatt(z, {236, 74}, -140, 60, TBlattform::Lanzettlich);
    z.Text({110, 264}, QStringLiteral("Sprossknolle"));
    z.Text({236, 214}, QStringLiteral("Wurzelknollen"));
}

void Zwiebel(TZeichner& z)
{
    // Lengthwise: the flat basal plate with roots, fleshy scales, the bud in the middle.
    const QPointF m(MitteX, 170);
    for (int k = 0; k < 4; ++k) {
        const double r = 100 - k * 22;
        QPainterPath schale({m.x(), m.y() - r * 1.15});
        schale.cubicTo(m.x() + r * 0.9, m.y() - r * 0.6, m.x() + r * 1.05, m.y() + r * 0.6,
                       m.x() + r * 0.3, m.y() + 70);
        schale.lineTo(m.x() - r * 0.3, m.y() + 70);
        schale.cubicTo(m.x() - r * 1.05, m.y() + r * 0.6, m.x() - r * 0.9, m.y() - r * 0.6, m.x(),
                       m.y() - r * 1.15);
        z.Flaeche(schale, k == 0 ? QColor(0xd9, 0xae, 0x78) : QColor(0xf8, 0xf0, 0xda));
    }
    Kronblatt(z, {m.x(), m.y() + 60}, -90, 90, 28, Farbe::Kelch);
    QPainterPath scheibe;
    scheibe.addRoundedRect(QRectF(m.x() - 48, m.y() + 64, 96, 16), 6, 6);
    z.Flaeche(scheibe, QColor(0xc9, 0xa4, 0x70));
    for (double x = m.x() - 40; x <= m.x() + 40; x += 16)
        Wurzeln(z, {x, m.y() + 80}, 38);
    z.Beschriftung({m.x() + 30, m.y() + 72}, {236, 286}, QStringLiteral("Zwiebelscheibe"));
    z.Beschriftung({m.x() + 60, m.y()}, {250, 70}, QStringLiteral("Schuppen"));
}

void Dorn(TZeichner& z)
{
    // Sloe: a side shoot ending in a woody thorn.
    const QPointF a(20, 270), e(200, 40);
    z.Linie(a, e, TStrich::Stark, Farbe::Holz);
    for (double t : {0.3, 0.62}) {
        const QPointF an = Mitte(a, e, t);
        const QPointF spitze = Weiter(an, t < 0.5 ? -10 : -170, 66);
        QPainterPath dorn(Weiter(an, Winkel(a, e), 6));
        dorn.lineTo(spitze);
        dorn.lineTo(Weiter(an, Winkel(a, e) + 180, 6));
        dorn.closeSubpath();
        z.Flaeche(dorn, Farbe::Holz);
        Laubblatt(z, Mitte(an, spitze, 0.35), t < 0.5 ? -60 : -120, 34);
    }
    if (!z.Gross()) return;
    // Barberry: leaves turned into three-parted thorns.
    const QPointF b(262, 280), f(262, 90);
    z.Linie(b, f, TStrich::Achse, Farbe::Holz);
    for (double y : {230.0, 150.0}) {
        for (double w : {-150.0, -90.0, -30.0})
            z.Linie({262, y}, Weiter({262, y}, w + 90, 26), TStrich::Normal, Farbe::Holz);
        Laubblatt(z, {262, y}, -60, 40, TBlattform::VerkehrtEifoermig);
    }
    z.Text({262, 60}, QStringLiteral("Berberitze"));
    z.Text({90, 30}, QStringLiteral("Schlehe"));
}

void Stachel(TZeichner& z)
{
    QPainterPath zweig;
    zweig.addRect(QRectF(70, 10, 26, 284));
    z.Flaeche(zweig, QColor(0x8e, 0xb4, 0x62));
    auto stachel = [&](double y, double s) {
        const double x = s > 0 ? 96 : 70;
        QPainterPath p({x, y - 14});
        p.quadTo(x + s * 20, y - 8, x + s * 34, y + 10);
        p.quadTo(x + s * 14, y + 2, x, y + 14);
        p.closeSubpath();
        z.Flaeche(p, QColor(0xc2, 0x6a, 0x4a));
    };
    for (double y : {50.0, 140.0, 230.0})
        stachel(y, 1);
    for (double y : {96.0, 186.0})
        stachel(y, -1);
    // Where a prickle broke off, the bark is smooth: it sat on the surface only.
    z.Ellipse({96, 270}, 3, 12, QColor(0xd9, 0xc8, 0x98));
    if (!z.Gross()) return;
    z.Beschriftung({98, 270}, {180, 270}, QStringLiteral("abgebrochen"));
    Rahmen(z, {200, 200}, 20, [&] {
        QPainterPath p({0, -14});
        p.quadTo(20, -8, 34, 10);
        p.quadTo(14, 2, 0, 14);
        p.closeSubpath();
        z.Flaeche(p, QColor(0xc2, 0x6a, 0x4a));
    });
}

// ---- Field 9: leaf organs ------------------------------------------------------------------

void Ochrea(TZeichner& z)
{
    const double x = 130;
    z.Linie({x, Unten}, {x, 14}, TStrich::Stark, QColor(0x7a, 0x9a, 0x4a));
    for (double y : {210.0, 90.0}) {
        // The membranous sheath around the stem above where the leaf springs.
        QPainterPath tute({x - 16, y});
        tute.lineTo(x - 22, y - 52);
        tute.lineTo(x - 12, y - 48);
        tute.lineTo(x - 2, y - 58);
        tute.lineTo(x + 10, y - 46);
        tute.lineTo(x + 22, y - 54);
        tute.lineTo(x + 16, y);
        tute.closeSubpath();
        z.Flaeche(tute, QColor(0xef, 0xe9, 0xd6));
        for (double dx : {-8.0, 4.0})
            z.Linie({x + dx, y - 4}, {x + dx * 1.4, y - 44}, TStrich::Fein);
        Laubblatt(z, {x + 14, y + 4}, y > 150 ? -20 : 10, 130, TBlattform::Lanzettlich);
    }
}

void BlattscheideBild(TZeichner& z, bool haeutchen, bool oehrchen)
{
    const double x = 110;
    QPainterPath halm;
    halm.addRect(QRectF(x - 8, 10, 16, 284));
    z.Flaeche(halm, QColor(0xb5, 0xd6, 0x96));
    const double y = 130;
    QPainterPath scheide({x - 14, Unten});
    scheide.lineTo(x - 14, y);
    scheide.lineTo(x + 16, y - 6);
    scheide.lineTo(x + 14, Unten);
    scheide.closeSubpath();
    z.Flaeche(scheide, Farbe::Blatt);
    z.Linie({x + 6, y}, {x + 6, Unten}, TStrich::Fein);
    TBlatt spreite{TBlattform::Lineal, 220, 30, TRand::Ganz, TNervatur::Parallel};
    ZeichneBlatt(z, {x + 12, y - 2}, -32, spreite);
    if (haeutchen) {
        QPainterPath ligula({x - 12, y});
        ligula.lineTo(x - 10, y - 22);
        ligula.lineTo(x + 2, y - 28);
        ligula.lineTo(x + 10, y - 20);
        ligula.lineTo(x + 12, y - 4);
        ligula.closeSubpath();
        z.Flaeche(ligula, Farbe::AkzentFlaeche, TStrich::Normal, Farbe::Akzent);
    }
    if (oehrchen)
        for (double s : {-1.0, 1.0}) {
            QPainterPath ohr({x + s * 12, y - 2});
            ohr.cubicTo(x + s * 26, y - 8, x + s * 22, y - 26, x - s * 2, y - 18);
            ohr.cubicTo(x + s * 14, y - 14, x + s * 12, y - 8, x + s * 8, y - 6);
            ohr.closeSubpath();
            z.Flaeche(ohr, Farbe::AkzentFlaeche, TStrich::Normal, Farbe::Akzent);
        }
    if (!z.Gross()) return;
    if (!haeutchen && !oehrchen) {
        // Cross-sections: an open sheath and a closed tube.
        z.Kreis({250, 200}, 18, QColor(0xb5, 0xd6, 0x96));
        QPainterPath offen;
        offen.arcMoveTo(QRectF(222, 172, 56, 56), 70);
        offen.arcTo(QRectF(222, 172, 56, 56), 70, 330);
        z.Umriss(offen, TStrich::Stark, QColor(0x5c, 0x8a, 0x40));
        z.Kreis({250, 268}, 18, QColor(0xb5, 0xd6, 0x96));
        z.Kreis({250, 268}, 26, Qt::transparent, TStrich::Stark, QColor(0x5c, 0x8a, 0x40));
        z.Text({250, 160}, QStringLiteral("offen"));
        z.Text({250, 228}, QStringLiteral("geschlossen"));
    }
    if (haeutchen) {
        // A ligule that is a fringe of hairs.
        const double hx = 250, hy = 230;
        z.Linie({hx - 30, hy}, {hx + 30, hy}, TStrich::Achse);
        for (double dx = -26; dx <= 26; dx += 5)
            z.Linie({hx + dx, hy}, {hx + dx + 2, hy - 20}, TStrich::Fein);
        z.Text({hx, hy + 26}, QStringLiteral("Haarkranz"));
    }
}

void TragblattBild(TZeichner& z)
{
    const double x = 110;
    z.Linie({x, Unten}, {x, 10}, TStrich::Achse);
    TBlatt trag{TBlattform::Lanzettlich, 150, 50, TRand::Ganz, TNervatur::Fieder};
    trag.Fuellung = Farbe::AkzentFlaeche;
    trag.Linie = Farbe::Akzent;
    trag.Stiel = 8;
    ZeichneBlatt(z, {x, 200}, -20, trag);
    z.Kurve({x + 2, 196}, {x + 30, 160}, {x + 40, 110}, TStrich::Normal);
    BlueteSeite(z, {x + 40, 110}, 64, TKronform::Frei, Bluetenfarbe::Rosa);
}

void HuelleGlossar(TZeichner& z)
{
    const QPointF punkt(MitteX, 205);
    z.Linie({MitteX, Unten}, punkt, TStrich::Achse);
    for (double w : {30.0, 60.0, 90.0, 120.0, 150.0}) {
        TBlatt b{TBlattform::Lineal, 44, 9, TRand::Ganz, TNervatur::Keine};
        b.Fuellung = Farbe::AkzentFlaeche;
        b.Linie = Farbe::Akzent;
        ZeichneBlatt(z, punkt, w, b);
    }
    for (int i = 0; i < 5; ++i) {
        const QPointF d = Weiter(punkt, -150 + 30.0 * i, 112);
        z.Linie(punkt, d, TStrich::Normal);
        for (double w : {60.0, 90.0, 120.0}) {
            TBlatt b{TBlattform::Lineal, 18, 5, TRand::Ganz, TNervatur::Keine};
            b.Fuellung = Farbe::AkzentFlaeche;
            b.Linie = Farbe::Akzent;
            ZeichneBlatt(z, d, w, b);
        }
        for (int k = 0; k < 6; ++k) {
            const QPointF b = Weiter(d, -160 + 28.0 * k, 26);
            z.Linie(d, b, TStrich::Fein);
            Bl(z, b, z.Gr(4.5, 6));
        }
    }
    z.Beschriftung(Weiter(punkt, 150, 40), {40, 260}, QStringLiteral("Hülle"));
    z.Beschriftung(Weiter(Weiter(punkt, -30, 112), 60, 16), {290, 190}, QStringLiteral("Hüllchen"));
}

// ---- Field 13: leaf attachment -------------------------------------------------------------

void Sitzend(TZeichner& z)
{
    z.Linie({MitteX, Unten}, {MitteX, 10}, TStrich::Achse);
    TBlatt b{TBlattform::Lanzettlich, 140, 52, TRand::Ganz, TNervatur::Fieder};
    ZeichneBlatt(z, {MitteX + 2, 210}, -30, b);
    ZeichneBlatt(z, {MitteX - 2, 120}, -150, b);
}

void Stengelumfassend(TZeichner& z)
{
    // The blade's base wraps round the stem with two rounded lobes: below the leaf the stem
    // vanishes behind them, above it comes out again.
    const double x = 100;
    const QPointF grund(x, 176);
    QPainterPath unten;
    unten.addRect(QRectF(x - 8, grund.y(), 16, TZeichner::Hoehe - grund.y()));
    z.Flaeche(unten, QColor(0x9c, 0xc9, 0x7a));
    TBlatt b{TBlattform::Herz, 190, 170, TRand::Ganz, TNervatur::Fieder};
    ZeichneBlatt(z, grund, -20, b);
    QPainterPath oben;
    oben.addRect(QRectF(x - 8, 4, 16, grund.y() - 4));
    z.Flaeche(oben, QColor(0x9c, 0xc9, 0x7a));
}

void Durchwachsen(TZeichner& z)
{
    const QPointF m(MitteX, 160);
    z.Linie({MitteX, Unten}, {MitteX, m.y()}, TStrich::Achse);
    z.Ellipse(m, 120, 44, Farbe::Blatt);
    for (int i = 0; i < 8; ++i) {
        const double phi = qDegreesToRadians(45.0 * i);
        z.Linie(m, {m.x() + std::cos(phi) * 110, m.y() + std::sin(phi) * 38}, TStrich::Fein);
    }
    z.Ellipse(m, 9, 4, QColor(0x9c, 0xc9, 0x7a), TStrich::Fein);
    z.Linie({MitteX, m.y() - 2}, {MitteX, 20}, TStrich::Achse);
    BlueteSeite(z, {MitteX, 40}, 40, TKronform::Frei, Bluetenfarbe::Gelb);
}

void Herablaufend(TZeichner& z)
{
    const double x = 110;
    z.Linie({x, Unten}, {x, 10}, TStrich::Achse);
    TBlatt b{TBlattform::Lanzettlich, 170, 64, TRand::Gezaehnt, TNervatur::Fieder};
    ZeichneBlatt(z, {x + 4, 120}, -28, b);
    // The blade runs on down the stem as a wing.
    QPainterPath fluegel({x + 6, 124});
    fluegel.cubicTo(x + 30, 130, x + 24, 200, x + 4, 270);
    fluegel.lineTo(x, 270);
    fluegel.lineTo(x, 124);
    fluegel.closeSubpath();
    z.Flaeche(fluegel, Farbe::AkzentFlaeche, TStrich::Normal, Farbe::Akzent);
}

void Schildfoermig(TZeichner& z)
{
    // A round blade seen slant from below: the stalk sits in its middle.
    const QPointF m(MitteX, 120);
    z.Linie({MitteX + 10, Unten}, m, TStrich::Achse);
    z.Ellipse(m, 130, 62, Farbe::Blatt);
    for (int i = 0; i < 9; ++i) {
        const double phi = qDegreesToRadians(40.0 * i);
        z.Linie(m, {m.x() + std::cos(phi) * 120, m.y() + std::sin(phi) * 56}, TStrich::Fein);
    }
    z.Linie({MitteX + 10, Unten}, m, TStrich::Achse);
    z.Punkt(m, z.Gr(4, 6));
}

// ---- Field 14: flower forms ----------------------------------------------------------------

void Maskenbluete(TZeichner& z)
{
    const QPointF b(70, 200);
    auto p = [&](double dx, double dy) { return QPointF(b.x() + dx, b.y() - dy); };
    z.Linie({30, Unten}, b, TStrich::Achse);
    QPainterPath krone(p(0, 0));
    krone.cubicTo(p(20, 40), p(90, 60), p(150, 70));      // back of the tube
    krone.cubicTo(p(170, 110), p(210, 130), p(230, 100)); // upper lip
    krone.cubicTo(p(236, 86), p(222, 76), p(206, 74));
    krone.cubicTo(p(232, 60), p(236, 30), p(214, 22)); // the closed mouth: the palate
    krone.cubicTo(p(200, 10), p(176, 16), p(160, 26));
    krone.cubicTo(p(120, 12), p(70, 6), p(30, -6)); // under side with the spur bulge
    krone.cubicTo(p(18, -14), p(4, -10), p(0, 0));
    krone.closeSubpath();
    const QColor farbe(0xf1, 0x8f, 0xb8);
    z.Flaeche(krone, farbe);
    QPainterPath gaumen(p(170, 56));
    gaumen.cubicTo(p(196, 66), p(218, 56), p(216, 34));
    gaumen.cubicTo(p(204, 26), p(182, 30), p(170, 56));
    z.Flaeche(gaumen, Bluetenfarbe::Gelb);
    QPainterPath kelch(p(-4, 8));
    kelch.lineTo(p(30, 30));
    kelch.lineTo(p(44, 22));
    kelch.lineTo(p(40, 6));
    kelch.lineTo(p(10, -8));
    kelch.closeSubpath();
    z.Flaeche(kelch, Farbe::Kelch);
    z.Beschriftung(p(196, 44), {290, 230}, QStringLiteral("Gaumen"));
    z.Beschriftung(p(26, -6), {60, 270}, QStringLiteral("Sporn"));
}

void Glocke(TZeichner& z)
{
    const QPointF an(190, 70);
    z.Kurve({60, Unten}, {70, 40}, an, TStrich::Achse);
    Rahmen(z, an, 180, [&] { BlueteSeite(z, {0, 0}, 190, TKronform::Glocke, Bluetenfarbe::Blau); });
}

TRezept Kronform(TKronform form, const QColor& farbe)
{
    return [form, farbe](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 280}, TStrich::Achse);
        BlueteSeite(z, {MitteX, 280}, 236, form, farbe);
    };
}

void Radfoermig(TZeichner& z)
{
    TBlueteOben b{4, Bluetenfarbe::Blau, true, 0, 2, 1};
    BlueteOben(z, {MitteX, 150}, 130, b);
}

void Orchidee(TZeichner& z)
{
    const QPointF m(MitteX, 130);
    const QColor farbe(0xd4, 0x8a, 0xd0);
    // The spur behind the flower.
    z.Kurve({m.x() + 10, m.y() + 20}, {m.x() + 70, m.y() + 90}, {m.x() + 40, m.y() + 150},
            TStrich::Stark, farbe.darker(130));
    for (double w : {-90.0, -10.0, 190.0})
        Kronblatt(z, m, w, 96, 40, farbe);
    for (double w : {-60.0, -120.0})
        Kronblatt(z, m, w, 70, 30, farbe.lighter(110));
    QPainterPath lippe({m.x() - 16, m.y() + 10});
    lippe.cubicTo(m.x() - 70, m.y() + 30, m.x() - 80, m.y() + 90, m.x() - 40, m.y() + 96);
    lippe.cubicTo(m.x() - 30, m.y() + 130, m.x() + 30, m.y() + 130, m.x() + 40, m.y() + 96);
    lippe.cubicTo(m.x() + 80, m.y() + 90, m.x() + 70, m.y() + 30, m.x() + 16, m.y() + 10);
    lippe.closeSubpath();
    z.Flaeche(lippe, farbe.darker(108));
    for (double dx : {-14.0, 0.0, 14.0})
        z.Kurve({m.x() + dx * 0.5, m.y() + 24}, {m.x() + dx, m.y() + 60},
                {m.x() + dx * 1.4, m.y() + 96}, TStrich::Fein, farbe.darker(160));
    z.Ellipse({m.x(), m.y() + 4}, 10, 16, Farbe::Bluete);
    z.Beschriftung({m.x() - 50, m.y() + 90}, {40, 270}, QStringLiteral("Lippe"));
    z.Beschriftung({m.x() + 44, m.y() + 148}, {270, 280}, QStringLiteral("Sporn"));
}

// ---- Field 16: flower parts ----------------------------------------------------------------

void KelchGlossar(TZeichner& z)
{
    const QPointF b(110, 200);
    z.Linie({110, Unten}, b, TStrich::Achse);
    for (double w : {-150.0, -30.0, -115.0, -65.0})
        Kronblatt(z, b, w, 110, 56, Farbe::Bluete);
    for (double w : {-175.0, -5.0, 160.0, 20.0, 90.0}) {
        TBlatt k{TBlattform::Lanzettlich, 62, 24, TRand::Ganz, TNervatur::Mittelnerv};
        k.Fuellung = Farbe::AkzentFlaeche;
        k.Linie = Farbe::Akzent;
        ZeichneBlatt(z, b, w, k);
    }
    if (!z.Gross()) return;
    // A fused calyx: a tube ending in teeth.
    const double x = 262, y = 250;
    z.Linie({x, 268}, {x, y}, TStrich::Achse);
    Kronblatt(z, {x, y - 60}, -120, 50, 26, Farbe::Bluete);
    Kronblatt(z, {x, y - 60}, -60, 50, 26, Farbe::Bluete);
    QPainterPath roehre({x - 14, y});
    roehre.lineTo(x - 18, y - 58);
    for (int k = 0; k < 4; ++k) {
        roehre.lineTo(x - 18 + k * 12 + 6, y - 72);
        roehre.lineTo(x - 18 + (k + 1) * 12, y - 58);
    }
    roehre.lineTo(x + 14, y);
    roehre.closeSubpath();
    z.Flaeche(roehre, Farbe::AkzentFlaeche, TStrich::Normal, Farbe::Akzent);
    z.Text({x, 282}, QStringLiteral("verwachsen"));
}

void KroneGlossar(TZeichner& z)
{
    TBlueteOben b{5, QColor(0xf2, 0x7e, 0xa8), false, 5, 10, 1};
    BlueteOben(z, {MitteX, 150}, 136, b);
}

void PerigonGlossar(TZeichner& z)
{
    // A tulip: six equal coloured tepals in two whorls.
    const QPointF b(110, 230);
    z.Linie({110, Unten}, b, TStrich::Achse);
    for (double w : {-125.0, -55.0, -90.0})
        Kronblatt(z, b, w, 150, 80, QColor(0xe8, 0x4a, 0x3a));
    for (double w : {-108.0, -72.0})
        Kronblatt(z, b, w, 140, 70, QColor(0xf0, 0x62, 0x50));
    if (!z.Gross()) return;
    // A rush flower: six small brownish tepals.
    TBlueteOben binse{6, Bluetenfarbe::Braun, false, 0, 6, 3};
    binse.Kronblattbreite = 0.8;
    BlueteOben(z, {262, 220}, 46, binse);
    z.Text({262, 282}, QStringLiteral("Binse"));
}

void Aussenkelch(TZeichner& z)
{
    // Seen from below: petals behind, five sepals, and between them five smaller epicalyx lobes.
    const QPointF m(MitteX, 150);
    for (int i = 0; i < 5; ++i)
        Kronblatt(z, m, -90 + 72.0 * i + 36, 134, 96, Bluetenfarbe::Gelb);
    for (int i = 0; i < 5; ++i)
        Kelchblatt(z, m, -90 + 72.0 * i, 98, 44);
    for (int i = 0; i < 5; ++i) {
        TBlatt b{TBlattform::Lanzettlich, 70, 22, TRand::Ganz, TNervatur::Mittelnerv};
        b.Fuellung = Farbe::AkzentFlaeche;
        b.Linie = Farbe::Akzent;
        ZeichneBlatt(z, m, -90 + 72.0 * i + 36, b);
    }
    z.Kreis(m, 14, Farbe::Kelch);
}

void StaubblattGlossar(TZeichner& z)
{
    const double x = MitteX;
    z.Linie({x, 290}, {x, 110}, TStrich::Achse);
    for (double s : {-1.0, 1.0}) {
        z.Ellipse({x + s * 22, 80}, 20, 54, QColor(0xec, 0xc4, 0x3a));
        z.Linie({x + s * 22, 34}, {x + s * 22, 126}, TStrich::Fein);
    }
    z.Ellipse({x, 84}, 6, 46, Farbe::Kelch, TStrich::Fein);
    for (int i = 0; i < 9; ++i)
        z.Kreis({x + 54 + (i % 3) * 12.0, 40.0 + (i / 3) * 14 + (i % 2) * 4}, z.Gr(3.5, 5),
                QColor(0xf5, 0xd5, 0x5a), TStrich::Fein);
    z.Beschriftung({x - 36, 80}, {40, 120}, QStringLiteral("Staubbeutel"));
    z.Beschriftung({x, 220}, {60, 250}, QStringLiteral("Staubfaden"));
    z.Beschriftung({x + 66, 54}, {250, 140}, QStringLiteral("Pollen"));
}

void Fruchtblatt(TZeichner& z)
{
    // Left: the carpel as a leaf folded lengthwise, ovules on its margins.
    const QPointF a(90, 250);
    TBlatt blatt{TBlattform::Elliptisch, 200, 110, TRand::Ganz, TNervatur::Mittelnerv};
    blatt.Fuellung = Farbe::Kelch;
    ZeichneBlatt(z, a, -90, blatt);
    for (double y = 90; y < 220; y += 24)
        for (double s : {-1.0, 1.0})
            z.Kreis({a.x() + s * 40 * std::sin(M_PI * (250 - y) / 200), y}, z.Gr(5, 8),
                    Farbe::Bluete, TStrich::Fein);
    // Right: closed, with style and stigma.
    const double x = 240;
    QPainterPath zu({x, 250});
    zu.cubicTo(x - 44, 230, x - 40, 150, x, 130);
    zu.cubicTo(x + 40, 150, x + 44, 230, x, 250);
    z.Flaeche(zu, Farbe::Kelch);
    z.Linie({x, 250}, {x, 134}, TStrich::Fein);
    z.Linie({x, 130}, {x, 60}, TStrich::Normal);
    z.Kreis({x, 56}, z.Gr(6, 9), Farbe::Kelch);
}

void FruchtknotenGlossar(TZeichner& z)
{
    Stempel(z, {100, 270}, 230, 90, 1);
    if (z.Gross()) {
        z.Beschriftung({140, 240}, {190, 282}, QStringLiteral("Fruchtknoten"));
        z.Beschriftung({100, 130}, {150, 130}, QStringLiteral("Griffel"));
        z.Beschriftung({108, 40}, {150, 30}, QStringLiteral("Narbe"));
    }
    FruchtknotenQuer(z, {248, 200}, z.Gr(56, 64), 3, TPlazenta::Zentralwinkel);
}

void Griffel(TZeichner& z)
{
    const double x = 100;
    z.Ellipse({x, 230}, 44, 40, Farbe::Kelch);
    z.Linie({x, 190}, {x, 60}, TStrich::Stark, Farbe::Akzent);
    z.Kreis({x, 54}, z.Gr(8, 12), Farbe::Kelch);
    // An ovary with three free styles.
    const double x2 = 240;
    z.Ellipse({x2, 236}, 40, 36, Farbe::Kelch);
    for (double w : {-120.0, -90.0, -60.0}) {
        const QPointF e = Weiter({x2, 204}, w, 110);
        z.Linie({x2, 204}, e, TStrich::Stark, Farbe::Akzent);
        z.Kreis(e, z.Gr(6, 9), Farbe::Kelch);
    }
}

void Narbe(TZeichner& z)
{
    const double xs[] = {36, 98, 160, 222, 284};
    for (int i = 0; i < 5; ++i) {
        const QPointF oben(xs[i], 130);
        z.Linie({xs[i], 280}, oben, TStrich::Achse);
        switch (i) {
        case 0:
            z.Kreis(oben, z.Gr(12, 16), Farbe::Kelch);
            break;
        case 1:
        case 2:
            for (int k = 0; k <= i; ++k) {
                const double w = -90 + (k - i / 2.0) * (i == 1 ? 70 : 50);
                z.Kurve(oben, Weiter(oben, w, 22), Weiter(oben, w + (k - i / 2.0) * 30, 44),
                        TStrich::Stark);
            }
            break;
        case 3:
            for (double w : {-135.0, -45.0, 45.0, 135.0})
                Kronblatt(z, oben, w, 26, 18, Farbe::Kelch);
            break;
        case 4:
            z.Ellipse(oben, 28, 10, Farbe::Kelch);
            for (double w = -160; w <= -20; w += 35)
                z.Linie(oben, Weiter(oben, w, 26), TStrich::Normal, QColor(0x6a, 0x3f, 0x70));
            break;
        }
    }
}

void Nektarium(TZeichner& z)
{
    Kronblatt(z, {MitteX, 282}, -90, 260, 220, Bluetenfarbe::Gelb);
    QPainterPath schuppe({MitteX - 22, 250});
    schuppe.quadTo(MitteX, 214, MitteX + 22, 250);
    schuppe.closeSubpath();
    z.Flaeche(schuppe, Farbe::AkzentFlaeche, TStrich::Normal, Farbe::Akzent);
    z.Beschriftung({MitteX, 240}, {260, 230}, QStringLiteral("Nektargrube"));
}

void Sporn(TZeichner& z)
{
    const QPointF b(140, 160);
    z.Kurve({100, Unten}, {90, 180}, b, TStrich::Achse);
    const QColor farbe = Bluetenfarbe::Lila;
    QPainterPath sporn({b.x() + 10, b.y() + 6});
    sporn.cubicTo(b.x() + 70, b.y() + 10, b.x() + 110, b.y() + 40, b.x() + 130, b.y() + 24);
    sporn.cubicTo(b.x() + 136, b.y() + 16, b.x() + 120, b.y() + 6, b.x() + 10, b.y() - 8);
    sporn.closeSubpath();
    z.Flaeche(sporn, Farbe::AkzentFlaeche, TStrich::Normal, Farbe::Akzent);
    for (double w : {-150.0, -120.0})
        Kronblatt(z, b, w, 100, 50, farbe);
    for (double w : {170.0, 200.0})
        Kronblatt(z, b, w, 90, 46, farbe.lighter(110));
    Kronblatt(z, b, 140, 110, 62, farbe.darker(108));
    z.Beschriftung({b.x() + 110, b.y() + 26}, {270, 250}, QStringLiteral("Sporn"));
}

void Kronroehre(TZeichner& z)
{
    const double x = MitteX;
    QPainterPath aussen({x - 20, 280});
    aussen.lineTo(x - 22, 120);
    aussen.cubicTo(x - 30, 80, x - 90, 70, x - 130, 60);
    aussen.lineTo(x - 128, 46);
    aussen.cubicTo(x - 80, 50, x - 30, 60, x - 10, 100);
    aussen.lineTo(x - 8, 270);
    aussen.closeSubpath();
    QTransform spiegel;
    spiegel.translate(2 * x, 0);
    spiegel.scale(-1, 1);
    z.Flaeche(aussen, QColor(0xb8, 0xa4, 0xe6));
    z.Flaeche(spiegel.map(aussen), QColor(0xb8, 0xa4, 0xe6));
    z.Beschriftung({x - 16, 200}, {60, 220}, QStringLiteral("Kronröhre"));
    z.Beschriftung({x - 16, 110}, {50, 140}, QStringLiteral("Schlund"));
    z.Beschriftung({x + 100, 60}, {270, 120}, QStringLiteral("Kronzipfel"));
}

void Nagel(TZeichner& z)
{
    const double x = MitteX;
    QPainterPath blatt({x - 8, 290});
    blatt.lineTo(x - 10, 150);
    blatt.cubicTo(x - 60, 130, x - 90, 80, x - 86, 40);
    for (int i = 0; i < 8; ++i)
        blatt.lineTo(x - 86 + (i + 0.5) * 21.5, i % 2 ? 40 : 26);
    blatt.lineTo(x + 86, 40);
    blatt.cubicTo(x + 90, 80, x + 60, 130, x + 10, 150);
    blatt.lineTo(x + 8, 290);
    blatt.closeSubpath();
    z.Flaeche(blatt, QColor(0xf2, 0x86, 0xaa));
    for (double s : {-1.0, 1.0}) {
        QPainterPath schuppe({x + s * 4, 150});
        schuppe.lineTo(x + s * 12, 112);
        schuppe.lineTo(x + s * 18, 146);
        schuppe.closeSubpath();
        z.Flaeche(schuppe, Farbe::AkzentFlaeche, TStrich::Normal, Farbe::Akzent);
    }
    z.Beschriftung({x + 8, 230}, {250, 240}, QStringLiteral("Nagel"));
    z.Beschriftung({x + 50, 80}, {270, 130}, QStringLiteral("Platte"));
}

void Nebenkrone(TZeichner& z)
{
    const QPointF m(MitteX, 150);
    TBlueteOben b{5, QColor(0xf2, 0x86, 0xaa), false, 0, 0, 0};
    b.Ausgerandet = true;
    BlueteOben(z, m, 136, b);
    for (int i = 0; i < 10; ++i) {
        const double w = -90 + 36.0 * i + (i % 2 ? 8 : -8) + 0;
        Rahmen(z, Weiter(m, -90 + 72.0 * (i / 2) + (i % 2 ? 9 : -9), 30), w, [&] {
            QPainterPath schuppe({0, -5});
            schuppe.lineTo(16, 0);
            schuppe.lineTo(0, 5);
            schuppe.closeSubpath();
            z.Flaeche(schuppe, Farbe::Weiss, TStrich::Normal, Farbe::Akzent);
        });
    }
    z.Kreis(m, 16, Farbe::Kelch);
}

void Bluetenboden(TZeichner& z)
{
    const double x = MitteX, boden = 232;
    z.Linie({x, Unten}, {x, boden}, TStrich::Achse);
    QPainterPath kegel({x - 40, boden});
    kegel.cubicTo(x - 34, boden - 60, x - 14, boden - 110, x, boden - 116);
    kegel.cubicTo(x + 14, boden - 110, x + 34, boden - 60, x + 40, boden);
    kegel.closeSubpath();
    for (double s : {-1.0, 1.0}) {
        const QPointF an(x + s * 38, boden - 2);
        Kelchblatt(z, an, s < 0 ? 160 : 20, 50, 18);
        Kronblatt(z, an + QPointF(0, -4), s < 0 ? -160 : -20, 100, 52, Bluetenfarbe::Gelb);
        for (int k = 0; k < 3; ++k)
            Staubblatt(z, an + QPointF(-s * (4 + k * 5), -6 - k * 6),
                       an + QPointF(s * (12 - k * 8), -48 - k * 10), z.Gr(4.5, 7));
    }
    z.Flaeche(kegel, Farbe::Schnitt);
    for (int reihe = 0; reihe < 5; ++reihe) {
        const double y = boden - 18 - reihe * 22;
        const double breite = 36 - reihe * 6.5;
        for (double s : {-1.0, 1.0}) {
            Rahmen(z, {x + s * breite, y}, s < 0 ? 200 : -20, [&] {
                z.Ellipse({8, 0}, 10, 7, Farbe::Kelch, TStrich::Fein);
            });
        }
    }
    z.Ellipse({x, boden - 124}, 9, 7, Farbe::Kelch, TStrich::Fein);
    z.Beschriftung({x, boden - 60}, {270, 270}, QStringLiteral("Blütenboden"));
}

// ---- Field 17: sexes -----------------------------------------------------------------------

void Haselzweig(TZeichner& z, QPointF a, QPointF e, bool maennlich, bool weiblich)
{
    z.Linie(a, e, TStrich::Stark, Farbe::Holz);
    if (maennlich)
        for (double t : {0.35, 0.7})
            Kaetzchen(z, Mitte(a, e, t), 120, 26, 96, QColor(0xe5, 0xcf, 0x5e));
    if (weiblich)
        for (double t : {0.2, 0.55, 0.9}) {
            const QPointF knospe = Weiter(Mitte(a, e, t), Winkel(a, e) - 90, 12);
            z.Ellipse(knospe, 10, 12, QColor(0x9a, 0x7a, 0x4a));
            for (double w : {-130.0, -90.0, -50.0})
                z.Linie({knospe.x(), knospe.y() - 10}, Weiter({knospe.x(), knospe.y() - 10}, w, 14),
                        TStrich::Normal, QColor(0xd8, 0x2a, 0x40));
        }
}

void Einhaeusig(TZeichner& z)
{
    Haselzweig(z, {20, 90}, {300, 70}, true, true);
    z.Text({200, 270}, QStringLiteral("männlich: Kätzchen, weiblich: rote Narben"));
}

void Zweihaeusig(TZeichner& z)
{
    Haselzweig(z, {10, 80}, {150, 70}, true, false);
    z.Linie({170, 80}, {310, 70}, TStrich::Stark, Farbe::Holz);
    for (double t : {0.3, 0.75})
        Kaetzchen(z, Mitte({170, 80}, {310, 70}, t), 90, 30, 92, QColor(0xb8, 0xd4, 0x86));
    z.Linie({160, 20}, {160, 290}, TStrich::Fein, QColor(0xaa, 0xaa, 0xaa));
    z.Text({80, 270}, QStringLiteral("männliche Pflanze"));
    z.Text({240, 270}, QStringLiteral("weibliche Pflanze"));
}

// ---- Field 20: composites ------------------------------------------------------------------

void Fruchtknoten(TZeichner& z, QPointF oben, double h)
{
    z.Ellipse({oben.x(), oben.y() + h / 2}, h * 0.22, h / 2, Farbe::Frucht);
}

void Zungenbluete(TZeichner& z, int zaehne)
{
    const QPointF f(70, 250);
    Fruchtknoten(z, {f.x(), f.y()}, 40);
    Pappus(z, {f.x(), f.y()}, 80, false);
    Rahmen(z, {f.x() + 4, f.y() - 4}, -30, [&] {
        QPainterPath roehre({0, -6});
        roehre.lineTo(40, -8);
        roehre.lineTo(40, 8);
        roehre.lineTo(0, 6);
        roehre.closeSubpath();
        QPainterPath zunge({40, -10});
        zunge.lineTo(230, -22);
        for (int k = 0; k < zaehne; ++k) {
            const double y = -22 + (k + 0.5) * 44.0 / zaehne;
            zunge.lineTo(240, y);
            zunge.lineTo(230, -22 + (k + 1) * 44.0 / zaehne);
        }
        zunge.lineTo(40, 10);
        zunge.closeSubpath();
        const QColor farbe = zaehne == 5 ? Bluetenfarbe::Gelb : Farbe::Weiss;
        z.Flaeche(roehre, farbe);
        z.Flaeche(zunge, farbe);
        z.Linie({60, 0}, {200, 0}, TStrich::Fein);
    });
}

void Roehrenbluete(TZeichner& z)
{
    const double x = MitteX;
    Fruchtknoten(z, {x, 240}, 46);
    BlueteSeite(z, {x, 242}, 170, TKronform::Roehre, Bluetenfarbe::Gelb, false);
    QPainterPath beutel;
    beutel.addRect(QRectF(x - 10, 52, 20, 40));
    z.Flaeche(beutel, QColor(0xc8, 0x8a, 0x2a));
    z.Linie({x, 52}, {x, 30}, TStrich::Normal);
    for (double s : {-1.0, 1.0})
        z.Kurve({x, 30}, {x + s * 6, 16}, {x + s * 16, 14}, TStrich::Normal);
    if (z.Gross()) {
        z.Beschriftung({x + 10, 70}, {250, 70}, QStringLiteral("Staubbeutelröhre"));
        z.Beschriftung({x + 10, 20}, {250, 24}, QStringLiteral("Griffel"));
        z.Beschriftung({x + 10, 266}, {250, 270}, QStringLiteral("Fruchtknoten"));
    }
}

void Strahlenbluete(TZeichner& z)
{
    Verkleinert(z, QRectF(0, 0, 200, 188), [](TZeichner& zz) {
        TBlueteOben korb{21, Farbe::Weiss, false, 0, 0, 0};
        korb.Kronblattbreite = 0.7;
        BlueteOben(zz, {160, 150}, 140, korb);
        zz.Kreis({160, 150}, 42, Bluetenfarbe::Gelb);
    });
    Verkleinert(z, QRectF(60, 120, 260, 180), [](TZeichner& zz) { Zungenbluete(zz, 3); });
}

void PappusGlossar(TZeichner& z)
{
    auto achaene = [&](double x, int art) {
        QPainterPath k({x, 196});
        k.cubicTo(x + 12, 206, x + 10, 252, x, 276);
        k.cubicTo(x - 10, 252, x - 12, 206, x, 196);
        z.Flaeche(k, QColor(0xb8, 0x8c, 0x5a));
        if (art == 2) {
            for (double w : {-150.0, -120.0, -90.0, -60.0, -30.0}) {
                TBlatt s{TBlattform::Lanzettlich, 26, 10, TRand::Ganz, TNervatur::Keine};
                s.Fuellung = Farbe::Schnitt;
                ZeichneBlatt(z, {x, 198}, w, s);
            }
            return;
        }
        Pappus(z, {x, 198}, art == 0 ? 170 : 130, art == 1);
    };
    achaene(74, 0);
    achaene(178, 1);
    achaene(274, 2);
    z.Text({74, 290}, QStringLiteral("Haare"));
    z.Text({178, 290}, QStringLiteral("gefiedert"));
    z.Text({274, 290}, QStringLiteral("Schuppen"));
}

void Spreublaetter(TZeichner& z)
{
    const QPointF m(MitteX, 190);
    z.Linie({MitteX, Unten}, {MitteX, m.y() + 30}, TStrich::Achse);
    QPainterPath boden({m.x() - 110, m.y()});
    boden.cubicTo(m.x() - 80, m.y() - 40, m.x() + 80, m.y() - 40, m.x() + 110, m.y());
    boden.cubicTo(m.x() + 70, m.y() + 44, m.x() - 70, m.y() + 44, m.x() - 110, m.y());
    z.Flaeche(boden, Farbe::Schnitt);
    for (int i = -4; i <= 4; ++i) {
        const double x = m.x() + i * 22;
        const double y = m.y() - 26 + std::abs(i) * std::abs(i) * 1.2;
        BlueteSeite(z, {x, y}, 60, TKronform::Roehre, Bluetenfarbe::Gelb, false);
        if (i < 4) {
            TBlatt spreu{TBlattform::Lanzettlich, 64, 9, TRand::Ganz, TNervatur::Keine};
            spreu.Fuellung = Farbe::AkzentFlaeche;
            spreu.Linie = Farbe::Akzent;
            ZeichneBlatt(z, {x + 11, y + 2}, -90, spreu);
        }
    }
    z.Beschriftung({m.x() + 11, m.y() - 60}, {280, 60}, QStringLiteral("Spreublatt"));
}

// ---- Field 21: grasses, sedges and rushes --------------------------------------------------

void Halm(TZeichner& z)
{
    const double x = 90;
    const double knoten[] = {270, 190, 110, 30};
    for (int i = 0; i < 3; ++i) {
        QPainterPath glied;
        glied.addRect(QRectF(x - 10, knoten[i + 1], 20, knoten[i] - knoten[i + 1]));
        z.Flaeche(glied, QColor(0xc6, 0xdf, 0x9e));
    }
    // One internode cut open: hollow.
    QPainterPath hohl;
    hohl.addRect(QRectF(x - 6, 118, 12, 66));
    z.Flaeche(hohl, Farbe::Weiss, TStrich::Fein);
    for (double y : knoten)
        z.Ellipse({x, y}, 13, 5, QColor(0x8c, 0xb2, 0x5a));
    QPainterPath scheide({x - 12, 190});
    scheide.lineTo(x - 12, 136);
    scheide.lineTo(x + 14, 130);
    scheide.lineTo(x + 12, 190);
    scheide.closeSubpath();
    z.Flaeche(scheide, Farbe::Blatt);
    TBlatt spreite{TBlattform::Lineal, 150, 18, TRand::Ganz, TNervatur::Parallel};
    ZeichneBlatt(z, {x + 12, 132}, -40, spreite);
    if (!z.Gross()) return;
    // A sedge stem across: three-edged and solid.
    const QPointF q(250, 220);
    QPainterPath dreieck({q.x(), q.y() - 40});
    dreieck.quadTo(q.x() + 10, q.y() - 4, q.x() + 38, q.y() + 24);
    dreieck.quadTo(q.x(), q.y() + 14, q.x() - 38, q.y() + 24);
    dreieck.quadTo(q.x() - 10, q.y() - 4, q.x(), q.y() - 40);
    z.Flaeche(dreieck, QColor(0xc6, 0xdf, 0x9e));
    z.Text({250, 280}, QStringLiteral("Segge, quer"));
}

void Spelzen(TZeichner& z, int hervor)
{
    // A spikelet: 0 the glumes, 1 a lemma, 2 a palea pointed out.
    const QPointF fuss(MitteX, 276);
    const double spelze = 86;
    auto bluete = [&](int i, bool markiert) {
        const QPointF an = Weiter(fuss, -90, 24 + 40.0 * i);
        const double s = i % 2 ? -1 : 1;
        if (markiert && hervor == 2) {
            Grasbluete(z, an, spelze, -90 + s * 52, 18);
            TBlatt vorspelze{TBlattform::Lanzettlich, spelze * 0.85, spelze * 0.28, TRand::Ganz,
                             TNervatur::Keine};
            vorspelze.Fuellung = Farbe::AkzentFlaeche;
            vorspelze.Linie = Farbe::Akzent;
            ZeichneBlatt(z, an, -90 + s * 10, vorspelze);
            for (double k : {-0.06, 0.06})
                z.Linie(an, Weiter(an, -90 + s * 10 + k * 60, spelze * 0.8), TStrich::Fein,
                        Farbe::Akzent);
            return;
        }
        Grasbluete(z, an, spelze * (1 - 0.05 * i), -90 + s * 27, markiert ? 50 : 20,
                   markiert ? Farbe::AkzentFlaeche : Farbe::Kelch);
    };
    const int markiert = hervor == 0 ? -1 : 1;
    for (int i = 3; i >= 0; --i)
        if (i != markiert) bluete(i, false);
    for (double s : {-1.0, 1.0})
        Grasbluete(z, fuss, spelze * (s < 0 ? 0.78 : 0.92), -90 + s * 24, 0,
                   hervor == 0 ? Farbe::AkzentFlaeche : QColor(0xbf, 0xdc, 0x9a));
    if (markiert >= 0) bluete(markiert, true);
}

void Granne(TZeichner& z)
{
    const double xs[] = {60, 160, 260};
    for (int i = 0; i < 3; ++i) {
        const QPointF fuss(xs[i], 280);
        TBlatt spelze{TBlattform::Lanzettlich, 120, 40, TRand::Ganz, TNervatur::Parallel};
        spelze.Fuellung = Farbe::Kelch;
        ZeichneBlatt(z, fuss, -90, spelze);
        if (i == 0) {
            z.Linie({xs[i], 160}, {xs[i], 20}, TStrich::Normal);
        } else if (i == 1) {
            // Bent at a knee and twisted below it, springing from the back.
            QPainterPath granne({xs[i] + 8, 220});
            for (int k = 0; k < 8; ++k)
                granne.lineTo(xs[i] + 14 + (k % 2 ? 4 : -2), 210 - k * 12);
            granne.lineTo(xs[i] + 80, 60);
            z.Umriss(granne, TStrich::Normal);
        } else {
            QPainterPath bucht({xs[i] - 8, 164});
            bucht.lineTo(xs[i], 176);
            bucht.lineTo(xs[i] + 8, 164);
            z.Flaeche(bucht, Farbe::Weiss, TStrich::Fein);
            z.Linie({xs[i], 176}, {xs[i] + 4, 30}, TStrich::Normal);
        }
    }
}

void Aehrchenachse(TZeichner& z)
{
    QPolygonF achse;
    for (int i = 0; i < 6; ++i)
        achse << QPointF(MitteX + (i % 2 ? 16 : -16), 282 - i * 42.0);
    QPainterPath pfad(achse.first());
    for (QPointF p : achse)
        pfad.lineTo(p);
    z.Umriss(pfad, TStrich::Stark, Farbe::Akzent);
    for (int i = 1; i < 6; ++i)
        Grasbluete(z, achse[i], 60, i % 2 ? -40 : -140, 16);
    for (double s : {-1.0, 1.0})
        Grasbluete(z, achse[0], 56, -90 + s * 30, 0, QColor(0xbf, 0xdc, 0x9a));
}

void Schlauch(TZeichner& z)
{
    const double x = 110;
    TBlatt spelze{TBlattform::Eifoermig, 170, 100, TRand::Ganz, TNervatur::Mittelnerv};
    spelze.Fuellung = QColor(0xb5, 0x8e, 0x5e);
    ZeichneBlatt(z, {x, 280}, -90, spelze);
    QPainterPath schlauch({x, 276});
    schlauch.cubicTo(x - 52, 270, x - 46, 150, x - 8, 110);
    schlauch.lineTo(x - 6, 80);
    schlauch.lineTo(x + 6, 80);
    schlauch.lineTo(x + 8, 110);
    schlauch.cubicTo(x + 46, 150, x + 52, 270, x, 276);
    z.Flaeche(schlauch, QColor(0xc6, 0xdc, 0x92));
    for (double w : {-130.0, -90.0, -50.0})
        z.Kurve({x, 80}, Weiter({x, 80}, w, 20), Weiter({x, 80}, w + 10, 44), TStrich::Normal);
    if (!z.Gross()) return;
    const double x2 = 250;
    QPainterPath laengs({x2, 270});
    laengs.cubicTo(x2 - 40, 264, x2 - 36, 170, x2 - 6, 140);
    laengs.lineTo(x2 - 5, 118);
    laengs.lineTo(x2 + 5, 118);
    laengs.lineTo(x2 + 6, 140);
    laengs.cubicTo(x2 + 36, 170, x2 + 40, 264, x2, 270);
    z.Flaeche(laengs, QColor(0xc6, 0xdc, 0x92));
    z.Ellipse({x2, 220}, 22, 34, Farbe::Samen.lighter(150));
    z.Text({x2, 290}, QStringLiteral("längs: Nuss"));
}

void Gekammert(TZeichner& z)
{
    // Lengthwise: cross walls at regular distances, outside seen as knots.
    const double x = 100;
    QPainterPath blatt;
    blatt.addRoundedRect(QRectF(x - 18, 24, 36, 270), 16, 16);
    z.Flaeche(blatt, QColor(0xb8, 0xd8, 0x92));
    QPainterPath innen;
    innen.addRect(QRectF(x - 12, 34, 24, 250));
    z.Flaeche(innen, Farbe::Weiss, TStrich::Fein);
    for (double y = 48; y < 280; y += 26)
        z.Linie({x - 12, y}, {x + 12, y}, TStrich::Normal);
    const double x2 = 230;
    QPainterPath aussen;
    aussen.addRoundedRect(QRectF(x2 - 14, 24, 28, 270), 13, 13);
    z.Flaeche(aussen, QColor(0xb8, 0xd8, 0x92));
    for (double y = 48; y < 280; y += 26)
        z.Ellipse({x2, y}, 15, 3, QColor(0x8c, 0xb2, 0x5a), TStrich::Fein);
    z.Text({x, 10}, QStringLiteral("längs"));
    z.Text({x2, 10}, QStringLiteral("außen"));
}

void Vivipar(TZeichner& z)
{
    z.Linie({MitteX, Unten}, {MitteX, 30}, TStrich::Achse);
    for (int i = 0; i < 4; ++i) {
        const double y = 230 - i * 52;
        for (double s : {-1.0, 1.0}) {
            const QPointF e = Weiter({MitteX, y}, s > 0 ? -30 : -150, 90 - i * 14);
            z.Linie({MitteX, y}, e, TStrich::Normal);
            // The spikelet has grown into a little plant with leaves.
            for (double w : {-120.0, -90.0, -60.0}) {
                TBlatt b{TBlattform::Lineal, 40, 6, TRand::Ganz, TNervatur::Keine};
                ZeichneBlatt(z, e, w + s * 10, b);
            }
        }
    }
}

void Aehrenrispe(TZeichner& z)
{
    z.Linie({MitteX, Unten}, {MitteX, 240}, TStrich::Achse);
    QPainterPath walze;
    walze.addRoundedRect(QRectF(MitteX - 26, 40, 52, 200), 24, 24);
    z.Flaeche(walze, QColor(0xc6, 0xdc, 0x92));
    for (double y = 50; y < 236; y += 10)
        for (double dx = -20; dx <= 20; dx += 10)
            z.Linie({MitteX + dx, y}, {MitteX + dx + 3, y - 6}, TStrich::Fein);
    if (!z.Gross()) return;
    // A piece bent off: short branches carry the spikelets.
    z.Linie({MitteX + 4, 120}, {250, 160}, TStrich::Normal);
    for (double t : {0.3, 0.55, 0.8}) {
        const QPointF p = Mitte({MitteX + 4, 120}, {250, 160}, t);
        for (double w : {-70.0, -30.0, 40.0}) {
            const QPointF e = Weiter(p, w, 20);
            z.Linie(p, e, TStrich::Fein);
            z.Ellipse(e, 5, 3, QColor(0xc6, 0xdc, 0x92), TStrich::Fein);
        }
    }
}

// ---- Field 22: ferns -----------------------------------------------------------------------

void SorusGlossar(TZeichner& z)
{
    TBlatt b{TBlattform::Lanzettlich, 230, 120, TRand::Gekerbt, TNervatur::Fieder};
    ZeichneBlatt(z, {6, 110}, 0, b);
    for (double x : {70.0, 120.0, 170.0})
        for (double s : {-1.0, 1.0})
            Sorus(z, {x, 110 + s * 24}, z.Gr(9, 12), TSchleier::Niere, s < 0 ? 90 : -90);
    if (!z.Gross()) return;
    // One sorus enlarged: sporangia under the indusium.
    const QPointF m(240, 230);
    z.Kreis(m, 56, Farbe::Weiss, TStrich::Fein, QColor(0x99, 0x99, 0x99));
    for (int i = 0; i < 9; ++i) {
        const QPointF s = Weiter(m, 40.0 * i, 30);
        z.Linie(m, s, TStrich::Fein);
        z.Ellipse(s, 9, 7, QColor(0x9a, 0x62, 0x2e), TStrich::Fein);
    }
    z.Kreis(m, 22, QColor(0xf1, 0xe8, 0xcf));
    z.Strichlinie({170, 134}, {200, 186}, QColor(0x99, 0x99, 0x99));
}

void SchleierGlossar(TZeichner& z)
{
    const TSchleier arten[] = {TSchleier::Niere, TSchleier::Schild, TSchleier::Lineal,
                               TSchleier::Haken};
    const char* namen[] = {"nierenförmig", "schildförmig", "strichförmig", "hakenförmig"};
    for (int i = 0; i < 4; ++i) {
        const QPointF m(80 + (i % 2) * 160, 80 + (i / 2) * 140);
        z.Ellipse(m, 70, 44, Farbe::Blatt);
        z.Linie({m.x() - 70, m.y()}, {m.x() + 70, m.y()}, TStrich::Fein);
        Sorus(z, m + QPointF(0, -4), z.Gr(24, 28), arten[i],
              arten[i] == TSchleier::Niere ? 90 : 20);
        z.Text({m.x(), m.y() + 58}, QString::fromUtf8(namen[i]));
    }
}

void Sporenaehre(TZeichner& z)
{
    Schachtelhalm(z, {110, 292}, 272, false, true);
    if (!z.Gross()) return;
    // One shield-shaped sporophyll with its sporangia hanging below.
    const QPointF m(250, 150);
    z.Linie({m.x(), m.y()}, {m.x(), m.y() + 40}, TStrich::Normal);
    QPainterPath schild;
    schild.addPolygon(QPolygonF{{m.x() - 34, m.y() - 10},
                                {m.x() - 18, m.y() - 24},
                                {m.x() + 18, m.y() - 24},
                                {m.x() + 34, m.y() - 10},
                                {m.x() + 18, m.y() + 4},
                                {m.x() - 18, m.y() + 4}});
    schild.closeSubpath();
    for (double dx : {-24.0, -8.0, 8.0, 24.0})
        z.Ellipse({m.x() + dx, m.y() + 22}, 7, 16, QColor(0xe6, 0xc8, 0x7c), TStrich::Fein);
    z.Flaeche(schild, QColor(0xd8, 0xb4, 0x62));
    z.Text({250, 230}, QStringLiteral("Sporophyll"));
}

// ---- Registration --------------------------------------------------------------------------

struct TSlot
{
    int Feld;
    int Item;
    const char* Begriff;
    TRezept Rezept;
};

TRezept Schnitt(TStellung stellung)
{
    return [stellung](TZeichner& z) {
        TSchnitt s;
        s.Stellung = stellung;
        s.FruchtknotenHervor = true;
        s.Einfuegung = true;
        s.Farbe = Bluetenfarbe::Rosa;
        BluetenLaengsschnitt(z, 256, s);
    };
}

TRezept Quer(int faecher, TPlazenta plazenta)
{
    return [=](TZeichner& z) { FruchtknotenQuer(z, {MitteX, 150}, 124, faecher, plazenta); };
}

TRezept Laengs(TPlazenta plazenta)
{
    return [=](TZeichner& z) { FruchtknotenLaengs(z, {MitteX, 190}, 180, plazenta); };
}

} // namespace

void RezepteGlossar(TRezeptTabelle& t)
{
    using R = TRand;
    using F = TBlattform;
    using N = TNervatur;
    const TBlatt rand = Blattform(F::Elliptisch, 220, 120);
    auto mitRand = [&](R r) {
        TBlatt b = rand;
        b.Rand = r;
        return Blattbild(b);
    };
    const std::vector<TSlot> plaetze = {
        {1, 1, "ganzrandig", mitRand(R::Ganz)},
        {1, 2, "gesägt", mitRand(R::Gesaegt)},
        {1, 3, "doppelt gesägt", mitRand(R::DoppeltGesaegt)},
        {1, 4, "gezähnt", mitRand(R::Gezaehnt)},
        {1, 5, "gekerbt", mitRand(R::Gekerbt)},
        {1, 6, "gebuchtet", mitRand(R::Gebuchtet)},
        {1, 7, "gewimpert", mitRand(R::Gewimpert)},
        {1, 8, "dornig gezähnt", mitRand(R::Dornig)},
        {1, 9, "gewellt", Gewellt},
        {1, 10, "umgerollt", Umgerollt},
        {2, 1, "lineal", Blattbild(Blattform(F::Lineal, 270, 30, R::Ganz, N::Parallel, 10))},
        {2, 2, "lanzettlich", Blattbild(Blattform(F::Lanzettlich, 250, 66))},
        {2, 3, "elliptisch", Blattbild(Blattform(F::Elliptisch, 220, 110))},
        {2, 4, "eiförmig", Blattbild(Blattform(F::Eifoermig, 210, 140))},
        {2, 5, "verkehrt-eiförmig", Blattbild(Blattform(F::VerkehrtEifoermig, 210, 140))},
        {2, 6, "rundlich (kreisförmig)", Blattbild(Blattform(F::Rund, 170, 170, R::Ganz, N::Hand, 60))},
        {2, 7, "herzförmig", Blattbild(Blattform(F::Herz, 200, 170, R::Ganz, N::Fieder, 50))},
        {2, 8, "nierenförmig", Blattbild(Blattform(F::Niere, 130, 200, R::Ganz, N::Hand, 70))},
        {2, 9, "pfeilförmig", Blattbild(Blattform(F::Pfeil, 200, 150, R::Ganz, N::Fieder, 50))},
        {2, 10, "spießförmig", Blattbild(Blattform(F::Spiess, 200, 170, R::Ganz, N::Fieder, 50))},
        {2, 11, "rautenförmig (rhombisch)", Blattbild(Blattform(F::Raute, 220, 160))},
        {2, 12, "nadelförmig", Nadelblatt},
        {2, 13, "schuppenförmig", Schuppenblatt},
        {3, 1, "wechselständig", Blattstellungsbild(TBlattstellung::Wechsel)},
        {3, 2, "zweizeilig", Blattstellungsbild(TBlattstellung::Zweizeilig)},
        {3, 3, "gegenständig", Blattstellungsbild(TBlattstellung::Gegen)},
        {3, 4, "kreuzgegenständig", Blattstellungsbild(TBlattstellung::Kreuzgegen)},
        {3, 5, "quirlständig", Blattstellungsbild(TBlattstellung::Quirl)},
        {3, 6, "grundständig", Blattstellungsbild(TBlattstellung::Grund)},
        {3, 7, "Kurztrieb", Kurztrieb},
        {5, 1, "Ähre", Bluetenstandbild(TBluetenstand::Aehre)},
        {5, 2, "Ährchen", Bluetenstandbild(TBluetenstand::Aehrchen)},
        {5, 3, "Traube", Bluetenstandbild(TBluetenstand::Traube)},
        {5, 4, "Rispe", Bluetenstandbild(TBluetenstand::Rispe)},
        {5, 5, "Schirmrispe (Doldenrispe)", Bluetenstandbild(TBluetenstand::Schirmrispe)},
        {5, 6, "Schirmtraube (Doldentraube)", Bluetenstandbild(TBluetenstand::Schirmtraube)},
        {5, 7, "Dolde", Bluetenstandbild(TBluetenstand::Dolde)},
        {5, 8, "Doppeldolde", Bluetenstandbild(TBluetenstand::Doppeldolde)},
        {5, 9, "Köpfchen", Bluetenstandbild(TBluetenstand::Koepfchen)},
        {5, 10, "Körbchen", KoerbchenSchnitt},
        {5, 11, "Kolben", Bluetenstandbild(TBluetenstand::Kolben)},
        {5, 12, "Kätzchen", KaetzchenGlossar},
        {5, 13, "Wickel", Bluetenstandbild(TBluetenstand::Wickel)},
        {5, 14, "Schraubel", Bluetenstandbild(TBluetenstand::Schraubel)},
        {5, 15, "Dichasium", Bluetenstandbild(TBluetenstand::Dichasium)},
        {5, 16, "Pleiochasium", Bluetenstandbild(TBluetenstand::Pleiochasium)},
        {5, 17, "Cyathium", Bluetenstandbild(TBluetenstand::Cyathium)},
        {5, 18, "Spirre", Bluetenstandbild(TBluetenstand::Spirre)},
        {5, 19, "Zapfen", ZapfenGlossar},
        {5, 20, "Knäuel", Bluetenstandbild(TBluetenstand::Knaeuel)},
        {5, 21, "Scheinquirl", Bluetenstandbild(TBluetenstand::Quirle)},
        {5, 22, "Büschel", Bluetenstandbild(TBluetenstand::Bueschel)},
        {6, 1, "gelappt", Teilung(R::Gelappt)},
        {6, 2, "gespalten", Teilung(R::Gespalten)},
        {6, 3, "geteilt", Teilung(R::Geteilt)},
        {6, 4, "fiederschnittig", Teilung(R::Fiederschnittig)},
        {6, 5, "handförmig geteilt", Handfoermig},
        {6, 6, "unpaarig gefiedert", Gefiedert(3, TFiederblatt::Endblaettchen, false)},
        {6, 7, "paarig gefiedert", Gefiedert(4, TFiederblatt::Ranke, false)},
        {6, 8, "doppelt gefiedert", Gefiedert(3, TFiederblatt::Endblaettchen, true)},
        {6, 9, "gefingert", [](TZeichner& z) { Gefingert(z, 5); }},
        {6, 10, "dreizählig", [](TZeichner& z) { Gefingert(z, 3); }},
        {6, 11, "leierförmig", Leierfoermig},
        {6, 12, "schrotsägeförmig",
         Blattbild(Blattform(F::Lanzettlich, 250, 110, R::Schrotsaege, N::Mittelnerv, 20))},
        {6, 13, "Fieder", FiederBeschriftet},
        {7, 1, "parallelnervig", Blattbild(Blattform(F::Lanzettlich, 250, 60, R::Ganz, N::Parallel))},
        {7, 2, "bogennervig", Blattbild(Blattform(F::Elliptisch, 210, 130, R::Ganz, N::Bogen))},
        {7, 3, "fiedernervig", Blattbild(Blattform(F::Elliptisch, 220, 120, R::Ganz, N::Fieder))},
        {7, 4, "handnervig", [](TZeichner& z) {
             TBlatt b = Blattform(F::Hand, 150, 150, R::Gelappt, N::Hand, 70);
             b.Lappen = 5;
             ZeichneBlatt(z, {80, 290}, -70, b);
         }},
        {7, 5, "netznervig", Blattbild(Blattform(F::Elliptisch, 230, 140, R::Ganz, N::Netz))},
        {7, 6, "offene Nervatur (gabelnervig)",
         Blattbild(Blattform(F::Eifoermig, 220, 130, R::Gekerbt, N::Gabel))},
        {7, 7, "einnervig", Blattbild(Blattform(F::Lanzettlich, 240, 44, R::Ganz, N::Mittelnerv))},
        {8, 1, "Rhizom (Wurzelstock)", Rhizom},
        {8, 2, "Ausläufer", Auslaeufer},
        {8, 3, "Knolle", Knolle},
        {8, 4, "Zwiebel", Zwiebel},
        {8, 5, "Dorn", Dorn},
        {8, 6, "Stachel", Stachel},
        {9, 1, "Nebenblätter (Stipeln)", [](TZeichner& z) {
             TBlatt b{F::Eifoermig, 150, 80, R::Gesaegt, N::Fieder};
             b.Stiel = 56;
             z.Linie({96, Unten}, {96, 14}, TStrich::Achse);
             ZeichneBlatt(z, {96, 200}, -34, b);
             for (double w : {-90.0, 12.0}) {
                 TBlatt s{F::Eifoermig, 48, 26, R::Ganz, N::Mittelnerv};
                 s.Fuellung = Farbe::AkzentFlaeche;
                 s.Linie = Farbe::Akzent;
                 ZeichneBlatt(z, {100, 198}, w, s);
             }
         }},
        {9, 2, "Ochrea (Tute)", Ochrea},
        {9, 3, "Blattscheide", [](TZeichner& z) { BlattscheideBild(z, false, false); }},
        {9, 4, "Blatthäutchen (Ligula)", [](TZeichner& z) { BlattscheideBild(z, true, false); }},
        {9, 5, "Öhrchen (Blattöhrchen)", [](TZeichner& z) { BlattscheideBild(z, false, true); }},
        {9, 6, "Ranke", Gefiedert(3, TFiederblatt::Ranke, false)},
        {9, 7, "Tragblatt", TragblattBild},
        {9, 8, "Hülle", HuelleGlossar},
        {10, 1, "Balg", Fruchtbild(TFrucht::Balg)},
        {10, 2, "Hülse", Fruchtbild(TFrucht::Huelse)},
        {10, 3, "Gliederhülse", Fruchtbild(TFrucht::Gliederhuelse)},
        {10, 4, "Schote", Fruchtbild(TFrucht::Schote)},
        {10, 5, "Schötchen", Fruchtbild(TFrucht::Schoetchen)},
        {10, 6, "Kapsel", Fruchtbild(TFrucht::Kapsel)},
        {10, 7, "Nuss", Fruchtbild(TFrucht::Nuss)},
        {10, 8, "Achäne", Fruchtbild(TFrucht::Achaene)},
        {10, 9, "Karyopse (Caryopse)", Fruchtbild(TFrucht::Karyopse)},
        {10, 10, "Klausenfrucht", Fruchtbild(TFrucht::Klausen)},
        {10, 11, "Spaltfrucht", Fruchtbild(TFrucht::Spaltfrucht)},
        {10, 12, "Beere", Fruchtbild(TFrucht::Beere)},
        {10, 13, "Steinfrucht", Fruchtbild(TFrucht::Steinfrucht)},
        {10, 14, "Sammelsteinfrucht", Fruchtbild(TFrucht::Sammelsteinfrucht)},
        {10, 15, "Apfelfrucht", Fruchtbild(TFrucht::Apfel)},
        {10, 16, "Hagebutte (Rosenfrucht)", Fruchtbild(TFrucht::Hagebutte)},
        {11, 1, "oberständig", Schnitt(TStellung::Oberstaendig)},
        {11, 2, "mittelständig", Schnitt(TStellung::Mittelstaendig)},
        {11, 3, "unterständig", Schnitt(TStellung::Unterstaendig)},
        {11, 4, "zentralwinkelständig", Quer(3, TPlazenta::Zentralwinkel)},
        {11, 5, "parietal", Quer(3, TPlazenta::Parietal)},
        {11, 6, "frei zentral", Laengs(TPlazenta::FreiZentral)},
        {11, 7, "basal", Laengs(TPlazenta::Basal)},
        {11, 8, "marginal", Quer(1, TPlazenta::Marginal)},
        {11, 9, "laminal", Quer(3, TPlazenta::Laminal)},
        {11, 10, "apokarp", [](TZeichner& z) {
             TBlueteOben b{5, Bluetenfarbe::Gelb, false, 5, 0, 0};
             BlueteOben(z, {MitteX, 150}, 136, b);
             for (int i = 0; i < 8; ++i)
                 Rahmen(z, Weiter({MitteX, 150}, 45.0 * i, 22), 45.0 * i, [&] {
                     z.Ellipse({0, 0}, 14, 9, Farbe::Kelch);
                     z.Linie({8, -3}, {14, -8}, TStrich::Normal);
                 });
         }},
        {13, 1, "sitzend", Sitzend},
        {13, 2, "stängelumfassend", Stengelumfassend},
        {13, 3, "durchwachsen", Durchwachsen},
        {13, 4, "herablaufend", Herablaufend},
        {13, 5, "schildförmig", Schildfoermig},
        {14, 1, "radiär", [](TZeichner& z) {
             const QPointF m(MitteX, 150);
             BlueteOben(z, m, 126, {5, Bluetenfarbe::Rosa, false, 0, 0, 1});
             for (int i = 0; i < 5; ++i)
                 z.Strichlinie(Weiter(m, -90 + 72.0 * i, 140), Weiter(m, 90 + 72.0 * i, 140),
                               Farbe::Akzent);
         }},
        {14, 2, "zygomorph",
         [](TZeichner& z) { ZygomorpheBlueteVorn(z, {MitteX, 130}, 122, Bluetenfarbe::Lila, true); }},
        {14, 3, "Lippenblüte", [](TZeichner& z) {
             z.Kurve({40, Unten}, {50, 240}, {70, 230}, TStrich::Achse);
             Lippenbluete(z, {70, 230}, 230, QColor(0xe0, 0x9a, 0xc8));
         }},
        {14, 4, "Maskenblüte", Maskenbluete},
        {14, 5, "Schmetterlingsblüte", [](TZeichner& z) {
             z.Linie({40, Unten}, {60, 250}, TStrich::Achse);
             Schmetterlingsbluete(z, {60, 250}, 230, QColor(0xf3, 0xd2, 0x3c));
             z.Beschriftung({90, 110}, {40, 40}, QStringLiteral("Fahne"));
             z.Beschriftung({200, 150}, {280, 100}, QStringLiteral("Flügel"));
             z.Beschriftung({230, 190}, {270, 260}, QStringLiteral("Schiffchen"));
         }},
        {14, 6, "glockenförmig", Glocke},
        {14, 7, "trichterförmig", Kronform(TKronform::Trichter, Farbe::Weiss)},
        {14, 8, "stieltellerförmig", Kronform(TKronform::Stielteller, QColor(0xf6, 0xd9, 0x5a))},
        {14, 9, "radförmig", Radfoermig},
        {14, 10, "Lippe (Orchideen)", Orchidee},
        {16, 1, "Kelch", KelchGlossar},
        {16, 2, "Krone (Corolla)", KroneGlossar},
        {16, 3, "Perigon", PerigonGlossar},
        {16, 4, "Außenkelch", Aussenkelch},
        {16, 5, "Staubblatt", StaubblattGlossar},
        {16, 6, "Fruchtblatt (Karpell)", Fruchtblatt},
        {16, 7, "Fruchtknoten", FruchtknotenGlossar},
        {16, 8, "Griffel", Griffel},
        {16, 9, "Narbe", Narbe},
        {16, 10, "Nektarium (Honigdrüse)", Nektarium},
        {16, 11, "Sporn", Sporn},
        {16, 12, "Kronröhre", Kronroehre},
        {16, 13, "Nagel", Nagel},
        {16, 14, "Nebenkrone (Krönchen)", Nebenkrone},
        {16, 15, "Blütenboden (Blütenachse)", Bluetenboden},
        {17, 1, "zwittrig", [](TZeichner& z) {
             TSchnitt s;
             s.Farbe = Bluetenfarbe::Rosa;
             BluetenLaengsschnitt(z, 256, s);
         }},
        {17, 2, "eingeschlechtig", t.Finde(3, "BG", "e")->Rezept},
        {17, 3, "einhäusig", Einhaeusig},
        {17, 4, "zweihäusig", Zweihaeusig},
        {20, 1, "Zungenblüte", [](TZeichner& z) { Zungenbluete(z, 5); }},
        {20, 2, "Röhrenblüte", Roehrenbluete},
        {20, 3, "Strahlenblüte", Strahlenbluete},
        {20, 4, "Pappus", PappusGlossar},
        {20, 5, "Spreublätter", Spreublaetter},
        {21, 1, "Halm", Halm},
        {21, 2, "Hüllspelze", [](TZeichner& z) { Spelzen(z, 0); }},
        {21, 3, "Deckspelze", [](TZeichner& z) { Spelzen(z, 1); }},
        {21, 4, "Vorspelze", [](TZeichner& z) { Spelzen(z, 2); }},
        {21, 5, "Granne", Granne},
        {21, 6, "Ährchenachse (Rachilla)", Aehrchenachse},
        {21, 7, "Schlauch (Utriculus)", Schlauch},
        {21, 8, "gekammert (Blatt)", Gekammert},
        {21, 9, "vivipar", Vivipar},
        {21, 10, "Ährenrispe (Scheinähre)", Aehrenrispe},
        {22, 1, "Sorus (Mehrzahl Sori)", SorusGlossar},
        {22, 2, "Schleier (Indusium)", SchleierGlossar},
        {22, 3, "Sporenähre", Sporenaehre},
    };
    for (const TSlot& s : plaetze)
        t.Setze(Glossar, QString::number(s.Feld - 1), QString::number(s.Item), s.Rezept,
                QString::fromUtf8(s.Begriff));
}
