#pragma once

#include "platform/Query.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <memory>

class TVerdan_AbfrageListe;
class TVerdan_Benutzerdatenbank;
class TVerdan_Bestimmungszeile;
class TVerdan_Datenbankserver;
class TVerdan_FlagOutObjekt;
class TVerdan_FlagOutStruktur;

// One identification on a data directory, driven by text commands: what the identification
// window does on clicks, with the same catalogue, level stack, statements and row rules.
class TBestimmungssitzung
{
public:
    // Builds the catalogue and the server for the data directory verzeichnis, which becomes
    // the program's data directory. Engine errors (no database there) leave the constructor.
    TBestimmungssitzung(const QString& verzeichnis, QTextStream& ausgabe);
    ~TBestimmungssitzung();

    // What went wrong while the catalogue was read from the data.
    QStringList Probleme() const;

    // Runs one command line; false after "quit". Errors of the command or of the engine
    // are printed as one line starting "error: " and the session goes on.
    bool Befehl(const QString& zeile);

private:
    using TArgumente = QStringList;

    void Schluessel();
    void Oeffne(const TArgumente& argumente);
    void Kriterien();
    void Ankreuzen(const TArgumente& argumente, bool gewaehlt);
    void DeutscheNamen(const TArgumente& argumente);
    void Sql();
    void Liste();
    void Folge(const TArgumente& argumente);
    void Ebenen();
    void Zurueck(const TArgumente& argumente);
    void Beschreibe(const TArgumente& argumente);

    // Runs the current level's statement and prints "Übrig bleiben: ".
    void AbfrageStarten();
    void DruckeVerschachtelung();
    void DruckeBeschreibung();
    // Moves to result row text (checked against the rows there are).
    void GeheZuErgebniszeile(const QString& text);
    TVerdan_FlagOutStruktur& Struktur();
    TVerdan_FlagOutObjekt& Wert(const QString& feldText, const QString& itemText);

    QTextStream& m_aus;
    std::unique_ptr<TVerdan_Benutzerdatenbank> m_katalog;
    std::unique_ptr<TVerdan_Datenbankserver> m_server;
    std::unique_ptr<TVerdan_AbfrageListe> m_ebenen;
    std::unique_ptr<TVerdan_Bestimmungszeile> m_zeile;
    // Last: its name column calls into m_zeile while it lives.
    TQuery m_abfrage;
};
