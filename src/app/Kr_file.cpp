#include "app/Kr_file.h"

#include "app/Kr_str.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <sys/stat.h>

namespace {

#ifdef Q_OS_WIN
constexpr QChar kForeignSeparator = u'/';
#else
constexpr QChar kForeignSeparator = u'\\';
#endif

// Shorter directory paths are never emptied: "/", "/tmp", "C:\", "C:\x".
constexpr int kShortestDeletablePath = 6;

bool IsDriveName(const QString& p)
{
#ifdef Q_OS_WIN
    return p.size() == 2 && p[1] == u':';
#else
    Q_UNUSED(p);
    return false;
#endif
}

bool IsRootPath(const QString& p)
{
    return p == QString(PathSeparator) || IsDriveName(p);
}

bool IsSymLink(const QString& path)
{
#ifdef Q_OS_WIN
    return QFileInfo(path).isSymLink();
#else
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
#endif
}

bool MakeDirectory(const QString& path)
{
    return QDir().mkdir(path);
}

bool MatchesMask(const QString& name, const QString& mask)
{
    if (mask == QStringLiteral("*.*") || mask == QStringLiteral("*")) return true;
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(
#ifdef Q_OS_WIN
                                         mask, QRegularExpression::DefaultWildcardConversion),
                                     QRegularExpression::CaseInsensitiveOption);
#else
        mask, QRegularExpression::DefaultWildcardConversion));
#endif
    return pattern.match(name).hasMatch();
}

// A directory path that DeleteTree may empty: long enough and not naming a root, also not
// after "." and ".." are resolved, and no link to a directory elsewhere.
bool MayEmpty(const QString& dir)
{
    const QString p = ExcludeSeparator(dir);
    if (p.size() < kShortestDeletablePath || IsRootPath(p) || IsSymLink(p)) return false;
    const QString cleaned = QDir::cleanPath(QFileInfo(p).absoluteFilePath());
    return !QDir(cleaned).isRoot() && cleaned.size() >= kShortestDeletablePath;
}

void DeleteTreeLevel(const QString& path, bool deeper)
{
    const bool namesDirectory = path.size() > 4 && path.endsWith(PathSeparator);
    const qsizetype last = path.lastIndexOf(PathSeparator);
    const QString dir = namesDirectory ? path : path.left(last + 1);
    const QString mask = namesDirectory ? QStringLiteral("*.*") : path.mid(last + 1);
    if (dir.isEmpty() || !MayEmpty(dir)) return;

    const QDir entries(dir);
    const QStringList subdirs =
        entries.entryList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : subdirs) {
        const QString sub = dir + name;
        // A link to a directory is removed as a file below, never followed.
        if (!IsSymLink(sub)) DeleteTreeLevel(sub + PathSeparator + mask, true);
    }
    DeleteFiles(dir + mask);
    if (namesDirectory || deeper) QDir().rmdir(ExcludeSeparator(dir));
}

} // namespace

QString ToHostSeparators(const QString& path)
{
    QString result = path;
    result.replace(kForeignSeparator, PathSeparator);
    return result;
}

QString IncludeSeparator(const QString& path)
{
    QString result = ToHostSeparators(path);
    if (!result.isEmpty() && !result.endsWith(PathSeparator)) result += PathSeparator;
    return result;
}

QString ExcludeSeparator(const QString& path)
{
    QString result = ToHostSeparators(path);
    if (result.endsWith(PathSeparator) && result != QString(PathSeparator)) result.chop(1);
    return result;
}

bool DirExists(const QString& path)
{
    const QString p = ExcludeSeparator(path);
    if (p.isEmpty()) return false;
#ifdef Q_OS_WIN
    if (IsDriveName(p)) return QFileInfo(p + PathSeparator).isDir();
#endif
    return QFileInfo(p).isDir();
}

bool ForceDirectories(const QString& path)
{
    const QString p = ExcludeSeparator(path);
    if (p.isEmpty()) return false;
    if (!DirExists(p)) {
        const qsizetype last = p.lastIndexOf(PathSeparator);
        if (last < 0)
            MakeDirectory(p);
        else if (last == 0 || ForceDirectories(p.left(last + 1)))
            MakeDirectory(p);
    }
    return DirExists(p);
}

void DeleteFiles(const QString& mask)
{
    const QString host = ToHostSeparators(mask);
    const qsizetype last = host.lastIndexOf(PathSeparator);
    const QString dir = host.left(last + 1);
    const QString pattern = host.mid(last + 1);
    if (pattern.isEmpty()) return;
    const QDir entries(dir.isEmpty() ? QStringLiteral(".") : dir);
    const QStringList names = entries.entryList(QDir::Files | QDir::Dirs | QDir::Hidden |
                                                QDir::System | QDir::NoDotAndDotDot);
    QStringList matching;
    for (const QString& name : names) {
        if (MatchesMask(name, pattern)) matching += name;
    }
    for (const QString& name : matching) {
        const QString file = dir + name;
        // A link is removed itself; a directory stays.
        if (IsSymLink(file) || !QFileInfo(file).isDir()) QFile::remove(file);
    }
}

void DeleteTree(const QString& path)
{
    DeleteTreeLevel(ToHostSeparators(path), false);
}
