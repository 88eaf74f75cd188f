// Drawings of the fern key (key 2): habitats, fronds, leaf positions, veins, glandular hairs,
// sori and indusia.

#include "Farne.h"
#include "Motive.h"
#include "Rezepte.h"
#include "Rezepthilfen.h"

#include <QtMath>
#include <cmath>

namespace {

constexpr int Farnpflanzen = 2;

void Wasserfarn(TZeichner& z)
{
    z.Wasser(120, 292);
    // A floating shoot with pairs of leaves lying on the water, hairs hanging below.
    z.Linie({34, 118}, {290, 118}, TStrich::Achse);
    for (int i = 0; i < 5; ++i) {
        const double x = 56 + i * 52;
        for (double s : {-1.0, 1.0})
            z.Ellipse({x + s * 2, 118 + s * 14}, 24, 11, Farbe::Blatt);
        for (int k = -2; k <= 2; ++k)
            z.Kurve({x, 124}, {x + k * 6, 170}, {x + k * 10, 210 + std::abs(k) * 6.0},
                    TStrich::Fein, Farbe::Samen);
    }
}

void Sumpffarn(TZeichner& z)
{
    QPainterPath nass;
    nass.addRect(QRectF(6, 246, 308, 48));
    z.Fuellen(nass, QColor(0xd9, 0xcf, 0xb4));
    z.Wasser(232, 256);
    z.Boden(258);
    Farnbusch(z, {MitteX, 248}, 206);
}

void Landfarn(TZeichner& z)
{
    z.Boden(276);
    Farnbusch(z, {MitteX, 272}, 232);
}

void Wedelform(TZeichner& z, int teilung)
{
    TWedel w;
    w.Teilung = teilung;
    w.Laenge = teilung == 0 ? 236 : 232;
    w.Breite = teilung == 0 ? 110 : 150;
    w.Stiel = 40;
    ZeichneWedel(z, {96, 296}, -68, w);
}

void Schuppenblaetter(TZeichner& z)
{
    // A clubmoss: forking shoots densely clothed with small needle-like leaves.
    auto spross = [&](QPointF a, QPointF b) {
        z.Linie(a, b, TStrich::Achse);
        const double w = Winkel(a, b);
        const double l = QLineF(a, b).length();
        for (double t = 0; t < l; t += z.Gr(7, 10))
            for (double s : {-1.0, 1.0}) {
                TBlatt nadel{TBlattform::Nadel, z.Gr(18, 24), z.Gr(4, 6), TRand::Ganz,
                             TNervatur::Keine};
                nadel.Fuellung = QColor(0x7e, 0xb2, 0x5e);
                ZeichneBlatt(z, Weiter(a, w, t), w + s * 35, nadel);
            }
    };
    z.Boden(280);
    spross({60, 280}, {160, 200});
    spross({160, 200}, {110, 60});
    spross({160, 200}, {240, 90});
    spross({240, 90}, {290, 30});
}

void Lineal(TZeichner& z)
{
    z.Boden(280);
    for (double w : {-132.0, -112.0, -96.0, -80.0, -62.0, -48.0}) {
        TBlatt b{TBlattform::Lineal, 220 - std::abs(w + 90) * 1.2, z.Gr(9, 14), TRand::Ganz,
                 TNervatur::Mittelnerv};
        ZeichneBlatt(z, {MitteX, 278}, w, b);
    }
    // A young leaf, still rolled up like a crozier.
    QPainterPath jung({MitteX + 8, 278});
    jung.quadTo(MitteX + 40, 200, MitteX + 60, 150);
    z.Umriss(jung, TStrich::Achse);
    z.Kreis({MitteX + 66, 138}, 13, Farbe::Blatt, TStrich::Achse);
}

void Grundstaendig(TZeichner& z)
{
    z.Boden(276);
    Farnbusch(z, {MitteX, 276}, 236);
}

void Wechselstaendig(TZeichner& z)
{
    const double boden = 226;
    QPainterPath erde;
    erde.addRect(QRectF(6, boden, 308, 70));
    z.Fuellen(erde, QColor(0xec, 0xe2, 0xcf));
    z.Boden(boden);
    z.Linie({16, 262}, {304, 250}, TStrich::Stark, Farbe::Holz);
    for (int i = 0; i < 4; ++i) {
        const QPointF an(48 + i * 76, 261 - i * 3.0);
        for (int k = -1; k <= 1; ++k)
            z.Linie(an, an + QPointF(k * 8, 26), TStrich::Fein, Farbe::Holz);
        TWedel w;
        w.Teilung = 1;
        w.Laenge = 150;
        w.Breite = 64;
        w.Stiel = 56;
        ZeichneWedel(z, an, -90 + (i % 2 ? 8 : -8), w);
    }
}

void Gegenstaendig(TZeichner& z)
{
    z.Wasser(150, 292);
    z.Linie({30, 150}, {296, 150}, TStrich::Achse);
    for (int i = 0; i < 4; ++i) {
        const double x = 64 + i * 64;
        z.Linie({x - 6, 150}, {x + 6, 150}, TStrich::Stark);
        for (double s : {-1.0, 1.0}) {
            TBlatt b{TBlattform::Elliptisch, 62, 44, TRand::Ganz, TNervatur::Mittelnerv};
            b.Stiel = 4;
            ZeichneBlatt(z, {x, 150}, s < 0 ? -80 : 80, b);
        }
    }
}

void Quirlstaendig(TZeichner& z)
{
    Schachtelhalm(z, {MitteX, 292}, 270, true, false);
}

void NervaturBild(TZeichner& z, TNervatur nerven)
{
    TBlatt b{nerven == TNervatur::Mittelnerv ? TBlattform::Lanzettlich : TBlattform::Eifoermig,
             nerven == TNervatur::Mittelnerv ? 230.0 : 210.0,
             nerven == TNervatur::Mittelnerv ? 52.0 : 120.0, TRand::Ganz, nerven};
    b.Stiel = 30;
    GrossesBlatt(z, b);
}

void Druesenhaare(TZeichner& z, bool vorhanden)
{
    TBlatt b{TBlattform::Eifoermig, 230, 120, TRand::Gekerbt, TNervatur::Gabel};
    b.Stiel = 20;
    GrossesBlatt(z, b);
    if (!vorhanden) return;
    // Hairs ending in a round gland, all over the blade and its edge.
    const QPainterPath blatt = GrossesBlattLage(b).map(BlattPfad(b));
    const QPolygonF rand = Abtasten(blatt, z.Gr(11, 16));
    for (int i = 0; i < rand.size(); ++i) {
        const QPointF p = rand[i];
        const QPointF d = rand[(i + 1) % rand.size()] - rand[(i - 1 + rand.size()) % rand.size()];
        const QPointF n = QPointF(d.y(), -d.x()) / std::hypot(d.x(), d.y());
        const QPointF aussen =
            blatt.contains(p + n * 3) ? p - n * z.Gr(9, 14) : p + n * z.Gr(9, 14);
        z.Linie(p, aussen, TStrich::Fein);
        z.Kreis(aussen, z.Gr(2.6, 4.5), QColor(0xe3, 0xb2, 0x3a), TStrich::Fein);
    }
}

} // namespace

void RezepteFarne(TRezeptTabelle& t)
{
    const int g = Farnpflanzen;
    auto setze = [&](const char* spalte, const char* code, TRezept r) {
        t.Setze(g, T(spalte), T(code), std::move(r));
    };
    setze("Lebensraum", "W", Wasserfarn);
    setze("Lebensraum", "S", Sumpffarn);
    setze("Lebensraum", "L", Landfarn);
    setze("B-Form", "e", [](TZeichner& z) { Wedelform(z, 0); });
    setze("B-Form", "f", [](TZeichner& z) { Wedelform(z, 1); });
    setze("B-Form", "ff", [](TZeichner& z) { Wedelform(z, 2); });
    setze("B-Form", "m", [](TZeichner& z) { Wedelform(z, 3); });
    setze("B-Form", "s", Schuppenblaetter);
    setze("B-Form", "l", Lineal);
    setze("B-Stellung", "b", Grundstaendig);
    setze("B-Stellung", "w", Wechselstaendig);
    setze("B-Stellung", "g", Gegenstaendig);
    setze("B-Stellung", "q", Quirlstaendig);
    setze("Nervatur", "o", [](TZeichner& z) { NervaturBild(z, TNervatur::Gabel); });
    setze("Nervatur", "n", [](TZeichner& z) { NervaturBild(z, TNervatur::Netz); });
    setze("Nervatur", "1", [](TZeichner& z) { NervaturBild(z, TNervatur::Mittelnerv); });
    setze("Drüsenhaare", "+", [](TZeichner& z) { Druesenhaare(z, true); });
    setze("Drüsenhaare", "-", [](TZeichner& z) { Druesenhaare(z, false); });
    setze("Sori", "Ä", [](TZeichner& z) { Schachtelhalm(z, {MitteX, 292}, 272, false, true); });
    setze("Sori", "s", Mondraute);
    setze("Sori", "r", [](TZeichner& z) { Soruslage(z, TSorusLage::Umgerollt); });
    setze("Sori", "t", [](TZeichner& z) { Soruslage(z, TSorusLage::Tasche); });
    setze("Sori", "u", [](TZeichner& z) { Soruslage(z, TSorusLage::Unterseits); });
    setze("Sori", "B", Blattachselsporangien);
    setze("Schleier", "f", [](TZeichner& z) { Schleier(z, TSchleier::Fehlend); });
    setze("Schleier", "l", [](TZeichner& z) { Schleier(z, TSchleier::Lineal); });
    setze("Schleier", "s", [](TZeichner& z) { Schleier(z, TSchleier::Schild); });
    setze("Schleier", "n", [](TZeichner& z) { Schleier(z, TSchleier::Niere); });
    setze("Schleier", "fl", [](TZeichner& z) { Schleier(z, TSchleier::Flamme); });
    setze("Schleier", "w", [](TZeichner& z) { Schleier(z, TSchleier::Bewimpert); });
    setze("Schleier", "h", [](TZeichner& z) { Schleier(z, TSchleier::Haare); });
    setze("Schleier", "t", [](TZeichner& z) { Schleier(z, TSchleier::Tasche); });
    setze("Schleier", "v", [](TZeichner& z) { Schleier(z, TSchleier::Umgerollt); });
}
