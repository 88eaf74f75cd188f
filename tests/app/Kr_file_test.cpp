#include "app/Kr_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void Touch(const QString& fileName)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << fileName.toStdString();
}

TEST(Kr_file, SeparatorsFollowTheHost)
{
    struct Case
    {
        QString path;
        QString included;
        QString excluded;
    };
    const Case cases[] = {
        {"", "", ""},
        {"C:\\TEMP", "C:/TEMP/", "C:/TEMP"},
        {"/tmp/", "/tmp/", "/tmp"},
        {"/tmp\\x\\", "/tmp/x/", "/tmp/x"},
        {"/", "/", "/"},
        {"a", "a/", "a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IncludeSeparator(c.path), c.included) << c.path.toStdString();
        EXPECT_EQ(ExcludeSeparator(c.path), c.excluded) << c.path.toStdString();
    }
}

TEST(Kr_file, DirExistsOnlyForDirectories)
{
    QTemporaryDir temp;
    Touch(temp.path() + "/file");
    EXPECT_TRUE(DirExists(temp.path()));
    EXPECT_TRUE(DirExists(temp.path() + "/"));
    EXPECT_TRUE(DirExists("/"));
    EXPECT_FALSE(DirExists(temp.path() + "/file"));
    EXPECT_FALSE(DirExists(temp.path() + "/missing"));
    EXPECT_FALSE(DirExists(""));
}

TEST(Kr_file, ForceDirectoriesCreatesEveryMissingParent)
{
    QTemporaryDir temp;
    EXPECT_TRUE(ForceDirectories(temp.path() + "\\a\\b/c\\"));
    EXPECT_TRUE(QFileInfo(temp.path() + "/a/b/c").isDir());
    EXPECT_TRUE(ForceDirectories(temp.path() + "/a/b/c"));
    Touch(temp.path() + "/file");
    EXPECT_FALSE(ForceDirectories(temp.path() + "/file/sub"));
    EXPECT_FALSE(ForceDirectories(temp.path() + "/file"));
    EXPECT_FALSE(ForceDirectories(""));
}

TEST(Kr_file, DeleteFilesByMask)
{
    QTemporaryDir temp;
    const QString dir = temp.path() + "/";
    for (const char* name : {"a.txt", "b.txt", "c.db", "noext", ".hidden"})
        Touch(dir + name);
    QDir().mkdir(dir + "d.txt");
    DeleteFiles(dir + "*.txt");
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{".hidden", "c.db", "d.txt", "noext"}));
    DeleteFiles(dir + "?.db");
    EXPECT_FALSE(QFileInfo::exists(dir + "c.db"));
    DeleteFiles(dir + "*.*"); // every name, with or without a dot
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"d.txt"});
}

TEST(Kr_file, DeleteTreeRemovesADirectoryWithEverythingInIt)
{
    QTemporaryDir temp;
    const QString root = temp.path() + "/Verdan32/";
    ForceDirectories(root + "1/deep/deeper");
    ForceDirectories(root + "FILTER");
    Touch(root + "1/deep/deeper/x.db");
    Touch(root + "FILTER/.hidden");
    Touch(root + "top");
    DeleteTree(root);
    EXPECT_FALSE(QFileInfo::exists(root));
    EXPECT_TRUE(QFileInfo::exists(temp.path()));
}

TEST(Kr_file, DeleteTreeWithAMaskKeepsTheDirectoriesThatStillHoldFiles)
{
    QTemporaryDir temp;
    const QString root = temp.path() + "/work/";
    ForceDirectories(root + "sub/empty");
    Touch(root + "a.tmp");
    Touch(root + "keep.db");
    Touch(root + "sub/b.tmp");
    DeleteTree(root + "*.tmp");
    EXPECT_TRUE(QFileInfo::exists(root + "keep.db"));
    EXPECT_FALSE(QFileInfo::exists(root + "a.tmp"));
    EXPECT_FALSE(QFileInfo::exists(root + "sub")); // emptied deeper levels go
}

TEST(Kr_file, DeleteTreeNeverFollowsLinks)
{
    QTemporaryDir temp;
    const QString outside = temp.path() + "/outside/";
    const QString work = temp.path() + "/work/";
    ForceDirectories(outside);
    ForceDirectories(work);
    Touch(outside + "precious");
    ASSERT_TRUE(QFile::link(outside, work + "link"));
    ASSERT_TRUE(QFile::link(outside, temp.path() + "/worklink"));

    DeleteTree(temp.path() + "/worklink/");
    EXPECT_TRUE(QFileInfo::exists(outside + "precious"));
    DeleteTree(work);
    EXPECT_TRUE(QFileInfo::exists(outside + "precious"));
    EXPECT_FALSE(QFileInfo::exists(work));
}

TEST(Kr_file, DeleteTreeLeavesRootsAndShortPathsAlone)
{
    // In a child whose root is a directory of the test: a broken guard costs only that.
    QTemporaryDir temp;
    ForceDirectories(temp.path() + "/abc/sub");
    ForceDirectories(temp.path() + "/longer/sub");
    for (const char* name : {"/marker", "/abc/marker", "/abc/sub/marker", "/longer/sub/marker"})
        Touch(temp.path() + name);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chroot(QFile::encodeName(temp.path()).constData()) != 0 || ::chdir("/") != 0)
            ::_exit(3);
        for (const char* path : {"/", "/*.*", "/abc/", "/abc/*.*", "/longer/../", "/./././"})
            DeleteTree(QString::fromLatin1(path));
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3) GTEST_SKIP() << "changing the root directory needs root";
    for (const char* name : {"/marker", "/abc/marker", "/abc/sub/marker", "/longer/sub/marker"})
        EXPECT_TRUE(QFileInfo::exists(temp.path() + name)) << name;
}

} // namespace
