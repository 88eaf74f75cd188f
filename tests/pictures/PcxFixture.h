#pragma once

// PCX files written here, with the picture each should decode to.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

namespace PcxFixture {

struct TPcxArt
{
    int Bits;
    int Planes;
    bool Rle = true;
    int Version = 5;
    bool EndPalette = true; // 8 bits in one plane: the 256 colours after the picture data
};

inline QRgb KopfFarbe(int i)
{
    return qRgb(i * 16, 255 - i * 16, i * 8);
}

inline QRgb EndFarbe(int i)
{
    return qRgb(i, 255 - i, (i * 3) & 255);
}

inline QRgb EgaFarbe(int i)
{
    static const QRgb ega[16] = {0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA,
                                 0xFFAA0000, 0xFFAA00AA, 0xFFAA5500, 0xFFAAAAAA,
                                 0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF,
                                 0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF};
    return ega[i];
}

inline int Farben(const TPcxArt& art)
{
    return 1 << (art.Bits * art.Planes);
}

inline bool Farbig(const TPcxArt& art)
{
    return art.Bits == 8 && art.Planes >= 3;
}

// The colour index of a pixel of the test pattern, and the colour of a true-colour one.
inline int Index(const TPcxArt& art, int x, int y)
{
    return (x + 3 * y) % Farben(art);
}
inline QRgb Echtfarbe(bool alpha, int x, int y)
{
    return qRgba((x * 17) & 255, (y * 29) & 255, ((x + y) * 7) & 255, alpha ? (x * 40) & 255 : 255);
}

inline QRgb Erwartet(const TPcxArt& art, int x, int y)
{
    if (Farbig(art)) return Echtfarbe(art.Planes == 4, x, y);
    const int i = Index(art, x, y);
    if (art.Bits == 1 && art.Planes == 1) return i ? 0xFFFFFFFF : 0xFF000000;
    if (art.Bits == 8) return art.EndPalette ? EndFarbe(i) : qRgb(i, i, i);
    return art.Version == 3 ? EgaFarbe(i) : KopfFarbe(i);
}

inline void Wort(QByteArray& kopf, int position, int wert)
{
    kopf[position] = char(wert & 0xFF);
    kopf[position + 1] = char((wert >> 8) & 0xFF);
}

// One plane of one line, as stored.
inline QByteArray Ebene(const TPcxArt& art, int ebene, int y, int breite, int bpl)
{
    QByteArray bytes(bpl, '\0');
    for (int x = 0; x < breite; ++x) {
        if (Farbig(art)) {
            const QRgb c = Echtfarbe(art.Planes == 4, x, y);
            const int werte[4] = {qRed(c), qGreen(c), qBlue(c), qAlpha(c)};
            bytes[x] = char(werte[ebene]);
            continue;
        }
        const int i = Index(art, x, y);
        const int bit = x * art.Bits;
        const int wert = art.Planes == 1 ? i : (i >> ebene) & 1;
        bytes[bit / 8] = char(uchar(bytes[bit / 8]) | (wert << (8 - art.Bits - bit % 8)));
    }
    return bytes;
}

inline QByteArray Lauflaenge(const QByteArray& roh)
{
    QByteArray kodiert;
    for (qsizetype i = 0; i < roh.size();) {
        qsizetype n = 1;
        while (i + n < roh.size() && n < 63 && roh[i + n] == roh[i])
            ++n;
        const uchar wert = uchar(roh[i]);
        if (n > 1 || (wert & 0xC0) == 0xC0) kodiert += char(0xC0 | n);
        kodiert += char(wert);
        i += n;
    }
    return kodiert;
}

inline QByteArray Pcx(const TPcxArt& art, int breite, int hoehe)
{
    const int bpl = ((breite * art.Bits + 7) / 8 + 1) & ~1; // even, as writers keep it
    QByteArray kopf(128, '\0');
    kopf[0] = 0x0A;
    kopf[1] = char(art.Version);
    kopf[2] = art.Rle ? 1 : 0;
    kopf[3] = char(art.Bits);
    Wort(kopf, 4, 10); // the window need not start at 0
    Wort(kopf, 6, 20);
    Wort(kopf, 8, 10 + breite - 1);
    Wort(kopf, 10, 20 + hoehe - 1);
    Wort(kopf, 12, 72);
    Wort(kopf, 14, 72);
    for (int i = 0; i < 16; ++i) {
        kopf[16 + 3 * i] = char(qRed(KopfFarbe(i)));
        kopf[17 + 3 * i] = char(qGreen(KopfFarbe(i)));
        kopf[18 + 3 * i] = char(qBlue(KopfFarbe(i)));
    }
    kopf[65] = char(art.Planes);
    Wort(kopf, 66, bpl);
    Wort(kopf, 68, 1);

    QByteArray daten;
    for (int y = 0; y < hoehe; ++y) {
        QByteArray zeile;
        for (int ebene = 0; ebene < art.Planes; ++ebene)
            zeile += Ebene(art, ebene, y, breite, bpl);
        daten += art.Rle ? Lauflaenge(zeile) : zeile;
    }
    QByteArray datei = kopf + daten;
    if (art.Bits == 8 && art.Planes == 1 && art.EndPalette) {
        datei += char(0x0C);
        for (int i = 0; i < 256; ++i) {
            datei += char(qRed(EndFarbe(i)));
            datei += char(qGreen(EndFarbe(i)));
            datei += char(qBlue(EndFarbe(i)));
        }
    }
    return datei;
}

// Every layout the decoder reads.
inline const QList<TPcxArt> AlleArten = {
    {1, 1},          {1, 2}, {1, 3},
    {1, 4},          {2, 1}, {4, 1},
    {4, 1, true, 3}, {8, 1}, {8, 1, true, 5, false},
    {8, 3},          {8, 4}, {8, 3, false},
    {4, 1, false},
};

} // namespace PcxFixture
