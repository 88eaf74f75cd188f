#include "data/Aw_bdb01.h"

#include "app/KR_DLG.h"
#include "app/KR_MYSYS.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "platform/Session.h"

#include <cstdlib>
#include <exception>

namespace {

// Slots the framework keeps for its own tables beyond the keys.
constexpr int ErsterReservierterSlot = 100;
constexpr int LetzterReservierterSlot = 108;
constexpr int AuswahllistenSlot = 500;

[[noreturn]] void BeendeProgramm(const QString& meldung)
{
    ShowMessageDlg(QStringLiteral("BDB_SERVER"), meldung);
    std::exit(1);
}

} // namespace

TBDB_Table::TBDB_Table(TBDB_SERVER* server, int nummer)
    : TKR_Table(server), m_server(server), m_nummer(nummer)
{}

TBDB_SERVER::TBDB_SERVER(QObject* owner, QObject* /*translator*/,
                         TVerdan_Benutzerdatenbank* benutzerdatenbank, const QString& databaseName)
    : QObject(owner), m_benutzerdatenbank(benutzerdatenbank)
{
    SetDatabase(databaseName, SetupBlock.GlobalReadOnly);
    m_tabellenNamen = Session().GetTableNames(DatabaseName(), QString(), false, false);
}

TBDB_SERVER::~TBDB_SERVER()
{
    PostAll();
}

void TBDB_SERVER::SetDatabase(const QString& databaseName, bool readOnly)
{
    m_sessionDaten.DatabaseName = databaseName;
    m_sessionDaten.ReadOnly = readOnly;
}

int TBDB_SERVER::SchluesselAnzahl() const
{
    return m_benutzerdatenbank ? m_benutzerdatenbank->Count() : 0;
}

TBDB_Table*& TBDB_SERVER::GetAccess(int nummer)
{
    if (nummer >= 1 && nummer <= MaxSchluessel) {
        if (nummer > SchluesselAnzahl())
            BeendeProgramm(
                QStringLiteral("ERROR: GetAccess, Nicht initalisierte Tabelle aufgerufen"));
        return m_slots[nummer];
    }
    if ((nummer >= ErsterReservierterSlot && nummer <= LetzterReservierterSlot) ||
        nummer == AuswahllistenSlot)
        return m_slots[nummer];
    BeendeProgramm(QStringLiteral("ERROR: GetAccess, Tabellen noch nicht definiert"));
}

TBDB_Table* TBDB_SERVER::GetTable(int nummer)
{
    TBDB_Table*& slot = GetAccess(nummer);
    if (!slot) OpenTable(nummer);
    if (!slot)
        throw EBDB_Exception(
            QStringLiteral("TBDB_SERVER.GetTable: Tabelle %1 wurde nicht geöffnet").arg(nummer));
    slot->SyncToServer();
    return slot;
}

void TBDB_SERVER::OpenTable(int nummer)
{
    throw EBDB_Exception(
        QStringLiteral("TBDB_SERVER.OpenTable: keine Tabelle zur Nummer %1").arg(nummer));
}

bool TBDB_SERVER::Locate(int /*id*/)
{
    return false;
}

// Reaches the tables through the slots, not the catalogue: the catalogue may be gone
// already when the window that owns both is torn down.
void TBDB_SERVER::PostAll()
{
    for (const auto& [nummer, tabelle] : m_slots) {
        if (nummer > MaxSchluessel || !tabelle) continue;
        try {
            tabelle->SyncToServer();
            tabelle->PostEdit();
        } catch (const std::exception&) {
            // Destruction never raises; the next table is posted all the same.
        }
    }
}
