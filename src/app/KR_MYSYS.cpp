#include "app/KR_MYSYS.h"

#include "app/KR_Ini.h"
#include "app/Kr_file.h"
#include "app/Kr_str.h"
#include "foundation/KR_Exception.h"

#include <QFileInfo>

TKR_SetupBlock SetupBlock;

namespace {

struct LetterRow
{
    char16_t upper;
    char16_t lower;
    const char* lowerCode;
};

// The accented letters of code page 1252. Entry 4 and entry 20 have no other case; entries
// 18 and 19 share their code.
constexpr LetterRow kLetters[TKR_CharTable::Count] = {
    {u'Ä', u'ä', "ae_"}, {u'Ö', u'ö', "oe_"}, {u'Ü', u'ü', "ue_"}, {u'ß', u'ß', "ss_"},
    {u'À', u'à', "a1_"}, {u'Á', u'á', "a2_"}, {u'Â', u'â', "a3_"}, {u'Ã', u'ã', "a4_"},
    {u'Å', u'å', "a5_"}, {u'Æ', u'æ', "a6_"}, {u'Ç', u'ç', "c1_"}, {u'È', u'è', "e1_"},
    {u'É', u'é', "e2_"}, {u'Ê', u'ê', "e3_"}, {u'Ë', u'ë', "e4_"}, {u'Ì', u'ì', "i1_"},
    {u'Í', u'í', "i2_"}, {u'Î', u'î', "i3_"}, {u'Ï', u'ï', "i3_"}, {u'Ð', u'Ð', "d1_"},
    {u'Ñ', u'ñ', "n1_"}, {u'Ò', u'ò', "o1_"}, {u'Ó', u'ó', "o2_"}, {u'Ô', u'ô', "o3_"},
    {u'Õ', u'õ', "o4_"}, {u'Ù', u'ù', "u1_"}, {u'Ú', u'ú', "u2_"}, {u'Û', u'û', "u3_"},
    {u'Ý', u'ý', "y1_"}, {u'Ÿ', u'ÿ', "y2_"},
};

void FillCharTable(TKR_CharTable& table)
{
    table.Clear();
    for (int n = 1; n <= TKR_CharTable::Count; ++n) {
        const LetterRow& row = kLetters[n - 1];
        table[n] = {QChar(row.upper), QChar(row.lower), {}, QString::fromLatin1(row.lowerCode)};
    }
    // The codes are ASCII, so upper-casing them needs no letter table yet.
    for (int n = 1; n <= TKR_CharTable::Count; ++n) {
        for (QChar c : table[n].LowerCode)
            table[n].UpperCode += (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c;
    }
    // "ß" has no capital, so its code keeps lower case and decodes to "ß" either way.
    table[4].UpperCode = QStringLiteral("ss_");
}

} // namespace

QString ExecutableDirectory()
{
#ifdef Q_OS_LINUX
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!exe.isEmpty()) return IncludeSeparator(QFileInfo(exe).absolutePath());
#endif
    return IncludeSeparator(QFileInfo(QStringLiteral(".")).absoluteFilePath());
}

TKR_SetupBlock::TKR_SetupBlock()
{
    FillCharTable(CharTable);
    ProgramDir = ExecutableDirectory();
    ListenDir = ProgramDir + QStringLiteral("LISTEN");
    LayoutDir = ProgramDir + QStringLiteral("LAYOUT");
    NewFotosDir = ProgramDir + QStringLiteral("NEWFOTOS") + PathSeparator;
}

namespace {

#ifdef Q_OS_WIN
const QString kLastTempCandidate = QStringLiteral("C:\\TEMP");
#else
const QString kLastTempCandidate = QStringLiteral("/tmp");
#endif

// The first of TEMP, TMP and the system's fixed directory that exists or can be created,
// with trailing separator.
QString TemporaryDirectory()
{
    for (const QString& variable : {QStringLiteral("TEMP"), QStringLiteral("TMP")}) {
        const QString dir = IncludeSeparator(GetEnvironmentValue(variable));
        if (!dir.isEmpty() && ForceDirectories(dir)) return dir;
    }
    const QString dir = IncludeSeparator(kLastTempCandidate);
    ForceDirectories(dir);
    return dir;
}

QString WindowsDirectory()
{
#ifdef Q_OS_WIN
    return IncludeSeparator(qEnvironmentVariable("SystemRoot"));
#else
    return {};
#endif
}

void ApplyRootKey(TRootKey& field, std::optional<int> number)
{
    if (!number) return;
    if (const auto root = RootKeyFromNumber(*number)) field = *root;
}

void ReadRegistryRootKeys(TKR_SetupBlock& s)
{
    TKR_Registry registry(TRootKey::HKEY_CURRENT_USER);
    if (!registry.OpenKeyReadOnly(QStringLiteral("\\SOFTWARE\\Leafdesk"))) return;
    const bool userKey = registry.ValueExists(QStringLiteral("UserKey"));
    const bool netCfgKey = registry.ValueExists(QStringLiteral("NetCfgKey"));
    if (userKey) ApplyRootKey(s.UserRootKey, registry.ReadInteger(QStringLiteral("UserKey")));
    if (netCfgKey)
        ApplyRootKey(s.NetConfigRootKey, registry.ReadInteger(QStringLiteral("NetCfgKey")));
    if (userKey || netCfgKey) return;
    const auto both = registry.ReadInteger(QStringLiteral("RootKey"));
    ApplyRootKey(s.UserRootKey, both);
    ApplyRootKey(s.NetConfigRootKey, both);
}

QString IniBaseName(const TKR_SetupBlock& s)
{
    return GetToken(QStringLiteral("."), 1, s.IniName);
}

// True when a complete network configuration was read into s.
bool ReadNetworkConfiguration(TKR_SetupBlock& s, TKR_IniFile& ini, const QString& section)
{
    s.ProgramDir = ToHostSeparators(ini.ReadString(section, QStringLiteral("HAUPTDIR"), {}));
    s.GlobalDir = ToHostSeparators(ini.ReadString(section, QStringLiteral("GLOBALDIR"), {}));
    s.KontrolDir = ToHostSeparators(ini.ReadString(section, QStringLiteral("KONTROLDIR"), {}));
    s.FotoCdDir = ToHostSeparators(ini.ReadString(section, QStringLiteral("FOTOCD"), {}));
    if (!s.KontrolDir.isEmpty() && !DirExists(s.KontrolDir)) s.KontrolDir.clear();
    if (s.ProgramDir.isEmpty() || !DirExists(s.ProgramDir) || s.GlobalDir.isEmpty() ||
        !DirExists(s.GlobalDir) || s.FotoCdDir.isEmpty())
        return false;
    s.ProgramDir = IncludeSeparator(s.ProgramDir);
    s.GlobalReadOnly = ini.ReadBool(section, QStringLiteral("STARTUPBYNONE"), true);
    s.NovellNet = ini.ReadBool(section, QStringLiteral("NOVELLNETZ"), false);
    s.NetConfigured = true;
    s.StrukturDir = s.ProgramDir + QStringLiteral("STRUKTUR");
    return true;
}

void SetLocalDataDirectories(TKR_SetupBlock& s)
{
    s.GlobalDir = s.ProgramDir + QStringLiteral("GLOBAL");
    const QString imageMarker = PathSeparator + QStringLiteral("SETUP") + PathSeparator +
                                QStringLiteral("IMAGE") + PathSeparator;
    if (UpperCase(s.GlobalDir).contains(imageMarker)) {
        s.GlobalReadOnly = true;
        s.SetupImage = true;
    }
    s.ProjektDir = s.ProgramDir + QStringLiteral("PROJEKT");
    s.FilterDir = s.ProgramDir + QStringLiteral("FILTER");
    s.StrukturDir = s.ProgramDir + QStringLiteral("STRUKTUR");
    s.FotoCdDir.clear();
}

// A directory setting that must name an existing directory, else fallback.
QString ExistingDirectory(const QString& dir, const QString& fallback)
{
    const QString host = ToHostSeparators(dir);
    return DirExists(host) ? host : fallback;
}

void ReadUserOptions(TKR_SetupBlock& s, TKR_IniFile& ini, const QString& section)
{
    auto readBool = [&](const char* name, bool& field) {
        field = ini.ReadBool(section, QString::fromLatin1(name), field);
    };
    auto readInt = [&](const char* name, int& field) {
        field = ini.ReadInteger(section, QString::fromLatin1(name), field);
    };
    readBool("A4", s.GridAlwaysShowSelection);
    readBool("A8", s.LetterSearch);
    readBool("A9", s.MaximizeChildren);
    readInt("A18", s.DiaSpaltenanzahl);
    readInt("A19", s.DiaZeilenanzahl);
    readBool("A21", s.DragDisabled);
    readBool("A22", s.ClearMarksAfterCopy);
    readBool("A26", s.CopyWithTitles);
    readBool("A32", s.PortraitWidthFixed);
    readInt("A33", s.PortraitWidthPercent);
    readBool("EXTMOD", s.ExtMod);
    s.ListenDir = ExistingDirectory(ini.ReadString(section, QStringLiteral("WORKDIR"), s.ListenDir),
                                    s.ProgramDir + QStringLiteral("LISTEN"));
    s.LayoutDir =
        ExistingDirectory(ini.ReadString(section, QStringLiteral("LAYOUTDIR"), s.LayoutDir),
                          s.ProgramDir + QStringLiteral("LAYOUT"));
    if (s.AnzeigeEinstellungen) {
        TKR_AnzeigeEinstellungen& display = *s.AnzeigeEinstellungen;
        display.FontName = ini.ReadString(section, QStringLiteral("A46"), display.FontName);
        display.FontSize = ini.ReadInteger(section, QStringLiteral("A47"), display.FontSize);
    }
}

} // namespace

void InitSetupBlock()
{
    TKR_SetupBlock& s = SetupBlock;
    s.ProgramDir = ExecutableDirectory();
    s.TempWorkDir = IncludeSeparator(TemporaryDirectory() + IniBaseName(s) + QStringLiteral("32"));
    ForceDirectories(s.TempWorkDir);
    s.ListenDir = s.ProgramDir + QStringLiteral("LISTEN");
    s.LayoutDir = s.ProgramDir + QStringLiteral("LAYOUT");
    s.NewFotosDir = s.ProgramDir + QStringLiteral("NEWFOTOS") + PathSeparator;
    s.WindowsDir = WindowsDirectory();
    ReadRegistryRootKeys(s);
}

void DetermineDataDirectories()
{
    TKR_SetupBlock& s = SetupBlock;
    const QString base = IniBaseName(s);
    const QString section =
        s.IniName.isEmpty() ? QStringLiteral("NET") : base + QStringLiteral("_NET");
    TKR_IniFile ini(QStringLiteral("WIN.INI"), true, s.NetConfigRootKey);
    if (!ini.ReadBool(section, QStringLiteral("PROFIVERSION"), false)) {
        SetLocalDataDirectories(s);
        return;
    }
    if (!ReadNetworkConfiguration(s, ini, section))
        throw EKR_Exception(s.ProgramId +
                            QStringLiteral(" NETZWERK:  FEHLERHAFTE VERZEICHNISKONFIGURATION"));
}

void ReadSettings(const QString& iniName)
{
    TKR_SetupBlock& s = SetupBlock;
    try {
        TKR_IniFile ini(iniName);
        ReadUserOptions(s, ini, GetToken(QStringLiteral("."), 1, iniName));
    } catch (const std::exception&) {
        // Settings are a convenience: whatever was read stays, the rest keeps its defaults.
    }
}
