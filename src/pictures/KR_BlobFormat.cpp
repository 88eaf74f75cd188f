#include "pictures/KR_BlobFormat.h"

#include "pictures/PcxDecoder.h"

#include <QBuffer>
#include <QByteArrayView>
#include <QImageReader>
#include <QPixelFormat>
#include <algorithm>
#include <exception>

namespace {

// The multimedia signatures are looked for in this many leading bytes.
constexpr qsizetype SignaturBereich = 45;

bool BeginntMit(const QByteArray& blob, QByteArrayView anfang)
{
    return blob.startsWith(anfang);
}

bool HatMultimediaWort(const QByteArray& blob, const char* wort)
{
    QByteArray anfang = blob.left(SignaturBereich);
    anfang.replace('\0', ' ');
    return anfang.contains(wort);
}

// "BM" alone is too common at the start of text; a bitmap file also names one of the known
// sizes of its info header.
bool IstBmp(const QByteArray& blob)
{
    if (!BeginntMit(blob, "BM") || blob.size() < 18) return false;
    const auto byte = [&](int i) { return quint32(uchar(blob[i])); };
    const quint32 kopf = byte(14) | byte(15) << 8 | byte(16) << 16 | byte(17) << 24;
    for (quint32 bekannt : {12u, 16u, 40u, 52u, 56u, 64u, 108u, 124u}) {
        if (kopf == bekannt) return true;
    }
    return false;
}

QString FormatNachSignatur(const QByteArray& blob)
{
    if (BeginntMit(blob, "\x89PNG\r\n\x1a\n")) return BlobPng;
    if (BeginntMit(blob, "GIF87a") || BeginntMit(blob, "GIF89a")) return BlobGif;
    if (BeginntMit(blob, QByteArrayView("II*\0", 4)) ||
        BeginntMit(blob, QByteArrayView("MM\0*", 4)))
        return BlobTif;
    if (BeginntMit(blob, "\xFF\xD8\xFF")) return BlobJpg;
    if (IstBmp(blob)) return BlobBmp;
    if (HatPcxSignatur(blob)) return BlobPcx;
    return {};
}

QByteArray QtFormatName(const QString& format)
{
    if (format == BlobPng) return "png";
    if (format == BlobGif) return "gif";
    if (format == BlobTif) return "tiff";
    if (format == BlobJpg) return "jpeg";
    if (format == BlobBmp) return "bmp";
    return {};
}

QString InfoFormatName(const QString& format)
{
    if (format == BlobTif) return QStringLiteral("TIFF");
    if (format == BlobJpg) return QStringLiteral("JPEG");
    return format;
}

TKR_BildInfo LiesInfo(const QByteArray& blob, const QString& format)
{
    TKR_BildInfo info;
    info.FormatName = InfoFormatName(format);
    info.Seiten = 1;
    if (format == BlobPcx) {
        if (const std::optional<TPcxKopf> kopf = LiesPcxKopf(blob)) {
            info.Width = kopf->Width;
            info.Height = kopf->Height;
            info.BitsPerPixel = kopf->BitsPerPixel * kopf->Planes;
        }
        return info;
    }
    QBuffer puffer;
    puffer.setData(blob);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer, QtFormatName(format));
    leser.setDecideFormatFromContent(false);
    // The TIFF reader counts its pages only before it has read the header for other questions.
    if (format == BlobTif) info.Seiten = std::max(0, leser.imageCount());
    const QSize groesse = leser.size();
    if (groesse.isValid()) {
        info.Width = groesse.width();
        info.Height = groesse.height();
    }
    // Readers of damaged headers have been seen to answer formats that do not exist.
    const QImage::Format bildFormat = leser.imageFormat();
    if (bildFormat > QImage::Format_Invalid && bildFormat < QImage::NImageFormats)
        info.BitsPerPixel = int(QImage::toPixelFormat(bildFormat).bitsPerPixel());
    // The GIF reader does not tell its depth; the header's colour table does.
    if (format == BlobGif && info.BitsPerPixel == 0 && blob.size() > 10)
        info.BitsPerPixel = (uchar(blob[10]) & 0x07) + 1;
    return info;
}

QImage LiesMitQt(const QByteArray& blob, const QString& format, int tiffSeite)
{
    QBuffer puffer;
    puffer.setData(blob);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer, QtFormatName(format));
    leser.setDecideFormatFromContent(false);
    const QSize groesse = leser.size();
    if (groesse.isValid() && (groesse.width() > BlobMaxSeite || groesse.height() > BlobMaxSeite))
        return {};
    if (format == BlobTif && tiffSeite > 1 && !leser.jumpToImage(tiffSeite - 1)) return {};
    QImage bild = leser.read();
    if (bild.width() > BlobMaxSeite || bild.height() > BlobMaxSeite) return {};
    return bild;
}

} // namespace

TKR_BlobErkennung ErkenneBlobFormat(const QByteArray& blob)
{
    TKR_BlobErkennung erkennung;
    if (blob.isEmpty()) return erkennung;
    if (HatMultimediaWort(blob, SignaturScm)) {
        erkennung.Format = BlobScm;
        return erkennung;
    }
    if (HatMultimediaWort(blob, SignaturCms)) {
        erkennung.Format = BlobCms;
        return erkennung;
    }
    erkennung.Format = FormatNachSignatur(blob);
    if (erkennung.Format.isEmpty()) {
        erkennung.Erkannt = false;
        return erkennung;
    }
    erkennung.Info = LiesInfo(blob, erkennung.Format);
    return erkennung;
}

QImage LiesBlobBild(const QByteArray& blob, const QString& format, int tiffSeite)
{
    try {
        if (format == BlobPcx) return DecodePcx(blob);
        if (QtFormatName(format).isEmpty()) return {};
        return LiesMitQt(blob, format, tiffSeite);
    } catch (const std::exception&) {
        // Out of memory for a picture is a picture that cannot be shown, not the program's end.
        return {};
    }
}
