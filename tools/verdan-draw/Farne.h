#pragma once

#include "Zeichner.h"

// Ferns and their allies: habits, spore-bearing organs, sori and indusia.

// A tuft of fronds from the rhizome with a young, rolled-up frond in the middle.
void Farnbusch(TZeichner& z, QPointF fuss, double hoehe);
// A horsetail: a jointed, ribbed stem with toothed sheaths; branch whorls at the nodes
// and/or a spore cone at the top.
void Schachtelhalm(TZeichner& z, QPointF fuss, double hoehe, bool aeste, bool aehre);
// A moonwort: one leaf with a sterile blade and a fertile panicle of sporangia.
void Mondraute(TZeichner& z);
// Sporangia in the axils of the leaves (fir clubmoss).
void Blattachselsporangien(TZeichner& z);

enum class TSorusLage
{
    Unterseits, // round sori on the underside of the pinnae
    Umgerollt,  // under the rolled-in margin
    Tasche,     // in pockets at the margin
};
void Soruslage(TZeichner& z, TSorusLage lage);

enum class TSchleier
{
    Fehlend,
    Lineal,
    Schild,
    Niere,
    Flamme,
    Bewimpert,
    Haare,
    Tasche,
    Umgerollt,
    Haken,
};
// A pinnule seen from below, with its sori and their indusia.
void Schleier(TZeichner& z, TSchleier art);
// One sorus at p (radius r), its indusium turned by winkel.
void Sorus(TZeichner& z, QPointF p, double r, TSchleier art, double winkel = 0);
