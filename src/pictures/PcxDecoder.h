#pragma once

#include <QByteArrayView>
#include <QImage>
#include <optional>

// ZSoft PCX pictures: the bit layouts that painting programs wrote, run-length encoded or
// raw. 1, 2, 4 and 8 bits of one plane (palette), 1 bit in 2 to 4 planes (up to 16 colours),
// 8 bits in 3 planes (RGB) or 4 planes (RGB and alpha).
//
// The decoder trusts nothing in the file: every size is checked against the limits below and
// against the bytes that are really there before anything is allocated, and every read is
// bounds-checked, so a truncated or hostile file yields a null image and never a read past
// its end.

// The largest width and height accepted.
constexpr int PcxMaxSeite = 16384;
// The most memory a decoded picture may take (its pixels at 4 bytes each).
constexpr qint64 PcxMaxBytes = qint64(256) * 1024 * 1024;

struct TPcxKopf
{
    int Version = 0;
    int Encoding = 0; // 1 run-length encoded, 0 raw
    int BitsPerPixel = 0;
    int Planes = 0;
    int BytesPerLine = 0; // of one plane
    int Width = 0;
    int Height = 0;
};

// True when the first bytes look like a PCX header (maker byte, version, encoding and bit
// depth); says nothing about the rest of the file.
bool HatPcxSignatur(QByteArrayView data);

// The header of a PCX file whose layout this decoder supports and whose sizes are within the
// limits; nothing otherwise.
std::optional<TPcxKopf> LiesPcxKopf(QByteArrayView data);

// The picture, or a null image for anything the decoder cannot read completely.
QImage DecodePcx(QByteArrayView data);
