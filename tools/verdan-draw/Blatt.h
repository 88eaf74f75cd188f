#pragma once

#include "Zeichner.h"

#include <QLineF>
#include <QList>
#include <QPolygonF>

// Outlines of a leaf blade, drawn from the base (at the stalk) to the tip.
enum class TBlattform
{
    Lineal,
    Lanzettlich,
    Elliptisch,
    Eifoermig,
    VerkehrtEifoermig,
    Spatel,
    Rund,
    Herz,
    Niere,
    Pfeil,
    Spiess,
    Raute,
    Nadel,
    Hand,   // palmately lobed around the stalk; Lappen lobes, depth by the margin
    Schild, // round, stalk in the middle (seen from above)
};

enum class TRand
{
    Ganz,
    Gesaegt,
    DoppeltGesaegt,
    Gezaehnt,
    Gekerbt,
    Gebuchtet,
    Gewimpert,
    Dornig,
    Gelappt,
    Gespalten,
    Geteilt,
    Fiederschnittig,
    Schrotsaege, // lobes pointing back to the base
};

enum class TNervatur
{
    Keine,
    Mittelnerv,
    Fieder,
    Parallel,
    Bogen,
    Hand,
    Netz,
    Gabel, // open, forking veins of ferns
};

struct TBlatt
{
    TBlattform Form = TBlattform::Elliptisch;
    double Laenge = 100;
    double Breite = 45;
    TRand Rand = TRand::Ganz;
    TNervatur Nerven = TNervatur::Fieder;
    double Stiel = 0;
    int Lappen = 0; // lobes per side (Hand: in all); 0 for the default
    QColor Fuellung = Farbe::Blatt;
    QColor Linie = Farbe::Linie;
    TStrich Strich = TStrich::Normal; // the outline; small parts of small pictures take Fein
};

// The blade's outline with its margin, in the leaf's own coordinates: base at (0, 0), tip at
// (Laenge, 0).
QPainterPath BlattPfad(const TBlatt& blatt);
// Draws a leaf whose stalk starts at ansatz and points in direction winkel (degrees,
// -90 = up); returns the tip of the stalk, where the blade begins.
QPointF ZeichneBlatt(TZeichner& z, QPointF ansatz, double winkel, const TBlatt& blatt);

// A pinnate leaf: a rachis with pairs of leaflets, ending in a leaflet, a tendril or nothing.
struct TFiederblatt
{
    enum TEnde
    {
        Endblaettchen,
        Ranke,
        Keins,
    };
    int Paare = 3;
    TEnde Ende = Endblaettchen;
    double Laenge = 150; // rachis without stalk
    double Stiel = 20;
    double BlaettchenLaenge = 40;
    double BlaettchenBreite = 20;
    TRand Rand = TRand::Ganz;
    bool Doppelt = false; // the leaflets are pinnate themselves
};
void ZeichneFiederblatt(TZeichner& z, QPointF ansatz, double winkel, const TFiederblatt& blatt);

// A palmately compound leaf: n leaflets spreading from the tip of the stalk.
void ZeichneGefingert(TZeichner& z, QPointF ansatz, double winkel, double stiel, int n,
                      double laenge, double breite, TRand rand = TRand::Gesaegt);

// A fern frond: teilung 0 simple and entire, 1 pinnate, 2 pinnate with pinnatifid pinnae,
// 3 bipinnate or more.
struct TWedel
{
    double Laenge = 220;
    double Breite = 90;
    int Teilung = 1;
    double Stiel = 40;
    bool Sori = false; // round sori under the pinnae
    QColor Fuellung = Farbe::Blatt;
};
void ZeichneWedel(TZeichner& z, QPointF ansatz, double winkel, const TWedel& wedel);

// A resampled outline: points about schritt apart along the path.
QPolygonF Abtasten(const QPainterPath& pfad, double schritt);
