#include "Rezepthilfen.h"

QString T(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void Verkleinert(TZeichner& z, QRectF ziel, const TRezept& rezept)
{
    QPainter& m = z.Maler();
    m.save();
    m.translate(ziel.topLeft());
    m.scale(ziel.width() / TZeichner::Breite, ziel.height() / TZeichner::Hoehe);
    rezept(z);
    m.restore();
}

TRezept Blattbild(TBlatt blatt)
{
    return [blatt](TZeichner& z) { GrossesBlatt(z, blatt); };
}

TRezept Bluetenstandbild(TBluetenstand art)
{
    return [art](TZeichner& z) { Bluetenstand(z, art); };
}

TRezept Fruchtbild(TFrucht art)
{
    return [art](TZeichner& z) { Frucht(z, art); };
}

TRezept Blattstellungsbild(TBlattstellung art)
{
    return [art](TZeichner& z) { Blattstellung(z, art); };
}
