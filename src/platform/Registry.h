#pragma once

#include "platform/RegistryRoot.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

// The registry stand-in: one hive file per root key, in the registry editor's export format
// ("Windows Registry Editor Version 5.00" or "REGEDIT4"). The program only reads it; a
// missing file is an empty hive, and a damaged one yields what it holds that can be read, with
// one warning on stderr naming the file and the lines that were skipped.

// One value as stored in a hive.
struct TRegValue
{
    enum class Kind
    {
        String,
        ExpandString,
        MultiString,
        DWord,
        QWord,
        Binary
    };

    Kind kind = Kind::String;
    QString text;      // String, ExpandString, MultiString (lines joined by "\n")
    qint64 number = 0; // DWord (as signed 32-bit), QWord
    QByteArray bytes;  // Binary

    // The value as registry text: texts as they are, numbers in decimal; none for binary data.
    std::optional<QString> AsText() const;
};

// A key of a hive: its values in file order, found by name without regard to letter case.
class TRegKey
{
public:
    explicit TRegKey(QString keyPath = {}) : path(std::move(keyPath)) {}

    QString path; // without root, parts joined by "\"

    const TRegValue* Find(const QString& name) const;
    void Set(const QString& name, TRegValue value);
    void Remove(const QString& name);
    QStringList Names() const { return m_names; }

private:
    QStringList m_names;
    QHash<QString, TRegValue> m_values; // by upper-case name
};

// The keys of one root, read from one hive file.
class TRegHive
{
public:
    // Larger files are not read at all; settings never come near this.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    // Reads the export text data of root. Never fails: what cannot be read is skipped and
    // listed in Problems().
    static TRegHive Parse(const QByteArray& data, TRootKey root);
    // Reads the hive file fileName; a missing file is an empty hive without problems.
    static TRegHive Load(const QString& fileName, TRootKey root);

    // The key at path (parts separated by "\", letter case ignored), or none.
    const TRegKey* FindKey(const QString& path) const;
    // The names of the direct subkeys of path.
    QStringList SubKeyNames(const QString& path) const;
    const QStringList& Problems() const { return m_problems; }

private:
    friend class TRegHiveParser;
    TRegKey& AddKey(const QString& path);
    void RemoveKeyTree(const QString& path);

    QHash<QString, TRegKey> m_keys; // by upper-case path
    QStringList m_problems;
};

// The directory of the hive files: $VERDAN_REGISTRY, else $XDG_CONFIG_HOME/Leafdesk/registry,
// else ~/.config/Leafdesk/registry; with trailing separator.
QString RegistryDirectory();
// The hive file of root: RegistryDirectory() + "HKEY_CURRENT_USER.reg" and so on.
QString HiveFileName(TRootKey root);

// A registry number stored as text: decimal, or hexadecimal after "0x"/"0X" (more than two
// characters); surrounding blanks are allowed. None when the text is no 32-bit number.
std::optional<int> ParseRegistryInteger(const QString& text);

// Reads keys and values of one root, like the platform's registry class. Key paths are
// separated by "\"; a path starting with "\" is absolute, any other is relative to the open
// key (or to the root when none is open).
class TRegistry
{
public:
    explicit TRegistry(TRootKey root = TRootKey::HKEY_CURRENT_USER);
    virtual ~TRegistry();

    TRootKey RootKey() const { return m_root; }
    // Changing the root closes the open key.
    void SetRootKey(TRootKey root);

    // Opens an existing key. The hives are never written, so canCreate cannot make a missing
    // key: the result is false then, as for a key that cannot be created.
    bool OpenKey(const QString& key, bool canCreate);
    bool OpenKeyReadOnly(const QString& key);
    void CloseKey();
    bool KeyExists(const QString& key);
    QString CurrentPath() const { return m_currentPath; }
    bool HasCurrentKey() const { return m_current != nullptr; }

    bool ValueExists(const QString& name) const;
    // The value of the open key as text; none when it is missing or binary.
    std::optional<QString> ReadString(const QString& name) const;
    // A DWORD value, or a text holding a registry number; none otherwise.
    std::optional<int> ReadInteger(const QString& name) const;
    QStringList GetValueNames() const;
    QStringList GetKeyNames();

private:
    const TRegHive& Hive();
    QString ResolvePath(const QString& key) const;

    TRootKey m_root;
    std::shared_ptr<const TRegHive> m_hive;
    const TRegKey* m_current = nullptr;
    QString m_currentPath;
};
