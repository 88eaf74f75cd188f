#pragma once

#include <QString>
#include <memory>

class TVerdan_Benutzerdatenbank;

// Builds a complete catalogue of the 61 keys for its caller, who owns it; every call builds
// a separate one. The keys, criteria and items are declared in code, except the items of
// the genus and family keys 7 to 59, which come with the data: the table KAT_Items of the
// data directory (SetupBlock.GlobalDir, or datenVerzeichnis). A missing table or bad rows
// do not stop the build: the rows are skipped, keys 1 to 6, 60 and 61 are always complete,
// and the catalogue's Probleme() says what was wrong.
std::unique_ptr<TVerdan_Benutzerdatenbank> ErstelleKatalog();
std::unique_ptr<TVerdan_Benutzerdatenbank> ErstelleKatalog(const QString& datenVerzeichnis);
