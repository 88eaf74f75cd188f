#pragma once

#include <QString>

// The exclusive hold of a session on its private directory: an advisory lock (flock) on the
// lock file inside it. The kernel drops the lock when its holder ends, so the directory of a
// crashed copy is free again.
class TPrivateDirLock
{
public:
    enum class Result
    {
        Locked,
        Busy,
        Failed
    };

    // The name of the lock file inside a private directory.
    static QString LockFileName();

    TPrivateDirLock() = default;
    TPrivateDirLock(TPrivateDirLock&& other) noexcept;
    TPrivateDirLock& operator=(TPrivateDirLock&& other) noexcept;
    ~TPrivateDirLock();

    // Takes the existing directory dir. Busy when another holder (in this process or another)
    // has it; Failed when dir or its lock file cannot be used.
    Result Acquire(const QString& dir);
    bool Held() const { return m_fd >= 0; }
    // Gives the hold up; the lock file stays.
    void Release();
    // Hands the descriptor that carries the hold to the caller, who closes it to give up.
    int Detach();

private:
    int m_fd = -1;
};
