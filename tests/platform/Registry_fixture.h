#pragma once

#include "app/KR_MYSYS.h"
#include "platform/RegistryRoot.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A registry of the test's own: hive files and engine configuration in a temporary directory,
// and the setup block as it was before, restored afterwards.
class TRegistryFixture
{
public:
    TRegistryFixture()
        : m_savedRegistry(qgetenv("VERDAN_REGISTRY")), m_savedConfig(qgetenv("VERDAN_ENGINE_CFG")),
          m_savedSetup(SetupBlock)
    {
        QDir().mkpath(RegistryDir());
        qputenv("VERDAN_REGISTRY", QFile::encodeName(RegistryDir()));
        qunsetenv("VERDAN_ENGINE_CFG");
    }
    ~TRegistryFixture()
    {
        Restore("VERDAN_REGISTRY", m_savedRegistry);
        Restore("VERDAN_ENGINE_CFG", m_savedConfig);
        SetupBlock = m_savedSetup;
    }

    QString Root() const { return m_dir.path(); }
    QString RegistryDir() const { return m_dir.path() + QStringLiteral("/registry"); }

    // Writes a hive file with the export header and the given lines, as UTF-8.
    void WriteHive(TRootKey root, const QString& body) const
    {
        WriteHiveBytes(root, ("Windows Registry Editor Version 5.00\r\n\r\n" + body).toUtf8());
    }
    void WriteHiveBytes(TRootKey root, const QByteArray& bytes) const
    {
        QFile file(RegistryDir() + u'/' + RootKeyName(root) + QStringLiteral(".reg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

private:
    static void Restore(const char* name, const QByteArray& value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

    QTemporaryDir m_dir;
    QByteArray m_savedRegistry;
    QByteArray m_savedConfig;
    TKR_SetupBlock m_savedSetup;
};
