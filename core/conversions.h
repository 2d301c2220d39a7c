// The conversions of an index entry's fields, and the date-time display.
// Both follow rules of their own (a strict integer syntax with hexadecimal
// forms, date order and century window from the regional settings), so they
// are written here rather than taken from QLocale.
#pragma once

#include "regionalsettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>

#include <cstdint>
#include <optional>

// The text without the characters of code 32 or less (blanks, tabs, line
// breaks, NUL and the other control characters) at both ends, or at its end.
// Views into the same bytes.
QByteArrayView Trimmed(QByteArrayView text);
QByteArrayView TrimmedRight(QByteArrayView text);

// A decimal or hexadecimal ($, x, 0x) 32-bit number, after leading blanks;
// nothing but a NUL may follow. Empty when refused.
std::optional<int32_t> ParseInteger(QByteArrayView text);

// "date time" text under the regional settings; empty when refused. A text
// that holds a time alone gives that time on 30 December 1899.
std::optional<double> ParseDateTime(const QString &text, const TRegionalSettings &settings);

// Day count since 30 December 1899 with the time of day as fraction.
double EncodeDateTime(const QDate &date, const QTime &time);
// The date and the time of day (to the millisecond) of a day count. Not a
// QDateTime: that would move times that fall into a daylight-saving gap.
struct TDateAndTime {
    QDate Date;
    QTime Time;
};
TDateAndTime DecodeDateTime(double value);

// The short date, then a blank and the long time unless the time is midnight
// (milliseconds don't count).
QString DateTimeDisplayText(double value, const TRegionalSettings &settings);
