#include "ui/license/rememberedlicense.h"

#include "core/errors.h"
#include "core/model/licensefile.h"

#include <QSettings>

namespace {

const QString LastFileKey = QStringLiteral("licence/lastFile");

} // namespace

QString RememberedLicenseFile()
{
    return QSettings().value(LastFileKey).toString();
}

void RememberLicenseFile(const QString &fileName)
{
    QSettings().setValue(LastFileKey, fileName);
}

TStartLicense LoadStartLicense(TNavisionLicenseFile &license, const QString &explicitFile)
{
    TStartLicense start{explicitFile.isEmpty() ? RememberedLicenseFile() : explicitFile, {}};
    if (start.File.isEmpty())
        return start;
    try {
        license.ChangeLicenseFile(start.File);
    } catch (const TError &error) {
        start.Failure = error.message();
    }
    return start;
}
