#include "data/Verdan_BdBServer.h"

#include "app/Kr_str.h"
#include "data/KR_TEXT.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "html/Kr_html.h"
#include "key/Verdan_Definition.h"
#include "key/Verdan_Kriteriengruppe.h"
#include "platform/Schema.h"

#include <exception>
#include <memory>

namespace {

const QString PrimaerIndex;
const QString FamilienIndex = QStringLiteral("Familienliste_FN_IX");
const QString GattungsSynonymIndex = QStringLiteral("Gattungsliste_GN_SN_IX");
const QString RelIdFeld = QStringLiteral("RelID");

const QString FamilienHinweis = QStringLiteral(
    "Im Regelfall verweist eine Familie auf eine weiterführenden Tabelle, Sie können mit einem "
    "Doppelklick auf den gewählten Datensatz in diese weiterführenden Tabelle wechseln");
const QString GattungsHinweis = QStringLiteral(
    "Im Regelfall verweist eine Gattung auf eine weiterführenden Tabelle  bzw. auf eine "
    "Selektion dieser Gattung innerhalb der Blütenpflanzen. Sie können mit einem Doppelklick "
    "auf den gewählten Datensatz in diese weiterführenden Bereich wechseln");
const QString GruppenHinweis = QStringLiteral(
    "Eine Gruppe verweist immer auf eine weiterführenden Tabelle. Sie können mit einem "
    "Doppelklick auf den gewählten Datensatz in diese weiterführenden Tabelle wechseln");

// Raises the engine's field-not-found error when the table has no such column.
QString Text(const TDataSet& daten, const QString& spalte)
{
    return daten.FieldByName(spalte)->AsString();
}

// Switching the index re-reads the table's order, which the name lookups of a result grid
// must not pay for every row: the switch is left out when the table already runs on the
// index without a range.
void WaehleIndex(TTable& tabelle, const QString& indexName)
{
    if (tabelle.IndexFieldNames().isEmpty() && SameName(tabelle.IndexName(), indexName) &&
        !tabelle.Ranged())
        return;
    tabelle.SetIndexName(indexName);
}

void AmEndeAnfuegen(TKR_Textus& zeilen, const QString& zeile)
{
    if (zeilen.Count() > 0) zeilen.Last();
    zeilen.AddLine(zeile);
}

// An aid that an earlier one begins with, letter case aside, says nothing new.
void NimmHilfeAuf(TKR_Textus& hilfen, const QString& zeile)
{
    if (zeile.isEmpty() || hilfen.FindPrefix(zeile, true) > 0) return;
    AmEndeAnfuegen(hilfen, zeile);
}

void SchreibeHilfen(const TKR_Textus* hilfen, TKR_HtmlDesigner& designer)
{
    if (!hilfen || hilfen->Count() == 0) return;
    try {
        designer.StrongOn();
        designer.AddText(QStringLiteral("Bestimmungshilfen:"));
        designer.StrongOff();
        designer.AddHtml(QStringLiteral("<ul>"));
        for (const QString& hilfe : *hilfen)
            designer.AddHtml(QStringLiteral("<li>") + hilfe + QStringLiteral("</li>"));
        designer.AddHtml(QStringLiteral("</ul>"));
        designer.AddText(QString());
    } catch (const std::exception&) {
        // The aids are an extra; the description goes on without them.
    }
}

void SchreibeHinweis(TKR_HtmlDesigner& designer, const QString& hinweis)
{
    designer.StrongOn();
    designer.AddText(QStringLiteral("Hinweis:"));
    designer.StrongOff();
    designer.AddText(hinweis);
    designer.SmallOff();
}

// "caption: value" lines under a heading that stands before the first of them only; empty
// values write nothing.
class TZeilenMitUeberschrift
{
public:
    TZeilenMitUeberschrift(TKR_HtmlDesigner& designer, QString ueberschrift, bool leerzeileDavor)
        : m_designer(designer), m_ueberschrift(std::move(ueberschrift)),
          m_leerzeileDavor(leerzeileDavor)
    {}

    void Zeile(const QString& titel, const QString& wert)
    {
        if (wert.isEmpty()) return;
        if (!m_begonnen) {
            if (m_leerzeileDavor) m_designer.AddText(QString());
            m_designer.StrongOn();
            m_designer.AddText(m_ueberschrift);
            m_designer.StrongOff();
            m_begonnen = true;
        }
        m_designer.AddText(titel + QStringLiteral(": ") + wert);
    }
    bool Begonnen() const { return m_begonnen; }

private:
    TKR_HtmlDesigner& m_designer;
    QString m_ueberschrift;
    bool m_leerzeileDavor;
    bool m_begonnen = false;
};

// "h1 - h2  m" (two blanks, as the heights were always written) with both heights, else the
// one there is with its unit; empty with neither.
QString Hoehe(const QString& h1, const QString& h2)
{
    const QString einheit = QStringLiteral(" ") + QStringLiteral(" m");
    if (!h1.isEmpty() && !h2.isEmpty()) return h1 + QStringLiteral(" - ") + h2 + einheit;
    if (h1.isEmpty() && h2.isEmpty()) return {};
    return TrimSpaces(h1 + QStringLiteral(" ") + h2 + einheit);
}

QString Bluetezeit(const QString& b1, const QString& b2)
{
    if (!b1.isEmpty() && !b2.isEmpty()) return b1 + QStringLiteral(" - ") + b2;
    return TrimSpaces(b1 + QStringLiteral(" ") + b2);
}

} // namespace

TVerdan_Datenbankserver::TVerdan_Datenbankserver(QObject* owner, QObject* translator,
                                                 TVerdan_Benutzerdatenbank* benutzerdatenbank,
                                                 const QString& databaseName)
    : TBDB_SERVER(owner, translator, benutzerdatenbank, databaseName)
{}

// A table that cannot be opened is not kept, so that the next request tries again and
// raises the same error instead of handing out a closed table.
void TVerdan_Datenbankserver::OpenTable(int nummer)
{
    if (nummer < 1 || nummer > MaxSchluessel) {
        TBDB_SERVER::OpenTable(nummer);
        return;
    }
    TBDB_Table*& slot = GetAccess(nummer);
    if (slot) return;
    auto tabelle = std::make_unique<TVerdanBDB_Table>(this, nummer);
    tabelle->SetTableName(Benutzerdatenbank()->GruppeNr(nummer)->GetTabellenName());
    ApplySessionDaten(SessionDaten(), tabelle.get());
    tabelle->SetReadOnly(true);
    tabelle->Open();
    slot = tabelle.release();
}

// An empty species table holds no taxon, whatever number is asked for.
bool TVerdan_Datenbankserver::Locate(int id)
{
    TTable& arten = Tabelle(VerdanSchluessel::Arten);
    if (arten.IsEmpty()) return false;
    if (arten.FieldByName(QStringLiteral("ID"))->AsInteger() == id) return true;
    return arten.FindKey({id});
}

QString TVerdan_Datenbankserver::Bezeichnungsspalte(int nummer)
{
    TVerdan_KriterienGruppe* gruppe = Benutzerdatenbank()->GruppeNr(nummer);
    return gruppe ? gruppe->SpalteBezeichnung : QString();
}

QString TVerdan_Datenbankserver::NameAusListe(int nummer, const QString& indexName, int schluessel)
{
    TTable& liste = Tabelle(nummer);
    WaehleIndex(liste, indexName);
    if (!liste.FindKey({schluessel})) return {};
    const QString spalte = Bezeichnungsspalte(nummer);
    const TField* feld = spalte.isEmpty() ? nullptr : liste.FindField(spalte);
    return feld ? feld->AsString() : QString();
}

QString TVerdan_Datenbankserver::DeutscherNameAusListe(int nummer, const QString& indexName,
                                                       int schluessel, const QString& spalte)
{
    TTable& liste = Tabelle(nummer);
    WaehleIndex(liste, indexName);
    return liste.FindKey({schluessel}) ? Text(liste, spalte) : QString();
}

QString TVerdan_Datenbankserver::FamilienName(int familie)
{
    return NameAusListe(VerdanSchluessel::Familienliste, FamilienIndex, familie);
}

QString TVerdan_Datenbankserver::DeutscherFamilienName(int familie)
{
    return DeutscherNameAusListe(VerdanSchluessel::Familienliste, FamilienIndex, familie,
                                 QStringLiteral("D-Familie"));
}

QString TVerdan_Datenbankserver::GattungsName(int gattung)
{
    return NameAusListe(VerdanSchluessel::Gattungsliste, PrimaerIndex, gattung);
}

QString TVerdan_Datenbankserver::DeutscherGattungsName(int gattung)
{
    return DeutscherNameAusListe(VerdanSchluessel::Gattungsliste, PrimaerIndex, gattung,
                                 QStringLiteral("D-Gattung"));
}

QString TVerdan_Datenbankserver::GattungsNameDerArt(int id)
{
    if (!Locate(id)) return {};
    return GattungsName(
        Tabelle(VerdanSchluessel::Arten).FieldByName(QStringLiteral("GN"))->AsInteger());
}

QString TVerdan_Datenbankserver::GruppenName(int nummer, bool deutsch)
{
    TVerdan_KriterienGruppe* gruppe = Benutzerdatenbank()->GruppeNr(nummer);
    if (!gruppe) return {};
    TTable& gruppen = Tabelle(VerdanSchluessel::Gruppenliste);
    if (!gruppen.FindKey({gruppe->GetName()})) return {};
    if (deutsch) {
        if (const TField* feld = gruppen.FindField(QStringLiteral("D-Gruppe")))
            return feld->AsString();
    }
    const TField* feld = gruppen.FindField(QStringLiteral("Gruppe"));
    return feld ? feld->AsString() : QString();
}

QString TVerdan_Datenbankserver::ArtName(int id)
{
    if (!Locate(id)) return {};
    const TTable& arten = Tabelle(VerdanSchluessel::Arten);
    QString name = Text(arten, QStringLiteral("Gattung")) + u' ' +
                   Text(arten, QStringLiteral("Art")) + u' ' +
                   Text(arten, QStringLiteral("Unterart"));
    name.remove(u'*');
    name.remove(u'?');
    return TrimSpaces(name);
}

QString TVerdan_Datenbankserver::DeutscherArtName(int id)
{
    if (!Locate(id)) return {};
    return TrimSpaces(Text(Tabelle(VerdanSchluessel::Arten), QStringLiteral("Deutsch")));
}

void TVerdan_Datenbankserver::SammleBestimmungshilfen(int nummer, const TKR_Textus* sql,
                                                      TKR_Textus* hilfen)
{
    if (!hilfen) return;
    hilfen->Clear();
    try {
        TKR_Query abfrage;
        ApplySessionDaten(SessionDaten(), &abfrage);
        QStringList zeilen;
        if (sql) sql->ToStrings(zeilen);
        abfrage.SetSQL(zeilen);
        abfrage.Open();
        if (abfrage.IsEmpty()) return;
        try {
            TTable& tabelle = Tabelle(nummer);
            if (!SameName(tabelle.IndexFieldNames(), RelIdFeld) || tabelle.Ranged())
                tabelle.SetIndexFieldNames(RelIdFeld);
            if (!tabelle.Active()) tabelle.Open();
            TVerdan_KriterienGruppe* gruppe = Benutzerdatenbank()->GruppeNr(nummer);
            const TField& relId = *abfrage.FieldByName(RelIdFeld);
            for (abfrage.First(); !abfrage.Eof(); abfrage.Next()) {
                if (!relId.IsNull() && tabelle.FindKey({relId.Value()}))
                    SammleZeile(tabelle, gruppe, *hilfen);
            }
        } catch (const std::exception&) {
            // A row that cannot be read ends the collection; the aids found so far stay.
        }
    } catch (const std::exception&) {
        hilfen->Clear();
    }
}

void TVerdan_Datenbankserver::SammleZeile(TTable& tabelle, TVerdan_KriterienGruppe* gruppe,
                                          TKR_Textus& hilfen)
{
    const TField* bestimmung = tabelle.FindField(QStringLiteral("Bestimmung"));
    if (bestimmung && bestimmung->DataType() == TFieldType::Memo && !bestimmung->IsNull())
        NimmHilfeAuf(hilfen, bestimmung->AsString());
    if (!gruppe) return;
    for (TKR_DatenBankFeld* basis : *gruppe) {
        const auto* feld = dynamic_cast<const TVerdan_DatenBankFeld*>(basis);
        if (!feld || !feld->NurInfo) continue;
        const QString wert = Text(tabelle, feld->Code);
        if (wert.isEmpty()) continue;
        QString zeile = feld->GetAnzeigeTitel() + QStringLiteral(": ") + wert;
        if (!feld->Einheit.isEmpty()) zeile += u' ' + feld->Einheit;
        NimmHilfeAuf(hilfen, TrimSpaces(zeile));
    }
}

bool TVerdan_Datenbankserver::ArtBeschreibung(int id, const TKR_Textus* hilfen,
                                              TKR_HtmlDesigner& designer)
{
    if (!Locate(id)) return true;
    TTable& arten = Tabelle(VerdanSchluessel::Arten);
    const QString familie = FamilienName(arten.FieldByName(QStringLiteral("FN"))->AsInteger());
    designer.StrongOn();
    designer.AddHtml(ArtName(id));
    designer.StrongOff();
    designer.SmallOn();
    if (!familie.isEmpty()) designer.AddText(QStringLiteral(" - ") + familie);
    // The emphasis pair stands even without a synonym.
    designer.EmOn();
    const QString synonym = Text(arten, QStringLiteral("Synonym"));
    if (!synonym.isEmpty()) designer.AddText(QStringLiteral("Synonym: ") + synonym);
    designer.EmOff();
    const QString deutsch = Text(arten, QStringLiteral("Deutsch"));
    if (!deutsch.isEmpty()) designer.AddText(deutsch);
    designer.AddText(QString());
    SchreibeHilfen(hilfen, designer);
    SchreibeKurztext(arten, designer);
    SchreibeBeschreibungszeilen(arten, designer);
    designer.SmallOff();
    return true;
}

void TVerdan_Datenbankserver::SchreibeKurztext(TTable& arten, TKR_HtmlDesigner& designer)
{
    try {
        const TField* memo = arten.FieldByName(QStringLiteral("AT_Beschreibung"));
        if (memo->DataType() != TFieldType::Memo) return;
        TKR_DBTextus zeilen;
        zeilen.ReadMemo(memo->AsBytes());
        if (zeilen.Count() == 0) return;
        designer.StrongOn();
        designer.AddText(QStringLiteral("Kurztext:"));
        designer.StrongOff();
        // Lines that end a sentence or a clause keep their own mark instead of the joint's.
        QString text = zeilen.Join(QStringLiteral("; "));
        text.replace(QStringLiteral(".;"), QStringLiteral("."));
        text.replace(QStringLiteral(",;"), QStringLiteral(","));
        designer.AddText(TrimSpaces(text));
        designer.AddSpace();
    } catch (const std::exception&) {
        // A species without a readable short text is described without it.
    }
}

void TVerdan_Datenbankserver::SchreibeBeschreibungszeilen(TTable& arten, TKR_HtmlDesigner& designer)
{
    TZeilenMitUeberschrift zeilen(designer, QStringLiteral("Beschreibung"), false);
    const auto kriterium = [&](int nummer) {
        const TVerdan_DatenBankFeld* feld =
            Benutzerdatenbank()->FeldNr(VerdanSchluessel::Arten, nummer);
        if (feld)
            zeilen.Zeile(feld->GetAnzeigeTitel(), feld->CodesAlsText(Text(arten, feld->Code)));
    };
    try {
        kriterium(1);
        zeilen.Zeile(QStringLiteral("Höhe"), Hoehe(Text(arten, QStringLiteral("Höhe 1")),
                                                   Text(arten, QStringLiteral("Höhe 2"))));
        zeilen.Zeile(QStringLiteral("Blütezeit"),
                     Bluetezeit(Text(arten, QStringLiteral("BlüteZeit 1")),
                                Text(arten, QStringLiteral("BlüteZeit 2"))));
        for (int nummer : {2, 3, 4})
            kriterium(nummer);
        zeilen.Zeile(QStringLiteral("Ellenberg Häufigkeit"),
                     Text(arten, QStringLiteral("Häufigkeit")));
        zeilen.Zeile(QStringLiteral("Rote Liste"), Text(arten, QStringLiteral("Rote Liste")));
    } catch (const std::exception&) {
        // A missing column ends the description lines; what was written stays.
    }
}

bool TVerdan_Datenbankserver::FamilienBeschreibung(int familie, const TKR_Textus* hilfen,
                                                   TKR_HtmlDesigner& designer)
{
    TTable& familien = Tabelle(VerdanSchluessel::Familienliste);
    WaehleIndex(familien, FamilienIndex);
    if (familien.FindKey({familie})) {
        designer.StrongOn();
        designer.AddText(Text(familien, Bezeichnungsspalte(VerdanSchluessel::Familienliste)));
        designer.StrongOff();
        designer.SmallOn();
        designer.AddText(Text(familien, QStringLiteral("D-Familie")));
        const QString synonym = Text(familien, QStringLiteral("Synonym"));
        if (!synonym.isEmpty()) {
            designer.EmOn();
            designer.AddText(synonym);
            designer.EmOff();
        }
    }
    designer.AddText(QString());
    SchreibeHilfen(hilfen, designer);
    SchreibeHinweis(designer, FamilienHinweis);
    return true;
}

bool TVerdan_Datenbankserver::GattungsBeschreibung(int gattung, TKR_HtmlDesigner& designer)
{
    TTable& gattungen = Tabelle(VerdanSchluessel::Gattungsliste);
    WaehleIndex(gattungen, PrimaerIndex);
    if (gattungen.FindKey({gattung})) {
        const QString name = Text(gattungen, Bezeichnungsspalte(VerdanSchluessel::Gattungsliste));
        designer.StrongOn();
        designer.AddHtml(name);
        designer.StrongOff();
        designer.SmallOn();
        const int familie = gattungen.FieldByName(QStringLiteral("FN"))->AsInteger();
        designer.AddText(familie < 1
                             ? QString()
                             : QStringLiteral(" (") + FamilienName(familie) + QStringLiteral(")"));
        SchreibeGattungsnamen(gattungen, gattung, name, designer);
    }
    designer.AddText(QString());
    SchreibeHinweis(designer, GattungsHinweis);
    return true;
}

// The German names of every row of the genus number, each once, and the other scientific
// names after "s. ". Leaves the table on the synonym index without a range.
void TVerdan_Datenbankserver::SchreibeGattungsnamen(TTable& gattungen, int gattung,
                                                    const QString& eigenerName,
                                                    TKR_HtmlDesigner& designer)
{
    const QString deutschSpalte = QStringLiteral("D-Gattung");
    const QString namensSpalte = Bezeichnungsspalte(VerdanSchluessel::Gattungsliste);
    TKR_Textus deutsch;
    deutsch.AddLine(Text(gattungen, deutschSpalte));
    TKR_Textus synonyme;
    gattungen.SetIndexName(GattungsSynonymIndex);
    try {
        gattungen.SetRange({gattung}, {gattung});
        for (gattungen.First(); !gattungen.Eof(); gattungen.Next()) {
            const QString deutscherName = Text(gattungen, deutschSpalte);
            if (!deutscherName.isEmpty() && deutsch.FindLine(deutscherName, false) == 0)
                AmEndeAnfuegen(deutsch, deutscherName);
            const QString name = Text(gattungen, namensSpalte);
            if (name != eigenerName) AmEndeAnfuegen(synonyme, name);
        }
    } catch (const std::exception&) {
        // The names found so far are written.
    }
    gattungen.CancelRange();
    designer.AddText(deutsch.Join(QStringLiteral(", ")));
    if (synonyme.Count() > 0) {
        designer.EmOn();
        designer.AddText(QStringLiteral("s. ") + synonyme.Join(QStringLiteral(", ")));
        designer.EmOff();
    }
}

bool TVerdan_Datenbankserver::GruppenBeschreibung(TVerdan_KriterienGruppe* gruppe,
                                                  TKR_HtmlDesigner& designer)
{
    if (!gruppe) return true;
    designer.StrongOn();
    designer.AddText(QStringLiteral("Gruppe ") + gruppe->Titel);
    designer.StrongOff();
    designer.SmallOn();
    TTable& gruppen = Tabelle(VerdanSchluessel::Gruppenliste);
    if (gruppen.FindKey({gruppe->GetName()})) {
        designer.AddText(Text(gruppen, QStringLiteral("D-Gruppe")));
        const QString bemerkung = Text(gruppen, QStringLiteral("Bemerkung"));
        if (!bemerkung.isEmpty()) designer.AddText(bemerkung);
    }
    designer.AddText(QString());
    SchreibeHinweis(designer, GruppenHinweis);
    return true;
}

void TVerdan_Datenbankserver::SchluesselMerkmale(TVerdan_KriterienGruppe* gruppe, int id,
                                                 TKR_HtmlDesigner& designer)
{
    if (!gruppe || gruppe->Count() == 0) return;
    // The family key's rows carry the family number and no taxon number.
    const QString bedingung =
        gruppe->Nummer == VerdanSchluessel::Familien
            ? QStringLiteral("where FN = ")
            : QStringLiteral("where ") + gruppe->SpalteID + QStringLiteral(" = ");
    TKR_Query abfrage;
    ApplySessionDaten(SessionDaten(), &abfrage);
    abfrage.SetSQL({QStringLiteral("Select * From ") + gruppe->GetTabellenName(),
                    bedingung + QString::number(id)});
    TZeilenMitUeberschrift zeilen(designer, QStringLiteral("Merkmale:"), true);
    try {
        abfrage.Open();
        designer.SmallOn();
        if (!abfrage.IsEmpty()) {
            abfrage.First();
            for (TKR_DatenBankFeld* basis : *gruppe) {
                const auto* feld = dynamic_cast<const TVerdan_DatenBankFeld*>(basis);
                const TField* spalte = feld ? abfrage.FindField(feld->Code) : nullptr;
                if (spalte)
                    zeilen.Zeile(feld->GetAnzeigeTitel(),
                                 feld->Items.TextZuCode(spalte->AsString()));
            }
        }
        designer.SmallOff();
        abfrage.Close();
    } catch (const std::exception&) {
        // The key's values are an extra of the description.
    }
    if (zeilen.Begonnen()) designer.AddText(QString());
}
