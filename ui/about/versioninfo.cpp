#include "ui/about/versioninfo.h"

namespace {

std::optional<TVersionInfo> &Stored()
{
    static std::optional<TVersionInfo> info;
    return info;
}

} // namespace

std::optional<TVersionInfo> ExecutableVersionInfo()
{
    return Stored();
}

void SetExecutableVersionInfo(const TVersionInfo &info)
{
    Stored() = info;
}
