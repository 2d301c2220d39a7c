// Regional settings for tests, independent of the machine's locale.
#pragma once

#include "core/reading/regionalsettings.h"

#include <QLocale>
#include <QMetaType>

Q_DECLARE_METATYPE(TRegionalSettings)

// Month first, "/" and ":", AM/PM designators: as in the United States.
inline TRegionalSettings UsSettings(int currentYear = 2026)
{
    TRegionalSettings s;
    s.ShortDateFormat = QStringLiteral("M/d/yy");
    s.LongTimeFormat = QStringLiteral("h:mm:ss AP");
    s.DateSeparator = u'/';
    s.TimeSeparator = u':';
    s.DecimalSeparator = u'.';
    s.AmDesignator = QStringLiteral("AM");
    s.PmDesignator = QStringLiteral("PM");
    s.ThousandSeparator = QStringLiteral(",");
    s.CurrentYear = currentYear;
    return s;
}

// Month first as in the United States, but two-digit days and months and a
// 24-hour clock: the settings the window tests run under.
inline TRegionalSettings UsTwentyFourHourSettings(int currentYear = 2026)
{
    TRegionalSettings s = UsSettings(currentYear);
    s.ShortDateFormat = QStringLiteral("MM/dd/yy");
    s.LongTimeFormat = QStringLiteral("HH:mm:ss");
    return s;
}

// Day first, "." and ":", 24 hours: as in Germany or Norway.
inline TRegionalSettings DottedSettings(int currentYear = 2026)
{
    TRegionalSettings s = UsSettings(currentYear);
    s.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    s.LongTimeFormat = QStringLiteral("HH:mm:ss");
    s.DateSeparator = u'.';
    s.DecimalSeparator = u',';
    s.ThousandSeparator = QStringLiteral(".");
    return s;
}

// Year first, "-": as in ISO dates.
inline TRegionalSettings IsoSettings(int currentYear = 2026)
{
    TRegionalSettings s = DottedSettings(currentYear);
    s.ShortDateFormat = QStringLiteral("yyyy-MM-dd");
    s.DateSeparator = u'-';
    return s;
}

// The settings of a named locale ("en_GB", "nb_NO"), as the user's machine
// would give them, with a current year fixed for two-digit years.
inline TRegionalSettings LocaleSettings(const QString &locale, int currentYear = 2026)
{
    return TRegionalSettings::FromLocale(QLocale(locale), currentYear);
}
