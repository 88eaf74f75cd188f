#include "Blatt.h"

#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

namespace {

double Bruch(double x)
{
    return x - std::floor(x);
}

// Half-width profile of the ordinary blades, 0 at base and tip, 1 at the broadest point.
double Profil(TBlattform form, double t)
{
    auto beta = [t](double a, double b) {
        const double s = a / (a + b);
        const double spitze = std::pow(s, a) * std::pow(1 - s, b);
        return std::pow(std::max(t, 0.0), a) * std::pow(std::max(1 - t, 0.0), b) / spitze;
    };
    switch (form) {
    case TBlattform::Lineal:
        return std::sqrt(std::min(1.0, t / 0.05)) * (t > 0.8 ? std::pow((1 - t) / 0.2, 0.8) : 1.0);
    case TBlattform::Nadel:
        return std::min(1.0, t / 0.04) * (t > 0.6 ? (1 - t) / 0.4 : 1.0);
    case TBlattform::Lanzettlich:
        return beta(0.8, 1.15);
    case TBlattform::Eifoermig:
        return beta(0.45, 0.85);
    case TBlattform::VerkehrtEifoermig:
        return beta(0.9, 0.45);
    case TBlattform::Spatel:
        return beta(1.5, 0.35);
    default:
        return beta(0.5, 0.5);
    }
}

QPainterPath ProfilPfad(TBlattform form, double l, double b)
{
    constexpr int Schritte = 64;
    QPolygonF seite;
    for (int i = 0; i <= Schritte; ++i) {
        const double t = double(i) / Schritte;
        seite << QPointF(t * l, -b / 2 * Profil(form, t));
    }
    QPainterPath pfad(seite.first());
    for (int i = 1; i < seite.size(); ++i)
        pfad.lineTo(seite[i]);
    for (int i = seite.size() - 2; i >= 0; --i)
        pfad.lineTo(seite[i].x(), -seite[i].y());
    pfad.closeSubpath();
    return pfad;
}

// A path given for the half y < 0 of a unit leaf (length 1, width 1), mirrored and scaled.
using THalbe = std::vector<std::array<QPointF, 3>>; // cubic segments from the base

QPainterPath Gespiegelt(const THalbe& halbe, double l, double b)
{
    auto s = [l, b](QPointF p, double spiegel) { return QPointF(p.x() * l, p.y() * b * spiegel); };
    QPainterPath pfad({0, 0});
    for (const auto& seg : halbe)
        pfad.cubicTo(s(seg[0], 1), s(seg[1], 1), s(seg[2], 1));
    QPointF start(0, 0);
    std::vector<QPointF> punkte{start};
    for (const auto& seg : halbe)
        punkte.push_back(seg[2]);
    for (int i = int(halbe.size()) - 1; i >= 0; --i)
        pfad.cubicTo(s(halbe[i][1], -1), s(halbe[i][0], -1), s(punkte[i], -1));
    pfad.closeSubpath();
    return pfad;
}

THalbe Linien(std::initializer_list<QPointF> punkte)
{
    THalbe halbe;
    QPointF vorher(0, 0);
    for (QPointF p : punkte) {
        halbe.push_back({Mitte(vorher, p, 1.0 / 3), Mitte(vorher, p, 2.0 / 3), p});
        vorher = p;
    }
    return halbe;
}

// Palmately lobed blade around the stalk at (0, 0).
QPolygonF HandUmriss(double l, int lappen, double tiefe)
{
    QPolygonF umriss;
    umriss << QPointF(0, 0);
    constexpr double Spanne = 165;
    constexpr int Schritte = 240;
    for (int i = 0; i <= Schritte; ++i) {
        const double phi = -Spanne + 2 * Spanne * i / Schritte;
        const double u = Bruch((phi + Spanne) / (2 * Spanne) * lappen);
        const double einschnitt = std::pow(std::abs(2 * u - 1), 1.6);
        const double r =
            l * (0.62 + 0.38 * std::cos(qDegreesToRadians(phi) * 0.8)) * (1 - tiefe * einschnitt);
        umriss << Richtung(phi) * r;
    }
    umriss << QPointF(0, 0);
    return umriss;
}

QPainterPath GrundUmriss(const TBlatt& blatt)
{
    const double l = blatt.Laenge, b = blatt.Breite;
    switch (blatt.Form) {
    case TBlattform::Herz:
        return Gespiegelt({{QPointF(-0.12, -0.18), QPointF(-0.08, -0.5), QPointF(0.22, -0.5)},
                           {QPointF(0.5, -0.52), QPointF(0.82, -0.28), QPointF(1, 0)}},
                          l, b);
    case TBlattform::Niere:
        return Gespiegelt({{QPointF(-0.25, -0.28), QPointF(-0.05, -0.52), QPointF(0.35, -0.5)},
                           {QPointF(0.78, -0.47), QPointF(1.02, -0.25), QPointF(1, 0)}},
                          l, b);
    case TBlattform::Pfeil:
        return Gespiegelt({{QPointF(-0.1, -0.1), QPointF(-0.22, -0.22), QPointF(-0.34, -0.4)},
                           {QPointF(-0.05, -0.46), QPointF(0.15, -0.46), QPointF(0.32, -0.38)},
                           {QPointF(0.55, -0.28), QPointF(0.82, -0.14), QPointF(1, 0)}},
                          l, b);
    case TBlattform::Spiess:
        return Gespiegelt(Linien({QPointF(-0.02, -0.12), QPointF(0.02, -0.5), QPointF(0.14, -0.16),
                                  QPointF(0.55, -0.13), QPointF(1, 0)}),
                          l, b);
    case TBlattform::Raute:
        return Gespiegelt({{QPointF(0.15, -0.2), QPointF(0.3, -0.42), QPointF(0.47, -0.5)},
                           {QPointF(0.62, -0.42), QPointF(0.85, -0.18), QPointF(1, 0)}},
                          l, b);
    case TBlattform::Hand: {
        const double tiefe = blatt.Rand == TRand::Geteilt     ? 0.82
                             : blatt.Rand == TRand::Gespalten ? 0.55
                             : blatt.Rand == TRand::Gelappt   ? 0.32
                                                              : 0.12;
        QPainterPath pfad;
        pfad.addPolygon(HandUmriss(l, blatt.Lappen > 0 ? blatt.Lappen : 5, tiefe));
        pfad.closeSubpath();
        return pfad;
    }
    case TBlattform::Schild: {
        QPainterPath pfad;
        pfad.addEllipse(QPointF(0, 0), l / 2, b / 2);
        return pfad;
    }
    default:
        return ProfilPfad(blatt.Form, l, b);
    }
}

enum class TVerschiebung
{
    Normal, // teeth: towards the inside along the normal
    Achse,  // lobes: towards the midrib
};

struct TRandMuster
{
    double Periode;
    double Tiefe; // absolute (Normal) or a share of the distance to the midrib (Achse)
    TVerschiebung Art;
    double Phase;
    std::function<double(double)> Einschnitt; // 0 at a tooth tip, 1 in a notch
};

double Saege(double u)
{
    return u < 0.15 ? 1 - u / 0.15 : (u - 0.15) / 0.85;
}

std::optional<TRandMuster> Muster(const TBlatt& blatt)
{
    const double l = blatt.Laenge, b = blatt.Breite;
    const double zahn = std::clamp(std::min(l / 10, b / 4), 5.0, 14.0);
    const int lappen = blatt.Lappen > 0 ? blatt.Lappen : 3;
    const double lappenPeriode = l * 0.92 / (lappen + 0.5);
    auto rund = [](double u) { return std::pow(1 - std::sin(M_PI * u), 2.5); };
    switch (blatt.Rand) {
    case TRand::Gesaegt:
        return TRandMuster{zahn, zahn * 0.5, TVerschiebung::Normal, 0.15, Saege};
    case TRand::DoppeltGesaegt:
        return TRandMuster{zahn * 2.6, zahn * 1.1, TVerschiebung::Normal, 0.15,
                           [](double u) { return 0.6 * Saege(u) + 0.4 * Saege(Bruch(u * 3)); }};
    case TRand::Gezaehnt:
    case TRand::Dornig:
        return TRandMuster{zahn * 1.2, zahn * 0.55, TVerschiebung::Normal, 0.5,
                           [](double u) { return std::abs(2 * u - 1); }};
    case TRand::Gekerbt:
        return TRandMuster{zahn * 1.3, zahn * 0.45, TVerschiebung::Normal, 0.5,
                           [](double u) { return 1 - std::sin(M_PI * u); }};
    case TRand::Gebuchtet:
        return TRandMuster{l / 4.2, b * 0.09, TVerschiebung::Normal, 0.5,
                           [](double u) { return 0.5 + 0.5 * std::cos(2 * M_PI * u); }};
    case TRand::Gelappt:
        return TRandMuster{lappenPeriode, 0.45, TVerschiebung::Achse, 0.5, rund};
    case TRand::Gespalten:
        return TRandMuster{lappenPeriode, 0.62, TVerschiebung::Achse, 0.5,
                           [](double u) { return std::pow(std::abs(2 * u - 1), 0.8); }};
    case TRand::Geteilt:
        return TRandMuster{lappenPeriode, 0.85, TVerschiebung::Achse, 0.5, rund};
    case TRand::Fiederschnittig:
        return TRandMuster{lappenPeriode * 0.8, 0.95, TVerschiebung::Achse, 0.5,
                           [](double u) { return std::pow(1 - std::sin(M_PI * u), 1.2); }};
    case TRand::Schrotsaege:
        return TRandMuster{lappenPeriode, 0.75, TVerschiebung::Achse, 0.1,
                           [](double u) { return Saege(1 - u); }};
    default:
        return std::nullopt;
    }
}

struct TRandErgebnis
{
    QPolygonF Umriss;
    QList<QLineF> Haare;
};

QPointF Normale(const QPolygonF& p, int i, bool linksdrehend)
{
    const int n = p.size();
    const QPointF d = p[(i + 1) % n] - p[(i - 1 + n) % n];
    const double len = std::hypot(d.x(), d.y());
    if (len == 0) return {0, 0};
    const QPointF nrm(d.y() / len, -d.x() / len);
    return linksdrehend ? -nrm : nrm;
}

double Flaeche(const QPolygonF& p)
{
    double a = 0;
    for (int i = 0; i < p.size(); ++i) {
        const QPointF u = p[i], v = p[(i + 1) % p.size()];
        a += u.x() * v.y() - v.x() * u.y();
    }
    return a / 2;
}

TRandErgebnis MitRand(const QPainterPath& grund, const TBlatt& blatt)
{
    const double schritt = 1.2;
    QPolygonF umriss = Abtasten(grund, schritt);
    TRandErgebnis ergebnis{umriss, {}};
    const auto muster = Muster(blatt);
    const bool haare = blatt.Rand == TRand::Gewimpert;
    const bool dornen = blatt.Rand == TRand::Dornig;
    if ((!muster && !haare) || umriss.size() < 8 || blatt.Form == TBlattform::Hand) return ergebnis;

    const int n = umriss.size();
    int spitze = 0;
    for (int i = 0; i < n; ++i)
        if (umriss[i].x() > umriss[spitze].x()) spitze = i;
    const double gesamt = n * schritt;
    const double spitzeS = spitze * schritt;
    const bool linksdrehend = Flaeche(umriss) < 0;
    const double grundZone = std::max(6.0, blatt.Breite * 0.22);
    QPolygonF neu;
    for (int i = 0; i < n; ++i) {
        const double s = i * schritt;
        const double t = std::abs(s - spitzeS);
        const QPointF p = umriss[i];
        const double huelle = Glatt(std::min(s, gesamt - s) / grundZone);
        const QPointF nrm = Normale(umriss, i, linksdrehend);
        if (haare) {
            if (int(s / schritt) % 6 == 0 && huelle > 0.5)
                ergebnis.Haare << QLineF(p, p + nrm * 5.5);
            neu << p;
            continue;
        }
        // Teeth run along the margin; lobes are spaced along the midrib, so that both
        // halves of the blade match.
        const double lauf =
            muster->Art == TVerschiebung::Normal ? t : std::max(0.0, blatt.Laenge - p.x());
        const double u = Bruch(lauf / muster->Periode + muster->Phase);
        const double d = muster->Einschnitt(u) * huelle;
        if (muster->Art == TVerschiebung::Normal) {
            neu << p - nrm * muster->Tiefe * d;
            if (dornen && std::abs(u - 0.5) < schritt / muster->Periode / 2 && huelle > 0.6)
                ergebnis.Haare << QLineF(p, p + nrm * muster->Tiefe * 0.9);
        } else {
            const QPointF achse(std::clamp(p.x(), 0.0, blatt.Laenge), 0);
            neu << p + (achse - p) * muster->Tiefe * d;
        }
    }
    ergebnis.Umriss = neu;
    return ergebnis;
}

void Nerven(TZeichner& z, const TBlatt& blatt, const QPainterPath& umriss)
{
    const double l = blatt.Laenge, b = blatt.Breite;
    const QColor farbe = blatt.Linie;
    QPainter& m = z.Maler();
    m.save();
    m.setClipPath(umriss, Qt::IntersectClip);
    auto mittelnerv = [&] { z.Linie({0, 0}, {l * 0.97, 0}, TStrich::Fein, farbe); };
    auto seitennerven = [&](int zahl) {
        for (int i = 1; i <= zahl; ++i) {
            const double x = l * (0.06 + 0.78 * i / (zahl + 0.5));
            for (double s : {-1.0, 1.0})
                z.Kurve({x, 0}, {x + b * 0.28, s * b * 0.22}, {x + b * 0.58, s * b * 0.58},
                        TStrich::Fein, farbe);
        }
    };
    switch (blatt.Nerven) {
    case TNervatur::Keine:
        break;
    case TNervatur::Mittelnerv:
        mittelnerv();
        break;
    case TNervatur::Fieder:
        mittelnerv();
        seitennerven(std::clamp(int(l / 16), 3, 8));
        break;
    case TNervatur::Netz: {
        // Closed meshes: a net of small irregular cells between the main veins.
        mittelnerv();
        const double masche = std::max(9.0, b / 6);
        QPen fein = z.Stift(TStrich::Fein, farbe);
        m.setPen(fein);
        m.setBrush(Qt::NoBrush);
        auto knick = [&](double x, double y) {
            const double j = std::sin(x * 12.9898 + y * 78.233) * 0.22 * masche;
            return QPointF(x + j, y + std::cos(x * 4.1 + y * 7.7) * 0.22 * masche);
        };
        for (double x = 0; x < l + masche; x += masche * 0.87)
            for (double y = -b / 2 - masche; y < b / 2 + masche; y += masche) {
                const double yy = y + (int(std::lround(x / (masche * 0.87))) % 2 ? masche / 2 : 0);
                QPolygonF zelle;
                for (int k = 0; k < 6; ++k) {
                    const double phi = qDegreesToRadians(60.0 * k);
                    zelle << knick(x + std::cos(phi) * masche * 0.55,
                                   yy + std::sin(phi) * masche * 0.55);
                }
                zelle << zelle.first();
                m.drawPolyline(zelle);
            }
        break;
    }
    case TNervatur::Parallel:
    case TNervatur::Bogen: {
        const bool bogen = blatt.Nerven == TNervatur::Bogen;
        const int zahl = bogen ? 2 : (b > 30 ? 4 : 2);
        for (int k = -zahl; k <= zahl; ++k) {
            const double y = double(k) / (zahl + 0.6) * b * (bogen ? 1.15 : 1.0);
            z.Kurve({0, 0}, {l * 0.5, y}, {l * 0.99, 0}, TStrich::Fein, farbe);
        }
        break;
    }
    case TNervatur::Hand: {
        const int lappen = blatt.Lappen > 0 ? blatt.Lappen : 5;
        for (int i = 0; i < lappen; ++i) {
            const double phi = -165 + 330 * (i + 0.5) / lappen;
            z.Linie({0, 0}, Richtung(phi) * l, TStrich::Fein, farbe);
        }
        break;
    }
    case TNervatur::Gabel: {
        mittelnerv();
        const int zahl = std::clamp(int(l / 14), 3, 9);
        for (int i = 0; i < zahl; ++i) {
            const double x = l * (0.05 + 0.85 * i / zahl);
            for (double s : {-1.0, 1.0}) {
                const QPointF a(x, 0), g(x + b * 0.18, s * b * 0.2);
                z.Linie(a, g, TStrich::Fein, farbe);
                z.Linie(g, g + QPointF(b * 0.12, s * b * 0.4), TStrich::Fein, farbe);
                z.Linie(g, g + QPointF(b * 0.36, s * b * 0.3), TStrich::Fein, farbe);
            }
        }
        break;
    }
    }
    m.restore();
}

} // namespace

QPolygonF Abtasten(const QPainterPath& pfad, double schritt)
{
    const QList<QPolygonF> teile = pfad.toSubpathPolygons();
    QPolygonF ergebnis;
    for (const QPolygonF& teil : teile) {
        if (teil.size() < 2) continue;
        ergebnis << teil.first();
        double rest = 0;
        for (int i = 1; i < teil.size(); ++i) {
            const QPointF a = teil[i - 1], b = teil[i];
            const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
            double s = schritt - rest;
            while (s <= len) {
                ergebnis << Mitte(a, b, s / len);
                s += schritt;
            }
            rest = len - (s - schritt);
        }
    }
    if (ergebnis.size() > 1 && QLineF(ergebnis.first(), ergebnis.last()).length() < schritt / 2)
        ergebnis.removeLast();
    return ergebnis;
}

QPainterPath BlattPfad(const TBlatt& blatt)
{
    const TRandErgebnis rand = MitRand(GrundUmriss(blatt), blatt);
    QPainterPath pfad;
    pfad.addPolygon(rand.Umriss);
    pfad.closeSubpath();
    return pfad;
}

QPointF ZeichneBlatt(TZeichner& z, QPointF ansatz, double winkel, const TBlatt& blatt)
{
    const QPointF spreite = Weiter(ansatz, winkel, blatt.Stiel);
    if (blatt.Stiel > 0) z.Linie(ansatz, spreite, TStrich::Normal, blatt.Linie);
    const TRandErgebnis rand = MitRand(GrundUmriss(blatt), blatt);
    QPainterPath pfad;
    pfad.addPolygon(rand.Umriss);
    pfad.closeSubpath();

    QPainter& m = z.Maler();
    m.save();
    m.translate(spreite);
    m.rotate(winkel);
    for (const QLineF& haar : rand.Haare)
        z.Linie(haar.p1(), haar.p2(), TStrich::Fein, blatt.Linie);
    z.Fuellen(pfad, blatt.Fuellung);
    Nerven(z, blatt, pfad);
    z.Umriss(pfad, blatt.Strich, blatt.Linie);
    m.restore();
    return spreite;
}

void ZeichneFiederblatt(TZeichner& z, QPointF ansatz, double winkel, const TFiederblatt& blatt)
{
    const QPointF beginn = Weiter(ansatz, winkel, blatt.Stiel);
    const QPointF ende = Weiter(beginn, winkel, blatt.Laenge);
    z.Linie(ansatz, ende, TStrich::Normal);
    const int stellen = blatt.Paare;
    TBlatt fieder{TBlattform::Elliptisch, blatt.BlaettchenLaenge, blatt.BlaettchenBreite,
                  blatt.Rand,
                  blatt.BlaettchenLaenge > 35 ? TNervatur::Fieder : TNervatur::Mittelnerv};
    auto blaettchen = [&](QPointF an, double w, double laenge, double breite) {
        if (blatt.Doppelt) {
            TFiederblatt klein;
            klein.Paare = 3;
            klein.Ende = TFiederblatt::Endblaettchen;
            klein.Stiel = 3;
            klein.Laenge = laenge * 0.8;
            klein.BlaettchenLaenge = laenge * 0.3;
            klein.BlaettchenBreite = breite * 0.5;
            klein.Rand = blatt.Rand;
            ZeichneFiederblatt(z, an, w, klein);
            return;
        }
        TBlatt f = fieder;
        f.Laenge = laenge;
        f.Breite = breite;
        f.Stiel = 2;
        if (!z.Gross() && laenge < 30) f.Strich = TStrich::Fein;
        ZeichneBlatt(z, an, w, f);
    };
    for (int i = 0; i < stellen; ++i) {
        const double t = (i + 0.35) / (stellen + (blatt.Ende == TFiederblatt::Keins ? 0.1 : 0.45));
        const QPointF an = Mitte(beginn, ende, t);
        const double schrumpf = blatt.Doppelt ? 1.0 - 0.35 * t : 1.0;
        for (double s : {-1.0, 1.0})
            blaettchen(an, winkel + s * 58, blatt.BlaettchenLaenge * schrumpf,
                       blatt.BlaettchenBreite * schrumpf);
    }
    if (blatt.Ende == TFiederblatt::Endblaettchen) {
        blaettchen(ende, winkel, blatt.BlaettchenLaenge * (blatt.Doppelt ? 0.6 : 1.0),
                   blatt.BlaettchenBreite);
    } else if (blatt.Ende == TFiederblatt::Ranke) {
        for (double s : {-1.0, 0.0, 1.0}) {
            QPainterPath ranke(ende);
            QPointF p = ende;
            double w = winkel + s * 30;
            double schritt = blatt.BlaettchenLaenge * 0.16;
            for (int k = 0; k < 14; ++k) {
                p = Weiter(p, w, schritt);
                ranke.lineTo(p);
                w += (s == 0 ? 1 : s) * (k < 4 ? 4 : 32);
                schritt *= 0.9;
            }
            z.Umriss(ranke, TStrich::Normal);
        }
    }
}

void ZeichneGefingert(TZeichner& z, QPointF ansatz, double winkel, double stiel, int n,
                      double laenge, double breite, TRand rand)
{
    const QPointF spitze = Weiter(ansatz, winkel, stiel);
    z.Linie(ansatz, spitze, TStrich::Normal);
    const double faecher = n <= 3 ? 58 : 36;
    for (int i = 0; i < n; ++i) {
        const double versatz = (i - (n - 1) / 2.0) * faecher;
        const double l = laenge * (1 - 0.2 * std::abs(versatz) / 90);
        TBlatt b{n <= 3 ? TBlattform::VerkehrtEifoermig : TBlattform::VerkehrtEifoermig, l, breite,
                 rand, TNervatur::Fieder};
        b.Stiel = 2;
        ZeichneBlatt(z, spitze, winkel + versatz, b);
    }
}

void ZeichneWedel(TZeichner& z, QPointF ansatz, double winkel, const TWedel& wedel)
{
    const QPointF beginn = Weiter(ansatz, winkel, wedel.Stiel);
    if (wedel.Teilung == 0) {
        z.Linie(ansatz, beginn, TStrich::Achse);
        TBlatt zunge{TBlattform::Lanzettlich, wedel.Laenge, wedel.Breite * 0.45, TRand::Ganz,
                     TNervatur::Gabel};
        zunge.Fuellung = wedel.Fuellung;
        ZeichneBlatt(z, beginn, winkel, zunge);
        return;
    }
    const QPointF ende = Weiter(beginn, winkel, wedel.Laenge);
    z.Linie(ansatz, ende, TStrich::Achse);
    const int paare = z.Gross() ? (wedel.Teilung >= 3 ? 8 : 10) : (wedel.Teilung >= 3 ? 6 : 8);
    const TStrich strich = z.Gross() ? TStrich::Normal : TStrich::Fein;
    for (int i = 0; i < paare; ++i) {
        const double t = (i + 0.5) / (paare + 0.6);
        const QPointF an = Mitte(beginn, ende, t);
        // The pinnae are longest a third of the way up and shrink to the tip.
        const double laenge =
            wedel.Breite / 2 * std::pow(std::sin(M_PI * (0.22 + 0.78 * t)), 0.7) * 1.05;
        for (double s : {-1.0, 1.0}) {
            const double w = winkel + s * 68;
            if (wedel.Teilung >= 3) {
                TFiederblatt fieder;
                fieder.Paare = 4;
                fieder.Ende = TFiederblatt::Endblaettchen;
                fieder.Stiel = 1;
                fieder.Laenge = laenge * 0.9;
                fieder.BlaettchenLaenge = std::max(5.0, laenge * 0.28);
                fieder.BlaettchenBreite = std::max(3.5, laenge * 0.16);
                fieder.Rand = TRand::Ganz;
                ZeichneFiederblatt(z, an, w, fieder);
                continue;
            }
            TBlatt fieder{TBlattform::Lanzettlich, laenge, std::max(6.0, laenge * 0.34),
                          wedel.Teilung == 2 ? TRand::Geteilt : TRand::Ganz, TNervatur::Mittelnerv};
            if (wedel.Teilung == 2) fieder.Lappen = std::clamp(int(laenge / 9), 3, 6);
            fieder.Fuellung = wedel.Fuellung;
            fieder.Strich = strich;
            ZeichneBlatt(z, an, w, fieder);
            if (wedel.Sori)
                for (int k = 1; k <= 3; ++k) {
                    const QPointF mitte = Weiter(an, w, laenge * (0.2 + 0.22 * k));
                    for (double q : {-1.0, 1.0})
                        z.Kreis(Weiter(mitte, w + 90 * q, laenge * 0.09), z.Gr(2.2, 3.4),
                                Farbe::Samen, TStrich::Fein);
                }
        }
    }
    TBlatt spitze{TBlattform::Lanzettlich, wedel.Breite * 0.18, wedel.Breite * 0.08, TRand::Ganz,
                  TNervatur::Keine};
    spitze.Fuellung = wedel.Fuellung;
    ZeichneBlatt(z, ende, winkel, spitze);
}
