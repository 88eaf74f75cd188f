#pragma once

#include <QChar>
#include <QString>

// Path helpers over the host's separator: "/" on POSIX, where a "\" in a path is read as
// "/"; "\" on Windows, where a "/" is read as "\" and drive names ("C:") count as
// directories. File system errors are swallowed; callers test the outcome with DirExists.

#ifdef Q_OS_WIN
inline constexpr QChar PathSeparator = u'\\';
#else
inline constexpr QChar PathSeparator = u'/';
#endif

// path with every foreign separator turned into the host's.
QString ToHostSeparators(const QString& path);
// path with host separators and one separator at its end; an empty path stays empty.
QString IncludeSeparator(const QString& path);
// path with host separators and one trailing separator removed. The root "/" stays.
QString ExcludeSeparator(const QString& path);

bool DirExists(const QString& path);
// Creates the directory and every missing parent; true when it exists afterwards.
bool ForceDirectories(const QString& path);
// Deletes the files (and symbolic links) that match a path ending in a wildcard mask
// ("*", "?"; "*.*" matches every name). Directories and undeletable files stay.
void DeleteFiles(const QString& mask);
// Deletes a directory tree: a path ending in a separator is the directory itself, which is
// removed with everything in it; otherwise the last part is a file mask applied at every
// level below. Symbolic links are removed, never followed. The content of a file system root
// or of a directory whose path has 5 characters or fewer is never touched.
void DeleteTree(const QString& path);
