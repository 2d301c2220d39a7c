// The regional settings that govern how dates and times in object files are
// read and how they are shown. Made once at start-up from the system locale;
// tests build their own.
#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

struct TRegionalSettings {
    QString ShortDateFormat = QStringLiteral("M/d/yy"); // QLocale date format
    QString LongTimeFormat = QStringLiteral("h:mm:ss AP");
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QChar DecimalSeparator = u'.';
    QString AmDesignator = QStringLiteral("AM");
    QString PmDesignator = QStringLiteral("PM");
    QString ThousandSeparator = QStringLiteral(",");
    int CurrentYear = 2026;        // the 100-year window for two-digit years ends 49 years after it
    QLocale Locale = QLocale::c(); // month and day names in the formats, letter case of keys

    // From a locale: its short date and long time formats (the time-zone
    // field removed), the separators found in them, its designators.
    static TRegionalSettings FromLocale(const QLocale &locale, int currentYear);
    // From the system locale and today's year.
    static TRegionalSettings FromSystem();
};
