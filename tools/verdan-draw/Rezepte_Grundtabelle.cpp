// Drawings of the basic table of flowering plants (key 3) and of the family key (key 5).

#include "Motive.h"
#include "Rezepte.h"
#include "Rezepthilfen.h"

#include <QtMath>
#include <cmath>

namespace {

constexpr int Familien = 5;

// ---- Life form and habitat ----------------------------------------------------------------

void Holzig(TZeichner& z)
{
    z.Boden(276);
    Baum(z, {112, 276}, 262);
    Strauch(z, {250, 276}, 112);
}

void Krautig(TZeichner& z)
{
    z.Boden(276);
    Kraut(z, {120, 276}, 208);
    Kraut(z, {232, 276}, 140, true, Bluetenfarbe::Lila);
}

void Wasserpflanze(TZeichner& z)
{
    const double spiegel = 96;
    z.Wasser(spiegel, 276);
    z.Boden(278);
    const double fuss = 276;
    for (double s : {-1.0, 1.0}) {
        const QPointF blatt(MitteX + s * 72, spiegel);
        z.Kurve({MitteX, fuss}, {MitteX + s * 20, 180}, blatt, TStrich::Normal);
        z.Ellipse(blatt, 52, 11, Farbe::Blatt);
        z.Linie(blatt, Weiter(blatt, s < 0 ? -10 : -170, 38), TStrich::Fein);
    }
    z.Linie({MitteX, fuss}, {MitteX, spiegel - 8}, TStrich::Normal);
    BlueteSeite(z, {MitteX, spiegel - 6}, 62, TKronform::Frei, Bluetenfarbe::Weiss, true);
    for (double x : {90.0, 220.0})
        for (int k = 0; k < 4; ++k)
            z.Kurve({x, fuss}, {x + (k - 1.5) * 14, 230}, {x + (k - 1.5) * 22, 170}, TStrich::Fein,
                    QColor(0x4d, 0x8a, 0x3f));
}

void Sumpfpflanze(TZeichner& z)
{
    QPainterPath nass;
    nass.addRect(QRectF(6, 236, 308, 56));
    z.Fuellen(nass, QColor(0xd9, 0xcf, 0xb4));
    z.Wasser(222, 246);
    z.Boden(248);
    for (double x : {70.0, 250.0})
        for (int k = 0; k < 5; ++k)
            z.Kurve({x, 246}, {x + (k - 2) * 6, 150},
                    {x + (k - 2) * 16, 70.0 + std::abs(k - 2) * 25}, TStrich::Normal,
                    QColor(0x3f, 0x7a, 0x34));
    Kraut(z, {MitteX, 246}, 180, true, Bluetenfarbe::Gelb);
}

void Landpflanze(TZeichner& z)
{
    z.Boden(270);
    Kraut(z, {MitteX, 270}, 200);
    for (double x : {50.0, 90.0, 236.0, 276.0})
        for (int k = 0; k < 3; ++k)
            z.Linie({x, 270}, {x + (k - 1) * 9, 244.0 + std::abs(k - 1) * 8}, TStrich::Fein,
                    QColor(0x4d, 0x8a, 0x3f));
}

void Kletternd(TZeichner& z)
{
    QPainterPath stab;
    stab.addRect(QRectF(MitteX - 7, 12, 14, 282));
    auto windung = [&](bool vorn) {
        for (int i = 0; i < 200; ++i) {
            const double t0 = i / 200.0, t1 = (i + 1) / 200.0;
            const double phi0 = t0 * 5 * 2 * M_PI, phi1 = t1 * 5 * 2 * M_PI;
            if ((std::cos(phi0) > 0) != vorn) continue;
            const QPointF a(MitteX + std::sin(phi0) * 26, 286 - t0 * 260);
            const QPointF b(MitteX + std::sin(phi1) * 26, 286 - t1 * 260);
            z.Linie(a, b, TStrich::Achse, QColor(0x3d, 0x7a, 0x30));
        }
    };
    windung(false);
    z.Flaeche(stab, Farbe::Holz.lighter(130));
    windung(true);
    for (int k = 0; k < 4; ++k) {
        const double t = 0.15 + k * 0.22;
        const double phi = t * 5 * 2 * M_PI;
        const QPointF p(MitteX + std::sin(phi) * 26, 286 - t * 260);
        TBlatt herz{TBlattform::Herz, 58, 46, TRand::Ganz, TNervatur::Bogen};
        herz.Stiel = 12;
        ZeichneBlatt(z, p, k % 2 ? -160 : -20, herz);
    }
}

void Sukkulent(TZeichner& z)
{
    z.Boden(278);
    for (double x : {100.0, 220.0}) {
        z.Linie({x, 278}, {x, 70}, TStrich::Achse);
        for (int i = 0; i < 9; ++i) {
            const double y = 262 - i * 23;
            const double s = i % 2 ? -1 : 1;
            const double w = s > 0 ? -40 : -140;
            const QPointF m = Weiter({x, y}, w, 22);
            QPainter& p = z.Maler();
            p.save();
            p.translate(m);
            p.rotate(w);
            z.Ellipse({0, 0}, 24, 12, QColor(0xa6, 0xd1, 0x8a), TStrich::Normal);
            z.Ellipse({-4, -5}, 10, 3, QColor(0xdf, 0xf0, 0xd0), TStrich::Fein,
                      QColor(0xdf, 0xf0, 0xd0));
            p.restore();
        }
    }
}

void Parasit(TZeichner& z)
{
    const double boden = 222;
    QPainterPath erde;
    erde.addRect(QRectF(6, boden, 308, 70));
    z.Fuellen(erde, QColor(0xec, 0xe2, 0xcf));
    z.Boden(boden);
    z.Linie({20, 266}, {300, 254}, TStrich::Stark, QColor(0x8a, 0x64, 0x3a));
    z.Ellipse({MitteX, 250}, 18, 12, QColor(0xc9, 0xa9, 0x7a));
    const QColor braun(0xc2, 0x9a, 0x72);
    QPainterPath stengel;
    stengel.addRoundedRect(QRectF(MitteX - 11, 30, 22, 216), 10, 10);
    z.Flaeche(stengel, braun);
    for (int i = 0; i < 4; ++i) {
        const double y = 214 - i * 22;
        TBlatt schuppe{TBlattform::Lanzettlich, 30, 11, TRand::Ganz, TNervatur::Keine};
        schuppe.Fuellung = braun.lighter(110);
        ZeichneBlatt(z, {MitteX, y}, i % 2 ? -130 : -50, schuppe);
    }
    for (int i = 0; i < 5; ++i) {
        const double y = 150 - i * 26;
        const double s = i % 2 ? -1 : 1;
        const double w = s > 0 ? -40 : -140;
        const QPointF an(MitteX + s * 6, y);
        QPainter& p = z.Maler();
        p.save();
        p.translate(an);
        p.rotate(w);
        // A curved tube opening into two lips.
        QPainterPath roehre({0, -5});
        roehre.cubicTo(14, -7, 28, -9, 38, -12);
        roehre.cubicTo(44, -22, 56, -22, 56, -12);
        roehre.cubicTo(52, -6, 46, -4, 44, -2);
        roehre.cubicTo(50, 2, 56, 8, 52, 16);
        roehre.cubicTo(46, 18, 40, 10, 36, 8);
        roehre.cubicTo(26, 6, 12, 6, 0, 5);
        roehre.closeSubpath();
        z.Flaeche(roehre, QColor(0xdc, 0xbd, 0x9a));
        p.restore();
    }
    z.Punkt({MitteX, 34}, 6, QColor(0xdc, 0xbd, 0x9a));
}

void Milchsaft(TZeichner& z)
{
    const QPointF bruch(MitteX, 104);
    AbgebrochenerStengel(z);
    // White latex: a bold grey edge keeps it visible on the white ground.
    const QColor milch(0xfd, 0xfc, 0xf4);
    const QColor rand(0x70, 0x70, 0x70);
    auto tropfen = [&](QPointF p, double r) {
        QPainterPath t({p.x(), p.y() - r * 1.8});
        t.cubicTo(p.x() + r * 0.4, p.y() - r, p.x() + r, p.y() - r * 0.2, p.x() + r,
                  p.y() + r * 0.3);
        t.cubicTo(p.x() + r, p.y() + r * 1.2, p.x() - r, p.y() + r * 1.2, p.x() - r,
                  p.y() + r * 0.3);
        t.cubicTo(p.x() - r, p.y() - r * 0.2, p.x() - r * 0.4, p.y() - r, p.x(), p.y() - r * 1.8);
        z.Flaeche(t, milch, TStrich::Achse, rand);
    };
    QPainterPath perle({MitteX - 26, 112});
    perle.cubicTo(MitteX - 26, 80, MitteX + 26, 80, MitteX + 26, 112);
    perle.cubicTo(MitteX + 22, 124, MitteX - 22, 124, MitteX - 26, 112);
    z.Flaeche(perle, milch, TStrich::Achse, rand);
    tropfen(bruch + QPointF(-26, 46), z.Gr(13, 16));
    tropfen(bruch + QPointF(26, 82), z.Gr(11, 14));
    tropfen(bruch + QPointF(-22, 146), z.Gr(14, 17));
}

// ---- Leaves ---------------------------------------------------------------------------------

TBlatt EinfachesBlatt(TRand rand = TRand::Ganz, TNervatur nerven = TNervatur::Fieder)
{
    TBlatt b{TBlattform::Elliptisch, 200, 96, rand, nerven};
    b.Stiel = 44;
    return b;
}

void Zusammengesetzt(TZeichner& z)
{
    TFiederblatt f;
    f.Paare = 3;
    f.Laenge = 190;
    f.Stiel = 36;
    f.BlaettchenLaenge = z.Gr(62, 74);
    f.BlaettchenBreite = z.Gr(30, 36);
    f.Rand = TRand::Gesaegt;
    ZeichneFiederblatt(z, {84, 286}, -62, f);
}

void Grasartig(TZeichner& z)
{
    z.Boden(284);
    for (double w : {-118.0, -98.0, -80.0, -62.0}) {
        TBlatt b{TBlattform::Lineal, 262, z.Gr(18, 26), TRand::Ganz, TNervatur::Parallel};
        ZeichneBlatt(z, {MitteX, 284}, w, b);
    }
}

void NadelSchuppe(TZeichner& z)
{
    const QPointF a(20, 110), e(300, 70);
    z.Linie(a, e, TStrich::Stark, Farbe::Holz);
    for (double t = 0.04; t < 0.97; t += 0.055)
        for (double s : {-1.0, 1.0}) {
            TBlatt nadel{TBlattform::Nadel, 64, z.Gr(6, 9), TRand::Ganz, TNervatur::Keine};
            nadel.Fuellung = QColor(0x5e, 0x94, 0x52);
            ZeichneBlatt(z, Mitte(a, e, t), Winkel(a, e) + s * 60, nadel);
        }
    // A scale-leaved shoot: small leaves pressed on like roof tiles.
    const QPointF b(40, 250), f(290, 200);
    z.Linie(b, f, TStrich::Achse);
    for (double t = 0.02; t < 0.97; t += 0.06)
        for (double s : {-1.0, 1.0}) {
            TBlatt schuppe{TBlattform::Lanzettlich, 26, 13, TRand::Ganz, TNervatur::Keine};
            schuppe.Fuellung = QColor(0x8f, 0xbd, 0x78);
            ZeichneBlatt(z, Mitte(b, f, t), Winkel(b, f) + s * 22, schuppe);
        }
}

void Stipeln(TZeichner& z, bool vorhanden)
{
    const QPointF knoten(96, 200);
    z.Linie({96, Unten}, {96, 14}, TStrich::Achse);
    TBlatt b{TBlattform::Eifoermig, 150, 80, TRand::Gesaegt, TNervatur::Fieder};
    b.Stiel = 56;
    ZeichneBlatt(z, knoten, -34, b);
    if (vorhanden) {
        for (double w : {-90.0, 12.0}) {
            TBlatt stipel{TBlattform::Eifoermig, 48, 26, TRand::Ganz, TNervatur::Mittelnerv};
            stipel.Fuellung = Farbe::AkzentFlaeche;
            stipel.Linie = Farbe::Akzent;
            ZeichneBlatt(z, knoten + QPointF(4, -2), w, stipel);
        }
    }
}

// ---- Flowers -------------------------------------------------------------------------------

// A flower from the side with its perianth opened: stamens, pistil or both.
void Geschlecht(TZeichner& z, QPointF basis, double g, bool maennlich, bool weiblich)
{
    z.Linie({basis.x(), Unten}, basis, TStrich::Achse);
    for (double w : {-150.0, -30.0}) {
        TBlatt p{TBlattform::VerkehrtEifoermig, g, g * 0.45, TRand::Ganz, TNervatur::Keine};
        p.Fuellung = Farbe::Bluete;
        ZeichneBlatt(z, basis, w, p);
    }
    if (maennlich)
        for (double d : {-1.0, -0.35, 0.35, 1.0})
            Staubblatt(z, basis + QPointF(d * 6, -2),
                       basis + QPointF(d * g * 0.3 + (weiblich ? d * 8 : 0), -g * 0.72),
                       z.Gr(6, 10));
    if (weiblich) Stempel(z, basis + QPointF(0, -2), g * 0.82, g * 0.3, 3);
}

void Eingeschlechtig(TZeichner& z)
{
    Geschlecht(z, {86, 190}, 100, true, false);
    Geschlecht(z, {234, 190}, 100, false, true);
    z.Text({86, 40}, QStringLiteral("männlich"));
    z.Text({234, 40}, QStringLiteral("weiblich"));
}

void Zwittrig(TZeichner& z)
{
    Geschlecht(z, {MitteX, 200}, 150, true, true);
}

void Radiaer(TZeichner& z)
{
    const QPointF m(MitteX, 150);
    BlueteOben(z, m, 126, {5, Bluetenfarbe::Rosa, false, 0, 0, 1});
    for (int i = 0; i < 5; ++i) {
        const double w = -90 + 72.0 * i;
        z.Strichlinie(Weiter(m, w, 140), Weiter(m, w + 180, 140), Farbe::Akzent);
    }
}

void Zygomorph(TZeichner& z)
{
    ZygomorpheBlueteVorn(z, {MitteX, 130}, 122, Bluetenfarbe::Lila, true);
}

void Perigon(TZeichner& z)
{
    TBlueteOben b{6, Bluetenfarbe::Weiss, false, 0, 6, 3};
    b.Kronblattbreite = 0.95;
    BlueteOben(z, {MitteX, 150}, 132, b);
}

void DoppelteHuelle(TZeichner& z)
{
    BlueteOben(z, {MitteX, 150}, 132, {5, Bluetenfarbe::Gelb, false, 5, 10, 1});
}

void OhneHuelle(TZeichner& z)
{
    const QPointF basis(MitteX, 214);
    z.Linie({MitteX, Unten}, basis, TStrich::Achse);
    TBlatt tragblatt{TBlattform::Eifoermig, 70, 44, TRand::Ganz, TNervatur::Mittelnerv};
    tragblatt.Fuellung = Farbe::Kelch;
    ZeichneBlatt(z, basis + QPointF(0, 18), -150, tragblatt);
    for (double d : {-1.0, 1.0})
        Staubblatt(z, basis + QPointF(d * 14, -2), basis + QPointF(d * 58, -118), z.Gr(9, 14));
    Stempel(z, basis + QPointF(0, -2), 132, 46, 2);
}

void Kronblattzahl(TZeichner& z, int zahl, const QString& badge)
{
    TBlueteOben b{zahl, Bluetenfarbe::Gelb, false, 5, 0, 1};
    if (zahl == 0) {
        b.Staubblaetter = 8;
        b.Kelchblaetter = 5;
    }
    if (zahl == 1) b.Kronblattbreite = 1.2;
    if (zahl == 2) {
        b.Kelchblaetter = 2;
        b.Ausgerandet = true;
        b.Farbe = Bluetenfarbe::Weiss;
    }
    if (zahl == 3) b.Kelchblaetter = 3, b.Farbe = Bluetenfarbe::Weiss;
    if (zahl == 4) b.Kelchblaetter = 4;
    if (zahl == 6) b.Kelchblaetter = 6, b.Farbe = Bluetenfarbe::Lila;
    if (zahl > 6) b.Kronblattbreite = 1.6, b.Staubblaetter = -1;
    if (zahl == 1) {
        // One petal: the rest of the flower is calyx.
        BlueteOben(z, {MitteX, 164}, 122, {0, Farbe::Bluete, false, 5, 0, 1});
        TBlueteOben eins{1, Bluetenfarbe::Lila, false, 0, 0, 0};
        eins.Kronblattbreite = 1.4;
        BlueteOben(z, {MitteX, 164}, 136, eins);
    } else {
        BlueteOben(z, {MitteX, 150}, 134, b);
    }
    if (!badge.isEmpty()) z.Zahl(badge);
}

void Kronenverwachsung(TZeichner& z, bool verwachsen)
{
    const QPointF basis(MitteX, 280);
    z.Linie({MitteX, Unten}, basis, TStrich::Achse);
    if (verwachsen)
        BlueteSeite(z, basis, 230, TKronform::Trichter, Bluetenfarbe::Blau);
    else
        BlueteSeite(z, basis, 200, TKronform::Frei, Bluetenfarbe::Rosa);
}

TRezept Farbe_(const QColor& farbe)
{
    return [farbe](TZeichner& z) { BlueteOben(z, {MitteX, 150}, 136, {5, farbe, false, 0, 0, 1}); };
}

void Unscheinbar(TZeichner& z)
{
    const QColor gruen = Bluetenfarbe::Gruenlich;
    const QPointF m[] = {{96, 110}, {214, 96}, {156, 214}};
    for (QPointF p : m) {
        TBlueteOben b{5, gruen, false, 0, 5, 1};
        b.Kronblattbreite = 1.1;
        BlueteOben(z, p, 64, b);
    }
}

void Staubblattzahl(TZeichner& z, int zahl, const QString& badge)
{
    TBlueteOben b{zahl > 0 ? 5 : 5, QColor(0xfb, 0xf6, 0xe4), false, 0, zahl, 1};
    b.Kronblattbreite = 1.35;
    if (zahl == 0) b.Fruchtblaetter = 3;
    BlueteOben(z, {MitteX, 146}, 136, b);
    if (!badge.isEmpty()) z.Zahl(badge);
}

void FreieFruchtblaetter(TZeichner& z)
{
    const double boden = 236;
    z.Linie({MitteX, Unten}, {MitteX, boden}, TStrich::Achse);
    QPainterPath dom({MitteX - 100, boden});
    dom.quadTo(MitteX, boden - 50, MitteX + 100, boden);
    dom.closeSubpath();
    z.Flaeche(dom, Farbe::Kelch.lighter(115));
    const double xs[] = {-72, -36, 0, 36, 72};
    for (double dx : xs) {
        const double y = boden - 26 + std::abs(dx) * 0.32;
        Stempel(z, {MitteX + dx, y}, 150 - std::abs(dx) * 0.4, 30, 1);
    }
}

void VerwachseneFruchtblaetter(TZeichner& z)
{
    const bool gross = z.Gross();
    const double x = gross ? 100 : MitteX;
    z.Linie({x, Unten}, {x, 250}, TStrich::Achse);
    Stempel(z, {x, 250}, 196, gross ? 84 : 100, 3);
    if (gross)
        FruchtknotenQuer(z, {238, 200}, 58, 3, TPlazenta::Zentralwinkel);
    else
        for (double w : {-90.0, 30.0, 150.0})
            z.Linie({x, 208}, Weiter({x, 208}, w, 36), TStrich::Fein);
}

TRezept Stellung(TStellung stellung)
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

TRezept Fruchtblattzahl(int faecher, const QString& badge)
{
    return [faecher, badge](TZeichner& z) {
        FruchtknotenQuer(z, {MitteX - 6, 146}, 124, faecher,
                         faecher == 1 ? TPlazenta::Marginal : TPlazenta::Zentralwinkel);
        if (!badge.isEmpty()) z.Zahl(badge);
    };
}

void Andere(TZeichner& z)
{
    Verkleinert(z, QRectF(0, 20, 107, 260), Bluetenstandbild(TBluetenstand::Traube));
    Verkleinert(z, QRectF(107, 20, 107, 260), Bluetenstandbild(TBluetenstand::Aehre));
    Verkleinert(z, QRectF(214, 20, 107, 260), Bluetenstandbild(TBluetenstand::Rispe));
}

void Registriere(TRezeptTabelle& t, int g, const char* spalte,
                 std::initializer_list<std::pair<const char*, TRezept>> werte)
{
    for (const auto& [code, rezept] : werte)
        t.Setze(g, T(spalte), T(code), rezept);
}

} // namespace

void RezepteGrundtabelle(TRezeptTabelle& t)
{
    const int g = Grundtabelle;
    Registriere(t, g, "L", {{"h", Holzig}, {"k", Krautig}});
    Registriere(t, g, "LW", {{"w", Wasserpflanze}, {"s", Sumpfpflanze}, {"l", Landpflanze}});
    Registriere(t, g, "SO", {{"k", Kletternd}, {"s", Sukkulent}, {"p", Parasit}});
    Registriere(t, g, "M", {{"m", Milchsaft}});
    Registriere(t, g, "ST",
                {{"g", Blattstellungsbild(TBlattstellung::Gegen)},
                 {"q", Blattstellungsbild(TBlattstellung::Quirl)},
                 {"b", Blattstellungsbild(TBlattstellung::Grund)},
                 {"w", Blattstellungsbild(TBlattstellung::Wechsel)}});
    Registriere(t, g, "BF",
                {{"z", Zusammengesetzt},
                 {"l", Grasartig},
                 {"e", Blattbild(EinfachesBlatt())},
                 {"n", NadelSchuppe}});
    TBlatt gelappt = EinfachesBlatt(TRand::Gelappt);
    gelappt.Form = TBlattform::VerkehrtEifoermig;
    gelappt.Lappen = 4;
    gelappt.Breite = 120;
    Registriere(t, g, "BR",
                {{"g", Blattbild(EinfachesBlatt())},
                 {"s", Blattbild(EinfachesBlatt(TRand::Gesaegt))},
                 {"l", Blattbild(gelappt)}});
    TBlatt parallel{TBlattform::Lanzettlich, 236, 70, TRand::Ganz, TNervatur::Parallel};
    Registriere(t, g, "NV", {{"p", Blattbild(parallel)}, {"f", Blattbild(EinfachesBlatt())}});
    Registriere(t, g, "N", {{"n", [](TZeichner& z) { Stipeln(z, true); }}, {"f", [](TZeichner& z) {
                                                                                Stipeln(z, false);
                                                                            }}});
    Registriere(t, g, "BLS",
                {{"Ä", Bluetenstandbild(TBluetenstand::Aehre)},
                 {"Äh", Bluetenstandbild(TBluetenstand::Aehrchen)},
                 {"b", Bluetenstandbild(TBluetenstand::Bueschel)},
                 {"c", Bluetenstandbild(TBluetenstand::Cymoes)},
                 {"Cy", Bluetenstandbild(TBluetenstand::Cyathium)},
                 {"d", Bluetenstandbild(TBluetenstand::Dolde)},
                 {"DD", Bluetenstandbild(TBluetenstand::Doppeldolde)},
                 {"Di", Bluetenstandbild(TBluetenstand::Dichasium)},
                 {"e", Bluetenstandbild(TBluetenstand::Einzeln)},
                 {"k", Bluetenstandbild(TBluetenstand::Koepfchen)},
                 {"Kä", Bluetenstandbild(TBluetenstand::Kaetzchen)},
                 {"Kn", Bluetenstandbild(TBluetenstand::Knaeuel)},
                 {"Kö", Bluetenstandbild(TBluetenstand::Koerbchen)},
                 {"Kol", Bluetenstandbild(TBluetenstand::Kolben)},
                 {"P", Bluetenstandbild(TBluetenstand::Pleiochasium)},
                 {"Q", Bluetenstandbild(TBluetenstand::Quirle)},
                 {"R", Bluetenstandbild(TBluetenstand::Rispe)},
                 {"Rg", Bluetenstandbild(TBluetenstand::RispeGegen)},
                 {"Rq", Bluetenstandbild(TBluetenstand::RispeQuirl)},
                 {"Rs", Bluetenstandbild(TBluetenstand::Schirmrispe)},
                 {"S", Bluetenstandbild(TBluetenstand::Spirre)},
                 {"T", Bluetenstandbild(TBluetenstand::Traube)},
                 {"Ts", Bluetenstandbild(TBluetenstand::Schirmtraube)},
                 {"W", Bluetenstandbild(TBluetenstand::Wickel)},
                 {"Z", Bluetenstandbild(TBluetenstand::Zapfen)},
                 {"zw", Bluetenstandbild(TBluetenstand::ZuZwei)}});
    Registriere(t, g, "BG", {{"e", Eingeschlechtig}, {"z", Zwittrig}});
    Registriere(t, g, "BS", {{"z", Zygomorph}, {"r", Radiaer}});
    Registriere(t, g, "KP", {{"p", Perigon}, {"o", OhneHuelle}, {"d", DoppelteHuelle}});
    for (const char* code : {"0", "1", "2", "3", "4", "5", "6"}) {
        const int zahl = QString::fromLatin1(code).toInt();
        t.Setze(g, "KZ", code, [zahl, code](TZeichner& z) { Kronblattzahl(z, zahl, code); });
    }
    t.Setze(g, "KZ", "n", [](TZeichner& z) { Kronblattzahl(z, 12, QString()); });
    Registriere(t, g, "KV",
                {{"v", [](TZeichner& z) { Kronenverwachsung(z, true); }},
                 {"f", [](TZeichner& z) { Kronenverwachsung(z, false); }}});
    Registriere(t, g, "FA",
                {{"w", Farbe_(Bluetenfarbe::Weiss)},
                 {"g", Farbe_(Bluetenfarbe::Gelb)},
                 {"r", Farbe_(Bluetenfarbe::Rot)},
                 {"b", Farbe_(Bluetenfarbe::Blau)},
                 {"l", Farbe_(Bluetenfarbe::Lila)},
                 {"u", Unscheinbar}});
    for (int zahl = 0; zahl <= 10; ++zahl)
        t.Setze(g, "SZ", QString::number(zahl),
                [zahl](TZeichner& z) { Staubblattzahl(z, zahl, QString::number(zahl)); });
    t.Setze(g, "SZ", "n", [](TZeichner& z) { Staubblattzahl(z, -1, QStringLiteral("12+")); });
    Registriere(t, g, "FV", {{"f", FreieFruchtblaetter}, {"v", VerwachseneFruchtblaetter}});
    Registriere(t, g, "FR",
                {{"m", Stellung(TStellung::Mittelstaendig)},
                 {"u", Stellung(TStellung::Unterstaendig)},
                 {"o", Stellung(TStellung::Oberstaendig)}});
    for (int zahl = 1; zahl <= 6; ++zahl)
        t.Setze(g, "FZ", QString::number(zahl), Fruchtblattzahl(zahl, QString::number(zahl)));
    t.Setze(g, "FZ", "n", Fruchtblattzahl(10, QString()));
    Registriere(t, g, "FT",
                {{"Ba", Fruchtbild(TFrucht::Balg)},
                 {"FB", Fruchtbild(TFrucht::Fleischbalg)},
                 {"Hü", Fruchtbild(TFrucht::Huelse)},
                 {"Br", Fruchtbild(TFrucht::Gliederhuelse)},
                 {"N", Fruchtbild(TFrucht::Nuss)},
                 {"Nü", Fruchtbild(TFrucht::Nuesschen)},
                 {"Sa", Fruchtbild(TFrucht::Sammelsteinfrucht)},
                 {"Ka", Fruchtbild(TFrucht::Kapsel)},
                 {"Sc", Fruchtbild(TFrucht::Schote)},
                 {"Sp", Fruchtbild(TFrucht::Spaltfrucht)},
                 {"Kl", Fruchtbild(TFrucht::Klausen)},
                 {"Be", Fruchtbild(TFrucht::Beere)},
                 {"St", Fruchtbild(TFrucht::Steinfrucht)},
                 {"Ap", Fruchtbild(TFrucht::Apfel)},
                 {"Ro", Fruchtbild(TFrucht::Hagebutte)},
                 {"SB", Fruchtbild(TFrucht::Scheinbeere)},
                 {"Z", Fruchtbild(TFrucht::Zapfen)}});
}

void RezepteFamilien(TRezeptTabelle& t)
{
    const int g = Familien;
    const int von = Grundtabelle;
    auto wie = [&](const char* spalte, const char* code, const char* vonSpalte,
                   const char* vonCode) {
        t.Wie(g, T(spalte), T(code), von, T(vonSpalte), T(vonCode));
    };
    wie("Lebensform", "h", "L", "h");
    wie("Lebensform", "p", "SO", "p");
    wie("Lebensform", "w", "LW", "w");
    wie("Lebensform", "k", "LW", "l");
    t.Setze(g, T("B-Stellung"), T("g"), [](TZeichner& z) {
        Blattstellung(z, TBlattstellung::Gegen, 10, 160);
        Blattstellung(z, TBlattstellung::Quirl, 165, 315);
    });
    t.Setze(g, T("B-Stellung"), T("w"), [](TZeichner& z) {
        Blattstellung(z, TBlattstellung::Wechsel, 10, 160);
        Blattstellung(z, TBlattstellung::Grund, 165, 315);
    });
    wie("B-Form", "l", "BF", "l");
    wie("B-Form", "e", "BF", "e");
    wie("B-Form", "z", "BF", "z");
    wie("Nebenblätter", "+", "N", "n");
    wie("Nebenblätter", "-", "N", "f");
    wie("Bl-Hülle", "d", "KP", "d");
    wie("Bl-Hülle", "e", "KP", "p");
    wie("Bl-Hülle", "o", "KP", "o");
    wie("Bl-Symmetrie", "r", "BS", "r");
    wie("Bl-Symmetrie", "z", "BS", "z");
    wie("Krone-Verwachsung", "f", "KV", "f");
    wie("Krone-Verwachsung", "v", "KV", "v");
    for (const char* zahl : {"1", "2", "3", "4", "5", "6"})
        wie("Krone-Zahl", zahl, "KZ", zahl);
    wie("Krone-Zahl", "m", "KZ", "n");
    wie("Bl-Geschlecht", "e", "BG", "e");
    wie("Bl-Geschlecht", "z", "BG", "z");
    for (int zahl = 0; zahl <= 10; ++zahl)
        t.Wie(g, T("Staubblattzahl"), QString::number(zahl), von, T("SZ"), QString::number(zahl));
    t.Setze(g, T("Staubblattzahl"), T("n"),
            [](TZeichner& z) { Staubblattzahl(z, -1, QStringLiteral(">10")); });
    wie("Frbl-Verwachsung", "f", "FV", "f");
    wie("Frbl-Verwachsung", "v", "FV", "v");
    wie("Frkn-Stellung", "o", "FR", "o");
    wie("Frkn-Stellung", "m", "FR", "m");
    wie("Frkn-Stellung", "u", "FR", "u");
    t.Setze(g, T("Plazentation"), T("z"), [](TZeichner& z) {
        if (!z.Gross()) return FruchtknotenQuer(z, {MitteX, 150}, 124, 3, TPlazenta::Zentralwinkel);
        FruchtknotenQuer(z, {120, 140}, 100, 3, TPlazenta::Zentralwinkel);
        FruchtknotenQuer(z, {262, 226}, 46, 1, TPlazenta::Marginal);
        z.Text({120, 270}, QStringLiteral("zentralwinkelständig"));
        z.Text({262, 290}, QStringLiteral("marginal"));
    });
    t.Setze(g, T("Plazentation"), T("p"), [](TZeichner& z) {
        FruchtknotenQuer(z, {MitteX, 150}, 124, 3, TPlazenta::Parietal);
    });
    t.Setze(g, T("Plazentation"), T("b"), [](TZeichner& z) {
        FruchtknotenLaengs(z, {MitteX, 190}, 180, TPlazenta::Basal);
    });
    t.Setze(g, T("Plazentation"), T("f"), [](TZeichner& z) {
        FruchtknotenLaengs(z, {MitteX, 190}, 180, TPlazenta::FreiZentral);
    });
    t.Setze(g, T("Plazentation"), T("l"), [](TZeichner& z) {
        FruchtknotenQuer(z, {MitteX, 150}, 124, 3, TPlazenta::Laminal);
    });
    for (const char* code : {"Ba", "FB", "Hü", "Br", "N", "Nü", "Sa", "Ka", "Sc", "Sp", "Kl", "Be",
                             "St", "Ap", "Ro", "SB"})
        wie("Fruchttyp", code, "FT", code);
    wie("Blst", "K", "BLS", "Kö");
    wie("Blst", "DD", "BLS", "DD");
    wie("Blst", "W", "BLS", "W");
    wie("Blst", "d", "BLS", "Di");
    t.Setze(g, T("Blst"), T("a"), Andere);
    wie("Blst", "Kä", "BLS", "Kä");
    wie("Blst", "Z", "BLS", "Z");
}
