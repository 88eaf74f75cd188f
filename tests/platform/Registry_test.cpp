#include "platform/Registry.h"
#include "platform/Registry_fixture.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

const TRootKey HKCU = TRootKey::HKEY_CURRENT_USER;

TRegHive ParseText(const QString& text, TRootKey root = HKCU)
{
    return TRegHive::Parse(text.toUtf8(), root);
}

const QString kValidHive =
    QStringLiteral("Windows Registry Editor Version 5.00\r\n"
                   "\r\n"
                   "[HKEY_CURRENT_USER\\SOFTWARE\\Leafdesk]\r\n"
                   "\"UserKey\"=dword:00000002\r\n"
                   "\"RootKey\"=dword:ffffffff\r\n"
                   "\r\n"
                   "[HKEY_CURRENT_USER\\SOFTWARE\\Leafdesk\\Verdan\\Adaptation\\Verdan]\r\n"
                   "@=\"Vorgabe\"\r\n"
                   "\"A18\"=\"0x6\"\r\n"
                   "\"WORKDIR\"=\"C:\\\\Daten\\\\Listen\"\r\n"
                   "\"Zitat\"=\"er sagte \\\"Ja\\\"\"\r\n"
                   "\"Pflanze\"=\"Bärlauch\"\r\n"
                   "\"Leer\"=\"\"\r\n"
                   "\"Bin\"=hex:01,02,\\\r\n"
                   "  03,ff\r\n"
                   "\"Pfad\"=hex(2):25,00,54,00,45,00,4d,00,50,00,25,00,00,00\r\n"
                   "\"Liste\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
                   "\"Q\"=hex(b):05,00,00,00,00,00,00,00\r\n"
                   "; a comment\r\n");

TEST(Registry, ReadsTheExportFormat)
{
    const TRegHive hive = ParseText(kValidHive);
    EXPECT_TRUE(hive.Problems().isEmpty()) << hive.Problems().join("\n").toStdString();

    const TRegKey* leafdesk = hive.FindKey("software\\LEAFDESK");
    ASSERT_NE(leafdesk, nullptr);
    EXPECT_EQ(leafdesk->Find("userkey")->number, 2);
    EXPECT_EQ(leafdesk->Find("RootKey")->number, -1);

    const TRegKey* settings = hive.FindKey("SOFTWARE\\Leafdesk\\Verdan\\Adaptation\\Verdan");
    ASSERT_NE(settings, nullptr);
    struct Case
    {
        const char* name;
        QString text;
    };
    const Case cases[] = {
        {"", "Vorgabe"},
        {"A18", "0x6"},
        {"WORKDIR", "C:\\Daten\\Listen"},
        {"Zitat", "er sagte \"Ja\""},
        {"Pflanze", "Bärlauch"},
        {"Leer", ""},
        {"Pfad", "%TEMP%"},
        {"Liste", "a\nb"},
        {"Q", "5"},
    };
    for (const auto& c : cases) {
        const TRegValue* value = settings->Find(QString::fromUtf8(c.name));
        ASSERT_NE(value, nullptr) << c.name;
        EXPECT_EQ(value->AsText(), c.text) << c.name;
    }
    const TRegValue* binary = settings->Find("Bin");
    ASSERT_NE(binary, nullptr);
    EXPECT_EQ(binary->bytes, QByteArray("\x01\x02\x03\xff", 4));
    EXPECT_FALSE(binary->AsText().has_value());
    // Parent keys exist as keys of their own.
    EXPECT_NE(hive.FindKey("SOFTWARE\\Leafdesk\\Verdan"), nullptr);
    EXPECT_EQ(hive.SubKeyNames("SOFTWARE\\Leafdesk"), QStringList{"Verdan"});
}

TEST(Registry, ReadsUtf16WithByteOrderMarkAsTheEditorWritesIt)
{
    QByteArray bytes("\xFF\xFE", 2);
    const QString text = kValidHive;
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const TRegHive hive = TRegHive::Parse(bytes, HKCU);
    EXPECT_TRUE(hive.Problems().isEmpty());
    const TRegKey* settings = hive.FindKey("SOFTWARE\\Leafdesk\\Verdan\\Adaptation\\Verdan");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->Find("Pflanze")->AsText(), "Bärlauch");
}

TEST(Registry, OldAnsiExportsAreRead)
{
    const QByteArray bytes = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\X]\r\n\"A\"=\"B\xe4r\"\r\n"
                             "\"S\"=hex(1):41,42,00\r\n";
    const TRegHive hive = TRegHive::Parse(bytes, HKCU);
    ASSERT_NE(hive.FindKey("X"), nullptr);
    EXPECT_EQ(hive.FindKey("X")->Find("A")->AsText(), "Bär");
    EXPECT_EQ(hive.FindKey("X")->Find("S")->AsText(), "AB");
}

TEST(Registry, DamagedLinesAreSkippedAndNamed)
{
    const TRegHive hive = ParseText("Windows Registry Editor Version 5.00\n"
                                    "\"Orphan\"=\"x\"\n"
                                    "[HKEY_CURRENT_USER\\K]\n"
                                    "\"Good\"=\"1\"\n"
                                    "\"Open\"=\"never closed\n"
                                    "\"Name=\"x\"\n"
                                    "\"D\"=dword:123456789\n"
                                    "\"E\"=dword:zz\n"
                                    "\"H\"=hex:1,2,xyz\n"
                                    "\"T\"=\"a\" trailing\n"
                                    "\"NoEquals\" \"x\"\n"
                                    "garbage line\n"
                                    "[HKEY_LOCAL_MACHINE\\Other]\n"
                                    "\"Lost\"=\"y\"\n"
                                    "[HKEY_CURRENT_USER\\K\n"
                                    "\"AfterBadKey\"=\"z\"\n");
    const TRegKey* key = hive.FindKey("K");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->Names(), QStringList{"Good"});
    EXPECT_EQ(hive.FindKey("Other"), nullptr);
    EXPECT_GE(hive.Problems().size(), 10);
    EXPECT_TRUE(hive.Problems().first().startsWith("line 2:"));
}

TEST(Registry, WrongHeaderIgnoresTheFile)
{
    const TRegHive hive = ParseText("Windows Registry Editor Version 9.99\n"
                                    "[HKEY_CURRENT_USER\\K]\n\"A\"=\"1\"\n");
    EXPECT_EQ(hive.FindKey("K"), nullptr);
    ASSERT_EQ(hive.Problems().size(), 1);
    EXPECT_TRUE(ParseText("").Problems().isEmpty());
}

TEST(Registry, DeletionsInTheFileApply)
{
    const TRegHive hive = ParseText("Windows Registry Editor Version 5.00\n"
                                    "[HKEY_CURRENT_USER\\A\\B]\n\"X\"=\"1\"\n\"Y\"=\"2\"\n"
                                    "[HKEY_CURRENT_USER\\A\\C]\n"
                                    "[-HKEY_CURRENT_USER\\A\\C]\n"
                                    "[HKEY_CURRENT_USER\\A\\B]\n\"X\"=-\n");
    ASSERT_NE(hive.FindKey("A\\B"), nullptr);
    EXPECT_EQ(hive.FindKey("A\\B")->Names(), QStringList{"Y"});
    EXPECT_EQ(hive.FindKey("A\\C"), nullptr);
}

TEST(Registry, HugeValuesAreSkipped)
{
    const QString huge = QString(2 * 1024 * 1024, u'x');
    const TRegHive hive = ParseText("Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n"
                                    "\"Big\"=\"" +
                                    huge + "\"\n\"Small\"=\"s\"\n");
    ASSERT_NE(hive.FindKey("K"), nullptr);
    EXPECT_EQ(hive.FindKey("K")->Find("Big"), nullptr);
    EXPECT_EQ(hive.FindKey("K")->Find("Small")->AsText(), "s");
}

TEST(Registry, ParsesRegistryNumbers)
{
    struct Case
    {
        QString text;
        std::optional<int> want;
    };
    const Case cases[] = {
        {"0x6", 6},
        {"0X1f", 31},
        {" 12 ", 12},
        {"-3", -3},
        {"0x", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"0xFFFFFFFF", -1},
        {"0x123456789", std::nullopt},
        {"99999999999", std::nullopt},
        {"0", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseRegistryInteger(c.text), c.want) << c.text.toStdString();
}

TEST(Registry, TRegistryOpensKeysOfItsRootFromTheHiveFiles)
{
    TRegistryFixture fixture;
    fixture.WriteHive(HKCU,
                      "[HKEY_CURRENT_USER\\SOFTWARE\\Leafdesk]\r\n\"UserKey\"=dword:00000004\r\n"
                      "\"Text\"=\"17\"\r\n\"Bin\"=hex:00\r\n"
                      "[HKEY_CURRENT_USER\\SOFTWARE\\Leafdesk\\Sub]\r\n");
    fixture.WriteHive(TRootKey::HKEY_LOCAL_MACHINE,
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Leafdesk]\r\n\"UserKey\"=dword:00000001\r\n");

    TRegistry registry;
    ASSERT_TRUE(registry.OpenKeyReadOnly("\\SOFTWARE\\Leafdesk"));
    EXPECT_EQ(registry.ReadInteger("UserKey"), 4);
    EXPECT_EQ(registry.ReadInteger("Text"), 17);
    EXPECT_EQ(registry.ReadInteger("Bin"), std::nullopt);
    EXPECT_EQ(registry.ReadString("Missing"), std::nullopt);
    EXPECT_EQ(registry.GetKeyNames(), QStringList{"Sub"});
    EXPECT_TRUE(registry.OpenKeyReadOnly("Sub")); // relative to the open key
    EXPECT_EQ(registry.CurrentPath(), "SOFTWARE\\Leafdesk\\Sub");
    EXPECT_FALSE(registry.OpenKey("\\SOFTWARE\\New", true)); // hives are never written

    registry.SetRootKey(TRootKey::HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(registry.HasCurrentKey());
    ASSERT_TRUE(registry.OpenKeyReadOnly("SOFTWARE\\Leafdesk"));
    EXPECT_EQ(registry.ReadInteger("UserKey"), 1);

    registry.SetRootKey(TRootKey::HKEY_USERS); // no file: an empty hive
    EXPECT_FALSE(registry.KeyExists("SOFTWARE"));
}

TEST(Registry, UnreadableHiveFileIsAnEmptyHiveWithAProblem)
{
    TRegistryFixture fixture;
    QDir().mkpath(fixture.RegistryDir() + "/HKEY_CURRENT_USER.reg");
    const TRegHive hive = TRegHive::Load(HiveFileName(HKCU), HKCU);
    EXPECT_EQ(hive.FindKey("SOFTWARE"), nullptr);
    EXPECT_EQ(hive.Problems().size(), 1);
}

TEST(Registry, DirectoryOfTheHives)
{
    const QByteArray saved = qgetenv("VERDAN_REGISTRY");
    const QByteArray savedXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("VERDAN_REGISTRY", "/some/where");
    EXPECT_EQ(RegistryDirectory(), "/some/where/");
    EXPECT_EQ(HiveFileName(TRootKey::HKEY_DYN_DATA), "/some/where/HKEY_DYN_DATA.reg");
    qunsetenv("VERDAN_REGISTRY");
    qputenv("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(RegistryDirectory(), "/cfg/Leafdesk/registry/");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(RegistryDirectory(), QDir::homePath() + "/.config/Leafdesk/registry/");
    qputenv("VERDAN_REGISTRY", saved);
    if (saved.isNull()) qunsetenv("VERDAN_REGISTRY");
    if (!savedXdg.isNull()) qputenv("XDG_CONFIG_HOME", savedXdg);
}

// Damaged hives of every kind: the reader must neither crash nor hang, and may keep only
// what it could read. Under AddressSanitizer this also finds reads past the end.
TEST(Registry, SurvivesACorpusOfDamagedHives)
{
    QRandomGenerator random(20240611);
    const QByteArray valid = kValidHive.toUtf8();
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(kValidHive.utf16()), kValidHive.size() * 2);
    const QByteArray alphabet = "[]\"\\=@:,-;\r\n hexdword(7)0123456789abcdefHKEY_CURRENT_USER";
    for (int n = 0; n < 3000; ++n) {
        QByteArray data = (n % 5 == 0) ? utf16 : valid;
        switch (n % 4) {
        case 0: // truncation
            data.truncate(random.bounded(data.size() + 1));
            break;
        case 1: // byte mutations
            for (int k = random.bounded(1, 12); k > 0; --k)
                data[random.bounded(data.size())] = char(random.bounded(256));
            break;
        case 2: // inserted pieces of the syntax
            for (int k = random.bounded(1, 12); k > 0; --k)
                data.insert(random.bounded(data.size() + 1),
                            alphabet.mid(random.bounded(alphabet.size()), random.bounded(1, 6)));
            break;
        default: { // garbage after a valid header
            data = "Windows Registry Editor Version 5.00\n";
            for (int k = random.bounded(0, 400); k > 0; --k)
                data.append(char(random.bounded(256)));
        }
        }
        const TRegHive hive = TRegHive::Parse(data, HKCU);
        if (const TRegKey* key = hive.FindKey("SOFTWARE\\Leafdesk\\Verdan\\Adaptation\\Verdan")) {
            for (const QString& name : key->Names())
                ASSERT_NE(key->Find(name), nullptr);
        }
        ASSERT_LE(hive.Problems().size(), 20);
    }
}

} // namespace
