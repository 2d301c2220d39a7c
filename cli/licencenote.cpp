#include "licencenote.h"

QString StartLicenceNote(const TActiveLicence &active)
{
    switch (active.State) {
    case TActiveLicence::TState::None:
        return QStringLiteral("quintarel-cli: note: no licence is active, so no object has "
                              "permissions; name one with --license FILE");
    case TActiveLicence::TState::Broken:
        return QStringLiteral("quintarel-cli: note: the licence read at start can't be used, so no "
                              "object has permissions: %1")
            .arg(active.FileName.isEmpty() ? active.Problem
                                           : QStringLiteral("Cannot load licence file \"%1\". %2")
                                                 .arg(active.FileName, active.Problem));
    case TActiveLicence::TState::InformationOnly:
        return QStringLiteral(
                   "quintarel-cli: note: the licence read at start, \"%1\", was written "
                   "by the ERP: its permissions can't be read here, so no object has any")
            .arg(active.FileName);
    case TActiveLicence::TState::Loaded:
    case TActiveLicence::TState::Unknown:
        break;
    }
    return QString();
}
