#include "app/KR_Bitmap.h"

#include "app/KR_MYSYS.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr quint32 kBitFields = 3;

std::optional<QByteArray> ResourceBytes(const QString& folder, const QString& name)
{
    for (const char* suffix : {"", ".bmp", ".png"}) {
        QFile file(folder + u'/' + name + QLatin1String(suffix));
        if (file.open(QIODevice::ReadOnly)) return file.readAll();
    }
    return std::nullopt;
}

// Bitmap data as the executable's resources keep it lacks the 14-byte file header; the
// header tells the reader where the pixels begin, after the info header and colour table.
QByteArray WithFileHeader(const QByteArray& dib)
{
    if (dib.size() < 40) return dib;
    const auto* bytes = reinterpret_cast<const uchar*>(dib.constData());
    const quint32 infoSize = qFromLittleEndian<quint32>(bytes);
    const quint16 bitCount = qFromLittleEndian<quint16>(bytes + 14);
    const quint32 compression = qFromLittleEndian<quint32>(bytes + 16);
    const quint32 coloursUsed = qFromLittleEndian<quint32>(bytes + 32);
    if (infoSize < 40 || infoSize > quint32(dib.size()) || coloursUsed > 256) return dib;
    quint32 colours = coloursUsed;
    if (colours == 0 && bitCount <= 8) colours = 1u << bitCount;
    quint32 masks = (compression == kBitFields && infoSize == 40) ? 12 : 0;
    const quint32 offset = kFileHeaderSize + infoSize + masks + colours * 4;
    QByteArray header(kFileHeaderSize, '\0');
    auto* out = reinterpret_cast<uchar*>(header.data());
    out[0] = 'B';
    out[1] = 'M';
    qToLittleEndian<quint32>(quint32(kFileHeaderSize + dib.size()), out + 2);
    qToLittleEndian<quint32>(offset, out + 10);
    return header + dib;
}

bool LoadFromBytes(const QByteArray& data, QPixmap& bitmap)
{
    QImage image;
    const bool bare = !data.startsWith("BM") && !data.startsWith("\x89PNG");
    if (!image.loadFromData(bare ? WithFileHeader(data) : data)) return false;
    bitmap = QPixmap::fromImage(image);
    return true;
}

} // namespace

bool LoadBitmapResource(const QString& module, const QString& name, QPixmap& bitmap)
{
    const QString folder = module.isEmpty() ? QStringLiteral(":/bitmaps") : module;
    QStringList names;
    if (SetupBlock.Colour256) names += name + QStringLiteral("256");
    names += name;
    for (const QString& candidate : names) {
        if (const auto data = ResourceBytes(folder, candidate)) return LoadFromBytes(*data, bitmap);
    }
    return false;
}
