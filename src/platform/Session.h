#pragma once

#include <QString>
#include <QStringList>

// The default engine session of the process: the stand-in for the database engine's session.
// One per process (Session()); activated once at start-up.
class TSession
{
public:
    // Result codes of SetPrivateDir.
    static constexpr int DBIERR_NONE = 0;
    static constexpr int DBIERR_DIRBUSY = 10244; // another session holds the directory

    static TSession& Instance();

    void SetActive(bool active);
    bool Active() const { return m_active; }

    // Takes dir as this session's private directory through an exclusive advisory lock on a
    // lock file inside it. A directory held by another running session yields DBIERR_DIRBUSY;
    // a directory left by a crashed copy is free again. Any other failure yields another
    // non-zero code. On success the previous private directory (if any) is released.
    int SetPrivateDir(const QString& dir);
    QString PrivateDir() const { return m_privateDir; }

    QString NetFileDir() const { return m_netFileDir; }
    void SetNetFileDir(const QString& dir) { m_netFileDir = dir; }

    // Table passwords, offered when a database asks for one.
    void AddPassword(const QString& password);
    QStringList Passwords() const { return m_passwords; }

    // The table names of the database in directory dir that match pattern ("*" or empty: all).
    // Raises EDatabaseError when dir holds no database.
    QStringList GetTableNames(const QString& dir, const QString& pattern, bool withExtensions,
                              bool systemTables) const;
    // Deletes one table of the database in directory dir; raises EDatabaseError on failure.
    void DeleteTable(const QString& dir, const QString& tableName) const;

private:
    TSession() = default;
    ~TSession();
    void ReleasePrivateDir();

    bool m_active = false;
    QString m_privateDir;
    int m_lockFd = -1;
    QString m_netFileDir;
    QStringList m_passwords;
};

inline TSession& Session()
{
    return TSession::Instance();
}
