#include "licensenote.h"

QString StartLicenseNote(const TActiveLicense &active)
{
    switch (active.State) {
    case TActiveLicense::TState::None:
        return QStringLiteral("quintarel-cli: note: no licence is active, so no object has "
                              "permissions; name one with --license FILE");
    case TActiveLicense::TState::Broken:
        return QStringLiteral("quintarel-cli: note: the licence read at start can't be used, so no "
                              "object has permissions: %1")
            .arg(active.FileName.isEmpty() ? active.Problem
                                           : QStringLiteral("Cannot load licence file \"%1\". %2")
                                                 .arg(active.FileName, active.Problem));
    case TActiveLicense::TState::InformationOnly:
        return QStringLiteral(
                   "quintarel-cli: note: the licence read at start, \"%1\", was written "
                   "by the ERP: its permissions can't be read here, so no object has any")
            .arg(active.FileName);
    case TActiveLicense::TState::Loaded:
    case TActiveLicense::TState::Unknown:
        break;
    }
    return QString();
}

QString NamedLicenseNote(const TActiveLicense &active)
{
    if (active.State != TActiveLicense::TState::InformationOnly)
        return QString();
    return QStringLiteral("quintarel-cli: note: the licence \"%1\" was written by the ERP: its "
                          "permissions can't be read here, so no object has any")
        .arg(active.FileName);
}
