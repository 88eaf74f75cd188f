#include "key/KR_FlagOut.h"

#include "foundation/KR_Exception.h"
#include "key/KR_DatenBankFeld.h"

namespace {

const QString NichtInitialisiert = QStringLiteral("! Nicht initalisiert !");
const QString FehlerhaftesItem = QStringLiteral("! FEHLERHAFTES ITEM");

} // namespace

TKR_FlagOutObjekt::TKR_FlagOutObjekt() : Titel(NichtInitialisiert), Urtitel(NichtInitialisiert) {}

TKR_FlagOutObjekt::~TKR_FlagOutObjekt() = default;

void TKR_FlagOutObjekt::SetGewaehlt(bool gewaehlt)
{
    Gewaehlt = gewaehlt;
    if (Steuerelement) Steuerelement->ZeigeGewaehlt(gewaehlt);
    MeldeAenderung();
}

void TKR_FlagOutObjekt::MeldeAenderung()
{
    if (!Besitzer || !Besitzer->Bereit || !Steuerelement) return;
    TKR_FlagOutStruktur* wurzel = Besitzer->Wurzel();
    if (wurzel->OnObjektAenderung) wurzel->OnObjektAenderung(*Steuerelement, *this);
}

void TKR_FlagOutObjekt::AktualisiereAnzeige()
{
    if (Unterstruktur) Unterstruktur->AktualisiereAlle();
}

bool TKR_FlagOutObjekt::IstKapitel() const
{
    if (Art == TKR_FlagOutArt::Kapitel) return true;
    return Art == TKR_FlagOutArt::Feld && Feld && Feld->GetItemAnzahl() > 0;
}

TKR_FlagOutStruktur::TKR_FlagOutStruktur(const QString& titel, TKR_FlagOutStruktur* eltern)
    : Eltern(eltern), Titel(titel), Ebene(eltern ? eltern->Ebene + 1 : 1)
{}

TKR_FlagOutStruktur::~TKR_FlagOutStruktur() = default;

void TKR_FlagOutStruktur::Append()
{
    TKR_OwnerListe::Append();
    GibNeuesObjekt();
}

void TKR_FlagOutStruktur::InsertAfter()
{
    TKR_OwnerListe::InsertAfter();
    GibNeuesObjekt();
}

void TKR_FlagOutStruktur::InsertBefore()
{
    TKR_OwnerListe::InsertBefore();
    GibNeuesObjekt();
}

void TKR_FlagOutStruktur::GibNeuesObjekt()
{
    std::unique_ptr<TKR_FlagOutObjekt> objekt = NeuesObjekt();
    objekt->Besitzer = this;
    ReplaceCurrentData(std::move(objekt));
}

TKR_FlagOutObjekt* TKR_FlagOutStruktur::AddObjekt()
{
    Append();
    return AktuellesObjekt();
}

std::unique_ptr<TKR_FlagOutObjekt> TKR_FlagOutStruktur::NeuesObjekt()
{
    return std::make_unique<TKR_FlagOutObjekt>();
}

std::unique_ptr<TKR_FlagOutStruktur>
TKR_FlagOutStruktur::NeueUnterstruktur(const QString& titel, TKR_FlagOutStruktur* eltern)
{
    return std::make_unique<TKR_FlagOutStruktur>(titel, eltern);
}

TKR_FlagOutObjekt* TKR_FlagOutStruktur::ObjektNr(int nummer)
{
    if (nummer < 1 || nummer > Count()) return nullptr;
    GoTo(nummer);
    return AktuellesObjekt();
}

TKR_FlagOutObjekt* TKR_FlagOutStruktur::AddItemObjekt(TKR_DatenBankFeld& feld, int nummer)
{
    TKR_FlagOutObjekt* objekt = AddObjekt();
    objekt->Art = TKR_FlagOutArt::Wert;
    objekt->Feld = &feld;
    objekt->ItemNummer = nummer;
    const bool vorhanden = nummer >= 1 && nummer <= feld.GetItemAnzahl();
    objekt->Titel = vorhanden ? feld.GetItemText(nummer) : FehlerhaftesItem;
    objekt->Urtitel = objekt->Titel;
    return objekt;
}

void TKR_FlagOutStruktur::NimmFeldAuf(TKR_DatenBankFeld& feld)
{
    TKR_FlagOutObjekt* objekt = AddObjekt();
    objekt->Art = TKR_FlagOutArt::Feld;
    objekt->Feld = &feld;
    objekt->Titel = feld.GetAnzeigeTitel();
    objekt->Urtitel = objekt->Titel;
}

TKR_FlagOutObjekt* TKR_FlagOutStruktur::AddUnterstruktur(std::unique_ptr<TKR_FlagOutStruktur> kind,
                                                         bool alsKapitel)
{
    TKR_FlagOutObjekt* kapitel = AddObjekt();
    kapitel->Art = TKR_FlagOutArt::Kapitel;
    kapitel->Titel = kind->Titel;
    kapitel->Urtitel = kind->Titel;
    kind->AlsKapitel = alsKapitel;
    kind->Eltern = this;
    kind->ElternObjekt = kapitel;
    kind->Ebene = Ebene + 1;
    kapitel->Unterstruktur = std::move(kind);
    return kapitel;
}

TKR_FlagOutObjekt* TKR_FlagOutStruktur::AddKritItemsAsKapitel(TKR_DatenBankFeld& feld)
{
    const int anzahl = feld.GetItemAnzahl();
    if (anzahl < 1)
        throw EKR_Exception(
            QStringLiteral("TKR_FlagOutStruktur:AddKritItemsAsKapitel ohne Items aufgerufen"));
    std::unique_ptr<TKR_FlagOutStruktur> werte = NeueUnterstruktur(feld.GetAnzeigeTitel(), this);
    for (int i = 1; i <= anzahl; ++i)
        werte->AddItemObjekt(feld, i);
    TKR_FlagOutObjekt* kapitel = AddUnterstruktur(std::move(werte), true);
    kapitel->Feld = &feld;
    return kapitel;
}

void TKR_FlagOutStruktur::AktualisiereAlle()
{
    for (TKR_FlagOutObjekt* objekt : *this)
        objekt->AktualisiereAnzeige();
}

TKR_FlagOutStruktur* TKR_FlagOutStruktur::Wurzel()
{
    TKR_FlagOutStruktur* struktur = this;
    while (struktur->Eltern)
        struktur = struktur->Eltern;
    return struktur;
}
