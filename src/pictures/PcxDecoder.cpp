#include "pictures/PcxDecoder.h"

#include <QList>
#include <QRgb>
#include <QVector>
#include <algorithm>
#include <array>

namespace {

constexpr qsizetype KopfGroesse = 128;
constexpr uchar Hersteller = 0x0A;
// The 256-colour palette follows the picture data: a marker byte and 768 bytes of RGB.
constexpr uchar PalettenMarke = 0x0C;
constexpr qsizetype PalettenGroesse = 768;
// A run byte repeats the next byte up to 63 times.
constexpr int LaengsterLauf = 63;

// What version 3 files ("no palette information") show: the standard EGA colours.
constexpr std::array<QRgb, 16> EgaFarben = {
    0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA, 0xFFAA0000, 0xFFAA00AA, 0xFFAA5500, 0xFFAAAAAA,
    0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF, 0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF,
};

int Wort(QByteArrayView data, qsizetype position)
{
    return uchar(data[position]) | (uchar(data[position + 1]) << 8);
}

bool UnterstuetzteTiefe(int bits, int planes)
{
    if (planes == 1) return bits == 1 || bits == 2 || bits == 4 || bits == 8;
    if (bits == 1) return planes >= 2 && planes <= 4;
    if (bits == 8) return planes == 3 || planes == 4;
    return false;
}

// Hands out the bytes of the picture data, run-length decoded or raw, never beyond its end.
// Runs may continue from one line into the next, as some writers encode them.
class TZeilenLeser
{
public:
    TZeilenLeser(QByteArrayView daten, bool komprimiert) : m_daten(daten), m_rle(komprimiert) {}

    bool Lies(uchar* ziel, qsizetype anzahl)
    {
        if (!m_rle) {
            if (m_daten.size() - m_position < anzahl) return false;
            std::copy_n(m_daten.data() + m_position, anzahl, ziel);
            m_position += anzahl;
            return true;
        }
        qsizetype geschrieben = 0;
        while (geschrieben < anzahl) {
            if (m_lauf > 0) {
                const qsizetype n = std::min<qsizetype>(m_lauf, anzahl - geschrieben);
                std::fill_n(ziel + geschrieben, n, m_laufWert);
                geschrieben += n;
                m_lauf -= int(n);
                continue;
            }
            if (m_position >= m_daten.size()) return false;
            const uchar byte = uchar(m_daten[m_position++]);
            if ((byte & 0xC0) != 0xC0) {
                ziel[geschrieben++] = byte;
                continue;
            }
            if (m_position >= m_daten.size()) return false;
            m_lauf = byte & 0x3F;
            m_laufWert = uchar(m_daten[m_position++]);
        }
        return true;
    }

private:
    QByteArrayView m_daten;
    bool m_rle;
    qsizetype m_position = 0;
    int m_lauf = 0;
    uchar m_laufWert = 0;
};

QList<QRgb> KopfPalette(QByteArrayView data, const TPcxKopf& kopf, int farben)
{
    QList<QRgb> palette;
    if (kopf.BitsPerPixel == 1 && kopf.Planes == 1) return {0xFF000000, 0xFFFFFFFF};
    for (int i = 0; i < farben; ++i) {
        if (kopf.Version == 3) {
            palette << EgaFarben[size_t(i)];
            continue;
        }
        const qsizetype p = 16 + 3 * i;
        palette << qRgb(uchar(data[p]), uchar(data[p + 1]), uchar(data[p + 2]));
    }
    return palette;
}

bool HatEndPalette(QByteArrayView data)
{
    return data.size() >= KopfGroesse + 1 + PalettenGroesse &&
           uchar(data[data.size() - PalettenGroesse - 1]) == PalettenMarke;
}

QList<QRgb> EndPalette(QByteArrayView data)
{
    QList<QRgb> palette;
    const qsizetype start = data.size() - PalettenGroesse;
    for (int i = 0; i < 256; ++i) {
        const qsizetype p = start + 3 * i;
        palette << qRgb(uchar(data[p]), uchar(data[p + 1]), uchar(data[p + 2]));
    }
    return palette;
}

QList<QRgb> Graustufen()
{
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette << qRgb(i, i, i);
    return palette;
}

void ZeileIndiziert(const TPcxKopf& kopf, const uchar* zeile, uchar* ziel)
{
    const int bpp = kopf.BitsPerPixel;
    if (kopf.Planes == 1) {
        const int maske = (1 << bpp) - 1;
        for (int x = 0; x < kopf.Width; ++x) {
            const int bit = x * bpp;
            const int schieben = 8 - bpp - bit % 8;
            ziel[x] = uchar((zeile[bit / 8] >> schieben) & maske);
        }
        return;
    }
    // One bit per plane: plane p gives bit p of the colour index.
    for (int x = 0; x < kopf.Width; ++x) {
        int index = 0;
        for (int p = 0; p < kopf.Planes; ++p) {
            const uchar byte = zeile[qsizetype(p) * kopf.BytesPerLine + x / 8];
            index |= ((byte >> (7 - x % 8)) & 1) << p;
        }
        ziel[x] = uchar(index);
    }
}

void ZeileFarbig(const TPcxKopf& kopf, const uchar* zeile, QRgb* ziel)
{
    const qsizetype bpl = kopf.BytesPerLine;
    for (int x = 0; x < kopf.Width; ++x) {
        const int alpha = kopf.Planes == 4 ? zeile[3 * bpl + x] : 255;
        ziel[x] = qRgba(zeile[x], zeile[bpl + x], zeile[2 * bpl + x], alpha);
    }
}

} // namespace

bool HatPcxSignatur(QByteArrayView data)
{
    if (data.size() < 4 || uchar(data[0]) != Hersteller) return false;
    const int version = uchar(data[1]);
    const int encoding = uchar(data[2]);
    const int bits = uchar(data[3]);
    const bool versionBekannt =
        version == 0 || version == 2 || version == 3 || version == 4 || version == 5;
    return versionBekannt && encoding <= 1 && (bits == 1 || bits == 2 || bits == 4 || bits == 8);
}

std::optional<TPcxKopf> LiesPcxKopf(QByteArrayView data)
{
    if (data.size() < KopfGroesse || !HatPcxSignatur(data)) return std::nullopt;
    TPcxKopf kopf;
    kopf.Version = uchar(data[1]);
    kopf.Encoding = uchar(data[2]);
    kopf.BitsPerPixel = uchar(data[3]);
    kopf.Planes = uchar(data[65]);
    kopf.BytesPerLine = Wort(data, 66);
    const int xMin = Wort(data, 4);
    const int yMin = Wort(data, 6);
    const int xMax = Wort(data, 8);
    const int yMax = Wort(data, 10);
    if (xMax < xMin || yMax < yMin) return std::nullopt;
    kopf.Width = xMax - xMin + 1;
    kopf.Height = yMax - yMin + 1;

    if (!UnterstuetzteTiefe(kopf.BitsPerPixel, kopf.Planes)) return std::nullopt;
    if (kopf.Width > PcxMaxSeite || kopf.Height > PcxMaxSeite) return std::nullopt;
    if (qint64(kopf.Width) * kopf.Height * 4 > PcxMaxBytes) return std::nullopt;
    const qint64 noetigeBytes = (qint64(kopf.Width) * kopf.BitsPerPixel + 7) / 8;
    if (kopf.BytesPerLine < noetigeBytes) return std::nullopt;
    return kopf;
}

QImage DecodePcx(QByteArrayView data)
{
    const std::optional<TPcxKopf> gelesen = LiesPcxKopf(data);
    if (!gelesen) return {};
    const TPcxKopf& kopf = *gelesen;

    const bool achtBitPalette = kopf.BitsPerPixel == 8 && kopf.Planes == 1;
    const bool endPalette = achtBitPalette && HatEndPalette(data);
    const qsizetype datenEnde = endPalette ? data.size() - PalettenGroesse - 1 : data.size();
    const QByteArrayView daten = data.sliced(KopfGroesse, datenEnde - KopfGroesse);

    // A file too short to hold the picture even at the best compression is refused before
    // anything is allocated for it.
    const qint64 zeilenBytes = qint64(kopf.Planes) * kopf.BytesPerLine;
    const qint64 rohBytes = zeilenBytes * kopf.Height;
    const bool rle = kopf.Encoding == 1;
    const qint64 mindestens = rle ? 2 * ((rohBytes + LaengsterLauf - 1) / LaengsterLauf) : rohBytes;
    if (daten.size() < mindestens) return {};

    const bool farbig = kopf.BitsPerPixel == 8 && kopf.Planes >= 3;
    QImage bild(kopf.Width, kopf.Height,
                farbig ? (kopf.Planes == 4 ? QImage::Format_ARGB32 : QImage::Format_RGB32)
                       : QImage::Format_Indexed8);
    if (bild.isNull()) return {};
    if (!farbig) {
        if (endPalette)
            bild.setColorTable(EndPalette(data));
        else if (achtBitPalette)
            bild.setColorTable(Graustufen());
        else
            bild.setColorTable(KopfPalette(data, kopf, 1 << (kopf.BitsPerPixel * kopf.Planes)));
    }

    QVector<uchar> zeile(zeilenBytes);
    TZeilenLeser leser(daten, rle);
    for (int y = 0; y < kopf.Height; ++y) {
        if (!leser.Lies(zeile.data(), zeilenBytes)) return {};
        if (farbig)
            ZeileFarbig(kopf, zeile.constData(), reinterpret_cast<QRgb*>(bild.scanLine(y)));
        else
            ZeileIndiziert(kopf, zeile.constData(), bild.scanLine(y));
    }
    return bild;
}
