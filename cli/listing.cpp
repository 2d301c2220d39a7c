#include "listing.h"

#include "codepage.h"

QByteArray ListingLine(const TNavisionObject &object, const TRegionalSettings &settings)
{
    const QString line = DecodeText(object.GetTypeName()) + u'\t' + QString::number(object.ID()) +
                         u'\t' + DecodeText(object.Name()) + u'\t' +
                         object.GetDateTimeText(settings) + u'\t' + QString::number(object.Size()) +
                         u'\t' + DecodeText(object.VersionList()) + u'\t' +
                         DecodeText(object.GetPermissionText()) + u'\n';
    return line.toUtf8();
}
