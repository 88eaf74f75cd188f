#include "key/Verdan_Flagoutstuktur.h"

#include "data/Verdan_Benutzerdatenbank.h"
#include "html/Kr_html.h"

#include <QStringList>

namespace {

constexpr int BildLeer = 0;
constexpr int BildKapitelGewaehlt = 1;
constexpr int BildGewaehlt = 2;

} // namespace

void TVerdan_FlagOutObjekt::SetGewaehlt(bool gewaehlt)
{
    Gewaehlt = gewaehlt;
    AuswahlWert = gewaehlt ? QStringLiteral("2") : QString();
}

void TVerdan_FlagOutObjekt::AktualisiereAnzeige()
{
    if (Knoten) {
        if (!AuswahlWert.isEmpty()) {
            Knoten->SetImageIndex(BildGewaehlt);
            if (TVerdan_FlagOutKnoten* eltern = Knoten->ParentNode())
                eltern->SetImageIndex(BildKapitelGewaehlt);
        } else {
            Knoten->SetImageIndex(BildLeer);
        }
    }
    TAW_FlagOutObjekt::AktualisiereAnzeige();
}

void TVerdan_FlagOutObjekt::SchreibeHtml(TKR_HtmlEditor& designer) const
{
    if (!Unterstruktur) return;
    QStringList gewaehlt;
    for (const TKR_FlagOutObjekt* objekt : *Unterstruktur) {
        const auto* wert = dynamic_cast<const TAW_FlagOutObjekt*>(objekt);
        if (wert && !wert->AuswahlWert.isEmpty()) gewaehlt << objekt->Titel;
    }
    if (gewaehlt.isEmpty()) return;
    designer.AddHtml(Titel + QStringLiteral(": "));
    designer.FontColorOn(0);
    designer.AddText(gewaehlt.join(QStringLiteral(", ")));
    designer.FontColorOff();
}

TVerdan_FlagOutStruktur::TVerdan_FlagOutStruktur(const QString& titel,
                                                 TVerdan_Benutzerdatenbank* katalog,
                                                 TKR_FlagOutStruktur* eltern)
    : TAW_FlagOutStruktur(titel, eltern), Katalog(katalog)
{}

std::unique_ptr<TKR_FlagOutObjekt> TVerdan_FlagOutStruktur::NeuesObjekt()
{
    return std::make_unique<TVerdan_FlagOutObjekt>();
}

std::unique_ptr<TKR_FlagOutStruktur>
TVerdan_FlagOutStruktur::NeueUnterstruktur(const QString& titel, TKR_FlagOutStruktur* eltern)
{
    return std::make_unique<TVerdan_FlagOutStruktur>(titel, Katalog, eltern);
}

void TVerdan_FlagOutStruktur::NimmFeldAuf(TKR_DatenBankFeld& feld)
{
    const auto* kriterium = dynamic_cast<const TVerdan_DatenBankFeld*>(&feld);
    if (!kriterium || kriterium->NurInfo) return;
    AddKritItemsAsKapitel(feld);
}

TKR_FlagOutObjekt* TVerdan_FlagOutStruktur::AddKritItemsAsKapitel(TKR_DatenBankFeld& feld)
{
    if (!dynamic_cast<TVerdan_DatenBankFeld*>(&feld))
        return TAW_FlagOutStruktur::AddKritItemsAsKapitel(feld);
    std::unique_ptr<TKR_FlagOutStruktur> werte = NeueUnterstruktur(feld.GetAnzeigeTitel(), this);
    for (int i = 1; i <= feld.GetItemAnzahl(); ++i)
        werte->AddItemObjekt(feld, i);
    TKR_FlagOutObjekt* kapitel = AddUnterstruktur(std::move(werte), true);
    kapitel->Feld = &feld;
    return kapitel;
}

void TVerdan_FlagOutStruktur::FuelleAusGruppe(int nummer)
{
    TVerdan_KriterienGruppe* gruppe = Katalog ? Katalog->GruppeNr(nummer) : nullptr;
    if (!gruppe) return;
    for (TKR_DatenBankFeld* feld : *gruppe)
        NimmFeldAuf(*feld);
}

void TVerdan_FlagOutStruktur::SchreibeHtml(TKR_HtmlEditor& designer, int ebene,
                                           const QString& suffix) const
{
    designer.UnderlineOn();
    designer.AddText(QString::number(ebene) + QStringLiteral(") ") + Titel + u' ' + suffix);
    designer.UnderlineOff();
    if (Count() == 0) {
        designer.AddText(QStringLiteral("Keine Kriterien angegeben"));
        return;
    }
    for (const TKR_FlagOutObjekt* objekt : *this) {
        if (const auto* kapitel = dynamic_cast<const TVerdan_FlagOutObjekt*>(objekt))
            kapitel->SchreibeHtml(designer);
    }
}

TVerdan_FlagOutObjekt* TVerdan_FlagOutStruktur::ObjektNr(int nummer)
{
    return dynamic_cast<TVerdan_FlagOutObjekt*>(TAW_FlagOutStruktur::ObjektNr(nummer));
}
