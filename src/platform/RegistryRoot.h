#pragma once

#include <QString>
#include <optional>

// The predefined roots of the registry. The numbers are the ones a stored "RootKey",
// "UserKey" or "NetCfgKey" value selects.
enum class TRootKey
{
    HKEY_CLASSES_ROOT = 0,
    HKEY_CURRENT_USER = 1,
    HKEY_LOCAL_MACHINE = 2,
    HKEY_CURRENT_CONFIG = 3,
    HKEY_USERS = 4,
    HKEY_DYN_DATA = 5,
};

// "HKEY_CURRENT_USER" and so on: the name of the root and of its hive file.
QString RootKeyName(TRootKey root);
// The root a stored number selects; none for a number outside 0 to 5.
std::optional<TRootKey> RootKeyFromNumber(qint64 number);
// The root whose name is name (letter case ignored); none for an unknown name.
std::optional<TRootKey> RootKeyFromName(const QString& name);
