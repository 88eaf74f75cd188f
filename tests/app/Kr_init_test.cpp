#include "app/KR_DLG.h"
#include "app/KR_MYSYS.h"
#include "app/Kr_file.h"
#include "app/Kr_init.h"
#include "platform/DatabaseBuilder.h"
#include "platform/DatabaseError.h"
#include "platform/PrivateDirLock.h"
#include "platform/Registry_fixture.h"
#include "platform/Session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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

bool HeldByAnother(const QString& dir)
{
    TPrivateDirLock probe;
    return QFileInfo::exists(dir + "/" + TPrivateDirLock::LockFileName()) &&
           probe.Acquire(dir) == TPrivateDirLock::Result::Busy;
}

// A process that holds dir as its private directory until it is destroyed.
class Holder
{
public:
    explicit Holder(const QString& dir)
    {
        int ready[2];
        if (::pipe(ready) != 0 || ::pipe(m_release) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(m_release[1]);
            // The copy of this process's own hold goes, or it would outlive the parent's.
            Session().SetPrivateDir(QString());
            TPrivateDirLock lock;
            const char ok = lock.Acquire(dir) == TPrivateDirLock::Result::Locked ? 1 : 0;
            [[maybe_unused]] ssize_t n = ::write(ready[1], &ok, 1);
            char byte;
            n = ::read(m_release[0], &byte, 1);
            ::_exit(0);
        }
        ::close(m_release[0]);
        ::close(ready[1]);
        char ok = 0;
        m_held = ::read(ready[0], &ok, 1) == 1 && ok == 1;
        ::close(ready[0]);
    }
    ~Holder()
    {
        ::close(m_release[1]);
        if (m_pid > 0) ::waitpid(m_pid, nullptr, 0);
    }
    bool Held() const { return m_held; }

private:
    pid_t m_pid = -1;
    int m_release[2] = {-1, -1};
    bool m_held = false;
};

class KrInit : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetupBlock.TempWorkDir = m_registry.Root() + "/temp/Verdan32/";
        ForceDirectories(SetupBlock.TempWorkDir);
    }
    void TearDown() override { Session().SetPrivateDir(QString()); }

    QString Work(const QString& name = {}) const { return SetupBlock.TempWorkDir + name; }
    QString EngineConfigFile() const { return m_registry.RegistryDir() + "/engine.cfg"; }
    void ShutdownAndExpectGone()
    {
        ProgramShutdown();
        EXPECT_FALSE(QFileInfo::exists(Work()));
    }

    TRegistryFixture m_registry;
};

TEST_F(KrInit, PrivateDirectoryIsTheFirstOneNoOtherCopyHolds)
{
    {
        ForceDirectories(Work("1"));
        Holder other(Work("1"));
        ASSERT_TRUE(other.Held());
        AssignPrivateDirectory();
        EXPECT_EQ(Session().PrivateDir(), Work("2"));
    }
    // The holder has ended: its directory is stale and is taken again.
    Session().SetPrivateDir(QString());
    AssignPrivateDirectory();
    EXPECT_EQ(Session().PrivateDir(), Work("1"));
}

TEST_F(KrInit, MissingWorkDirectoryWarnsAndGoesOn)
{
    std::vector<QString> shown;
    TKR_ScopedMessageHandler handler(
        [&](TKR_MessageKind, const QString& title, const QString& text) {
            shown.push_back(title + "|" + text);
            return 2;
        });
    SetupBlock.TempWorkDir = m_registry.Root() + "/missing/Verdan32/";
    AssignPrivateDirectory();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "WARNING|The TEMP directory on your system are not avavible");
    EXPECT_TRUE(Session().PrivateDir().isEmpty());
}

TEST_F(KrInit, EngineConfigurationIsRaisedNeverLowered)
{
    const QString cfg = EngineConfigFile();
    struct Case
    {
        const char* level;
        const char* handles;
        const char* wantLevel;
        const char* wantHandles;
    };
    const Case cases[] = {
        {"4", "48", "7", "1024"},
        {"7", "2048", "7", "2048"},
        {"9", "1023", "9", "1024"},
        {"kaputt", "", "7", "1024"},
    };
    for (const auto& c : cases) {
        const QByteArray text =
            QByteArray("; own comment\n[\\DRIVERS\\PARADOX\\TABLE CREATE]\nLEVEL=") + c.level +
            "\n[\\SYSTEM\\INIT]\nMAXFILEHANDLES=" + c.handles + "\n";
        WriteAll(cfg, text);
        EnsureBdeConfiguration();
        const QString after = ReadAll(cfg);
        EXPECT_TRUE(after.contains(QString("LEVEL=%1\n").arg(c.wantLevel))) << after.toStdString();
        EXPECT_TRUE(after.contains(QString("MAXFILEHANDLES=%1\n").arg(c.wantHandles)))
            << after.toStdString();
        if (QString(c.level) == c.wantLevel && QString(c.handles) == c.wantHandles) {
            EXPECT_EQ(after.toUtf8(), text); // nothing to raise: nothing written
        }
    }
}

TEST_F(KrInit, AnEngineConfigurationThatCannotBeWrittenStopsStartUp)
{
    const QString blocker = m_registry.Root() + "/file";
    WriteAll(blocker, "x");
    qputenv("VERDAN_ENGINE_CFG", QFile::encodeName(blocker + "/engine.cfg"));
    EXPECT_THROW(EnsureBdeConfiguration(), EDatabaseError);
    EXPECT_THROW(ProgramStartup(), EDatabaseError);
}

TEST_F(KrInit, StartUpSetsTheNetworkControlDirectory)
{
    const QString program = m_registry.Root() + "/net/";
    QDir().mkpath(program + "GLOBAL");
    QDir().mkpath(program + "CONTROL");
    m_registry.WriteHive(TRootKey::HKEY_CLASSES_ROOT,
                         "[HKEY_CLASSES_ROOT\\SOFTWARE\\Leafdesk\\Verdan\\System\\Verdan_NET]\r\n"
                         "\"PROFIVERSION\"=\"1\"\r\n\"HAUPTDIR\"=\"" +
                             program +
                             "\"\r\n"
                             "\"GLOBALDIR\"=\"" +
                             program +
                             "GLOBAL\"\r\n\"FOTOCD\"=\"/cd\"\r\n"
                             "\"KONTROLDIR\"=\"" +
                             program + "CONTROL\"\r\n");
    ProgramStartup();
    EXPECT_EQ(Session().NetFileDir(), program + "CONTROL");
    EXPECT_EQ(Session().PrivateDir(), Work("1"));
    Session().SetNetFileDir(QString());
}

TEST_F(KrInit, ShutdownDeletesTheWorkTreeButNotTheDirectoriesOfRunningCopies)
{
    AssignPrivateDirectory();
    ASSERT_EQ(Session().PrivateDir(), Work("1"));
    ForceDirectories(Work("2"));
    Holder other(Work("2"));
    ASSERT_TRUE(other.Held());
    WriteAll(Work("2/answer.db"), "x");
    WriteAll(Work("1/sort.tmp"), "x");
    // FILTER holds no database, PROJEKT one with a temporary table.
    ForceDirectories(Work("FILTER"));
    WriteAll(Work("FILTER/stray"), "x");
    ForceDirectories(Work("PROJEKT"));
    {
        TDatabaseBuilder builder(Work("PROJEKT/tables.sqlite"));
        builder.CreateTable({"TEMP1", {{"Nr", TFieldType::Integer, 0}}, {}, {}});
        builder.Finish();
    }
    ProgramShutdown();
    EXPECT_FALSE(QFileInfo::exists(Work("1")));
    EXPECT_FALSE(QFileInfo::exists(Work("FILTER")));
    EXPECT_FALSE(QFileInfo::exists(Work("PROJEKT")));
    EXPECT_TRUE(QFileInfo::exists(Work("2/answer.db")));
    EXPECT_TRUE(Session().PrivateDir().isEmpty());
}

TEST_F(KrInit, ShutdownRemovesTheWholeWorkDirectoryWhenNoCopyIsLeft)
{
    AssignPrivateDirectory();
    ShutdownAndExpectGone();
}

TEST_F(KrInit, ShutdownNeverDeletesAShortWorkDirectory)
{
    // Relative to a directory of the test, so that nothing else is at stake.
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_registry.Root()));
    for (const char* dir : {"ab/", "abcd/", "/"}) {
        if (QString(dir) != "/") {
            ForceDirectories(dir);
            WriteAll(QString(dir) + "marker", "x");
        }
        SetupBlock.TempWorkDir = dir;
        ProgramShutdown();
    }
    QDir::setCurrent(saved);
    EXPECT_TRUE(QFileInfo::exists(m_registry.Root() + "/ab/marker"));
    EXPECT_TRUE(QFileInfo::exists(m_registry.Root() + "/abcd/marker"));
    EXPECT_TRUE(QFileInfo::exists("/tmp"));
}

// The program itself, started as a user would start it.
class Program : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo(Binary()).isExecutable()) << "build the verdan target first";
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert("QT_QPA_PLATFORM", "offscreen");
        m_env.insert("TEMP", m_registry.Root() + "/temp");
        m_env.insert("VERDAN_REGISTRY", m_registry.RegistryDir());
        m_env.remove("VERDAN_ENGINE_CFG");
    }

    static QString Binary() { return QStringLiteral(VERDAN_BINARY_DIR "/bin/verdan"); }
    QString Work(const QString& name = {}) const
    {
        return m_registry.Root() + "/temp/Verdan32/" + name;
    }

    void Start(QProcess& process)
    {
        process.setProcessEnvironment(m_env);
        process.start(Binary(), {});
        ASSERT_TRUE(process.waitForStarted());
    }
    // Waits until the copy holds private directory n, that is, has finished its start-up.
    bool WaitUntilHeld(int n)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 20000) {
            if (HeldByAnother(Work(QString::number(n)))) return true;
            QThread::msleep(20);
        }
        return false;
    }

    TRegistryFixture m_registry;
    QProcessEnvironment m_env;
};

TEST_F(Program, TwoCopiesAtOnceTakeDirectoriesOneAndTwoAndSignalsEndThemCleanly)
{
    QProcess first;
    Start(first);
    ASSERT_TRUE(WaitUntilHeld(1));
    QProcess second;
    Start(second);
    ASSERT_TRUE(WaitUntilHeld(2));

    ::kill(pid_t(second.processId()), SIGTERM);
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(HeldByAnother(Work("1"))); // the first copy's directory survives
    EXPECT_FALSE(QFileInfo::exists(Work("2")));

    ::kill(pid_t(first.processId()), SIGHUP);
    ASSERT_TRUE(first.waitForFinished(20000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(Work()));
}

TEST_F(Program, AStaleDirectoryOfACrashedCopyIsTakenAgain)
{
    QProcess crashed;
    Start(crashed);
    ASSERT_TRUE(WaitUntilHeld(1));
    crashed.kill();
    crashed.waitForFinished();
    ASSERT_TRUE(QFileInfo::exists(Work("1")));

    QProcess next;
    Start(next);
    EXPECT_TRUE(WaitUntilHeld(1));
    ::kill(pid_t(next.processId()), SIGINT);
    ASSERT_TRUE(next.waitForFinished(20000));
    EXPECT_EQ(next.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(Work()));
}

TEST_F(Program, AWorkDirectoryThatCannotBeCreatedIsReportedAndTheProgramRuns)
{
    QDir().mkpath(m_registry.Root() + "/temp");
    WriteAll(m_registry.Root() + "/temp/Verdan32", "a file in the way");
    QProcess program;
    Start(program);
    QString err;
    QElapsedTimer clock;
    clock.start();
    while (!err.contains("not avavible") && clock.elapsed() < 20000) {
        program.waitForReadyRead(100);
        err += QString::fromLocal8Bit(program.readAllStandardError());
    }
    EXPECT_TRUE(err.contains("WARNING: The TEMP directory on your system are not avavible"))
        << err.toStdString();
    ASSERT_EQ(program.state(), QProcess::Running);
    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(ReadAll(m_registry.Root() + "/temp/Verdan32"), "a file in the way");
}

TEST_F(Program, StartUpFailuresEndTheProgramWithAReportBeforeAnyWindow)
{
    const QString blocker = m_registry.Root() + "/file";
    WriteAll(blocker, "x");
    struct Case
    {
        const char* what;
        QString engineConfig;
        QString netHive;
        QString report;
    };
    const Case cases[] = {
        {"engine configuration cannot be written",
         blocker + "/engine.cfg",
         {},
         blocker + "/engine.cfg"},
        {"network configuration incomplete",
         {},
         "[HKEY_CLASSES_ROOT\\SOFTWARE\\Leafdesk\\Verdan\\System\\Verdan_NET]\r\n"
         "\"PROFIVERSION\"=dword:00000001\r\n",
         "Verdan NETZWERK:  FEHLERHAFTE VERZEICHNISKONFIGURATION"},
    };
    for (const auto& c : cases) {
        if (!c.engineConfig.isEmpty())
            m_env.insert("VERDAN_ENGINE_CFG", c.engineConfig);
        else
            m_env.remove("VERDAN_ENGINE_CFG");
        m_registry.WriteHive(TRootKey::HKEY_CLASSES_ROOT, c.netHive);
        QProcess program;
        Start(program);
        ASSERT_TRUE(program.waitForFinished(20000)) << c.what;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << c.what;
        EXPECT_EQ(program.exitCode(), 1) << c.what;
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_TRUE(err.contains(c.report)) << c.what << ": " << err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(Work())) << c.what;
    }
}

} // namespace
