// The display text of many date-times under one set of regional settings,
// in code page 850, exactly as DateTimeDisplayText gives it. Formats made of
// numbers and separators alone (the usual short date and long time) are
// written here without QLocale, after checking at construction that they
// come out as QLocale writes them; any other format goes through QLocale.
#pragma once

#include "core/reading/regionalsettings.h"

#include <QByteArray>

#include <optional>
#include <vector>

class TDateTimeTextWriter {
public:
    explicit TDateTimeTextWriter(const TRegionalSettings &settings);

    // Appends the text of the date-time to the line.
    void Append(QByteArray &line, double value) const;
    // Whether the formats are written here rather than through QLocale.
    bool WritesDirectly() const { return DateFormat && TimeFormat; }

private:
    // A run of one format letter (its count), or literal text.
    struct TToken {
        char Letter = 0; // 0 for literal text
        int Count = 0;
        QByteArray Literal;
    };
    using TFormat = std::vector<TToken>;

    static std::optional<TFormat> Compile(const QString &format, const char *letters);
    void AppendDate(QByteArray &line, int year, int month, int day) const;
    void AppendTime(QByteArray &line, int hour, int minute, int second) const;
    void AppendThroughQLocale(QByteArray &line, double value) const;
    bool MatchesQLocale() const;
    bool MatchesQLocaleOnce() const;

    const TRegionalSettings &Settings;
    std::optional<TFormat> DateFormat, TimeFormat;
    bool TwelveHours = false;
    QByteArray AmText, PmText;
};
