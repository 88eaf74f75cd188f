#include "platform/PrivateDirLock.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Another holder may delete the directory between our open and our lock; the lock is only
// ours when the file we locked is still the one at the path.
bool StillAtPath(int fd, const QByteArray& path)
{
    struct stat opened;
    struct stat atPath;
    return ::fstat(fd, &opened) == 0 && ::stat(path.constData(), &atPath) == 0 &&
           opened.st_dev == atPath.st_dev && opened.st_ino == atPath.st_ino;
}

} // namespace

QString TPrivateDirLock::LockFileName()
{
    return QStringLiteral("PRIVATE.LCK");
}

TPrivateDirLock::TPrivateDirLock(TPrivateDirLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
{}

TPrivateDirLock& TPrivateDirLock::operator=(TPrivateDirLock&& other) noexcept
{
    if (this != &other) {
        Release();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

TPrivateDirLock::~TPrivateDirLock()
{
    Release();
}

TPrivateDirLock::Result TPrivateDirLock::Acquire(const QString& dir)
{
    Release();
    QString name = dir;
    if (!name.endsWith(u'/')) name += u'/';
    const QByteArray path = QFile::encodeName(name + LockFileName());
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) return Result::Failed;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? Result::Busy : Result::Failed;
        }
        if (StillAtPath(fd, path)) {
            m_fd = fd;
            return Result::Locked;
        }
        ::close(fd);
    }
    return Result::Failed;
}

void TPrivateDirLock::Release()
{
    // Closing drops the lock; an explicit unlock would also drop it for a forked child that
    // shares the descriptor.
    if (m_fd >= 0) ::close(std::exchange(m_fd, -1));
}

int TPrivateDirLock::Detach()
{
    return std::exchange(m_fd, -1);
}
