// The version information of the running executable. The program's build
// compiles it in (quintarel/CMakeLists.txt) and the program entry hands it
// over at start; a program built without it has none.
#pragma once

#include <QString>

#include <optional>

struct TVersionInfo {
    QString ProductName;
    QString FileVersion;
    QString ProductVersion;
    QString LegalCopyright;
};

std::optional<TVersionInfo> ExecutableVersionInfo();
void SetExecutableVersionInfo(const TVersionInfo &info);
