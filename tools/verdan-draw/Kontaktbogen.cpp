#include "Kontaktbogen.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

QImage Kontaktbogen(const std::vector<TBild>& bilder, int bildart, int spalten)
{
    const QSize bild = Bildgroesse(bildart);
    const int beschriftung = 30;
    const int rand = 8;
    const int zellB = std::max(bild.width(), 150) + rand;
    const int zellH = bild.height() + beschriftung + rand;
    const int zeilen = std::max(1, int((bilder.size() + spalten - 1) / spalten));
    QImage bogen(spalten * zellB + rand, zeilen * zellH + rand, QImage::Format_RGB32);
    bogen.fill(QColor(0xe4, 0xe4, 0xe4));
    QPainter maler(&bogen);
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(10);
    maler.setFont(schrift);
    const QFontMetrics masse(schrift);
    for (size_t i = 0; i < bilder.size(); ++i) {
        const int x = rand + int(i % spalten) * zellB;
        const int y = rand + int(i / spalten) * zellH;
        maler.drawImage(x, y, ZeichneBild(bilder[i].Eintrag->Rezept, bildart));
        const QString text = QStringLiteral("%1x%2x%3 %4")
                                 .arg(bilder[i].Gruppe)
                                 .arg(bilder[i].Feld)
                                 .arg(bilder[i].Item)
                                 .arg(bilder[i].Beschriftung);
        maler.setPen(Qt::black);
        maler.drawText(QRect(x, y + bild.height() + 2, zellB - rand, beschriftung),
                       Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                       masse.elidedText(text, Qt::ElideRight, (zellB - rand) * 2 - 20));
    }
    return bogen;
}
