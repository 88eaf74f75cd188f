#include "app/KR_Ini.h"

#include "app/KR_MYSYS.h"
#include "app/Kr_str.h"

TKR_IniFile::TKR_IniFile(const QString& fileName)
    : TKR_IniFile(fileName, false, SetupBlock.UserRootKey)
{}

TKR_IniFile::TKR_IniFile(const QString& fileName, bool readOnly, TRootKey root)
    : m_registry(root), m_baseKey(BaseKeyOf(fileName))
{
    const QString key = u'\\' + m_baseKey;
    const bool opened = readOnly ? m_registry.OpenKeyReadOnly(key)
                                 : m_registry.OpenKey(key, true) || m_registry.OpenKeyReadOnly(key);
    m_failed = !opened;
}

QString TKR_IniFile::BaseKeyOf(const QString& fileName)
{
    QString word = UpperCase(fileName);
    if (word == QStringLiteral("WIN.INI"))
        word = QStringLiteral("System");
    else if (word == UpperCase(SetupBlock.IniName))
        word = QStringLiteral("Adaptation");
    return QStringLiteral("SOFTWARE\\Leafdesk\\") +
           GetToken(QStringLiteral("."), 1, SetupBlock.IniName) + u'\\' + word;
}

bool TKR_IniFile::OpenSection(const QString& section)
{
    return !m_failed && m_registry.OpenKeyReadOnly(u'\\' + m_baseKey + u'\\' + section);
}

QString TKR_IniFile::ReadString(const QString& section, const QString& ident, const QString& def)
{
    if (!OpenSection(section)) return def;
    return m_registry.ReadString(ident).value_or(def);
}

int TKR_IniFile::ReadInteger(const QString& section, const QString& ident, int def)
{
    if (!OpenSection(section)) return def;
    const auto text = m_registry.ReadString(ident);
    if (!text) return def;
    return ParseRegistryInteger(*text).value_or(def);
}

bool TKR_IniFile::ReadBool(const QString& section, const QString& ident, bool def)
{
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

QStringList TKR_IniFile::ReadSection(const QString& section)
{
    return OpenSection(section) ? m_registry.GetValueNames() : QStringList();
}

QStringList TKR_IniFile::ReadSections()
{
    if (m_failed || !m_registry.OpenKeyReadOnly(u'\\' + m_baseKey)) return {};
    return m_registry.GetKeyNames();
}
