#include "app/Kr_init.h"

#include "app/KR_DLG.h"
#include "app/KR_MYSYS.h"
#include "app/Kr_file.h"
#include "platform/DatabaseError.h"
#include "platform/EngineConfig.h"
#include "platform/PrivateDirLock.h"
#include "platform/Session.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kPrivateDirectories = 1000;
// A shorter work directory path could be a drive or the file system root: never deleted.
constexpr int kShortestWorkDir = 6;

void RaiseConfigValue(const QString& cfgPath, const QString& entry, int minimum)
{
    auto cursor = OpenCfgInfoList(cfgPath);
    TCfgRecord record;
    while (GetNextRecord(*cursor, record)) {
        if (record.NodeName != entry) continue;
        bool ok = false;
        int value = record.Value.toInt(&ok);
        if (!ok) value = 0;
        if (value < minimum) {
            record.Value = QString::number(minimum);
            ModifyRecord(*cursor, record);
        }
        break;
    }
    CloseCursor(cursor);
}

void DeleteTemporaryTables(const QString& name)
{
    const QString dir = IncludeSeparator(SetupBlock.TempWorkDir + name);
    if (!DirExists(dir)) return;
    QStringList tables;
    try {
        tables = Session().GetTableNames(ExcludeSeparator(dir), QStringLiteral("*"), true, false);
    } catch (const EDatabaseError&) {
        return; // no database there: its files go with the tree
    }
    for (const QString& table : tables) {
        try {
            Session().DeleteTable(ExcludeSeparator(dir), table);
        } catch (const EDatabaseError&) {
        }
    }
}

bool HoldsLockFile(const QString& dir)
{
    return QFileInfo::exists(dir + TPrivateDirLock::LockFileName());
}

// Everything below workDir and workDir itself, except the private directories of copies that
// are still running: their files stay usable until they end themselves.
void DeleteWorkTree(const QString& workDir)
{
    if (QFileInfo(ExcludeSeparator(workDir)).isSymLink()) return;
    const QStringList subdirs = QDir(workDir).entryList(QDir::Dirs | QDir::Hidden | QDir::System |
                                                        QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString& name : subdirs) {
        const QString dir = workDir + name + PathSeparator;
        TPrivateDirLock hold; // kept while deleting, so no new copy takes it meanwhile
        if (HoldsLockFile(dir) && hold.Acquire(dir) == TPrivateDirLock::Result::Busy) continue;
        DeleteTree(dir);
    }
    DeleteFiles(workDir + QStringLiteral("*.*"));
    QDir().rmdir(ExcludeSeparator(workDir));
}

} // namespace

void AssignPrivateDirectory()
{
    const QString workDir = SetupBlock.TempWorkDir;
    if (workDir.isEmpty() || !DirExists(workDir)) {
        ShowMessageDlg(QStringLiteral("WARNING"),
                       QStringLiteral("The TEMP directory on your system are not avavible"));
        return;
    }
    for (int n = 1; n <= kPrivateDirectories; ++n) {
        const QString candidate = workDir + QString::number(n);
        ForceDirectories(candidate);
        try {
            Session().SetActive(true);
            if (Session().SetPrivateDir(candidate) != TSession::DBIERR_DIRBUSY) return;
        } catch (const EDatabaseError&) {
        }
    }
}

void EnsureBdeConfiguration()
{
    RaiseConfigValue(QStringLiteral("\\DRIVERS\\PARADOX\\TABLE CREATE"), QStringLiteral("LEVEL"),
                     7);
    RaiseConfigValue(QStringLiteral("\\SYSTEM\\INIT"), QStringLiteral("MAXFILEHANDLES"), 1024);
}

void ProgramStartup()
{
    AssignPrivateDirectory();
    DetermineDataDirectories();
    ReadSettings(SetupBlock.IniName);
    EnsureBdeConfiguration();
    if (SetupBlock.NetConfigured && !SetupBlock.KontrolDir.isEmpty() &&
        DirExists(SetupBlock.KontrolDir))
        Session().SetNetFileDir(SetupBlock.KontrolDir);
}

void ProgramShutdown()
{
    try {
        DeleteTemporaryTables(QStringLiteral("FILTER"));
        DeleteTemporaryTables(QStringLiteral("PROJEKT"));
        const QString workDir = SetupBlock.TempWorkDir;
        if (workDir.size() >= kShortestWorkDir) {
            // Our own private directory is given up first, or it would count as busy.
            Session().SetPrivateDir(QString());
            DeleteWorkTree(IncludeSeparator(workDir));
        }
    } catch (const std::exception&) {
        // The clean-up is silent: what cannot be deleted stays.
    }
}
