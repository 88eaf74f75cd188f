#include "Bestimmungssitzung.h"

#include "app/KR_MYSYS.h"
#include "app/Kr_str.h"
#include "data/KR_TEXT.h"
#include "data/Verdan_BdBServer.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "foundation/KR_Exception.h"
#include "html/Kr_html.h"
#include "identify/Verdan_Bestimmungszeile.h"
#include "key/Verdan_Abfrageliste.h"
#include "key/Verdan_Definition.h"
#include "key/Verdan_Flagoutstuktur.h"
#include "platform/DatabaseError.h"

#include <QDir>
#include <QRegularExpression>
#include <stdexcept>

namespace {

// A command that cannot be carried out as typed.
class EBefehl : public std::runtime_error
{
public:
    explicit EBefehl(const QString& text) : std::runtime_error(text.toStdString()) {}
};

int Nummer(const QString& text, const char* was)
{
    bool ok = false;
    const int nummer = text.toInt(&ok);
    if (!ok) throw EBefehl(QStringLiteral("%1 is not a number: %2").arg(was, text));
    return nummer;
}

void ErwarteArgumente(const QStringList& argumente, int anzahl, const char* gebrauch)
{
    if (argumente.size() != anzahl)
        throw EBefehl(QStringLiteral("usage: ") + QString::fromUtf8(gebrauch));
}

} // namespace

TBestimmungssitzung::TBestimmungssitzung(const QString& verzeichnis, QTextStream& ausgabe)
    : m_aus(ausgabe)
{
    // The statements run on the program's data directory, as in the window.
    SetupBlock.GlobalDir = QDir::cleanPath(verzeichnis);
    m_katalog = ErstelleKatalog(SetupBlock.GlobalDir);
    m_server = std::make_unique<TVerdan_Datenbankserver>(nullptr, nullptr, m_katalog.get(),
                                                         SetupBlock.GlobalDir);
    m_ebenen = std::make_unique<TVerdan_AbfrageListe>(*m_katalog, *m_server);
    m_zeile = std::make_unique<TVerdan_Bestimmungszeile>(*m_ebenen, *m_server);
}

TBestimmungssitzung::~TBestimmungssitzung() = default;

QStringList TBestimmungssitzung::Probleme() const
{
    return m_katalog->Probleme();
}

bool TBestimmungssitzung::Befehl(const QString& zeile)
{
    static const QRegularExpression leerraum(QStringLiteral("\\s+"));
    QStringList argumente = zeile.split(leerraum, Qt::SkipEmptyParts);
    if (argumente.isEmpty()) return true;
    const QString befehl = argumente.takeFirst();
    try {
        if (befehl == u"quit") return false;
        if (befehl == u"keys") {
            Schluessel();
        } else if (befehl == u"open") {
            Oeffne(argumente);
        } else if (befehl == u"criteria") {
            Kriterien();
        } else if (befehl == u"tick" || befehl == u"untick") {
            Ankreuzen(argumente, befehl == u"tick");
        } else if (befehl == u"german") {
            DeutscheNamen(argumente);
        } else if (befehl == u"sql") {
            Sql();
        } else if (befehl == u"list") {
            Liste();
        } else if (befehl == u"follow") {
            Folge(argumente);
        } else if (befehl == u"levels") {
            Ebenen();
        } else if (befehl == u"back") {
            Zurueck(argumente);
        } else if (befehl == u"describe") {
            Beschreibe(argumente);
        } else {
            throw EBefehl(QStringLiteral("unknown command: %1 (keys, open N, criteria, tick F I, "
                                         "untick F I, german on|off, sql, list, follow R, "
                                         "levels, back L, describe R, quit)")
                              .arg(befehl));
        }
    } catch (const EBefehl& e) {
        m_aus << "error: " << QString::fromUtf8(e.what()) << '\n';
    } catch (const EDatabaseError& e) {
        m_aus << "error: " << e.Message() << '\n';
    } catch (const EKR_Exception& e) {
        m_aus << "error: " << e.Message() << '\n';
    } catch (const std::exception& e) {
        m_aus << "error: " << QString::fromUtf8(e.what()) << '\n';
    }
    m_aus.flush();
    return true;
}

void TBestimmungssitzung::Schluessel()
{
    for (int nummer = 1; nummer <= m_katalog->Count(); ++nummer) {
        const TVerdan_KriterienGruppe* gruppe = m_katalog->GruppeNr(nummer);
        m_aus << QStringLiteral("%1  %2 (%3)\n").arg(nummer, 2).arg(gruppe->Titel, gruppe->Name);
    }
}

void TBestimmungssitzung::Oeffne(const TArgumente& argumente)
{
    ErwarteArgumente(argumente, 1, "open N");
    const int nummer = Nummer(argumente[0], "key");
    if (!m_katalog->GruppeVorhanden(nummer))
        throw EBefehl(QStringLiteral("no key %1 (1 to %2)").arg(nummer).arg(m_katalog->Count()));
    m_abfrage.Close();
    m_ebenen->AllesLoeschen();
    m_ebenen->NeueEbene(nummer, 0, 0, 0);
    DruckeVerschachtelung();
    AbfrageStarten();
}

TVerdan_FlagOutStruktur& TBestimmungssitzung::Struktur()
{
    TVerdan_FlagOutStruktur* struktur = m_ebenen->AktuelleStruktur();
    if (!struktur) throw EBefehl(QStringLiteral("no key is open (open N)"));
    return *struktur;
}

void TBestimmungssitzung::Kriterien()
{
    TVerdan_FlagOutStruktur& struktur = Struktur();
    m_aus << struktur.Titel << '\n';
    for (const TKR_FlagOutObjekt* kapitel : struktur) {
        if (!kapitel->Feld || !kapitel->Unterstruktur) continue;
        m_aus << QStringLiteral("%1 %2\n").arg(kapitel->Feld->Nummer, 3).arg(kapitel->Titel);
        int item = 0;
        for (const TKR_FlagOutObjekt* wert : *kapitel->Unterstruktur) {
            ++item;
            m_aus << QStringLiteral("      %1 [%2] %3\n")
                         .arg(item, 2)
                         .arg(wert->IstGewaehlt() ? QChar(u'x') : QChar(u' '))
                         .arg(wert->Titel);
        }
    }
}

// Criteria are numbered as fields of their key (as in selection lists), items from 1.
TVerdan_FlagOutObjekt& TBestimmungssitzung::Wert(const QString& feldText, const QString& itemText)
{
    TVerdan_FlagOutStruktur& struktur = Struktur();
    const int feld = Nummer(feldText, "criterion");
    const int item = Nummer(itemText, "item");
    for (TKR_FlagOutObjekt* kapitel : struktur) {
        if (!kapitel->Feld || kapitel->Feld->Nummer != feld || !kapitel->Unterstruktur) continue;
        auto* wert = dynamic_cast<TVerdan_FlagOutObjekt*>(kapitel->Unterstruktur->ObjektNr(item));
        if (!wert)
            throw EBefehl(QStringLiteral("criterion %1 has no item %2 (1 to %3)")
                              .arg(feld)
                              .arg(item)
                              .arg(kapitel->Unterstruktur->Count()));
        return *wert;
    }
    throw EBefehl(QStringLiteral("no criterion %1 in this key (see criteria)").arg(feld));
}

// As in the criteria panel: a criterion holds one ticked value, so ticking a value unticks
// the others of its criterion.
void TBestimmungssitzung::Ankreuzen(const TArgumente& argumente, bool gewaehlt)
{
    ErwarteArgumente(argumente, 2, gewaehlt ? "tick F I" : "untick F I");
    TVerdan_FlagOutObjekt& wert = Wert(argumente[0], argumente[1]);
    if (gewaehlt) {
        for (TKR_FlagOutObjekt* geschwister : *wert.Besitzer)
            geschwister->SetGewaehlt(false);
    }
    wert.SetGewaehlt(gewaehlt);
    AbfrageStarten();
}

void TBestimmungssitzung::DeutscheNamen(const TArgumente& argumente)
{
    ErwarteArgumente(argumente, 1, "german on|off");
    if (argumente[0] != u"on" && argumente[0] != u"off")
        throw EBefehl(QStringLiteral("usage: german on|off"));
    m_zeile->DeutscheNamen = argumente[0] == u"on";
    if (m_ebenen->LetzteEbene()) AbfrageStarten();
}

void TBestimmungssitzung::Sql()
{
    Struktur();
    TKR_Textus sql;
    m_ebenen->ErstelleSQL(0, sql, m_zeile->DeutscheNamen);
    for (const QString& zeile : sql)
        m_aus << zeile << '\n';
}

void TBestimmungssitzung::AbfrageStarten()
{
    m_aus << m_zeile->AbfrageStarten(m_abfrage) << '\n';
}

void TBestimmungssitzung::Liste()
{
    Struktur();
    if (!m_abfrage.Active()) throw EBefehl(QStringLiteral("the statement did not run"));
    const TField* name = m_abfrage.FindField(QStringLiteral("Bezeichnung"));
    for (int zeile = 1; zeile <= m_abfrage.RecordCount(); ++zeile) {
        const TDataSet::TRecordView ansicht(m_abfrage, zeile);
        m_aus
            << QStringLiteral("%1  %2\n").arg(zeile, 4).arg(name ? name->DisplayText() : QString());
    }
    m_aus << "Übrig bleiben: " << m_abfrage.RecordCount() << '\n';
}

void TBestimmungssitzung::GeheZuErgebniszeile(const QString& text)
{
    Struktur();
    const int zeile = Nummer(text, "row");
    const int anzahl = m_abfrage.Active() ? m_abfrage.RecordCount() : 0;
    if (zeile < 1 || zeile > anzahl)
        throw EBefehl(anzahl == 0 ? QStringLiteral("no rows")
                                  : QStringLiteral("no row %1 (1 to %2)").arg(zeile).arg(anzahl));
    m_abfrage.SetRecNo(zeile);
}

void TBestimmungssitzung::Folge(const TArgumente& argumente)
{
    ErwarteArgumente(argumente, 1, "follow R");
    GeheZuErgebniszeile(argumente[0]);
    const TVerdan_Folgeebene ziel = m_zeile->Folgeebene(m_abfrage);
    if (ziel.IstTaxon()) {
        DruckeBeschreibung();
        return;
    }
    m_zeile->OeffneEbene(ziel, m_abfrage);
    DruckeVerschachtelung();
    AbfrageStarten();
}

// As the nesting bar: the current level in capitals, then the levels it was reached from,
// then "Anfang"; below, the numbers that "back" takes.
void TBestimmungssitzung::DruckeVerschachtelung()
{
    QStringList titel;
    for (int ebene = m_ebenen->Count(); ebene >= 1; --ebene)
        titel << m_ebenen->RecordAt(ebene)->Struktur->Titel;
    if (!titel.isEmpty()) titel[0] = UpperCase(titel[0]);
    titel << QStringLiteral("Anfang");
    m_aus << titel.join(u'.') << '\n';
}

void TBestimmungssitzung::Ebenen()
{
    DruckeVerschachtelung();
    for (int nummer = m_ebenen->Count(); nummer >= 1; --nummer) {
        const TVerdan_AbfrageRecord* ebene = m_ebenen->RecordAt(nummer);
        QString zeile = QStringLiteral("%1  %2").arg(nummer, 2).arg(ebene->Struktur->Titel);
        if (ebene->Gattung > 0)
            zeile += QStringLiteral(" (Gattung: %1)").arg(m_server->GattungsName(ebene->Gattung));
        else if (ebene->Familie > 0)
            zeile += QStringLiteral(" (Familie: %1)").arg(m_server->FamilienName(ebene->Familie));
        if (nummer == m_ebenen->Count())
            zeile += QStringLiteral("  [current]");
        else
            zeile += QStringLiteral("  [from row %1]").arg(ebene->Zeile);
        m_aus << zeile << '\n';
    }
    m_aus << " 0  Anfang\n";
}

void TBestimmungssitzung::Zurueck(const TArgumente& argumente)
{
    ErwarteArgumente(argumente, 1, "back L");
    const int nummer = Nummer(argumente[0], "level");
    if (nummer < 0 || nummer > m_ebenen->Count())
        throw EBefehl(
            QStringLiteral("no level %1 (0 to %2, see levels)").arg(nummer).arg(m_ebenen->Count()));
    if (nummer == 0) {
        m_abfrage.Close();
        m_ebenen->AllesLoeschen();
        m_aus << "Anfang\n";
        return;
    }
    if (nummer == m_ebenen->Count())
        throw EBefehl(QStringLiteral("level %1 is the current level").arg(nummer));

    TVerdan_AbfrageRecord* ebene = m_ebenen->RecordAt(nummer);
    m_ebenen->ResetToEbene(ebene);
    DruckeVerschachtelung();
    AbfrageStarten();
    TVerdan_Bestimmungszeile::GeheZuZeile(m_abfrage, ebene->Zeile);
    if (m_abfrage.RecNo() > 0) {
        const TField* name = m_abfrage.FindField(QStringLiteral("Bezeichnung"));
        m_aus << QStringLiteral("row %1: %2\n")
                     .arg(m_abfrage.RecNo())
                     .arg(name ? name->DisplayText() : QString());
    }
}

void TBestimmungssitzung::Beschreibe(const TArgumente& argumente)
{
    ErwarteArgumente(argumente, 1, "describe R");
    GeheZuErgebniszeile(argumente[0]);
    DruckeBeschreibung();
}

void TBestimmungssitzung::DruckeBeschreibung()
{
    TKR_HtmlDesigner dokument;
    m_zeile->SchreibeBeschreibung(m_abfrage, dokument);
    dokument.SetFragment(true);
    TKR_Textus zeilen;
    dokument.WriteHtml(zeilen);
    for (const QString& zeile : zeilen)
        m_aus << zeile << '\n';
}
