#include "platform/DatabaseError.h"
#include "platform/EngineConfig.h"
#include "platform/Registry_fixture.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QString ReadAll(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WriteAll(const QString& fileName, const QByteArray& data)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(data);
}

QString ValueOf(const QString& path, const QString& name)
{
    auto cursor = OpenCfgInfoList(path);
    TCfgRecord record;
    while (GetNextRecord(*cursor, record)) {
        if (record.NodeName == name) return record.Value;
    }
    return QStringLiteral("<missing>");
}

TEST(EngineConfig, MissingFileIsCreatedBesideTheHivesWithTheDefaults)
{
    TRegistryFixture fixture;
    EXPECT_EQ(EngineConfigFileName(), fixture.RegistryDir() + "/engine.cfg");
    EXPECT_EQ(ValueOf("\\DRIVERS\\PARADOX\\TABLE CREATE", "LEVEL"), "4");
    EXPECT_EQ(ValueOf("\\system\\init", "MAXFILEHANDLES"), "48");
    const QString text = ReadAll(fixture.RegistryDir() + "/engine.cfg");
    EXPECT_TRUE(text.contains("[\\DRIVERS\\PARADOX\\TABLE CREATE]\nLEVEL=4\n"));
    EXPECT_TRUE(text.contains("MAXFILEHANDLES=48\n"));
}

TEST(EngineConfig, ModifyRecordWritesTheFileAndKeepsTheRest)
{
    TRegistryFixture fixture;
    const QString fileName = fixture.Root() + "/own.cfg";
    qputenv("VERDAN_ENGINE_CFG", QFile::encodeName(fileName));
    WriteAll(fileName, "; mine\n[\\SYSTEM\\INIT]\nMAXFILEHANDLES = 48\nCUSTOM=keep me\n"
                       "[\\OTHER]\nX=1\n");
    {
        auto cursor = OpenCfgInfoList("\\SYSTEM\\INIT");
        TCfgRecord record;
        ASSERT_TRUE(GetNextRecord(*cursor, record));
        EXPECT_EQ(record.NodeName, "MAXFILEHANDLES");
        record.Value = QString(300, u'9');
        ModifyRecord(*cursor, record);
        CloseCursor(cursor);
        EXPECT_EQ(cursor, nullptr);
    }
    EXPECT_EQ(ValueOf("\\SYSTEM\\INIT", "MAXFILEHANDLES"), QString(128, u'9'));
    EXPECT_EQ(ValueOf("\\SYSTEM\\INIT", "CUSTOM"), "keep me");
    EXPECT_EQ(ValueOf("\\OTHER", "X"), "1");
    EXPECT_EQ(ValueOf("\\DRIVERS\\PARADOX\\TABLE CREATE", "LEVEL"), "4"); // defaults filled in
}

TEST(EngineConfig, ModifyRecordNeedsACurrentRecord)
{
    TRegistryFixture fixture;
    auto cursor = OpenCfgInfoList("\\SYSTEM\\INIT");
    EXPECT_THROW(ModifyRecord(*cursor, {"MAXFILEHANDLES", "1"}), EDatabaseError);
    EXPECT_THROW(OpenCfgInfoList("\\NO\\SUCH\\PATH"), EDatabaseError);
}

TEST(EngineConfig, FailuresRaiseTheEngineError)
{
    TRegistryFixture fixture;
    const QString blocker = fixture.Root() + "/file";
    WriteAll(blocker, "x");
    struct Case
    {
        const char* what;
        QString fileName;
        QByteArray content; // written first when not null
    };
    const Case cases[] = {
        {"cannot be created", blocker + "/engine.cfg", {}},
        {"is a directory", fixture.Root(), {}},
        {"line without section", fixture.Root() + "/a.cfg", "LEVEL=4\n"},
        {"line without value", fixture.Root() + "/b.cfg", "[\\SYSTEM\\INIT]\ngarbage\n"},
        {"bad section", fixture.Root() + "/c.cfg", "[\\SYSTEM\\INIT\nX=1\n"},
        {"binary garbage", fixture.Root() + "/d.cfg", QByteArray("\0\1\2\3\n\xff\xfe", 7)},
        {"too large", fixture.Root() + "/e.cfg", QByteArray(2 * 1024 * 1024, ';')},
    };
    for (const auto& c : cases) {
        if (!c.content.isNull()) WriteAll(c.fileName, c.content);
        qputenv("VERDAN_ENGINE_CFG", QFile::encodeName(c.fileName));
        try {
            OpenCfgInfoList("\\SYSTEM\\INIT");
            ADD_FAILURE() << c.what;
        } catch (const EDatabaseError& error) {
            EXPECT_TRUE(error.Message().contains(c.fileName)) << error.what();
        }
    }
}

TEST(EngineConfig, AFileThatCannotBeReplacedStaysAsItWas)
{
    TRegistryFixture fixture;
    const QString dir = fixture.Root() + "/ro";
    QDir().mkpath(dir);
    const QString fileName = dir + "/engine.cfg";
    WriteAll(fileName, "[\\SYSTEM\\INIT]\nMAXFILEHANDLES=48\n");
    qputenv("VERDAN_ENGINE_CFG", QFile::encodeName(fileName));
    auto cursor = OpenCfgInfoList("\\SYSTEM\\INIT");
    TCfgRecord record;
    ASSERT_TRUE(GetNextRecord(*cursor, record));
    // The atomic replacement needs a new file in the directory; a directory that is not one
    // takes the place of the file's directory by renaming it away.
    QFile::rename(dir, dir + ".moved");
    WriteAll(dir, "not a directory");
    record.Value = "1024";
    EXPECT_THROW(ModifyRecord(*cursor, record), EDatabaseError);
}

TEST(EngineConfig, ConfiguredMaxFileHandlesNeverCreatesTheFile)
{
    TRegistryFixture fixture;
    EXPECT_EQ(ConfiguredMaxFileHandles(), 48);
    EXPECT_FALSE(QFileInfo::exists(EngineConfigFileName()));
    WriteAll(EngineConfigFileName(), "[\\SYSTEM\\INIT]\nMAXFILEHANDLES=2000\n");
    EXPECT_EQ(ConfiguredMaxFileHandles(), 2000);
    WriteAll(EngineConfigFileName(), "garbage");
    EXPECT_EQ(ConfiguredMaxFileHandles(), 48);
}

} // namespace
