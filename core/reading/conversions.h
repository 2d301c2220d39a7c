// The conversions of an index entry's fields, and the date-time display.
// Both follow rules of their own (a strict integer syntax with hexadecimal
// forms, date order and century window from the regional settings), so they
// are written here rather than taken from QLocale.
#pragma once

#include "core/reading/regionalsettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// A decimal or hexadecimal ($, x, 0x) 32-bit number, after leading blanks;
// nothing but a NUL may follow. Empty when refused.
std::optional<int32_t> ParseInteger(QByteArrayView text);
// The same, the number stored in result: for the loader's many calls (an
// optional of 32 bits comes back through memory, and reading it stalls).
bool ParseInteger(QByteArrayView text, int32_t &result);

// "date time" text under the regional settings; empty when refused. A text
// that holds a time alone gives that time on 30 December 1899.
std::optional<double> ParseDateTime(const QString &text, const TRegionalSettings &settings);

// The characters a date-time text is read by, for code page 850 bytes:
// which bytes stand for the separators and for the letters of the
// designators under one set of regional settings. Made once per settings.
// The kinds (TDateTimeBytes::TKind) of each of the 256 bytes.
using TByteKinds = std::array<uint8_t, 256>;

class TDateTimeBytes {
public:
    enum TKind : uint8_t {
        DateSeparator = 1,
        TimeSeparator = 2,
        DecimalSeparator = 4,
        DesignatorStart = 8, // the first letter of a designator, in either case
    };

    explicit TDateTimeBytes(const TRegionalSettings &settings);
    // The classes of these settings, made when they differ from the last ones asked.
    static std::shared_ptr<const TDateTimeBytes> For(const TRegionalSettings &settings);

    bool Is(char byte, TKind kind) const { return Kinds[uchar(byte)] & kind; }

    TRegionalSettings Settings;
    TDateOrder Order; // the order dates are read in
    TByteKinds Kinds{};
    // For each designator, for each of its letters, the bytes that match it
    // without regard to case.
    std::array<std::vector<std::bitset<256>>, 4> Designators;
    // Whether digits and the blank stand for nothing else: then a text of
    // the usual shape can be read at fixed places.
    bool DigitsAndBlankPlain = false;

private:
    bool SameSettings(const TRegionalSettings &settings) const;
};

// A date and a time of the usual shape, "d.m.yy" and "h:mm:ss" (each number
// of one to four digits), read without the scanner's look for blanks and
// designators between the numbers: the value the scanner reads from "date
// time" where each byte is of the kind the tables give it, the date's bytes
// by the first, the time's by the second. False where the scanner is needed:
// any other shape, and a date or time out of range.
bool ReadUsualDateTime(QByteArrayView date, QByteArrayView time, const TByteKinds &dateKinds,
                       const TByteKinds &timeKinds, const TDateTimeBytes &classes, double &value);

// The same conversion as ParseDateTime over the code page 850 bytes of the
// text, without making a QString.
bool ParseDateTime(QByteArrayView text, const TDateTimeBytes &classes, double &value);
inline std::optional<double> ParseDateTime(QByteArrayView text, const TDateTimeBytes &classes)
{
    if (double value; ParseDateTime(text, classes, value))
        return value;
    return std::nullopt;
}

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
