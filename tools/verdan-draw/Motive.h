#pragma once

#include "Blatt.h"
#include "Bluete.h"
#include "Zeichner.h"

// Whole pictures composed of leaves, flowers and axes: plants, leaf arrangements,
// inflorescences and fruits. Each fills the canvas of TZeichner.

// A small green bract; a stalked foliage leaf.
void Tragblatt(TZeichner& z, QPointF an, double winkel, double laenge);
void Laubblatt(TZeichner& z, QPointF an, double winkel, double laenge,
               TBlattform form = TBlattform::Elliptisch);

// Plants and habits.
void Kraut(TZeichner& z, QPointF fuss, double hoehe, bool bluete = true,
           const QColor& farbe = Bluetenfarbe::Gelb);
void Baum(TZeichner& z, QPointF fuss, double hoehe);
void Strauch(TZeichner& z, QPointF fuss, double hoehe);
// A leafy stem broken off at the top, its jagged edge at about y 104 to 122 (where latex
// wells up).
void AbgebrochenerStengel(TZeichner& z);

enum class TBlattstellung
{
    Wechsel,
    Gegen,
    Quirl,
    Grund,
    Zweizeilig,
    Kreuzgegen,
};
// A stem with leaves in the given arrangement, between x0 and x1 of the canvas.
void Blattstellung(TZeichner& z, TBlattstellung stellung, double x0 = 40, double x1 = 280);
// A leaf that fills the canvas, stalk at the lower left; GrossesBlattLage maps the blade's
// own coordinates (BlattPfad) onto the canvas.
void GrossesBlatt(TZeichner& z, TBlatt blatt);
QTransform GrossesBlattLage(const TBlatt& blatt);

// Inflorescences.
enum class TBluetenstand
{
    Aehre,
    Aehrchen,
    Bueschel,
    Cymoes,
    Cyathium,
    Dolde,
    Doppeldolde,
    Dichasium,
    Einzeln,
    Koepfchen,
    Kaetzchen,
    Knaeuel,
    Koerbchen,
    Kolben,
    Pleiochasium,
    Quirle,
    Rispe,
    RispeGegen,
    RispeQuirl,
    Schirmrispe,
    Spirre,
    Traube,
    Schirmtraube,
    Wickel,
    Schraubel,
    Zapfen,
    ZuZwei,
};
void Bluetenstand(TZeichner& z, TBluetenstand art);

// Fruits.
enum class TFrucht
{
    Balg,
    Fleischbalg,
    Huelse,
    Gliederhuelse,
    Nuss,
    Nuesschen,
    Sammelsteinfrucht,
    Kapsel,
    Schote,
    Schoetchen,
    Spaltfrucht,
    Klausen,
    Beere,
    Steinfrucht,
    Apfel,
    Hagebutte,
    Scheinbeere,
    Zapfen,
    Achaene,
    Karyopse,
};
void Frucht(TZeichner& z, TFrucht art);

// Parts used by several pictures.
void Pappus(TZeichner& z, QPointF fuss, double hoehe, bool gefiedert);
void Zapfen(TZeichner& z, QPointF mitte, double laenge, double breite, double winkel, bool holzig);
void Kaetzchen(TZeichner& z, QPointF ansatz, double laenge, double breite, double winkel,
               const QColor& farbe);
// A grass floret from the side: lemma with its nerves and an awn (grannenLaenge 0: none).
void Grasbluete(TZeichner& z, QPointF fuss, double laenge, double winkel, double grannenLaenge,
                const QColor& farbe = Farbe::Kelch);
void Grasaehrchen(TZeichner& z, QPointF fuss, double laenge, int blueten, double winkel = -90);
