#include "key/Aw_FlagOut.h"

#include "app/Kr_str.h"
#include "key/KR_DatenBankFeld.h"

#include <QList>
#include <algorithm>

namespace {

const QString Tab = QStringLiteral("\t");

QList<int> NummernDerMenge(const QString& menge)
{
    QList<int> nummern;
    for (const QString& stueck : menge.split(u'/', Qt::SkipEmptyParts)) {
        const int nummer = stueck.toInt();
        if (nummer > 0 && !nummern.contains(nummer)) nummern << nummer;
    }
    std::sort(nummern.begin(), nummern.end());
    return nummern;
}

QString MengeAus(const QList<int>& nummern)
{
    QString menge;
    for (int nummer : nummern)
        menge += u'/' + QString::number(nummer);
    return nummern.isEmpty() ? QString() : menge + u'/';
}

TAW_FlagOutStruktur* AlsAwStruktur(const std::unique_ptr<TKR_FlagOutStruktur>& struktur)
{
    return dynamic_cast<TAW_FlagOutStruktur*>(struktur.get());
}

} // namespace

TAW_FlagOutKriterienListe::TAW_FlagOutKriterienListe(TVerdan_Benutzerdatenbank* katalog)
    : m_katalog(katalog)
{}

QString TAW_FlagOutKriterienListe::Zeilenkopf(int gruppe, int feld)
{
    return QStringLiteral("%1\t%2\t").arg(gruppe, 3, 10, QChar(u'0')).arg(feld, 3, 10, QChar(u'0'));
}

int TAW_FlagOutKriterienListe::FindeZeile(int gruppe, int feld)
{
    return FindPrefix(Zeilenkopf(gruppe, feld), true);
}

void TAW_FlagOutKriterienListe::SetzeItem(int gruppe, int feld, int item, bool hinzu,
                                          const QString& modus)
{
    if (item < 1) return;
    const int position = FindeZeile(gruppe, feld);
    const QString alt = position > 0 ? GetToken(Tab, 3, CurrentLine()) : QString();
    QList<int> nummern = NummernDerMenge(alt);
    if (hinzu && !nummern.contains(item)) {
        nummern << item;
        std::sort(nummern.begin(), nummern.end());
    } else if (!hinzu) {
        nummern.removeAll(item);
    }
    const QString neu = MengeAus(nummern);
    if (neu == alt) return;

    const QString zeile = Zeilenkopf(gruppe, feld) + neu + Tab + modus;
    if (position == 0) {
        Last();
        AddLine(zeile);
    } else if (neu.isEmpty()) {
        DeleteLine();
    } else {
        ReplaceLine(zeile);
    }
}

void TAW_FlagOutKriterienListe::SetzeAuswahlWert(int gruppe, int feld, const QString& wert,
                                                 const QString& extra)
{
    QString einteilig = wert;
    einteilig.replace(u'\t', u'#');
    const QString kopf = Zeilenkopf(gruppe, feld);
    if (FindeZeile(gruppe, feld) > 0) {
        if (wert.isEmpty())
            DeleteLine();
        else
            ReplaceLine(kopf + einteilig + Tab + extra);
        return;
    }
    if (wert.isEmpty()) return;
    Last();
    AddLine(extra.isEmpty() ? kopf + einteilig : kopf + einteilig + Tab + extra);
}

QString TAW_FlagOutKriterienListe::AuswahlWertZu(int gruppe, int feld)
{
    return FindeZeile(gruppe, feld) > 0 ? GetToken(Tab, 3, CurrentLine()) : QString();
}

QString TAW_FlagOutKriterienListe::ItemGesetzt(int gruppe, int feld, int item)
{
    const QString menge = AuswahlWertZu(gruppe, feld);
    const QString nummer = QString::number(item);
    if (menge == nummer || menge.contains(u'/' + nummer + u'/')) return nummer;
    return {};
}

QString TAW_FlagOutKriterienListe::ModusZu(int gruppe, int feld, int item)
{
    if (ItemGesetzt(gruppe, feld, item).isEmpty()) return {};
    return GetToken(Tab, 4, CurrentLine());
}

TAW_FlagOutStruktur::TAW_FlagOutStruktur(const QString& titel, TKR_FlagOutStruktur* eltern)
    : TKR_FlagOutStruktur(titel, eltern)
{}

std::unique_ptr<TKR_FlagOutObjekt> TAW_FlagOutStruktur::NeuesObjekt()
{
    return std::make_unique<TAW_FlagOutObjekt>();
}

std::unique_ptr<TKR_FlagOutStruktur>
TAW_FlagOutStruktur::NeueUnterstruktur(const QString& titel, TKR_FlagOutStruktur* eltern)
{
    return std::make_unique<TAW_FlagOutStruktur>(titel, eltern);
}

bool TAW_FlagOutStruktur::HatAuswahlWert(bool tief) const
{
    for (TKR_FlagOutObjekt* objekt : *this) {
        if (tief) {
            const TAW_FlagOutStruktur* unter = AlsAwStruktur(objekt->Unterstruktur);
            if (unter && unter->HatAuswahlWert(true)) return true;
        }
        const auto* wert = dynamic_cast<const TAW_FlagOutObjekt*>(objekt);
        if (wert && !wert->AuswahlWert.isEmpty()) return true;
    }
    return false;
}

void TAW_FlagOutStruktur::LoescheAuswahl()
{
    for (TKR_FlagOutObjekt* objekt : *this) {
        if (TAW_FlagOutStruktur* unter = AlsAwStruktur(objekt->Unterstruktur))
            unter->LoescheAuswahl();
        if (auto* wert = dynamic_cast<TAW_FlagOutObjekt*>(objekt)) wert->AuswahlWert.clear();
        objekt->Gewaehlt = false;
        if (objekt->Steuerelement) objekt->Steuerelement->Zuruecksetzen();
    }
}

void TAW_FlagOutStruktur::SchreibeAuswahl(TAW_FlagOutKriterienListe& liste)
{
    const QString modus = SchreibeModus2 ? QStringLiteral("2") : QStringLiteral("1");
    for (TKR_FlagOutObjekt* objekt : *this) {
        if (TAW_FlagOutStruktur* unter = AlsAwStruktur(objekt->Unterstruktur))
            unter->SchreibeAuswahl(liste);
        const auto* wert = dynamic_cast<const TAW_FlagOutObjekt*>(objekt);
        if (!wert || !objekt->Feld || wert->AuswahlWert.isEmpty()) continue;
        const int gruppe = objekt->Feld->GetGruppenNummer();
        const int feld = objekt->Feld->GetFeldNummer();
        if (objekt->Art == TKR_FlagOutArt::Wert)
            liste.SetzeItem(gruppe, feld, objekt->ItemNummer, true, modus);
        else
            liste.SetzeAuswahlWert(gruppe, feld, wert->AuswahlWert, modus);
    }
    liste.Sort();
}
