// Root may read and write any file whatever its permission bits. For tests of
// files that must not be read or written, root takes the effective user
// "nobody" for a scope, so the bits count as they do for every user; other
// users need nothing.
#pragma once

#include <QString>

#include <sys/types.h>
#include <unistd.h>

class TWithoutRootPrivileges {
public:
    TWithoutRootPrivileges() : WasRoot(::geteuid() == 0)
    {
        if (WasRoot && ::seteuid(NobodyId) != 0)
            Failed = true;
    }
    ~TWithoutRootPrivileges()
    {
        if (WasRoot && !Failed && ::seteuid(0) != 0)
            qFatal("cannot become root again");
    }
    TWithoutRootPrivileges(const TWithoutRootPrivileges &) = delete;
    TWithoutRootPrivileges &operator=(const TWithoutRootPrivileges &) = delete;

    // Empty when permission bits now apply.
    QString Problem() const
    {
        return Failed ? QStringLiteral("running as root and cannot take another user") : QString();
    }

private:
    static constexpr uid_t NobodyId = 65534;
    bool WasRoot;
    bool Failed = false;
};
