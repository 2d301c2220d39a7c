// The regional settings that govern how dates and times in object files are
// read and how they are shown. Made once at start-up from the system locale;
// tests build their own.
#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

#include <optional>

// The order of day, month and year in a date of three numbers.
enum class TDateOrder { DMY, MDY, YMD };

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
    // The order dates are read in, when it is not the short date format's:
    // files written in another region. Shown dates keep the formats above.
    std::optional<TDateOrder> DateOrder;

    // The order dates are read in: DateOrder when set, else the format's.
    TDateOrder ReadDateOrder() const { return DateOrder ? *DateOrder : FormatDateOrder(); }
    // The short date format's order: the first of d, m, y and e in it
    // decides (quoted text doesn't count); month first when it has none.
    TDateOrder FormatDateOrder() const;

    // From a locale: its short date and long time formats (the time-zone
    // field removed), the separators found in them, its designators.
    static TRegionalSettings FromLocale(const QLocale &locale, int currentYear);
    // From the system locale and today's year.
    static TRegionalSettings FromSystem();
};
