#include "platform/PrivateDirLock.h"
#include "platform/Registry_fixture.h"
#include "platform/Session.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Another process that takes dir as its private directory and holds it until release() or
// its end. Reports the result code of SetPrivateDir.
class OtherProcess
{
public:
    explicit OtherProcess(const QString& dir)
    {
        int toParent[2];
        int toChild[2];
        if (::pipe(toParent) != 0 || ::pipe(toChild) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(toParent[0]);
            ::close(toChild[1]);
            // A fresh copy: the session state copied from the parent is given up (the parent's
            // hold stays, as its own descriptor is still open).
            Session().SetActive(true);
            Session().SetPrivateDir(QString());
            const int result = Session().SetPrivateDir(dir);
            [[maybe_unused]] ssize_t n = ::write(toParent[1], &result, sizeof result);
            char byte;
            n = ::read(toChild[0], &byte, 1); // until the parent lets go
            ::_exit(0);
        }
        ::close(toParent[1]);
        ::close(toChild[0]);
        m_release = toChild[1];
        if (::read(toParent[0], &m_result, sizeof m_result) != sizeof m_result) m_result = -1;
        ::close(toParent[0]);
    }
    ~OtherProcess() { End(); }

    int Result() const { return m_result; }
    // Ends the process; killed when crashed is set, as a crash would.
    void End(bool crashed = false)
    {
        if (m_pid <= 0) return;
        if (crashed) ::kill(m_pid, SIGKILL);
        ::close(m_release);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    int m_release = -1;
    int m_result = -1;
};

class SessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Session().SetActive(true);
        QDir().mkpath(Dir(1));
        QDir().mkpath(Dir(2));
    }
    void TearDown() override { Session().SetPrivateDir(QString()); }

    QString Dir(int n) const { return m_temp.path() + "/" + QString::number(n); }

    TRegistryFixture m_registry;
    QTemporaryDir m_temp;
};

TEST_F(SessionTest, ADirectoryHeldByAnotherProcessIsBusy)
{
    OtherProcess other(Dir(1));
    ASSERT_EQ(other.Result(), TSession::DBIERR_NONE);
    EXPECT_EQ(Session().SetPrivateDir(Dir(1)), TSession::DBIERR_DIRBUSY);
    EXPECT_EQ(Session().SetPrivateDir(Dir(2)), TSession::DBIERR_NONE);
    EXPECT_EQ(Session().PrivateDir(), Dir(2));

    OtherProcess third(Dir(2));
    EXPECT_EQ(third.Result(), TSession::DBIERR_DIRBUSY);
}

TEST_F(SessionTest, TheDirectoryOfACrashedProcessIsFreeAgain)
{
    OtherProcess crashed(Dir(1));
    ASSERT_EQ(crashed.Result(), TSession::DBIERR_NONE);
    crashed.End(true);
    EXPECT_EQ(Session().SetPrivateDir(Dir(1)), TSession::DBIERR_NONE);
}

TEST_F(SessionTest, ChangingTheDirectoryReleasesThePreviousOne)
{
    ASSERT_EQ(Session().SetPrivateDir(Dir(1)), TSession::DBIERR_NONE);
    EXPECT_EQ(Session().SetPrivateDir(Dir(1)), TSession::DBIERR_NONE); // the same again
    {
        OtherProcess other(Dir(1));
        EXPECT_EQ(other.Result(), TSession::DBIERR_DIRBUSY);
    }
    ASSERT_EQ(Session().SetPrivateDir(Dir(2)), TSession::DBIERR_NONE);
    OtherProcess other(Dir(1));
    EXPECT_EQ(other.Result(), TSession::DBIERR_NONE);
}

TEST_F(SessionTest, UnusableDirectoriesFailWithAnotherCode)
{
    const QString file = m_temp.path() + "/file";
    QFile(file).open(QIODevice::WriteOnly);
    for (const QString& dir : {m_temp.path() + "/missing", file}) {
        const int result = Session().SetPrivateDir(dir);
        EXPECT_NE(result, TSession::DBIERR_NONE) << dir.toStdString();
        EXPECT_NE(result, TSession::DBIERR_DIRBUSY) << dir.toStdString();
    }
    Session().SetActive(false);
    EXPECT_NE(Session().SetPrivateDir(Dir(1)), TSession::DBIERR_NONE);
    Session().SetActive(true);
}

TEST_F(SessionTest, ALockFileReplacedUnderTheHolderIsNotShared)
{
    // A copy deleting a free private directory holds its lock while it deletes; a copy that
    // opened the old lock file just before cannot take the directory by it.
    TPrivateDirLock deleting;
    ASSERT_EQ(deleting.Acquire(Dir(1)), TPrivateDirLock::Result::Locked);
    EXPECT_EQ(Session().SetPrivateDir(Dir(1)), TSession::DBIERR_DIRBUSY);
    QFile::remove(Dir(1) + "/" + TPrivateDirLock::LockFileName());
    deleting.Release();
    EXPECT_EQ(Session().SetPrivateDir(Dir(1)), TSession::DBIERR_NONE);
}

TEST_F(SessionTest, PasswordsAndNetFileDir)
{
    Session().AddPassword("geheim");
    Session().AddPassword("geheim");
    Session().AddPassword("");
    EXPECT_EQ(Session().Passwords().count("geheim"), 1);
    EXPECT_FALSE(Session().Passwords().contains(""));
    Session().SetNetFileDir("/net");
    EXPECT_EQ(Session().NetFileDir(), "/net");
    Session().SetNetFileDir(QString());
}

TEST(SessionLimits, ActivationRaisesTheOpenFileLimitToTheConfiguredHandles)
{
    // In a child, so that the test process keeps its limits and its session state.
    TRegistryFixture fixture;
    QFile cfg(fixture.RegistryDir() + "/engine.cfg");
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write("[\\SYSTEM\\INIT]\nMAXFILEHANDLES=1000\n");
    cfg.close();
    const pid_t pid = ::fork();
    if (pid == 0) {
        struct rlimit limit;
        ::getrlimit(RLIMIT_NOFILE, &limit);
        if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < 1000)
            ::_exit(3); // the hard limit is too low to show it
        limit.rlim_cur = 100;
        ::setrlimit(RLIMIT_NOFILE, &limit);
        Session().SetActive(false);
        Session().SetActive(true);
        ::getrlimit(RLIMIT_NOFILE, &limit);
        ::_exit(limit.rlim_cur == 1000 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3) GTEST_SKIP() << "hard limit of open files below 1000";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
