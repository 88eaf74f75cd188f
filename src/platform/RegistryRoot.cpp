#include "platform/RegistryRoot.h"

#include <array>

namespace {

struct RootName
{
    TRootKey root;
    const char* name;
};

constexpr std::array<RootName, 6> kRootNames{{
    {TRootKey::HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
    {TRootKey::HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {TRootKey::HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
    {TRootKey::HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
    {TRootKey::HKEY_USERS, "HKEY_USERS"},
    {TRootKey::HKEY_DYN_DATA, "HKEY_DYN_DATA"},
}};

} // namespace

QString RootKeyName(TRootKey root)
{
    for (const RootName& entry : kRootNames) {
        if (entry.root == root) return QString::fromLatin1(entry.name);
    }
    return {};
}

std::optional<TRootKey> RootKeyFromNumber(qint64 number)
{
    if (number < 0 || number >= qint64(kRootNames.size())) return std::nullopt;
    return kRootNames[size_t(number)].root;
}

std::optional<TRootKey> RootKeyFromName(const QString& name)
{
    for (const RootName& entry : kRootNames) {
        // Root names are plain ASCII, so an ASCII comparison is exact here.
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) return entry.root;
    }
    return std::nullopt;
}
