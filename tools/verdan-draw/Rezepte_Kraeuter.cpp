// Drawings of the keys of Epilobium, Geranium, Oenothera, Potamogeton, the two Ranunculus keys
// and Rubiaceae (keys 21, 29, 37, 46, 50, 51, 54).

#include "Motive.h"
#include "Rezepte.h"
#include "Rezepthilfen.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string_view>

namespace {

constexpr int Weidenroeschen = 21;
constexpr int Storchschnaebel = 29;
constexpr int Nachtkerzen = 37;
constexpr int Laichkraeuter = 46;
constexpr int Wasserhahnenfuesse = 50;
constexpr int Hahnenfuesse = 51;
constexpr int Roetegewaechse = 54;

const QColor Stengelgruen{0xb4, 0xd6, 0x92};
const QColor Erde{0xec, 0xe2, 0xcf};
const QColor Haut{0xf6, 0xf3, 0xe6}; // thin membranes
const QColor Rosa{0xe8, 0x86, 0xbc};
const QColor Gelb = Bluetenfarbe::Gelb;

// A closed outline standing on basis and reaching hoehe upwards; halb(t) is the half width at
// the share t of the height (0 at the base, 1 at the top).
QPolygonF Profilumriss(QPointF basis, double hoehe, const std::function<double(double)>& halb,
                       int schritte = 160)
{
    QPolygonF rechts;
    for (int i = 0; i <= schritte; ++i) {
        const double t = double(i) / schritte;
        rechts << QPointF(basis.x() + halb(t), basis.y() - t * hoehe);
    }
    QPolygonF alle = rechts;
    for (int i = rechts.size() - 1; i >= 0; --i)
        alle << QPointF(2 * basis.x() - rechts[i].x(), rechts[i].y());
    return alle;
}

// ---- Hairs on stems, stalks and ovaries ------------------------------------------------------

enum class THaar
{
    Kahl,
    Anliegend,
    Kraus,      // appressed, curled
    Leisten,    // only in lines running down from the leaf bases
    Abstehend,  // soft, spreading
    Zottig,     // long, shaggy
    Druesig,    // spreading hairs ending in a gland
    Filz,       // dense grey-white felt
    Borsten,    // stiff bristles
    Rotfuss,    // bristles on red swollen bases
    Rueckwaerts // little prickles pointing down
};

// A vertical body (stem, stalk, ovary) at x between oben and unten, half width hb, with its
// hairs; the outline shows them best, a few stand on its face.
void Behaart(TZeichner& z, double x, double oben, double unten, double hb, THaar art,
             const QColor& fuellung = Stengelgruen)
{
    QPainterPath koerper;
    koerper.addRoundedRect(QRectF(x - hb, oben, 2 * hb, unten - oben), hb * 0.4, hb * 0.4);
    z.Flaeche(koerper, art == THaar::Filz ? QColor(0xdd, 0xe2, 0xd6) : fuellung);
    const double d = z.Gr(13, 19);
    const double l = z.Gr(15, 22);
    const QColor rot(0xc8, 0x2a, 0x2a);
    int n = 0;
    for (double y = oben + d * 0.6; y < unten - d * 0.3; y += d, ++n) {
        for (double s : {-1.0, 1.0}) {
            const QPointF p(x + s * hb, y + (s > 0 ? d * 0.5 : 0));
            switch (art) {
            case THaar::Kahl:
            case THaar::Leisten:
                break;
            case THaar::Anliegend:
                z.Linie(p, p + QPointF(s * 4, -l), TStrich::Fein);
                break;
            case THaar::Kraus:
                z.Kurve(p, p + QPointF(s * 10, -3), p + QPointF(s * 3, -l * 0.6), TStrich::Fein);
                break;
            case THaar::Abstehend:
                z.Kurve(p, p + QPointF(s * l * 0.6, 0), p + QPointF(s * l, -l * 0.3),
                        TStrich::Fein);
                break;
            case THaar::Zottig:
                for (double k : {0.0, 0.5}) {
                    const QPointF q = p + QPointF(0, k * d);
                    z.Kurve(q, q + QPointF(s * l * 1.1, -l * 0.5), q + QPointF(s * l * 1.9, -l),
                            TStrich::Fein);
                }
                break;
            case THaar::Druesig: {
                const QPointF e = p + QPointF(s * l, -2);
                z.Linie(p, e, TStrich::Fein);
                z.Kreis(e, z.Gr(2.6, 4.2), Farbe::Druese, TStrich::Fein);
                break;
            }
            case THaar::Filz:
                for (double k : {0.0, 0.5})
                    z.Kurve(p + QPointF(0, k * d), p + QPointF(s * 7, k * d - 5),
                            p + QPointF(s * 3, k * d - 9), TStrich::Fein, QColor(0x8a, 0x8f, 0x86));
                break;
            case THaar::Borsten:
                z.Linie(p, Weiter(p, s > 0 ? -40 : -140, l * 1.15), TStrich::Normal);
                break;
            case THaar::Rotfuss:
                z.Linie(p, Weiter(p, s > 0 ? -40 : -140, l * 1.15), TStrich::Normal);
                z.Punkt(p, z.Gr(3.5, 5.5), rot);
                break;
            case THaar::Rueckwaerts: {
                QPainterPath dorn(p + QPointF(0, -5));
                dorn.lineTo(p + QPointF(s * 9, 8));
                dorn.lineTo(p + QPointF(0, 4));
                z.Flaeche(dorn, Farbe::Linie, TStrich::Fein);
                break;
            }
            }
        }
        // On the face.
        const double fx = x + (n % 2 ? -0.4 : 0.35) * hb;
        const QPointF f(fx, y + d * 0.3);
        switch (art) {
        case THaar::Anliegend:
            z.Linie(f, f + QPointF(2, -l * 0.8), TStrich::Fein);
            break;
        case THaar::Kraus:
            z.Kurve(f, f + QPointF(7, -3), f + QPointF(2, -l * 0.5), TStrich::Fein);
            break;
        case THaar::Filz:
            for (double k : {-0.3, 0.3})
                z.Kurve(f + QPointF(k * hb, 0), f + QPointF(k * hb + 6, -4),
                        f + QPointF(k * hb + 1, -8), TStrich::Fein, QColor(0x8a, 0x8f, 0x86));
            break;
        case THaar::Rotfuss:
            z.Punkt(f, z.Gr(3, 4.5), rot);
            break;
        case THaar::Druesig:
            z.Kreis(f, z.Gr(2.2, 3.4), Farbe::Druese, TStrich::Fein);
            break;
        default:
            break;
        }
    }
    if (art == THaar::Leisten)
        for (double s : {-0.35, 0.35}) {
            z.Linie({x + s * hb, oben}, {x + s * hb, unten}, TStrich::Fein);
            for (double y = oben + 4; y < unten; y += z.Gr(6, 9))
                for (double r : {-1.0, 1.0})
                    z.Linie({x + s * hb, y}, {x + s * hb + r * z.Gr(6, 9), y - z.Gr(5, 7)},
                            TStrich::Fein);
        }
}

// A piece of stem between two nodes, a pair of leaf bases at the upper node.
void Stengelstueck(TZeichner& z, THaar art, bool vierkantig = false)
{
    const double hb = z.Gr(20, 26);
    for (double s : {-1.0, 1.0}) {
        TBlatt b{TBlattform::Lanzettlich, 150, 40, TRand::Ganz, TNervatur::Mittelnerv};
        ZeichneBlatt(z, {MitteX, 62}, s > 0 ? -20 : -160, b);
    }
    Behaart(z, MitteX, 56, Unten, hb, art);
    Behaart(z, MitteX, 8, 60, hb, art == THaar::Leisten ? THaar::Kahl : art);
    if (vierkantig)
        for (double s : {-0.45, 0.45})
            z.Linie({MitteX + s * hb, 10}, {MitteX + s * hb, Unten - 2}, TStrich::Fein);
    z.Linie({MitteX - hb - 3, 60}, {MitteX + hb + 3, 60}, TStrich::Normal);
}

// ---- Cross-sections --------------------------------------------------------------------------

enum class TQuer
{
    Rund,
    Leisten, // two to four raised ridges
    FeineLeisten,
    Vierkant,
    Zusammengedrueckt,
    Gefluegelt,
    Gefurcht,
};

void Querschnitt(TZeichner& z, TQuer art)
{
    const QPointF m(MitteX, 150);
    const double r0 = 100;
    auto radius = [&](double phi) {
        const double c = std::cos(phi), s = std::sin(phi);
        switch (art) {
        case TQuer::Rund:
            return r0;
        case TQuer::Leisten: {
            double r = r0;
            for (int k = 0; k < 4; ++k) {
                const double d = std::remainder(phi - M_PI / 4 - k * M_PI / 2, 2 * M_PI);
                r += (k % 2 ? 16 : 26) * std::exp(-d * d / 0.012);
            }
            return r;
        }
        case TQuer::FeineLeisten: {
            double r = r0;
            for (int k = 0; k < 4; ++k) {
                const double d = std::remainder(phi - M_PI / 4 - k * M_PI / 2, 2 * M_PI);
                r += 8 * std::exp(-d * d / 0.004);
            }
            return r;
        }
        case TQuer::Vierkant: {
            const double n = 5;
            double r =
                r0 * 0.95 / std::pow(std::pow(std::abs(c), n) + std::pow(std::abs(s), n), 1 / n);
            for (int k = 0; k < 4; ++k) {
                const double d = std::remainder(phi - M_PI / 4 - k * M_PI / 2, 2 * M_PI);
                r += 10 * std::exp(-d * d / 0.006);
            }
            return r - 8 * std::pow(std::cos(2 * phi), 2) * 0;
        }
        case TQuer::Zusammengedrueckt:
            return 1 / std::sqrt(c * c / (120.0 * 120) + s * s / (62.0 * 62));
        case TQuer::Gefluegelt:
            return 1 / std::sqrt(c * c / (150.0 * 150) + s * s / (30.0 * 30));
        case TQuer::Gefurcht: {
            double r = r0;
            for (int k = 0; k < 8; ++k) {
                const double d = std::remainder(phi - k * M_PI / 4, 2 * M_PI);
                r -= 14 * std::exp(-d * d / 0.006);
            }
            return r;
        }
        }
        return r0;
    };
    QPolygonF aussen, innen, buendel;
    for (int i = 0; i < 360; ++i) {
        const double phi = qDegreesToRadians(double(i));
        const double r = radius(phi);
        aussen << m + QPointF(std::cos(phi), std::sin(phi)) * r;
        innen << m + QPointF(std::cos(phi), std::sin(phi)) * (r - z.Gr(10, 14));
    }
    if (art == TQuer::Gefluegelt) {
        // The sharp edges of a flattened stem.
        QPolygonF linse;
        for (int i = 0; i <= 60; ++i) {
            const double x = -150 + 5.0 * i;
            linse << m + QPointF(x, -30 * std::pow(1 - std::pow(x / 150, 2), 0.8));
        }
        for (int i = 60; i >= 0; --i) {
            const double x = -150 + 5.0 * i;
            linse << m + QPointF(x, 30 * std::pow(1 - std::pow(x / 150, 2), 0.8));
        }
        aussen = linse;
        innen.clear();
        for (const QPointF& p : linse)
            innen << m + (p - m) * 0.86;
    }
    z.Flaeche(Polygonpfad(aussen), Stengelgruen);
    z.Flaeche(Polygonpfad(innen), Farbe::Schnitt, TStrich::Fein);
    // Vascular bundles in a ring.
    const int n = 10;
    for (int i = 0; i < n; ++i) {
        const double phi = 2 * M_PI * i / n + 0.3;
        double r = radius(phi) * 0.68;
        QPointF p = m + QPointF(std::cos(phi), std::sin(phi)) * r;
        if (art == TQuer::Gefluegelt) p = m + QPointF(std::cos(phi) * 95, std::sin(phi) * 12);
        z.Kreis(p, z.Gr(5, 8), Farbe::Kelch, TStrich::Fein);
    }
}

// ---- Leaves on the stem ----------------------------------------------------------------------

enum class TAnsatz
{
    Sitzend,
    KurzGestielt,
    Gestielt,
    Keilig,
    Rund,
    Herz,
    Halbumfassend,
    Umfassend,
    Herablaufend,
    Scheidig,
};

// A stem with one leaf attached as the value says.
void Ansatz(TZeichner& z, TAnsatz art, double laenge = 200, double breite = 70)
{
    const double x = 92;
    const QPointF knoten(x, 206);
    const double winkel = -42;
    TBlatt b{TBlattform::Lanzettlich, laenge, breite, TRand::Ganz, TNervatur::Fieder};
    switch (art) {
    case TAnsatz::KurzGestielt:
        b.Stiel = 24;
        break;
    case TAnsatz::Gestielt:
        b.Stiel = 56;
        b.Laenge = laenge * 0.8;
        break;
    case TAnsatz::Keilig:
        b.Form = TBlattform::Spatel;
        b.Breite = breite * 1.2;
        break;
    case TAnsatz::Rund:
        b.Form = TBlattform::Eifoermig;
        b.Breite = breite * 1.6;
        break;
    case TAnsatz::Herz:
    case TAnsatz::Umfassend:
        b.Form = TBlattform::Herz;
        b.Breite = breite * 1.5;
        break;
    case TAnsatz::Scheidig:
        b.Form = TBlattform::Lineal;
        b.Breite = 18;
        b.Nerven = TNervatur::Parallel;
        break;
    default:
        break;
    }
    const double hb = z.Gr(6, 8);
    auto stengel = [&](double von, double bis) {
        QPainterPath s;
        s.addRect(QRectF(x - hb, bis, 2 * hb, von - bis));
        z.Flaeche(s, Stengelgruen);
    };
    stengel(Unten, 10);
    if (art == TAnsatz::Herablaufend)
        for (double s : {-1.0, 1.0}) {
            QPainterPath fluegel(knoten);
            fluegel.quadTo(x + s * 22, knoten.y() + 6, x + s * hb, knoten.y() + 80);
            fluegel.lineTo(x, knoten.y() + 80);
            fluegel.closeSubpath();
            z.Flaeche(fluegel, Farbe::Blatt);
        }
    if (art == TAnsatz::Halbumfassend) z.Ellipse(knoten + QPointF(-4, 0), 22, 13, Farbe::Blatt);
    QPointF an = knoten;
    if (art == TAnsatz::Scheidig) {
        QPainterPath scheide;
        scheide.addRoundedRect(QRectF(x - hb - 7, knoten.y() - 70, 2 * hb + 14, 90), 6, 6);
        z.Flaeche(scheide, Farbe::Blatt.lighter(104));
        z.Linie({x + hb + 2, knoten.y() - 66}, {x + hb + 2, knoten.y() + 16}, TStrich::Fein);
        an = QPointF(x + hb + 4, knoten.y() - 70);
    }
    const double w = art == TAnsatz::Scheidig ? -62 : winkel;
    if (art == TAnsatz::Umfassend) {
        // The base lobes meet behind the stem.
        ZeichneBlatt(z, Weiter(knoten, w, -26), w, b);
        stengel(knoten.y() - 14, 10);
    } else {
        ZeichneBlatt(z, an, w, b);
    }
}

// ---- Petals and sepals -----------------------------------------------------------------------

enum class TPetalGrund
{
    Keil,      // narrowed gradually
    Nagel,     // a long claw
    KurzNagel, // a short claw
    Bewimpert, // short-narrowed, ciliate at the base
};
enum class TPetalSpitze
{
    Rund,
    Gestutzt,
    Ausgerandet,
    Zweilappig,
    Wellig,     // wavy with a small point
    Elliptisch, // rounded at both ends, broadest in the middle
};
enum class TAdern
{
    Keine,
    Dunkel,
    HelleStreifen,
    Zart,
};

void Kronblattbild(TZeichner& z, TPetalGrund grund, TPetalSpitze spitze, TAdern adern,
                   const QColor& farbe)
{
    const QPointF basis(MitteX, 288);
    const double hoehe = 262;
    const double w = spitze == TPetalSpitze::Elliptisch ? 82 : 108;
    auto halb = [&](double t) {
        double unten = 1;
        switch (grund) {
        case TPetalGrund::Nagel:
            unten = t < 0.4 ? 0.08 : 0.08 + 0.92 * Glatt((t - 0.4) / 0.28);
            break;
        case TPetalGrund::KurzNagel:
            unten = t < 0.14 ? 0.1 : 0.1 + 0.9 * Glatt((t - 0.14) / 0.34);
            break;
        case TPetalGrund::Keil:
        case TPetalGrund::Bewimpert:
            unten = spitze == TPetalSpitze::Elliptisch ? std::sin(M_PI / 2 * std::min(1.0, t / 0.5))
                                                       : 0.06 + 0.94 * Glatt(t / 0.72);
            break;
        }
        const double tc = spitze == TPetalSpitze::Gestutzt     ? 0.9
                          : spitze == TPetalSpitze::Elliptisch ? 0.5
                                                               : 0.76;
        double oben = t > tc ? std::sqrt(std::max(0.0, 1 - std::pow((t - tc) / (1 - tc), 2))) : 1;
        if (spitze == TPetalSpitze::Wellig && t > 0.45) oben *= 1 + 0.05 * std::sin(t * 46);
        return w * unten * oben;
    };
    QPolygonF umriss = Profilumriss(basis, hoehe, halb);
    const double yTop = basis.y() - hoehe;
    if (spitze == TPetalSpitze::Ausgerandet || spitze == TPetalSpitze::Zweilappig) {
        const double tiefe = spitze == TPetalSpitze::Zweilappig ? 70 : 28;
        const double nw = spitze == TPetalSpitze::Zweilappig ? 34 : 30;
        for (QPointF& p : umriss) {
            const double dx = std::abs(p.x() - basis.x());
            if (dx < nw) p.setY(std::max(p.y(), yTop + tiefe * (1 - dx / nw)));
        }
    }
    if (spitze == TPetalSpitze::Wellig) {
        // A small point at the tip.
        int oben = 0;
        for (int i = 0; i < umriss.size(); ++i)
            if (umriss[i].y() < umriss[oben].y()) oben = i;
        umriss.insert(oben, QPointF(basis.x(), yTop - 16));
    }
    z.Flaeche(Polygonpfad(umriss), farbe);
    const QColor ader =
        adern == TAdern::HelleStreifen ? QColor(0xff, 0xfb, 0xfd) : farbe.darker(150);
    if (adern != TAdern::Keine) {
        const TStrich strich = adern == TAdern::Zart     ? TStrich::Fein
                               : adern == TAdern::Dunkel ? TStrich::Normal
                                                         : TStrich::Stark;
        const double start = grund == TPetalGrund::Nagel ? 0.3 : 0.05;
        for (int k = -3; k <= 3; ++k) {
            const double ende = 0.86 - std::abs(k) * 0.07;
            const QPointF a(basis.x(), basis.y() - hoehe * start);
            const QPointF e(basis.x() + k * halb(ende) * 0.26, basis.y() - hoehe * ende);
            const QPointF s(basis.x() + k * halb(0.55) * 0.22, basis.y() - hoehe * 0.5);
            if (adern == TAdern::HelleStreifen && k % 2) continue;
            z.Kurve(a, s, e, strich, ader);
        }
    }
    if (grund == TPetalGrund::Bewimpert)
        for (double t = 0.03; t < 0.32; t += 0.035)
            for (double s : {-1.0, 1.0}) {
                const QPointF p(basis.x() + s * halb(t), basis.y() - hoehe * t);
                z.Linie(p, p + QPointF(s * z.Gr(14, 18), -z.Gr(4, 6)), TStrich::Fein);
            }
}

enum class TKelchSpitze
{
    Granne,
    Stachelspitze,
    Stumpf,
};

void Kelchblattbild(TZeichner& z, TKelchSpitze spitze)
{
    const QPointF basis(MitteX, 290);
    const double hoehe = spitze == TKelchSpitze::Granne ? 196 : 236;
    auto halb = [&](double t) {
        const double form = std::pow(std::sin(M_PI * std::min(1.0, t * 0.9 + 0.1)), 0.7);
        const double oben = spitze == TKelchSpitze::Stumpf ? 1.0 : std::min(1.0, (1 - t) * 3.5);
        return 62 * form * std::max(oben, spitze == TKelchSpitze::Stumpf ? 1.0 : 0.0);
    };
    z.Flaeche(Polygonpfad(Profilumriss(basis, hoehe, halb)), Farbe::Kelch);
    for (int k = -2; k <= 2; ++k)
        z.Kurve({basis.x() + k * 6, basis.y() - 6}, {basis.x() + k * 22, basis.y() - hoehe * 0.5},
                {basis.x() + k * 8, basis.y() - hoehe * 0.9}, TStrich::Fein);
    const QPointF top(basis.x(), basis.y() - hoehe);
    if (spitze == TKelchSpitze::Granne)
        z.Linie(top, top + QPointF(0, -80), TStrich::Achse);
    else if (spitze == TKelchSpitze::Stachelspitze)
        z.Linie(top, top + QPointF(0, -16), TStrich::Achse);
}

// ---- Underground parts -----------------------------------------------------------------------

constexpr double Bodenhoehe = 118;

void Bodenbild(TZeichner& z)
{
    QPainterPath erde;
    erde.addRect(QRectF(6, Bodenhoehe, 308, Unten - Bodenhoehe + 4));
    z.Fuellen(erde, Erde);
    z.Boden(Bodenhoehe);
}

void Fasern(TZeichner& z, QPointF an, double laenge, int zahl = 5)
{
    for (int k = 0; k < zahl; ++k) {
        const double w = 90 + (k - (zahl - 1) / 2.0) * 22;
        z.Kurve(an, Weiter(an, w + 8, laenge * 0.5), Weiter(an, w - 6, laenge), TStrich::Fein,
                Farbe::Boden);
    }
}

// A leafy shoot rising from the ground at x, opposite narrow leaves.
void Trieb(TZeichner& z, double x, double hoehe, bool gegen = true)
{
    const double oben = Bodenhoehe - hoehe;
    z.Linie({x, Bodenhoehe}, {x, oben}, TStrich::Achse);
    for (int i = 0; i < 3; ++i) {
        const double y = Bodenhoehe - hoehe * (0.25 + 0.28 * i);
        const double l = hoehe * (0.42 - 0.06 * i);
        TBlatt b{TBlattform::Lanzettlich, l, l * 0.3, TRand::Ganz, TNervatur::Mittelnerv};
        if (gegen || i % 2 == 0) ZeichneBlatt(z, {x, y}, -28, b);
        if (gegen || i % 2 == 1) ZeichneBlatt(z, {x, y}, -152, b);
    }
}

void Schuppe(TZeichner& z, QPointF p, double winkel)
{
    TBlatt s{TBlattform::Eifoermig, z.Gr(16, 24), z.Gr(9, 13), TRand::Ganz, TNervatur::Keine};
    s.Fuellung = QColor(0xe8, 0xd8, 0xc0);
    ZeichneBlatt(z, p, winkel, s);
}

enum class TUnterirdisch
{
    Keine,        // fibrous roots, at most buds at the stock
    Rosetten,     // short leaf rosettes at the stem base
    Oberirdisch,  // thin leafy runners above ground
    Wurzelnd,     // runners above ground, rooting at the nodes
    Unterirdisch, // underground runners with scale leaves
    Faedlich,     // thread-like runners with winter buds
    Wurzelsprosse,
    Knolle,        // the stem base swollen
    Wurzelknollen, // tuberous roots
    Einjaehrig,    // a slender tap root
    Ausdauernd,    // a rootstock with last year's remains
};

// gegen: the shoots bear opposite leaves (else alternate); knospen: buds at the stock.
void Unterirdisch(TZeichner& z, TUnterirdisch art, bool gegen = true, bool knospen = true)
{
    Bodenbild(z);
    const double x = 110;
    const QPointF fuss(x, Bodenhoehe);
    switch (art) {
    case TUnterirdisch::Keine:
        Trieb(z, x, 108, gegen);
        Fasern(z, fuss, 110, 6);
        for (double s : {-1.0, 1.0})
            if (knospen)
                z.Ellipse(fuss + QPointF(s * 14, -6), 7, 10, Farbe::AkzentFlaeche, TStrich::Fein);
        break;
    case TUnterirdisch::Rosetten:
        Trieb(z, x, 108);
        Fasern(z, fuss, 100, 5);
        for (double rx : {x + 70, x + 150})
            for (int k = 0; k < 5; ++k) {
                TBlatt b{TBlattform::Eifoermig, z.Gr(30, 38), z.Gr(16, 20), TRand::Ganz,
                         TNervatur::Mittelnerv};
                ZeichneBlatt(z, {rx, Bodenhoehe - 2}, -180 + k * 45, b);
            }
        z.Kurve(fuss + QPointF(4, -2), {x + 36, Bodenhoehe - 8}, {x + 70, Bodenhoehe - 2},
                TStrich::Normal);
        z.Kurve({x + 70, Bodenhoehe - 2}, {x + 110, Bodenhoehe - 8}, {x + 150, Bodenhoehe - 2},
                TStrich::Normal);
        break;
    case TUnterirdisch::Oberirdisch:
    case TUnterirdisch::Wurzelnd: {
        Trieb(z, x, 108, gegen);
        Fasern(z, fuss, 90, 5);
        const bool wurzelnd = art == TUnterirdisch::Wurzelnd;
        QPainterPath laeufer(fuss + QPointF(0, -4));
        laeufer.cubicTo(x + 60, Bodenhoehe - 50, x + 110, Bodenhoehe - 10, 300, Bodenhoehe - 3);
        z.Umriss(laeufer, TStrich::Normal);
        for (double px : {x + 70, x + 130, x + 180}) {
            QPointF p(px, Bodenhoehe - 3);
            const double yKurve = Bodenhoehe - (px < x + 100 ? 24 : 8);
            p.setY(wurzelnd ? Bodenhoehe - 3 : yKurve);
            if (wurzelnd) {
                Fasern(z, QPointF(px, Bodenhoehe), 36, 3);
                TBlatt b{TBlattform::Eifoermig, 34, 24, TRand::Gekerbt, TNervatur::Mittelnerv};
                b.Stiel = 14;
                ZeichneBlatt(z, {px, Bodenhoehe - 3}, -100, b);
            } else {
                for (double s : {-1.0, 1.0}) {
                    TBlatt b{TBlattform::Eifoermig, 22, 13, TRand::Ganz, TNervatur::Keine};
                    ZeichneBlatt(z, p, s > 0 ? -60 : -120, b);
                }
            }
        }
        if (!wurzelnd) Fasern(z, {298, Bodenhoehe}, 26, 3);
        break;
    }
    case TUnterirdisch::Unterirdisch:
    case TUnterirdisch::Faedlich: {
        Trieb(z, x, 108, gegen);
        Fasern(z, fuss, 80, 4);
        const bool faedlich = art == TUnterirdisch::Faedlich;
        QPainterPath laeufer(fuss + QPointF(0, 6));
        laeufer.cubicTo(x + 40, Bodenhoehe + 70, x + 120, Bodenhoehe + 70, 270,
                        Bodenhoehe + (faedlich ? 40 : 14));
        z.Umriss(laeufer, faedlich ? TStrich::Fein : TStrich::Achse,
                 faedlich ? Farbe::Linie : QColor(0xe0, 0xd4, 0xc0).darker(160));
        if (!faedlich) {
            for (double t : {0.25, 0.45, 0.65, 0.85}) {
                const QPointF p = laeufer.pointAtPercent(t);
                Schuppe(z, p,
                        laeufer.angleAtPercent(t) < 180 ? -laeufer.angleAtPercent(t) - 30
                                                        : -laeufer.angleAtPercent(t) + 30);
            }
            z.Linie({270, Bodenhoehe + 14}, {278, Bodenhoehe - 30}, TStrich::Achse);
            for (double s : {-1.0, 1.0}) {
                TBlatt b{TBlattform::Eifoermig, 22, 12, TRand::Ganz, TNervatur::Keine};
                ZeichneBlatt(z, {278, Bodenhoehe - 26}, s > 0 ? -55 : -125, b);
            }
        } else {
            // The winter bud: a small ball of fleshy scales.
            const QPointF k(272, Bodenhoehe + 40);
            z.Ellipse(k, 28, 21, QColor(0xe8, 0xc4, 0xa0));
            for (int i = -1; i <= 1; ++i)
                z.Kurve(k + QPointF(i * 8, 14), k + QPointF(i * 11, 0), k + QPointF(i * 4, -14),
                        TStrich::Fein);
        }
        break;
    }
    case TUnterirdisch::Wurzelsprosse: {
        z.Linie({20, Bodenhoehe + 60}, {300, Bodenhoehe + 50}, TStrich::Stark, Farbe::Holz);
        for (double px : {50.0, 130.0, 210.0, 285.0}) {
            const double yw = Bodenhoehe + 60 - (px - 20) * 10 / 280;
            z.Linie({px, yw}, {px, Bodenhoehe}, TStrich::Achse);
            Trieb(z, px, px == 130.0 ? 104 : 84, false);
            Fasern(z, {px, yw}, 40, 3);
        }
        break;
    }
    case TUnterirdisch::Knolle: {
        Trieb(z, x, 108, false);
        QPainterPath knolle({x - 6, Bodenhoehe - 6});
        knolle.cubicTo(x - 52, Bodenhoehe + 10, x - 48, Bodenhoehe + 62, x, Bodenhoehe + 62);
        knolle.cubicTo(x + 48, Bodenhoehe + 62, x + 52, Bodenhoehe + 10, x + 6, Bodenhoehe - 6);
        knolle.closeSubpath();
        z.Flaeche(knolle, QColor(0xe6, 0xdc, 0xb4));
        Fasern(z, {x, Bodenhoehe + 60}, 70, 5);
        break;
    }
    case TUnterirdisch::Wurzelknollen: {
        Trieb(z, x, 108, false);
        for (int k = 0; k < 5; ++k) {
            const double w = 60 + k * 15;
            Rahmen(z, fuss + QPointF(0, 4), w, [&] {
                QPainterPath k1({0, -4});
                k1.cubicTo(30, -18, 90, -16, 110, 0);
                k1.cubicTo(90, 16, 30, 18, 0, 4);
                k1.closeSubpath();
                z.Flaeche(k1, QColor(0xe6, 0xdc, 0xb4));
            });
        }
        break;
    }
    case TUnterirdisch::Einjaehrig: {
        Trieb(z, MitteX, 108, false);
        const QPointF f(MitteX, Bodenhoehe);
        z.Kurve(f, f + QPointF(4, 60), f + QPointF(-4, 130), TStrich::Normal, Farbe::Boden);
        for (int k = 0; k < 6; ++k) {
            const QPointF p = f + QPointF(k % 2 ? 2 : -1, 20 + k * 18);
            z.Kurve(p, p + QPointF((k % 2 ? 1 : -1) * 20, 6),
                    p + QPointF((k % 2 ? 1 : -1) * 36, 22), TStrich::Fein, Farbe::Boden);
        }
        break;
    }
    case TUnterirdisch::Ausdauernd: {
        QPainterPath stock({60, Bodenhoehe + 36});
        stock.cubicTo(110, Bodenhoehe + 20, 180, Bodenhoehe + 30, 260, Bodenhoehe + 14);
        z.Umriss(stock, TStrich::Stark, Farbe::Holz);
        Trieb(z, 240, 96, false);
        z.Linie({240, Bodenhoehe + 16}, {240, Bodenhoehe}, TStrich::Achse);
        Trieb(z, 150, 108, false);
        z.Linie({150, Bodenhoehe + 24}, {150, Bodenhoehe}, TStrich::Achse);
        // Last year's dead stems.
        for (double px : {90.0, 196.0}) {
            z.Linie({px, Bodenhoehe + 28}, {px - 4, Bodenhoehe - 46}, TStrich::Normal, Farbe::Holz);
            z.Linie({px - 4, Bodenhoehe - 46}, {px + 4, Bodenhoehe - 54}, TStrich::Fein,
                    Farbe::Holz);
        }
        z.Ellipse({70, Bodenhoehe + 26}, 8, 11, Farbe::AkzentFlaeche, TStrich::Fein);
        for (double px : {80.0, 130.0, 180.0, 230.0})
            Fasern(z, {px, Bodenhoehe + 26}, 70, 3);
        break;
    }
    }
}

// ---- Epilobium: ovaries, buds, stigmas, seeds --------------------------------------------------

// The long inferior ovary with a small flower on top.
void Fruchtknoten(TZeichner& z, THaar art, const QColor& bluete = Rosa)
{
    const double hb = z.Gr(16, 22);
    z.Linie({MitteX, Unten}, {MitteX, 270}, TStrich::Achse);
    Behaart(z, MitteX, 96, 272, hb, art);
    for (double w : {-90 - 62.0, -90 - 22.0, -90 + 22.0, -90 + 62.0})
        Kronblatt(z, {MitteX, 96}, w, 82, 52, bluete, true);
    for (double w : {-90 - 42.0, -90 + 42.0})
        Kelchblatt(z, {MitteX, 98}, w, 48, 16);
}

void Knospen(TZeichner& z, bool nickend)
{
    const QPointF fuss(MitteX - 20, Unten);
    QPainterPath achse(fuss);
    QPointF spitze;
    if (nickend) {
        achse.cubicTo(MitteX - 20, 120, MitteX + 10, 30, MitteX + 70, 70);
        spitze = QPointF(MitteX + 92, 110);
        achse.quadTo(MitteX + 88, 84, spitze.x(), spitze.y());
    } else {
        spitze = QPointF(MitteX - 20, 28);
        achse.lineTo(spitze);
    }
    z.Umriss(achse, TStrich::Achse);
    // Buds on short stalks along the upper axis, the tip bud last.
    for (double t : {0.45, 0.62, 0.78}) {
        const QPointF p = achse.pointAtPercent(t);
        const double w = -achse.angleAtPercent(t);
        for (double s : {-1.0, 1.0}) {
            const QPointF k = Weiter(p, w + s * 50, 26);
            z.Linie(p, k, TStrich::Normal);
            Rahmen(z, k, w + s * 40, [&] { z.Ellipse({12, 0}, 14, 8, Farbe::Kelch); });
        }
    }
    Rahmen(z, spitze, -achse.angleAtPercent(1), [&] { z.Ellipse({10, 0}, 14, 9, Farbe::Kelch); });
    TBlatt b{TBlattform::Lanzettlich, 110, 28, TRand::Ganz, TNervatur::Mittelnerv};
    for (double s : {-1.0, 1.0})
        ZeichneBlatt(z, achse.pointAtPercent(0.15), s > 0 ? -30 : -150, b);
}

void Narbenbild(TZeichner& z, bool vierspaltig)
{
    // Flower seen from the side, opened so the style and stigma show in the middle.
    const QPointF b(MitteX, 262);
    for (double w : {-90 - 58.0, -90 + 58.0})
        Kronblatt(z, b, w, 150, 110, Rosa.lighter(115), true);
    z.Linie({MitteX, Unten}, b, TStrich::Achse);
    for (int i = -3; i <= 3; i += 2)
        Staubblatt(z, b + QPointF(i * 3, -4), b + QPointF(i * 14, -96 + std::abs(i) * 6), 9);
    const QPointF n(MitteX, vierspaltig ? 96 : 104);
    z.Linie(b + QPointF(0, -4), n, TStrich::Achse);
    if (vierspaltig) {
        for (double w : {-150.0, -30.0, -120.0, -60.0})
            z.Kurve(n, Weiter(n, w, 26), Weiter(n, w + (w < -90 ? -50 : 50), 44), TStrich::Stark,
                    QColor(0xf0, 0xe8, 0xf0).darker(130));
    } else {
        QPainterPath keule;
        keule.addRoundedRect(QRectF(n.x() - 11, n.y() - 46, 22, 52), 11, 11);
        z.Flaeche(keule, QColor(0xf5, 0xec, 0xf2));
    }
}

enum class TOberflaeche
{
    Glatt,
    Papillen,
    Reihen,
    Behaart,
    Querrunzelig,
    Netzig,
    Hoecker,
    Stacheln,
};

// Fills the path with a surface pattern, clipped to it.
void Muster(TZeichner& z, const QPainterPath& pfad, TOberflaeche art)
{
    const QRectF r = pfad.boundingRect();
    QPainter& m = z.Maler();
    m.save();
    m.setClipPath(pfad, Qt::IntersectClip);
    const double d = z.Gr(12, 17);
    switch (art) {
    case TOberflaeche::Glatt:
        z.Kurve(r.center() + QPointF(-r.width() * 0.25, -r.height() * 0.25),
                r.center() + QPointF(-r.width() * 0.3, 0),
                r.center() + QPointF(-r.width() * 0.2, r.height() * 0.2), TStrich::Achse,
                QColor(0xff, 0xff, 0xff));
        break;
    case TOberflaeche::Papillen:
    case TOberflaeche::Hoecker:
        for (double y = r.top() + d / 2; y < r.bottom(); y += d)
            for (double x = r.left() + std::fmod(y, 2 * d) / 2; x < r.right(); x += d)
                z.Kreis({x, y}, z.Gr(2.4, 3.6) * (art == TOberflaeche::Hoecker ? 1.5 : 1),
                        QColor(0xd6, 0xb8, 0x84), TStrich::Fein);
        break;
    case TOberflaeche::Reihen:
        for (double x = r.left() + d / 2; x < r.right(); x += d * 0.9)
            for (double y = r.top() + d / 3; y < r.bottom(); y += d * 0.5)
                z.Punkt({x, y}, z.Gr(1.8, 2.6), Farbe::Linie);
        break;
    case TOberflaeche::Behaart:
        for (double y = r.top() + d / 2; y < r.bottom(); y += d)
            for (double x = r.left() + std::fmod(y, 2 * d) / 2; x < r.right(); x += d)
                z.Linie({x, y}, {x + 5, y - z.Gr(9, 13)}, TStrich::Fein);
        break;
    case TOberflaeche::Querrunzelig:
        for (double y = r.top() + d / 2; y < r.bottom(); y += d * 0.8)
            z.Kurve({r.left(), y}, {r.center().x(), y + d * 0.6}, {r.right(), y}, TStrich::Fein);
        break;
    case TOberflaeche::Netzig:
        for (double y = r.top(); y < r.bottom(); y += d * 1.3)
            for (double x = r.left() + std::fmod(y, 2 * d); x < r.right(); x += d * 2) {
                QPainterPath masche;
                masche.addEllipse(QPointF(x, y), d * 0.9, d * 0.6);
                z.Umriss(masche, TStrich::Fein);
            }
        break;
    case TOberflaeche::Stacheln:
        break;
    }
    m.restore();
    z.Umriss(pfad);
    if (art == TOberflaeche::Behaart) {
        const QPolygonF rand = Abtasten(pfad, z.Gr(10, 15));
        for (const QPointF& p : rand) {
            const QPointF v = p - r.center();
            z.Linie(p, p + v / std::hypot(v.x(), v.y()) * z.Gr(10, 14), TStrich::Fein);
        }
    }
}

void Samenbild(TZeichner& z, TOberflaeche art)
{
    // An obovoid seed with its tuft of silky hairs.
    const QPointF m(MitteX, 208);
    QPainterPath same(m + QPointF(0, 70));
    same.cubicTo(m + QPointF(-40, 66), m + QPointF(-52, -50), m + QPointF(-14, -72));
    same.lineTo(m + QPointF(14, -72));
    same.cubicTo(m + QPointF(52, -50), m + QPointF(40, 66), m + QPointF(0, 70));
    z.Fuellen(same, Farbe::Frucht);
    Muster(z, same, art);
    for (int k = -6; k <= 6; ++k)
        z.Kurve(m + QPointF(k * 2, -72), m + QPointF(k * 8, -120),
                m + QPointF(k * 18, -180 + std::abs(k) * 8), TStrich::Fein,
                QColor(0x9a, 0x9a, 0x9a));
}

// ---- Geranium ----------------------------------------------------------------------------------

// Builds a leaf of segments radiating from the top of the stalk: each segment a lanceolate lobe
// that forks again stufe times into teile lobes.
void Abschnitt(QPainterPath& blatt, QPointF von, double w, double l, double b, int stufe, int teile,
               double spreiz)
{
    auto lappen = [&](QPointF p, double winkel, double laenge, double breite) {
        TBlatt t{TBlattform::Lanzettlich, laenge, breite, TRand::Ganz, TNervatur::Keine};
        QTransform tr;
        tr.translate(p.x(), p.y());
        tr.rotate(winkel);
        blatt = blatt.united(tr.map(BlattPfad(t)));
    };
    if (stufe == 0) {
        lappen(von, w, l, b);
        return;
    }
    const double gabel = 0.42;
    lappen(von, w, l * (gabel + 0.12), b * 0.8);
    const QPointF p = Weiter(von, w, l * gabel);
    for (int i = 0; i < teile; ++i) {
        const double d = (i - (teile - 1) / 2.0) * spreiz;
        Abschnitt(blatt, p, w + d, l * (1 - gabel) * (d == 0 ? 1.05 : 0.9), b * 0.62, stufe - 1,
                  teile, spreiz * 0.8);
    }
}

// A palmate leaf on its stalk: n segments spread over facher degrees, cut to the share tiefe
// of their length.
void Handblatt(TZeichner& z, QPointF mitte, double r, int n, double facher, double tiefe, int stufe,
               int teile, double breite, double spreiz)
{
    QPainterPath blatt;
    blatt.addEllipse(mitte, r * (1 - tiefe), r * (1 - tiefe));
    for (int i = 0; i < n; ++i) {
        const double w = -90 + (i - (n - 1) / 2.0) * facher / std::max(1, n - 1);
        Abschnitt(blatt, mitte, w, r, breite, stufe, teile, spreiz);
    }
    z.Linie({mitte.x() + 8, Unten}, mitte, TStrich::Achse);
    z.Flaeche(blatt, Farbe::Blatt);
    for (int i = 0; i < n; ++i) {
        const double w = -90 + (i - (n - 1) / 2.0) * facher / std::max(1, n - 1);
        z.Linie(mitte, Weiter(mitte, w, r * 0.75), TStrich::Fein);
    }
}

void Geraniumblatt(TZeichner& z, char form)
{
    const QPointF m(MitteX, 168);
    switch (form) {
    case 'h':
        Handblatt(z, m, 128, 7, 290, 0.84, 1, 3, 58, 28);
        break;
    case 't':
        Handblatt(z, m, 128, 7, 290, 0.97, 2, 2, 26, 34);
        break;
    case 'g': {
        TBlatt b{TBlattform::Hand, 130, 130, TRand::Gelappt, TNervatur::Hand};
        b.Lappen = 7;
        b.Stiel = 60;
        z.Maler().save();
        ZeichneBlatt(z, {MitteX, Unten}, -90, b);
        z.Maler().restore();
        break;
    }
    case 'f': {
        // Three stalked leaflets, each deeply pinnatifid.
        const QPointF s(MitteX, 180);
        z.Linie({MitteX, Unten}, s, TStrich::Achse);
        for (double w : {-90.0, -160.0, -20.0}) {
            const QPointF a = Weiter(s, w, w == -90.0 ? 34 : 22);
            z.Linie(s, a, TStrich::Normal);
            QPainterPath blatt;
            const double l = w == -90.0 ? 130 : 100;
            Abschnitt(blatt, a, w, l, 30, 0, 1, 0);
            for (double t : {0.22, 0.45, 0.66})
                for (double sd : {-1.0, 1.0}) {
                    QPainterPath f;
                    Abschnitt(f, Weiter(a, w, l * t), w + sd * 55, l * (0.5 - t * 0.4), 22, 1, 2,
                              36);
                    blatt = blatt.united(f);
                }
            z.Flaeche(blatt, Farbe::Blatt);
            z.Linie(a, Weiter(a, w, l * 0.8), TStrich::Fein);
        }
        break;
    }
    }
}

// A Geranium flower seen from above.
void Geraniumbluete(TZeichner& z, const QColor& farbe, bool zurueck = false)
{
    TBlueteOben b{5, farbe, false, 5, 10, 5};
    b.Kronblattbreite = zurueck ? 0.9 : 1.25;
    BlueteOben(z, {MitteX, 150}, 132, b);
}

// A crane's-bill fruit in the frame of its stalk: x along the fruit, from the calyx to the beak.
void Storchschnabel(TZeichner& z, QPointF basis, double winkel, double g)
{
    Rahmen(z, basis, winkel, [&] {
        QPainterPath schnabel({g * 0.18, -g * 0.06});
        schnabel.lineTo(g * 0.95, -g * 0.025);
        schnabel.lineTo(g * 0.95, g * 0.025);
        schnabel.lineTo(g * 0.18, g * 0.06);
        schnabel.closeSubpath();
        z.Flaeche(schnabel, Farbe::Kelch);
        for (double s : {-1.0, 1.0})
            z.Linie({g * 0.95, 0}, {g * 1.02, s * g * 0.04}, TStrich::Fein);
        z.Ellipse({g * 0.14, 0}, g * 0.14, g * 0.12, Farbe::Frucht);
        for (double s : {-1.0, 1.0}) {
            TBlatt k{TBlattform::Lanzettlich, g * 0.26, g * 0.1, TRand::Ganz, TNervatur::Keine};
            k.Fuellung = Farbe::Kelch;
            ZeichneBlatt(z, {0, 0}, s * 24, k);
        }
    });
}

void Fruchtstellung(TZeichner& z, bool abwaerts)
{
    const QPointF knoten(MitteX, abwaerts ? 130 : 190);
    z.Linie({MitteX, Unten}, {MitteX, 10}, TStrich::Achse);
    for (double s : {-1.0, 1.0}) {
        const QPointF ende = knoten + QPointF(s * 80, abwaerts ? 110 : -30);
        if (abwaerts) {
            z.Kurve(knoten, knoten + QPointF(s * 40, -10), ende, TStrich::Normal);
            Storchschnabel(z, ende, -90 + s * 10, 150);
        } else {
            z.Kurve(knoten, knoten + QPointF(s * 20, -40), ende, TStrich::Normal);
            Storchschnabel(z, ende, -90 + s * 20, 150);
        }
    }
    TBlatt b{TBlattform::Lanzettlich, 40, 10, TRand::Ganz, TNervatur::Keine};
    for (double s : {-1.0, 1.0})
        ZeichneBlatt(z, knoten, s > 0 ? -10 : -170, b);
}

void Teilfrucht(TZeichner& z, TOberflaeche art)
{
    // One mericarp with the base of its awn.
    const QPointF m(MitteX, 200);
    QPainterPath frucht(m + QPointF(0, 80));
    frucht.cubicTo(m + QPointF(-70, 78), m + QPointF(-72, -70), m + QPointF(-10, -86));
    frucht.lineTo(m + QPointF(10, -86));
    frucht.cubicTo(m + QPointF(72, -70), m + QPointF(70, 78), m + QPointF(0, 80));
    z.Fuellen(frucht, Farbe::Frucht);
    Muster(z, frucht, art);
    QPainterPath granne(m + QPointF(-10, -86));
    granne.cubicTo(m + QPointF(-14, -130), m + QPointF(10, -170), m + QPointF(30, -186));
    granne.lineTo(m + QPointF(40, -180));
    granne.cubicTo(m + QPointF(20, -160), m + QPointF(10, -126), m + QPointF(10, -86));
    granne.closeSubpath();
    z.Flaeche(granne, Farbe::Kelch);
}

void Bluetenstiele(TZeichner& z, int zahl)
{
    // The peduncle from a leaf axil: one flower, a pair, or several in an umbel-like cluster.
    const QPointF knoten(80, 262);
    z.Linie({80, Unten}, {80, 60}, TStrich::Achse);
    TBlatt b{TBlattform::Lanzettlich, 70, 20, TRand::Ganz, TNervatur::Mittelnerv};
    ZeichneBlatt(z, knoten, -160, b);
    const QPointF gabel(170, 150);
    z.Kurve(knoten, {150, 240}, gabel, TStrich::Normal);
    const int n = zahl;
    for (int i = 0; i < n; ++i) {
        const double w = n == 1 ? -80 : -90 + (i - (n - 1) / 2.0) * (n == 2 ? 50 : 34);
        const QPointF bl = n == 1 ? Weiter(gabel, w, 20) : Weiter(gabel, w, n == 2 ? 76 : 86);
        if (n > 1) z.Linie(gabel, bl, TStrich::Normal);
        TBlueteOben o{5, QColor(0xd8, 0x70, 0xc0), false, 5, 0, 5};
        BlueteOben(z, bl + Richtung(w) * 20, n == 1 ? 64 : n == 2 ? 48 : 32, o);
    }
    if (n > 1)
        for (double s : {-1.0, 1.0})
            ZeichneBlatt(z, gabel, s > 0 ? -10 : -170,
                         TBlatt{TBlattform::Lanzettlich, 22, 7, TRand::Ganz, TNervatur::Keine});
}

// ---- Oenothera ----------------------------------------------------------------------------------

void Nachtkerzenstand(TZeichner& z, bool nickend)
{
    QPainterPath achse({MitteX - 30, Unten});
    achse.lineTo(MitteX - 30, 90);
    if (nickend)
        achse.cubicTo(MitteX - 30, 40, MitteX + 30, 10, MitteX + 60, 56);
    else
        achse.lineTo(MitteX - 30, 30);
    z.Umriss(achse, TStrich::Achse);
    // Capsules below, two open flowers, buds above.
    for (double y : {270.0, 246.0})
        for (double s : {-1.0, 1.0})
            Rahmen(z, {MitteX - 30, y}, s > 0 ? -55 : -125, [&] {
                QPainterPath k;
                k.addRoundedRect(QRectF(0, -6, 44, 12), 5, 5);
                z.Flaeche(k, Farbe::Kelch);
            });
    for (double s : {-1.0, 1.0}) {
        const QPointF an(MitteX - 30, 200);
        const QPointF b = an + QPointF(s * 60, -44);
        z.Linie(an, b, TStrich::Normal);
        BlueteOben(z, b + QPointF(s * 10, -24), 46, {4, Gelb, false, 0, 8, 4});
    }
    const double l = achse.length();
    for (int i = 0; i < 6; ++i) {
        const double t = achse.percentAtLength(l * (0.62 + i * 0.065));
        const QPointF p = achse.pointAtPercent(t);
        const double w = -achse.angleAtPercent(t);
        const double s = i % 2 ? 1 : -1;
        Rahmen(z, p, w + s * 38, [&] { z.Ellipse({14, 0}, 15, 6, Farbe::Kelch); });
    }
    const QPointF spitze = achse.pointAtPercent(1);
    Rahmen(z, spitze, -achse.angleAtPercent(1), [&] { z.Ellipse({8, 0}, 10, 5, Farbe::Kelch); });
}

void Nachtkerzenknospe(TZeichner& z, bool spreizend)
{
    z.Linie({MitteX, Unten}, {MitteX, 210}, TStrich::Stark, Farbe::Kelch.darker(130));
    QPainterPath knospe({MitteX - 8, 214});
    knospe.cubicTo(MitteX - 40, 180, MitteX - 40, 110, MitteX - 10, 70);
    knospe.lineTo(MitteX + 10, 70);
    knospe.cubicTo(MitteX + 40, 110, MitteX + 40, 180, MitteX + 8, 214);
    knospe.closeSubpath();
    z.Flaeche(knospe, Farbe::Kelch);
    z.Linie({MitteX, 212}, {MitteX, 72}, TStrich::Fein);
    // The free tips of the sepals at the top of the bud.
    for (double s : {-1.0, 1.0}) {
        const QPointF a(MitteX + s * 6, 74);
        QPainterPath zipfel(a + QPointF(-4, 0));
        const QPointF ende = spreizend ? a + QPointF(s * 50, -42) : a + QPointF(s * 2, -60);
        zipfel.quadTo(Mitte(a, ende) + QPointF(-5, 0), ende);
        zipfel.quadTo(Mitte(a, ende) + QPointF(5, 0), a + QPointF(4, 0));
        zipfel.closeSubpath();
        z.Flaeche(zipfel, Farbe::Kelch.darker(108), TStrich::Normal);
    }
}

void Nachtkerzennarbe(TZeichner& z, bool ueberragend)
{
    const QPointF b(MitteX, 272);
    for (double w : {-90 - 56.0, -90 + 56.0, -90 - 20.0, -90 + 20.0})
        Kronblatt(z, b, w, 150, 112, Gelb, true);
    const double beutelY = 132;
    for (int i = -3; i <= 3; ++i)
        Staubblatt(z, b + QPointF(i * 2, -8), {MitteX + i * 20, beutelY + std::abs(i) * 6.0},
                   z.Gr(9, 12));
    const QPointF n(MitteX, ueberragend ? 56 : beutelY + 8);
    z.Linie(b + QPointF(0, -6), n, TStrich::Achse, QColor(0x9a, 0x86, 0x20));
    for (double w : {-160.0, -20.0, -120.0, -60.0})
        z.Linie(n, Weiter(n, w, 30), TStrich::Stark, QColor(0xd8, 0xb0, 0x10));
}

// ---- Potamogeton --------------------------------------------------------------------------------

// A submerged leaf standing upright: half width along its length, the tip as given.
enum class TSpitze
{
    Spitz,
    Stachelspitze,
    Stumpf,
    Kappe,
};

void Laichkrautblatt(TZeichner& z, double breite, TSpitze spitze, int nerven, bool quer,
                     TRand rand = TRand::Ganz, int mittelnerv = 0)
{
    // Only the upper part of a long leaf shows, so the tip can be seen.
    const QPointF basis(MitteX, 310);
    const double hoehe = spitze == TSpitze::Stachelspitze ? 270 : 286;
    const double tc = spitze == TSpitze::Spitz ? 0.35 : 0.82;
    auto halb = [&](double t) {
        double w = breite / 2;
        if (t > tc) {
            const double u = (t - tc) / (1 - tc);
            w *= spitze == TSpitze::Spitz ? (1 - u) * (1 - 0.3 * u) : std::sqrt(1 - u * u);
        }
        if (rand == TRand::Gezaehnt && t < 0.97)
            w += (std::fmod(t * 30, 1.0) < 0.2 ? z.Gr(3, 5) : 0);
        if (rand == TRand::Gesaegt) w *= 1 + 0.18 * std::sin(t * 40);
        if (rand == TRand::Gesaegt && std::fmod(t * 60, 1.0) < 0.25) w += 3;
        return w;
    };
    const QPolygonF umriss = Profilumriss(basis, hoehe, halb, 240);
    const QPainterPath pfad = Polygonpfad(umriss);
    z.Flaeche(pfad, Farbe::Blatt);
    QPainter& m = z.Maler();
    m.save();
    m.setClipPath(pfad, Qt::IntersectClip);
    if (rand == TRand::Gesaegt)
        // The wavy blade: darker where it bends away.
        for (double t = 0.05; t < 0.95; t += 1 / 6.3) {
            const double y = basis.y() - hoehe * (t + 0.045);
            z.Fuellen(Ellipsenpfad({basis.x() - breite * 0.45, y}, breite * 0.22, 8),
                      Farbe::Blatt.darker(112));
            z.Fuellen(Ellipsenpfad({basis.x() + breite * 0.45, y + 10}, breite * 0.22, 8),
                      Farbe::Blatt.darker(112));
        }
    const double top = basis.y() - hoehe;
    // Longitudinal veins.
    for (int k = -(nerven / 2); k <= nerven / 2; ++k) {
        if (k == 0) continue;
        const double f = double(k) / (nerven / 2 + 1);
        QPainterPath ader({basis.x() + f * halb(0.1), basis.y()});
        for (int i = 1; i <= 40; ++i) {
            const double t = i / 40.0 * 0.96;
            ader.lineTo(basis.x() + f * halb(t), basis.y() - hoehe * t);
        }
        z.Umriss(ader, TStrich::Fein);
    }
    if (quer)
        for (double y = basis.y() - 12; y > top + 20; y -= z.Gr(14, 20))
            z.Linie({basis.x() - halb((basis.y() - y) / hoehe), y},
                    {basis.x() + halb((basis.y() - y) / hoehe), y - 3}, TStrich::Fein,
                    Farbe::Linie.lighter(160));
    // The midrib: with pale air chambers on both sides, narrow, or very broad.
    if (mittelnerv == 1)
        for (double s : {-1.0, 1.0}) {
            QPainterPath luft;
            luft.addRect(QRectF(basis.x() + (s > 0 ? 4 : -4 - breite * 0.16), top + 40,
                                breite * 0.16, hoehe));
            z.Fuellen(luft, QColor(0xf6, 0xfa, 0xee));
            for (double y = top + 50; y < basis.y(); y += 14)
                z.Linie({basis.x() + s * 4, y}, {basis.x() + s * (4 + breite * 0.16), y},
                        TStrich::Fein, Farbe::Linie.lighter(150));
        }
    if (mittelnerv == 2) {
        QPainterPath breit;
        const double b = breite * 0.34;
        breit.addRect(QRectF(basis.x() - b / 2, top + 30, b, hoehe));
        z.Flaeche(breit, Farbe::Blatt.darker(118), TStrich::Fein);
    }
    z.Linie({basis.x(), basis.y()}, {basis.x(), top + 10}, TStrich::Normal);
    m.restore();
    z.Umriss(pfad);
    if (spitze == TSpitze::Stachelspitze)
        z.Linie({basis.x(), top}, {basis.x(), top - 18}, TStrich::Achse);
    if (spitze == TSpitze::Kappe) {
        // The hooded tip: its edges drawn together into a small cap.
        QPainterPath kappe({basis.x() - breite * 0.42, top + 48});
        kappe.quadTo(basis.x(), top + 18, basis.x() + breite * 0.42, top + 48);
        z.Umriss(kappe, TStrich::Normal);
        QPainterPath innen({basis.x() - breite * 0.42, top + 48});
        innen.quadTo(basis.x(), top + 18, basis.x() + breite * 0.42, top + 48);
        innen.quadTo(basis.x(), top - 2, basis.x() - breite * 0.42, top + 48);
        z.Flaeche(innen, Farbe::Blatt.darker(125), TStrich::Fein);
    }
}

enum class TScheide
{
    Frei,
    Roehrig,
    Blattgrund,
    Fehlend,
};

void Nebenblattbild(TZeichner& z, TScheide art)
{
    const double x = 100;
    const double hb = z.Gr(7, 9);
    const QPointF knoten(x, 200);
    QPainterPath stengel;
    stengel.addRect(QRectF(x - hb, 10, 2 * hb, Unten - 10));
    z.Flaeche(stengel, Stengelgruen);
    QPointF an = knoten;
    if (art == TScheide::Blattgrund) {
        QPainterPath scheide;
        scheide.addRoundedRect(QRectF(x - hb - 7, knoten.y() - 10, 2 * hb + 14, 90), 6, 6);
        z.Flaeche(scheide, Farbe::Blatt);
        an = QPointF(x + hb + 5, knoten.y() - 10);
        // The free tip of the sheath (ligule).
        QPainterPath ligula({x - hb - 4, knoten.y() - 10});
        ligula.quadTo(x - hb, knoten.y() - 50, x + 2, knoten.y() - 56);
        ligula.lineTo(x + hb + 4, knoten.y() - 10);
        ligula.closeSubpath();
        z.Flaeche(ligula, Haut, TStrich::Fein);
    }
    TBlatt b{TBlattform::Lineal, 220, 24, TRand::Ganz, TNervatur::Parallel};
    ZeichneBlatt(z, an, -40, b);
    if (art == TScheide::Frei) {
        // A membranous tongue in the leaf axil, open on the side away from the leaf.
        QPainterPath zunge({x - hb, knoten.y()});
        zunge.cubicTo(x - hb - 30, knoten.y() - 40, x - hb - 10, knoten.y() - 100, x + 6,
                      knoten.y() - 104);
        zunge.cubicTo(x + 18, knoten.y() - 80, x + hb + 6, knoten.y() - 30, x + hb, knoten.y());
        zunge.closeSubpath();
        z.Flaeche(zunge, Haut, TStrich::Normal);
        for (int k = -1; k <= 1; ++k)
            z.Linie({x + k * 6.0, knoten.y() - 6}, {x - 6 + k * 8.0, knoten.y() - 90},
                    TStrich::Fein, Farbe::Linie.lighter(170));
    }
    if (art == TScheide::Roehrig) {
        // A closed tube round the stem above the node.
        QPainterPath roehre;
        roehre.addRoundedRect(QRectF(x - hb - 9, knoten.y() - 96, 2 * hb + 18, 96), 5, 5);
        z.Flaeche(roehre, Haut, TStrich::Normal);
        z.Ellipse({x, knoten.y() - 96}, hb + 9, 5, Haut, TStrich::Fein);
        QPainterPath oben;
        oben.addRect(QRectF(x - hb, 10, 2 * hb, knoten.y() - 106));
        z.Flaeche(oben, Stengelgruen);
    }
}

void Laichkrautansatz(TZeichner& z, TAnsatz art)
{
    const double x = 96;
    const double hb = z.Gr(6, 8);
    const QPointF knoten(x, 200);
    QPainterPath stengel;
    stengel.addRect(QRectF(x - hb, 10, 2 * hb, Unten - 10));
    z.Flaeche(stengel, Stengelgruen);
    TBlatt b{TBlattform::Lanzettlich, 200, 64, TRand::Ganz, TNervatur::Parallel};
    switch (art) {
    case TAnsatz::Gestielt:
        b.Form = TBlattform::Elliptisch;
        b.Stiel = 60;
        b.Laenge = 160;
        ZeichneBlatt(z, knoten, -40, b);
        break;
    case TAnsatz::Umfassend: {
        b.Form = TBlattform::Herz;
        b.Breite = 110;
        b.Laenge = 190;
        ZeichneBlatt(z, Weiter(knoten, -40, -30), -40, b);
        QPainterPath oben;
        oben.addRect(QRectF(x - hb, 10, 2 * hb, knoten.y() - 30));
        z.Flaeche(oben, Stengelgruen);
        break;
    }
    case TAnsatz::Keilig:
        b.Form = TBlattform::Spatel;
        b.Breite = 80;
        ZeichneBlatt(z, knoten, -40, b);
        break;
    case TAnsatz::Rund:
        b.Form = TBlattform::Eifoermig;
        b.Breite = 110;
        ZeichneBlatt(z, knoten, -40, b);
        break;
    case TAnsatz::Herz:
        b.Form = TBlattform::Herz;
        b.Breite = 100;
        b.Laenge = 190;
        ZeichneBlatt(z, Weiter(knoten, -40, -22), -40, b);
        break;
    case TAnsatz::Scheidig: {
        QPainterPath scheide;
        scheide.addRoundedRect(QRectF(x - hb - 7, knoten.y() - 10, 2 * hb + 14, 90), 6, 6);
        z.Flaeche(scheide, Farbe::Blatt);
        b.Form = TBlattform::Lineal;
        b.Breite = 14;
        ZeichneBlatt(z, {x + hb + 5, knoten.y() - 10}, -50, b);
        break;
    }
    default:
        ZeichneBlatt(z, knoten, -40, b);
        break;
    }
}

void Laichkrautaehre(TZeichner& z, double stiel, bool keulig)
{
    const double unten = Unten;
    const double laenge = 92;
    const double oben = unten - stiel - laenge;
    // The peduncle, widening to the top when club-shaped.
    QPainterPath st({MitteX - 4, unten});
    const double ob = keulig ? 11 : 4;
    st.cubicTo(MitteX - 4, unten - stiel * 0.5, MitteX - ob * 0.7, unten - stiel * 0.8, MitteX - ob,
               unten - stiel);
    st.lineTo(MitteX + ob, unten - stiel);
    st.cubicTo(MitteX + ob * 0.7, unten - stiel * 0.8, MitteX + 4, unten - stiel * 0.5, MitteX + 4,
               unten);
    st.closeSubpath();
    z.Flaeche(st, Stengelgruen);
    // The spike of small flowers with four rounded tepals.
    const double r = z.Gr(11, 15);
    int i = 0;
    for (double y = unten - stiel - r * 0.8; y > oben; y -= r * 1.3, ++i)
        for (double s : {-1.0, 1.0})
            z.Kreis({MitteX + s * r * 0.85 + (i % 2 ? 2 : -2), y}, r, QColor(0xb8, 0x9a, 0x6c));
    z.Kreis({MitteX, oben}, r * 0.8, QColor(0xb8, 0x9a, 0x6c));
}

enum class TSchnabel
{
    LangGebogen,
    Kurz,
    Hoecker,
    LangGerade,
    Hakig,
};

// A fruitlet from the side, the beak at the top.
void Fruechtchen(TZeichner& z, QPointF m, double r, TSchnabel schnabel, TOberflaeche art,
                 bool rand = true)
{
    QPainterPath koerper(m + QPointF(0, r));
    koerper.cubicTo(m + QPointF(-r * 0.95, r * 0.9), m + QPointF(-r * 0.95, -r * 0.6),
                    m + QPointF(-r * 0.1, -r));
    QPointF spitze = m + QPointF(r * 0.35, -r * 1.02);
    koerper.quadTo(m + QPointF(r * 0.1, -r * 1.1), spitze);
    if (schnabel == TSchnabel::Hoecker) {
        // The back with a wavy keel.
        koerper.cubicTo(m + QPointF(r * 0.9, -r * 0.5), m + QPointF(r * 0.8, r * 0.2),
                        m + QPointF(r * 0.8, r * 0.2));
        koerper.quadTo(m + QPointF(r * 1.45, r * 0.3), m + QPointF(r * 0.7, r * 0.6));
        koerper.quadTo(m + QPointF(r * 0.65, r * 0.95), m + QPointF(0, r));
    } else {
        koerper.cubicTo(m + QPointF(r * 1.05, -r * 0.5), m + QPointF(r * 0.95, r * 0.9),
                        m + QPointF(0, r));
    }
    z.Fuellen(koerper, Farbe::Frucht);
    Muster(z, koerper, art);
    if (rand) {
        QPainterPath innen = QTransform()
                                 .translate(m.x(), m.y())
                                 .scale(0.78, 0.8)
                                 .translate(-m.x(), -m.y())
                                 .map(koerper);
        z.Umriss(innen, TStrich::Fein);
    }
    if (art == TOberflaeche::Stacheln) {
        const QPolygonF umriss = Abtasten(koerper, z.Gr(14, 20));
        for (const QPointF& p : umriss) {
            const QPointF v = p - m;
            z.Linie(p, p + v / std::hypot(v.x(), v.y()) * r * 0.22, TStrich::Normal);
        }
        for (double dy : {-0.4, 0.0, 0.4})
            for (double dx : {-0.3, 0.3})
                z.Linie(m + QPointF(dx * r, dy * r), m + QPointF(dx * r + 6, dy * r - 10),
                        TStrich::Normal);
    }
    const double l = r * 0.5;
    switch (schnabel) {
    case TSchnabel::LangGebogen:
        z.Kurve(spitze, spitze + QPointF(l * 0.2, -l * 0.9), spitze + QPointF(-l * 0.8, -l * 1.4),
                TStrich::Stark);
        break;
    case TSchnabel::Kurz:
    case TSchnabel::Hoecker:
        z.Linie(spitze, spitze + QPointF(l * 0.1, -l * 0.35), TStrich::Stark);
        break;
    case TSchnabel::LangGerade:
        z.Linie(spitze, spitze + QPointF(l * 0.3, -l * 1.4), TStrich::Stark);
        break;
    case TSchnabel::Hakig:
        z.Kurve(spitze, spitze + QPointF(l * 0.3, -l * 1.2), spitze + QPointF(-l * 0.4, -l * 0.9),
                TStrich::Stark);
        z.Kurve(spitze + QPointF(-l * 0.4, -l * 0.9), spitze + QPointF(-l * 0.5, -l * 0.5),
                spitze + QPointF(-l * 0.2, -l * 0.6), TStrich::Stark);
        break;
    }
}

void Schwimmblattbild(TZeichner& z, bool schwimmblaetter)
{
    const double spiegel = 112;
    z.Wasser(spiegel, 292);
    z.Linie({MitteX, 292}, {MitteX, spiegel - 30}, TStrich::Achse);
    // Submerged leaves.
    for (int i = 0; i < 3; ++i) {
        TBlatt b{TBlattform::Lanzettlich, 96, 22, TRand::Ganz, TNervatur::Mittelnerv};
        ZeichneBlatt(z, {MitteX, 270.0 - i * 50}, i % 2 ? -150 : -30, b);
    }
    if (schwimmblaetter)
        for (double s : {-1.0, 1.0}) {
            const QPointF an(MitteX, spiegel + 40);
            const QPointF blatt(MitteX + s * 84, spiegel);
            z.Kurve(an, an + QPointF(s * 40, -10), blatt - QPointF(s * 40, 0), TStrich::Normal);
            z.Ellipse(blatt, 54, 12, Farbe::Blatt.darker(108));
            z.Linie(blatt - QPointF(50, 0), blatt + QPointF(50, 0), TStrich::Fein);
        }
    // The spike above the water.
    for (int k = 0; k < 5; ++k)
        z.Kreis({MitteX + (k % 2 ? 5 : -5), spiegel - 36 - k * 11.0}, z.Gr(7, 9),
                QColor(0xb8, 0x9a, 0x6c));
}

// ---- Water crowfoots ----------------------------------------------------------------------------

const QColor Wasserblatt{0x4d, 0x8a, 0x3f};

// Hair-fine segments forking stufen times from p.
void Gabeln(TZeichner& z, QPointF p, double w, double l, int stufen, double spreiz,
            const QColor& farbe = Wasserblatt, double kruemmung = 0)
{
    const QPointF e = Weiter(p, w, l);
    z.Kurve(p, Weiter(Mitte(p, e), w + 90, kruemmung), e, TStrich::Fein, farbe);
    if (stufen == 0) return;
    for (double s : {-1.0, 1.0})
        Gabeln(z, e, w + s * spreiz, l * 0.82, stufen - 1, spreiz * 0.85, farbe, kruemmung * 0.8);
}

void Unterwasser(TZeichner& z)
{
    QPainterPath wasser;
    wasser.addRect(QRectF(4, 4, TZeichner::Breite - 8, TZeichner::Hoehe - 8));
    z.Fuellen(wasser, Farbe::WasserFlaeche);
}

void Tauchblattform(TZeichner& z, char form)
{
    Unterwasser(z);
    const double x = 70;
    z.Linie({x, Unten}, {x, 8}, TStrich::Achse);
    const QPointF k(x, 150);
    switch (form) {
    case 'r':
        // Circular, all segments in one plane round the node.
        for (int i = 0; i < 8; ++i)
            Gabeln(z, Weiter(k, -90 + i * 45.0, 8), -90 + i * 45.0, 26, 3, 22);
        z.Ellipse(k, 3, 3, Wasserblatt, TStrich::Fein);
        break;
    case 'a':
        // Segments pointing every way, some towards and some away from the viewer.
        for (int i = 0; i < 7; ++i) {
            const double w = -150 + i * 50.0;
            const QColor f = i % 2 ? Wasserblatt.lighter(135) : Wasserblatt;
            Gabeln(z, Weiter(k, w, 6), w, i % 2 ? 22 : 34, 3, 34, f, 6);
        }
        break;
    case 'p':
        // Long, few segments trailing side by side in the current.
        for (int i = 0; i < 6; ++i) {
            const QPointF a = k + QPointF(0, (i - 2.5) * 4);
            QPainterPath f(a);
            f.cubicTo(a + QPointF(60, (i - 2.5) * 10), a + QPointF(150, (i - 2.5) * 16),
                      a + QPointF(236, (i - 2.5) * 12 + 10));
            z.Umriss(f, TStrich::Fein, Wasserblatt);
        }
        break;
    case 'n': {
        TBlatt b{TBlattform::Niere, 90, 130, TRand::Gelappt, TNervatur::Hand};
        b.Stiel = 60;
        ZeichneBlatt(z, k, -30, b);
        break;
    }
    }
}

void Steifheit(TZeichner& z, bool starr)
{
    z.Wasser(250, 292);
    // A shoot lifted out of the water, a leaf at its node.
    z.Linie({20, 260}, {300, 200}, TStrich::Achse);
    const QPointF k(140, 234);
    if (starr) {
        for (int i = 0; i < 6; ++i) {
            const double w = -160 + i * 28.0;
            Gabeln(z, k, w, 34, 3, 22);
        }
    } else {
        // The segments cling together like a wet paintbrush.
        for (int i = 0; i < 9; ++i) {
            const double d = (i - 4) * 2.5;
            z.Kurve(k + QPointF(d * 0.3, 0), k + QPointF(30 + d, -70),
                    k + QPointF(96 + d * 0.2, -20), i % 2 ? TStrich::Normal : TStrich::Fein,
                    Wasserblatt);
        }
    }
}

void Schwimmblattoben(TZeichner& z, char art)
{
    Unterwasser(z);
    for (double y : {40.0, 130.0, 230.0})
        for (double x : {40.0, 190.0})
            z.Kurve({x, y}, {x + 25, y - 8}, {x + 50, y}, TStrich::Fein, Farbe::Wasser);
    if (art == 'f') {
        for (int i = 0; i < 4; ++i)
            Gabeln(z, {MitteX, 150}, -90 + i * 90.0 + 30, 30, 3, 24, Wasserblatt.lighter(150));
        BlueteOben(z, {MitteX, 150}, 60, {5, Bluetenfarbe::Weiss, false, 0, -1, 1});
        return;
    }
    TBlatt b{TBlattform::Hand, 150, 150, art == 's' ? TRand::Gelappt : TRand::Geteilt,
             TNervatur::Hand};
    b.Lappen = art == 's' ? 5 : 3;
    b.Stiel = 40;
    ZeichneBlatt(z, {MitteX, 292}, -90, b);
}

void Wasserblaetter(TZeichner& z, char art)
{
    Unterwasser(z);
    const double x = 110;
    z.Linie({x, Unten}, {x, 8}, TStrich::Achse);
    for (double y : {60.0, 150.0, 240.0}) {
        z.Linie({x - 6, y}, {x + 6, y}, TStrich::Normal);
        if (art == 'f') {
            TBlatt b{TBlattform::Niere, 40, 56, TRand::Gelappt, TNervatur::Hand};
            b.Stiel = 40;
            ZeichneBlatt(z, {x, y}, -30, b);
        } else if (art == 'k') {
            Gabeln(z, {x, y}, 30, 28, 3, 22);
        } else {
            for (int i = 0; i < 5; ++i) {
                QPainterPath f({x, y});
                f.cubicTo(x + 50, y + 10 + i * 6, x + 110, y + 40 + i * 10, x + 190,
                          y + 60 + i * 14);
                z.Umriss(f, TStrich::Fein, Wasserblatt);
            }
        }
    }
    // The length of an internode, for comparison.
    z.Linie({40, 60}, {40, 150}, TStrich::Fein, Farbe::Akzent);
    for (double y : {60.0, 150.0})
        z.Linie({34, y}, {46, y}, TStrich::Fein, Farbe::Akzent);
}

// A water-crowfoot flower from above: white petals with (or without) a yellow base; the scale
// bar is one centimetre.
void Wasserhahnenfussbluete(TZeichner& z, double kronblatt, bool gelberGrund)
{
    const QPointF m(MitteX, 140);
    for (int i = 0; i < 5; ++i)
        Kronblatt(z, m, -90 + i * 72.0, kronblatt, kronblatt * 0.85, Bluetenfarbe::Weiss);
    if (gelberGrund)
        for (int i = 0; i < 5; ++i)
            Kronblatt(z, m, -90 + i * 72.0, kronblatt * 0.34, kronblatt * 0.3, Gelb);
    for (int i = 0; i < 12; ++i)
        Staubblatt(z, m, Weiter(m, i * 30.0, kronblatt * 0.25 + 4), z.Gr(3, 5));
    z.Kreis(m, 7, Farbe::Kelch, TStrich::Fein);
    const double y = 284;
    z.Linie({40, y}, {140, y}, TStrich::Stark);
    for (double x : {40.0, 140.0})
        z.Linie({x, y - 6}, {x, y + 6}, TStrich::Normal);
    z.Text({160, y}, QStringLiteral("1 cm"), Qt::AlignLeft | Qt::AlignVCenter);
}

void Nektargrube(TZeichner& z, char form)
{
    Kronblattbild(z, TPetalGrund::KurzNagel, TPetalSpitze::Rund, TAdern::Keine,
                  Bluetenfarbe::Weiss);
    QPainterPath grund;
    grund.addEllipse(QPointF(MitteX, 230), 80, 60);
    z.Fuellen(grund.intersected(Polygonpfad(Profilumriss(
                  {MitteX, 288}, 262,
                  [](double t) {
                      return 108 * (t < 0.14 ? 0.1 : 0.1 + 0.9 * Glatt((t - 0.14) / 0.34));
                  }))),
              Gelb);
    QPainter& maler = z.Maler();
    maler.save();
    maler.translate(MitteX, 222);
    maler.scale(1.7, 1.7);
    const QPointF p(0, 0);
    const QColor f(0xd8, 0x96, 0x10);
    switch (form) {
    case 'r':
        z.Kreis(p, 14, f);
        break;
    case 'h': {
        QPainterPath mond({p.x() - 26, p.y() - 10});
        mond.quadTo(p.x(), p.y() + 24, p.x() + 26, p.y() - 10);
        mond.quadTo(p.x(), p.y() + 6, p.x() - 26, p.y() - 10);
        z.Flaeche(mond, f);
        break;
    }
    case 'b': {
        QPainterPath birne({p.x(), p.y() + 18});
        birne.cubicTo(p.x() - 20, p.y() + 18, p.x() - 10, p.y() - 14, p.x() - 5, p.y() - 34);
        birne.lineTo(p.x() + 5, p.y() - 34);
        birne.cubicTo(p.x() + 10, p.y() - 14, p.x() + 20, p.y() + 18, p.x(), p.y() + 18);
        z.Flaeche(birne, f);
        break;
    }
    }
    maler.restore();
}

// The receptacle once the fruitlets have fallen: a cone with their scars.
void Bluetenboden(TZeichner& z, bool behaart)
{
    z.Linie({MitteX, Unten}, {MitteX, 230}, TStrich::Achse);
    for (double s : {-1.0, 1.0})
        Kelchblatt(z, {MitteX, 232}, 90 + s * 70, 60, 24);
    QPainterPath kegel({MitteX - 50, 232});
    kegel.cubicTo(MitteX - 56, 140, MitteX - 30, 70, MitteX, 64);
    kegel.cubicTo(MitteX + 30, 70, MitteX + 56, 140, MitteX + 50, 232);
    kegel.closeSubpath();
    z.Flaeche(kegel, Farbe::Kelch.lighter(112));
    for (double y = 90; y < 224; y += 22)
        for (double x = -40; x <= 40; x += 20) {
            const QPointF p(MitteX + x * (y - 50) / 180 + (int(y) % 44 ? 0 : 6), y);
            if (!kegel.contains(p)) continue;
            z.Ellipse(p, 5, 3.5, Farbe::Kelch.darker(115), TStrich::Fein);
            if (behaart)
                for (double w : {-60.0, -120.0})
                    z.Linie(p + QPointF(0, 4), Weiter(p + QPointF(0, 4), w, z.Gr(9, 13)),
                            TStrich::Fein);
        }
    if (behaart)
        for (const QPointF& p : Abtasten(kegel, z.Gr(10, 14)))
            if (p.y() < 228) z.Linie(p, p + (p - QPointF(MitteX, 160)) * 0.14, TStrich::Fein);
}

// ---- Buttercups --------------------------------------------------------------------------------

void Ranunculusblatt(TZeichner& z, char form)
{
    const QPointF m(MitteX, 166);
    switch (form) {
    case 'u': {
        TBlatt b{TBlattform::Lanzettlich, 250, 64, TRand::Ganz, TNervatur::Bogen};
        b.Stiel = 30;
        GrossesBlatt(z, b);
        break;
    }
    case 'n': {
        TBlatt b{TBlattform::Niere, 150, 210, TRand::Gekerbt, TNervatur::Hand};
        b.Stiel = 60;
        GrossesBlatt(z, b);
        break;
    }
    case 'h':
        Handblatt(z, m, 128, 5, 230, 0.86, 1, 3, 78, 26);
        break;
    case 's':
        Handblatt(z, m, 128, 5, 240, 0.95, 2, 3, 34, 26);
        break;
    case 'z': {
        // Three leaflets, the middle one on a stalk of its own.
        const QPointF s(MitteX, 196);
        z.Linie({MitteX, Unten}, s, TStrich::Achse);
        const QPointF mitte(MitteX, 128);
        z.Linie(s, mitte, TStrich::Normal);
        QPainterPath blatt;
        Abschnitt(blatt, mitte, -90, 110, 70, 1, 3, 34);
        for (double w : {-165.0, -15.0})
            Abschnitt(blatt, s, w, 110, 66, 1, 3, 30);
        z.Flaeche(blatt, Farbe::Blatt);
        for (double w : {-165.0, -15.0})
            z.Linie(s, Weiter(s, w, 80), TStrich::Fein);
        z.Linie(mitte, Weiter(mitte, -90, 80), TStrich::Fein);
        break;
    }
    }
}

void Ranunculusstand(TZeichner& z, int zahl)
{
    const QPointF fuss(MitteX, Unten);
    const QPointF gabel(MitteX, 200);
    z.Linie(fuss, gabel, TStrich::Achse);
    TBlatt b{TBlattform::Lanzettlich, 70, 18, TRand::Ganz, TNervatur::Mittelnerv};
    ZeichneBlatt(z, gabel, -160, b);
    TBlueteOben o{5, Gelb, false, 5, -1, 1};
    if (zahl == 1) {
        z.Linie(gabel, {MitteX, 110}, TStrich::Achse);
        BlueteOben(z, {MitteX, 80}, 60, o);
        return;
    }
    auto ast = [&](QPointF von, QPointF bis, double r) {
        z.Linie(von, bis, TStrich::Normal);
        BlueteOben(z, bis, r, o);
    };
    if (zahl <= 3) {
        ast(gabel, {MitteX - 70, 80}, 38);
        ast(gabel, {MitteX + 20, 50}, 38);
        ast(gabel, {MitteX + 96, 120}, 30);
        return;
    }
    // A loose cyme: forks with a flower in each.
    const QPointF l(MitteX - 60, 130), r(MitteX + 60, 130);
    z.Linie(gabel, l, TStrich::Normal);
    z.Linie(gabel, r, TStrich::Normal);
    BlueteOben(z, {MitteX, 150}, 24, o);
    for (const QPointF& p : {l, r})
        for (double s : {-1.0, 1.0})
            ast(p, p + QPointF(s * 42, -70), 26);
    for (const QPointF& p : {l, r})
        BlueteOben(z, p + QPointF(0, -22), 18, o);
}

void Kelchstellung(TZeichner& z, bool zurueck)
{
    const QPointF b(MitteX, 170);
    z.Linie({MitteX, Unten}, b, TStrich::Achse);
    if (zurueck)
        for (double s : {-1.0, 1.0, -0.4, 0.4})
            Kelchblatt(z, b + QPointF(0, 4), 90 + s * 22, 82, 32);
    for (double w : {-90 - 66.0, -90 + 66.0, -90 - 24.0, -90 + 24.0})
        Kronblatt(z, b, w, 124, 92, Gelb);
    Kronblatt(z, b, -90, 118, 90, Gelb);
    if (!zurueck)
        for (double s : {-1.0, 1.0, -0.45, 0.45})
            Kelchblatt(z, b + QPointF(0, 2), -90 + s * 78, 82, 32);
}

// A head of fruitlets: few, globose or a long cylinder.
void Fruchtkoepfchen(TZeichner& z, char zahl)
{
    const QPointF m(MitteX, zahl == 'v' ? 130 : 150);
    const double rx = zahl == 'w' ? 70 : zahl == 'm' ? 80 : 44;
    const double ry = zahl == 'w' ? 60 : zahl == 'm' ? 80 : 118;
    z.Linie({MitteX, Unten}, {MitteX, m.y() + ry}, TStrich::Achse);
    for (double s : {-1.0, 1.0})
        Kelchblatt(z, {MitteX, m.y() + ry - 6}, 90 + s * 60, 36, 14);
    const double d = zahl == 'w' ? 46 : zahl == 'm' ? 26 : 16;
    auto nuss = [&](QPointF p) {
        const double w = Winkel(m, p);
        Rahmen(z, p, w, [&] {
            z.Ellipse({0, 0}, d * 0.62, d * 0.5, Farbe::Frucht, TStrich::Fein);
            z.Linie({d * 0.55, -d * 0.1}, {d * 0.85, -d * 0.25}, TStrich::Fein);
        });
    };
    if (zahl == 'w') {
        for (int i = 0; i < 7; ++i)
            nuss(m + QPointF(std::cos(i * 0.9) * rx * 0.6, std::sin(i * 0.9) * ry * 0.6 - 10));
        return;
    }
    int reihe = 0;
    for (double y = m.y() - ry + d * 0.5; y < m.y() + ry - d * 0.3; y += d * 0.8, ++reihe) {
        const double u = (y - m.y()) / ry;
        const double breite = rx * std::sqrt(std::max(0.0, 1 - std::pow(u, zahl == 'v' ? 8 : 2)));
        for (double x = -breite + (reihe % 2) * d * 0.5; x <= breite; x += d)
            nuss({m.x() + x, y});
    }
}

// A bedstraw flower from above: four pointed lobes on a very short tube.
void Labkrautbluete(TZeichner& z, const QColor& farbe, bool haarspitze)
{
    const QPointF m(MitteX, 150);
    for (int i = 0; i < 4; ++i) {
        const double w = -45 + i * 90.0;
        TBlatt b{TBlattform::Eifoermig, 126, 92, TRand::Ganz, TNervatur::Mittelnerv};
        b.Fuellung = farbe;
        ZeichneBlatt(z, m, w, b);
        if (haarspitze) z.Linie(Weiter(m, w, 124), Weiter(m, w, 150), TStrich::Stark);
    }
    for (int i = 0; i < 4; ++i)
        Staubblatt(z, m, Weiter(m, i * 90.0, 50), z.Gr(5, 9));
    z.Kreis(m, 15, Farbe::Kelch, TStrich::Fein);
    for (double s : {-1.0, 1.0}) {
        z.Linie(m, m + QPointF(s * 9, -12), TStrich::Normal);
        z.Kreis(m + QPointF(s * 9, -12), 4, Farbe::Kelch, TStrich::Fein);
    }
}

// The corolla from the side: a very short tube with spreading lobes, or a long funnel.
void Labkrautkrone(TZeichner& z, bool trichter)
{
    const QColor weiss(0xfb, 0xfb, 0xf4);
    const double boden = 250;
    const double oben = trichter ? 90 : 206;
    z.Linie({MitteX, Unten}, {MitteX, boden + 14}, TStrich::Achse);
    for (double s : {-1.0, 1.0})
        z.Ellipse({MitteX + s * 13, boden + 4}, 13, 12, Farbe::Kelch, TStrich::Normal);
    const double oben2 = trichter ? 30 : 26;
    QPainterPath roehre({MitteX - 14, boden - 6});
    roehre.cubicTo(MitteX - 14, (boden + oben) / 2, MitteX - oben2 * 0.6, oben + 20, MitteX - oben2,
                   oben);
    roehre.lineTo(MitteX + oben2, oben);
    roehre.cubicTo(MitteX + oben2 * 0.6, oben + 20, MitteX + 14, (boden + oben) / 2, MitteX + 14,
                   boden - 6);
    roehre.closeSubpath();
    TBlatt lappen{TBlattform::Eifoermig, 110, 56, TRand::Ganz, TNervatur::Mittelnerv};
    lappen.Fuellung = weiss;
    TBlatt hinten = lappen;
    hinten.Laenge = 60;
    ZeichneBlatt(z, {MitteX, oben + 4}, -90, hinten);
    z.Flaeche(roehre, weiss);
    for (double s : {-1.0, 1.0})
        ZeichneBlatt(z, {MitteX + s * (oben2 - 6), oben + 2}, s > 0 ? -14 : -166, lappen);
}

// ---- Rubiaceae ----------------------------------------------------------------------------------

void Quirl(TZeichner& z, int zahl, const QString& text)
{
    const QPointF m(MitteX, 150);
    for (int i = 0; i < zahl; ++i) {
        TBlatt b{TBlattform::Lanzettlich, 124, zahl > 6 ? 22.0 : 30.0, TRand::Ganz,
                 TNervatur::Mittelnerv};
        ZeichneBlatt(z, Weiter(m, -90 + 360.0 * i / zahl, 12), -90 + 360.0 * i / zahl, b);
    }
    z.Kreis(m, 14, Stengelgruen);
    z.Zahl(text);
}

enum class TLabRand
{
    Glatt,
    Vorwaerts,
    Rueckwaerts,
    Gewimpert,
    Umgerollt,
};

void Labkrautblatt(TZeichner& z, TLabRand rand, bool stachelspitze, int nerven,
                   const QColor& farbe = Farbe::Blatt, bool haare = false)
{
    const bool breit = nerven == 3;
    TBlatt b{breit ? TBlattform::Elliptisch : TBlattform::Lanzettlich, 250,
             rand == TLabRand::Umgerollt ? 22.0
             : breit                     ? 92.0
                                         : 56.0,
             TRand::Ganz, TNervatur::Keine};
    b.Fuellung = farbe;
    const QTransform lage = GrossesBlattLage(b);
    GrossesBlatt(z, b);
    const QPainterPath pfad = lage.map(BlattPfad(b));
    z.Linie(lage.map(QPointF(0, 0)), lage.map(QPointF(240, 0)), TStrich::Normal);
    if (breit)
        for (double s : {-1.0, 1.0})
            z.Kurve(lage.map(QPointF(4, 0)), lage.map(QPointF(120, s * 34)),
                    lage.map(QPointF(236, s * 2)), TStrich::Normal);
    const QPolygonF umriss = Abtasten(pfad, z.Gr(12, 17));
    const QPointF spitze = lage.map(QPointF(b.Laenge, 0));
    for (int i = 0; i < umriss.size(); ++i) {
        const QPointF p = umriss[i];
        if (QLineF(p, spitze).length() < 14 || p.y() > lage.map(QPointF(8, 0)).y()) continue;
        const double s = p.x() < MitteX ? -1 : 1;
        switch (rand) {
        case TLabRand::Vorwaerts:
        case TLabRand::Rueckwaerts: {
            const double dy = rand == TLabRand::Vorwaerts ? -9 : 9;
            QPainterPath dorn(p + QPointF(0, -4));
            dorn.lineTo(p + QPointF(s * 8, dy));
            dorn.lineTo(p + QPointF(0, 4));
            z.Flaeche(dorn, Farbe::Linie, TStrich::Fein);
            break;
        }
        case TLabRand::Gewimpert:
            z.Linie(p, p + QPointF(s * z.Gr(12, 16), -3), TStrich::Fein);
            break;
        default:
            break;
        }
    }
    if (rand == TLabRand::Umgerollt) {
        // Cut across: the margins rolled under almost to the midrib.
        const QPointF q(250, 150);
        QPainterPath schnitt({q.x() - 40, q.y() + 10});
        schnitt.quadTo(q.x() - 44, q.y() - 20, q.x(), q.y() - 16);
        schnitt.quadTo(q.x() + 44, q.y() - 20, q.x() + 40, q.y() + 10);
        schnitt.quadTo(q.x() + 30, q.y() + 26, q.x() + 12, q.y() + 8);
        schnitt.lineTo(q.x() - 12, q.y() + 8);
        schnitt.quadTo(q.x() - 30, q.y() + 26, q.x() - 40, q.y() + 10);
        schnitt.closeSubpath();
        z.Flaeche(schnitt, farbe);
        for (double s : {-1.0, 1.0})
            z.Linie(lage.map(QPointF(20, s * 8)), lage.map(QPointF(220, s * 4)), TStrich::Fein);
    }
    if (haare)
        for (double t = 0.08; t < 0.92; t += 0.07)
            for (double s : {-0.5, 0.0, 0.5}) {
                const QPointF p =
                    lage.map(QPointF(b.Laenge * t, s * b.Breite * 0.5 * std::sin(M_PI * t)));
                z.Linie(p, p + QPointF(4, -z.Gr(8, 12)), TStrich::Fein);
            }
    if (stachelspitze) z.Linie(spitze, spitze + QPointF(0, -22), TStrich::Achse);
}

void Labkrautstand(TZeichner& z, char art)
{
    const QColor weiss(0xfb, 0xfb, 0xf4);
    const double r = z.Gr(7, 10);
    auto quirl = [&](QPointF p, double l) {
        for (double w : {-20.0, -160.0, 10.0, -190.0}) {
            TBlatt b{TBlattform::Lanzettlich, l, l * 0.22, TRand::Ganz, TNervatur::Mittelnerv};
            ZeichneBlatt(z, p, w, b);
        }
    };
    switch (art) {
    case 'R':
        Bluetenstand(z, TBluetenstand::RispeGegen);
        break;
    case 'D': {
        z.Linie({MitteX, Unten}, {MitteX, 150}, TStrich::Achse);
        quirl({MitteX, 230}, 70);
        for (double s : {-1.0, 1.0}) {
            const QPointF a = QPointF(MitteX, 150) + QPointF(s * 70, -60);
            z.Linie({MitteX, 150}, a, TStrich::Normal);
            for (double w : {-60.0, -120.0})
                z.Linie(a, Weiter(a, w + s * 10, 40), TStrich::Fein),
                    Bl(z, Weiter(a, w + s * 10, 40), r, weiss);
            Bl(z, a, r, weiss);
        }
        Bl(z, {MitteX, 120}, r, weiss);
        z.Linie({MitteX, 150}, {MitteX, 120}, TStrich::Normal);
        break;
    }
    case 'A':
        z.Linie({MitteX, Unten}, {MitteX, 14}, TStrich::Achse);
        for (double y : {250.0, 160.0, 70.0}) {
            quirl({MitteX, y}, 70);
            for (double s : {-1.0, 1.0})
                for (int k = 0; k < 3; ++k)
                    Bl(z, {MitteX + s * (16 + k * 12.0), y - 14 - (k % 2) * 10.0}, r * 0.8, Gelb);
        }
        break;
    case 'K': {
        z.Linie({MitteX, Unten}, {MitteX, 120}, TStrich::Achse);
        quirl({MitteX, 230}, 70);
        for (int i = 0; i < 9; ++i) {
            TBlatt h{TBlattform::Lanzettlich, 70, 14, TRand::Gewimpert, TNervatur::Keine};
            ZeichneBlatt(z, {MitteX, 124}, -180 + i * 22.5, h);
        }
        for (int i = 0; i < 7; ++i)
            Bl(z, QPointF(MitteX, 100) + QPointF((i % 4 - 1.5) * 20, -(i / 4) * 22.0), r,
               QColor(0x9c, 0x8c, 0xe0));
        break;
    }
    }
}

enum class TDoppel
{
    Glatt,
    Warzig,
    Haken,
    Kelch,
    Beere,
};

// The twin fruit of the bedstraws: two round halves side by side on their stalk.
void Doppelfrucht(TZeichner& z, QPointF p, double r, double winkel, TDoppel art)
{
    Rahmen(z, p, winkel + 90, [&] {
        for (double s : {-1.0, 1.0}) {
            const QPointF m(s * r * 0.92, -r);
            const QColor f = art == TDoppel::Beere ? QColor(0x2a, 0x22, 0x30) : Farbe::Frucht;
            const QPainterPath k = Ellipsenpfad(m, r, r);
            if (art == TDoppel::Beere && s > 0) continue;
            z.Flaeche(k, f);
            if (art == TDoppel::Beere) {
                z.Kreis(m + QPointF(-r * 0.3, -r * 0.3), r * 0.18, QColor(0xf0, 0xf0, 0xf0),
                        TStrich::Fein, QColor(0xf0, 0xf0, 0xf0));
                continue;
            }
            if (art == TDoppel::Warzig) Muster(z, k, TOberflaeche::Papillen);
            if (art == TDoppel::Haken || art == TDoppel::Kelch)
                for (const QPointF& q : Abtasten(k, z.Gr(r * 0.35, r * 0.5))) {
                    const QPointF v = (q - m) / r;
                    const QPointF e = q + v * r * 0.32;
                    z.Linie(q, e, TStrich::Fein);
                    if (art == TDoppel::Haken)
                        z.Kurve(e, e + v * r * 0.1 + QPointF(v.y(), -v.x()) * r * 0.1,
                                e + QPointF(v.y(), -v.x()) * r * 0.12, TStrich::Fein);
                }
        }
        if (art == TDoppel::Kelch)
            for (int k = -2; k <= 2; ++k)
                z.Linie({k * r * 0.3, -r * 1.9}, {k * r * 0.55, -r * 2.6}, TStrich::Achse,
                        Farbe::Kelch.darker(140));
    });
}

void Fruchtstiele(TZeichner& z, char art)
{
    z.Linie({MitteX, Unten}, {MitteX, 20}, TStrich::Achse);
    for (double y : {220.0, 110.0})
        for (double s : {-1.0, 1.0}) {
            const QPointF k(MitteX, y);
            QPointF ende;
            switch (art) {
            case 'g':
                ende = k + QPointF(s * 44, -60);
                z.Linie(k, ende, TStrich::Normal);
                break;
            case 'w':
                ende = k + QPointF(s * 76, 0);
                z.Linie(k, ende, TStrich::Normal);
                break;
            case 'z':
                ende = k + QPointF(s * 64, 40);
                z.Kurve(k, k + QPointF(s * 50, -14), ende, TStrich::Normal);
                break;
            default:
                ende = k + QPointF(s * 6, -4);
                break;
            }
            Doppelfrucht(z, ende, 14, Winkel(k, ende) + (art == 's' ? -s * 40 : 0), TDoppel::Glatt);
        }
}

} // namespace

void RezepteKraeuter(TRezeptTabelle& t)
{
    auto setze = [&](int g, const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    auto wie = [&](int g, const char* spalte, const char* code, const char* von,
                   const char* vonCode) {
        t.Wie(g, T(spalte), T(code), Glossar, T(von), T(vonCode));
    };

    // ---- Epilobium ----
    {
        const int g = Weidenroeschen;
        using U = TUnterirdisch;
        auto unter = [](U a) { return [a](TZeichner& z) { Unterirdisch(z, a); }; };
        setze(g, "Ausläufer", "-", unter(U::Keine));
        setze(g, "Ausläufer", "r", unter(U::Rosetten));
        setze(g, "Ausläufer", "o", unter(U::Oberirdisch));
        setze(g, "Ausläufer", "u", unter(U::Unterirdisch));
        setze(g, "Ausläufer", "t", unter(U::Faedlich));
        setze(g, "Ausläufer", "w", unter(U::Wurzelsprosse));
        auto ansatz = [](TAnsatz a) { return [a](TZeichner& z) { Ansatz(z, a, 200, 56); }; };
        setze(g, "B-Grund", "h", ansatz(TAnsatz::Halbumfassend));
        setze(g, "B-Grund", "d", ansatz(TAnsatz::Herablaufend));
        setze(g, "B-Grund", "a", ansatz(TAnsatz::Rund));
        setze(g, "B-Grund", "k", ansatz(TAnsatz::Keilig));
        setze(g, "B-Stiel", "s", ansatz(TAnsatz::Sitzend));
        setze(g, "B-Stiel", "k", ansatz(TAnsatz::KurzGestielt));
        setze(g, "B-Stiel", "d", ansatz(TAnsatz::Gestielt));
        wie(g, "B-Stellung", "g", "2", "3");
        wie(g, "B-Stellung", "w", "2", "1");
        wie(g, "B-Stellung", "q", "2", "5");
        auto rand = [](TRand r) {
            return [r](TZeichner& z) {
                TBlatt b{TBlattform::Lanzettlich, 250, 70, r, TNervatur::Fieder};
                b.Stiel = 12;
                GrossesBlatt(z, b);
            };
        };
        setze(g, "B-Rand", "g", rand(TRand::Ganz));
        setze(g, "B-Rand", "z", [](TZeichner& z) {
            // Few small teeth far apart on an otherwise entire margin.
            TBlatt b{TBlattform::Lanzettlich, 250, 70, TRand::Ganz, TNervatur::Fieder};
            b.Stiel = 12;
            GrossesBlatt(z, b);
            const QTransform lage = GrossesBlattLage(b);
            const QPainterPath pfad = lage.map(BlattPfad(b));
            const QPolygonF rand = Abtasten(pfad, 34);
            for (int i = 1; i < rand.size(); ++i) {
                const QPointF p = rand[i];
                if (p.y() < 40 || p.y() > 250) continue;
                const double s = p.x() < MitteX ? -1 : 1;
                QPainterPath zahn(p + QPointF(0, 6));
                zahn.lineTo(p + QPointF(s * z.Gr(5, 8), -z.Gr(3, 6)));
                zahn.lineTo(p + QPointF(-s * 2, -6));
                zahn.closeSubpath();
                z.Flaeche(zahn, Farbe::Blatt, TStrich::Fein);
            }
        });
        setze(g, "B-Rand", "s", rand(TRand::Gesaegt));
        auto petal = [](TPetalGrund gr, TPetalSpitze sp) {
            return [gr, sp](TZeichner& z) { Kronblattbild(z, gr, sp, TAdern::Zart, Rosa); };
        };
        setze(g, "C-Form", "v", petal(TPetalGrund::Keil, TPetalSpitze::Ausgerandet));
        setze(g, "C-Form", "n", petal(TPetalGrund::KurzNagel, TPetalSpitze::Rund));
        setze(g, "C-Form", "e", petal(TPetalGrund::Keil, TPetalSpitze::Elliptisch));
        setze(g, "C-Rand", "a", petal(TPetalGrund::Keil, TPetalSpitze::Ausgerandet));
        setze(g, "C-Rand", "g", petal(TPetalGrund::Keil, TPetalSpitze::Rund));
        auto haar = [](THaar h) { return [h](TZeichner& z) { Stengelstueck(z, h); }; };
        setze(g, "St-Behaarung", "k", haar(THaar::Kahl));
        setze(g, "St-Behaarung", "g", haar(THaar::Kraus));
        setze(g, "St-Behaarung", "h", haar(THaar::Leisten));
        setze(g, "St-Behaarung", "a", haar(THaar::Abstehend));
        setze(g, "St-Behaarung", "z", haar(THaar::Zottig));
        setze(g, "St-Behaarung", "d", haar(THaar::Druesig));
        setze(g, "St-quer", "r", [](TZeichner& z) { Querschnitt(z, TQuer::Rund); });
        setze(g, "St-quer", "l", [](TZeichner& z) { Querschnitt(z, TQuer::Leisten); });
        setze(g, "Frkn-Behaarung", "k", [](TZeichner& z) { Fruchtknoten(z, THaar::Kahl); });
        setze(g, "Frkn-Behaarung", "a", [](TZeichner& z) { Fruchtknoten(z, THaar::Anliegend); });
        setze(g, "Frkn-Behaarung", "d", [](TZeichner& z) { Fruchtknoten(z, THaar::Druesig); });
        setze(g, "Frkn-Behaarung", "f", [](TZeichner& z) { Fruchtknoten(z, THaar::Filz); });
        setze(g, "Kn-Stellung", "a", [](TZeichner& z) { Knospen(z, false); });
        setze(g, "Kn-Stellung", "n", [](TZeichner& z) { Knospen(z, true); });
        setze(g, "Narbenform", "v", [](TZeichner& z) { Narbenbild(z, true); });
        setze(g, "Narbenform", "k", [](TZeichner& z) { Narbenbild(z, false); });
        setze(g, "Sa-Oberfläche", "p", [](TZeichner& z) { Samenbild(z, TOberflaeche::Papillen); });
        setze(g, "Sa-Oberfläche", "r", [](TZeichner& z) { Samenbild(z, TOberflaeche::Reihen); });
        setze(g, "Sa-Oberfläche", "g", [](TZeichner& z) { Samenbild(z, TOberflaeche::Glatt); });
    }

    // ---- Geranium ----
    {
        const int g = Storchschnaebel;
        const std::pair<const char*, QColor> farben[] = {
            {"w", QColor(0xfb, 0xec, 0xf2)}, {"r", QColor(0xf4, 0xa4, 0xc6)},
            {"p", QColor(0xc8, 0x22, 0x74)}, {"l", QColor(0xc4, 0x9c, 0xe6)},
            {"v", QColor(0x70, 0x7c, 0xdc)}, {"s", QColor(0x4e, 0x24, 0x40)}};
        for (const auto& [code, farbe] : farben) {
            const QColor f = farbe;
            const bool dunkel = std::string_view(code) == "s";
            setze(g, "Bl-Farbe", code, [f, dunkel](TZeichner& z) { Geraniumbluete(z, f, dunkel); });
        }
        auto stielBild = [](THaar h) {
            return [h](TZeichner& z) {
                Behaart(z, MitteX, 120, Unten, z.Gr(12, 16), h);
                const QPointF b(MitteX, 124);
                for (double s : {-1.0, 1.0})
                    Kelchblatt(z, b, -90 + s * 30, 70, 26);
                for (double w : {-90 - 56.0, -90 - 20.0, -90 + 20.0, -90 + 56.0})
                    Kronblatt(z, b + QPointF(0, -6), w, 110, 80, QColor(0xd8, 0x70, 0xc0));
            };
        };
        setze(g, "Bl-Stiele", "d", stielBild(THaar::Druesig));
        setze(g, "Bl-Stiele", "h", stielBild(THaar::Abstehend));
        setze(g, "Bl-Stiele", "k", stielBild(THaar::Kahl));
        for (const char* c : {"h", "t", "g", "f"}) {
            const char f = c[0];
            setze(g, "Blattform", c, [f](TZeichner& z) { Geraniumblatt(z, f); });
        }
        setze(g, "Blst", "e", [](TZeichner& z) { Bluetenstiele(z, 1); });
        setze(g, "Blst", "z", [](TZeichner& z) { Bluetenstiele(z, 2); });
        setze(g, "Blst", "d", [](TZeichner& z) { Bluetenstiele(z, 5); });
        const QColor pink(0xe4, 0x80, 0xc4);
        auto petal = [pink](TPetalGrund gr, TPetalSpitze sp, TAdern ad) {
            return [=](TZeichner& z) { Kronblattbild(z, gr, sp, ad, pink); };
        };
        setze(g, "C-Form", "a", petal(TPetalGrund::Keil, TPetalSpitze::Zweilappig, TAdern::Zart));
        setze(g, "C-Form", "g", petal(TPetalGrund::Keil, TPetalSpitze::Gestutzt, TAdern::Zart));
        setze(g, "C-Form", "w", petal(TPetalGrund::Keil, TPetalSpitze::Wellig, TAdern::Zart));
        setze(g, "C-Grund", "n", petal(TPetalGrund::Nagel, TPetalSpitze::Rund, TAdern::Zart));
        setze(g, "C-Grund", "b", petal(TPetalGrund::Bewimpert, TPetalSpitze::Rund, TAdern::Zart));
        setze(g, "C-Grund", "k", petal(TPetalGrund::Keil, TPetalSpitze::Rund, TAdern::Zart));
        setze(g, "C-Nervatur", "d", petal(TPetalGrund::Keil, TPetalSpitze::Rund, TAdern::Dunkel));
        setze(g, "C-Nervatur", "w",
              petal(TPetalGrund::Keil, TPetalSpitze::Rund, TAdern::HelleStreifen));
        setze(g, "C-Nervatur", "o", petal(TPetalGrund::Keil, TPetalSpitze::Rund, TAdern::Keine));
        setze(g, "Fr-Oberfläche", "g", [](TZeichner& z) { Teilfrucht(z, TOberflaeche::Glatt); });
        setze(g, "Fr-Oberfläche", "b", [](TZeichner& z) { Teilfrucht(z, TOberflaeche::Behaart); });
        setze(g, "Fr-Oberfläche", "q",
              [](TZeichner& z) { Teilfrucht(z, TOberflaeche::Querrunzelig); });
        setze(g, "Fr-Oberfläche", "n", [](TZeichner& z) { Teilfrucht(z, TOberflaeche::Netzig); });
        setze(g, "Fr-Stellung", "a", [](TZeichner& z) { Fruchtstellung(z, true); });
        setze(g, "Fr-Stellung", "u", [](TZeichner& z) { Fruchtstellung(z, false); });
        setze(g, "Kelch", "g", [](TZeichner& z) { Kelchblattbild(z, TKelchSpitze::Granne); });
        setze(g, "Kelch", "k",
              [](TZeichner& z) { Kelchblattbild(z, TKelchSpitze::Stachelspitze); });
        setze(g, "Kelch", "o", [](TZeichner& z) { Kelchblattbild(z, TKelchSpitze::Stumpf); });
        setze(g, "Lebensform", "e",
              [](TZeichner& z) { Unterirdisch(z, TUnterirdisch::Einjaehrig); });
        setze(g, "Lebensform", "a",
              [](TZeichner& z) { Unterirdisch(z, TUnterirdisch::Ausdauernd); });
    }

    // ---- Oenothera ----
    {
        const int g = Nachtkerzen;
        setze(g, "Blst", "a", [](TZeichner& z) { Nachtkerzenstand(z, false); });
        setze(g, "Blst", "n", [](TZeichner& z) { Nachtkerzenstand(z, true); });
        setze(g, "Frkn-Behaarung", "r",
              [](TZeichner& z) { Fruchtknoten(z, THaar::Rotfuss, Gelb); });
        setze(g, "Frkn-Behaarung", "d",
              [](TZeichner& z) { Fruchtknoten(z, THaar::Druesig, Gelb); });
        setze(g, "Frkn-Behaarung", "b",
              [](TZeichner& z) { Fruchtknoten(z, THaar::Borsten, Gelb); });
        setze(g, "K-Anhängsel", "a", [](TZeichner& z) { Nachtkerzenknospe(z, false); });
        setze(g, "K-Anhängsel", "s", [](TZeichner& z) { Nachtkerzenknospe(z, true); });
        setze(g, "Narbe", "ü", [](TZeichner& z) { Nachtkerzennarbe(z, true); });
        setze(g, "Narbe", "z", [](TZeichner& z) { Nachtkerzennarbe(z, false); });
    }

    // ---- Potamogeton ----
    {
        const int g = Laichkraeuter;
        auto ansatz = [](TAnsatz a) { return [a](TZeichner& z) { Laichkrautansatz(z, a); }; };
        setze(g, "B-Ansatz", "s", ansatz(TAnsatz::Sitzend));
        setze(g, "B-Ansatz", "g", ansatz(TAnsatz::Gestielt));
        setze(g, "B-Ansatz", "u", ansatz(TAnsatz::Umfassend));
        setze(g, "B-Grund", "v", ansatz(TAnsatz::Keilig));
        setze(g, "B-Grund", "a", ansatz(TAnsatz::Rund));
        setze(g, "B-Grund", "h", ansatz(TAnsatz::Herz));
        setze(g, "B-Grund", "s", ansatz(TAnsatz::Scheidig));
        auto form = [](TBlattform f, double l, double b) {
            return [=](TZeichner& z) {
                TBlatt blatt{f, l, b, TRand::Ganz, b < 10 ? TNervatur::Keine : TNervatur::Parallel};
                GrossesBlatt(z, blatt);
            };
        };
        setze(g, "B-Form", "f", form(TBlattform::Lineal, 280, 5));
        setze(g, "B-Form", "l", form(TBlattform::Lineal, 280, 24));
        setze(g, "B-Form", "a", form(TBlattform::Lanzettlich, 270, 64));
        setze(g, "B-Form", "e", form(TBlattform::Elliptisch, 240, 120));
        setze(g, "B-Mittelnerv", "l", [](TZeichner& z) {
            Laichkrautblatt(z, 120, TSpitze::Stumpf, 2, false, TRand::Ganz, 1);
        });
        setze(g, "B-Mittelnerv", "o", [](TZeichner& z) {
            Laichkrautblatt(z, 120, TSpitze::Stumpf, 2, false, TRand::Ganz, 0);
        });
        setze(g, "B-Mittelnerv", "k", [](TZeichner& z) {
            Laichkrautblatt(z, 120, TSpitze::Stumpf, 2, false, TRand::Ganz, 2);
        });
        setze(g, "B-Nervatur", "1",
              [](TZeichner& z) { Laichkrautblatt(z, 110, TSpitze::Stumpf, 0, false); });
        setze(g, "B-Nervatur", "3",
              [](TZeichner& z) { Laichkrautblatt(z, 110, TSpitze::Stumpf, 4, false); });
        setze(g, "B-Nervatur", "v",
              [](TZeichner& z) { Laichkrautblatt(z, 110, TSpitze::Stumpf, 12, false); });
        setze(g, "B-Nervatur", "q",
              [](TZeichner& z) { Laichkrautblatt(z, 110, TSpitze::Stumpf, 8, true); });
        setze(g, "B-Rand", "g", [](TZeichner& z) {
            Laichkrautblatt(z, 110, TSpitze::Stumpf, 4, false, TRand::Ganz);
        });
        setze(g, "B-Rand", "z", [](TZeichner& z) {
            Laichkrautblatt(z, 110, TSpitze::Stumpf, 4, false, TRand::Gezaehnt);
        });
        setze(g, "B-Rand", "w", [](TZeichner& z) {
            Laichkrautblatt(z, 110, TSpitze::Stumpf, 4, false, TRand::Gesaegt);
        });
        setze(g, "B-Scheiden", "f", [](TZeichner& z) { Nebenblattbild(z, TScheide::Frei); });
        setze(g, "B-Scheiden", "r", [](TZeichner& z) { Nebenblattbild(z, TScheide::Roehrig); });
        setze(g, "B-Scheiden", "s", [](TZeichner& z) { Nebenblattbild(z, TScheide::Blattgrund); });
        setze(g, "B-Scheiden", "o", [](TZeichner& z) { Nebenblattbild(z, TScheide::Fehlend); });
        setze(g, "B-Spitze", "s",
              [](TZeichner& z) { Laichkrautblatt(z, 110, TSpitze::Spitz, 4, false); });
        setze(g, "B-Spitze", "g",
              [](TZeichner& z) { Laichkrautblatt(z, 110, TSpitze::Stachelspitze, 4, false); });
        setze(g, "B-Spitze", "r",
              [](TZeichner& z) { Laichkrautblatt(z, 110, TSpitze::Stumpf, 4, false); });
        setze(g, "B-Spitze", "k",
              [](TZeichner& z) { Laichkrautblatt(z, 110, TSpitze::Kappe, 4, false); });
        setze(g, "Bl-Stiele Dicke", "v", [](TZeichner& z) { Laichkrautaehre(z, 170, true); });
        setze(g, "Bl-Stiele Dicke", "g", [](TZeichner& z) { Laichkrautaehre(z, 170, false); });
        setze(g, "Bl-Stiele Länge", "k", [](TZeichner& z) { Laichkrautaehre(z, 70, false); });
        setze(g, "Bl-Stiele Länge", "l", [](TZeichner& z) { Laichkrautaehre(z, 210, false); });
        const QPointF fm(MitteX + 10, 176);
        setze(g, "Frucht", "l", [fm](TZeichner& z) {
            Fruechtchen(z, fm, 92, TSchnabel::LangGebogen, TOberflaeche::Glatt);
        });
        setze(g, "Frucht", "k",
              [fm](TZeichner& z) { Fruechtchen(z, fm, 92, TSchnabel::Kurz, TOberflaeche::Glatt); });
        setze(g, "Frucht", "h", [fm](TZeichner& z) {
            Fruechtchen(z, fm, 92, TSchnabel::Hoecker, TOberflaeche::Glatt);
        });
        setze(g, "Schwimmblätter", "+", [](TZeichner& z) { Schwimmblattbild(z, true); });
        setze(g, "Schwimmblätter", "-", [](TZeichner& z) { Schwimmblattbild(z, false); });
        setze(g, "Stengel", "r", [](TZeichner& z) { Querschnitt(z, TQuer::Rund); });
        setze(g, "Stengel", "z", [](TZeichner& z) { Querschnitt(z, TQuer::Zusammengedrueckt); });
        setze(g, "Stengel", "f", [](TZeichner& z) { Querschnitt(z, TQuer::Gefluegelt); });
    }

    // ---- Ranunculus subgenus Batrachium ----
    {
        const int g = Wasserhahnenfuesse;
        for (const char* c : {"r", "a", "p", "n"}) {
            const char f = c[0];
            setze(g, "B-Form", c, [f](TZeichner& z) { Tauchblattform(z, f); });
        }
        setze(g, "B-Steifheit", "s", [](TZeichner& z) { Steifheit(z, true); });
        setze(g, "B-Steifheit", "w", [](TZeichner& z) { Steifheit(z, false); });
        setze(g, "Bl-Hüllblätter", "k", [](TZeichner& z) { Wasserhahnenfussbluete(z, 46, true); });
        setze(g, "Bl-Hüllblätter", "m", [](TZeichner& z) { Wasserhahnenfussbluete(z, 76, true); });
        setze(g, "Bl-Hüllblätter", "g", [](TZeichner& z) { Wasserhahnenfussbluete(z, 122, true); });
        setze(g, "Bl-Hüllblätter", "w", [](TZeichner& z) { Wasserhahnenfussbluete(z, 96, false); });
        setze(g, "Blütenboden", "b", [](TZeichner& z) { Bluetenboden(z, true); });
        setze(g, "Blütenboden", "k", [](TZeichner& z) { Bluetenboden(z, false); });
        const QPointF fm(MitteX - 6, 186);
        setze(g, "Griffelrest", "l", [fm](TZeichner& z) {
            Fruechtchen(z, fm, 84, TSchnabel::LangGerade, TOberflaeche::Querrunzelig, false);
        });
        setze(g, "Griffelrest", "k", [fm](TZeichner& z) {
            Fruechtchen(z, fm, 84, TSchnabel::Kurz, TOberflaeche::Querrunzelig, false);
        });
        for (const char* c : {"r", "h", "b"}) {
            const char f = c[0];
            setze(g, "Nektargrube", c, [f](TZeichner& z) { Nektargrube(z, f); });
        }
        for (const char* c : {"f", "s", "t"}) {
            const char f = c[0];
            setze(g, "Schwimmblätter", c, [f](TZeichner& z) { Schwimmblattoben(z, f); });
        }
        for (const char* c : {"f", "k", "l"}) {
            const char f = c[0];
            setze(g, "Wasserblätter", c, [f](TZeichner& z) { Wasserblaetter(z, f); });
        }
    }

    // ---- Ranunculus, yellow-flowered ----
    {
        const int g = Hahnenfuesse;
        using U = TUnterirdisch;
        auto unter = [](U a) { return [a](TZeichner& z) { Unterirdisch(z, a, false, false); }; };
        setze(g, "Ausläufer", "o", unter(U::Wurzelnd));
        setze(g, "Ausläufer", "u", unter(U::Unterirdisch));
        setze(g, "Ausläufer", "-", unter(U::Keine));
        setze(g, "Knolle", "s", unter(U::Knolle));
        setze(g, "Knolle", "w", unter(U::Wurzelknollen));
        setze(g, "Knolle", "o", unter(U::Keine));
        setze(g, "Lebensform", "e", unter(U::Einjaehrig));
        setze(g, "Lebensform", "a", unter(U::Ausdauernd));
        for (const char* c : {"u", "n", "h", "z", "s"}) {
            const char f = c[0];
            setze(g, "B-Form", c, [f](TZeichner& z) { Ranunculusblatt(z, f); });
        }
        setze(g, "Bl-Stiele", "g", [](TZeichner& z) { Querschnitt(z, TQuer::Gefurcht); });
        setze(g, "Bl-Stiele", "r", [](TZeichner& z) { Querschnitt(z, TQuer::Rund); });
        setze(g, "Blst", "e", [](TZeichner& z) { Ranunculusstand(z, 1); });
        setze(g, "Blst", "w", [](TZeichner& z) { Ranunculusstand(z, 3); });
        setze(g, "Blst", "r", [](TZeichner& z) { Ranunculusstand(z, 9); });
        const QPointF fm(MitteX - 6, 186);
        auto nuss = [fm](TSchnabel s, TOberflaeche o, double r = 84) {
            return [=](TZeichner& z) { Fruechtchen(z, fm, r, s, o); };
        };
        setze(g, "Fr-Behaarung", "k", nuss(TSchnabel::Kurz, TOberflaeche::Glatt));
        setze(g, "Fr-Behaarung", "b", nuss(TSchnabel::Kurz, TOberflaeche::Behaart));
        setze(g, "Fr-Boden", "b", [](TZeichner& z) { Bluetenboden(z, true); });
        setze(g, "Fr-Boden", "k", [](TZeichner& z) { Bluetenboden(z, false); });
        setze(g, "Fr-Form", "g", nuss(TSchnabel::Kurz, TOberflaeche::Glatt));
        setze(g, "Fr-Form", "h", nuss(TSchnabel::Kurz, TOberflaeche::Hoecker));
        setze(g, "Fr-Form", "d", nuss(TSchnabel::LangGerade, TOberflaeche::Stacheln));
        setze(g, "Fr-Form", "q", [](TZeichner& z) {
            Fruechtchen(z, {MitteX, 140}, 40, TSchnabel::Kurz, TOberflaeche::Querrunzelig, false);
            // One millimetre at the scale of the drawing.
            z.Linie({MitteX - 36, 250}, {MitteX + 36, 250}, TStrich::Stark);
            z.Text({MitteX, 274}, QStringLiteral("1 mm"));
        });
        setze(g, "Fr-Schnabel", "k", nuss(TSchnabel::Kurz, TOberflaeche::Glatt));
        setze(g, "Fr-Schnabel", "h", nuss(TSchnabel::Hakig, TOberflaeche::Glatt));
        setze(g, "Fr-Schnabel", "l", nuss(TSchnabel::LangGerade, TOberflaeche::Glatt));
        for (const char* c : {"w", "m", "v"}) {
            const char f = c[0];
            setze(g, "Fr-Zahl", c, [f](TZeichner& z) { Fruchtkoepfchen(z, f); });
        }
        setze(g, "Hüllblätter", "a", [](TZeichner& z) { Kelchstellung(z, false); });
        setze(g, "Hüllblätter", "z", [](TZeichner& z) { Kelchstellung(z, true); });
        auto haar = [](THaar h) { return [h](TZeichner& z) { Stengelstueck(z, h); }; };
        setze(g, "St-Behaarung", "k", haar(THaar::Kahl));
        setze(g, "St-Behaarung", "a", haar(THaar::Anliegend));
        setze(g, "St-Behaarung", "b", haar(THaar::Abstehend));
        setze(g, "St-Behaarung", "z", haar(THaar::Zottig));
    }

    // ---- Rubiaceae ----
    {
        const int g = Roetegewaechse;
        setze(g, "B-Stellung", "4", [](TZeichner& z) { Quirl(z, 4, QStringLiteral("4")); });
        setze(g, "B-Stellung", "6", [](TZeichner& z) { Quirl(z, 6, QStringLiteral("5–7")); });
        setze(g, "B-Stellung", "8", [](TZeichner& z) { Quirl(z, 9, QStringLiteral("8+")); });
        setze(g, "B-Nervatur", "1",
              [](TZeichner& z) { Labkrautblatt(z, TLabRand::Glatt, false, 1); });
        setze(g, "B-Nervatur", "3",
              [](TZeichner& z) { Labkrautblatt(z, TLabRand::Glatt, false, 3); });
        setze(g, "B-Spitze", "s", [](TZeichner& z) { Labkrautblatt(z, TLabRand::Glatt, true, 1); });
        setze(g, "B-Spitze", "o",
              [](TZeichner& z) { Labkrautblatt(z, TLabRand::Glatt, false, 1); });
        const std::pair<const char*, TLabRand> raender[] = {{"g", TLabRand::Glatt},
                                                            {"v", TLabRand::Vorwaerts},
                                                            {"r", TLabRand::Rueckwaerts},
                                                            {"w", TLabRand::Gewimpert},
                                                            {"u", TLabRand::Umgerollt}};
        for (const auto& [code, rand] : raender) {
            const TLabRand r = rand;
            setze(g, "B-Rand", code, [r](TZeichner& z) { Labkrautblatt(z, r, false, 1); });
        }
        setze(g, "B-Unterseite", "k",
              [](TZeichner& z) { Labkrautblatt(z, TLabRand::Glatt, false, 1); });
        setze(g, "B-Unterseite", "b", [](TZeichner& z) {
            Labkrautblatt(z, TLabRand::Glatt, false, 1, QColor(0xb2, 0xcc, 0xc4));
        });
        setze(g, "B-Unterseite", "h", [](TZeichner& z) {
            Labkrautblatt(z, TLabRand::Glatt, false, 1, Farbe::Blatt, true);
        });
        const std::pair<const char*, QColor> farben[] = {{"w", Bluetenfarbe::Weiss},
                                                         {"gw", QColor(0xee, 0xf0, 0xc0)},
                                                         {"g", Gelb},
                                                         {"r", Bluetenfarbe::Rosa},
                                                         {"b", QColor(0x9c, 0x8c, 0xe0)}};
        for (const auto& [code, farbe] : farben) {
            const QColor f = farbe;
            setze(g, "Bl-Farbe", code, [f](TZeichner& z) { Labkrautbluete(z, f, false); });
        }
        for (const char* c : {"R", "D", "A", "K"}) {
            const char f = c[0];
            setze(g, "Blst", c, [f](TZeichner& z) { Labkrautstand(z, f); });
        }
        setze(g, "C-Form", "r", [](TZeichner& z) { Labkrautkrone(z, false); });
        setze(g, "C-Form", "t", [](TZeichner& z) { Labkrautkrone(z, true); });
        setze(g, "C-Spitze", "o",
              [](TZeichner& z) { Labkrautbluete(z, Bluetenfarbe::Weiss, false); });
        setze(g, "C-Spitze", "h",
              [](TZeichner& z) { Labkrautbluete(z, Bluetenfarbe::Weiss, true); });
        const std::pair<const char*, TDoppel> fruechte[] = {{"k", TDoppel::Glatt},
                                                            {"w", TDoppel::Warzig},
                                                            {"h", TDoppel::Haken},
                                                            {"K", TDoppel::Kelch},
                                                            {"b", TDoppel::Beere}};
        for (const auto& [code, art] : fruechte) {
            const TDoppel a = art;
            setze(g, "Fr-Oberfläche", code, [a](TZeichner& z) {
                z.Linie({MitteX, Unten}, {MitteX, 210}, TStrich::Achse);
                Doppelfrucht(z, {MitteX, 210}, 66, -90, a);
            });
        }
        for (const char* c : {"g", "w", "z", "s"}) {
            const char f = c[0];
            setze(g, "Fr-Stiele", c, [f](TZeichner& z) { Fruchtstiele(z, f); });
        }
        setze(g, "Lebensform", "e",
              [](TZeichner& z) { Unterirdisch(z, TUnterirdisch::Einjaehrig); });
        setze(g, "Lebensform", "a",
              [](TZeichner& z) { Unterirdisch(z, TUnterirdisch::Ausdauernd); });
        setze(g, "St-Oberfläche", "k", [](TZeichner& z) { Stengelstueck(z, THaar::Kahl, true); });
        setze(g, "St-Oberfläche", "h",
              [](TZeichner& z) { Stengelstueck(z, THaar::Abstehend, true); });
        setze(g, "St-Oberfläche", "s",
              [](TZeichner& z) { Stengelstueck(z, THaar::Rueckwaerts, true); });
        setze(g, "Stengelquerschnitt", "4", [](TZeichner& z) { Querschnitt(z, TQuer::Vierkant); });
        setze(g, "Stengelquerschnitt", "r",
              [](TZeichner& z) { Querschnitt(z, TQuer::FeineLeisten); });
    }
}
