#include "Motive.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

double BlR(const TZeichner& z)
{
    return z.Gr(9, 14);
}

void Stiel(TZeichner& z, double bis)
{
    z.Linie({MitteX, Unten}, {MitteX, bis}, TStrich::Achse);
}

// Fills a closed outline with rows of overlapping scales whose rounded edges point down
// (+y), as on cones and catkins.
void Schuppen(TZeichner& z, const QPainterPath& umriss, double groesse, const QColor& fuellung,
              bool holzig)
{
    QPainter& m = z.Maler();
    const QRectF rahmen = umriss.boundingRect();
    z.Fuellen(umriss, fuellung);
    m.save();
    m.setClipPath(umriss, Qt::IntersectClip);
    int reihe = 0;
    for (double y = rahmen.bottom() + groesse; y > rahmen.top() - groesse; y -= groesse * 0.55) {
        const double versatz = (reihe++ % 2) * groesse * 0.5;
        for (double x = rahmen.left() - groesse + versatz; x < rahmen.right() + groesse;
             x += groesse) {
            QPainterPath schuppe({x - groesse * 0.5, y - groesse});
            schuppe.lineTo(x - groesse * 0.5, y - groesse * 0.4);
            schuppe.quadTo(x - groesse * 0.5, y, x, y);
            schuppe.quadTo(x + groesse * 0.5, y, x + groesse * 0.5, y - groesse * 0.4);
            schuppe.lineTo(x + groesse * 0.5, y - groesse);
            z.Flaeche(schuppe, fuellung, TStrich::Fein);
            if (holzig) z.Punkt({x, y - groesse * 0.3}, groesse * 0.08, Farbe::Linie);
        }
    }
    m.restore();
    z.Umriss(umriss);
}

} // namespace

void Tragblatt(TZeichner& z, QPointF an, double winkel, double laenge)
{
    TBlatt b{TBlattform::Lanzettlich, laenge, laenge * 0.32, TRand::Ganz, TNervatur::Keine};
    b.Fuellung = Farbe::Kelch;
    ZeichneBlatt(z, an, winkel, b);
}

void Laubblatt(TZeichner& z, QPointF an, double winkel, double laenge, TBlattform form)
{
    TBlatt b{form, laenge, laenge * 0.42, TRand::Ganz,
             laenge > 45 ? TNervatur::Fieder : TNervatur::Mittelnerv};
    b.Stiel = laenge * 0.1;
    ZeichneBlatt(z, an, winkel, b);
}

void Kraut(TZeichner& z, QPointF fuss, double hoehe, bool bluete, const QColor& farbe)
{
    const QPointF spitze(fuss.x(), fuss.y() - hoehe);
    z.Linie(fuss, spitze, TStrich::Achse);
    const double l = hoehe * 0.3;
    for (int i = 0; i < 3; ++i) {
        const double y = fuss.y() - hoehe * (0.18 + 0.22 * i);
        Laubblatt(z, {fuss.x(), y}, i % 2 ? -150 : -30, l * (1 - 0.15 * i));
    }
    if (bluete) BlueteSeite(z, spitze, hoehe * 0.21, TKronform::Frei, farbe);
}

void Baum(TZeichner& z, QPointF fuss, double hoehe)
{
    const double x = fuss.x(), y = fuss.y();
    QPainterPath stamm({x - hoehe * 0.06, y});
    stamm.lineTo(x - hoehe * 0.035, y - hoehe * 0.55);
    stamm.lineTo(x - hoehe * 0.12, y - hoehe * 0.72);
    stamm.lineTo(x - hoehe * 0.09, y - hoehe * 0.74);
    stamm.lineTo(x, y - hoehe * 0.62);
    stamm.lineTo(x + hoehe * 0.1, y - hoehe * 0.76);
    stamm.lineTo(x + hoehe * 0.12, y - hoehe * 0.73);
    stamm.lineTo(x + hoehe * 0.035, y - hoehe * 0.55);
    stamm.lineTo(x + hoehe * 0.06, y);
    stamm.closeSubpath();
    QPolygonF krone;
    for (int i = 0; i < 14; ++i) {
        const double phi = 360.0 * i / 14;
        const double r = hoehe * (i % 2 ? 0.3 : 0.36);
        krone << QPointF(x + std::cos(qDegreesToRadians(phi)) * r * 1.05,
                         y - hoehe * 0.68 + std::sin(qDegreesToRadians(phi)) * r * 0.85);
    }
    z.Flaeche(Gerundet(krone), QColor(0x9f, 0xcf, 0x7c));
    z.Flaeche(stamm, Farbe::Holz);
}

void Strauch(TZeichner& z, QPointF fuss, double hoehe)
{
    QPolygonF krone;
    for (int i = 0; i < 16; ++i) {
        const double phi = 180 + 180.0 * i / 15;
        const double r = hoehe * (i % 2 ? 0.5 : 0.58);
        krone << QPointF(fuss.x() + std::cos(qDegreesToRadians(phi)) * r * 1.3,
                         fuss.y() - hoehe * 0.25 + std::sin(qDegreesToRadians(phi)) * r * 1.3);
    }
    z.Flaeche(Gerundet(krone), QColor(0x9f, 0xcf, 0x7c));
    for (double w : {-125.0, -105.0, -90.0, -75.0, -55.0})
        z.Linie(fuss, Weiter(fuss, w, hoehe * 0.55), TStrich::Stark, Farbe::Holz);
}

void AbgebrochenerStengel(TZeichner& z)
{
    z.Linie({MitteX, Unten}, {MitteX, 120}, TStrich::Stark, QColor(0x4a, 0x7d, 0x3a));
    Laubblatt(z, {MitteX, 236}, -30, 96);
    QPainterPath kante({MitteX - 9, 122});
    kante.lineTo(MitteX - 4, 108);
    kante.lineTo(MitteX + 1, 116);
    kante.lineTo(MitteX + 6, 104);
    kante.lineTo(MitteX + 9, 122);
    z.Umriss(kante);
}

void Blattstellung(TZeichner& z, TBlattstellung stellung, double x0, double x1)
{
    const double x = (x0 + x1) / 2;
    const double l = (x1 - x0) * 0.34;
    auto stamm = [&](double oben) { z.Linie({x, Unten}, {x, oben}, TStrich::Achse); };
    auto knoten = [&](double y) { z.Linie({x - 5, y}, {x + 5, y}, TStrich::Normal); };
    switch (stellung) {
    case TBlattstellung::Wechsel: {
        stamm(24);
        const double ys[] = {250, 198, 146, 96, 52};
        for (int i = 0; i < 5; ++i)
            Laubblatt(z, {x, ys[i]}, i % 2 ? -148 : -32, l * (1 - 0.09 * i));
        break;
    }
    case TBlattstellung::Gegen: {
        stamm(30);
        const double ys[] = {235, 160, 88};
        for (int i = 0; i < 3; ++i) {
            for (double s : {-1.0, 1.0})
                Laubblatt(z, {x, ys[i]}, s > 0 ? -28 : -152, l * (1 - 0.1 * i));
            knoten(ys[i]);
        }
        break;
    }
    case TBlattstellung::Kreuzgegen: {
        stamm(24);
        const double ys[] = {245, 180, 115, 55};
        for (int i = 0; i < 4; ++i) {
            const double g = l * (1 - 0.1 * i);
            if (i % 2 == 0) {
                for (double s : {-1.0, 1.0})
                    Laubblatt(z, {x, ys[i]}, s > 0 ? -22 : -158, g);
            } else {
                // The pair turned by a right angle: one leaf points at the viewer, one away.
                Laubblatt(z, {x, ys[i]}, -70, g * 0.55);
                Laubblatt(z, {x, ys[i]}, 110, g * 0.62);
            }
            knoten(ys[i]);
        }
        break;
    }
    case TBlattstellung::Quirl: {
        const double ys[] = {232, 150, 70};
        auto quirl = [&](double y, double g, bool hinten) {
            for (int k = 0; k < 6; ++k) {
                const double theta = qDegreesToRadians(60.0 * k + 30);
                const bool istHinten = std::sin(theta) < 0;
                if (istHinten != hinten) continue;
                const QPointF v(std::cos(theta), 0.42 * std::sin(theta) - 0.22);
                const double len = std::hypot(v.x(), v.y()) / std::hypot(1.0, 0.22);
                Laubblatt(z, {x, y}, qRadiansToDegrees(std::atan2(v.y(), v.x())),
                          g * std::max(0.45, len), TBlattform::Lanzettlich);
            }
        };
        for (int i = 0; i < 3; ++i)
            quirl(ys[i], l * (1 - 0.12 * i), true);
        stamm(30);
        for (int i = 0; i < 3; ++i)
            quirl(ys[i], l * (1 - 0.12 * i), false);
        break;
    }
    case TBlattstellung::Grund: {
        const double boden = 246;
        z.Boden(boden + 6, x0 - 20, x1 + 20);
        z.Linie({x, boden}, {x, 70}, TStrich::Achse);
        BlueteSeite(z, {x, 70}, l * 0.62, TKronform::Frei, Bluetenfarbe::Gelb);
        auto rosette = [&](bool hinten) {
            for (int k = 0; k < 8; ++k) {
                const double theta = qDegreesToRadians(45.0 * k + 22.5);
                if ((std::sin(theta) < 0) != hinten) continue;
                const QPointF v(std::cos(theta), 0.33 * std::sin(theta) - 0.05);
                const double len = std::hypot(v.x(), v.y());
                TBlatt b{TBlattform::VerkehrtEifoermig, l * 1.3 * std::max(0.5, len), l * 0.5,
                         TRand::Ganz, TNervatur::Mittelnerv};
                ZeichneBlatt(z, {x, boden}, qRadiansToDegrees(std::atan2(v.y(), v.x())), b);
            }
        };
        rosette(true);
        rosette(false);
        break;
    }
    case TBlattstellung::Zweizeilig: {
        z.Linie({x0 - 10, 150}, {x1 + 15, 150}, TStrich::Achse);
        for (int i = 0; i < 6; ++i) {
            const double px = x0 + 8 + i * (x1 - x0) / 5.6;
            Laubblatt(z, {px, 150}, i % 2 ? 60 : -60, l * 0.62);
        }
        break;
    }
    }
}

namespace {

// Leaves shown for their own sake stand upright, stalk down, in the middle of the canvas.
constexpr double GrossesBlattWinkel = -90;

} // namespace

QTransform GrossesBlattLage(const TBlatt& blatt)
{
    QTransform drehung;
    drehung.rotate(GrossesBlattWinkel);
    QPainterPath alles = BlattPfad(blatt);
    alles.addRect(QRectF(-blatt.Stiel, -1, blatt.Stiel, 2));
    const QRectF lage = drehung.map(alles).boundingRect();
    const QPointF verschiebung = QPointF(MitteX, TZeichner::Hoehe / 2) - lage.center();
    QTransform t;
    t.translate(verschiebung.x(), verschiebung.y());
    t.rotate(GrossesBlattWinkel);
    return t;
}

void GrossesBlatt(TZeichner& z, TBlatt blatt)
{
    const QTransform lage = GrossesBlattLage(blatt);
    ZeichneBlatt(z, lage.map(QPointF(-blatt.Stiel, 0)), GrossesBlattWinkel, blatt);
}

void Pappus(TZeichner& z, QPointF fuss, double hoehe, bool gefiedert)
{
    const QPointF spitze(fuss.x(), fuss.y() - hoehe * 0.55);
    z.Linie(fuss, spitze, TStrich::Fein);
    for (int i = 0; i < 11; ++i) {
        const double w = -170 + 16.0 * i;
        const QPointF ende = Weiter(spitze, w, hoehe * 0.45);
        z.Linie(spitze, ende, TStrich::Fein);
        if (gefiedert && z.Gross())
            for (double t : {0.35, 0.6, 0.85})
                for (double s : {-1.0, 1.0})
                    z.Linie(Mitte(spitze, ende, t), Weiter(Mitte(spitze, ende, t), w + s * 40, 5),
                            TStrich::Fein);
    }
}

void Zapfen(TZeichner& z, QPointF mitte, double laenge, double breite, double winkel, bool holzig)
{
    // In the frame the cone points up (-y), broadest near its base.
    Rahmen(z, mitte, winkel + 90, [&] {
        QPolygonF umriss;
        for (int i = 0; i < 48; ++i) {
            const double t = 2 * M_PI * i / 48;
            const double y = -std::cos(t) * laenge / 2;
            const double form = 1 + 0.25 * (y / (laenge / 2));
            umriss << QPointF(std::sin(t) * breite / 2 * form, y);
        }
        const QColor fuellung = holzig ? QColor(0xb8, 0x8a, 0x55) : QColor(0xb9, 0xd4, 0x8a);
        Schuppen(z, Gerundet(umriss), std::max(breite / 4.5, z.Gr(12, 22)), fuellung, holzig);
    });
}

void Kaetzchen(TZeichner& z, QPointF ansatz, double laenge, double breite, double winkel,
               const QColor& farbe)
{
    Rahmen(z, ansatz, winkel - 90, [&] {
        QPainterPath walze;
        walze.addRoundedRect(QRectF(-breite / 2, 0, breite, laenge), breite / 2, breite / 2);
        Schuppen(z, walze, std::max(breite / 3.2, z.Gr(9, 16)), farbe, false);
    });
}

void Grasbluete(TZeichner& z, QPointF fuss, double laenge, double winkel, double granne,
                const QColor& farbe)
{
    TBlatt spelze{TBlattform::Lanzettlich, laenge, laenge * 0.36, TRand::Ganz, TNervatur::Parallel};
    spelze.Fuellung = farbe;
    ZeichneBlatt(z, fuss, winkel, spelze);
    if (granne > 0) {
        const QPointF spitze = Weiter(fuss, winkel, laenge * 0.97);
        z.Linie(spitze, Weiter(spitze, winkel + 4, granne), TStrich::Normal);
    }
}

void Grasaehrchen(TZeichner& z, QPointF fuss, double laenge, int blueten, double winkel)
{
    const double spelze = laenge * 0.34;
    const double abstand = (laenge - spelze) / (blueten + 0.3);
    for (int i = blueten - 1; i >= 0; --i) {
        const QPointF an = Weiter(fuss, winkel, laenge * 0.08 + abstand * i);
        const double s = i % 2 ? -1 : 1;
        Grasbluete(z, an, spelze * (1 - 0.05 * i), winkel + s * 27,
                   i == blueten - 1 ? laenge * 0.16 : laenge * 0.1);
    }
    for (double s : {-1.0, 1.0})
        Grasbluete(z, fuss, spelze * (s < 0 ? 0.82 : 1.0), winkel + s * 13, 0,
                   QColor(0xbf, 0xdc, 0x9a));
}

void Bluetenstand(TZeichner& z, TBluetenstand art)
{
    const double r = BlR(z);
    switch (art) {
    case TBluetenstand::Aehre: {
        Stiel(z, 26);
        int i = 0;
        for (double y = 262; y > 40; y -= r * 1.45, ++i) {
            const double f = y < 90 ? 0.75 : 1.0;
            Bl(z, {MitteX + (i % 2 ? -1 : 1) * r * 0.95 * f, y}, r * f);
        }
        Bl(z, {MitteX, 30}, r * 0.6);
        break;
    }
    case TBluetenstand::Traube: {
        Stiel(z, 34);
        for (int i = 0; i < 7; ++i) {
            const double y = 258 - i * 33;
            const double s = i % 2 ? -1 : 1;
            const QPointF ende = Weiter({MitteX, y}, s > 0 ? -38 : -142, 44 - i * 3);
            z.Linie({MitteX, y}, ende, TStrich::Normal);
            Bl(z, ende, r * (1.05 - i * 0.06));
        }
        Bl(z, {MitteX, 28}, r * 0.55);
        break;
    }
    case TBluetenstand::Rispe:
    case TBluetenstand::RispeGegen:
    case TBluetenstand::RispeQuirl: {
        Stiel(z, 34);
        const bool gegen = art == TBluetenstand::RispeGegen;
        const bool quirl = art == TBluetenstand::RispeQuirl;
        const int knoten = gegen || quirl ? 3 : 5;
        auto ast = [&](QPointF an, double w, double l) {
            const QPointF ende = Weiter(an, w, l);
            z.Linie(an, ende, TStrich::Normal);
            for (double t : {0.45, 0.78}) {
                const QPointF p = Mitte(an, ende, t);
                const double s = t < 0.6 ? -1 : 1;
                const QPointF b = Weiter(p, w + s * 42, l * 0.3);
                z.Linie(p, b, TStrich::Fein);
                Bl(z, b, r * 0.78);
            }
            Bl(z, ende, r * 0.85);
        };
        for (int i = 0; i < knoten; ++i) {
            const double y = 252 - i * (knoten == 5 ? 44 : 68);
            const double l = (knoten == 5 ? 112 - i * 18 : 112 - i * 30) * z.Gr(1, 0.95);
            if (quirl) {
                for (double w : {-60.0, -120.0})
                    ast({MitteX, y}, w, l * 0.55);
                z.Ellipse({MitteX, y}, 6, 2.5, Farbe::Linie, TStrich::Fein);
            }
            if (gegen || quirl) {
                ast({MitteX, y}, -30, l);
                ast({MitteX, y}, -150, l);
            } else {
                ast({MitteX, y}, i % 2 ? -148 : -32, l);
            }
        }
        Bl(z, {MitteX, 26}, r * 0.85);
        break;
    }
    case TBluetenstand::Schirmrispe: {
        Stiel(z, 160);
        const double oben = 70;
        struct TAst
        {
            double y, gabelX, gabelY;
            std::initializer_list<double> blueten;
        };
        const TAst aeste[] = {{238, 78, 150, {50, 78, 104}},
                              {210, 245, 140, {220, 248, 272}},
                              {184, 122, 118, {128, 152}},
                              {160, 186, 118, {172, 196}}};
        for (const TAst& a : aeste) {
            const QPointF gabel(a.gabelX, a.gabelY);
            z.Kurve({MitteX, a.y}, {Mitte({MitteX, a.y}, gabel).x(), a.y - 30}, gabel,
                    TStrich::Normal);
            for (double bx : a.blueten) {
                z.Linie(gabel, {bx, oben}, TStrich::Fein);
                Bl(z, {bx, oben}, r * 0.85);
            }
        }
        break;
    }
    case TBluetenstand::Schirmtraube: {
        Stiel(z, 150);
        const double oben = 70;
        const double ansatz[] = {240, 215, 192, 172, 155};
        const double xs[] = {56, 264, 92, 228, 126};
        for (int i = 0; i < 5; ++i) {
            const QPointF a(MitteX, ansatz[i]), b(xs[i], oben);
            z.Kurve(a, {xs[i], a.y() - 20}, b, TStrich::Normal);
            Bl(z, b, r);
        }
        z.Linie({MitteX, 150}, {MitteX, oben}, TStrich::Normal);
        Bl(z, {MitteX, oben}, r);
        z.Linie({MitteX, 150}, {194, 66}, TStrich::Fein);
        Bl(z, {194, 66}, r * 0.9);
        break;
    }
    case TBluetenstand::Dolde: {
        const QPointF punkt(MitteX, 190);
        Stiel(z, punkt.y());
        for (int i = 0; i < 9; ++i) {
            const QPointF ende = Weiter(punkt, -155 + 130.0 * i / 8, 112);
            z.Linie(punkt, ende, TStrich::Normal);
            Bl(z, ende, r);
        }
        if (z.Gross())
            for (double w : {40.0, 140.0})
                Tragblatt(z, punkt, w, 22);
        break;
    }
    case TBluetenstand::Doppeldolde: {
        const QPointF punkt(MitteX, 205);
        Stiel(z, punkt.y());
        for (double w : {30.0, 70.0, 110.0, 150.0})
            Tragblatt(z, punkt, w, z.Gr(28, 34));
        for (int i = 0; i < 5; ++i) {
            const QPointF doeldchen = Weiter(punkt, -150 + 30.0 * i, 112);
            z.Linie(punkt, doeldchen, TStrich::Normal);
            if (z.Gross())
                for (double w : {60.0, 120.0})
                    Tragblatt(z, doeldchen, w, 10);
            for (int k = 0; k < 6; ++k) {
                const QPointF b = Weiter(doeldchen, -160 + 28.0 * k, z.Gr(26, 30));
                z.Linie(doeldchen, b, TStrich::Fein);
                Bl(z, b, r * z.Gr(0.5, 0.42));
            }
        }
        break;
    }
    case TBluetenstand::Dichasium:
    case TBluetenstand::Cymoes: {
        const bool trugdolde = art == TBluetenstand::Cymoes;
        std::function<void(QPointF, double, double, int)> gabel = [&](QPointF a, double w, double l,
                                                                      int stufe) {
            const QPointF ende = Weiter(a, w, l);
            z.Linie(a, ende, stufe >= 2 ? TStrich::Achse : TStrich::Normal);
            if (stufe > 0) {
                const QPointF knoten = Weiter(a, w, l * (trugdolde ? 0.7 : 0.62));
                const double spreiz = trugdolde ? 34 : 46;
                gabel(knoten, w - spreiz, l * (trugdolde ? 0.72 : 0.62), stufe - 1);
                gabel(knoten, w + spreiz, l * (trugdolde ? 0.72 : 0.62), stufe - 1);
                if (z.Gross() && !trugdolde)
                    for (double s : {-1.0, 1.0})
                        Tragblatt(z, knoten, w + s * 80, 12);
            }
            Bl(z, ende, r * (0.65 + 0.17 * stufe));
        };
        if (trugdolde) {
            z.Linie({MitteX, Unten}, {MitteX, 215}, TStrich::Achse);
            for (double w : {-132.0, -90.0, -48.0})
                gabel({MitteX, 215}, w, w == -90 ? 90 : 102, 2);
        } else {
            gabel({MitteX, Unten}, -90, 195, 2);
        }
        break;
    }
    case TBluetenstand::Pleiochasium: {
        const QPointF punkt(MitteX, 190);
        Stiel(z, punkt.y());
        for (int i = 0; i < 5; ++i) {
            const double w = -160 + 35.0 * i;
            const QPointF ende = Weiter(punkt, w, 80);
            z.Linie(punkt, ende, TStrich::Normal);
            if (z.Gross()) Tragblatt(z, punkt, w + 8, 18);
            for (double s : {-1.0, 1.0}) {
                const QPointF b = Weiter(ende, w + s * 32, 42);
                z.Linie(ende, b, TStrich::Fein);
                Bl(z, b, r * 0.72);
            }
            Bl(z, ende, r * 0.85);
        }
        Bl(z, {MitteX, punkt.y() - 14}, r);
        break;
    }
    case TBluetenstand::Einzeln: {
        Stiel(z, 120);
        for (double s : {-1.0, 1.0})
            Laubblatt(z, {MitteX, s < 0 ? 232.0 : 196.0}, s < 0 ? -150 : -30, 78);
        BlueteSeite(z, {MitteX, 120}, 100, TKronform::Frei, Bluetenfarbe::Gelb);
        break;
    }
    case TBluetenstand::ZuZwei: {
        Stiel(z, 36);
        for (double s : {-1.0, 1.0}) {
            Laubblatt(z, {MitteX, 200}, s < 0 ? -160 : -20, 74);
            const QPointF gabel(MitteX + s * 62, 118);
            z.Kurve({MitteX, 200}, {MitteX + s * 30, 150}, gabel, TStrich::Normal);
            for (double d : {-1.0, 1.0}) {
                const QPointF b(gabel.x() + d * 24, 80);
                z.Linie(gabel, b, TStrich::Fein);
                Bl(z, b, r * 1.05);
            }
        }
        break;
    }
    case TBluetenstand::Bueschel: {
        const QPointF a(30, 262), e(292, 140);
        z.Linie(a, e, TStrich::Stark, Farbe::Holz);
        const QPointF punkt = Mitte(a, e, 0.45);
        Laubblatt(z, Mitte(a, e, 0.8), 60, 70);
        const double laengen[] = {62, 98, 80, 112, 70};
        for (int i = 0; i < 5; ++i) {
            const QPointF b = Weiter(punkt, -160 + 30.0 * i, laengen[i]);
            z.Linie(punkt, b, TStrich::Normal);
            Bl(z, b, r);
        }
        break;
    }
    case TBluetenstand::Knaeuel: {
        Stiel(z, 26);
        const double ys[] = {232, 160, 92};
        auto knaeuel = [&](QPointF m, double rk) {
            const double rb = r * 0.55;
            for (int ring = 2; ring >= 0; --ring) {
                const int zahl = ring == 0 ? 1 : ring * 6;
                for (int k = 0; k < zahl; ++k)
                    Bl(z, Weiter(m, 360.0 * k / zahl + ring * 15, ring * rk * 0.36), rb);
            }
        };
        for (int i = 0; i < 3; ++i) {
            const double s = i % 2 ? -1 : 1;
            Laubblatt(z, {MitteX, ys[i]}, s > 0 ? -22 : -158, 92 - 12 * i);
            knaeuel({MitteX + s * 18, ys[i] - 18}, 30);
        }
        knaeuel({MitteX, 38}, 26);
        break;
    }
    case TBluetenstand::Koepfchen: {
        Stiel(z, 150);
        const QPointF m(MitteX, 108);
        const double rk = 64;
        const double rb = r * z.Gr(0.9, 0.82);
        const double schritt = rb * 1.85;
        for (double y = m.y() - rk; y <= m.y() + rk; y += schritt * 0.87) {
            const int zeile = int(std::lround((y - m.y()) / (schritt * 0.87)));
            for (double x = m.x() - rk + (zeile % 2 ? schritt / 2 : 0); x <= m.x() + rk;
                 x += schritt)
                if (std::hypot(x - m.x(), y - m.y()) <= rk - rb * 0.4)
                    Bl(z, {x, y}, rb, Bluetenfarbe::Rosa);
        }
        break;
    }
    case TBluetenstand::Koerbchen: {
        Stiel(z, 196);
        const QPointF m(MitteX, 150);
        auto zungen = [&](bool hinten) {
            for (int k = 0; k < 18; ++k) {
                const double phi = 360.0 * k / 18 + 10;
                if ((std::sin(qDegreesToRadians(phi)) < 0) != hinten) continue;
                const QPointF v(std::cos(qDegreesToRadians(phi)),
                                0.3 * std::sin(qDegreesToRadians(phi)));
                const QPointF a(m.x() + v.x() * 44, m.y() + v.y() * 44);
                TBlatt zunge{TBlattform::Lineal, 72 * std::max(0.45, std::hypot(v.x(), v.y())),
                             z.Gr(15, 22), TRand::Ganz, TNervatur::Keine};
                zunge.Fuellung = Farbe::Weiss;
                ZeichneBlatt(z, a, qRadiansToDegrees(std::atan2(v.y(), v.x())), zunge);
            }
        };
        zungen(true);
        QPainterPath huelle({m.x() - 54, m.y()});
        huelle.cubicTo(m.x() - 50, m.y() + 58, m.x() + 50, m.y() + 58, m.x() + 54, m.y());
        huelle.closeSubpath();
        z.Flaeche(huelle, Farbe::Kelch);
        for (int reihe = 0; reihe < 2; ++reihe)
            for (int k = -3; k <= 3; ++k) {
                const QPointF spitze(m.x() + k * 14 * (1 - reihe * 0.25),
                                     m.y() + 18 + reihe * 16 - std::abs(k) * 2);
                z.Kurve({spitze.x() - 8, spitze.y() + 10}, {spitze.x() - 5, spitze.y()}, spitze,
                        TStrich::Fein);
                z.Kurve({spitze.x() + 8, spitze.y() + 10}, {spitze.x() + 5, spitze.y()}, spitze,
                        TStrich::Fein);
            }
        z.Ellipse(m, 50, 15, Bluetenfarbe::Gelb);
        if (z.Gross())
            for (int k = 0; k < 26; ++k) {
                const double phi = 137.5 * k;
                const double rr = 5.5 * std::sqrt(double(k));
                z.Punkt({m.x() + std::cos(qDegreesToRadians(phi)) * rr * 1.4,
                         m.y() + std::sin(qDegreesToRadians(phi)) * rr * 0.42},
                        1.6, QColor(0xb0, 0x80, 0x10));
            }
        zungen(false);
        break;
    }
    case TBluetenstand::Kaetzchen: {
        z.Linie({20, 52}, {300, 40}, TStrich::Stark, Farbe::Holz);
        Kaetzchen(z, {118, 50}, 200, 40, 96, QColor(0xde, 0xd0, 0x6e));
        Kaetzchen(z, {222, 46}, 160, 36, 84, QColor(0xde, 0xd0, 0x6e));
        break;
    }
    case TBluetenstand::Kolben: {
        Stiel(z, 250);
        QPainterPath spatha({MitteX, 272});
        spatha.cubicTo(60, 230, 60, 90, 140, 18);
        spatha.cubicTo(170, 60, 238, 160, MitteX + 18, 272);
        spatha.closeSubpath();
        z.Flaeche(spatha, QColor(0xd5, 0xe8, 0xb5));
        QPainterPath kolben;
        kolben.addRoundedRect(QRectF(MitteX - 12, 86, 24, 170), 12, 12);
        z.Flaeche(kolben, QColor(0x8e, 0x4b, 0x7a));
        if (z.Gross())
            for (double y = 180; y < 250; y += 9)
                for (double dx : {-6.0, 0.0, 6.0})
                    z.Punkt({MitteX + dx + (int(y) % 2 ? 2 : -2), y}, 1.6, Farbe::Weiss);
        break;
    }
    case TBluetenstand::Quirle: {
        const double ys[] = {238, 160, 84};
        auto ring = [&](double y, bool hinten) {
            for (int k = 0; k < 8; ++k) {
                const double phi = 45.0 * k + 22.5;
                const bool istHinten = std::sin(qDegreesToRadians(phi)) < 0;
                if (istHinten != hinten) continue;
                Bl(z,
                   {MitteX + std::cos(qDegreesToRadians(phi)) * 36,
                    y - 16 + std::sin(qDegreesToRadians(phi)) * 12},
                   r * 0.78, Bluetenfarbe::Lila);
            }
        };
        for (double y : ys)
            ring(y, true);
        QPainterPath stengel;
        stengel.addRect(QRectF(MitteX - 5, 30, 10, Unten - 30));
        z.Flaeche(stengel, Farbe::Blatt);
        for (double y : ys) {
            for (double s : {-1.0, 1.0})
                Laubblatt(z, {MitteX + s * 5, y}, s > 0 ? -8 : -172, 70, TBlattform::Eifoermig);
            ring(y, false);
        }
        Bl(z, {MitteX, 24}, r * 0.6, Bluetenfarbe::Lila);
        break;
    }
    case TBluetenstand::Wickel:
    case TBluetenstand::Schraubel: {
        const bool wickel = art == TBluetenstand::Wickel;
        if (wickel) {
            const QPointF zentrum(186, 116);
            QPolygonF achse;
            for (int i = 0; i <= 100; ++i) {
                const double t = i / 100.0;
                const double phi = qDegreesToRadians(180 + 470 * t);
                const double rr = 72 * (1 - 0.8 * t);
                achse << QPointF(zentrum.x() + std::cos(phi) * rr,
                                 zentrum.y() + std::sin(phi) * rr);
            }
            z.Kurve({MitteX, Unten}, {achse.first().x(), 220}, achse.first(), TStrich::Achse);
            QPainterPath pfad(achse.first());
            for (QPointF p : achse)
                pfad.lineTo(p);
            z.Umriss(pfad, TStrich::Achse);
            for (int i = 0; i < 9; ++i) {
                const int n = 4 + i * 11;
                const QPointF p = achse[n];
                const QPointF d = achse[n + 1] - achse[n - 1];
                const QPointF nrm = QPointF(d.y(), -d.x()) / std::hypot(d.x(), d.y());
                const double s = i % 2 ? 1 : -1;
                const double rb = r * (1.05 - i * 0.07);
                const QPointF b = p + nrm * s * (rb + 6);
                z.Linie(p, b, TStrich::Fein);
                Bl(z, b, rb);
            }
        } else {
            Stiel(z, 250);
            QPolygonF achse;
            for (int i = 0; i <= 120; ++i) {
                const double phi = qDegreesToRadians(i * 6.0);
                achse << QPointF(MitteX + std::sin(phi) * 58, 250 - i * 1.7 + std::cos(phi) * 14);
            }
            QPainterPath pfad(achse.first());
            for (QPointF p : achse)
                pfad.lineTo(p);
            z.Umriss(pfad, TStrich::Achse);
            for (int i = 0; i < 6; ++i) {
                const QPointF p = achse[10 + i * 20];
                const double aussen = p.x() >= MitteX ? 1 : -1;
                const QPointF b(p.x() + aussen * 26, p.y() - 8);
                z.Linie(p, b, TStrich::Fein);
                Bl(z, b, r * (1.0 - i * 0.06));
            }
        }
        break;
    }
    case TBluetenstand::Spirre: {
        Stiel(z, 162);
        Bl(z, {MitteX, 156}, r * 0.8);
        struct TAst
        {
            double y, ex, ey;
        };
        const TAst aeste[] = {{236, 52, 44}, {214, 268, 52}, {194, 96, 82}, {178, 226, 92}};
        for (const TAst& a : aeste) {
            const QPointF ende(a.ex, a.ey);
            z.Kurve({MitteX, a.y}, {MitteX + (a.ex - MitteX) * 0.3, a.ey + 40}, ende,
                    TStrich::Normal);
            Bl(z, ende, r * 0.85);
            for (double s : {-1.0, 1.0}) {
                const QPointF b = Weiter(Mitte({MitteX, a.y}, ende, 0.78),
                                         Winkel({MitteX, a.y}, ende) + s * 38, 26);
                z.Linie(Mitte({MitteX, a.y}, ende, 0.78), b, TStrich::Fein);
                Bl(z, b, r * 0.72);
            }
        }
        break;
    }
    case TBluetenstand::Zapfen: {
        z.Linie({MitteX - 10, Unten}, {MitteX, 250}, TStrich::Stark, Farbe::Holz);
        for (int i = 0; i < 9; ++i) {
            const double y = 286 - i * 5;
            z.Linie({MitteX, y}, {MitteX + (i % 2 ? -1 : 1) * 40, y - 22}, TStrich::Normal);
        }
        Zapfen(z, {MitteX, 140}, 210, 104, -90, false);
        break;
    }
    case TBluetenstand::Aehrchen:
        z.Linie({MitteX, Unten}, {MitteX, 268}, TStrich::Normal);
        Grasaehrchen(z, {MitteX, 268}, 236, 5);
        break;
    case TBluetenstand::Cyathium: {
        const double oben = 130, unten = 196;
        Stiel(z, unten);
        // Male flowers, each a single stamen, stand up out of the cup; the female flower
        // hangs on its long stalk over the rim.
        for (int i = 0; i < 5; ++i) {
            const double x = MitteX - 30 + i * 15;
            Staubblatt(z, {x, oben + 24}, {x + (i - 2) * 3, oben - 34 + std::abs(i - 2) * 7},
                       z.Gr(4.5, 8));
        }
        const QPointF weib(MitteX + 80, oben + 34);
        z.Kurve({MitteX + 8, oben + 20}, {MitteX + 56, oben - 80}, {weib.x(), weib.y() - 18},
                TStrich::Normal);
        QPainterPath becher({MitteX - 46, oben});
        becher.cubicTo(MitteX - 44, unten - 10, MitteX - 24, unten, MitteX, unten);
        becher.cubicTo(MitteX + 24, unten, MitteX + 44, unten - 10, MitteX + 46, oben);
        becher.closeSubpath();
        z.Flaeche(becher, QColor(0xc7, 0xdf, 0x96));
        for (int i = 0; i < 4; ++i) {
            const QPointF d(MitteX - 34 + i * 22.7, oben);
            QPainterPath druese({d.x() - 11, d.y() - 8});
            druese.quadTo(d.x(), d.y() + 10, d.x() + 11, d.y() - 8);
            druese.quadTo(d.x(), d.y() + 1, d.x() - 11, d.y() - 8);
            z.Flaeche(druese, QColor(0xe8, 0xc2, 0x32));
        }
        for (double dx : {-10.0, 0.0, 10.0})
            z.Kreis({weib.x() + dx, weib.y() - (dx == 0 ? 5 : 0)}, z.Gr(9, 13), Farbe::Kelch);
        for (double w : {65.0, 90.0, 115.0})
            z.Linie({weib.x(), weib.y() + 9}, Weiter({weib.x(), weib.y() + 9}, w, 16),
                    TStrich::Normal);
        break;
    }
    }
}
