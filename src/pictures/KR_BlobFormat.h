#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Picture data read from the database is recognised by its bytes alone, never by a name:
// the leading signature of each format decides.

// The format codes.
inline const QString BlobPng = QStringLiteral("PNG");
inline const QString BlobGif = QStringLiteral("GIF");
inline const QString BlobTif = QStringLiteral("TIF");
inline const QString BlobPcx = QStringLiteral("PCX");
inline const QString BlobJpg = QStringLiteral("JPG");
inline const QString BlobBmp = QStringLiteral("BMP");
// The two multimedia kinds of the image library: data that carries one of these 8-character
// words within its first 45 bytes (NUL bytes count as blanks) is no picture. "SCM" empties
// the shown picture, "CMS" leaves it.
inline const QString BlobScm = QStringLiteral("SCM");
inline const QString BlobCms = QStringLiteral("CMS");
constexpr char SignaturScm[] = "SCMMEDIA";
constexpr char SignaturCms[] = "CMSMEDIA";

// The largest picture side accepted from any format.
constexpr int BlobMaxSeite = 16384;

// What the header of a picture says; informational only.
struct TKR_BildInfo
{
    QString FormatName = QStringLiteral("Empty"); // "PNG", "GIF", "TIFF", "PCX", "JPEG", "BMP"
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 0;
    int Seiten = 0; // pages of a TIFF, 1 for the others
};

struct TKR_BlobErkennung
{
    // One of the codes above; empty for empty data and for data of no known kind.
    QString Format;
    TKR_BildInfo Info;
    // False when the data is not empty but of no known kind.
    bool Erkannt = true;
};

TKR_BlobErkennung ErkenneBlobFormat(const QByteArray& blob);

// The picture that blob holds in the given format (one of the six picture codes); tiffSeite
// (from 1) chooses the page of a TIFF. A null image for anything that cannot be read
// completely or is larger than BlobMaxSeite.
QImage LiesBlobBild(const QByteArray& blob, const QString& format, int tiffSeite = 1);
