// Drawings of the keys of Fabaceae, Pinus, Populus, Potentilla, Prunus, Quercus, Rosa, Salix and
// Sorbus (keys 25, 41, 45, 47, 48, 49, 53, 56, 57).

#include "Motive.h"
#include "Rezepte.h"
#include "Rezepthilfen.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr int Fabaceae = 25;
constexpr int Pinus = 41;
constexpr int Populus = 45;
constexpr int Potentilla = 47;
constexpr int Prunus = 48;
constexpr int Quercus = 49;
constexpr int Rosa = 53;
constexpr int Salix = 56;
constexpr int Sorbus = 57;

const QColor Rinde{0x8a, 0x6a, 0x48};
const QColor Nadelgruen{0x5e, 0x94, 0x52};
const QColor Filz{0xf4, 0xf3, 0xec};
const QColor Silber{0xe2, 0xe8, 0xe2};
const QColor Rostrot{0xb0, 0x5a, 0x2a};

// Draws with the canvas enlarged by faktor around the point fix (close-ups of margins and bases).
void Vergroessert(TZeichner& z, QPointF fix, double faktor, const std::function<void()>& zeichne)
{
    QPainter& m = z.Maler();
    m.save();
    m.translate(fix);
    m.scale(faktor, faktor);
    m.translate(-fix);
    zeichne();
    m.restore();
}

// A repeatable scatter in [0, 1) for the placing of hairs.
double Zufall(int i, int j)
{
    const double s = std::sin(i * 12.9898 + j * 78.233) * 43758.5453;
    return s - std::floor(s);
}

// ---- Hairs ------------------------------------------------------------------------------------

enum class THaar
{
    Keine,
    Einfach,   // short, spreading hairs
    Anliegend, // silky hairs lying along the blade
    Flaum,     // soft, curled down
    Filz,      // dense, matted felt
    Stern,     // star-shaped hairs
    Druesen,   // sessile glands
    Stieldruesen,
};

void Haarmarke(TZeichner& z, QPointF p, THaar art, double groesse, int i, int j)
{
    const double dreh = Zufall(i, j) * 360;
    switch (art) {
    case THaar::Keine:
        break;
    case THaar::Einfach:
        z.Kurve(p, Weiter(p, 30 + dreh * 0.2, groesse * 0.6), Weiter(p, 50 + dreh * 0.3, groesse),
                TStrich::Fein);
        break;
    case THaar::Anliegend:
        z.Linie(p, Weiter(p, -100 + dreh * 0.05, groesse * 1.6), TStrich::Fein,
                QColor(0x70, 0x80, 0x70));
        break;
    case THaar::Flaum:
    case THaar::Filz: {
        QPainterPath locke(p);
        locke.cubicTo(Weiter(p, dreh, groesse), Weiter(p, dreh + 90, groesse),
                      Weiter(p, dreh + 160, groesse * 0.5));
        z.Umriss(locke, TStrich::Fein,
                 art == THaar::Filz ? QColor(0x8c, 0x8c, 0x84) : QColor(0x60, 0x70, 0x60));
        break;
    }
    case THaar::Stern:
        for (int k = 0; k < 6; ++k)
            z.Linie(p, Weiter(p, dreh + 60.0 * k, groesse * 0.55), TStrich::Fein);
        break;
    case THaar::Druesen:
        z.Kreis(p, groesse * 0.28, Farbe::Druese, TStrich::Fein);
        break;
    case THaar::Stieldruesen: {
        const QPointF kopf = Weiter(p, -90 + (dreh - 180) * 0.2, groesse * 0.7);
        z.Linie(p, kopf, TStrich::Fein);
        z.Kreis(kopf, groesse * 0.26, Farbe::Druese, TStrich::Fein);
        break;
    }
    }
}

// Hairs of one kind spread evenly over a surface.
void Behaarung(TZeichner& z, const QPainterPath& flaeche, THaar art, double dichte = 1)
{
    if (art == THaar::Keine) return;
    QPainter& m = z.Maler();
    m.save();
    m.setClipPath(flaeche, Qt::IntersectClip);
    if (art == THaar::Filz) z.Fuellen(flaeche, Filz);
    const double groesse = z.Gr(10, 16);
    const double schritt = z.Gr(15, 22) / dichte * (art == THaar::Filz ? 0.55 : 1.0);
    const QRectF r = flaeche.boundingRect();
    int i = 0;
    for (double y = r.top() + schritt * 0.4; y < r.bottom(); y += schritt * 0.85, ++i) {
        int j = 0;
        for (double x = r.left() + (i % 2) * schritt * 0.5; x < r.right(); x += schritt, ++j) {
            const QPointF p(x + (Zufall(i, j) - 0.5) * schritt * 0.6,
                            y + (Zufall(j, i) - 0.5) * schritt * 0.6);
            if (flaeche.contains(p)) Haarmarke(z, p, art, groesse, i, j);
        }
    }
    m.restore();
}

// Hairs or glands standing out from the outline of a surface.
void Randbesatz(TZeichner& z, const QPainterPath& flaeche, double abstand, double laenge,
                THaar art = THaar::Einfach, const QColor& farbe = Farbe::Linie)
{
    const QPolygonF rand = Abtasten(flaeche, abstand);
    const int n = rand.size();
    for (int i = 0; i < n; ++i) {
        const QPointF p = rand[i];
        const QPointF d = rand[(i + 1) % n] - rand[(i - 1 + n) % n];
        const double l = std::hypot(d.x(), d.y());
        if (l <= 0) continue;
        QPointF nrm(d.y() / l, -d.x() / l);
        if (flaeche.contains(p + nrm * 2)) nrm = -nrm;
        const QPointF aussen = p + nrm * laenge;
        if (art == THaar::Stieldruesen) {
            z.Linie(p, aussen, TStrich::Fein, farbe);
            z.Kreis(aussen, z.Gr(2.6, 4), Farbe::Druese, TStrich::Fein);
        } else {
            z.Kurve(p, p + nrm * laenge * 0.6 + QPointF(nrm.y(), -nrm.x()) * laenge * 0.2, aussen,
                    TStrich::Fein, farbe);
        }
    }
}

// ---- Leaves -----------------------------------------------------------------------------------

TBlatt Blatt(TBlattform form, double l, double b, TRand rand = TRand::Ganz,
             TNervatur nerven = TNervatur::Fieder, double stiel = 30)
{
    TBlatt blatt{form, l, b, rand, nerven};
    blatt.Stiel = stiel;
    return blatt;
}

// A leaf seen as the key describes its surface: colour, side veins, hairs over the blade,
// on the veins or in tufts in the vein axils.
struct TOberflaeche
{
    QColor Farbe = Farbe::Blatt;
    THaar Haare = THaar::Keine;
    double Dichte = 1;
    bool NervenHaare = false;
    bool Achselbart = false;
    bool Glanz = false;
    bool Runzelig = false;
};

void BlattFlaeche(TZeichner& z, TBlatt b, const TOberflaeche& o)
{
    b.Fuellung = o.Farbe;
    b.Nerven = TNervatur::Mittelnerv;
    GrossesBlatt(z, b);
    const QTransform lage = GrossesBlattLage(b);
    const QPainterPath pfad = BlattPfad(b);
    QPainter& m = z.Maler();
    m.save();
    m.setTransform(lage, true);
    m.setClipPath(pfad, Qt::IntersectClip);
    const int paare = 6;
    for (int i = 0; i < paare; ++i) {
        const double x = b.Laenge * (0.1 + 0.8 * i / paare);
        for (double s : {-1.0, 1.0}) {
            const QPointF a(x, 0), st(x + b.Laenge * 0.08, s * b.Breite * 0.3),
                e(x + b.Laenge * 0.2, s * b.Breite * 0.55);
            z.Kurve(a, st, e, o.Runzelig ? TStrich::Normal : TStrich::Fein,
                    o.Runzelig ? Farbe::Linie : Farbe::Linie.lighter(150));
            if (o.NervenHaare)
                for (double t = 0.15; t < 1; t += 0.22) {
                    const QPointF p = Mitte(Mitte(a, st, t), Mitte(st, e, t), t);
                    z.Linie(p, p + QPointF(z.Gr(4, 6), -s * z.Gr(7, 10)), TStrich::Fein);
                }
            if (o.Achselbart)
                for (int k = -2; k <= 2; ++k)
                    z.Linie({x + z.Gr(2, 3), s * 1.5},
                            Weiter({x + z.Gr(2, 3), s * 1.5}, s * (45 + k * 14), z.Gr(9, 13)),
                            TStrich::Fein, Rostrot);
        }
    }
    if (o.NervenHaare)
        for (double x = b.Laenge * 0.05; x < b.Laenge * 0.95; x += z.Gr(12, 16))
            for (double s : {-1.0, 1.0})
                z.Linie({x, 0}, {x + z.Gr(4, 6), s * z.Gr(7, 10)}, TStrich::Fein);
    if (o.Runzelig)
        for (int i = 0; i < paare; ++i)
            for (double s : {-1.0, 1.0})
                for (double t : {0.3, 0.6})
                    z.Linie(
                        {b.Laenge * (0.14 + 0.8 * i / paare + t * 0.1), s * b.Breite * 0.18 * t},
                        {b.Laenge * (0.1 + 0.8 * (i + 1) / paare), s * b.Breite * 0.3},
                        TStrich::Fein);
    if (o.Glanz) {
        QPainterPath licht({b.Laenge * 0.2, -b.Breite * 0.22});
        licht.quadTo(b.Laenge * 0.5, -b.Breite * 0.4, b.Laenge * 0.78, -b.Breite * 0.14);
        m.setPen(QPen(QColor(255, 255, 255, 200), z.Gr(7, 5), Qt::SolidLine, Qt::RoundCap));
        m.setBrush(Qt::NoBrush);
        m.drawPath(licht);
    }
    m.restore();
    Behaarung(z, lage.map(pfad), o.Haare, o.Dichte);
}

// A piece of leaf margin seen close up: the blade fills the lower right, its edge runs from
// the lower left to the upper right and its teeth point to the leaf's tip.
enum class TZahnung
{
    Ganz,
    Entfernt,
    Gesaegt,
    Doppelt,
    Gekerbt,
};

void Randausschnitt(TZeichner& z, TZahnung zahnung, bool druesen, bool wimpern,
                    const QColor& fuellung = Farbe::Blatt)
{
    const QPointF a(-20, 250), st(110, 70), e(340, 34);
    auto kante = [&](double t) { return Mitte(Mitte(a, st, t), Mitte(st, e, t), t); };
    auto aussen = [&](double t) {
        const QPointF d = kante(t + 0.001) - kante(t - 0.001);
        const double l = std::hypot(d.x(), d.y());
        return QPointF(d.y() / l, -d.x() / l);
    };
    const int zaehne = zahnung == TZahnung::Entfernt ? 3 : 6;
    QPolygonF rand;
    std::vector<QPointF> spitzen;
    for (int k = 0; k < zaehne; ++k) {
        const double t0 = double(k) / zaehne, t1 = double(k + 1) / zaehne;
        const double h = z.Gr(20, 26);
        switch (zahnung) {
        case TZahnung::Ganz:
            for (int s = 0; s < 8; ++s)
                rand << kante(t0 + (t1 - t0) * s / 8);
            break;
        case TZahnung::Entfernt:
            for (int s = 0; s < 8; ++s)
                rand << kante(t0 + (t1 - t0) * s / 8);
            spitzen.push_back(kante(t0 + (t1 - t0) * 0.9) +
                              aussen(t0 + (t1 - t0) * 0.9) * h * 0.35);
            rand << spitzen.back();
            break;
        case TZahnung::Gesaegt: {
            rand << kante(t0);
            const double tt = t0 + (t1 - t0) * 0.82;
            spitzen.push_back(kante(tt) + aussen(tt) * h);
            rand << spitzen.back();
            break;
        }
        case TZahnung::Doppelt: {
            rand << kante(t0);
            const double tn = t0 + (t1 - t0) * 0.4;
            spitzen.push_back(kante(tn) + aussen(tn) * h * 0.55);
            rand << spitzen.back() << kante(t0 + (t1 - t0) * 0.5) + aussen(tn) * h * 0.25;
            const double tt = t0 + (t1 - t0) * 0.88;
            spitzen.push_back(kante(tt) + aussen(tt) * h * 1.15);
            rand << spitzen.back();
            break;
        }
        case TZahnung::Gekerbt:
            for (int s = 0; s <= 10; ++s) {
                const double u = s / 10.0;
                rand << kante(t0 + (t1 - t0) * u) +
                            aussen(t0 + (t1 - t0) * u) * h * 0.6 * std::sin(M_PI * u);
            }
            break;
        }
    }
    rand << kante(1.0) << QPointF(340, 320) << QPointF(-20, 320);
    const QPainterPath blatt = Polygonpfad(rand);
    z.Fuellen(blatt, fuellung);
    QPainter& m = z.Maler();
    m.save();
    m.setClipPath(blatt, Qt::IntersectClip);
    for (double t : {0.1, 0.42, 0.74})
        z.Kurve(kante(t) + QPointF(40, 240), kante(t) + QPointF(30, 60), kante(t + 0.1),
                TStrich::Fein);
    m.restore();
    z.Umriss(blatt);
    if (wimpern) Randbesatz(z, Polygonpfad(rand), z.Gr(9, 13), z.Gr(16, 20));
    if (druesen)
        for (QPointF p : spitzen)
            z.Kreis(p, z.Gr(5, 7), QColor(0x9a, 0x3a, 0x2a), TStrich::Fein);
}

// A leaf toothed only from ab (share of its length from the base) to the tip.
void VornGezaehnt(TZeichner& z, TBlatt b, double ab)
{
    TBlatt ganz = b;
    ganz.Rand = TRand::Ganz;
    const QPainterPath g = BlattPfad(b);
    const QPainterPath e = BlattPfad(ganz);
    QPainterPath vorn;
    vorn.addRect(QRectF(b.Laenge * ab, -b.Breite * 2, b.Laenge * 2, b.Breite * 4));
    const QPainterPath pfad = g.intersected(vorn).united(e.subtracted(vorn)).simplified();
    const QTransform lage = GrossesBlattLage(b);
    z.Linie(lage.map(QPointF(-b.Stiel, 0)), lage.map(QPointF(0, 0)), TStrich::Normal);
    z.Flaeche(lage.map(pfad), b.Fuellung);
    QPainter& m = z.Maler();
    m.save();
    m.setTransform(lage, true);
    m.setClipPath(e, Qt::IntersectClip);
    z.Linie({0, 0}, {b.Laenge, 0}, TStrich::Fein);
    for (int i = 1; i <= 5; ++i)
        for (double s : {-1.0, 1.0}) {
            const double x = b.Laenge * i / 7.0;
            z.Kurve({x, 0}, {x + b.Laenge * 0.08, s * b.Breite * 0.25},
                    {x + b.Laenge * 0.2, s * b.Breite * 0.5}, TStrich::Fein);
        }
    m.restore();
}

// A lobed leaf standing upright: base at (MitteX, basis), tip lange above. Lobes get rounder,
// sharper or deeper as asked; the base may be wedge-shaped, truncate or eared.
struct TLappenblatt
{
    double Laenge = 250;
    double Breite = 170;
    int Lappen = 5;          // per side
    double Tiefe = 0.45;     // share of the half width cut out between two lobes
    double TiefeSpitze = -1; // the depth near the tip; < 0: as Tiefe
    bool Spitz = false;
    bool Grannen = false;
    bool Gesaegt = false;
    bool VerkehrtEi = true; // broadest above the middle
    char Grund = 'g';       // 'g' rounded, 'k' wedge, 'o' eared, 'h' lowest lobes the largest
    QColor Fuellung = Farbe::Blatt;
    double Stiel = 20;
};

struct TLappenErgebnis
{
    QPainterPath Pfad;
    std::vector<QPointF> Spitzen;
};

TLappenErgebnis Lappenblatt(TZeichner& z, QPointF basis, const TLappenblatt& l,
                            bool zeichnen = true)
{
    auto huelle = [&](double t) {
        double h = l.VerkehrtEi ? std::pow(std::sin(M_PI * std::pow(t, 0.8)), 0.8)
                                : std::pow(std::sin(M_PI * std::pow(t, 1.15)), 0.75);
        if (l.Grund == 'k') h *= std::min(1.0, 0.15 + t * 2.2);
        if (l.Grund == 'g' || l.Grund == 'o')
            h = std::max(h, 0.5 * std::sqrt(std::min(t, 0.1) / 0.1) *
                                std::clamp(1 - (t - 0.1) / 0.15, 0.0, 1.0));
        if (l.Grund == 'h') h *= 1 + 0.9 * std::exp(-std::pow((t - 0.22) / 0.1, 2));
        return h * l.Breite / 2;
    };
    TLappenErgebnis ergebnis;
    auto seite = [&](double s, QPolygonF& punkte) {
        const int n = 400;
        for (int i = 0; i <= n; ++i) {
            const double t = s > 0 ? double(i) / n : 1.0 - double(i) / n;
            const double anfang = l.Grund == 'o' ? 0.08 : 0.12;
            double r = huelle(t);
            if (t > anfang && t < 0.97) {
                const double u = (t - anfang) / (0.97 - anfang) * l.Lappen;
                const double f = u - std::floor(u);
                double profil = l.Spitz ? 1 - std::pow(std::abs(2 * f - 1), 1.6)
                                        : std::pow(std::sin(M_PI * f), 0.55);
                // The cuts fade in above the base and out below the tip, so that the outline
                // has no steps there.
                const double ein = std::min(1.0, (t - anfang) / 0.06);
                const double aus = std::min(1.0, (0.97 - t) / 0.05);
                const double tiefe =
                    (l.TiefeSpitze < 0 ? l.Tiefe : l.Tiefe + (l.TiefeSpitze - l.Tiefe) * t) *
                    std::min(ein, aus);
                r *= 1 - tiefe * (1 - profil);
                if (l.Gesaegt) {
                    const double g = std::fmod(t * 90, 1.0);
                    r += z.Gr(2.5, 4) * g;
                }
            }
            punkte << QPointF(basis.x() + s * r, basis.y() - t * l.Laenge);
        }
        if (s > 0)
            for (int k = 0; k < l.Lappen; ++k) {
                const double anfang = l.Grund == 'o' ? 0.08 : 0.12;
                const double t = anfang + (k + 0.5) / l.Lappen * (0.97 - anfang);
                for (double si : {-1.0, 1.0})
                    ergebnis.Spitzen.push_back(
                        {basis.x() + si * huelle(t), basis.y() - t * l.Laenge});
            }
    };
    QPolygonF umriss;
    seite(1, umriss);
    seite(-1, umriss);
    QPainterPath pfad = Polygonpfad(umriss);
    if (l.Grund == 'o')
        for (double s : {-1.0, 1.0})
            pfad = pfad.united(Ellipsenpfad({basis.x() + s * l.Breite * 0.07, basis.y() + 2},
                                            l.Breite * 0.08, l.Breite * 0.06));
    ergebnis.Pfad = pfad.simplified();
    if (!zeichnen) return ergebnis;
    z.Linie({basis.x(), basis.y() + l.Stiel}, basis, TStrich::Normal);
    z.Flaeche(ergebnis.Pfad, l.Fuellung);
    QPainter& m = z.Maler();
    m.save();
    m.setClipPath(ergebnis.Pfad, Qt::IntersectClip);
    z.Linie(basis, {basis.x(), basis.y() - l.Laenge}, TStrich::Fein);
    for (QPointF p : ergebnis.Spitzen) {
        const double t = (basis.y() - p.y()) / l.Laenge;
        const QPointF a(basis.x(), basis.y() - std::max(0.0, t - 0.1) * l.Laenge);
        z.Kurve(a, {Mitte(a, p).x(), p.y() + 4}, p, TStrich::Fein);
    }
    m.restore();
    if (l.Grannen)
        for (QPointF p : ergebnis.Spitzen) {
            const double w = p.x() > basis.x() ? -30 : -150;
            z.Linie(p, Weiter(p, w, z.Gr(12, 18)), TStrich::Normal);
        }
    return ergebnis;
}

// ---- Life forms -------------------------------------------------------------------------------

void LfBaum(TZeichner& z)
{
    z.Boden(276);
    Baum(z, {MitteX, 276}, 262);
}

void LfStrauch(TZeichner& z)
{
    z.Boden(276);
    Strauch(z, {MitteX, 276}, 170);
}

void LfZwergstrauch(TZeichner& z)
{
    // Woody branches creeping over the ground, their tips rising a little.
    const double boden = 230;
    z.Boden(boden);
    const QPointF fuss(MitteX, boden);
    for (double s : {-1.0, 1.0})
        for (int k = 0; k < 2; ++k) {
            const QPointF ende(MitteX + s * (110 + k * 30), boden - 20 - k * 24);
            const QPointF steuer(MitteX + s * (60 + k * 30), boden + 4 - k * 10);
            z.Kurve(fuss, steuer, ende, TStrich::Achse, Farbe::Holz);
            for (double t : {0.35, 0.55, 0.75, 0.95}) {
                const QPointF p = Mitte(Mitte(fuss, steuer, t), Mitte(steuer, ende, t), t);
                for (double w : {-60.0, -120.0}) {
                    TBlatt b = Blatt(TBlattform::Elliptisch, z.Gr(20, 28), z.Gr(11, 15),
                                     TRand::Ganz, TNervatur::Keine, 0);
                    ZeichneBlatt(z, p, w + s * 10, b);
                }
            }
        }
    z.Linie(fuss, {MitteX, boden - 26}, TStrich::Achse, Farbe::Holz);
}

void Wurzeln(TZeichner& z, QPointF fuss, double tiefe, bool pfahl)
{
    if (pfahl) {
        QPainterPath ruebe({fuss.x() - 16, fuss.y()});
        ruebe.cubicTo(fuss.x() - 16, fuss.y() + tiefe * 0.5, fuss.x() - 4, fuss.y() + tiefe * 0.8,
                      fuss.x(), fuss.y() + tiefe);
        ruebe.cubicTo(fuss.x() + 4, fuss.y() + tiefe * 0.8, fuss.x() + 16, fuss.y() + tiefe * 0.5,
                      fuss.x() + 16, fuss.y());
        ruebe.closeSubpath();
        z.Flaeche(ruebe, QColor(0xe8, 0xd6, 0xb0));
        return;
    }
    for (int k = -2; k <= 2; ++k)
        z.Kurve(fuss, fuss + QPointF(k * 8, tiefe * 0.5),
                fuss + QPointF(k * 20, tiefe * (0.7 + 0.1 * (k % 2))), TStrich::Fein, Farbe::Samen);
}

void LfEinjaehrig(TZeichner& z)
{
    z.Boden(222);
    Kraut(z, {MitteX, 222}, 160, true, Bluetenfarbe::Gelb);
    Wurzeln(z, {MitteX, 224}, 60, false);
}

void LfZweijaehrig(TZeichner& z)
{
    z.Boden(222);
    Kraut(z, {MitteX, 222}, 160, true, Bluetenfarbe::Gelb);
    for (double w : {-170.0, -150.0, -30.0, -10.0}) {
        TBlatt b =
            Blatt(TBlattform::VerkehrtEifoermig, 62, 26, TRand::Ganz, TNervatur::Mittelnerv, 0);
        ZeichneBlatt(z, {MitteX, 220}, w, b);
    }
    Wurzeln(z, {MitteX, 226}, 66, true);
}

void LfAusdauernd(TZeichner& z)
{
    z.Boden(222);
    // A creeping rhizome with last year's stalks and new shoots.
    QPainterPath rhizom({40, 240});
    rhizom.cubicTo(100, 232, 200, 248, 286, 236);
    z.Umriss(rhizom, TStrich::Stark, Farbe::Holz);
    for (double x : {60.0, 150.0, 240.0})
        Wurzeln(z, {x, 242}, 40, false);
    Kraut(z, {110, 238}, 170, true, Bluetenfarbe::Gelb);
    Kraut(z, {210, 242}, 130, true, Bluetenfarbe::Gelb);
    for (double x : {64.0, 262.0})
        z.Linie({x, 238}, {x + 4, 200}, TStrich::Normal, Farbe::Holz.lighter(130));
}

void LfHalbstrauch(TZeichner& z)
{
    z.Boden(262);
    // Woody at the base, herbaceous above.
    for (double w : {-120.0, -100.0, -80.0, -60.0}) {
        const QPointF a(MitteX, 262), b = Weiter(a, w, 70);
        z.Linie(a, b, TStrich::Stark, Farbe::Holz);
        Kraut(z, b, 120, true, Bluetenfarbe::Gelb);
    }
}

// ---- Key 25: Fabaceae -------------------------------------------------------------------------

// A pea flower turned by winkel degrees about its base.
void Erbse(TZeichner& z, QPointF basis, double groesse, double winkel, const QColor& farbe)
{
    Rahmen(z, basis, winkel, [&] { Schmetterlingsbluete(z, {0, 0}, groesse, farbe); });
}

TRezept Schmetterlingsfarbe(QColor fahne, QColor unten = QColor())
{
    return [fahne, unten](TZeichner& z) {
        const QPointF b(70, 262);
        const double g = 196;
        z.Kurve({40, Unten}, {48, 280}, b, TStrich::Achse);
        Schmetterlingsbluete(z, b, g, fahne);
        if (!unten.isValid()) return;
        // Wings and keel in a colour of their own, drawn again over the flower.
        const TSchmetterlingsteile teile = Schmetterlingsteile(b, g);
        z.Flaeche(teile.Schiffchen, unten.darker(108));
        z.Flaeche(teile.Fluegel, unten);
        z.Flaeche(teile.Kelch, Farbe::Kelch);
    };
}

void Ranke(TZeichner& z, QPointF an, double winkel, double laenge, double drehsinn = 1)
{
    QPainterPath ranke(an);
    QPointF p = an;
    double w = winkel;
    double schritt = laenge / 9;
    for (int k = 0; k < 16; ++k) {
        p = Weiter(p, w, schritt);
        ranke.lineTo(p);
        w += drehsinn * (k < 5 ? 5 : 34);
        schritt *= 0.88;
    }
    z.Umriss(ranke, TStrich::Normal);
}

void Fabaceenblatt(TZeichner& z, char form)
{
    const QPointF an(MitteX, 292);
    z.Linie({MitteX - 40, 300}, {MitteX + 40, 276}, TStrich::Achse);
    switch (form) {
    case 'e': {
        TBlatt b = Blatt(TBlattform::Lanzettlich, 210, 70, TRand::Ganz, TNervatur::Fieder, 40);
        ZeichneBlatt(z, an, -90, b);
        break;
    }
    case '3':
        ZeichneGefingert(z, an, -90, 110, 3, 100, 56, TRand::Ganz);
        break;
    case 'f': {
        ZeichneGefingert(z, an, -90, 90, 3, 110, 54, TRand::Ganz);
        for (double s : {-1.0, 1.0}) {
            TBlatt b =
                Blatt(TBlattform::VerkehrtEifoermig, 96, 54, TRand::Ganz, TNervatur::Fieder, 2);
            ZeichneBlatt(z, Weiter(an, -90, 8), -90 + s * 62, b);
        }
        break;
    }
    case 'h':
        for (int i = 0; i < 9; ++i) {
            TBlatt b = Blatt(TBlattform::Lanzettlich, 118 - std::abs(i - 4) * 10, 26, TRand::Ganz,
                             TNervatur::Mittelnerv, 2);
            ZeichneBlatt(z, Weiter(an, -90, 120), -90 + (i - 4) * 33, b);
        }
        z.Linie(an, Weiter(an, -90, 120), TStrich::Normal);
        break;
    case 'p':
    case 's':
    case 'u': {
        TFiederblatt f;
        f.Paare = form == 'u' ? 4 : 4;
        f.Ende = form == 'u' ? TFiederblatt::Endblaettchen
                             : (form == 'p' ? TFiederblatt::Ranke : TFiederblatt::Keins);
        f.Laenge = form == 'u' ? 200 : 190;
        f.Stiel = 30;
        f.BlaettchenLaenge = 62;
        f.BlaettchenBreite = 30;
        ZeichneFiederblatt(z, an, -90, f);
        if (form == 's') {
            const QPointF ende = Weiter(an, -90, f.Stiel + f.Laenge);
            z.Linie(ende, Weiter(ende, -90, 18), TStrich::Normal, Farbe::Akzent);
        }
        break;
    }
    case 'r': {
        // The leaf is only a tendril; the two stipules do the work of the blade.
        const QPointF knoten = Weiter(an, -90, 40);
        z.Linie(an, knoten, TStrich::Normal);
        for (double s : {-1.0, 1.0}) {
            TBlatt b = Blatt(TBlattform::Spiess, 120, 100, TRand::Ganz, TNervatur::Hand, 0);
            ZeichneBlatt(z, knoten, -90 + s * 48, b);
        }
        z.Linie(knoten, Weiter(knoten, -90, 120), TStrich::Normal);
        Ranke(z, Weiter(knoten, -90, 120), -90, 150);
        break;
    }
    default:
        break;
    }
}

void Dorn(TZeichner& z, QPointF an, double winkel, double laenge, double breite,
          const QColor& farbe = Farbe::Holz)
{
    Rahmen(z, an, winkel, [&] {
        QPainterPath d({0, -breite / 2});
        d.quadTo(laenge * 0.5, -breite * 0.3, laenge, 0);
        d.quadTo(laenge * 0.5, breite * 0.3, 0, breite / 2);
        d.closeSubpath();
        z.Flaeche(d, farbe);
    });
}

void Fabaceendornen(TZeichner& z, char art)
{
    const QPointF a(MitteX - 20, 296), e(MitteX + 20, 10);
    z.Linie(a, e, TStrich::Stark, Farbe::Holz);
    for (int i = 0; i < 3; ++i) {
        const double t = 0.18 + i * 0.3;
        const QPointF p = Mitte(a, e, t);
        const double s = i % 2 ? -1 : 1;
        if (art == 'z') {
            // Side shoots ending in sharp points.
            Dorn(z, p, -90 + s * 50, 100, z.Gr(12, 16), QColor(0x7a, 0xa0, 0x50));
            Dorn(z, Weiter(p, -90 + s * 50, 50), -90 + s * 10, 50, z.Gr(8, 11),
                 QColor(0x7a, 0xa0, 0x50));
            TBlatt b =
                Blatt(TBlattform::Lanzettlich, 40, 14, TRand::Ganz, TNervatur::Mittelnerv, 0);
            ZeichneBlatt(z, p, -90 - s * 60, b);
            continue;
        }
        TFiederblatt f;
        f.Paare = 2;
        f.Laenge = 100;
        f.Stiel = 14;
        f.BlaettchenLaenge = 40;
        f.BlaettchenBreite = 22;
        ZeichneFiederblatt(z, p, -90 + s * 55, f);
        if (art == 'n')
            for (double d : {-1.0, 1.0})
                Dorn(z, p, -90 + s * 55 + d * 62, 40, z.Gr(8, 12));
    }
}

void Stengelfluegel(TZeichner& z, bool gefluegelt)
{
    const double x = 120;
    if (gefluegelt) {
        for (double s : {-1.0, 1.0}) {
            QPainterPath f({x, 296});
            for (double y = 296; y >= 10; y -= 24)
                f.quadTo(x + s * 30, y - 12, x + s * 26, y - 24);
            f.lineTo(x, 10);
            f.closeSubpath();
            z.Flaeche(f, Farbe::Blatt);
        }
    }
    z.Linie({x, 298}, {x, 8}, TStrich::Stark, QColor(0x4d, 0x8a, 0x3f));
    // The stem cut across.
    const QPointF q(240, 150);
    z.Kreis(q, 22, Farbe::Schnitt, TStrich::Normal);
    if (gefluegelt)
        for (double s : {-1.0, 1.0}) {
            QPainterPath f({q.x() + s * 20, q.y() - 5});
            f.lineTo(q.x() + s * 66, q.y() - 3);
            f.lineTo(q.x() + s * 66, q.y() + 3);
            f.lineTo(q.x() + s * 20, q.y() + 5);
            f.closeSubpath();
            z.Flaeche(f, Farbe::Schnitt);
        }
    z.Strichlinie({x + 4, 150}, {q.x() - (gefluegelt ? 70 : 26), q.y()}, QColor(0x99, 0x99, 0x99));
}

QPainterPath Huelsenpfad(QPointF a, double l, double b)
{
    QPainterPath p(a);
    p.cubicTo(a + QPointF(l * 0.2, -b * 0.62), a + QPointF(l * 0.8, -b * 0.62),
              a + QPointF(l, -b * 0.05));
    p.cubicTo(a + QPointF(l * 0.8, b * 0.5), a + QPointF(l * 0.2, b * 0.5), a);
    p.closeSubpath();
    return p;
}

void Huelsenbehaarung(TZeichner& z, char art)
{
    const QPointF a(34, 168);
    z.Linie({12, 240}, a, TStrich::Achse);
    const QPainterPath h = Huelsenpfad(a, 260, 80);
    if (art == 's') {
        for (double t = 0.06; t < 0.98; t += 0.06)
            for (double s : {-1.0, 1.0}) {
                const QPointF p(a.x() + 260 * t, a.y() + s * 80 * 0.42 * std::sin(M_PI * t));
                Dorn(z, p, s * 80 + (t - 0.5) * 40, z.Gr(16, 22), z.Gr(7, 9),
                     Farbe::Frucht.darker(115));
            }
    }
    z.Flaeche(h, Farbe::Frucht);
    for (double x : {80.0, 130.0, 180.0, 230.0})
        z.Ellipse({x, a.y() - 4}, 14, 10, Farbe::Frucht.darker(106), TStrich::Fein);
    if (art == 'b') {
        Behaarung(z, h, THaar::Einfach, 1.3);
        Randbesatz(z, h, z.Gr(10, 14), z.Gr(10, 14));
    }
    if (art == 's') Behaarung(z, h, THaar::Stieldruesen, 1);
}

void Fabaceenfrucht(TZeichner& z, char art)
{
    switch (art) {
    case 'b': {
        // An inflated, papery bladder.
        z.Linie({MitteX, Unten}, {MitteX - 90, 190}, TStrich::Achse);
        QPainterPath blase({70, 180});
        blase.cubicTo(70, 70, 280, 40, 296, 110);
        blase.cubicTo(306, 170, 260, 250, 170, 250);
        blase.cubicTo(110, 250, 70, 230, 70, 180);
        blase.closeSubpath();
        z.Flaeche(blase, QColor(0xf2, 0xe6, 0xb8));
        for (int k = 0; k < 5; ++k)
            z.Kurve({76, 180.0 - k * 6}, {180, 70.0 + k * 40}, {296, 110.0 + k * 4}, TStrich::Fein,
                    QColor(0xb0, 0x8a, 0x50));
        z.Strichlinie({110, 200}, {250, 130}, QColor(0x99, 0x99, 0x99));
        for (double t : {0.2, 0.45, 0.7})
            z.Ellipse(Mitte({110, 200}, {250, 130}, t), 9, 7, Farbe::Samen, TStrich::Fein);
        break;
    }
    case 'k': {
        // The calyx hides a tiny pod with one seed.
        z.Linie({MitteX, Unten}, {MitteX, 250}, TStrich::Achse);
        QPainterPath kelch({MitteX - 40, 250});
        kelch.lineTo(MitteX - 56, 100);
        kelch.lineTo(MitteX + 56, 100);
        kelch.lineTo(MitteX + 40, 250);
        kelch.closeSubpath();
        for (int i = 0; i < 5; ++i)
            Dorn(z, {MitteX - 48 + i * 24.0, 104}, -90 + (i - 2) * 10, 70, 16, Farbe::Kelch);
        z.Flaeche(kelch, QColor(0xc6, 0xe0, 0xaa, 160));
        QPainterPath huelse({MitteX, 230});
        huelse.cubicTo(MitteX - 30, 200, MitteX - 26, 130, MitteX, 118);
        huelse.cubicTo(MitteX + 26, 130, MitteX + 30, 200, MitteX, 230);
        z.Flaeche(huelse, Farbe::Frucht, TStrich::Normal);
        z.Ellipse({MitteX, 170}, 12, 16, Farbe::Samen, TStrich::Fein);
        for (int i = 0; i < 4; ++i)
            z.Linie({MitteX - 36 + i * 24.0, 246}, {MitteX - 50 + i * 33.0, 106}, TStrich::Fein);
        break;
    }
    case 's': {
        // A pod coiled like a snail's shell.
        const QPointF m(MitteX, 160);
        z.Linie({MitteX, Unten}, {MitteX - 40, 250}, TStrich::Achse);
        for (int w = 0; w < 4; ++w) {
            const double y = m.y() + 60 - w * 38;
            z.Ellipse({m.x(), y}, 92 - w * 6.0, 32, Farbe::Frucht);
            z.Kurve({m.x() - 80.0 + w * 6, y + 6}, {m.x(), y + 36}, {m.x() + 80.0 - w * 6, y + 2},
                    TStrich::Fein);
        }
        QPainterPath spirale({m.x(), m.y() - 56});
        for (int i = 1; i <= 60; ++i) {
            const double phi = i * 0.21, r = 4 + i * 0.9;
            spirale.lineTo(m.x() + std::cos(phi) * r, m.y() - 60 + std::sin(phi) * r * 0.3);
        }
        z.Umriss(spirale, TStrich::Fein);
        break;
    }
    case 'n': {
        // A flat, half-round, one-seeded pod with a net of pits and teeth on its edge.
        z.Linie({MitteX, Unten}, {MitteX - 70, 220}, TStrich::Achse);
        QPainterPath nuss({MitteX - 90, 210});
        nuss.cubicTo(MitteX - 100, 80, MitteX + 100, 60, MitteX + 100, 190);
        nuss.cubicTo(MitteX + 40, 236, MitteX - 40, 236, MitteX - 90, 210);
        nuss.closeSubpath();
        for (double t = 0.06; t < 0.96; t += 0.11) {
            const QPointF p = nuss.pointAtPercent(t * 0.7);
            Dorn(z, p, Winkel({MitteX, 180}, p), z.Gr(16, 20), z.Gr(8, 10),
                 Farbe::Frucht.darker(120));
        }
        z.Flaeche(nuss, Farbe::Frucht);
        QPainter& m = z.Maler();
        m.save();
        m.setClipPath(nuss, Qt::IntersectClip);
        for (int i = 0; i < 7; ++i) {
            z.Kurve({MitteX - 110.0 + i * 30, 80}, {MitteX - 70.0 + i * 30, 160},
                    {MitteX - 100.0 + i * 30, 240}, TStrich::Fein);
            z.Kurve({MitteX - 110, 100.0 + i * 20}, {MitteX, 120.0 + i * 22},
                    {MitteX + 110, 90.0 + i * 20}, TStrich::Fein);
        }
        m.restore();
        break;
    }
    default:
        break;
    }
}

void Fabaceenkelch(TZeichner& z, char art)
{
    // A calyx lying on its side, the upper side above, the teeth to the right.
    const double x0 = 50, x1 = 200, y = 160;
    const double h = art == 'a' ? 70 : 42;
    const QColor fuellung = Farbe::Kelch;
    z.Linie({10, 200}, {x0, y}, TStrich::Achse);
    auto zahn = [&](double ansatzY, double winkel, double laenge) {
        TBlatt b = Blatt(TBlattform::Lanzettlich, laenge, 20, TRand::Ganz, TNervatur::Keine, 0);
        b.Fuellung = fuellung;
        ZeichneBlatt(z, {x1 - 6, ansatzY}, winkel, b);
    };
    switch (art) {
    case 'g':
        for (int i = 0; i < 3; ++i)
            zahn(y - 30 + i * 30, -14 + i * 14, 80);
        break;
    case 'u':
        zahn(y - 32, -24, 36);
        zahn(y - 18, -10, 40);
        zahn(y + 2, 2, 84);
        zahn(y + 20, 12, 90);
        zahn(y + 34, 22, 86);
        break;
    case 'z': {
        TBlatt ober = Blatt(TBlattform::Eifoermig, 70, 44, TRand::Ganz, TNervatur::Keine, 0);
        ober.Fuellung = fuellung;
        ZeichneBlatt(z, {x1 - 6, y - 24}, -26, ober);
        TBlatt unter = Blatt(TBlattform::Lanzettlich, 96, 40, TRand::Ganz, TNervatur::Keine, 0);
        unter.Fuellung = fuellung;
        ZeichneBlatt(z, {x1 - 6, y + 22}, 22, unter);
        break;
    }
    case 'a':
        for (int i = 0; i < 3; ++i)
            zahn(y - 20 + i * 20, -10 + i * 10, 40);
        break;
    default:
        break;
    }
    QPainterPath roehre({x0, y - 14});
    if (art == 'a') {
        roehre.cubicTo(x0 + 30, y - h * 1.3, x1 - 20, y - h * 1.3, x1, y - 22);
        roehre.lineTo(x1, y + 22);
        roehre.cubicTo(x1 - 20, y + h * 1.3, x0 + 30, y + h * 1.3, x0, y + 14);
    } else {
        roehre.lineTo(x1, y - h);
        roehre.lineTo(x1, y + h);
        roehre.lineTo(x0, y + 14);
    }
    roehre.closeSubpath();
    z.Flaeche(roehre, fuellung);
    for (int i = -2; i <= 2; ++i)
        z.Linie({x0 + 8, y + i * 5.0}, {x1 - 4, y + i * h * 0.36}, TStrich::Fein);
    if (art == 'a') {
        Behaarung(z, roehre, THaar::Flaum, 1.4);
        Randbesatz(z, roehre, z.Gr(10, 14), z.Gr(10, 14));
    }
}

// Stipules at a node: the stem upright, the leaf stalk leaving to the upper right.
void Fabaceennebenblatt(TZeichner& z, char art)
{
    const QPointF k(130, 190);
    z.Linie({130, 298}, {130, 8}, TStrich::Achse, QColor(0x4d, 0x8a, 0x3f));
    const QPointF blatt = Weiter(k, -45, 170);
    auto halbpfeil = [&](double s, bool gezaehnt) {
        // A stipule with one backward lobe; the toothed kind has teeth along its outer edge.
        Rahmen(z, k, 0, [&] {
            QPainterPath aussen({s * 40, -110});
            aussen.cubicTo(s * 70, -60, s * 80, 0, s * 40, 40);
            QPainterPath p({0, 0});
            p.cubicTo(s * 20, -40, s * 50, -80, s * 40, -110);
            const int schritte = 14;
            for (int i = 1; i <= schritte; ++i) {
                const QPointF q = aussen.pointAtPercent(double(i) / schritte);
                const bool zahn = gezaehnt && i % 2 == 1 && i < schritte - 2;
                p.lineTo(zahn ? q + QPointF(s * 14, -6) : q);
            }
            p.cubicTo(s * 30, 20, s * 16, 10, 0, 0);
            p.closeSubpath();
            z.Flaeche(p, Farbe::Blatt);
        });
    };
    switch (art) {
    case 'k':
        for (double s : {-1.0, 1.0}) {
            TBlatt b = Blatt(TBlattform::Lanzettlich, 26, 7, TRand::Ganz, TNervatur::Keine, 0);
            ZeichneBlatt(z, k, -90 + s * 30, b);
        }
        break;
    case 'g':
        for (double s : {-1.0, 1.0}) {
            TBlatt b = Blatt(TBlattform::Herz, 120, 110, TRand::Ganz, TNervatur::Hand, 0);
            ZeichneBlatt(z, {k.x(), k.y() + 30}, -90 + s * 50, b);
        }
        break;
    case 'h':
    case 'z':
        for (double s : {-1.0, 1.0})
            halbpfeil(s, art == 'z');
        if (art == 'z') z.Kreis({k.x() + 42, k.y() + 10}, z.Gr(8, 11), QColor(0x4a, 0x24, 0x3a));
        break;
    case 'v': {
        // The stipules grown to the stalk for a stretch, with free tips.
        QPainterPath scheide({k.x(), k.y()});
        const QPointF oben = Weiter(k, -45, 80);
        scheide.lineTo(Weiter(k, -45 + 90, 12));
        scheide.lineTo(Weiter(oben, -45 + 90, 16));
        scheide.lineTo(Weiter(oben, -45, 36));
        scheide.lineTo(Weiter(oben, -45 - 90, 16));
        scheide.lineTo(Weiter(k, -45 - 90, 12));
        scheide.closeSubpath();
        z.Flaeche(scheide, QColor(0xe0, 0xee, 0xd0));
        for (double t = 0.2; t < 1; t += 0.25)
            z.Linie(Weiter(Weiter(k, -45, 80 * t), 45, 10),
                    Weiter(Weiter(k, -45, 80 * t), -135, 10), TStrich::Fein);
        break;
    }
    default:
        break;
    }
    z.Linie(k, blatt, TStrich::Normal);
    ZeichneGefingert(z, blatt, -45, 0, 3, 60, 34, TRand::Ganz);
}

void Staubblattroehre(TZeichner& z, bool frei)
{
    // The stamens of a pea flower: a tube round the pistil, its ten free tips curving up.
    const double x0 = 40, x1 = 240, y = 190;
    auto kante = [&](double t, double s) {
        return QPointF(x0 + (x1 - x0) * t, y + s * 20 - std::pow(t, 2.5) * 90);
    };
    QPolygonF roehre;
    for (int i = 0; i <= 20; ++i)
        roehre << kante(i / 20.0, -1);
    for (int i = 20; i >= 0; --i)
        roehre << kante(i / 20.0, 1);
    z.Flaeche(Polygonpfad(roehre), QColor(0xf6, 0xee, 0xd2));
    if (frei) z.Linie(kante(0.02, -1), kante(0.96, -1), TStrich::Normal, Farbe::Akzent);
    for (int i = 0; i < (frei ? 9 : 10); ++i) {
        const QPointF a = Mitte(kante(1, -1), kante(1, 1), (i + 0.5) / 10.0);
        Staubblatt(z, a, a + QPointF(24 + (i % 3) * 8, -30 - (i % 4) * 8), z.Gr(6, 10));
    }
    if (frei) {
        // The uppermost stamen lies free above the slit of the tube.
        QPainterPath f;
        f.moveTo(kante(0.02, -1) + QPointF(0, -22));
        f.quadTo(kante(0.6, -1) + QPointF(-10, -34), kante(1, -1) + QPointF(0, -24));
        z.Umriss(f, TStrich::Normal, Farbe::Akzent);
        Staubblatt(z, kante(1, -1) + QPointF(0, -24), kante(1, -1) + QPointF(30, -60), z.Gr(6, 10));
    }
    z.Kurve(kante(1, 0), kante(1, 0) + QPointF(20, -10), kante(1, 0) + QPointF(34, -56),
            TStrich::Normal);
}

void Stipellen(TZeichner& z, bool vorhanden)
{
    const QPointF a(MitteX, 296), e(MitteX, 20);
    z.Linie(a, e, TStrich::Normal);
    for (int i = 0; i < 2; ++i) {
        const QPointF p = Mitte(a, e, 0.3 + i * 0.4);
        for (double s : {-1.0, 1.0}) {
            TBlatt b = Blatt(TBlattform::Eifoermig, 110, 62, TRand::Ganz, TNervatur::Fieder, 10);
            ZeichneBlatt(z, p, -90 + s * 70, b);
            if (vorhanden) {
                TBlatt st = Blatt(TBlattform::Lanzettlich, 24, 5, TRand::Ganz, TNervatur::Keine, 0);
                st.Fuellung = Farbe::AkzentFlaeche;
                st.Linie = Farbe::Akzent;
                ZeichneBlatt(z, p, -90 + s * 18, st);
            }
        }
    }
    TBlatt end = Blatt(TBlattform::Eifoermig, 100, 60, TRand::Ganz, TNervatur::Fieder, 10);
    ZeichneBlatt(z, {MitteX, 26}, -90, end);
}

// Few leaflets shown with their side veins as the key distinguishes them.
void Seitennerven(TZeichner& z, char art)
{
    TBlatt b = Blatt(art == 'p' ? TBlattform::Lanzettlich : TBlattform::Elliptisch, 230,
                     art == 'p' ? 70 : 110, TRand::Ganz, TNervatur::Mittelnerv, 20);
    if (art == 'v') b.Nerven = TNervatur::Fieder;
    if (art == 'p') b.Nerven = TNervatur::Parallel;
    if (art == 'f') {
        // Pinnate, the side veins bending forward along the margin.
        GrossesBlatt(z, b);
        const QTransform lage = GrossesBlattLage(b);
        QPainter& m = z.Maler();
        m.save();
        m.setTransform(lage, true);
        for (int i = 0; i < 5; ++i)
            for (double s : {-1.0, 1.0}) {
                const double x = b.Laenge * (0.08 + i * 0.16);
                z.Kurve({x, 0}, {x + b.Laenge * 0.06, s * b.Breite * 0.42},
                        {x + b.Laenge * 0.26, s * b.Breite * 0.36}, TStrich::Normal);
            }
        m.restore();
        return;
    }
    if (art != 'v') {
        GrossesBlatt(z, b);
        return;
    }
    // Many straight, parallel side veins running into the margin (clover).
    b.Nerven = TNervatur::Mittelnerv;
    GrossesBlatt(z, b);
    const QTransform lage = GrossesBlattLage(b);
    QPainter& m = z.Maler();
    m.save();
    m.setTransform(lage, true);
    m.setClipPath(BlattPfad(b), Qt::IntersectClip);
    for (double x = 10; x < b.Laenge; x += z.Gr(12, 18))
        for (double s : {-1.0, 1.0})
            z.Linie({x, 0}, {x + 40, s * 80}, TStrich::Fein);
    m.restore();
}

TRezept Bluetenstand25(char art)
{
    return [art](TZeichner& z) {
        const QColor farbe = Bluetenfarbe::Gelb;
        switch (art) {
        case 'e': {
            z.Linie({MitteX, Unten}, {MitteX, 20}, TStrich::Achse);
            for (int i = 0; i < 3; ++i) {
                const double y = 260 - i * 84.0;
                const double s = i % 2 ? -1 : 1;
                ZeichneGefingert(z, {MitteX, y}, -90 + s * 60, 36, 3, 44, 24, TRand::Ganz);
                const QPointF stiel = Weiter({MitteX, y}, -90 + s * 20, 34);
                z.Linie({MitteX, y}, stiel, TStrich::Normal);
                Erbse(z, stiel, 56, s > 0 ? 0 : 0, farbe);
            }
            break;
        }
        case 't': {
            z.Linie({MitteX, Unten}, {MitteX, 20}, TStrich::Achse);
            for (int i = 0; i < 7; ++i) {
                const double y = 250 - i * 32.0;
                const double s = i % 2 ? -1 : 1;
                const QPointF p(MitteX + s * 18, y);
                z.Linie({MitteX, y + 8}, p, TStrich::Normal);
                Rahmen(z, p, 0, [&] {
                    QPainter& m = z.Maler();
                    m.scale(s, 1);
                    Schmetterlingsbluete(z, {0, 0}, 70 - i * 4.0, farbe);
                });
            }
            break;
        }
        case 'k': {
            const QPointF m(MitteX, 120);
            z.Linie({MitteX, Unten}, {MitteX, m.y() + 40}, TStrich::Achse);
            z.Kreis(m, 70, farbe.lighter(120), TStrich::Fein);
            for (int i = 0; i < 14; ++i) {
                const double w = -90 + i * 360.0 / 14;
                Rahmen(z, Weiter(m, w, 30), w + 90, [&] {
                    QPainter& mm = z.Maler();
                    mm.rotate(-20);
                    Schmetterlingsbluete(z, {0, 0}, 56, farbe);
                });
            }
            Erbse(z, {m.x() - 20, m.y() + 20}, 56, 0, farbe);
            break;
        }
        case 'd': {
            const QPointF m(MitteX, 190);
            z.Linie({MitteX, Unten}, m, TStrich::Achse);
            for (int i = 0; i < 6; ++i) {
                const double w = -160 + i * 28.0;
                const QPointF p = Weiter(m, w, 64);
                z.Linie(m, p, TStrich::Normal);
                Rahmen(z, p, w + 90, [&] { Schmetterlingsbluete(z, {-10, 0}, 60, farbe); });
            }
            break;
        }
        default:
            break;
        }
    };
}

void RezepteFabaceae(TRezeptTabelle& t)
{
    const int g = Fabaceae;
    auto setze = [&](const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    setze("Bl-Farbe", "w", Schmetterlingsfarbe(Bluetenfarbe::Weiss));
    setze("Bl-Farbe", "gw", Schmetterlingsfarbe(QColor(0xf8, 0xee, 0xa8)));
    setze("Bl-Farbe", "g", Schmetterlingsfarbe(Bluetenfarbe::Gelb));
    setze("Bl-Farbe", "br", Schmetterlingsfarbe(QColor(0xd8, 0x84, 0x34)));
    setze("Bl-Farbe", "r", Schmetterlingsfarbe(QColor(0xec, 0x6c, 0x8c)));
    setze("Bl-Farbe", "p", Schmetterlingsfarbe(QColor(0x9a, 0x48, 0xb0)));
    setze("Bl-Farbe", "b", Schmetterlingsfarbe(QColor(0x5a, 0x6c, 0xdc)));
    setze("Bl-Farbe", "m", Schmetterlingsfarbe(QColor(0xec, 0x6c, 0x8c), Bluetenfarbe::Weiss));
    for (const char* code : {"e", "3", "f", "h", "pr", "ps", "u", "r"}) {
        // The two pinnate leaves: 'p' with a tendril, 's' with a bristle point.
        const char art = code[0] == 'p' ? (code[1] == 'r' ? 'p' : 's') : code[0];
        setze("Blattform", code, [art](TZeichner& z) { Fabaceenblatt(z, art); });
    }
    const TBlatt blaettchen =
        Blatt(TBlattform::VerkehrtEifoermig, 220, 130, TRand::Ganz, TNervatur::Fieder, 24);
    setze("Blattrand", "g", Blattbild(blaettchen));
    TBlatt gesaegt = blaettchen;
    gesaegt.Rand = TRand::Gesaegt;
    setze("Blattrand", "s", Blattbild(gesaegt));
    setze("Blattrand", "v", [gesaegt](TZeichner& z) { VornGezaehnt(z, gesaegt, 0.68); });
    for (const char* code : {"e", "t", "k", "d"})
        setze("Blütenstand", code, Bluetenstand25(code[0]));
    setze("Dornen", "-", [](TZeichner& z) { Fabaceendornen(z, '-'); });
    setze("Dornen", "z", [](TZeichner& z) { Fabaceendornen(z, 'z'); });
    setze("Dornen", "n", [](TZeichner& z) { Fabaceendornen(z, 'n'); });
    setze("Flügel", "+", [](TZeichner& z) { Stengelfluegel(z, true); });
    setze("Flügel", "-", [](TZeichner& z) { Stengelfluegel(z, false); });
    for (const char* code : {"k", "b", "s"})
        setze("Fr-Behaarung", code, [c = code[0]](TZeichner& z) { Huelsenbehaarung(z, c); });
    t.Wie(g, T("Frucht"), T("h"), Glossar, T("9"), T("2"));
    t.Wie(g, T("Frucht"), T("g"), Glossar, T("9"), T("3"));
    for (const char* code : {"b", "k", "s", "n"})
        setze("Frucht", code, [c = code[0]](TZeichner& z) { Fabaceenfrucht(z, c); });
    for (const char* code : {"g", "u", "z", "a"})
        setze("Kelchzipfel", code, [c = code[0]](TZeichner& z) { Fabaceenkelch(z, c); });
    setze("Lebensform", "B", LfBaum);
    setze("Lebensform", "S", LfStrauch);
    setze("Lebensform", "Zw", LfZwergstrauch);
    setze("Lebensform", "e", LfEinjaehrig);
    setze("Lebensform", "z", LfZweijaehrig);
    setze("Lebensform", "a", LfAusdauernd);
    for (const char* code : {"k", "g", "h", "z", "v"})
        setze("Nebenblätter", code, [c = code[0]](TZeichner& z) { Fabaceennebenblatt(z, c); });
    for (const char* code : {"u", "f", "v", "p"})
        setze("Seitennerven", code, [c = code[0]](TZeichner& z) { Seitennerven(z, c); });
    setze("Stbb-Verwachsung", "m", [](TZeichner& z) { Staubblattroehre(z, false); });
    setze("Stbb-Verwachsung", "d", [](TZeichner& z) { Staubblattroehre(z, true); });
    setze("Stipellen", "+", [](TZeichner& z) { Stipellen(z, true); });
    setze("Stipellen", "-", [](TZeichner& z) { Stipellen(z, false); });
}

// ---- Key 41: Pinus ----------------------------------------------------------------------------

// A short shoot with its sheath and a bundle of n needles.
void Nadelbuendel(TZeichner& z, QPointF an, double winkel, int n, double laenge,
                  const QColor& farbe)
{
    const double facher = n <= 2 ? 14 : 9;
    for (int i = 0; i < n; ++i) {
        TBlatt nadel = Blatt(TBlattform::Nadel, laenge * (1 - 0.04 * std::abs(i - (n - 1) / 2.0)),
                             z.Gr(7, 10), TRand::Ganz, TNervatur::Keine, 0);
        nadel.Fuellung = farbe;
        ZeichneBlatt(z, Weiter(an, winkel, 14), winkel + (i - (n - 1) / 2.0) * facher, nadel);
    }
    Rahmen(z, an, winkel, [&] {
        QPainterPath scheide({0, -5});
        scheide.lineTo(18, -7);
        scheide.lineTo(18, 7);
        scheide.lineTo(0, 5);
        scheide.closeSubpath();
        z.Flaeche(scheide, QColor(0xc8, 0xa8, 0x80));
    });
}

void Nadelzahl(TZeichner& z, int n)
{
    Nadelbuendel(z, {MitteX, 286}, -90, n, 250, Nadelgruen);
    z.Zahl(QString::number(n));
}

void Nadelfarbe(TZeichner& z, const QColor& farbe)
{
    z.Linie({30, 290}, {290, 230}, TStrich::Stark, Farbe::Holz);
    for (int i = 0; i < 3; ++i) {
        const QPointF p = Mitte({30, 290}, {290, 230}, 0.2 + i * 0.3);
        Nadelbuendel(z, p, -100 + i * 12, 2, 200, farbe);
    }
}

enum class TZapfenform
{
    Ei,
    Schief,
    Walze,
    Zirbe,
};

// A pine cone: closed, scale shields in rows; mitte is its middle, winkel its axis from base
// to tip.
void Kiefernzapfen(TZeichner& z, QPointF mitte, double laenge, double breite, double winkel,
                   TZapfenform form)
{
    const QColor farbe =
        form == TZapfenform::Zirbe ? QColor(0x8a, 0x5e, 0x6a) : QColor(0xb8, 0x8a, 0x55);
    if (form == TZapfenform::Walze) {
        // Long and slender with thin, loose scales.
        Rahmen(z, mitte, winkel, [&] {
            for (int i = 0; i < 9; ++i) {
                const double x = -laenge / 2 + laenge * (i + 0.5) / 9;
                for (double s : {-1.0, 1.0}) {
                    QPainterPath sch({x - 10, 0});
                    sch.quadTo(x + 6, s * breite * 0.4, x + 22, s * breite * 0.52);
                    sch.quadTo(x + 24, s * breite * 0.2, x + 6, 0);
                    sch.closeSubpath();
                    z.Flaeche(sch, farbe, TStrich::Fein);
                }
                z.Ellipse({x + 8, 0}, 14, breite * 0.22, farbe.lighter(110), TStrich::Fein);
            }
        });
        return;
    }
    Zapfen(z, mitte, laenge, breite, winkel, true);
    if (form == TZapfenform::Zirbe) {
        Rahmen(z, mitte, winkel, [&] {
            QPainter& m = z.Maler();
            m.save();
            m.setClipPath(Ellipsenpfad({0, 0}, laenge / 2, breite / 2));
            z.Fuellen(Ellipsenpfad({0, 0}, laenge / 2, breite / 2), QColor(0x8a, 0x5e, 0x6a, 120));
            m.restore();
        });
    }
    if (form == TZapfenform::Schief)
        Rahmen(z, mitte, winkel, [&] {
            // The shields on the sunny side swell into hooks that point back to the base.
            for (int i = 0; i < 5; ++i) {
                const double x = -laenge * 0.36 + i * laenge * 0.16;
                const double y =
                    -breite * 0.5 * std::sqrt(std::max(0.0, 1 - std::pow(x / (laenge * 0.52), 2)));
                QPainterPath haken({x - 12, y + 6});
                haken.quadTo(x, y - 26, x - 22, y - 26);
                haken.quadTo(x + 10, y - 14, x + 12, y + 6);
                haken.closeSubpath();
                z.Flaeche(haken, QColor(0xa0, 0x72, 0x40), TStrich::Fein);
            }
        });
}

void Zapfenform(TZeichner& z, TZapfenform form)
{
    if (form == TZapfenform::Zirbe) {
        z.Linie({20, 270}, {300, 250}, TStrich::Stark, Farbe::Holz);
        Kiefernzapfen(z, {MitteX, 170}, 170, 126, -90, form);
        return;
    }
    z.Linie({20, 30}, {300, 40}, TStrich::Stark, Farbe::Holz);
    if (form == TZapfenform::Walze) {
        z.Linie({MitteX, 34}, {MitteX + 4, 50}, TStrich::Normal);
        Kiefernzapfen(z, {MitteX + 10, 168}, 240, 64, 85, form);
        return;
    }
    z.Linie({MitteX, 34}, {MitteX, 60}, TStrich::Normal);
    Kiefernzapfen(z, {MitteX, 150}, 180, 112, 90, form);
}

void Zapfenstiel(TZeichner& z, bool gestielt)
{
    const QPointF a(20, 40), e(300, 80);
    z.Linie(a, e, TStrich::Stark, Farbe::Holz);
    const QPointF an = Mitte(a, e, 0.45);
    QPointF basis = an;
    if (gestielt) {
        basis = Weiter(an, 80, 60);
        z.Linie(an, basis, TStrich::Achse, Farbe::Holz);
    }
    Kiefernzapfen(z, Weiter(basis, 80, 74), 148, 96, 80, TZapfenform::Ei);
    for (double t : {0.12, 0.8})
        Nadelbuendel(z, Mitte(a, e, t), -80, 2, 90, Nadelgruen);
}

void Kiefernsamen(TZeichner& z, bool gefluegelt)
{
    if (gefluegelt) {
        QPainterPath fluegel({90, 220});
        fluegel.cubicTo(80, 120, 130, 40, 200, 30);
        fluegel.cubicTo(250, 40, 250, 120, 130, 232);
        fluegel.closeSubpath();
        z.Flaeche(fluegel, QColor(0xe6, 0xcc, 0x9e));
        for (int k = 0; k < 4; ++k)
            z.Kurve({110.0 + k * 6, 220}, {140.0 + k * 12, 120}, {180.0 + k * 14, 50},
                    TStrich::Fein, QColor(0xb0, 0x8a, 0x50));
        z.Ellipse({110, 232}, 24, 17, QColor(0x5a, 0x3c, 0x28));
        return;
    }
    z.Ellipse({MitteX, 160}, 62, 80, QColor(0x8a, 0x5a, 0x36), TStrich::Achse);
    z.Kurve({MitteX - 30, 110}, {MitteX - 44, 160}, {MitteX - 26, 210}, TStrich::Fein,
            QColor(0xd0, 0xa8, 0x80));
}

void Kiefernzweig(TZeichner& z, THaar art)
{
    QPainterPath zweig({130, 296});
    zweig.lineTo(150, 8);
    zweig.lineTo(182, 8);
    zweig.lineTo(170, 296);
    zweig.closeSubpath();
    z.Flaeche(zweig, art == THaar::Filz ? QColor(0xc0, 0x70, 0x3a) : QColor(0xc0, 0xa0, 0x6e));
    for (int i = 0; i < 4; ++i) {
        const double y = 250 - i * 66.0;
        const double s = i % 2 ? -1 : 1;
        const QPointF p(158 + s * 14 + (250 - y) * 0.06, y);
        if (art == THaar::Einfach)
            for (int k = 0; k < 7; ++k)
                z.Linie(QPointF(158 + (250 - y) * 0.06 + s * 14, y + 6 + k * 5.0),
                        QPointF(158 + (250 - y) * 0.06 + s * 30, y + 2 + k * 5.0), TStrich::Fein);
        Nadelbuendel(z, p, -90 + s * 50, 2, 110, Nadelgruen);
    }
    if (art == THaar::Filz) {
        QPainter& m = z.Maler();
        m.save();
        m.setClipPath(zweig);
        for (double y = 12; y < 296; y += z.Gr(7, 10))
            for (double x = 134; x < 186; x += z.Gr(8, 11))
                z.Kurve({x, y}, {x + 4, y - 6}, {x + 8, y}, TStrich::Fein, Rostrot.darker(130));
        m.restore();
    }
}

void LfKiefer(TZeichner& z)
{
    z.Boden(280);
    QPainterPath stamm({MitteX - 10, 280});
    stamm.lineTo(MitteX - 5, 90);
    stamm.lineTo(MitteX + 5, 90);
    stamm.lineTo(MitteX + 10, 280);
    stamm.closeSubpath();
    z.Flaeche(stamm, QColor(0xc0, 0x6a, 0x40));
    // An umbrella-like crown of needle clouds on a few branches.
    const QPointF wolken[] = {{100, 92}, {160, 62}, {222, 86}, {130, 118}, {196, 120}};
    for (QPointF w : wolken) {
        z.Linie({MitteX, w.y() + 40}, w, TStrich::Achse, Farbe::Holz);
        z.Ellipse(w, 52, 22, QColor(0x6e, 0x9e, 0x5a));
    }
}

void LfKrummholz(TZeichner& z)
{
    z.Boden(270);
    for (int k = 0; k < 6; ++k) {
        const double s = k % 2 ? -1 : 1;
        const QPointF a(MitteX + s * 10, 270);
        const QPointF st(MitteX + s * (50 + k * 12), 272);
        const QPointF e(MitteX + s * (60 + k * 12), 180 - k * 12.0);
        z.Kurve(a, st, e, TStrich::Stark, Farbe::Holz);
        z.Ellipse(e, 30, 18, QColor(0x4a, 0x7c, 0x44));
    }
}

void RezepteKiefer(TRezeptTabelle& t)
{
    const int g = Pinus;
    auto setze = [&](const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    setze("Lebensform", "B", LfKiefer);
    setze("Lebensform", "S", LfKrummholz);
    setze("Nadel-Farbe", "b", [](TZeichner& z) { Nadelfarbe(z, QColor(0x84, 0xa8, 0xa0)); });
    setze("Nadel-Farbe", "d", [](TZeichner& z) { Nadelfarbe(z, QColor(0x2e, 0x64, 0x34)); });
    setze("Nadel-Farbe", "g", [](TZeichner& z) { Nadelfarbe(z, QColor(0xa6, 0xc6, 0x48)); });
    setze("Nadel-Zahl", "2", [](TZeichner& z) { Nadelzahl(z, 2); });
    setze("Nadel-Zahl", "5", [](TZeichner& z) { Nadelzahl(z, 5); });
    setze("Samen", "g", [](TZeichner& z) { Kiefernsamen(z, true); });
    setze("Samen", "f", [](TZeichner& z) { Kiefernsamen(z, false); });
    setze("Z-Form", "e", [](TZeichner& z) { Zapfenform(z, TZapfenform::Ei); });
    setze("Z-Form", "a", [](TZeichner& z) { Zapfenform(z, TZapfenform::Schief); });
    setze("Z-Form", "z", [](TZeichner& z) { Zapfenform(z, TZapfenform::Walze); });
    setze("Z-Form", "k", [](TZeichner& z) { Zapfenform(z, TZapfenform::Zirbe); });
    setze("Z-Stiel", "s", [](TZeichner& z) { Zapfenstiel(z, false); });
    setze("Z-Stiel", "g", [](TZeichner& z) { Zapfenstiel(z, true); });
    setze("Zweig-Behaarung", "k", [](TZeichner& z) { Kiefernzweig(z, THaar::Keine); });
    setze("Zweig-Behaarung", "f", [](TZeichner& z) { Kiefernzweig(z, THaar::Einfach); });
    setze("Zweig-Behaarung", "b", [](TZeichner& z) { Kiefernzweig(z, THaar::Filz); });
}

// ---- Key 45: Populus --------------------------------------------------------------------------

TBlatt Pappelblatt(TBlattform form = TBlattform::Eifoermig, TRand rand = TRand::Gekerbt)
{
    TBlatt b = Blatt(form, 200, 170, rand, TNervatur::Fieder, 70);
    if (form == TBlattform::Rund) b.Breite = 190, b.Laenge = 180;
    if (form == TBlattform::Raute) b.Breite = 190;
    if (form == TBlattform::Eifoermig) b.Breite = 140, b.Laenge = 210;
    if (form == TBlattform::Hand) {
        b.Lappen = 5;
        b.Laenge = 200;
        b.Breite = 200;
        b.Rand = TRand::Gelappt;
        b.Nerven = TNervatur::Hand;
    }
    return b;
}

// The base of a blade where the stalk enters it, enlarged, with glands or without.
void Blattgrund(TZeichner& z, TBlatt b, char druesen)
{
    b.Stiel = 150;
    // Enlarged so that the base of the blade comes to lie a little above the middle.
    const double faktor = 1.9;
    const QPointF ziel(MitteX, 165);
    const QPointF grund0 = GrossesBlattLage(b).map(QPointF(0, 0));
    const QPointF fix = (grund0 * faktor - ziel) / (faktor - 1);
    Vergroessert(z, fix, faktor, [&] { GrossesBlatt(z, b); });
    const QPointF grund = ziel;
    const QColor farbe(0xc0, 0x4a, 0x2a);
    switch (druesen) {
    case 's':
        for (double s : {-1.0, 1.0})
            z.Ellipse(grund + QPointF(s * z.Gr(10, 13), z.Gr(22, 26)), z.Gr(7, 10), z.Gr(6, 8),
                      farbe);
        break;
    case 'g':
        for (double s : {-1.0, 1.0})
            z.Ellipse(grund + QPointF(s * 30, -22), z.Gr(8, 11), z.Gr(6, 8),
                      QColor(0xc8, 0xa0, 0x40), TStrich::Fein);
        break;
    case 'b':
        for (double s : {-1.0, 1.0})
            z.Kreis(grund + QPointF(s * z.Gr(14, 18), -z.Gr(4, 6)), z.Gr(7, 10), Farbe::Druese);
        break;
    default:
        break;
    }
}

void Pappelstiel(TZeichner& z, bool flach)
{
    // The stalk from the side and, enlarged, cut across.
    TBlatt b = Pappelblatt(TBlattform::Rund, TRand::Gekerbt);
    b.Stiel = 110;
    b.Laenge = 140;
    b.Breite = 150;
    const QPointF an(60, 290);
    const QPointF spreite = Weiter(an, -70, b.Stiel);
    if (flach) {
        Rahmen(z, an, -70, [&] {
            QPainterPath band({0, -2});
            band.lineTo(b.Stiel, -z.Gr(8, 10));
            band.lineTo(b.Stiel, z.Gr(8, 10));
            band.lineTo(0, 2);
            band.closeSubpath();
            z.Flaeche(band, QColor(0xb6, 0xd6, 0x90));
        });
    }
    TBlatt ohneStiel = b;
    ohneStiel.Stiel = 0;
    if (!flach) z.Linie(an, spreite, TStrich::Achse);
    ZeichneBlatt(z, spreite, -70, ohneStiel);
    const QPointF q(248, 220);
    z.Kreis(q, 46, Farbe::Weiss, TStrich::Fein, QColor(0x99, 0x99, 0x99));
    if (flach)
        z.Ellipse(q, 12, 34, Farbe::Schnitt);
    else
        z.Kreis(q, 24, Farbe::Schnitt);
    z.Strichlinie(Weiter(an, -70, 50), {q.x() - 46, q.y()}, QColor(0x99, 0x99, 0x99));
}

// A bract of a poplar catkin: a wedge, fringed at its top.
void Pappeldeckblatt(TZeichner& z, bool zottig)
{
    QPainterPath d({MitteX, 270});
    d.lineTo(MitteX - 80, 110);
    for (int i = 0; i < 7; ++i) {
        const double x = MitteX - 80 + i * 160 / 6.0;
        const double w = -90 + (i - 3) * 16;
        d.lineTo(Weiter({x, 110}, w, 50));
        if (i < 6) d.lineTo(x + 160 / 12.0, 116);
    }
    d.lineTo(MitteX + 80, 110);
    d.closeSubpath();
    z.Flaeche(d, QColor(0xc8, 0xa0, 0x78));
    for (int i = 0; i < 7; ++i) {
        const double x = MitteX - 80 + i * 160 / 6.0;
        z.Linie({MitteX, 260}, {x, 112}, TStrich::Fein);
    }
    if (zottig)
        Randbesatz(z, d, z.Gr(8, 12), z.Gr(30, 36), THaar::Einfach, QColor(0x70, 0x70, 0x70));
}

void RezepteGehoelze45(TRezeptTabelle& t)
{
    const int g = Populus;
    auto setze = [&](const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    TBlatt grund = Pappelblatt();
    auto unterseite = [&](QColor farbe, THaar haar) {
        TOberflaeche o;
        o.Farbe = farbe;
        o.Haare = haar;
        return [grund, o](TZeichner& z) { BlattFlaeche(z, grund, o); };
    };
    setze("B-Behaarung", "w", unterseite(Filz, THaar::Filz));
    setze("B-Behaarung", "g", unterseite(QColor(0xc8, 0xcc, 0xbe), THaar::Flaum));
    setze("B-Behaarung", "k", unterseite(Farbe::Blatt, THaar::Keine));
    setze("B-Behaarung", "h", unterseite(QColor(0xea, 0xe2, 0xc8), THaar::Keine));
    setze("B-Form", "r", Blattbild(Pappelblatt(TBlattform::Rund)));
    setze("B-Form", "d", Blattbild(Pappelblatt(TBlattform::Raute)));
    setze("B-Form", "e", Blattbild(Pappelblatt(TBlattform::Eifoermig)));
    setze("B-Form", "l", Blattbild(Pappelblatt(TBlattform::Hand)));
    TBlatt rund = Pappelblatt(TBlattform::Rund, TRand::Gebuchtet);
    setze("B-Rand", "g", Blattbild(rund));
    rund.Rand = TRand::Gekerbt;
    setze("B-Rand", "k", Blattbild(rund));
    rund.Rand = TRand::Gelappt;
    rund.Lappen = 3;
    setze("B-Rand", "l", Blattbild(rund));
    setze("B-Rand-Behaarung", "b",
          [](TZeichner& z) { Randausschnitt(z, TZahnung::Gekerbt, false, true); });
    setze("B-Rand-Behaarung", "k",
          [](TZeichner& z) { Randausschnitt(z, TZahnung::Gekerbt, false, false); });
    setze("B-Stiel", "s", [](TZeichner& z) { Pappelstiel(z, true); });
    setze("B-Stiel", "r", [](TZeichner& z) { Pappelstiel(z, false); });
    setze("Deckblätter", "b", [](TZeichner& z) { Pappeldeckblatt(z, true); });
    setze("Deckblätter", "k", [](TZeichner& z) { Pappeldeckblatt(z, false); });
    setze("Drüsen", "+", [](TZeichner& z) { Blattgrund(z, Pappelblatt(TBlattform::Raute), 'b'); });
    setze("Drüsen", "-", [](TZeichner& z) { Blattgrund(z, Pappelblatt(TBlattform::Raute), 'o'); });
}

// ---- Key 47: Potentilla -----------------------------------------------------------------------

void Fuenffinger(TZeichner& z, char form)
{
    const QPointF an(MitteX, 292);
    switch (form) {
    case '3':
        ZeichneGefingert(z, an, -90, 110, 3, 110, 60, TRand::Gesaegt);
        break;
    case '5':
        ZeichneGefingert(z, an, -90, 110, 5, 110, 46, TRand::Gesaegt);
        break;
    case '7':
        for (int i = 0; i < 7; ++i) {
            const double v = (i - 3) * 28.0;
            TBlatt b = Blatt(TBlattform::VerkehrtEifoermig, 110 * (1 - 0.2 * std::abs(v) / 90), 36,
                             TRand::Gesaegt, TNervatur::Mittelnerv, 2);
            ZeichneBlatt(z, Weiter(an, -90, 120), -90 + v, b);
        }
        z.Linie(an, Weiter(an, -90, 120), TStrich::Normal);
        break;
    case 'f': {
        TFiederblatt f;
        f.Paare = 5;
        f.Laenge = 230;
        f.Stiel = 20;
        f.BlaettchenLaenge = 56;
        f.BlaettchenBreite = 28;
        f.Rand = TRand::Gesaegt;
        ZeichneFiederblatt(z, an, -90, f);
        break;
    }
    default:
        break;
    }
}

void Fingerkrautbluete(TZeichner& z, QPointF m, double r, const QColor& farbe, int zahl = 5,
                       double kron = 1, bool ausgerandet = true, double kelch = 0.62)
{
    for (int i = 0; i < zahl; ++i) {
        const double w = -90 + 180.0 / zahl + 360.0 * i / zahl;
        Kelchblatt(z, m, w, r * kelch, r * 0.3);
    }
    for (int i = 0; i < zahl; ++i) {
        const double w = -90 + 360.0 * i / zahl;
        Kronblatt(z, Weiter(m, w, r * 0.08), w, r * 0.92 * kron,
                  r * (zahl == 4 ? 0.9 : 0.72) * kron, farbe, ausgerandet);
    }
    for (int i = 0; i < 20; ++i) {
        const double w = -90 + 18.0 * i;
        Staubblatt(z, Weiter(m, w, r * 0.1), Weiter(m, w, r * (i % 2 ? 0.24 : 0.3)), z.Gr(3, 5));
    }
    z.Kreis(m, r * 0.12, Farbe::Kelch, TStrich::Fein);
}

TRezept Fingerkrautfarbe(QColor farbe, bool fleck = false, double kron = 1)
{
    return [farbe, fleck, kron](TZeichner& z) {
        const QPointF m(MitteX, 150);
        Fingerkrautbluete(z, m, 136, farbe, 5, kron, true, kron < 1 ? 0.8 : 0.62);
        if (fleck)
            for (int i = 0; i < 5; ++i)
                z.Ellipse(Weiter(m, -90 + 72.0 * i, 40), 11, 11, QColor(0xe0, 0x6a, 0x14),
                          TStrich::Fein, QColor(0xe0, 0x6a, 0x14));
    };
}

TRezept Kronblattlaenge(char art)
{
    return [art](TZeichner& z) {
        if (art == 'k') {
            Fingerkrautbluete(z, {MitteX, 150}, 136, Bluetenfarbe::Gelb, 5, 0.5, false, 0.95);
            return;
        }
        Fingerkrautbluete(z, {MitteX, 150}, 136, Bluetenfarbe::Gelb, 5, 1, art == 'a', 0.6);
    };
}

void Kleinblatt(TZeichner& z, QPointF an, double winkel, double l)
{
    ZeichneGefingert(z, an, winkel, l * 0.5, 5, l * 0.6, l * 0.26, TRand::Gesaegt);
}

void Fingerkrautstand(TZeichner& z, char art)
{
    const QColor gelb = Bluetenfarbe::Gelb;
    switch (art) {
    case 'e': {
        // A long-stalked flower from the axil of each leaf.
        z.Boden(280);
        z.Kurve({20, 262}, {160, 240}, {300, 258}, TStrich::Achse);
        for (double x : {80.0, 200.0}) {
            const QPointF k(x, 248);
            Kleinblatt(z, k, -120, 90);
            z.Kurve(k, {x + 20, 160}, {x + 30, 80}, TStrich::Normal);
            Fingerkrautbluete(z, {x + 30, 72}, 42, gelb);
        }
        break;
    }
    case 'w': {
        z.Boden(286);
        z.Linie({MitteX, 286}, {MitteX, 120}, TStrich::Achse);
        for (double y : {240.0, 180.0})
            Kleinblatt(z, {MitteX, y}, y > 200 ? -30 : -150, 80);
        for (int i = 0; i < 3; ++i) {
            const QPointF p = Weiter({MitteX, 120}, -130 + i * 40, 60);
            z.Linie({MitteX, 120}, p, TStrich::Normal);
            Fingerkrautbluete(z, p, 36, gelb);
        }
        break;
    }
    case 't': {
        z.Boden(286);
        z.Linie({MitteX, 286}, {MitteX, 150}, TStrich::Achse);
        Kleinblatt(z, {MitteX, 240}, -30, 80);
        Kleinblatt(z, {MitteX, 200}, -150, 70);
        std::function<void(QPointF, double, double, int)> ast = [&](QPointF p, double w, double l,
                                                                    int tiefe) {
            const QPointF e = Weiter(p, w, l);
            z.Linie(p, e, TStrich::Normal);
            if (tiefe == 0) {
                Fingerkrautbluete(z, e, 17, gelb);
                return;
            }
            Fingerkrautbluete(z, e, 17, gelb);
            ast(e, w - 32, l * 0.72, tiefe - 1);
            ast(e, w + 32, l * 0.72, tiefe - 1);
        };
        ast({MitteX, 150}, -125, 50, 2);
        ast({MitteX, 150}, -55, 50, 2);
        break;
    }
    default:
        break;
    }
}

void Fingerkrautstengel(TZeichner& z, char art)
{
    const QColor gelb = Bluetenfarbe::Gelb;
    switch (art) {
    case 'a':
        z.Boden(280);
        z.Linie({MitteX, 280}, {MitteX, 60}, TStrich::Achse);
        for (int i = 0; i < 3; ++i)
            Kleinblatt(z, {MitteX, 240 - i * 60.0}, i % 2 ? -150 : -30, 80);
        Fingerkrautbluete(z, {MitteX, 50}, 38, gelb);
        break;
    case 'n':
        z.Boden(250);
        for (double s : {-1.0, 1.0}) {
            const QPointF a(MitteX, 248), st(MitteX + s * 110, 252), e(MitteX + s * 130, 130);
            z.Kurve(a, st, e, TStrich::Achse);
            Kleinblatt(z, Mitte(Mitte(a, st, 0.6), Mitte(st, e, 0.6), 0.6), -90 - s * 30, 60);
            Fingerkrautbluete(z, e, 32, gelb);
        }
        break;
    case 'k':
        z.Boden(230);
        // A runner lying on the ground, rooting and leafing at each node.
        z.Kurve({20, 226}, {160, 236}, {310, 224}, TStrich::Achse, QColor(0x9a, 0x4a, 0x3a));
        for (double x : {70.0, 170.0, 270.0}) {
            for (int k = -1; k <= 1; ++k)
                z.Kurve({x, 230}, {x + k * 8, 250}, {x + k * 18, 272}, TStrich::Fein, Farbe::Samen);
            Kleinblatt(z, {x, 228}, -100, 80);
        }
        z.Kurve({170, 228}, {140, 160}, {120, 80}, TStrich::Normal);
        Fingerkrautbluete(z, {120, 70}, 30, gelb);
        break;
    case 'r':
        z.Boden(260);
        // A dense cushion of short shoots.
        z.Ellipse({MitteX, 250}, 140, 60, QColor(0xb8, 0xd6, 0x96));
        for (int i = 0; i < 9; ++i) {
            const QPointF p(MitteX - 110 + i * 27.5, 218 + (i % 2) * 14);
            Kleinblatt(z, p + QPointF(0, 20), -90 + (i - 4) * 8, 46);
        }
        for (double x : {100.0, 190.0, 240.0})
            Fingerkrautbluete(z, {x, 178}, 24, gelb);
        break;
    default:
        break;
    }
}

void RezepteFingerkraut(TRezeptTabelle& t)
{
    const int g = Potentilla;
    auto setze = [&](const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    const TBlatt fieder =
        Blatt(TBlattform::VerkehrtEifoermig, 220, 120, TRand::Gesaegt, TNervatur::Mittelnerv, 30);
    auto flaeche = [fieder](QColor farbe, THaar haar, double dichte = 1) {
        TOberflaeche o;
        o.Farbe = farbe;
        o.Haare = haar;
        o.Dichte = dichte;
        return [fieder, o](TZeichner& z) {
            BlattFlaeche(z, fieder, o);
            if (o.Haare == THaar::Anliegend)
                Randbesatz(z, GrossesBlattLage(fieder).map(BlattPfad(fieder)), z.Gr(9, 13),
                           z.Gr(12, 16), THaar::Einfach, QColor(0x80, 0x88, 0x80));
        };
    };
    setze("B-Behaarung", "k", flaeche(Farbe::Blatt, THaar::Keine));
    setze("B-Behaarung", "b", flaeche(Farbe::Blatt, THaar::Einfach, 1.2));
    setze("B-Behaarung", "f", flaeche(Filz, THaar::Filz));
    setze("B-Behaarung", "s", flaeche(Silber, THaar::Anliegend, 1.4));
    setze("B-Behaarung", "st", flaeche(QColor(0xbc, 0xcc, 0xb0), THaar::Stern, 1.1));
    for (const char* code : {"3", "5", "7", "f"})
        setze("B-Form", code, [c = code[0]](TZeichner& z) { Fuenffinger(z, c); });
    for (const char* code : {"e", "w", "t"})
        setze("Blst", code, [c = code[0]](TZeichner& z) { Fingerkrautstand(z, c); });
    setze("Blüten", "4", [](TZeichner& z) {
        Fingerkrautbluete(z, {MitteX, 150}, 136, Bluetenfarbe::Gelb, 4);
        z.Zahl(QStringLiteral("4"));
    });
    setze("Blüten", "5", [](TZeichner& z) {
        Fingerkrautbluete(z, {MitteX, 150}, 136, Bluetenfarbe::Gelb, 5);
        z.Zahl(QStringLiteral("5"));
    });
    setze("Blütenfarbe", "g", Fingerkrautfarbe(Bluetenfarbe::Gelb));
    setze("Blütenfarbe", "h", Fingerkrautfarbe(QColor(0xfa, 0xec, 0x96)));
    setze("Blütenfarbe", "o", Fingerkrautfarbe(QColor(0xf6, 0xc0, 0x10), true));
    setze("Blütenfarbe", "w", Fingerkrautfarbe(Bluetenfarbe::Weiss));
    setze("Blütenfarbe", "r", Fingerkrautfarbe(QColor(0x8a, 0x1e, 0x2e), false, 0.55));
    for (const char* code : {"a", "g", "k"})
        setze("Kronblätter", code, Kronblattlaenge(code[0]));
    setze("Lebensform", "e", LfEinjaehrig);
    setze("Lebensform", "a", LfAusdauernd);
    setze("Lebensform", "h", LfHalbstrauch);
    setze("Lebensform", "s", LfStrauch);
    for (const char* code : {"a", "n", "k", "r"})
        setze("Stengel", code, [c = code[0]](TZeichner& z) { Fingerkrautstengel(z, c); });
}

// ---- Key 48: Prunus ---------------------------------------------------------------------------

const QColor Kirschweiss{0xff, 0xff, 0xff};

void Kirschbluete(TZeichner& z, QPointF m, double r, const QColor& farbe = Kirschweiss)
{
    // Small flowers of an inflorescence go without their many stamens, which would blot them.
    TBlueteOben b{5, farbe, false, 0, r > 60 ? -1 : 0, 1};
    b.Kronblattbreite = 1.4;
    BlueteOben(z, m, r, b);
}

TBlatt Kirschblatt()
{
    return Blatt(TBlattform::Elliptisch, 230, 110, TRand::Gesaegt, TNervatur::Fieder, 30);
}

void Kirschzweig(TZeichner& z, QPointF a, QPointF e)
{
    z.Linie(a, e, TStrich::Stark, Farbe::Holz);
}

void Bluehzeit(TZeichner& z, char art)
{
    const QPointF a(20, 290), e(300, 30);
    Kirschzweig(z, a, e);
    for (int i = 0; i < 3; ++i) {
        const QPointF p = Mitte(a, e, 0.2 + i * 0.3);
        if (art == 'g')
            for (double w : {-30.0, -70.0}) {
                TBlatt b =
                    Blatt(TBlattform::Elliptisch, 40, 18, TRand::Gesaegt, TNervatur::Mittelnerv, 0);
                b.Fuellung = QColor(0xd8, 0xee, 0xb0);
                ZeichneBlatt(z, p, w, b);
            }
        if (art == 'n') {
            TBlatt b = Kirschblatt();
            b.Laenge = 90;
            b.Breite = 44;
            b.Stiel = 10;
            b.Nerven = TNervatur::Mittelnerv;
            ZeichneBlatt(z, p, i % 2 ? 10 : -80, b);
        }
        for (int k = 0; k < 2; ++k) {
            const QPointF bl = Weiter(p, -150 + k * 40.0, 48);
            z.Linie(p, bl, TStrich::Fein);
            Kirschbluete(z, bl, 34);
        }
    }
}

void Kirschstand(TZeichner& z, char art)
{
    switch (art) {
    case 'e': {
        Kirschzweig(z, {20, 290}, {300, 200});
        const QPointF p = Mitte({20, 290}, {300, 200}, 0.5);
        for (double w : {-115.0, -70.0}) {
            const QPointF bl = Weiter(p, w, 90);
            z.Linie(p, bl, TStrich::Normal);
            Kirschbluete(z, bl, 56);
        }
        break;
    }
    case 'd': {
        // All stalks start at one point among the bud scales: no common axis.
        Kirschzweig(z, {20, 290}, {300, 250});
        const QPointF p(MitteX, 268);
        for (double w : {-130.0, -50.0})
            Dorn(z, p, w, 20, 14, QColor(0xa8, 0x80, 0x50));
        for (int i = 0; i < 5; ++i) {
            const double w = -150 + i * 30.0;
            const QPointF bl = Weiter(p, w, 150 - std::abs(i - 2) * 20.0);
            z.Linie(p, bl, TStrich::Normal);
            Kirschbluete(z, bl, 34);
        }
        break;
    }
    case 's': {
        Kirschzweig(z, {20, 290}, {300, 250});
        const QPointF p(MitteX, 268);
        const QPointF spitze(MitteX, 190);
        z.Linie(p, spitze, TStrich::Normal);
        for (int i = 0; i < 6; ++i) {
            const double t = i / 5.0;
            const QPointF an = Mitte(p, spitze, 0.3 + t * 0.7);
            const double s = i % 2 ? -1 : 1;
            const QPointF bl(MitteX + s * (110 - i * 20.0), 90 - (i % 2) * 6.0);
            z.Linie(an, bl, TStrich::Normal);
            Kirschbluete(z, bl, 26);
        }
        break;
    }
    case 't': {
        Kirschzweig(z, {20, 290}, {120, 270});
        const QPointF a(110, 272), e(230, 20);
        z.Linie(a, e, TStrich::Normal);
        for (int i = 0; i < 9; ++i) {
            const QPointF an = Mitte(a, e, 0.1 + i * 0.1);
            const double s = i % 2 ? -1 : 1;
            const QPointF bl = an + QPointF(s * 30, -4);
            z.Linie(an, bl, TStrich::Fein);
            Kirschbluete(z, bl, 18);
        }
        break;
    }
    default:
        break;
    }
}

void Schlehdorn(TZeichner& z, bool dornig)
{
    const QPointF a(40, 296), e(240, 10);
    Kirschzweig(z, a, e);
    for (int i = 0; i < 3; ++i) {
        const QPointF p = Mitte(a, e, 0.2 + i * 0.28);
        const double s = i % 2 ? -1 : 1;
        const double w = Winkel(a, e) + s * 55;
        if (dornig) {
            Dorn(z, p, w, 110, z.Gr(12, 16));
            TBlatt b =
                Blatt(TBlattform::Elliptisch, 50, 24, TRand::Gesaegt, TNervatur::Mittelnerv, 4);
            ZeichneBlatt(z, Weiter(p, w, 40), w - s * 60, b);
        } else {
            const QPointF k = Weiter(p, w, 40);
            z.Linie(p, k, TStrich::Achse, Farbe::Holz);
            z.Ellipse(Weiter(k, w, 8), 10, 10, QColor(0xa8, 0x80, 0x50));
            TBlatt b =
                Blatt(TBlattform::Elliptisch, 60, 28, TRand::Gesaegt, TNervatur::Mittelnerv, 4);
            ZeichneBlatt(z, k, w - 40, b);
            ZeichneBlatt(z, k, w + 40, b);
        }
    }
}

void Knospenlage(TZeichner& z, bool gefaltet)
{
    // A bud cut across: bud scales around the young leaf.
    const QPointF m(MitteX, 150);
    z.Kreis(m, 120, QColor(0xd8, 0xb8, 0x8c), TStrich::Normal);
    z.Kreis(m, 104, Farbe::Weiss, TStrich::Fein);
    if (gefaltet) {
        // Folded along the midrib, the halves lying face to face.
        for (double s : {-1.0, 1.0}) {
            QPainterPath haelfte({m.x(), m.y() + 70});
            haelfte.cubicTo(m.x() + s * 12, m.y() + 20, m.x() + s * 14, m.y() - 40, m.x() + s * 6,
                            m.y() - 80);
            haelfte.lineTo(m.x() + s * 20, m.y() - 80);
            haelfte.cubicTo(m.x() + s * 30, m.y() - 30, m.x() + s * 24, m.y() + 30, m.x(),
                            m.y() + 84);
            haelfte.closeSubpath();
            z.Flaeche(haelfte, Farbe::Blatt);
        }
        z.Kreis({m.x(), m.y() + 76}, 9, Farbe::Blatt);
        return;
    }
    // Rolled up from one margin like a scroll.
    QPainterPath rolle;
    for (int i = 0; i <= 120; ++i) {
        const double phi = i * 0.12;
        const double r = 80 - i * 0.58;
        const QPointF p(m.x() + std::cos(phi) * r, m.y() + std::sin(phi) * r);
        if (i == 0)
            rolle.moveTo(p);
        else
            rolle.lineTo(p);
    }
    QPainter& mm = z.Maler();
    mm.save();
    mm.setPen(QPen(Farbe::Linie, z.Gr(14, 9), Qt::SolidLine, Qt::RoundCap));
    mm.setBrush(Qt::NoBrush);
    mm.drawPath(rolle);
    mm.setPen(QPen(Farbe::Blatt, z.Gr(10, 5), Qt::SolidLine, Qt::RoundCap));
    mm.drawPath(rolle);
    mm.restore();
}

void Konsistenz(TZeichner& z, char art)
{
    TBlatt b = Kirschblatt();
    TOberflaeche o;
    if (art == 'i') {
        b.Form = TBlattform::Lanzettlich;
        b.Breite = 90;
        b.Rand = TRand::Ganz;
        o.Farbe = QColor(0x4e, 0x86, 0x46);
        o.Glanz = true;
        b.Strich = TStrich::Achse;
    } else if (art == 's') {
        o.Farbe = QColor(0x8c, 0xc0, 0x6a);
        o.Glanz = true;
    } else {
        o.Farbe = QColor(0xd6, 0xe8, 0xbe);
    }
    BlattFlaeche(z, b, o);
}

void Steinfruechte(TZeichner& z, const QColor& farbe, bool bereift)
{
    const QPointF a(20, 40), e(300, 60);
    Kirschzweig(z, a, e);
    for (double s : {-1.0, 1.0}) {
        const QPointF an = Mitte(a, e, 0.5);
        const QPointF m(MitteX + s * 62, 190);
        z.Kurve(an, {MitteX + s * 30, 90}, {m.x(), m.y() - 60}, TStrich::Normal);
        z.Kreis(m, 66, farbe);
        if (bereift) z.Fuellen(Ellipsenpfad(m, 64, 64), QColor(0xc8, 0xd0, 0xe8, 110));
        z.Kurve({m.x() - 6, m.y() - 64}, {m.x() + 14, m.y()}, {m.x() - 2, m.y() + 64},
                TStrich::Fein);
        z.Ellipse({m.x() - 24, m.y() - 26}, 12, 8, QColor(255, 255, 255, bereift ? 60 : 170),
                  TStrich::Fein, QColor(0, 0, 0, 0));
    }
}

void Fruchtknotenhaare(TZeichner& z, bool behaart)
{
    const QPointF fuss(MitteX, 250);
    const double hoehe = 220, breite = 100;
    z.Linie({MitteX, Unten}, fuss, TStrich::Achse);
    Stempel(z, fuss, hoehe, breite, 1);
    if (behaart) {
        const double knoten = hoehe * 0.38;
        const QPainterPath knoll =
            Ellipsenpfad({fuss.x(), fuss.y() - knoten / 2}, breite / 2, knoten / 2);
        Randbesatz(z, knoll, z.Gr(7, 10), z.Gr(14, 18));
        Behaarung(z, knoll, THaar::Einfach, 1.4);
    }
}

void Kirschkelch(TZeichner& z, bool zurueck)
{
    if (zurueck) {
        // A flower from the side: sepals bent back down the stalk.
        const QPointF b(MitteX, 190);
        z.Linie({MitteX, Unten}, b, TStrich::Achse);
        QPainterPath becher({MitteX - 34, 150});
        becher.quadTo(MitteX - 20, 196, MitteX, 196);
        becher.quadTo(MitteX + 20, 196, MitteX + 34, 150);
        becher.closeSubpath();
        for (double s : {-1.0, 1.0}) {
            Kelchblatt(z, {MitteX + s * 30, 160}, s > 0 ? 60 : 120, 70, 26);
            Kronblatt(z, {MitteX + s * 20, 150}, -90 + s * 40, 110, 80, Kirschweiss);
        }
        Kronblatt(z, {MitteX, 150}, -90, 110, 80, Kirschweiss);
        z.Flaeche(becher, Farbe::Kelch);
        for (int i = -3; i <= 3; ++i)
            Staubblatt(z, {MitteX + i * 6.0, 150}, {MitteX + i * 18.0, 90}, z.Gr(5, 8));
        return;
    }
    // The ripe fruit still sits on the spreading calyx.
    const QPointF m(MitteX, 130);
    z.Linie({MitteX, Unten}, {MitteX, 214}, TStrich::Achse);
    for (int i = 0; i < 5; ++i)
        Kelchblatt(z, {MitteX, 212}, -180 + i * 45.0, 56, 22);
    z.Kreis(m, 86, QColor(0x3a, 0x1c, 0x24));
    z.Ellipse({m.x() - 30, m.y() - 34}, 14, 9, QColor(255, 255, 255, 160), TStrich::Fein,
              QColor(0, 0, 0, 0));
}

void Kirschstein(TZeichner& z, char art)
{
    const QColor farbe(0xe8, 0xd4, 0xa8);
    if (art == 'g') {
        z.Kreis({MitteX, 150}, 96, farbe, TStrich::Achse);
        z.Kurve({MitteX, 56}, {MitteX + 12, 150}, {MitteX, 244}, TStrich::Fein);
        return;
    }
    if (art == 'f') {
        // The face and, beside it, the narrow edge with its keel.
        QPainterPath flach({110, 40});
        flach.cubicTo(200, 60, 210, 220, 110, 262);
        flach.cubicTo(20, 220, 30, 60, 110, 40);
        z.Flaeche(flach, farbe, TStrich::Achse);
        QPainterPath kante({250, 40});
        kante.cubicTo(280, 80, 280, 220, 250, 262);
        kante.cubicTo(220, 220, 220, 80, 250, 40);
        z.Flaeche(kante, farbe, TStrich::Achse);
        z.Linie({250, 44}, {250, 258}, TStrich::Normal);
        for (double s : {-1.0, 1.0})
            z.Kurve({250 + s * 4, 60}, {250 + s * 12, 150}, {250 + s * 4, 240}, TStrich::Fein);
        return;
    }
    QPainterPath stein({MitteX, 40});
    stein.cubicTo(MitteX + 110, 60, MitteX + 110, 230, MitteX, 262);
    stein.cubicTo(MitteX - 110, 230, MitteX - 110, 60, MitteX, 40);
    z.Flaeche(stein, farbe, TStrich::Achse);
    QPainter& m = z.Maler();
    m.save();
    m.setClipPath(stein);
    for (int i = 0; i < 7; ++i)
        z.Kurve({MitteX - 80.0 + i * 26, 50}, {MitteX - 100.0 + i * 30 + (i % 2) * 30, 150},
                {MitteX - 80.0 + i * 26, 250}, TStrich::Normal);
    for (int i = 0; i < 18; ++i)
        z.Punkt({MitteX - 70 + Zufall(i, 3) * 140, 70 + Zufall(3, i) * 170}, z.Gr(3, 5),
                QColor(0x9a, 0x7a, 0x50));
    m.restore();
}

void RezeptePrunus(TRezeptTabelle& t)
{
    const int g = Prunus;
    auto setze = [&](const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    auto unten = [](bool nerven, bool bart) {
        return [nerven, bart](TZeichner& z) {
            TOberflaeche o;
            o.Farbe = QColor(0xdc, 0xec, 0xc8);
            o.NervenHaare = nerven;
            o.Achselbart = bart;
            BlattFlaeche(z, Kirschblatt(), o);
        };
    };
    setze("B-Behaarung", "k", unten(false, false));
    setze("B-Behaarung", "a", unten(false, true));
    setze("B-Behaarung", "u", unten(true, false));
    setze("B-Drüsen", "s", [](TZeichner& z) { Blattgrund(z, Kirschblatt(), 's'); });
    setze("B-Drüsen", "g", [](TZeichner& z) { Blattgrund(z, Kirschblatt(), 'g'); });
    setze("B-Drüsen", "o", [](TZeichner& z) { Blattgrund(z, Kirschblatt(), 'o'); });
    setze("B-Faltung", "f", [](TZeichner& z) { Knospenlage(z, true); });
    setze("B-Faltung", "r", [](TZeichner& z) { Knospenlage(z, false); });
    for (const char* code : {"i", "s", "w"})
        setze("B-Konsistenz", code, [c = code[0]](TZeichner& z) { Konsistenz(z, c); });
    setze("Bl-Farbe", "w", [](TZeichner& z) { Kirschbluete(z, {MitteX, 150}, 136); });
    setze("Bl-Farbe", "g", [](TZeichner& z) {
        Kirschbluete(z, {MitteX, 150}, 136, QColor(0xe6, 0xee, 0xc8));
    });
    setze("Bl-Farbe", "r", [](TZeichner& z) {
        Kirschbluete(z, {MitteX, 150}, 136, QColor(0xf6, 0xb8, 0xcc));
    });
    for (const char* code : {"v", "g", "n"})
        setze("Bl-Zeit", code, [c = code[0]](TZeichner& z) { Bluehzeit(z, c); });
    for (const char* code : {"e", "d", "s", "t"})
        setze("Blst", code, [c = code[0]](TZeichner& z) { Kirschstand(z, c); });
    setze("Dornen", "+", [](TZeichner& z) { Schlehdorn(z, true); });
    setze("Dornen", "-", [](TZeichner& z) { Schlehdorn(z, false); });
    setze("Drüsen", "d", [](TZeichner& z) { Randausschnitt(z, TZahnung::Gesaegt, true, false); });
    setze("Drüsen", "g", [](TZeichner& z) { Randausschnitt(z, TZahnung::Entfernt, false, false); });
    setze("Fr-Farbe", "s", [](TZeichner& z) { Steinfruechte(z, QColor(0x3a, 0x16, 0x24), false); });
    setze("Fr-Farbe", "b", [](TZeichner& z) { Steinfruechte(z, QColor(0x34, 0x3c, 0x7a), true); });
    setze("Fr-Farbe", "r", [](TZeichner& z) { Steinfruechte(z, QColor(0xd3, 0x30, 0x26), false); });
    setze("Fr-Farbe", "g", [](TZeichner& z) { Steinfruechte(z, QColor(0xf2, 0xa8, 0x2a), false); });
    setze("Frkn", "k", [](TZeichner& z) { Fruchtknotenhaare(z, false); });
    setze("Frkn", "b", [](TZeichner& z) { Fruchtknotenhaare(z, true); });
    setze("Kelch", "z", [](TZeichner& z) { Kirschkelch(z, true); });
    setze("Kelch", "b", [](TZeichner& z) { Kirschkelch(z, false); });
    for (const char* code : {"g", "r", "f"})
        setze("Stein", code, [c = code[0]](TZeichner& z) { Kirschstein(z, c); });
}

// ---- Key 49: Quercus --------------------------------------------------------------------------

TLappenblatt Eichenblatt(char rand = 'r', char grund = 'g')
{
    TLappenblatt l;
    l.Grund = grund;
    if (rand == 'g') {
        l.Lappen = 3;
        l.Tiefe = 0.55;
        l.Spitz = true;
        l.Grannen = true;
        l.VerkehrtEi = false;
        l.Breite = 200;
    } else if (rand == 'z') {
        l.Lappen = 6;
        l.Tiefe = 0.62;
        l.Spitz = true;
        l.VerkehrtEi = false;
        l.Breite = 150;
    } else {
        l.Lappen = 5;
        l.Tiefe = 0.55;
        l.Breite = 200;
    }
    return l;
}

void Eichenrand(TZeichner& z, char rand)
{
    TLappenblatt l = Eichenblatt(rand);
    l.Laenge = 260;
    Lappenblatt(z, {MitteX, 278}, l);
}

void Eichengrund(TZeichner& z, char grund)
{
    // The lower half of the leaf, enlarged.
    TLappenblatt l = Eichenblatt('r', grund);
    l.Laenge = 420;
    l.Breite = 300;
    l.Stiel = grund == 'o' ? 10 : 30;
    Lappenblatt(z, {MitteX, 256}, l);
}

void Eichenunterseite(TZeichner& z, char art)
{
    TLappenblatt l = Eichenblatt('r', 'g');
    l.Laenge = 420;
    l.Breite = 300;
    l.Fuellung = art == 'f' ? Filz : QColor(0xd8, 0xe8, 0xc4);
    const TLappenErgebnis e = Lappenblatt(z, {MitteX, 270}, l);
    if (art == 'f') Behaarung(z, e.Pfad, THaar::Filz);
    if (art == 's') Behaarung(z, e.Pfad, THaar::Stern, 0.8);
    if (art == 'k')
        for (QPointF p : e.Spitzen) {
            if (p.y() < 0) continue;
            const double t = (270 - p.y()) / l.Laenge;
            const QPointF a(MitteX, 270 - std::max(0.0, t - 0.1) * l.Laenge);
            for (int k = -2; k <= 2; ++k)
                z.Linie(a, Weiter(a, (p.x() > MitteX ? -60 : -120) + k * 12, z.Gr(9, 13)),
                        TStrich::Fein, Rostrot);
        }
}

enum class TBecher
{
    Angedrueckt,
    Fransig,
    Flach,
};

void Eichel(TZeichner& z, QPointF becherMitte, double g, double winkel, TBecher becher)
{
    Rahmen(z, becherMitte, winkel + 90, [&] {
        // In the frame the acorn points up (-y); the cup sits at the origin.
        const double nussL = becher == TBecher::Flach ? g * 1.0 : g * 1.25;
        const double nussB = becher == TBecher::Flach ? g * 0.46 : g * 0.36;
        QPainterPath nuss({-nussB, 0});
        nuss.cubicTo(-nussB, -nussL * 0.7, -nussB * 0.3, -nussL, 0, -nussL);
        nuss.cubicTo(nussB * 0.3, -nussL, nussB, -nussL * 0.7, nussB, 0);
        nuss.cubicTo(nussB, nussB * 0.6, -nussB, nussB * 0.6, -nussB, 0);
        z.Flaeche(nuss, QColor(0xc8, 0x96, 0x52));
        z.Linie({0, -nussL}, {0, -nussL - g * 0.06}, TStrich::Normal);
        const double tiefe = becher == TBecher::Flach ? g * 0.14 : g * 0.34;
        const double breite = becher == TBecher::Flach ? g * 0.56 : g * 0.42;
        QPainterPath cup({-breite, -tiefe * 0.2});
        cup.cubicTo(-breite, tiefe * 1.2, breite, tiefe * 1.2, breite, -tiefe * 0.2);
        cup.quadTo(0, tiefe * 0.2, -breite, -tiefe * 0.2);
        cup.closeSubpath();
        if (becher == TBecher::Fransig)
            for (int i = 0; i < 13; ++i) {
                const double x = -breite + i * breite / 6;
                z.Kurve({x, tiefe * 0.2}, {x * 1.3, -tiefe * 0.4}, {x * 1.5, -tiefe * 0.9},
                        TStrich::Normal, QColor(0x8a, 0x6a, 0x40));
            }
        z.Flaeche(cup, QColor(0xb0, 0x94, 0x66));
        QPainter& m = z.Maler();
        m.save();
        m.setClipPath(cup);
        for (double y = -tiefe * 0.2; y < tiefe * 1.2; y += z.Gr(7, 10))
            for (double x = -breite; x < breite; x += z.Gr(9, 12))
                z.Kurve({x, y}, {x + z.Gr(4.5, 6), y + z.Gr(5, 7)}, {x + z.Gr(9, 12), y},
                        TStrich::Fein);
        m.restore();
    });
}

void Eicheln(TZeichner& z, TBecher becher, bool langGestielt)
{
    const QPointF a(20, 30), e(300, 40);
    z.Linie(a, e, TStrich::Stark, Farbe::Holz);
    const QPointF an(MitteX, 35);
    if (langGestielt) {
        const QPointF ende(MitteX, 170);
        z.Linie(an, ende, TStrich::Achse, Farbe::Holz);
        Eichel(z, ende, 80, 150, becher);
        Eichel(z, {MitteX, 110}, 80, 30, becher);
        return;
    }
    Eichel(z, {MitteX - 30, 60}, 90, 115, becher);
    Eichel(z, {MitteX + 30, 60}, 90, 65, becher);
}

void Eichenzweig(TZeichner& z, bool filzig)
{
    QPainterPath zweig({140, 296});
    zweig.lineTo(150, 60);
    zweig.lineTo(170, 60);
    zweig.lineTo(180, 296);
    zweig.closeSubpath();
    z.Flaeche(zweig, filzig ? QColor(0xb8, 0xae, 0x98) : QColor(0x9a, 0x86, 0x5e));
    // Buds crowded at the tip, single ones lower down.
    for (int i = -2; i <= 2; ++i)
        Rahmen(z, {160, 62}, -90 + i * 22, [&] {
            QPainterPath k({0, -10});
            k.quadTo(40, -12, 52, 0);
            k.quadTo(40, 12, 0, 10);
            k.closeSubpath();
            z.Flaeche(k, QColor(0xb0, 0x7a, 0x48));
        });
    for (double y : {150.0, 230.0})
        z.Ellipse({y > 200 ? 190.0 : 130.0, y}, 12, 18, QColor(0xb0, 0x7a, 0x48));
    if (filzig) {
        Behaarung(z, zweig, THaar::Filz, 1.2);
        Randbesatz(z, zweig, z.Gr(8, 12), z.Gr(8, 11));
    }
}

void RezepteEiche(TRezeptTabelle& t)
{
    const int g = Quercus;
    auto setze = [&](const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    for (const char* code : {"k", "s", "f"})
        setze("B-Behaarung", code, [c = code[0]](TZeichner& z) { Eichenunterseite(z, c); });
    for (const char* code : {"o", "k", "g"})
        setze("B-Grund", code, [c = code[0]](TZeichner& z) { Eichengrund(z, c); });
    for (const char* code : {"r", "g", "z"})
        setze("B-Rand", code, [c = code[0]](TZeichner& z) { Eichenrand(z, c); });
    setze("Eicheln", "l", [](TZeichner& z) { Eicheln(z, TBecher::Angedrueckt, true); });
    setze("Eicheln", "s", [](TZeichner& z) { Eicheln(z, TBecher::Angedrueckt, false); });
    setze("Eicheln", "m", [](TZeichner& z) { Eicheln(z, TBecher::Fransig, false); });
    setze("Eicheln", "f", [](TZeichner& z) { Eicheln(z, TBecher::Flach, false); });
    setze("Zweig-Behaarung", "k", [](TZeichner& z) { Eichenzweig(z, false); });
    setze("Zweig-Behaarung", "f", [](TZeichner& z) { Eichenzweig(z, true); });
}

// ---- Key 53: Rosa -----------------------------------------------------------------------------

const QColor Hagebuttenrot{0xd8, 0x3a, 0x22};

struct THagebutte
{
    QColor Farbe = Hagebuttenrot;
    bool Kugelig = false;
    char Kelch = 'u'; // 'z' bent back, 'a' spreading, 'u' erect, '-' fallen
    bool Fiederkelch = false;
    double Stiel = 50;
    bool Stieldruesen = false;
    bool Hochblaetter = false;
    char Diskus = 'f';  // 'f' flat, 'k' conical
    char Griffel = 'b'; // 's' column, 'l' free column, 'w' woolly head, 'b' bare head
};

// A rose hip from the side; hals is the middle of its top, hoehe its length.
void Hagebutte(TZeichner& z, QPointF hals, double hoehe, const THagebutte& h)
{
    const double breite = h.Kugelig ? hoehe * 0.95 : hoehe * 0.7;
    const double x = hals.x(), y = hals.y();
    const double unten = y + hoehe;
    // Stalk.
    const QPointF stielEnde(x, unten + h.Stiel);
    z.Linie({x, unten - 4}, stielEnde, TStrich::Achse);
    if (h.Stieldruesen)
        for (double t = 0.1; t < 1; t += 0.14)
            for (double s : {-1.0, 1.0}) {
                const QPointF p(x + s * 2, unten + h.Stiel * t);
                z.Linie(p, p + QPointF(s * z.Gr(9, 12), -z.Gr(3, 5)), TStrich::Fein);
                z.Kreis(p + QPointF(s * z.Gr(9, 12), -z.Gr(3, 5)), z.Gr(2.5, 4), Farbe::Druese,
                        TStrich::Fein);
            }
    if (h.Hochblaetter)
        for (double s : {-1.0, 1.0}) {
            TBlatt b = Blatt(TBlattform::Eifoermig, hoehe * 0.75, hoehe * 0.4, TRand::Ganz,
                             TNervatur::Mittelnerv, 0);
            b.Fuellung = QColor(0xc8, 0xdc, 0xa8);
            ZeichneBlatt(z, stielEnde + QPointF(0, -4), -90 + s * 24, b);
        }
    // Sepals behind the hip when they are bent back.
    auto kelch = [&](bool hinten) {
        if (h.Kelch == '-') return;
        const double basis = h.Kelch == 'z' ? 90 : (h.Kelch == 'a' ? 0 : -90);
        const double spreiz = h.Kelch == 'z' ? 30 : (h.Kelch == 'a' ? 12 : 16);
        for (int i = 0; i < 4; ++i) {
            const double s = i % 2 ? -1 : 1;
            const bool aussen = i >= 2;
            if (aussen != hinten) continue;
            double w = h.Kelch == 'a' ? (s > 0 ? basis + (aussen ? -spreiz : spreiz)
                                               : 180 - (aussen ? -spreiz : spreiz))
                                      : basis + s * spreiz * (aussen ? 2.2 : 0.9);
            if (h.Kelch == 'z') w = 90 - s * (aussen ? 38 : 22);
            TBlatt b = Blatt(TBlattform::Lanzettlich, hoehe * 0.8, hoehe * 0.14, TRand::Ganz,
                             TNervatur::Keine, 0);
            b.Fuellung = hinten ? Farbe::Kelch.darker(110) : Farbe::Kelch;
            ZeichneBlatt(z, {x + s * breite * 0.12, y + 4}, w, b);
        }
    };
    kelch(true);
    QPainterPath frucht({x - breite * 0.14, y});
    frucht.cubicTo(x - breite * 0.7, y + hoehe * 0.2, x - breite * 0.6, unten, x, unten);
    frucht.cubicTo(x + breite * 0.6, unten, x + breite * 0.7, y + hoehe * 0.2, x + breite * 0.14,
                   y);
    frucht.closeSubpath();
    z.Flaeche(frucht, h.Farbe);
    z.Ellipse({x - breite * 0.2, y + hoehe * 0.4}, breite * 0.06, hoehe * 0.12,
              QColor(255, 255, 255, 120), TStrich::Fein, QColor(0, 0, 0, 0));
    // Where fallen sepals have left their scar; then the disc and the styles on it.
    if (h.Kelch == '-')
        z.Ellipse({x, y + 2}, breite * 0.2, hoehe * 0.035, h.Farbe.darker(130), TStrich::Fein);
    if (h.Diskus == 'k') {
        QPainterPath kegel({x - breite * 0.16, y + 2});
        kegel.quadTo(x - breite * 0.1, y - hoehe * 0.12, x, y - hoehe * 0.14);
        kegel.quadTo(x + breite * 0.1, y - hoehe * 0.12, x + breite * 0.16, y + 2);
        kegel.closeSubpath();
        z.Flaeche(kegel, QColor(0xe8, 0xd6, 0x8a));
    } else {
        z.Ellipse({x, y}, breite * 0.16, hoehe * 0.035, QColor(0xe8, 0xd6, 0x8a));
    }
    const double dy = h.Diskus == 'k' ? -hoehe * 0.14 : 0;
    switch (h.Griffel) {
    case 's':
        z.Linie({x, y + dy}, {x, y + dy - hoehe * 0.5}, TStrich::Stark);
        z.Kreis({x, y + dy - hoehe * 0.5}, z.Gr(5, 7), Farbe::Druese, TStrich::Fein);
        break;
    case 'l':
        for (int i = -2; i <= 2; ++i)
            z.Kurve({x + i * 2.0, y + dy}, {x + i * 1.0, y + dy - hoehe * 0.25},
                    {x + i * 3.0, y + dy - hoehe * 0.4}, TStrich::Normal);
        for (int i = -2; i <= 2; ++i)
            z.Kreis({x + i * 3.0, y + dy - hoehe * 0.4}, z.Gr(3, 4), Farbe::Druese, TStrich::Fein);
        break;
    case 'w': {
        const QPointF k(x, y + dy - hoehe * 0.05);
        z.Ellipse(k, breite * 0.14, hoehe * 0.06, Filz);
        for (int i = 0; i < 14; ++i)
            z.Kurve(k, k + QPointF((i - 6.5) * 2.0, -hoehe * 0.04),
                    k + QPointF((i - 6.5) * 3.0, -hoehe * 0.09), TStrich::Fein,
                    QColor(0x80, 0x80, 0x78));
        break;
    }
    case 'b':
        for (int i = -3; i <= 3; ++i)
            z.Kreis({x + i * breite * 0.035, y + dy - hoehe * 0.04}, z.Gr(4, 5.5), Farbe::Druese,
                    TStrich::Fein);
        break;
    default:
        break;
    }
    kelch(false);
}

THagebutte Standardbutte()
{
    THagebutte h;
    h.Kelch = 'a';
    return h;
}

void Butte(TZeichner& z, const THagebutte& h)
{
    Hagebutte(z, {MitteX, 110}, 130, h);
}

// The top of a hip, enlarged.
void Buttenkopf(TZeichner& z, const THagebutte& h)
{
    THagebutte k = h;
    k.Kelch = '-';
    const QPointF hals(MitteX, 196);
    Vergroessert(z, hals, 2.4, [&] { Hagebutte(z, hals, 140, k); });
}

void Griffelkanal(TZeichner& z, bool weit)
{
    // The hip seen from above: the disc with the opening the styles come out of.
    const QPointF m(MitteX, 150);
    z.Kreis(m, 130, Hagebuttenrot);
    z.Kreis(m, 92, QColor(0xe8, 0xd6, 0x8a));
    const double r = weit ? 44 : 14;
    z.Kreis(m, r, QColor(0x5a, 0x3a, 0x20));
    for (int i = 0; i < 7; ++i)
        z.Kreis(Weiter(m, i * 360.0 / 7, r * 0.5), weit ? 8 : 4, Farbe::Druese, TStrich::Fein);
}

void Kelchform(TZeichner& z, bool fiederspaltig)
{
    const QPointF m(MitteX, 150);
    for (int i = 0; i < 5; ++i) {
        const double w = -90 + 72.0 * i;
        TBlatt b = Blatt(TBlattform::Lanzettlich, 130, 34, TRand::Ganz, TNervatur::Keine, 0);
        b.Fuellung = Farbe::Kelch;
        const bool gefiedert = fiederspaltig && (i == 0 || i == 2 || i == 4);
        if (gefiedert)
            for (double t : {0.3, 0.52, 0.72})
                for (double s : {-1.0, 1.0}) {
                    if (i == 4 && s > 0) continue; // the fifth sepal is lobed on one side only
                    TBlatt f =
                        Blatt(TBlattform::Lanzettlich, 34, 10, TRand::Ganz, TNervatur::Keine, 0);
                    f.Fuellung = Farbe::Kelch;
                    ZeichneBlatt(z, Weiter(m, w, 130 * t), w + s * 60, f);
                }
        ZeichneBlatt(z, m, w, b);
    }
    z.Kreis(m, 20, Hagebuttenrot);
}

void Rosenstacheln(TZeichner& z, char art)
{
    QPainterPath zweig({140, 296});
    zweig.lineTo(150, 6);
    zweig.lineTo(176, 6);
    zweig.lineTo(182, 296);
    zweig.closeSubpath();
    if (art == 'b') {
        // Bristles and small prickles all over.
        for (double y = 14; y < 290; y += z.Gr(9, 13))
            for (double s : {-1.0, 1.0}) {
                const double l = Zufall(int(y), s > 0 ? 1 : 2) > 0.75 ? 44 : 30;
                z.Linie({161 + s * 10, y}, {161 + s * l, y - 8 + Zufall(int(y), 3) * 12},
                        l > 40 ? TStrich::Normal : TStrich::Fein, QColor(0x80, 0x4a, 0x30));
            }
    }
    z.Flaeche(zweig, QColor(0x7a, 0x9a, 0x50));
    if (art == 'b' || art == 'f') return;
    for (int i = 0; i < 4; ++i) {
        const double y = 50 + i * 66.0;
        const double s = i % 2 ? -1 : 1;
        const QPointF p(162 + s * 14, y);
        Rahmen(z, p, 0, [&] {
            QPainterPath st({0, -z.Gr(14, 18)});
            if (art == 'g')
                st.cubicTo(s * 30, -10, s * 40, 10, s * 56, 24);
            else
                st.lineTo(s * 64, -4);
            st.lineTo(0, z.Gr(14, 18));
            st.closeSubpath();
            z.Flaeche(st, QColor(0xc8, 0x7a, 0x4a));
        });
    }
}

void Rosenzahl(TZeichner& z, int paare, const char* zahl)
{
    TFiederblatt f;
    f.Paare = paare;
    f.Laenge = 220;
    f.Stiel = 40;
    f.BlaettchenLaenge = paare > 3 ? 52 : 70;
    f.BlaettchenBreite = paare > 3 ? 30 : 40;
    f.Rand = TRand::Gesaegt;
    ZeichneFiederblatt(z, {MitteX, 294}, -90, f);
    // The stipules grown to the stalk.
    for (double s : {-1.0, 1.0}) {
        QPainterPath n({MitteX, 294});
        n.lineTo(MitteX + s * 10, 292);
        n.lineTo(MitteX + s * 16, 246);
        n.lineTo(MitteX + s * 2, 256);
        n.closeSubpath();
        z.Flaeche(n, Farbe::Blatt, TStrich::Fein);
    }
    z.Zahl(T(zahl));
}

void RezepteRose(TRezeptTabelle& t)
{
    const int g = Rosa;
    auto setze = [&](const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    const TBlatt fieder =
        Blatt(TBlattform::Elliptisch, 230, 140, TRand::Gesaegt, TNervatur::Mittelnerv, 20);
    auto flaeche = [fieder](TOberflaeche o) {
        return [fieder, o](TZeichner& z) { BlattFlaeche(z, fieder, o); };
    };
    TOberflaeche oben;
    setze("B-B-o", "k", flaeche(oben));
    oben.Haare = THaar::Einfach;
    setze("B-B-o", "b", flaeche(oben));
    TOberflaeche unter;
    unter.Farbe = QColor(0xdc, 0xec, 0xc8);
    setze("B-B-u", "k", flaeche(unter));
    unter.NervenHaare = true;
    setze("B-B-u", "n", flaeche(unter));
    unter.NervenHaare = false;
    unter.Haare = THaar::Einfach;
    unter.Dichte = 1.3;
    setze("B-B-u", "b", flaeche(unter));
    unter.Haare = THaar::Filz;
    unter.Farbe = Filz;
    setze("B-B-u", "f", flaeche(unter));
    TOberflaeche drues;
    drues.Farbe = QColor(0xdc, 0xec, 0xc8);
    drues.Haare = THaar::Stieldruesen;
    setze("B-Drüsenbehaarung", "+", flaeche(drues));
    drues.Haare = THaar::Keine;
    setze("B-Drüsenbehaarung", "-", flaeche(drues));
    setze("B-Rand", "e", [](TZeichner& z) { Randausschnitt(z, TZahnung::Gesaegt, false, false); });
    setze("B-Rand", "d", [](TZeichner& z) { Randausschnitt(z, TZahnung::Doppelt, true, false); });
    setze("B-Zahl", "3", [](TZeichner& z) { Rosenzahl(z, 2, "3-5"); });
    setze("B-Zahl", "5", [](TZeichner& z) { Rosenzahl(z, 3, "5-7"); });
    setze("B-Zahl", "9", [](TZeichner& z) { Rosenzahl(z, 4, "7+"); });
    auto butte = [](const std::function<void(THagebutte&)>& aendern) {
        THagebutte h = Standardbutte();
        aendern(h);
        return [h](TZeichner& z) { Butte(z, h); };
    };
    setze("BlSt-Behaarung", "d", butte([](THagebutte& h) { h.Stieldruesen = true; }));
    setze("BlSt-Behaarung", "k", butte([](THagebutte&) {}));
    setze("BlSt-Länge", "k", [](TZeichner& z) {
        THagebutte h = Standardbutte();
        h.Stiel = 24;
        h.Hochblaetter = true;
        Hagebutte(z, {MitteX, 70}, 150, h);
    });
    setze("BlSt-Länge", "l", [](TZeichner& z) {
        THagebutte h = Standardbutte();
        h.Stiel = 140;
        Hagebutte(z, {MitteX, 30}, 120, h);
    });
    setze("Borstenstacheln", "+", [](TZeichner& z) { Rosenstacheln(z, 'b'); });
    setze("Borstenstacheln", "-", [](TZeichner& z) { Rosenstacheln(z, 'g'); });
    setze("Fr-Farbe", "r", butte([](THagebutte&) {}));
    setze("Fr-Farbe", "s", butte([](THagebutte& h) {
              h.Farbe = QColor(0x3a, 0x1a, 0x2c);
              h.Kugelig = true;
              h.Kelch = 'a';
          }));
    setze("Gr-Kanal", "e", [](TZeichner& z) { Griffelkanal(z, false); });
    setze("Gr-Kanal", "w", [](TZeichner& z) { Griffelkanal(z, true); });
    auto kopf = [](char diskus, char griffel) {
        return [diskus, griffel](TZeichner& z) {
            THagebutte h;
            h.Diskus = diskus;
            h.Griffel = griffel;
            Buttenkopf(z, h);
        };
    };
    setze("Gr-Polster", "f", kopf('f', 'b'));
    setze("Gr-Polster", "k", kopf('k', 'b'));
    for (const char* code : {"s", "l", "w", "b"})
        setze("Griffel", code, kopf('f', code[0]));
    setze("K-Dauer", "a", butte([](THagebutte& h) { h.Kelch = '-'; }));
    setze("K-Dauer", "b", butte([](THagebutte& h) { h.Kelch = 'u'; }));
    setze("K-Form", "f", [](TZeichner& z) { Kelchform(z, true); });
    setze("K-Form", "u", [](TZeichner& z) { Kelchform(z, false); });
    setze("K-Stellung", "z", butte([](THagebutte& h) { h.Kelch = 'z'; }));
    setze("K-Stellung", "a", butte([](THagebutte& h) { h.Kelch = 'a'; }));
    setze("K-Stellung", "u", butte([](THagebutte& h) { h.Kelch = 'u'; }));
    auto rose = [](QColor farbe) {
        return [farbe](TZeichner& z) {
            TBlueteOben b{5, farbe, false, 0, -1, 1};
            b.Ausgerandet = true;
            b.Kronblattbreite = 1.45;
            BlueteOben(z, {MitteX, 150}, 136, b);
        };
    };
    setze("Kr-Farbe", "w", rose(QColor(0xff, 0xfb, 0xee)));
    setze("Kr-Farbe", "r", rose(QColor(0xf8, 0xc4, 0xd4)));
    setze("Kr-Farbe", "d", rose(QColor(0xd8, 0x3c, 0x6c)));
    for (const char* code : {"g", "s", "f"})
        setze("Stacheln", code, [c = code[0]](TZeichner& z) { Rosenstacheln(z, c); });
}

// ---- Key 56: Salix ----------------------------------------------------------------------------

TBlatt Weidenblatt(double breite = 60)
{
    return Blatt(TBlattform::Lanzettlich, 240, breite, TRand::Ganz, TNervatur::Fieder, 16);
}

void Weidenspitze(TZeichner& z, char art)
{
    // The upper part of a leaf, enlarged.
    const double x = MitteX, w = 90, y0 = 310;
    QPainterPath p({x - w, y0});
    switch (art) {
    case 'z':
        p.cubicTo(x - w, 150, x - 10, 110, x, 16);
        p.cubicTo(x + 10, 110, x + w, 150, x + w, y0);
        break;
    case 's':
        p.cubicTo(x - w, 110, x - 30, 50, x, 36);
        p.cubicTo(x + 30, 50, x + w, 110, x + w, y0);
        break;
    case 'k':
        p.cubicTo(x - w, 100, x + 30, 30, x + 70, 60);
        p.cubicTo(x + 50, 66, x + w, 120, x + w, y0);
        break;
    case 'g':
        p.cubicTo(x - w, 60, x - 20, 46, x, 62);
        p.cubicTo(x + 20, 46, x + w, 60, x + w, y0);
        break;
    default:
        break;
    }
    p.closeSubpath();
    z.Flaeche(p, Farbe::Blatt);
    QPainter& m = z.Maler();
    m.save();
    m.setClipPath(p);
    const QPointF spitze = art == 'k' ? QPointF(x + 66, 62)
                                      : QPointF(x, art == 'z'   ? 16
                                                   : art == 's' ? 36
                                                                : 62);
    z.Kurve({x, y0}, {x, 120}, spitze, TStrich::Fein);
    for (int i = 0; i < 4; ++i)
        for (double s : {-1.0, 1.0}) {
            const double y = 290 - i * 56.0;
            z.Kurve({x, y}, {x + s * 40, y - 20}, {x + s * 90, y - 60}, TStrich::Fein);
        }
    m.restore();
}

void Teilweisegegen(TZeichner& z)
{
    z.Linie({MitteX, Unten}, {MitteX, 20}, TStrich::Achse, Farbe::Holz);
    const double ys[] = {250, 170, 110, 60};
    for (int i = 0; i < 4; ++i) {
        if (i < 2) {
            for (double s : {-1.0, 1.0})
                Laubblatt(z, {MitteX, ys[i]}, s > 0 ? -30 : -150, 80, TBlattform::Lanzettlich);
            z.Linie({MitteX - 5, ys[i]}, {MitteX + 5, ys[i]}, TStrich::Normal);
        } else {
            Laubblatt(z, {MitteX, ys[i]}, i % 2 ? -150 : -30, 70, TBlattform::Lanzettlich);
        }
    }
}

void Wechsel(TZeichner& z)
{
    z.Linie({MitteX, Unten}, {MitteX, 20}, TStrich::Achse, Farbe::Holz);
    const double ys[] = {260, 210, 160, 110, 60};
    for (int i = 0; i < 5; ++i)
        Laubblatt(z, {MitteX, ys[i]}, i % 2 ? -150 : -30, 80 - i * 4.0, TBlattform::Lanzettlich);
}

// One flower of a willow catkin: the axis on the left, the bract below the flower.
struct TWeidenbluete
{
    bool Maennlich = true;
    int Staubblaetter = 2; // 1: two grown together into one
    char Faeden = 'f';     // 'f' free, 'h' hairy at the base, 'v' grown together
    int Nektar = 1;
    bool Gestielt = false;
    bool Behaart = false;
    QColor Tragblatt{0xd8, 0xdc, 0x90};
    bool DunkleSpitze = false;
};

void WeidenblueteTeile(TZeichner& z, const TWeidenbluete& b);

void Weidenbluete(TZeichner& z, const TWeidenbluete& b)
{
    Vergroessert(z, {50, 296}, 1.12, [&] { WeidenblueteTeile(z, b); });
}

void WeidenblueteTeile(TZeichner& z, const TWeidenbluete& b)
{
    const double ax = 50;
    z.Linie({ax, 300}, {ax, 0}, TStrich::Achse);
    const QPointF fuss(ax + 4, 272);
    // The bract, behind the flower on the side away from the axis.
    Rahmen(z, fuss, -50, [&] {
        QPainterPath d({0, 0});
        d.cubicTo(20, -48, 150, -48, 172, 0);
        d.cubicTo(150, 44, 20, 44, 0, 0);
        d.closeSubpath();
        z.Flaeche(d, b.Tragblatt);
        if (b.DunkleSpitze) {
            QPainter& m = z.Maler();
            m.save();
            m.setClipPath(d);
            z.Fuellen(Ellipsenpfad({184, 0}, 76, 60), QColor(0x3a, 0x26, 0x18));
            m.restore();
            z.Umriss(d);
        }
        Randbesatz(z, d, z.Gr(9, 13), z.Gr(18, 24), THaar::Einfach, QColor(0x80, 0x80, 0x78));
    });
    // The inner nectar gland sits between axis and flower, the outer one towards the bract.
    const QColor nektar(0xf0, 0xa8, 0x20);
    const QPointF basis(ax + 50, 236);
    z.Flaeche(Ellipsenpfad(basis + QPointF(-20, 0), z.Gr(6, 9), z.Gr(11, 15)), nektar);
    if (b.Nektar == 2)
        z.Flaeche(Ellipsenpfad(basis + QPointF(20, -4), z.Gr(6, 9), z.Gr(11, 15)), nektar);
    if (!b.Maennlich) {
        QPointF f = basis;
        if (b.Gestielt) {
            f = basis + QPointF(8, -36);
            z.Linie(basis, f, TStrich::Achse);
        }
        // A flask-shaped ovary with a short style and two forked stigmas.
        QPainterPath flasche({f.x() - 34, f.y()});
        flasche.cubicTo(f.x() - 40, f.y() - 64, f.x() - 10, f.y() - 96, f.x() - 4, f.y() - 120);
        flasche.lineTo(f.x() + 4, f.y() - 120);
        flasche.cubicTo(f.x() + 10, f.y() - 96, f.x() + 40, f.y() - 64, f.x() + 34, f.y());
        flasche.quadTo(f.x(), f.y() + 8, f.x() - 34, f.y());
        flasche.closeSubpath();
        z.Flaeche(flasche, QColor(0xb8, 0xd4, 0x88));
        if (b.Behaart) {
            Behaarung(z, flasche, THaar::Anliegend, 1.6);
            Randbesatz(z, flasche, z.Gr(8, 11), z.Gr(10, 13), THaar::Einfach,
                       QColor(0x70, 0x70, 0x70));
        }
        const QPointF n(f.x(), f.y() - 120);
        for (double s : {-1.0, 1.0}) {
            const QPointF g = n + QPointF(s * 12, -16);
            z.Linie(n, g, TStrich::Normal);
            z.Linie(g, g + QPointF(s * 4, -14), TStrich::Normal);
            z.Linie(g, g + QPointF(s * 14, -6), TStrich::Normal);
        }
        return;
    }
    const int n = b.Staubblaetter;
    const double beutel = z.Gr(12, 16);
    if (n == 1) {
        const QPointF oben = basis + QPointF(26, -150);
        z.Linie(basis, oben, TStrich::Achse);
        Rahmen(z, oben, -70, [&] {
            z.Ellipse({beutel * 0.8, -beutel * 0.5}, beutel, beutel * 0.6, QColor(0xf2, 0xc8, 0x30),
                      TStrich::Fein);
            z.Ellipse({beutel * 0.8, beutel * 0.5}, beutel, beutel * 0.6, QColor(0xf2, 0xc8, 0x30),
                      TStrich::Fein);
        });
        return;
    }
    for (int i = 0; i < n; ++i) {
        const double w = -100 + (i - (n - 1) / 2.0) * (n > 3 ? 14 : 22) + 20;
        QPointF a = basis;
        if (b.Faeden == 'v') a = Weiter(basis, -70, 90);
        const QPointF oben = Weiter(a, w, b.Faeden == 'v' ? 66 : 156);
        Staubblatt(z, a, oben, beutel);
        if (b.Faeden == 'h')
            for (double t : {0.05, 0.15, 0.25})
                for (double s : {-1.0, 1.0})
                    z.Linie(Mitte(a, oben, t), Weiter(Mitte(a, oben, t), w + s * 70, z.Gr(8, 11)),
                            TStrich::Fein);
    }
    if (b.Faeden == 'v') z.Linie(basis, Weiter(basis, -70, 92), TStrich::Achse);
}

void Weidenzweig(TZeichner& z, char art)
{
    QPainterPath zweig({146, 296});
    zweig.lineTo(154, 10);
    zweig.lineTo(172, 10);
    zweig.lineTo(180, 296);
    zweig.closeSubpath();
    z.Flaeche(zweig, art == 'r' ? QColor(0x8a, 0x4a, 0x5a) : QColor(0xb8, 0x98, 0x50));
    if (art == 'r') z.Fuellen(zweig, QColor(0xd0, 0xdc, 0xf0, 150));
    if (art == 'b') {
        Behaarung(z, zweig, THaar::Filz, 1.3);
        Randbesatz(z, zweig, z.Gr(8, 12), z.Gr(9, 12));
    }
    z.Umriss(zweig);
    for (int i = 0; i < 3; ++i) {
        const double y = 240 - i * 90.0;
        const double s = i % 2 ? -1 : 1;
        Rahmen(z, {163 + s * 12, y}, -90 + s * 25, [&] {
            QPainterPath k({0, -10});
            k.quadTo(34, -12, 44, 0);
            k.quadTo(34, 12, 0, 10);
            k.closeSubpath();
            z.Flaeche(k, art == 'r' ? QColor(0x8a, 0x4a, 0x5a) : QColor(0xc8, 0x88, 0x40));
        });
    }
}

void Striemen(TZeichner& z, bool vorhanden)
{
    // A twig with its bark peeled off to the right.
    const double y0 = 110, y1 = 190;
    QPainterPath rinde;
    rinde.addRect(QRectF(10, y0, 110, y1 - y0));
    QPainterPath holz;
    holz.addRect(QRectF(120, y0 + 6, 190, y1 - y0 - 12));
    z.Flaeche(holz, QColor(0xf2, 0xe4, 0xc4));
    if (vorhanden)
        for (int i = 0; i < 6; ++i) {
            const double y = y0 + 16 + i * 11.0;
            const double x = 140 + (i % 3) * 30.0;
            QPainterPath leiste({x, y});
            leiste.cubicTo(x + 30, y - 3, x + 90, y - 3, x + 120, y);
            z.Umriss(leiste, TStrich::Normal, QColor(0x8a, 0x6a, 0x40));
        }
    z.Flaeche(rinde, QColor(0x8a, 0x6a, 0x3c));
    QPainterPath lappen({120, y0});
    lappen.cubicTo(150, y0 - 40, 180, y0 - 60, 200, y0 - 70);
    lappen.lineTo(210, y0 - 56);
    lappen.cubicTo(180, y0 - 40, 150, y0 - 10, 124, y0 + 10);
    lappen.closeSubpath();
    z.Flaeche(lappen, QColor(0xa8, 0x88, 0x58));
}

void Weidennebenblatt(TZeichner& z, bool gross)
{
    z.Linie({MitteX, Unten}, {MitteX, 10}, TStrich::Achse, Farbe::Holz);
    const QPointF k(MitteX, 200);
    TBlatt b = Blatt(TBlattform::Elliptisch, 150, 70, TRand::Gesaegt, TNervatur::Fieder, 14);
    ZeichneBlatt(z, k, -50, b);
    if (gross) {
        for (double s : {-1.0, 1.0}) {
            TBlatt n = Blatt(TBlattform::Niere, 50, 70, TRand::Gesaegt, TNervatur::Hand, 0);
            ZeichneBlatt(z, k + QPointF(s * 6, 2), -90 + s * 60, n);
        }
    } else {
        TBlatt n = Blatt(TBlattform::Lanzettlich, 14, 5, TRand::Ganz, TNervatur::Keine, 0);
        ZeichneBlatt(z, k, -110, n);
    }
    ZeichneBlatt(z, {MitteX, 80}, -130, b);
}

void RezepteWeide(TRezeptTabelle& t)
{
    const int g = Salix;
    auto setze = [&](const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    auto glossar = [&](const char* spalte, const char* code, const char* feld, const char* item) {
        t.Wie(g, T(spalte), T(code), Glossar, T(feld), T(item));
    };
    setze("B-Breite", "s", Blattbild(Blatt(TBlattform::Lanzettlich, 250, 36)));
    setze("B-Breite", "m", Blattbild(Blatt(TBlattform::Elliptisch, 230, 80)));
    setze("B-Breite", "b", Blattbild(Blatt(TBlattform::Elliptisch, 200, 130)));
    const TBlatt stielblatt = Blatt(TBlattform::Elliptisch, 220, 100, TRand::Gesaegt);
    setze("B-Drüsen am Stiel", "+", [stielblatt](TZeichner& z) { Blattgrund(z, stielblatt, 's'); });
    setze("B-Drüsen am Stiel", "-", [stielblatt](TZeichner& z) { Blattgrund(z, stielblatt, 'o'); });
    const TBlatt breit =
        Blatt(TBlattform::Elliptisch, 220, 120, TRand::Gekerbt, TNervatur::Mittelnerv);
    auto flaeche = [](TBlatt b, TOberflaeche o) {
        return [b, o](TZeichner& z) { BlattFlaeche(z, b, o); };
    };
    TOberflaeche o;
    setze("B-Fläche", "f", flaeche(breit, o));
    o.Runzelig = true;
    o.Farbe = QColor(0xa8, 0xc8, 0x8a);
    setze("B-Fläche", "r", flaeche(breit, o));
    glossar("B-Form", "l", "1", "1");
    glossar("B-Form", "a", "1", "2");
    glossar("B-Form", "e", "1", "3");
    glossar("B-Form", "v", "1", "5");
    glossar("B-Form", "r", "1", "6");
    const TBlatt weide = Weidenblatt(70);
    TOberflaeche ob;
    ob.Farbe = QColor(0x7c, 0xb0, 0x5c);
    ob.Glanz = true;
    setze("B-Oberfläche", "g", flaeche(weide, ob));
    ob = TOberflaeche();
    ob.Farbe = QColor(0xc4, 0xdc, 0xa4);
    setze("B-Oberfläche", "m", flaeche(weide, ob));
    ob.Farbe = Silber;
    ob.Haare = THaar::Anliegend;
    ob.Dichte = 1.4;
    ob.Glanz = true;
    setze("B-Oberfläche", "s", flaeche(weide, ob));
    ob = TOberflaeche();
    ob.Farbe = QColor(0xa8, 0xc4, 0xb8);
    setze("B-Oberfläche", "b", flaeche(weide, ob));
    ob = TOberflaeche();
    setze("B-Oberseite Behaarung", "k", flaeche(weide, ob));
    ob.Haare = THaar::Einfach;
    ob.Dichte = 1.3;
    setze("B-Oberseite Behaarung", "b", flaeche(weide, ob));
    glossar("B-Rand", "g", "0", "1");
    glossar("B-Rand", "u", "0", "10");
    glossar("B-Rand", "k", "0", "5");
    glossar("B-Rand", "s", "0", "2");
    for (const char* code : {"z", "s", "k", "g"})
        setze("B-Spitze", code, [c = code[0]](TZeichner& z) { Weidenspitze(z, c); });
    setze("B-Stellung", "w", Wechsel);
    setze("B-Stellung", "g", Teilweisegegen);
    TOberflaeche u;
    u.Farbe = Farbe::Blatt;
    setze("B-Unterseite Behaarung", "k", flaeche(weide, u));
    u.Farbe = QColor(0xd4, 0xe0, 0xe4);
    setze("B-Unterseite Behaarung", "r", flaeche(weide, u));
    u.Farbe = Silber;
    u.Haare = THaar::Anliegend;
    u.Dichte = 1.5;
    setze("B-Unterseite Behaarung", "s", flaeche(weide, u));
    u.Farbe = QColor(0xcc, 0xd2, 0xc4);
    u.Haare = THaar::Flaum;
    u.Dichte = 1.3;
    setze("B-Unterseite Behaarung", "w", flaeche(weide, u));
    u.Farbe = Filz;
    u.Haare = THaar::Filz;
    setze("B-Unterseite Behaarung", "f", flaeche(weide, u));
    setze("Drüsen am Rand", "+",
          [](TZeichner& z) { Randausschnitt(z, TZahnung::Gesaegt, true, false); });
    setze("Drüsen am Rand", "-",
          [](TZeichner& z) { Randausschnitt(z, TZahnung::Gesaegt, false, false); });
    auto bluete = [](const std::function<void(TWeidenbluete&)>& aendern) {
        TWeidenbluete b;
        aendern(b);
        return [b](TZeichner& z) { Weidenbluete(z, b); };
    };
    setze("Drüsen m Bl", "1", bluete([](TWeidenbluete& b) { b.Nektar = 1; }));
    setze("Drüsen m Bl", "2", bluete([](TWeidenbluete& b) { b.Nektar = 2; }));
    setze("Frkn", "s", bluete([](TWeidenbluete& b) { b.Maennlich = false; }));
    setze("Frkn", "g", bluete([](TWeidenbluete& b) {
              b.Maennlich = false;
              b.Gestielt = true;
          }));
    setze("Frkn-Behaarung", "k", bluete([](TWeidenbluete& b) { b.Maennlich = false; }));
    setze("Frkn-Behaarung", "b", bluete([](TWeidenbluete& b) {
              b.Maennlich = false;
              b.Behaart = true;
          }));
    setze("Lebensform", "b", LfBaum);
    setze("Lebensform", "s", LfStrauch);
    setze("Lebensform", "z", LfZwergstrauch);
    setze("Nebenblätter", "g", [](TZeichner& z) { Weidennebenblatt(z, true); });
    setze("Nebenblätter", "k", [](TZeichner& z) { Weidennebenblatt(z, false); });
    for (int n : {1, 2, 3, 5}) {
        const QString code = QString::number(n);
        t.Setze(g, T("Staubblätter"), code, [n](TZeichner& z) {
            TWeidenbluete b;
            b.Staubblaetter = n;
            Weidenbluete(z, b);
            z.Zahl(n == 5 ? QStringLiteral("4+") : QString::number(n));
        });
    }
    setze("Staubfäden", "f", bluete([](TWeidenbluete& b) { b.Faeden = 'f'; }));
    setze("Staubfäden", "h", bluete([](TWeidenbluete& b) { b.Faeden = 'h'; }));
    setze("Staubfäden", "v", bluete([](TWeidenbluete& b) { b.Faeden = 'v'; }));
    setze("Striemen", "+", [](TZeichner& z) { Striemen(z, true); });
    setze("Striemen", "-", [](TZeichner& z) { Striemen(z, false); });
    setze("Tragblatt m Bl", "e", bluete([](TWeidenbluete&) {}));
    setze("Tragblatt m Bl", "z", bluete([](TWeidenbluete& b) { b.DunkleSpitze = true; }));
    setze("Tragblatt w Bl", "e", bluete([](TWeidenbluete& b) { b.Maennlich = false; }));
    setze("Tragblatt w Bl", "z", bluete([](TWeidenbluete& b) {
              b.Maennlich = false;
              b.DunkleSpitze = true;
          }));
    for (const char* code : {"k", "b", "r"})
        setze("Zweige", code, [c = code[0]](TZeichner& z) { Weidenzweig(z, c); });
}

// ---- Key 57: Sorbus ---------------------------------------------------------------------------

void Mehlbeerblatt(TZeichner& z, char form)
{
    TLappenblatt l;
    l.Laenge = 240;
    l.Breite = 170;
    l.VerkehrtEi = false;
    l.Gesaegt = true;
    l.Grund = 'g';
    switch (form) {
    case 't':
        l.Lappen = 3;
        l.Tiefe = 0.62;
        l.Spitz = true;
        l.Grund = 'h';
        l.Breite = 200;
        break;
    case 'r':
        l.Lappen = 6;
        l.Tiefe = 0.3;
        l.TiefeSpitze = 0.02;
        break;
    case 'z':
        l.Lappen = 6;
        l.Tiefe = 0.3;
        l.TiefeSpitze = 0.08;
        l.Spitz = true;
        break;
    case 'u':
        l.Lappen = 10;
        l.Tiefe = 0.06;
        l.Spitz = true;
        l.Breite = 150;
        break;
    default:
        break;
    }
    Lappenblatt(z, {MitteX, 272}, l);
}

void Halbgefiedert(TZeichner& z)
{
    const QPointF a(MitteX, 294), e(MitteX, 150);
    z.Linie(a, e, TStrich::Normal);
    for (int i = 0; i < 2; ++i) {
        const QPointF p = Mitte(a, e, 0.3 + i * 0.45);
        for (double s : {-1.0, 1.0}) {
            TBlatt b =
                Blatt(TBlattform::Elliptisch, 76, 32, TRand::Gesaegt, TNervatur::Mittelnerv, 2);
            ZeichneBlatt(z, p, -90 + s * 62, b);
        }
    }
    TLappenblatt l;
    l.Laenge = 140;
    l.Breite = 120;
    l.Lappen = 4;
    l.Tiefe = 0.5;
    l.TiefeSpitze = 0.1;
    l.Spitz = true;
    l.Gesaegt = true;
    l.VerkehrtEi = false;
    l.Grund = 'k';
    l.Stiel = 0;
    Lappenblatt(z, {MitteX, 150}, l);
}

void Vogelbeerblatt(TZeichner& z)
{
    TFiederblatt f;
    f.Paare = 5;
    f.Laenge = 236;
    f.Stiel = 24;
    f.BlaettchenLaenge = 64;
    f.BlaettchenBreite = 24;
    f.Rand = TRand::Gesaegt;
    ZeichneFiederblatt(z, {MitteX, 294}, -90, f);
}

void Sorbusstand(TZeichner& z, char art)
{
    const bool rosa = art == 'r';
    const int bluetenZahl = art == 'v' ? 22 : (art == 'l' ? 8 : 14);
    const double spannweite = art == 'r' ? 90 : 130;
    const QPointF fuss(MitteX, Unten);
    const QPointF gabel(MitteX, 210);
    z.Linie(fuss, gabel, TStrich::Achse);
    for (int i = 0; i < bluetenZahl; ++i) {
        const double u = bluetenZahl > 1 ? double(i) / (bluetenZahl - 1) : 0.5;
        const double x = MitteX - spannweite + 2 * spannweite * u;
        const double y =
            (art == 'l' ? 70 : 96) + std::pow(2 * u - 1, 2) * 30 + (i % 3) * (art == 'l' ? 0 : 10);
        const QPointF ast = Mitte(gabel, {x, y}, 0.5);
        z.Linie(gabel, ast, TStrich::Normal);
        z.Linie(ast, {x, y}, TStrich::Fein);
        if (rosa) {
            BlueteSeite(z, {x, y}, 32, TKronform::Glocke, Bluetenfarbe::Rosa, true);
        } else {
            TBlueteOben b{5, Bluetenfarbe::Weiss, false, 0, 0, 1};
            b.Kronblattbreite = 1.4;
            BlueteOben(z, {x, y}, art == 'l' ? 34 : 24, b);
        }
    }
}

void RezepteSorbus(TRezeptTabelle& t)
{
    const int g = Sorbus;
    auto setze = [&](const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    setze("B-Form", "g", Vogelbeerblatt);
    setze("B-Form", "f", Halbgefiedert);
    setze("B-Form", "t", [](TZeichner& z) { Mehlbeerblatt(z, 't'); });
    setze("B-Form", "sr", [](TZeichner& z) { Mehlbeerblatt(z, 'r'); });
    setze("B-Form", "sz", [](TZeichner& z) { Mehlbeerblatt(z, 'z'); });
    setze("B-Form", "u", [](TZeichner& z) { Mehlbeerblatt(z, 'u'); });
    const TBlatt fieder =
        Blatt(TBlattform::Lanzettlich, 240, 80, TRand::Gesaegt, TNervatur::Fieder, 10);
    setze("B-Rand", "s", Blattbild(fieder));
    setze("B-Rand", "u", [fieder](TZeichner& z) { VornGezaehnt(z, fieder, 0.33); });
    setze("B-Rand", "e", Blattbild(Blatt(TBlattform::Elliptisch, 230, 130, TRand::Gesaegt)));
    setze("B-Rand", "d", Blattbild(Blatt(TBlattform::Elliptisch, 230, 130, TRand::DoppeltGesaegt)));
    setze("B-Rand", "l", [](TZeichner& z) { Mehlbeerblatt(z, 'z'); });
    for (const char* code : {"v", "l", "r"})
        setze("Blst", code, [c = code[0]](TZeichner& z) { Sorbusstand(z, c); });
    for (int n : {2, 3, 5})
        t.Setze(g, T("Fruchtblatt-Zahl"), QString::number(n), [n](TZeichner& z) {
            FruchtknotenQuer(z, {MitteX - 6, 146}, 124, n, TPlazenta::Zentralwinkel);
            z.Zahl(n == 3 ? QStringLiteral("3-4") : QString::number(n));
        });
}

} // namespace

void RezepteGehoelze(TRezeptTabelle& t)
{
    RezepteFabaceae(t);
    RezepteKiefer(t);
    RezepteGehoelze45(t);
    RezepteFingerkraut(t);
    RezeptePrunus(t);
    RezepteEiche(t);
    RezepteRose(t);
    RezepteWeide(t);
    RezepteSorbus(t);
}
