#pragma once

#include "platform/Registry.h"

#include <QString>
#include <QStringList>

// The foundation's registry class: the platform's registry reader under the foundation's name.
class TKR_Registry : public TRegistry
{
public:
    using TRegistry::TRegistry;
};

// A settings file kept in the registry. The file name selects the base key
// SOFTWARE\Leafdesk\<program>\<word>: "WIN.INI" gives "System", the program's own IniName gives
// "Adaptation", any other name itself in upper case. Sections are subkeys of the base key and
// every value is read as registry text; integers may be written as "0x" hexadecimal, and a
// bool is an integer, non-zero meaning true. A missing base key, section or value, or a text
// that is no number, yields the default. The program only reads its settings.
class TKR_IniFile
{
public:
    // Opens the settings under UserRootKey.
    explicit TKR_IniFile(const QString& fileName);
    TKR_IniFile(const QString& fileName, bool readOnly, TRootKey root);

    // The key path the file name selects (without root).
    QString BaseKey() const { return m_baseKey; }
    // True when the base key could not be opened: every read returns its default.
    bool Failed() const { return m_failed; }

    QString ReadString(const QString& section, const QString& ident, const QString& def);
    int ReadInteger(const QString& section, const QString& ident, int def);
    bool ReadBool(const QString& section, const QString& ident, bool def);
    // The names of the values of section.
    QStringList ReadSection(const QString& section);
    // The names of the sections.
    QStringList ReadSections();

private:
    static QString BaseKeyOf(const QString& fileName);
    bool OpenSection(const QString& section);

    TKR_Registry m_registry;
    QString m_baseKey;
    bool m_failed = false;
};
