// The licence file the user last loaded, kept between runs, and the licence
// a start begins with: the one named on the command line, else that one.
#pragma once

#include <QString>

class TNavisionLicenseFile;

// Empty when none is remembered.
QString RememberedLicenseFile();
void RememberLicenseFile(const QString &fileName);

// The licence file a start tried to load, and why it failed (empty when it
// loaded, or when there was none to load).
struct TStartLicense {
    QString File;
    QString Failure;
};

// Loads the licence for the start: explicitFile when given, else the
// remembered one. When it can't be loaded the licence active before stays.
TStartLicense LoadStartLicense(TNavisionLicenseFile &license, const QString &explicitFile);
