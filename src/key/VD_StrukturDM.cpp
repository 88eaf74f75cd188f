#include "key/VD_StrukturDM.h"

#include "app/KR_MYSYS.h"
#include "platform/DatabaseError.h"
#include "platform/Query.h"
#include "platform/Table.h"

#include <QStringList>

namespace {

const QString IndexTabelle = QStringLiteral("KRS_Rix");
const QString KriteriumsBilder = QStringLiteral("KRS_R2i");
const QString WertBilder = QStringLiteral("KRS_R3i");

int Zahl(const QStringList& teile, int n)
{
    return n < teile.size() ? teile[n].trimmed().toInt() : 0;
}

} // namespace

bool operator==(const TBildAdresse& a, const TBildAdresse& b)
{
    return a.Gruppe == b.Gruppe && a.Feld == b.Feld && a.Item == b.Item;
}

TBildAdresse GlossarBildAdresse(const QString& codeNummer)
{
    constexpr int Familienliste = 60;
    constexpr int Glossar = 61;
    const QStringList teile = codeNummer.split(u'x');
    TBildAdresse adresse{Zahl(teile, 0), Zahl(teile, 1), Zahl(teile, 2)};
    if (adresse.Gruppe == Familienliste) adresse.Gruppe = Glossar;
    return adresse;
}

TVD_StrukturDataModul::TVD_StrukturDataModul(QObject* parent)
    : QObject(parent), m_bildliste(std::make_unique<TQuery>())
{
    VD_StrukturDataModulCreate();
}

TVD_StrukturDataModul::TVD_StrukturDataModul(const QString& datenVerzeichnis, QObject* parent)
    : QObject(parent), m_datenVerzeichnis(datenVerzeichnis), m_bildliste(std::make_unique<TQuery>())
{
    m_bildliste->SetDatabaseName(m_datenVerzeichnis);
}

TVD_StrukturDataModul::~TVD_StrukturDataModul() = default;

void TVD_StrukturDataModul::VD_StrukturDataModulCreate()
{
    m_datenVerzeichnis = SetupBlock.GlobalDir;
    m_bildliste->Close();
    m_bildliste->SetDatabaseName(m_datenVerzeichnis);
    // Tables opened on the previous directory would go on answering from it.
    m_index.reset();
    m_kriterien.reset();
    m_werte.reset();
}

bool TVD_StrukturDataModul::OeffneBildliste(int /*datenbank*/, int gruppe, int kriterium,
                                            int /*item*/)
{
    m_bildliste->Close();
    m_bildliste->SetSQL({});
    // The strip shows the drawings of this program's key database only, whatever it asks.
    m_bildliste->SetSQL({QStringLiteral("SELECT DISTINCT"), QStringLiteral("*"),
                         QStringLiteral("FROM KRS_Rix"), QStringLiteral("WHERE"),
                         QStringLiteral(" (DB = 1) AND"),
                         QStringLiteral(" (Grp = %1) AND").arg(gruppe),
                         QStringLiteral(" (Krit = %1) AND").arg(kriterium),
                         QStringLiteral(" (Item > 0) and Img=True"),
                         QStringLiteral("ORDER BY DB, Grp, Krit, Item,"),
                         QStringLiteral("DB_RelID, Grp_RelID, Krit_RelID, Item_RelID, Img")});
    try {
        m_bildliste->Open();
        const TField* relId = m_bildliste->FindField(QStringLiteral("DB_RelID"));
        if (relId && !relId->IsNull()) return true;
    } catch (const EDatabaseError&) {
        // No list: the strip stays empty.
    }
    m_bildliste->Close();
    return false;
}

TTable& TVD_StrukturDataModul::Tabelle(std::unique_ptr<TTable>& tabelle, const QString& name,
                                       const QString& indexFelder)
{
    if (!tabelle) {
        auto neu = std::make_unique<TTable>();
        neu->SetDatabaseName(m_datenVerzeichnis);
        neu->SetTableName(name);
        neu->SetReadOnly(true);
        neu->SetIndexFieldNames(indexFelder);
        neu->Open();
        tabelle = std::move(neu);
    }
    return *tabelle;
}

int TVD_StrukturDataModul::FindeIndexRelID(int datenbank, int gruppe, int kriterium, int item)
{
    // Data without drawings is usable: a missing or unreadable index means no pictures.
    try {
        TTable& index = Tabelle(m_index, IndexTabelle, QStringLiteral("DB;Grp;Krit;Item"));
        if (!index.FindKey({datenbank, gruppe, kriterium, item})) return 0;
        if (!index.FieldByName(QStringLiteral("Img"))->AsBoolean()) return 0;
        if (item > 0) return index.FieldByName(QStringLiteral("Item_RelID"))->AsInteger();
        if (kriterium > 0) return index.FieldByName(QStringLiteral("Krit_RelID"))->AsInteger();
    } catch (const EDatabaseError&) {
    }
    return 0;
}

TField* TVD_StrukturDataModul::SucheBild(std::unique_ptr<TTable>& tabelle, const QString& name,
                                         int relId, int art)
{
    try {
        TTable& bilder = Tabelle(tabelle, name, QStringLiteral("SyncID;Typ"));
        if (bilder.FindKey({relId, art})) return bilder.FieldByName(QStringLiteral("Image"));
    } catch (const EDatabaseError&) {
    }
    return nullptr;
}

TField* TVD_StrukturDataModul::GetBildFeld(int datenbank, int gruppe, int kriterium, int item,
                                           int art)
{
    const int relId = FindeIndexRelID(datenbank, gruppe, kriterium, item);
    // RelIDs count from 1; an image row under 0 would belong to nothing.
    if (relId == 0) return nullptr;
    if (item > 0) return SucheBild(m_werte, WertBilder, relId, art);
    if (kriterium > 0) return SucheBild(m_kriterien, KriteriumsBilder, relId, art);
    return nullptr;
}

QByteArray TVD_StrukturDataModul::GetBild(int datenbank, int gruppe, int kriterium, int item,
                                          int art)
{
    const TField* feld = GetBildFeld(datenbank, gruppe, kriterium, item, art);
    if (!feld || feld->IsNull()) return {};
    return feld->AsBytes();
}
