#include "platform/Session.h"

#include "platform/EngineConfig.h"
#include "platform/PrivateDirLock.h"

#include <QDir>
#include <QFileInfo>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Result codes of SetPrivateDir besides success and busy.
constexpr int kNotInitialised = 8705;     // the session is not active
constexpr int kDirectoryNoAccess = 11013; // the directory or its lock file cannot be used

// The engine keeps up to MAXFILEHANDLES files open; the process's soft limit is raised to
// that (as far as the hard limit allows), never lowered.
void RaiseOpenFileLimit(int wanted)
{
    struct rlimit limit;
    if (wanted <= 0 || ::getrlimit(RLIMIT_NOFILE, &limit) != 0) return;
    rlim_t target = rlim_t(wanted);
    if (limit.rlim_max != RLIM_INFINITY && target > limit.rlim_max) target = limit.rlim_max;
    if (limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < target) {
        limit.rlim_cur = target;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

QString CanonicalDir(const QString& dir)
{
    const QString canonical = QFileInfo(dir).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(dir).absoluteFilePath()) : canonical;
}

} // namespace

TSession& TSession::Instance()
{
    static TSession session;
    return session;
}

TSession::~TSession()
{
    ReleasePrivateDir();
}

void TSession::SetActive(bool active)
{
    if (active && !m_active) RaiseOpenFileLimit(ConfiguredMaxFileHandles());
    m_active = active;
}

int TSession::SetPrivateDir(const QString& dir)
{
    if (!m_active) return kNotInitialised;
    if (dir.isEmpty()) {
        // Back to the engine's default private directory.
        ReleasePrivateDir();
        return DBIERR_NONE;
    }
    if (!m_privateDir.isEmpty() && CanonicalDir(dir) == CanonicalDir(m_privateDir))
        return DBIERR_NONE;
    if (!QFileInfo(dir).isDir()) return kDirectoryNoAccess;
    TPrivateDirLock lock;
    switch (lock.Acquire(dir)) {
    case TPrivateDirLock::Result::Busy:
        return DBIERR_DIRBUSY;
    case TPrivateDirLock::Result::Failed:
        return kDirectoryNoAccess;
    case TPrivateDirLock::Result::Locked:
        break;
    }
    ReleasePrivateDir();
    m_lockFd = lock.Detach();
    m_privateDir = dir;
    return DBIERR_NONE;
}

void TSession::ReleasePrivateDir()
{
    // Closing drops the lock (an explicit unlock would drop it for a forked child too).
    if (m_lockFd >= 0) ::close(m_lockFd);
    m_lockFd = -1;
    m_privateDir.clear();
}

void TSession::AddPassword(const QString& password)
{
    if (!password.isEmpty() && !m_passwords.contains(password)) m_passwords += password;
}
