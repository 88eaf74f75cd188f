// Drawings of the keys of Dactylorhiza, Euphrasia, Gentiana, Hypericum, Lamiaceae, orchids,
// Orobanche, Pedicularis, Rhinanthus and Viola (keys 20, 24, 28, 32, 35, 38, 39, 40, 52, 59).

#include "Motive.h"
#include "Rezepte.h"
#include "Rezepthilfen.h"

#include <QtMath>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

namespace {

const QColor Grau{0x80, 0x80, 0x80};
const QColor Dunkel{0x3a, 0x22, 0x3a};
const QColor Bleich{0xd9, 0xc0, 0x96}; // plants without chlorophyll

QColor Rgb(int r, int g, int b)
{
    return QColor(r, g, b);
}

// A symmetric outline from its left half, an open path that starts and ends on the vertical
// line x = mx.
QPainterPath Spiegelpfad(double mx, const QPainterPath& links)
{
    QTransform s;
    s.translate(2 * mx, 0);
    s.scale(-1, 1);
    QPainterPath ganz = links;
    ganz.connectPath(s.map(links).toReversed());
    ganz.closeSubpath();
    return ganz;
}

// ---- Hairs ---------------------------------------------------------------------------------

enum class THaar
{
    Keine,
    DrueseLang, // long hairs ending in a gland
    DrueseKurz, // short glandular hairs
    Borste,     // stiff hairs without glands
    Zottig,     // long soft woolly hairs
    Kurz,       // short, sparse hairs
};

// One hair from p; n points away from the organ, t along it.
void Haar(TZeichner& z, QPointF p, QPointF n, QPointF t, THaar art)
{
    switch (art) {
    case THaar::Keine:
        return;
    case THaar::DrueseLang: {
        const QPointF e = p + n * z.Gr(17, 26);
        z.Linie(p, e, TStrich::Fein);
        z.Kreis(e, z.Gr(2.8, 4.8), Farbe::Druese, TStrich::Fein);
        return;
    }
    case THaar::DrueseKurz: {
        const QPointF e = p + n * z.Gr(6, 8);
        z.Linie(p, e, TStrich::Fein);
        z.Kreis(e, z.Gr(2.6, 4.4), Farbe::Druese, TStrich::Fein);
        return;
    }
    case THaar::Borste:
        z.Linie(p, p + (n * 0.55 + t * 0.8) * z.Gr(12, 17), TStrich::Normal);
        return;
    case THaar::Zottig: {
        const double l = z.Gr(24, 30);
        z.Kurve(p, p + n * l * 0.5 + t * l * 0.35, p + n * l * 0.8 - t * l * 0.1, TStrich::Fein,
                Grau);
        return;
    }
    case THaar::Kurz:
        z.Linie(p, p + (n * 0.8 + t * 0.4) * z.Gr(6, 9), TStrich::Fein);
        return;
    }
}

// Hairs on both sides of a stem piece from a to b.
void HaareStengel(TZeichner& z, QPointF a, QPointF b, THaar art, double abstand)
{
    if (art == THaar::Keine) return;
    const double l = QLineF(a, b).length();
    const QPointF t = (b - a) / l;
    const QPointF n(t.y(), -t.x());
    int i = 0;
    for (double s = abstand * 0.5; s < l; s += abstand, ++i)
        for (double seite : {-1.0, 1.0})
            Haar(z, a + t * (s + (seite > 0 ? abstand * 0.5 : 0)) + n * seite * z.Gr(3, 4),
                 n * seite, t, art);
}

// Hairs along an outline, pointing outwards.
void HaareRand(TZeichner& z, const QPainterPath& umriss, THaar art, double abstand)
{
    if (art == THaar::Keine) return;
    const QPolygonF rand = Abtasten(umriss, abstand);
    const int n = int(rand.size());
    for (int i = 0; i < n; ++i) {
        const QPointF p = rand[i];
        QPointF d = rand[(i + 1) % n] - rand[(i - 1 + n) % n];
        const double l = std::hypot(d.x(), d.y());
        if (l < 1e-6) continue;
        d /= l;
        QPointF no(d.y(), -d.x());
        if (umriss.contains(p + no * 2)) no = -no;
        Haar(z, p, no, d, art);
    }
}

// Hairs scattered on a surface, drawn as seen from above (dots with a short hair).
void HaareFlaeche(TZeichner& z, const QPainterPath& flaeche, THaar art, double abstand)
{
    if (art == THaar::Keine) return;
    const QRectF r = flaeche.boundingRect();
    int zeile = 0;
    for (double y = r.top() + abstand * 0.6; y < r.bottom(); y += abstand, ++zeile)
        for (double x = r.left() + (zeile % 2 ? abstand * 0.5 : abstand * 0.1); x < r.right();
             x += abstand) {
            const QPointF p(x, y);
            if (!flaeche.contains(p)) continue;
            Haar(z, p, QPointF(0.6, -0.8), QPointF(0.8, 0.6),
                 art == THaar::DrueseLang ? THaar::DrueseKurz : art);
        }
}

// ---- Lipped flowers (Lamiaceae) -------------------------------------------------------------

enum class TOberlippe
{
    Helm,
    Flach,
    Sichel,
    Kurz,
};

struct TLippe
{
    TOberlippe Ober = TOberlippe::Helm;
    QColor Farbe = Rgb(0xe0, 0x9a, 0xc8);
    QColor Unterfarbe;     // invalid: as Farbe
    int Staubblaetter = 0; // pairs drawn under the upper lip: 0 none, 1 or 2
    bool StaubHeraus = false;
    bool Kelch = true;
};

// A two-lipped flower from the side, base of the calyx at b, facing right; g its length.
void LippenblueteSeite(TZeichner& z, QPointF b, double g, const TLippe& l)
{
    auto p = [&](double dx, double dy) { return QPointF(b.x() + dx * g, b.y() - dy * g); };
    const QColor unten = l.Unterfarbe.isValid() ? l.Unterfarbe : l.Farbe;
    z.Linie(p(-0.08, -0.04), p(0.02, 0.04), TStrich::Achse);
    QPainterPath roehre(p(0.04, 0.0));
    roehre.cubicTo(p(0.2, 0.04), p(0.36, 0.08), p(0.54, 0.12));
    roehre.lineTo(p(0.52, 0.34));
    roehre.cubicTo(p(0.4, 0.24), p(0.2, 0.14), p(0.04, 0.1));
    roehre.closeSubpath();
    const bool einlippig = l.Ober == TOberlippe::Kurz;
    const double u = einlippig ? 1.25 : 1.0;
    auto q = [&](double dx, double dy) { return p(0.52 + dx * u, 0.12 + dy * u); };
    QPainterPath unter(q(0.0, 0.1));
    unter.cubicTo(q(0.14, 0.12), q(0.3, 0.1), q(0.38, 0.0));
    unter.cubicTo(q(0.44, -0.08), q(0.38, -0.18), q(0.3, -0.16));
    unter.cubicTo(q(0.26, -0.08), q(0.18, -0.04), q(0.0, -0.02));
    unter.closeSubpath();
    QPainterPath ober;
    switch (l.Ober) {
    case TOberlippe::Helm:
        ober.moveTo(p(0.46, 0.3));
        ober.cubicTo(p(0.42, 0.62), p(0.62, 0.82), p(0.8, 0.7));
        ober.cubicTo(p(0.88, 0.64), p(0.88, 0.52), p(0.82, 0.46));
        ober.cubicTo(p(0.76, 0.52), p(0.64, 0.5), p(0.56, 0.3));
        break;
    case TOberlippe::Flach:
        ober.moveTo(p(0.46, 0.3));
        ober.lineTo(p(0.5, 0.52));
        ober.lineTo(p(0.58, 0.56));
        ober.lineTo(p(0.61, 0.51));
        ober.lineTo(p(0.65, 0.54));
        ober.lineTo(p(0.68, 0.46));
        ober.lineTo(p(0.57, 0.3));
        break;
    case TOberlippe::Sichel:
        ober.moveTo(p(0.45, 0.3));
        ober.cubicTo(p(0.44, 0.76), p(0.82, 0.92), p(0.98, 0.62));
        ober.cubicTo(p(0.84, 0.72), p(0.62, 0.64), p(0.56, 0.3));
        break;
    case TOberlippe::Kurz:
        ober.moveTo(p(0.47, 0.31));
        ober.lineTo(p(0.5, 0.38));
        ober.lineTo(p(0.53, 0.33));
        ober.lineTo(p(0.56, 0.38));
        ober.lineTo(p(0.56, 0.28));
        break;
    }
    ober.closeSubpath();
    z.Flaeche(roehre, l.Farbe);
    // The open throat between the lips.
    z.Flaeche(Polygonpfad({p(0.52, 0.33), p(0.6, 0.34), p(0.6, 0.2), p(0.53, 0.13)}),
              l.Farbe.darker(125), TStrich::Fein);
    z.Flaeche(unter, unten);
    if (l.Staubblaetter > 0 && !l.StaubHeraus) {
        for (int k = 0; k < l.Staubblaetter; ++k)
            Staubblatt(z, p(0.5, 0.24), p(0.7 + 0.05 * k, 0.56 - 0.04 * k), z.Gr(4, 7));
    }
    z.Flaeche(ober, l.Farbe);
    if (l.Ober == TOberlippe::Sichel)
        z.Kurve(p(0.92, 0.66), p(1.0, 0.6), p(1.02, 0.5), TStrich::Normal);
    if (l.StaubHeraus)
        for (int k = 0; k < std::max(1, l.Staubblaetter); ++k)
            Staubblatt(z, p(0.5, 0.24), p(0.84 + 0.08 * k, 0.76 - 0.08 * k), z.Gr(4, 7));
    if (l.Kelch) {
        QPainterPath kelch(p(0.0, -0.01));
        kelch.lineTo(p(0.24, 0.05));
        kelch.lineTo(p(0.34, 0.04));
        kelch.lineTo(p(0.27, 0.1));
        kelch.lineTo(p(0.35, 0.15));
        kelch.lineTo(p(0.26, 0.16));
        kelch.lineTo(p(0.32, 0.26));
        kelch.lineTo(p(0.21, 0.2));
        kelch.lineTo(p(0.0, 0.12));
        kelch.closeSubpath();
        z.Flaeche(kelch, Farbe::Kelch);
        z.Linie(p(0.04, 0.05), p(0.26, 0.12), TStrich::Fein);
    }
}

// A two-lipped flower seen from the front: upper lip above, lower lip below the throat m.
enum class TUnterlippe
{
    Drei,
    Zahn,
    Hoecker,
    Vier,
    Fuenf,
};

void LippeVorn(TZeichner& z, QPointF m, double r, TUnterlippe art, const QColor& farbe)
{
    switch (art) {
    case TUnterlippe::Vier:
        Kronblatt(z, m, -90, r * 0.78, r * 0.72, farbe, true);
        for (double w : {180.0, 0.0, 90.0})
            Kronblatt(z, m, w, r * 0.72, r * 0.5, farbe);
        break;
    case TUnterlippe::Fuenf:
        for (double w : {-40.0, -140.0})
            Kronblatt(z, m, w, r * 0.42, r * 0.26, farbe);
        for (double w : {25.0, 155.0})
            Kronblatt(z, m, w, r * 0.55, r * 0.34, farbe);
        Kronblatt(z, m, 90, r * 1.0, r * 0.74, farbe);
        break;
    default: {
        Kronblatt(z, m, -90, r * 0.86, r * 0.62, farbe, true);
        if (art == TUnterlippe::Zahn) {
            for (double s : {-1.0, 1.0})
                z.Flaeche(
                    Polygonpfad({m + QPointF(s * r * 0.2, 0), m + QPointF(s * r * 0.44, r * 0.1),
                                 m + QPointF(s * r * 0.22, r * 0.2)}),
                    farbe);
        } else {
            for (double w : {28.0, 152.0})
                Kronblatt(z, m, w, r * 0.56, r * 0.44, farbe);
        }
        Kronblatt(z, m, 90, r * 0.98, r * 0.8, farbe, true);
        if (art == TUnterlippe::Hoecker)
            for (double s : {-1.0, 1.0}) {
                const QPointF h = m + QPointF(s * r * 0.17, r * 0.24);
                z.Ellipse(h, r * 0.13, r * 0.1, farbe.darker(125));
                z.Punkt(h + QPointF(-r * 0.04, -r * 0.03), r * 0.035, Farbe::Weiss);
            }
        break;
    }
    }
    z.Ellipse(m, r * 0.13, r * 0.09, farbe.darker(170), TStrich::Fein);
}

// Calyx of a lipped flower from the side, axis from fuss up to the right.
void LamKelch(TZeichner& z, QPointF fuss, double l, char typ)
{
    Rahmen(z, fuss, -60, 1, [&] {
        const double w0 = l * 0.14, w1 = l * 0.24, mund = l * 0.62;
        z.Linie({-l * 0.3, 0}, {0, 0}, TStrich::Achse);
        QPainterPath roehre({0, -w0});
        roehre.lineTo(mund, -w1);
        roehre.lineTo(mund, w1);
        roehre.lineTo(0, w0);
        roehre.closeSubpath();
        auto zahn = [&](double y, double lz, double breite, double neig) {
            QPainterPath p({mund - 2, y - breite / 2});
            p.lineTo(mund + lz, y + neig);
            p.lineTo(mund - 2, y + breite / 2);
            p.closeSubpath();
            z.Flaeche(p, Farbe::Kelch);
        };
        switch (typ) {
        case 'g':
            for (double y : {-w1 * 0.7, 0.0, w1 * 0.7})
                zahn(y, l * 0.3, w1 * 0.62, y * 0.3);
            z.Flaeche(roehre, Farbe::Kelch);
            break;
        case 'z':
            // Upper lip: broad with three short teeth; lower lip: two long awl-like teeth.
            for (double y : {w1 * 0.35, w1 * 0.8})
                zahn(y, l * 0.5, w1 * 0.34, y * 0.8 + l * 0.06);
            z.Flaeche(roehre, Farbe::Kelch);
            {
                QPainterPath o({mund - 2, -w1});
                o.lineTo(mund + l * 0.14, -w1 * 1.1);
                for (int k = 0; k < 3; ++k) {
                    o.lineTo(mund + l * 0.26, -w1 * (1.05 - k * 0.45));
                    o.lineTo(mund + l * 0.16, -w1 * (0.85 - k * 0.45));
                }
                o.lineTo(mund - 2, -w1 * 0.05);
                o.closeSubpath();
                z.Flaeche(o, Farbe::Kelch);
            }
            break;
        case 's': {
            z.Flaeche(roehre, Farbe::Kelch);
            QPainterPath o({mund - 2, -w1});
            o.quadTo(mund + l * 0.22, -w1 * 0.6, mund + l * 0.04, 0);
            o.lineTo(mund - 2, 0);
            o.closeSubpath();
            QPainterPath u({mund - 2, w1});
            u.quadTo(mund + l * 0.22, w1 * 0.6, mund + l * 0.04, 0);
            u.lineTo(mund - 2, 0);
            u.closeSubpath();
            z.Flaeche(u, Farbe::Kelch);
            z.Flaeche(o, Farbe::Kelch);
            // The erect scale on the upper lip.
            QPainterPath schuppe({mund * 0.45, -w1 * 0.85});
            schuppe.cubicTo(mund * 0.35, -w1 * 2.6, mund * 0.95, -w1 * 2.7, mund * 0.85,
                            -w1 * 0.95);
            schuppe.closeSubpath();
            z.Flaeche(schuppe, Farbe::AkzentFlaeche, TStrich::Normal, Farbe::Akzent);
            break;
        }
        case '1': {
            z.Flaeche(roehre, Farbe::Kelch);
            // Ten stiff teeth spreading from the mouth, each hooked at the tip.
            for (int k = 0; k < 10; ++k) {
                const double y = -w1 + k * (2 * w1 / 9);
                const double winkel = -55 + k * 12.2;
                const QPointF a(mund, y);
                const QPointF e = Weiter(a, winkel, l * 0.34);
                z.Linie(a, e, TStrich::Normal);
                z.Kurve(e, Weiter(e, winkel + 60, l * 0.06), Weiter(e, winkel + 150, l * 0.07),
                        TStrich::Normal);
            }
            break;
        }
        }
        for (double y : {-w0 * 0.5, w0 * 0.5})
            z.Linie({l * 0.05, y}, {mund * 0.95, y * (w1 / w0)}, TStrich::Fein);
    });
}

// A leafy stem piece with an opposite pair of leaves at y.
void GegenPaar(TZeichner& z, double x, double y, double laenge, TBlatt b)
{
    for (double s : {-1.0, 1.0})
        ZeichneBlatt(z, {x + s * 3, y}, s > 0 ? -20 : -160, b);
    (void)laenge;
}

// A small flower for inflorescence diagrams of lipped flowers: a tube with two lips.
void Lippchen(TZeichner& z, QPointF p, double g, double winkel, const QColor& farbe)
{
    Rahmen(z, p, winkel, 1, [&] {
        QPainterPath f({0, -g * 0.12});
        f.lineTo(g * 0.55, -g * 0.18);
        f.quadTo(g * 0.9, -g * 0.7, g * 1.0, -g * 0.2);
        f.lineTo(g * 0.7, -g * 0.05);
        f.quadTo(g * 1.0, g * 0.1, g * 0.95, g * 0.35);
        f.quadTo(g * 0.7, g * 0.2, g * 0.55, g * 0.12);
        f.lineTo(0, g * 0.12);
        f.closeSubpath();
        z.Flaeche(f, farbe, TStrich::Fein);
    });
}

// A whorl of lipped flowers round the stem at y (a false whorl), flowers spreading sideways.
void Scheinquirl(TZeichner& z, double x, double y, double g, const QColor& farbe, int n = 3)
{
    for (int k = 0; k < n; ++k) {
        const double dy = (k - (n - 1) / 2.0) * g * 0.35;
        Lippchen(z, {x + 4, y + dy}, g, -20 + dy * 0.6, farbe);
        Rahmen(z, {x - 4, y + dy}, 0, 1, [&] {
            z.Maler().scale(-1, 1);
            Lippchen(z, {0, 0}, g, -20 - dy * 0.6, farbe);
        });
    }
}

// ---- Lamiaceae (key 35) ---------------------------------------------------------------------

const QPointF LipBasis(38, 232);
constexpr double LipGroesse = 240;
const QColor LipFarbe = Rgb(0xd8, 0x8c, 0xd4);

QPointF LipPunkt(double dx, double dy)
{
    return {LipBasis.x() + dx * LipGroesse, LipBasis.y() - dy * LipGroesse};
}

TRezept Lippenform(TOberlippe ober)
{
    return [ober](TZeichner& z) {
        TLippe l;
        l.Ober = ober;
        l.Farbe = LipFarbe;
        LippenblueteSeite(z, LipBasis, LipGroesse, l);
        if (ober == TOberlippe::Kurz)
            z.Beschriftung(LipPunkt(0.52, 0.32), {200, 40}, QStringLiteral("Oberlippe"));
    };
}

TRezept LipFarbeBild(QColor farbe, QColor unten = {})
{
    return [farbe, unten](TZeichner& z) {
        TLippe l;
        l.Farbe = farbe;
        l.Unterfarbe = unten;
        LippenblueteSeite(z, LipBasis, LipGroesse, l);
        if (unten.isValid())
            for (double d : {0.0, 0.06, 0.12})
                z.Punkt(LipPunkt(0.7 + d, 0.06 - d * 0.3), z.Gr(3, 5), Rgb(0xf2, 0xd0, 0x30));
    };
}

// Stamens drawn over the hood, as if the corolla were seen through.
void StaubUnterHelm(TZeichner& z, int zahl, bool heraus)
{
    TLippe l;
    l.Farbe = LipFarbe.lighter(112);
    LippenblueteSeite(z, LipBasis, LipGroesse, l);
    for (int k = 0; k < zahl; ++k) {
        const double d = k * 0.045;
        const QPointF ende =
            heraus ? LipPunkt(0.96 + d, 0.78 - d * 1.4) : LipPunkt(0.66 + d, 0.56 - d);
        Staubblatt(z, LipPunkt(0.48 + d * 0.5, 0.18), ende, z.Gr(5, 8));
    }
}

void StaubOU(TZeichner& z, double vorn, double hinten)
{
    // A close view of the hood, its corolla pale so that the stamens under it show.
    const QPointF basis(-150, 360);
    const double g = 520;
    auto p = [&](double dx, double dy) { return QPointF(basis.x() + dx * g, basis.y() - dy * g); };
    TLippe l;
    l.Farbe = Farbe::Bluete;
    l.Kelch = false;
    LippenblueteSeite(z, basis, g, l);
    const QPointF fussH = p(0.4, 0.24), fussV = p(0.42, 0.16);
    const QPointF endeH = Mitte(fussH, p(0.74, 0.66), hinten);
    const QPointF endeV = Mitte(fussV, p(0.8, 0.6), vorn);
    z.Linie(fussH, endeH, TStrich::Achse);
    z.Ellipse(endeH, z.Gr(7, 11), z.Gr(5, 8), Rgb(0xe6, 0xb4, 0x22));
    z.Linie(fussV, endeV, TStrich::Stark, Farbe::Akzent);
    z.Ellipse(endeV, z.Gr(7, 11), z.Gr(5, 8), Farbe::Akzent, TStrich::Fein, Farbe::Akzent);
    z.Beschriftung(Mitte(fussV, endeV, 0.7), {300, 230}, QStringLiteral("vordere"));
    z.Beschriftung(Mitte(fussH, endeH, 0.6), {40, 40}, QStringLiteral("hintere"));
}

TBlatt LamBlatt(double laenge, double stiel)
{
    TBlatt b{TBlattform::Eifoermig, laenge, laenge * 0.55, TRand::Gekerbt, TNervatur::Fieder};
    b.Stiel = stiel;
    b.Strich = TStrich::Normal;
    return b;
}

// An upright square stem with opposite leaves and flowers as given.
void LamStengel(TZeichner& z, double x, double fuss, double spitze,
                std::initializer_list<double> knoten, double blatt, double stiel)
{
    z.Linie({x, fuss}, {x, spitze}, TStrich::Achse);
    for (double y : knoten)
        GegenPaar(z, x, y, blatt, LamBlatt(blatt, stiel));
}

void LamBlst(TZeichner& z, char art)
{
    const QColor f = LipFarbe;
    const double x = MitteX;
    switch (art) {
    case 'e':
        LamStengel(z, x, Unten, 20, {250, 175, 100}, 70, 6);
        for (double y : {250.0, 175.0, 100.0})
            Lippchen(z, {x + 6, y - 8}, 60, -30, f);
        Lippchen(z, {x + 4, 30}, 30, -60, f);
        break;
    case 'Q':
        LamStengel(z, x, Unten, 24, {250, 170, 90}, 70, 4);
        for (double y : {250.0, 170.0, 90.0})
            Scheinquirl(z, x, y - 12, 30, f);
        break;
    case 'A':
        LamStengel(z, x, Unten, 26, {260, 200}, 78, 4);
        for (double y = 150; y >= 40; y -= 24)
            Scheinquirl(z, x, y, 24, f, 2);
        break;
    case 'K':
        LamStengel(z, x, Unten, 70, {240, 160}, 64, 2);
        for (int k = 0; k < 11; ++k) {
            const double w = -180 + k * 18;
            Lippchen(z, Weiter({x, 76}, w, 14), 30, w, f);
        }
        break;
    case 'R': {
        LamStengel(z, x, Unten, 80, {250, 180}, 64, 4);
        for (double s : {-1.0, 0.0, 1.0}) {
            const QPointF ende(x + s * 70, 60 - (s == 0 ? 24 : 0));
            z.Linie({x, 120}, ende, TStrich::Normal);
            for (int k = 0; k < 5; ++k)
                Lippchen(z, ende + QPointF((k - 2) * 12, -std::abs(k - 2) * 5 + 8), 28,
                         -90 + (k - 2) * 30, f);
        }
        break;
    }
    case 't':
        LamStengel(z, x, Unten, 30, {262, 200}, 72, 4);
        for (int k = 0; k < 7; ++k) {
            const double y = 150 - k * 18;
            z.Linie({x, y + 6}, {x + 10, y}, TStrich::Fein);
            Lippchen(z, {x + 10, y}, 30 - k * 1.5, -10, f);
        }
        break;
    }
}

void LamLebensform(TZeichner& z, char art)
{
    const double boden = 226;
    z.Boden(boden);
    const double x = art == 'a' ? 120 : MitteX;
    if (art == 'h') {
        // Woody, branched stems at the base; green, flowering shoots above.
        for (double s : {-1.0, 0.0, 1.0}) {
            const QPointF a(x + s * 6, boden), b(x + s * 58, boden - 70);
            z.Linie(a, b, TStrich::Stark, Farbe::Holz);
            z.Linie(b, b + QPointF(s * 10, -100), TStrich::Normal);
            for (double y : {30.0, 60.0, 84.0})
                for (double q : {-1.0, 1.0})
                    z.Ellipse(b + QPointF(s * 10 * y / 100 + q * 10, -y), 9, 4, Farbe::Blatt,
                              TStrich::Fein);
            for (int k = 0; k < 3; ++k)
                Lippchen(z, b + QPointF(s * 10, -100 - k * 12), 18, -60, LipFarbe);
        }
        for (int k = -2; k <= 2; ++k)
            z.Kurve({x, boden}, {x + k * 10, boden + 30}, {x + k * 22, boden + 60}, TStrich::Normal,
                    Farbe::Holz);
        return;
    }
    LamStengel(z, x, boden, 40, {190, 130}, 54, 4);
    for (double y = 84; y >= 44; y -= 20)
        Scheinquirl(z, x, y, 22, LipFarbe, 2);
    if (art == 'e') {
        // A thin root, no organs that outlive the year.
        z.Kurve({x, boden}, {x + 4, boden + 30}, {x - 2, boden + 62}, TStrich::Normal);
        for (int k = 0; k < 4; ++k)
            z.Linie({x + 1, boden + 12 + k * 12}, {x + (k % 2 ? -14 : 14), boden + 20 + k * 12},
                    TStrich::Fein);
    } else {
        // A creeping rhizome with roots and a new shoot.
        QPainterPath rhizom({x - 40, boden + 30});
        rhizom.cubicTo(x, boden + 26, x + 80, boden + 36, x + 150, boden + 26);
        z.Umriss(rhizom, TStrich::Stark, Farbe::Holz);
        z.Linie({x, boden + 28}, {x, boden}, TStrich::Achse);
        for (double xr = x - 30; xr < x + 150; xr += 30)
            z.Linie({xr, boden + 31}, {xr + 6, boden + 56}, TStrich::Fein, Farbe::Holz);
        QPainterPath trieb({x + 120, boden + 28});
        trieb.quadTo(x + 122, boden - 10, x + 132, boden - 34);
        z.Umriss(trieb, TStrich::Achse);
        for (double q : {-1.0, 1.0})
            z.Ellipse({x + 132 + q * 10, boden - 30}, 11, 5, Farbe::Blatt, TStrich::Fein);
    }
}

void LamBlattrand(TZeichner& z, char art)
{
    TBlatt b{TBlattform::Eifoermig, 210, 120, TRand::Ganz, TNervatur::Fieder};
    b.Stiel = 36;
    switch (art) {
    case 's':
        b.Rand = TRand::Gesaegt;
        break;
    case 'l':
        b.Form = TBlattform::Lanzettlich;
        b.Breite = 130;
        b.Rand = TRand::Geteilt;
        b.Lappen = 4;
        break;
    case 'h':
        b = TBlatt{TBlattform::Hand, 190, 190, TRand::Gespalten, TNervatur::Hand};
        b.Stiel = 50;
        b.Lappen = 5;
        break;
    default:
        break;
    }
    GrossesBlatt(z, b);
}

// ---- Orchids (keys 20 and 38) ---------------------------------------------------------------

enum class TOrchLippe
{
    Rund,
    Raute,
    Drei,
    DreiKurz, // three-lobed, the middle lobe shorter than the side lobes
    Zunge,
    Mensch,
    Riemen,
    Gegliedert,
    Gespalten,
    Schuh,
};

enum class TMal
{
    Keine,
    Punkte,
    Schleifen,
    Spiegel,
};

enum class TLipHaar
{
    Kahl,
    Papillen,
    Samt,
};

const QColor OrchFarbe = Rgb(0xd4, 0x7c, 0xc8);

struct TOrchidee
{
    QColor Huelle = OrchFarbe;
    QColor Lippe; // invalid: as Huelle
    TOrchLippe Form = TOrchLippe::Drei;
    bool Helm = false;
    TMal Mal = TMal::Keine;
    TLipHaar Haar = TLipHaar::Kahl;
    bool Oben = false; // lip pointing upwards
};

// The lip from its base at (0, 0) downwards, r its scale (about its width).
QPainterPath Lippenpfad(TOrchLippe form, double r)
{
    auto links = [&](std::initializer_list<QPointF> punkte, bool glatt) {
        QPainterPath p({0, 0});
        std::vector<QPointF> v;
        for (const QPointF& q : punkte)
            v.push_back(q * r);
        if (glatt) {
            for (size_t i = 0; i + 1 < v.size(); i += 2)
                p.quadTo(v[i], v[i + 1]);
        } else {
            for (const QPointF& q : v)
                p.lineTo(q);
        }
        p.lineTo(0, v.back().y());
        return Spiegelpfad(0, p);
    };
    switch (form) {
    case TOrchLippe::Rund:
        return links({{-0.2, 0},
                      {-0.55, 0.08},
                      {-0.72, 0.3},
                      {-0.7, 0.6},
                      {-0.52, 0.7},
                      {-0.5, 0.82},
                      {-0.24, 0.86},
                      {-0.12, 0.86},
                      {0, 0.8},
                      {0, 0.8}},
                     true);
    case TOrchLippe::Raute:
        return links({{-0.12, 0}, {-0.42, 0.3}, {-0.5, 0.42}, {-0.3, 0.72}, {0, 1.0}}, false);
    case TOrchLippe::Drei:
    case TOrchLippe::DreiKurz: {
        const double m = form == TOrchLippe::Drei ? 1.0 : 0.56;
        return links({{-0.14, 0.0},
                      {-0.4, 0.14},
                      {-0.56, 0.4},
                      {-0.62, 0.74},
                      {-0.44, 0.74},
                      {-0.26, 0.5},
                      {-0.1, 0.4},
                      {-0.1, 0.4},
                      {-0.22, m * 0.8},
                      {-0.06, m},
                      {0, m},
                      {0, m}},
                     true);
    }
    case TOrchLippe::Zunge:
        return links({{-0.12, 0}, {-0.14, 0.9}, {-0.12, 1.2}, {0, 1.28}}, false);
    case TOrchLippe::Mensch:
        return links({{-0.12, 0},
                      {-0.12, 0.2},
                      {-0.5, 0.58},
                      {-0.44, 0.64},
                      {-0.1, 0.36},
                      {-0.12, 0.74},
                      {-0.34, 1.16},
                      {-0.24, 1.2},
                      {-0.04, 0.86},
                      {-0.02, 0.96},
                      {0, 0.96}},
                     false);
    case TOrchLippe::Riemen: {
        // Short side lobes and a very long, twisted strap.
        QPainterPath p({0, 0});
        p.lineTo(-0.14 * r, 0);
        p.lineTo(-0.32 * r, 0.34 * r);
        p.lineTo(-0.24 * r, 0.36 * r);
        p.lineTo(-0.1 * r, 0.22 * r);
        for (int k = 0; k < 6; ++k) {
            const double y = 0.3 + k * 0.3;
            const double x = std::sin(k * 1.2) * 0.14;
            p.lineTo((x - (k % 2 ? 0.03 : 0.1)) * r, y * r);
        }
        p.lineTo(0.05 * r, 2.1 * r);
        for (int k = 5; k >= 0; --k) {
            const double y = 0.3 + k * 0.3;
            const double x = std::sin(k * 1.2) * 0.14;
            p.lineTo((x + (k % 2 ? 0.03 : 0.1)) * r, y * r);
        }
        p.lineTo(0.1 * r, 0.22 * r);
        p.lineTo(0.24 * r, 0.36 * r);
        p.lineTo(0.32 * r, 0.34 * r);
        p.lineTo(0.14 * r, 0);
        p.closeSubpath();
        return p;
    }
    case TOrchLippe::Gegliedert:
        return links({{-0.2, 0},
                      {-0.34, 0.12},
                      {-0.3, 0.34},
                      {-0.1, 0.42},
                      {-0.1, 0.42},
                      {-0.42, 0.5},
                      {-0.34, 0.8},
                      {-0.1, 0.94},
                      {0, 0.98},
                      {0, 0.98}},
                     true);
    case TOrchLippe::Gespalten:
        return links({{-0.12, 0}, {-0.18, 0.8}, {-0.3, 1.28}, {-0.14, 1.3}, {0, 0.92}}, false);
    case TOrchLippe::Schuh:
        return Ellipsenpfad({0, 0.5 * r}, 0.46 * r, 0.55 * r);
    }
    return {};
}

void Lippenzeichnung(TZeichner& z, const QPainterPath& lippe, double r, const TOrchidee& o,
                     const QColor& farbe)
{
    QPainter& m = z.Maler();
    m.save();
    m.setClipPath(lippe, Qt::IntersectClip);
    const QColor dunkel = farbe.darker(200);
    switch (o.Mal) {
    case TMal::Keine:
        break;
    case TMal::Punkte:
        for (int k = 0; k < 11; ++k) {
            const QPointF p(std::sin(k * 2.4) * r * 0.32, r * (0.2 + 0.06 * k));
            z.Punkt(p, z.Gr(r * 0.04, r * 0.06), dunkel);
        }
        break;
    case TMal::Schleifen:
        for (double s : {0.0, 1.0}) {
            QPainterPath schleife({-r * (0.2 + s * 0.14), r * 0.14});
            schleife.cubicTo(-r * (0.24 + s * 0.18), r * (0.5 + s * 0.18), r * (0.24 + s * 0.18),
                             r * (0.5 + s * 0.18), r * (0.2 + s * 0.14), r * 0.14);
            z.Umriss(schleife, TStrich::Normal, dunkel);
        }
        break;
    case TMal::Spiegel: {
        QPainterPath mal({-r * 0.2, r * 0.12});
        mal.cubicTo(-r * 0.34, r * 0.5, -r * 0.1, r * 0.6, 0, r * 0.52);
        mal.cubicTo(r * 0.1, r * 0.6, r * 0.34, r * 0.5, r * 0.2, r * 0.12);
        mal.closeSubpath();
        z.Flaeche(mal, Rgb(0x6a, 0x7e, 0xc8), TStrich::Fein, Rgb(0xd8, 0xe0, 0xf4));
        z.Ellipse({-r * 0.08, r * 0.26}, r * 0.06, r * 0.03, Rgb(0xe8, 0xee, 0xff), TStrich::Fein,
                  Rgb(0xe8, 0xee, 0xff));
        break;
    }
    }
    switch (o.Haar) {
    case TLipHaar::Kahl:
        break;
    case TLipHaar::Papillen:
        for (int k = 0; k < 3; ++k)
            for (double s : {-1.0, 1.0}) {
                const QPointF b(s * r * 0.12, r * (0.14 + k * 0.12));
                for (int j = -2; j <= 2; ++j)
                    z.Linie(b, b + QPointF(j * r * 0.025, -r * 0.07), TStrich::Normal, dunkel);
            }
        break;
    case TLipHaar::Samt:
        for (double y = 0.0; y < 1.1; y += 0.07)
            for (double x = -0.7; x < 0.7; x += 0.09)
                z.Linie({(x + y * 0.2) * r, y * r}, {(x + y * 0.2 + 0.03) * r, (y + 0.04) * r},
                        TStrich::Fein, dunkel);
        break;
    }
    m.restore();
    if (o.Haar == TLipHaar::Samt) HaareRand(z, lippe, THaar::Kurz, z.Gr(7, 10));
}

// An orchid flower from the front, the column at m; r the size of the lip.
void OrchideeVorn(TZeichner& z, QPointF m, double r, const TOrchidee& o)
{
    const QColor lippe = o.Lippe.isValid() ? o.Lippe : o.Huelle;
    Rahmen(z, m, o.Oben ? 180 : 0, 1, [&] {
        const QPointF n(0, 0);
        if (o.Helm) {
            QPainterPath helm({-r * 0.38, r * 0.08});
            helm.cubicTo(-r * 0.5, -r * 0.5, -r * 0.16, -r * 0.98, 0, -r * 1.0);
            helm.cubicTo(r * 0.16, -r * 0.98, r * 0.5, -r * 0.5, r * 0.38, r * 0.08);
            helm.closeSubpath();
            z.Flaeche(helm, o.Huelle);
            for (double s : {-0.5, 0.0, 0.5})
                z.Kurve({s * r * 0.5, r * 0.02}, {s * r * 0.5, -r * 0.6}, {0, -r * 0.96},
                        TStrich::Fein, o.Huelle.darker(150));
        } else {
            Kronblatt(z, n, -90, r * 0.78, r * 0.36, o.Huelle);
            for (double w : {-12.0, -168.0})
                Kronblatt(z, n, w, r * 0.82, r * 0.36, o.Huelle);
            for (double w : {-55.0, -125.0})
                Kronblatt(z, n, w, r * 0.58, r * 0.24, o.Huelle.lighter(108));
        }
        const QPainterPath pfad = Lippenpfad(o.Form, r);
        if (o.Form == TOrchLippe::Schuh) {
            z.Flaeche(pfad, lippe);
            z.Ellipse({0, r * 0.16}, r * 0.2, r * 0.12, lippe.darker(180));
            z.Kurve({-r * 0.3, r * 0.7}, {0, r * 0.95}, {r * 0.3, r * 0.7}, TStrich::Fein,
                    lippe.darker(140));
        } else {
            z.Flaeche(pfad, lippe);
            if (o.Form == TOrchLippe::Gegliedert) {
                QPainterPath hinten({-r * 0.2, 0});
                hinten.quadTo(-r * 0.34, r * 0.12, -r * 0.3, r * 0.34);
                hinten.quadTo(0, r * 0.5, r * 0.3, r * 0.34);
                hinten.quadTo(r * 0.34, r * 0.12, r * 0.2, 0);
                hinten.closeSubpath();
                z.Flaeche(hinten, Rgb(0x8a, 0x4a, 0x3a));
            }
            if (o.Form == TOrchLippe::Raute)
                for (double s : {-1.0, 1.0})
                    z.Linie({s * r * 0.16, r * 0.1}, {s * r * 0.36, r * 0.4}, TStrich::Fein,
                            lippe.darker(150));
            Lippenzeichnung(z, pfad, r, o, lippe);
        }
        z.Ellipse({0, -r * 0.06}, r * 0.1, r * 0.16, Farbe::Bluete.darker(104), TStrich::Fein);
    });
}

// A small orchid flower for inflorescence diagrams.
void OrchKlein(TZeichner& z, QPointF p, double r, const QColor& farbe)
{
    for (double w : {-90.0, -25.0, -155.0})
        Rahmen(z, Weiter(p, w, r * 0.5), w, 1, [&] {
            z.Ellipse({0, 0}, r * 0.48, r * 0.24, farbe, TStrich::Fein);
        });
    QPainterPath lippe(p + QPointF(-r * 0.3, 0));
    lippe.lineTo(p + QPointF(-r * 0.5, r * 0.9));
    lippe.lineTo(p + QPointF(0, r * 1.1));
    lippe.lineTo(p + QPointF(r * 0.5, r * 0.9));
    lippe.lineTo(p + QPointF(r * 0.3, 0));
    lippe.closeSubpath();
    z.Flaeche(lippe, farbe.darker(110), TStrich::Fein);
}

// An orchid flower from the side at the tip of its ovary: spur sporn times the ovary's
// length (0: none), bract 'l' leafy, 'm' as long as the ovary, 'k' small, '0' none.
void OrchideeSeite(TZeichner& z, double sporn, char tragblatt, const QColor& farbe)
{
    const QPointF knoten(70, 250), spitze(190, 124);
    const double lf = QLineF(knoten, spitze).length();
    const double w = Winkel(knoten, spitze);
    z.Linie({50, Unten}, {50, 20}, TStrich::Achse);
    z.Linie({50, 264}, knoten, TStrich::Normal);
    if (tragblatt != '0') {
        const double l = tragblatt == 'l' ? lf * 1.6 : tragblatt == 'm' ? lf * 0.98 : lf * 0.32;
        TBlatt b{TBlattform::Lanzettlich, l, tragblatt == 'k' ? 20.0 : l * 0.22, TRand::Ganz,
                 TNervatur::Parallel};
        if (tragblatt == 'k') b.Fuellung = Rgb(0xe6, 0xe0, 0xc8);
        if (tragblatt == 'l')
            b.Fuellung = Farbe::Blatt;
        else if (tragblatt == 'm')
            b.Fuellung = Farbe::Kelch;
        ZeichneBlatt(z, {54, 262}, w - 14, b);
    }
    // The twisted ovary.
    Rahmen(z, knoten, w, 1, [&] {
        QPainterPath fk({0, -5});
        fk.cubicTo(lf * 0.3, -13, lf * 0.8, -12, lf, -6);
        fk.lineTo(lf, 6);
        fk.cubicTo(lf * 0.8, 12, lf * 0.3, 13, 0, 5);
        fk.closeSubpath();
        z.Flaeche(fk, Farbe::Kelch);
        for (double x = lf * 0.15; x < lf * 0.9; x += lf * 0.16)
            z.Linie({x, -10}, {x + lf * 0.1, 10}, TStrich::Fein);
    });
    Kronblatt(z, spitze, -88, 64, 30, farbe);
    Kronblatt(z, spitze, -28, 62, 28, farbe.lighter(108));
    Kronblatt(z, spitze, -56, 48, 22, farbe);
    Kronblatt(z, spitze, 40, 86, 46, farbe.darker(108));
    if (sporn > 0) {
        // The spur leaves the base of the lip and points back along the ovary.
        const QPointF anfang = spitze + QPointF(0, 10);
        const QPointF ende = Weiter(anfang, w + 180 - 28, lf * sporn);
        const QPointF mitte = Mitte(anfang, ende) + QPointF(6, 10);
        QPainterPath sp(anfang + QPointF(7, 5));
        sp.quadTo(mitte + QPointF(5, 6), ende);
        sp.quadTo(mitte - QPointF(5, 6), anfang + QPointF(-7, -5));
        sp.closeSubpath();
        z.Flaeche(sp, farbe.darker(125));
    }
}

void OrchSpornBild(TZeichner& z, double sporn)
{
    OrchideeSeite(z, sporn, 'm', OrchFarbe);
    if (sporn > 0)
        z.Beschriftung(Weiter({190, 134}, -46 + 180 - 28, 150 * sporn * 0.8), {250, 280},
                       QStringLiteral("Sporn"));
    z.Beschriftung({120, 190}, {30, 130}, QStringLiteral("Fruchtknoten"));
}

// A leaf with parallel veins, from the lower left, spotted or netted as given.
void OrchBlatt(TZeichner& z, char zeichnung)
{
    TBlatt b{TBlattform::Lanzettlich, 250, 96, TRand::Ganz, TNervatur::Parallel};
    b.Stiel = 0;
    if (zeichnung == 'n') {
        b.Form = TBlattform::Eifoermig;
        b.Breite = 140;
        b.Laenge = 220;
        b.Nerven = TNervatur::Keine;
        b.Fuellung = Rgb(0x4e, 0x86, 0x44);
    }
    GrossesBlatt(z, b);
    const QPainterPath pfad = GrossesBlattLage(b).map(BlattPfad(b));
    QPainter& m = z.Maler();
    m.save();
    m.setClipPath(pfad);
    if (zeichnung == '+') {
        const QRectF r = pfad.boundingRect();
        int i = 0;
        for (double y = r.top() + 12; y < r.bottom(); y += z.Gr(22, 34))
            for (double x = r.left() + (i++ % 2) * 14; x < r.right(); x += z.Gr(30, 44))
                if (pfad.contains(QPointF(x, y)))
                    z.Ellipse({x, y}, z.Gr(8, 12), z.Gr(5, 8), Rgb(0x5a, 0x2a, 0x3a), TStrich::Fein,
                              Rgb(0x5a, 0x2a, 0x3a));
    } else if (zeichnung == 'n') {
        const QRectF r = pfad.boundingRect();
        const double a = z.Gr(16, 26);
        // A white net of veins, its meshes a little uneven.
        for (double d = -r.height(); d < r.width() + r.height(); d += a) {
            z.Linie({r.left() + d, r.top()}, {r.left() + d - r.height() * 0.7, r.bottom()},
                    TStrich::Normal, Farbe::Weiss);
            z.Linie({r.left() + d, r.top()},
                    {r.left() + d + r.height() * 0.7 + std::fmod(d, 7.0), r.bottom()},
                    TStrich::Normal, Farbe::Weiss);
        }
        z.Linie(GrossesBlattLage(b).map(QPointF(0, 0)),
                GrossesBlattLage(b).map(QPointF(b.Laenge, 0)), TStrich::Achse, Farbe::Weiss);
    }
    m.restore();
    z.Umriss(pfad);
}

// A whole orchid: leaves as stellung says ('r' rosette, 'w' alternate, '2' a pair on the stem,
// 'g' two basal, '1' one, 's' scales only) and a spike of flowers.
void OrchPflanze(TZeichner& z, char stellung, bool gruen = true)
{
    const double boden = 272, x = MitteX;
    z.Boden(boden);
    const QColor stengel = gruen ? Farbe::Linie : Rgb(0x8a, 0x60, 0x3a);
    const QColor farbe = gruen ? OrchFarbe : Bleich;
    z.Linie({x, boden}, {x, 40}, TStrich::Stark, stengel);
    auto blatt = [&](QPointF an, double w, double l, double b) {
        TBlatt bl{TBlattform::Elliptisch, l, b, TRand::Ganz, TNervatur::Parallel};
        ZeichneBlatt(z, an, w, bl);
    };
    switch (stellung) {
    case 'r':
        for (double w : {-170.0, -150.0, -30.0, -10.0, -120.0, -60.0})
            blatt({x, boden - 2}, w, 70, 34);
        break;
    case 'w':
        for (int k = 0; k < 4; ++k)
            blatt({x, boden - 14 - k * 32}, k % 2 ? -140 : -40, 92 - k * 14, 34 - k * 4);
        break;
    case '2':
        blatt({x, 180}, -165, 82, 60);
        blatt({x, 176}, -15, 82, 60);
        break;
    case 'g':
        blatt({x, boden - 2}, -165, 110, 56);
        blatt({x, boden - 2}, -15, 110, 56);
        break;
    case '1':
        blatt({x, boden - 2}, -20, 120, 58);
        break;
    case 's':
        for (int k = 0; k < 4; ++k) {
            const double y = boden - 20 - k * 46;
            QPainterPath schuppe({x - 7, y});
            schuppe.lineTo(x - 8, y - 26);
            schuppe.quadTo(x, y - 36, x + 8, y - 24);
            schuppe.lineTo(x + 7, y);
            schuppe.closeSubpath();
            z.Flaeche(schuppe, Rgb(0xc8, 0xa8, 0x7a), TStrich::Normal, Rgb(0x6a, 0x4a, 0x2a));
        }
        break;
    }
    for (int k = 0; k < 6; ++k) {
        const double y = 118 - k * 15;
        OrchKlein(z, {x + (k % 2 ? -16 : 16), y}, 13 - k * 0.8, farbe);
    }
}

void OrchBlst(TZeichner& z, char art)
{
    const double x = MitteX;
    const QColor f = OrchFarbe;
    z.Linie({x, Unten}, {x, art == 'e' ? 110.0 : 30.0}, TStrich::Achse);
    switch (art) {
    case 'e':
        z.Kurve({x, 112}, {x + 10, 90}, {x + 24, 80}, TStrich::Normal);
        OrchKlein(z, {x + 30, 70}, 60, f);
        break;
    case 'w':
        for (int k = 0; k < 5; ++k) {
            const double y = 250 - k * 48, s = k % 2 ? -1 : 1;
            z.Linie({x, y}, {x + s * 22, y - 22}, TStrich::Normal);
            OrchKlein(z, {x + s * 34, y - 26}, 15, f);
        }
        break;
    case 'T':
        for (int k = 0; k < 12; ++k) {
            const double y = 270 - k * 20, s = k % 2 ? -1 : 1;
            z.Linie({x, y}, {x + s * 18, y - 14}, TStrich::Normal);
            OrchKlein(z, {x + s * 28, y - 18}, 12, f);
        }
        break;
    case 'd':
        for (int k = 0; k < 16; ++k) {
            const double y = 240 - k * 12, s = k % 2 ? -1 : 1;
            OrchKlein(z, {x + s * 16, y}, 13, f);
        }
        break;
    case 'k':
        for (int k = 0; k < 9; ++k) {
            const double y = 150 - k * 13, breite = 40 * std::sin(M_PI * (k + 2) / 12.0);
            const int n = std::max(1, int(breite / 13));
            for (int j = -n; j <= n; ++j)
                OrchKlein(z, {x + j * breite / n + (k % 2 ? 5 : -5), y}, 13, f);
        }
        OrchKlein(z, {x, 36}, 12, f);
        break;
    case 's': {
        // One row of flowers winding round the axis: those behind it first.
        for (bool vorn : {false, true}) {
            if (vorn) z.Linie({x, Unten}, {x, 30}, TStrich::Achse);
            for (int k = 0; k < 18; ++k) {
                const double phi = k * 0.85;
                if ((std::cos(phi) >= 0) != vorn) continue;
                OrchKlein(z, {x + std::sin(phi) * 22, 262 - k * 12.5}, 15,
                          vorn ? Farbe::Weiss : Rgb(0xd8, 0xd8, 0xd0));
            }
        }
        break;
    }
    }
}

void Knollen(TZeichner& z, char art)
{
    const double boden = 90, x = MitteX;
    z.Boden(boden);
    z.Linie({x, 10}, {x, boden + 20}, TStrich::Stark);
    for (double s : {-1.0, 1.0})
        ZeichneBlatt(z, {x, 80}, s > 0 ? -40 : -140,
                     TBlatt{TBlattform::Lanzettlich, 70, 24, TRand::Ganz, TNervatur::Parallel});
    const QColor knolle = Rgb(0xf0, 0xe4, 0xc6);
    auto wurzeln = [&](QPointF p, int n, double l) {
        for (int k = 0; k < n; ++k) {
            const double w = 20 + k * (140.0 / std::max(1, n - 1));
            z.Kurve(p, Weiter(p, w, l * 0.5) + QPointF(0, 10), Weiter(p, w, l), TStrich::Fein,
                    Farbe::Holz);
        }
    };
    switch (art) {
    case 'k':
        wurzeln({x, boden + 18}, 5, 60);
        z.Linie({x, boden + 18}, {x - 40, boden + 70}, TStrich::Normal);
        z.Linie({x, boden + 18}, {x + 40, boden + 70}, TStrich::Normal);
        z.Ellipse({x - 46, boden + 120}, 36, 50, knolle.darker(108));
        for (int k = 0; k < 4; ++k)
            z.Kurve({x - 74, boden + 96 + k * 14}, {x - 46, boden + 104 + k * 14},
                    {x - 18, boden + 96 + k * 14}, TStrich::Fein, Farbe::Holz);
        z.Ellipse({x + 46, boden + 120}, 38, 52, knolle);
        break;
    case 'h':
        wurzeln({x, boden + 18}, 5, 60);
        for (double s : {-1.0, 1.0}) {
            const QPointF a(x + s * 44, boden + 76);
            z.Linie({x, boden + 18}, a, TStrich::Normal);
            QPainterPath hand;
            hand.addEllipse(a + QPointF(0, 18), 32, 26);
            for (int k = 0; k < 4; ++k) {
                const double w = 55 + k * 24;
                QPainterPath finger;
                finger.addEllipse(QRectF(-9, -2, 18, 72));
                hand = hand.united(
                    QTransform().translate(a.x(), a.y() + 28).rotate(w - 90).map(finger));
            }
            z.Flaeche(hand, s < 0 ? knolle.darker(108) : knolle);
        }
        break;
    case 'w':
        for (int k = 0; k < 9; ++k) {
            const double w = 30 + k * 15;
            const QPointF a(x, boden + 22);
            Rahmen(z, Weiter(a, w, 42), w, 1, [&] { z.Ellipse({0, 0}, 40, 9, knolle); });
        }
        break;
    case 'r': {
        QPainterPath rhizom({x - 110, boden + 40});
        rhizom.cubicTo(x - 60, boden + 30, x - 20, boden + 40, x, boden + 22);
        rhizom.cubicTo(x + 30, boden + 34, x + 80, boden + 30, x + 120, boden + 40);
        z.Umriss(rhizom, TStrich::Stark, Farbe::Holz);
        for (double xr = x - 100; xr < x + 120; xr += 22)
            z.Kurve({xr, boden + 36}, {xr + 6, boden + 80}, {xr - 4, boden + 130}, TStrich::Fein,
                    Farbe::Holz);
        break;
    }
    case 'o': {
        // Fleshy, forking branches like a coral.
        std::function<void(QPointF, double, double, int)> ast = [&](QPointF a, double w, double l,
                                                                    int tiefe) {
            const QPointF e = Weiter(a, w, l);
            QPainterPath p;
            p.moveTo(Weiter(a, w - 90, 7));
            p.lineTo(Weiter(e, w - 90, 6));
            p.quadTo(Weiter(e, w, 8), Weiter(e, w + 90, 6));
            p.lineTo(Weiter(a, w + 90, 7));
            p.closeSubpath();
            z.Flaeche(p, knolle);
            if (tiefe > 0)
                for (double d : {-34.0, 30.0})
                    ast(e, w + d, l * 0.75, tiefe - 1);
        };
        for (double w : {120.0, 60.0, 95.0})
            ast({x, boden + 20}, w, 52, 2);
        break;
    }
    case 'b':
        wurzeln({x, boden + 6}, 7, 70);
        z.Ellipse({x, boden - 24}, 26, 36, Rgb(0xb8, 0xd8, 0x90));
        z.Linie({x, boden - 60}, {x, 10}, TStrich::Stark);
        break;
    }
}

// ---- Gentians (key 28) ----------------------------------------------------------------------

const QColor EnzianBlau = Rgb(0x2c, 0x4c, 0xd0);

// A lobe of a fused corolla seen from above, from the centre outwards.
QPainterPath Zipfelpfad(QPointF m, double winkel, double r, double breite, double innen)
{
    QPainterPath p;
    p.addEllipse(QPointF((innen + 1) * r / 2, 0), (1 - innen) * r / 2, breite);
    return QTransform().translate(m.x(), m.y()).rotate(winkel).map(p);
}

struct TEnzianOben
{
    int Zipfel = 5;
    QColor Farbe = EnzianBlau;
    bool Falten = false;   // small plaits between the lobes
    bool Schlund = false;  // a fringe in the throat
    bool Gefranst = false; // fringed lobe margins
    bool Frei = false;     // divided almost to the base
    bool Punkte = false;
};

void EnzianOben(TZeichner& z, QPointF m, double r, const TEnzianOben& e)
{
    const double schritt = 360.0 / e.Zipfel;
    const double breite = std::min(r * 0.3, r * 2.6 / e.Zipfel);
    for (int k = 0; k < e.Zipfel; ++k) {
        const double w = -90 + k * schritt;
        const QPainterPath zipfel =
            Zipfelpfad(m, w, r, e.Frei ? breite * 0.85 : breite, e.Frei ? 0.06 : 0.25);
        if (e.Gefranst) {
            const QPolygonF rand = Abtasten(zipfel, z.Gr(7, 10));
            for (const QPointF& p : rand) {
                const double d = QLineF(m, p).length();
                if (d < r * 0.5) continue;
                const QPointF n = (p - m) / d;
                z.Linie(p, p + n * z.Gr(14, 20), TStrich::Fein, e.Farbe.darker(130));
            }
        }
        z.Flaeche(zipfel, e.Farbe);
        if (e.Punkte)
            for (int j = 0; j < 5; ++j)
                z.Punkt(Weiter(m, w + (j % 2 ? 6 : -6), r * (0.4 + j * 0.1)), z.Gr(2.5, 4),
                        Rgb(0x6a, 0x3a, 0x2a));
    }
    if (e.Falten)
        for (int k = 0; k < e.Zipfel; ++k) {
            const double w = -90 + (k + 0.5) * schritt;
            z.Flaeche(Polygonpfad({Weiter(m, w - 16, r * 0.3), Weiter(m, w, r * 0.74),
                                   Weiter(m, w + 16, r * 0.3)}),
                      Farbe::AkzentFlaeche, TStrich::Fein, Farbe::Akzent);
        }
    if (!e.Frei) z.Kreis(m, r * 0.32, e.Farbe.darker(112), TStrich::Fein);
    if (e.Schlund)
        for (int k = 0; k < 28; ++k) {
            const double w = k * 360.0 / 28;
            z.Linie(Weiter(m, w, r * 0.1), Weiter(m, w + 8, r * 0.3), TStrich::Fein,
                    Rgb(0xf0, 0xe8, 0xff).darker(115));
        }
    z.Kreis(m, r * 0.1, e.Frei ? Farbe::Kelch : e.Farbe.darker(200), TStrich::Fein);
    if (e.Frei)
        for (int k = 0; k < e.Zipfel; ++k)
            Staubblatt(z, m, Weiter(m, -90 + (k + 0.5) * schritt, r * 0.28), z.Gr(3, 6));
}

void EnzianKelchRoehre(TZeichner& z, double x, double unten, double oben, double b0, double b1)
{
    QPainterPath k({x - b0, unten});
    k.lineTo(x - b1, oben);
    for (int i = 0; i < 3; ++i) {
        const double x0 = x - b1 + i * (2 * b1 / 3);
        k.lineTo(x0 + b1 / 3, oben - (unten - oben) * 0.22);
        k.lineTo(x0 + 2 * b1 / 3, oben);
    }
    k.lineTo(x + b0, unten);
    k.closeSubpath();
    z.Flaeche(k, Farbe::Kelch);
}

// A gentian flower from the side; basis at the bottom of the calyx, g its height.
void EnzianSeite(TZeichner& z, QPointF b, double g, char form, const QColor& farbe,
                 bool punkte = false)
{
    auto p = [&](double dx, double dy) { return QPointF(b.x() + dx * g, b.y() - dy * g); };
    z.Linie(p(0, -0.2), p(0, 0), TStrich::Achse);
    QPainterPath krone;
    switch (form) {
    case 'g':
        krone.moveTo(p(-0.12, 0.14));
        krone.cubicTo(p(-0.32, 0.3), p(-0.34, 0.6), p(-0.32, 0.82));
        for (int k = 0; k < 5; ++k) {
            const double x0 = -0.32 + k * 0.128;
            krone.lineTo(p(x0 + 0.064, 0.98 - (k == 0 || k == 4 ? 0.02 : 0.0)));
            krone.lineTo(p(x0 + 0.128, 0.84));
        }
        krone.cubicTo(p(0.34, 0.6), p(0.32, 0.3), p(0.12, 0.14));
        break;
    case 's':
        krone.moveTo(p(-0.06, 0.14));
        krone.lineTo(p(-0.07, 0.7));
        krone.cubicTo(p(-0.3, 0.72), p(-0.48, 0.78), p(-0.46, 0.84));
        krone.cubicTo(p(-0.3, 0.86), p(-0.1, 0.8), p(0, 0.78));
        krone.cubicTo(p(0.1, 0.8), p(0.3, 0.86), p(0.46, 0.84));
        krone.cubicTo(p(0.48, 0.78), p(0.3, 0.72), p(0.07, 0.7));
        krone.lineTo(p(0.06, 0.14));
        break;
    case 't':
        krone.moveTo(p(-0.06, 0.14));
        krone.cubicTo(p(-0.06, 0.55), p(-0.1, 0.72), p(-0.22, 0.84));
        krone.lineTo(p(-0.32, 0.98));
        krone.lineTo(p(-0.14, 0.9));
        krone.lineTo(p(0.0, 1.0));
        krone.lineTo(p(0.14, 0.9));
        krone.lineTo(p(0.32, 0.98));
        krone.lineTo(p(0.22, 0.84));
        krone.cubicTo(p(0.1, 0.72), p(0.06, 0.55), p(0.06, 0.14));
        break;
    case 'r':
        for (double w : {-170.0, -140.0, -40.0, -10.0, -90.0})
            Kronblatt(z, p(0, 0.22), w, g * 0.5, g * 0.14, farbe);
        for (double w : {-120.0, -60.0})
            Staubblatt(z, p(0, 0.22), Weiter(p(0, 0.22), w, g * 0.3), z.Gr(4, 7));
        break;
    }
    if (form != 'r') {
        krone.closeSubpath();
        z.Flaeche(krone, farbe);
        if (punkte)
            for (int k = 0; k < 9; ++k)
                z.Punkt(p(-0.1 + (k % 3) * 0.1, 0.36 + (k / 3) * 0.16), z.Gr(3, 5),
                        Rgb(0x6a, 0x3a, 0x2a));
    }
    EnzianKelchRoehre(z, b.x(), b.y(), b.y() - g * 0.24, g * 0.08, g * 0.13);
}

void EnzianKelch(TZeichner& z, char art)
{
    const double x = MitteX, unten = 270;
    // The lower part of the corolla above the calyx.
    QPainterPath krone({x - 30, unten - 40});
    krone.lineTo(x - 50, 20);
    krone.lineTo(x + 50, 20);
    krone.lineTo(x + 30, unten - 40);
    krone.closeSubpath();
    z.Flaeche(krone, Rgb(0x9c, 0xa8, 0xe8));
    z.Linie({x, Unten}, {x, unten}, TStrich::Achse);
    auto zipfel = [&](double dx, double l, double b, double neig) {
        TBlatt k{TBlattform::Lanzettlich, l, b, TRand::Ganz, TNervatur::Mittelnerv};
        k.Fuellung = Farbe::Kelch;
        ZeichneBlatt(z, {x + dx, unten - 16}, -90 + neig, k);
    };
    switch (art) {
    case 'r':
        EnzianKelchRoehre(z, x, unten, unten - 130, 30, 44);
        break;
    case 'k':
        for (int k = -2; k <= 2; ++k)
            zipfel(k * 12, 150, 22, k * 9);
        z.Flaeche(
            Polygonpfad(
                {{x - 26, unten}, {x - 32, unten - 20}, {x + 32, unten - 20}, {x + 26, unten}}),
            Farbe::Kelch);
        break;
    case 'u':
        for (int k = -2; k <= 2; ++k)
            zipfel(k * 12, k % 2 ? 170 : 70, k % 2 ? 24 : 14, k * 9);
        z.Flaeche(
            Polygonpfad(
                {{x - 26, unten}, {x - 32, unten - 20}, {x + 32, unten - 20}, {x + 26, unten}}),
            Farbe::Kelch);
        break;
    case 'g':
        for (int k : {-1, 0, 1})
            zipfel(k * 10, 130, 14, k * 8);
        for (double s : {-1.0, 1.0}) {
            TBlatt b{TBlattform::Eifoermig, 170, 80, TRand::Ganz, TNervatur::Mittelnerv};
            b.Fuellung = Farbe::Kelch.darker(104);
            ZeichneBlatt(z, {x + s * 14, unten - 10}, -90 + s * 14, b);
        }
        z.Flaeche(
            Polygonpfad(
                {{x - 26, unten}, {x - 32, unten - 20}, {x + 32, unten - 20}, {x + 26, unten}}),
            Farbe::Kelch);
        break;
    case 's': {
        // A sheath, oblique at the top and split down one side.
        QPainterPath scheide({x - 30, unten});
        scheide.lineTo(x - 46, unten - 150);
        scheide.quadTo(x - 10, unten - 200, x + 8, unten - 170);
        scheide.lineTo(x + 4, unten - 40);
        scheide.lineTo(x + 30, unten);
        scheide.closeSubpath();
        z.Flaeche(scheide, Farbe::Kelch);
        z.Linie({x + 8, unten - 170}, {x + 4, unten - 40}, TStrich::Normal, Farbe::Akzent);
        break;
    }
    case 'f': {
        // Inflated, with broad wings on its angles.
        QPainterPath blase({x - 40, unten});
        blase.cubicTo(x - 80, unten - 80, x - 70, unten - 170, x - 40, unten - 190);
        blase.lineTo(x + 40, unten - 190);
        blase.cubicTo(x + 70, unten - 170, x + 80, unten - 80, x + 40, unten);
        blase.closeSubpath();
        z.Flaeche(blase, Farbe::Kelch.lighter(110));
        for (double s : {-1.0, 0.0, 1.0}) {
            QPainterPath fluegel({x + s * 40, unten});
            fluegel.cubicTo(x + s * 96 + (s == 0 ? 0 : 0), unten - 80, x + s * 90, unten - 170,
                            x + s * 44, unten - 196);
            fluegel.cubicTo(x + s * 62, unten - 150, x + s * 60, unten - 70, x + s * 30, unten);
            if (s == 0) {
                fluegel = QPainterPath({x, unten});
                fluegel.lineTo(x - 12, unten - 196);
                fluegel.lineTo(x + 12, unten - 196);
                fluegel.closeSubpath();
            }
            z.Flaeche(fluegel, Farbe::Kelch.darker(110));
        }
        for (int k = -2; k <= 2; ++k)
            z.Flaeche(Polygonpfad({{x + k * 30 - 8, unten - 188},
                                   {x + k * 30, unten - 214},
                                   {x + k * 30 + 8, unten - 188}}),
                      Farbe::Kelch);
        break;
    }
    }
}

void EnzianKlein(TZeichner& z, QPointF p, double g, const QColor& farbe = EnzianBlau)
{
    QPainterPath k({p.x() - g * 0.1, p.y()});
    k.lineTo(p.x() - g * 0.3, p.y() - g);
    k.lineTo(p.x() - g * 0.1, p.y() - g * 0.86);
    k.lineTo(p.x(), p.y() - g * 1.04);
    k.lineTo(p.x() + g * 0.1, p.y() - g * 0.86);
    k.lineTo(p.x() + g * 0.3, p.y() - g);
    k.lineTo(p.x() + g * 0.1, p.y());
    k.closeSubpath();
    z.Flaeche(k, farbe, TStrich::Fein);
    z.Flaeche(Polygonpfad({{p.x() - g * 0.12, p.y() + 2},
                           {p.x() - g * 0.14, p.y() - g * 0.3},
                           {p.x() + g * 0.14, p.y() - g * 0.3},
                           {p.x() + g * 0.12, p.y() + 2}}),
              Farbe::Kelch, TStrich::Fein);
}

void EnzianPaar(TZeichner& z, QPointF an, double l)
{
    for (double s : {-1.0, 1.0}) {
        TBlatt b{TBlattform::Lanzettlich, l, l * 0.32, TRand::Ganz, TNervatur::Bogen};
        ZeichneBlatt(z, an + QPointF(s * 3, 0), s > 0 ? -30 : -150, b);
    }
}

void EnzianBlst(TZeichner& z, char art)
{
    const double x = MitteX, boden = 282;
    z.Boden(boden);
    switch (art) {
    case 'e':
        for (double w : {-175.0, -150.0, -30.0, -5.0})
            ZeichneBlatt(z, {x, boden - 2}, w,
                         TBlatt{TBlattform::Elliptisch, 70, 30, TRand::Ganz, TNervatur::Bogen});
        z.Linie({x, boden}, {x, 170}, TStrich::Achse);
        EnzianSeite(z, {x, 170}, 150, 's', EnzianBlau);
        break;
    case 'w':
        z.Linie({x, boden}, {x, 90}, TStrich::Achse);
        for (double y : {240.0, 190.0})
            EnzianPaar(z, {x, y}, 56);
        for (double s : {-1.0, 1.0}) {
            z.Linie({x, 150}, {x + s * 50, 110}, TStrich::Normal);
            EnzianKlein(z, {x + s * 50, 110}, 70);
        }
        EnzianPaar(z, {x, 150}, 40);
        EnzianKlein(z, {x, 90}, 80);
        break;
    case 'a': {
        QPainterPath st({40, boden});
        st.cubicTo(80, 120, 200, 60, 300, 70);
        z.Umriss(st, TStrich::Achse);
        const QPolygonF punkte = Abtasten(st, 52);
        for (int i = 1; i < punkte.size() - 1; ++i) {
            const QPointF p = punkte[i];
            EnzianPaar(z, p, 40);
            EnzianKlein(z, p + QPointF(4, -2), 52);
        }
        break;
    }
    case 'q':
        z.Linie({x, boden}, {x, 40}, TStrich::Achse);
        for (double y : {230.0, 150.0, 74.0}) {
            EnzianPaar(z, {x, y + 10}, 70);
            for (int k = -2; k <= 2; ++k)
                EnzianKlein(z, {x + k * 16, y + std::abs(k) * 3.0}, 46);
        }
        break;
    case 't':
        z.Linie({x, boden}, {x, 40}, TStrich::Achse);
        EnzianPaar(z, {x, 250}, 60);
        for (int k = 0; k < 6; ++k) {
            const double y = 214 - k * 28, s = k % 2 ? -1 : 1;
            const QPointF e(x + s * (56 - k * 6), y - 24);
            z.Linie({x, y}, e, TStrich::Normal);
            EnzianKlein(z, e, 34);
            EnzianKlein(z, Mitte({x, y}, e, 0.5) + QPointF(0, -4), 28);
        }
        EnzianKlein(z, {x, 46}, 34);
        break;
    }
}

void EnzianLebensform(TZeichner& z, bool ausdauernd)
{
    const double boden = 220, x = ausdauernd ? 130 : MitteX;
    z.Boden(boden);
    z.Linie({x, boden}, {x, 90}, TStrich::Achse);
    for (double y : {190.0, 140.0})
        EnzianPaar(z, {x, y}, 44);
    EnzianKlein(z, {x, 90}, 70);
    if (!ausdauernd) {
        z.Kurve({x, boden}, {x + 3, boden + 30}, {x - 2, boden + 64}, TStrich::Normal);
        for (int k = 0; k < 3; ++k)
            z.Linie({x, boden + 14 + k * 14}, {x + (k % 2 ? -12 : 12), boden + 22 + k * 14},
                    TStrich::Fein);
        return;
    }
    // A stout rootstock with leafy rosettes that do not flower.
    z.Linie({x - 30, boden + 8}, {x + 130, boden + 8}, TStrich::Stark, Farbe::Holz);
    for (double xr : {x + 60, x + 120}) {
        for (double w : {-170.0, -135.0, -45.0, -10.0, -90.0})
            ZeichneBlatt(
                z, {xr, boden - 2}, w,
                TBlatt{TBlattform::Elliptisch, 44, 18, TRand::Ganz, TNervatur::Mittelnerv});
    }
    for (double xr = x - 20; xr < x + 130; xr += 26)
        z.Kurve({xr, boden + 10}, {xr + 8, boden + 40}, {xr, boden + 70}, TStrich::Fein,
                Farbe::Holz);
}

// ---- St John's worts (key 32) ---------------------------------------------------------------

const QColor Johannis = Rgb(0xf6, 0xc8, 0x1e);

// A leaf against the light: translucent dots (punkte: 0 none, 1 few, 2 many), black dots on
// the margin, and the veins as given.
void HypBlatt(TZeichner& z, int punkte, bool flecken, TNervatur nerven = TNervatur::Mittelnerv)
{
    TBlatt b{TBlattform::Elliptisch, 240, 120, TRand::Ganz, nerven};
    b.Stiel = 0;
    GrossesBlatt(z, b);
    const QTransform lage = GrossesBlattLage(b);
    const QPainterPath pfad = lage.map(BlattPfad(b));
    if (punkte > 0) {
        const double a = punkte == 2 ? z.Gr(15, 22) : z.Gr(38, 52);
        int i = 0;
        for (double u = 12; u < b.Laenge - 10; u += a, ++i)
            for (double v = -b.Breite / 2 + (i % 2 ? a * 0.5 : a * 0.2); v < b.Breite / 2; v += a) {
                const QPointF p = lage.map(QPointF(u, v));
                if (!pfad.contains(p) || std::abs(v) < 5) continue;
                z.Kreis(p, z.Gr(3.5, 6), Rgb(0xfc, 0xfc, 0xee), TStrich::Fein,
                        Rgb(0x6a, 0x8a, 0x4a));
            }
    }
    if (flecken) {
        const QPolygonF rand = Abtasten(pfad, z.Gr(18, 26));
        const QPointF mitte = pfad.boundingRect().center();
        for (const QPointF& p : rand)
            z.Punkt(Mitte(p, mitte, 0.06), z.Gr(3, 5), Rgb(0x18, 0x18, 0x18));
    }
}

void HypSchnitt(TZeichner& z, char art)
{
    const QPointF m(MitteX, 150);
    const double r = 92;
    QPainterPath q;
    switch (art) {
    case 'r':
        q = Ellipsenpfad(m, r, r);
        break;
    case '2':
        q = Ellipsenpfad(m, r, r)
                .united(Polygonpfad(
                    {m + QPointF(-r - 26, 0), m + QPointF(-r + 6, -16), m + QPointF(-r + 6, 16)}))
                .united(Polygonpfad(
                    {m + QPointF(r + 26, 0), m + QPointF(r - 6, -16), m + QPointF(r - 6, 16)}));
        break;
    case '4':
    case 'g': {
        QPainterPath quadrat;
        quadrat.addRoundedRect(QRectF(m.x() - r * 0.82, m.y() - r * 0.82, r * 1.64, r * 1.64), 14,
                               14);
        q = quadrat;
        for (int k = 0; k < 4; ++k) {
            const double w = 45 + k * 90;
            const double l = art == 'g' ? r * 1.75 : r * 1.3;
            const double b = art == 'g' ? 6 : 14;
            q = q.united(
                Polygonpfad({Weiter(m, w - 90, b) + (Weiter(m, w, r * 0.9) - m), Weiter(m, w, l),
                             Weiter(m, w + 90, b) + (Weiter(m, w, r * 0.9) - m),
                             Weiter(m, w + 90, b), Weiter(m, w - 90, b)}));
        }
        break;
    }
    }
    z.Flaeche(q, Farbe::Kelch, TStrich::Achse);
    z.Kreis(m, r * 0.6, Farbe::Schnitt, TStrich::Fein);
}

void HypKelch(TZeichner& z, bool spitz, bool druesen, bool flecken)
{
    const QPointF m(MitteX, 150);
    for (int k = 0; k < 5; ++k)
        Kronblatt(z, m, -90 + 36 + k * 72, 130, 64, Johannis);
    for (int k = 0; k < 5; ++k) {
        const double w = -90 + k * 72;
        TBlatt b{spitz ? TBlattform::Lanzettlich : TBlattform::Elliptisch, 118, 44, TRand::Ganz,
                 TNervatur::Mittelnerv};
        b.Fuellung = Farbe::Kelch;
        const QPainterPath pfad = QTransform().translate(m.x(), m.y()).rotate(w).map(BlattPfad(b));
        if (druesen) {
            const QPolygonF rand = Abtasten(pfad, z.Gr(10, 15));
            for (const QPointF& p : rand) {
                const double d = QLineF(m, p).length();
                if (d < 30) continue;
                QPointF n = p - Weiter(m, w, d);
                const double l = std::hypot(n.x(), n.y());
                if (l < 1) continue;
                n /= l;
                z.Linie(p, p + n * z.Gr(10, 14), TStrich::Fein);
                z.Punkt(p + n * z.Gr(10, 14), z.Gr(2.6, 4), Rgb(0x18, 0x18, 0x18));
            }
        }
        z.Flaeche(pfad, Farbe::Kelch);
        if (flecken)
            for (int j = 0; j < 4; ++j)
                z.Punkt(Weiter(Weiter(m, w, 40 + j * 18), w + 90, (j % 2 ? 8 : -8)), z.Gr(3, 5),
                        Rgb(0x18, 0x18, 0x18));
    }
    z.Kreis(m, 16, Farbe::Kelch.darker(110), TStrich::Fein);
}

// A pair of opposite leaves on an upright stem, the leaves of shape art.
void HypBlaetter(TZeichner& z, char art)
{
    const double x = MitteX;
    z.Linie({x, Unten}, {x, 8}, TStrich::Achse);
    TBlatt b{TBlattform::Eifoermig, 118, 70, TRand::Ganz, TNervatur::Fieder};
    switch (art) {
    case 'h':
        b.Form = TBlattform::Herz;
        b.Breite = 84;
        break;
    case 'e':
        b.Form = TBlattform::Elliptisch;
        b.Breite = 62;
        break;
    case 'l':
        b = TBlatt{TBlattform::Lanzettlich, 130, 30, TRand::Ganz, TNervatur::Mittelnerv};
        break;
    case 'k':
        b.Form = TBlattform::Elliptisch;
        b.Breite = 56;
        b.Laenge = 104;
        b.Stiel = 22;
        break;
    case 'r':
        b = TBlatt{TBlattform::Rund, 90, 84, TRand::Ganz, TNervatur::Fieder};
        b.Fuellung = Rgb(0xc8, 0xd0, 0xc0);
        break;
    }
    for (double y : {236.0, 110.0})
        for (double s : {-1.0, 1.0}) {
            const QPointF an(x + (art == 'h' ? -s * 8 : s * 3), y);
            ZeichneBlatt(z, an, s > 0 ? -8 : -172, b);
            if (art == 'r') {
                const QPainterPath pfad = QTransform()
                                              .translate(an.x() + s * b.Stiel, an.y())
                                              .rotate(s > 0 ? -8 : -172)
                                              .map(BlattPfad(b));
                HaareFlaeche(z, pfad, THaar::Kurz, z.Gr(10, 14));
            }
        }
    if (art == 'h') z.Linie({x, 250}, {x, 100}, TStrich::Achse);
}

void HypBlst(TZeichner& z, char art)
{
    const double x = MitteX;
    z.Linie({x, Unten}, {x, art == 'w' ? 140.0 : 120.0}, TStrich::Achse);
    for (double y : {260.0, 190.0})
        for (double s : {-1.0, 1.0})
            ZeichneBlatt(
                z, {x + s * 3, y}, s > 0 ? -20 : -160,
                TBlatt{TBlattform::Elliptisch, 60, 26, TRand::Ganz, TNervatur::Mittelnerv});
    auto bluete = [&](QPointF p, double r) {
        TBlueteOben b{5, Johannis, false, 0, 0, 3};
        BlueteOben(z, p, r * 1.25, b);
    };
    switch (art) {
    case 'r':
        for (int k = -2; k <= 2; ++k) {
            const QPointF e(x + k * 52, 70 + std::abs(k) * 14);
            z.Linie({x, 150 - std::abs(k) * 6.0}, e, TStrich::Normal);
            bluete(e, 22);
            for (double s : {-1.0, 1.0}) {
                const QPointF f = e + QPointF(s * 22, 36);
                z.Linie(Mitte({x, 150}, e, 0.7), f, TStrich::Fein);
                bluete(f, 14);
            }
        }
        break;
    case 'k':
        z.Linie({x, 120}, {x, 80}, TStrich::Achse);
        for (int k = 0; k < 9; ++k)
            bluete(Weiter({x, 70}, k * 40.0, k == 8 ? 0 : 34), k == 8 ? 24 : 20);
        break;
    case 'w':
        z.Linie({x, 140}, {x - 40, 90}, TStrich::Normal);
        z.Linie({x, 140}, {x + 40, 90}, TStrich::Normal);
        bluete({x, 110}, 34);
        bluete({x - 44, 84}, 26);
        bluete({x + 44, 84}, 26);
        break;
    }
}

void HypWuchs(TZeichner& z, char art)
{
    const double boden = 262;
    auto paare = [&](const QPainterPath& st, double abstand) {
        const QPolygonF punkte = Abtasten(st, abstand);
        for (int i = 1; i < punkte.size() - 1; ++i) {
            const double w = Winkel(punkte[i - 1], punkte[i + 1]);
            for (double s : {-1.0, 1.0})
                Rahmen(z, Weiter(punkte[i], w + s * 70, 17), w + s * 70, 1, [&] {
                    z.Ellipse({0, 0}, 17, 8, Farbe::Blatt, TStrich::Fein);
                });
        }
        const QPointF spitze = punkte.last();
        BlueteOben(z, spitze, 28, TBlueteOben{5, Johannis, false, 0, 0, 3});
    };
    switch (art) {
    case 'a': {
        z.Boden(boden);
        QPainterPath st({MitteX, boden});
        st.lineTo(MitteX, 40);
        z.Umriss(st, TStrich::Achse);
        paare(st, 34);
        break;
    }
    case 'n':
        z.Boden(boden);
        for (double s : {-1.0, 1.0}) {
            QPainterPath st({MitteX, boden});
            st.cubicTo(MitteX + s * 80, boden - 2, MitteX + s * 110, boden - 10, MitteX + s * 130,
                       boden - 90);
            z.Umriss(st, TStrich::Achse);
            paare(st, 30);
        }
        break;
    case 'k': {
        QPainterPath nass;
        nass.addRect(QRectF(6, boden - 4, 308, 34));
        z.Fuellen(nass, Rgb(0xd9, 0xcf, 0xb4));
        z.Wasser(boden - 10, boden - 2);
        QPainterPath st({20, boden - 6});
        st.lineTo(250, boden - 6);
        st.quadTo(280, boden - 8, 292, boden - 60);
        z.Umriss(st, TStrich::Achse);
        for (double xr = 50; xr < 250; xr += 50)
            for (int k = -1; k <= 1; ++k)
                z.Linie({xr, boden - 6}, {xr + k * 8, boden + 22}, TStrich::Fein, Farbe::Holz);
        paare(st, 26);
        break;
    }
    case 's':
        z.Boden(boden);
        for (double s : {-1.0, -0.4, 0.4, 1.0}) {
            const QPointF b(MitteX + s * 90, 110 - std::abs(s) * 10);
            z.Linie({MitteX + s * 10, boden}, b, TStrich::Stark, Farbe::Holz);
            QPainterPath st(b);
            st.lineTo(b + QPointF(s * 14, -70));
            z.Umriss(st, TStrich::Normal);
            paare(st, 24);
        }
        break;
    }
}

void HypFrucht(TZeichner& z, bool beere)
{
    const QPointF m(MitteX, 130);
    z.Linie({MitteX, Unten}, {MitteX, 210}, TStrich::Achse);
    for (double w : {-160.0, -130.0, -50.0, -20.0})
        Kelchblatt(z, {MitteX, 210}, w, 70, 30);
    if (beere) {
        z.Ellipse(m + QPointF(0, 10), 72, 78, Rgb(0x22, 0x1a, 0x24));
        z.Ellipse(m + QPointF(-26, -24), 16, 10, Rgb(0x6a, 0x60, 0x70), TStrich::Fein,
                  Rgb(0x6a, 0x60, 0x70));
    } else {
        QPainterPath k({MitteX, 212});
        k.cubicTo(MitteX - 80, 190, MitteX - 50, 60, MitteX, 40);
        k.cubicTo(MitteX + 50, 60, MitteX + 80, 190, MitteX, 212);
        z.Flaeche(k, Farbe::Frucht);
        for (double s : {-0.5, 0.0, 0.5})
            z.Kurve({MitteX + s * 70, 190}, {MitteX + s * 60, 110}, {MitteX, 44}, TStrich::Fein);
        for (double w : {-120.0, -90.0, -60.0})
            z.Linie({MitteX, 44}, Weiter({MitteX, 44}, w, 40), TStrich::Normal);
    }
    for (double w : {-100.0, -80.0})
        Kelchblatt(z, {MitteX, 210}, w, 60, 26);
}

// ---- Bracts with teeth (keys 24 and 52) -----------------------------------------------------

// A toothed bract from its base at (MitteX, 286) up to its tip: breit an ovate, else a narrow
// outline; zahn 'g' awned, 's' pointed, 't' blunt; haare on its margin and surface.
void Deckblatt(TZeichner& z, bool breit, char zahn, THaar haare, int zaehne = 4)
{
    const double basis = 286, spitze = 22, laenge = basis - spitze;
    const double breite = breit ? 120 : 64;
    auto halb = [&](double t) {
        return breite * std::pow(std::sin(M_PI * std::min(0.99, 0.06 + 0.94 * t)), 0.7) *
               (1.0 - 0.4 * t);
    };
    auto y = [&](double t) { return basis - t * laenge; };
    QPainterPath links({MitteX, basis});
    links.lineTo(MitteX - halb(0.02), y(0.02));
    std::vector<QPointF> spitzen;
    for (int k = 0; k < zaehne; ++k) {
        const double t0 = 0.14 + k * (0.72 / zaehne);
        const double t1 = t0 + 0.72 / zaehne;
        const QPointF tief(MitteX - halb(t0) * 0.78, y(t0));
        const QPointF zahnspitze(MitteX - halb((t0 + t1) / 2) * 1.08, y(t1) + laenge * 0.03);
        links.lineTo(tief);
        if (zahn == 't') {
            links.quadTo(zahnspitze + QPointF(-6, 4),
                         Mitte(zahnspitze, QPointF(MitteX - halb(t1) * 0.78, y(t1)), 0.6));
        } else {
            links.lineTo(zahnspitze);
        }
        spitzen.push_back(zahnspitze);
    }
    links.lineTo(MitteX - halb(0.93) * 0.5, y(0.93));
    links.lineTo(MitteX, spitze);
    const QPainterPath pfad = Spiegelpfad(MitteX, links);
    if (haare != THaar::Keine) HaareRand(z, pfad, haare, z.Gr(9, 13));
    z.Flaeche(pfad, Farbe::Kelch);
    z.Linie({MitteX, basis}, {MitteX, spitze + 20}, TStrich::Fein);
    if (zahn == 'g') {
        spitzen.push_back(QPointF(MitteX, spitze));
        for (const QPointF& p : spitzen)
            for (double s : {-1.0, 1.0}) {
                const QPointF q(MitteX + (p.x() - MitteX) * s, p.y());
                const double w = p.x() == MitteX ? -90 : (s < 0 ? -130 : -50);
                z.Linie(q, Weiter(q, w, z.Gr(30, 40)), TStrich::Normal);
                if (p.x() == MitteX) break;
            }
    }
    if (haare != THaar::Keine) {
        QPainterPath innen = QTransform()
                                 .translate(MitteX, basis)
                                 .scale(0.7, 0.8)
                                 .translate(-MitteX, -basis)
                                 .map(pfad);
        HaareFlaeche(z, innen, haare, z.Gr(26, 36));
    }
}

// ---- Broomrapes (key 39) --------------------------------------------------------------------

const QColor Sommerwurzgelb = Rgb(0xe8, 0xc8, 0x80);

// The corolla from the side, base at (0, 0) along +x, length l: 'g' back evenly curved,
// 'm' straight in the middle, 'e' constricted below the throat.
QPainterPath SommerwurzKrone(char form, double l)
{
    QPainterPath p({0, -0.12 * l});
    switch (form) {
    case 'g':
        p.quadTo(0.5 * l, -0.56 * l, 0.98 * l, -0.26 * l);
        break;
    case 'm':
        p.quadTo(0.06 * l, -0.3 * l, 0.22 * l, -0.34 * l);
        p.lineTo(0.7 * l, -0.38 * l);
        p.quadTo(0.9 * l, -0.4 * l, 0.98 * l, -0.26 * l);
        break;
    case 'e':
        p.quadTo(0.3 * l, -0.36 * l, 0.56 * l, -0.32 * l);
        p.quadTo(0.66 * l, -0.28 * l, 0.72 * l, -0.36 * l);
        p.quadTo(0.86 * l, -0.48 * l, 0.98 * l, -0.26 * l);
        break;
    }
    p.lineTo(0.9 * l, -0.2 * l);
    p.lineTo(0.92 * l, -0.12 * l);
    // The lower lip with its three lobes.
    p.quadTo(1.04 * l, -0.08 * l, 1.02 * l, 0.02 * l);
    p.quadTo(0.96 * l, 0.08 * l, 0.92 * l, 0.04 * l);
    p.quadTo(0.96 * l, 0.14 * l, 0.88 * l, 0.16 * l);
    p.quadTo(0.8 * l, 0.14 * l, 0.8 * l, 0.06 * l);
    if (form == 'e')
        p.quadTo(0.66 * l, 0.02 * l, 0.5 * l, 0.04 * l);
    else
        p.quadTo(0.6 * l, 0.06 * l, 0.4 * l, 0.05 * l);
    p.lineTo(0, 0.04 * l);
    p.closeSubpath();
    return p;
}

struct TSommerwurz
{
    char Krone = 'g';
    QColor Farbe = Sommerwurzgelb;
    bool Vorblaetter = false;
    char Kelch = 'z';
    bool Adern = false;
};

// A flower from the side at the top of the picture, with bract, bracteoles and calyx.
void SommerwurzSeite(TZeichner& z, const TSommerwurz& s)
{
    const QPointF b(60, 190);
    const double l = 240;
    z.Linie({36, Unten}, {36, 40}, TStrich::Stark, Rgb(0x9a, 0x70, 0x4a));
    TBlatt trag{TBlattform::Lanzettlich, 170, 34, TRand::Ganz, TNervatur::Keine};
    trag.Fuellung = Bleich;
    ZeichneBlatt(z, {38, 240}, -58, trag);
    Rahmen(z, b, -14, 1, [&] {
        const QPainterPath k = SommerwurzKrone(s.Krone, l);
        z.Flaeche(k, s.Farbe);
        if (s.Adern)
            for (double y : {-0.18, -0.1, -0.02})
                z.Linie({0.1 * l, y * l}, {0.8 * l, y * l * 1.2}, TStrich::Fein,
                        Rgb(0x90, 0x60, 0xc0));
        const QColor kf = Rgb(0xc0, 0x9a, 0x62);
        if (s.Kelch == 'z') {
            // One of the two free side halves, forked at its tip; the tube shows above it.
            QPainterPath h({-6, 0.07 * l});
            h.lineTo(0.3 * l, 0.0);
            h.lineTo(0.42 * l, -0.04 * l);
            h.lineTo(0.3 * l, -0.07 * l);
            h.lineTo(0.4 * l, -0.13 * l);
            h.lineTo(0.24 * l, -0.12 * l);
            h.lineTo(-6, -0.02 * l);
            h.closeSubpath();
            z.Flaeche(h, kf);
        } else {
            // A bell around the whole base of the tube, with four teeth.
            QPainterPath h({-6, 0.07 * l});
            h.lineTo(0.2 * l, 0.08 * l);
            for (int i = 0; i < 4; ++i) {
                h.lineTo(0.3 * l, (0.06 - i * 0.075) * l);
                h.lineTo(0.22 * l, (0.02 - i * 0.075) * l);
            }
            h.lineTo(0.2 * l, -0.26 * l);
            h.lineTo(-6, -0.14 * l);
            h.closeSubpath();
            z.Flaeche(h, kf);
            for (double y : {-0.02, -0.1, -0.18})
                z.Linie({0.02 * l, y * l * 0.6}, {0.2 * l, y * l}, TStrich::Fein);
        }
        if (s.Vorblaetter)
            for (double d : {0.0, 0.05}) {
                TBlatt v{TBlattform::Lineal, 0.3 * l, 9, TRand::Ganz, TNervatur::Keine};
                v.Fuellung = Farbe::AkzentFlaeche;
                v.Linie = Farbe::Akzent;
                ZeichneBlatt(z, {-4, d * l}, 8 + d * 200, v);
            }
    });
}

void SommerwurzPflanze(TZeichner& z, char art)
{
    const double boden = 280;
    z.Boden(boden);
    const QColor st = Rgb(0x9a, 0x70, 0x4a);
    auto aehre = [&](double x, double oben, double unten, int n) {
        z.Linie({x, unten}, {x, oben}, TStrich::Stark, st);
        for (int k = 0; k < n; ++k) {
            const double y = unten - 10 - k * (unten - oben - 10) / n;
            const double s = k % 2 ? -1 : 1;
            Rahmen(z, {x + s * 4, y}, s > 0 ? -20 : -160, 1, [&] {
                QPainterPath k2 = SommerwurzKrone('g', z.Gr(40, 44));
                if (s < 0) k2 = QTransform().scale(1, -1).map(k2);
                z.Flaeche(k2, Sommerwurzgelb, TStrich::Fein);
            });
        }
    };
    switch (art) {
    case 'l':
        z.Linie({MitteX, boden}, {MitteX, 140}, TStrich::Stark, st);
        aehre(MitteX, 30, 150, 5);
        break;
    case 'd':
        z.Linie({MitteX, boden}, {MitteX, 200}, TStrich::Stark, st);
        aehre(MitteX, 26, 210, 16);
        break;
    case 'v':
        z.Linie({MitteX, boden}, {MitteX, 160}, TStrich::Stark, st);
        for (double s : {-1.0, 1.0}) {
            z.Linie({MitteX, 220}, {MitteX + s * 80, 150}, TStrich::Achse, st);
            aehre(MitteX + s * 80, 60, 150, 6);
        }
        aehre(MitteX, 30, 160, 7);
        break;
    }
    for (double y = boden - 20; y > 170; y -= 30)
        z.Flaeche(Polygonpfad({{MitteX - 4, y}, {MitteX + 14, y - 20}, {MitteX + 4, y - 4}}),
                  Bleich, TStrich::Fein);
}

// ---- Lousewort (key 40) ---------------------------------------------------------------------

const QColor Lausefarbe = Rgb(0xe0, 0x7c, 0xb8);

// A lousewort flower from the side, calyx base at b: upper lip 's' beaked, 'z' with two
// teeth, 'o' blunt; calyx '2', 'l' or 'z'.
void LausekrautSeite(TZeichner& z, QPointF b, double g, char ober, const QColor& farbe, char kelch,
                     const QColor& spitze = {})
{
    auto p = [&](double dx, double dy) { return QPointF(b.x() + dx * g, b.y() - dy * g); };
    QPainterPath roehre(p(0.04, 0.02));
    roehre.lineTo(p(0.44, 0.2));
    roehre.lineTo(p(0.4, 0.32));
    roehre.lineTo(p(0.02, 0.12));
    roehre.closeSubpath();
    QPainterPath unter(p(0.42, 0.22));
    unter.cubicTo(p(0.6, 0.24), p(0.78, 0.16), p(0.8, 0.04));
    unter.cubicTo(p(0.74, -0.06), p(0.6, 0.0), p(0.44, 0.16));
    unter.closeSubpath();
    // The galea: a hood pressed flat from the sides.
    QPainterPath helm(p(0.36, 0.3));
    helm.cubicTo(p(0.36, 0.7), p(0.5, 0.84), p(0.64, 0.8));
    switch (ober) {
    case 's':
        helm.cubicTo(p(0.74, 0.76), p(0.8, 0.6), p(0.96, 0.48));
        helm.lineTo(p(0.95, 0.44));
        helm.cubicTo(p(0.8, 0.5), p(0.72, 0.54), p(0.66, 0.52));
        break;
    case 'z':
        helm.cubicTo(p(0.74, 0.76), p(0.76, 0.6), p(0.74, 0.52));
        helm.lineTo(p(0.78, 0.48));
        helm.lineTo(p(0.72, 0.48));
        helm.lineTo(p(0.75, 0.43));
        helm.lineTo(p(0.68, 0.46));
        break;
    default:
        helm.cubicTo(p(0.76, 0.76), p(0.78, 0.58), p(0.72, 0.48));
        break;
    }
    helm.cubicTo(p(0.6, 0.44), p(0.5, 0.34), p(0.46, 0.24));
    helm.closeSubpath();
    z.Flaeche(roehre, farbe);
    z.Flaeche(unter, farbe);
    z.Flaeche(helm, farbe);
    if (spitze.isValid()) {
        QPainter& m = z.Maler();
        m.save();
        m.setClipPath(helm);
        z.Fuellen(Ellipsenpfad(p(0.76, 0.56), g * 0.14, g * 0.14), spitze);
        m.restore();
        z.Umriss(helm);
    }
    QPainterPath k(p(0.0, -0.02));
    switch (kelch) {
    case '2':
        k.lineTo(p(-0.02, 0.1));
        for (int i = 0; i < 5; ++i)
            k.lineTo(p(0.1 + i * 0.05, 0.18 + (i % 2 ? 0.02 : 0.08) + i * 0.02));
        k.lineTo(p(0.34, 0.18));
        for (int i = 0; i < 4; ++i)
            k.lineTo(p(0.36 - i * 0.04, 0.1 - (i % 2 ? 0.04 : 0.0) - i * 0.02));
        k.lineTo(p(0.2, -0.04));
        break;
    case 'l':
        k.lineTo(p(-0.02, 0.1));
        k.lineTo(p(0.16, 0.22));
        k.lineTo(p(0.2, 0.34));
        k.lineTo(p(0.24, 0.28));
        k.lineTo(p(0.28, 0.3));
        k.lineTo(p(0.27, 0.22));
        k.lineTo(p(0.38, 0.24));
        k.lineTo(p(0.32, 0.16));
        k.lineTo(p(0.36, 0.12));
        k.lineTo(p(0.3, 0.08));
        k.lineTo(p(0.36, 0.02));
        k.lineTo(p(0.24, 0.0));
        break;
    default:
        k.lineTo(p(-0.02, 0.1));
        k.lineTo(p(0.2, 0.2));
        k.lineTo(p(0.24, 0.25));
        k.lineTo(p(0.26, 0.18));
        k.lineTo(p(0.28, 0.14));
        k.lineTo(p(0.3, 0.14));
        k.lineTo(p(0.28, 0.08));
        k.lineTo(p(0.24, 0.0));
        break;
    }
    k.closeSubpath();
    z.Flaeche(k, Farbe::Kelch);
}

void LausekrautKlein(TZeichner& z, QPointF p, double g, double winkel, const QColor& farbe)
{
    Rahmen(z, p, winkel, g / 100, [&] { LausekrautSeite(z, {0, 0}, 100, 's', farbe, 'z'); });
}

// A pinnatisect leaf of a lousewort (small, for whole plants).
void LausekrautBlatt(TZeichner& z, QPointF an, double winkel, double l)
{
    TBlatt b{TBlattform::Lanzettlich, l, l * 0.3, TRand::Fiederschnittig, TNervatur::Mittelnerv};
    b.Stiel = l * 0.15;
    b.Strich = TStrich::Fein;
    ZeichneBlatt(z, an, winkel, b);
}

void LausekrautBlst(TZeichner& z, char art)
{
    const double x = MitteX;
    z.Boden(284);
    z.Linie({x, 284}, {x, art == 'k' ? 80.0 : 30.0}, TStrich::Achse);
    LausekrautBlatt(z, {x, 282}, -160, 90);
    LausekrautBlatt(z, {x, 282}, -20, 90);
    switch (art) {
    case 't':
        for (int k = 0; k < 6; ++k) {
            const double y = 220 - k * 34, s = k % 2 ? -1 : 1;
            z.Linie({x, y}, {x + s * 16, y - 12}, TStrich::Normal);
            LausekrautKlein(z, {x + s * 16, y - 12}, 56, s > 0 ? -30 : -150, Lausefarbe);
        }
        break;
    case 'a':
        for (int k = 0; k < 12; ++k) {
            const double y = 200 - k * 14, s = k % 2 ? -1 : 1;
            LausekrautKlein(z, {x + s * 3, y}, 48, s > 0 ? -30 : -150, Lausefarbe);
        }
        break;
    case 'k':
        for (int k = 0; k < 7; ++k)
            LausekrautKlein(z, {x, 80}, 54, -170 + k * 27, Lausefarbe);
        break;
    case 'q':
        for (double y : {220.0, 150.0, 80.0}) {
            for (double s : {-1.0, 1.0})
                LausekrautBlatt(z, {x, y + 12}, s > 0 ? -15 : -165, 54);
            for (double s : {-1.0, 1.0})
                LausekrautKlein(z, {x + s * 2, y - 4}, 46, s > 0 ? -40 : -140, Lausefarbe);
        }
        break;
    case 'w':
        for (int k = 0; k < 4; ++k) {
            const double y = 230 - k * 54, s = k % 2 ? -1 : 1;
            LausekrautBlatt(z, {x, y}, s > 0 ? -20 : -160, 66);
            LausekrautKlein(z, {x + s * 3, y - 8}, 48, s > 0 ? -50 : -130, Lausefarbe);
        }
        break;
    }
}

void LausekrautStellung(TZeichner& z, char art)
{
    const double x = MitteX;
    z.Boden(284);
    z.Linie({x, 284}, {x, 80}, TStrich::Achse);
    for (int k = 0; k < 5; ++k)
        LausekrautKlein(z, {x + (k % 2 ? -3 : 3), 76 - k * 12.0}, 40, k % 2 ? -150 : -30,
                        Lausefarbe);
    switch (art) {
    case 'w':
        for (int k = 0; k < 4; ++k)
            LausekrautBlatt(z, {x, 260 - k * 44.0}, k % 2 ? -150 : -30, 90 - k * 8);
        break;
    case 'q':
        for (double y : {250.0, 180.0, 114.0})
            for (double w : {-170.0, -130.0, -50.0, -10.0})
                LausekrautBlatt(z, {x, y}, w, 62);
        break;
    case 'g':
        for (double w : {-175.0, -150.0, -125.0, -55.0, -30.0, -5.0})
            LausekrautBlatt(z, {x, 282}, w, 104);
        break;
    }
}

// A lousewort leaf that fills the canvas, from the lower left to the upper right: 'f' cut to
// the midrib into narrow segments, 'l' cut halfway into broad round lobes.
void LausekrautGross(TZeichner& z, char art)
{
    const QPointF a(60, 280), e(270, 24);
    const double w = Winkel(a, e), l = QLineF(a, e).length();
    QPainterPath umriss;
    umriss.addPolygon(QPolygonF({Weiter(a, w + 90, art == 'f' ? 5 : 26), Weiter(e, w + 90, 2),
                                 Weiter(e, w - 90, 2), Weiter(a, w - 90, art == 'f' ? 5 : 26)}));
    umriss.closeSubpath();
    const int n = art == 'f' ? 9 : 5;
    for (int k = 0; k < n; ++k) {
        const double t = 0.12 + k * (0.8 / n);
        const double groesse = std::sin(M_PI * (0.15 + 0.85 * t));
        for (double s : {-1.0, 1.0}) {
            const QPointF m =
                Weiter(Weiter(a, w, l * t), w + s * 90, art == 'f' ? 44 * groesse : 34 * groesse);
            QPainterPath lappen;
            if (art == 'f')
                lappen.addEllipse(QPointF(0, 0), 46 * groesse, 11 * groesse);
            else
                lappen.addEllipse(QPointF(0, 0), 36 * groesse, 26 * groesse);
            umriss = umriss.united(QTransform()
                                       .translate(m.x(), m.y())
                                       .rotate(w + s * (art == 'f' ? 70 : 80))
                                       .map(lappen));
        }
    }
    z.Flaeche(umriss.simplified(), Farbe::Blatt);
    z.Linie(a, e, TStrich::Fein);
    z.Linie(Weiter(a, w + 180, 30), a, TStrich::Normal);
}

// One leaf segment with coarse teeth; knorpel: their tips thickened, white.
void Zahnabschnitt(TZeichner& z, bool knorpel)
{
    const double basis = 286, spitze = 16, laenge = basis - spitze;
    auto halb = [&](double t) {
        return 70 * std::pow(std::sin(M_PI * std::min(0.99, 0.04 + 0.96 * t)), 0.8);
    };
    auto y = [&](double t) { return basis - t * laenge; };
    QPainterPath links({MitteX, basis});
    std::vector<QPointF> spitzen;
    const int n = 6;
    for (int k = 0; k < n; ++k) {
        const double t0 = 0.06 + k * (0.86 / n), t1 = t0 + 0.86 / n;
        links.lineTo(MitteX - halb(t0) * 0.8, y(t0));
        const QPointF sp(MitteX - halb(t1) * 1.02, y(t1 - 0.02));
        links.lineTo(sp);
        spitzen.push_back(sp);
    }
    links.lineTo(MitteX, spitze);
    const QPainterPath pfad = Spiegelpfad(MitteX, links);
    z.Flaeche(pfad, Farbe::Blatt);
    z.Linie({MitteX, basis}, {MitteX, spitze + 10}, TStrich::Normal);
    if (knorpel)
        for (const QPointF& p : spitzen)
            for (double s : {-1.0, 1.0})
                z.Kreis({MitteX + (p.x() - MitteX) * s - s * 3, p.y() + 2}, z.Gr(5, 8),
                        Farbe::Weiss, TStrich::Fein);
}

// ---- Yellow rattle (key 52) -----------------------------------------------------------------

const QColor Klappergelb = Rgb(0xf4, 0xd2, 0x2a);

// The flattened, inflated calyx from the side with its hairs.
QPainterPath KlapperKelch(QPointF b, double g)
{
    auto p = [&](double dx, double dy) { return QPointF(b.x() + dx * g, b.y() - dy * g); };
    QPainterPath k(p(0.0, 0.0));
    k.cubicTo(p(-0.34, 0.1), p(-0.34, 0.6), p(-0.14, 0.74));
    k.lineTo(p(-0.12, 0.84));
    k.lineTo(p(-0.04, 0.76));
    k.lineTo(p(0.04, 0.76));
    k.lineTo(p(0.12, 0.84));
    k.lineTo(p(0.14, 0.74));
    k.cubicTo(p(0.34, 0.6), p(0.34, 0.1), p(0.0, 0.0));
    k.closeSubpath();
    return k;
}

// A tube along the centre line mitte, b0 wide at its start and b1 at its end.
void Schlauch(TZeichner& z, const QPainterPath& mitte, double b0, double b1, const QColor& farbe)
{
    QPolygonF links, rechts;
    const int n = 24;
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n;
        const QPointF p = mitte.pointAtPercent(t);
        const double w = -mitte.angleAtPercent(t);
        const double b = (b0 + (b1 - b0) * t) / 2;
        links << Weiter(p, w - 90, b);
        rechts.prepend(Weiter(p, w + 90, b));
    }
    QPainterPath pfad;
    pfad.addPolygon(links + rechts);
    pfad.closeSubpath();
    z.Flaeche(pfad, farbe);
}

void KlapperSeite(TZeichner& z, bool krumm, bool offen)
{
    z.Linie({96, Unten}, {96, 282}, TStrich::Achse);
    const QPointF anfang(100, 240);
    QPainterPath mitte(anfang);
    if (krumm)
        mitte.quadTo(150, 236, 156, 150);
    else
        mitte.lineTo(166, 166);
    Schlauch(z, mitte, 26, 40, Klappergelb);
    const QPointF schlund = mitte.pointAtPercent(1);
    // Upper lip and lower lip keep their pose: only the tube differs between the pictures.
    Rahmen(z, schlund, 0, 1.2, [&] {
        QPainterPath unter({6, 10});
        if (offen) {
            unter.lineTo(62, 46);
            unter.quadTo(80, 48, 78, 32);
            unter.lineTo(20, -2);
        } else {
            unter.lineTo(68, -4);
            unter.quadTo(80, -8, 74, -18);
            unter.lineTo(14, -6);
        }
        unter.closeSubpath();
        z.Flaeche(unter, Klappergelb.darker(104));
        QPainterPath helm({-16, 6});
        helm.cubicTo(-10, -60, 60, -74, 82, -26);
        helm.lineTo(72, -16);
        helm.cubicTo(46, -14, 20, -8, 14, 12);
        helm.closeSubpath();
        z.Flaeche(helm, Klappergelb);
        z.Flaeche(Polygonpfad({{72, -18}, {86, -8}, {82, -26}}), Rgb(0x80, 0x60, 0xd0),
                  TStrich::Fein);
    });
    z.Flaeche(KlapperKelch({96, 284}, 140), Farbe::Kelch.lighter(108));
}

void KlapperKelchBild(TZeichner& z, THaar haar)
{
    const QPointF b(MitteX, 280);
    const double g = 300;
    const QPainterPath k = KlapperKelch(b, g);
    HaareRand(z, k, haar, z.Gr(9, 13));
    z.Flaeche(k, Farbe::Kelch.lighter(108));
    z.Kurve({MitteX, 280}, {MitteX - 60, 180}, {MitteX, 60}, TStrich::Fein);
    z.Kurve({MitteX, 280}, {MitteX + 60, 180}, {MitteX, 60}, TStrich::Fein);
    HaareFlaeche(z, Skaliert(k, {MitteX, 200}, 0.8), haar == THaar::Zottig ? THaar::Kurz : haar,
                 z.Gr(26, 34));
    z.Linie({MitteX, Unten}, {MitteX, 278}, TStrich::Achse);
}

// ---- Violets (key 59) -----------------------------------------------------------------------

const QColor Veilchen = Rgb(0x6a, 0x3c, 0xc8);

struct TVeilchen
{
    QColor Oben = Veilchen;
    QColor Seite = Veilchen;
    QColor Unten = Veilchen;
    bool Stiefmuetterchen = false;
    bool Adern = false;
    bool Auge = false; // a yellow centre
};

// A violet flower from the front, centre m: two upper, two side and one lower petal.
void VeilchenVorn(TZeichner& z, QPointF m, double r, const TVeilchen& v)
{
    const double s = v.Stiefmuetterchen ? 1 : 0;
    for (double w : {-118.0, -62.0})
        Kronblatt(z, m, w, r * 0.9, r * 0.56, v.Oben);
    for (double q : {-1.0, 1.0}) {
        const double w = q > 0 ? (s > 0 ? -18 : 16) : (s > 0 ? -162 : 164);
        Kronblatt(z, m, w, r * 0.82, r * 0.44, v.Seite);
    }
    Kronblatt(z, m, 90, r * 0.86, r * 0.62, v.Unten);
    const QColor ader = v.Unten.lightness() > 200 ? Rgb(0x4a, 0x2a, 0x7a) : v.Unten.darker(170);
    if (v.Adern || v.Stiefmuetterchen)
        for (double d : {-14.0, -6.0, 0.0, 6.0, 14.0})
            z.Linie(Weiter(m, 90, r * 0.14), Weiter(m, 90 + d, r * 0.56), TStrich::Fein, ader);
    if (v.Adern)
        for (double w : {-118.0, -62.0, 16.0, 164.0})
            for (double d : {-6.0, 6.0})
                z.Linie(Weiter(m, w, r * 0.14), Weiter(m, w + d, r * 0.5), TStrich::Fein, ader);
    z.Kreis(m, r * 0.1, v.Auge || v.Stiefmuetterchen ? Bluetenfarbe::Gelb : Farbe::Bluete,
            TStrich::Fein);
}

void VeilchenBlume(TZeichner& z, QPointF p, double r, double winkel = 0)
{
    Rahmen(z, p, winkel, 1, [&] { VeilchenVorn(z, {0, 0}, r, TVeilchen{}); });
}

// A violet plant: leaves 'g' basal only, 'r' basal and on the stems, 's' on the stems only;
// runners '+' above ground, 'u' a creeping rhizome, '-' none.
void VeilchenPflanze(TZeichner& z, char stellung, char auslaeufer)
{
    const double boden = 230, x = auslaeufer == '-' ? MitteX : 110;
    z.Boden(boden);
    auto herz = [&](QPointF an, double w, double l) {
        TBlatt b{TBlattform::Herz, l, l * 0.9, TRand::Gekerbt, TNervatur::Hand};
        b.Stiel = l * 0.7;
        b.Strich = TStrich::Normal;
        ZeichneBlatt(z, an, w, b);
    };
    if (stellung != 's')
        for (double w : {-150.0, -115.0, -65.0, -30.0})
            herz({x, boden - 2}, w, 46);
    if (stellung == 'g') {
        for (double s : {-1.0, 1.0}) {
            const QPointF blume(x + s * 40, boden - 140);
            z.Kurve({x, boden}, {x + s * 10, boden - 130}, blume + QPointF(0, -2), TStrich::Normal);
            VeilchenBlume(z, blume + QPointF(s * 10, 14), 28, s * 20);
        }
    } else {
        for (double s :
             stellung == 's' ? std::vector<double>{-1.0, 1.0} : std::vector<double>{1.0}) {
            QPainterPath st({x, boden});
            st.cubicTo(x + s * 20, boden - 60, x + s * 60, boden - 110, x + s * 70, boden - 170);
            z.Umriss(st, TStrich::Achse);
            const QPolygonF pt = Abtasten(st, 50);
            for (int i = 1; i < pt.size() - 1; ++i) {
                herz(pt[i], -90 - s * 80, 38);
                z.Kurve(pt[i], pt[i] + QPointF(s * 20, -30), pt[i] + QPointF(s * 36, -30),
                        TStrich::Fein);
                VeilchenBlume(z, pt[i] + QPointF(s * 46, -24), 18);
            }
        }
    }
    switch (auslaeufer) {
    case '+':
        z.Kurve({x, boden}, {x + 80, boden - 30}, {x + 170, boden}, TStrich::Normal);
        for (double w : {-140.0, -100.0, -60.0})
            herz({x + 170, boden - 2}, w, 30);
        for (int k = -1; k <= 1; ++k)
            z.Linie({x + 170, boden}, {x + 170 + k * 10, boden + 30}, TStrich::Fein, Farbe::Holz);
        break;
    case 'u': {
        QPainterPath rh({x - 60, boden + 30});
        rh.cubicTo(x, boden + 20, x + 100, boden + 40, x + 190, boden + 28);
        z.Umriss(rh, TStrich::Stark, Farbe::Holz);
        z.Linie({x, boden + 26}, {x, boden}, TStrich::Achse);
        for (double xr = x - 50; xr < x + 190; xr += 30)
            z.Linie({xr, boden + 31}, {xr + 4, boden + 58}, TStrich::Fein, Farbe::Holz);
        z.Kurve({x + 150, boden + 32}, {x + 154, boden + 10}, {x + 160, boden - 20},
                TStrich::Normal);
        herz({x + 160, boden - 20}, -70, 26);
        break;
    }
    default:
        for (int k = -2; k <= 2; ++k)
            z.Kurve({x, boden}, {x + k * 8, boden + 30}, {x + k * 18, boden + 60}, TStrich::Fein,
                    Farbe::Holz);
        break;
    }
}

void VeilchenNarbe(TZeichner& z, char art)
{
    const double x = MitteX;
    z.Ellipse({x, 240}, 40, 46, Farbe::Kelch);
    QPainterPath griffel({x - 6, 200});
    griffel.cubicTo(x - 12, 160, x + 8, 140, x - 6, 96);
    griffel.lineTo(x + 10, 96);
    griffel.cubicTo(x + 22, 140, x + 4, 160, x + 6, 200);
    griffel.closeSubpath();
    z.Flaeche(griffel, Farbe::Bluete);
    const QPointF k(x + 2, 90);
    switch (art) {
    case 'h': {
        QPainterPath haken({x - 6, 100});
        haken.cubicTo(x - 10, 50, x + 60, 40, x + 60, 96);
        haken.lineTo(x + 48, 92);
        haken.cubicTo(x + 46, 64, x + 12, 66, x + 10, 100);
        haken.closeSubpath();
        z.Flaeche(haken, Farbe::Bluete);
        break;
    }
    case 's':
        z.Ellipse(k + QPointF(0, -10), 54, 16, Farbe::Bluete);
        z.Ellipse(k + QPointF(0, -14), 40, 9, Farbe::Bluete.darker(108), TStrich::Fein);
        break;
    case 'k':
        z.Kreis(k + QPointF(0, -30), 42, Farbe::Bluete);
        z.Ellipse(k + QPointF(22, -24), 12, 10, Rgb(0x6a, 0x5a, 0x3a), TStrich::Fein);
        break;
    case 'z':
        for (double s : {-1.0, 1.0})
            z.Ellipse(k + QPointF(s * 22, -22), 24, 34, Farbe::Bluete);
        break;
    }
}

void Nebenblaetter(TZeichner& z, char art)
{
    const double x = 90;
    z.Linie({x, Unten}, {x, 10}, TStrich::Achse);
    TBlatt b{TBlattform::Herz, 110, 100, TRand::Gekerbt, TNervatur::Hand};
    if (art == 'l') {
        b = TBlatt{TBlattform::Elliptisch, 100, 50, TRand::Gekerbt, TNervatur::Fieder};
    }
    b.Stiel = 110;
    const QPointF an(x, 230);
    ZeichneBlatt(z, an, -40, b);
    for (double s : {-1.0, 1.0}) {
        const double w = -90 + s * 40;
        switch (art) {
        case 'k': {
            TBlatt n{TBlattform::Lanzettlich, 34, 12, TRand::Ganz, TNervatur::Keine};
            n.Fuellung = Farbe::AkzentFlaeche;
            n.Linie = Farbe::Akzent;
            ZeichneBlatt(z, an, w, n);
            break;
        }
        case 'f': {
            TBlatt n{TBlattform::Lanzettlich, 56, 18, TRand::Ganz, TNervatur::Keine};
            n.Fuellung = Farbe::AkzentFlaeche;
            n.Linie = Farbe::Akzent;
            const QPainterPath p =
                QTransform().translate(an.x(), an.y()).rotate(w).map(BlattPfad(n));
            HaareRand(z, p, THaar::Kurz, 5);
            const QPolygonF r = Abtasten(p, z.Gr(8, 11));
            for (const QPointF& q : r)
                if (QLineF(an, q).length() > 12)
                    z.Linie(q, q + (q - Weiter(an, w, QLineF(an, q).length())) * 0.9,
                            TStrich::Normal, Farbe::Akzent);
            ZeichneBlatt(z, an, w, n);
            break;
        }
        case 'g': {
            TBlatt n{TBlattform::Lanzettlich, 90, 30, TRand::Gezaehnt, TNervatur::Mittelnerv};
            n.Fuellung = Farbe::AkzentFlaeche;
            n.Linie = Farbe::Akzent;
            ZeichneBlatt(z, an, w, n);
            break;
        }
        case 'l': {
            TBlatt n{TBlattform::Lanzettlich, 110, 56, TRand::Fiederschnittig,
                     TNervatur::Mittelnerv};
            n.Lappen = 3;
            n.Fuellung = Farbe::AkzentFlaeche;
            n.Linie = Farbe::Akzent;
            ZeichneBlatt(z, an, w + s * 10, n);
            break;
        }
        }
    }
}

void VeilchenVorblatt(TZeichner& z, double t)
{
    QPainterPath stiel({90, Unten});
    stiel.cubicTo(100, 180, 150, 60, 210, 60);
    stiel.quadTo(236, 62, 238, 90);
    z.Umriss(stiel, TStrich::Achse);
    VeilchenBlume(z, {236, 150}, 60);
    QPainterPath gerade({90, Unten});
    gerade.cubicTo(100, 180, 150, 60, 210, 60);
    const QPointF p = gerade.pointAtPercent(t);
    const double w = gerade.angleAtPercent(t);
    for (double s : {-1.0, 1.0}) {
        TBlatt v{TBlattform::Lineal, 34, 6, TRand::Ganz, TNervatur::Keine};
        v.Fuellung = Farbe::AkzentFlaeche;
        v.Linie = Farbe::Akzent;
        ZeichneBlatt(z, p, -w + s * 40, v);
    }
    z.Strichlinie(gerade.pointAtPercent(0.5) + QPointF(-14, -8),
                  gerade.pointAtPercent(0.5) + QPointF(14, 8), Grau);
}

void VeilchenKelch(TZeichner& z, bool spitz)
{
    const QPointF m(MitteX, 150);
    for (int k = 0; k < 5; ++k)
        Kronblatt(z, m, -90 + 36 + k * 72, 128, 74, Veilchen);
    for (int k = 0; k < 5; ++k) {
        TBlatt b{spitz ? TBlattform::Lanzettlich : TBlattform::Elliptisch, 104, 32, TRand::Ganz,
                 TNervatur::Mittelnerv};
        b.Fuellung = Farbe::Kelch;
        ZeichneBlatt(z, m, -90 + k * 72, b);
    }
    z.Kreis(m, 14, Farbe::Kelch.darker(110), TStrich::Fein);
}

void VeilchenKapsel(TZeichner& z, bool behaart)
{
    z.Linie({MitteX, Unten}, {MitteX, 236}, TStrich::Achse);
    QPainterPath k({MitteX, 240});
    k.cubicTo(MitteX - 90, 220, MitteX - 60, 70, MitteX, 40);
    k.cubicTo(MitteX + 60, 70, MitteX + 90, 220, MitteX, 240);
    if (behaart) HaareRand(z, k, THaar::Kurz, z.Gr(7, 10));
    z.Flaeche(k, Farbe::Kelch.lighter(106));
    for (double s : {-0.45, 0.45})
        z.Kurve({MitteX + s * 80, 216}, {MitteX + s * 70, 120}, {MitteX, 44}, TStrich::Fein);
    if (behaart) HaareFlaeche(z, Skaliert(k, {MitteX, 150}, 0.8), THaar::Kurz, z.Gr(16, 22));
    for (double w : {-160.0, -130.0, -50.0, -20.0})
        Kelchblatt(z, {MitteX, 238}, w, 80, 26);
}

} // namespace

void RezepteLippenbluetler(TRezeptTabelle& t)
{
    int g = 0;
    auto setze = [&](const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };

    g = 35;
    for (char c : {'g', 's', 'l', 'h'})
        setze("B-Rand", QByteArray(1, c).constData(), [c](TZeichner& z) { LamBlattrand(z, c); });
    for (bool stiel : {true, false})
        setze("B-Stiel", stiel ? "g" : "s", [stiel](TZeichner& z) {
            z.Linie({MitteX, Unten}, {MitteX, 10}, TStrich::Achse);
            for (double y : {230.0, 110.0})
                GegenPaar(z, MitteX, y, 120, LamBlatt(stiel ? 104 : 120, stiel ? 40 : 0));
        });
    setze("Bl-Farbe", "w", LipFarbeBild(Bluetenfarbe::Weiss));
    setze("Bl-Farbe", "g", LipFarbeBild(Rgb(0xf6, 0xe0, 0x6a)));
    setze("Bl-Farbe", "r", LipFarbeBild(Bluetenfarbe::Rosa));
    setze("Bl-Farbe", "p", LipFarbeBild(Rgb(0xb0, 0x2a, 0x8c)));
    setze("Bl-Farbe", "l", LipFarbeBild(Rgb(0xc8, 0x9a, 0xe6)));
    setze("Bl-Farbe", "b", LipFarbeBild(Rgb(0x5a, 0x5c, 0xd8)));
    setze("Bl-Farbe", "m", LipFarbeBild(Rgb(0xf6, 0xe0, 0x6a), Rgb(0x9a, 0x40, 0xc0)));
    setze("Bl-Symmetrie", "z", Lippenform(TOberlippe::Helm));
    setze("Bl-Symmetrie", "e", [](TZeichner& z) {
        TLippe l;
        l.Ober = TOberlippe::Kurz;
        l.Farbe = LipFarbe;
        l.Staubblaetter = 2;
        l.StaubHeraus = true;
        LippenblueteSeite(z, LipBasis, LipGroesse, l);
    });
    setze("Bl-Symmetrie", "r", [](TZeichner& z) {
        const QPointF m(MitteX, 150);
        LippeVorn(z, m, 130, TUnterlippe::Vier, LipFarbe);
        for (double w : {-135.0, -45.0, 45.0, 135.0})
            Staubblatt(z, m, Weiter(m, w, 70), z.Gr(5, 8));
    });
    setze("Blst", "e", [](TZeichner& z) { LamBlst(z, 'e'); });
    setze("Blst", "Q", [](TZeichner& z) { LamBlst(z, 'Q'); });
    setze("Blst", "Ä", [](TZeichner& z) { LamBlst(z, 'A'); });
    setze("Blst", "K", [](TZeichner& z) { LamBlst(z, 'K'); });
    setze("Blst", "R", [](TZeichner& z) { LamBlst(z, 'R'); });
    setze("Blst", "t", [](TZeichner& z) { LamBlst(z, 't'); });
    setze("Kelch-Typ", "g", [](TZeichner& z) { LamKelch(z, {90, 250}, 250, 'g'); });
    setze("Kelch-Typ", "z", [](TZeichner& z) { LamKelch(z, {90, 250}, 250, 'z'); });
    setze("Kelch-Typ", "s", [](TZeichner& z) { LamKelch(z, {90, 250}, 250, 's'); });
    setze("Kelch-Typ", "10", [](TZeichner& z) { LamKelch(z, {90, 250}, 250, '1'); });
    for (char c : {'e', 'a', 'h'})
        setze("Lebensform", QByteArray(1, c).constData(),
              [c](TZeichner& z) { LamLebensform(z, c); });
    setze("Oberlippe", "h", Lippenform(TOberlippe::Helm));
    setze("Oberlippe", "f", Lippenform(TOberlippe::Flach));
    setze("Oberlippe", "s", Lippenform(TOberlippe::Sichel));
    setze("Oberlippe", "k", Lippenform(TOberlippe::Kurz));
    setze("Staubb-Länge", "e", [](TZeichner& z) { StaubUnterHelm(z, 2, false); });
    setze("Staubb-Länge", "h", [](TZeichner& z) { StaubUnterHelm(z, 2, true); });
    setze("Staubb-Zahl", "4", [](TZeichner& z) {
        StaubUnterHelm(z, 4, false);
        z.Zahl(QStringLiteral("4"));
    });
    setze("Staubb-Zahl", "2", [](TZeichner& z) {
        StaubUnterHelm(z, 2, false);
        z.Zahl(QStringLiteral("2"));
    });
    setze("Staubb-o/u", "u", [](TZeichner& z) { StaubOU(z, 1.0, 0.7); });
    setze("Staubb-o/u", "o", [](TZeichner& z) { StaubOU(z, 0.7, 1.0); });
    setze("Staubb-o/u", "g", [](TZeichner& z) { StaubOU(z, 0.9, 0.9); });
    const std::pair<const char*, TUnterlippe> unterlippen[] = {{"3", TUnterlippe::Drei},
                                                               {"z", TUnterlippe::Zahn},
                                                               {"h", TUnterlippe::Hoecker},
                                                               {"g", TUnterlippe::Vier},
                                                               {"5", TUnterlippe::Fuenf}};
    for (const auto& [code, art] : unterlippen)
        setze("Unterlippe", code, [art](TZeichner& z) {
            LippeVorn(z, {MitteX, 130}, 130, art, LipFarbe);
        });
    g = 38;
    setze("B-Stellung", "r", [](TZeichner& z) { OrchPflanze(z, 'r'); });
    setze("B-Stellung", "w", [](TZeichner& z) { OrchPflanze(z, 'w'); });
    setze("B-Stellung", "2", [](TZeichner& z) { OrchPflanze(z, '2'); });
    setze("B-Stellung", "g", [](TZeichner& z) { OrchPflanze(z, 'g'); });
    setze("B-Stellung", "1", [](TZeichner& z) { OrchPflanze(z, '1'); });
    setze("B-Stellung", "s", [](TZeichner& z) { OrchPflanze(z, 's', false); });
    setze("B-Zeichnung", "+", [](TZeichner& z) { OrchBlatt(z, '+'); });
    setze("B-Zeichnung", "-", [](TZeichner& z) { OrchBlatt(z, '-'); });
    setze("B-Zeichnung", "n", [](TZeichner& z) { OrchBlatt(z, 'n'); });
    for (char c : {'e', 'w', 'T', 'd', 'k', 's'})
        setze("Blst", QByteArray(1, c).constData(), [c](TZeichner& z) { OrchBlst(z, c); });
    const std::pair<const char*, std::pair<QColor, QColor>> orchfarben[] = {
        {"w", {Bluetenfarbe::Weiss, {}}},
        {"g", {Bluetenfarbe::Gelb, {}}},
        {"l", {Rgb(0xd8, 0x9c, 0xe0), {}}},
        {"p", {Rgb(0xb0, 0x2a, 0x8c), {}}},
        {"r", {Rgb(0xe0, 0x2c, 0x30), {}}},
        {"gr", {Rgb(0xa8, 0xc8, 0x78), {}}},
        {"u", {Rgb(0xd8, 0xdc, 0x96), {}}},
        {"w/a", {Rgb(0xf4, 0xf4, 0xe8), Rgb(0xc8, 0x70, 0x60)}},
        {"w/b", {Bluetenfarbe::Weiss, Rgb(0x8a, 0x5a, 0x34)}},
        {"w/p", {Rgb(0xb0, 0x2a, 0x8c), Bluetenfarbe::Weiss}},
        {"p/a", {Rgb(0xe0, 0x8a, 0xc8), Rgb(0x8a, 0x5a, 0x34)}}};
    for (const auto& [code, farben] : orchfarben) {
        const auto [huelle, lippe] = farben;
        setze("Blütenfarbe", code, [huelle, lippe](TZeichner& z) {
            TOrchidee o;
            o.Huelle = huelle;
            o.Lippe = lippe;
            OrchideeVorn(z, {MitteX, 120}, 150, o);
        });
    }
    setze("Chlorophyll", "+", [](TZeichner& z) { OrchPflanze(z, 'w'); });
    setze("Chlorophyll", "-", [](TZeichner& z) { OrchPflanze(z, 's', false); });
    for (bool helm : {true, false})
        setze("Helm", helm ? "+" : "-", [helm](TZeichner& z) {
            TOrchidee o;
            o.Helm = helm;
            OrchideeVorn(z, {MitteX, 126}, 150, o);
        });
    const std::pair<const char*, TLipHaar> haare[] = {
        {"k", TLipHaar::Kahl}, {"p", TLipHaar::Papillen}, {"s", TLipHaar::Samt}};
    for (const auto& [code, haar] : haare)
        setze("Li-Behaarung", code, [haar](TZeichner& z) {
            TOrchidee o;
            o.Form = TOrchLippe::Rund;
            o.Haar = haar;
            o.Lippe = haar == TLipHaar::Samt ? Rgb(0x9a, 0x62, 0x40) : OrchFarbe;
            OrchideeVorn(z, {MitteX, 104}, 180, o);
        });
    const std::pair<const char*, TMal> male[] = {
        {"-", TMal::Keine}, {"p", TMal::Punkte}, {"s", TMal::Schleifen}, {"m", TMal::Spiegel}};
    for (const auto& [code, mal] : male)
        setze("Li-Fleckung", code, [mal](TZeichner& z) {
            TOrchidee o;
            o.Form = TOrchLippe::Rund;
            o.Mal = mal;
            o.Lippe = mal == TMal::Spiegel ? Rgb(0x9a, 0x62, 0x40) : OrchFarbe;
            OrchideeVorn(z, {MitteX, 104}, 180, o);
        });
    const std::pair<const char*, TOrchLippe> formen[] = {
        {"u", TOrchLippe::Raute},     {"z", TOrchLippe::Zunge},  {"3", TOrchLippe::Drei},
        {"m", TOrchLippe::Mensch},    {"r", TOrchLippe::Riemen}, {"2", TOrchLippe::Gegliedert},
        {"g", TOrchLippe::Gespalten}, {"s", TOrchLippe::Schuh}};
    for (const auto& [code, form] : formen)
        setze("Li-Form", code, [form](TZeichner& z) {
            TOrchidee o;
            o.Form = form;
            if (form == TOrchLippe::Schuh) {
                o.Huelle = Rgb(0x8a, 0x4a, 0x3a);
                o.Lippe = Bluetenfarbe::Gelb;
            }
            const double r = form == TOrchLippe::Riemen ? 120
                             : form == TOrchLippe::Mensch || form == TOrchLippe::Gespalten ||
                                     form == TOrchLippe::Zunge
                                 ? 140
                                 : 160;
            OrchideeVorn(z, {MitteX, form == TOrchLippe::Riemen ? 50.0 : 100.0}, r, o);
        });
    for (bool oben : {false, true})
        setze("Li-Stellung", oben ? "o" : "u", [oben](TZeichner& z) {
            TOrchidee o;
            o.Oben = oben;
            z.Linie({MitteX, Unten}, {MitteX, oben ? 230.0 : 250.0}, TStrich::Achse);
            OrchideeVorn(z, {MitteX, oben ? 170.0 : 110.0}, 130, o);
        });
    for (char c : {'k', 'h', 'w', 'r', 'o', 'b'})
        setze("Speicherorgane", c == 'o' ? "ko" : QByteArray(1, c).constData(),
              [c](TZeichner& z) { Knollen(z, c); });
    setze("Sporn", "-", [](TZeichner& z) { OrchSpornBild(z, 0); });
    setze("Sporn", "k", [](TZeichner& z) { OrchSpornBild(z, 0.4); });
    setze("Sporn", "l", [](TZeichner& z) { OrchSpornBild(z, 1.05); });
    for (char c : {'l', 'm', 'k'})
        setze("Tragblätter", QByteArray(1, c).constData(),
              [c](TZeichner& z) { OrchideeSeite(z, 0.4, c, OrchFarbe); });

    g = 20;
    for (bool hohl : {true, false})
        setze("Stengel", hohl ? "h" : "m", [hohl](TZeichner& z) {
            const QPointF m(MitteX, 150);
            z.Kreis(m, 120, Farbe::Kelch, TStrich::Achse);
            z.Kreis(m, 104, hohl ? Farbe::Weiss : Farbe::Schnitt, TStrich::Normal);
            if (!hohl)
                for (int k = 0; k < 40; ++k)
                    z.Punkt(m + QPointF(std::cos(k * 2.4) * 90 * std::sqrt((k + 0.5) / 40.0),
                                        std::sin(k * 2.4) * 90 * std::sqrt((k + 0.5) / 40.0)),
                            z.Gr(2.5, 4), Farbe::Kelch.darker(120));
        });
    setze("B-Flecken", "+", [](TZeichner& z) { OrchBlatt(z, '+'); });
    setze("B-Flecken", "-", [](TZeichner& z) { OrchBlatt(z, '-'); });
    const std::pair<const char*, QColor> dactfarben[] = {{"w", Bluetenfarbe::Weiss},
                                                         {"g", Rgb(0xf4, 0xe6, 0x8a)},
                                                         {"r", Rgb(0xe8, 0xb4, 0xe0)},
                                                         {"f", Rgb(0xf0, 0xb8, 0xa0)},
                                                         {"p", Rgb(0x9a, 0x22, 0x84)}};
    for (const auto& [code, farbe] : dactfarben)
        setze("Bl-Farbe", code, [farbe](TZeichner& z) {
            TOrchidee o;
            o.Huelle = farbe;
            o.Mal = TMal::Schleifen;
            OrchideeVorn(z, {MitteX, 110}, 160, o);
        });
    const std::pair<const char*, TOrchLippe> dactlippen[] = {
        {"3", TOrchLippe::Drei}, {"r", TOrchLippe::Rund}, {"u", TOrchLippe::Raute}};
    for (const auto& [code, form] : dactlippen)
        setze("Lippe-Form", code, [form](TZeichner& z) {
            TOrchidee o;
            o.Form = form;
            o.Mal = TMal::Schleifen;
            OrchideeVorn(z, {MitteX, 100}, 170, o);
        });
    for (bool lang : {true, false})
        setze("Lippe-Mittellappen", lang ? "l" : "k", [lang](TZeichner& z) {
            TOrchidee o;
            o.Form = lang ? TOrchLippe::Drei : TOrchLippe::DreiKurz;
            o.Mal = TMal::Schleifen;
            OrchideeVorn(z, {MitteX, 100}, 170, o);
        });
    setze("Sporn-Länge", "l", [](TZeichner& z) { OrchSpornBild(z, 1.05); });
    setze("Sporn-Länge", "k", [](TZeichner& z) { OrchSpornBild(z, 0.45); });
    g = 28;
    const std::pair<const char*, QColor> enzianfarben[] = {{"b", EnzianBlau},
                                                           {"l", Rgb(0xb0, 0x80, 0xd8)},
                                                           {"g", Bluetenfarbe::Gelb},
                                                           {"gp", Rgb(0xf4, 0xe6, 0x9a)},
                                                           {"p", Rgb(0x9a, 0x2c, 0x3a)}};
    for (const auto& [code, farbe] : enzianfarben) {
        const bool punkte = std::string_view(code) == "gp";
        setze("Bl-Farbe", code, [farbe, punkte](TZeichner& z) {
            EnzianSeite(z, {MitteX, 260}, 230, 'g', farbe, punkte);
        });
    }
    for (char c : {'g', 's', 't', 'r'})
        setze("Bl-Form", QByteArray(1, c).constData(), [c](TZeichner& z) {
            EnzianSeite(z, {MitteX, 268}, 240, c, EnzianBlau);
        });
    for (char c : {'e', 'w', 'a', 'q', 't'})
        setze("Blst", QByteArray(1, c).constData(), [c](TZeichner& z) { EnzianBlst(z, c); });
    auto enzianOben = [](TEnzianOben e) {
        return [e](TZeichner& z) { EnzianOben(z, {MitteX, 150}, 136, e); };
    };
    const QColor fransenfarbe = Rgb(0x6a, 0x5a, 0xd8);
    setze("C-Fransen", "s", enzianOben({5, fransenfarbe, false, true, false, false, false}));
    setze("C-Fransen", "r", enzianOben({5, fransenfarbe, false, false, true, false, false}));
    setze("C-Fransen", "-", enzianOben({5, fransenfarbe, false, false, false, false, false}));
    setze("C-Verwachsung", "f", enzianOben({5, EnzianBlau, true, false, false, false, false}));
    setze("C-Verwachsung", "o", enzianOben({5, EnzianBlau, false, false, false, false, false}));
    setze("C-Verwachsung", "t",
          enzianOben({6, Bluetenfarbe::Gelb, false, false, false, true, false}));
    for (char c : {'r', 'k', 'u', 'g', 's', 'f'})
        setze("Kelch", QByteArray(1, c).constData(), [c](TZeichner& z) { EnzianKelch(z, c); });
    setze("Krone", "4", [](TZeichner& z) {
        EnzianOben(z, {MitteX, 150}, 136, {4, EnzianBlau});
        z.Zahl(QStringLiteral("4"));
    });
    setze("Krone", "5", [](TZeichner& z) {
        EnzianOben(z, {MitteX, 150}, 136, {5, EnzianBlau});
        z.Zahl(QStringLiteral("5"));
    });
    setze("Krone", "n", [](TZeichner& z) {
        EnzianOben(z, {MitteX, 150}, 136, {8, Bluetenfarbe::Gelb, false, false, false, true});
        z.Zahl(QStringLiteral("5-9"));
    });
    setze("Lebensform", "e", [](TZeichner& z) { EnzianLebensform(z, false); });
    setze("Lebensform", "a", [](TZeichner& z) { EnzianLebensform(z, true); });

    g = 32;
    setze("B-Flecken", "+", [](TZeichner& z) { HypBlatt(z, 0, true); });
    setze("B-Flecken", "-", [](TZeichner& z) { HypBlatt(z, 0, false); });
    setze("B-Nervatur", "n", [](TZeichner& z) { HypBlatt(z, 0, false, TNervatur::Netz); });
    setze("B-Nervatur", "u", [](TZeichner& z) { HypBlatt(z, 0, false, TNervatur::Fieder); });
    setze("B-Punkte", "+", [](TZeichner& z) { HypBlatt(z, 2, false); });
    setze("B-Punkte", "w", [](TZeichner& z) { HypBlatt(z, 1, false); });
    setze("B-Punkte", "-", [](TZeichner& z) { HypBlatt(z, 0, false); });
    for (char c : {'r', 'k', 'w'})
        setze("Blst", QByteArray(1, c).constData(), [c](TZeichner& z) { HypBlst(z, c); });
    for (char c : {'h', 'e', 'l', 'k', 'r'})
        setze("Blätter", QByteArray(1, c).constData(), [c](TZeichner& z) { HypBlaetter(z, c); });
    setze("K-Flecken", "+", [](TZeichner& z) { HypKelch(z, false, false, true); });
    setze("K-Flecken", "-", [](TZeichner& z) { HypKelch(z, false, false, false); });
    setze("K-Rand", "d", [](TZeichner& z) { HypKelch(z, true, true, false); });
    setze("K-Rand", "g", [](TZeichner& z) { HypKelch(z, true, false, false); });
    setze("Kapsel", "k", [](TZeichner& z) { HypFrucht(z, false); });
    setze("Kapsel", "b", [](TZeichner& z) { HypFrucht(z, true); });
    setze("Kelchblätter", "s", [](TZeichner& z) { HypKelch(z, true, false, false); });
    setze("Kelchblätter", "b", [](TZeichner& z) { HypKelch(z, false, false, false); });
    for (bool haarig : {false, true})
        setze("St-Behaarung", haarig ? "b" : "k", [haarig](TZeichner& z) {
            z.Linie({MitteX, Unten}, {MitteX, 8}, TStrich::Stark);
            for (double s : {-1.0, 1.0})
                ZeichneBlatt(
                    z, {MitteX + s * 4, 150}, s > 0 ? -20 : -160,
                    TBlatt{TBlattform::Elliptisch, 110, 50, TRand::Ganz, TNervatur::Fieder});
            if (haarig) {
                HaareStengel(z, {MitteX, Unten}, {MitteX, 166}, THaar::Kurz, z.Gr(8, 12));
                HaareStengel(z, {MitteX, 134}, {MitteX, 8}, THaar::Kurz, z.Gr(8, 12));
            }
        });
    for (char c : {'r', '2', '4', 'g'})
        setze("Stengel", QByteArray(1, c).constData(), [c](TZeichner& z) { HypSchnitt(z, c); });
    for (char c : {'a', 'n', 'k', 's'})
        setze("Wuchs", QByteArray(1, c).constData(), [c](TZeichner& z) { HypWuchs(z, c); });
    g = 24;
    setze("B-Form", "e", [](TZeichner& z) { Deckblatt(z, true, 's', THaar::Keine); });
    setze("B-Form", "l", [](TZeichner& z) { Deckblatt(z, false, 's', THaar::Keine, 3); });
    setze("Deckblattzähne", "g", [](TZeichner& z) { Deckblatt(z, true, 'g', THaar::Keine); });
    setze("Deckblattzähne", "s", [](TZeichner& z) { Deckblatt(z, true, 's', THaar::Keine); });
    setze("Deckblattzähne", "st", [](TZeichner& z) { Deckblatt(z, true, 't', THaar::Keine); });
    setze("B-Behaarung", "d", [](TZeichner& z) { Deckblatt(z, true, 's', THaar::DrueseLang); });
    setze("B-Behaarung", "k", [](TZeichner& z) { Deckblatt(z, true, 's', THaar::DrueseKurz); });
    setze("B-Behaarung", "o", [](TZeichner& z) { Deckblatt(z, true, 's', THaar::Borste); });
    const std::pair<const char*, THaar> achsenhaare[] = {{"d", THaar::DrueseLang},
                                                         {"k", THaar::DrueseKurz},
                                                         {"b", THaar::Borste},
                                                         {"o", THaar::Keine}};
    for (const auto& [code, haar] : achsenhaare)
        setze("Blst-Beh", code, [haar](TZeichner& z) {
            QPainterPath achse;
            achse.addRect(QRectF(MitteX - 12, 8, 24, 284));
            z.Flaeche(achse, Farbe::Kelch);
            HaareStengel(z, {MitteX - 12, 290}, {MitteX - 12, 10}, haar, z.Gr(12, 18));
            HaareStengel(z, {MitteX + 12, 10}, {MitteX + 12, 290}, haar, z.Gr(12, 18));
        });
    for (bool wimpern : {true, false})
        setze("Kapselbehaarung", wimpern ? "w" : "k", [wimpern](TZeichner& z) {
            z.Linie({MitteX, Unten}, {MitteX, 250}, TStrich::Achse);
            QPainterPath k({MitteX - 40, 250});
            k.cubicTo(MitteX - 80, 180, MitteX - 70, 60, MitteX - 40, 36);
            k.lineTo(MitteX, 60);
            k.lineTo(MitteX + 40, 36);
            k.cubicTo(MitteX + 70, 60, MitteX + 80, 180, MitteX + 40, 250);
            k.closeSubpath();
            if (wimpern) {
                QPainterPath oben;
                oben.addRect(QRectF(0, 0, TZeichner::Breite, 150));
                HaareRand(z, k.intersected(oben), THaar::Borste, z.Gr(9, 12));
            }
            z.Flaeche(k, Farbe::Frucht);
            z.Linie({MitteX, 60}, {MitteX, 250}, TStrich::Fein);
            for (double s : {-1.0, 1.0})
                Kelchblatt(z, {MitteX + s * 10, 252}, -90 + s * 26, 130, 30);
        });

    g = 39;
    setze("Antheren", "k", [](TZeichner& z) {
        for (double s : {-1.0, 1.0})
            Staubblatt(z, {MitteX + s * 30, Unten}, {MitteX + s * 50, 90}, z.Gr(34, 44));
    });
    setze("Antheren", "b", [](TZeichner& z) {
        for (double s : {-1.0, 1.0}) {
            const QPointF a(MitteX + s * 50, 90);
            Staubblatt(z, {MitteX + s * 30, Unten}, a, z.Gr(34, 44));
            HaareRand(z, Ellipsenpfad(a + QPointF(0, -z.Gr(17, 22)), z.Gr(17, 22), z.Gr(26, 33)),
                      THaar::Zottig, z.Gr(6, 9));
        }
    });
    const std::pair<const char*, std::pair<QColor, bool>> wurzfarben[] = {
        {"g", {Sommerwurzgelb, false}},
        {"r", {Rgb(0xc8, 0x50, 0x50), false}},
        {"v", {Rgb(0x9a, 0x7a, 0xd8), false}},
        {"w", {Rgb(0xf4, 0xf0, 0xe4), true}}};
    for (const auto& [code, fa] : wurzfarben) {
        const auto [farbe, adern] = fa;
        setze("Bl-Farbe", code, [farbe, adern](TZeichner& z) {
            TSommerwurz s;
            s.Farbe = farbe;
            s.Adern = adern;
            SommerwurzSeite(z, s);
        });
    }
    for (char c : {'l', 'd', 'v'})
        setze("Blst", QByteArray(1, c).constData(), [c](TZeichner& z) { SommerwurzPflanze(z, c); });
    for (char c : {'z', 'v'})
        setze("K-Verwachsung", QByteArray(1, c).constData(), [c](TZeichner& z) {
            TSommerwurz s;
            s.Kelch = c;
            SommerwurzSeite(z, s);
        });
    for (char c : {'g', 'm', 'e'})
        setze("Krone", QByteArray(1, c).constData(), [c](TZeichner& z) {
            TSommerwurz s;
            s.Krone = c;
            SommerwurzSeite(z, s);
        });
    const std::pair<const char*, QColor> narbenfarben[] = {
        {"g", Rgb(0xf2, 0xb0, 0x20)}, {"p", Rgb(0x8a, 0x2a, 0x4a)}, {"w", Rgb(0xe4, 0xe8, 0xf4)}};
    for (const auto& [code, farbe] : narbenfarben)
        setze("Narben", code, [farbe](TZeichner& z) {
            // The flower from the front: two-lobed upper lip, three-lobed lower lip, the
            // stigma in the mouth.
            const QPointF m(MitteX, 130);
            for (double w : {-120.0, -60.0})
                Kronblatt(z, m, w, 100, 70, Sommerwurzgelb);
            for (double w : {30.0, 90.0, 150.0})
                Kronblatt(z, m, w, 110, 70, Sommerwurzgelb);
            z.Kreis(m, 46, Sommerwurzgelb.darker(150));
            for (double s : {-1.0, 1.0})
                z.Ellipse(m + QPointF(s * 20, 0), 22, 28, farbe);
        });
    for (bool hoch : {false, true})
        setze("Staubfäden", hoch ? "o" : "u", [hoch](TZeichner& z) {
            // The corolla slit open: tube wall, ovary, where a filament joins the tube.
            QPainterPath wand({90, 280});
            wand.lineTo(70, 40);
            wand.lineTo(250, 40);
            wand.lineTo(230, 280);
            wand.closeSubpath();
            z.Flaeche(wand, Sommerwurzgelb.lighter(112));
            z.Ellipse({MitteX, 262}, 28, 40, Farbe::Kelch);
            const double y = hoch ? 176 : 244;
            for (double s : {-1.0, 1.0}) {
                z.Linie({MitteX + s * 50, y}, {MitteX + s * 56, 70}, TStrich::Achse);
                z.Ellipse({MitteX + s * 56, 60}, 12, 18, Rgb(0xe6, 0xb4, 0x22));
                z.Punkt({MitteX + s * 50, y}, z.Gr(5, 8), Farbe::Akzent);
            }
            // The height above the tube's base.
            z.Linie({276, 282}, {276, y}, TStrich::Normal, Farbe::Akzent);
            for (double yy : {282.0, y})
                z.Linie({266, yy}, {286, yy}, TStrich::Normal, Farbe::Akzent);
            z.Text({296, (282 + y) / 2}, hoch ? QStringLiteral("≥3 mm") : QStringLiteral("1–2 mm"),
                   Qt::AlignRight);
        });
    for (bool vor : {true, false})
        setze("Vorblätter", vor ? "+" : "-", [vor](TZeichner& z) {
            TSommerwurz s;
            s.Vorblaetter = vor;
            s.Kelch = vor ? 'v' : 'z';
            SommerwurzSeite(z, s);
        });

    g = 40;
    setze("B-Form", "f", [](TZeichner& z) { LausekrautGross(z, 'f'); });
    setze("B-Form", "d", [](TZeichner& z) {
        TWedel w;
        w.Teilung = 2;
        w.Laenge = 230;
        w.Breite = 130;
        w.Stiel = 40;
        ZeichneWedel(z, {96, 296}, -68, w);
    });
    setze("B-Form", "l", [](TZeichner& z) { LausekrautGross(z, 'l'); });
    setze("B-Rand", "k", [](TZeichner& z) { Zahnabschnitt(z, true); });
    setze("B-Rand", "s", [](TZeichner& z) { Zahnabschnitt(z, false); });
    for (char c : {'w', 'q', 'g'})
        setze("B-Stellung", QByteArray(1, c).constData(),
              [c](TZeichner& z) { LausekrautStellung(z, c); });
    const std::pair<const char*, std::pair<QColor, QColor>> lausefarben[] = {
        {"g", {Rgb(0xf6, 0xe2, 0x70), {}}},
        {"gr", {Rgb(0xf4, 0xd8, 0x40), Rgb(0xc8, 0x30, 0x30)}},
        {"p", {Rgb(0xb0, 0x2a, 0x8c), {}}},
        {"r", {Rgb(0xf4, 0xb8, 0xd4), {}}},
        {"b", {Rgb(0x9a, 0x3a, 0x30), {}}}};
    for (const auto& [code, fa] : lausefarben) {
        const auto [farbe, spitze] = fa;
        setze("Bl-Farbe", code, [farbe, spitze](TZeichner& z) {
            LausekrautSeite(z, {40, 220}, 250, 'z', farbe, 'z', spitze);
        });
    }
    for (char c : {'t', 'a', 'k', 'q', 'w'})
        setze("Blst", QByteArray(1, c).constData(), [c](TZeichner& z) { LausekrautBlst(z, c); });
    for (char c : {'2', 'l', 'z'})
        setze("Kelchzipfel", QByteArray(1, c).constData(), [c](TZeichner& z) {
            LausekrautSeite(z, {60, 236}, 420, 'z', Lausefarbe.lighter(120), c);
        });
    for (char c : {'s', 'z', 'o'})
        setze("Oberlippe", QByteArray(1, c).constData(), [c](TZeichner& z) {
            LausekrautSeite(z, {40, 220}, 250, c, Lausefarbe, 'z');
        });

    g = 52;
    const std::pair<const char*, THaar> kelchhaare[] = {
        {"k", THaar::Keine}, {"r", THaar::Kurz}, {"z", THaar::Zottig}, {"d", THaar::DrueseKurz}};
    for (const auto& [code, haar] : kelchhaare)
        setze("Kelch-Behaarung", code, [haar](TZeichner& z) { KlapperKelchBild(z, haar); });
    setze("Krone-Krümmung", "g", [](TZeichner& z) { KlapperSeite(z, false, true); });
    setze("Krone-Krümmung", "a", [](TZeichner& z) { KlapperSeite(z, true, true); });
    setze("Schlund", "o", [](TZeichner& z) { KlapperSeite(z, false, true); });
    setze("Schlund", "g", [](TZeichner& z) { KlapperSeite(z, false, false); });
    const std::pair<const char*, THaar> tragblatthaare[] = {
        {"k", THaar::Keine}, {"z", THaar::Zottig}, {"d", THaar::DrueseKurz}};
    for (const auto& [code, haar] : tragblatthaare)
        setze("Tragblatt-Behaarung", code,
              [haar](TZeichner& z) { Deckblatt(z, true, 's', haar, 5); });
    setze("Tragblatt-Rand", "d", [](TZeichner& z) { Deckblatt(z, true, 's', THaar::Keine, 5); });
    setze("Tragblatt-Rand", "g", [](TZeichner& z) { Deckblatt(z, true, 'g', THaar::Keine, 5); });

    g = 59;
    for (char c : {'+', 'u', '-'})
        setze("Ausläufer", QByteArray(1, c).constData(),
              [c](TZeichner& z) { VeilchenPflanze(z, 'g', c); });
    const std::pair<const char*, TBlatt> veilchenblaetter[] = {
        {"h", {TBlattform::Herz, 220, 190, TRand::Gekerbt, TNervatur::Hand}},
        {"r", {TBlattform::Niere, 170, 220, TRand::Gekerbt, TNervatur::Hand}},
        {"e", {TBlattform::Eifoermig, 230, 140, TRand::Gekerbt, TNervatur::Fieder}},
        {"l", {TBlattform::Lanzettlich, 240, 76, TRand::Gekerbt, TNervatur::Fieder}},
        {"p", {TBlattform::Spatel, 240, 90, TRand::Gekerbt, TNervatur::Fieder}}};
    for (const auto& [code, blatt] : veilchenblaetter) {
        TBlatt b = blatt;
        b.Stiel = 40;
        setze("B-Form", code, [b](TZeichner& z) { GrossesBlatt(z, b); });
    }
    for (char c : {'g', 'r', 's'})
        setze("B-Stellung", QByteArray(1, c).constData(),
              [c](TZeichner& z) { VeilchenPflanze(z, c, '-'); });
    const QColor gelb = Bluetenfarbe::Gelb;
    const std::pair<const char*, TVeilchen> veilchenfarben[] = {
        {"v", {Veilchen, Veilchen, Veilchen, false, false, false}},
        {"h",
         {Rgb(0xa8, 0xb0, 0xf0), Rgb(0xa8, 0xb0, 0xf0), Rgb(0xa8, 0xb0, 0xf0), false, false,
          false}},
        {"l",
         {Rgb(0xdc, 0xc8, 0xf0), Rgb(0xdc, 0xc8, 0xf0), Rgb(0xdc, 0xc8, 0xf0), false, true, false}},
        {"w", {Bluetenfarbe::Weiss, Bluetenfarbe::Weiss, Bluetenfarbe::Weiss, false, true, true}},
        {"g", {gelb, gelb, gelb, false, true, false}},
        {"c",
         {Rgb(0xfa, 0xf0, 0xc8), Rgb(0xfa, 0xf0, 0xc8), Rgb(0xfa, 0xf0, 0xc8), true, false, true}},
        {"m", {Veilchen, Rgb(0xf4, 0xf0, 0xf8), gelb, true, false, true}}};
    for (const auto& [code, v] : veilchenfarben)
        setze("Bl-Farbe", code, [v](TZeichner& z) { VeilchenVorn(z, {MitteX, 140}, 140, v); });
    for (bool stief : {false, true})
        setze("Bl-Form", stief ? "s" : "v", [stief](TZeichner& z) {
            TVeilchen v;
            v.Stiefmuetterchen = stief;
            v.Oben = stief ? Rgb(0x6a, 0x3c, 0xc8) : Veilchen;
            v.Seite = stief ? Rgb(0xc8, 0xb8, 0xf0) : Veilchen;
            v.Unten = stief ? Rgb(0xc8, 0xb8, 0xf0) : Veilchen;
            VeilchenVorn(z, {MitteX, 140}, 140, v);
        });
    setze("Fr-Behaarung", "k", [](TZeichner& z) { VeilchenKapsel(z, false); });
    setze("Fr-Behaarung", "b", [](TZeichner& z) { VeilchenKapsel(z, true); });
    setze("Kelchzipfel", "s", [](TZeichner& z) { VeilchenKelch(z, true); });
    setze("Kelchzipfel", "b", [](TZeichner& z) { VeilchenKelch(z, false); });
    for (char c : {'h', 's', 'k', 'z'})
        setze("Narben", QByteArray(1, c).constData(), [c](TZeichner& z) { VeilchenNarbe(z, c); });
    for (char c : {'k', 'f', 'g', 'l'})
        setze("Nebenblätter", QByteArray(1, c).constData(),
              [c](TZeichner& z) { Nebenblaetter(z, c); });
    setze("Vorblätter", "u", [](TZeichner& z) { VeilchenVorblatt(z, 0.3); });
    setze("Vorblätter", "m", [](TZeichner& z) { VeilchenVorblatt(z, 0.5); });
    setze("Vorblätter", "o", [](TZeichner& z) { VeilchenVorblatt(z, 0.85); });
}
