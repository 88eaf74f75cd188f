#pragma once

#include <QString>
#include <memory>

class TVerdan_Benutzerdatenbank;

// The numbers of the keys that the program treats by number.
namespace VerdanSchluessel {
constexpr int Arten = 1;
constexpr int Farnpflanzen = 2;
constexpr int Grundtabelle = 3;
constexpr int Gruppenliste = 4;
constexpr int Familien = 5;
constexpr int Gattungsliste = 6;
// The genus and family keys, whose items come with the data.
constexpr int ErsterTeilschluessel = 7;
constexpr int LetzterTeilschluessel = 59;
constexpr int Familienliste = 60;
constexpr int Glossar = 61;
} // namespace VerdanSchluessel

// Builds a complete catalogue of the 61 keys for its caller, who owns it; every call builds
// a separate one. The keys, criteria and items are declared in code, except the items of
// the genus and family keys 7 to 59, which come with the data: the table KAT_Items of the
// data directory (SetupBlock.GlobalDir, or datenVerzeichnis). A missing table or bad rows
// do not stop the build: the rows are skipped, keys 1 to 6, 60 and 61 are always complete,
// and the catalogue's Probleme() says what was wrong.
std::unique_ptr<TVerdan_Benutzerdatenbank> ErstelleKatalog();
std::unique_ptr<TVerdan_Benutzerdatenbank> ErstelleKatalog(const QString& datenVerzeichnis);
