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

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

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

// The characters a date-time text is read by, for code page 850 bytes:
// which bytes stand for the separators and for the letters of the
// designators under one set of regional settings. Made once per settings.
class TDateTimeBytes {
public:
    enum TKind : uint8_t { DateSeparator = 1, TimeSeparator = 2, DecimalSeparator = 4 };

    explicit TDateTimeBytes(const TRegionalSettings &settings);
    // The classes of these settings, made when they differ from the last ones asked.
    static const TDateTimeBytes &For(const TRegionalSettings &settings);

    bool Is(char byte, TKind kind) const { return Kinds[uchar(byte)] & kind; }

    TRegionalSettings Settings;
    TDateOrder Order; // the order dates are read in
    std::array<uint8_t, 256> Kinds{};
    // For each designator, for each of its letters, the bytes that match it
    // without regard to case.
    std::array<std::vector<std::bitset<256>>, 4> Designators;

private:
    bool SameSettings(const TRegionalSettings &settings) const;
};

// The same conversion as ParseDateTime over the code page 850 bytes of the
// text, without making a QString.
std::optional<double> ParseDateTime(QByteArrayView text, const TDateTimeBytes &classes);

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
