#include "app/KR_Ini.h"
#include "app/KR_MYSYS.h"
#include "foundation/KR_Exception.h"
#include "platform/Registry_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const TRootKey HKCU = TRootKey::HKEY_CURRENT_USER;
const TRootKey HKLM = TRootKey::HKEY_LOCAL_MACHINE;
const TRootKey HKCR = TRootKey::HKEY_CLASSES_ROOT;

const QString kSettingsKey =
    "[HKEY_CURRENT_USER\\SOFTWARE\\Leafdesk\\Verdan\\Adaptation\\Verdan]\r\n";

class ScopedEnv
{
public:
    ScopedEnv(const char* name, const QByteArray& value) : m_name(name), m_saved(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_saved.isNull())
            qunsetenv(m_name);
        else
            qputenv(m_name, m_saved);
    }

private:
    const char* m_name;
    QByteArray m_saved;
};

TEST(KR_MYSYS, InitialValues)
{
    const TKR_SetupBlock s;
    EXPECT_EQ(s.ProgramId, "Verdan");
    EXPECT_EQ(s.IniName, "Verdan.INI");
    EXPECT_EQ(s.ProductCode, 13);
    EXPECT_EQ(s.BuildNumber, 199);
    EXPECT_EQ(s.UserRootKey, HKCU);
    EXPECT_EQ(s.NetConfigRootKey, HKCR);
    EXPECT_EQ(s.DiaSpaltenanzahl, 5);
    EXPECT_EQ(s.DiaZeilenanzahl, 4);
    EXPECT_EQ(s.PortraitWidthPercent, 66);
    EXPECT_TRUE(s.MaximizeChildren && s.ClearMarksAfterCopy && s.CopyWithTitles);
    EXPECT_EQ(s.ProgramDir, QCoreApplication::applicationDirPath() + "/");
    EXPECT_EQ(s.ListenDir, s.ProgramDir + "LISTEN");
    EXPECT_EQ(s.NewFotosDir, s.ProgramDir + "NEWFOTOS/");
}

TEST(KR_MYSYS, WorkDirectoryBelowTheFirstUsableTemporaryDirectory)
{
    TRegistryFixture fixture;
    const QString file = fixture.Root() + "/afile";
    QFile(file).open(QIODevice::WriteOnly);
    const QByteArray temp = QFile::encodeName(fixture.Root() + "/temp");
    const QByteArray tmp = QFile::encodeName(fixture.Root() + "/tmp");

    struct Case
    {
        QByteArray temp;
        QByteArray tmp;
        QString want;
    };
    const Case cases[] = {
        {temp, tmp, fixture.Root() + "/temp/Verdan32/"},
        {"", tmp, fixture.Root() + "/tmp/Verdan32/"},
        {QFile::encodeName(file), tmp, fixture.Root() + "/tmp/Verdan32/"},
        {QFile::encodeName(file + "/below"), {}, "/tmp/Verdan32/"},
    };
    for (const auto& c : cases) {
        ScopedEnv setTemp("TEMP", c.temp);
        ScopedEnv setTmp("TMP", c.tmp);
        InitSetupBlock();
        EXPECT_EQ(SetupBlock.TempWorkDir, c.want) << c.temp.constData();
        EXPECT_TRUE(QFileInfo(SetupBlock.TempWorkDir).isDir());
    }
}

TEST(KR_MYSYS, RegistryRootKeys)
{
    struct Case
    {
        const char* values;
        TRootKey user;
        TRootKey net;
    };
    const Case cases[] = {
        {"", HKCU, HKCR},
        {"\"RootKey\"=dword:00000002\r\n", HKLM, HKLM},
        {"\"UserKey\"=dword:00000002\r\n", HKLM, HKCR},
        {"\"NetCfgKey\"=dword:00000004\r\n\"RootKey\"=dword:00000002\r\n", HKCU,
         TRootKey::HKEY_USERS},
        {"\"RootKey\"=dword:00000009\r\n", HKCU, HKCR},                       // no such root
        {"\"UserKey\"=hex:01\r\n\"RootKey\"=dword:00000002\r\n", HKCU, HKCR}, // unreadable
    };
    for (const auto& c : cases) {
        TRegistryFixture fixture;
        fixture.WriteHive(HKCU, "[HKEY_CURRENT_USER\\SOFTWARE\\Leafdesk]\r\n" +
                                    QString::fromLatin1(c.values));
        InitSetupBlock();
        EXPECT_EQ(SetupBlock.UserRootKey, c.user) << c.values;
        EXPECT_EQ(SetupBlock.NetConfigRootKey, c.net) << c.values;
    }
}

TEST(KR_MYSYS, IniFileBaseKeys)
{
    TRegistryFixture fixture;
    EXPECT_EQ(TKR_IniFile("WIN.INI").BaseKey(), "SOFTWARE\\Leafdesk\\Verdan\\System");
    EXPECT_EQ(TKR_IniFile("verdan.ini").BaseKey(), "SOFTWARE\\Leafdesk\\Verdan\\Adaptation");
    EXPECT_EQ(TKR_IniFile("Other.ini").BaseKey(), "SOFTWARE\\Leafdesk\\Verdan\\OTHER.INI");
    EXPECT_TRUE(TKR_IniFile("Verdan.INI").Failed()); // no hive at all
}

TEST(KR_MYSYS, IniFileReadsEveryKindAsText)
{
    TRegistryFixture fixture;
    fixture.WriteHive(HKLM, "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Leafdesk\\Verdan\\Adaptation\\S]\r\n"
                            "\"Hex\"=\"0x1F\"\r\n\"Dword\"=dword:0000000a\r\n\"Text\"=\"abc\"\r\n"
                            "\"Bool\"=\"2\"\r\n\"Zero\"=dword:00000000\r\n\"Bin\"=hex:01\r\n");
    TKR_IniFile ini("Verdan.INI", true, HKLM);
    ASSERT_FALSE(ini.Failed());
    EXPECT_EQ(ini.ReadInteger("S", "hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("S", "Dword", 0), 10);
    EXPECT_EQ(ini.ReadInteger("S", "Text", 5), 5);
    EXPECT_EQ(ini.ReadString("S", "Dword", ""), "10");
    EXPECT_EQ(ini.ReadString("S", "Bin", "def"), "def");
    EXPECT_EQ(ini.ReadString("Missing", "Text", "def"), "def");
    EXPECT_TRUE(ini.ReadBool("S", "Bool", false));
    EXPECT_FALSE(ini.ReadBool("S", "Zero", true));
    EXPECT_TRUE(ini.ReadBool("S", "Missing", true));
    EXPECT_EQ(ini.ReadSection("S").size(), 6);
    EXPECT_EQ(ini.ReadSections(), QStringList{"S"});
}

TEST(KR_MYSYS, SettingsReadFromTheHive)
{
    TRegistryFixture fixture;
    const QString lists = fixture.Root() + "/Listen";
    QDir().mkpath(lists);
    fixture.WriteHive(HKCU, kSettingsKey +
                                "\"A18\"=\"0x6\"\r\n\"A19\"=\"keine Zahl\"\r\n"
                                "\"A4\"=\"1\"\r\n\"A9\"=dword:00000000\r\n"
                                "\"a33\"=\"40\"\r\n\"EXTMOD\"=\"1\"\r\n"
                                "\"WORKDIR\"=\"" +
                                lists + "\"\r\n\"LAYOUTDIR\"=\"/does/not/exist\"\r\n");
    ReadSettings("Verdan.INI");
    EXPECT_EQ(SetupBlock.DiaSpaltenanzahl, 6);
    EXPECT_EQ(SetupBlock.DiaZeilenanzahl, 4);
    EXPECT_TRUE(SetupBlock.GridAlwaysShowSelection);
    EXPECT_FALSE(SetupBlock.MaximizeChildren);
    EXPECT_EQ(SetupBlock.PortraitWidthPercent, 40);
    EXPECT_TRUE(SetupBlock.ExtMod);
    EXPECT_TRUE(SetupBlock.ClearMarksAfterCopy); // missing: initial value
    EXPECT_EQ(SetupBlock.ListenDir, lists);
    EXPECT_EQ(SetupBlock.LayoutDir, SetupBlock.ProgramDir + "LAYOUT");
}

TEST(KR_MYSYS, RootKeyMovesTheSettingsAndTheNetworkConfiguration)
{
    TRegistryFixture fixture;
    const QString program = fixture.Root() + "/net/";
    QDir().mkpath(program + "GLOBAL");
    fixture.WriteHive(HKCU,
                      "[HKEY_CURRENT_USER\\SOFTWARE\\Leafdesk]\r\n\"RootKey\"=dword:00000002\r\n" +
                          kSettingsKey + "\"A18\"=\"9\"\r\n");
    fixture.WriteHive(HKLM,
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Leafdesk\\Verdan\\Adaptation\\Verdan]\r\n"
                      "\"A18\"=\"7\"\r\n"
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Leafdesk\\Verdan\\System\\Verdan_NET]\r\n"
                      "\"PROFIVERSION\"=\"1\"\r\n\"HAUPTDIR\"=\"" +
                          QString(program).chopped(1) + "\"\r\n\"GLOBALDIR\"=\"" + program +
                          "GLOBAL\"\r\n\"FOTOCD\"=\"/cd\"\r\n");
    InitSetupBlock();
    DetermineDataDirectories();
    ReadSettings(SetupBlock.IniName);
    EXPECT_EQ(SetupBlock.DiaSpaltenanzahl, 7);
    EXPECT_TRUE(SetupBlock.NetConfigured);
    EXPECT_EQ(SetupBlock.ProgramDir, program);
    EXPECT_EQ(SetupBlock.GlobalDir, program + "GLOBAL");
    EXPECT_EQ(SetupBlock.StrukturDir, program + "STRUKTUR");
    EXPECT_TRUE(SetupBlock.GlobalReadOnly); // STARTUPBYNONE defaults to true
    EXPECT_TRUE(SetupBlock.ProjektDir.isEmpty());
}

TEST(KR_MYSYS, LocalDataDirectories)
{
    TRegistryFixture fixture;
    SetupBlock.ProgramDir = "/opt/verdan/";
    DetermineDataDirectories();
    EXPECT_FALSE(SetupBlock.NetConfigured);
    EXPECT_EQ(SetupBlock.GlobalDir, "/opt/verdan/GLOBAL");
    EXPECT_EQ(SetupBlock.ProjektDir, "/opt/verdan/PROJEKT");
    EXPECT_EQ(SetupBlock.FilterDir, "/opt/verdan/FILTER");
    EXPECT_EQ(SetupBlock.StrukturDir, "/opt/verdan/STRUKTUR");
    EXPECT_FALSE(SetupBlock.GlobalReadOnly);

    SetupBlock.ProgramDir = "/media/cd/Setup/Image/";
    DetermineDataDirectories();
    EXPECT_TRUE(SetupBlock.GlobalReadOnly);
    EXPECT_TRUE(SetupBlock.SetupImage);
}

TEST(KR_MYSYS, IncompleteNetworkConfigurationIsRejected)
{
    TRegistryFixture fixture;
    const QString program = fixture.Root() + "/";
    QDir().mkpath(program + "GLOBAL");
    const QString complete =
        "[HKEY_CLASSES_ROOT\\SOFTWARE\\Leafdesk\\Verdan\\System\\Verdan_NET]\r\n"
        "\"PROFIVERSION\"=\"1\"\r\n\"HAUPTDIR\"=\"" +
        program + "\"\r\n\"GLOBALDIR\"=\"" + program + "GLOBAL\"\r\n";
    const QString cases[] = {
        complete + "\"FOTOCD\"=\"\"\r\n",
        complete + "\"FOTOCD\"=\"/cd\"\r\n\"GLOBALDIR\"=\"/missing\"\r\n",
        complete + "\"FOTOCD\"=\"/cd\"\r\n\"HAUPTDIR\"=\"\"\r\n",
    };
    for (const QString& hive : cases) {
        fixture.WriteHive(HKCR, hive);
        try {
            DetermineDataDirectories();
            ADD_FAILURE() << hive.toStdString();
        } catch (const EKR_Exception& error) {
            EXPECT_EQ(error.Message(), "Verdan NETZWERK:  FEHLERHAFTE VERZEICHNISKONFIGURATION");
        }
    }
    fixture.WriteHive(HKCR, complete + "\"FOTOCD\"=\"/cd\"\r\n\"KONTROLDIR\"=\"/missing\"\r\n");
    DetermineDataDirectories();
    EXPECT_TRUE(SetupBlock.NetConfigured);
    EXPECT_TRUE(SetupBlock.KontrolDir.isEmpty());
}

} // namespace
