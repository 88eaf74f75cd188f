#include "Rezepte.h"

#include <QPainter>
#include <stdexcept>

void TRezeptTabelle::Setze(int gruppe, const QString& spalte, const QString& code, TRezept rezept,
                           const QString& titel)
{
    m_eintraege[{gruppe, spalte, code}] =
        TRezeptEintrag{gruppe, spalte, code, titel, std::move(rezept)};
}

void TRezeptTabelle::SetzeKriterium(int gruppe, const QString& spalte, TRezept rezept)
{
    Setze(gruppe, spalte, QString(), std::move(rezept));
}

void TRezeptTabelle::Wie(int gruppe, const QString& spalte, const QString& code, int vonGruppe,
                         const QString& vonSpalte, const QString& vonCode)
{
    const TRezeptEintrag* vorbild = Finde(vonGruppe, vonSpalte, vonCode);
    if (!vorbild)
        throw std::logic_error(QStringLiteral("no drawing %1/%2/%3 to copy")
                                   .arg(vonGruppe)
                                   .arg(vonSpalte, vonCode)
                                   .toStdString());
    Setze(gruppe, spalte, code, vorbild->Rezept);
}

const TRezeptEintrag* TRezeptTabelle::Finde(int gruppe, const QString& spalte,
                                            const QString& code) const
{
    const auto it = m_eintraege.find({gruppe, spalte, code});
    return it == m_eintraege.end() ? nullptr : &it->second;
}

std::vector<const TRezeptEintrag*> TRezeptTabelle::Alle() const
{
    std::vector<const TRezeptEintrag*> alle;
    for (const auto& [schluessel, eintrag] : m_eintraege)
        alle.push_back(&eintrag);
    return alle;
}

bool TRezeptTabelle::HatGruppe(int gruppe) const
{
    const auto it = m_eintraege.lower_bound({gruppe, QString(), QString()});
    return it != m_eintraege.end() && std::get<0>(it->first) == gruppe;
}

const TRezeptTabelle& AlleRezepte()
{
    static const TRezeptTabelle tabelle = [] {
        TRezeptTabelle t;
        // Later collections may copy drawings of earlier ones (TRezeptTabelle::Wie).
        for (auto sammlung : {RezepteGrundtabelle, RezepteFarne, RezepteFamilien, RezepteGlossar,
                              RezepteGehoelze, RezepteGraeser, RezepteKorbbluetler, RezepteKraeuter,
                              RezepteLippenbluetler, RezepteNelkenartige})
            sammlung(t);
        return t;
    }();
    return tabelle;
}

QSize Bildgroesse(int bildart)
{
    return bildart == BildartGross ? QSize(320, 300) : QSize(110, 100);
}

QImage ZeichneBild(const TRezept& rezept, int bildart)
{
    const QSize groesse = Bildgroesse(bildart);
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    const double massstab =
        std::min(groesse.width() / TZeichner::Breite, groesse.height() / TZeichner::Hoehe);
    maler.translate((groesse.width() - TZeichner::Breite * massstab) / 2,
                    (groesse.height() - TZeichner::Hoehe * massstab) / 2);
    maler.scale(massstab, massstab);
    TZeichner zeichner(maler, bildart == BildartGross);
    rezept(zeichner);
    maler.end();
    return bild;
}
