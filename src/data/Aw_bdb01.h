#pragma once

#include "data/Kr_db.h"
#include "foundation/KR_Exception.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <map>

class TBDB_SERVER;
class TVerdan_Benutzerdatenbank;

// Where a server's tables and queries find their data; every data set a server creates
// receives it through ApplySessionDaten.
struct TKR_SessionDaten
{
    QString DatabaseName; // an alias or the directory of the database
    bool ReadOnly = false;
};

// The server's own errors.
class EBDB_Exception : public EKR_Exception
{
public:
    using EKR_Exception::EKR_Exception;
};

// A table that a server hands out for the key of number Nummer. The server owns it.
class TBDB_Table : public TKR_Table
{
    Q_OBJECT

public:
    TBDB_Table(TBDB_SERVER* server, int nummer);

    TBDB_SERVER* Server() const { return m_server; }
    int Nummer() const { return m_nummer; }

    // Brings the table onto the server's current record; called by every GetTable. The base
    // has nothing to follow.
    virtual void SyncToServer() {}
    // Writes a pending edit to disk. The engine opens every table read-only, so there never
    // is one to write.
    virtual void PostEdit() {}

private:
    TBDB_SERVER* m_server;
    int m_nummer;
};

// Owns the tables of one database and hands them out by key number, opening each on first
// use; a table once opened stays open and keeps its cursor, index and range between callers.
// Every window has its own server, so no two windows share a cursor.
class TBDB_SERVER : public QObject
{
    Q_OBJECT

public:
    // Key numbers 1 to MaxSchluessel have slots; further numbers are the framework's own.
    static constexpr int MaxSchluessel = 99;

    // The catalogue is not owned and numbers the tables; the translator is not used (this
    // program translates nothing). Reads the table names of the database: an engine error
    // there leaves the constructor.
    TBDB_SERVER(QObject* owner, QObject* translator, TVerdan_Benutzerdatenbank* benutzerdatenbank,
                const QString& databaseName);
    ~TBDB_SERVER() override;

    // The table of key nummer, opened through OpenTable on first use; the same object on
    // every call. Engine errors of the opening reach the caller.
    TBDB_Table* GetTable(int nummer);
    // The slot of key nummer. A number outside the catalogue is a programming error: the
    // "BDB_SERVER" message is shown and the program ends with exit code 1.
    TBDB_Table*& GetAccess(int nummer);

    // Creates and opens the table of key nummer into its slot. The base serves none.
    virtual void OpenTable(int nummer);
    // Makes the taxon with number id the current record of key table 1; false when there is
    // none. The base knows no taxa.
    virtual bool Locate(int id);

    void SetDatabase(const QString& databaseName, bool readOnly);
    const TKR_SessionDaten& SessionDaten() const { return m_sessionDaten; }
    QString DatabaseName() const { return m_sessionDaten.DatabaseName; }
    TVerdan_Benutzerdatenbank* Benutzerdatenbank() const { return m_benutzerdatenbank; }
    // The names of the database's tables when the server was created, without extension.
    const QStringList& TabellenNamen() const { return m_tabellenNamen; }

private:
    int SchluesselAnzahl() const;
    void PostAll();

    TKR_SessionDaten m_sessionDaten;
    TVerdan_Benutzerdatenbank* m_benutzerdatenbank;
    QStringList m_tabellenNamen;
    // Key number -> table; the tables are children of the server.
    std::map<int, TBDB_Table*> m_slots;
};
