#include "ui/license/rememberedlicence.h"

#include "core/errors.h"
#include "core/model/licensefile.h"

#include <QSettings>

namespace {

const QString LastFileKey = QStringLiteral("licence/lastFile");

} // namespace

QString RememberedLicenceFile()
{
    return QSettings().value(LastFileKey).toString();
}

void RememberLicenceFile(const QString &fileName)
{
    QSettings().setValue(LastFileKey, fileName);
}

TStartLicence LoadStartLicence(TNavisionLicenseFile &licence, const QString &explicitFile)
{
    TStartLicence start{explicitFile.isEmpty() ? RememberedLicenceFile() : explicitFile, {}};
    if (start.File.isEmpty())
        return start;
    try {
        licence.ChangeLicenseFile(start.File);
    } catch (const TError &error) {
        start.Failure = error.message();
    }
    return start;
}
