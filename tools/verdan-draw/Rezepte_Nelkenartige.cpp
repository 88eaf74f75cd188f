// Drawings of the keys of Amaranthus, Atriplex, Caryophyllaceae, Chenopodium, Euphorbia,
// Polygonum and Rumex (keys 8, 12, 18, 19, 23, 44, 55).

#include "Motive.h"
#include "Rezepte.h"
#include "Rezepthilfen.h"

#include <QtMath>
#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr int Amaranthus = 8;
constexpr int Atriplex = 12;
constexpr int Nelken = 18;
constexpr int Chenopodium = 19;
constexpr int Euphorbia = 23;
constexpr int Knoeterich = 44;
constexpr int Rumex = 55;

const QColor Silber{0xdf, 0xe3, 0xda};
const QColor Graugruen{0xb9, 0xcc, 0xa6};
const QColor Haeutig{0xf4, 0xf1, 0xe6};
const QColor Purpur{0xb0, 0x1e, 0x62};
const QColor Nuss{0x5a, 0x3a, 0x22};
const QColor Schwarz{0x2a, 0x24, 0x20};
const QColor Hochblatt{0xdc, 0xe6, 0x7a};

// ---- Outlines ------------------------------------------------------------------------------

struct TP
{
    double x, y;
    bool ecke = false;
};

// A closed smooth outline through the points; points marked ecke stay sharp corners.
QPainterPath Glatt(const std::vector<TP>& p)
{
    const int n = int(p.size());
    auto P = [&](int i) {
        const TP& q = p[size_t((i % n + n) % n)];
        return QPointF(q.x, q.y);
    };
    auto Ecke = [&](int i) { return p[size_t((i % n + n) % n)].ecke; };
    QPainterPath pfad(P(0));
    for (int i = 0; i < n; ++i) {
        const QPointF a = P(i), b = P(i + 1);
        const QPointF c1 = Ecke(i) ? a : a + (b - P(i - 1)) / 6;
        const QPointF c2 = Ecke(i + 1) ? b : b - (P(i + 2) - a) / 6;
        pfad.cubicTo(c1, c2, b);
    }
    pfad.closeSubpath();
    return pfad;
}

// An upright blade, mirrored about x = mx: rechts runs from the base (x 0) up the right
// margin to the tip (x 0), x measured from mx.
QPainterPath Spreite(double mx, const std::vector<TP>& rechts)
{
    std::vector<TP> alle;
    for (const TP& q : rechts)
        alle.push_back({mx + q.x, q.y, q.ecke});
    for (int i = int(rechts.size()) - 2; i >= 1; --i) {
        const TP& q = rechts[size_t(i)];
        alle.push_back({mx - q.x, q.y, q.ecke});
    }
    return Glatt(alle);
}

QPointF Innen(const QPainterPath& pfad, const QPolygonF& p, int i)
{
    const int n = p.size();
    const QPointF d = p[(i + 1) % n] - p[(i - 1 + n) % n];
    const double l = std::max(1e-6, std::hypot(d.x(), d.y()));
    QPointF normale(-d.y() / l, d.x() / l);
    if (!pfad.contains(p[i] + normale * 2)) normale = -normale;
    return normale;
}

// Teeth cut into the outline wherever wo says so: periode long, tiefe deep; buchtig gives
// rounded bays instead of pointed teeth.
QPainterPath Zaehne(const QPainterPath& glatt, double periode, double tiefe,
                    const std::function<bool(QPointF)>& wo, bool buchtig = false)
{
    const QPolygonF p = Abtasten(glatt, periode / 8);
    QPolygonF aus;
    for (int i = 0; i < p.size(); ++i) {
        const double u = std::fmod(i / 8.0, 1.0);
        const double e =
            buchtig ? std::pow(std::sin(M_PI * u), 0.7) : (u < 0.7 ? u / 0.7 : (1 - u) / 0.3);
        aus << (wo(p[i]) ? p[i] + Innen(glatt, p, i) * tiefe * e : p[i]);
    }
    return Polygonpfad(aus);
}

// Hairs standing out of the outline where wo allows; druesig puts a gland on each.
void Haare(TZeichner& z, const QPainterPath& pfad, double laenge, bool druesig,
           const std::function<bool(QPointF)>& wo = {})
{
    const QPolygonF p = Abtasten(pfad, z.Gr(8, 12));
    for (int i = 0; i < p.size(); ++i) {
        if (wo && !wo(p[i])) continue;
        const QPointF aussen = p[i] - Innen(pfad, p, i) * laenge;
        z.Linie(p[i], aussen, TStrich::Fein);
        if (druesig) z.Kreis(aussen, z.Gr(2.6, 4.2), Farbe::Druese, TStrich::Fein);
    }
}

// Short hairs or glands scattered over a surface.
void Streu(TZeichner& z, const QPainterPath& pfad, double abstand, int art)
{
    const QRectF r = pfad.boundingRect();
    int k = 0;
    for (double y = r.top() + abstand / 2; y < r.bottom(); y += abstand)
        for (double x = r.left() + ((k++) % 2) * abstand / 2; x < r.right(); x += abstand) {
            const QPointF p(x + std::sin(x * 12.9 + y) * abstand * 0.2,
                            y + std::cos(x * 4.1 + y * 7.3) * abstand * 0.2);
            if (!pfad.contains(p)) continue;
            switch (art) {
            case 0: // mealy bladders
                z.Kreis(p, z.Gr(3, 5), Farbe::Weiss, TStrich::Fein, QColor(0x8a, 0x93, 0x86));
                break;
            case 1: // hairs
                z.Linie(p, p + QPointF(z.Gr(5, 8), -z.Gr(4, 6)), TStrich::Fein);
                break;
            case 2: // gland dots
                z.Punkt(p, z.Gr(2.5, 4), Farbe::Druese.darker(115));
                break;
            default: // warts
                z.Kreis(p, z.Gr(4, 6), QColor(0xd6, 0xc0, 0x8a), TStrich::Fein);
            }
        }
}

void Geklemmt(TZeichner& z, const QPainterPath& clip, const std::function<void()>& zeichne)
{
    QPainter& m = z.Maler();
    m.save();
    m.setClipPath(clip, Qt::IntersectClip);
    zeichne();
    m.restore();
}

// Veins of a blade from basis to spitze, kept inside the blade.
void Adern(TZeichner& z, const QPainterPath& spreite, QPointF basis, QPointF spitze, TNervatur art)
{
    if (art == TNervatur::Keine) return;
    const double w = Winkel(basis, spitze);
    const double l = QLineF(basis, spitze).length();
    const double b = spreite.boundingRect().width();
    Geklemmt(z, spreite, [&] {
        z.Linie(basis, spitze, art == TNervatur::Mittelnerv ? TStrich::Normal : TStrich::Fein);
        if (art == TNervatur::Fieder || art == TNervatur::Netz)
            for (double t = 0.16; t < 0.86; t += 0.15)
                for (double s : {-1.0, 1.0}) {
                    const QPointF p = Weiter(basis, w, l * t);
                    z.Kurve(p, Weiter(p, w + s * 45, l * 0.16), Weiter(p, w + s * 62, l * 0.5),
                            TStrich::Fein);
                }
        if (art == TNervatur::Bogen || art == TNervatur::Hand)
            for (double s : {-1.0, 1.0})
                for (double k : {0.5, 1.0}) {
                    const QPointF m = Weiter(Mitte(basis, spitze, 0.45), w + s * 90, b * 0.26 * k);
                    z.Kurve(Weiter(basis, w, 4), m, Mitte(basis, spitze, 0.93 - 0.08 * k),
                            TStrich::Fein);
                }
        if (art == TNervatur::Netz) {
            const QRectF r = spreite.boundingRect();
            for (double y = r.top(); y < r.bottom(); y += 22)
                for (double x = r.left() + std::fmod(y, 44) / 2; x < r.right(); x += 22)
                    z.Kurve({x, y}, {x + 8, y + 4}, {x + 14, y + 14}, TStrich::Fein,
                            Farbe::Linie.lighter(160));
        }
    });
}

// A blade with its stalk hanging down to stielFuss (none when stielFuss <= basis.y()).
void Blatt(TZeichner& z, const QPainterPath& spreite, QPointF basis, QPointF spitze,
           TNervatur nerven, double stielFuss = 0, const QColor& fuellung = Farbe::Blatt)
{
    if (stielFuss > basis.y()) z.Linie({basis.x(), stielFuss}, basis, TStrich::Normal);
    z.Fuellen(spreite, fuellung);
    Adern(z, spreite, basis, spitze, nerven);
    z.Umriss(spreite);
}

// ---- Small parts ----------------------------------------------------------------------------

// A glomerule of tiny flowers.
void Knaeuelchen(TZeichner& z, QPointF p, double r, const QColor& farbe = Farbe::Kelch)
{
    for (int k = 0; k < 6; ++k)
        z.Kreis(Weiter(p, 60.0 * k + 15, r * 0.55), r * 0.48, farbe, TStrich::Fein);
    z.Kreis(p, r * 0.48, farbe, TStrich::Fein);
}

// A dense spike of glomerules along a path (a false spike).
void Scheinaehre(TZeichner& z, const QPainterPath& achse, double dicke, double spitze = 0.6,
                 const QColor& farbe = Farbe::Kelch)
{
    const double l = achse.length();
    const double r = dicke / 2;
    int i = 0;
    for (double s = 0; s <= l; s += r * 0.8, ++i) {
        const double t = achse.percentAtLength(s);
        const double f = t > 1 - spitze * 0.3 ? 0.55 + 0.45 * (1 - t) / (spitze * 0.3) : 1.0;
        const QPointF p = achse.pointAtPercent(t);
        const double w = achse.angleAtPercent(t);
        const QPointF quer(std::sin(qDegreesToRadians(w)), std::cos(qDegreesToRadians(w)));
        z.Kreis(p + quer * (i % 2 ? 1 : -1) * r * 0.38 * f, r * 0.62 * f, farbe, TStrich::Fein);
    }
}

QPainterPath Gerade(QPointF a, QPointF b)
{
    QPainterPath p(a);
    p.lineTo(b);
    return p;
}

QPainterPath Bogen(QPointF a, QPointF c, QPointF b)
{
    QPainterPath p(a);
    p.quadTo(c, b);
    return p;
}

// A small stalked leaf for habits.
void Blaettchen(TZeichner& z, QPointF an, double winkel, double l, double stiel = 0.3,
                TBlattform form = TBlattform::Eifoermig)
{
    TBlatt b{form, l, l * (form == TBlattform::Lanzettlich ? 0.32 : 0.6), TRand::Ganz,
             TNervatur::Mittelnerv};
    b.Stiel = l * stiel;
    ZeichneBlatt(z, an, winkel, b);
}

void Zahl(TZeichner& z, const char* text)
{
    z.Zahl(T(text));
}

// ---- Key 8: Amaranthus ---------------------------------------------------------------------

void AmarantBlatt(TZeichner& z, char form)
{
    const double basis = 214;
    std::vector<TP> rechts;
    if (form == 'e')
        rechts = {{0, basis, true},  {52, basis - 16},  {84, basis - 62},
                  {76, basis - 118}, {44, basis - 162}, {0, basis - 192, true}};
    else if (form == 's')
        rechts = {{0, basis, true},  {14, basis - 22},  {34, basis - 70},
                  {50, basis - 112}, {42, basis - 140}, {0, basis - 150}};
    else
        rechts = {{0, basis, true},  {22, basis - 22},  {36, basis - 70},
                  {32, basis - 128}, {16, basis - 170}, {0, basis - 200, true}};
    const QPainterPath s = Spreite(MitteX, rechts);
    Blatt(z, s, {MitteX, basis}, {MitteX, rechts.back().y}, TNervatur::Fieder, Unten);
}

void AmarantSpitze(TZeichner& z, bool ausgerandet)
{
    const double basis = 270;
    std::vector<TP> rechts = {{0, basis, true},
                              {60, basis - 24},
                              {104, basis - 96},
                              {96, basis - 170},
                              {60, basis - 226}};
    if (ausgerandet)
        rechts.insert(rechts.end(), {{24, basis - 252}, {0, basis - 226, true}});
    else
        rechts.insert(rechts.end(), {{26, basis - 250}, {0, basis - 262, true}});
    const QPainterPath s = Spreite(MitteX, rechts);
    Blatt(z, s, {MitteX, basis}, {MitteX, rechts.back().y}, TNervatur::Fieder, Unten);
    if (z.Gross())
        z.Pfeil({MitteX + 90, 20}, {MitteX + 10, rechts.back().y - (ausgerandet ? 6 : 0)});
}

// A shoot tip of amaranth: stem, stalked leaves; glomerules in the axils and/or a terminal
// false spike as art says.
void AmarantStand(TZeichner& z, char art)
{
    const double oben = art == 'A' ? 40 : art == 'K' ? 110 : 150;
    z.Linie({MitteX, Unten}, {MitteX, oben}, TStrich::Achse);
    const double ys[] = {262, 214, 166, 122, 82};
    const int blaetter = art == 'A' ? 5 : art == 'K' ? 4 : 3;
    for (int i = 0; i < blaetter; ++i) {
        const double s = i % 2 ? -1 : 1;
        Blaettchen(z, {MitteX, ys[i]}, s > 0 ? -30 : -150, 90 - i * 10, 0.45);
        if (art == 'A' || art == 'K') Knaeuelchen(z, {MitteX + s * 18, ys[i] - 16}, z.Gr(18, 26));
    }
    switch (art) {
    case 'A':
        break;
    case 'K':
        Scheinaehre(z, Gerade({MitteX, oben + 6}, {MitteX, 34}), z.Gr(26, 32));
        break;
    case 'D':
        Scheinaehre(z, Bogen({MitteX, oben}, {MitteX + 4, 100}, {MitteX, 16}), z.Gr(50, 56));
        for (double s : {-1.0, 1.0})
            Scheinaehre(z,
                        Bogen({MitteX, oben - 6}, {MitteX + s * 30, oben - 26},
                              {MitteX + s * 46, oben - 66}),
                        z.Gr(34, 40));
        break;
    case 'S':
        Scheinaehre(z, Gerade({MitteX, oben}, {MitteX, 10}), z.Gr(20, 26));
        for (double s : {-1.0, 1.0})
            Scheinaehre(z,
                        Bogen({MitteX, oben - 8 - (s + 1) * 16}, {MitteX + s * 40, 110},
                              {MitteX + s * 60, 30 + (s + 1) * 10}),
                        z.Gr(18, 24));
        break;
    case 'H':
        for (double s : {-1.0, 1.0})
            Scheinaehre(z, Bogen({MitteX, oben}, {MitteX + s * 140, 0}, {MitteX + s * 126, 230}),
                        z.Gr(26, 30), 0.5, QColor(0xd0, 0x60, 0x7a));
        Scheinaehre(z, Bogen({MitteX, oben}, {MitteX + 20, 40}, {MitteX + 54, 200}), z.Gr(26, 30),
                    0.5, QColor(0xd0, 0x60, 0x7a));
        break;
    }
}

// A flower from the side between its two bracteoles.
void AmarantBluete(TZeichner& z, bool dornig)
{
    const QPointF basis(MitteX, 250);
    z.Linie({MitteX, Unten}, basis, TStrich::Achse);
    const double lang = dornig ? 190 : 104;
    for (double w : {-122.0, -58.0}) {
        TBlatt vb{TBlattform::Lanzettlich, lang, dornig ? 26.0 : 30.0, TRand::Ganz,
                  TNervatur::Mittelnerv};
        vb.Fuellung = dornig ? QColor(0x9c, 0xbf, 0x7c) : Farbe::Kelch;
        ZeichneBlatt(z, basis, w, vb);
        if (dornig)
            z.Linie(Weiter(basis, w, lang - 4), Weiter(basis, w, lang + 26), TStrich::Normal);
    }
    for (double w : {-108.0, -90.0, -72.0}) {
        TBlatt p{TBlattform::Elliptisch, 92, 38, TRand::Ganz, TNervatur::Mittelnerv};
        p.Fuellung = QColor(0xe8, 0xf0, 0xd4);
        ZeichneBlatt(z, basis, w, p);
    }
}

void AmarantFrucht(TZeichner& z, char art)
{
    const QPointF m(MitteX, 160);
    for (double w : {-150.0, -125.0, -55.0, -30.0}) {
        TBlatt p{TBlattform::Lanzettlich, 80, 26, TRand::Ganz, TNervatur::Mittelnerv};
        p.Fuellung = QColor(0xe8, 0xf0, 0xd4);
        ZeichneBlatt(z, {MitteX, 256}, w, p);
    }
    z.Linie({MitteX, Unten}, {MitteX, 250}, TStrich::Achse);
    if (art == 'd') {
        // The lid has come off along the line round its middle; the seed lies in the cup.
        QPainterPath becher({MitteX - 62, 176});
        becher.cubicTo(MitteX - 62, 246, MitteX + 62, 246, MitteX + 62, 176);
        becher.closeSubpath();
        z.Flaeche(becher, Farbe::Frucht);
        z.Ellipse({MitteX, 176}, 62, 14, Farbe::Frucht.darker(108));
        z.Ellipse({MitteX, 184}, 34, 14, Schwarz);
        Rahmen(z, {MitteX + 22, 104}, 18, 1, [&] {
            QPainterPath deckel({-62, 0});
            deckel.cubicTo(-62, -70, 62, -70, 62, 0);
            deckel.closeSubpath();
            z.Flaeche(deckel, Farbe::Frucht);
            for (double w : {-110.0, -90.0, -70.0})
                z.Linie({0, -52}, Weiter({0, -52}, w, 34), TStrich::Normal);
        });
        if (z.Gross()) z.Pfeil({290, 200}, {MitteX + 66, 178});
        return;
    }
    QPainterPath frucht({MitteX, 70});
    frucht.cubicTo(MitteX + 78, 76, MitteX + 70, 236, MitteX, 236);
    frucht.cubicTo(MitteX - 70, 236, MitteX - 78, 76, MitteX, 70);
    z.Flaeche(frucht, Farbe::Frucht);
    if (art == 'r')
        Geklemmt(z, frucht, [&] {
            for (int i = 0; i < 9; ++i) {
                const double y = 88 + i * 17;
                QPainterPath welle({MitteX - 70, y});
                for (int k = 0; k < 7; ++k)
                    welle.quadTo(MitteX - 60 + k * 20, y + (k % 2 ? -9 : 9), MitteX - 50 + k * 20,
                                 y);
                z.Umriss(welle, TStrich::Normal);
            }
        });
    else
        z.Kurve({MitteX - 30, 100}, {MitteX - 44, 130}, {MitteX - 38, 170}, TStrich::Normal,
                Farbe::Weiss);
    for (double w : {-115.0, -90.0, -65.0})
        z.Linie({MitteX, 72}, Weiter({MitteX, 72}, w, 40), TStrich::Normal);
}

void AmarantPerigon(TZeichner& z, int zahl)
{
    TBlueteOben b{zahl, QColor(0xdc, 0xea, 0xc0), false, 0, zahl, 3};
    b.Kronblattbreite = 1.1;
    BlueteOben(z, {MitteX, 150}, 134, b);
    Zahl(z, zahl == 5 ? "5" : "2–3");
}

void AmarantTepalen(TZeichner& z, bool spatel)
{
    const QPointF basis(MitteX, 262);
    for (double w : {-124.0, -90.0, -56.0}) {
        const double l = w == -90 ? 228 : 196;
        TBlatt p{spatel ? TBlattform::Spatel : TBlattform::Lanzettlich, l, spatel ? 66.0 : 46.0,
                 TRand::Ganz, TNervatur::Mittelnerv};
        p.Fuellung = QColor(0xe8, 0xf0, 0xd4);
        ZeichneBlatt(z, basis, w, p);
        if (!spatel) z.Linie(Weiter(basis, w, l - 6), Weiter(basis, w, l + 18), TStrich::Normal);
    }
    z.Linie({MitteX, Unten}, basis, TStrich::Achse);
}

// ---- Key 12: Atriplex ----------------------------------------------------------------------

// Outlines of orache leaves, base at (mx, basis), about h tall.
QPainterPath MeldeBlatt(char form, double mx, double basis, double h)
{
    const double k = h / 220;
    auto P = [&](double x, double y, bool e = false) { return TP{x * k, basis - y * k, e}; };
    switch (form) {
    case 's': // hastate: spreading lobes, base truncate
        return Spreite(mx, {P(0, 0, true), P(56, 4), P(104, 20, true), P(74, 36), P(62, 62),
                            P(40, 130), P(16, 190), P(0, 220, true)});
    case 'k': // rhombic, wedge-shaped base
        return Spreite(mx, {P(0, 0, true), P(30, 42), P(62, 92, true), P(46, 138), P(22, 188),
                            P(0, 220, true)});
    case 'l':
        return Spreite(mx, {P(0, 0, true), P(12, 30), P(20, 110), P(14, 180), P(0, 220, true)});
    default: // elliptic to obovate
        return Spreite(mx,
                       {P(0, 0, true), P(26, 30), P(54, 110), P(48, 170), P(26, 208), P(0, 216)});
    }
}

void MeldeForm(TZeichner& z, char form)
{
    const QPainterPath s = MeldeBlatt(form, MitteX, 244, 226);
    Blatt(z, s, {MitteX, 244}, {MitteX, 24}, TNervatur::Fieder, Unten);
}

void MeldeRand(TZeichner& z, bool gezaehnt)
{
    QPainterPath s = MeldeBlatt('s', MitteX, 244, 226);
    if (gezaehnt) s = Zaehne(s, 30, 14, [](QPointF p) { return p.y() > 40 && p.y() < 212; });
    Blatt(z, s, {MitteX, 244}, {MitteX, 24}, TNervatur::Fieder, Unten);
}

QPainterPath GaensefussBlatt(char form, double mx, double basis, double h);

// The upper side (left) and the underside (right) of a leaf: oben/unten 0 green, 1 glossy
// green, 2 mealy, 3 glandular.
void Blattseiten(TZeichner& z, char form, int oben, int unten, bool melde)
{
    for (int seite = 0; seite < 2; ++seite) {
        const double mx = seite == 0 ? 82 : 238;
        const int art = seite == 0 ? oben : unten;
        const QPainterPath s =
            melde ? MeldeBlatt(form, mx, 262, 222) : GaensefussBlatt(form, mx, 262, 222);
        const QColor fuellung = art == 2   ? Silber
                                : art == 1 ? QColor(0x9c, 0xc8, 0x72)
                                           : Farbe::Blatt;
        Blatt(z, s, {mx, 262}, {mx, 32}, TNervatur::Fieder, 0, fuellung);
        if (art == 1)
            z.Kurve({mx - 26, 200}, {mx - 34, 160}, {mx - 18, 110}, TStrich::Achse, Farbe::Weiss);
        if (art == 2) Geklemmt(z, s, [&] { Streu(z, s, z.Gr(13, 18), 0); });
        if (art == 3) {
            Geklemmt(z, s, [&] { Streu(z, s, z.Gr(14, 20), 2); });
            Haare(z, s, z.Gr(10, 14), true);
        }
        if (art == 2) z.Umriss(s);
    }
    z.Text({82, 286}, T("oben"));
    z.Text({238, 286}, T("unten"));
}

// Fruiting bracteoles of orache seen from the front: the back one shows a little beside
// the front one.
QPainterPath Vorblatt(char form, QPointF basis, double h)
{
    const double k = h / 200;
    auto P = [&](double x, double y, bool e = false) { return TP{x * k, -y * k, e}; };
    std::vector<TP> r;
    switch (form) {
    case 'r':
        r = {P(0, 0, true), P(50, 30), P(74, 100), P(58, 160), P(26, 194), P(0, 200, true)};
        break;
    case 'd':
        r = {P(0, 0, true), P(60, 14), P(96, 30, true), P(66, 60), P(34, 140), P(0, 200, true)};
        break;
    case '3':
        r = {P(0, 0, true),   P(30, 16),  P(92, 64, true), P(60, 84),
             P(30, 96, true), P(30, 150), P(20, 184),      P(0, 204, true)};
        break;
    case 'l': // obcordate
        r = {P(0, 0, true), P(30, 50), P(70, 130), P(70, 186), P(40, 204), P(0, 180, true)};
        break;
    default: // rhombic
        r = {P(0, 0, true), P(40, 50), P(76, 100, true), P(40, 150), P(0, 200, true)};
    }
    return Spreite(0, r).translated(basis);
}

void Vorblaetter(TZeichner& z, char form, char nerven = 'o', char flaeche = 'g',
                 char konsistenz = 'k')
{
    const bool stiel = form == 'l';
    const QPointF basis(MitteX, stiel ? 150 : 262);
    const double h = stiel ? 136 : 232;
    z.Linie({MitteX, Unten}, basis, TStrich::Achse);
    const QColor fuellung = konsistenz == 'h'   ? Haeutig
                            : konsistenz == 'v' ? QColor(0xc9, 0xd6, 0x9a)
                                                : Farbe::Kelch;
    const QPainterPath hinten = Vorblatt(form, basis + QPointF(10, -4), h * 0.97);
    z.Flaeche(hinten, fuellung.darker(110));
    const QPainterPath vorn = Vorblatt(form, basis, h);
    z.Fuellen(vorn, fuellung);
    if (konsistenz == 'v')
        Geklemmt(z, vorn, [&] {
            QPainterPath schwamm;
            schwamm.addEllipse(QPointF(basis.x(), basis.y() - h * 0.08), h * 0.32, h * 0.2);
            z.Flaeche(schwamm, QColor(0xe2, 0xcf, 0x94), TStrich::Fein);
            Streu(z, schwamm, z.Gr(9, 12), 2);
        });
    Adern(z, vorn, basis, basis + QPointF(0, -h * 0.95),
          nerven == 'n' || konsistenz == 'h' ? TNervatur::Netz : TNervatur::Mittelnerv);
    if (flaeche == 'w')
        for (QPointF d : {QPointF(-24, -0.34), QPointF(22, -0.42), QPointF(-8, -0.56),
                          QPointF(14, -0.24), QPointF(-30, -0.2)}) {
            const QPointF p(basis.x() + d.x() * h / 232, basis.y() + d.y() * h);
            z.Kreis(p, z.Gr(6, 9), Farbe::Kelch.darker(115), TStrich::Normal);
            z.Linie(p, p + QPointF(z.Gr(5, 7), -z.Gr(8, 10)), TStrich::Normal);
        }
    z.Umriss(vorn, konsistenz == 'h' ? TStrich::Fein : TStrich::Normal);
}

// The two bracteoles seen from the side: one body up to where they are joined (anteil of
// their height), above it two free tips.
void Verwachsung(TZeichner& z, double anteil)
{
    const double fuss = 272, oben = 40, breit = 150;
    const double naht = fuss - (fuss - oben) * anteil;
    z.Linie({MitteX, Unten}, {MitteX, fuss}, TStrich::Achse);
    auto haelfte = [&](double s, double spalt) {
        QPolygonF p;
        p << QPointF(MitteX + s * spalt, fuss) << QPointF(MitteX + s * 100, breit)
          << QPointF(MitteX + s * 50, oben) << QPointF(MitteX + s * spalt, naht);
        return p;
    };
    if (anteil == 0) {
        for (double s : {-1.0, 1.0}) {
            z.Flaeche(Polygonpfad(haelfte(s, 8)), s < 0 ? Farbe::Kelch : Farbe::Kelch.darker(108));
            z.Linie({MitteX + s * 14, fuss - 14}, {MitteX + s * 50, oben + 14}, TStrich::Fein);
        }
        return;
    }
    QPolygonF ganz = haelfte(-1, 0);
    QPolygonF rechts = haelfte(1, 0);
    for (int i = rechts.size() - 1; i >= 1; --i)
        ganz << rechts[i];
    z.Flaeche(Polygonpfad(ganz), Farbe::Kelch);
    for (double s : {-1.0, 1.0})
        z.Linie({MitteX + s * 4, fuss - 10}, {MitteX + s * 50, oben + 14}, TStrich::Fein);
    z.Strichlinie({MitteX - 120, naht}, {MitteX + 120, naht}, Farbe::Akzent);
}

// Female flowers: with a five-parted perigon, or naked between two bracteoles.
void MeldeWeiblich(TZeichner& z, QPointF basis, double g, bool perigon)
{
    z.Linie({basis.x(), Unten}, basis, TStrich::Achse);
    if (perigon) {
        for (double w : {-150.0, -120.0, -90.0, -60.0, -30.0}) {
            TBlatt p{TBlattform::Eifoermig, g * 0.5, g * 0.3, TRand::Ganz, TNervatur::Keine};
            p.Fuellung = Farbe::Kelch;
            ZeichneBlatt(z, basis, w, p);
        }
        Stempel(z, basis + QPointF(0, -g * 0.1), g * 0.8, g * 0.3, 2);
        return;
    }
    Stempel(z, basis + QPointF(0, -g * 0.4), g * 0.68, g * 0.3, 2);
    z.Flaeche(Vorblatt('h', basis + QPointF(g * 0.05, -2), g * 0.6), Farbe::Kelch.darker(110));
    z.Flaeche(Vorblatt('h', basis, g * 0.62), Farbe::Kelch);
}

// ---- Key 18: Caryophyllaceae ---------------------------------------------------------------

// One petal upright from basis, h tall: claw below the blade (nagel), the blade's front edge
// as form says, the two scales of the corona where claw meets blade (kroenchen), and hairs:
// 'b' a beard on the blade's base, 'w' cilia on the claw.
void Kronblatt18(TZeichner& z, QPointF basis, double h, char form, bool nagel, bool kroenchen,
                 char haare, const QColor& farbe = Bluetenfarbe::Rosa)
{
    const double b = h * 0.34;
    const double y0 = basis.y() - (nagel ? h * 0.42 : 0);
    const double bh = y0 - (basis.y() - h);
    const double yOben = y0 - bh * 0.78;
    const double nagelB = h * 0.05;
    QPolygonF rechts;
    if (nagel) rechts << QPointF(nagelB * 0.8, basis.y()) << QPointF(nagelB, y0);
    for (int i = 0; i <= 20; ++i) {
        const double t = i / 20.0;
        const double start = nagel ? nagelB : 2.0;
        rechts << QPointF(start + (b - start) * std::pow(std::sin(t * M_PI / 2), nagel ? 0.7 : 1.4),
                          y0 - t * (y0 - yOben));
    }
    QPolygonF kante;
    for (int i = 0; i <= 160; ++i) {
        const double x = b - 2 * b * i / 160.0;
        const double u = std::abs(x) / b;
        double y = yOben - bh * 0.22 * std::sqrt(std::max(0.0, 1 - u * u));
        switch (form) {
        case 'n': {
            const double v = std::fmod((x + b) / (b / 3.5), 1.0);
            // tips at both edges
            y += bh * 0.07 * (v < 0.5 ? v * 2 : (1 - v) * 2);
            break;
        }
        case 'a':
            y += bh * 0.2 * std::max(0.0, 1 - u / 0.28);
            break;
        case 'z':
            y += bh * 0.72 * std::max(0.0, 1 - u / 0.16);
            break;
        case 'f': {
            // Seven narrow lobes; the slits lie between them, none at the edges.
            const double v = std::fmod((x + b) / (2 * b / 7) + 0.5, 1.0);
            y += bh * 0.5 * std::max(0.0, 1 - std::min(v, 1 - v) / 0.16);
            break;
        }
        default:
            break;
        }
        kante << QPointF(basis.x() + x, y);
    }
    QPolygonF umriss;
    for (const QPointF& p : rechts)
        umriss << QPointF(basis.x() + p.x(), p.y());
    umriss << kante;
    for (int i = rechts.size() - 1; i >= 0; --i)
        umriss << QPointF(basis.x() - rechts[i].x(), rechts[i].y());
    const QPainterPath pfad = Polygonpfad(umriss);
    if (haare == 'w')
        Haare(z, pfad, z.Gr(10, 14), false, [&](QPointF p) { return p.y() > y0 + 4; });
    z.Flaeche(pfad, farbe);
    for (double dx : {-0.4, 0.0, 0.4})
        z.Kurve({basis.x() + dx * nagelB, basis.y() - 4}, {basis.x() + dx * b * 0.8, y0 - bh * 0.3},
                {basis.x() + dx * b * 1.2, yOben}, TStrich::Fein, farbe.darker(140));
    if (haare == 'b')
        for (int i = 0; i < 14; ++i) {
            const QPointF p(basis.x() + (i % 7 - 3) * b * 0.12, y0 - 8 - (i / 7) * 14);
            z.Linie(p, p + QPointF((i % 3 - 1) * 4, -z.Gr(12, 18)), TStrich::Normal,
                    farbe.darker(190));
        }
    if (kroenchen)
        for (double s : {-1.0, 1.0}) {
            QPainterPath schuppe({basis.x() + s * 4, y0 + 4});
            schuppe.cubicTo(basis.x() + s * 6, y0 - 40, basis.x() + s * 26, y0 - 44,
                            basis.x() + s * 22, y0 + 4);
            schuppe.closeSubpath();
            z.Flaeche(schuppe, Farbe::AkzentFlaeche, TStrich::Normal, Farbe::Akzent);
        }
}

void Kronblattbild(TZeichner& z, char form, bool nagel, bool kroenchen, char haare)
{
    Kronblatt18(z, {MitteX, 286}, 274, form, nagel, kroenchen, haare);
}

// A tubular calyx from the side, basis at its foot: 'v' a tube with five teeth, 'a' inflated
// into a bladder; the petals' blades spread above it.
void KelchSeite(TZeichner& z, QPointF basis, double h, char art, const QColor& krone,
                char kronform = 'a', bool aussenkelch = false)
{
    const double x = basis.x(), y = basis.y();
    const double w = art == 'a' ? h * 0.36 : h * 0.16;
    const double oben = y - h;
    for (double wk : {-160.0, -125.0, -90.0, -55.0, -20.0}) {
        const QPointF a(x, oben + 8);
        Rahmen(z, a, wk + 90, 1, [&] {
            Kronblatt18(z, {0, 0}, h * 0.75, kronform, false, false, 'k', krone);
        });
    }
    QPainterPath kelch;
    if (art == 'a') {
        kelch.moveTo(x - 8, y);
        kelch.cubicTo(x - w * 1.3, y - h * 0.2, x - w * 1.2, oben + h * 0.15, x - w * 0.45, oben);
        kelch.lineTo(x + w * 0.45, oben);
        kelch.cubicTo(x + w * 1.2, oben + h * 0.15, x + w * 1.3, y - h * 0.2, x + 8, y);
    } else {
        kelch.moveTo(x - w * 0.8, y);
        kelch.lineTo(x - w, oben + 12);
        for (int i = 0; i < 5; ++i) {
            const double x0 = x - w + i * 2 * w / 5;
            kelch.lineTo(x0 + w / 5, oben - 14);
            kelch.lineTo(x0 + 2 * w / 5, oben + 12);
        }
        kelch.lineTo(x + w * 0.8, y);
    }
    kelch.closeSubpath();
    z.Flaeche(kelch, art == 'a' ? QColor(0xdd, 0xe8, 0xc8) : Farbe::Kelch);
    Geklemmt(z, kelch, [&] {
        for (int i = -2; i <= 2; ++i)
            z.Kurve({x + i * w * 0.3, y}, {x + i * w * (art == 'a' ? 1.1 : 0.4), y - h * 0.5},
                    {x + i * w * 0.35, oben}, TStrich::Fein);
        if (art == 'a')
            for (int i = 0; i < 6; ++i)
                z.Linie({x - w, y - h * (0.2 + i * 0.13)}, {x + w, y - h * (0.28 + i * 0.13)},
                        TStrich::Fein, Farbe::Linie.lighter(170));
    });
    z.Umriss(kelch);
    if (aussenkelch)
        // Two pairs of broad scales pressed to the foot of the calyx, each with a short point.
        for (double dx : {-0.6, 0.6, -0.2, 0.2}) {
            const double mx = x + dx * w;
            QPainterPath schuppe({mx - w * 0.55, y});
            schuppe.cubicTo(mx - w * 0.6, y - h * 0.2, mx - w * 0.3, y - h * 0.3, mx, y - h * 0.46);
            schuppe.cubicTo(mx + w * 0.3, y - h * 0.3, mx + w * 0.6, y - h * 0.2, mx + w * 0.55, y);
            schuppe.closeSubpath();
            z.Flaeche(schuppe, QColor(0x8f, 0xb5, 0x6c));
            z.Linie({mx, y - 4}, {mx, y - h * 0.4}, TStrich::Fein);
        }
    z.Linie({x, Unten}, {x, y}, TStrich::Achse);
}

void KelchFrei(TZeichner& z, QPointF basis, double h)
{
    z.Linie({basis.x(), Unten}, basis, TStrich::Achse);
    for (double w : {-150.0, -30.0, -118.0, -62.0}) {
        Rahmen(z, basis, w + 90, 1, [&] {
            Kronblatt18(z, {0, 0}, h, 'z', false, false, 'k', Bluetenfarbe::Weiss);
        });
    }
    for (double w : {-134.0, -90.0, -46.0})
        Kelchblatt(z, basis, w, h * 0.62, h * 0.22);
}

void Androgynophor(TZeichner& z, bool vorhanden)
{
    const double boden = 262;
    const double knoten = vorhanden ? 186 : boden - 10;
    QPainterPath wand;
    wand.moveTo(MitteX - 70, 40);
    wand.lineTo(MitteX - 54, boden);
    wand.quadTo(MitteX, boden + 24, MitteX + 54, boden);
    wand.lineTo(MitteX + 70, 40);
    wand.lineTo(MitteX + 56, 40);
    wand.lineTo(MitteX + 42, boden - 8);
    wand.quadTo(MitteX, boden + 8, MitteX - 42, boden - 8);
    wand.lineTo(MitteX - 56, 40);
    wand.closeSubpath();
    z.Linie({MitteX, Unten}, {MitteX, boden + 10}, TStrich::Achse);
    z.Flaeche(wand, Farbe::Kelch);
    if (vorhanden) {
        QPainterPath stiel;
        stiel.addRect(QRectF(MitteX - 8, knoten, 16, boden - knoten + 4));
        z.Flaeche(stiel, Farbe::AkzentFlaeche, TStrich::Normal, Farbe::Akzent);
    }
    for (double s : {-1.0, 1.0}) {
        z.Kurve({MitteX + s * 10, knoten}, {MitteX + s * 30, knoten - 60}, {MitteX + s * 40, 30},
                TStrich::Achse, Bluetenfarbe::Rosa.darker(130));
        Staubblatt(z, {MitteX + s * 14, knoten}, {MitteX + s * 24, knoten - 90}, z.Gr(6, 10));
    }
    z.Ellipse({MitteX, knoten - 36}, 24, 36, Farbe::Kelch.lighter(110));
    for (double w : {-110.0, -90.0, -70.0})
        z.Linie({MitteX, knoten - 70}, Weiter({MitteX, knoten - 70}, w, 44), TStrich::Normal);
}

TBlatt Nelkenblatt(TNervatur nerven = TNervatur::Mittelnerv)
{
    TBlatt b{TBlattform::Lanzettlich, 250, 78, TRand::Ganz, nerven};
    return b;
}

void NelkeBehaarung(TZeichner& z, char art)
{
    const TBlatt b = Nelkenblatt();
    const QPainterPath pfad = GrossesBlattLage(b).map(BlattPfad(b));
    const double fuss = pfad.boundingRect().bottom();
    if (art == 'b') Haare(z, pfad, z.Gr(10, 14), false);
    if (art == 'd') Haare(z, pfad, z.Gr(12, 16), true);
    if (art == 'w')
        Haare(z, pfad, z.Gr(14, 18), false, [fuss](QPointF p) { return p.y() > fuss - 90; });
    GrossesBlatt(z, b);
    if (art == 'b') Geklemmt(z, pfad, [&] { Streu(z, pfad, z.Gr(16, 22), 1); });
    if (art == 'd') Geklemmt(z, pfad, [&] { Streu(z, pfad, z.Gr(18, 24), 2); });
}

// A node of the stem with its pair of leaves.
void NelkeKnoten(TZeichner& z, char stiel, bool stipeln)
{
    const double y = 168;
    const double l = stiel == 'v' ? 170 : 140;
    if (stiel == 'v') {
        QPainterPath scheide;
        scheide.addRoundedRect(QRectF(MitteX - 16, y - 8, 32, 42), 6, 6);
        z.Linie({MitteX, Unten}, {MitteX, 14}, TStrich::Stark, QColor(0x6e, 0x9a, 0x52));
        z.Flaeche(scheide, Graugruen);
        z.Linie({MitteX - 16, y + 2}, {MitteX + 16, y + 2}, TStrich::Fein);
    } else {
        z.Linie({MitteX, Unten}, {MitteX, 14}, TStrich::Stark, QColor(0x6e, 0x9a, 0x52));
    }
    for (double s : {-1.0, 1.0}) {
        TBlatt b{stiel == 'v' ? TBlattform::Lineal : TBlattform::Lanzettlich,
                 stiel == 'g' ? l * 0.8 : l, stiel == 'v' ? 16.0 : 40.0, TRand::Ganz,
                 TNervatur::Mittelnerv};
        b.Stiel = stiel == 'g' ? 44 : 0;
        if (stiel == 'v') b.Fuellung = Graugruen;
        ZeichneBlatt(z, {MitteX + s * (stiel == 'v' ? 14 : 4), y - (stiel == 'v' ? 6 : 0)},
                     s > 0 ? -28 : -152, b);
    }
    if (stipeln)
        for (double s : {-1.0, 1.0}) {
            QPainterPath st({MitteX + s * 4, y + 4});
            st.lineTo(MitteX + s * 40, y - 44);
            st.lineTo(MitteX + s * 22, y - 50);
            st.lineTo(MitteX + s * 4, y - 10);
            st.closeSubpath();
            z.Flaeche(st, Haeutig, TStrich::Normal, QColor(0x80, 0x80, 0x70));
            z.Linie({MitteX + s * 8, y - 6}, {MitteX + s * 28, y - 42}, TStrich::Fein,
                    QColor(0x80, 0x80, 0x70));
        }
    z.Linie({MitteX - 6, y}, {MitteX + 6, y}, TStrich::Normal);
}

void NelkeNervatur(TZeichner& z, TNervatur nerven)
{
    TBlatt b = Nelkenblatt(nerven);
    if (nerven != TNervatur::Mittelnerv) b.Breite = 110;
    if (nerven == TNervatur::Fieder) b.Form = TBlattform::Elliptisch;
    GrossesBlatt(z, b);
}

// A flower stalk with its calyx: glabrous, hairy or glandular.
void BlstBehaarung(TZeichner& z, char art)
{
    QPainterPath stiel;
    stiel.addRect(QRectF(MitteX - 5, 150, 10, Unten - 150));
    QPainterPath kelch({MitteX - 26, 160});
    kelch.cubicTo(MitteX - 50, 120, MitteX - 42, 60, MitteX - 30, 40);
    kelch.lineTo(MitteX + 30, 40);
    kelch.cubicTo(MitteX + 42, 60, MitteX + 50, 120, MitteX + 26, 160);
    kelch.closeSubpath();
    const QPainterPath alles = stiel.united(kelch);
    if (art != 'k') Haare(z, alles, z.Gr(12, 16), art == 'd');
    z.Flaeche(alles, Farbe::Kelch);
    for (double s : {-1.0, 1.0})
        Kronblatt(z, {MitteX + s * 10, 44}, -90 + s * 30, 70, 46, Bluetenfarbe::Weiss, true);
    for (int i = -2; i <= 2; ++i)
        z.Linie({MitteX + i * 7, 156}, {MitteX + i * 11, 44}, TStrich::Fein);
    if (art == 'd') z.Maler().fillRect(QRectF(MitteX - 5, 210, 10, 30), QColor(0x8a, 0x4a, 0x2a));
}

void NelkeFrucht(TZeichner& z, const char* art)
{
    const QString a = T(art);
    const double boden = 262;
    z.Linie({MitteX, Unten}, {MitteX, boden}, TStrich::Achse);
    if (a == u"B") {
        for (double w : {-160.0, -125.0, -55.0, -20.0})
            Kelchblatt(z, {MitteX, boden}, w, 90, 34);
        z.Kreis({MitteX, 156}, 88, Schwarz);
        z.Ellipse({MitteX - 34, 118}, 20, 12, QColor(0x8a, 0x80, 0x78), TStrich::Fein,
                  QColor(0x8a, 0x80, 0x78));
        return;
    }
    if (a == u"N") {
        QPainterPath urne({MitteX - 40, boden});
        urne.cubicTo(MitteX - 70, 200, MitteX - 60, 150, MitteX - 50, 120);
        urne.lineTo(MitteX + 50, 120);
        urne.cubicTo(MitteX + 60, 150, MitteX + 70, 200, MitteX + 40, boden);
        urne.closeSubpath();
        z.Flaeche(urne, Farbe::Kelch);
        for (int i = 0; i < 5; ++i) {
            const double x = MitteX - 50 + i * 25;
            Kelchblatt(z, {x, 124}, -90 + (i - 2) * 14, 100, 26);
        }
        z.Ellipse({MitteX, 190}, 34, 44, Farbe::Frucht, TStrich::Normal);
        z.Strichlinie({MitteX - 50, 120}, {MitteX + 50, 120});
        return;
    }
    for (double w : {-150.0, -30.0, -120.0, -60.0})
        Kelchblatt(z, {MitteX, boden}, w, 96, 30);
    if (a == u"Kz") {
        QPainterPath kapsel({MitteX - 44, 70});
        kapsel.cubicTo(MitteX - 70, 140, MitteX - 66, boden, MitteX, boden);
        kapsel.cubicTo(MitteX + 66, boden, MitteX + 70, 140, MitteX + 44, 70);
        kapsel.closeSubpath();
        z.Flaeche(kapsel, Farbe::Frucht);
        for (int i = 0; i < 6; ++i) {
            const double x = MitteX - 44 + i * 17.6;
            QPainterPath zahn({x, 72});
            zahn.quadTo(x + (i - 2.5) * 6, 40, x + 8.8 + (i - 2.5) * 14, 34);
            zahn.lineTo(x + 17.6, 72);
            zahn.closeSubpath();
            z.Flaeche(zahn, Farbe::Frucht);
        }
        return;
    }
    // Valves split nearly to the base and spread.
    for (double w : {-140.0, -90.0, -40.0}) {
        TBlatt klappe{TBlattform::Eifoermig, 190, 70, TRand::Ganz, TNervatur::Mittelnerv};
        klappe.Fuellung = Farbe::Frucht;
        ZeichneBlatt(z, {MitteX, boden - 10}, w, klappe);
    }
    for (double dx : {-12.0, 0.0, 12.0})
        z.Kreis({MitteX + dx, boden - 34 - std::abs(dx)}, 8, Farbe::Samen, TStrich::Fein);
}

void KapselZaehne(TZeichner& z, int zahl)
{
    const QPointF m(MitteX - 6, 146);
    for (int i = 0; i < zahl; ++i) {
        const double w = -90 + 360.0 * i / zahl;
        const double halb = 180.0 / zahl * 0.9;
        QPainterPath zahn(Weiter(m, w - halb, 58));
        zahn.quadTo(Weiter(m, w - halb * 0.4, 110), Weiter(m, w, 128));
        zahn.quadTo(Weiter(m, w + halb * 0.4, 110), Weiter(m, w + halb, 58));
        zahn.closeSubpath();
        z.Flaeche(zahn, Farbe::Frucht);
    }
    z.Kreis(m, 62, Farbe::Frucht.darker(112));
    z.Kreis(m, 34, QColor(0x6a, 0x4a, 0x2e));
    Zahl(z, QByteArray::number(zahl).constData());
}

void Griffel(TZeichner& z, int zahl)
{
    const QPointF basis(MitteX - 8, 270);
    z.Linie({basis.x(), Unten}, basis, TStrich::Achse);
    z.Ellipse({basis.x(), basis.y() - 60}, 52, 62, Farbe::Kelch);
    const QPointF top(basis.x(), basis.y() - 116);
    for (int i = 0; i < zahl; ++i) {
        const double w = -90 + (i - (zahl - 1) / 2.0) * (120.0 / std::max(1, zahl - 1));
        const QPointF e = Weiter(top, w, 150);
        z.Kurve(top, Weiter(top, w * 0.5 - 45, 70), e, TStrich::Achse);
        z.Kreis(e, z.Gr(5, 8), Farbe::Kelch, TStrich::Fein);
    }
    Zahl(z, QByteArray::number(zahl).constData());
}

void NelkeOben(TZeichner& z, const QColor& farbe, int kelch, int staub, double rKrone = 134,
               double rKelch = 0, bool ausgerandet = true)
{
    const QPointF m(MitteX, 150);
    if (rKelch > 0) BlueteOben(z, m, rKelch, {0, farbe, false, kelch, 0, 0});
    TBlueteOben b{rKrone > 0 ? 5 : 0, farbe, false, rKelch > 0 ? 0 : kelch, staub, 3};
    b.Ausgerandet = ausgerandet;
    b.Kronblattbreite = 1.2;
    BlueteOben(z, m, rKrone > 0 ? rKrone : rKelch, b);
}

void Stengel(TZeichner& z, char art)
{
    const QColor gruen(0x9c, 0xc4, 0x78);
    switch (art) {
    case 'a':
    case '4': {
        const double x = 96;
        QPainterPath st;
        st.addRect(QRectF(x - 18, 20, 36, Unten - 20));
        z.Flaeche(st, gruen);
        if (art == '4')
            for (double dx : {-8.0, 8.0})
                z.Linie({x + dx, 20}, {x + dx, Unten}, TStrich::Normal);
        for (double s : {-1.0, 1.0}) {
            TBlatt b{TBlattform::Lanzettlich, 100, 28, TRand::Ganz, TNervatur::Mittelnerv};
            ZeichneBlatt(z, {x + s * 16, 200}, s > 0 ? -30 : -150, b);
        }
        // The stem cut across beside it.
        z.Strichlinie({x + 22, 120}, {x + 96, 120});
        QPainterPath schnitt;
        if (art == 'a')
            schnitt.addEllipse(QPointF(236, 120), 62, 62);
        else
            schnitt.addRect(QRectF(178, 62, 116, 116));
        z.Flaeche(schnitt, Farbe::Schnitt);
        z.Kreis({236, 120}, 22, gruen.lighter(120), TStrich::Fein);
        break;
    }
    case 'h': {
        QPainterPath st;
        st.addRect(QRectF(MitteX - 14, 8, 28, Unten - 8));
        z.Flaeche(st, gruen);
        for (int k = 0; k < 3; ++k) {
            const double y = 250 - k * 100;
            const double s = k % 2 ? -1 : 1;
            for (double x : {-1.0, 1.0}) {
                TBlatt b{TBlattform::Eifoermig, 86, 50, TRand::Ganz, TNervatur::Mittelnerv};
                b.Stiel = 10;
                ZeichneBlatt(z, {MitteX + x * 12, y}, x > 0 ? -20 : -160, b);
            }
            for (double yy = y - 8; yy > y - 92; yy -= 6)
                z.Linie({MitteX + s * 14, yy}, {MitteX + s * 26, yy - 4}, TStrich::Fein);
        }
        break;
    }
    case 'n':
        z.Boden(230);
        z.Kurve({30, 226}, {160, 236}, {296, 222}, TStrich::Achse);
        for (double x : {70.0, 150.0, 230.0}) {
            for (int k = -1; k <= 1; ++k)
                z.Linie({x, 229}, {x + k * 10, 262}, TStrich::Fein, Farbe::Holz);
            for (double s : {-1.0, 1.0})
                Blaettchen(z, {x, 226}, s > 0 ? -30 : -150, 44, 0, TBlattform::Eifoermig);
        }
        z.Kurve({280, 224}, {296, 200}, {284, 160}, TStrich::Achse);
        BlueteOben(z, {284, 146}, 26, {5, Bluetenfarbe::Weiss, false, 0, 0, 1});
        break;
    case 'p': {
        z.Boden(250);
        QPainterPath polster({30, 250});
        polster.cubicTo(40, 120, 280, 120, 290, 250);
        polster.closeSubpath();
        z.Flaeche(polster, QColor(0x8f, 0xbf, 0x6a));
        Geklemmt(z, polster, [&] {
            for (double y = 150; y < 250; y += 14)
                for (double x = 30 + std::fmod(y, 28); x < 290; x += 22)
                    z.Kurve({x, y + 8}, {x - 2, y}, {x + 4, y - 8}, TStrich::Fein);
        });
        z.Umriss(polster);
        for (QPointF p : {QPointF(90, 170), QPointF(160, 146), QPointF(228, 168), QPointF(124, 200),
                          QPointF(200, 206)})
            BlueteOben(z, p, 24, {5, Bluetenfarbe::Rosa, false, 0, 0, 0});
        break;
    }
    default: { // scrambling over other plants with spreading branches
        for (double x : {50.0, 120.0, 200.0, 280.0})
            z.Kurve({x, Unten}, {x + 6, 180}, {x - 4, 40}, TStrich::Normal, Farbe::Kelch);
        z.Kurve({30, Unten}, {70, 140}, {296, 60}, TStrich::Achse);
        for (double t : {0.3, 0.52, 0.74}) {
            const QPointF p(30 + t * 266, Unten - t * 250 + t * t * 40);
            for (double w : {-150.0, 30.0}) {
                const QPointF e = Weiter(p, w + 20, 70);
                z.Linie(p, e, TStrich::Achse);
                for (double s : {-1.0, 1.0})
                    Blaettchen(z, Mitte(p, e, 0.7), w + 20 + s * 70, 30, 0,
                               TBlattform::Lanzettlich);
            }
        }
    }
    }
}

// ---- Key 19: Chenopodium -------------------------------------------------------------------

// Outlines of goosefoot leaves, base at (mx, basis), about h tall.
QPainterPath GaensefussBlatt(char form, double mx, double basis, double h)
{
    const double k = h / 220;
    auto P = [&](double x, double y, bool e = false) { return TP{x * k, basis - y * k, e}; };
    switch (form) {
    case 's':
        return Spreite(mx, {P(0, 0, true), P(40, -2), P(94, -16, true), P(80, 30), P(56, 100),
                            P(26, 170), P(0, 220, true)});
    case 'h':
        return Spreite(mx, {P(0, 8, true), P(30, -10), P(84, -6), P(112, 26, true), P(86, 46, true),
                            P(98, 80, true), P(70, 94, true), P(72, 128, true), P(46, 140, true),
                            P(28, 186), P(0, 226, true)});
    case 'r': {
        const QPainterPath glatt = Spreite(mx, {P(0, 0, true), P(40, 40), P(74, 90, true),
                                                P(52, 150), P(20, 200), P(0, 222, true)});
        return Zaehne(glatt, 26 * k, 10 * k,
                      [&](QPointF p) { return p.y() < basis - 50 * k && p.y() > basis - 204 * k; });
    }
    case '3':
        return Spreite(mx, {P(0, 0, true), P(26, 18), P(64, 58, true), P(40, 76), P(26, 92, true),
                            P(26, 140), P(20, 190), P(0, 222, true)});
    case 'l': {
        const QPainterPath glatt =
            Spreite(mx, {P(0, 0, true), P(26, 30), P(40, 100), P(32, 170), P(0, 222, true)});
        return Zaehne(
            glatt, 40 * k, 10 * k,
            [&](QPointF p) { return p.y() < basis - 30 * k && p.y() > basis - 200 * k; }, true);
    }
    case 'g':
        return Spreite(mx,
                       {P(0, 0, true), P(50, 40), P(62, 100), P(44, 170), P(16, 210), P(0, 216)});
    default: // pinnately lobed
        return Spreite(mx, {P(0, 0, true), P(22, 8), P(66, 16, true), P(40, 42, true),
                            P(72, 66, true), P(38, 88, true), P(58, 116, true), P(30, 132, true),
                            P(40, 160, true), P(18, 174, true), P(16, 198), P(0, 216, true)});
    }
}

void GaensefussForm(TZeichner& z, char form)
{
    const QPainterPath s = GaensefussBlatt(form, MitteX, 240, 222);
    Blatt(z, s, {MitteX, 240}, {MitteX, 20}, TNervatur::Fieder, Unten);
}

// A goosefoot shoot tip: glomerules as art says.
void GaensefussStand(TZeichner& z, char art)
{
    const double r = z.Gr(14, 19);
    auto gabel = [&](auto&& selbst, QPointF a, double w, double l, int stufe) -> void {
        const QPointF e = Weiter(a, w, l);
        z.Linie(a, e, stufe >= 2 ? TStrich::Achse : TStrich::Normal);
        if (stufe > 0) {
            selbst(selbst, e, w - 38, l * 0.7, stufe - 1);
            selbst(selbst, e, w + 38, l * 0.7, stufe - 1);
        }
        if (art == 'd')
            Bl(z, e, z.Gr(9, 13), QColor(0xe6, 0xf0, 0xd4));
        else if (stufe == 0)
            Knaeuelchen(z, e, r);
    };
    switch (art) {
    case 'k':
        z.Linie({MitteX, Unten}, {MitteX, 30}, TStrich::Achse);
        for (int i = 0; i < 2; ++i)
            Blaettchen(z, {MitteX, 270.0 - i * 40}, i ? -150 : -30, 70, 0.3);
        Scheinaehre(z, Gerade({MitteX, 200}, {MitteX, 12}), z.Gr(28, 32));
        for (int i = 0; i < 3; ++i)
            for (double s : {-1.0, 1.0}) {
                const QPointF a(MitteX, 196 - i * 44 - (s + 1) * 8);
                Scheinaehre(z, Gerade(a, a + QPointF(s * (70 - i * 16), -70 + i * 8)),
                            z.Gr(24, 28));
            }
        break;
    case 'l':
    case 'd':
        z.Linie({MitteX, Unten}, {MitteX, 220}, TStrich::Achse);
        Blaettchen(z, {MitteX, 266}, -150, 80, 0.3);
        for (double w : {-140.0, -90.0, -40.0})
            gabel(gabel, {MitteX, 220}, w, w == -90 ? 64 : 70, 2);
        break;
    case 'a':
        z.Linie({MitteX, Unten}, {MitteX, 30}, TStrich::Achse);
        for (int i = 0; i < 4; ++i) {
            const double y = 262 - i * 62;
            const double s = i % 2 ? -1 : 1;
            Blaettchen(z, {MitteX, y}, s > 0 ? -28 : -152, 96 - i * 12, 0.35,
                       TBlattform::Lanzettlich);
            for (int k = 0; k < 2; ++k)
                Knaeuelchen(z, {MitteX + s * 18, y - 18}, z.Gr(26, 30));
        }
        Knaeuelchen(z, {MitteX, 30}, z.Gr(24, 28));
        break;
    default: { // a leafless pyramid of spikes
        z.Linie({MitteX, Unten}, {MitteX, 18}, TStrich::Achse);
        for (int i = 0; i < 2; ++i)
            Blaettchen(z, {MitteX, 276.0 - i * 26}, i ? -150 : -30, 80, 0.3);
        for (int i = 0; i < 4; ++i)
            for (double s : {-1.0, 1.0}) {
                const QPointF a(MitteX, 212 - i * 44 - (s + 1) * 6);
                Scheinaehre(z, Gerade(a, a + QPointF(s * (100 - i * 24), -40)), z.Gr(20, 24));
            }
        Scheinaehre(z, Gerade({MitteX, 60}, {MitteX, 10}), z.Gr(20, 24));
    }
    }
}

// A flower with its fruit from the side.
void GaensefussFrucht(TZeichner& z, char art)
{
    const QPointF basis(MitteX, 250);
    z.Linie({MitteX, Unten}, basis, TStrich::Achse);
    if (art == 'b') {
        QPainterPath stand;
        stand.addEllipse(QPointF(MitteX, 150), 100, 104);
        z.Flaeche(stand, Bluetenfarbe::Rot);
        for (int i = 0; i < 12; ++i) {
            const QPointF p = Weiter({MitteX, 150}, i * 30 + 10, i % 2 ? 60 : 30);
            z.Kreis(p, z.Gr(18, 24), Bluetenfarbe::Rot.lighter(115), TStrich::Fein);
        }
        return;
    }
    if (art == 's') {
        z.Ellipse({MitteX, 170}, 60, 46, Schwarz);
        z.Ellipse({MitteX - 20, 156}, 16, 8, QColor(0x8a, 0x80, 0x78), TStrich::Fein,
                  QColor(0x8a, 0x80, 0x78));
        for (double w : {-170.0, -140.0, -40.0, -10.0}) {
            TBlatt p{TBlattform::Eifoermig, 100, 54, TRand::Ganz, TNervatur::Mittelnerv};
            p.Fuellung = Farbe::Kelch;
            ZeichneBlatt(z, basis, w, p);
        }
        return;
    }
    // The five tepals close over the fruit.
    for (int i = 0; i < 5; ++i) {
        const double x = MitteX + (i - 2) * 34;
        QPainterPath tepal({MitteX + (i - 2) * 14, basis.y()});
        tepal.cubicTo(x - 40 + (i == 2 ? 20 : 0), 200, x - 20, 110, MitteX + (i - 2) * 6, 80);
        tepal.cubicTo(x + 20, 110, x + 40 - (i == 2 ? 20 : 0), 200, MitteX + (i - 2) * 14 + 1,
                      basis.y());
        z.Flaeche(tepal, i == 2 ? Farbe::Kelch : Farbe::Kelch.darker(106));
    }
}

void Mehl(TZeichner& z, bool mehlig)
{
    z.Linie({MitteX, Unten}, {MitteX, 230}, TStrich::Achse);
    QPainterPath stand;
    for (QPointF p : {QPointF(MitteX, 170), QPointF(MitteX - 56, 120), QPointF(MitteX + 56, 120),
                      QPointF(MitteX, 70), QPointF(MitteX - 60, 210), QPointF(MitteX + 60, 210)}) {
        Knaeuelchen(z, p, 52);
        QPainterPath k;
        k.addEllipse(p, 54, 54);
        stand = stand.united(k);
    }
    if (mehlig) Geklemmt(z, stand, [&] { Streu(z, stand, z.Gr(12, 16), 0); });
}

void GaensefussPerigon(TZeichner& z, char art)
{
    const int n = art == '3' ? 3 : 5;
    const QPointF m(MitteX, 150);
    TBlueteOben b{n, Farbe::Kelch, false, 0, n, 2};
    b.Kronblattbreite = 1.25;
    BlueteOben(z, m, 134, b);
    if (art == 'k')
        for (int i = 0; i < n; ++i) {
            const double w = -90 + 360.0 * i / n;
            z.Linie(Weiter(m, w, 56), Weiter(m, w, 118), TStrich::Stark, Farbe::Kelch.darker(160));
        }
    Zahl(z, n == 5 ? "5" : "2–4");
}

void SamenLage(TZeichner& z, QPointF basis, double g, bool waagerecht)
{
    for (double w : {-165.0, -130.0, -50.0, -15.0}) {
        TBlatt p{TBlattform::Eifoermig, g * 0.5, g * 0.3, TRand::Ganz, TNervatur::Keine};
        p.Fuellung = Farbe::Kelch;
        ZeichneBlatt(z, basis, w, p);
    }
    z.Linie({basis.x(), Unten}, basis, TStrich::Achse);
    const QPointF m(basis.x(), basis.y() - (waagerecht ? g * 0.22 : g * 0.42));
    if (waagerecht)
        z.Ellipse(m, g * 0.45, g * 0.14, Schwarz);
    else
        z.Ellipse(m, g * 0.14, g * 0.45, Schwarz);
}

void SamenOberflaeche(TZeichner& z, char art)
{
    const QPointF m(MitteX, 150);
    QPainterPath same;
    same.moveTo(m + QPointF(118, 4));
    same.arcTo(QRectF(m.x() - 120, m.y() - 120, 240, 240), 0, 350);
    same.lineTo(m + QPointF(80, 0));
    same.closeSubpath();
    z.Flaeche(same, art == 'g' ? Schwarz : QColor(0x40, 0x34, 0x2c));
    Geklemmt(z, same, [&] {
        if (art == 'g') {
            z.Ellipse(m + QPointF(-44, -56), 40, 18, QColor(0xc0, 0xc0, 0xc0), TStrich::Fein,
                      QColor(0xc0, 0xc0, 0xc0));
        } else if (art == 'p') {
            for (double y = 40; y < 270; y += z.Gr(18, 26))
                for (double x = 40 + std::fmod(y, 2 * z.Gr(18, 26)) / 2; x < 280; x += z.Gr(18, 26))
                    z.Kreis({x, y}, z.Gr(5, 8), QColor(0x7a, 0x6a, 0x5a), TStrich::Fein,
                            QColor(0x1a, 0x14, 0x10));
        } else {
            for (int i = 0; i < 26; ++i)
                z.Linie(Weiter(m, i * 13.8, 40), Weiter(m, i * 13.8, 130), TStrich::Normal,
                        QColor(0x9a, 0x8a, 0x7a));
        }
    });
}

// ---- Key 23: Euphorbia ---------------------------------------------------------------------

TBlatt WolfsmilchBlatt(char form)
{
    TBlatt b{TBlattform::Lanzettlich, 250, 64, TRand::Ganz, TNervatur::Fieder};
    if (form == 'l') b.Form = TBlattform::Lineal, b.Breite = 26, b.Nerven = TNervatur::Mittelnerv;
    if (form == 'e') b.Form = TBlattform::Elliptisch, b.Breite = 116;
    if (form == 'v') b.Form = TBlattform::Spatel, b.Breite = 130, b.Laenge = 236;
    b.Stiel = 14;
    return b;
}

// A small oblong leaf, its base oblique when schief.
QPainterPath Schiefblatt(bool schief)
{
    const double b = 240;
    const double rechts = schief ? 200 : b;
    return Glatt({{MitteX, b, true},
                  {MitteX - 42, b - 26},
                  {MitteX - 64, b - 100},
                  {MitteX - 40, b - 190},
                  {MitteX, b - 226, true},
                  {MitteX + 40, b - 190},
                  {MitteX + 62, b - 110},
                  {MitteX + 40, rechts - 20},
                  {MitteX + 4, rechts, true}});
}

void WolfsmilchForm(TZeichner& z, char form)
{
    if (form == 'o') {
        Blatt(z, Schiefblatt(true), {MitteX, 240}, {MitteX, 14}, TNervatur::Fieder, Unten);
        return;
    }
    GrossesBlatt(z, WolfsmilchBlatt(form));
}

void WolfsmilchRand(TZeichner& z, bool gesaegt)
{
    const TBlatt b = WolfsmilchBlatt('v');
    const QTransform lage = GrossesBlattLage(b);
    QPainterPath s = lage.map(BlattPfad(b));
    if (gesaegt) s = Zaehne(s, 22, 9, [](QPointF p) { return p.y() < 130; });
    const QPointF basis = lage.map(QPointF(0, 0));
    Blatt(z, s, basis, lage.map(QPointF(b.Laenge, 0)), TNervatur::Fieder,
          lage.map(QPointF(-b.Stiel, 0)).y());
}

void WolfsmilchHaare(TZeichner& z, bool behaart)
{
    const TBlatt b = WolfsmilchBlatt('e');
    const QPainterPath s = GrossesBlattLage(b).map(BlattPfad(b));
    if (behaart) Haare(z, s, z.Gr(10, 14), false);
    GrossesBlatt(z, b);
    if (behaart) Geklemmt(z, s, [&] { Streu(z, s, z.Gr(16, 22), 1); });
}

void Symmetrie(TZeichner& z, bool schief)
{
    Blatt(z, Schiefblatt(schief), {MitteX, 240}, {MitteX, 14}, TNervatur::Fieder, Unten);
}

// A cyathium as a small cup with its glands, seen from the side.
void Cyathium(TZeichner& z, QPointF p, double r)
{
    QPainterPath becher({p.x() - r, p.y() - r * 0.5});
    becher.quadTo(p.x() - r, p.y() + r * 0.8, p.x(), p.y() + r * 0.8);
    becher.quadTo(p.x() + r, p.y() + r * 0.8, p.x() + r, p.y() - r * 0.5);
    becher.closeSubpath();
    z.Flaeche(becher, QColor(0xc7, 0xdf, 0x96), TStrich::Fein);
    for (double dx : {-0.7, 0.0, 0.7})
        z.Ellipse({p.x() + dx * r, p.y() - r * 0.5}, r * 0.32, r * 0.2, Farbe::Druese,
                  TStrich::Fein);
}

void HochblattPaar(TZeichner& z, QPointF p, double l, TBlattform form = TBlattform::Eifoermig)
{
    for (double w : {-160.0, -20.0}) {
        TBlatt h{form, l, l * 0.8, TRand::Ganz, TNervatur::Keine};
        h.Fuellung = Hochblatt;
        h.Strich = TStrich::Fein;
        ZeichneBlatt(z, p, w, h);
    }
}

void WolfsmilchStand(TZeichner& z, char art)
{
    if (art == 'e') {
        z.Linie({MitteX, Unten}, {MitteX, 20}, TStrich::Achse);
        for (int i = 0; i < 4; ++i) {
            const double y = 262 - i * 66;
            for (double s : {-1.0, 1.0}) {
                Blaettchen(z, {MitteX, y}, s > 0 ? -20 : -160, 70 - i * 6, 0.1,
                           TBlattform::Elliptisch);
                Cyathium(z, {MitteX + s * 16, y - 22}, z.Gr(10, 14));
            }
        }
        return;
    }
    const QPointF dolde(MitteX, 190);
    z.Linie({MitteX, Unten}, dolde, TStrich::Achse);
    const int strahlen = art == 'd' ? 3 : 7;
    for (int i = 0; i < strahlen; ++i) {
        const double w = -160 + 140.0 * i / (strahlen - 1);
        const QPointF e = Weiter(dolde, w, art == 'd' ? 120 : 110);
        z.Linie(dolde, e, TStrich::Normal);
        HochblattPaar(z, e, z.Gr(22, 30));
        Cyathium(z, e + QPointF(0, -10), z.Gr(9, 13));
    }
    for (int i = 0; i < strahlen; ++i) {
        TBlatt b{TBlattform::Elliptisch, 60, 26, TRand::Ganz, TNervatur::Mittelnerv};
        ZeichneBlatt(z, dolde, 15 + 150.0 / (strahlen - 1) * i, b);
    }
}

// A cyathium seen from above: cup, glands on its rim, the three-lobed ovary in the middle.
void Druesen(TZeichner& z, char art)
{
    const QPointF m(MitteX, 150);
    z.Kreis(m, 76, QColor(0xc7, 0xdf, 0x96));
    for (int i = 0; i < 4; ++i) {
        const double w = 45 + 90.0 * i;
        Rahmen(z, Weiter(m, w, 86), w + 90, 1, [&] {
            QPainterPath d;
            if (art == 'm') {
                d.moveTo(-40, -24);
                d.quadTo(0, 16, 40, -24);
                d.quadTo(20, 26, 0, 22);
                d.quadTo(-20, 26, -40, -24);
            } else {
                d.addEllipse(QPointF(0, 0), 30, 18);
            }
            if (art == 'a') {
                QPainterPath anh;
                anh.addEllipse(QPointF(0, 36), 44, 30);
                z.Flaeche(anh, Farbe::Weiss);
            }
            z.Flaeche(d, Farbe::Druese);
        });
    }
    for (int i = 0; i < 3; ++i)
        z.Kreis(Weiter(m, -90 + 120 * i, 20), 24, Farbe::Kelch);
}

void WolfsmilchFrucht(TZeichner& z, char art)
{
    const QPointF m(MitteX, 150);
    QPainterPath frucht;
    for (int i = 0; i < 3; ++i) {
        QPainterPath lappen;
        lappen.addEllipse(Weiter(m, -90 + 120 * i, 48), 80, 80);
        frucht = frucht.united(lappen);
    }
    if (art == 'b') Haare(z, frucht, z.Gr(12, 16), false);
    if (art == 'f') Haare(z, frucht, z.Gr(14, 18), false);
    z.Flaeche(frucht, Farbe::Kelch);
    Geklemmt(z, frucht, [&] {
        for (int i = 0; i < 3; ++i)
            z.Linie(m, Weiter(m, 90 + 120 * i, 140), TStrich::Normal);
        if (art == 'w') Streu(z, frucht, z.Gr(26, 34), 3);
        if (art == 'f')
            for (int i = 0; i < 3; ++i)
                for (int k = 0; k < 4; ++k) {
                    const QPointF p = Weiter(m, -90 + 120 * i + (k - 1.5) * 22, 40 + k % 2 * 40);
                    z.Linie(p, p + QPointF(z.Gr(6, 9), -z.Gr(6, 9)), TStrich::Achse);
                }
        if (art == 'b') Streu(z, frucht, z.Gr(18, 24), 1);
        if (art == 'k')
            for (int i = 0; i < 3; ++i)
                for (double s : {-1.0, 1.0}) {
                    const double w = -90 + 120 * i;
                    const QPointF quer = Weiter({0, 0}, w + 90, s * 22);
                    z.Linie(m + quer + Weiter({0, 0}, w, 30), m + quer + Weiter({0, 0}, w, 130),
                            TStrich::Stark, Farbe::Kelch.darker(150));
                }
    });
    z.Umriss(frucht);
    z.Kreis(m, 10, Farbe::Kelch.darker(120), TStrich::Fein);
}

void HuellForm(TZeichner& z, char art)
{
    const QPointF p(MitteX, 200);
    z.Linie({MitteX, Unten}, p, TStrich::Achse);
    TBlattform f = TBlattform::Eifoermig;
    double l = 130, b = 110;
    switch (art) {
    case 'r':
        f = TBlattform::Niere, l = 100, b = 130;
        break;
    case 'd':
        f = TBlattform::Raute;
        break;
    case 'h':
        f = TBlattform::Herz;
        break;
    case 'l':
        f = TBlattform::Lanzettlich, b = 44;
        break;
    default:
        break;
    }
    for (double w : {-168.0, -12.0}) {
        TBlatt h{f, l, b, TRand::Ganz, TNervatur::Keine};
        h.Fuellung = Hochblatt;
        ZeichneBlatt(z, p, w, h);
    }
    z.Linie(p, {MitteX, 120}, TStrich::Normal);
    Cyathium(z, {MitteX, 106}, z.Gr(26, 32));
}

void HuellVerwachsung(TZeichner& z, bool verwachsen)
{
    if (!verwachsen) return HuellForm(z, 'e');
    const QPointF p(MitteX, 200);
    z.Linie({MitteX, Unten}, p, TStrich::Achse);
    z.Ellipse(p, 130, 54, Hochblatt);
    z.Kurve({MitteX - 120, 196}, {MitteX, 170}, {MitteX + 120, 196}, TStrich::Fein);
    z.Linie(p, {MitteX, 120}, TStrich::Normal);
    Cyathium(z, {MitteX, 106}, z.Gr(26, 32));
}

void WolfsmilchStipeln(TZeichner& z, bool vorhanden)
{
    const double y = 150;
    z.Linie({MitteX, Unten}, {MitteX, 14}, TStrich::Achse, QColor(0xa0, 0x50, 0x40));
    for (double s : {-1.0, 1.0}) {
        TBlatt b{TBlattform::Elliptisch, 120, 60, TRand::Gesaegt, TNervatur::Mittelnerv};
        b.Stiel = 10;
        ZeichneBlatt(z, {MitteX, y}, s > 0 ? -10 : -170, b);
        if (vorhanden)
            for (double d : {-1.0, 1.0}) {
                const QPointF a(MitteX + s * 6, y + d * 6);
                QPainterPath st(a + QPointF(0, -d * 4));
                st.lineTo(a + QPointF(s * 20, d * 30));
                st.lineTo(a + QPointF(s * 8, d * 2));
                st.closeSubpath();
                z.Flaeche(st, Farbe::AkzentFlaeche, TStrich::Normal, Farbe::Akzent);
            }
    }
}

void WolfsmilchSamen(TZeichner& z, char art)
{
    const QPointF m(MitteX, 156);
    QPainterPath same;
    same.addEllipse(m, 84, 118);
    z.Flaeche(same, QColor(0x9a, 0x92, 0x86));
    Geklemmt(z, same, [&] {
        switch (art) {
        case 'g':
            z.Ellipse(m + QPointF(-30, -50), 20, 34, QColor(0xd6, 0xd0, 0xc6), TStrich::Fein,
                      QColor(0xd6, 0xd0, 0xc6));
            break;
        case 'r':
            for (double y = 60; y < 270; y += z.Gr(18, 26)) {
                QPainterPath welle({MitteX - 90, y});
                for (int k = 0; k < 6; ++k)
                    welle.quadTo(MitteX - 75 + k * 30, y + (k % 2 ? -7 : 7), MitteX - 60 + k * 30,
                                 y);
                z.Umriss(welle, TStrich::Achse, QColor(0x4a, 0x40, 0x36));
            }
            break;
        case 'n':
            for (double y = 40; y < 280; y += z.Gr(24, 32))
                for (double x = 60 + std::fmod(y, 2 * z.Gr(24, 32)) / 2; x < 260; x += z.Gr(24, 32))
                    z.Ellipse({x, y}, z.Gr(9, 12), z.Gr(8, 11), QColor(0x6a, 0x60, 0x56),
                              TStrich::Fein, QColor(0x3a, 0x30, 0x26));
            break;
        default:
            Streu(z, same, z.Gr(22, 30), 3);
        }
    });
    z.Umriss(same);
    z.Ellipse({MitteX, 40}, 22, 12, QColor(0xe8, 0xdc, 0xb0), TStrich::Fein);
}

// ---- Key 44: Polygonum s.l. ----------------------------------------------------------------

QPainterPath KnoeterichBlatt(char form, double mx, double basis, double h)
{
    const double k = h / 232;
    auto P = [&](double x, double y, bool e = false) { return TP{x * k, basis - y * k, e}; };
    switch (form) {
    case 'l':
        return Spreite(mx, {P(0, 0, true), P(14, 30), P(20, 110), P(14, 180), P(0, 232, true)});
    case 'a':
        return Spreite(
            mx, {P(0, 0, true), P(26, 30), P(42, 90), P(34, 160), P(14, 205), P(0, 232, true)});
    case 'e':
        return Spreite(
            mx, {P(0, 0, true), P(46, 26), P(68, 96), P(52, 168), P(22, 212), P(0, 228, true)});
    case 'b':
        return Spreite(mx, {P(0, 0, true), P(60, 0), P(96, 40), P(90, 110), P(54, 170), P(20, 204),
                            P(0, 232, true)});
    default: // heart- to arrow-shaped, acuminate
        return Spreite(mx, {P(0, 18, true), P(26, -6), P(64, -8), P(88, 36), P(78, 106), P(46, 168),
                            P(16, 204), P(0, 232, true)});
    }
}

void KnoeterichForm(TZeichner& z, char form)
{
    const QPainterPath s = KnoeterichBlatt(form, MitteX, 250, 236);
    Blatt(z, s, {MitteX, 250}, {MitteX, 14},
          form == 'l' ? TNervatur::Mittelnerv : TNervatur::Fieder, Unten);
}

void Blattansatz(TZeichner& z, char art, bool rumex = false)
{
    const double basis = rumex ? 232 : 216;
    const double k = rumex ? 0.9 : 1;
    auto P = [&](double x, double y, bool e = false) { return TP{x * k, basis - y * k, e}; };
    std::vector<TP> r;
    switch (art) {
    case 'h':
        r = {P(0, 16, true), P(26, -14), P(66, -6), P(80, 40)};
        break;
    case 'f': // arrow: the auricles point down
        r = {P(0, 0, true), P(18, -4), P(30, -36), P(50, -60, true), P(56, -14), P(70, 30)};
        break;
    case 'p': // halberd: the auricles spread
        r = {P(0, 0, true), P(30, -2), P(96, -20, true), P(66, 20), P(64, 46)};
        break;
    case 'g':
        r = {P(0, 0, true), P(56, 0), P(74, 20), P(80, 50)};
        break;
    case 'a':
        r = {P(0, 0, true), P(34, 6), P(64, 26), P(80, 60)};
        break;
    default: // wedge
        r = {P(0, 0, true), P(18, 18), P(56, 60), P(76, 96)};
    }
    const double oben = rumex ? 244 : 216;
    if (rumex)
        for (const TP& q : {P(78, 110), P(66, 170), P(36, 220), P(0, oben, true)})
            r.push_back(q);
    else
        for (const TP& q : {P(80, 110), P(60, 160), P(26, 196), P(0, oben, true)})
            r.push_back(q);
    const QPainterPath s = Spreite(MitteX, r);
    Blatt(z, s, {MitteX, basis}, {MitteX, basis - oben * k}, TNervatur::Fieder, Unten);
}

// A dense cylindrical spike of small flowers from a to b.
void Walze(TZeichner& z, QPointF a, QPointF b, double dicke, const QColor& farbe)
{
    QPainterPath walze;
    walze.addRoundedRect(QRectF(a.x() - dicke / 2, b.y(), dicke, a.y() - b.y()), dicke / 2,
                         dicke / 2);
    z.Flaeche(walze, farbe);
    Geklemmt(z, walze, [&] {
        int i = 0;
        for (double y = a.y() - dicke * 0.2; y > b.y(); y -= dicke * 0.28, ++i)
            for (double dx = -dicke * 0.5 + (i % 2) * dicke * 0.2; dx < dicke * 0.6;
                 dx += dicke * 0.4)
                Bl(z, {a.x() + dx, y}, dicke * 0.13, farbe.lighter(115));
    });
    z.Umriss(walze);
}

// A slender flower spike: dense, loose and nodding, or with bulbils below.
void KnoeterichStand(TZeichner& z, char art)
{
    const double r = z.Gr(10, 14);
    switch (art) {
    case 'D': // dense cylindrical spike
        z.Linie({MitteX, Unten}, {MitteX, 140}, TStrich::Achse);
        Blaettchen(z, {MitteX, 250}, -40, 100, 0.2, TBlattform::Lanzettlich);
        Walze(z, {MitteX, 160}, {MitteX, 14}, z.Gr(64, 80), Bluetenfarbe::Rosa);
        break;
    case 'u': {
        z.Linie({MitteX - 40, Unten}, {MitteX - 40, 160}, TStrich::Achse);
        Blaettchen(z, {MitteX - 40, 250}, -30, 100, 0.2, TBlattform::Lanzettlich);
        const QPainterPath a = Bogen({MitteX - 40, 160}, {MitteX - 10, 10}, {MitteX + 90, 120});
        z.Umriss(a, TStrich::Normal);
        for (double t = 0.05; t < 1; t += 0.09)
            Bl(z, a.pointAtPercent(t) + QPointF(t * 8 - 4, 0), r * 0.8, Bluetenfarbe::Rosa);
        break;
    }
    case 't':
        z.Linie({MitteX, Unten}, {MitteX, 20}, TStrich::Achse);
        Blaettchen(z, {MitteX, 262}, -40, 90, 0.2, TBlattform::Lanzettlich);
        for (int i = 0; i < 12; ++i) {
            const double y = 214 - i * 16;
            const double s = i % 2 ? -1 : 1;
            if (i < 6)
                z.Ellipse({MitteX + s * 10, y}, z.Gr(9, 12), z.Gr(7, 10), QColor(0x9a, 0x4a, 0x3a),
                          TStrich::Fein);
            else
                Bl(z, {MitteX + s * 10, y}, r * 0.85, Bluetenfarbe::Weiss);
        }
        break;
    case 'b':
        z.Linie({MitteX, Unten}, {MitteX, 16}, TStrich::Achse);
        for (int i = 0; i < 4; ++i) {
            const double y = 262 - i * 66;
            const double s = i % 2 ? -1 : 1;
            Blaettchen(z, {MitteX, y}, s > 0 ? -30 : -150, 80 - i * 8, 0.05,
                       TBlattform::Lanzettlich);
            for (int k = 0; k < 3; ++k)
                Bl(z, {MitteX + s * (14 + k * 6), y - 14 - k * 12}, r * 0.75,
                   QColor(0xe6, 0xf0, 0xd4));
        }
        break;
    default: { // loose racemes from the axils
        z.Linie({MitteX, Unten}, {MitteX, 16}, TStrich::Achse);
        for (int i = 0; i < 3; ++i) {
            const double y = 270 - i * 84;
            const double s = i % 2 ? -1 : 1;
            Blaettchen(z, {MitteX, y}, s > 0 ? -160 : -20, 70, 0.25, TBlattform::Herz);
            const QPointF a(MitteX, y - 6);
            const QPointF e = a + QPointF(s * 104, -56);
            z.Linie(a, e, TStrich::Normal);
            for (double t = 0.25; t <= 1.0; t += 0.15) {
                const QPointF p = Mitte(a, e, t);
                z.Linie(p, p + QPointF(0, -22), TStrich::Fein);
                Bl(z, p + QPointF(0, -22), r * 0.6, Bluetenfarbe::Weiss);
            }
        }
    }
    }
}

void KnoeterichNuss(TZeichner& z, bool glaenzend)
{
    const QPointF m(MitteX, 150);
    QPainterPath nuss({MitteX, 22});
    nuss.cubicTo(MitteX + 60, 100, MitteX + 110, 220, MitteX, 270);
    nuss.cubicTo(MitteX - 110, 220, MitteX - 60, 100, MitteX, 22);
    z.Flaeche(nuss, glaenzend ? Schwarz : Nuss);
    z.Kurve({MitteX, 30}, {MitteX + 20, 160}, {MitteX, 266}, TStrich::Normal,
            QColor(0x9a, 0x8a, 0x7a));
    Geklemmt(z, nuss, [&] {
        if (glaenzend)
            z.Ellipse({MitteX - 34, 150}, 10, 54, QColor(0xd0, 0xd0, 0xd0), TStrich::Fein,
                      QColor(0xd0, 0xd0, 0xd0));
        else
            for (double y = 40; y < 270; y += z.Gr(10, 14))
                for (double x = 50 + std::fmod(y, 2 * z.Gr(10, 14)) / 2; x < 270; x += z.Gr(10, 14))
                    z.Punkt({x, y}, z.Gr(2, 3), QColor(0xa0, 0x86, 0x6a));
    });
}

void Fruchthuelle(TZeichner& z, char art)
{
    const double boden = 250;
    z.Linie({MitteX, Unten}, {MitteX, boden}, TStrich::Achse);
    if (art == 'r') {
        QPainterPath nuss({MitteX, 30});
        nuss.cubicTo(MitteX + 40, 90, MitteX + 70, 180, MitteX, 236);
        nuss.cubicTo(MitteX - 70, 180, MitteX - 40, 90, MitteX, 30);
        z.Flaeche(nuss, Nuss);
        z.Ellipse({MitteX - 16, 120}, 6, 34, QColor(0xc0, 0xa8, 0x90), TStrich::Fein,
                  QColor(0xc0, 0xa8, 0x90));
        for (double w : {-130.0, -90.0, -50.0}) {
            TBlatt p{TBlattform::Eifoermig, 80, 46, TRand::Ganz, TNervatur::Keine};
            p.Fuellung = QColor(0xe6, 0xf0, 0xd4);
            ZeichneBlatt(z, {MitteX, boden}, w, p);
        }
        return;
    }
    if (art == 'f')
        for (double s : {-1.0, 1.0}) {
            QPainterPath fluegel({MitteX, 290});
            fluegel.cubicTo(MitteX + s * 70, 250, MitteX + s * 170, 150, MitteX + s * 10, 40);
            fluegel.lineTo(MitteX, 60);
            fluegel.closeSubpath();
            z.Flaeche(fluegel, QColor(0xe6, 0xf0, 0xd4));
        }
    QPainterPath huelle({MitteX, 40});
    huelle.cubicTo(MitteX + 60, 100, MitteX + 80, 200, MitteX, boden);
    huelle.cubicTo(MitteX - 80, 200, MitteX - 60, 100, MitteX, 40);
    z.Flaeche(huelle, art == 'n' ? Bluetenfarbe::Rosa.lighter(115) : QColor(0xd6, 0xe6, 0xb8));
    for (double s : {-1.0, 1.0})
        z.Kurve({MitteX, 44}, {MitteX + s * 46, 140}, {MitteX + s * 4, boden - 4}, TStrich::Fein);
    if (art == 'k') z.Kurve({MitteX, 44}, {MitteX + 8, 150}, {MitteX, boden}, TStrich::Stark);
}

void Lebensform44(TZeichner& z, char art)
{
    switch (art) {
    case 'e':
        z.Boden(220);
        z.Kurve({MitteX, 220}, {MitteX + 4, 250}, {MitteX - 2, 286}, TStrich::Normal, Farbe::Holz);
        for (int k = -1; k <= 1; k += 2)
            z.Linie({MitteX, 246}, {MitteX + k * 20, 270}, TStrich::Fein, Farbe::Holz);
        z.Linie({MitteX, 220}, {MitteX, 70}, TStrich::Achse);
        for (int i = 0; i < 3; ++i)
            Blaettchen(z, {MitteX, 196.0 - i * 44}, i % 2 ? -150 : -30, 60, 0.1,
                       TBlattform::Lanzettlich);
        Scheinaehre(z, Gerade({MitteX, 74}, {MitteX, 20}), z.Gr(24, 30), 0.5, Bluetenfarbe::Rosa);
        break;
    case 'w': {
        QPainterPath stab;
        stab.addRect(QRectF(MitteX - 7, 12, 14, 282));
        z.Flaeche(stab, Farbe::Holz.lighter(130));
        QPainterPath ranke({MitteX, 290});
        for (int i = 0; i < 5; ++i) {
            const double y = 290 - i * 54;
            ranke.cubicTo(MitteX + 40, y - 10, MitteX + 40, y - 30, MitteX, y - 27);
            ranke.cubicTo(MitteX - 40, y - 24, MitteX - 40, y - 44, MitteX, y - 54);
        }
        z.Umriss(ranke, TStrich::Achse, QColor(0x3d, 0x7a, 0x30));
        for (int i = 0; i < 4; ++i) {
            TBlatt b{TBlattform::Pfeil, 60, 44, TRand::Ganz, TNervatur::Mittelnerv};
            b.Stiel = 20;
            ZeichneBlatt(z, {MitteX + (i % 2 ? -30 : 30), 250.0 - i * 54}, i % 2 ? -160 : -20, b);
        }
        break;
    }
    case 'a': {
        QPainterPath erde;
        erde.addRect(QRectF(6, 200, 308, 94));
        z.Fuellen(erde, QColor(0xec, 0xe2, 0xcf));
        z.Boden(200);
        z.Linie({40, 250}, {290, 240}, TStrich::Stark, Farbe::Holz);
        for (double x : {80.0, 170.0, 250.0}) {
            for (int k = -1; k <= 1; ++k)
                z.Linie({x, 250}, {x + k * 10, 280}, TStrich::Fein, Farbe::Holz);
            z.Linie({x, 246}, {x, 60}, TStrich::Achse);
            Blaettchen(z, {x, 150}, x > 200 ? -40 : -140, 60, 0.1, TBlattform::Lanzettlich);
            Scheinaehre(z, Gerade({x, 64}, {x, 16}), z.Gr(22, 28), 0.5, Bluetenfarbe::Rosa);
        }
        break;
    }
    case 'r': {
        z.Boden(286);
        const QColor rohr(0x8c, 0xb8, 0x6a);
        QPainterPath stamm;
        stamm.addRect(QRectF(110, 30, 24, 256));
        z.Flaeche(stamm, rohr);
        for (double y : {230.0, 170.0, 110.0, 60.0}) {
            z.Linie({106, y}, {138, y}, TStrich::Achse, QColor(0x9a, 0x4a, 0x3a));
            const double s = y == 170 || y == 60 ? -1 : 1;
            TBlatt b{TBlattform::Eifoermig, 70, 56, TRand::Ganz, TNervatur::Mittelnerv};
            b.Stiel = 14;
            ZeichneBlatt(z, {122.0 + s * 12, y}, s > 0 ? -20 : -160, b);
        }
        // The hollow stem cut across.
        z.Kreis({246, 120}, 56, Farbe::Schnitt);
        z.Kreis({246, 120}, 42, Farbe::Weiss);
        // A man for the height.
        z.Kreis({284, 196}, 9, Farbe::Weiss, TStrich::Normal);
        z.Linie({284, 205}, {284, 250}, TStrich::Normal);
        z.Linie({284, 250}, {274, 284}, TStrich::Normal);
        z.Linie({284, 250}, {294, 284}, TStrich::Normal);
        z.Linie({270, 222}, {298, 222}, TStrich::Normal);
        break;
    }
    default: { // a woody liana over a fence
        for (double x : {40.0, 160.0, 280.0})
            z.Linie({x, Unten}, {x, 90}, TStrich::Stark, Farbe::Holz.lighter(115));
        z.Linie({20, 110}, {300, 110}, TStrich::Achse, Farbe::Holz.lighter(115));
        z.Linie({20, 200}, {300, 200}, TStrich::Achse, Farbe::Holz.lighter(115));
        QPainterPath liane({70, Unten});
        liane.cubicTo(40, 200, 140, 200, 120, 110);
        liane.cubicTo(110, 40, 240, 60, 290, 40);
        z.Umriss(liane, TStrich::Stark, Farbe::Holz);
        for (QPointF p : {QPointF(60, 60), QPointF(150, 40), QPointF(230, 90), QPointF(280, 150)})
            for (int k = 0; k < 7; ++k)
                Bl(z, p + QPointF((k % 3 - 1) * 14, (k / 3) * 14), z.Gr(6, 9), Bluetenfarbe::Weiss);
    }
    }
}

void Lebensraum44(TZeichner& z, char art)
{
    switch (art) {
    case 'w':
        z.Wasser(150, 292);
        z.Linie({MitteX, 292}, {MitteX, 40}, TStrich::Normal);
        for (double s : {-1.0, 1.0}) {
            z.Kurve({MitteX, 250}, {MitteX + s * 40, 200}, {MitteX + s * 70, 150}, TStrich::Fein);
            z.Ellipse({MitteX + s * 90, 150}, 56, 12, Farbe::Blatt);
        }
        Scheinaehre(z, Gerade({MitteX, 100}, {MitteX, 30}), z.Gr(30, 36), 0.4, Bluetenfarbe::Rosa);
        break;
    case 'u': {
        QPainterPath schlamm;
        schlamm.addRect(QRectF(6, 236, 308, 58));
        z.Fuellen(schlamm, QColor(0xb9, 0xa4, 0x82));
        z.Wasser(236, 292);
        QPainterPath ufer({6, 236});
        ufer.lineTo(200, 236);
        ufer.quadTo(260, 236, 314, 290);
        ufer.lineTo(6, 294);
        ufer.closeSubpath();
        z.Fuellen(ufer, QColor(0xb9, 0xa4, 0x82));
        z.Boden(236, 10, 200);
        Lebensform44(z, 'e');
        break;
    }
    case 'l':
        z.Boden(230);
        for (int i = 0; i < 5; ++i)
            z.Linie({10.0 + i * 70, 244}, {60.0 + i * 70, 290}, TStrich::Normal, Farbe::Boden);
        for (double x : {40.0, 90.0, 230.0, 280.0})
            for (int k = 0; k < 3; ++k)
                z.Linie({x, 230}, {x + (k - 1) * 10, 150.0 + std::abs(k - 1) * 20}, TStrich::Normal,
                        QColor(0xc8, 0xa8, 0x40));
        Lebensform44(z, 'e');
        break;
    case 'k': {
        QPainterPath sand;
        sand.addRect(QRectF(6, 220, 308, 74));
        z.Fuellen(sand, QColor(0xf0, 0xe0, 0xb0));
        z.Wasser(250, 294);
        for (int i = 0; i < 8; ++i)
            z.Kurve({20.0 + i * 36, 236}, {30.0 + i * 36, 230}, {44.0 + i * 36, 238},
                    TStrich::Normal, Farbe::Holz);
        z.Linie({200, 226}, {200, 60}, TStrich::Normal);
        for (int i = 0; i < 3; ++i)
            Blaettchen(z, {200, 200.0 - i * 44}, i % 2 ? -150 : -30, 40, 0.1,
                       TBlattform::Lanzettlich);
        // a gull
        z.Kurve({40, 60}, {60, 40}, {80, 60}, TStrich::Normal);
        z.Kurve({80, 60}, {100, 40}, {120, 60}, TStrich::Normal);
        break;
    }
    default: {
        QPainterPath berg({6, 230});
        berg.lineTo(90, 60);
        berg.lineTo(150, 150);
        berg.lineTo(220, 30);
        berg.lineTo(314, 230);
        berg.closeSubpath();
        z.Flaeche(berg, QColor(0xd0, 0xcc, 0xc4));
        for (QPolygonF schnee : {QPolygonF({{90, 60}, {70, 100}, {100, 90}, {110, 92}}),
                                 QPolygonF({{220, 30}, {196, 80}, {220, 70}, {246, 84}})})
            z.Flaeche(Polygonpfad(schnee), Farbe::Weiss, TStrich::Fein);
        QPainterPath wiese;
        wiese.addRect(QRectF(6, 230, 308, 64));
        z.Flaeche(wiese, QColor(0xbf, 0xdc, 0x9a), TStrich::Fein);
        z.Linie({MitteX, 280}, {MitteX, 200}, TStrich::Normal);
        Scheinaehre(z, Gerade({MitteX, 206}, {MitteX, 160}), z.Gr(20, 26), 0.5, Bluetenfarbe::Rosa);
    }
    }
}

void Ochrea(TZeichner& z, char art)
{
    const double knoten = 200;
    z.Linie({MitteX, Unten}, {MitteX, 10}, TStrich::Stark, QColor(0x7a, 0x9a, 0x4a));
    TBlatt b{TBlattform::Lanzettlich, 150, 44, TRand::Ganz, TNervatur::Fieder};
    b.Stiel = 6;
    ZeichneBlatt(z, {MitteX + 10, knoten}, -20, b);
    const double oben = 80;
    QPainterPath tute({MitteX - 24, knoten});
    if (art == 'z') {
        tute.lineTo(MitteX - 28, oben + 30);
        for (int i = 0; i < 8; ++i)
            tute.lineTo(MitteX - 28 + i * 8 + 4, oben - (i % 2 ? 0 : 34)),
                tute.lineTo(MitteX - 28 + i * 8 + 8, oben + 20);
    } else {
        tute.lineTo(MitteX - 26, oben + 6);
        tute.lineTo(MitteX + 26, oben - 6);
    }
    tute.lineTo(MitteX + 24, knoten);
    tute.closeSubpath();
    const QColor farbe = art == 'z' ? Farbe::Weiss : QColor(0xd9, 0xb8, 0x94);
    if (art == 'b')
        for (int i = 0; i < 8; ++i) {
            const double x = MitteX - 24 + i * 7;
            z.Linie({x, oben + 6 - i * 1.7}, {x + 2, oben - 40 - i * 1.7}, TStrich::Normal,
                    Farbe::Holz.darker(130));
        }
    z.Flaeche(tute, farbe, TStrich::Normal, art == 'z' ? QColor(0x80, 0x80, 0x80) : Farbe::Linie);
    for (double dx : {-12.0, 0.0, 12.0})
        z.Linie({MitteX + dx, knoten - 6}, {MitteX + dx, oben + 22}, TStrich::Fein,
                art == 'z' ? QColor(0xa0, 0xa0, 0xa0) : Farbe::Holz);
}

void KnoeterichBluete(TZeichner& z, char art)
{
    const QPointF m(MitteX, 150);
    const QColor farbe = art == 'w'   ? Bluetenfarbe::Weiss
                         : art == 'r' ? Bluetenfarbe::Rosa
                         : art == 'd' ? QColor(0xc8, 0xda, 0x9c)
                                      : Farbe::Kelch;
    TBlueteOben b{5, art == 'g' ? Bluetenfarbe::Weiss : farbe, false, 0, 8, 3};
    b.Kronblattbreite = 1.3;
    BlueteOben(z, m, 132, b);
    if (art == 'g') {
        for (int i = 0; i < 5; ++i)
            Kronblatt(z, Weiter(m, -90 + 72 * i, 12), -90 + 72 * i, 96, 60, Farbe::Kelch);
        BlueteOben(z, m, 132, {0, farbe, false, 0, 8, 3});
    }
    if (art == 'd')
        for (int i = 0; i < 5; ++i)
            for (int k = 0; k < 4; ++k)
                z.Kreis(Weiter(m, -90 + 72 * i + (k % 2 ? 12 : -12), 60 + k * 14), z.Gr(4, 6),
                        Farbe::Druese, TStrich::Fein);
}

// ---- Key 55: Rumex -------------------------------------------------------------------------

void AmpferSpitze(TZeichner& z, bool spitz)
{
    std::vector<TP> r = {{0, 270, true}, {40, 250}, {66, 190}, {68, 120}};
    if (spitz)
        r.insert(r.end(), {{48, 70}, {18, 30}, {0, 10, true}});
    else
        r.insert(r.end(), {{60, 56}, {34, 28}, {0, 22}});
    Blatt(z, Spreite(MitteX, r), {MitteX, 270}, {MitteX, r.back().y}, TNervatur::Fieder, Unten);
}

// The three inner tepals of a fruit: the front one whole, the other two behind it.
QPainterPath Klappenpfad(char form, double h)
{
    const double k = h / 120;
    auto P = [&](double x, double y, bool e = false) { return TP{x * k, -y * k, e}; };
    switch (form) {
    case 'h':
        return Spreite(
            0, {P(0, 0, true), P(34, -6), P(58, 6, true), P(40, 50), P(16, 98), P(0, 120, true)});
    case 'e':
        return Spreite(0, {P(0, 0, true), P(22, 8), P(30, 50), P(24, 100), P(0, 122)});
    default:
        return Spreite(0, {P(0, 0, true), P(40, -8), P(64, 30), P(56, 84), P(30, 114), P(0, 120)});
    }
}

void Klappe(TZeichner& z, QPointF basis, double winkel, double h, char form, char rand,
            bool schwiele, bool schuppe = false)
{
    Rahmen(z, basis, winkel, 1, [&] {
        QPainterPath k = Klappenpfad(form, h);
        if (rand == 'z')
            k = Zaehne(k, h * 0.14, h * 0.06, [h](QPointF p) { return p.y() > -h * 0.6; });
        if (rand == 'b') {
            const QPolygonF p = Abtasten(k, h * 0.11);
            for (int i = 0; i < p.size(); ++i)
                if (p[i].y() > -h * 0.6 && p[i].y() < -h * 0.05)
                    z.Linie(p[i], p[i] - Innen(k, p, i) * h * 0.3, TStrich::Normal);
        }
        z.Fuellen(k, Farbe::Frucht);
        Adern(z, k, {0, 0}, {0, -h}, TNervatur::Fieder);
        z.Umriss(k);
        if (schwiele)
            z.Ellipse({winkel == 0 ? 0 : (winkel < 0 ? -h * 0.2 : h * 0.2), -h * 0.3}, h * 0.12,
                      h * 0.22, QColor(0xc8, 0x78, 0x3a));
        if (schuppe) {
            QPainterPath sch({-h * 0.12, 0});
            sch.lineTo(0, h * 0.28);
            sch.lineTo(h * 0.12, 0);
            sch.closeSubpath();
            z.Flaeche(sch, Farbe::AkzentFlaeche, TStrich::Normal, Farbe::Akzent);
        }
    });
}

void AmpferFrucht(TZeichner& z, char form, char rand, int schwielen, bool schuppe = false)
{
    const QPointF basis(MitteX, 250);
    z.Linie({MitteX, Unten}, basis, TStrich::Achse);
    const double h = form == 'r' ? 176 : 210;
    const double d = form == 'r' ? 30 : 40;
    Klappe(z, basis + QPointF(-d, 0), -30, h * 0.86, form, rand, schwielen == 3, schuppe);
    Klappe(z, basis + QPointF(d, 0), 30, h * 0.86, form, rand, schwielen == 3, schuppe);
    Klappe(z, basis, 0, h, form, rand, schwielen >= 1, schuppe);
}

void AmpferPerigon(TZeichner& z, char art)
{
    if (art == 'r' || art == 'h' || art == 'e') return AmpferFrucht(z, art, 'g', 0);
    const QPointF basis(MitteX, 250);
    z.Linie({MitteX, Unten}, basis, TStrich::Achse);
    QPainterPath nuss({MitteX, 60});
    nuss.cubicTo(MitteX + 60, 120, MitteX + 84, 200, MitteX, basis.y() - 10);
    nuss.cubicTo(MitteX - 84, 200, MitteX - 60, 120, MitteX, 60);
    if (art == 'v') {
        // Tepals and nut grown into one body.
        z.Flaeche(nuss, QColor(0xb8, 0x86, 0x5c));
        for (double s : {-1.0, 1.0})
            z.Kurve({MitteX, 64}, {MitteX + s * 44, 160}, {MitteX + s * 10, basis.y() - 12},
                    TStrich::Normal);
        return;
    }
    z.Flaeche(nuss, Nuss);
    z.Ellipse({MitteX - 18, 150}, 6, 40, QColor(0xc0, 0xa8, 0x90), TStrich::Fein,
              QColor(0xc0, 0xa8, 0x90));
    for (double w : {-125.0, -90.0, -55.0}) {
        TBlatt p{TBlattform::Eifoermig, 96, 50, TRand::Ganz, TNervatur::Mittelnerv};
        p.Fuellung = QColor(0xd6, 0xe6, 0xb8);
        ZeichneBlatt(z, basis, w, p);
    }
}

// Flowers of dock from the side: six tepals, six stamens, three tufted stigmas.
void Ampferbluete(TZeichner& z, QPointF basis, double g, bool maennlich, bool weiblich)
{
    z.Linie({basis.x(), Unten}, basis, TStrich::Achse);
    for (double w : {-160.0, -20.0, -125.0, -55.0}) {
        TBlatt p{TBlattform::Eifoermig, g * 0.42, g * 0.26, TRand::Ganz, TNervatur::Keine};
        p.Fuellung = QColor(0xc8, 0xda, 0x9c);
        ZeichneBlatt(z, basis, w, p);
    }
    if (maennlich)
        for (double d : {-1.0, -0.4, 0.4, 1.0})
            Staubblatt(z, basis + QPointF(d * 6, -4), basis + QPointF(d * g * 0.34, -g * 0.62),
                       z.Gr(7, 11));
    if (weiblich) {
        z.Ellipse({basis.x(), basis.y() - g * 0.16}, g * 0.12, g * 0.14, Farbe::Kelch);
        for (double w : {-130.0, -90.0, -50.0}) {
            const QPointF a = Weiter({basis.x(), basis.y() - g * 0.28}, w, g * 0.32);
            z.Linie({basis.x(), basis.y() - g * 0.28}, a, TStrich::Normal);
            for (int k = -2; k <= 2; ++k)
                z.Linie(a, Weiter(a, w + k * 25, g * 0.1), TStrich::Fein, Farbe::Akzent);
        }
    }
}

// How long a plant lives, read from its underground parts: a thin root ('e'), a thick
// taproot with the remains of last year's rosette ('z'), a rhizome with several shoots ('a').
void Lebensdauer(TZeichner& z, char art, bool wolfsmilch)
{
    const double boden = 200;
    QPainterPath erde;
    erde.addRect(QRectF(6, boden, 308, 94));
    z.Fuellen(erde, QColor(0xec, 0xe2, 0xcf));
    z.Boden(boden);
    auto spross = [&](double x, double hoehe) {
        const double oben = boden - hoehe;
        z.Linie({x, boden}, {x, oben}, TStrich::Achse);
        for (int i = 0; i < 2; ++i)
            for (double s : {-1.0, 1.0})
                if (!wolfsmilch || i == 0 || s > 0)
                    Blaettchen(z, {x, boden - hoehe * (0.3 + 0.3 * i)}, s > 0 ? -30 : -150,
                               hoehe * 0.28, 0, TBlattform::Lanzettlich);
        if (wolfsmilch) {
            HochblattPaar(z, {x, oben}, z.Gr(22, 30));
            Cyathium(z, {x, oben - 10}, z.Gr(10, 14));
        } else {
            BlueteOben(z, {x, oben - 14}, z.Gr(20, 28), {5, Bluetenfarbe::Weiss, false, 0, 0, 1});
        }
    };
    switch (art) {
    case 'e':
        z.Kurve({MitteX, boden}, {MitteX + 4, 240}, {MitteX - 2, 280}, TStrich::Normal,
                Farbe::Holz);
        for (double s : {-1.0, 1.0})
            z.Linie({MitteX, 230}, {MitteX + s * 22, 256}, TStrich::Fein, Farbe::Holz);
        spross(MitteX, 170);
        break;
    case 'z': {
        QPainterPath ruebe({MitteX - 18, boden - 4});
        ruebe.cubicTo(MitteX - 20, 240, MitteX - 6, 270, MitteX, 292);
        ruebe.cubicTo(MitteX + 6, 270, MitteX + 20, 240, MitteX + 18, boden - 4);
        ruebe.closeSubpath();
        z.Flaeche(ruebe, QColor(0xe8, 0xd8, 0xb0), TStrich::Normal, Farbe::Holz);
        // The withered leaves of last year's rosette.
        for (double s : {-1.0, 1.0})
            for (double w : {10.0, 26.0}) {
                TBlatt alt{TBlattform::Lanzettlich, 70, 20, TRand::Ganz, TNervatur::Keine};
                alt.Fuellung = QColor(0xc8, 0xb4, 0x8a);
                ZeichneBlatt(z, {MitteX, boden - 2}, s > 0 ? -w : -180 + w, alt);
            }
        spross(MitteX, 172);
        break;
    }
    default:
        z.Linie({30, 246}, {290, 236}, TStrich::Stark, Farbe::Holz);
        for (double x : {70.0, 160.0, 250.0}) {
            for (int k = -1; k <= 1; ++k)
                z.Linie({x, 244}, {x + k * 12.0, 280}, TStrich::Fein, Farbe::Holz);
            z.Linie({x, 242}, {x, boden}, TStrich::Achse);
        }
        // Stumps of last year's shoots beside the new ones.
        for (double x : {112.0, 206.0})
            z.Linie({x, 242}, {x + 4, boden - 30}, TStrich::Achse, QColor(0x9a, 0x86, 0x66));
        for (double x : {70.0, 160.0, 250.0})
            spross(x, 140 + (x == 160 ? 30 : 0));
    }
}

} // namespace

void RezepteNelkenartige(TRezeptTabelle& t)
{
    auto setze = [&t](int g, const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    auto wie = [&t](int g, const char* spalte, const char* code, int von, const char* vonSpalte,
                    const char* vonCode) {
        t.Wie(g, T(spalte), T(code), von, T(vonSpalte), T(vonCode));
    };

    // Amaranthus
    for (const char* c : {"e", "s", "l"})
        setze(Amaranthus, "B-Form", c, [c](TZeichner& z) { AmarantBlatt(z, c[0]); });
    setze(Amaranthus, "B-Spitze", "a", [](TZeichner& z) { AmarantSpitze(z, true); });
    setze(Amaranthus, "B-Spitze", "s", [](TZeichner& z) { AmarantSpitze(z, false); });
    for (const char* c : {"A", "K", "D", "S", "H"})
        setze(Amaranthus, "Blst", c, [c](TZeichner& z) { AmarantStand(z, c[0]); });
    setze(Amaranthus, "Blüten", "d", [](TZeichner& z) { AmarantBluete(z, true); });
    setze(Amaranthus, "Blüten", "k", [](TZeichner& z) { AmarantBluete(z, false); });
    for (const char* c : {"d", "n", "r"})
        setze(Amaranthus, "Frucht", c, [c](TZeichner& z) { AmarantFrucht(z, c[0]); });
    setze(Amaranthus, "Perigon", "5", [](TZeichner& z) { AmarantPerigon(z, 5); });
    setze(Amaranthus, "Perigon", "3", [](TZeichner& z) { AmarantPerigon(z, 3); });
    setze(Amaranthus, "Perigonblätter", "s", [](TZeichner& z) { AmarantTepalen(z, true); });
    setze(Amaranthus, "Perigonblätter", "z", [](TZeichner& z) { AmarantTepalen(z, false); });

    // Atriplex
    setze(Atriplex, "B-Behaarung", "m", [](TZeichner& z) { Blattseiten(z, 'k', 2, 2, true); });
    setze(Atriplex, "B-Behaarung", "u", [](TZeichner& z) { Blattseiten(z, 'k', 1, 2, true); });
    setze(Atriplex, "B-Behaarung", "g", [](TZeichner& z) { Blattseiten(z, 'k', 0, 0, true); });
    for (const char* c : {"s", "k", "l", "e"})
        setze(Atriplex, "B-Form", c, [c](TZeichner& z) { MeldeForm(z, c[0]); });
    setze(Atriplex, "B-Rand", "g", [](TZeichner& z) { MeldeRand(z, false); });
    setze(Atriplex, "B-Rand", "z", [](TZeichner& z) { MeldeRand(z, true); });
    setze(Atriplex, "Blüten", "2", [](TZeichner& z) {
        MeldeWeiblich(z, {86, 200}, 150, true);
        MeldeWeiblich(z, {234, 230}, 190, false);
    });
    setze(Atriplex, "Blüten", "1", [](TZeichner& z) {
        MeldeWeiblich(z, {86, 230}, 190, false);
        MeldeWeiblich(z, {234, 230}, 190, false);
    });
    for (const char* c : {"r", "d", "h", "3", "l"})
        setze(Atriplex, "Vorblätter", c, [c](TZeichner& z) { Vorblaetter(z, c[0]); });
    setze(Atriplex, "V-Nervatur", "n", [](TZeichner& z) { Vorblaetter(z, 'h', 'n'); });
    setze(Atriplex, "V-Nervatur", "o", [](TZeichner& z) { Vorblaetter(z, 'h', 'o'); });
    setze(Atriplex, "V-Oberfläche", "g", [](TZeichner& z) { Vorblaetter(z, 'h', 'o', 'g'); });
    setze(Atriplex, "V-Oberfläche", "w", [](TZeichner& z) { Vorblaetter(z, 'h', 'o', 'w'); });
    setze(Atriplex, "V-Verwachsung", "f", [](TZeichner& z) { Verwachsung(z, 0); });
    setze(Atriplex, "V-Verwachsung", "g", [](TZeichner& z) { Verwachsung(z, 0.15); });
    setze(Atriplex, "V-Verwachsung", "m", [](TZeichner& z) { Verwachsung(z, 0.5); });
    setze(Atriplex, "V-Verwachsung", "o", [](TZeichner& z) { Verwachsung(z, 0.85); });
    for (const char* c : {"h", "k", "v"})
        setze(Atriplex, "V-Konsistenz", c,
              [c](TZeichner& z) { Vorblaetter(z, 'd', 'o', 'g', c[0]); });

    // Caryophyllaceae
    setze(Nelken, "Androgynophor", "+", [](TZeichner& z) { Androgynophor(z, true); });
    setze(Nelken, "Androgynophor", "-", [](TZeichner& z) { Androgynophor(z, false); });
    setze(Nelken, "Außenkelch", "+", [](TZeichner& z) {
        KelchSeite(z, {MitteX, 262}, 150, 'v', Bluetenfarbe::Rosa, 'n', true);
    });
    setze(Nelken, "Außenkelch", "-", [](TZeichner& z) {
        KelchSeite(z, {MitteX, 262}, 150, 'v', Bluetenfarbe::Rosa, 'n', false);
    });
    for (const char* c : {"k", "b", "d", "w"})
        setze(Nelken, "B-Behaarung", c, [c](TZeichner& z) { NelkeBehaarung(z, c[0]); });
    setze(Nelken, "B-Nervatur", "1", [](TZeichner& z) { NelkeNervatur(z, TNervatur::Mittelnerv); });
    setze(Nelken, "B-Nervatur", "3", [](TZeichner& z) { NelkeNervatur(z, TNervatur::Bogen); });
    setze(Nelken, "B-Nervatur", "f", [](TZeichner& z) { NelkeNervatur(z, TNervatur::Fieder); });
    for (const char* c : {"g", "q", "w"})
        wie(Nelken, "B-Stellung", c, Grundtabelle, "ST", c);
    for (const char* c : {"s", "g", "v"})
        setze(Nelken, "B-Stiel", c, [c](TZeichner& z) { NelkeKnoten(z, c[0], false); });
    wie(Nelken, "Blst", "e", Grundtabelle, "BLS", "e");
    wie(Nelken, "Blst", "d", Grundtabelle, "BLS", "Di");
    wie(Nelken, "Blst", "k", Grundtabelle, "BLS", "k");
    wie(Nelken, "Blst", "r", Grundtabelle, "BLS", "T");
    wie(Nelken, "Blst", "u", Grundtabelle, "BLS", "d");
    wie(Nelken, "Blst", "kn", Grundtabelle, "BLS", "Kn");
    for (const char* c : {"k", "b", "d"})
        setze(Nelken, "Blst-Behaarung", c, [c](TZeichner& z) { BlstBehaarung(z, c[0]); });
    for (const char* c : {"Kz", "Kk", "N", "B"})
        setze(Nelken, "Frucht-Typ", c, [c](TZeichner& z) { NelkeFrucht(z, c); });
    for (int n : {3, 4, 5, 6, 8, 10})
        t.Setze(Nelken, T("Frucht-Zähne"), QString::number(n),
                [n](TZeichner& z) { KapselZaehne(z, n); });
    for (int n : {2, 3, 4, 5})
        t.Setze(Nelken, T("Griffelzahl"), QString::number(n), [n](TZeichner& z) { Griffel(z, n); });
    setze(Nelken, "Kelchblätter", "f", [](TZeichner& z) { KelchFrei(z, {MitteX, 250}, 150); });
    setze(Nelken, "Kelchblätter", "v", [](TZeichner& z) {
        KelchSeite(z, {MitteX, 262}, 150, 'v', Bluetenfarbe::Rosa);
    });
    setze(Nelken, "Kelchblätter", "a", [](TZeichner& z) {
        KelchSeite(z, {MitteX, 262}, 150, 'a', Bluetenfarbe::Weiss, 'z');
    });
    setze(Nelken, "Kronb-Behaaarung", "k",
          [](TZeichner& z) { Kronblattbild(z, 'a', true, false, 'k'); });
    setze(Nelken, "Kronb-Behaaarung", "b",
          [](TZeichner& z) { Kronblattbild(z, 'a', true, false, 'b'); });
    setze(Nelken, "Kronb-Behaaarung", "w",
          [](TZeichner& z) { Kronblattbild(z, 'a', true, false, 'w'); });
    for (const char* c : {"g", "n", "a", "z", "f"})
        setze(Nelken, "Kronb-Form", c,
              [c](TZeichner& z) { Kronblattbild(z, c[0], true, false, 'k'); });
    setze(Nelken, "Krone", "l",
          [](TZeichner& z) { NelkeOben(z, Bluetenfarbe::Weiss, 5, 5, 136, 80); });
    setze(Nelken, "Krone", "k",
          [](TZeichner& z) { NelkeOben(z, Bluetenfarbe::Weiss, 5, 5, 86, 130); });
    setze(Nelken, "Krone", "-",
          [](TZeichner& z) { NelkeOben(z, Bluetenfarbe::Weiss, 5, 5, 0, 130); });
    setze(Nelken, "Krone-Farbe", "w",
          [](TZeichner& z) { NelkeOben(z, Bluetenfarbe::Weiss, 5, 10); });
    setze(Nelken, "Krone-Farbe", "r",
          [](TZeichner& z) { NelkeOben(z, Bluetenfarbe::Rosa, 5, 10); });
    setze(Nelken, "Krone-Farbe", "p", [](TZeichner& z) { NelkeOben(z, Purpur, 5, 10); });
    setze(Nelken, "Krone-Farbe", "g",
          [](TZeichner& z) { NelkeOben(z, QColor(0xee, 0xf0, 0xc4), 5, 10); });
    setze(Nelken, "Krone-Farbe", "u",
          [](TZeichner& z) { NelkeOben(z, Farbe::Kelch, 5, 5, 0, 130); });
    setze(Nelken, "Krönchen", "+", [](TZeichner& z) { Kronblattbild(z, 'a', true, true, 'k'); });
    setze(Nelken, "Krönchen", "-", [](TZeichner& z) { Kronblattbild(z, 'a', true, false, 'k'); });
    setze(Nelken, "Nagel", "+", [](TZeichner& z) { Kronblattbild(z, 'a', true, false, 'k'); });
    setze(Nelken, "Nagel", "-", [](TZeichner& z) { Kronblattbild(z, 'a', false, false, 'k'); });
    setze(Nelken, "Nebenblätter", "+", [](TZeichner& z) { NelkeKnoten(z, 's', true); });
    setze(Nelken, "Nebenblätter", "-", [](TZeichner& z) { NelkeKnoten(z, 's', false); });
    for (int n : {10, 8, 5, 4, 3})
        t.Setze(Nelken, T("Staubblattzahl"), QString::number(n), [n](TZeichner& z) {
            NelkeOben(z, Bluetenfarbe::Weiss, 5, n);
            Zahl(z, QByteArray::number(n).constData());
        });
    setze(Nelken, "Staubblattzahl", "1", [](TZeichner& z) {
        NelkeOben(z, Bluetenfarbe::Weiss, 5, 2);
        Zahl(z, "1–2");
    });
    for (const char* c : {"a", "4", "h", "n", "p", "k"})
        setze(Nelken, "Stengel", c, [c](TZeichner& z) { Stengel(z, c[0]); });

    // Chenopodium
    setze(Chenopodium, "B-Behaarung", "k", [](TZeichner& z) { Blattseiten(z, 'r', 0, 0, false); });
    setze(Chenopodium, "B-Behaarung", "m", [](TZeichner& z) { Blattseiten(z, 'r', 2, 2, false); });
    setze(Chenopodium, "B-Behaarung", "u", [](TZeichner& z) { Blattseiten(z, 'r', 0, 2, false); });
    setze(Chenopodium, "B-Behaarung", "d", [](TZeichner& z) { Blattseiten(z, 'r', 3, 3, false); });
    for (const char* c : {"s", "h", "r", "3", "l", "g", "f"})
        setze(Chenopodium, "B-Form", c, [c](TZeichner& z) { GaensefussForm(z, c[0]); });
    for (const char* c : {"k", "l", "d", "a", "e"})
        setze(Chenopodium, "Blst", c, [c](TZeichner& z) { GaensefussStand(z, c[0]); });
    for (const char* c : {"u", "s", "b"})
        setze(Chenopodium, "Frucht", c, [c](TZeichner& z) { GaensefussFrucht(z, c[0]); });
    setze(Chenopodium, "Mehl", "+", [](TZeichner& z) { Mehl(z, true); });
    setze(Chenopodium, "Mehl", "-", [](TZeichner& z) { Mehl(z, false); });
    setze(Chenopodium, "Perigon", "5k", [](TZeichner& z) { GaensefussPerigon(z, 'k'); });
    setze(Chenopodium, "Perigon", "5", [](TZeichner& z) { GaensefussPerigon(z, '5'); });
    setze(Chenopodium, "Perigon", "3", [](TZeichner& z) { GaensefussPerigon(z, '3'); });
    setze(Chenopodium, "Samen-Lage", "w", [](TZeichner& z) {
        SamenLage(z, {MitteX, 250}, 260, true);
    });
    setze(Chenopodium, "Samen-Lage", "s", [](TZeichner& z) {
        SamenLage(z, {MitteX, 250}, 260, false);
    });
    setze(Chenopodium, "Samen-Lage", "b", [](TZeichner& z) {
        SamenLage(z, {84, 250}, 180, true);
        SamenLage(z, {236, 250}, 180, false);
    });
    for (const char* c : {"g", "p", "r"})
        setze(Chenopodium, "Samen-Oberfläche", c, [c](TZeichner& z) { SamenOberflaeche(z, c[0]); });

    // Euphorbia
    setze(Euphorbia, "B-Behaarung", "k", [](TZeichner& z) { WolfsmilchHaare(z, false); });
    setze(Euphorbia, "B-Behaarung", "b", [](TZeichner& z) { WolfsmilchHaare(z, true); });
    setze(Euphorbia, "B-Form", "l", [](TZeichner& z) { WolfsmilchForm(z, 'l'); });
    setze(Euphorbia, "B-Form", "la", [](TZeichner& z) { WolfsmilchForm(z, 'a'); });
    setze(Euphorbia, "B-Form", "e", [](TZeichner& z) { WolfsmilchForm(z, 'e'); });
    setze(Euphorbia, "B-Form", "v", [](TZeichner& z) { WolfsmilchForm(z, 'v'); });
    setze(Euphorbia, "B-Form", "o", [](TZeichner& z) { WolfsmilchForm(z, 'o'); });
    setze(Euphorbia, "B-Nervatur", "1", [](TZeichner& z) {
        TBlatt b = WolfsmilchBlatt('a');
        b.Nerven = TNervatur::Mittelnerv;
        GrossesBlatt(z, b);
    });
    setze(Euphorbia, "B-Nervatur", "f",
          [](TZeichner& z) { GrossesBlatt(z, WolfsmilchBlatt('a')); });
    setze(Euphorbia, "B-Rand", "g", [](TZeichner& z) { WolfsmilchRand(z, false); });
    setze(Euphorbia, "B-Rand", "s", [](TZeichner& z) { WolfsmilchRand(z, true); });
    for (const char* c : {"w", "g"})
        wie(Euphorbia, "B-Stellung", c, Grundtabelle, "ST", c);
    setze(Euphorbia, "B-Symmetrie", "s", [](TZeichner& z) { Symmetrie(z, false); });
    setze(Euphorbia, "B-Symmetrie", "a", [](TZeichner& z) { Symmetrie(z, true); });
    for (const char* c : {"d", "v", "e"})
        setze(Euphorbia, "Blst", c, [c](TZeichner& z) { WolfsmilchStand(z, c[0]); });
    for (const char* c : {"m", "o", "a"})
        setze(Euphorbia, "Drüsen", c, [c](TZeichner& z) { Druesen(z, c[0]); });
    for (const char* c : {"g", "w", "f", "b", "k"})
        setze(Euphorbia, "Frucht", c, [c](TZeichner& z) { WolfsmilchFrucht(z, c[0]); });
    for (const char* c : {"r", "d", "h", "e", "l"})
        setze(Euphorbia, "Hü-Form", c, [c](TZeichner& z) { HuellForm(z, c[0]); });
    setze(Euphorbia, "Hüllblatt-Verwachsung", "f",
          [](TZeichner& z) { HuellVerwachsung(z, false); });
    setze(Euphorbia, "Hüllblatt-Verwachsung", "v", [](TZeichner& z) { HuellVerwachsung(z, true); });
    setze(Euphorbia, "Nebenblätter", "+", [](TZeichner& z) { WolfsmilchStipeln(z, true); });
    setze(Euphorbia, "Nebenblätter", "-", [](TZeichner& z) { WolfsmilchStipeln(z, false); });
    for (const char* c : {"g", "r", "n", "w"})
        setze(Euphorbia, "Samen", c, [c](TZeichner& z) { WolfsmilchSamen(z, c[0]); });

    // Polygonum s.l.
    for (const char* c : {"l", "a", "e", "b", "h"})
        setze(Knoeterich, "B-Form", c, [c](TZeichner& z) { KnoeterichForm(z, c[0]); });
    for (const char* c : {"h", "g", "a", "k"})
        setze(Knoeterich, "Blattansatz", c, [c](TZeichner& z) { Blattansatz(z, c[0]); });
    setze(Knoeterich, "Blst", "Ä", [](TZeichner& z) { KnoeterichStand(z, 'D'); });
    for (const char* c : {"u", "t", "b", "r"})
        setze(Knoeterich, "Blst", c, [c](TZeichner& z) { KnoeterichStand(z, c[0]); });
    setze(Knoeterich, "Frucht", "g", [](TZeichner& z) { KnoeterichNuss(z, true); });
    setze(Knoeterich, "Frucht", "m", [](TZeichner& z) { KnoeterichNuss(z, false); });
    for (const char* c : {"f", "k", "n", "r"})
        setze(Knoeterich, "Fruchthülle", c, [c](TZeichner& z) { Fruchthuelle(z, c[0]); });
    setze(Knoeterich, "Griffel", "2", [](TZeichner& z) { Griffel(z, 2); });
    setze(Knoeterich, "Griffel", "3", [](TZeichner& z) { Griffel(z, 3); });
    for (const char* c : {"e", "w", "a", "r", "l"})
        setze(Knoeterich, "Lebensform", c, [c](TZeichner& z) { Lebensform44(z, c[0]); });
    for (const char* c : {"w", "u", "l", "k", "g"})
        setze(Knoeterich, "Lebensraum", c, [c](TZeichner& z) { Lebensraum44(z, c[0]); });
    for (const char* c : {"b", "k", "z"})
        setze(Knoeterich, "Ochrea", c, [c](TZeichner& z) { Ochrea(z, c[0]); });
    for (const char* c : {"w", "r", "g", "d"})
        setze(Knoeterich, "Perigonblätter", c, [c](TZeichner& z) { KnoeterichBluete(z, c[0]); });
    setze(Knoeterich, "Staubblätter", "5", [](TZeichner& z) {
        BlueteOben(z, {MitteX, 150}, 132, {5, Bluetenfarbe::Rosa, false, 0, 5, 2});
        Zahl(z, "5–6");
    });
    setze(Knoeterich, "Staubblätter", "8", [](TZeichner& z) {
        BlueteOben(z, {MitteX, 150}, 132, {5, Bluetenfarbe::Rosa, false, 0, 8, 3});
        Zahl(z, "7–8");
    });

    // Rumex
    setze(Rumex, "B-Grund", "pf", [](TZeichner& z) { Blattansatz(z, 'f', true); });
    for (const char* c : {"p", "h", "g", "k"})
        setze(Rumex, "B-Grund", c, [c](TZeichner& z) { Blattansatz(z, c[0], true); });
    setze(Rumex, "B-Spitze", "s", [](TZeichner& z) { AmpferSpitze(z, true); });
    setze(Rumex, "B-Spitze", "b", [](TZeichner& z) { AmpferSpitze(z, false); });
    setze(Rumex, "Bl-Geschlecht", "z", [](TZeichner& z) {
        Ampferbluete(z, {MitteX, 250}, 260, true, true);
    });
    setze(Rumex, "Bl-Geschlecht", "e", [](TZeichner& z) {
        Ampferbluete(z, {84, 250}, 190, true, false);
        Ampferbluete(z, {236, 250}, 190, false, true);
        z.Strichlinie({MitteX, 20}, {MitteX, 290});
        z.Text({84, 40}, T("männlich"));
        z.Text({236, 40}, T("weiblich"));
    });
    for (const char* c : {"g", "z", "b"})
        setze(Rumex, "Flügel", c, [c](TZeichner& z) { AmpferFrucht(z, 'r', c[0], 0); });
    for (const char* c : {"r", "h", "e", "a", "v"})
        setze(Rumex, "Perigon", c, [c](TZeichner& z) { AmpferPerigon(z, c[0]); });
    setze(Rumex, "Schwielen", "0", [](TZeichner& z) { AmpferFrucht(z, 'h', 'g', 0); });
    setze(Rumex, "Schwielen", "1", [](TZeichner& z) { AmpferFrucht(z, 'h', 'g', 1); });
    setze(Rumex, "Schwielen", "3", [](TZeichner& z) { AmpferFrucht(z, 'h', 'g', 3); });
    setze(Rumex, "Schwielen", "s", [](TZeichner& z) { AmpferFrucht(z, 'r', 'g', 0, true); });
    for (const char* c : {"e", "z", "a"}) {
        setze(Nelken, "Lebensform", c, [c](TZeichner& z) { Lebensdauer(z, c[0], false); });
        setze(Euphorbia, "Lebensform", c, [c](TZeichner& z) { Lebensdauer(z, c[0], true); });
    }
}
