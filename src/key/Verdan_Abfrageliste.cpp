#include "key/Verdan_Abfrageliste.h"

#include "data/Verdan_Benutzerdatenbank.h"
#include "foundation/KR_Exception.h"
#include "html/Kr_html.h"
#include "key/Verdan_Flagoutstuktur.h"
#include "key/Verdan_Namensquelle.h"

TVerdan_AbfrageListe::TVerdan_AbfrageListe(TVerdan_Benutzerdatenbank& katalog,
                                           TVerdan_Namensquelle& namen)
    : m_katalog(&katalog), m_namen(&namen)
{
    m_strukturen.resize(static_cast<std::size_t>(katalog.Count()) + 1);
}

TVerdan_AbfrageListe::~TVerdan_AbfrageListe() = default;

TVerdan_FlagOutStruktur& TVerdan_AbfrageListe::StrukturFuer(int nummer)
{
    std::unique_ptr<TVerdan_FlagOutStruktur>& slot = m_strukturen[static_cast<std::size_t>(nummer)];
    if (slot) {
        slot->LoescheAuswahl();
    } else {
        slot = std::make_unique<TVerdan_FlagOutStruktur>(m_katalog->GruppeNr(nummer)->Titel,
                                                         m_katalog);
        slot->FuelleAusGruppe(nummer);
    }
    return *slot;
}

TVerdan_AbfrageRecord* TVerdan_AbfrageListe::NeueEbene(int nummer, int gattung, int familie,
                                                       int zeile)
{
    // The slots were made for the catalogue's keys; any other number has no table either.
    if (nummer < 1 || nummer >= static_cast<int>(m_strukturen.size()) ||
        !m_katalog->GruppeNr(nummer))
        throw EKR_Exception(QStringLiteral("TVerdan_AbfrageListe.NeueEbene: Schlüssel %1 "
                                           "gibt es nicht")
                                .arg(nummer));
    TVerdan_FlagOutStruktur& struktur = StrukturFuer(nummer);
    m_aktuelleNummer = nummer;

    Last();
    TVerdan_AbfrageRecord* ebene = AppendRecord();
    ebene->Struktur = &struktur;
    ebene->Nummer = nummer;
    ebene->Gattung = gattung;
    ebene->Familie = familie;
    if (Count() >= 2) {
        RecordAt(Count() - 1)->Zeile = zeile;
        Last();
    }
    return ebene;
}

int TVerdan_AbfrageListe::ResetToEbene(const TVerdan_AbfrageRecord* ebene)
{
    if (Count() > 1) {
        Last();
        while (Count() > 0 && CurrentRecord() != ebene) {
            Delete(Count());
            Last();
        }
    }
    if (Count() == 0) {
        m_aktuelleNummer = 0;
        throw EKR_Exception(
            QStringLiteral("TVerdan_AbfrageListe.ResetToEbene:Alle Elemente Gelöscht"));
    }
    Last();
    m_aktuelleNummer = CurrentRecord()->Nummer;
    return m_aktuelleNummer;
}

void TVerdan_AbfrageListe::AllesLoeschen()
{
    for (const auto& struktur : m_strukturen) {
        if (struktur) struktur->LoescheAuswahl();
    }
    Clear();
    m_aktuelleNummer = 0;
}

TVerdan_AbfrageRecord* TVerdan_AbfrageListe::LetzteEbene()
{
    return Count() > 0 ? RecordAt(Count()) : nullptr;
}

TVerdan_FlagOutStruktur* TVerdan_AbfrageListe::AktuelleStruktur()
{
    TVerdan_AbfrageRecord* ebene = LetzteEbene();
    return ebene ? ebene->Struktur : nullptr;
}

TVerdan_KriterienGruppe* TVerdan_AbfrageListe::EbenenGruppe()
{
    return m_aktuelleNummer > 0 ? m_katalog->GruppeNr(m_aktuelleNummer) : nullptr;
}

void TVerdan_AbfrageListe::ErstelleSQL(int zeilenFilter, TKR_Textus& zeilen, bool deutscheNamen)
{
    TVerdan_AbfrageRecord* ebene = LetzteEbene();
    TVerdan_KriterienGruppe* gruppe = EbenenGruppe();
    if (!ebene || !gruppe) return;
    TAW_FlagOutKriterienListe auswahl(m_katalog);
    ebene->Struktur->SchreibeAuswahl(auswahl);
    gruppe->BuildAbfrageSQL(&auswahl, zeilenFilter, ebene->Gattung, ebene->Familie, &zeilen,
                            deutscheNamen);
}

void TVerdan_AbfrageListe::SchreibeKriterienHtml(TKR_HtmlEditor& designer)
{
    int i = 0;
    for (const TVerdan_AbfrageRecord* ebene : *this) {
        ++i;
        if (i > 1) designer.BlockquoteOn();
        QString suffix;
        if (ebene->Gattung > 0)
            suffix = QStringLiteral("(Gattung: ") + m_namen->GattungsName(ebene->Gattung) + u')';
        else if (ebene->Familie > 0)
            suffix = QStringLiteral("(Familie: ") + m_namen->FamilienName(ebene->Familie) + u')';
        ebene->Struktur->SchreibeHtml(designer, i, suffix);
        designer.AddSpace();
        if (i > 1) designer.BlockquoteOff();
    }
}
