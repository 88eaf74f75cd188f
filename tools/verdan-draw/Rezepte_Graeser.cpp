// Drawings of the keys of grasses, sedges, rushes, horsetails and of Allium, Gagea and Iris (keys
// 7, 15, 17, 22, 26, 27, 30, 33, 34, 36, 42, 43).

#include "Motive.h"
#include "Rezepte.h"
#include "Rezepthilfen.h"

#include <QtMath>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace {

const QColor Halmgruen(0xb5, 0xd6, 0x96);
const QColor Schnittgruen(0xd6, 0xea, 0xba);
const QColor Haut(0xf3, 0xee, 0xda); // membranous, scarious parts
const QColor Huellspelzengruen(0xbf, 0xdc, 0x9a);
const QColor Braun(0xa6, 0x7c, 0x52);
const QColor Dunkelbraun(0x5a, 0x3c, 0x24);
const QColor Pollen(0xee, 0xc8, 0x3a);
const QColor Sklerenchym(0x4e, 0x6a, 0x2c);

// A lens with sharp edges at the left and right.
QPainterPath Linse(QPointF m, double rx, double ry)
{
    QPainterPath p({m.x() - rx, m.y()});
    p.cubicTo(m.x() - rx * 0.5, m.y() - ry * 1.33, m.x() + rx * 0.5, m.y() - ry * 1.33, m.x() + rx,
              m.y());
    p.cubicTo(m.x() + rx * 0.5, m.y() + ry * 1.33, m.x() - rx * 0.5, m.y() + ry * 1.33, m.x() - rx,
              m.y());
    p.closeSubpath();
    return p;
}

// Short hairs standing out of an outline.
void Behaarung(TZeichner& z, const QPainterPath& umriss, double abstand, double laenge,
               const QColor& farbe = Farbe::Linie)
{
    const QPolygonF rand = Abtasten(umriss, abstand);
    for (int i = 0; i < rand.size(); ++i) {
        const QPointF p = rand[i];
        const QPointF d = rand[(i + 1) % rand.size()] - rand[(i - 1 + rand.size()) % rand.size()];
        const double l = std::hypot(d.x(), d.y());
        if (l <= 0) continue;
        QPointF n = QPointF(d.y(), -d.x()) / l;
        if (umriss.contains(p + n * 2)) n = -n;
        z.Linie(p, p + n * laenge + d / l * laenge * 0.35, TStrich::Fein, farbe);
    }
}

// ---- Cross-sections ----------------------------------------------------------------------

enum class TQuer
{
    Rund,
    Hohl,
    Markig,
    Zweikantig,
    DreikantigScharf,
    DreikantigStumpf,
    Rundlich,
    Zusammengedrueckt,
    Flach,
    Rinnig,
    Gekielt,
    Borstlich,
    Faden,
    Schwert,
    Halbrund,
};

QPolygonF Dreieck(QPointF m, double r, double seite)
{
    QPolygonF p;
    for (int i = 0; i < 3; ++i) {
        p << Weiter(m, -90 + 120.0 * i, r);
        p << Weiter(m, -30 + 120.0 * i, r * seite);
    }
    return p;
}

// A band of thickness d along a curve (leaf blades cut across).
QPainterPath Band(const std::vector<QPointF>& linie, double d)
{
    QPainterPath oben(linie.front()), unten;
    QPolygonF a, b;
    for (size_t i = 0; i < linie.size(); ++i) {
        const QPointF v = linie[std::min(i + 1, linie.size() - 1)] - linie[i > 0 ? i - 1 : 0];
        const double l = std::hypot(v.x(), v.y());
        const QPointF n(-v.y() / l, v.x() / l);
        a << linie[i] - n * d / 2;
        b << linie[i] + n * d / 2;
    }
    QPainterPath p(a.first());
    for (int i = 1; i < a.size(); ++i)
        p.lineTo(a[i]);
    for (int i = b.size() - 1; i >= 0; --i)
        p.lineTo(b[i]);
    p.closeSubpath();
    return p;
}

std::vector<QPointF> Bogen(double breite, double tiefe, QPointF m, int n = 24)
{
    std::vector<QPointF> l;
    for (int i = 0; i <= n; ++i) {
        const double t = -1 + 2.0 * i / n;
        l.push_back({m.x() + t * breite / 2, m.y() + tiefe * (1 - t * t)});
    }
    return l;
}

QPainterPath QuerPfad(TQuer form, QPointF m, double r)
{
    switch (form) {
    case TQuer::Rund:
    case TQuer::Hohl:
    case TQuer::Markig:
        return Ellipsenpfad(m, r, r);
    case TQuer::Zweikantig:
        return Linse(m, r * 1.1, r * 0.72);
    case TQuer::Zusammengedrueckt:
        return Linse(m, r * 1.25, r * 0.45);
    case TQuer::DreikantigScharf: {
        const QPolygonF p = Dreieck(m + QPointF(0, r * 0.15), r * 1.1, 0.42);
        QPainterPath pfad(p[0]);
        for (int i = 0; i < 3; ++i)
            pfad.quadTo(p[2 * i + 1], p[(2 * i + 2) % 6]);
        pfad.closeSubpath();
        return pfad;
    }
    case TQuer::DreikantigStumpf:
        return Gerundet(Dreieck(m + QPointF(0, r * 0.12), r * 1.2, 0.72));
    case TQuer::Rundlich:
        return Gerundet(Dreieck(m + QPointF(0, r * 0.05), r * 1.08, 0.92));
    case TQuer::Flach:
        return Band(Bogen(r * 2.4, r * 0.06, m - QPointF(0, r * 0.03)), r * 0.16);
    case TQuer::Rinnig:
        return Band(Bogen(r * 2.0, -r * 0.7, m + QPointF(0, r * 0.35)), r * 0.17);
    case TQuer::Gekielt: {
        const std::vector<QPointF> v{m + QPointF(-r * 0.85, -r * 0.7),
                                     m + QPointF(-r * 0.4, -r * 0.1), m + QPointF(0, r * 0.6),
                                     m + QPointF(r * 0.4, -r * 0.1),
                                     m + QPointF(r * 0.85, -r * 0.7)};
        return Band(v, r * 0.18);
    }
    case TQuer::Borstlich: {
        // Folded shut: the two halves touch, a narrow slit stays inside.
        QPainterPath p({m.x() - r * 0.06, m.y() - r * 0.42});
        p.cubicTo(m.x() - r * 0.5, m.y() - r * 0.5, m.x() - r * 0.5, m.y() + r * 0.45, m.x(),
                  m.y() + r * 0.45);
        p.cubicTo(m.x() + r * 0.5, m.y() + r * 0.45, m.x() + r * 0.5, m.y() - r * 0.5,
                  m.x() + r * 0.06, m.y() - r * 0.42);
        p.lineTo(m.x(), m.y() + r * 0.2);
        p.closeSubpath();
        return p;
    }
    case TQuer::Faden:
        return Ellipsenpfad(m, r * 0.32, r * 0.3);
    case TQuer::Schwert:
        return Ellipsenpfad(m, r * 0.3, r);
    case TQuer::Halbrund: {
        QPainterPath p({m.x() - r, m.y() - r * 0.25});
        p.cubicTo(m.x() - r, m.y() + r * 0.9, m.x() + r, m.y() + r * 0.9, m.x() + r,
                  m.y() - r * 0.25);
        p.quadTo(m.x(), m.y() + r * 0.05, m.x() - r, m.y() - r * 0.25);
        p.closeSubpath();
        return p;
    }
    }
    return {};
}

// A stem or leaf cut across, with its vascular bundles; hollow stems keep a ring of tissue.
void Querschnitt(TZeichner& z, TQuer form, QPointF m = {MitteX, 150}, double r = 110)
{
    if (form == TQuer::Schwert) {
        // Pressed flat from the sides and as if folded lengthwise: the halves ride on each other.
        const QPainterPath p = Linse(m, r * 1.0, r * 0.3);
        QTransform t;
        t.translate(m.x(), m.y());
        t.rotate(90);
        t.translate(-m.x(), -m.y());
        z.Flaeche(t.map(p), Schnittgruen);
        for (double dy = -0.6; dy <= 0.61; dy += 0.3)
            z.Punkt(m + QPointF(0, dy * r), z.Gr(3.5, 5), QColor(0x6d, 0x94, 0x48));
        return;
    }
    const QPainterPath pfad = QuerPfad(form, m, r);
    z.Flaeche(pfad, Schnittgruen);
    if (form == TQuer::Hohl) {
        z.Flaeche(Skaliert(pfad, m, 0.72), Farbe::Weiss);
        for (int i = 0; i < 12; ++i)
            z.Punkt(Weiter(m, 30.0 * i, r * 0.86), z.Gr(3, 4), QColor(0x6d, 0x94, 0x48));
        return;
    }
    if (form == TQuer::Markig) {
        z.Flaeche(Skaliert(pfad, m, 0.78), Farbe::Schnitt, TStrich::Fein);
        for (int i = 0; i < 40; ++i) {
            const double w = i * 137.5, a = r * 0.7 * std::sqrt((i + 0.5) / 40.0);
            z.Punkt(Weiter(m, w, a), z.Gr(1.6, 2), QColor(0xc8, 0xb4, 0x80));
        }
        return;
    }
    const QRectF b = pfad.boundingRect();
    if (b.height() > r * 0.6 && b.width() > r * 0.6 && form != TQuer::Rinnig &&
        form != TQuer::Gekielt && form != TQuer::Borstlich) {
        // Bundles in a ring just inside the outline.
        const QPolygonF ring = Abtasten(Skaliert(pfad, m, 0.8), r * 0.32);
        for (QPointF p : ring)
            z.Punkt(p, z.Gr(3, 4.5), QColor(0x6d, 0x94, 0x48));
    }
}

// ---- Grass leaves at the top of the sheath -------------------------------------------------

enum class TOhr
{
    Kein,
    Klein,        // small, rounded, at the sides of the sheath's mouth
    Spitz,        // small, pointed
    Sichel,       // large, sickle-shaped, clasping the culm
    SichelWimper, // the same with a fringe of hairs
    HautLang,     // rushes: long membranous lobes
    HautKurz,     // rushes: short, rounded membranous lobes
};

struct TBlattgrund
{
    int Ligula = 1; // 0 none, 1 short, 2 long, 3 a fringe of hairs
    TOhr Ohr = TOhr::Kein;
    int Scheide = 0; // 1 open, 2 closed (with the cross-section beside)
    bool Haare = false;
    bool Spreite = true;
};

// The culm with a sheath, its mouth and the base of the blade, seen from the front.
void Blattgrund(TZeichner& z, const TBlattgrund& g)
{
    const double x = 130, y = 128;
    // Seen close up: the mouth of the sheath fills the picture.
    QPainter& maler = z.Maler();
    maler.save();
    maler.translate(g.Scheide != 0 ? 100 : 130, 160);
    maler.scale(2.2, 2.2);
    maler.translate(-x, -y);
    QPainterPath halm;
    halm.addRect(QRectF(x - 10, 8, 20, y + 20 - 8));
    z.Flaeche(halm, Halmgruen);
    // The blade leaves the sheath behind the ligule and bends to the right.
    if (g.Spreite) {
        QPainterPath spreite({x - 14, y});
        spreite.cubicTo(x + 10, y - 30, x + 70, y - 70, x + 170, y - 110);
        spreite.lineTo(x + 176, y - 96);
        spreite.cubicTo(x + 90, y - 44, x + 40, y - 8, x + 18, y + 4);
        spreite.closeSubpath();
        z.Flaeche(spreite, Farbe::Blatt);
        z.Kurve({x + 2, y - 4}, {x + 60, y - 50}, {x + 172, y - 103}, TStrich::Fein);
        if (g.Haare) Behaarung(z, spreite, z.Gr(9, 13), z.Gr(7, 10));
    }
    QPainterPath scheide({x - 18, Unten});
    scheide.lineTo(x - 18, y);
    scheide.quadTo(x, y - 4, x + 18, y);
    scheide.lineTo(x + 18, Unten);
    scheide.closeSubpath();
    z.Flaeche(scheide, Farbe::Blatt);
    if (g.Haare) Behaarung(z, scheide, z.Gr(9, 13), z.Gr(7, 10));
    if (g.Scheide == 1) {
        // Open: one margin overlaps the other down to the base.
        QPainterPath rand({x + 16, y});
        rand.quadTo(x - 2, y + 60, x - 2, Unten);
        z.Umriss(rand, TStrich::Normal);
        QPainterPath kerbe({x - 4, y - 2});
        kerbe.lineTo(x + 6, y + 22);
        kerbe.lineTo(x + 16, y);
        z.Flaeche(kerbe, Halmgruen, TStrich::Fein);
    } else if (g.Scheide == 2) {
        z.Ellipse({x, y}, 18, 4, Farbe::Blatt, TStrich::Normal);
        for (double dx : {-9.0, 0.0, 9.0})
            z.Linie({x + dx, y + 8}, {x + dx, Unten}, TStrich::Fein);
    }
    // The ligule stands in front of the culm above the mouth.
    const QColor ligulafarbe = Haut;
    if (g.Ligula == 1 || g.Ligula == 2) {
        const double h = g.Ligula == 1 ? z.Gr(10, 14) : z.Gr(40, 46);
        QPainterPath ligula({x - 12, y + 1});
        ligula.lineTo(x - 12, y - h * 0.8);
        ligula.lineTo(x - 6, y - h);
        ligula.lineTo(x, y - h * 0.86);
        ligula.lineTo(x + 6, y - h);
        ligula.lineTo(x + 12, y - h * 0.8);
        ligula.lineTo(x + 12, y + 1);
        ligula.closeSubpath();
        z.Flaeche(ligula, ligulafarbe, TStrich::Normal);
    } else if (g.Ligula == 3) {
        for (double dx = -13; dx <= 13; dx += z.Gr(3.2, 4.3))
            z.Linie({x + dx, y}, {x + dx * 1.3, y - z.Gr(20, 24)}, TStrich::Fein);
    }
    auto ohr = [&](double s) {
        switch (g.Ohr) {
        case TOhr::Kein:
            break;
        case TOhr::Klein: {
            QPainterPath p({x + s * 17, y + 2});
            p.cubicTo(x + s * 28, y - 2, x + s * 28, y - 14, x + s * 16, y - 12);
            p.closeSubpath();
            z.Flaeche(p, Farbe::Blatt);
            break;
        }
        case TOhr::Spitz: {
            QPainterPath p({x + s * 17, y + 4});
            p.quadTo(x + s * 26, y - 4, x + s * 26, y - 20);
            p.quadTo(x + s * 18, y - 10, x + s * 15, y - 8);
            p.closeSubpath();
            z.Flaeche(p, Farbe::Blatt);
            break;
        }
        case TOhr::Sichel:
        case TOhr::SichelWimper: {
            // Claws reaching round the culm from both sides and crossing in front.
            QPainterPath p({x + s * 17, y + 6});
            p.cubicTo(x + s * 34, y - 6, x + s * 26, y - 28, x - s * 10, y - 26);
            p.cubicTo(x + s * 14, y - 16, x + s * 16, y - 10, x + s * 13, y - 2);
            p.closeSubpath();
            z.Flaeche(p, Farbe::Blatt);
            if (g.Ohr == TOhr::SichelWimper) Behaarung(z, p, z.Gr(4, 6), z.Gr(5, 6));
            break;
        }
        case TOhr::HautLang:
        case TOhr::HautKurz: {
            const double h = g.Ohr == TOhr::HautLang ? 40 : 13;
            QPainterPath p({x + s * 18, y + 6});
            p.lineTo(x + s * 18, y - h * 0.6);
            p.quadTo(x + s * 17, y - h, x + s * 8, y - h);
            p.quadTo(x + s * 2, y - h * 0.7, x + s * 2, y - 2);
            p.closeSubpath();
            z.Flaeche(p, Haut);
            break;
        }
        }
    };
    ohr(-1);
    ohr(1);
    maler.restore();
    if (g.Scheide != 0) {
        // The sheath cut across below: a ring with a slit, or a closed tube.
        const QPointF q(262, 236);
        const double r = z.Gr(34, 40);
        z.Kreis(q, r * 0.62, Halmgruen);
        if (g.Scheide == 1) {
            QPainterPath offen;
            offen.arcMoveTo(QRectF(q.x() - r, q.y() - r, 2 * r, 2 * r), 80);
            offen.arcTo(QRectF(q.x() - r, q.y() - r, 2 * r, 2 * r), 80, 320);
            z.Umriss(offen, TStrich::Stark, QColor(0x5c, 0x8a, 0x40));
            QPainterPath ueber;
            ueber.arcMoveTo(QRectF(q.x() - r * 0.84, q.y() - r * 0.84, 1.68 * r, 1.68 * r), 30);
            ueber.arcTo(QRectF(q.x() - r * 0.84, q.y() - r * 0.84, 1.68 * r, 1.68 * r), 30, 80);
            z.Umriss(ueber, TStrich::Stark, QColor(0x5c, 0x8a, 0x40));
        } else {
            z.Kreis(q, r, Qt::transparent, TStrich::Stark, QColor(0x5c, 0x8a, 0x40));
        }
        z.Text({q.x(), q.y() + r + 16}, QStringLiteral("quer"));
    }
}

// ---- Lemmas, glumes and spikelets ----------------------------------------------------------

enum class TSpitze
{
    Spitz,
    Drei,   // three small teeth
    Stumpf, // blunt to truncate
    Zwei,   // two teeth, the awn from the notch
};

enum class TGranne
{
    End,       // straight from the tip
    Spreizend, // from the tip, spreading to bent back
    Ruecken,   // from the back, straight
    Gekniet,   // from the back, twisted below a knee
};

struct TSpelze
{
    double Laenge = 200;
    double Breite = 84;
    int Nerven = 5;
    bool Kraeftig = true;  // prominent nerves
    bool BisSpitze = true; // nerves reach the tip
    TSpitze Spitze = TSpitze::Spitz;
    double Granne = 0;
    TGranne Art = TGranne::End;
    bool Wolle = false;       // crinkled wool at the base
    bool NervenHaare = false; // hairy keel and marginal nerves
    QColor Farbe = Farbe::Kelch;
};

QPainterPath SpelzenPfad(const TSpelze& s)
{
    const double h = s.Laenge, w = s.Breite, hb = w * 0.16, hm = w * 0.5;
    QPainterPath p({-hb, 0});
    switch (s.Spitze) {
    case TSpitze::Spitz:
        p.cubicTo(-hm * 1.15, -0.2 * h, -hm, -0.68 * h, 0, -h);
        p.cubicTo(hm, -0.68 * h, hm * 1.15, -0.2 * h, hb, 0);
        break;
    case TSpitze::Stumpf:
        p.cubicTo(-hm * 1.15, -0.2 * h, -hm * 1.05, -0.72 * h, -0.3 * w, -0.95 * h);
        p.quadTo(0, -1.03 * h, 0.3 * w, -0.95 * h);
        p.cubicTo(hm * 1.05, -0.72 * h, hm * 1.15, -0.2 * h, hb, 0);
        break;
    case TSpitze::Drei:
        p.cubicTo(-hm * 1.15, -0.2 * h, -hm * 1.05, -0.72 * h, -0.3 * w, -0.93 * h);
        p.lineTo(-0.22 * w, -h);
        p.lineTo(-0.12 * w, -0.94 * h);
        p.lineTo(0, -1.02 * h);
        p.lineTo(0.12 * w, -0.94 * h);
        p.lineTo(0.22 * w, -h);
        p.lineTo(0.3 * w, -0.93 * h);
        p.cubicTo(hm * 1.05, -0.72 * h, hm * 1.15, -0.2 * h, hb, 0);
        break;
    case TSpitze::Zwei:
        p.cubicTo(-hm * 1.15, -0.2 * h, -hm, -0.68 * h, -0.14 * w, -h);
        p.lineTo(0, -0.88 * h);
        p.lineTo(0.14 * w, -h);
        p.cubicTo(hm, -0.68 * h, hm * 1.15, -0.2 * h, hb, 0);
        break;
    }
    p.closeSubpath();
    return p;
}

// A lemma or glume spread out and seen from the back, its base at fuss.
void Spelze(TZeichner& z, QPointF fuss, const TSpelze& s, double winkel = 0)
{
    Rahmen(z, fuss, winkel, [&] {
        const double h = s.Laenge, w = s.Breite;
        const QPainterPath umriss = SpelzenPfad(s);
        z.Flaeche(umriss, s.Farbe);
        if (s.Wolle)
            for (double seite : {-1.0, 1.0})
                for (int k = 0; k < 6; ++k) {
                    // Crinkled wool springing from the base.
                    const double w = seite > 0 ? -15 - k * 11 : -165 + k * 11;
                    QPointF p(0, -h * 0.03);
                    QPainterPath haar(p);
                    for (int i = 1; i <= 9; ++i) {
                        const QPointF n = Weiter(p, w, h * 0.05);
                        haar.quadTo(Mitte(p, n) + Richtung(w + 90) * (i % 2 ? 6.0 : -6.0), n);
                        p = n;
                    }
                    z.Umriss(haar, TStrich::Fein, QColor(0x60, 0x60, 0x60));
                }
        const int n = s.Nerven;
        const QColor nervfarbe = s.Kraeftig ? Farbe::Linie : QColor(0x8c, 0xa8, 0x70);
        for (int i = 0; i < n; ++i) {
            const double t = n == 1 ? 0 : -1 + 2.0 * i / (n - 1);
            const QPointF a(t * w * 0.12, -2);
            const double oben = s.Spitze == TSpitze::Spitz ? 0.06 : 0.2;
            const QPointF e =
                s.BisSpitze ? QPointF(t * w * oben, -0.9 * h) : QPointF(t * w * 0.22, -0.72 * h);
            const QPointF c(t * w * 0.44, -0.5 * h);
            z.Kurve(a, c, e, s.Kraeftig ? TStrich::Normal : TStrich::Fein, nervfarbe);
            if (s.NervenHaare && (i == 0 || i == n - 1 || i == n / 2))
                for (double u = 0.1; u < 0.62; u += z.Gr(0.07, 0.1)) {
                    const QPointF p = a * (1 - u) * (1 - u) + c * 2 * u * (1 - u) + e * u * u;
                    const double d = t == 0 ? (static_cast<int>(u * 30) % 2 ? 1 : -1) : t;
                    z.Linie(p, p + QPointF(d * z.Gr(12, 14), -6), TStrich::Fein);
                }
        }
        if (s.Granne <= 0) return;
        const double spitzeY = s.Spitze == TSpitze::Zwei ? -0.88 * h : -h;
        switch (s.Art) {
        case TGranne::End:
            z.Linie({0, spitzeY}, {0, spitzeY - s.Granne}, TStrich::Normal);
            break;
        case TGranne::Spreizend:
            z.Kurve({0, spitzeY}, {0, spitzeY - s.Granne * 0.6},
                    {s.Granne * 0.75, spitzeY - s.Granne * 0.45}, TStrich::Normal);
            break;
        case TGranne::Ruecken:
            z.Linie({0, -0.4 * h}, {0, -h - s.Granne}, TStrich::Normal);
            z.Punkt({0, -0.4 * h}, z.Gr(3, 4));
            break;
        case TGranne::Gekniet: {
            QPainterPath g({0, -0.3 * h});
            const double knie = -h - s.Granne * 0.3;
            for (int k = 1; k <= 8; ++k)
                g.lineTo((k % 2 ? 5 : -5), -0.3 * h + (knie + 0.3 * h) * k / 8);
            g.lineTo(s.Granne * 0.65, knie - s.Granne * 0.45);
            z.Umriss(g, TStrich::Normal);
            z.Punkt({0, -0.3 * h}, z.Gr(3, 4));
            break;
        }
        }
    });
}

// The two glumes side by side with their nerves; 0 nerves: bristle-like.
void Huellspelzen(TZeichner& z, int unten, int oben)
{
    for (int i = 0; i < 2; ++i) {
        const int nerven = i == 0 ? unten : oben;
        TSpelze s;
        s.Laenge = i == 0 ? 210 : 250;
        s.Breite = nerven == 0 ? 14 : 30 + std::min(nerven, 9) * 10;
        s.Nerven = std::max(nerven, 1);
        s.Farbe = Huellspelzengruen;
        Spelze(z, {i == 0 ? 96.0 : 224.0, 282}, s);
    }
}

// A small spikelet for inflorescence diagrams: a lanceolate green body.
void Aehrchenklein(TZeichner& z, QPointF an, double winkel, double l, double granne = 0)
{
    TBlatt b{TBlattform::Lanzettlich, l, l * 0.36, TRand::Ganz, TNervatur::Mittelnerv};
    b.Fuellung = Farbe::Kelch;
    b.Strich = TStrich::Fein;
    ZeichneBlatt(z, an, winkel, b);
    if (granne > 0) {
        const QPointF s = Weiter(an, winkel, l);
        z.Linie(s, Weiter(s, winkel, granne), TStrich::Fein);
    }
}

struct TAehrchen
{
    int Blueten = 5;
    int Huellspelzen = 2;      // 0, 1 or 2
    double HuellLaenge = 0.38; // of the spikelet's length
    int Grannen = 0;           // 0 none, 1 one per spikelet, 2 on every floret
    double Granne = 0;         // length of the awns
    bool Hervor = false;       // glumes in the accent colour
    double Spreizung = 14;     // how far the florets spread from the axis
    double Auffaecherung = 0;  // the spreading grows (>0) towards the tip
    double Breite = 0.36;      // of a floret, relative to its length
    bool SpindelSichtbar = false;
    bool Kiel = false;  // keeled lemmas
    double Zuwachs = 0; // florets grow (>0) or shrink (<0) towards the tip
};

// A spikelet from the side, standing upright on fuss, hoehe tall.
void Aehrchen(TZeichner& z, QPointF fuss, double hoehe, const TAehrchen& a)
{
    const int n = std::max(a.Blueten, 1);
    const double bl = n == 1 ? hoehe * 0.62 : hoehe * (n <= 3 ? 0.46 : 0.34);
    const double abstand = n == 1 ? 0 : (hoehe - bl) / (n - 0.6);
    const double start = a.Huellspelzen > 0 ? hoehe * 0.1 : 4;
    auto ansatz = [&](int i) {
        return Weiter(fuss, -90, start + abstand * i) +
               QPointF(a.SpindelSichtbar ? (i % 2 ? -6 : 6) : 0, 0);
    };
    auto floret = [&](int i) {
        const QPointF an = ansatz(i);
        const double s = n == 1 ? 0 : (i % 2 ? -1 : 1);
        const double l = bl * (1 + a.Zuwachs * i / std::max(n - 1, 1));
        const double w = -90 + s * a.Spreizung * (1 + a.Auffaecherung * i / std::max(n - 1, 1));
        TBlatt sp{TBlattform::Lanzettlich, l, l * a.Breite, TRand::Ganz, TNervatur::Mittelnerv};
        sp.Fuellung = Farbe::Kelch;
        sp.Strich = z.Gross() ? TStrich::Normal : TStrich::Fein;
        ZeichneBlatt(z, an, w, sp);
        if (a.Kiel) z.Linie(Weiter(an, w, l * 0.1), Weiter(an, w, l * 0.95), TStrich::Achse);
        const bool granne = a.Grannen == 2 || (a.Grannen == 1 && i == n - 1);
        if (granne) {
            const QPointF spitze = Weiter(an, w, l * 0.97);
            z.Linie(spitze, Weiter(spitze, w + s * 3, a.Granne), TStrich::Normal);
        }
    };
    for (int i = n - 1; i >= 0; --i)
        floret(i);
    if (a.SpindelSichtbar) {
        // The axis of the spikelet shows between the narrow, inrolled lemmas.
        QPainterPath achse(fuss);
        for (int i = 0; i < n; ++i)
            achse.lineTo(ansatz(i));
        z.Umriss(achse, TStrich::Stark, Farbe::Akzent);
    }
    const QColor hf = a.Hervor ? Farbe::AkzentFlaeche : Huellspelzengruen;
    const QColor hl = a.Hervor ? Farbe::Akzent : Farbe::Linie;
    const double hh = hoehe * a.HuellLaenge;
    for (int k = 0; k < a.Huellspelzen; ++k) {
        const double s = a.Huellspelzen == 1 ? 1 : (k == 0 ? -1 : 1);
        TBlatt g{TBlattform::Lanzettlich, hh * (k == 0 && a.Huellspelzen == 2 ? 0.9 : 1.0),
                 std::min(hh * 0.3, bl * 0.5), TRand::Ganz, TNervatur::Mittelnerv};
        g.Fuellung = hf;
        g.Linie = hl;
        ZeichneBlatt(z, fuss, -90 + s * 10, g);
    }
}

// ---- Habits ----------------------------------------------------------------------------------

enum class TWuchs
{
    Einjaehrig, // a few culms, fine roots, no sterile shoots
    Horstig,    // a dense tuft with tufts of leaves that do not flower
    Rhizom,     // culms in loose rows from creeping underground runners
    Kriechend,  // shoots creeping on the ground and rooting at the nodes
};

using TKopf = std::function<void(TZeichner&, QPointF spitze, double winkel, double laenge)>;

void Rispenkopf(TZeichner& z, QPointF p, double winkel, double l)
{
    z.Linie(p, Weiter(p, winkel, l), TStrich::Normal);
    for (int i = 0; i < 4; ++i) {
        const QPointF a = Weiter(p, winkel, l * (0.15 + 0.22 * i));
        for (double s : {-1.0, 1.0})
            Aehrchenklein(z, Weiter(a, winkel + s * 35, l * 0.12), winkel + s * 25, l * 0.2);
    }
}

void Grasblatt(TZeichner& z, QPointF an, double winkel, double l, double b = 8)
{
    TBlatt blatt{TBlattform::Lineal, l, b, TRand::Ganz, TNervatur::Keine};
    blatt.Strich = TStrich::Fein;
    ZeichneBlatt(z, an, winkel, blatt);
}

void Wurzelbart(TZeichner& z, QPointF an, double l, int n = 5)
{
    for (int k = 0; k < n; ++k) {
        const double t = n == 1 ? 0 : -1 + 2.0 * k / (n - 1);
        z.Kurve(an, an + QPointF(t * l * 0.2, l * 0.5), an + QPointF(t * l * 0.45, l),
                TStrich::Fein, Farbe::Samen);
    }
}

// A tuft: culms carrying a head, and leaves; the ground at boden.
void Buschel(TZeichner& z, QPointF fuss, double hoehe, int halme, int blaetter, const TKopf& kopf,
             double blattbreite = 8)
{
    for (int i = 0; i < blaetter; ++i) {
        const double t = blaetter == 1 ? 0 : -1 + 2.0 * i / (blaetter - 1);
        Grasblatt(z, fuss + QPointF(t * 6, 0), -90 + t * 55, hoehe * (0.42 - 0.12 * std::abs(t)),
                  blattbreite);
    }
    for (int i = 0; i < halme; ++i) {
        const double t = halme == 1 ? 0 : -1 + 2.0 * i / (halme - 1);
        const double w = -90 + t * 14;
        const double l = hoehe * (1 - 0.1 * std::abs(t));
        const QPointF oben = Weiter(fuss, w, l * 0.7);
        z.Linie(fuss, oben, TStrich::Normal);
        Grasblatt(z, Weiter(fuss, w, l * 0.28), w + (t >= 0 ? 30 : -30), l * 0.22,
                  blattbreite * 0.8);
        kopf(z, oben, w, l * 0.3);
    }
}

void Wuchs(TZeichner& z, TWuchs art, const TKopf& kopf = Rispenkopf, double blattbreite = 8)
{
    const double boden = 232;
    QPainterPath erde;
    erde.addRect(QRectF(6, boden, 308, TZeichner::Hoehe - boden - 4));
    z.Fuellen(erde, QColor(0xef, 0xe6, 0xd4));
    z.Boden(boden);
    switch (art) {
    case TWuchs::Einjaehrig:
        Buschel(z, {MitteX, boden}, 210, 3, 2, kopf, blattbreite);
        Wurzelbart(z, {MitteX, boden}, 44, 7);
        break;
    case TWuchs::Horstig: {
        QPainterPath horst;
        horst.addEllipse(QPointF(MitteX, boden), 46, 12);
        z.Flaeche(horst, QColor(0xc9, 0xa9, 0x7a));
        Buschel(z, {MitteX, boden}, 210, 3, 0, kopf, blattbreite);
        // Tufts of leaves without culms round the flowering shoots.
        for (double dx : {-40.0, -22.0, 22.0, 40.0})
            for (double w : {-125.0, -100.0, -80.0, -55.0})
                Grasblatt(z, {MitteX + dx, boden - 4}, w + dx * 0.3, 86 - std::abs(w + 90) * 0.4,
                          blattbreite * 0.8);
        for (double dx = -40; dx <= 40; dx += 16)
            Wurzelbart(z, {MitteX + dx, boden + 8}, 40, 3);
        break;
    }
    case TWuchs::Rhizom: {
        QPainterPath rhizom({20, 268});
        rhizom.cubicTo(110, 262, 200, 272, 300, 264);
        z.Umriss(rhizom, TStrich::Stark, QColor(0xb0, 0x8a, 0x58));
        for (double x : {70.0, 160.0, 250.0}) {
            z.Linie({x, 268}, {x, boden}, TStrich::Normal);
            Buschel(z, {x, boden}, x == 160 ? 200 : 170, 1, 2, kopf, blattbreite);
            Wurzelbart(z, {x, 270}, 22, 3);
        }
        break;
    }
    case TWuchs::Kriechend: {
        QPainterPath trieb({MitteX - 30, boden});
        trieb.cubicTo(220, boden - 14, 250, boden - 2, 300, boden - 6);
        z.Umriss(trieb, TStrich::Achse);
        QPainterPath trieb2({MitteX - 30, boden});
        trieb2.cubicTo(90, boden - 12, 60, boden - 2, 20, boden - 4);
        z.Umriss(trieb2, TStrich::Achse);
        Buschel(z, {MitteX - 30, boden}, 210, 2, 3, kopf, blattbreite);
        Wurzelbart(z, {MitteX - 30, boden}, 34, 5);
        for (double x : {60.0, 236.0}) {
            Wurzelbart(z, {x, boden - 5}, 24, 3);
            for (double w : {-120.0, -70.0})
                Grasblatt(z, {x, boden - 5}, w, 40, blattbreite * 0.8);
        }
        break;
    }
    }
}

// ---- Sedges ----------------------------------------------------------------------------------

// A sedge spike from fuss along winkel: the male part slender and brown with anthers, the
// female part thick with green utricles and their stigmas. maennlichOben / maennlichUnten:
// the share of the length that is male at the tip / at the base.
void Seggenaehre(TZeichner& z, QPointF fuss, double l, double winkel, double maennlichOben,
                 double maennlichUnten = 0)
{
    Rahmen(z, fuss, winkel + 90, [&] {
        const double mb = z.Gr(8, 12), wb = z.Gr(15, 22);
        const double u0 = maennlichUnten * l, o0 = l * (1 - maennlichOben);
        auto maennlich = [&](double von, double bis) {
            if (bis - von < 1) return;
            QPainterPath p;
            p.addRoundedRect(QRectF(-mb, -bis, 2 * mb, bis - von), mb, mb);
            z.Flaeche(p, QColor(0xc9, 0xa8, 0x7c));
            for (double y = von + 6; y < bis - 4; y += z.Gr(9, 12)) {
                const double s = static_cast<int>(y / 9) % 2 ? -1 : 1;
                z.Linie({s * mb * 0.8, -y}, {s * (mb + z.Gr(7, 9)), -y - 3}, TStrich::Fein);
                z.Ellipse({s * (mb + z.Gr(9, 11)), -y - 4}, z.Gr(3, 4), z.Gr(1.6, 2.2), Pollen,
                          TStrich::Fein);
            }
        };
        auto weiblich = [&](double von, double bis) {
            if (bis - von < 1) return;
            QPainterPath p;
            p.addRoundedRect(QRectF(-wb, -bis, 2 * wb, bis - von), wb * 0.8, wb * 0.8);
            z.Flaeche(p, QColor(0x8a, 0x6a, 0x44));
            const double schritt = z.Gr(11, 15);
            int reihe = 0;
            for (double y = von + schritt * 0.6; y < bis - schritt * 0.3; y += schritt, ++reihe)
                for (double s : {-1.0, 1.0}) {
                    const QPointF m(s * wb * 0.45 + (reihe % 2 ? 2 : -2), -y);
                    z.Ellipse(m, wb * 0.5, schritt * 0.62, QColor(0xb9, 0xd4, 0x86), TStrich::Fein);
                }
        };
        if (maennlichOben > 0 && maennlichUnten > 0) {
            maennlich(0, u0);
            weiblich(u0, o0);
            maennlich(o0, l);
        } else if (maennlichOben >= 1) {
            maennlich(0, l);
        } else {
            maennlich(0, u0);
            weiblich(u0, o0);
            maennlich(o0, l);
        }
    });
}

struct TAehrenplatz
{
    double Hoehe;  // where it sits on the stem (y)
    double Laenge; // of the spike
    double Stiel;  // of its stalk
    double Winkel; // of the stalk
    double MaennlichOben = 0;
    double MaennlichUnten = 0;
    double Neigung = 0; // the spike bends away from the stalk (nodding)
};

void Seggenstand(TZeichner& z, const std::vector<TAehrenplatz>& aehren, double deckblatt = 0,
                 double x = MitteX)
{
    z.Linie({x, Unten}, {x, aehren.front().Hoehe}, TStrich::Achse);
    if (deckblatt > 0) {
        const double y = aehren.back().Hoehe;
        Grasblatt(z, {x, y}, -72, deckblatt, z.Gr(6, 9));
    }
    for (const TAehrenplatz& a : aehren) {
        const QPointF an(x, a.Hoehe);
        const QPointF ende = a.Stiel > 0 ? Weiter(an, a.Winkel, a.Stiel) : an;
        if (a.Stiel > 0) {
            QPainterPath stiel(an);
            stiel.quadTo(Weiter(an, a.Winkel, a.Stiel * 0.6), ende);
            z.Umriss(stiel, TStrich::Normal);
        }
        const double w = a.Stiel > 0 ? a.Winkel + a.Neigung : a.Winkel;
        Seggenaehre(z, ende, a.Laenge, w, a.MaennlichOben, a.MaennlichUnten);
    }
}

// The terminal spike on top of the stem.
TAehrenplatz Endaehre(double oben, double laenge, double maennlichOben, double maennlichUnten = 0)
{
    return {oben + laenge, laenge, 0, -90, maennlichOben, maennlichUnten};
}

// A utricle of a sedge: beak o none, k truncate, z two teeth; stigmas leaving the beak.
void Seggenschlauch(TZeichner& z, QPointF fuss, double h, char schnabel, bool haare, int narben,
                    bool spelze = true)
{
    const double x = fuss.x(), y = fuss.y();
    const double b = h * 0.34;
    if (spelze) {
        TBlatt sp{TBlattform::Eifoermig, h * 0.8, h * 0.5, TRand::Ganz, TNervatur::Mittelnerv};
        sp.Fuellung = QColor(0xb5, 0x8e, 0x5e);
        ZeichneBlatt(z, {x - h * 0.1, y + 4}, -96, sp);
    }
    const double hals = schnabel == 'o' ? 0.04 * h : 0.26 * h;
    const double k = y - h + hals; // where the body narrows into the beak
    QPainterPath s({x, y});
    s.cubicTo(x - b * 1.5, y - h * 0.05, x - b * 1.3, k + h * 0.3, x - b * 0.22, k);
    if (schnabel == 'o') {
        s.quadTo(x, k - h * 0.05, x + b * 0.22, k);
    } else {
        s.lineTo(x - b * 0.14, y - h);
        if (schnabel == 'z') {
            s.lineTo(x - b * 0.2, y - h - h * 0.08);
            s.lineTo(x, y - h + h * 0.02);
            s.lineTo(x + b * 0.2, y - h - h * 0.08);
        } else {
            s.lineTo(x + b * 0.14, y - h - h * 0.02);
        }
        s.lineTo(x + b * 0.14, y - h);
        s.lineTo(x + b * 0.22, k);
    }
    s.cubicTo(x + b * 1.3, k + h * 0.3, x + b * 1.5, y - h * 0.05, x, y);
    z.Flaeche(s, QColor(0xc6, 0xdc, 0x92));
    for (double t : {-0.5, 0.5})
        z.Kurve({x + t * b * 0.3, y - 4}, {x + t * b * 1.5, y - h * 0.4}, {x + t * b * 0.3, k + 6},
                TStrich::Fein);
    if (haare) Behaarung(z, s, z.Gr(8, 11), z.Gr(6, 8));
    const double top = schnabel == 'o' ? k - h * 0.03 : y - h;
    for (int i = 0; i < narben; ++i) {
        const double w = narben == 2 ? (i == 0 ? -125 : -55) : -140 + 50.0 * i;
        QPainterPath n({x, top});
        const QPointF e = Weiter({x, top}, w, h * 0.28);
        n.quadTo(Weiter({x, top}, w + 25, h * 0.2), e);
        z.Umriss(n, TStrich::Normal, QColor(0x8a, 0x4a, 0x30));
    }
}

// ---- Horsetails --------------------------------------------------------------------------

enum class TZahn
{
    Pfriemlich, // long, awl-shaped, dark
    Kurz,       // short, black, pointed
    Hautrand,   // with a broad white margin
    Haarspitze, // with a hair-fine tip
    Breit,      // broad, blunt, red-brown
};

enum class TVerwachsung
{
    Frei,
    Lappen,
    Ring, // teeth fallen, a black ring left
};

// A sheath round the stem at the node y, teeth pointing up.
void Halmscheide(TZeichner& z, double x, double y, double r, double hoehe, TZahn zahn,
                 TVerwachsung verw, const QColor& farbe, int zaehne = 5)
{
    const double oben = y - hoehe;
    QPainterPath sch({x - r, y});
    sch.lineTo(x - r, oben);
    sch.lineTo(x + r, oben);
    sch.lineTo(x + r, y);
    sch.closeSubpath();
    z.Flaeche(sch, farbe.darker(108));
    const double b = 2 * r / zaehne;
    for (int i = 1; i < zaehne; ++i)
        z.Linie({x - r + b * i, y - 2}, {x - r + b * i, oben + 2}, TStrich::Fein);
    if (verw == TVerwachsung::Ring) {
        QPainterPath ring;
        ring.addRect(QRectF(x - r, oben - 2, 2 * r, z.Gr(12, 18)));
        z.Flaeche(ring, QColor(0x20, 0x18, 0x14), TStrich::Fein);
        return;
    }
    const QColor dunkel(0x2a, 0x20, 0x18);
    if (verw == TVerwachsung::Lappen) {
        // Teeth fused in groups into a few broad lobes.
        const int lappen = 2;
        const double lb = 2 * r / lappen, zh = 56;
        for (int i = 0; i < lappen; ++i) {
            const double x0 = x - r + lb * i;
            QPainterPath p({x0 + 1, oben});
            p.quadTo(x0, oben - zh * 0.8, x0 + lb * 0.25, oben - zh);
            p.lineTo(x0 + lb * 0.5, oben - zh * 0.82);
            p.lineTo(x0 + lb * 0.75, oben - zh);
            p.quadTo(x0 + lb, oben - zh * 0.8, x0 + lb - 1, oben);
            p.closeSubpath();
            z.Flaeche(p, QColor(0x8a, 0x60, 0x3c));
        }
        return;
    }
    const double zh = zahn == TZahn::Pfriemlich ? 100
                      : zahn == TZahn::Kurz     ? 26
                      : zahn == TZahn::Hautrand ? 64
                                                : 36;
    for (int i = 0; i < zaehne; ++i) {
        const double x0 = x - r + b * i, xm = x0 + b / 2;
        QPainterPath p({x0 + 1, oben});
        switch (zahn) {
        case TZahn::Pfriemlich:
            p.quadTo(xm - b * 0.1, oben - zh * 0.4, xm, oben - zh);
            p.quadTo(xm + b * 0.1, oben - zh * 0.4, x0 + b - 1, oben);
            break;
        case TZahn::Kurz:
        case TZahn::Haarspitze:
            p.lineTo(xm, oben - zh);
            p.lineTo(x0 + b - 1, oben);
            break;
        case TZahn::Hautrand:
            p.quadTo(x0 - b * 0.05, oben - zh * 0.6, xm, oben - zh);
            p.quadTo(x0 + b * 1.05, oben - zh * 0.6, x0 + b - 1, oben);
            break;
        case TZahn::Breit:
            p.cubicTo(x0, oben - zh * 1.3, x0 + b, oben - zh * 1.3, x0 + b - 1, oben);
            break;
        }
        p.closeSubpath();
        switch (zahn) {
        case TZahn::Pfriemlich:
            z.Flaeche(p, QColor(0x4a, 0x36, 0x24), TStrich::Fein);
            break;
        case TZahn::Kurz:
            z.Flaeche(p, dunkel, TStrich::Fein);
            break;
        case TZahn::Haarspitze:
            z.Flaeche(p, QColor(0x6a, 0x4c, 0x30), TStrich::Fein);
            z.Kurve({xm, oben - zh}, {xm + 2, oben - zh - 40}, {xm + 10, oben - zh - 80},
                    TStrich::Fein, dunkel);
            break;
        case TZahn::Hautrand: {
            z.Flaeche(p, Farbe::Weiss, TStrich::Normal);
            QPainterPath mitte({xm - b * 0.14, oben});
            mitte.lineTo(xm, oben - zh * 0.9);
            mitte.lineTo(xm + b * 0.14, oben);
            mitte.closeSubpath();
            z.Flaeche(mitte, dunkel, TStrich::Fein);
            break;
        }
        case TZahn::Breit:
            z.Flaeche(p, QColor(0xa8, 0x4e, 0x26), TStrich::Normal);
            break;
        }
    }
}

// A piece of ribbed stem with one sheath, large.
void Scheidenbild(TZeichner& z, TZahn zahn, TVerwachsung verw, const QColor& farbe = Halmgruen)
{
    const double x = MitteX, r = 56;
    QPainterPath stamm;
    stamm.addRect(QRectF(x - r * 0.84, 4, r * 1.68, Unten));
    z.Flaeche(stamm, farbe);
    for (double dx = -r * 0.84 + 19; dx < r * 0.84; dx += 19)
        z.Linie({x + dx, 6}, {x + dx, Unten}, TStrich::Fein, farbe.darker(140));
    Halmscheide(z, x, 284, r, 96, zahn, verw, farbe);
}

const QColor EqGruen(0x6f, 0xa8, 0x4e);
const QColor EqGrau(0x9c, 0xb2, 0x98);
const QColor EqBleich(0xe4, 0xd2, 0xb0);
const QColor EqWeiss(0xf4, 0xee, 0xda);

// A horsetail stem: quirle 0 none, 1 simple whorls, 2 whorls of branched branches; a cone on
// top if aehre.
void Schachtelstamm(TZeichner& z, double x, double fuss, double hoehe, const QColor& farbe,
                    int quirle, bool aehre, bool krumm = false)
{
    const double oben = fuss - hoehe;
    const double d = z.Gr(5, 7);
    const int knoten = 6;
    for (int i = 1; i < knoten; ++i) {
        const double y = fuss - hoehe * i / knoten;
        if (quirle == 0 || i < 2) continue;
        const double l = hoehe * 0.24 * (1 - 0.12 * (i - 2));
        for (double s : {-1.0, 1.0})
            for (double w : {-20.0, 10.0}) {
                const double wink = s > 0 ? w : 180 - w;
                const QPointF a(x, y);
                const QPointF e = Weiter(a, wink + (krumm ? 20 * s : 0), l);
                z.Linie(a, e, TStrich::Normal, EqGruen.darker(130));
                if (quirle == 2)
                    for (double t : {0.4, 0.7})
                        for (double dw : {-40.0, 40.0})
                            z.Linie(Mitte(a, e, t), Weiter(Mitte(a, e, t), wink + dw, l * 0.25),
                                    TStrich::Fein, EqGruen.darker(130));
            }
    }
    QPainterPath stamm;
    stamm.addRect(QRectF(x - d, oben, 2 * d, hoehe));
    z.Flaeche(stamm, farbe, TStrich::Fein);
    for (int i = 1; i < knoten; ++i) {
        const double y = fuss - hoehe * i / knoten;
        QPainterPath sch;
        sch.addRect(QRectF(x - d - 1.5, y - z.Gr(10, 14), 2 * d + 3, z.Gr(10, 14)));
        z.Flaeche(sch, farbe.darker(112), TStrich::Fein);
        z.Linie({x - d - 1.5, y - z.Gr(10, 14)}, {x + d + 1.5, y - z.Gr(10, 14)}, TStrich::Normal,
                QColor(0x2a, 0x20, 0x18));
    }
    if (aehre) {
        QPainterPath k;
        k.addRoundedRect(QRectF(x - 17, oben - 70, 34, 74), 16, 16);
        z.Flaeche(k, QColor(0xb8, 0x96, 0x62));
        for (double y = oben - 58; y < oben; y += 11)
            z.Linie({x - 15, y}, {x + 15, y}, TStrich::Fein);
    }
}

// A horsetail stem cut across: ribs, a central cavity and the canals under the grooves.
void Rippenquer(TZeichner& z, int rippen)
{
    const QPointF m(MitteX, 150);
    const double r = 118;
    QPainterPath aussen;
    const int schritte = rippen * 12;
    for (int i = 0; i <= schritte; ++i) {
        const double w = 360.0 * i / schritte;
        const double rr = r * (1 - 0.05 * (1 - std::cos(qDegreesToRadians(w * rippen))));
        const QPointF p = Weiter(m, w, rr);
        if (i == 0)
            aussen.moveTo(p);
        else
            aussen.lineTo(p);
    }
    aussen.closeSubpath();
    z.Flaeche(aussen, Schnittgruen);
    const double hohl = rippen < 12 ? 0.4 : (rippen < 20 ? 0.6 : 0.72);
    z.Kreis(m, r * hohl, Farbe::Weiss);
    const double kanal = std::min(r * 0.1, r * 2.4 / rippen);
    for (int i = 0; i < rippen; ++i) {
        const double w = 360.0 * (i + 0.5) / rippen;
        z.Kreis(Weiter(m, w, r * (hohl + (1 - hohl) * 0.55)), kanal, Farbe::Weiss, TStrich::Fein);
    }
}

// ---- Allium ----------------------------------------------------------------------------------

const QColor LauchWeiss(0xfb, 0xfb, 0xf6);
const QColor LauchGruenweiss(0xee, 0xf1, 0xcc);
const QColor LauchGelb(0xf4, 0xd2, 0x3a);
const QColor LauchRosa(0xea, 0xae, 0xdc);
const QColor LauchPurpur(0x98, 0x2a, 0x5c);
const QColor LauchBraun(0xb3, 0x92, 0x74);

// A small bell of six tepals opening away from the pedicel.
void Lauchbluete(TZeichner& z, QPointF an, double winkel, double l, const QColor& farbe,
                 bool staubLang = false)
{
    Rahmen(z, an, winkel, [&] {
        if (staubLang)
            for (double dy : {-0.25, 0.0, 0.25}) {
                const QPointF e(l * 1.6, dy * l * 1.6);
                z.Linie({l * 0.2, 0}, e, TStrich::Fein);
                z.Ellipse(e, z.Gr(2.6, 3), z.Gr(1.8, 2.2), QColor(0x7a, 0x4a, 0x6a), TStrich::Fein);
            }
        // One bell of tepals, outlined thinly so that its colour shows.
        QPainterPath glocke({0, 0});
        glocke.cubicTo(l * 0.3, -l * 0.2, l * 0.7, -l * 0.55, l, -l * 0.42);
        glocke.quadTo(l * 0.92, -l * 0.14, l * 1.02, 0);
        glocke.quadTo(l * 0.92, l * 0.14, l, l * 0.42);
        glocke.cubicTo(l * 0.7, l * 0.55, l * 0.3, l * 0.2, 0, 0);
        glocke.closeSubpath();
        z.Flaeche(glocke, farbe, TStrich::Fein);
    });
}

struct TLauch
{
    QColor Farbe = LauchRosa;
    bool Brut = false;
    char Huelle = 'k'; // k short, l long, h one, falling early, 0 none drawn
    bool StaubLang = false;
};

// An umbel at the top of the stem: pedicels from one point.
void Lauchdolde(TZeichner& z, QPointF p, double r, const TLauch& l)
{
    const int n = l.Brut ? 7 : 9;
    for (int i = 0; i < n; ++i) {
        const double w = -90 - 80 + 160.0 * i / (n - 1);
        const QPointF e = Weiter(p, w, r);
        z.Linie(p, e, TStrich::Fein);
        Lauchbluete(z, e, w, r * 0.42, l.Farbe, l.StaubLang);
    }
    for (double w : {-120.0, -60.0, -90.0}) {
        const QPointF e = Weiter(p, w, r * 0.5);
        z.Linie(p, e, TStrich::Fein);
        Lauchbluete(z, e, w, r * 0.3, l.Farbe, l.StaubLang);
    }
    if (l.Brut) {
        const QPointF brut[] = {{-14, -12}, {12, -14}, {-2, -30}, {20, -32},
                                {-22, -32}, {6, -46},  {-12, -48}};
        for (QPointF b : brut)
            z.Kreis(p + b * (r / 70), r * 0.15, QColor(0x9a, 0x5a, 0x6a));
    }
    auto huellblatt = [&](double w, double lang) {
        TBlatt h{TBlattform::Lanzettlich, lang, std::min(lang * 0.3, r * 0.35), TRand::Ganz,
                 TNervatur::Mittelnerv};
        h.Fuellung = Haut;
        ZeichneBlatt(z, p + QPointF(0, 4), w, h);
    };
    switch (l.Huelle) {
    case 'k':
        huellblatt(-120, r * 0.45);
        huellblatt(-60, r * 0.5);
        break;
    case 'l':
        huellblatt(-105, r * 2.3);
        huellblatt(-72, r * 1.9);
        break;
    case 'h': {
        // The single spathe is falling off.
        TBlatt h{TBlattform::Lanzettlich, r * 0.8, r * 0.4, TRand::Ganz, TNervatur::Mittelnerv};
        h.Fuellung = Haut;
        ZeichneBlatt(z, p + QPointF(r * 0.4, r * 0.5), 40, h);
        z.Pfeil(p + QPointF(r * 1.0, r * 0.6), p + QPointF(r * 1.05, r * 1.1), Farbe::Akzent);
        break;
    }
    default:
        break;
    }
}

void Lauchpflanze(TZeichner& z, const TLauch& l, double scheide = 0.2)
{
    const QPointF top(MitteX, 100);
    z.Linie({MitteX, Unten}, top, TStrich::Achse);
    if (scheide > 0) {
        QPainterPath sch;
        const double h = (Unten - top.y()) * scheide;
        sch.addRect(QRectF(MitteX - 7, Unten - h, 14, h));
        z.Flaeche(sch, Farbe::Blatt);
    }
    Lauchdolde(z, top, 70, l);
}

// ---- Iris ------------------------------------------------------------------------------------

const QColor IrisGelb(0xf4, 0xd0, 0x24);
const QColor IrisBlau(0x6a, 0x5a, 0xd0);
const QColor IrisHellgelb(0xf4, 0xe6, 0x9a);
const QColor IrisSchmutzig(0x8e, 0x6c, 0x7e);

struct TIris
{
    QColor Farbe = IrisBlau;
    bool Bart = false;
    bool InnenKlein = false;
    bool Adern = false;
    QColor Innen = QColor(); // standards in another colour
};

// A tepal with a narrow claw and a broad, rounded blade.
QPainterPath Irisblatt(double l, double b)
{
    QPainterPath p({0, -b * 0.08});
    p.cubicTo(l * 0.2, -b * 0.1, l * 0.3, -b * 0.14, l * 0.42, -b * 0.3);
    p.cubicTo(l * 0.56, -b * 0.52, l * 0.86, -b * 0.56, l * 0.97, -b * 0.3);
    p.cubicTo(l * 1.03, -b * 0.12, l * 1.03, b * 0.12, l * 0.97, b * 0.3);
    p.cubicTo(l * 0.86, b * 0.56, l * 0.56, b * 0.52, l * 0.42, b * 0.3);
    p.cubicTo(l * 0.3, b * 0.14, l * 0.2, b * 0.1, 0, b * 0.08);
    p.closeSubpath();
    return p;
}

// An iris flower, three-quarter view: falls spreading and hanging, standards upright.
void Irisbluete(TZeichner& z, QPointF m, double g, const TIris& iris)
{
    const QColor innen = iris.Innen.isValid() ? iris.Innen : iris.Farbe;
    const double il = iris.InnenKlein ? g * 0.55 : g * 1.05;
    const double ib = iris.InnenKlein ? g * 0.2 : g * 0.62;
    for (double w : {-120.0, -60.0, -90.0})
        Rahmen(z, m, w, [&] { z.Flaeche(Irisblatt(il, ib), innen.lighter(108)); });
    for (double w : {40.0, 140.0, 90.0})
        Rahmen(z, m, w, [&] {
            z.Flaeche(Irisblatt(g * 1.2, g * 0.74), iris.Farbe);
            if (iris.Adern)
                for (double d : {-0.16, -0.08, 0.0, 0.08, 0.16})
                    z.Kurve({g * 0.3, d * g * 0.3}, {g * 0.55, d * g}, {g * 0.85, d * g * 1.6},
                            TStrich::Fein, QColor(0x6a, 0x30, 0x5a));
            if (iris.Bart) {
                // A brush of yellow hairs along the middle of the fall, beyond the style.
                QPainterPath bart({g * 0.38, 0});
                bart.cubicTo(g * 0.5, -g * 0.09, g * 0.78, -g * 0.07, g * 0.9, 0);
                bart.cubicTo(g * 0.78, g * 0.07, g * 0.5, g * 0.09, g * 0.38, 0);
                z.Flaeche(bart, QColor(0xf6, 0xc2, 0x22), TStrich::Fein);
                for (double x = g * 0.44; x < g * 0.86; x += z.Gr(5, 8))
                    for (double s : {-1.0, 1.0})
                        z.Linie({x, 0}, {x + 4, s * g * 0.075}, TStrich::Fein,
                                QColor(0xb0, 0x70, 0x10));
            }
        });
    // The three style branches, petal-like, over the claws of the falls.
    for (double w : {40.0, 140.0, 90.0})
        Rahmen(z, m, w, [&] {
            QPainterPath a({0, -g * 0.07});
            a.lineTo(g * 0.36, -g * 0.09);
            a.lineTo(g * 0.42, -g * 0.02);
            a.lineTo(g * 0.4, g * 0.09);
            a.lineTo(0, g * 0.07);
            a.closeSubpath();
            z.Flaeche(a, innen.lighter(125), TStrich::Fein);
        });
}

// A fan of sword leaves.
void Schwertblaetter(TZeichner& z, QPointF fuss, double hoehe, bool mittelrippe = false)
{
    for (double w : {-118.0, -104.0, -90.0, -76.0, -62.0}) {
        const double l = hoehe * (1 - std::abs(w + 90) * 0.008);
        QPainterPath b({0, -8});
        b.lineTo(l * 0.85, -7);
        b.lineTo(l, 0);
        b.lineTo(l * 0.85, 7);
        b.lineTo(0, 8);
        b.closeSubpath();
        Rahmen(z, fuss, w, [&] {
            z.Flaeche(b, Farbe::Blatt);
            if (mittelrippe) z.Linie({0, 0}, {l * 0.9, 0}, TStrich::Normal);
        });
    }
}

// ---- Rushes and wood-rushes ------------------------------------------------------------------

const QColor SimseBraun(0xb0, 0x8a, 0x5c);

// A flower from above: six tepals, stamens and the capsule in the middle.
void Simsenbluete(TZeichner& z, QPointF m, double r, bool spitz, int staub,
                  const QColor& farbe = SimseBraun)
{
    for (int i = 0; i < 6; ++i) {
        const double w = -90 + 60.0 * i;
        TBlatt p{spitz ? TBlattform::Lanzettlich : TBlattform::Elliptisch, r,
                 r * (spitz ? 0.42 : 0.52), TRand::Ganz, TNervatur::Mittelnerv};
        p.Fuellung = i % 2 ? farbe.lighter(112) : farbe;
        if (!spitz) {
            // Blunt tips: a rounded blade.
            Rahmen(z, m, w, [&] {
                QPainterPath b({0, 0});
                b.cubicTo(r * 0.3, -r * 0.3, r * 0.95, -r * 0.3, r * 0.98, 0);
                b.cubicTo(r * 0.95, r * 0.3, r * 0.3, r * 0.3, 0, 0);
                z.Flaeche(b, p.Fuellung);
                z.Linie({r * 0.1, 0}, {r * 0.8, 0}, TStrich::Fein);
            });
        } else {
            ZeichneBlatt(z, m, w, p);
        }
    }
    for (int i = 0; i < staub; ++i) {
        const double w = (staub == 3 ? -60 : -90) + 360.0 / staub * i;
        const QPointF e = Weiter(m, w, r * 0.55);
        z.Linie(m, e, TStrich::Fein);
        Rahmen(z, e, w, [&] {
            z.Ellipse({r * 0.08, 0}, r * 0.12, r * 0.07, Pollen, TStrich::Fein);
        });
    }
    z.Flaeche(Gerundet(Dreieck(m, r * 0.3, 0.6)), QColor(0x9c, 0xb8, 0x6a));
}

// A flower from the side: tepals around the capsule.
void SimseSeite(TZeichner& z, QPointF fuss, double perigon, double kapsel, const QColor& farbe,
                bool spitz = true)
{
    for (double w : {-120.0, -60.0}) {
        TBlatt p{spitz ? TBlattform::Lanzettlich : TBlattform::Elliptisch, perigon, perigon * 0.32,
                 TRand::Ganz, TNervatur::Mittelnerv};
        p.Fuellung = farbe;
        ZeichneBlatt(z, fuss, -90 + (w + 90) * 0.25, p);
    }
    QPainterPath k({fuss.x(), fuss.y()});
    k.cubicTo(fuss.x() - kapsel * 0.42, fuss.y() - kapsel * 0.2, fuss.x() - kapsel * 0.4,
              fuss.y() - kapsel * 0.85, fuss.x(), fuss.y() - kapsel);
    k.cubicTo(fuss.x() + kapsel * 0.4, fuss.y() - kapsel * 0.85, fuss.x() + kapsel * 0.42,
              fuss.y() - kapsel * 0.2, fuss.x(), fuss.y());
    z.Flaeche(k, QColor(0x9a, 0x74, 0x44));
    TBlatt p{spitz ? TBlattform::Lanzettlich : TBlattform::Elliptisch, perigon, perigon * 0.3,
             TRand::Ganz, TNervatur::Mittelnerv};
    p.Fuellung = farbe.lighter(110);
    ZeichneBlatt(z, fuss, -90, p);
}

// A small flower of an inflorescence of rushes: a brown star.
void Simse(TZeichner& z, QPointF p, double r, const QColor& farbe = SimseBraun)
{
    QPolygonF stern;
    for (int i = 0; i < 12; ++i)
        stern << Weiter(p, -90 + 30.0 * i, i % 2 ? r * 0.4 : r);
    z.Flaeche(Polygonpfad(stern), farbe, TStrich::Fein);
    z.Punkt(p, r * 0.28, QColor(0x6a, 0x50, 0x30));
}

// A head of small flowers.
void Simsenkopf(TZeichner& z, QPointF p, double r, const QColor& farbe = SimseBraun)
{
    z.Kreis(p, r, farbe.darker(110));
    for (int i = 0; i < 6; ++i)
        z.Punkt(Weiter(p, 60.0 * i + 20, r * 0.55), r * 0.16, QColor(0x6a, 0x50, 0x30));
    z.Punkt(p, r * 0.16, QColor(0x6a, 0x50, 0x30));
}

// A tuft of rush stems; each stem ends in what kopf draws.
void Simsenhorst(TZeichner& z, double boden, int stengel, const TKopf& kopf, bool blaetter,
                 double hoehe = 220)
{
    for (int i = 0; i < stengel; ++i) {
        const double t = stengel == 1 ? 0 : -1 + 2.0 * i / (stengel - 1);
        const double w = -90 + t * 14;
        const QPointF f(MitteX, boden);
        const QPointF e = Weiter(f, w, hoehe * (1 - 0.08 * std::abs(t)));
        kopf(z, e, w, hoehe);
        z.Linie(f, e, TStrich::Normal);
    }
    if (blaetter)
        for (double w : {-130.0, -112.0, -68.0, -50.0})
            Grasblatt(z, {MitteX, boden}, w, hoehe * 0.45, 6);
}

// ---- Seeds ---------------------------------------------------------------------------------

void Samenkorn(TZeichner& z, QPointF m, double l, char anhang, double schwiele = 0)
{
    z.Ellipse(m, l * 0.34, l * 0.5, QColor(0x8a, 0x5a, 0x34));
    z.Ellipse(m + QPointF(-l * 0.1, -l * 0.16), l * 0.08, l * 0.14, QColor(0xb0, 0x82, 0x56),
              TStrich::Fein, QColor(0xb0, 0x82, 0x56));
    if (anhang == 'g' || schwiele > 0) {
        const double h = schwiele > 0 ? l * schwiele : l * 0.32;
        QPainterPath a({m.x() - l * 0.2, m.y() + l * 0.42});
        a.cubicTo(m.x() - l * 0.24, m.y() + l * 0.42 + h, m.x() + l * 0.24, m.y() + l * 0.42 + h,
                  m.x() + l * 0.2, m.y() + l * 0.42);
        a.closeSubpath();
        z.Flaeche(a, Farbe::Weiss);
    } else if (anhang == 's') {
        QPainterPath a({m.x() - l * 0.14, m.y() - l * 0.44});
        a.cubicTo(m.x() - l * 0.2, m.y() - l * 0.9, m.x() + l * 0.3, m.y() - l * 1.0,
                  m.x() + l * 0.42, m.y() - l * 0.8);
        a.cubicTo(m.x() + l * 0.2, m.y() - l * 0.82, m.x() + l * 0.1, m.y() - l * 0.7,
                  m.x() + l * 0.14, m.y() - l * 0.44);
        a.closeSubpath();
        z.Flaeche(a, Farbe::Weiss);
    }
}

} // namespace

void RezepteGraeser(TRezeptTabelle& t)
{
    int g = 0;
    auto setze = [&](const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    auto quer = [](TQuer f) { return [f](TZeichner& z) { Querschnitt(z, f); }; };
    auto grund = [](TBlattgrund b) { return [b](TZeichner& z) { Blattgrund(z, b); }; };
    auto spelze = [](TSpelze s) { return [s](TZeichner& z) { Spelze(z, {MitteX, 286}, s); }; };

    // ---- 7: Allium
    g = 7;
    setze("B-Form", "e", [](TZeichner& z) {
        TBlatt b{TBlattform::Elliptisch, 210, 92, TRand::Ganz, TNervatur::Parallel};
        b.Stiel = 70;
        ZeichneBlatt(z, {70, Unten}, -62, b);
        Querschnitt(z, TQuer::Flach, {250, 250}, 44);
    });
    setze("B-Form", "f", [](TZeichner& z) {
        Grasblatt(z, {70, Unten}, -68, 300, 26);
        Querschnitt(z, TQuer::Flach, {250, 250}, 44);
    });
    setze("B-Form", "r", [](TZeichner& z) {
        QPainterPath b({60, Unten});
        b.cubicTo(70, 170, 100, 90, 150, 22);
        b.lineTo(156, 28);
        b.cubicTo(120, 100, 96, 180, 92, Unten);
        b.closeSubpath();
        z.Flaeche(b, Farbe::Blatt);
        Querschnitt(z, TQuer::Hohl, {240, 220}, 48);
    });
    auto stengelScheide = [](double anteil) {
        return [anteil](TZeichner& z) {
            z.Boden(278);
            z.Linie({MitteX, 276}, {MitteX, 60}, TStrich::Achse);
            Lauchdolde(z, {MitteX, 60}, 44, {LauchRosa, false, '0', false});
            if (anteil <= 0) {
                for (double w : {-140.0, -120.0, -60.0, -40.0})
                    Grasblatt(z, {MitteX, 276}, w, 130, 12);
                return;
            }
            const double h = (276 - 60) * anteil;
            QPainterPath sch;
            sch.addRect(QRectF(MitteX - 9, 276 - h, 18, h));
            z.Flaeche(sch, Farbe::Blatt);
            Grasblatt(z, {MitteX + 8, 276 - h}, -40, 120, 12);
            Grasblatt(z, {MitteX - 8, 276 - h * 0.55}, -140, 120, 12);
        };
    };
    setze("B-Scheiden", "g", stengelScheide(0));
    setze("B-Scheiden", "u", stengelScheide(0.3));
    setze("B-Scheiden", "m", stengelScheide(0.6));
    auto lauchFarbe = [](QColor c) {
        return [c](TZeichner& z) { Lauchpflanze(z, {c, false, 'k', false}, 0); };
    };
    setze("Bl-Farbe", "w", lauchFarbe(LauchWeiss));
    setze("Bl-Farbe", "gw", lauchFarbe(LauchGruenweiss));
    setze("Bl-Farbe", "g", lauchFarbe(LauchGelb));
    setze("Bl-Farbe", "r", lauchFarbe(LauchRosa));
    setze("Bl-Farbe", "p", lauchFarbe(LauchPurpur));
    setze("Bl-Farbe", "gr", lauchFarbe(LauchBraun));
    setze("Brutzwiebel", "+", [](TZeichner& z) {
        Lauchpflanze(z, {LauchRosa, true, 'k', false}, 0);
    });
    setze("Brutzwiebel", "-", [](TZeichner& z) {
        Lauchpflanze(z, {LauchRosa, false, 'k', false}, 0);
    });
    for (const char* code : {"k", "l", "h"})
        setze("Hüllblätter", code, [c = code[0]](TZeichner& z) {
            z.Linie({MitteX, Unten}, {MitteX, 150}, TStrich::Achse);
            Lauchdolde(z, {MitteX, 150}, 62, {LauchRosa, false, c, false});
        });
    setze("St-quer", "r", quer(TQuer::Rund));
    setze("St-quer", "k", quer(TQuer::Zweikantig));
    setze("St-quer", "3", quer(TQuer::DreikantigScharf));
    for (const bool lang : {true, false})
        setze("Staubblätter", lang ? "l" : "k", [lang](TZeichner& z) {
            const QPointF b(MitteX, 250);
            z.Linie({MitteX, Unten}, b, TStrich::Achse);
            for (double w : {-122.0, -58.0, -90.0})
                Kronblatt(z, b, w, 150, 62, LauchRosa);
            // The stamens in front of the tepals, to be measured against them.
            for (int i = 0; i < 3; ++i) {
                const QPointF e = Weiter(b, -112 + 22.0 * i, lang ? 210 : 110);
                z.Linie(b, e, TStrich::Normal);
                z.Ellipse(e, 10, 7, QColor(0x7a, 0x4a, 0x6a));
            }
        });
    for (const char* code : {"e", "z", "3"})
        setze("Staubfäden", code, [c = code[0]](TZeichner& z) {
            // Six stamens laid out in a row; the inner ones alternate with the outer ones.
            for (int i = 0; i < 6; ++i) {
                const double x = 40 + i * 48;
                const bool innen = i % 2 == 1;
                const double fuss = 270, oben = 90;
                if (innen && c != 'e') {
                    QPainterPath f({x - 16, fuss});
                    if (c == 'z') {
                        f.lineTo(x - 16, fuss - 70);
                        f.lineTo(x - 22, fuss - 96);
                        f.lineTo(x - 8, fuss - 80);
                        f.lineTo(x - 3, oben + 12);
                        f.lineTo(x + 3, oben + 12);
                        f.lineTo(x + 8, fuss - 80);
                        f.lineTo(x + 22, fuss - 96);
                        f.lineTo(x + 16, fuss - 70);
                        f.lineTo(x + 16, fuss);
                    } else {
                        f.lineTo(x - 18, fuss - 120);
                        f.lineTo(x - 24, 50);
                        f.lineTo(x - 8, fuss - 120);
                        f.lineTo(x - 3, oben + 12);
                        f.lineTo(x + 3, oben + 12);
                        f.lineTo(x + 8, fuss - 120);
                        f.lineTo(x + 24, 50);
                        f.lineTo(x + 18, fuss - 120);
                        f.lineTo(x + 18, fuss);
                    }
                    f.closeSubpath();
                    z.Flaeche(f, QColor(0xf4, 0xe4, 0xee));
                } else {
                    QPainterPath f({x - 4, fuss});
                    f.lineTo(x - 2, oben + 12);
                    f.lineTo(x + 2, oben + 12);
                    f.lineTo(x + 4, fuss);
                    f.closeSubpath();
                    z.Flaeche(f, QColor(0xf4, 0xe4, 0xee));
                }
                z.Ellipse({x, oben}, 8, 13, QColor(0x7a, 0x4a, 0x6a));
            }
        });
    for (const bool bauchig : {true, false})
        setze("Stengel", bauchig ? "a" : "n", [bauchig](TZeichner& z) {
            z.Boden(284);
            QPainterPath st({MitteX - 8, 282});
            if (bauchig) {
                st.cubicTo(MitteX - 34, 200, MitteX - 30, 140, MitteX - 6, 80);
                st.lineTo(MitteX + 6, 80);
                st.cubicTo(MitteX + 30, 140, MitteX + 34, 200, MitteX + 8, 282);
            } else {
                st.lineTo(MitteX - 6, 80);
                st.lineTo(MitteX + 6, 80);
                st.lineTo(MitteX + 8, 282);
            }
            st.closeSubpath();
            z.Flaeche(st, Halmgruen);
            Lauchdolde(z, {MitteX, 80}, 52, {LauchGruenweiss, false, 'k', false});
        });

    // ---- 15: Bromus
    g = 15;
    for (const bool gerade : {true, false}) {
        TSpelze s;
        s.Laenge = 150;
        s.Breite = 64;
        s.Nerven = 7;
        s.Kraeftig = false;
        s.Spitze = TSpitze::Zwei;
        s.Granne = 120;
        s.Art = gerade ? TGranne::End : TGranne::Spreizend;
        setze("Gran-Richtung", gerade ? "g" : "s", spelze(s));
    }
    setze("Hüllspelzen-Nerven", "1", [](TZeichner& z) { Huellspelzen(z, 1, 3); });
    setze("Hüllspelzen-Nerven", "3", [](TZeichner& z) { Huellspelzen(z, 5, 7); });
    auto trespenkopf = [](TZeichner& z, QPointF p, double w, double l) {
        z.Kurve(p, Weiter(p, w, l * 0.4), Weiter(p, w + 30, l * 0.7), TStrich::Normal);
        for (double d : {-40.0, 40.0, 10.0})
            Aehrchenklein(z, Weiter(p, w + d * 0.3, l * 0.35), w + d + 40, l * 0.34, l * 0.2);
    };
    setze("Lebensform", "e", [=](TZeichner& z) { Wuchs(z, TWuchs::Einjaehrig, trespenkopf); });
    setze("Lebensform", "h", [=](TZeichner& z) { Wuchs(z, TWuchs::Horstig, trespenkopf); });
    setze("Lebensform", "a", [=](TZeichner& z) { Wuchs(z, TWuchs::Rhizom, trespenkopf); });
    auto trespe = [](TAehrchen a) {
        return [a](TZeichner& z) { Aehrchen(z, {MitteX, 286}, 270, a); };
    };
    TAehrchen tr;
    tr.Blueten = 6;
    tr.HuellLaenge = 0.3;
    tr.Grannen = 2;
    tr.Granne = 30;
    tr.Spreizung = 14;
    {
        TAehrchen a = tr;
        a.SpindelSichtbar = true;
        a.Breite = 0.22;
        a.Spreizung = 24;
        setze("Ähr-Spindel", "s", trespe(a));
        a.SpindelSichtbar = false;
        a.Breite = 0.42;
        a.Spreizung = 14;
        setze("Ähr-Spindel", "v", trespe(a));
    }
    {
        TAehrchen a = tr;
        a.Zuwachs = 0.3;
        a.Spreizung = 10;
        a.Auffaecherung = 2.6;
        a.Breite = 0.2;
        a.Granne = 70;
        setze("Ährchen", "k", trespe(a));
        a = tr;
        a.Spreizung = 5;
        a.Breite = 0.24;
        a.Zuwachs = -0.3;
        setze("Ährchen", "v", trespe(a));
        a = tr;
        a.Spreizung = 18;
        a.Breite = 0.56;
        a.Granne = 16;
        setze("Ährchen", "e", trespe(a));
        a = tr;
        a.Spreizung = 24;
        a.Breite = 0.4;
        a.Granne = 12;
        a.Blueten = 7;
        a.Kiel = true;
        setze("Ährchen", "z", trespe(a));
    }
    setze("Öhrchen", "+", grund({1, TOhr::Spitz, 0, false, true}));
    setze("Öhrchen", "-", grund({1, TOhr::Kein, 0, false, true}));

    // ---- 17: Carex
    g = 17;
    auto seggenkopf = [](TZeichner& z, QPointF p, double w, double l) {
        Seggenaehre(z, p, l * 0.2, w, 1);
        Seggenaehre(z, Weiter(p, w + 180, l * 0.12), l * 0.14, w - 25, 0);
        Seggenaehre(z, Weiter(p, w + 180, l * 0.26), l * 0.14, w + 25, 0);
    };
    setze("Ausläufer", "+", [=](TZeichner& z) { Wuchs(z, TWuchs::Rhizom, seggenkopf); });
    setze("Ausläufer", "-", [=](TZeichner& z) { Wuchs(z, TWuchs::Horstig, seggenkopf); });
    setze("B-Behaarung", "+", grund({1, TOhr::Kein, 0, true, true}));
    setze("B-Behaarung", "-", grund({1, TOhr::Kein, 0, false, true}));
    setze("B-Querschnitt", "f", quer(TQuer::Flach));
    setze("B-Querschnitt", "r", quer(TQuer::Gekielt));
    setze("B-Querschnitt", "b", quer(TQuer::Borstlich));
    for (const bool rau : {true, false})
        setze("B-Rand", rau ? "r" : "g", [rau](TZeichner& z) {
            // A piece of the blade, much enlarged.
            QPainterPath b({20, 260});
            b.lineTo(250, 30);
            b.lineTo(300, 80);
            b.lineTo(70, 300);
            b.closeSubpath();
            z.Flaeche(b, Farbe::Blatt);
            for (double d : {0.25, 0.5, 0.75})
                z.Linie(Mitte({20, 260}, {70, 300}, d), Mitte({250, 30}, {300, 80}, d),
                        TStrich::Fein);
            if (!rau) return;
            for (double t = 0.04; t < 0.98; t += 0.07) {
                const QPointF p = Mitte({20, 260}, {250, 30}, t);
                QPainterPath zahn(p);
                zahn.lineTo(p + QPointF(-4, -14));
                zahn.lineTo(p + QPointF(10, -10));
                zahn.closeSubpath();
                z.Flaeche(zahn, Farbe::Blatt, TStrich::Fein);
                const QPointF q = Mitte({70, 300}, {300, 80}, t);
                QPainterPath z2(q);
                z2.lineTo(q + QPointF(14, 4));
                z2.lineTo(q + QPointF(10, -10));
                z2.closeSubpath();
                z.Flaeche(z2, Farbe::Blatt, TStrich::Fein);
            }
        });
    for (const char* code : {"q", "f", "g"})
        setze("B-Sch-Spalt", code, [c = code[0]](TZeichner& z) {
            // The sheath from the side opposite the blade: its thin front face, drawn broader
            // than it is.
            const double x = MitteX;
            QPainter& m = z.Maler();
            m.save();
            m.translate(x, 0);
            m.scale(1.9, 1);
            m.translate(-x, 0);
            QPainterPath halm;
            halm.addRect(QRectF(x - 14, 10, 28, 120));
            z.Flaeche(halm, Halmgruen);
            QPainterPath sch({x - 40, Unten});
            sch.lineTo(x - 40, 120);
            sch.lineTo(x + 40, 120);
            sch.lineTo(x + 40, Unten);
            sch.closeSubpath();
            z.Flaeche(sch, Farbe::Blatt);
            QPainterPath haut({x - 26, Unten});
            haut.lineTo(x - 26, 128);
            haut.quadTo(x, 108, x + 26, 128);
            haut.lineTo(x + 26, Unten);
            haut.closeSubpath();
            if (c == 'f') {
                // Torn into a ladder of fibres.
                z.Flaeche(haut, Haut, TStrich::Fein);
                for (double dx : {-18.0, -6.0, 6.0, 18.0})
                    z.Linie({x + dx, 180}, {x + dx, Unten}, TStrich::Normal, Braun);
                for (double y = 196; y < Unten; y += 22)
                    z.Linie({x - 18, y}, {x + 18, y + 4}, TStrich::Fein, Braun);
                for (double dx : {-12.0, 0.0, 12.0})
                    z.Linie({x + dx, 180}, {x + dx + 2, 140}, TStrich::Fein, Braun);
                m.restore();
                return;
            }
            z.Flaeche(haut, Haut, TStrich::Normal);
            if (c == 'q')
                for (double y = 140; y < Unten - 6; y += 14) {
                    QPainterPath w({x - 22, y});
                    w.cubicTo(x - 10, y - 6, x + 4, y + 6, x + 22, y - 2);
                    z.Umriss(w, TStrich::Fein);
                }
            m.restore();
        });
    auto seggenfuss = [](QColor farbe, bool netz) {
        return [farbe, netz](TZeichner& z) {
            z.Boden(250);
            for (double x : {110.0, 160.0, 210.0}) {
                for (double w : {-112.0, -90.0, -68.0})
                    Grasblatt(z, {x, 170}, w + (x - 160) * 0.2, 150, 10);
                QPainterPath sch({x - 16, 250});
                sch.lineTo(x - 10, 150);
                sch.lineTo(x + 10, 150);
                sch.lineTo(x + 16, 250);
                sch.closeSubpath();
                z.Flaeche(sch, netz ? QColor(0xc9, 0xa8, 0x7c) : farbe);
                if (netz)
                    for (double y = 160; y < 246; y += 12)
                        for (double dx = -10; dx <= 6; dx += 8) {
                            z.Linie({x + dx, y}, {x + dx + 8, y + 12}, TStrich::Fein, Dunkelbraun);
                            z.Linie({x + dx + 8, y}, {x + dx, y + 12}, TStrich::Fein, Dunkelbraun);
                        }
            }
            Wurzelbart(z, {160, 252}, 40, 7);
        };
    };
    setze("B-Scheiden", "r", seggenfuss(QColor(0xb0, 0x34, 0x4a), false));
    setze("B-Scheiden", "b", seggenfuss(QColor(0x9a, 0x6a, 0x3c), false));
    setze("B-Scheiden", "s", seggenfuss(QColor(0x32, 0x26, 0x1e), false));
    setze("B-Scheiden", "h", seggenfuss(QColor(0xf0, 0xe4, 0xc0), false));
    setze("B-Scheiden", "n", seggenfuss({}, true));
    const std::vector<TAehrenplatz> normal = {
        Endaehre(16, 80, 1), {172, 65, 12, -60}, {229, 65, 16, -120}};
    setze("Deckb-Länge", "ü", [=](TZeichner& z) { Seggenstand(z, normal, 250); });
    setze("Deckb-Länge", "k", [=](TZeichner& z) { Seggenstand(z, normal, 70); });
    for (const char* code : {"s", "o", "h", "f"})
        setze("Deckblätter", code, [c = code[0]](TZeichner& z) {
            const QPointF k(MitteX, 190);
            z.Linie({MitteX, Unten}, {MitteX, 14}, TStrich::Achse);
            if (c == 's') {
                QPainterPath sch;
                sch.addRect(QRectF(MitteX - 10, 130, 20, 60));
                z.Flaeche(sch, Farbe::Blatt);
                Grasblatt(z, {MitteX + 8, 132}, -50, 150, 14);
                Seggenaehre(z, {MitteX, 130}, 80, -120, 0);
                return;
            }
            if (c == 'o') Grasblatt(z, k + QPointF(6, 0), -45, 160, 14);
            if (c == 'h') {
                TBlatt h{TBlattform::Eifoermig, 30, 16, TRand::Ganz, TNervatur::Mittelnerv};
                h.Fuellung = QColor(0xc9, 0xa8, 0x7c);
                ZeichneBlatt(z, k, -45, h);
            }
            Seggenaehre(z, k, 80, -125, 0);
        });
    setze("Fr--Behaarung", "+", [](TZeichner& z) {
        Seggenschlauch(z, {MitteX, 280}, 230, 'k', true, 0);
    });
    setze("Fr--Behaarung", "-", [](TZeichner& z) {
        Seggenschlauch(z, {MitteX, 280}, 230, 'k', false, 0);
    });
    for (const char* code : {"o", "k", "z"})
        setze("Fr-Schnabel", code, [c = code[0]](TZeichner& z) {
            Seggenschlauch(z, {MitteX, 284}, 240, c, false, 0);
        });
    for (const int narben : {2, 3})
        setze("Narbenzahl", narben == 2 ? "2" : "3", [narben](TZeichner& z) {
            Seggenschlauch(z, {120, 280}, 180, 'k', false, narben, false);
            Querschnitt(z, narben == 2 ? TQuer::Zusammengedrueckt : TQuer::DreikantigStumpf,
                        {255, 200}, 46);
        });
    setze("Stengel", "d", [](TZeichner& z) {
        Querschnitt(z, TQuer::DreikantigScharf);
        const QPolygonF p = Dreieck({MitteX, 150 + 110 * 0.15}, 110 * 1.1, 0.42);
        for (int i = 0; i < 6; i += 2)
            for (double d : {-12.0, 12.0})
                z.Linie(p[i], Weiter(p[i], -90 + 120.0 * (i / 2) + d, 16), TStrich::Normal);
    });
    setze("Stengel", "g", quer(TQuer::DreikantigStumpf));
    setze("Stengel", "r", quer(TQuer::Rundlich));
    setze("Ä-Geschlecht", "a", [](TZeichner& z) {
        Seggenstand(z, {Endaehre(16, 70, 0.4),
                        {140, 60, 0, -52, 0.4},
                        {196, 60, 0, -128, 0.4},
                        {252, 60, 0, -52, 0.4}});
    });
    setze("Ä-Geschlecht", "w", [](TZeichner& z) {
        Seggenstand(z, {Endaehre(16, 70, 0, 0.4),
                        {140, 60, 0, -52, 0, 0.4},
                        {196, 60, 0, -128, 0, 0.4},
                        {252, 60, 0, -52, 0, 0.4}});
    });
    setze("Ä-Geschlecht", "g", [](TZeichner& z) {
        Seggenstand(z, {Endaehre(16, 88, 1), {156, 70, 14, -60}, {224, 70, 20, -120}});
    });
    setze("Ä-Geschlecht", "e", [](TZeichner& z) {
        Seggenstand(z, {Endaehre(16, 95, 0, 0.4), {164, 70, 14, -60}, {229, 70, 20, -120}});
    });
    setze("Ä-Geschlecht", "v", [](TZeichner& z) {
        Seggenstand(z, {Endaehre(16, 75, 0, 0.5),
                        {144, 70, 10, -60, 1},
                        {195, 65, 14, -120, 1},
                        {249, 65, 18, -60, 0}});
    });
    setze("Ä-Geschlecht", "d", [](TZeichner& z) {
        z.Linie({90, Unten}, {90, 100}, TStrich::Achse);
        Seggenaehre(z, {90, 100}, 80, -90, 1);
        z.Linie({230, Unten}, {230, 100}, TStrich::Achse);
        Seggenaehre(z, {230, 100}, 80, -90, 0);
    });
    setze("Ä-Stiele", "s", [](TZeichner& z) {
        Seggenstand(z, {Endaehre(16, 88, 1), {167, 70, 0, -80}, {224, 70, 0, -100}});
    });
    setze("Ä-Stiele", "l", [](TZeichner& z) {
        Seggenstand(z, {Endaehre(16, 88, 1), {167, 70, 50, -60}, {229, 70, 60, -120}});
    });
    setze("Ä-Stiele", "h", [](TZeichner& z) {
        Seggenstand(
            z, {Endaehre(16, 88, 1), {156, 70, 70, -20, 0, 0, 95}, {215, 70, 80, -160, 0, 0, -95}});
    });
    setze("Ä-männliche", "0", [](TZeichner& z) {
        Seggenstand(z, {Endaehre(16, 88, 0, 0.4), {164, 70, 14, -60}, {229, 70, 20, -120}});
    });
    setze("Ä-männliche", "1", [](TZeichner& z) {
        Seggenstand(z, {Endaehre(16, 88, 1), {164, 70, 14, -60}, {229, 70, 20, -120}});
    });
    setze("Ä-männliche", "2", [](TZeichner& z) {
        Seggenstand(
            z,
            {Endaehre(16, 78, 1), {140, 58, 0, -70, 1}, {190, 70, 14, -120}, {246, 70, 20, -60}});
    });
    setze("Ährenzahl", "1", [](TZeichner& z) { Seggenstand(z, {Endaehre(16, 138, 0.45)}); });
    setze("Ährenzahl", "m", [=](TZeichner& z) { Seggenstand(z, normal); });

    // ---- 22: Equisetum
    g = 22;
    auto stengelfarbe = [](QColor c) {
        return [c](TZeichner& z) { Scheidenbild(z, TZahn::Kurz, TVerwachsung::Frei, c); };
    };
    setze("Stengel-Farbe", "g", stengelfarbe(EqGruen));
    setze("Stengel-Farbe", "gr", stengelfarbe(EqGrau));
    setze("Stengel-Farbe", "w", stengelfarbe(EqWeiss));
    setze("Stengelrippen", "a", [](TZeichner& z) { Rippenquer(z, 7); });
    setze("Stengelrippen", "b", [](TZeichner& z) { Rippenquer(z, 15); });
    setze("Stengelrippen", "c", [](TZeichner& z) { Rippenquer(z, 26); });
    setze("Verzweigung", "u", [](TZeichner& z) {
        z.Boden(Unten);
        Schachtelstamm(z, MitteX, Unten, 270, EqGruen, 0, false);
    });
    setze("Verzweigung", "q", [](TZeichner& z) {
        z.Boden(Unten);
        Schachtelstamm(z, MitteX, Unten, 270, EqGruen, 1, false);
    });
    setze("Verzweigung", "v", [](TZeichner& z) {
        z.Boden(Unten);
        Schachtelstamm(z, MitteX, Unten, 270, EqGruen, 2, false, true);
    });
    setze("Verzweigung", "s", [](TZeichner& z) {
        z.Boden(Unten);
        for (double w : {-120.0, -104.0, -90.0, -76.0, -60.0}) {
            const QPointF e = Weiter({MitteX, Unten}, w, 250 - std::abs(w + 90) * 2);
            z.Linie({MitteX, Unten}, e, TStrich::Achse, EqGrau.darker(150));
            for (double t = 0.2; t < 0.95; t += 0.16) {
                const QPointF k = Mitte({MitteX, Unten}, e, t);
                z.Linie({k.x() - 4, k.y()}, {k.x() + 4, k.y()}, TStrich::Normal,
                        QColor(0x40, 0x30, 0x20));
            }
        }
    });
    setze("Zähne-Spitzen", "p",
          [](TZeichner& z) { Scheidenbild(z, TZahn::Pfriemlich, TVerwachsung::Frei); });
    setze("Zähne-Spitzen", "k",
          [](TZeichner& z) { Scheidenbild(z, TZahn::Kurz, TVerwachsung::Frei); });
    setze("Zähne-Spitzen", "w",
          [](TZeichner& z) { Scheidenbild(z, TZahn::Hautrand, TVerwachsung::Frei); });
    setze("Zähne-Spitzen", "h",
          [](TZeichner& z) { Scheidenbild(z, TZahn::Haarspitze, TVerwachsung::Frei); });
    setze("Zähne-Spitzen", "b",
          [](TZeichner& z) { Scheidenbild(z, TZahn::Breit, TVerwachsung::Frei); });
    setze("Zähne-Verwachsung", "f",
          [](TZeichner& z) { Scheidenbild(z, TZahn::Pfriemlich, TVerwachsung::Frei); });
    setze("Zähne-Verwachsung", "g",
          [](TZeichner& z) { Scheidenbild(z, TZahn::Pfriemlich, TVerwachsung::Lappen); });
    setze("Zähne-Verwachsung", "a",
          [](TZeichner& z) { Scheidenbild(z, TZahn::Pfriemlich, TVerwachsung::Ring); });
    setze("fertile Sprosse", "b", [](TZeichner& z) {
        z.Boden(Unten);
        Schachtelstamm(z, MitteX, Unten, 200, EqBleich, 0, true);
    });
    setze("fertile Sprosse", "u", [](TZeichner& z) {
        z.Boden(Unten);
        Schachtelstamm(z, MitteX, Unten, 200, EqBleich, 1, true);
    });
    setze("fertile Sprosse", "g", [](TZeichner& z) {
        z.Boden(Unten);
        Schachtelstamm(z, MitteX, Unten, 200, EqGruen, 1, true);
    });
    for (const bool spitz : {true, false})
        setze("Ähren", spitz ? "s" : "a", [spitz](TZeichner& z) {
            z.Linie({MitteX, Unten}, {MitteX, 250}, TStrich::Stark, EqGruen.darker(150));
            QPainterPath k({MitteX - 56, 250});
            k.lineTo(MitteX - 56, 110);
            if (spitz) {
                k.quadTo(MitteX - 56, 60, MitteX - 8, 50);
                k.lineTo(MitteX, 16);
                k.lineTo(MitteX + 8, 50);
                k.quadTo(MitteX + 56, 60, MitteX + 56, 110);
            } else {
                k.cubicTo(MitteX - 56, 40, MitteX + 56, 40, MitteX + 56, 110);
            }
            k.lineTo(MitteX + 56, 250);
            k.closeSubpath();
            z.Flaeche(k, QColor(0xb8, 0x96, 0x62));
            QPainter& m = z.Maler();
            m.save();
            m.setClipPath(k, Qt::IntersectClip);
            for (int r = 0; r < 9; ++r)
                for (int c = -3; c <= 3; ++c) {
                    const QPointF p(MitteX + c * 28 + (r % 2 ? 14 : 0), 240 - r * 24);
                    QPolygonF h;
                    for (int i = 0; i < 6; ++i)
                        h << Weiter(p, 30 + 60.0 * i, 15);
                    z.Flaeche(Polygonpfad(h), QColor(0xc9, 0xa8, 0x74), TStrich::Fein);
                }
            m.restore();
            z.Umriss(k);
        });

    // ---- 26: Festuca
    g = 26;
    setze("B-Scheiden", "o", grund({1, TOhr::Kein, 1, false, true}));
    setze("B-Scheiden", "g", grund({1, TOhr::Kein, 2, false, true}));
    for (const char* code : {"-", "k", "l"}) {
        TSpelze s;
        s.Laenge = 200;
        s.Breite = 74;
        s.Nerven = 5;
        s.Kraeftig = false;
        s.Granne = code[0] == '-' ? 0 : (code[0] == 'k' ? 18 : 70);
        setze("Grannen", code, spelze(s));
    }
    for (const char* code : {"d", "e", "3", "u", "r"})
        setze("Sklerenchym-Typ", code, [c = code[0]](TZeichner& z) {
            // A bristle leaf folded shut, cut across: the outer (lower) side all round, the
            // upper side in the narrow slit; the strengthening tissue dark.
            const QPointF m(MitteX, 156);
            const double a = 96, b = 118;
            auto rand = [&](double t, double f) {
                return QPointF(m.x() + a * f * std::sin(t), m.y() - b * f * std::cos(t));
            };
            QPainterPath blatt(rand(0.14, 1));
            for (double t = 0.14; t <= 2 * M_PI - 0.14; t += 0.05)
                blatt.lineTo(rand(t, 1));
            blatt.lineTo(rand(2 * M_PI - 0.14, 1));
            blatt.lineTo(m + QPointF(-3, b * 0.1));
            blatt.closeSubpath();
            z.Flaeche(blatt, Schnittgruen);
            for (double t : {0.9, 1.7, 2.5, 3.3, 4.1, 4.9, 5.4})
                z.Kreis(rand(t, 0.62), z.Gr(7, 9), QColor(0xa8, 0xc8, 0x84), TStrich::Fein);
            const double dick = z.Gr(10, 14);
            auto buendel = [&](double t, double laenge) {
                const QPointF p0 = rand(t - laenge / 2, 0.9), p1 = rand(t + laenge / 2, 0.9);
                QPainterPath p(p0);
                for (double u = t - laenge / 2; u <= t + laenge / 2; u += 0.04)
                    p.lineTo(rand(u, 0.9));
                z.Maler().setPen(QPen(Sklerenchym, dick, Qt::SolidLine, Qt::RoundCap));
                z.Maler().setBrush(Qt::NoBrush);
                z.Maler().drawPath(p);
                (void)p1;
            };
            switch (c) {
            case 'd':
                for (double t : {0.9, 1.7, 2.5, 3.3, 4.1, 4.9, 5.4})
                    z.Maler().setPen(QPen(Sklerenchym, dick * 0.9, Qt::SolidLine, Qt::RoundCap)),
                        z.Maler().drawLine(rand(t, 0.96), rand(t, 0.3) * 0.5 + m * 0.5);
                break;
            case 'e':
                for (double t : {0.5, 1.3, 2.1, 2.9, 3.4, 4.2, 5.0, 5.8})
                    buendel(t, 0.22);
                break;
            case '3':
                for (double t : {0.4, M_PI, 2 * M_PI - 0.4})
                    buendel(t, 0.5);
                break;
            case 'u':
                for (double t : {0.6, 1.6, 2.8, 3.8, 5.0})
                    buendel(t, 0.75);
                break;
            case 'r':
                buendel(M_PI, 2 * M_PI - 0.6);
                break;
            }
        });
    auto festukaBusch = [](char art) {
        return [art](TZeichner& z) {
            z.Boden(270);
            const double x = MitteX;
            for (double w : {-150.0, -130.0, -110.0, -90.0, -70.0, -50.0, -30.0}) {
                if (art == 'f') {
                    Grasblatt(z, {x, 268}, w, 130 - std::abs(w + 90) * 0.6, 14);
                } else {
                    QPainterPath b({x, 268});
                    const QPointF e = Weiter({x, 268}, w, 140 - std::abs(w + 90) * 0.6);
                    b.quadTo(Weiter({x, 268}, w + (w < -90 ? 12 : -12), 80), e);
                    z.Umriss(b, TStrich::Normal, QColor(0x5c, 0x8a, 0x40));
                }
            }
            z.Linie({x, 268}, {x - 10, 40}, TStrich::Normal);
            z.Linie({x, 268}, {x + 16, 50}, TStrich::Normal);
            for (const QPointF p : {QPointF(x - 6, 150), QPointF(x + 9, 170)})
                Grasblatt(z, p, p.x() < x ? -130 : -50, 80, art == 'b' ? 3 : 12);
            Rispenkopf(z, {x - 10, 40}, -95, 60);
            Rispenkopf(z, {x + 16, 50}, -80, 56);
        };
    };
    setze("Stengel-B", "f", festukaBusch('f'));
    setze("Stengel-B", "v", festukaBusch('v'));
    setze("Stengel-B", "b", festukaBusch('b'));
    setze("Öhrchen", "b", grund({1, TOhr::SichelWimper, 0, false, true}));
    setze("Öhrchen", "s", grund({1, TOhr::Sichel, 0, false, true}));
    setze("Öhrchen", "k", grund({1, TOhr::Klein, 0, false, true}));
    setze("Öhrchen", "-", grund({1, TOhr::Kein, 0, false, true}));

    // ---- 27: Gagea
    g = 27;
    auto gelbstern = [](TZeichner& z, QPointF m, double r, bool spitz) {
        for (int i = 0; i < 6; ++i) {
            const double w = -90 + 60.0 * i;
            TBlatt p{spitz ? TBlattform::Lanzettlich : TBlattform::Elliptisch, r,
                     r * (spitz ? 0.34 : 0.42), TRand::Ganz, TNervatur::Mittelnerv};
            p.Fuellung = IrisGelb;
            if (r < 60) {
                p.Nerven = TNervatur::Keine;
                p.Strich = TStrich::Fein;
            }
            if (spitz) {
                ZeichneBlatt(z, m, w, p);
            } else {
                Rahmen(z, m, w, [&] {
                    QPainterPath b({0, 0});
                    b.cubicTo(r * 0.2, -r * 0.26, r, -r * 0.3, r, 0);
                    b.cubicTo(r, r * 0.3, r * 0.2, r * 0.26, 0, 0);
                    z.Flaeche(b, IrisGelb);
                });
            }
        }
        for (int i = 0; i < 6; ++i)
            z.Punkt(Weiter(m, -60 + 60.0 * i, r * 0.3), r * 0.06, QColor(0xc0, 0x80, 0x10));
        z.Kreis(m, r * 0.14, Farbe::Kelch, TStrich::Fein);
    };
    for (const bool haare : {false, true})
        setze("B-Behaarung", haare ? "b" : "k", [haare](TZeichner& z) {
            TBlatt b{TBlattform::Lineal, 280, 40, TRand::Ganz, TNervatur::Parallel};
            b.Rand = haare ? TRand::Gewimpert : TRand::Ganz;
            ZeichneBlatt(z, {40, 280}, -50, b);
        });
    for (const bool haare : {false, true})
        setze("Bl-Stiele", haare ? "b" : "k", [haare, gelbstern](TZeichner& z) {
            const QPointF p(MitteX, 200);
            z.Linie({MitteX, Unten}, p, TStrich::Achse);
            for (double w : {-140.0, -90.0, -40.0}) {
                const QPointF e = Weiter(p, w, 110);
                QPainterPath stiel(p);
                stiel.lineTo(e);
                z.Umriss(stiel, TStrich::Normal);
                if (haare)
                    for (double t = 0.08; t < 0.92; t += 0.1)
                        for (double s : {-1.0, 1.0})
                            z.Linie(Mitte(p, e, t), Weiter(Mitte(p, e, t), w + s * 70, 10),
                                    TStrich::Fein);
                gelbstern(z, e, 40, true);
            }
        });
    for (const bool haare : {false, true})
        setze("Griffel", haare ? "b" : "k", [haare](TZeichner& z) {
            // Ovary, style and the three-lobed stigma, enlarged.
            z.Ellipse({MitteX, 226}, 46, 58, Farbe::Kelch);
            for (double dx : {-16.0, 16.0})
                z.Kurve({MitteX + dx * 0.6, 172}, {MitteX + dx * 1.6, 226},
                        {MitteX + dx * 0.6, 280}, TStrich::Fein);
            QPainterPath griffel;
            griffel.addRect(QRectF(MitteX - 7, 46, 14, 124));
            z.Flaeche(griffel, QColor(0xe6, 0xee, 0xb0));
            for (int i = 0; i < 3; ++i)
                z.Kreis(Weiter({MitteX, 40}, -90 + 120.0 * i, 11), 12, QColor(0xe6, 0xee, 0xb0));
            if (haare)
                for (double y = 56; y < 166; y += 9)
                    for (double s : {-1.0, 1.0})
                        z.Linie({MitteX + s * 7, y}, {MitteX + s * 20, y - 6}, TStrich::Fein);
        });
    setze("Grundb-quer", "f", [](TZeichner& z) {
        Querschnitt(z, TQuer::Flach, {MitteX, 110}, 100);
        if (!z.Gross()) return;
        // The tip of the leaf, contracted into a small hood.
        QPainterPath b({MitteX - 30, 290});
        b.lineTo(MitteX - 30, 214);
        b.cubicTo(MitteX - 30, 190, MitteX - 12, 176, MitteX, 170);
        b.cubicTo(MitteX + 12, 176, MitteX + 30, 190, MitteX + 30, 214);
        b.lineTo(MitteX + 30, 290);
        b.closeSubpath();
        z.Flaeche(b, Farbe::Blatt);
        QPainterPath kappe({MitteX - 10, 186});
        kappe.quadTo(MitteX, 160, MitteX + 10, 186);
        kappe.quadTo(MitteX, 194, MitteX - 10, 186);
        z.Flaeche(kappe, Farbe::Kelch);
        z.Beschriftung({MitteX + 8, 180}, {250, 200}, QStringLiteral("Kapuze"));
    });
    // Drawn to one scale: the flat leaf is the broadest.
    setze("Grundb-quer", "r", [](TZeichner& z) {
        Querschnitt(z, TQuer::Gekielt, {MitteX, 130}, 70);
    });
    setze("Grundb-quer", "d", [](TZeichner& z) {
        Querschnitt(z, TQuer::Faden, {MitteX, 110}, 100);
    });
    setze("Grundb-quer", "h", [](TZeichner& z) { Querschnitt(z, TQuer::Hohl, {MitteX, 110}, 44); });
    setze("Perigon", "s", [=](TZeichner& z) { gelbstern(z, {MitteX, 150}, 130, false); });
    setze("Perigon", "z", [=](TZeichner& z) { gelbstern(z, {MitteX, 150}, 130, true); });
    for (const char* code : {"2n", "2e", "1"})
        setze("St-Blätter", code, [c = std::string(code), gelbstern](TZeichner& z) {
            const QPointF p(MitteX, 90);
            z.Boden(Unten);
            z.Linie({MitteX, Unten}, p, TStrich::Achse);
            for (double w : {-130.0, -90.0, -50.0}) {
                const QPointF e = Weiter(p, w, 60);
                z.Linie(p, e, TStrich::Normal);
                gelbstern(z, e, 26, true);
            }
            if (c == "2n") {
                Grasblatt(z, p + QPointF(0, 10), -20, 120, 18);
                Grasblatt(z, p + QPointF(0, 14), -160, 100, 16);
            } else if (c == "2e") {
                Grasblatt(z, {MitteX, 170}, -30, 110, 14);
                Grasblatt(z, {MitteX, 240}, -150, 110, 14);
            } else {
                QPainterPath sch;
                sch.addRect(QRectF(MitteX - 8, 160, 16, 40));
                z.Flaeche(sch, Farbe::Blatt);
                Grasblatt(z, {MitteX + 6, 162}, -60, 40, 14);
            }
        });

    // ---- 30: Glyceria, Puccinellia
    g = 30;
    setze("Ausläufer", "+", [](TZeichner& z) { Wuchs(z, TWuchs::Rhizom); });
    setze("Ausläufer", "-", [](TZeichner& z) { Wuchs(z, TWuchs::Horstig); });
    setze("Blatthäutchen", "k", grund({1, TOhr::Kein, 0, false, true}));
    setze("Blatthäutchen", "l", grund({2, TOhr::Kein, 0, false, true}));
    for (const bool allmaehlich : {true, false})
        setze("Blattspitze", allmaehlich ? "a" : "p", [allmaehlich](TZeichner& z) {
            QPainterPath b({120, Unten});
            if (allmaehlich) {
                b.lineTo(118, 200);
                b.quadTo(122, 80, MitteX, 10);
                b.quadTo(198, 80, 202, 200);
            } else {
                b.lineTo(120, 60);
                b.cubicTo(120, 26, 140, 14, MitteX, 14);
                b.cubicTo(180, 14, 200, 26, 200, 60);
            }
            b.lineTo(200, Unten);
            b.closeSubpath();
            z.Flaeche(b, Farbe::Blatt);
            for (double dx : {-24.0, 0.0, 24.0})
                z.Linie({MitteX + dx, Unten},
                        {MitteX + dx * (allmaehlich ? 0.2 : 0.8), allmaehlich ? 60.0 : 40.0},
                        TStrich::Fein);
        });
    for (const char* code : {"s", "3", "st"}) {
        TSpelze s;
        s.Laenge = 230;
        s.Breite = 110;
        s.Nerven = 7;
        s.Spitze = code[0] == 's' && code[1] == 0
                       ? TSpitze::Spitz
                       : (code[0] == '3' ? TSpitze::Drei : TSpitze::Stumpf);
        setze("Deckspelzenende", code, spelze(s));
    }
    for (const bool sieben : {true, false}) {
        TSpelze s;
        s.Laenge = 230;
        s.Breite = 110;
        s.Spitze = TSpitze::Stumpf;
        s.Nerven = sieben ? 7 : 5;
        s.Kraeftig = sieben;
        s.BisSpitze = sieben;
        setze("Deckspelzennerven", sieben ? "7" : "5", spelze(s));
    }

    // ---- 33: Iris
    g = 33;
    for (const bool rippe : {true, false})
        setze("B-Mittelnerv", rippe ? "+" : "-", [rippe](TZeichner& z) {
            QPainterPath b({110, Unten});
            b.lineTo(120, 80);
            b.quadTo(140, 20, 200, 8);
            b.quadTo(196, 60, 204, Unten);
            b.closeSubpath();
            z.Flaeche(b, Farbe::Blatt);
            for (double dx : {-30.0, -18.0, -6.0, 18.0, 30.0})
                z.Kurve({MitteX + dx, Unten}, {MitteX + dx * 0.9, 120},
                        {MitteX + 20 + dx * 0.4, 30}, TStrich::Fein);
            if (rippe)
                z.Kurve({MitteX + 6, Unten}, {MitteX + 4, 120}, {MitteX + 22, 30}, TStrich::Stark,
                        QColor(0x4c, 0x7a, 0x34));
        });
    for (const char* code : {"l", "g", "k"})
        setze("Blst-Länge", code, [c = code[0]](TZeichner& z) {
            z.Boden(Unten);
            const double hoehe = c == 'l' ? 250 : (c == 'g' ? 190 : 100);
            Schwertblaetter(z, {MitteX, Unten}, 190);
            z.Linie({MitteX, Unten}, {MitteX + 8, Unten - hoehe}, TStrich::Achse);
            Irisbluete(z, {MitteX + 8, Unten - hoehe}, 34, {IrisBlau});
        });
    for (const bool sechs : {false, true})
        setze("Frucht", sechs ? "6" : "3", [sechs](TZeichner& z) {
            QPainterPath k({90, 270});
            k.cubicTo(40, 230, 40, 70, 90, 30);
            k.cubicTo(140, 70, 140, 230, 90, 270);
            z.Flaeche(k, QColor(0xa6, 0xc0, 0x78));
            for (double d :
                 sechs ? std::vector<double>{-0.6, -0.2, 0.2, 0.6} : std::vector<double>{0.0})
                z.Kurve({90, 268}, {90 + d * 60, 150}, {90, 32},
                        sechs ? TStrich::Normal : TStrich::Fein);
            if (sechs) {
                QPolygonF h;
                for (int i = 0; i < 12; ++i)
                    h << Weiter({240, 150}, 30.0 * i, i % 2 ? 48 : 62);
                z.Flaeche(Gerundet(h), Schnittgruen);
                for (int i = 0; i < 3; ++i)
                    z.Linie({240, 150}, Weiter({240, 150}, -90 + 120.0 * i, 40), TStrich::Fein);
            } else {
                Querschnitt(z, TQuer::DreikantigStumpf, {240, 150}, 56);
                for (int i = 0; i < 3; ++i)
                    z.Linie({240, 157}, Weiter({240, 157}, 90 + 120.0 * i, 34), TStrich::Fein);
            }
        });
    auto irisFarbe = [](TIris i) {
        return [i](TZeichner& z) { Irisbluete(z, {MitteX, 130}, 112, i); };
    };
    setze("P-Farbe", "g", irisFarbe({IrisGelb, false, true}));
    setze("P-Farbe", "b", irisFarbe({IrisBlau}));
    setze("P-Farbe", "gb", irisFarbe({IrisHellgelb, false, false, true}));
    setze("P-Farbe", "s", irisFarbe({IrisSchmutzig}));
    setze("P-aussen", "b", irisFarbe({IrisBlau, true}));
    setze("P-aussen", "o", irisFarbe({IrisBlau, false}));
    setze("P-inn", "a", irisFarbe({IrisBlau, false, false}));
    setze("P-inn", "k", irisFarbe({IrisGelb, false, true}));
    for (const bool dick : {true, false})
        setze("Rhizom", dick ? "d" : "r", [dick](TZeichner& z) {
            QPainterPath erde;
            erde.addRect(QRectF(6, 190, 308, 104));
            z.Fuellen(erde, QColor(0xef, 0xe6, 0xd4));
            z.Boden(190);
            if (dick) {
                QPainterPath r;
                r.addRoundedRect(QRectF(20, 196, 230, 40), 20, 20);
                z.Flaeche(r, QColor(0xd9, 0xb8, 0x86));
                for (double x = 50; x < 240; x += 48)
                    Wurzelbart(z, {x, 236}, 40, 3);
                Schwertblaetter(z, {232, 196}, 180);
            } else {
                for (double x : {120.0, 160.0, 200.0}) {
                    for (double dx = -14; dx <= 14; dx += 7)
                        z.Linie({x + dx, 196}, {x + dx * 1.6, 150}, TStrich::Fein, Braun);
                    Schwertblaetter(z, {x, 190}, 150);
                }
                Wurzelbart(z, {160, 200}, 70, 9);
            }
        });
    setze("Samen", "f", [](TZeichner& z) {
        for (const QPointF p : {QPointF(100, 110), QPointF(220, 110), QPointF(160, 210)}) {
            z.Ellipse(p, 54, 50, QColor(0xa8, 0x7a, 0x48));
            z.Ellipse(p, 36, 32, QColor(0xb8, 0x8c, 0x5a), TStrich::Fein);
        }
    });
    setze("Samen", "a", [](TZeichner& z) {
        for (const QPointF p : {QPointF(100, 140), QPointF(220, 140)})
            Samenkorn(z, p, 130, 'g');
    });
    setze("Samen", "k", [](TZeichner& z) {
        for (const QPointF p : {QPointF(100, 110), QPointF(220, 110), QPointF(160, 210)})
            z.Flaeche(Gerundet(Dreieck(p, 52, 0.8)), QColor(0x8a, 0x5a, 0x34));
    });
    setze("St-Mark", "h", quer(TQuer::Hohl));
    setze("St-Mark", "m", quer(TQuer::Markig));
    setze("St-quer", "r", quer(TQuer::Rund));
    setze("St-quer", "z", quer(TQuer::Zusammengedrueckt));
    for (const char* code : {"k", "t", "h"})
        setze("Tragblätter", code, [c = code[0]](TZeichner& z) {
            const QPointF b(MitteX, 200);
            z.Linie({MitteX, Unten}, b, TStrich::Achse);
            Irisbluete(z, {MitteX, 110}, 66, {IrisBlau});
            for (double w : {-104.0, -76.0}) {
                Rahmen(z, b, w, [&] {
                    QPainterPath p({0, -18});
                    p.cubicTo(60, -22, 100, -10, 130, 0);
                    p.cubicTo(100, 10, 60, 22, 0, 18);
                    p.closeSubpath();
                    z.Flaeche(p, c == 'h' ? Haut : Farbe::Blatt);
                    if (c == 't') {
                        QPainterPath spitze({70, -16});
                        spitze.cubicTo(100, -10, 110, -6, 130, 0);
                        spitze.cubicTo(110, 6, 100, 10, 70, 16);
                        spitze.closeSubpath();
                        z.Flaeche(spitze, Haut);
                    }
                });
            }
        });

    // ---- 34: Juncus
    g = 34;
    for (const bool kammer : {true, false})
        setze("B-Kammerung", kammer ? "+" : "-", [kammer](TZeichner& z) {
            const double x = 100;
            QPainterPath blatt;
            blatt.addRoundedRect(QRectF(x - 22, 20, 44, 272), 20, 20);
            z.Flaeche(blatt, QColor(0xb8, 0xd8, 0x92));
            QPainterPath innen;
            innen.addRect(QRectF(x - 14, 32, 28, 250));
            z.Flaeche(innen, kammer ? Farbe::Weiss : Farbe::Schnitt, TStrich::Fein);
            const double x2 = 220;
            QPainterPath aussen;
            aussen.addRoundedRect(QRectF(x2 - 18, 20, 36, 272), 17, 17);
            z.Flaeche(aussen, QColor(0xb8, 0xd8, 0x92));
            if (!kammer) return;
            for (double y = 52; y < 280; y += 30) {
                z.Linie({x - 14, y}, {x + 14, y}, TStrich::Achse);
                z.Ellipse({x2, y}, 19, 3.5, QColor(0x8c, 0xb2, 0x5a), TStrich::Fein);
            }
        });
    setze("B-Scheiden", "l", grund({0, TOhr::HautLang, 0, false, true}));
    setze("B-Scheiden", "k", grund({0, TOhr::HautKurz, 0, false, true}));
    setze("B-Scheiden", "o", grund({0, TOhr::Kein, 0, false, true}));
    auto binsenkopf = [](TZeichner& z, QPointF p, double w, double) {
        for (double d : {-30.0, 0.0, 30.0}) {
            const QPointF e = Weiter(p, w + d, 26);
            z.Linie(p, e, TStrich::Fein);
            Simse(z, e, 11);
        }
    };
    auto binse = [=](char stellung) {
        return [=](TZeichner& z) {
            z.Boden(Unten);
            Simsenhorst(z, Unten, 5, binsenkopf, stellung == 'g', 230);
            if (stellung == 'o')
                for (double dx : {-10.0, 0.0, 10.0}) {
                    QPainterPath sch;
                    sch.addRect(QRectF(MitteX + dx - 5, Unten - 40, 10, 38));
                    z.Flaeche(sch, QColor(0xb0, 0x7a, 0x4a), TStrich::Fein);
                }
            if (stellung == 's')
                for (double s : {-1.0, 1.0}) {
                    Grasblatt(z, {MitteX + s * 3, 190}, -90 + s * 40, 90, 6);
                    Grasblatt(z, {MitteX + s * 6, 120}, -90 + s * 35, 70, 6);
                }
        };
    };
    setze("B-Stellung", "o", binse('o'));
    setze("B-Stellung", "g", binse('g'));
    setze("B-Stellung", "s", binse('s'));
    setze("B-quer", "f", quer(TQuer::Flach));
    setze("B-quer", "r", quer(TQuer::Rinnig));
    setze("B-quer", "s", quer(TQuer::Rund));
    setze("B-quer", "z", quer(TQuer::Schwert));
    setze("Blst", "s", [](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 12}, TStrich::Achse);
        const QPointF p(MitteX, 170);
        for (double w : {-10.0, -35.0, -60.0, -150.0, -175.0, 20.0}) {
            const QPointF e = Weiter(p, w, 50 + std::abs(w) * 0.2);
            z.Linie(p, e, TStrich::Fein);
            Simse(z, e, 17);
        }
    });
    setze("Blst", "r", [](TZeichner& z) {
        const QPointF p(MitteX, 180);
        z.Linie({MitteX, Unten}, p, TStrich::Achse);
        for (double w : {-150.0, -120.0, -90.0, -60.0, -30.0}) {
            const QPointF e = Weiter(p, w, 100);
            z.Linie(p, e, TStrich::Normal);
            Simse(z, e, 15);
            for (double d : {-35.0, 35.0}) {
                const QPointF f = Weiter(Mitte(p, e, 0.6), w + d, 30);
                z.Linie(Mitte(p, e, 0.6), f, TStrich::Fein);
                Simse(z, f, 13);
            }
        }
        Grasblatt(z, p, -75, 120, 7);
    });
    setze("Blst", "k", [](TZeichner& z) {
        const QPointF p(MitteX, 180);
        z.Linie({MitteX, Unten}, p, TStrich::Achse);
        for (double w : {-150.0, -115.0, -90.0, -65.0, -30.0}) {
            const QPointF e = Weiter(p, w, 110 - std::abs(w + 90) * 0.3);
            z.Linie(p, e, TStrich::Normal);
            Simsenkopf(z, e, 20);
        }
        Grasblatt(z, p, -80, 120, 7);
    });
    setze("Blst", "w", [](TZeichner& z) {
        const QPointF p(MitteX, 110);
        z.Linie({MitteX, Unten}, p, TStrich::Achse);
        z.Linie(p, p + QPointF(-44, 44), TStrich::Normal);
        Simse(z, p, 36);
        Simse(z, p + QPointF(-44, 44), 32);
        Grasblatt(z, p + QPointF(0, 6), -70, 90, 7);
    });
    setze("Lebensform", "e", [=](TZeichner& z) { Wuchs(z, TWuchs::Einjaehrig, binsenkopf, 5); });
    setze("Lebensform", "h", [=](TZeichner& z) { Wuchs(z, TWuchs::Horstig, binsenkopf, 5); });
    setze("Lebensform", "r", [=](TZeichner& z) { Wuchs(z, TWuchs::Rhizom, binsenkopf, 5); });
    setze("Perigon-Form", "s", [](TZeichner& z) { Simsenbluete(z, {MitteX, 150}, 130, true, 6); });
    setze("Perigon-Form", "st", [](TZeichner& z) {
        Simsenbluete(z, {MitteX, 150}, 130, false, 6);
    });
    setze("Staubblätter", "3", [](TZeichner& z) { Simsenbluete(z, {MitteX, 150}, 130, true, 3); });
    setze("Staubblätter", "6", [](TZeichner& z) { Simsenbluete(z, {MitteX, 150}, 130, true, 6); });

    // ---- 36: Luzula
    g = 36;
    auto hainsimsenkopf = [](TZeichner& z, QPointF p, double w, double) {
        for (double d : {-40.0, 0.0, 40.0}) {
            const QPointF e = Weiter(p, w + d, 30);
            z.Linie(p, e, TStrich::Fein);
            Simsenkopf(z, e, 9);
        }
    };
    setze("Ausläufer", "+", [=](TZeichner& z) { Wuchs(z, TWuchs::Rhizom, hainsimsenkopf, 10); });
    setze("Ausläufer", "-", [=](TZeichner& z) { Wuchs(z, TWuchs::Horstig, hainsimsenkopf, 10); });
    for (const bool wimper : {true, false})
        setze("B-Rand", wimper ? "b" : "k", [wimper](TZeichner& z) {
            TBlatt b{TBlattform::Lineal, 250, 44, TRand::Ganz, TNervatur::Parallel};
            ZeichneBlatt(z, {40, 286}, -55, b);
            if (!wimper) return;
            const QPainterPath pfad = [&] {
                QTransform t;
                t.translate(40, 286);
                t.rotate(-55);
                return t.map(BlattPfad(b));
            }();
            const QPolygonF rand = Abtasten(pfad, z.Gr(14, 20));
            for (int i = 0; i < rand.size(); i += 1) {
                const QPointF p = rand[i];
                const QPointF aussen =
                    p + (p - QPointF(40, 286) -
                         Richtung(-55) * QPointF::dotProduct(p - QPointF(40, 286), Richtung(-55))) *
                            1.0;
                const QPointF d = aussen - p;
                const double l = std::hypot(d.x(), d.y());
                if (l < 3) continue;
                z.Kurve(p, p + d / l * 18 + Richtung(-55) * 10, p + d / l * 30 + Richtung(-55) * 26,
                        TStrich::Normal, QColor(0x90, 0x90, 0x90));
            }
        });
    auto hainsimse = [=](bool stengelblaetter) {
        return [=](TZeichner& z) {
            z.Boden(Unten);
            for (double w : {-140.0, -120.0, -60.0, -40.0})
                Grasblatt(z, {MitteX, Unten}, w, stengelblaetter ? 80 : 130, 10);
            z.Linie({MitteX, Unten}, {MitteX, 60}, TStrich::Normal);
            hainsimsenkopf(z, {MitteX, 60}, -90, 0);
            if (stengelblaetter)
                for (int i = 0; i < 3; ++i)
                    Grasblatt(z, {MitteX, 230 - i * 50.0}, i % 2 ? -140 : -40, 90, 10);
            else
                Grasblatt(z, {MitteX, 170}, -60, 26, 8);
        };
    };
    setze("B-Stellung", "g", hainsimse(false));
    setze("B-Stellung", "s", hainsimse(true));
    setze("B-quer", "f", quer(TQuer::Flach));
    setze("B-quer", "r", quer(TQuer::Rinnig));
    setze("Blst", "e", [](TZeichner& z) {
        const QPointF p(MitteX, 190);
        z.Linie({MitteX, Unten}, p, TStrich::Achse);
        for (double w : {-160.0, -125.0, -90.0, -55.0, -20.0}) {
            const QPointF e = Weiter(p, w, 120);
            z.Linie(p, e, TStrich::Normal);
            Simse(z, e, 16);
            const QPointF f = Weiter(Mitte(p, e, 0.6), w + 35, 30);
            z.Linie(Mitte(p, e, 0.6), f, TStrich::Fein);
            Simse(z, f, 14);
        }
    });
    setze("Blst", "b", [](TZeichner& z) {
        const QPointF p(MitteX, 190);
        z.Linie({MitteX, Unten}, p, TStrich::Achse);
        for (double w : {-160.0, -125.0, -90.0, -55.0, -20.0}) {
            const QPointF e = Weiter(p, w, 118);
            z.Linie(p, e, TStrich::Normal);
            for (double d : {-60.0, 0.0, 60.0})
                Simse(z, Weiter(e, w + d, 13), 12);
        }
    });
    setze("Blst", "k", [](TZeichner& z) {
        const QPointF p(MitteX, 190);
        z.Linie({MitteX, Unten}, p, TStrich::Achse);
        for (double w : {-150.0, -120.0, -90.0, -60.0, -30.0}) {
            const QPointF e = Weiter(p, w, w == -90 ? 20 : 120 - std::abs(w + 90) * 0.4);
            z.Linie(p, e, TStrich::Normal);
            Simsenkopf(z, e, 18);
        }
    });
    setze("Blst", "g", [](TZeichner& z) {
        const QPointF p(MitteX, 110);
        z.Linie({MitteX, Unten}, p, TStrich::Achse);
        for (QPointF d : {QPointF(-26, -4), QPointF(26, -4), QPointF(0, -30), QPointF(-14, 22),
                          QPointF(14, 22), QPointF(0, 0)})
            Simsenkopf(z, p + d, 22);
    });
    setze("Blst", "ä", [](TZeichner& z) {
        QPainterPath st({MitteX, Unten});
        st.cubicTo(MitteX, 150, MitteX + 20, 60, MitteX + 70, 60);
        z.Umriss(st, TStrich::Achse);
        for (int i = 0; i < 6; ++i) {
            const QPointF p(MitteX + 70 + i * 4, 72 + i * 26);
            Simsenkopf(z, p, 18);
        }
    });
    setze("Blüten", "z", [](TZeichner& z) {
        const QPointF p(MitteX, 130);
        z.Linie({MitteX, Unten}, p, TStrich::Achse);
        for (double w : {-10.0, 20.0, 160.0, 190.0, 50.0, 130.0}) {
            const QPointF e = Weiter(p, w, 100);
            z.Linie(p, e, TStrich::Normal);
            Simse(z, e, 17);
        }
    });
    setze("Blüten", "a", [](TZeichner& z) {
        const QPointF p(MitteX, 190);
        z.Linie({MitteX, Unten}, p, TStrich::Achse);
        for (double w : {-150.0, -120.0, -90.0, -60.0, -30.0}) {
            const QPointF e = Weiter(p, w, 120);
            z.Linie(p, e, TStrich::Normal);
            Simse(z, e, 17);
        }
    });
    setze("Blüten", "s", [](TZeichner& z) {
        const QPointF p(MitteX, 190);
        z.Linie({MitteX, Unten}, p, TStrich::Achse);
        for (double w : {-150.0, -120.0, -90.0, -60.0, -30.0}) {
            const QPointF e = Weiter(p, w, 110);
            z.Linie(p, e, TStrich::Normal);
            Simsenkopf(z, e, 20);
        }
    });
    setze("Frucht", "l", [](TZeichner& z) { SimseSeite(z, {MitteX, 286}, 170, 250, SimseBraun); });
    setze("Frucht", "g", [](TZeichner& z) { SimseSeite(z, {MitteX, 286}, 210, 210, SimseBraun); });
    setze("Frucht", "k", [](TZeichner& z) { SimseSeite(z, {MitteX, 286}, 250, 150, SimseBraun); });
    setze("Hochblätter", "b", [](TZeichner& z) {
        TBlatt b{TBlattform::Eifoermig, 220, 110, TRand::Gewimpert, TNervatur::Mittelnerv};
        b.Fuellung = Haut;
        ZeichneBlatt(z, {MitteX, 290}, -90, b);
        Behaarung(
            z,
            [&] {
                QTransform t;
                t.translate(MitteX, 290);
                t.rotate(-90);
                return t.map(BlattPfad(b));
            }(),
            z.Gr(9, 13), z.Gr(20, 22), QColor(0x90, 0x90, 0x90));
    });
    auto hainFarbe = [](QColor c) {
        return [c](TZeichner& z) { Simsenbluete(z, {MitteX, 150}, 130, true, 6, c); };
    };
    setze("P-Farbe", "w", hainFarbe(QColor(0xf6, 0xf0, 0xe0)));
    setze("P-Farbe", "r", hainFarbe(QColor(0xd0, 0x7a, 0x6a)));
    setze("P-Farbe", "g", hainFarbe(QColor(0xe6, 0xd2, 0x70)));
    setze("P-Farbe", "h", hainFarbe(QColor(0xc8, 0xa0, 0x6c)));
    setze("P-Farbe", "d", hainFarbe(QColor(0x94, 0x5a, 0x34)));
    setze("P-Farbe", "s", hainFarbe(QColor(0x3a, 0x28, 0x1e)));
    setze("Sa-Anhängsel", "g", [](TZeichner& z) { Samenkorn(z, {MitteX, 130}, 190, 'g'); });
    setze("Sa-Anhängsel", "s", [](TZeichner& z) { Samenkorn(z, {MitteX, 190}, 150, 's'); });
    setze("Sa-Anhängsel", "o", [](TZeichner& z) { Samenkorn(z, {MitteX, 150}, 190, 'o'); });
    setze("Sa-Schwiele", "g", [](TZeichner& z) { Samenkorn(z, {MitteX, 110}, 170, 'g', 0.6); });
    setze("Sa-Schwiele", "k", [](TZeichner& z) { Samenkorn(z, {MitteX, 130}, 190, 'g', 0.22); });
    for (const char* code : {"a", "w", "g"})
        setze("Staubfäden", code, [c = code[0]](TZeichner& z) {
            const double beutel = c == 'a' ? 200 : (c == 'w' ? 130 : 110);
            const double faden = c == 'a' ? 45 : (c == 'w' ? 105 : 140);
            for (double x : {90.0, 160.0, 230.0}) {
                z.Linie({x, 286}, {x, 286 - faden}, TStrich::Achse);
                QPainterPath b;
                b.addRoundedRect(QRectF(x - 13, 286 - faden - beutel, 26, beutel), 12, 12);
                z.Flaeche(b, Pollen);
                z.Linie({x, 286 - faden - beutel + 8}, {x, 286 - faden - 6}, TStrich::Fein);
            }
        });
    auto tragblatt = [](bool lang) {
        return [lang](TZeichner& z) {
            const QPointF p(MitteX, 170);
            z.Linie({MitteX, Unten}, p, TStrich::Achse);
            for (double w : {-150.0, -120.0, -90.0, -60.0, -30.0}) {
                const QPointF e = Weiter(p, w, 110 - std::abs(w + 90) * 0.3);
                z.Linie(p, e, TStrich::Normal);
                Simsenkopf(z, e, 14);
            }
            Grasblatt(z, p + QPointF(0, 4), -100, lang ? 166 : 60, 9);
        };
    };
    setze("Tragblatt", "l", tragblatt(true));
    setze("Tragblatt", "k", tragblatt(false));

    // ---- 42: Poa
    g = 42;
    setze("Ausläufer", "u", [](TZeichner& z) { Wuchs(z, TWuchs::Rhizom); });
    setze("Ausläufer", "o", [](TZeichner& z) { Wuchs(z, TWuchs::Kriechend); });
    setze("Ausläufer", "-", [](TZeichner& z) { Wuchs(z, TWuchs::Horstig); });
    for (const char* code : {"z", "r", "g"})
        setze("B-Scheiden", code, [c = code[0]](TZeichner& z) {
            const QPointF m(MitteX, 150);
            const QPainterPath sch =
                c == 'z' ? Linse(m, 80, 120).toReversed() : Ellipsenpfad(m, 100, 100);
            if (c == 'z') {
                QTransform t;
                t.translate(m.x(), m.y());
                t.rotate(90);
                t.translate(-m.x(), -m.y());
                z.Flaeche(t.map(Linse(m, 120, 62)), Schnittgruen);
                z.Flaeche(t.map(Linse(m, 100, 46)), Farbe::Weiss, TStrich::Fein);
            } else {
                z.Flaeche(sch, Schnittgruen);
                z.Flaeche(Ellipsenpfad(m, 84, 84), Farbe::Weiss, TStrich::Fein);
                if (c == 'r')
                    for (int i = 0; i < 36; ++i) {
                        const double w = 10.0 * i;
                        z.Linie(Weiter(m, w, 100), Weiter(m, w + 6, 112), TStrich::Normal);
                    }
            }
            z.Kreis(m, 34, Halmgruen);
            z.Kreis(m, 22, Farbe::Weiss, TStrich::Fein);
        });
    for (const char* code : {"w", "n", "k"}) {
        TSpelze s;
        s.Laenge = 220;
        s.Breite = 96;
        s.Nerven = 5;
        s.Kraeftig = false;
        s.Wolle = code[0] == 'w';
        s.NervenHaare = code[0] == 'n';
        setze("Deckspelzen-Behaarung", code, spelze(s));
    }
    setze("Halm", "z", [](TZeichner& z) {
        Querschnitt(z, TQuer::Zusammengedrueckt);
        z.Flaeche(Linse({MitteX, 150}, 100, 28), Farbe::Weiss, TStrich::Fein);
    });
    setze("Halm", "r", quer(TQuer::Hohl));
    setze("Hüllspelzen-Nerven", "1", [](TZeichner& z) { Huellspelzen(z, 1, 3); });
    setze("Hüllspelzen-Nerven", "3", [](TZeichner& z) { Huellspelzen(z, 3, 3); });
    for (const bool knorpel : {true, false})
        setze("Knorpelrand", knorpel ? "+" : "-", [knorpel](TZeichner& z) {
            // The tip of the blade, boat-shaped like a hood.
            QPainterPath b({110, Unten});
            b.lineTo(112, 90);
            b.cubicTo(114, 40, 140, 16, MitteX, 14);
            b.cubicTo(180, 16, 206, 40, 208, 90);
            b.lineTo(210, Unten);
            b.closeSubpath();
            z.Flaeche(b, Farbe::Blatt);
            z.Linie({MitteX, Unten}, {MitteX, 40}, TStrich::Fein);
            z.Linie({MitteX - 6, Unten}, {MitteX - 6, 44}, TStrich::Fein);
            if (knorpel) {
                // A whitish, thickened rim all round the blade.
                QPainterPath band({110, Unten});
                band.lineTo(112, 90);
                band.cubicTo(114, 40, 140, 16, MitteX, 14);
                band.cubicTo(180, 16, 206, 40, 208, 90);
                band.lineTo(210, Unten);
                band.lineTo(196, Unten);
                band.lineTo(194, 92);
                band.cubicTo(192, 52, 176, 30, MitteX, 30);
                band.cubicTo(144, 30, 128, 52, 126, 92);
                band.lineTo(124, Unten);
                band.closeSubpath();
                z.Flaeche(band, QColor(0xfb, 0xfb, 0xf2));
            }
        });
    setze("Lebensform", "e", [](TZeichner& z) { Wuchs(z, TWuchs::Einjaehrig); });
    setze("Lebensform", "a", [](TZeichner& z) { Wuchs(z, TWuchs::Horstig); });
    auto rispe = [](int unten, bool rau, bool vivipar) {
        return [=](TZeichner& z) {
            z.Linie({MitteX, Unten}, {MitteX, 50}, TStrich::Achse);
            const double knoten[] = {236, 176, 122, 80};
            for (int i = 0; i < 4; ++i) {
                const int n = i == 0 ? unten : 2;
                for (int k = 0; k < n; ++k) {
                    const double s = k % 2 ? -1 : 1;
                    const double w = -90 + s * (40 + 12.0 * (k / 2));
                    const double l = (i == 0 ? 120 : 96 - i * 20) * (1 - 0.1 * (k / 2));
                    const QPointF a(MitteX, knoten[i]);
                    const QPointF e = Weiter(a, w, l);
                    z.Linie(a, e, TStrich::Normal);
                    if (rau)
                        for (double t = 0.1; t < 0.95; t += 0.1)
                            z.Linie(Mitte(a, e, t), Weiter(Mitte(a, e, t), w - s * 40, 7),
                                    TStrich::Fein);
                    if (vivipar)
                        for (double d : {-25.0, 0.0, 25.0})
                            Grasblatt(z, e, w + d, 34, 5);
                    else
                        Aehrchenklein(z, e, w, 26);
                }
            }
        };
    };
    setze("Rispenäste", "1", rispe(2, false, false));
    setze("Rispenäste", "m", rispe(5, false, false));
    for (const bool rau : {false, true})
        setze("Rispenäste-Behaarung", rau ? "r" : "k", [rau](TZeichner& z) {
            const QPointF a(40, 270), e(226, 76);
            z.Linie(a, e, TStrich::Stark);
            Aehrchenklein(z, e, Winkel(a, e), 70);
            if (rau)
                for (double t = 0.04; t < 0.96; t += 0.05)
                    for (double s : {-1.0, 1.0})
                        z.Linie(Mitte(a, e, t) + QPointF(s * 4, s * 4),
                                Weiter(Mitte(a, e, t) + QPointF(s * 4, s * 4),
                                       Winkel(a, e) + s * 50, 12),
                                TStrich::Normal);
        });
    for (const bool zwiebel : {true, false})
        setze("Zwiebel", zwiebel ? "+" : "-", [zwiebel](TZeichner& z) {
            z.Boden(250);
            for (double x : {120.0, 200.0}) {
                QPainterPath b({x - 6, 250});
                if (zwiebel) {
                    b.cubicTo(x - 30, 240, x - 26, 206, x - 5, 190);
                    b.lineTo(x - 4, 40);
                    b.lineTo(x + 4, 40);
                    b.lineTo(x + 5, 190);
                    b.cubicTo(x + 26, 206, x + 30, 240, x + 6, 250);
                } else {
                    b.lineTo(x - 5, 40);
                    b.lineTo(x + 5, 40);
                    b.lineTo(x + 6, 250);
                }
                b.closeSubpath();
                z.Flaeche(b, zwiebel ? QColor(0xd4, 0xc0, 0x94) : Halmgruen);
                Grasblatt(z, {x, 200}, x < 160 ? -120 : -60, 110, 6);
                Wurzelbart(z, {x, 252}, 36, 5);
            }
        });
    setze("vivipar", "+", rispe(2, false, true));
    setze("vivipar", "-", rispe(2, false, false));

    // ---- 43: Poaceae
    g = 43;
    setze("B-Behaarung", "k", grund({1, TOhr::Kein, 0, false, true}));
    setze("B-Behaarung", "b", grund({1, TOhr::Kein, 0, true, true}));
    for (const char* code : {"f", "r", "b"})
        setze("B-Faltung", code, [c = code[0]](TZeichner& z) {
            // A young shoot cut across: the older sheath round the young leaf.
            const QPointF m(MitteX, 150);
            QPainterPath offen;
            const QRectF r(m.x() - 120, m.y() - 120, 240, 240);
            offen.arcMoveTo(r, 100);
            offen.arcTo(r, 100, 340);
            z.Maler().setPen(QPen(Schnittgruen.darker(115), z.Gr(14, 10)));
            z.Maler().setBrush(Qt::NoBrush);
            z.Maler().drawPath(offen);
            z.Umriss(offen, TStrich::Fein);
            if (c == 'f') {
                Querschnitt(z, TQuer::Gekielt, m + QPointF(0, -10), 90);
            } else if (c == 'r') {
                QPainterPath spirale;
                for (int i = 0; i <= 120; ++i) {
                    const double w = i * 6.0, a = 14 + i * 0.62;
                    const QPointF p = Weiter(m, w, a);
                    if (i == 0)
                        spirale.moveTo(p);
                    else
                        spirale.lineTo(p);
                }
                z.Maler().setPen(QPen(Farbe::Linie, z.Gr(12, 9)));
                z.Maler().drawPath(spirale);
                z.Maler().setPen(QPen(Schnittgruen, z.Gr(8, 5)));
                z.Maler().drawPath(spirale);
            } else {
                Querschnitt(z, TQuer::Borstlich, m, 110);
            }
        });
    setze("B-Scheiden", "o", grund({1, TOhr::Kein, 1, false, true}));
    setze("B-Scheiden", "g", grund({1, TOhr::Kein, 2, false, true}));
    setze("B-Öhrchen", "+", grund({1, TOhr::Sichel, 0, false, true}));
    setze("B-Öhrchen", "k", grund({1, TOhr::Klein, 0, false, true}));
    setze("B-Öhrchen", "-", grund({1, TOhr::Kein, 0, false, true}));
    setze("Blst", "Ä", [](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 20}, TStrich::Achse);
        for (int i = 0; i < 8; ++i) {
            const double s = i % 2 ? -1 : 1;
            Aehrchenklein(z, {MitteX, 250 - i * 28.0}, -90 + s * 22, 56);
        }
    });
    setze("Blst", "Äg", [](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 30}, TStrich::Achse);
        for (int i = 0; i < 6; ++i) {
            const double s = i % 2 ? -1 : 1;
            for (double d : {-12.0, 0.0, 12.0})
                Aehrchenklein(z, {MitteX, 250 - i * 36.0}, -90 + s * 24 + d, 44, 50);
        }
    });
    setze("Blst", "T", [](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 24}, TStrich::Achse);
        for (int i = 0; i < 6; ++i) {
            const double s = i % 2 ? -1 : 1;
            const QPointF a(MitteX, 250 - i * 40.0);
            const QPointF e = Weiter(a, -90 + s * 45, 16);
            z.Linie(a, e, TStrich::Normal);
            Aehrchenklein(z, e, -90 + s * 25, 70);
        }
    });
    setze("Blst", "S", [](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 240}, TStrich::Achse);
        QPainterPath walze;
        walze.addRoundedRect(QRectF(MitteX - 28, 36, 56, 206), 26, 26);
        z.Flaeche(walze, QColor(0xc6, 0xdc, 0x92));
        for (double y = 50; y < 236; y += 12)
            for (double dx = -20; dx <= 20; dx += 10)
                z.Linie({MitteX + dx, y}, {MitteX + dx + 3, y - 7}, TStrich::Fein);
    });
    setze("Blst", "Rz", [](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 20}, TStrich::Achse);
        for (int i = 0; i < 5; ++i) {
            const double y = 240 - i * 46.0;
            for (double s : {-1.0, 1.0}) {
                const QPointF a(MitteX, y), e = Weiter(a, -90 + s * 14, 70);
                z.Linie(a, e, TStrich::Normal);
                Aehrchenklein(z, Mitte(a, e, 0.5), -90 + s * 24, 30);
                Aehrchenklein(z, e, -90 + s * 10, 30);
            }
        }
    });
    setze("Blst", "R", [](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 26}, TStrich::Achse);
        for (int i = 0; i < 4; ++i) {
            const double y = 236 - i * 56.0, l = 130 - i * 26.0;
            for (double s : {-1.0, 1.0}) {
                const QPointF a(MitteX, y), e = Weiter(a, -90 + s * 62, l);
                z.Linie(a, e, TStrich::Normal);
                Aehrchenklein(z, e, -90 + s * 62, 26);
                const QPointF m = Mitte(a, e, 0.55);
                const QPointF f = Weiter(m, -90 + s * 30, l * 0.35);
                z.Linie(m, f, TStrich::Fein);
                Aehrchenklein(z, f, -90 + s * 30, 24);
            }
        }
        Aehrchenklein(z, {MitteX, 26}, -90, 24);
    });
    setze("Blst", "K", [](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 40}, TStrich::Achse);
        auto knaeuel = [&](QPointF p) {
            for (double w : {-150.0, -110.0, -70.0, -30.0, -90.0, 10.0, 170.0})
                Aehrchenklein(z, p, w, 30);
        };
        for (int i = 0; i < 3; ++i) {
            const double s = i % 2 ? -1 : 1;
            const QPointF a(MitteX, 230 - i * 60.0), e = Weiter(a, -90 + s * 50, 110 - i * 25);
            z.Linie(a, e, TStrich::Normal);
            knaeuel(e);
        }
        knaeuel({MitteX, 40});
    });
    setze("Blst", "F", [](TZeichner& z) {
        const QPointF p(MitteX, 200);
        z.Linie({MitteX, Unten}, p, TStrich::Achse);
        for (double w : {-140.0, -115.0, -90.0, -65.0, -40.0}) {
            const QPointF e = Weiter(p, w, 170);
            z.Linie(p, e, TStrich::Normal);
            for (double t = 0.15; t < 0.95; t += 0.14)
                Aehrchenklein(z, Mitte(p, e, t), w + 30, 22);
        }
    });
    setze("Blst", "e", [](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 20}, TStrich::Achse);
        for (int i = 0; i < 5; ++i) {
            const double s = i % 2 ? -1 : 1;
            const QPointF a(MitteX, 256 - i * 48.0), e = Weiter(a, -90 + s * 60, 96 - i * 8.0);
            z.Linie(a, e, TStrich::Normal);
            for (double t = 0.2; t < 0.95; t += 0.16)
                Aehrchenklein(z, Mitte(a, e, t), -90 + s * 60 - s * 60, 24);
        }
    });
    {
        TSpelze s;
        s.Laenge = 170;
        s.Breite = 80;
        s.Nerven = 5;
        s.Kraeftig = false;
        s.Granne = 90;
        s.Art = TGranne::End;
        setze("Gran-Stellung", "e", spelze(s));
        s.Spitze = TSpitze::Zwei;
        setze("Gran-Stellung", "s", spelze(s));
        s.Spitze = TSpitze::Spitz;
        s.Art = TGranne::Ruecken;
        setze("Gran-Stellung", "r", spelze(s));
        s.Art = TGranne::Gekniet;
        setze("Gran-Stellung", "k", spelze(s));
    }
    auto aehrchen = [](TAehrchen a) {
        return [a](TZeichner& z) { Aehrchen(z, {MitteX, 286}, 260, a); };
    };
    {
        TAehrchen a;
        a.Blueten = 4;
        a.Granne = 60;
        a.Grannen = 0;
        setze("Gran-Zahl", "0", aehrchen(a));
        a.Grannen = 1;
        setze("Gran-Zahl", "1", aehrchen(a));
        a.Grannen = 2;
        setze("Gran-Zahl", "m", aehrchen(a));
    }
    {
        TAehrchen a;
        a.Blueten = 4;
        a.Hervor = true;
        a.HuellLaenge = 0.34;
        setze("Hüllsp-Länge", "k", aehrchen(a));
        a.HuellLaenge = 1.02;
        setze("Hüllsp-Länge", "l", aehrchen(a));
    }
    setze("Hüllsp-Nerven", "1", [](TZeichner& z) { Huellspelzen(z, 1, 3); });
    setze("Hüllsp-Nerven", "3", [](TZeichner& z) { Huellspelzen(z, 5, 7); });
    setze("Hüllsp-Nerven", "b", [](TZeichner& z) { Huellspelzen(z, 0, 0); });
    {
        TAehrchen a;
        a.Blueten = 4;
        a.Hervor = true;
        a.HuellLaenge = 0.45;
        setze("Hüllsp-Zahl", "2", aehrchen(a));
        a.Huellspelzen = 1;
        setze("Hüllsp-Zahl", "1", aehrchen(a));
        a.Huellspelzen = 0;
        setze("Hüllsp-Zahl", "0", aehrchen(a));
    }
    setze("Lebensform", "e", [](TZeichner& z) { Wuchs(z, TWuchs::Einjaehrig); });
    setze("Lebensform", "h", [](TZeichner& z) { Wuchs(z, TWuchs::Horstig); });
    setze("Lebensform", "a", [](TZeichner& z) { Wuchs(z, TWuchs::Rhizom); });
    setze("Ligula", "k", grund({1, TOhr::Kein, 0, false, true}));
    setze("Ligula", "l", grund({2, TOhr::Kein, 0, false, true}));
    setze("Ligula", "w", grund({3, TOhr::Kein, 0, false, true}));
    setze("Ligula", "f", grund({0, TOhr::Kein, 0, false, true}));
    {
        TAehrchen a;
        a.Blueten = 1;
        a.HuellLaenge = 0.5;
        setze("Äh-Blüten", "1", aehrchen(a));
        a.Blueten = 3;
        a.HuellLaenge = 0.42;
        setze("Äh-Blüten", "2", aehrchen(a));
        a.Blueten = 7;
        a.HuellLaenge = 0.3;
        setze("Äh-Blüten", "v", aehrchen(a));
    }
    for (const char* code : {"z", "r", "d"})
        setze("Äh-quer", code, [c = code[0]](TZeichner& z) {
            // A spikelet cut across: glumes round the florets; arrows show the pressing.
            const QPointF m(MitteX, 150);
            for (double f : {1.0, 0.68, 0.4}) {
                QPainterPath p;
                if (c == 'z') {
                    QTransform t;
                    t.translate(m.x(), m.y());
                    t.rotate(90);
                    t.translate(-m.x(), -m.y());
                    p = t.map(Linse(m, 120 * f, 44 * f));
                } else if (c == 'r') {
                    p = Ellipsenpfad(m, 90 * f, 90 * f);
                } else {
                    p = Ellipsenpfad(m, 124 * f, 46 * f);
                }
                z.Flaeche(p,
                          f == 1.0 ? Huellspelzengruen : (f < 0.5 ? Farbe::Schnitt : Farbe::Kelch));
            }
            if (c == 'z') {
                z.Pfeil({30, 150}, {100, 150});
                z.Pfeil({290, 150}, {220, 150});
            } else if (c == 'd') {
                z.Pfeil({MitteX, 20}, {MitteX, 92});
                z.Pfeil({MitteX, 280}, {MitteX, 208});
            }
        });
}
