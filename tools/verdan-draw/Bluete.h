#pragma once

#include "Zeichner.h"

// Flowers and their parts: seen from above, from the side, cut lengthwise and across.

// Colours of flowers as a key names them.
namespace Bluetenfarbe {
inline const QColor Weiss{0xff, 0xff, 0xff};
inline const QColor Gelb{0xf6, 0xd0, 0x1e};
inline const QColor Rot{0xe0, 0x32, 0x1c};
inline const QColor Blau{0x3b, 0x6c, 0xdc};
inline const QColor Lila{0xc0, 0x5a, 0xc8};
inline const QColor Gruenlich{0xb7, 0xc7, 0x86};
inline const QColor Braun{0xa6, 0x7c, 0x52};
inline const QColor Rosa{0xf2, 0x9c, 0xc0};
} // namespace Bluetenfarbe

// One petal from ansatz in direction winkel, l long and b broad; one green sepal.
void Kronblatt(TZeichner& z, QPointF ansatz, double winkel, double l, double b, const QColor& farbe,
               bool ausgerandet = false);
void Kelchblatt(TZeichner& z, QPointF ansatz, double winkel, double l, double b);

// A small flower of an inflorescence diagram: an open circle with its centre.
void Bl(TZeichner& z, QPointF p, double r, const QColor& farbe = Farbe::Bluete);

struct TBlueteOben
{
    int Kronblaetter = 5;             // 0: no petals
    QColor Farbe = Farbe::Bluete;     // of the petals
    bool Verwachsen = false;          // a fused corolla with lobes
    int Kelchblaetter = 0;            // green sepals showing between the petals
    int Staubblaetter = 0;            // 0: none drawn; -1: many
    int Fruchtblaetter = 1;           // stigma lobes of one pistil; 0: no pistil
    bool FreieFruchtblaetter = false; // so many separate carpels instead of one pistil
    bool Ausgerandet = false;         // notched petals
    double Kronblattbreite = 0;       // share of the gap a petal fills; 0 for the default
};
// A flower seen from above, radius r.
void BlueteOben(TZeichner& z, QPointF mitte, double r, const TBlueteOben& bluete);

// A radial flower from the side, seen at the top of its stalk (basis); the corolla opens
// upwards. form: how the corolla looks.
enum class TKronform
{
    Frei,        // separate petals
    Glocke,      // bell
    Trichter,    // funnel
    Stielteller, // long tube with a flat limb
    Rad,         // short tube, flat lobes
    Roehre,      // narrow tube (florets)
};
void BlueteSeite(TZeichner& z, QPointF basis, double groesse, TKronform form,
                 const QColor& farbe = Farbe::Bluete, bool kelch = true);

// A two-lipped flower from the side (dead-nettle): tube, hooded upper lip, lower lip.
void Lippenbluete(TZeichner& z, QPointF basis, double groesse, const QColor& farbe);
// A zygomorphic flower from the front: two upper and three lower petals, one axis.
void ZygomorpheBlueteVorn(TZeichner& z, QPointF mitte, double r, const QColor& farbe, bool achse);
// The pea flower from the side: standard, wing, keel.
void Schmetterlingsbluete(TZeichner& z, QPointF basis, double groesse, const QColor& farbe);
// Its outlines, for pictures that colour the parts apart.
struct TSchmetterlingsteile
{
    QPainterPath Fahne, Fluegel, Schiffchen, Kelch;
};
TSchmetterlingsteile Schmetterlingsteile(QPointF basis, double groesse);

// Ovary positions of a flower cut lengthwise.
enum class TStellung
{
    Oberstaendig,
    Mittelstaendig,
    Unterstaendig,
};
struct TSchnitt
{
    TStellung Stellung = TStellung::Oberstaendig;
    bool Staubblaetter = true;
    bool Fruchtknoten = true;
    bool Krone = true;
    bool FruchtknotenHervor = false; // the ovary in the accent colour
    bool Einfuegung = false;         // a dashed line where the perianth is inserted
    QColor Farbe = Farbe::Bluete;
};
// A flower cut lengthwise, its receptacle at (160, boden).
void BluetenLaengsschnitt(TZeichner& z, double boden, const TSchnitt& schnitt);

enum class TPlazenta
{
    Zentralwinkel,
    Parietal,
    FreiZentral,
    Basal,
    Marginal,
    Laminal,
};
// An ovary cut across: faecher chambers, ovules as the placentation puts them.
void FruchtknotenQuer(TZeichner& z, QPointF mitte, double r, int faecher, TPlazenta plazenta);
// An ovary cut lengthwise for the placentations that show only so: free central, basal.
void FruchtknotenLaengs(TZeichner& z, QPointF mitte, double h, TPlazenta plazenta);

// A stamen: filament from fuss up to its anther.
void Staubblatt(TZeichner& z, QPointF fuss, QPointF spitze, double beutel);
// A pistil: ovary at fuss, style up to the stigma; narben stigma branches (1: a knob).
void Stempel(TZeichner& z, QPointF fuss, double hoehe, double breite, int narben,
             const QColor& farbe = Farbe::Kelch);
