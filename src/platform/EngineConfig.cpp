#include "platform/EngineConfig.h"

#include "platform/DatabaseError.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <vector>

namespace {

constexpr qint64 kMaxConfigFileSize = 1024 * 1024;
constexpr qsizetype kMaxValueLength = 128;
const QString kSystemInit = QStringLiteral("\\SYSTEM\\INIT");
const QString kMaxFileHandles = QStringLiteral("MAXFILEHANDLES");
constexpr int kDefaultMaxFileHandles = 48;

struct CfgSection
{
    QString path;
    std::vector<TCfgRecord> records;
};

struct DefaultEntry
{
    const char* path;
    const char* name;
    const char* value;
};

// The values a fresh engine installation has.
constexpr DefaultEntry kDefaults[] = {
    {"\\SYSTEM\\INIT", "AUTO ODBC", "FALSE"},
    {"\\SYSTEM\\INIT", "DEFAULT DRIVER", "PARADOX"},
    {"\\SYSTEM\\INIT", "LANGDRIVER", "DBWINWE0"},
    {"\\SYSTEM\\INIT", "LOCAL SHARE", "FALSE"},
    {"\\SYSTEM\\INIT", "LOW MEMORY USAGE LIMIT", "32"},
    {"\\SYSTEM\\INIT", "MAXBUFSIZE", "2048"},
    {"\\SYSTEM\\INIT", "MAXFILEHANDLES", "48"},
    {"\\SYSTEM\\INIT", "MEMSIZE", "16"},
    {"\\SYSTEM\\INIT", "MINBUFSIZE", "128"},
    {"\\SYSTEM\\INIT", "SHAREDMEMSIZE", "2048"},
    {"\\SYSTEM\\INIT", "SYSFLAGS", "0"},
    {"\\SYSTEM\\INIT", "VERSION", "4.0"},
    {"\\DRIVERS\\PARADOX\\INIT", "NET DIR", ""},
    {"\\DRIVERS\\PARADOX\\INIT", "VERSION", "4.0"},
    {"\\DRIVERS\\PARADOX\\INIT", "TYPE", "FILE"},
    {"\\DRIVERS\\PARADOX\\INIT", "LANGDRIVER", "DBWINWE0"},
    {"\\DRIVERS\\PARADOX\\TABLE CREATE", "LEVEL", "4"},
    {"\\DRIVERS\\PARADOX\\TABLE CREATE", "BLOCK SIZE", "2048"},
    {"\\DRIVERS\\PARADOX\\TABLE CREATE", "FILL FACTOR", "95"},
    {"\\DRIVERS\\PARADOX\\TABLE CREATE", "STRICTINTEGRTY", "TRUE"},
};

[[noreturn]] void Fail(const QString& fileName, const QString& what)
{
    throw EDatabaseError(QStringLiteral("Engine configuration %1: %2").arg(fileName, what));
}

class EngineConfig
{
public:
    // The file's sections over the engine's defaults. A missing file is written with the
    // defaults when create is set.
    static EngineConfig Load(const QString& fileName, bool create)
    {
        EngineConfig config;
        QFile file(fileName);
        if (!file.exists()) {
            config.AddDefaults();
            if (create) config.Save(fileName);
            return config;
        }
        if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly))
            Fail(fileName, QStringLiteral("cannot be read (%1)").arg(file.errorString()));
        const QByteArray data = file.read(kMaxConfigFileSize + 1);
        if (file.error() != QFile::NoError)
            Fail(fileName, QStringLiteral("cannot be read (%1)").arg(file.errorString()));
        if (data.size() > kMaxConfigFileSize)
            Fail(fileName, QStringLiteral("is too large to be a configuration file"));
        config.Parse(fileName, data);
        config.AddDefaults();
        return config;
    }

    void Save(const QString& fileName) const
    {
        const QString dir = QFileInfo(fileName).absolutePath();
        if (!QDir().mkpath(dir))
            Fail(fileName, QStringLiteral("cannot be written: its directory cannot be created"));
        QSaveFile file(fileName);
        if (!file.open(QIODevice::WriteOnly))
            Fail(fileName, QStringLiteral("cannot be written (%1)").arg(file.errorString()));
        file.write(Text().toUtf8());
        if (!file.commit())
            Fail(fileName, QStringLiteral("cannot be written (%1)").arg(file.errorString()));
    }

    CfgSection* Find(const QString& path)
    {
        for (CfgSection& section : m_sections) {
            if (section.path.compare(path, Qt::CaseInsensitive) == 0) return &section;
        }
        return nullptr;
    }

private:
    void Parse(const QString& fileName, const QByteArray& data)
    {
        QStringDecoder utf8(QStringConverter::Utf8);
        QString text = utf8(data);
        if (utf8.hasError()) text = QString::fromLatin1(data);
        const QStringList lines = text.split(u'\n');
        CfgSection* current = nullptr;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = lines[i].trimmed();
            if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
            const auto where = QStringLiteral("line %1 ").arg(i + 1);
            if (line.startsWith(u'[')) {
                if (!line.endsWith(u']') || line.size() < 3)
                    Fail(fileName, where + QStringLiteral("is no section name"));
                current = &Section(line.mid(1, line.size() - 2).trimmed());
                continue;
            }
            const qsizetype equals = line.indexOf(u'=');
            if (!current || equals <= 0)
                Fail(fileName, where + QStringLiteral("is no entry of a section"));
            Set(*current, line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }

    void AddDefaults()
    {
        for (const DefaultEntry& entry : kDefaults) {
            CfgSection& section = Section(QString::fromLatin1(entry.path));
            const QString name = QString::fromLatin1(entry.name);
            const bool present =
                std::any_of(section.records.begin(), section.records.end(),
                            [&](const TCfgRecord& r) { return r.NodeName == name; });
            if (!present) section.records.push_back({name, QString::fromLatin1(entry.value)});
        }
    }

    CfgSection& Section(const QString& path)
    {
        if (CfgSection* found = Find(path)) return *found;
        m_sections.push_back({path, {}});
        return m_sections.back();
    }

    static void Set(CfgSection& section, const QString& name, const QString& value)
    {
        for (TCfgRecord& record : section.records) {
            if (record.NodeName == name) {
                record.Value = value;
                return;
            }
        }
        section.records.push_back({name, value});
    }

    QString Text() const
    {
        QString text = QStringLiteral("; Persistent configuration of the database engine.\n");
        for (const CfgSection& section : m_sections) {
            text += QStringLiteral("\n[%1]\n").arg(section.path);
            for (const TCfgRecord& record : section.records)
                text += record.NodeName + u'=' + record.Value + u'\n';
        }
        return text;
    }

    std::vector<CfgSection> m_sections;
};

} // namespace

class TCfgCursor
{
public:
    QString fileName;
    QString path;
    EngineConfig config;
    size_t next = 0; // index of the entry GetNextRecord returns next
};

QString EngineConfigFileName()
{
    const QString overridden = qEnvironmentVariable("VERDAN_ENGINE_CFG");
    return overridden.isEmpty() ? RegistryDirectory() + QStringLiteral("engine.cfg") : overridden;
}

TCfgCursorPtr OpenCfgInfoList(const QString& cfgPath)
{
    TCfgCursorPtr cursor(new TCfgCursor);
    cursor->fileName = EngineConfigFileName();
    cursor->path = cfgPath;
    cursor->config = EngineConfig::Load(cursor->fileName, true);
    if (!cursor->config.Find(cfgPath))
        Fail(cursor->fileName, QStringLiteral("has no configuration path %1").arg(cfgPath));
    return cursor;
}

bool GetNextRecord(TCfgCursor& cursor, TCfgRecord& record)
{
    const CfgSection* section = cursor.config.Find(cursor.path);
    if (!section || cursor.next >= section->records.size()) return false;
    record = section->records[cursor.next++];
    return true;
}

void ModifyRecord(TCfgCursor& cursor, const TCfgRecord& record)
{
    CfgSection* section = cursor.config.Find(cursor.path);
    if (!section || cursor.next == 0 || cursor.next > section->records.size())
        Fail(cursor.fileName, QStringLiteral("no current entry in %1").arg(cursor.path));
    TCfgRecord& current = section->records[cursor.next - 1];
    const QString previous = current.Value;
    current.Value = record.Value.left(kMaxValueLength);
    try {
        cursor.config.Save(cursor.fileName);
    } catch (...) {
        current.Value = previous;
        throw;
    }
}

void TCfgCursorDeleter::operator()(TCfgCursor* cursor) const
{
    delete cursor;
}

void CloseCursor(TCfgCursorPtr& cursor)
{
    cursor.reset();
}

int ConfiguredMaxFileHandles()
{
    try {
        EngineConfig config = EngineConfig::Load(EngineConfigFileName(), false);
        const CfgSection* section = config.Find(kSystemInit);
        for (const TCfgRecord& record : section->records) {
            if (record.NodeName == kMaxFileHandles) {
                bool ok = false;
                const int value = record.Value.toInt(&ok);
                return ok ? value : kDefaultMaxFileHandles;
            }
        }
    } catch (const EDatabaseError&) {
        // An unreadable file shows itself when start-up opens it; the limit stays.
    }
    return kDefaultMaxFileHandles;
}
