#pragma once

#include "platform/RegistryRoot.h"

#include <QChar>
#include <QString>
#include <array>
#include <memory>

// One accented letter with the ASCII codes that stand for it where only ASCII is allowed.
struct TKR_CharEntry
{
    QChar Upper;
    QChar Lower;
    QString UpperCode;
    QString LowerCode;
};

// The letter table on which case conversion and name encoding rest; entries 1 to 30.
class TKR_CharTable
{
public:
    static constexpr int Count = 30;

    const TKR_CharEntry& operator[](int n) const { return m_entries.at(n - 1); }
    TKR_CharEntry& operator[](int n) { return m_entries.at(n - 1); }
    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }
    void Clear() { m_entries.fill({}); }

private:
    std::array<TKR_CharEntry, Count> m_entries{};
};

// The display font of grids, slide strips and HTML display windows, when a program sets one.
struct TKR_AnzeigeEinstellungen
{
    QString FontName;
    int FontSize = 0;
};

// The program's single configuration record. Fields carry their initial values; start-up
// completes the directories and reads the user options from the registry.
struct TKR_SetupBlock
{
    TKR_SetupBlock();

    TRootKey NetConfigRootKey = TRootKey::HKEY_CLASSES_ROOT;
    TRootKey UserRootKey = TRootKey::HKEY_CURRENT_USER;
    bool GlobalReadOnly = false;
    bool SetupImage = false;
    bool NetConfigured = false;
    bool NovellNet = false;
    bool NoPhotoMedium = true;
    QString ProgramId = QStringLiteral("Verdan");
    QString IniName = QStringLiteral("Verdan.INI");
    quint8 ProductCode = 13;
    int BuildNumber = 199;
    quint8 LanguageIndex = 0;
    bool AllowPlantLoading = false;
    bool MaximizeChildren = true;
    bool ExtMod = false;
    int DiaSpaltenanzahl = 5;
    int DiaZeilenanzahl = 4;
    bool GridAlwaysShowSelection = false;
    bool LetterSearch = false;
    bool DragDisabled = false;
    bool ClearMarksAfterCopy = true;
    bool CopyWithTitles = true;
    bool PortraitWidthFixed = false;
    int PortraitWidthPercent = 66;
    QString ProgramDir; // with trailing separator
    QString ListenDir;
    QString LayoutDir;
    QString TempWorkDir; // with trailing separator
    QString WindowsDir;
    QString KontrolDir;
    QString GlobalDir; // without trailing separator
    QString ProjektDir;
    QString FilterDir;
    QString StrukturDir;
    QString FotoCdDir;
    QString NewFotosDir;
    TKR_CharTable CharTable;
    bool Colour256 = false;
    std::shared_ptr<TKR_AnzeigeEinstellungen> AnzeigeEinstellungen;
};

// Valid from program start to its end. Its constructor fills the initial values, the program
// directory and the letter table, so the text helpers work before InitSetupBlock has run.
extern TKR_SetupBlock SetupBlock;

// The directory of the running executable, with trailing separator.
QString ExecutableDirectory();

// Completes the record as the program's first step: the temporary work directory (created)
// and the registry roots of the settings and of the network configuration.
void InitSetupBlock();

// The data directories and the network configuration. Raises EKR_Exception with
// "<ProgramId> NETZWERK:  FEHLERHAFTE VERZEICHNISKONFIGURATION" for an incomplete network
// configuration.
void DetermineDataDirectories();

// Reads the user options from the settings file iniName (root UserRootKey). Missing values
// keep the current field values; reading errors are swallowed.
void ReadSettings(const QString& iniName);
