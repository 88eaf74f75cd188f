#include "identify/Verdan_FlagOutVerschachtelung.h"

#include "foundation/KR_Colors.h"
#include "foundation/KR_Label.h"
#include "key/Verdan_Abfrageliste.h"
#include "key/Verdan_Flagoutstuktur.h"

#include <vector>

TVerdan_FlagOutVerschachtelung::TVerdan_FlagOutVerschachtelung(QWidget* owner)
    : TAW_FilterFlagOutVerschachtelungs(owner)
{
    SetColor(DelphiColor(clWhite));
    SetHighlightFarbe(DelphiColor(clRed));
}

void TVerdan_FlagOutVerschachtelung::AddEbene(TVerdan_AbfrageRecord* ebene)
{
    TKR_Label* label = NeuesLabel();
    label->setText(ebene && ebene->Struktur ? ebene->Struktur->Titel : QString());
    LetzterEintrag().Datensatz = ebene;
}

void TVerdan_FlagOutVerschachtelung::ZeigeEbenen(const TVerdan_AbfrageListe& ebenen)
{
    Leeren();
    const std::vector<TVerdan_AbfrageRecord*> stufen(ebenen.begin(), ebenen.end());
    for (auto stufe = stufen.rbegin(); stufe != stufen.rend(); ++stufe)
        AddEbene(*stufe);
    NeuesLabel()->setText(QStringLiteral("Anfang"));
    Anordnen();
}

void TVerdan_FlagOutVerschachtelung::EintragGewaehlt(int position)
{
    if (position < 1 || position > Anzahl() || !OnResetKlasse) return;
    // Only the bar's own entries carry records, and each is a level record.
    OnResetKlasse(static_cast<TVerdan_AbfrageRecord*>(Eintrag(position).Datensatz));
}
