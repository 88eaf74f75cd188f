#include "Datenpruefung.h"

#include "data/Verdan_Benutzerdatenbank.h"
#include "key/Verdan_Definition.h"
#include "platform/Database.h"
#include "platform/DatabaseError.h"
#include "platform/Table.h"

#include <map>
#include <utility>

namespace {

const QString Primaerindex = QStringLiteral("(primary)");
const QString Sternchen = QStringLiteral("*");

enum class TArt
{
    Text,
    Zahl,
    Memo,
    Logisch,
    Bild,
};

bool Passt(TFieldType typ, TArt art)
{
    switch (art) {
    case TArt::Text:
        return typ == TFieldType::String;
    case TArt::Zahl:
        return typ == TFieldType::Integer || typ == TFieldType::AutoInc ||
               typ == TFieldType::SmallInt;
    case TArt::Memo:
        return typ == TFieldType::Memo;
    case TArt::Logisch:
        return typ == TFieldType::Boolean;
    case TArt::Bild:
        return typ == TFieldType::Blob;
    }
    return false;
}

QString ArtName(TArt art)
{
    switch (art) {
    case TArt::Text:
        return QStringLiteral("text (A)");
    case TArt::Zahl:
        return QStringLiteral("integer (I)");
    case TArt::Memo:
        return QStringLiteral("memo (M)");
    case TArt::Logisch:
        return QStringLiteral("logical (L)");
    case TArt::Bild:
        return QStringLiteral("blob (B)");
    }
    return {};
}

QString Spaltenort(const QString& tabelle, const QString& spalte)
{
    return QStringLiteral("%1, column \"%2\"").arg(tabelle, spalte);
}

QString Zitiert(const QStringList& namen)
{
    return QLatin1Char('"') + namen.join(QStringLiteral("\", \"")) + QLatin1Char('"');
}

bool BeginntMit(const TIndexInfo& index, const QStringList& spalten)
{
    if (index.Columns.size() < spalten.size()) return false;
    for (int i = 0; i < spalten.size(); ++i) {
        if (!SameName(index.Columns[i].Name, spalten[i])) return false;
    }
    return true;
}

// A plain column name, not an expression such as key 1's `Gattung || " " ||  Art`.
bool IstSpaltenname(const QString& text)
{
    return !text.isEmpty() && !text.contains(QStringLiteral("||")) && !text.contains(u'"');
}

} // namespace

struct TDatenpruefung::TForderung
{
    QString Spalte;
    TArt Art;
    QString Leser; // who reads the column, for the message
};

// An index whose leading columns a reader relies on. Name empty: any index, the primary one
// included; Primaerindex: the primary index.
struct TDatenpruefung::TIndexForderung
{
    QString Name;
    QStringList Spalten;
    QString Leser;
};

namespace {

const QString Abfragen = QStringLiteral("the key's queries");
const QString Beschreibungen = QStringLiteral("the descriptions");
const QString Artenliste = QStringLiteral("the species list");
const QString Hilfen = QStringLiteral("the identification aids");
const QString Glossar = QStringLiteral("the glossary");
const QString Bilder = QStringLiteral("the illustrations");

} // namespace

QList<TDatenpruefung::TForderung>
TDatenpruefung::Spaltenforderungen(const TVerdan_KriterienGruppe& gruppe)
{
    switch (gruppe.Nummer) {
    case VerdanSchluessel::Arten: {
        QList<TForderung> forderungen;
        for (const char* spalte : {"ID", "FN", "GN", "RelID"})
            forderungen << TForderung{QString::fromUtf8(spalte), TArt::Zahl, Artenliste};
        for (const char* spalte : {"Markierung",   "Unterarten",  "Pflanzenbestimmung",
                                   "Familie",      "Gattung",     "Art",
                                   "Autor",        "Unterart",    "Autor1",
                                   "Deutsch",      "Synonym",     "Lebensform",
                                   "Höhe 1",       "Höhe 2",      "Blütezeit 1",
                                   "Blütezeit 2",  "Blütenfarbe", "D-Status",
                                   "Bundesländer", "Häufigkeit",  "Rote Liste",
                                   "Wisskirchen",  "Memotext",    "Haeupler",
                                   "AT_Familie",   "AT_DFamilie"})
            forderungen << TForderung{QString::fromUtf8(spalte), TArt::Text, Artenliste};
        forderungen << TForderung{QStringLiteral("Text"), TArt::Memo, Artenliste}
                    << TForderung{QStringLiteral("AT_Beschreibung"), TArt::Memo, Beschreibungen};
        return forderungen;
    }
    case VerdanSchluessel::Familienliste:
        return {{QStringLiteral("FN"), TArt::Zahl, Beschreibungen},
                {gruppe.SpalteBezeichnung, TArt::Text, Beschreibungen},
                {QStringLiteral("D-Familie"), TArt::Text, Beschreibungen},
                {QStringLiteral("Synonym"), TArt::Text, Beschreibungen}};
    case VerdanSchluessel::Glossar:
        return {{QStringLiteral("Fachausdruck"), TArt::Text, Glossar},
                {QStringLiteral("ID"), TArt::Zahl, Glossar},
                {QStringLiteral("Code-Nummer"), TArt::Text, Glossar},
                {QStringLiteral("Themengruppe"), TArt::Zahl, Glossar},
                {QStringLiteral("Text"), TArt::Memo, Glossar}};
    default:
        return Abfragespalten(gruppe);
    }
}

// What the statements of an identification window select from a key's table, and what the
// descriptions of its rows read.
QList<TDatenpruefung::TForderung>
TDatenpruefung::Abfragespalten(const TVerdan_KriterienGruppe& gruppe)
{
    const int n = gruppe.Nummer;
    QList<TForderung> forderungen;
    if (IstSpaltenname(gruppe.SpalteBezeichnung))
        forderungen << TForderung{gruppe.SpalteBezeichnung, TArt::Text, Abfragen};
    if (!gruppe.SpalteGruppe.isEmpty())
        forderungen << TForderung{gruppe.SpalteGruppe, TArt::Text, Abfragen};
    if (!gruppe.SpalteID.isEmpty())
        forderungen << TForderung{gruppe.SpalteID, TArt::Zahl, Abfragen};
    if (!gruppe.SpalteSippen.isEmpty())
        forderungen << TForderung{gruppe.SpalteSippen, TArt::Text, Abfragen};
    // German names join the genus list on GN in every key but 4, 5 and 6.
    const bool deutscheNamenUeberGattung = n != VerdanSchluessel::Gruppenliste &&
                                           n != VerdanSchluessel::Familien &&
                                           n != VerdanSchluessel::Gattungsliste;
    if (gruppe.MitGN || gruppe.MitGattung || deutscheNamenUeberGattung)
        forderungen << TForderung{QStringLiteral("GN"), TArt::Zahl, Abfragen};
    if (gruppe.MitFN) forderungen << TForderung{QStringLiteral("FN"), TArt::Zahl, Abfragen};
    if (n == VerdanSchluessel::Gruppenliste)
        forderungen << TForderung{QStringLiteral("D-Gruppe"), TArt::Text, Abfragen}
                    << TForderung{QStringLiteral("Bemerkung"), TArt::Text, Beschreibungen};
    if (n == VerdanSchluessel::Gattungsliste)
        forderungen << TForderung{QStringLiteral("GN_SN"), TArt::Zahl, Abfragen}
                    << TForderung{QStringLiteral("D-Gattung"), TArt::Text, Abfragen};
    // Rows with a taxon number get their aids through RelID.
    if (!gruppe.SpalteID.isEmpty())
        forderungen << TForderung{QStringLiteral("RelID"), TArt::Zahl, Hilfen};
    return forderungen;
}

QList<TDatenpruefung::TIndexForderung>
TDatenpruefung::Indexforderungen(const TVerdan_KriterienGruppe& gruppe)
{
    switch (gruppe.Nummer) {
    case VerdanSchluessel::Arten:
        return {{Primaerindex, {QStringLiteral("ID")}, Beschreibungen},
                {QStringLiteral("IX_ArtSuche"),
                 {QStringLiteral("Gattung"), QStringLiteral("Art")},
                 Artenliste}};
    case VerdanSchluessel::Gruppenliste:
        return {{Primaerindex, {QStringLiteral("Gruppe")}, Beschreibungen}};
    case VerdanSchluessel::Gattungsliste:
        return {{Primaerindex, {QStringLiteral("GN")}, Beschreibungen},
                {QStringLiteral("Gattungsliste_GN_SN_IX"), {QStringLiteral("GN")}, Beschreibungen}};
    case VerdanSchluessel::Familienliste:
        return {{QStringLiteral("Familienliste_FN_IX"), {QStringLiteral("FN")}, Beschreibungen}};
    case VerdanSchluessel::Glossar:
        return {
            {QStringLiteral("IX_GlossarFachausdruck"), {QStringLiteral("Fachausdruck")}, Glossar}};
    default:
        if (gruppe.SpalteID.isEmpty()) return {};
        return {{QString(), {QStringLiteral("RelID")}, Hilfen}};
    }
}

TDatenpruefung::TDatenpruefung(QString verzeichnis, QTextStream& out)
    : m_verzeichnis(std::move(verzeichnis)), m_out(out)
{}

TDatenpruefung::~TDatenpruefung() = default;

void TDatenpruefung::Fehler(const QString& ort, const QString& text)
{
    m_out << ort << ": " << text << '\n';
    ++m_fehler;
}

void TDatenpruefung::Hinweis(const QString& ort, const QString& text)
{
    m_out << "note: " << ort << ": " << text << '\n';
    ++m_hinweise;
}

int TDatenpruefung::Pruefe()
{
    try {
        m_datenbank = TDatabase::Open(m_verzeichnis, TOpenMode::ReadOnly);
    } catch (const EDatabaseError& fehler) {
        Fehler(m_verzeichnis, fehler.Message());
    }
    if (m_datenbank) {
        m_katalog = ErstelleKatalog(m_verzeichnis);
        for (const QString& problem : m_katalog->Probleme()) {
            m_out << problem << '\n';
            ++m_fehler;
        }
        LeseNummern();
        for (TVerdan_KriterienGruppe* gruppe : *m_katalog)
            PruefeSchluessel(*gruppe);
        PruefeBildtabellen();
        PruefeVerweise();
        PruefeTrennbarkeit();
    }
    const QString fehler =
        m_fehler == 0 ? QStringLiteral("no faults") : QStringLiteral("%1 fault(s)").arg(m_fehler);
    m_out << QStringLiteral("verdan-check: %1, %2 note(s) in %3 (%4 keys, %5 rows read)\n")
                 .arg(fehler)
                 .arg(m_hinweise)
                 .arg(m_verzeichnis)
                 .arg(m_katalog ? m_katalog->Count() : 0)
                 .arg(m_zeilen);
    m_out.flush();
    return m_fehler;
}

// The numbers that other tables refer to; a table that is missing is reported with its key,
// and its numbers are then not checked.
void TDatenpruefung::LeseNummern()
{
    const auto lies = [this](int nummer, const QString& spalte, QSet<int>& menge, bool& gelesen) {
        const QString tabelle = m_katalog->GruppeNr(nummer)->GetTabellenName();
        const TTableInfo* info = m_datenbank->FindTable(tabelle);
        if (!info || info->ColumnIndex(spalte) < 0) return;
        try {
            menge = Nummern(tabelle, spalte);
            gelesen = true;
        } catch (const EDatabaseError& fehler) {
            Fehler(tabelle, QStringLiteral("cannot be read: %1").arg(fehler.Message()));
        }
    };
    lies(VerdanSchluessel::Arten, QStringLiteral("ID"), m_arten, m_artenGelesen);
    lies(VerdanSchluessel::Gattungsliste, QStringLiteral("GN"), m_gattungen, m_gattungenGelesen);
    lies(VerdanSchluessel::Familienliste, QStringLiteral("FN"), m_familien, m_familienGelesen);
}

std::unique_ptr<TTable> TDatenpruefung::OeffneTabelle(const QString& name) const
{
    auto tabelle = std::make_unique<TTable>();
    tabelle->SetDatabaseName(m_verzeichnis);
    tabelle->SetTableName(name);
    tabelle->Open();
    return tabelle;
}

QSet<int> TDatenpruefung::Nummern(const QString& tabelle, const QString& spalte)
{
    const std::unique_ptr<TTable> t = OeffneTabelle(tabelle);
    const TField& feld = *t->FieldByName(spalte);
    QSet<int> menge;
    for (t->First(); !t->Eof(); t->Next()) {
        if (!feld.IsNull()) menge.insert(feld.AsInteger());
    }
    return menge;
}

void TDatenpruefung::PruefeSchluessel(TVerdan_KriterienGruppe& gruppe)
{
    const QString tabelle = gruppe.GetTabellenName();
    const TTableInfo* info = m_datenbank->FindTable(tabelle);
    if (!info) {
        Fehler(
            tabelle,
            QStringLiteral("missing; key %1 \"%2\" reads it").arg(gruppe.Nummer).arg(gruppe.Name));
        return;
    }
    PruefeForderungen(*info, Spaltenforderungen(gruppe));
    for (const TIndexForderung& index : Indexforderungen(gruppe))
        PruefeIndex(*info, index);
    // An aid is read from "Bestimmung" only when it is a memo; anything else is passed over.
    const int bestimmung = info->ColumnIndex(QStringLiteral("Bestimmung"));
    if (bestimmung >= 0 && !Passt(info->Columns[bestimmung].Type, TArt::Memo))
        Fehler(Spaltenort(tabelle, info->Columns[bestimmung].Name),
               QStringLiteral("is not a memo (M); the identification aids pass it over"));
    // The glossary's numbered criteria only number its pictures; they are no columns.
    if (gruppe.Nummer != VerdanSchluessel::Glossar) PruefeKriterienspalten(gruppe, *info);
    PruefeZeilen(gruppe, *info);
}

void TDatenpruefung::PruefeForderungen(const TTableInfo& info, const QList<TForderung>& forderungen)
{
    for (const TForderung& forderung : forderungen) {
        const int spalte = info.ColumnIndex(forderung.Spalte);
        if (spalte < 0) {
            Fehler(Spaltenort(info.Name, forderung.Spalte),
                   QStringLiteral("missing; needed by %1").arg(forderung.Leser));
        } else if (!Passt(info.Columns[spalte].Type, forderung.Art)) {
            Fehler(Spaltenort(info.Name, forderung.Spalte),
                   QStringLiteral("is not %1; needed by %2")
                       .arg(ArtName(forderung.Art), forderung.Leser));
        }
    }
}

void TDatenpruefung::PruefeIndex(const TTableInfo& info, const TIndexForderung& forderung)
{
    const QString bedarf = QStringLiteral("needed by %1").arg(forderung.Leser);
    if (forderung.Name.isEmpty()) {
        bool gefunden = BeginntMit(info.PrimaryIndex, forderung.Spalten);
        for (const TIndexInfo& index : info.Indexes)
            gefunden = gefunden || BeginntMit(index, forderung.Spalten);
        if (!gefunden)
            Fehler(info.Name, QStringLiteral("no index begins with %1; %2")
                                  .arg(Zitiert(forderung.Spalten), bedarf));
        return;
    }
    const bool primaer = forderung.Name == Primaerindex;
    const TIndexInfo* index = primaer ? &info.PrimaryIndex : info.FindIndex(forderung.Name);
    const QString ort = primaer ? QStringLiteral("%1, primary index").arg(info.Name)
                                : QStringLiteral("%1, index \"%2\"").arg(info.Name, forderung.Name);
    if (!index || index->Columns.isEmpty())
        Fehler(ort, QStringLiteral("missing; %1").arg(bedarf));
    else if (!BeginntMit(*index, forderung.Spalten))
        Fehler(ort, QStringLiteral("begins with %1, not %2; %3")
                        .arg(Zitiert(index->ColumnNames().mid(0, forderung.Spalten.size())),
                             Zitiert(forderung.Spalten), bedarf));
}

void TDatenpruefung::PruefeKriterienspalten(TVerdan_KriterienGruppe& gruppe, const TTableInfo& info)
{
    for (TKR_DatenBankFeld* basis : gruppe) {
        const QString leser = QStringLiteral("criterion %1 \"%2\" of key %3")
                                  .arg(basis->Nummer)
                                  .arg(basis->Titel)
                                  .arg(gruppe.Nummer);
        PruefeForderungen(info, {TForderung{basis->Code, TArt::Text, leser}});
    }
}

// Walks the rows of one key table once, holding every cell against what it must name.
class TDatenpruefung::TZeilenPruefung
{
public:
    TZeilenPruefung(TDatenpruefung& pruefung, TVerdan_KriterienGruppe& gruppe,
                    const TTableInfo& info)
        : m_pruefung(pruefung), m_gruppe(gruppe), m_info(info)
    {}

    void Laufe()
    {
        m_tabelle.SetDatabaseName(m_pruefung.m_verzeichnis);
        m_tabelle.SetTableName(m_info.Name);
        m_tabelle.Open();
        SammleFelder();
        for (m_tabelle.First(); !m_tabelle.Eof(); m_tabelle.Next()) {
            ++m_pruefung.m_zeilen;
            PruefeZeile();
        }
    }

private:
    struct TKriterium
    {
        const TField* Feld;
        const TVerdan_DatenBankFeld* Kriterium;
        bool CodeListe; // several codes separated by commas
    };
    struct TVerweis
    {
        const TField* Feld;
        const QSet<int>* Nummern;
        QString Ziel; // the table the numbers must be in
        QString Was;
    };

    const TField* Feld(const QString& name) const { return m_tabelle.FindField(name); }

    void SammleFelder()
    {
        if (m_gruppe.Nummer != VerdanSchluessel::Glossar) SammleKriterien();
        if (const TField* gr = Feld(QStringLiteral("GR"));
            gr && gr->DataType() == TFieldType::String)
            m_gr = gr;
        SammleVerweise();
        if (const TField* relId = Feld(QStringLiteral("RelID")); relId && IstZahl(*relId))
            m_relId = relId;
    }

    void SammleKriterien()
    {
        for (TKR_DatenBankFeld* basis : m_gruppe) {
            const auto* kriterium = dynamic_cast<const TVerdan_DatenBankFeld*>(basis);
            const TField* feld = kriterium ? Feld(kriterium->Code) : nullptr;
            if (!feld || feld->DataType() != TFieldType::String) continue;
            // Info criteria hold measured values, except key 1's, which hold lists of codes.
            if (kriterium->NurInfo && m_gruppe.Nummer != VerdanSchluessel::Arten) continue;
            m_kriterien << TKriterium{feld, kriterium, kriterium->NurInfo};
        }
    }

    // The numbers of a table that is missing are not checked: the table is reported itself.
    void SammleVerweise()
    {
        const int n = m_gruppe.Nummer;
        TVerdan_Benutzerdatenbank& katalog = *m_pruefung.m_katalog;
        const QString gattungen =
            katalog.GruppeNr(VerdanSchluessel::Gattungsliste)->GetTabellenName();
        const QString familien =
            katalog.GruppeNr(VerdanSchluessel::Familienliste)->GetTabellenName();
        const QString arten = katalog.GruppeNr(VerdanSchluessel::Arten)->GetTabellenName();
        if (m_pruefung.m_gattungenGelesen) {
            if (n != VerdanSchluessel::Gattungsliste)
                Verweis(QStringLiteral("GN"), m_pruefung.m_gattungen, gattungen,
                        QStringLiteral("genus"));
            Verweis(QStringLiteral("GN_SN"), m_pruefung.m_gattungen, gattungen,
                    QStringLiteral("genus"));
        }
        if (m_pruefung.m_familienGelesen && n != VerdanSchluessel::Familienliste)
            Verweis(QStringLiteral("FN"), m_pruefung.m_familien, familien,
                    QStringLiteral("family"));
        // Key 5's family rows carry no taxon number, so a blank ID passes everywhere.
        if (m_pruefung.m_artenGelesen && n != VerdanSchluessel::Arten &&
            n != VerdanSchluessel::Glossar && m_gruppe.SpalteID == QStringLiteral("ID"))
            Verweis(QStringLiteral("ID"), m_pruefung.m_arten, arten, QStringLiteral("taxon"));
    }

    static bool IstZahl(const TField& feld) { return Passt(feld.DataType(), TArt::Zahl); }

    void Verweis(const QString& spalte, const QSet<int>& nummern, const QString& ziel,
                 const QString& was)
    {
        const TField* feld = Feld(spalte);
        if (feld && IstZahl(*feld)) m_verweise << TVerweis{feld, &nummern, ziel, was};
    }

    // RelID when the table has one, else the primary key, else the record number.
    QString Ort(const QString& spalte) const
    {
        QString zeile;
        if (m_relId && !m_relId->IsNull()) {
            zeile = QStringLiteral("RelID %1").arg(m_relId->AsInteger());
        } else if (!m_info.PrimaryIndex.Columns.isEmpty()) {
            QStringList teile;
            for (const TIndexColumn& spalteDesSchluessels : m_info.PrimaryIndex.Columns) {
                const TField* feld = m_tabelle.FindField(spalteDesSchluessels.Name);
                const QString wert = feld ? feld->AsString() : QString();
                teile << (feld && feld->DataType() == TFieldType::String
                              ? QStringLiteral("%1 \"%2\"").arg(feld->FieldName(), wert)
                              : QStringLiteral("%1 %2").arg(spalteDesSchluessels.Name, wert));
            }
            zeile = teile.join(QStringLiteral(", "));
        } else {
            zeile = QStringLiteral("row %1").arg(m_tabelle.RecNo());
        }
        QString ort = m_info.Name + QStringLiteral(", ") + zeile;
        if (!spalte.isEmpty()) ort += QStringLiteral(", column \"%1\"").arg(spalte);
        return ort;
    }

    void PruefeZeile()
    {
        for (const TKriterium& k : m_kriterien)
            PruefeCodes(k);
        if (m_gr) {
            const QString name = m_gr->AsString();
            if (!name.isEmpty() && !m_pruefung.m_katalog->GruppeMitName(name))
                m_pruefung.Fehler(Ort(m_gr->FieldName()),
                                  QStringLiteral("\"%1\" names no key").arg(name));
        }
        for (const TVerweis& verweis : m_verweise) {
            if (verweis.Feld->IsNull()) continue;
            const int nummer = verweis.Feld->AsInteger();
            if (nummer != 0 && !verweis.Nummern->contains(nummer))
                m_pruefung.Fehler(Ort(verweis.Feld->FieldName()),
                                  QStringLiteral("%1 %2 is not in %3")
                                      .arg(verweis.Was)
                                      .arg(nummer)
                                      .arg(verweis.Ziel));
        }
        if (m_relId && !m_relId->IsNull()) {
            const int relId = m_relId->AsInteger();
            const auto [stelle, neu] = m_relIds.insert({relId, m_tabelle.RecNo()});
            if (!neu)
                m_pruefung.Fehler(Ort(QString()),
                                  QStringLiteral("RelID %1 also numbers row %2; the aids find "
                                                 "only one of them")
                                      .arg(relId)
                                      .arg(stelle->second));
        }
    }

    void PruefeCodes(const TKriterium& k)
    {
        const QString wert = k.Feld->AsString();
        if (wert.isEmpty() || wert == Sternchen) return;
        const QStringList codes =
            k.CodeListe ? wert.split(u',', Qt::SkipEmptyParts) : QStringList{wert};
        for (const QString& roh : codes) {
            const QString code = k.CodeListe ? roh.trimmed() : roh;
            if (code.isEmpty() || code == Sternchen || k.Kriterium->Items.IndexOfCode(code) > 0)
                continue;
            const QString aus = k.CodeListe && codes.size() > 1
                                    ? QStringLiteral(" (in \"%1\")").arg(wert)
                                    : QString();
            m_pruefung.Fehler(Ort(k.Feld->FieldName()),
                              QStringLiteral("code \"%1\"%2 is not an item of criterion %3 "
                                             "\"%4\" of key %5")
                                  .arg(code, aus)
                                  .arg(k.Kriterium->Nummer)
                                  .arg(k.Kriterium->Titel)
                                  .arg(m_gruppe.Nummer));
        }
    }

    TDatenpruefung& m_pruefung;
    TVerdan_KriterienGruppe& m_gruppe;
    const TTableInfo& m_info;
    TTable m_tabelle;
    QList<TKriterium> m_kriterien;
    QList<TVerweis> m_verweise;
    const TField* m_gr = nullptr;
    const TField* m_relId = nullptr;
    std::map<int, int> m_relIds; // RelID -> first record number
};

void TDatenpruefung::PruefeZeilen(TVerdan_KriterienGruppe& gruppe, const TTableInfo& info)
{
    try {
        TZeilenPruefung(*this, gruppe, info).Laufe();
    } catch (const EDatabaseError& fehler) {
        Fehler(info.Name, QStringLiteral("cannot be read: %1").arg(fehler.Message()));
    }
}

// The drawings of criteria and values: what the slide strip, the detail view and the
// glossary read.
void TDatenpruefung::PruefeBildtabellen()
{
    QList<TForderung> index;
    for (const char* spalte :
         {"DB", "Grp", "Krit", "Item", "DB_RelID", "Grp_RelID", "Krit_RelID", "Item_RelID"})
        index << TForderung{QString::fromUtf8(spalte), TArt::Zahl, Bilder};
    index << TForderung{QStringLiteral("Img"), TArt::Logisch, Bilder};
    PruefeBildtabelle(QStringLiteral("KRS_Rix"), index,
                      {QString(),
                       {QStringLiteral("DB"), QStringLiteral("Grp"), QStringLiteral("Krit"),
                        QStringLiteral("Item")},
                       Bilder});
    const QList<TForderung> bild{{QStringLiteral("SyncID"), TArt::Zahl, Bilder},
                                 {QStringLiteral("Typ"), TArt::Zahl, Bilder},
                                 {QStringLiteral("Image"), TArt::Bild, Bilder}};
    for (const char* name : {"KRS_R2i", "KRS_R3i"})
        PruefeBildtabelle(QString::fromUtf8(name), bild,
                          {QString(), {QStringLiteral("SyncID"), QStringLiteral("Typ")}, Bilder});
}

// The pictures come later than the keys, so a missing picture table is only a note.
void TDatenpruefung::PruefeBildtabelle(const QString& name, const QList<TForderung>& spalten,
                                       const TIndexForderung& index)
{
    const TTableInfo* info = m_datenbank->FindTable(name);
    if (!info) {
        Hinweis(name, QStringLiteral("missing; the criteria are shown without drawings"));
        return;
    }
    PruefeForderungen(*info, spalten);
    PruefeIndex(*info, index);
}
