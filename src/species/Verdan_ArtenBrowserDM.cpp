#include "species/Verdan_ArtenBrowserDM.h"

#include "app/Kr_str.h"
#include "data/Verdan_BdBServer.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "foundation/KR_DataSource.h"
#include "key/Verdan_Definition.h"
#include "platform/DatabaseError.h"
#include "platform/Query.h"
#include "platform/Table.h"

#include <exception>

namespace {

const QString PflanzennameFeld = QStringLiteral("Pflanzenname");
const QString DeutschFeld = QStringLiteral("Deutsch");
constexpr int NamensBreite = 30;

QString TabellenName(TVerdan_Datenbankserver& server, int nummer)
{
    TVerdan_Benutzerdatenbank* katalog = server.Benutzerdatenbank();
    TVerdan_KriterienGruppe* gruppe = katalog ? katalog->GruppeNr(nummer) : nullptr;
    if (!gruppe) throw std::runtime_error("key missing from the catalogue");
    return gruppe->GetTabellenName();
}

QString InKlammern(const QString& autor)
{
    return autor.isEmpty() ? QString() : u'[' + autor + u']';
}

int Ganzzahl(const TDataSet& dataSet, const QString& name)
{
    const TField* field = dataSet.FindField(name);
    return field ? field->AsInteger() : 0;
}

QString Text(const TDataSet& dataSet, const QString& name)
{
    const TField* field = dataSet.FindField(name);
    return field ? field->AsString() : QString();
}

} // namespace

TVerdan_ArtenBrowserDataModul::TVerdan_ArtenBrowserDataModul(QObject* owner,
                                                             TVerdan_Datenbankserver* server)
    : QObject(owner), VerdanArtTable(new TTable(this)),
      VerdanArtDataSource(new TKR_DataSource(this)), VerdanDeutschArtQuery(new TQuery(this)),
      m_server(server)
{
    VerdanArtTable->SetReadOnly(true);
    VerdanArtTable->SetIndexName(QStringLiteral("IX_ArtSuche"));
    TField* pflanzenname = VerdanArtTable->AddCalculatedField(PflanzennameFeld, 100);
    pflanzenname->OnGetText = [this](TField& sender, QString& text, bool displayText) {
        VerdanArtTablePflanzennameGetText(sender, text, displayText);
    };
    VerdanArtTable->AfterOpen = [this](TDataSet& dataSet) {
        ZeigeNurFeld(dataSet, PflanzennameFeld);
    };
    VerdanDeutschArtQuery->AfterOpen = [this](TDataSet& dataSet) {
        m_deutscheTexte.clear();
        ZeigeNurFeld(dataSet, DeutschFeld);
        if (TField* deutsch = dataSet.FindField(DeutschFeld)) {
            deutsch->OnGetText = [this](TField& sender, QString& text, bool displayText) {
                VerdanDeutschArtQueryDeutschGetText(sender, text, displayText);
            };
        }
    };
    VerdanArtDataSource->SetDataSet(VerdanArtTable);
    if (!m_server) return;
    try {
        VerdanArtTable->SetDatabaseName(m_server->DatabaseName());
        VerdanDeutschArtQuery->SetDatabaseName(m_server->DatabaseName());
        VerdanArtTable->SetTableName(TabellenName(*m_server, VerdanSchluessel::Arten));
        VerdanDeutschArtQuery->SetSQL(
            DeutschSQL(TabellenName(*m_server, VerdanSchluessel::Arten),
                       TabellenName(*m_server, VerdanSchluessel::Gattungsliste)));
        VerdanArtTable->Open();
    } catch (const std::exception&) {
        // The list stays empty; the window still opens.
    }
}

TVerdan_ArtenBrowserDataModul::~TVerdan_ArtenBrowserDataModul() = default;

QStringList TVerdan_ArtenBrowserDataModul::DeutschSQL(const QString& artenTabelle,
                                                      const QString& gattungsTabelle)
{
    return {
        QStringLiteral("SELECT DISTINCT"),
        QStringLiteral("  A.ID,"),
        QStringLiteral("  A.FN,"),
        QStringLiteral("  A.GN,"),
        QStringLiteral("  A.RelID,"),
        QStringLiteral("  A.Deutsch || G.\"D-Gattung\" as Deutsch"),
        QStringLiteral("FROM \"%1\" A").arg(artenTabelle),
        QStringLiteral("Left Outer Join \"%1\" G ON (A.GN = G.GN)").arg(gattungsTabelle),
        QStringLiteral("Where Deutsch > \"\""),
        QStringLiteral("ORDER BY Deutsch"),
    };
}

QString TVerdan_ArtenBrowserDataModul::Pflanzenname(const QString& gattung, const QString& art,
                                                    const QString& autor, const QString& unterart,
                                                    const QString& autor1)
{
    return TrimSpaces(gattung + u' ' + art + u' ' + InKlammern(autor) + u' ' + unterart + u' ' +
                      InKlammern(autor1));
}

QString TVerdan_ArtenBrowserDataModul::DeutscherText(int id, int gattung, int familie)
{
    const TTextSchluessel schluessel{id, gattung, familie};
    const auto gefunden = m_deutscheTexte.constFind(schluessel);
    if (gefunden != m_deutscheTexte.constEnd()) return *gefunden;
    if (!m_server) return {};
    QString text;
    if (id > 0) text = m_server->DeutscherArtName(id);
    if (text.isEmpty() && gattung > 0) text = m_server->DeutscherGattungsName(gattung);
    if (text.isEmpty() && familie > 0) text = m_server->DeutscherFamilienName(familie);
    text += QStringLiteral(" (") + m_server->ArtName(id) + u')';
    m_deutscheTexte.insert(schluessel, text);
    return text;
}

void TVerdan_ArtenBrowserDataModul::VerdanArtTablePflanzennameGetText(TField& sender, QString& text,
                                                                      bool)
{
    const TDataSet& arten = *sender.DataSet();
    text =
        Pflanzenname(Text(arten, QStringLiteral("Gattung")), Text(arten, QStringLiteral("Art")),
                     Text(arten, QStringLiteral("Autor")), Text(arten, QStringLiteral("Unterart")),
                     Text(arten, QStringLiteral("Autor1")));
}

void TVerdan_ArtenBrowserDataModul::VerdanDeutschArtQueryDeutschGetText(TField& sender,
                                                                        QString& text, bool)
{
    const TDataSet& abfrage = *sender.DataSet();
    try {
        text = DeutscherText(Ganzzahl(abfrage, QStringLiteral("ID")),
                             Ganzzahl(abfrage, QStringLiteral("GN")),
                             Ganzzahl(abfrage, QStringLiteral("FN")));
    } catch (const EDatabaseError&) {
        // A row that cannot be named shows its own text rather than stopping the paint.
    }
}

void TVerdan_ArtenBrowserDataModul::ZeigeNurFeld(TDataSet& dataSet, const QString& feldName)
{
    for (int i = 0; i < dataSet.FieldCount(); ++i) {
        TField* field = dataSet.Fields(i);
        field->SetVisible(UpperCase(field->FieldName()) == UpperCase(feldName));
    }
    // The name column's title and room: a grid shows it at least this wide.
    if (TField* field = dataSet.FindField(feldName)) field->SetDisplayWidth(NamensBreite);
}

void TVerdan_ArtenBrowserDataModul::SetDeutscheNamen(bool on)
{
    TDataSet* dataSet = on ? static_cast<TDataSet*>(VerdanDeutschArtQuery) : VerdanArtTable;
    try {
        if (!dataSet->Active()) dataSet->Open();
    } catch (const std::exception&) {
        // The grid shows the closed set: an empty list.
    }
    VerdanArtDataSource->SetDataSet(dataSet);
}

bool TVerdan_ArtenBrowserDataModul::FindeArt(const QString& gattung, const QString& art)
{
    if (!VerdanArtTable->Active()) return true;
    try {
        VerdanArtTable->FindNearest({gattung, art});
    } catch (const EDatabaseError&) {
        // The list stays where it was; the nearest entry is all a search promises.
    }
    return true;
}

bool TVerdan_ArtenBrowserDataModul::SucheDeutsch(const QString& text)
{
    try {
        if (!VerdanDeutschArtQuery->Active()) VerdanDeutschArtQuery->Open();
    } catch (const std::exception&) {
        return text.isEmpty();
    }
    if (text.isEmpty()) return true;
    return SucheDeutschImOffenenSatz(UpperCase(text));
}

bool TVerdan_ArtenBrowserDataModul::SucheDeutschImOffenenSatz(const QString& gesucht)
{
    TQuery& abfrage = *VerdanDeutschArtQuery;
    abfrage.DisableControls();
    TBookmark vorher = abfrage.GetBookmark();
    bool gefunden = false;
    try {
        const TField* deutsch = abfrage.FieldByName(DeutschFeld);
        for (abfrage.First(); !abfrage.Eof(); abfrage.Next()) {
            if (UpperCase(deutsch->DisplayText()).startsWith(gesucht)) {
                gefunden = true;
                break;
            }
        }
    } catch (const std::exception&) {
        gefunden = false;
    }
    try {
        if (!gefunden && abfrage.BookmarkValid(vorher)) abfrage.GotoBookmark(vorher);
    } catch (const EDatabaseError&) {
    }
    abfrage.FreeBookmark(vorher);
    abfrage.EnableControls();
    return gefunden;
}
