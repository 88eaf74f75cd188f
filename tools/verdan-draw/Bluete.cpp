#include "Bluete.h"

#include "Blatt.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

const QColor Beutel{0xe6, 0xb4, 0x22};

// A petal from its base (0, 0) to its tip (l, 0), obovate, the tip notched when asked.
QPainterPath KronblattPfad(double l, double b, bool ausgerandet)
{
    QPainterPath pfad({0, 0});
    pfad.cubicTo(l * 0.15, -b * 0.12, l * 0.45, -b * 0.5, l * 0.78, -b * 0.5);
    if (ausgerandet) {
        pfad.cubicTo(l * 0.95, -b * 0.5, l * 1.02, -b * 0.3, l * 0.98, -b * 0.16);
        pfad.lineTo(l * 0.8, 0);
        pfad.lineTo(l * 0.98, b * 0.16);
        pfad.cubicTo(l * 1.02, b * 0.3, l * 0.95, b * 0.5, l * 0.78, b * 0.5);
    } else {
        pfad.cubicTo(l * 1.02, -b * 0.5, l * 1.02, b * 0.5, l * 0.78, b * 0.5);
    }
    pfad.cubicTo(l * 0.45, b * 0.5, l * 0.15, b * 0.12, 0, 0);
    return pfad;
}

// A closed path through the points given for the half x < 0, mirrored about x = mx.
QPainterPath Symmetrisch(double mx, std::initializer_list<QPointF> halbe)
{
    QList<QPointF> punkte(halbe);
    QPainterPath pfad(punkte.first());
    for (int i = 1; i < punkte.size(); ++i)
        pfad.lineTo(punkte[i]);
    for (int i = punkte.size() - 1; i >= 0; --i)
        pfad.lineTo(2 * mx - punkte[i].x(), punkte[i].y());
    pfad.closeSubpath();
    return pfad;
}

void Samenanlage(TZeichner& z, QPointF p, double r)
{
    z.Ellipse(p, r, r * 0.8, Farbe::Kelch, TStrich::Fein);
}

} // namespace

void Kronblatt(TZeichner& z, QPointF ansatz, double winkel, double l, double b, const QColor& farbe,
               bool ausgerandet)
{
    QPainter& m = z.Maler();
    m.save();
    m.translate(ansatz);
    m.rotate(winkel);
    z.Flaeche(KronblattPfad(l, b, ausgerandet), farbe);
    m.restore();
}

void Kelchblatt(TZeichner& z, QPointF ansatz, double winkel, double l, double b)
{
    TBlatt kelch{TBlattform::Lanzettlich, l, b, TRand::Ganz, TNervatur::Keine};
    kelch.Fuellung = Farbe::Kelch;
    ZeichneBlatt(z, ansatz, winkel, kelch);
}

void Bl(TZeichner& z, QPointF p, double r, const QColor& farbe)
{
    z.Kreis(p, r, farbe, TStrich::Normal);
    z.Punkt(p, std::max(1.5, r * 0.3), QColor(0xc9, 0x96, 0x10));
}

void Staubblatt(TZeichner& z, QPointF fuss, QPointF spitze, double beutel)
{
    z.Linie(fuss, spitze, TStrich::Fein);
    QPainter& m = z.Maler();
    m.save();
    m.translate(spitze);
    m.rotate(Winkel(fuss, spitze));
    z.Ellipse({beutel * 0.6, 0}, beutel * 0.8, beutel * 0.55, Beutel, TStrich::Fein);
    m.restore();
}

void Stempel(TZeichner& z, QPointF fuss, double hoehe, double breite, int narben,
             const QColor& farbe)
{
    const double knoten = hoehe * 0.38;
    const QPointF griffelFuss(fuss.x(), fuss.y() - knoten);
    const QPointF narbe(fuss.x(), fuss.y() - hoehe);
    z.Linie(griffelFuss, narbe, TStrich::Normal);
    z.Ellipse({fuss.x(), fuss.y() - knoten / 2}, breite / 2, knoten / 2, farbe);
    if (narben <= 1) {
        z.Kreis(narbe, std::max(2.5, breite * 0.16), farbe, TStrich::Fein);
        return;
    }
    for (int i = 0; i < narben; ++i) {
        const double w = -90 + (i - (narben - 1) / 2.0) * (110.0 / std::max(1, narben - 1));
        z.Linie(narbe, Weiter(narbe, w, hoehe * 0.16), TStrich::Normal);
    }
}

void BlueteOben(TZeichner& z, QPointF mitte, double r, const TBlueteOben& b)
{
    const int n = b.Kronblaetter;
    const double start = -90;
    if (b.Kelchblaetter > 0) {
        const double versatz = n > 0 ? 180.0 / std::max(n, b.Kelchblaetter) : 0;
        for (int i = 0; i < b.Kelchblaetter; ++i)
            Kelchblatt(z, mitte, start + versatz + 360.0 * i / b.Kelchblaetter, r * 0.92, r * 0.36);
    }
    if (b.Verwachsen && n > 0) {
        QPolygonF saum;
        for (int i = 0; i < 180; ++i) {
            const double phi = start + 2.0 * i;
            const double u = std::fmod(2.0 * i * n / 360.0, 1.0);
            const double lappen = std::pow(std::sin(M_PI * u), 0.6);
            saum << Weiter(mitte, phi, r * (0.74 + 0.26 * lappen));
        }
        QPainterPath pfad;
        pfad.addPolygon(saum);
        pfad.closeSubpath();
        z.Flaeche(pfad, b.Farbe);
        for (int i = 0; i < n; ++i) {
            const double phi = start + 360.0 * i / n;
            z.Linie(Weiter(mitte, phi, r * 0.3), Weiter(mitte, phi, r * 0.72), TStrich::Fein);
        }
        z.Kreis(mitte, r * 0.3, b.Farbe.darker(112), TStrich::Fein);
    } else if (n > 0) {
        const double luecke = 2 * M_PI * r * 0.55 / n;
        const double anteil = b.Kronblattbreite > 0 ? b.Kronblattbreite : (n <= 3 ? 1.0 : 1.35);
        const double breite = std::min(r * 0.78, luecke * anteil);
        for (int i = 0; i < n; ++i)
            Kronblatt(z, Weiter(mitte, start + 360.0 * i / n, r * 0.1), start + 360.0 * i / n,
                      r * 0.9, breite, b.Farbe, b.Ausgerandet);
    }
    if (b.Staubblaetter != 0) {
        const int zahl = b.Staubblaetter < 0 ? 22 : b.Staubblaetter;
        const double beutel =
            std::max(z.Gr(3.2, zahl > 10 ? 7.0 : 10.0), r * (zahl > 10 ? 0.05 : 0.07));
        for (int i = 0; i < zahl; ++i) {
            const double phi = start + 360.0 * (i + 0.5) / zahl;
            const double aussen = b.Staubblaetter < 0 ? r * (i % 2 ? 0.36 : 0.5) : r * 0.46;
            Staubblatt(z, Weiter(mitte, phi, r * 0.14), Weiter(mitte, phi, aussen), beutel);
        }
    }
    if (b.Fruchtblaetter > 0 && b.FreieFruchtblaetter) {
        for (int i = 0; i < b.Fruchtblaetter; ++i) {
            const double phi = start + 360.0 * i / b.Fruchtblaetter;
            QPainter& m = z.Maler();
            m.save();
            m.translate(Weiter(mitte, phi, r * 0.13));
            m.rotate(phi);
            z.Ellipse({0, 0}, r * 0.09, r * 0.06, Farbe::Kelch, TStrich::Fein);
            m.restore();
        }
    } else if (b.Fruchtblaetter > 0) {
        z.Kreis(mitte, r * 0.1, Farbe::Kelch, TStrich::Fein);
        if (b.Fruchtblaetter > 1)
            for (int i = 0; i < b.Fruchtblaetter; ++i)
                z.Linie(mitte, Weiter(mitte, start + 360.0 * i / b.Fruchtblaetter, r * 0.1),
                        TStrich::Fein);
    }
}

void BlueteSeite(TZeichner& z, QPointF basis, double g, TKronform form, const QColor& farbe,
                 bool kelch)
{
    const double x = basis.x(), y = basis.y();
    if (form == TKronform::Frei) {
        if (kelch)
            for (double w : {-90 - 70.0, -90 + 70.0})
                Kelchblatt(z, basis, w, g * 0.4, g * 0.16);
        for (double w : {-90 - 48.0, -90 + 48.0, -90 - 18.0, -90 + 18.0})
            Kronblatt(z, basis, w, g, g * 0.52, farbe);
        for (int i = -2; i <= 2; ++i)
            Staubblatt(z, {x + i * g * 0.03, y - g * 0.05}, {x + i * g * 0.09, y - g * 0.38},
                       z.Gr(3, 5));
        Kronblatt(z, basis, -90, g * 0.92, g * 0.5, farbe);
        return;
    }
    if (kelch) {
        const QPainterPath k = Symmetrisch(x, {{x - g * 0.06, y},
                                               {x - g * 0.13, y - g * 0.2},
                                               {x - g * 0.17, y - g * 0.3},
                                               {x - g * 0.1, y - g * 0.22}});
        z.Flaeche(k, Farbe::Kelch);
    }
    QPainterPath krone;
    double saumY = y - g;
    double saumR = g * 0.5;
    switch (form) {
    case TKronform::Glocke:
        krone = Symmetrisch(x, {{x - g * 0.1, y - g * 0.05},
                                {x - g * 0.26, y - g * 0.35},
                                {x - g * 0.33, y - g * 0.75},
                                {x - g * 0.46, y - g * 0.98},
                                {x - g * 0.3, y - g * 0.92},
                                {x - g * 0.16, y - g * 1.0},
                                {x - g * 0.05, y - g * 0.92}});
        saumR = 0;
        break;
    case TKronform::Trichter:
        krone = Symmetrisch(x, {{x - g * 0.06, y - g * 0.05},
                                {x - g * 0.08, y - g * 0.4},
                                {x - g * 0.22, y - g * 0.72},
                                {x - g * 0.5, y - g * 0.95}});
        saumY = y - g * 0.95;
        break;
    case TKronform::Stielteller:
        krone = Symmetrisch(x, {{x - g * 0.05, y - g * 0.05},
                                {x - g * 0.06, y - g * 0.72},
                                {x - g * 0.07, y - g * 0.78}});
        saumY = y - g * 0.78;
        break;
    case TKronform::Rad:
        krone = Symmetrisch(x, {{x - g * 0.06, y - g * 0.05}, {x - g * 0.08, y - g * 0.3}});
        saumY = y - g * 0.3;
        saumR = g * 0.55;
        break;
    case TKronform::Roehre:
        krone = Symmetrisch(x, {{x - g * 0.1, y - g * 0.05},
                                {x - g * 0.12, y - g * 0.8},
                                {x - g * 0.16, y - g * 0.95},
                                {x - g * 0.08, y - g * 0.86},
                                {x - g * 0.03, y - g * 0.95}});
        saumR = 0;
        break;
    case TKronform::Frei:
        break;
    }
    z.Flaeche(krone, farbe);
    if (saumR > 0) {
        // The limb seen slightly from above: a flat ellipse with its lobes.
        QPolygonF saum;
        const double ry = saumR * 0.32;
        for (int i = 0; i < 120; ++i) {
            const double phi = 3.0 * i;
            const double u = std::fmod(phi * 5 / 360.0, 1.0);
            const double lappen = 0.82 + 0.18 * std::pow(std::sin(M_PI * u), 0.5);
            saum << QPointF(x + std::cos(qDegreesToRadians(phi)) * saumR * lappen,
                            saumY + std::sin(qDegreesToRadians(phi)) * ry * lappen);
        }
        QPainterPath pfad;
        pfad.addPolygon(saum);
        pfad.closeSubpath();
        z.Flaeche(pfad, farbe);
        z.Ellipse({x, saumY}, saumR * 0.16, ry * 0.3, farbe.darker(125), TStrich::Fein);
    }
}

void Lippenbluete(TZeichner& z, QPointF b, double g, const QColor& farbe)
{
    auto p = [&](double dx, double dy) { return QPointF(b.x() + dx * g, b.y() - dy * g); };
    QPainterPath kelch(p(0, 0));
    kelch.lineTo(p(-0.08, 0.05));
    kelch.lineTo(p(0.12, 0.32));
    kelch.lineTo(p(0.16, 0.44));
    kelch.lineTo(p(0.2, 0.33));
    kelch.lineTo(p(0.3, 0.36));
    kelch.lineTo(p(0.27, 0.24));
    kelch.lineTo(p(0.12, 0.02));
    kelch.closeSubpath();
    QPainterPath roehre(p(0.1, 0.12));
    roehre.cubicTo(p(0.25, 0.3), p(0.38, 0.42), p(0.5, 0.5));
    roehre.lineTo(p(0.62, 0.38));
    roehre.cubicTo(p(0.46, 0.3), p(0.3, 0.16), p(0.16, 0.04));
    roehre.closeSubpath();
    QPainterPath oberlippe(p(0.45, 0.46));
    oberlippe.cubicTo(p(0.4, 0.8), p(0.62, 1.02), p(0.86, 0.86));
    oberlippe.cubicTo(p(0.95, 0.78), p(0.9, 0.62), p(0.78, 0.6));
    oberlippe.cubicTo(p(0.74, 0.72), p(0.6, 0.72), p(0.58, 0.44));
    oberlippe.closeSubpath();
    QPainterPath unterlippe(p(0.6, 0.4));
    unterlippe.cubicTo(p(0.78, 0.44), p(1.0, 0.36), p(1.02, 0.2));
    unterlippe.cubicTo(p(1.0, 0.08), p(0.86, 0.1), p(0.8, 0.22));
    unterlippe.cubicTo(p(0.74, 0.3), p(0.66, 0.32), p(0.6, 0.36));
    unterlippe.closeSubpath();
    z.Flaeche(roehre, farbe);
    z.Flaeche(unterlippe, farbe);
    z.Flaeche(oberlippe, farbe);
    z.Flaeche(kelch, Farbe::Kelch);
    if (z.Gross())
        for (double d : {0.0, 0.05})
            Staubblatt(z, p(0.6, 0.5), p(0.72 + d, 0.66 - d), 3.5);
}

void ZygomorpheBlueteVorn(TZeichner& z, QPointF m, double r, const QColor& farbe, bool achse)
{
    Kronblatt(z, m, -90 - 32, r * 0.78, r * 0.42, farbe);
    Kronblatt(z, m, -90 + 32, r * 0.78, r * 0.42, farbe);
    Kronblatt(z, m, 180 + 18, r * 0.72, r * 0.4, farbe);
    Kronblatt(z, m, -18, r * 0.72, r * 0.4, farbe);
    Kronblatt(z, m, 90, r * 0.98, r * 0.62, farbe);
    for (double d : {-0.1, 0.0, 0.1})
        z.Linie(Weiter(m, 90, r * 0.15), Weiter(m, 90 + d * 120, r * 0.55), TStrich::Fein,
                farbe.darker(170));
    z.Kreis(m, r * 0.1, Beutel, TStrich::Fein);
    if (achse) z.Strichlinie({m.x(), m.y() - r * 1.1}, {m.x(), m.y() + r * 1.15}, Farbe::Akzent);
}

TSchmetterlingsteile Schmetterlingsteile(QPointF b, double g)
{
    auto p = [&](double dx, double dy) { return QPointF(b.x() + dx * g, b.y() - dy * g); };
    TSchmetterlingsteile t;
    t.Fahne.moveTo(p(0.05, 0.2));
    t.Fahne.cubicTo(p(-0.2, 0.55), p(-0.05, 1.0), p(0.25, 0.98));
    t.Fahne.cubicTo(p(0.48, 0.95), p(0.45, 0.55), p(0.25, 0.2));
    t.Fahne.closeSubpath();
    t.Fluegel.moveTo(p(0.15, 0.28));
    t.Fluegel.cubicTo(p(0.3, 0.62), p(0.7, 0.55), p(0.86, 0.4));
    t.Fluegel.cubicTo(p(0.84, 0.22), p(0.5, 0.2), p(0.2, 0.2));
    t.Fluegel.closeSubpath();
    t.Schiffchen.moveTo(p(0.18, 0.18));
    t.Schiffchen.cubicTo(p(0.45, 0.12), p(0.85, 0.1), p(0.98, 0.34));
    t.Schiffchen.cubicTo(p(0.8, 0.3), p(0.5, 0.3), p(0.22, 0.3));
    t.Schiffchen.closeSubpath();
    t.Kelch.moveTo(p(0.0, 0.08));
    t.Kelch.lineTo(p(0.28, 0.12));
    t.Kelch.lineTo(p(0.36, 0.2));
    t.Kelch.lineTo(p(0.24, 0.26));
    t.Kelch.lineTo(p(0.02, 0.22));
    t.Kelch.closeSubpath();
    return t;
}

void Schmetterlingsbluete(TZeichner& z, QPointF b, double g, const QColor& farbe)
{
    const TSchmetterlingsteile t = Schmetterlingsteile(b, g);
    z.Flaeche(t.Fahne, farbe);
    z.Flaeche(t.Schiffchen, farbe.darker(108));
    z.Flaeche(t.Fluegel, farbe.lighter(104));
    z.Flaeche(t.Kelch, Farbe::Kelch);
}

void BluetenLaengsschnitt(TZeichner& z, double boden, const TSchnitt& s)
{
    const double x = 160;
    const QColor frucht = s.FruchtknotenHervor ? Farbe::AkzentFlaeche : Farbe::Kelch;
    const QColor achse = Farbe::Kelch.lighter(112);
    z.Linie({x, TZeichner::Hoehe}, {x, boden}, TStrich::Achse);

    // Where sepals, petals and stamens are inserted, and the ovary's place.
    double ansatzY = boden - 6, ansatzX = 34;
    QPointF knoten(x, boden - 46);
    double rx = 30, ry = 38;
    switch (s.Stellung) {
    case TStellung::Oberstaendig: {
        const QPainterPath boden_ = Symmetrisch(
            x,
            {{x - 6, boden + 4}, {x - 30, boden - 2}, {x - 40, boden - 8}, {x - 28, boden - 12}});
        z.Flaeche(boden_, achse);
        ansatzY = boden - 8;
        ansatzX = 36;
        knoten = {x, boden - 48};
        break;
    }
    case TStellung::Mittelstaendig: {
        const QPainterPath becher = Symmetrisch(x, {{x - 6, boden + 4},
                                                    {x - 40, boden - 10},
                                                    {x - 62, boden - 62},
                                                    {x - 70, boden - 72},
                                                    {x - 56, boden - 72},
                                                    {x - 46, boden - 22},
                                                    {x - 12, boden - 4}});
        z.Flaeche(becher, achse);
        ansatzY = boden - 70;
        ansatzX = 64;
        knoten = {x, boden - 42};
        rx = 24, ry = 34;
        break;
    }
    case TStellung::Unterstaendig:
        ansatzY = boden - 86;
        ansatzX = 34;
        knoten = {x, boden - 42};
        rx = 40, ry = 46;
        break;
    }

    for (double seite : {-1.0, 1.0}) {
        const QPointF an(x + seite * ansatzX, ansatzY);
        const double auf = seite < 0 ? 180 : 0;
        Kelchblatt(z, an, auf - seite * 22, 52, 18);
        if (s.Krone) Kronblatt(z, an + QPointF(-seite * 4, -3), auf - seite * 58, 104, 46, s.Farbe);
        if (s.Staubblaetter)
            for (double k : {0.0, 1.0})
                Staubblatt(z, an + QPointF(-seite * (8 + 7 * k), -4),
                           an + QPointF(seite * (4 - 12 * k), -70 - 12 * k), z.Gr(5, 8));
    }
    if (!s.Fruchtknoten) return;
    if (s.Stellung == TStellung::Unterstaendig) {
        // The ovary is sunk into the receptacle, which carries the flower on top of it.
        QPainterPath unten({x, boden + 4});
        unten.cubicTo(x - 44, boden, x - 50, boden - 60, x - 36, boden - 88);
        unten.lineTo(x + 36, boden - 88);
        unten.cubicTo(x + 50, boden - 60, x + 44, boden, x, boden + 4);
        unten.closeSubpath();
        z.Flaeche(unten, frucht);
    } else {
        z.Ellipse(knoten, rx, ry, frucht);
    }
    z.Ellipse(knoten, rx * 0.55, ry * 0.62, Farbe::Weiss, TStrich::Fein);
    for (double dy : {-0.32, 0.0, 0.32})
        Samenanlage(z, {x + (dy == 0 ? 3 : -3), knoten.y() + dy * ry}, z.Gr(4.5, 7.5));
    const double griffelFuss =
        s.Stellung == TStellung::Unterstaendig ? boden - 88 : knoten.y() - ry;
    const double narbe = std::min(boden - 160, ansatzY - 84);
    z.Linie({x, griffelFuss}, {x, narbe}, TStrich::Normal);
    z.Kreis({x, narbe - 3}, z.Gr(5.5, 9), frucht, TStrich::Fein);
    if (s.Einfuegung) z.Strichlinie({22, ansatzY}, {298, ansatzY}, Farbe::Akzent);
}

void FruchtknotenQuer(TZeichner& z, QPointF m, double r, int faecher, TPlazenta plazenta)
{
    const double sa = z.Gr(5.5, 9); // ovule size
    if (plazenta == TPlazenta::Marginal || faecher <= 1) {
        // One carpel: its two edges meet at the top (ventral suture), ovules there.
        QPainterPath wand({m.x(), m.y() - r});
        wand.cubicTo(m.x() + r * 1.05, m.y() - r * 0.9, m.x() + r * 0.9, m.y() + r, m.x(),
                     m.y() + r);
        wand.cubicTo(m.x() - r * 0.9, m.y() + r, m.x() - r * 1.05, m.y() - r * 0.9, m.x(),
                     m.y() - r);
        z.Flaeche(wand, Farbe::Schnitt);
        z.Ellipse({m.x(), m.y() + r * 0.05}, r * 0.52, r * 0.62, Farbe::Weiss, TStrich::Fein);
        z.Linie({m.x(), m.y() - r}, {m.x(), m.y() - r * 0.57}, TStrich::Fein);
        Samenanlage(z, {m.x() - sa * 1.1, m.y() - r * 0.42}, sa);
        Samenanlage(z, {m.x() + sa * 1.1, m.y() - r * 0.42}, sa);
        return;
    }
    z.Kreis(m, r, Farbe::Schnitt);
    const double innen = r * 0.8;
    if (plazenta == TPlazenta::Zentralwinkel || plazenta == TPlazenta::Laminal) {
        // Thin septa from the wall to the central axis divide the chambers.
        z.Kreis(m, innen, Farbe::Weiss, TStrich::Fein);
        const double wand = std::max(3.0, r * (faecher > 6 ? 0.045 : 0.07));
        for (int i = 0; i < faecher; ++i) {
            const double w = -90 + 360.0 * i / faecher;
            QPainter& maler = z.Maler();
            maler.save();
            maler.translate(m);
            maler.rotate(w);
            QPainterPath septum;
            septum.addRect(QRectF(0, -wand / 2, innen + 1, wand));
            z.Flaeche(septum, Farbe::Schnitt, TStrich::Fein);
            maler.restore();
        }
        z.Kreis(m, r * 0.14, Farbe::Schnitt, TStrich::Fein);
        for (int i = 0; i < faecher; ++i) {
            const double mw = -90 + 360.0 * (i + 0.5) / faecher;
            const double halb = 180.0 / faecher;
            if (plazenta == TPlazenta::Zentralwinkel) {
                const double klein = faecher > 6 ? 0.75 : 1.0;
                for (double d : {-1.0, 1.0})
                    Samenanlage(z, Weiter(Weiter(m, mw, r * 0.26), mw + 90, d * sa * 0.95 * klein),
                                sa * klein);
            } else {
                for (double t : {0.4, 0.62, 0.82})
                    for (double d : {-1.0, 1.0})
                        Samenanlage(z, Weiter(m, mw + d * halb * 0.62, innen * t), sa * 0.8);
                Samenanlage(z, Weiter(m, mw, innen * 0.86), sa * 0.8);
            }
        }
        return;
    }
    z.Kreis(m, innen, Farbe::Weiss, TStrich::Fein);
    if (plazenta == TPlazenta::Parietal) {
        for (int i = 0; i < faecher; ++i) {
            const double w = -90 + 360.0 * i / faecher;
            const QPointF leiste = Weiter(m, w, innen * 0.9);
            z.Kreis(leiste, r * 0.13, Farbe::Schnitt, TStrich::Fein);
            for (double d : {-1.0, 0.0, 1.0})
                Samenanlage(z, Weiter(Weiter(m, w, innen * 0.68), w + 90, d * sa * 1.6), sa);
        }
    } else if (plazenta == TPlazenta::FreiZentral) {
        z.Kreis(m, r * 0.2, Farbe::Schnitt, TStrich::Fein);
        for (int i = 0; i < 8; ++i)
            Samenanlage(z, Weiter(m, 45.0 * i, r * 0.3), sa * 0.85);
    } else {
        Samenanlage(z, m, sa * 1.6);
    }
}

void FruchtknotenLaengs(TZeichner& z, QPointF m, double h, TPlazenta plazenta)
{
    const double rx = h * 0.36, ry = h * 0.5;
    z.Linie({m.x(), m.y() - ry}, {m.x(), m.y() - ry - h * 0.45}, TStrich::Normal);
    z.Kreis({m.x(), m.y() - ry - h * 0.47}, z.Gr(5, 8), Farbe::Kelch, TStrich::Fein);
    z.Ellipse(m, rx, ry, Farbe::Schnitt);
    z.Ellipse(m, rx * 0.72, ry * 0.78, Farbe::Weiss, TStrich::Fein);
    const double sa = z.Gr(4.5, 8);
    if (plazenta == TPlazenta::FreiZentral) {
        QPainterPath saeule;
        saeule.addRoundedRect(QRectF(m.x() - 5, m.y() - ry * 0.45, 10, ry * 1.2), 5, 5);
        z.Flaeche(saeule, Farbe::Schnitt, TStrich::Fein);
        for (double t : {-0.3, -0.05, 0.2, 0.45})
            for (double d : {-1.0, 1.0})
                Samenanlage(z, {m.x() + d * (5 + sa), m.y() + t * ry}, sa);
    } else {
        z.Linie({m.x(), m.y() + ry * 0.78}, {m.x(), m.y() + ry * 0.45}, TStrich::Normal);
        z.Ellipse({m.x(), m.y() + ry * 0.2}, sa * 1.6, sa * 2.4, Farbe::Kelch, TStrich::Normal);
    }
}
