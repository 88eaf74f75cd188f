// Drawings of the keys of Apiaceae, Artemisia, Asteraceae, Boraginaceae, Brassicaceae, Campanula,
// Hieracium and Veronica (keys 9, 10, 11, 13, 14, 16, 31 and 58).

#include "Motive.h"
#include "Rezepte.h"
#include "Rezepthilfen.h"

#include <QtMath>
#include <cmath>
#include <functional>

namespace {

constexpr int Doldenbluetler = 9;
constexpr int Beifuss = 10;
constexpr int Korbbluetler = 11;
constexpr int Raublattgewaechse = 13;
constexpr int Kreuzbluetler = 14;
constexpr int Glockenblumen = 16;
constexpr int Habichtskraeuter = 31;
constexpr int Ehrenpreise = 58;

const QColor Filz{0xe6, 0xe9, 0xe0};
const QColor Haut{0xfb, 0xf8, 0xea};  // dry, membranous tissue
const QColor Stroh{0xf1, 0xe2, 0xa8}; // chaff and papery bracts
const QColor Stengel{0xb3, 0xd3, 0x94};
const QColor Dunkel{0x4a, 0x2c, 0x5a}; // dark anthers
const QColor Braun{0x7a, 0x54, 0x30};
const QColor Hellblau{0xa9, 0xbc, 0xf0};
const QColor Blassgelb{0xf6, 0xea, 0x9c};
const QColor Violett{0x8e, 0x5c, 0xd0};
const QColor Orange{0xf0, 0x8a, 0x1e};

// Draws a part enlarged around zentrum, which lands in the middle of the canvas.
void Vergroessert(TZeichner& z, QPointF zentrum, double faktor,
                  const std::function<void()>& zeichne)
{
    QPainter& m = z.Maler();
    m.save();
    m.translate(MitteX, TZeichner::Hoehe / 2);
    m.scale(faktor, faktor);
    m.translate(-zentrum);
    zeichne();
    m.restore();
}

// The outline of a leaf drawn by ZeichneBlatt, in the canvas's coordinates.
QPainterPath BlattAufLeinwand(QPointF ansatz, double winkel, const TBlatt& blatt)
{
    const QPointF spreite = Weiter(ansatz, winkel, blatt.Stiel);
    QTransform t;
    t.translate(spreite.x(), spreite.y());
    t.rotate(winkel);
    return t.map(BlattPfad(blatt));
}

// A pinnatifid leaf: a narrow blade along the midrib with lanceolate segments, in the canvas's
// coordinates (base at an, pointing winkel).
QPainterPath FiederteiligPfad(QPointF an, double winkel, double l, double breite, int paare)
{
    QTransform t;
    t.translate(an.x(), an.y());
    t.rotate(winkel);
    QPainterPath pfad;
    TBlatt mitte{TBlattform::Lineal, l, breite * 0.16, TRand::Ganz, TNervatur::Keine};
    pfad = BlattPfad(mitte);
    for (int i = 0; i < paare; ++i) {
        const double x = l * (0.16 + 0.66 * i / paare);
        const double z = breite * (0.55 - 0.25 * i / paare);
        for (double s : {-1.0, 1.0}) {
            TBlatt zipfel{TBlattform::Lanzettlich, z, z * 0.34, TRand::Ganz, TNervatur::Keine};
            QTransform lage;
            lage.translate(x, 0);
            lage.rotate(s * 55);
            pfad = pfad.united(lage.map(BlattPfad(zipfel)));
        }
    }
    TBlatt ende{TBlattform::Lanzettlich, breite * 0.45, breite * 0.16, TRand::Ganz,
                TNervatur::Keine};
    QTransform spitze;
    spitze.translate(l * 0.86, 0);
    pfad = pfad.united(spitze.map(BlattPfad(ende)));
    return t.map(pfad.simplified());
}

void Fiederteilig(TZeichner& z, QPointF an, double winkel, double l, double breite, int paare,
                  const QColor& fuellung = Farbe::Blatt)
{
    z.Flaeche(FiederteiligPfad(an, winkel, l, breite, paare), fuellung);
    z.Linie(an, Weiter(an, winkel, l * 0.95), TStrich::Fein);
}

// ---- Hairs --------------------------------------------------------------------------------

enum class THaar
{
    Kahl,
    Weich,
    Rau,
    Borstig,
    Zottig,
    Filzig,
    Druesig,
    Spinnweb,
    Stern,
    Wimper,
};

// One hair at p, leaving the surface in direction winkel.
void EinHaar(TZeichner& z, QPointF p, double winkel, double l, THaar art)
{
    switch (art) {
    case THaar::Weich:
        z.Kurve(p, Weiter(p, winkel - 30, l * 0.6), Weiter(p, winkel + 18, l), TStrich::Fein);
        break;
    case THaar::Rau:
        z.Linie(p, Weiter(p, winkel + 35, l * 0.55), TStrich::Normal);
        break;
    case THaar::Borstig:
    case THaar::Wimper:
        z.Linie(p, Weiter(p, winkel + 15, l * 1.15), TStrich::Normal);
        z.Punkt(p, z.Gr(1.8, 2.6));
        break;
    case THaar::Zottig: {
        const QPointF a = Weiter(p, winkel, l * 0.8);
        z.Kurve(p, Weiter(p, winkel - 40, l * 0.5), a, TStrich::Fein);
        z.Kurve(a, Weiter(a, winkel + 45, l * 0.5), Weiter(a, winkel + 10, l * 0.95),
                TStrich::Fein);
        break;
    }
    case THaar::Druesig: {
        const QPointF e = Weiter(p, winkel, l * 0.75);
        z.Linie(p, e, TStrich::Fein);
        z.Kreis(e, z.Gr(2.6, 4.2), Farbe::Druese, TStrich::Fein);
        break;
    }
    case THaar::Stern: {
        const QPointF c = Weiter(p, winkel, l * 0.2);
        for (int k = 0; k < 6; ++k)
            z.Linie(c, Weiter(c, winkel + k * 60, l * 0.32), TStrich::Fein);
        break;
    }
    case THaar::Kahl:
    case THaar::Filzig:
    case THaar::Spinnweb:
        break;
    }
}

// Hairs standing out from an outline, every abstand.
void HaareAmRand(TZeichner& z, const QPainterPath& umriss, THaar art, double abstand, double l)
{
    const QPolygonF rand = Abtasten(umriss, abstand);
    const int n = rand.size();
    if (n < 3) return;
    for (int i = 0; i < n; ++i) {
        const QPointF p = rand[i];
        const QPointF d = rand[(i + 1) % n] - rand[(i - 1 + n) % n];
        const double len = std::hypot(d.x(), d.y());
        if (len <= 0) continue;
        QPointF nrm(d.y() / len, -d.x() / len);
        if (umriss.contains(p + nrm * 3)) nrm = -nrm;
        EinHaar(z, p, Winkel({0, 0}, nrm), l, art);
    }
}

// Hairs, felt or cobweb on the face of a surface.
void HaareAufFlaeche(TZeichner& z, const QPainterPath& flaeche, THaar art, double abstand, double l)
{
    const QRectF r = flaeche.boundingRect();
    QPainter& m = z.Maler();
    m.save();
    m.setClipPath(flaeche, Qt::IntersectClip);
    if (art == THaar::Spinnweb) {
        // Loose white threads spun across the surface.
        const QColor faden(0xff, 0xff, 0xff);
        for (int i = 0; i < 9; ++i) {
            const double y0 = r.top() + r.height() * (0.08 + 0.1 * i);
            const double y1 = r.top() + r.height() * (0.9 - 0.09 * ((i * 3) % 9));
            z.Kurve({r.left(), y0}, {r.center().x(), (y0 + y1) / 2 + (i % 2 ? 20 : -20)},
                    {r.right(), y1}, TStrich::Normal, faden);
        }
        m.restore();
        return;
    }
    int zeile = 0;
    for (double y = r.top() + abstand / 2; y < r.bottom(); y += abstand * 0.8, ++zeile)
        for (double x = r.left() + (zeile % 2 ? abstand / 2 : 0); x < r.right(); x += abstand) {
            const QPointF p(x, y);
            if (!flaeche.contains(p)) continue;
            switch (art) {
            case THaar::Filzig:
                z.Kurve(p, p + QPointF(4, -5), p + QPointF(8, 0), TStrich::Fein,
                        QColor(0x9a, 0xa0, 0x92));
                break;
            case THaar::Stern:
                EinHaar(z, p, -90, l, art);
                break;
            default:
                EinHaar(z, p, zeile % 2 ? -60 : -120, l * 0.6, art);
                break;
            }
        }
    m.restore();
}

void Behaarung(TZeichner& z, const QPainterPath& umriss, THaar art, double dichte = 1)
{
    if (art == THaar::Kahl) return;
    const double rand = z.Gr(10, 15) / dichte;
    const double l = z.Gr(16, 22);
    if (art == THaar::Filzig || art == THaar::Spinnweb) {
        HaareAufFlaeche(z, umriss, art, z.Gr(12, 16), l);
        HaareAmRand(z, umriss, THaar::Weich, rand * 0.7, l * 0.5);
        return;
    }
    HaareAufFlaeche(z, umriss, art, rand * 3, l);
    if (art != THaar::Stern) HaareAmRand(z, umriss, art, rand, l);
}

// A leaf filling the canvas with the given hairs; dichte scales their number.
void BehaartesBlatt(TZeichner& z, THaar art, TBlattform form = TBlattform::Elliptisch,
                    TRand rand = TRand::Ganz, double dichte = 1)
{
    TBlatt b{form, 220, 110, rand, TNervatur::Fieder};
    b.Stiel = 24;
    if (art == THaar::Filzig) b.Fuellung = Filz;
    if (art == THaar::Wimper) {
        GrossesBlatt(z, b);
        HaareAmRand(z, GrossesBlattLage(b).map(BlattPfad(b)), art, z.Gr(8, 12), z.Gr(14, 18));
        return;
    }
    GrossesBlatt(z, b);
    Behaarung(z, GrossesBlattLage(b).map(BlattPfad(b)), art, dichte);
}

// Two leaves: the upper side on the left, the lower side, with its raised veins, on the right.
void Blattseiten(TZeichner& z, TBlatt b, THaar oben, THaar unten, bool untenWeiss)
{
    b.Stiel = 16;
    for (int seite = 0; seite < 2; ++seite) {
        const QPointF an(seite == 0 ? 90 : 232, Unten);
        const THaar art = seite == 0 ? oben : unten;
        TBlatt blatt = b;
        if (art == THaar::Filzig || (seite == 1 && untenWeiss)) blatt.Fuellung = Filz;
        if (seite == 1) blatt.Linie = Farbe::Linie;
        QPainterPath umriss;
        if (blatt.Rand == TRand::Fiederschnittig) {
            z.Linie(an, Weiter(an, -90, b.Stiel), TStrich::Normal);
            umriss = FiederteiligPfad(Weiter(an, -90, b.Stiel), -90, b.Laenge, b.Breite * 1.5, 4);
            z.Flaeche(umriss, blatt.Fuellung);
        } else {
            ZeichneBlatt(z, an, -90, blatt);
            umriss = BlattAufLeinwand(an, -90, blatt);
        }
        if (seite == 1)
            z.Linie(Weiter(an, -90, b.Stiel), Weiter(an, -90, b.Stiel + b.Laenge * 0.95),
                    TStrich::Achse, Farbe::Linie);
        Behaarung(z, umriss, art);
    }
    if (z.Gross()) {
        z.Text({90, 14}, QStringLiteral("oben"));
        z.Text({232, 14}, QStringLiteral("unten"));
    }
}

// A magnifying glass on the surface of a leaf with a few large hairs of one kind.
void Lupe(TZeichner& z, char art)
{
    const QPointF m(MitteX, 150);
    const double r = 138;
    z.Kreis(m, r, Farbe::Blatt, TStrich::Achse);
    QPainter& p = z.Maler();
    p.save();
    p.setClipPath(Ellipsenpfad(m, r, r), Qt::IntersectClip);
    for (double x : {-90.0, -30.0, 30.0, 90.0})
        z.Linie({m.x() + x - 60, m.y() + 140}, {m.x() + x + 60, m.y() - 140}, TStrich::Fein,
                QColor(0x9c, 0xc0, 0x7c));
    const QPointF orte[] = {{100, 90}, {210, 80}, {105, 210}, {215, 205}};
    const QColor haar = Farbe::Weiss;
    for (const QPointF& o : orte) {
        z.Kreis(o, 7, Farbe::Kelch, TStrich::Fein);
        switch (art) {
        case 'e': {
            QPainterPath h(o + QPointF(-7, 0));
            h.quadTo(o + QPointF(8, -40), o + QPointF(56, -60));
            h.quadTo(o + QPointF(16, -30), o + QPointF(7, 0));
            h.closeSubpath();
            z.Flaeche(h, haar);
            break;
        }
        case 'g': {
            const QPointF gabel = o + QPointF(4, -26);
            z.Linie(o, gabel, TStrich::Achse);
            z.Linie(gabel, gabel + QPointF(-30, -24), TStrich::Achse);
            z.Linie(gabel, gabel + QPointF(30, -26), TStrich::Achse);
            break;
        }
        case 's':
            for (int k = 0; k < 6; ++k)
                z.Linie(o, Weiter(o, 15 + 60.0 * k, 40), TStrich::Achse);
            break;
        case 'm':
            // Fixed in the middle, both arms lying flat on the blade.
            z.Linie(o + QPointF(-46, 8), o + QPointF(46, -8), TStrich::Achse);
            z.Punkt(o, 5);
            break;
        case 'd':
            z.Linie(o, o + QPointF(0, -30), TStrich::Achse);
            z.Kreis(o + QPointF(0, -36), 10, Farbe::Druese, TStrich::Normal);
            break;
        }
    }
    p.restore();
    z.Kreis(m, r, Qt::transparent, TStrich::Stark);
}

// ---- Leaves and stems ---------------------------------------------------------------------

TRezept Blattbild(TBlattform form, double l, double b, TRand rand = TRand::Ganz,
                  TNervatur nerven = TNervatur::Fieder, double stiel = 24, int lappen = 0)
{
    TBlatt blatt{form, l, b, rand, nerven};
    blatt.Stiel = stiel;
    blatt.Lappen = lappen;
    return ::Blattbild(blatt);
}

// A leaf cut again and again into narrow or thread-like segments (fennel, yarrow).
void Zerteilt(TZeichner& z, QPointF a, double w, double l, int tiefe, double zipfel)
{
    const QPointF e = Weiter(a, w, l);
    if (tiefe == 0) {
        if (zipfel <= 0) {
            z.Linie(a, e, TStrich::Normal);
            return;
        }
        TBlatt b{TBlattform::Lineal, l, zipfel, TRand::Ganz, TNervatur::Keine};
        b.Strich = TStrich::Fein;
        ZeichneBlatt(z, a, w, b);
        return;
    }
    z.Linie(a, e, tiefe >= 2 ? TStrich::Normal : TStrich::Fein);
    const int paare = tiefe >= 3 ? 4 : tiefe == 2 ? 3 : 2;
    for (int i = 0; i < paare; ++i) {
        const double t = 0.2 + 0.7 * i / paare;
        const QPointF an = Mitte(a, e, t);
        for (double s : {-1.0, 1.0})
            Zerteilt(z, an, w + s * (tiefe >= 2 ? 55 : 38), l * 0.5 * (1 - 0.45 * t), tiefe - 1,
                     zipfel);
    }
    Zerteilt(z, e, w, l * 0.3, tiefe - 1, zipfel);
}

void Fadenblatt(TZeichner& z, int tiefe, double zipfel)
{
    z.Linie({MitteX, Unten}, {MitteX, 250}, TStrich::Normal);
    Zerteilt(z, {MitteX, 250}, -90, 170, tiefe, zipfel);
}

void Fiederblatt(TZeichner& z, int paare, bool doppelt, double bl, double bb,
                 TRand rand = TRand::Gesaegt)
{
    TFiederblatt f;
    f.Paare = paare;
    f.Doppelt = doppelt;
    f.Laenge = 220;
    f.Stiel = 50;
    f.BlaettchenLaenge = bl;
    f.BlaettchenBreite = bb;
    f.Rand = rand;
    ZeichneFiederblatt(z, {MitteX, Unten}, -90, f);
}

void Dreizaehlig(TZeichner& z, bool doppelt)
{
    const QPointF a(MitteX, Unten);
    if (!doppelt) {
        ZeichneGefingert(z, a, -90, 120, 3, 130, 62);
        return;
    }
    const QPointF v = Weiter(a, -90, 96);
    z.Linie(a, v, TStrich::Normal);
    for (double s : {-1.0, 0.0, 1.0})
        ZeichneGefingert(z, v, -90 + s * 58, s == 0 ? 60 : 40, 3, 58, 30);
}

enum class TGrund
{
    Gestielt,
    Sitzend,
    Umfassend,
    Oehrchen,
    Pfeil,
    Herablaufend,
};

// A stem leaf seen from the side, its base as the value says.
void Stengelblatt(TZeichner& z, TGrund grund, TBlattform form = TBlattform::Lanzettlich,
                  TRand rand = TRand::Ganz)
{
    const double x = 96;
    const QPointF an(x, 150);
    TBlatt b{form, grund == TGrund::Gestielt ? 170.0 : 200.0, 70, rand, TNervatur::Fieder};
    b.Stiel = grund == TGrund::Gestielt ? 44 : 0;
    const double winkel = -16;
    if (grund == TGrund::Umfassend) {
        QPainterPath lappen(an + QPointF(4, -14));
        lappen.cubicTo(x - 40, 96, x - 66, 176, x - 8, 178);
        lappen.lineTo(x + 6, 170);
        lappen.closeSubpath();
        z.Flaeche(lappen, Farbe::Blatt);
    }
    if (grund == TGrund::Pfeil || grund == TGrund::Oehrchen) {
        const double l = grund == TGrund::Pfeil ? 58 : 44;
        for (double w : {172.0, 200.0}) {
            TBlatt ohr{TBlattform::Lanzettlich, l, l * 0.36, TRand::Ganz, TNervatur::Keine};
            ZeichneBlatt(z, an + QPointF(6, 2), w, ohr);
        }
    }
    if (grund == TGrund::Herablaufend) {
        QPainterPath fluegel(an + QPointF(-4, 0));
        fluegel.lineTo(x - 13, 176);
        fluegel.quadTo(x - 13, 250, x - 5, Unten);
        fluegel.lineTo(x + 5, Unten);
        fluegel.quadTo(x + 13, 250, x + 13, 176);
        fluegel.lineTo(an + QPointF(20, 4));
        fluegel.closeSubpath();
        z.Flaeche(fluegel, Farbe::Blatt);
    }
    z.Linie({x, Unten}, {x, 8}, TStrich::Achse);
    if (rand == TRand::Fiederschnittig)
        Fiederteilig(z, an, winkel, b.Laenge, 110, 4);
    else
        ZeichneBlatt(z, an, winkel, b);
    if (grund == TGrund::Oehrchen)
        for (double w : {172.0, 200.0}) {
            TBlatt ohr{TBlattform::Lanzettlich, 44, 16, TRand::Ganz, TNervatur::Keine};
            ohr.Fuellung = Farbe::AkzentFlaeche;
            ZeichneBlatt(z, an + QPointF(6, 2), w, ohr);
        }
}

// A piece of stem with its hairs; gegen: opposite leaves at the nodes; zweizeilig: two lines
// of hairs that change sides at every node.
void Stengelstueck(TZeichner& z, THaar art, bool gegen, bool zweizeilig)
{
    const double b = 15;
    const double knoten[] = {96, 216};
    for (double y : knoten) {
        if (gegen) {
            for (double s : {-1.0, 1.0}) {
                TBlatt blatt{TBlattform::Eifoermig, 110, 58, TRand::Gekerbt, TNervatur::Fieder};
                blatt.Stiel = 4;
                ZeichneBlatt(z, {MitteX + s * b, y}, s < 0 ? -160 : -20, blatt);
            }
        } else if (y > 100) {
            TBlatt blatt{TBlattform::Lanzettlich, 120, 40, TRand::Gesaegt, TNervatur::Fieder};
            blatt.Stiel = 30;
            ZeichneBlatt(z, {MitteX + b, y}, -30, blatt);
        }
    }
    QPainterPath st;
    st.addRect(QRectF(MitteX - b, 4, 2 * b, TZeichner::Hoehe - 8));
    const double schritt = z.Gr(9, 13);
    const double l = z.Gr(16, 22);
    for (double y = 10; y < TZeichner::Hoehe - 6; y += schritt) {
        const int glied = y < knoten[0] ? 0 : y < knoten[1] ? 1 : 2;
        if (art == THaar::Kahl || art == THaar::Filzig) break;
        if (!zweizeilig || glied % 2 == 0) {
            EinHaar(z, {MitteX - b, y}, 180, l, art);
            EinHaar(z, {MitteX + b, y}, 0, l, art);
        }
    }
    z.Flaeche(st, Stengel, TStrich::Achse);
    for (double y : knoten)
        z.Linie({MitteX - b, y}, {MitteX + b, y}, TStrich::Normal);
    if (art == THaar::Kahl) return;
    for (double y = 14; y < TZeichner::Hoehe - 6; y += schritt) {
        const int glied = y < knoten[0] ? 0 : y < knoten[1] ? 1 : 2;
        if (zweizeilig) {
            // The line of hairs facing the viewer in this internode.
            if (glied % 2 == 1) EinHaar(z, {MitteX, y}, y < 150 ? -150 : -30, l * 0.9, art);
        } else {
            EinHaar(z, {MitteX - 5, y}, -135, l * 0.5, art);
            EinHaar(z, {MitteX + 6, y + schritt / 2}, -45, l * 0.5, art);
        }
    }
}

// A stem cut across: round, ribbed or angled.
void StengelQuer(TZeichner& z, int kanten, double tiefe, double schaerfe)
{
    const QPointF m(MitteX, 150);
    const double r = 122;
    auto radius = [&](double phi) {
        if (kanten == 0) return r * (1 - 0.015 * (1 - std::abs(std::cos(12 * phi))));
        return r * (1 - tiefe * (1 - std::pow(std::abs(std::cos(kanten * phi / 2)), schaerfe)));
    };
    QPolygonF aussen, innen;
    for (int i = 0; i < 360; ++i) {
        const double phi = qDegreesToRadians(double(i)) - M_PI / 2;
        const double rr = radius(phi);
        aussen << m + QPointF(std::cos(phi), std::sin(phi)) * rr;
        innen << m + QPointF(std::cos(phi), std::sin(phi)) * (rr - 22);
    }
    QPainterPath a, i;
    a.addPolygon(aussen);
    a.closeSubpath();
    i.addPolygon(innen);
    i.closeSubpath();
    z.Flaeche(a, Stengel, TStrich::Achse);
    z.Flaeche(i, Farbe::Schnitt, TStrich::Fein);
    const int buendel = kanten == 0 ? 12 : kanten;
    for (int k = 0; k < buendel; ++k) {
        const double phi = 2 * M_PI * k / buendel - M_PI / 2;
        z.Kreis(m + QPointF(std::cos(phi), std::sin(phi)) * (radius(phi) - 34), z.Gr(6, 8),
                Farbe::Kelch, TStrich::Fein);
    }
}

// ---- Umbellifers ---------------------------------------------------------------------------

enum class THuelle
{
    Fehlend,
    Wenige,
    Viele,
    Fiederteilig,
};

void Hochblatt(TZeichner& z, QPointF an, double winkel, double l, double b,
               const QColor& farbe = Farbe::Kelch)
{
    TBlatt h{TBlattform::Lanzettlich, l, b, TRand::Ganz, TNervatur::Keine};
    h.Fuellung = farbe;
    ZeichneBlatt(z, an, winkel, h);
}

void Doppeldolde(TZeichner& z, THuelle huelle, bool huellchen, const QColor& farbe)
{
    const QPointF p(MitteX, 196);
    z.Linie({MitteX, Unten}, p, TStrich::Achse);
    const double r = z.Gr(4.5, 6.5);
    for (int i = 0; i < 7; ++i) {
        const double w = -156 + 22.0 * i;
        const QPointF q = Weiter(p, w, 100 - std::abs(i - 3) * 4.0);
        z.Linie(p, q, TStrich::Normal);
        if (huellchen)
            for (double v : {55.0, 90.0, 125.0})
                z.Linie(q, Weiter(q, v, z.Gr(12, 16)), TStrich::Fein);
        for (int k = 0; k < 6; ++k) {
            const QPointF b = Weiter(q, -160 + 28.0 * k, z.Gr(22, 24));
            z.Linie(q, b, TStrich::Fein);
            Bl(z, b, r, farbe);
        }
    }
    switch (huelle) {
    case THuelle::Fehlend:
        break;
    case THuelle::Wenige:
        for (double w : {62.0, 118.0})
            Hochblatt(z, p, w, z.Gr(38, 44), z.Gr(6, 9));
        break;
    case THuelle::Viele:
        for (int k = 0; k < 7; ++k)
            Hochblatt(z, p, 20 + 23.0 * k, z.Gr(40, 46), z.Gr(6, 9));
        break;
    case THuelle::Fiederteilig:
        for (int k = 0; k < 5; ++k) {
            const double w = 28 + 31.0 * k;
            const QPointF e = Weiter(p, w, 62);
            z.Linie(p, e, TStrich::Normal, Farbe::Linie);
            for (double t : {0.4, 0.7})
                for (double s : {-1.0, 1.0})
                    z.Linie(Mitte(p, e, t), Weiter(Mitte(p, e, t), w + s * 42, 20),
                            TStrich::Normal);
        }
        break;
    }
}

// A head with a star of bracts below it: coloured like petals (masterwort) or spiny (sea holly).
void Sternhuelle(TZeichner& z, bool dornig)
{
    const QPointF m(MitteX, 140);
    z.Linie({MitteX, Unten}, m, TStrich::Achse);
    auto hochblaetter = [&](bool hinten) {
        for (int k = 0; k < 12; ++k) {
            const double phi = qDegreesToRadians(360.0 * k / 12 + 8);
            if ((std::sin(phi) < 0) != hinten) continue;
            const QPointF v(std::cos(phi), 0.36 * std::sin(phi));
            const double l = 128 * std::max(0.5, std::hypot(v.x(), v.y()));
            TBlatt b{TBlattform::Lanzettlich, l, dornig ? 30.0 : 28.0,
                     dornig ? TRand::Dornig : TRand::Ganz, TNervatur::Parallel};
            b.Fuellung = dornig ? QColor(0xa8, 0xc4, 0xc8) : QColor(0xf6, 0xdd, 0xe6);
            ZeichneBlatt(z, m, qRadiansToDegrees(std::atan2(v.y(), v.x())), b);
        }
    };
    hochblaetter(true);
    if (dornig) {
        z.Ellipse(m + QPointF(0, -26), 40, 50, QColor(0x9c, 0xb6, 0xd8));
        for (int i = 0; i < 5; ++i)
            for (int k = 0; k < 4; ++k)
                z.Punkt(m + QPointF(-24 + k * 16 + (i % 2) * 8, -60 + i * 17), z.Gr(2.5, 3.5));
    } else {
        QPainterPath kuppel({m.x() - 50, m.y()});
        kuppel.cubicTo(m.x() - 50, m.y() - 50, m.x() + 50, m.y() - 50, m.x() + 50, m.y());
        kuppel.closeSubpath();
        z.Flaeche(kuppel, QColor(0xf8, 0xec, 0xf0));
        for (int i = 0; i < 3; ++i)
            for (int k = -3 + i; k <= 3 - i; ++k)
                Bl(z, m + QPointF(k * 14, -10 - i * 13), z.Gr(5, 6.5), Bluetenfarbe::Rosa);
    }
    hochblaetter(false);
}

// One umbellet enlarged, with its bracteoles of the given kind ('-' none).
void Doeldchen(TZeichner& z, char art)
{
    const QPointF q(MitteX, 188);
    z.Linie({MitteX, Unten}, q, TStrich::Achse);
    if (art == 'g')
        for (int k = 0; k < 7; ++k) {
            TBlatt b{TBlattform::Elliptisch, 120, 46, TRand::Ganz, TNervatur::Parallel};
            b.Fuellung = QColor(0xd9, 0xe2, 0x6c);
            ZeichneBlatt(z, q, -180 + 30.0 * k, b);
        }
    for (int k = 0; k < 9; ++k) {
        const QPointF b = Weiter(q, -160 + 17.5 * k, 84);
        z.Linie(q, b, TStrich::Normal);
        Bl(z, b, z.Gr(9, 12), Bluetenfarbe::Weiss);
    }
    switch (art) {
    case 'l':
        for (int k = 0; k < 5; ++k)
            Hochblatt(z, q, 30 + 30.0 * k, 70, z.Gr(6, 9));
        break;
    case 'b':
        for (int k = 0; k < 5; ++k)
            Hochblatt(z, q, 30 + 30.0 * k, 66, 24);
        break;
    case 'e':
        // Three long bracteoles, all on the outer side, hanging down.
        for (double w : {40.0, 62.0, 84.0})
            Hochblatt(z, q + QPointF(4, 0), w, 100, z.Gr(6, 9));
        break;
    case 'w':
        for (double w : {62.0, 78.0, 102.0, 118.0}) {
            TBlatt b{TBlattform::Lanzettlich, 64, 20, TRand::Gewimpert, TNervatur::Keine};
            b.Fuellung = Farbe::Kelch;
            ZeichneBlatt(z, q, w, b);
        }
        break;
    case 'v': {
        QPainterPath becher({q.x() - 46, q.y() - 10});
        for (int i = 0; i < 6; ++i) {
            const double x = q.x() - 46 + i * 18.4;
            becher.lineTo(x + 9, q.y() - 22);
            becher.lineTo(x + 18.4, q.y() - 10);
        }
        becher.cubicTo(q.x() + 40, q.y() + 26, q.x() - 40, q.y() + 26, q.x() - 46, q.y() - 10);
        z.Flaeche(becher, Farbe::Kelch);
        break;
    }
    default:
        break;
    }
}

// A bract of the umbel, with or without a broad membranous margin.
void Hautrand(TZeichner& z, bool hautrandig)
{
    const QPointF an(MitteX, Unten);
    if (hautrandig) {
        TBlatt rand{TBlattform::Lanzettlich, 270, 120, TRand::Ganz, TNervatur::Keine};
        rand.Fuellung = Haut;
        rand.Strich = TStrich::Fein;
        ZeichneBlatt(z, an, -90, rand);
    }
    TBlatt b{TBlattform::Lanzettlich, 250, 56, TRand::Ganz, TNervatur::Mittelnerv};
    b.Fuellung = Farbe::Kelch;
    ZeichneBlatt(z, an + QPointF(0, -12), -90, b);
}

// The double fruit from the side: stylopodium and styles on top, ribs, and its surface.
void Doppelfrucht(TZeichner& z, char oberflaeche, bool kelchzaehne)
{
    const QPointF m(MitteX, 166);
    const double rx = 56, ry = 96;
    z.Linie({MitteX, Unten}, {MitteX, m.y() + ry}, TStrich::Achse);
    const QPainterPath koerper = Ellipsenpfad(m, rx, ry);
    if (oberflaeche == 's') HaareAmRand(z, koerper, THaar::Borstig, z.Gr(11, 15), z.Gr(18, 22));
    z.Flaeche(koerper, Farbe::Frucht);
    for (double x : {-0.62, 0.0, 0.62})
        z.Kurve({m.x() + x * rx * 0.35, m.y() - ry + 4}, {m.x() + x * rx * 1.5, m.y()},
                {m.x() + x * rx * 0.35, m.y() + ry - 4}, TStrich::Fein);
    if (oberflaeche == 's')
        for (double x : {-0.6, 0.0, 0.6})
            for (double t = -0.7; t <= 0.71; t += 0.28) {
                const QPointF p(m.x() + x * rx * (1.05 - 0.5 * t * t), m.y() + t * ry);
                const QPointF e = p + QPointF(x * 8, -z.Gr(10, 13));
                z.Linie(p, e, TStrich::Normal);
                z.Kurve(e, e + QPointF(6, -4), e + QPointF(5, 3), TStrich::Fein);
            }
    if (oberflaeche == 'b') Behaarung(z, koerper, THaar::Weich, 1.3);
    if (oberflaeche == 'w')
        for (double y = -0.75; y <= 0.76; y += 0.22)
            for (double x = -0.7; x <= 0.71; x += 0.35)
                if (x * x + y * y < 0.75)
                    z.Kreis({m.x() + x * rx, m.y() + y * ry + (std::abs(x) > 0.5 ? 8 : 0)},
                            z.Gr(5, 7), Farbe::Frucht.darker(112), TStrich::Fein);
    const QPointF kopf(MitteX, m.y() - ry + 2);
    if (kelchzaehne)
        for (double s : {-1.0, -0.5, 0.5, 1.0}) {
            const QPointF f(kopf.x() + s * 34, kopf.y() + 6 + std::abs(s) * 8);
            QPainterPath zahn(f + QPointF(-7, 0));
            zahn.lineTo(f + QPointF(s * 5, -z.Gr(20, 24)));
            zahn.lineTo(f + QPointF(7, 0));
            zahn.closeSubpath();
            z.Flaeche(zahn, Farbe::Kelch);
        }
    z.Ellipse(kopf + QPointF(0, -6), 20, 12, Farbe::Kelch);
    for (double s : {-1.0, 1.0})
        z.Kurve(kopf + QPointF(s * 5, -14), kopf + QPointF(s * 10, -44),
                kopf + QPointF(s * 34, -60), TStrich::Normal);
}

// The double fruit cut across: the two mericarps, their ribs, oil ducts and seeds.
void Doppelfrucht_Quer(TZeichner& z, char form)
{
    const QPointF m(MitteX, 150);
    struct THaelfte
    {
        QPointF Mitte;
        double Rx, Ry;
        double Winkel;      // the back of the mericarp points this way
        double Bogen = 180; // how much of the ellipse the back takes; the rest is the commissure
    };
    std::vector<THaelfte> haelften;
    switch (form) {
    case 'r':
        haelften = {{m + QPointF(-2, 0), 104, 112, 180}, {m + QPointF(2, 0), 104, 112, 0}};
        break;
    case 's':
        haelften = {{m + QPointF(-58, 0), 68, 72, 180, 300}, {m + QPointF(58, 0), 68, 72, 0, 300}};
        break;
    case 'f':
        haelften = {{m + QPointF(0, -2), 126, 44, -90}, {m + QPointF(0, 2), 126, 44, 90}};
        break;
    default:
        haelften = {{m + QPointF(-2, 0), 74, 80, 180}, {m + QPointF(2, 0), 74, 80, 0}};
        break;
    }
    for (const THaelfte& h : haelften) {
        // Only the half of the ellipse on the back side: the commissure is flat.
        const double a0 = h.Winkel - h.Bogen / 2;
        const double rippe = (h.Bogen - 24) / 4;
        QPainterPath p;
        QPolygonF pts;
        for (int i = 0; i <= 60; ++i) {
            const double phi = qDegreesToRadians(a0 + h.Bogen * i / 60);
            pts << h.Mitte + QPointF(std::cos(phi) * h.Rx, std::sin(phi) * h.Ry);
        }
        // Ribs: five on the back, the two marginal ones at the commissure.
        for (int k = 0; k < 5; ++k) {
            const double phi = qDegreesToRadians(a0 + 12 + rippe * k);
            const QPointF auf = h.Mitte + QPointF(std::cos(phi) * h.Rx, std::sin(phi) * h.Ry);
            if (form == 'g' && k != 2) {
                TBlatt fluegel{TBlattform::Elliptisch, 52, 20, TRand::Ganz, TNervatur::Keine};
                fluegel.Fuellung = Farbe::Frucht;
                ZeichneBlatt(z, auf - QPointF(std::cos(phi), std::sin(phi)) * 8,
                             qRadiansToDegrees(phi), fluegel);
            } else if (form == 'f' && (k == 0 || k == 4)) {
                TBlatt fluegel{TBlattform::Elliptisch, 44, 22, TRand::Ganz, TNervatur::Keine};
                fluegel.Fuellung = Farbe::Frucht;
                ZeichneBlatt(z, auf - QPointF(std::cos(phi), 0) * 8, std::cos(phi) < 0 ? 180 : 0,
                             fluegel);
            } else {
                z.Kreis(auf, z.Gr(7, 10), Farbe::Frucht);
            }
        }
        p.addPolygon(pts);
        p.closeSubpath();
        z.Flaeche(p, Farbe::Frucht, TStrich::Achse);
        QTransform innen;
        innen.translate(h.Mitte.x(), h.Mitte.y());
        innen.scale(0.7, 0.7);
        innen.translate(-h.Mitte.x(), -h.Mitte.y());
        z.Flaeche(innen.map(p), Farbe::Schnitt, TStrich::Fein);
        for (int k = 0; k < 4; ++k) {
            const double phi = qDegreesToRadians(a0 + 12 + rippe * (k + 0.5));
            z.Punkt(h.Mitte + QPointF(std::cos(phi) * h.Rx * 0.84, std::sin(phi) * h.Ry * 0.84),
                    z.Gr(4, 5.5), Braun);
        }
    }
}

void Wurzelschopf(TZeichner& z, bool schopf)
{
    const double boden = 196;
    QPainterPath wurzel({MitteX - 16, boden});
    wurzel.cubicTo(MitteX - 14, 240, MitteX - 4, 270, MitteX, Unten);
    wurzel.cubicTo(MitteX + 4, 270, MitteX + 14, 240, MitteX + 16, boden);
    wurzel.closeSubpath();
    z.Flaeche(wurzel, QColor(0xd8, 0xbf, 0x94));
    z.Boden(boden);
    const QColor faser = Farbe::Boden;
    if (schopf)
        for (int i = 0; i < 18; ++i) {
            const double x0 = MitteX - 14 + (i % 6) * 5.6;
            const double x1 = MitteX + (i - 8.5) * 5.0;
            z.Kurve({x0, boden - 2}, {x0 + (x1 - x0) * 0.3, boden - 50},
                    {x1, boden - 80 - (i % 4) * 12}, TStrich::Normal, faser);
        }
    for (double s : {-1.0, 0.0, 1.0}) {
        const QPointF a(MitteX + s * 6, boden - 4);
        const QPointF e(MitteX + s * 90, 20 + std::abs(s) * 30);
        QPainterPath scheide(a + QPointF(-8, 0));
        scheide.lineTo(Mitte(a, e, 0.35) + QPointF(-5, 0));
        scheide.lineTo(Mitte(a, e, 0.35) + QPointF(5, 0));
        scheide.lineTo(a + QPointF(8, 0));
        scheide.closeSubpath();
        z.Flaeche(scheide, Stengel);
        z.Kurve(Mitte(a, e, 0.35), Mitte(a, e, 0.65) + QPointF(-s * 10, 0), e, TStrich::Normal);
    }
    if (schopf)
        for (int i = 0; i < 10; ++i) {
            const double x = MitteX - 20 + i * 4.4;
            z.Kurve({x, boden - 2}, {x + (i - 4.5) * 2, boden - 36},
                    {x + (i - 4.5) * 6, boden - 64}, TStrich::Normal, faser);
        }
}

// Compound umbels on short stalks opposite the leaves (fool's water-cress).
void BlattgegenstaendigeDolde(TZeichner& z)
{
    z.Linie({30, Unten}, {230, 20}, TStrich::Achse);
    for (int i = 0; i < 2; ++i) {
        const QPointF k = Mitte({30, Unten}, {230, 20}, 0.3 + 0.45 * i);
        TFiederblatt f;
        f.Paare = 2;
        f.Laenge = 60;
        f.Stiel = 16;
        f.BlaettchenLaenge = 28;
        f.BlaettchenBreite = 14;
        f.Rand = TRand::Gesaegt;
        ZeichneFiederblatt(z, k, 10, f);
        const QPointF p = Weiter(k, -120, 22);
        z.Linie(k, p, TStrich::Normal);
        for (int s = 0; s < 4; ++s) {
            const QPointF q = Weiter(p, -180 + 30.0 * s, 44);
            z.Linie(p, q, TStrich::Fein);
            for (int b = 0; b < 4; ++b) {
                const QPointF e = Weiter(q, -170 + 40.0 * b, 14);
                z.Linie(q, e, TStrich::Fein);
                Bl(z, e, z.Gr(3.5, 5), Bluetenfarbe::Weiss);
            }
        }
    }
}

// ---- Flower heads of the daisy family ------------------------------------------------------

enum class TKorbBl
{
    Zunge,
    Strahl,
    Roehre,
    Trichter,
};

struct TKorb
{
    TKorbBl Blueten = TKorbBl::Roehre;
    char Huelle = 'd';
    THaar Haar = THaar::Kahl;
    QColor Farbe = Bluetenfarbe::Gelb;
    QColor Scheibe = Bluetenfarbe::Gelb;
    bool RotGestreift = false; // the outer ligules red-striped beneath
    bool Dornen = false;       // spiny bracts
    bool HuelleFrei = false;   // no ligules in front of the involucre
};

constexpr double KorbGrund = 226;
constexpr double KorbRand = 150;
constexpr double KorbBreite = 70;

QPainterPath Becher()
{
    const double x = MitteX;
    QPainterPath p({x - 20, KorbGrund});
    p.cubicTo(x - 46, KorbGrund, x - KorbBreite, 192, x - KorbBreite, KorbRand);
    p.lineTo(x + KorbBreite, KorbRand);
    p.cubicTo(x + KorbBreite, 192, x + 46, KorbGrund, x + 20, KorbGrund);
    p.closeSubpath();
    return p;
}

// Rows of bracts overlapping like roof tiles, the outer (lower) ones over the inner.
void Dachziegel(TZeichner& z, const TKorb& k, const QColor& fuellung)
{
    QPainter& m = z.Maler();
    const QPainterPath becher = Becher();
    m.save();
    m.setClipPath(becher, Qt::IntersectClip);
    const double g = 26;
    int reihe = 0;
    for (double y = KorbRand + 4; y < KorbGrund + g; y += g * 0.62, ++reihe) {
        const double versatz = (reihe % 2) * g * 0.5;
        for (double x = MitteX - KorbBreite - g + versatz; x < MitteX + KorbBreite + g; x += g) {
            QPainterPath s({x - g * 0.5, y + g});
            s.lineTo(x - g * 0.5, y + g * 0.3);
            s.quadTo(x - g * 0.45, y - g * 0.2, x, y - g * 0.35);
            s.quadTo(x + g * 0.45, y - g * 0.2, x + g * 0.5, y + g * 0.3);
            s.lineTo(x + g * 0.5, y + g);
            z.Flaeche(s, fuellung, TStrich::Fein);
            if (k.Huelle == 'a') {
                // A dark, fringed appendage on the tip of each bract.
                z.Ellipse({x, y - g * 0.12}, g * 0.32, g * 0.24, QColor(0x8a, 0x5e, 0x34),
                          TStrich::Fein);
                for (int f = -2; f <= 2; ++f)
                    z.Linie({x + f * 4.0, y - g * 0.2}, {x + f * 7.0, y - g * 0.55}, TStrich::Fein,
                            QColor(0x5a, 0x3a, 0x1e));
            }
            if (k.Huelle == 't')
                z.Kurve({x - 5, y + 4}, {x, y - 2}, {x + 5, y + 4}, TStrich::Fein, Farbe::Weiss);
        }
    }
    m.restore();
}

// Bracts of one length standing side by side, their tips over the rim.
void Gleichlang(TZeichner& z)
{
    for (int i = 0; i < 9; ++i) {
        const double t = (i - 4) / 4.0;
        const double x = MitteX + t * (KorbBreite - 6);
        const double xu = MitteX + t * 18;
        const double b = 9 * (1 - 0.35 * std::abs(t));
        QPainterPath p({xu - b * 0.5, KorbGrund});
        p.cubicTo(x - b * 1.6, KorbGrund - 30, x - b, KorbRand + 16, x - b, KorbRand);
        p.lineTo(x, KorbRand - 12);
        p.lineTo(x + b, KorbRand);
        p.cubicTo(x + b, KorbRand + 16, x + b * 1.6, KorbGrund - 30, xu + b * 0.5, KorbGrund);
        p.closeSubpath();
        z.Flaeche(p, Farbe::Kelch, TStrich::Fein);
    }
}

void Huelle(TZeichner& z, const TKorb& k)
{
    const QPainterPath becher = Becher();
    const QColor fuellung = k.Haar == THaar::Filzig || k.Haar == THaar::Stern ? Filz
                            : k.Huelle == 't'                                 ? Stroh
                                                                              : Farbe::Kelch;
    if (k.Huelle == 'b')
        for (double w : {-170.0, -12.0, 150.0, 30.0, 100.0, 76.0}) {
            TBlatt b{TBlattform::Lanzettlich, 120, 30, TRand::Ganz, TNervatur::Mittelnerv};
            ZeichneBlatt(z, {MitteX, KorbGrund - 24}, w, b);
        }
    z.Flaeche(becher, fuellung, TStrich::Normal);
    switch (k.Huelle) {
    case '1':
        Gleichlang(z);
        break;
    case '2':
        Gleichlang(z);
        for (double s : {-1.0, -0.5, 0.0, 0.5, 1.0}) {
            const QPointF an(MitteX + s * 22, KorbGrund - 4);
            TBlatt b{TBlattform::Lanzettlich, 48, 12, TRand::Ganz, TNervatur::Keine};
            b.Fuellung = Farbe::Blatt;
            ZeichneBlatt(z, an, -90 + s * 80, b);
            z.Punkt(Weiter(an, -90 + s * 80, 45), z.Gr(2.6, 3.6));
        }
        break;
    case 'v':
        for (int i = -3; i <= 3; ++i)
            z.Linie({MitteX + i * 18.0, KorbRand + 6}, {MitteX + i * 7.0, KorbGrund - 8},
                    TStrich::Fein, Farbe::Kelch.darker(130));
        for (int i = 0; i < 8; ++i) {
            const double x = MitteX - KorbBreite + i * (2 * KorbBreite / 8);
            QPainterPath zahn({x, KorbRand + 1});
            zahn.lineTo(x + KorbBreite / 8, KorbRand - 12);
            zahn.lineTo(x + 2 * KorbBreite / 8, KorbRand + 1);
            z.Flaeche(zahn, fuellung, TStrich::Fein);
        }
        break;
    default:
        Dachziegel(z, k, fuellung);
        break;
    }
    if (k.Huelle == 'h')
        for (int i = 0; i < 7; ++i) {
            const double t = (i - 3) / 3.0;
            const QPointF a(MitteX + t * (KorbBreite - 8), KorbRand + 4);
            const QPointF e = a + QPointF(t * 26, -34);
            z.Linie(a, e, TStrich::Normal);
            z.Kurve(e, e + QPointF(t * 10 + (t >= 0 ? 8 : -8), -8),
                    e + QPointF(t >= 0 ? 12 : -12, 6), TStrich::Normal);
        }
    if (k.Dornen)
        for (int i = 0; i < 9; ++i) {
            const double t = (i - 4) / 4.0;
            const QPointF a(MitteX + t * (KorbBreite - 4), KorbRand + 10 + std::abs(t) * 20);
            z.Linie(a, a + QPointF(t * 40, -30 + std::abs(t) * 16), TStrich::Normal, Braun);
        }
    z.Umriss(becher);
    Behaarung(z, becher, k.Haar, 1.2);
}

void Zunge(TZeichner& z, QPointF an, double winkel, double l, double b, const QColor& farbe,
           bool streifen = false)
{
    TBlatt zunge{TBlattform::Lineal, l, b, TRand::Ganz, TNervatur::Keine};
    zunge.Fuellung = farbe;
    ZeichneBlatt(z, an, winkel, zunge);
    if (streifen)
        Rahmen(z, an, winkel, [&] {
            z.Linie({l * 0.15, 0}, {l * 0.9, 0}, TStrich::Achse, Farbe::Akzent);
        });
}

// Ligules around an ellipse of radius ring, seen slightly from above.
void Zungenkranz(TZeichner& z, const TKorb& k, bool hinten, double ring, double l, double hebung,
                 double y, bool streifen)
{
    const int n = 16;
    for (int i = 0; i < n; ++i) {
        const double phi = qDegreesToRadians(360.0 * i / n + 6);
        if ((std::sin(phi) < 0) != hinten) continue;
        const QPointF v(std::cos(phi), 0.32 * std::sin(phi) - hebung);
        const QPointF an(MitteX + std::cos(phi) * ring, y + 0.3 * std::sin(phi) * ring);
        Zunge(z, an, qRadiansToDegrees(std::atan2(v.y(), v.x())),
              l * std::max(0.55, std::hypot(v.x(), v.y())), z.Gr(15, 20), k.Farbe,
              streifen && !hinten);
    }
}

void Roehrenkuppel(TZeichner& z, double rx, double hoehe, const QColor& farbe)
{
    QPainterPath kuppel({MitteX - rx, KorbRand + 2});
    kuppel.cubicTo(MitteX - rx, KorbRand - hoehe * 1.3, MitteX + rx, KorbRand - hoehe * 1.3,
                   MitteX + rx, KorbRand + 2);
    kuppel.closeSubpath();
    z.Flaeche(kuppel, farbe);
    QPainter& m = z.Maler();
    m.save();
    m.setClipPath(kuppel, Qt::IntersectClip);
    const double s = z.Gr(11, 15);
    int zeile = 0;
    for (double y = KorbRand - hoehe; y < KorbRand + 4; y += s * 0.8, ++zeile)
        for (double x = MitteX - rx + (zeile % 2) * s / 2; x < MitteX + rx + s; x += s)
            z.Kreis({x, y}, s * 0.32, farbe.lighter(112), TStrich::Fein);
    m.restore();
    z.Umriss(kuppel);
}

// A flower head from the side: involucre below, florets above.
void Korb(TZeichner& z, const TKorb& k)
{
    z.Linie({MitteX, Unten}, {MitteX, KorbGrund}, TStrich::Achse);
    switch (k.Blueten) {
    case TKorbBl::Strahl:
        Zungenkranz(z, k, true, KorbBreite * 0.9, 92, 0.12, KorbRand - 6, false);
        Huelle(z, k);
        Roehrenkuppel(z, KorbBreite * 0.9, 24, k.Scheibe);
        Zungenkranz(z, k, false, KorbBreite * 0.9, 92, 0.12, KorbRand - 6, false);
        break;
    case TKorbBl::Zunge:
        Zungenkranz(z, k, true, KorbBreite * 0.9, 92, 0.2, KorbRand - 4, false);
        Zungenkranz(z, k, true, KorbBreite * 0.55, 70, 0.7, KorbRand - 10, false);
        Huelle(z, k);
        Zungenkranz(z, k, false, KorbBreite * 0.3, 46, 1.6, KorbRand - 16, false);
        if (k.HuelleFrei) break;
        Zungenkranz(z, k, false, KorbBreite * 0.55, 70, 0.7, KorbRand - 10, false);
        Zungenkranz(z, k, false, KorbBreite * 0.9, 92, 0.2, KorbRand - 4, k.RotGestreift);
        break;
    case TKorbBl::Roehre:
        Huelle(z, k);
        Roehrenkuppel(z, KorbBreite - 2, 34, k.Farbe);
        break;
    case TKorbBl::Trichter: {
        auto trichter = [&](bool hinten) {
            for (int i = 0; i < 12; ++i) {
                const double phi = qDegreesToRadians(360.0 * i / 12 + 15);
                if ((std::sin(phi) < 0) != hinten) continue;
                const QPointF an(MitteX + std::cos(phi) * KorbBreite * 0.7,
                                 KorbRand - 8 + std::sin(phi) * 14);
                const double w =
                    qRadiansToDegrees(std::atan2(0.3 * std::sin(phi) - 0.5, std::cos(phi)));
                Rahmen(z, an, w, [&] {
                    QPainterPath t({0, -4});
                    t.lineTo(40, -9);
                    t.lineTo(70, -24);
                    for (int zahn = 0; zahn < 4; ++zahn) {
                        t.lineTo(62 + (zahn % 2) * 8, -12 + zahn * 8);
                    }
                    t.lineTo(70, 24);
                    t.lineTo(40, 9);
                    t.lineTo(0, 4);
                    t.closeSubpath();
                    z.Flaeche(t, k.Farbe);
                    z.Linie({10, 0}, {60, 0}, TStrich::Fein);
                });
            }
        };
        trichter(true);
        Huelle(z, k);
        Roehrenkuppel(z, KorbBreite * 0.6, 24, k.Scheibe);
        trichter(false);
        break;
    }
    }
}

TRezept KorbBild(TKorb k)
{
    return [k](TZeichner& z) { Korb(z, k); };
}

// The involucre enlarged so that its hairs show.
TRezept HuellenBild(TKorb k)
{
    return [k](TZeichner& z) { Vergroessert(z, {MitteX, 170}, 1.3, [&] { Korb(z, k); }); };
}

// Many one-flowered heads in a ball (globe thistle).
void Kugelkopf(TZeichner& z)
{
    const QPointF m(MitteX, 124);
    z.Linie({MitteX, Unten}, m, TStrich::Achse);
    z.Kreis(m, 92, QColor(0x9c, 0xae, 0xe4));
    for (int ring = 0; ring < 3; ++ring)
        for (int i = 0; i < 6 + ring * 6; ++i) {
            const double phi = 360.0 * i / (6 + ring * 6) + ring * 11;
            const QPointF p = Weiter(m, phi, ring * 30);
            TBlatt b{TBlattform::Lanzettlich, 30, 11, TRand::Ganz, TNervatur::Keine};
            b.Fuellung = QColor(0x7c, 0x92, 0xd8);
            b.Strich = TStrich::Fein;
            ZeichneBlatt(z, p, ring == 0 ? phi : phi, b);
        }
    z.Kreis(m, 92, Qt::transparent);
}

// Male heads above a spiny, two-beaked female involucre (cocklebur).
void Spitzklette(TZeichner& z)
{
    z.Linie({MitteX, Unten}, {MitteX, 30}, TStrich::Achse);
    for (double y : {44.0, 76.0})
        for (double s : {-1.0, 1.0}) {
            z.Linie({MitteX, y + 10}, {MitteX + s * 26, y}, TStrich::Normal);
            z.Kreis({MitteX + s * 30, y}, 12, Farbe::Kelch);
        }
    const QPointF m(MitteX + 2, 200);
    const QPainterPath frucht = Ellipsenpfad(m, 50, 74);
    HaareAmRand(z, frucht, THaar::Borstig, z.Gr(12, 16), 20);
    z.Flaeche(frucht, QColor(0xb8, 0xc8, 0x7a));
    for (double y = -50; y <= 50; y += 20)
        for (double x = -30; x <= 30; x += 20)
            if (x * x / 2500 + y * y / 5476 < 0.8) {
                const QPointF p = m + QPointF(x + (int(y) % 40 ? 10 : 0), y);
                z.Linie(p, p + QPointF(4, -12), TStrich::Normal);
                z.Kurve(p + QPointF(4, -12), p + QPointF(8, -14), p + QPointF(8, -8),
                        TStrich::Fein);
            }
    for (double s : {-1.0, 1.0})
        z.Linie(m + QPointF(s * 14, -70), m + QPointF(s * 22, -104), TStrich::Achse);
}

// An achene with its pappus of the given kind ('-' none).
void Achaene(TZeichner& z, char pappus)
{
    const QPointF fuss(MitteX, 282), kopf(MitteX, 198);
    QPainterPath k(fuss);
    k.cubicTo(MitteX - 30, 262, MitteX - 24, 214, kopf.x() - 10, kopf.y());
    k.lineTo(kopf.x() + 10, kopf.y());
    k.cubicTo(MitteX + 24, 214, MitteX + 30, 262, fuss.x(), fuss.y());
    k.closeSubpath();
    const double l = 160;
    switch (pappus) {
    case 'H':
    case 'F':
        for (int i = 0; i < 13; ++i) {
            const double w = -168 + 13.0 * i;
            const QPointF a = kopf + QPointF(0, 2);
            const QPointF e = Weiter(a, w, l * (0.85 + 0.15 * std::sin(w)));
            z.Linie(a, e, TStrich::Fein);
            if (pappus == 'F' && i % (z.Gross() ? 1 : 2) == 0)
                for (double t : {0.35, 0.55, 0.75, 0.92})
                    for (double s : {-1.0, 1.0})
                        z.Linie(Mitte(a, e, t), Weiter(Mitte(a, e, t), w + s * 38, z.Gr(10, 14)),
                                TStrich::Fein);
        }
        break;
    case 'S':
        for (double s : {-1.0, 1.0}) {
            const QPointF a = kopf + QPointF(s * 8, 2);
            const QPointF e = a + QPointF(s * 26, -104);
            z.Linie(a, e, TStrich::Achse);
            for (double t : {0.3, 0.5, 0.7, 0.9})
                z.Linie(Mitte(a, e, t), Mitte(a, e, t) + QPointF(s * 10, 10), TStrich::Normal);
        }
        for (double s : {-0.4, 0.4}) {
            TBlatt schuppe{TBlattform::Lanzettlich, 40, 16, TRand::Ganz, TNervatur::Keine};
            schuppe.Fuellung = Haut;
            ZeichneBlatt(z, kopf + QPointF(s * 10, 2), -90 + s * 50, schuppe);
        }
        break;
    case 'K': {
        QPainterPath krone({kopf.x() - 14, kopf.y() + 4});
        for (int i = 0; i < 7; ++i) {
            krone.lineTo(kopf.x() - 14 + i * 4 + 2, kopf.y() - 16);
            krone.lineTo(kopf.x() - 14 + i * 4 + 4, kopf.y() - 8);
        }
        krone.lineTo(kopf.x() + 14, kopf.y() + 4);
        krone.closeSubpath();
        z.Flaeche(krone, Haut);
        break;
    }
    default:
        break;
    }
    z.Flaeche(k, Farbe::Samen.lighter(150));
    for (double s : {-0.4, 0.0, 0.4})
        z.Linie(kopf + QPointF(s * 18, 4), fuss + QPointF(s * 8, -6), TStrich::Fein);
}

// A head cut lengthwise: receptacle with florets and what stands between them.
void Korbschnitt(TZeichner& z, char boden)
{
    z.Linie({MitteX, Unten}, {MitteX, 250}, TStrich::Achse);
    for (double s : {-1.0, 1.0})
        for (int i = 0; i < 3; ++i) {
            TBlatt b{TBlattform::Lanzettlich, 70.0 + i * 16, 22, TRand::Ganz, TNervatur::Keine};
            b.Fuellung = Farbe::Kelch;
            ZeichneBlatt(z, {MitteX + s * (70 + i * 8.0), 236 - i * 12.0}, -90 + s * (30 - i * 9.0),
                         b);
        }
    QPainterPath bd({MitteX - 96, 214});
    bd.cubicTo(MitteX - 70, 170, MitteX + 70, 170, MitteX + 96, 214);
    bd.cubicTo(MitteX + 70, 262, MitteX - 70, 262, MitteX - 96, 214);
    bd.closeSubpath();
    z.Flaeche(bd, Farbe::Schnitt);
    auto oberflaeche = [](double x) {
        const double t = (x - MitteX) / 96;
        return 214 - 34 * (1 - t * t);
    };
    for (int i = -3; i <= 3; ++i) {
        const double x = MitteX + i * 24.0;
        const double y = oberflaeche(x);
        if (boden == 'S' && i < 3) {
            TBlatt spreu{TBlattform::Lanzettlich, 78, 12, TRand::Ganz, TNervatur::Keine};
            spreu.Fuellung = Stroh;
            ZeichneBlatt(z, {x + 12, oberflaeche(x + 12) + 2}, -90 + i * 4.0, spreu);
        }
        if (boden == 'B' && i < 3)
            for (double d : {8.0, 12.0, 16.0})
                z.Linie({x + d, oberflaeche(x + d) + 1}, {x + d + (d - 12) * 0.8, y - 56},
                        TStrich::Normal, Braun);
        const QPointF fk(x, y - 8);
        z.Ellipse(fk, 6, 9, Farbe::Frucht, TStrich::Fein);
        QPainterPath r({x - 4, y - 16});
        r.lineTo(x - 5, y - 58);
        r.lineTo(x - 8, y - 66);
        r.lineTo(x + 8, y - 66);
        r.lineTo(x + 5, y - 58);
        r.lineTo(x + 4, y - 16);
        r.closeSubpath();
        z.Flaeche(r, Bluetenfarbe::Gelb, TStrich::Fein);
    }
    if (boden == '-')
        for (int i = -7; i <= 7; ++i)
            z.Punkt({MitteX + i * 12.0, oberflaeche(MitteX + i * 12.0) + 5}, z.Gr(1.6, 2.2));
}

// A small head with yellow ligules, for inflorescences.
void Koepfchen(TZeichner& z, QPointF p, double r, const QColor& farbe = Bluetenfarbe::Gelb)
{
    QPainterPath h({p.x() - r * 0.5, p.y() + r * 0.9});
    h.lineTo(p.x() - r * 0.8, p.y());
    h.lineTo(p.x() + r * 0.8, p.y());
    h.lineTo(p.x() + r * 0.5, p.y() + r * 0.9);
    h.closeSubpath();
    QPainterPath f({p.x() - r * 1.4, p.y()});
    f.cubicTo(p.x() - r * 1.4, p.y() - r * 1.2, p.x() + r * 1.4, p.y() - r * 1.2, p.x() + r * 1.4,
              p.y());
    f.closeSubpath();
    z.Flaeche(f, farbe);
    for (double w : {-150.0, -120.0, -90.0, -60.0, -30.0})
        z.Linie(p, Weiter(p, w, r * 0.85), TStrich::Fein);
    z.Flaeche(h, Farbe::Kelch);
}

// A rosette leaf seen flat on the ground, projected.
void Rosette(TZeichner& z, QPointF mitte, double l, int n = 7)
{
    for (int i = 0; i < n; ++i) {
        const double phi = qDegreesToRadians(-180 + 180.0 * i / (n - 1));
        const QPointF v(std::cos(phi), 0.45 * std::sin(phi) - 0.15);
        TBlatt b{TBlattform::VerkehrtEifoermig, l * std::max(0.6, std::hypot(v.x(), v.y())), 24,
                 TRand::Ganz, TNervatur::Mittelnerv};
        ZeichneBlatt(z, mitte, qRadiansToDegrees(std::atan2(v.y(), v.x())), b);
    }
}

// ---- Borage family -------------------------------------------------------------------------

// A five-lobed star of pointed lobes with the dark cone of anthers (borage), from above.
void Sternbluete(TZeichner& z, QPointF m, double r, const QColor& farbe)
{
    for (int i = 0; i < 5; ++i) {
        TBlatt b{TBlattform::Lanzettlich, r, r * 0.42, TRand::Ganz, TNervatur::Mittelnerv};
        b.Fuellung = farbe;
        ZeichneBlatt(z, m, -90 + 72.0 * i, b);
    }
    for (int i = 0; i < 5; ++i) {
        TBlatt a{TBlattform::Lanzettlich, r * 0.36, r * 0.12, TRand::Ganz, TNervatur::Keine};
        a.Fuellung = Dunkel;
        ZeichneBlatt(z, m, -54 + 72.0 * i, a);
    }
    z.Kreis(m, r * 0.1, Dunkel);
}

void Kelchroehre(TZeichner& z, double geteilt, const QColor& krone)
{
    const double oben = 84, unten = 262;
    const double y = oben + (unten - oben) * geteilt;
    QPainterPath k({MitteX - 14, 120});
    k.lineTo(MitteX - 16, 40);
    k.lineTo(MitteX + 16, 40);
    k.lineTo(MitteX + 14, 120);
    k.closeSubpath();
    z.Flaeche(k, krone);
    z.Ellipse({MitteX, 38}, 44, 12, krone);
    z.Linie({MitteX, Unten}, {MitteX, unten}, TStrich::Achse);
    auto breite = [&](double yy) { return 26 + 26 * (unten - yy) / (unten - oben); };
    for (int hinten = 1; hinten >= 0; --hinten)
        for (int i = 0; i < (hinten ? 2 : 3); ++i) {
            const double t = hinten ? (i == 0 ? -0.5 : 0.5) : (i - 1.0);
            const double bx = breite(y);
            const double xm = MitteX + t * bx * 0.62;
            const double b = bx * (hinten ? 0.36 : 0.44);
            QPainterPath z1({xm - b, y + 2});
            z1.quadTo(xm - b * 0.7, (y + oben) / 2, xm + t * 10, oben);
            z1.quadTo(xm + b * 0.7, (y + oben) / 2, xm + b, y + 2);
            z1.closeSubpath();
            z.Flaeche(z1, hinten ? Farbe::Kelch.darker(108) : Farbe::Kelch);
        }
    QPainterPath r({MitteX - 24, unten});
    r.lineTo(MitteX - breite(y), y);
    r.lineTo(MitteX + breite(y), y);
    r.lineTo(MitteX + 24, unten);
    r.closeSubpath();
    z.Flaeche(r, Farbe::Kelch);
}

// The throat of the corolla from above: closed by scales, with tufts of hairs or open.
void Schlund(TZeichner& z, char art)
{
    const QPointF m(MitteX, 150);
    BlueteOben(z, m, 134, {5, Bluetenfarbe::Blau, true, 0, 0, 0});
    if (art == '+') {
        for (int i = 0; i < 5; ++i) {
            const double w = -54 + 72.0 * i;
            Rahmen(z, Weiter(m, w, 22), w, [&] {
                z.Ellipse({0, 0}, 12, 15, QColor(0xfa, 0xe8, 0x8c));
            });
        }
        return;
    }
    z.Kreis(m, 22, Bluetenfarbe::Blau.darker(160));
    if (art == 'h')
        for (int i = 0; i < 5; ++i) {
            const double w = -54 + 72.0 * i;
            const QPointF b = Weiter(m, w, 30);
            for (int k = -2; k <= 2; ++k)
                z.Linie(b, Weiter(b, w + 180 + k * 14, 22), TStrich::Normal, Farbe::Weiss);
        }
}

// A funnel flower from the side with its stamens: hidden in the tube, far out, or a cone.
void Staubblaetter13(TZeichner& z, char art)
{
    const QPointF basis(MitteX, 270);
    z.Linie({MitteX, Unten}, basis, TStrich::Achse);
    if (art == 'k') {
        for (double w : {-160.0, -20.0, 150.0, 30.0})
            Kelchblatt(z, basis + QPointF(0, -10), w, 70, 20);
        for (double w : {-175.0, -5.0, -140.0, -40.0}) {
            TBlatt b{TBlattform::Lanzettlich, 130, 50, TRand::Ganz, TNervatur::Mittelnerv};
            b.Fuellung = Bluetenfarbe::Blau;
            ZeichneBlatt(z, basis + QPointF(0, -14), w, b);
        }
        QPainterPath kegel({MitteX - 22, 254});
        kegel.lineTo(MitteX, 130);
        kegel.lineTo(MitteX + 22, 254);
        kegel.closeSubpath();
        z.Flaeche(kegel, Dunkel);
        z.Linie({MitteX, 130}, {MitteX, 112}, TStrich::Normal);
        return;
    }
    BlueteSeite(z, basis, 200, TKronform::Trichter, Bluetenfarbe::Blau, true);
    if (art == 'a') {
        for (int i = -2; i <= 2; ++i) {
            const QPointF e(MitteX + i * 30, 30 + std::abs(i) * 10);
            z.Kurve({MitteX + i * 4, 100}, {MitteX + i * 10, 60}, e, TStrich::Normal);
            z.Ellipse(e, 5, 9, Dunkel, TStrich::Fein);
        }
        return;
    }
    for (int i = -2; i <= 2; ++i)
        z.Strichlinie({MitteX + i * 5, 250}, {MitteX + i * 6, 150});
    for (int i = -2; i <= 2; ++i)
        z.Ellipse({MitteX + i * 6, 146}, 4, 9, Dunkel.lighter(160), TStrich::Fein);
}

// A coiled cyme of the borage family with bracts at all, the lower or no flowers.
void Wickel13(TZeichner& z, char art)
{
    // The axis rises and coils at its tip, the youngest buds inside the coil.
    QPolygonF achse;
    QPointF p(118, Unten);
    double w = -90, schritt = 9;
    achse << p;
    for (int i = 0; i < 40; ++i) {
        p = Weiter(p, w, schritt);
        achse << p;
        if (i > 12) w += 9;
        if (i > 24) schritt *= 0.94;
    }
    QPainterPath a;
    a.addPolygon(achse);
    z.Umriss(a, TStrich::Achse);
    const int knoten[] = {4, 10, 15, 20, 25, 29, 33, 37};
    for (int i = 0; i < 8; ++i) {
        const int k = knoten[i];
        const double richtung = Winkel(achse[k - 1], achse[k + 1]);
        const bool offen = i < 5;
        const double s = offen ? (i % 2 ? 1 : -1) : -1;
        const QPointF bl = Weiter(achse[k], richtung + s * 70, offen ? 40 : 16);
        if (art == '+' || (art == 'u' && i < 3)) {
            TBlatt t{TBlattform::Lanzettlich, offen ? 56.0 : 30.0, offen ? 20.0 : 12.0, TRand::Ganz,
                     TNervatur::Mittelnerv};
            ZeichneBlatt(z, achse[k], richtung - s * 60, t);
        }
        z.Linie(achse[k], bl, TStrich::Normal);
        if (offen)
            BlueteOben(z, bl, z.Gr(22, 26), {5, Bluetenfarbe::Blau, true, 0, 0, 0});
        else
            z.Ellipse(bl, 8, 10, Bluetenfarbe::Rosa);
    }
}

// Four nutlets in the calyx from above, or a capsule.
void Nuesschen(TZeichner& z, char art)
{
    const QPointF m(MitteX, 150);
    for (int i = 0; i < 5; ++i)
        Kelchblatt(z, m, -90 + 72.0 * i, 140, 34);
    if (art == 'K') {
        z.Ellipse(m, 62, 80, Farbe::Frucht);
        z.Linie(m + QPointF(0, -80), m + QPointF(0, 80), TStrich::Normal);
        z.Linie(m + QPointF(0, -80), m + QPointF(0, -104), TStrich::Normal);
        return;
    }
    for (int i = 0; i < 4; ++i) {
        const double w = -45 + 90.0 * i;
        Rahmen(z, Weiter(m, w, 50), w + 90, [&] {
            const QPainterPath n = Ellipsenpfad({0, 0}, 34, 46);
            switch (art) {
            case 'g':
                z.Flaeche(n, QColor(0xf1, 0xec, 0xdc));
                z.Ellipse({-10, -14}, 8, 14, Farbe::Weiss, TStrich::Fein, Farbe::Weiss);
                break;
            case 'w':
                z.Flaeche(n, QColor(0x9c, 0x7c, 0x56));
                for (int k = 0; k < 6; ++k)
                    z.Kurve({-22.0 + (k % 2) * 10, -30.0 + k * 11}, {0, -36.0 + k * 11},
                            {22.0 - (k % 2) * 10, -30.0 + k * 11}, TStrich::Fein);
                break;
            case 's':
                HaareAmRand(z, n, THaar::Kahl, 12, 14);
                for (int k = 0; k < 14; ++k) {
                    const double phi = 360.0 * k / 14;
                    const QPointF r(34 * std::cos(qDegreesToRadians(phi)),
                                    46 * std::sin(qDegreesToRadians(phi)));
                    const QPointF e = Weiter(r, phi, 14);
                    z.Linie(r, e, TStrich::Normal);
                    z.Linie(Weiter(e, phi + 90, 5), Weiter(e, phi - 90, 5), TStrich::Normal);
                }
                z.Flaeche(n, QColor(0xb0, 0x9c, 0x70));
                for (int k = 0; k < 5; ++k)
                    z.Punkt({-16.0 + (k % 3) * 16, -20.0 + k * 10}, z.Gr(2, 3));
                break;
            case 'r':
                z.Flaeche(n, QColor(0xc9, 0xb0, 0x82));
                z.Ellipse({0, 4}, 22, 32, QColor(0xa8, 0x8c, 0x5c), TStrich::Normal);
                z.Ellipse({0, 4}, 15, 24, QColor(0xc9, 0xb0, 0x82), TStrich::Fein);
                break;
            }
        });
    }
}

// ---- Crucifers -----------------------------------------------------------------------------

// A cross-shaped flower from above; petals notched ('a'), deeply cleft ('z'); zygo: two outer
// petals enlarged.
void Kreuzbluete(TZeichner& z, QPointF m, double r, const QColor& farbe, char rand, bool zygo)
{
    for (int i = 0; i < 4; ++i)
        Kelchblatt(z, m, -90 + 90.0 * i, r * 0.5, r * 0.22);
    for (int i = 0; i < 4; ++i) {
        const double w = -135 + 90.0 * i;
        const double l = zygo ? (i >= 2 ? r * 1.15 : r * 0.55) : r;
        if (rand == 'z') {
            for (double s : {-1.0, 1.0})
                Kronblatt(z, m, w + s * 13, l, l * 0.32, farbe);
        } else {
            Kronblatt(z, m, w, l, l * 0.62, farbe, rand == 'a');
        }
    }
    for (int i = 0; i < 6; ++i)
        z.Punkt(Weiter(m, -90 + 60.0 * i, r * 0.13), z.Gr(2.5, 3.5), QColor(0xd4, 0xa0, 0x10));
    z.Kreis(m, r * 0.07, Farbe::Kelch, TStrich::Fein);
}

// A crucifer flower from the side: petals long, barely longer than the sepals, or none.
void KreuzblueteSeite(TZeichner& z, double kronblatt)
{
    const QPointF b(MitteX, 236);
    z.Linie({MitteX, Unten}, b, TStrich::Achse);
    for (double w : {-62.0, -118.0})
        if (kronblatt > 0)
            Kronblatt(z, b + QPointF(0, -4), w, kronblatt, kronblatt * 0.5, Bluetenfarbe::Weiss);
    Stempel(z, b + QPointF(0, -4), 110, 16, 1);
    for (double s : {-1.0, 1.0})
        Staubblatt(z, b + QPointF(s * 6, -4), b + QPointF(s * 20, -92), z.Gr(4, 6));
    for (double w : {-100.0, -80.0})
        Kelchblatt(z, b, w, 82, 28);
}

struct TFrucht14
{
    char Typ = 'S'; // S Schote, c Schötchen, N Nuss, G Glieder
    char Flaeche = 'k';
    bool Fluegel = false;
    bool Ausgerandet = false;
    bool Offen = false;
    int Samen = 0;           // seeds shown on the opened septum: 1 or 2 rows, -1 one per locule
    bool Zerfallend = false; // the joints come apart
};

QPainterPath Fruchtumriss(const TFrucht14& f, QPointF fuss, double& spitze)
{
    QPainterPath p;
    switch (f.Typ) {
    case 'S': {
        const double b = f.Offen ? 20 : 12;
        p.addRoundedRect(QRectF(fuss.x() - b, fuss.y() - 230, 2 * b, 230), b, b);
        spitze = fuss.y() - 230;
        break;
    }
    case 'N':
        p.addEllipse(QPointF(fuss.x(), fuss.y() - 66), 60, 66);
        spitze = fuss.y() - 132;
        break;
    case 'G':
        for (int i = 0; i < 4; ++i)
            p.addEllipse(QPointF(fuss.x(), fuss.y() - 28 - i * 50), 28, 32);
        p = p.simplified();
        spitze = fuss.y() - 210;
        break;
    default: {
        const double h = 170, b = 78;
        const double top = fuss.y() - h;
        const double kerbe = f.Ausgerandet ? 26 : 0;
        p.moveTo(fuss);
        p.cubicTo(fuss.x() - b * 1.3, fuss.y() - 30, fuss.x() - b * 1.25, top, fuss.x() - b * 0.45,
                  top);
        p.quadTo(fuss.x() - 8, top, fuss.x(), top + kerbe);
        p.quadTo(fuss.x() + 8, top, fuss.x() + b * 0.45, top);
        p.cubicTo(fuss.x() + b * 1.25, top, fuss.x() + b * 1.3, fuss.y() - 30, fuss.x(), fuss.y());
        p.closeSubpath();
        spitze = top + kerbe;
        break;
    }
    }
    return p;
}

void Kreuzfrucht(TZeichner& z, const TFrucht14& f)
{
    const QPointF fuss(MitteX, 262);
    z.Linie({MitteX, Unten}, fuss, TStrich::Achse);
    if (f.Zerfallend) {
        // One-seeded joints falling apart at the constrictions.
        for (int i = 0; i < 4; ++i) {
            const QPointF m(MitteX + (i % 2 ? 16 : -10), fuss.y() - 30 - i * 62);
            Rahmen(z, m, i % 2 ? 14 : -10, [&] {
                z.Ellipse({0, 0}, 28, 30, Farbe::Kelch.lighter(105));
                z.Ellipse({0, 0}, 12, 9, Farbe::Samen, TStrich::Fein);
            });
        }
        z.Linie({MitteX - 24, 46}, {MitteX - 30, 20}, TStrich::Normal);
        return;
    }
    double spitze = 0;
    const QPainterPath p = Fruchtumriss(f, fuss, spitze);
    if (f.Fluegel) {
        QPainterPathStroker s;
        s.setWidth(48);
        s.setJoinStyle(Qt::RoundJoin);
        z.Flaeche(s.createStroke(p).united(p), QColor(0xee, 0xf0, 0xd6), TStrich::Normal);
    }
    if (f.Flaeche == 's' && f.Typ != 'N')
        for (const QPointF& q : Abtasten(p, z.Gr(12, 16)))
            z.Kreis(q, z.Gr(4, 6), Farbe::Kelch.darker(115), TStrich::Fein);
    if (f.Offen) {
        // The two valves fall away from the frame; the septum with its seeds stays.
        for (double s : {-1.0, 1.0}) {
            QPainter& m = z.Maler();
            m.save();
            m.translate(fuss + QPointF(s * 4, 0));
            m.rotate(s * 24);
            m.translate(-fuss);
            m.translate(s * 30, 0);
            z.Flaeche(p, Farbe::Kelch.lighter(105));
            m.restore();
        }
        z.Flaeche(p, Haut, TStrich::Normal);
        const QRectF r = p.boundingRect();
        if (f.Samen != 0) {
            const int reihen = f.Samen == 2 ? 2 : 1;
            const double schritt = f.Samen < 0 ? r.height() / 2 : reihen == 2 ? 24 : 26;
            const double rs = z.Gr(7, 9);
            for (double y = r.bottom() - schritt * 0.6; y > r.top() + 14; y -= schritt)
                for (int k = 0; k < reihen; ++k) {
                    const double x = reihen == 1 ? r.center().x() : r.center().x() + (k ? 8 : -8);
                    z.Ellipse({x, y - (k ? schritt / 2 : 0)},
                              f.Samen < 0 ? 18 : rs * (reihen == 2 ? 0.8 : 1.1),
                              f.Samen < 0 ? 22 : rs, Farbe::Samen);
                }
        }
    } else {
        z.Flaeche(p, f.Typ == 'N' ? Farbe::Frucht : Farbe::Kelch.lighter(105));
        if (f.Typ == 'N')
            for (int i = 0; i < 5; ++i)
                z.Kurve({fuss.x() - 50, fuss.y() - 24 - i * 22}, {fuss.x(), fuss.y() - 10 - i * 22},
                        {fuss.x() + 50, fuss.y() - 24 - i * 22}, TStrich::Fein);
        else if (f.Typ == 'G')
            for (int i = 0; i < 4; ++i)
                z.Ellipse({fuss.x(), fuss.y() - 28 - i * 50}, 12, 9, Farbe::Samen, TStrich::Fein);
        else
            z.Linie({fuss.x(), fuss.y() - 6}, {fuss.x(), spitze + 8}, TStrich::Fein);
    }
    if (f.Flaeche == 'b') Behaarung(z, p, THaar::Weich, 1.2);
    if (f.Flaeche == 's')
        for (const QPointF& q : Abtasten(p, z.Gr(22, 30)))
            z.Kreis(Mitte(q, p.boundingRect().center(), 0.4), z.Gr(4, 5.5),
                    Farbe::Kelch.darker(115), TStrich::Fein);
    z.Linie({MitteX, spitze}, {MitteX, spitze - 18}, TStrich::Normal);
}

TRezept Kreuzfruchtbild(TFrucht14 f)
{
    return [f](TZeichner& z) { Kreuzfrucht(z, f); };
}

// A crucifer fruit cut across: round, four-angled, flat or inflated, with its septum.
void KreuzfruchtQuer(TZeichner& z, QPointF m, double rx, double ry, char form, bool querSepta)
{
    QPainterPath p;
    if (form == 'v')
        p.addRoundedRect(QRectF(m.x() - rx, m.y() - ry, 2 * rx, 2 * ry), rx * 0.3, ry * 0.3);
    else
        p.addEllipse(m, rx, ry);
    z.Flaeche(p, Farbe::Kelch.lighter(105), TStrich::Achse);
    const double wand = form == 'k' ? 6 : 14;
    QPainterPath innen;
    if (form == 'v')
        innen.addRoundedRect(
            QRectF(m.x() - rx + wand, m.y() - ry + wand, 2 * (rx - wand), 2 * (ry - wand)),
            rx * 0.25, ry * 0.25);
    else
        innen.addEllipse(m, rx - wand, ry - wand);
    z.Flaeche(innen, Farbe::Weiss, TStrich::Fein);
    if (querSepta) {
        z.Linie(m + QPointF(0, -ry + wand), m + QPointF(0, ry - wand), TStrich::Normal);
        for (double s : {-1.0, 1.0})
            z.Ellipse(m + QPointF(s * rx * 0.45, 0), std::min(14.0, rx * 0.2),
                      std::min(10.0, ry * 0.4), Farbe::Samen);
    } else {
        z.Linie(m + QPointF(-rx + wand, 0), m + QPointF(rx - wand, 0), TStrich::Normal);
        for (double s : {-1.0, 1.0})
            z.Ellipse(m + QPointF(0, s * std::max(8.0, ry * 0.35)), std::min(16.0, rx * 0.3),
                      std::min(10.0, ry * 0.28), Farbe::Samen);
    }
}

// A raceme of siliques held appressed, ascending, spreading or hanging.
void Fruchtstellung(TZeichner& z, double winkel)
{
    z.Linie({MitteX, Unten}, {MitteX, 40}, TStrich::Achse);
    for (int i = 0; i < 5; ++i) {
        const double y = 270 - i * 40;
        const double s = i % 2 ? -1 : 1;
        const double w = -90 + s * winkel;
        const QPointF a(MitteX, y);
        const QPointF b = Weiter(a, -90 + s * std::min(winkel + 20, 100.0), 20);
        z.Linie(a, b, TStrich::Normal);
        TBlatt schote{TBlattform::Lineal, 84, 12, TRand::Ganz, TNervatur::Mittelnerv};
        schote.Fuellung = Farbe::Kelch.lighter(105);
        ZeichneBlatt(z, b, w, schote);
    }
    for (int i = 0; i < 3; ++i)
        Bl(z, {MitteX + (i - 1) * 14.0, 36 + i % 2 * 8.0}, z.Gr(7, 9), Bluetenfarbe::Gelb);
}

// A crucifer in flower with or without its rosette of basal leaves.
void KreuzPflanze(TZeichner& z, bool rosette)
{
    z.Boden(262);
    z.Linie({MitteX, 262}, {MitteX, 40}, TStrich::Achse);
    for (int i = 0; i < 3; ++i) {
        TBlatt b{TBlattform::Lanzettlich, 60, 18, TRand::Gezaehnt, TNervatur::Mittelnerv};
        ZeichneBlatt(z, {MitteX, 200 - i * 40.0}, i % 2 ? -150 : -30, b);
    }
    for (int i = 0; i < 5; ++i) {
        const QPointF p(MitteX + (i - 2) * 16.0, 34 + std::abs(i - 2) * 10.0);
        z.Linie({MitteX, 52}, p, TStrich::Fein);
        Bl(z, p, z.Gr(8, 11), Bluetenfarbe::Weiss);
    }
    if (rosette) {
        Rosette(z, {MitteX, 258}, 110, 8);
        z.Linie({MitteX, 262}, {MitteX, 200}, TStrich::Achse);
    }
}

// ---- Bellflowers ---------------------------------------------------------------------------

void Glocke(TZeichner& z, QPointF an, double winkel, double g, const QColor& farbe)
{
    Rahmen(z, an, winkel + 90, [&] { BlueteSeite(z, {0, 0}, g, TKronform::Glocke, farbe, true); });
}

void Glockenstand(TZeichner& z, char art)
{
    const QColor f = Bluetenfarbe::Blau.lighter(125);
    const double g = z.Gr(44, 54);
    switch (art) {
    case 'e':
        z.Kurve({MitteX, Unten}, {MitteX - 10, 150}, {MitteX + 10, 70}, TStrich::Achse);
        for (int i = 0; i < 3; ++i) {
            TBlatt b{TBlattform::Lanzettlich, 76, 14, TRand::Ganz, TNervatur::Mittelnerv};
            ZeichneBlatt(z, {MitteX - 6, 250 - i * 50.0}, i % 2 ? -140 : -40, b);
        }
        z.Kurve({MitteX + 10, 70}, {MitteX + 30, 40}, {MitteX + 50, 70}, TStrich::Normal);
        Glocke(z, {MitteX + 50, 70}, 70, 100, f);
        break;
    case 't':
    case 'a':
        z.Linie({MitteX, Unten}, {MitteX, 10}, TStrich::Achse);
        for (int i = 0; i < 6; ++i) {
            const double y = 250 - i * 40;
            const double s = art == 't' || i % 2 ? 1 : -1;
            const QPointF p = {MitteX + s * 22, y - 14};
            z.Linie({MitteX, y}, p, TStrich::Normal);
            Glocke(z, p, s > 0 ? 60 : 120, g * (1 - i * 0.06), f);
        }
        break;
    case 'r':
        z.Linie({MitteX, Unten}, {MitteX, 40}, TStrich::Achse);
        for (int i = 0; i < 3; ++i)
            for (double s : {-1.0, 1.0}) {
                const QPointF a(MitteX, 230 - i * 70.0);
                const QPointF e(MitteX + s * (100 - i * 20.0), a.y() - 50);
                z.Linie(a, e, TStrich::Normal);
                Glocke(z, e, s > 0 ? -40 : -140, g * 0.85, f);
                const QPointF m2 = Mitte(a, e, 0.5);
                Glocke(z, m2 + QPointF(0, -6), -90, g * 0.7, f);
            }
        Glocke(z, {MitteX, 40}, -90, g * 0.85, f);
        break;
    case 'k':
        z.Linie({MitteX, Unten}, {MitteX, 70}, TStrich::Achse);
        for (double y : {250.0, 170.0}) {
            for (double s : {-1.0, 1.0}) {
                TBlatt b{TBlattform::Lanzettlich, 80, 24, TRand::Ganz, TNervatur::Mittelnerv};
                ZeichneBlatt(z, {MitteX, y}, s < 0 ? -160 : -20, b);
                for (int k = 0; k < 2; ++k)
                    Glocke(z, {MitteX + s * (16 + k * 16.0), y - 10}, -90 + s * 20, g * 0.6,
                           Violett);
            }
        }
        for (int k = -2; k <= 2; ++k)
            Glocke(z, {MitteX + k * 18.0, 90 - (2 - std::abs(k)) * 8.0}, -90 + k * 18.0, g * 0.85,
                   Violett);
        break;
    default:
        z.Linie({MitteX, Unten}, {MitteX, 20}, TStrich::Achse);
        for (int i = 0; i < 9; ++i)
            for (double s : {-1.0, 1.0})
                Glocke(z, {MitteX + s * 6, 180 - i * 18.0}, -90 + s * 35, g * 0.55, f);
        break;
    }
}

// The inferior capsule with the calyx lobes on top; pores near its base or its top.
void Glockenkapsel(TZeichner& z, bool nickend, char poren)
{
    auto kapsel = [&] {
        QPainterPath k({0, 0});
        k.cubicTo(-40, -6, -48, -70, -40, -110);
        k.lineTo(40, -110);
        k.cubicTo(48, -70, 40, -6, 0, 0);
        k.closeSubpath();
        z.Flaeche(k, Farbe::Frucht);
        for (double x : {-20.0, 0.0, 20.0})
            z.Linie({x * 0.3, -4}, {x, -108}, TStrich::Fein);
        for (double w : {-130.0, -105.0, -75.0, -50.0})
            Kelchblatt(z, {0, -110}, w, 60, 14);
        if (poren != 0) {
            const double y = poren == 'g' ? -22 : -84;
            for (double x : {-20.0, 8.0, 30.0}) {
                z.Ellipse({x * (poren == 'g' ? 0.7 : 1), y}, 6, 8, Braun, TStrich::Fein);
                z.Kurve({x * (poren == 'g' ? 0.7 : 1) - 6, y - 8}, {x, y - 14},
                        {x * (poren == 'g' ? 0.7 : 1) + 6, y - 8}, TStrich::Fein);
            }
        }
    };
    if (nickend) {
        z.Kurve({MitteX - 60, Unten}, {MitteX - 50, 60}, {MitteX + 10, 70}, TStrich::Achse);
        Rahmen(z, {MitteX + 10, 70}, 165, kapsel);
    } else {
        z.Linie({MitteX, Unten}, {MitteX, 200}, TStrich::Achse);
        Rahmen(z, {MitteX, 200}, 0, kapsel);
    }
}

// The calyx under the bell, with or without reflexed appendages in its sinuses.
void Kelchanhaengsel(TZeichner& z, bool anhaengsel)
{
    z.Linie({MitteX, Unten}, {MitteX, 250}, TStrich::Achse);
    BlueteSeite(z, {MitteX, 168}, 160, TKronform::Glocke, Bluetenfarbe::Blau.lighter(125), false);
    QPainterPath fk({MitteX, 252});
    fk.cubicTo(MitteX - 50, 250, MitteX - 56, 180, MitteX - 48, 170);
    fk.lineTo(MitteX + 48, 170);
    fk.cubicTo(MitteX + 56, 180, MitteX + 50, 250, MitteX, 252);
    fk.closeSubpath();
    z.Flaeche(fk, Farbe::Kelch);
    for (double w : {-150.0, -115.0, -65.0, -30.0})
        Kelchblatt(z, Weiter({MitteX, 174}, w, 30), w, 80, 24);
    if (anhaengsel)
        for (double x : {-34.0, 0.0, 34.0}) {
            TBlatt b{TBlattform::Eifoermig, 54, 34, TRand::Ganz, TNervatur::Mittelnerv};
            b.Fuellung = Farbe::Kelch.darker(108);
            ZeichneBlatt(z, {MitteX + x, 168}, 90 + x * 0.4, b);
        }
}

// The style with its stigma branches curled back, seen a little from above.
void Narben(TZeichner& z, int n)
{
    z.Linie({MitteX, Unten}, {MitteX, 110}, TStrich::Stark, Farbe::Linie);
    QPainterPath g;
    g.addRoundedRect(QRectF(MitteX - 9, 100, 18, 190), 8, 8);
    z.Flaeche(g, QColor(0xf4, 0xf0, 0xf8));
    const QPointF s(MitteX, 100);
    for (int i = 0; i < n; ++i) {
        const double phi = qDegreesToRadians(-90 + 360.0 * i / n);
        const QPointF aussen = s + QPointF(std::cos(phi) * 80, std::sin(phi) * 30 - 30);
        const QPointF ende = aussen + QPointF(std::cos(phi) * 14, 26);
        z.Kurve(s, s + QPointF(std::cos(phi) * 50, std::sin(phi) * 18 - 60), aussen, TStrich::Stark,
                QColor(0xa0, 0x78, 0xc8));
        z.Kurve(aussen, aussen + QPointF(std::cos(phi) * 20, 6), ende, TStrich::Stark,
                QColor(0xa0, 0x78, 0xc8));
        z.Kurve(s, s + QPointF(std::cos(phi) * 50, std::sin(phi) * 18 - 60), aussen, TStrich::Fein);
    }
    z.Zahl(QString::number(n));
}

// A bell with its hairs: bare, hairy or ciliate outside, or bearded inside.
void Glockenhaare(TZeichner& z, char art)
{
    const QPointF b(MitteX, 272);
    z.Linie({MitteX, Unten}, b, TStrich::Achse);
    BlueteSeite(z, b, 200, TKronform::Glocke, Hellblau, true);
    if (art == 'w') {
        for (double x = -88; x <= 88; x += z.Gr(9, 13))
            EinHaar(z, {MitteX + x, 84 + std::abs(x) * 0.04}, -90 + x * 0.5, 14, THaar::Wimper);
        for (double y = 110; y < 250; y += z.Gr(16, 22))
            for (double s : {-1.0, 1.0})
                EinHaar(z, {MitteX + s * (20 + (272 - y) * 0.3), y}, s < 0 ? 180 : 0, 14,
                        THaar::Weich);
    }
    if (art == 'b')
        for (int i = 0; i < 14; ++i) {
            const double x = MitteX - 60 + i * 9.2;
            z.Kurve({x, 86}, {x - 10 + (i % 3) * 10, 56}, {x + (i - 6.5) * 4, 26.0 + (i % 2) * 10},
                    TStrich::Normal, Farbe::Weiss.darker(140));
        }
}

// ---- Speedwells ----------------------------------------------------------------------------

void Ehrenpreisbluete(TZeichner& z, QPointF m, double r, const QColor& farbe)
{
    const double laenge[] = {r, r * 0.82, r * 0.62, r * 0.82};
    const double breite[] = {r * 1.0, r * 0.78, r * 0.5, r * 0.78};
    for (int i = 0; i < 4; ++i) {
        const double w = -90 + 90.0 * i;
        Kronblatt(z, m, w, laenge[i], breite[i], farbe);
        for (int k = -1; k <= 1; ++k)
            z.Linie(Weiter(m, w + k * 14, r * 0.15), Weiter(m, w + k * 18, laenge[i] * 0.7),
                    TStrich::Fein, farbe.darker(150));
    }
    z.Kreis(m, r * 0.16, Farbe::Weiss, TStrich::Fein);
    for (double s : {-1.0, 1.0})
        Staubblatt(z, m, m + QPointF(s * r * 0.42, -r * 0.42), z.Gr(4, 6));
    z.Linie(m, m + QPointF(0, r * 0.45), TStrich::Fein);
}

// The capsule from the front, notched at the top, with the calyx behind and the style.
QPainterPath Kapselpfad(QPointF m, double w, double h, double kerbe)
{
    const QPointF unten(m.x(), m.y() + h / 2);
    const double oben = m.y() - h / 2;
    QPainterPath p(unten);
    p.cubicTo(m.x() - w * 0.55, m.y() + h * 0.45, m.x() - w * 0.55, oben, m.x() - w * 0.25, oben);
    p.quadTo(m.x() - w * 0.06, oben, m.x(), oben + kerbe);
    p.quadTo(m.x() + w * 0.06, oben, m.x() + w * 0.25, oben);
    p.cubicTo(m.x() + w * 0.55, oben, m.x() + w * 0.55, m.y() + h * 0.45, unten.x(), unten.y());
    p.closeSubpath();
    return p;
}

void Ehrenpreiskapsel(TZeichner& z, char form, THaar haar)
{
    const QPointF m(MitteX, 150);
    double w = 210, h = 140, kerbe = 30;
    switch (form) {
    case 'r':
        w = 170, h = 160, kerbe = 8;
        break;
    case 'e':
        w = 120, h = 190, kerbe = 8;
        break;
    case 'z':
        w = 250, h = 130, kerbe = 70;
        break;
    case 'k':
        w = 180, h = 176, kerbe = 4;
        break;
    default:
        break;
    }
    const QPointF unten(m.x(), m.y() + h / 2);
    z.Linie({MitteX, Unten}, unten, TStrich::Achse);
    for (double wk : {-160.0, -20.0, 130.0, 50.0})
        Kelchblatt(z, unten + QPointF(0, -8), wk, 96, 24);
    const QPainterPath p = Kapselpfad(m, w, h, kerbe);
    if (haar == THaar::Wimper) HaareAmRand(z, p, THaar::Wimper, z.Gr(9, 13), 16);
    z.Flaeche(p, Farbe::Kelch.lighter(108), TStrich::Achse);
    if (form == 'z')
        for (double s : {-1.0, 1.0})
            z.Kurve(unten, m + QPointF(s * w * 0.2, 0), m + QPointF(s * w * 0.3, -h / 2 + 4),
                    TStrich::Normal);
    else
        z.Linie(unten, {m.x(), m.y() - h / 2 + kerbe}, TStrich::Fein);
    if (form == 'k') z.Linie({m.x() - w * 0.5, m.y()}, {m.x() + w * 0.5, m.y()}, TStrich::Fein);
    if (haar != THaar::Wimper) Behaarung(z, p, haar, 1.1);
    const QPointF kerbpunkt(m.x(), m.y() - h / 2 + kerbe);
    z.Linie(kerbpunkt, kerbpunkt + QPointF(0, -kerbe - 34), TStrich::Normal);
}

// The calyx from below: four lobes, five with one small, or four broad, heart-shaped ciliate.
void Ehrenpreiskelch(TZeichner& z, char art)
{
    const QPointF m(MitteX, 150);
    for (int i = 0; i < 4; ++i) {
        const double w = -45 + 90.0 * i;
        TBlatt b{art == 'e' ? TBlattform::Herz : TBlattform::Lanzettlich, 124,
                 art == 'e' ? 100.0 : 40.0, art == 'e' ? TRand::Gewimpert : TRand::Ganz,
                 TNervatur::Mittelnerv};
        b.Fuellung = Farbe::Kelch;
        b.Stiel = art == 'e' ? 8 : 0;
        ZeichneBlatt(z, m, w, b);
    }
    if (art == '5') {
        TBlatt b{TBlattform::Lanzettlich, 76, 26, TRand::Ganz, TNervatur::Mittelnerv};
        b.Fuellung = Farbe::Kelch;
        ZeichneBlatt(z, m, -90, b);
    }
    z.Kreis(m, 22, Farbe::Kelch.lighter(108));
    if (art == '4' || art == '5') z.Zahl(art == '4' ? QStringLiteral("4") : QStringLiteral("5"));
}

// A shoot of speedwell with the flowers as the value says.
void Ehrenpreisstand(TZeichner& z, char art)
{
    const double r = z.Gr(9, 12);
    const QColor f = Bluetenfarbe::Blau;
    auto paar = [&](double y, double l) {
        for (double s : {-1.0, 1.0}) {
            TBlatt b{TBlattform::Eifoermig, l, l * 0.55, TRand::Gekerbt, TNervatur::Mittelnerv};
            b.Stiel = 4;
            ZeichneBlatt(z, {MitteX, y}, s < 0 ? -165 : -15, b);
        }
    };
    switch (art) {
    case 'e':
        z.Linie({MitteX, Unten}, {MitteX, 20}, TStrich::Achse);
        for (int i = 0; i < 4; ++i) {
            const double y = 260 - i * 66;
            const double s = i % 2 ? -1 : 1;
            TBlatt b{TBlattform::Eifoermig, 60, 40, TRand::Gekerbt, TNervatur::Mittelnerv};
            b.Stiel = 6;
            ZeichneBlatt(z, {MitteX, y}, s < 0 ? -165 : -15, b);
            const QPointF bl(MitteX - s * 70, y - 50);
            z.Kurve({MitteX, y}, {MitteX - s * 40, y - 10}, bl, TStrich::Normal);
            Ehrenpreisbluete(z, bl, r * 1.6, f);
        }
        break;
    case 'a':
        z.Linie({MitteX, Unten}, {MitteX, 10}, TStrich::Achse);
        paar(250, 80);
        paar(150, 70);
        paar(50, 50);
        for (double y : {250.0, 150.0})
            for (double s : {-1.0, 1.0}) {
                const QPointF a(MitteX, y - 2);
                const QPointF e(MitteX + s * 120, y - 96);
                z.Kurve(a, {MitteX + s * 70, y - 10}, e, TStrich::Normal);
                for (int k = 0; k < 4; ++k) {
                    const QPointF p = Mitte({MitteX + s * 60, y - 30}, e, k / 3.0);
                    Bl(z, p + QPointF(s * 10, -8), r * 0.9, f);
                }
            }
        break;
    case 't':
        z.Linie({MitteX, Unten}, {MitteX, 16}, TStrich::Achse);
        paar(262, 84);
        paar(200, 72);
        for (int i = 0; i < 6; ++i) {
            const double y = 160 - i * 24;
            const double s = i % 2 ? -1 : 1;
            const QPointF p(MitteX + s * 34, y - 16);
            z.Linie({MitteX, y}, p, TStrich::Normal);
            Bl(z, p, r * (1.1 - i * 0.07), f);
        }
        break;
    default: {
        z.Linie({MitteX, Unten}, {MitteX, 20}, TStrich::Achse);
        paar(262, 84);
        paar(200, 72);
        QPainterPath aehre;
        aehre.addRoundedRect(QRectF(MitteX - 22, 20, 44, 150), 20, 20);
        z.Flaeche(aehre, f.lighter(150));
        for (int i = 0; i < 9; ++i)
            for (int k = -1; k <= 1; ++k)
                Bl(z, {MitteX + k * 14.0, 32 + i * 16.0 + (k == 0 ? 8 : 0)}, r * 0.6, f);
        break;
    }
    }
}

// Stem with a pair of leaves, sessile, short- or long-stalked.
void Blattstiel58(TZeichner& z, double stiel)
{
    z.Linie({MitteX, Unten}, {MitteX, 8}, TStrich::Achse);
    for (double y : {180.0})
        for (double s : {-1.0, 1.0}) {
            TBlatt b{TBlattform::Eifoermig, 110, 64, TRand::Gekerbt, TNervatur::Fieder};
            b.Stiel = stiel;
            ZeichneBlatt(z, {MitteX, y}, s < 0 ? -165 : -15, b);
        }
}

// ---- Hawkweeds -----------------------------------------------------------------------------

// A hawkweed: rosette, stem leaves and a head, as the value of B-Stellung says.
void Habichtskraut(TZeichner& z, char stellung, char auslaeufer)
{
    const double boden = 228;
    const double x = auslaeufer ? 100 : MitteX;
    if (auslaeufer == 'u') {
        QPainterPath erde;
        erde.addRect(QRectF(6, boden, 308, 60));
        z.Fuellen(erde, QColor(0xec, 0xe2, 0xcf));
    }
    z.Boden(boden);
    z.Linie({x, boden}, {x, 46}, TStrich::Achse);
    Koepfchen(z, {x, 40}, z.Gr(20, 24));
    if (stellung != 'b') Rosette(z, {x, boden - 2}, 96);
    if (stellung == 's')
        for (int i = 0; i < 2; ++i) {
            TBlatt b{TBlattform::Lanzettlich, 60 - i * 14.0, 20, TRand::Ganz,
                     TNervatur::Mittelnerv};
            ZeichneBlatt(z, {x, 170 - i * 50.0}, i % 2 ? -150 : -30, b);
        }
    if (stellung == 'b')
        for (int i = 0; i < 6; ++i) {
            TBlatt b{TBlattform::Eifoermig, 80 - i * 6.0, 36 - i * 2.0, TRand::Gezaehnt,
                     TNervatur::Mittelnerv};
            ZeichneBlatt(z, {x, boden - 10 - i * 28.0}, i % 2 ? -150 : -30, b);
        }
    if (auslaeufer == 'o') {
        z.Kurve({x + 10, boden - 2}, {x + 100, boden - 12}, {300, boden - 2}, TStrich::Achse);
        for (int i = 0; i < 4; ++i) {
            TBlatt b{TBlattform::VerkehrtEifoermig, 26, 12, TRand::Ganz, TNervatur::Keine};
            ZeichneBlatt(z, {x + 50 + i * 44.0, boden - 6}, i % 2 ? -130 : -50, b);
        }
        for (int k = -1; k <= 1; ++k)
            z.Linie({290, boden}, {290.0 + k * 8, boden + 20}, TStrich::Fein, Farbe::Boden);
    }
    if (auslaeufer == 'u') {
        z.Kurve({x + 6, boden + 6}, {x + 90, boden + 50}, {270, boden + 30}, TStrich::Achse,
                QColor(0xc8, 0xa8, 0x7a));
        z.Kurve({270, boden + 30}, {278, boden + 10}, {280, boden - 30}, TStrich::Achse,
                QColor(0x6a, 0x9a, 0x50));
        for (double w : {-130.0, -50.0}) {
            TBlatt b{TBlattform::Lanzettlich, 30, 12, TRand::Ganz, TNervatur::Keine};
            ZeichneBlatt(z, {280, boden - 30}, w, b);
        }
    }
}

void Habichtskrautstand(TZeichner& z, char art)
{
    const double r = z.Gr(13, 16);
    z.Boden(282);
    for (double w : {-160.0, -20.0}) {
        TBlatt b{TBlattform::Lanzettlich, 80, 24, TRand::Ganz, TNervatur::Mittelnerv};
        ZeichneBlatt(z, {MitteX, 280}, w, b);
    }
    const QPointF o(MitteX, 150);
    switch (art) {
    case 'e':
        z.Linie({MitteX, 282}, {MitteX, 60}, TStrich::Achse);
        Koepfchen(z, {MitteX, 56}, r * 1.5);
        break;
    case 'w':
        z.Linie({MitteX, 282}, o, TStrich::Achse);
        for (double s : {-1.0, 0.2, 1.0}) {
            const QPointF e(MitteX + s * 90, 70 + std::abs(s) * 10);
            z.Kurve(o, {MitteX + s * 20, 110}, e, TStrich::Normal);
            Koepfchen(z, e, r * 1.2);
        }
        break;
    case 'd':
        z.Linie({MitteX, 282}, {MitteX, 120}, TStrich::Achse);
        for (int k = 0; k < 7; ++k) {
            const QPointF e = Weiter({MitteX, 120}, -160 + 23.0 * k, 44);
            z.Linie({MitteX, 120}, e, TStrich::Normal);
            Koepfchen(z, e, r * 0.9);
        }
        break;
    case 'r':
        z.Linie({MitteX, 282}, {MitteX, 80}, TStrich::Achse);
        for (int i = 0; i < 3; ++i)
            for (double s : {-1.0, 1.0}) {
                const QPointF a(MitteX, 190 - i * 40.0);
                const QPointF e(MitteX + s * (120 - i * 36.0), 60);
                z.Kurve(a, {MitteX + s * 40, a.y() - 30}, e, TStrich::Normal);
                Koepfchen(z, e, r * 0.9);
            }
        Koepfchen(z, {MitteX, 70}, r * 0.9);
        break;
    default:
        z.Linie({MitteX, 282}, {MitteX, 24}, TStrich::Achse);
        for (int i = 0; i < 6; ++i) {
            const double y = 200 - i * 30;
            const double s = i % 2 ? -1 : 1;
            const QPointF e(MitteX + s * 30, y - 24);
            z.Linie({MitteX, y}, e, TStrich::Normal);
            Koepfchen(z, e, r * 0.8);
        }
        Koepfchen(z, {MitteX, 24}, r * 0.8);
        break;
    }
}

// The tip of a ligule with its five teeth, bare or ciliate.
void Kronzipfel(TZeichner& z, bool bewimpert)
{
    QPainterPath p({70, Unten});
    p.lineTo(70, 80);
    for (int i = 0; i < 5; ++i) {
        const double x = 70 + i * 36;
        p.lineTo(x + 18, 34);
        p.lineTo(x + 36, 80 - (i == 4 ? 0 : 8));
    }
    p.lineTo(250, Unten);
    p.closeSubpath();
    z.Flaeche(p, Bluetenfarbe::Gelb);
    for (int i = 1; i < 5; ++i)
        z.Linie({70 + i * 36.0, 86}, {70 + i * 36.0, Unten}, TStrich::Fein,
                Bluetenfarbe::Gelb.darker(140));
    if (bewimpert)
        for (int i = 0; i < 5; ++i) {
            const QPointF t(88 + i * 36.0, 34);
            for (int k = -2; k <= 2; ++k)
                z.Linie(t + QPointF(k * 3, 2), Weiter(t, -90 + k * 22, 26), TStrich::Fein);
        }
}

// ---- Further pictures ----------------------------------------------------------------------

// A leaf on the left and a head on the right: which of them bear spines.
void Dornig(TZeichner& z, char art)
{
    TBlatt b{TBlattform::Lanzettlich, 230, 80, art == '+' ? TRand::Dornig : TRand::Gezaehnt,
             TNervatur::Fieder};
    b.Stiel = 0;
    const QPointF an(26, 284);
    ZeichneBlatt(z, an, -66, b);
    if (art == 'w')
        HaareAmRand(z, BlattAufLeinwand(an, -66, b), THaar::Borstig, z.Gr(9, 12), z.Gr(8, 10));
    TKorb k;
    k.Farbe = Bluetenfarbe::Lila;
    k.Dornen = art == '+' || art == 'H';
    Verkleinert(z, QRectF(136, 30, 190, 178), KorbBild(k));
}

void Milchsaft(TZeichner& z, bool milch)
{
    AbgebrochenerStengel(z);
    if (!milch) return;
    const QColor weiss(0xfd, 0xfc, 0xf4), rand(0x70, 0x70, 0x70);
    auto tropfen = [&](QPointF p, double r) {
        QPainterPath t({p.x(), p.y() - r * 1.8});
        t.cubicTo(p.x() + r * 1.3, p.y() - r * 0.4, p.x() + r, p.y() + r, p.x(), p.y() + r);
        t.cubicTo(p.x() - r, p.y() + r, p.x() - r * 1.3, p.y() - r * 0.4, p.x(), p.y() - r * 1.8);
        z.Flaeche(t, weiss, TStrich::Normal, rand);
    };
    z.Ellipse({MitteX, 104}, 20, 9, weiss, TStrich::Normal, rand);
    tropfen({MitteX + 16, 140}, 9);
    tropfen({MitteX - 14, 168}, 7);
}

// Heads of different shape, their bracts overlapping (mugwort).
void Beifusskorb(TZeichner& z, char form)
{
    const QPointF m(MitteX, 160);
    z.Linie({MitteX, Unten}, {MitteX, 200}, TStrich::Achse);
    QPainterPath k;
    double oben = 0;
    switch (form) {
    case 'k':
        k = Ellipsenpfad(m, 86, 86);
        oben = m.y() - 70;
        break;
    case 'h':
        k.moveTo(m.x() - 110, m.y() - 34);
        k.cubicTo(m.x() - 110, m.y() + 70, m.x() + 110, m.y() + 70, m.x() + 110, m.y() - 34);
        k.closeSubpath();
        oben = m.y() - 34;
        break;
    default:
        k = Ellipsenpfad(m + QPointF(0, -10), 56, 110);
        oben = m.y() - 106;
        break;
    }
    const QRectF r = k.boundingRect();
    z.Flaeche(k, Farbe::Kelch);
    QPainter& p = z.Maler();
    p.save();
    p.setClipPath(k, Qt::IntersectClip);
    const double g = 30;
    int reihe = 0;
    for (double y = r.top() + 10; y < r.bottom() + g; y += g * 0.6, ++reihe)
        for (double x = r.left() - g + (reihe % 2) * g / 2; x < r.right() + g; x += g) {
            QPainterPath s({x - g * 0.5, y + g});
            s.lineTo(x - g * 0.5, y + g * 0.3);
            s.quadTo(x - g * 0.45, y - g * 0.2, x, y - g * 0.3);
            s.quadTo(x + g * 0.45, y - g * 0.2, x + g * 0.5, y + g * 0.3);
            s.lineTo(x + g * 0.5, y + g);
            z.Flaeche(s, Farbe::Kelch, TStrich::Fein);
            z.Kurve({x - g * 0.4, y + g * 0.2}, {x, y - g * 0.35}, {x + g * 0.4, y + g * 0.2},
                    TStrich::Fein, Haut.darker(115));
        }
    p.restore();
    z.Umriss(k);
    for (int i = -2; i <= 2; ++i)
        z.Ellipse({m.x() + i * 14.0, oben - 6 + std::abs(i) * 4.0}, 7, 10,
                  Bluetenfarbe::Gelb.darker(105), TStrich::Fein);
}

// Round basal leaves on long stalks and narrow stem leaves (harebell).
void Verschiedenblaettrig(TZeichner& z)
{
    z.Boden(284);
    for (double w : {-150.0, -120.0}) {
        TBlatt b{TBlattform::Niere, 56, 74, TRand::Gekerbt, TNervatur::Hand};
        b.Stiel = 60;
        ZeichneBlatt(z, {MitteX, 282}, w, b);
    }
    z.Linie({MitteX, 284}, {MitteX + 10, 10}, TStrich::Achse);
    for (int i = 0; i < 4; ++i) {
        TBlatt b{TBlattform::Lineal, 110, 12, TRand::Ganz, TNervatur::Mittelnerv};
        ZeichneBlatt(z, {MitteX + 2 + i * 2.5, 230 - i * 56.0}, i % 2 ? -120 : -50, b);
    }
}

void Bluetenfarbe13(TZeichner& z, const QColor& links, const QColor& rechts)
{
    z.Kurve({MitteX, Unten}, {MitteX, 220}, {96, 170}, TStrich::Achse);
    z.Kurve({MitteX, Unten}, {MitteX + 10, 200}, {228, 120}, TStrich::Achse);
    BlueteOben(z, {96, 170}, 84, {5, links, true, 0, 0, 0});
    BlueteOben(z, {228, 120}, 84, {5, rechts, true, 0, 0, 0});
}

void Bluetenform13(TZeichner& z, char form)
{
    const QPointF b(MitteX, 272);
    const QColor f = Bluetenfarbe::Blau;
    if (form == 'x') return Sternbluete(z, {MitteX, 150}, 134, f);
    z.Linie({MitteX, Unten}, b, TStrich::Achse);
    switch (form) {
    case 's':
        BlueteSeite(z, b, 220, TKronform::Stielteller, f, true);
        break;
    case 't':
        BlueteSeite(z, b, 220, TKronform::Trichter, f, true);
        break;
    case 'r':
        BlueteSeite(z, b, 220, TKronform::Roehre, Bluetenfarbe::Lila.lighter(120), true);
        break;
    case 'g':
        BlueteSeite(z, b, 220, TKronform::Glocke, f, true);
        break;
    default: {
        // A curved funnel with an oblique limb (viper's bugloss).
        QPainter& m = z.Maler();
        m.save();
        m.translate(b);
        QTransform schief;
        schief.rotate(24);
        schief.shear(0, 0.45);
        m.setTransform(schief, true);
        BlueteSeite(z, {0, 0}, 210, TKronform::Trichter, f, true);
        m.restore();
        for (int i = -1; i <= 1; ++i)
            z.Kurve({MitteX + 30, 120}, {MitteX + 60 + i * 12, 70}, {MitteX + 100 + i * 20, 40},
                    TStrich::Normal, Farbe::Linie);
        break;
    }
    }
}

void Septum(TZeichner& z, bool breit)
{
    const QPointF m(MitteX, 104);
    z.Linie({MitteX, m.y() + 96}, {MitteX, m.y() + 80}, TStrich::Normal);
    if (breit) {
        z.Ellipse(m, 96, 82, Haut, TStrich::Achse);
        for (double s : {-1.0, 1.0})
            for (double y : {-30.0, 10.0, 46.0})
                z.Ellipse(m + QPointF(s * 30, y), 14, 11, Farbe::Samen.lighter(140), TStrich::Fein);
    } else {
        const QPainterPath p = Kapselpfad(m, 210, 160, 26);
        z.Flaeche(p, Farbe::Kelch.lighter(105), TStrich::Achse);
        z.Linie({m.x(), m.y() + 80}, {m.x(), m.y() - 54}, TStrich::Achse);
    }
    z.Strichlinie({MitteX - 120, m.y()}, {MitteX + 120, m.y()}, Farbe::Akzent);
    KreuzfruchtQuer(z, {MitteX, 250}, 104, 26, 'f', !breit);
}

using R = TRand;
using F = TBlattform;
using N = TNervatur;

} // namespace

void RezepteKorbbluetler(TRezeptTabelle& t)
{
    int g = 0;
    auto setze = [&](const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    auto wie = [&](const char* spalte, const char* code, int von, const char* vonSpalte,
                   const char* vonCode) {
        t.Wie(g, T(spalte), T(code), von, T(vonSpalte), T(vonCode));
    };

    // Umbellifers.
    g = Doldenbluetler;
    setze("B-Behaarung", "k",
          [](TZeichner& z) { BehaartesBlatt(z, THaar::Kahl, F::Lanzettlich, R::Gesaegt); });
    setze("B-Behaarung", "b",
          [](TZeichner& z) { BehaartesBlatt(z, THaar::Weich, F::Lanzettlich, R::Gesaegt); });
    setze("B-Behaarung", "r",
          [](TZeichner& z) { BehaartesBlatt(z, THaar::Rau, F::Lanzettlich, R::Gesaegt); });
    setze("B-Form", "e", Blattbild(F::Lanzettlich, 250, 60, R::Ganz, N::Bogen, 0));
    setze("B-Form", "h", Blattbild(F::Hand, 170, 170, R::Geteilt, N::Hand, 90, 5));
    setze("B-Form", "s", Blattbild(F::Schild, 180, 180, R::Gekerbt, N::Hand, 0));
    setze("B-Form", "d", [](TZeichner& z) { Dreizaehlig(z, true); });
    setze("B-Form", "f", [](TZeichner& z) { Fiederblatt(z, 4, false, 56, 26); });
    setze("B-Form", "m", [](TZeichner& z) { Fiederblatt(z, 3, true, 84, 36); });
    setze("B-Form", "fa", [](TZeichner& z) { Fadenblatt(z, 3, 0); });
    wie("B-Rand", "g", Glossar, "0", "1");
    wie("B-Rand", "s", Glossar, "0", "2");
    wie("B-Rand", "k", Glossar, "0", "5");
    wie("B-Rand", "d", Glossar, "0", "8");
    setze("Bl-Farbe", "w",
          [](TZeichner& z) { Doppeldolde(z, THuelle::Fehlend, false, Bluetenfarbe::Weiss); });
    setze("Bl-Farbe", "r",
          [](TZeichner& z) { Doppeldolde(z, THuelle::Fehlend, false, Bluetenfarbe::Rosa); });
    setze("Bl-Farbe", "g",
          [](TZeichner& z) { Doppeldolde(z, THuelle::Fehlend, false, Bluetenfarbe::Gelb); });
    setze("Bl-Farbe", "gg",
          [](TZeichner& z) { Doppeldolde(z, THuelle::Fehlend, false, Bluetenfarbe::Gruenlich); });
    setze("Bl-Farbe", "bl",
          [](TZeichner& z) { Doppeldolde(z, THuelle::Fehlend, false, Bluetenfarbe::Blau); });
    wie("Blst", "DD", Grundtabelle, "BLS", "DD");
    setze("Blst", "bg", BlattgegenstaendigeDolde);
    wie("Blst", "d", Grundtabelle, "BLS", "d");
    wie("Blst", "k", Grundtabelle, "BLS", "k");
    for (const char* c : {"k", "b", "s", "w"})
        setze("Fr-Behaarung", c, [c](TZeichner& z) { Doppelfrucht(z, c[0], false); });
    for (const char* c : {"r", "s", "f", "g"})
        setze("Fr-Querschnitt", c, [c](TZeichner& z) { Doppelfrucht_Quer(z, c[0]); });
    setze("H-Rand", "h", [](TZeichner& z) { Hautrand(z, true); });
    setze("H-Rand", "n", [](TZeichner& z) { Hautrand(z, false); });
    for (const char* c : {"l", "b", "e", "g", "w", "v"})
        setze("Hch-Art", c, [c](TZeichner& z) { Doeldchen(z, c[0]); });
    setze("Hch-Vorkommen", "+", [](TZeichner& z) { Doeldchen(z, 'l'); });
    setze("Hch-Vorkommen", "-", [](TZeichner& z) { Doeldchen(z, '-'); });
    setze("Hülle", "-",
          [](TZeichner& z) { Doppeldolde(z, THuelle::Fehlend, true, Bluetenfarbe::Weiss); });
    setze("Hülle", "w",
          [](TZeichner& z) { Doppeldolde(z, THuelle::Wenige, true, Bluetenfarbe::Weiss); });
    setze("Hülle", "v",
          [](TZeichner& z) { Doppeldolde(z, THuelle::Viele, true, Bluetenfarbe::Weiss); });
    setze("Hülle", "f",
          [](TZeichner& z) { Doppeldolde(z, THuelle::Fiederteilig, true, Bluetenfarbe::Weiss); });
    setze("Hülle", "g", [](TZeichner& z) { Sternhuelle(z, false); });
    setze("Hülle", "d", [](TZeichner& z) { Sternhuelle(z, true); });
    setze("Kelchzipfel", "+", [](TZeichner& z) { Doppelfrucht(z, 'k', true); });
    setze("Kelchzipfel", "-", [](TZeichner& z) { Doppelfrucht(z, 'k', false); });
    setze("St-Behaarung", "k", [](TZeichner& z) { Stengelstueck(z, THaar::Kahl, false, false); });
    setze("St-Behaarung", "b", [](TZeichner& z) { Stengelstueck(z, THaar::Weich, false, false); });
    setze("St-Behaarung", "s",
          [](TZeichner& z) { Stengelstueck(z, THaar::Borstig, false, false); });
    setze("St-Querschnitt", "r", [](TZeichner& z) { StengelQuer(z, 0, 0, 1); });
    setze("St-Querschnitt", "k", [](TZeichner& z) { StengelQuer(z, 12, 0.14, 1); });
    setze("Wurzelschopf", "+", [](TZeichner& z) { Wurzelschopf(z, true); });
    setze("Wurzelschopf", "-", [](TZeichner& z) { Wurzelschopf(z, false); });

    // Mugworts.
    g = Beifuss;
    {
        TBlatt b{F::Lanzettlich, 250, 76, R::Fiederschnittig, N::Mittelnerv};
        setze("B-Behaarung", "k",
              [b](TZeichner& z) { Blattseiten(z, b, THaar::Kahl, THaar::Kahl, false); });
        setze("B-Behaarung", "u",
              [b](TZeichner& z) { Blattseiten(z, b, THaar::Kahl, THaar::Filzig, true); });
        setze("B-Behaarung", "b",
              [b](TZeichner& z) { Blattseiten(z, b, THaar::Filzig, THaar::Filzig, true); });
    }
    setze("B-Form", "g", Blattbild(F::Lanzettlich, 250, 40, R::Ganz, N::Mittelnerv, 0));
    setze("B-Form", "b", [](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 270}, TStrich::Normal);
        Fiederteilig(z, {MitteX, 270}, -90, 250, 190, 4);
    });
    setze("B-Form", "s", [](TZeichner& z) { Fadenblatt(z, 3, 0); });
    setze("B-Form", "h", Blattbild(F::Hand, 160, 160, R::Geteilt, N::Hand, 90, 5));
    for (auto [c, h] :
         {std::pair{"k", THaar::Kahl}, {"w", THaar::Spinnweb}, {"f", THaar::Filzig}}) {
        TKorb k;
        k.Haar = h;
        setze("Hülle-Behaarung", c, HuellenBild(k));
    }
    setze("Korbboden", "b", [](TZeichner& z) { Korbschnitt(z, 'B'); });
    setze("Korbboden", "k", [](TZeichner& z) { Korbschnitt(z, '-'); });
    for (const char* c : {"k", "h", "e"})
        setze("Körbchen-Form", c, [c](TZeichner& z) { Beifusskorb(z, c[0]); });
    setze("Öhrchen", "+", [](TZeichner& z) {
        Stengelblatt(z, TGrund::Oehrchen, F::Lanzettlich, R::Fiederschnittig);
    });
    setze("Öhrchen", "-", [](TZeichner& z) {
        Stengelblatt(z, TGrund::Sitzend, F::Lanzettlich, R::Fiederschnittig);
    });

    // Daisy family.
    g = Korbbluetler;
    setze("B-Form", "g", Blattbild(F::Lanzettlich, 250, 70, R::Ganz, N::Fieder, 10));
    setze("B-Form", "z", Blattbild(F::Lanzettlich, 250, 70, R::Gezaehnt, N::Fieder, 10));
    setze("B-Form", "l", Blattbild(F::Lineal, 270, 24, R::Ganz, N::Parallel, 0));
    setze("B-Form", "r", Blattbild(F::Herz, 160, 170, R::Gezaehnt, N::Hand, 110));
    setze("B-Form", "f", Blattbild(F::Lanzettlich, 250, 120, R::Schrotsaege, N::Mittelnerv, 10));
    setze("B-Form", "ff", [](TZeichner& z) { Fadenblatt(z, 2, 9); });
    setze("B-Form", "h", Blattbild(F::Hand, 170, 170, R::Gelappt, N::Hand, 80, 5));
    wie("B-Stellung", "w", Grundtabelle, "ST", "w");
    wie("B-Stellung", "g", Grundtabelle, "ST", "g");
    wie("B-Stellung", "b", Grundtabelle, "ST", "b");
    {
        const std::pair<const char*, QColor> farben[] = {
            {"w", Bluetenfarbe::Weiss}, {"g", Bluetenfarbe::Gelb},       {"o", Orange},
            {"r", Bluetenfarbe::Rosa},  {"p", QColor(0xb0, 0x2c, 0x78)}, {"l", Bluetenfarbe::Lila},
            {"b", Bluetenfarbe::Blau},
        };
        for (const auto& [c, f] : farben) {
            TKorb k;
            k.Blueten = TKorbBl::Strahl;
            k.Farbe = f;
            k.Scheibe = c[0] == 'w' ? Bluetenfarbe::Gelb : f.darker(115);
            setze("Blütenfarbe", c, KorbBild(k));
        }
        TKorb u;
        u.Farbe = Bluetenfarbe::Gruenlich;
        setze("Blütenfarbe", "u", KorbBild(u));
    }
    for (const char* c : {"+", "w", "H", "-"})
        setze("Dornig", c, [c](TZeichner& z) { Dornig(z, c[0]); });
    for (const char* c : {"1", "2", "d", "a", "h", "t", "b", "v"}) {
        TKorb k;
        k.Huelle = c[0];
        setze("Hülle", c, KorbBild(k));
    }
    {
        const std::pair<const char*, THaar> haare[] = {
            {"k", THaar::Kahl},    {"h", THaar::Weich},    {"d", THaar::Druesig},
            {"b", THaar::Borstig}, {"s", THaar::Spinnweb}, {"f", THaar::Filzig},
        };
        for (const auto& [c, h] : haare) {
            TKorb k;
            k.Haar = h;
            k.Farbe = Bluetenfarbe::Lila;
            setze("Hülle-Behaarung", c, HuellenBild(k));
        }
    }
    {
        TKorb k;
        k.Blueten = TKorbBl::Zunge;
        k.Huelle = '2';
        setze("Körbchen", "Z", KorbBild(k));
        k.Blueten = TKorbBl::Strahl;
        k.Huelle = 'd';
        k.Farbe = Bluetenfarbe::Weiss;
        setze("Körbchen", "S", KorbBild(k));
        k.Blueten = TKorbBl::Roehre;
        k.Farbe = Bluetenfarbe::Gelb;
        setze("Körbchen", "R", KorbBild(k));
        k.Blueten = TKorbBl::Trichter;
        k.Farbe = Bluetenfarbe::Blau;
        k.Scheibe = Bluetenfarbe::Lila;
        setze("Körbchen", "T", KorbBild(k));
    }
    setze("Körbchen", "K", Kugelkopf);
    setze("Körbchen", "E", Spitzklette);
    setze("Milchsaft", "+", [](TZeichner& z) { Milchsaft(z, true); });
    setze("Milchsaft", "-", [](TZeichner& z) { Milchsaft(z, false); });
    for (const char* c : {"H", "F", "S", "K", "-"})
        setze("Pappus", c, [c](TZeichner& z) { Achaene(z, c[0]); });
    for (const char* c : {"S", "B", "-"})
        setze("Spreublätter", c, [c](TZeichner& z) { Korbschnitt(z, c[0]); });

    // Borage family.
    g = Raublattgewaechse;
    {
        const std::pair<const char*, QColor> farben[] = {
            {"b", Bluetenfarbe::Blau},       {"v", Violett},
            {"r", QColor(0x8c, 0x2a, 0x2a)}, {"w", Bluetenfarbe::Weiss},
            {"g", QColor(0xf4, 0xb8, 0x1c)}, {"gw", QColor(0xf4, 0xf0, 0xcc)},
        };
        for (const auto& [c, f] : farben)
            setze("Bl-Farbe", c, [f](TZeichner& z) { Bluetenfarbe13(z, f, f); });
        setze("Bl-Farbe", "rb",
              [](TZeichner& z) { Bluetenfarbe13(z, Bluetenfarbe::Rosa, Bluetenfarbe::Blau); });
    }
    setze("Bl-Form", "s", [](TZeichner& z) { Bluetenform13(z, 's'); });
    setze("Bl-Form", "t", [](TZeichner& z) { Bluetenform13(z, 't'); });
    setze("Bl-Form", "rö", [](TZeichner& z) { Bluetenform13(z, 'r'); });
    setze("Bl-Form", "z", [](TZeichner& z) { Bluetenform13(z, 'z'); });
    setze("Bl-Form", "st", [](TZeichner& z) { Bluetenform13(z, 'x'); });
    setze("Bl-Form", "gl", [](TZeichner& z) { Bluetenform13(z, 'g'); });
    setze("Blätter", "l", Blattbild(F::Lanzettlich, 250, 50, R::Ganz, N::Fieder, 0));
    setze("Blätter", "e", Blattbild(F::Elliptisch, 220, 110, R::Ganz, N::Fieder, 24));
    setze("Blätter", "h", Blattbild(F::Herz, 170, 150, R::Ganz, N::Fieder, 100));
    setze("Blätter", "d", [](TZeichner& z) { Stengelblatt(z, TGrund::Herablaufend); });
    setze("Blätter", "u", [](TZeichner& z) { Stengelblatt(z, TGrund::Umfassend, F::Eifoermig); });
    setze("Blätter", "f", [](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 270}, TStrich::Normal);
        Fiederteilig(z, {MitteX, 270}, -90, 250, 150, 5);
    });
    for (const char* c : {"g", "w", "s", "r", "K"})
        setze("Fruchtoberfläche", c, [c](TZeichner& z) { Nuesschen(z, c[0]); });
    setze("Kelch-Verwachsung", "f", [](TZeichner& z) { Kelchroehre(z, 0.92, Bluetenfarbe::Blau); });
    setze("Kelch-Verwachsung", "m", [](TZeichner& z) { Kelchroehre(z, 0.5, Bluetenfarbe::Blau); });
    setze("Kelch-Verwachsung", "r", [](TZeichner& z) { Kelchroehre(z, 0.18, Bluetenfarbe::Blau); });
    for (const char* c : {"+", "h", "-"})
        setze("Schlundschuppen", c, [c](TZeichner& z) { Schlund(z, c[0]); });
    for (const char* c : {"e", "a", "k"})
        setze("Staubblätter", c, [c](TZeichner& z) { Staubblaetter13(z, c[0]); });
    for (const char* c : {"+", "u", "-"})
        setze("Tragblätter", c, [c](TZeichner& z) { Wickel13(z, c[0]); });

    // Crucifers.
    g = Kreuzbluetler;
    for (const char* c : {"g", "a", "z"})
        setze("Ausrandung", c, [c](TZeichner& z) {
            Kreuzbluete(z, {MitteX, 150}, 130, Bluetenfarbe::Weiss, c[0], false);
        });
    setze("B-Behaarung", "k", [](TZeichner& z) { BehaartesBlatt(z, THaar::Kahl); });
    setze("B-Behaarung", "z",
          [](TZeichner& z) { BehaartesBlatt(z, THaar::Weich, F::Elliptisch, R::Ganz, 0.45); });
    setze("B-Behaarung", "b", [](TZeichner& z) { BehaartesBlatt(z, THaar::Filzig); });
    setze("B-Form", "u", Blattbild(F::Elliptisch, 220, 100, R::Gezaehnt, N::Fieder, 30));
    setze("B-Form", "l", Blattbild(F::Lineal, 270, 26, R::Ganz, N::Mittelnerv, 0));
    setze("B-Form", "r", Blattbild(F::Herz, 180, 170, R::Gezaehnt, N::Hand, 80));
    wie("B-Form", "f", Glossar, "5", "11");
    setze("B-Form", "g", [](TZeichner& z) { Fiederblatt(z, 4, false, 44, 30, R::Gekerbt); });
    setze("B-Form", "d", [](TZeichner& z) { Fadenblatt(z, 2, 8); });
    setze("B-Form", "h", [](TZeichner& z) { Dreizaehlig(z, false); });
    setze("B-Grund", "g", [](TZeichner& z) { Stengelblatt(z, TGrund::Gestielt); });
    setze("B-Grund", "s", [](TZeichner& z) { Stengelblatt(z, TGrund::Sitzend); });
    setze("B-Grund", "u", [](TZeichner& z) { Stengelblatt(z, TGrund::Pfeil); });
    setze("B-Rosette", "+", [](TZeichner& z) { KreuzPflanze(z, true); });
    setze("B-Rosette", "-", [](TZeichner& z) { KreuzPflanze(z, false); });
    setze("B-Öhrchen", "+", [](TZeichner& z) { Stengelblatt(z, TGrund::Oehrchen); });
    setze("B-Öhrchen", "-", [](TZeichner& z) { Stengelblatt(z, TGrund::Sitzend); });
    {
        const std::pair<const char*, QColor> farben[] = {
            {"w", Bluetenfarbe::Weiss}, {"gw", Blassgelb}, {"g", Bluetenfarbe::Gelb},
            {"r", Bluetenfarbe::Rosa},  {"v", Violett},
        };
        for (const auto& [c, f] : farben)
            setze("Bl-Farbe", c, [f](TZeichner& z) {
                Kreuzbluete(z, {MitteX, 150}, 130, f, 'g', false);
            });
    }
    setze("Bl-Symmetrie", "r", [](TZeichner& z) {
        Kreuzbluete(z, {MitteX, 150}, 120, Bluetenfarbe::Weiss, 'g', false);
    });
    setze("Bl-Symmetrie", "z", [](TZeichner& z) {
        Kreuzbluete(z, {MitteX, 120}, 120, Bluetenfarbe::Weiss, 'g', true);
    });
    for (const char* c : {"k", "b", "s"}) {
        TFrucht14 f;
        f.Typ = 'c';
        f.Flaeche = c[0];
        setze("Fr-Behaarung", c, Kreuzfruchtbild(f));
    }
    {
        TFrucht14 f;
        f.Typ = 'c';
        f.Ausgerandet = true;
        f.Fluegel = true;
        setze("Fr-Flügel", "+", Kreuzfruchtbild(f));
        f.Fluegel = false;
        setze("Fr-Flügel", "-", Kreuzfruchtbild(f));
    }
    setze("Fr-Septum", "b", [](TZeichner& z) { Septum(z, true); });
    setze("Fr-Septum", "s", [](TZeichner& z) { Septum(z, false); });
    setze("Fr-Stellung", "d", [](TZeichner& z) { Fruchtstellung(z, 6); });
    setze("Fr-Stellung", "a", [](TZeichner& z) { Fruchtstellung(z, 40); });
    setze("Fr-Stellung", "w", [](TZeichner& z) { Fruchtstellung(z, 90); });
    setze("Fr-Stellung", "h", [](TZeichner& z) { Fruchtstellung(z, 150); });
    for (auto [c, typ] : {std::pair{"S", 'S'}, {"Sc", 'c'}, {"N", 'N'}, {"Gl", 'G'}}) {
        TFrucht14 f;
        f.Typ = typ;
        setze("Fr-Typ", c, Kreuzfruchtbild(f));
    }
    setze("Fr-quer", "r", [](TZeichner& z) {
        KreuzfruchtQuer(z, {MitteX, 150}, 100, 100, 'r', false);
    });
    setze("Fr-quer", "v", [](TZeichner& z) {
        KreuzfruchtQuer(z, {MitteX, 150}, 100, 100, 'v', false);
    });
    setze("Fr-quer", "f", [](TZeichner& z) {
        KreuzfruchtQuer(z, {MitteX, 150}, 130, 44, 'f', false);
    });
    setze("Fr-quer", "k", [](TZeichner& z) {
        KreuzfruchtQuer(z, {MitteX, 150}, 128, 128, 'k', false);
    });
    {
        TFrucht14 f;
        f.Offen = true;
        f.Samen = 1;
        setze("Fr-Öffnung", "+", Kreuzfruchtbild(f));
        setze("Samen-Reihen", "1", Kreuzfruchtbild(f));
        f.Samen = 2;
        setze("Samen-Reihen", "2", Kreuzfruchtbild(f));
        f.Typ = 'c';
        f.Samen = -1;
        setze("Samen-Reihen", "e", Kreuzfruchtbild(f));
        TFrucht14 n;
        n.Typ = 'N';
        setze("Fr-Öffnung", "-", Kreuzfruchtbild(n));
        n.Typ = 'G';
        n.Zerfallend = true;
        setze("Fr-Öffnung", "q", Kreuzfruchtbild(n));
    }
    for (const char* c : {"e", "g", "s", "m", "d"})
        setze("Haartyp", c, [c](TZeichner& z) { Lupe(z, c[0]); });
    setze("Krone", "l", [](TZeichner& z) { KreuzblueteSeite(z, 150); });
    setze("Krone", "k", [](TZeichner& z) { KreuzblueteSeite(z, 96); });
    setze("Krone", "-", [](TZeichner& z) { KreuzblueteSeite(z, 0); });

    // Bellflowers.
    g = Glockenblumen;
    {
        TBlatt b{F::Eifoermig, 250, 104, R::Gekerbt, N::Fieder};
        const std::pair<const char*, THaar> haare[] = {
            {"k", THaar::Kahl}, {"b", THaar::Weich}, {"r", THaar::Rau}, {"z", THaar::Zottig}};
        for (const auto& [c, h] : haare)
            setze("B-Behaarung", c, [b, h](TZeichner& z) { Blattseiten(z, b, h, h, false); });
        setze("B-Behaarung", "f",
              [b](TZeichner& z) { Blattseiten(z, b, THaar::Kahl, THaar::Filzig, true); });
    }
    setze("B-Form", "v", Verschiedenblaettrig);
    setze("B-Form", "l", Blattbild(F::Lanzettlich, 250, 50, R::Ganz, N::Fieder, 0));
    setze("B-Form", "e", Blattbild(F::Eifoermig, 220, 120, R::Gekerbt, N::Fieder, 20));
    setze("B-Form", "h", Blattbild(F::Herz, 200, 150, R::Gekerbt, N::Fieder, 60));
    wie("B-Rand", "g", Glossar, "0", "1");
    wie("B-Rand", "k", Glossar, "0", "5");
    wie("B-Rand", "s", Glossar, "0", "3");
    for (const char* c : {"k", "w", "b"})
        setze("Bl-Behaarung", c, [c](TZeichner& z) { Glockenhaare(z, c[0]); });
    for (auto [c, f] : {std::pair{"b", Bluetenfarbe::Blau}, {"h", Hellblau}, {"g", Blassgelb}})
        setze("Bl-Farbe", c, [f](TZeichner& z) {
            z.Linie({MitteX, Unten}, {MitteX, 272}, TStrich::Achse);
            BlueteSeite(z, {MitteX, 272}, 200, TKronform::Glocke, f, true);
        });
    setze("Blst", "e", [](TZeichner& z) { Glockenstand(z, 'e'); });
    setze("Blst", "t", [](TZeichner& z) { Glockenstand(z, 't'); });
    setze("Blst", "a", [](TZeichner& z) { Glockenstand(z, 'a'); });
    setze("Blst", "r", [](TZeichner& z) { Glockenstand(z, 'r'); });
    setze("Blst", "k", [](TZeichner& z) { Glockenstand(z, 'k'); });
    setze("Blst", "ä", [](TZeichner& z) { Glockenstand(z, 'A'); });
    setze("Frucht-Stellung", "n", [](TZeichner& z) { Glockenkapsel(z, true, 0); });
    setze("Frucht-Stellung", "a", [](TZeichner& z) { Glockenkapsel(z, false, 0); });
    setze("K-Anhängsel", "+", [](TZeichner& z) { Kelchanhaengsel(z, true); });
    setze("K-Anhängsel", "-", [](TZeichner& z) { Kelchanhaengsel(z, false); });
    setze("Kapselporen", "g", [](TZeichner& z) { Glockenkapsel(z, true, 'g'); });
    setze("Kapselporen", "o", [](TZeichner& z) { Glockenkapsel(z, false, 'o'); });
    setze("Narben", "3", [](TZeichner& z) { Narben(z, 3); });
    setze("Narben", "5", [](TZeichner& z) { Narben(z, 5); });
    setze("Stengel", "k", [](TZeichner& z) { StengelQuer(z, 5, 0.3, 3); });
    setze("Stengel", "r", [](TZeichner& z) { StengelQuer(z, 0, 0, 1); });

    // Hawkweeds.
    g = Habichtskraeuter;
    for (const char* c : {"o", "u", "-"})
        setze("Ausläufer", c, [c](TZeichner& z) { Habichtskraut(z, 'g', c[0]); });
    setze("B-Grund", "h", Blattbild(F::Herz, 190, 130, R::Gezaehnt, N::Fieder, 60));
    setze("B-Grund", "k", Blattbild(F::VerkehrtEifoermig, 230, 100, R::Gezaehnt, N::Fieder, 30));
    setze("B-Grund", "u",
          [](TZeichner& z) { Stengelblatt(z, TGrund::Umfassend, F::Eifoermig, R::Gezaehnt); });
    setze("B-Rand", "g", Blattbild(F::Lanzettlich, 240, 80, R::Ganz, N::Fieder, 20));
    setze("B-Rand", "z", Blattbild(F::Lanzettlich, 240, 80, R::Gezaehnt, N::Fieder, 20));
    setze("B-Rand", "t", Blattbild(F::Lanzettlich, 240, 90, R::Schrotsaege, N::Fieder, 20));
    for (const char* c : {"g", "s", "b"})
        setze("B-Stellung", c, [c](TZeichner& z) { Habichtskraut(z, c[0], 0); });
    setze("B-Stiel", "l", Blattbild(F::Elliptisch, 160, 80, R::Ganz, N::Fieder, 110));
    setze("B-Stiel", "k", Blattbild(F::Spatel, 250, 80, R::Ganz, N::Fieder, 16));
    setze("B-Stiel", "s", [](TZeichner& z) { Stengelblatt(z, TGrund::Sitzend); });
    {
        TKorb k;
        k.Blueten = TKorbBl::Zunge;
        setze("Bl-Farbe", "g", KorbBild(k));
        k.Farbe = QColor(0xfa, 0xf0, 0x8a);
        setze("Bl-Farbe", "h", KorbBild(k));
        k.Farbe = Bluetenfarbe::Gelb;
        k.RotGestreift = true;
        setze("Bl-Farbe", "r", KorbBild(k));
        k.RotGestreift = false;
        k.Farbe = QColor(0xe8, 0x58, 0x1c);
        setze("Bl-Farbe", "o", KorbBild(k));
    }
    for (const char* c : {"e", "w", "d", "r", "t"})
        setze("Blst", c, [c](TZeichner& z) { Habichtskrautstand(z, c[0]); });
    {
        const std::pair<const char*, THaar> haare[] = {
            {"k", THaar::Kahl}, {"d", THaar::Druesig}, {"z", THaar::Zottig}, {"s", THaar::Stern}};
        for (const auto& [c, h] : haare) {
            TKorb k;
            k.Blueten = TKorbBl::Zunge;
            k.HuelleFrei = true;
            k.Haar = h;
            setze("Hülle", c, HuellenBild(k));
        }
    }
    setze("Kronzipfel", "b", [](TZeichner& z) { Kronzipfel(z, true); });
    setze("Kronzipfel", "k", [](TZeichner& z) { Kronzipfel(z, false); });

    // Speedwells.
    g = Ehrenpreise;
    setze("B-Behaarung", "k",
          [](TZeichner& z) { BehaartesBlatt(z, THaar::Kahl, F::Eifoermig, R::Gekerbt); });
    setze("B-Behaarung", "b",
          [](TZeichner& z) { BehaartesBlatt(z, THaar::Weich, F::Eifoermig, R::Gekerbt); });
    setze("B-Behaarung", "d",
          [](TZeichner& z) { BehaartesBlatt(z, THaar::Druesig, F::Eifoermig, R::Gekerbt); });
    setze("B-Rand", "g", Blattbild(F::Eifoermig, 210, 130, R::Ganz, N::Fieder, 24));
    setze("B-Rand", "k", Blattbild(F::Eifoermig, 210, 130, R::Gekerbt, N::Fieder, 24));
    setze("B-Rand", "e", Blattbild(F::Hand, 160, 160, R::Gelappt, N::Hand, 60, 5));
    setze("B-Rand", "l", Blattbild(F::Hand, 170, 170, R::Geteilt, N::Hand, 50, 5));
    wie("B-Stellung", "g", Grundtabelle, "ST", "g");
    wie("B-Stellung", "q", Grundtabelle, "ST", "q");
    wie("B-Stellung", "r", Grundtabelle, "ST", "b");
    setze("B-Stiel", "s", [](TZeichner& z) { Blattstiel58(z, 0); });
    setze("B-Stiel", "k", [](TZeichner& z) { Blattstiel58(z, 18); });
    setze("B-Stiel", "l", [](TZeichner& z) { Blattstiel58(z, 54); });
    {
        const std::pair<const char*, QColor> farben[] = {
            {"d", QColor(0x22, 0x44, 0xb8)}, {"b", Bluetenfarbe::Blau},  {"h", Hellblau},
            {"r", Bluetenfarbe::Rosa},       {"w", Bluetenfarbe::Weiss},
        };
        for (const auto& [c, f] : farben)
            setze("Bl-Farbe", c, [f](TZeichner& z) { Ehrenpreisbluete(z, {MitteX, 150}, 128, f); });
    }
    setze("Blst", "e", [](TZeichner& z) { Ehrenpreisstand(z, 'e'); });
    setze("Blst", "a", [](TZeichner& z) { Ehrenpreisstand(z, 'a'); });
    setze("Blst", "t", [](TZeichner& z) { Ehrenpreisstand(z, 't'); });
    setze("Blst", "ä", [](TZeichner& z) { Ehrenpreisstand(z, 'A'); });
    {
        const std::pair<const char*, THaar> haare[] = {
            {"k", THaar::Kahl}, {"b", THaar::Weich}, {"d", THaar::Druesig}, {"w", THaar::Wimper}};
        for (const auto& [c, h] : haare)
            setze("Fr-Behaarung", c, [h](TZeichner& z) { Ehrenpreiskapsel(z, 'h', h); });
    }
    for (const char* c : {"h", "r", "e", "z", "k"})
        setze("Fr-Form", c, [c](TZeichner& z) { Ehrenpreiskapsel(z, c[0], THaar::Kahl); });
    for (const char* c : {"4", "5", "e"})
        setze("Kelch", c, [c](TZeichner& z) { Ehrenpreiskelch(z, c[0]); });
    setze("Kronröhre", "k", [](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 250}, TStrich::Achse);
        BlueteSeite(z, {MitteX, 250}, 200, TKronform::Rad, Bluetenfarbe::Blau, true);
    });
    setze("Kronröhre", "d", [](TZeichner& z) {
        z.Linie({MitteX, Unten}, {MitteX, 250}, TStrich::Achse);
        BlueteSeite(z, {MitteX, 250}, 200, TKronform::Stielteller, Bluetenfarbe::Blau, true);
    });
    setze("Stengel Behaarung", "k",
          [](TZeichner& z) { Stengelstueck(z, THaar::Kahl, true, false); });
    setze("Stengel Behaarung", "z",
          [](TZeichner& z) { Stengelstueck(z, THaar::Weich, true, true); });
    setze("Stengel Behaarung", "r",
          [](TZeichner& z) { Stengelstueck(z, THaar::Weich, true, false); });
    setze("Stengel Behaarung", "d",
          [](TZeichner& z) { Stengelstueck(z, THaar::Druesig, true, false); });
}
