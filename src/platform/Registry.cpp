#include "platform/Registry.h"

#include "app/Kr_str.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QStringDecoder>
#include <QtDebug>

namespace {

const QString kHeader5 = QStringLiteral("Windows Registry Editor Version 5.00");
const QString kHeader4 = QStringLiteral("REGEDIT4");

// A logical line (with its continuations) longer than this is skipped: no setting needs it,
// and it keeps a hostile file from growing a value without bound.
constexpr qsizetype kMaxLogicalLine = 1024 * 1024;

// Registry names compare without regard to letter case, through the letter table as every
// other name of the program.
QString NameKey(const QString& name)
{
    return UpperCase(name);
}

QString NormalisedPath(const QString& path)
{
    return path.split(u'\\', Qt::SkipEmptyParts).join(u'\\');
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString DecodeText(const QByteArray& data)
{
    if (data.startsWith("\xFF\xFE")) return QStringDecoder(QStringConverter::Utf16LE)(data.mid(2));
    if (data.startsWith("\xFE\xFF")) return QStringDecoder(QStringConverter::Utf16BE)(data.mid(2));
    if (data.startsWith("\xEF\xBB\xBF")) return QStringDecoder(QStringConverter::Utf8)(data.mid(3));
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(data);
    // An old ANSI export: its bytes are Latin-1 letters as far as settings go.
    return utf8.hasError() ? QString::fromLatin1(data) : text;
}

std::optional<uint> HexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return std::nullopt;
}

std::optional<quint64> ParseHex(QStringView digits, int maxDigits)
{
    if (digits.isEmpty() || digits.size() > maxDigits) return std::nullopt;
    quint64 value = 0;
    for (QChar c : digits) {
        const auto d = HexDigit(c);
        if (!d) return std::nullopt;
        value = value * 16 + *d;
    }
    return value;
}

std::optional<QByteArray> ParseHexBytes(QStringView list)
{
    QByteArray bytes;
    for (QStringView part : list.split(u',')) {
        part = part.trimmed();
        if (part.isEmpty()) continue; // a trailing comma before a continuation
        const auto byte = ParseHex(part, 2);
        if (!byte) return std::nullopt;
        bytes.append(char(*byte));
    }
    return bytes;
}

QString TextOfBytes(const QByteArray& bytes, bool utf16)
{
    QString text =
        utf16 ? QStringDecoder(QStringConverter::Utf16LE)(bytes) : QString::fromLatin1(bytes);
    return text;
}

QString WithoutTerminator(QString text)
{
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

} // namespace

// Reads the export text line by line. Every problem is recorded with its line number and the
// line is skipped; nothing the file holds can make it fail.
class TRegHiveParser
{
public:
    TRegHiveParser(TRegHive& hive, TRootKey root) : m_hive(hive), m_root(root) {}

    void Run(const QByteArray& data)
    {
        const QString text = DecodeText(data);
        const QStringList lines = SplitLines(text);
        qsizetype i = 0;
        if (!ReadHeader(lines, i)) return;
        while (i < lines.size()) {
            const int lineNumber = int(i) + 1;
            QString logical = lines[i++];
            bool tooLong = false;
            while (ContinuesOnNextLine(logical) && i < lines.size()) {
                logical.chop(TrailingBlanks(logical) + 1);
                if (logical.size() + lines[i].size() > kMaxLogicalLine) tooLong = true;
                if (!tooLong) logical += lines[i].trimmed();
                ++i;
            }
            if (tooLong || logical.size() > kMaxLogicalLine) {
                Problem(lineNumber, QStringLiteral("value too long"));
                continue;
            }
            HandleLine(lineNumber, logical);
        }
    }

private:
    static QStringList SplitLines(const QString& text)
    {
        QString unified = text;
        unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        unified.replace(u'\r', u'\n');
        return unified.split(u'\n');
    }

    static int TrailingBlanks(const QString& line)
    {
        int n = 0;
        while (n < line.size() && IsBlank(line[line.size() - 1 - n]))
            ++n;
        return n;
    }

    static bool ContinuesOnNextLine(const QString& line)
    {
        const QString trimmed = line.trimmed();
        return trimmed.endsWith(u'\\') && !trimmed.startsWith(u'[');
    }

    bool ReadHeader(const QStringList& lines, qsizetype& i)
    {
        while (i < lines.size() && lines[i].trimmed().isEmpty())
            ++i;
        const QString header = i < lines.size() ? lines[i].trimmed() : QString();
        if (header == kHeader5 || header == kHeader4) {
            m_ansiHex = header == kHeader4;
            ++i;
            return true;
        }
        if (i < lines.size())
            m_hive.m_problems += QStringLiteral("no registry export header; file ignored");
        return false;
    }

    void Problem(int line, const QString& what)
    {
        // A file of garbage would otherwise list every line.
        if (m_hive.m_problems.size() < 20)
            m_hive.m_problems += QStringLiteral("line %1: %2").arg(line).arg(what);
    }

    void HandleLine(int line, const QString& raw)
    {
        const QString text = raw.trimmed();
        if (text.isEmpty() || text.startsWith(u';')) return;
        if (text.startsWith(u'['))
            HandleKey(line, text);
        else if (text.startsWith(u'"') || text.startsWith(u'@'))
            HandleValue(line, text);
        else
            Problem(line, QStringLiteral("not a key or value"));
    }

    void HandleKey(int line, const QString& text)
    {
        m_key = nullptr;
        const qsizetype close = text.lastIndexOf(u']');
        if (close < 0) {
            Problem(line, QStringLiteral("key without closing bracket"));
            return;
        }
        QString name = text.mid(1, close - 1);
        const bool remove = name.startsWith(u'-');
        if (remove) name.remove(0, 1);
        const qsizetype slash = name.indexOf(u'\\');
        const QString rootName = slash < 0 ? name : name.left(slash);
        const auto root = RootKeyFromName(rootName);
        if (!root || *root != m_root) {
            Problem(line, QStringLiteral("key outside %1").arg(RootKeyName(m_root)));
            return;
        }
        const QString path = slash < 0 ? QString() : NormalisedPath(name.mid(slash + 1));
        if (remove)
            m_hive.RemoveKeyTree(path);
        else
            m_key = &m_hive.AddKey(path);
    }

    // A quoted text with the export's escapes \" and \\; pos is at the opening quote and ends
    // after the closing one. None for an unterminated text.
    static std::optional<QString> QuotedText(const QString& text, qsizetype& pos)
    {
        QString result;
        for (qsizetype i = pos + 1; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c == u'"') {
                pos = i + 1;
                return result;
            }
            if (c == u'\\' && i + 1 < text.size() && (text[i + 1] == u'"' || text[i + 1] == u'\\'))
                ++i;
            result += text[i];
        }
        return std::nullopt;
    }

    void HandleValue(int line, const QString& text)
    {
        if (!m_key) {
            Problem(line, QStringLiteral("value outside a key"));
            return;
        }
        qsizetype pos = 0;
        QString name;
        if (text[0] == u'@') {
            pos = 1;
        } else {
            const auto quoted = QuotedText(text, pos);
            if (!quoted) {
                Problem(line, QStringLiteral("unterminated value name"));
                return;
            }
            name = *quoted;
        }
        while (pos < text.size() && IsBlank(text[pos]))
            ++pos;
        if (pos >= text.size() || text[pos] != u'=') {
            Problem(line, QStringLiteral("value without \"=\""));
            return;
        }
        const QString data = text.mid(pos + 1).trimmed();
        if (data == QStringLiteral("-")) {
            m_key->Remove(name);
            return;
        }
        const auto value = ParseData(data);
        if (!value) {
            Problem(line, QStringLiteral("unreadable data of value \"%1\"").arg(name.left(80)));
            return;
        }
        m_key->Set(name, *value);
    }

    std::optional<TRegValue> ParseData(const QString& data) const
    {
        if (data.startsWith(u'"')) {
            qsizetype pos = 0;
            auto text = QuotedText(data, pos);
            if (!text || !data.mid(pos).trimmed().isEmpty()) return std::nullopt;
            return TRegValue{TRegValue::Kind::String, *text, 0, {}};
        }
        if (data.startsWith(QStringLiteral("dword:"), Qt::CaseInsensitive)) {
            const auto number = ParseHex(QStringView(data).mid(6).trimmed(), 8);
            if (!number) return std::nullopt;
            return TRegValue{TRegValue::Kind::DWord, {}, qint32(quint32(*number)), {}};
        }
        if (!data.startsWith(QStringLiteral("hex"), Qt::CaseInsensitive)) return std::nullopt;
        return ParseHexData(data);
    }

    std::optional<TRegValue> ParseHexData(const QString& data) const
    {
        const qsizetype colon = data.indexOf(u':');
        if (colon < 0) return std::nullopt;
        const QStringView prefix = QStringView(data).left(colon);
        quint64 type = 3; // REG_BINARY
        if (prefix.size() > 3) {
            if (prefix.size() < 6 || prefix[3] != u'(' || !prefix.endsWith(u')'))
                return std::nullopt;
            const auto parsed = ParseHex(prefix.mid(4, prefix.size() - 5), 8);
            if (!parsed) return std::nullopt;
            type = *parsed;
        }
        const auto bytes = ParseHexBytes(QStringView(data).mid(colon + 1));
        if (!bytes) return std::nullopt;
        return ValueOfType(type, *bytes);
    }

    std::optional<TRegValue> ValueOfType(quint64 type, const QByteArray& bytes) const
    {
        const bool utf16 = !m_ansiHex;
        switch (type) {
        case 1: // REG_SZ
            return TRegValue{
                TRegValue::Kind::String, WithoutTerminator(TextOfBytes(bytes, utf16)), 0, {}};
        case 2: // REG_EXPAND_SZ
            return TRegValue{
                TRegValue::Kind::ExpandString, WithoutTerminator(TextOfBytes(bytes, utf16)), 0, {}};
        case 7: { // REG_MULTI_SZ
            QStringList parts = TextOfBytes(bytes, utf16).split(QChar(0));
            while (!parts.isEmpty() && parts.last().isEmpty())
                parts.removeLast();
            return TRegValue{TRegValue::Kind::MultiString, parts.join(u'\n'), 0, {}};
        }
        case 4:    // REG_DWORD, little-endian
        case 5:    // REG_DWORD_BIG_ENDIAN
        case 11: { // REG_QWORD
            const int size = type == 11 ? 8 : 4;
            if (bytes.size() != size) return std::nullopt;
            quint64 number = 0;
            for (int k = 0; k < size; ++k) {
                const int index = type == 5 ? k : size - 1 - k;
                number = (number << 8) | quint8(bytes[index]);
            }
            if (type == 11) return TRegValue{TRegValue::Kind::QWord, {}, qint64(number), {}};
            return TRegValue{TRegValue::Kind::DWord, {}, qint32(quint32(number)), {}};
        }
        default:
            return TRegValue{TRegValue::Kind::Binary, {}, 0, bytes};
        }
    }

    TRegHive& m_hive;
    TRootKey m_root;
    bool m_ansiHex = false;
    TRegKey* m_key = nullptr;
};

std::optional<QString> TRegValue::AsText() const
{
    switch (kind) {
    case Kind::String:
    case Kind::ExpandString:
    case Kind::MultiString:
        return text;
    case Kind::DWord:
    case Kind::QWord:
        return QString::number(number);
    case Kind::Binary:
        break;
    }
    return std::nullopt;
}

const TRegValue* TRegKey::Find(const QString& name) const
{
    const auto it = m_values.constFind(NameKey(name));
    return it == m_values.constEnd() ? nullptr : &it.value();
}

void TRegKey::Set(const QString& name, TRegValue value)
{
    const QString key = NameKey(name);
    if (!m_values.contains(key)) m_names += name;
    m_values.insert(key, std::move(value));
}

void TRegKey::Remove(const QString& name)
{
    const QString key = NameKey(name);
    if (m_values.remove(key) == 0) return;
    m_names.removeIf([&key](const QString& n) { return NameKey(n) == key; });
}

TRegHive TRegHive::Parse(const QByteArray& data, TRootKey root)
{
    TRegHive hive;
    TRegHiveParser(hive, root).Run(data);
    return hive;
}

TRegHive TRegHive::Load(const QString& fileName, TRootKey root)
{
    QFile file(fileName);
    if (!file.exists()) return {};
    TRegHive hive;
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly)) {
        hive.m_problems += QStringLiteral("cannot be read: %1").arg(file.errorString());
        return hive;
    }
    const QByteArray data = file.read(MaxFileSize + 1);
    if (data.size() > MaxFileSize) {
        hive.m_problems += QStringLiteral("larger than %1 bytes; file ignored").arg(MaxFileSize);
        return hive;
    }
    return Parse(data, root);
}

const TRegKey* TRegHive::FindKey(const QString& path) const
{
    const auto it = m_keys.constFind(NameKey(NormalisedPath(path)));
    return it == m_keys.constEnd() ? nullptr : &it.value();
}

QStringList TRegHive::SubKeyNames(const QString& path) const
{
    const QString parent = NameKey(NormalisedPath(path));
    const QString prefix = parent.isEmpty() ? QString() : parent + u'\\';
    QStringList names;
    for (const TRegKey& key : m_keys) {
        const QString upper = NameKey(key.path);
        if (!upper.startsWith(prefix) || upper.size() == prefix.size()) continue;
        const QString rest = key.path.mid(prefix.size());
        const QString first = rest.left(rest.indexOf(u'\\'));
        if (!names.contains(first, Qt::CaseInsensitive)) names += first;
    }
    return names;
}

TRegKey& TRegHive::AddKey(const QString& path)
{
    // The parents of a key exist as keys too, as in the registry.
    const QStringList parts = path.split(u'\\', Qt::SkipEmptyParts);
    QString current;
    for (qsizetype n = 0; n < parts.size(); ++n) {
        current = n == 0 ? parts[0] : current + u'\\' + parts[n];
        const QString key = NameKey(current);
        if (!m_keys.contains(key)) m_keys.insert(key, TRegKey{current});
    }
    const QString key = NameKey(current);
    if (!m_keys.contains(key)) m_keys.insert(key, TRegKey{current});
    return m_keys[key];
}

void TRegHive::RemoveKeyTree(const QString& path)
{
    const QString key = NameKey(path);
    const QString prefix = key + u'\\';
    if (key.isEmpty()) {
        m_keys.clear();
        return;
    }
    m_keys.removeIf(
        [&](const auto& entry) { return entry.key() == key || entry.key().startsWith(prefix); });
}

QString RegistryDirectory()
{
    QString dir = qEnvironmentVariable("VERDAN_REGISTRY");
    if (dir.isEmpty()) {
        QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        if (config.isEmpty()) config = QDir::homePath() + QStringLiteral("/.config");
        dir = config + QStringLiteral("/Leafdesk/registry");
    }
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

QString HiveFileName(TRootKey root)
{
    return RegistryDirectory() + RootKeyName(root) + QStringLiteral(".reg");
}

std::optional<int> ParseRegistryInteger(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() > 2 &&
        (t.startsWith(QStringLiteral("0x")) || t.startsWith(QStringLiteral("0X")))) {
        const auto value = ParseHex(QStringView(t).mid(2), 8);
        if (!value) return std::nullopt;
        return qint32(quint32(*value));
    }
    bool ok = false;
    const int value = t.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

namespace {

// Each damaged hive file is reported once per process, not at every key that is opened.
void ReportProblems(const QString& fileName, const TRegHive& hive)
{
    if (hive.Problems().isEmpty()) return;
    static QMutex mutex;
    static QSet<QString> reported;
    QMutexLocker lock(&mutex);
    if (reported.contains(fileName)) return;
    reported.insert(fileName);
    qWarning().noquote() << QStringLiteral("Registry file %1 is damaged; its unreadable entries "
                                           "are ignored:\n  %2")
                                .arg(fileName, hive.Problems().join(QStringLiteral("\n  ")));
}

} // namespace

TRegistry::TRegistry(TRootKey root) : m_root(root) {}

TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(TRootKey root)
{
    CloseKey();
    if (root != m_root) m_hive.reset();
    m_root = root;
}

const TRegHive& TRegistry::Hive()
{
    if (!m_hive) {
        const QString fileName = HiveFileName(m_root);
        auto hive = std::make_shared<TRegHive>(TRegHive::Load(fileName, m_root));
        ReportProblems(fileName, *hive);
        m_hive = std::move(hive);
    }
    return *m_hive;
}

QString TRegistry::ResolvePath(const QString& key) const
{
    if (key.startsWith(u'\\') || m_currentPath.isEmpty()) return NormalisedPath(key);
    return NormalisedPath(m_currentPath + u'\\' + key);
}

bool TRegistry::OpenKey(const QString& key, bool canCreate)
{
    Q_UNUSED(canCreate);
    return OpenKeyReadOnly(key);
}

bool TRegistry::OpenKeyReadOnly(const QString& key)
{
    const QString path = ResolvePath(key);
    const TRegKey* found = Hive().FindKey(path);
    if (!found) return false;
    m_current = found;
    m_currentPath = found->path;
    return true;
}

void TRegistry::CloseKey()
{
    m_current = nullptr;
    m_currentPath.clear();
}

bool TRegistry::KeyExists(const QString& key)
{
    return Hive().FindKey(ResolvePath(key)) != nullptr;
}

bool TRegistry::ValueExists(const QString& name) const
{
    return m_current && m_current->Find(name);
}

std::optional<QString> TRegistry::ReadString(const QString& name) const
{
    const TRegValue* value = m_current ? m_current->Find(name) : nullptr;
    return value ? value->AsText() : std::nullopt;
}

std::optional<int> TRegistry::ReadInteger(const QString& name) const
{
    const TRegValue* value = m_current ? m_current->Find(name) : nullptr;
    if (!value) return std::nullopt;
    if (value->kind == TRegValue::Kind::DWord) return int(value->number);
    if (value->kind == TRegValue::Kind::String) return ParseRegistryInteger(value->text);
    return std::nullopt;
}

QStringList TRegistry::GetValueNames() const
{
    return m_current ? m_current->Names() : QStringList();
}

QStringList TRegistry::GetKeyNames()
{
    return m_current ? Hive().SubKeyNames(m_currentPath) : QStringList();
}
