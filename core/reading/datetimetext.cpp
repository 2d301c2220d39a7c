#include "core/reading/datetimetext.h"

#include "core/reading/codepage.h"
#include "core/reading/conversions.h"

#include <QHash>

#include <cstring>

namespace {

void AppendNumber(QByteArray &line, int value, int width)
{
    char digits[12];
    int length = 0;
    do {
        digits[length++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int pad = length; pad < width; ++pad)
        line.append('0');
    while (length > 0)
        line.append(digits[--length]);
}

// A letter as the format's: the letters of QLocale's date and time formats.
bool IsFormatLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

TDateTimeTextWriter::TDateTimeTextWriter(const TRegionalSettings &settings) : Settings(settings)
{
    DateFormat = Compile(settings.ShortDateFormat, "dMy");
    TimeFormat = Compile(settings.LongTimeFormat, "hHmsAa");
    if (TimeFormat) {
        for (const TToken &token : *TimeFormat) {
            if (token.Letter == 'A' || token.Letter == 'a') {
                TwelveHours = true;
                const bool upper = token.Letter == 'A';
                AmText = EncodeText(upper ? settings.Locale.amText().toUpper()
                                          : settings.Locale.amText().toLower());
                PmText = EncodeText(upper ? settings.Locale.pmText().toUpper()
                                          : settings.Locale.pmText().toLower());
            }
        }
    }
    if (WritesDirectly() && !MatchesQLocaleOnce()) {
        DateFormat.reset();
        TimeFormat.reset();
    }
}

std::optional<TDateTimeTextWriter::TFormat> TDateTimeTextWriter::Compile(const QString &format,
                                                                         const char *letters)
{
    TFormat tokens;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (!IsFormatLetter(c) && c != u'\'') {
            QString literal;
            while (i < format.size() && !IsFormatLetter(format[i]) && format[i] != u'\'')
                literal += format[i++];
            tokens.push_back({0, 0, EncodeText(literal)});
            continue;
        }
        // Quoted text and letters of other meanings (names, zones) are QLocale's.
        if (c == u'\'' || !std::strchr(letters, char(c.unicode())))
            return std::nullopt;
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        const char letter = char(c.unicode());
        if (letter == 'A' || letter == 'a') {
            // "AP", "ap", "A" or "a": the designator.
            const QChar p = letter == 'A' ? u'P' : u'p';
            if (run != 1)
                return std::nullopt;
            if (i + 1 < format.size() && format[i + 1] == p)
                ++run;
            tokens.push_back({letter, 1, {}});
            i += run;
            continue;
        }
        const bool valid = letter == 'y' ? (run == 2 || run == 4) : run <= 2;
        if (!valid)
            return std::nullopt;
        tokens.push_back({letter, int(run), {}});
        i += run;
    }
    return tokens;
}

void TDateTimeTextWriter::AppendDate(QByteArray &line, int year, int month, int day) const
{
    for (const TToken &token : *DateFormat) {
        switch (token.Letter) {
        case 'd':
            AppendNumber(line, day, token.Count);
            break;
        case 'M':
            AppendNumber(line, month, token.Count);
            break;
        case 'y':
            AppendNumber(line, token.Count == 2 ? year % 100 : year, token.Count);
            break;
        default:
            line.append(token.Literal);
            break;
        }
    }
}

void TDateTimeTextWriter::AppendTime(QByteArray &line, int hour, int minute, int second) const
{
    int twelveHour = hour % 12;
    if (twelveHour == 0)
        twelveHour = 12;
    for (const TToken &token : *TimeFormat) {
        switch (token.Letter) {
        case 'h':
            AppendNumber(line, TwelveHours ? twelveHour : hour, token.Count);
            break;
        case 'H':
            AppendNumber(line, hour, token.Count);
            break;
        case 'm':
            AppendNumber(line, minute, token.Count);
            break;
        case 's':
            AppendNumber(line, second, token.Count);
            break;
        case 'A':
        case 'a':
            line.append(hour < 12 ? AmText : PmText);
            break;
        default:
            line.append(token.Literal);
            break;
        }
    }
}

void TDateTimeTextWriter::AppendThroughQLocale(QByteArray &line, double value) const
{
    line.append(EncodeText(DateTimeDisplayText(value, Settings)));
}

void TDateTimeTextWriter::Append(QByteArray &line, double value) const
{
    if (!WritesDirectly()) {
        AppendThroughQLocale(line, value);
        return;
    }
    const auto [date, time] = DecodeDateTime(value);
    // Years of fewer or more than four digits are written as QLocale writes them.
    if (date.year() < 1000 || date.year() > 9999) {
        AppendThroughQLocale(line, value);
        return;
    }
    AppendDate(line, date.year(), date.month(), date.day());
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0) {
        line.append(' ');
        AppendTime(line, time.hour(), time.minute(), time.second());
    }
}

bool TDateTimeTextWriter::MatchesQLocaleOnce() const
{
    // Checked once per locale and formats and thread: exports of a few
    // objects should not pay for the check each time.
    thread_local QHash<QString, bool> checked;
    const QString key = Settings.Locale.name() + u'\n' + Settings.ShortDateFormat + u'\n' +
                        Settings.LongTimeFormat + u'\n' + Settings.Locale.amText() + u'\n' +
                        Settings.Locale.pmText();
    if (const auto found = checked.constFind(key); found != checked.cend())
        return *found;
    const bool matches = MatchesQLocale();
    checked.insert(key, matches);
    return matches;
}

bool TDateTimeTextWriter::MatchesQLocale() const
{
    // Days and times that tell every number apart: one and two digits,
    // morning, noon, afternoon and midnight, short and long years.
    const QDate dates[] = {{2003, 2, 1},   {1999, 12, 31}, {2026, 11, 9},
                           {1899, 12, 30}, {2000, 10, 10}, {9999, 12, 31}};
    const QTime times[] = {{0, 0, 1},  {0, 30, 0},   {1, 2, 3},  {9, 9, 9},    {11, 59, 59},
                           {12, 0, 0}, {12, 34, 56}, {13, 5, 9}, {23, 59, 59}, {10, 15, 30}};
    for (const QDate &date : dates) {
        for (const QTime &time : times) {
            const double value = EncodeDateTime(date, time);
            QByteArray direct, throughQLocale;
            Append(direct, value);
            AppendThroughQLocale(throughQLocale, value);
            if (direct != throughQLocale)
                return false;
        }
    }
    return true;
}
