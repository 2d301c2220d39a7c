#include "licence.h"

#include "cp850.h"

namespace cfront {

std::optional<std::size_t> TLicence::FindPermission(int32_t objectType, int32_t number) const
{
    for (std::size_t i = 0; i < Permissions.size(); ++i) {
        const TPermissionLine &line = Permissions[i];
        if (line.ObjectType == objectType && line.From <= number && number <= line.To)
            return i;
    }
    return std::nullopt;
}

TLicence BrokenLicence(const std::string &message)
{
    TLicence licence;
    licence.Information.push_back(Utf8ToCp850(message));
    return licence;
}

} // namespace cfront
