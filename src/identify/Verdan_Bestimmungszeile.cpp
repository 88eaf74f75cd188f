#include "identify/Verdan_Bestimmungszeile.h"

#include "app/KR_MYSYS.h"
#include "app/Kr_str.h"
#include "data/KR_TEXT.h"
#include "data/Verdan_BdBServer.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "html/Kr_html.h"
#include "key/Verdan_Abfrageliste.h"
#include "key/Verdan_Definition.h"
#include "key/Verdan_Flagoutstuktur.h"
#include "platform/Query.h"

#include <exception>

namespace {

constexpr int BezeichnungBreite = 60;

const QString Bezeichnung = QStringLiteral("Bezeichnung");

// The result columns the window reads but never shows.
const QStringList VerborgeneSpalten = {QStringLiteral("Gattung"), QStringLiteral("Deutsch"),
                                       QStringLiteral("Gruppe"),  QStringLiteral("Sippen"),
                                       QStringLiteral("FN"),      QStringLiteral("GN"),
                                       QStringLiteral("GN_SN"),   QStringLiteral("ID")};

int Zahl(const TDataSet& ergebnis, const QString& spalte)
{
    const TField* feld = ergebnis.FindField(spalte);
    return feld ? feld->AsInteger() : 0;
}

QString Text(const TDataSet& ergebnis, const QString& spalte)
{
    const TField* feld = ergebnis.FindField(spalte);
    return feld ? feld->AsString() : QString();
}

// " männlich" or " weiblich" when the name says so after its first letter (a name that
// begins with the word is a species named so, not one sex of it).
QString Geschlecht(const QString& bezeichnung)
{
    const QString gross = UpperCase(bezeichnung);
    if (gross.indexOf(QStringLiteral("MÄNNLICH")) > 0) return QStringLiteral(" männlich");
    if (gross.indexOf(QStringLiteral("WEIBLICH")) > 0) return QStringLiteral(" weiblich");
    return {};
}

// An epithet stored without its genus: a lower-case letter or an opening bracket first.
bool BeginntOhneGattung(const QString& text)
{
    if (text.isEmpty()) return false;
    const QChar erstes = text.front();
    return erstes == u'(' || UpCaseChar(erstes) != erstes;
}

} // namespace

TVerdan_Bestimmungszeile::TVerdan_Bestimmungszeile(TVerdan_AbfrageListe& ebenen,
                                                   TVerdan_Datenbankserver& server)
    : m_ebenen(&ebenen), m_server(&server)
{}

TVerdan_Benutzerdatenbank& TVerdan_Bestimmungszeile::Katalog() const
{
    return m_ebenen->Katalog();
}

int TVerdan_Bestimmungszeile::AktuelleSchluesselnummer() const
{
    return m_ebenen->AktuelleNummer();
}

TVerdan_Zeilenwerte TVerdan_Bestimmungszeile::LeseZeile(const TDataSet& ergebnis, bool alle,
                                                        bool synonymBevorzugt) const
{
    TVerdan_Zeilenwerte zeile;
    zeile.Taxon = Zahl(ergebnis, QStringLiteral("ID"));
    const QString gruppe = Text(ergebnis, QStringLiteral("Gruppe"));
    if (!gruppe.isEmpty()) {
        if (const TVerdan_KriterienGruppe* ziel = Katalog().GruppeMitName(gruppe))
            zeile.Gruppe = ziel->Nummer;
    }
    const TVerdan_KriterienGruppe* schluessel = m_ebenen->AktuelleGruppe();
    if (!schluessel) return zeile;
    if (alle || schluessel->MitGN) {
        zeile.Gattung = Zahl(ergebnis, QStringLiteral("GN"));
        const int synonymZiel = Zahl(ergebnis, QStringLiteral("GN_SN"));
        if (synonymBevorzugt && synonymZiel > 0) zeile.Gattung = synonymZiel;
    }
    if (alle || schluessel->MitFN) zeile.Familie = Zahl(ergebnis, QStringLiteral("FN"));
    return zeile;
}

QString TVerdan_Bestimmungszeile::Gattungsname(int gattung)
{
    if (DeutscheNamen) {
        const QString deutsch = m_server->DeutscherGattungsName(gattung);
        if (!deutsch.isEmpty()) return deutsch;
    }
    return m_server->GattungsName(gattung);
}

QString TVerdan_Bestimmungszeile::Familienname(int familie)
{
    if (DeutscheNamen) {
        const QString deutsch = m_server->DeutscherFamilienName(familie);
        if (!deutsch.isEmpty()) return deutsch;
    }
    return m_server->FamilienName(familie);
}

// The German name of the row: for a taxon outside the family and genus lists its German
// species name (with the sex it names, and the scientific name in brackets); for any other
// row the German genus name with the row's own name in brackets, else the German text the
// statement selected.
QString TVerdan_Bestimmungszeile::DeutscherText(const TDataSet& ergebnis,
                                                const TVerdan_Zeilenwerte& zeile,
                                                const QString& eigenerText)
{
    const int schluessel = AktuelleSchluesselnummer();
    const QString bezeichnung = Text(ergebnis, Bezeichnung);
    QString text;
    if (zeile.Taxon == 0 || schluessel == VerdanSchluessel::Familien ||
        schluessel == VerdanSchluessel::Gattungsliste) {
        if (zeile.Gattung > 0) text = m_server->DeutscherGattungsName(zeile.Gattung);
        if (!text.isEmpty() && !bezeichnung.isEmpty())
            text += QStringLiteral(" (") + bezeichnung + QStringLiteral(") ");
        if (text.isEmpty() && ergebnis.FindField(QStringLiteral("Deutsch")))
            text = GetToken(QStringLiteral("/"), 1, Text(ergebnis, QStringLiteral("Deutsch")));
    } else {
        const QString wissenschaftlich = m_server->ArtName(zeile.Taxon);
        text = m_server->DeutscherArtName(zeile.Taxon) + Geschlecht(bezeichnung);
        if (!wissenschaftlich.isEmpty()) text += QStringLiteral(" (") + wissenschaftlich + u')';
        if (text.isEmpty()) text = eigenerText;
    }
    return TrimSpaces(text);
}

QString TVerdan_Bestimmungszeile::MitGattungDavor(const QString& text,
                                                  const TVerdan_Zeilenwerte& zeile)
{
    if (!BeginntOhneGattung(text)) return text;
    if (zeile.Taxon > 0) return TrimSpaces(m_server->GattungsNameDerArt(zeile.Taxon) + u' ' + text);
    // Without a taxon number, a level above the first is a genus key titled by its genus.
    if (m_ebenen->Count() > 1) return TrimSpaces(m_ebenen->AktuelleStruktur()->Titel + u' ' + text);
    return text;
}

// In the group, family and genus lists a row that leads on shows only its target's name and
// the arrow; elsewhere the arrow and the target's name follow the row's own name.
QString TVerdan_Bestimmungszeile::MitPfeilZumZiel(const QString& text,
                                                  const TVerdan_Zeilenwerte& zeile)
{
    if (zeile.Gruppe <= 0 && zeile.Gattung <= 0 && zeile.Familie <= 0) return text;
    const int schluessel = AktuelleSchluesselnummer();
    // A family row of the family key is named by its family, whatever else it carries.
    const bool familienZeile = schluessel == VerdanSchluessel::Familien && zeile.Familie > 0;
    QString ergebnis = text + QStringLiteral("  -> ");
    if (zeile.Gattung > 0 && !familienZeile) {
        const QString name = Gattungsname(zeile.Gattung);
        if (schluessel == VerdanSchluessel::Gattungsliste) return name + QStringLiteral(" -> ");
        if (!name.isEmpty()) ergebnis += name + u' ';
    } else if (zeile.Gruppe > 0 && !familienZeile) {
        const QString name = m_server->GruppenName(zeile.Gruppe, DeutscheNamen);
        if (schluessel == VerdanSchluessel::Gruppenliste) return name + QStringLiteral(" -> ");
        if (!name.isEmpty()) ergebnis += name + u' ';
    } else if (zeile.Familie > 0) {
        const QString name = Familienname(zeile.Familie);
        if (!name.isEmpty()) {
            if (schluessel == VerdanSchluessel::Familien) return name + QStringLiteral(" ->  ");
            ergebnis += name + u' ';
        }
    }
    return ergebnis;
}

QString TVerdan_Bestimmungszeile::BezeichnungGetText(const TField& bezeichnung, const QString& text)
{
    const TDataSet& ergebnis = *bezeichnung.DataSet();
    const TVerdan_Zeilenwerte zeile = LeseZeile(ergebnis, true, false);

    QString anzeige = DeutscheNamen ? DeutscherText(ergebnis, zeile, text) : text;
    anzeige = MitGattungDavor(anzeige, zeile);
    anzeige = MitPfeilZumZiel(anzeige, zeile);

    const QString sippen = Text(ergebnis, QStringLiteral("Sippen"));
    if (!sippen.isEmpty()) {
        anzeige = TrimSpaces(anzeige);
        if (!anzeige.isEmpty() && !anzeige.endsWith(u'>')) anzeige += QStringLiteral(" ;");
        anzeige = TrimSpaces(anzeige) + u' ' + sippen;
    }
    return TrimSpaces(anzeige);
}

TVerdan_Folgeebene TVerdan_Bestimmungszeile::Folgeebene(const TDataSet& ergebnis) const
{
    const TVerdan_Zeilenwerte zeile = LeseZeile(ergebnis, false, true);
    if (zeile.Gruppe > 0) return {zeile.Gruppe, zeile.Gattung, 0};
    if (zeile.Gattung > 0) return {VerdanSchluessel::Grundtabelle, zeile.Gattung, 0};
    if (zeile.Familie > 0) return {VerdanSchluessel::Grundtabelle, 0, zeile.Familie};
    return {};
}

void TVerdan_Bestimmungszeile::SchreibeBeschreibung(const TDataSet& ergebnis,
                                                    TKR_HtmlDesigner& dokument)
{
    const TVerdan_Zeilenwerte zeile = LeseZeile(ergebnis, false, false);
    const int schluessel = AktuelleSchluesselnummer();
    TKR_Textus sql;
    TKR_Textus hilfen;
    if (zeile.Taxon >= 1) {
        m_ebenen->ErstelleSQL(zeile.Taxon, sql, DeutscheNamen);
        m_server->SammleBestimmungshilfen(schluessel, &sql, &hilfen);
        m_server->ArtBeschreibung(zeile.Taxon, &hilfen, dokument);
        m_server->SchluesselMerkmale(m_ebenen->AktuelleGruppe(), zeile.Taxon, dokument);
    } else if (zeile.Gattung >= 1) {
        m_server->GattungsBeschreibung(zeile.Gattung, dokument);
    } else if (zeile.Familie >= 1) {
        m_ebenen->ErstelleSQL(zeile.Familie, sql, DeutscheNamen);
        m_server->SammleBestimmungshilfen(schluessel, &sql, &hilfen);
        m_server->FamilienBeschreibung(zeile.Familie, &hilfen, dokument);
    } else if (zeile.Gruppe < 1) {
        dokument.SmallOn();
        dokument.StrongOn();
        dokument.AddText(QStringLiteral("Keine Art ausgewählt"));
        dokument.StrongOff();
        dokument.AddText(QString());
        dokument.AddText(QStringLiteral(
            "Der aktuelle Datensatz ist keine Pflanzenart sondern kennzeichnet eine "
            "untergeordnete Artgruppe. Mit einem Doppelklick auf diesen Datensatz öffnen Sie "
            "diese Artgruppe "));
        dokument.SmallOff();
    } else {
        m_server->GruppenBeschreibung(Katalog().GruppeNr(zeile.Gruppe), dokument);
    }
}

QString TVerdan_Bestimmungszeile::AbfrageStarten(TQuery& abfrage)
{
    TKR_Textus sql;
    m_ebenen->ErstelleSQL(0, sql, DeutscheNamen);
    if (sql.Count() == 0) return {};
    QStringList zeilen;
    sql.ToStrings(zeilen);

    abfrage.Close();
    abfrage.SetDatabaseName(SetupBlock.GlobalDir);
    abfrage.SetSQL(zeilen);
    abfrage.Open();

    if (TField* name = abfrage.FindField(Bezeichnung)) {
        name->OnGetText = [this](TField& feld, QString& text, bool) {
            // The grid asks while it paints: a failing lookup must not take it down, so
            // the row then keeps its own name.
            try {
                text = BezeichnungGetText(feld, text);
            } catch (const std::exception&) {
            }
        };
        name->SetDisplayWidth(BezeichnungBreite);
        name->SetIndex(0);
    }
    for (const QString& spalte : VerborgeneSpalten) {
        if (TField* feld = abfrage.FindField(spalte)) feld->SetVisible(false);
    }
    return QStringLiteral("Übrig bleiben: ") + QString::number(abfrage.RecordCount());
}

void TVerdan_Bestimmungszeile::OeffneEbene(const TVerdan_Folgeebene& ziel, const TDataSet& ergebnis)
{
    const int zeile = ergebnis.Active() ? ergebnis.RecNo() : 0;
    m_ebenen->NeueEbene(ziel.Schluessel, ziel.Gattung, ziel.Familie, zeile);
}

void TVerdan_Bestimmungszeile::GeheZuZeile(TDataSet& ergebnis, int zeile)
{
    if (zeile <= 0 || !ergebnis.Active()) return;
    try {
        ergebnis.First();
        ergebnis.MoveBy(zeile - 1);
    } catch (const std::exception&) {
    }
}

TVerdan_Suche TVerdan_Bestimmungszeile::SucheBezeichnung(TDataSet& ergebnis,
                                                         const QString& suchtext)
{
    const QString gesucht = UpperCase(suchtext);
    if (gesucht.isEmpty() || !ergebnis.Active()) return TVerdan_Suche::Nichts;
    const TField* name = ergebnis.FindField(Bezeichnung);
    if (!name) return TVerdan_Suche::Nichts;

    ergebnis.DisableControls();
    const TBookmark vorher = ergebnis.GetBookmark();
    TVerdan_Suche ergebnisDerSuche = TVerdan_Suche::NichtGefunden;
    try {
        for (ergebnis.First(); !ergebnis.Eof(); ergebnis.Next()) {
            if (UpperCase(BezeichnungGetText(*name, name->AsString())).startsWith(gesucht)) {
                ergebnisDerSuche = TVerdan_Suche::Gefunden;
                break;
            }
        }
        if (ergebnisDerSuche == TVerdan_Suche::NichtGefunden && !vorher.IsNull())
            ergebnis.GotoBookmark(vorher);
    } catch (const std::exception&) {
        ergebnisDerSuche = TVerdan_Suche::Nichts;
    }
    ergebnis.EnableControls();
    return ergebnisDerSuche;
}
