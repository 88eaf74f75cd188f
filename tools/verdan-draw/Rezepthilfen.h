#pragma once

#include "Motive.h"
#include "Rezepte.h"

// Pieces the recipes of every group of keys use.

// The keys that recipes of several groups add drawings to or borrow drawings from.
constexpr int Grundtabelle = 3;
constexpr int Glossar = 61;

// A label from a UTF-8 literal (the umlauts of German captions).
QString T(const char* utf8);

// The whole picture of another recipe shrunk into the rectangle ziel of the canvas.
void Verkleinert(TZeichner& z, QRectF ziel, const TRezept& rezept);

// Recipes that draw one motif filling the canvas.
TRezept Blattbild(TBlatt blatt);
TRezept Bluetenstandbild(TBluetenstand art);
TRezept Fruchtbild(TFrucht art);
TRezept Blattstellungsbild(TBlattstellung art);
