#include "core/reading/conversions.h"

#include "core/reading/codepage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

constexpr qint64 MSecsPerDay = 86400000;
// Far beyond any date, yet its whole days still fit a 64-bit count.
constexpr double LargestDayCount = 1e15;
const QDate DayZero(1899, 12, 30);

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The designators a time may carry: the settings' own, then the English ones.
enum TDesignator { dsSettingsAm, dsAm, dsSettingsPm, dsPm, DesignatorCount };

QString DesignatorText(TDesignator designator, const TRegionalSettings &settings)
{
    switch (designator) {
    case dsSettingsAm:
        return settings.AmDesignator;
    case dsSettingsPm:
        return settings.PmDesignator;
    case dsAm:
        return QStringLiteral("AM");
    default:
        return QStringLiteral("PM");
    }
}

// The characters of a date-time text as a QString.
class TUnicodeText {
public:
    TUnicodeText(const QString &text, const TRegionalSettings &settings)
        : Text(text), Settings(settings)
    {
    }
    qsizetype Size() const { return Text.size(); }
    bool IsBlank(qsizetype i) const { return Text[i] == u' '; }
    int Digit(qsizetype i) const { return IsDigit(Text[i]) ? Text[i].unicode() - u'0' : -1; }
    bool IsDateSeparator(qsizetype i) const { return Text[i] == Settings.DateSeparator; }
    bool IsTimeSeparator(qsizetype i) const { return Text[i] == Settings.TimeSeparator; }
    bool IsDecimalSeparator(qsizetype i) const { return Text[i] == Settings.DecimalSeparator; }
    // The designator's length when it stands at i, compared without regard to case; else 0.
    qsizetype Designator(qsizetype i, TDesignator designator) const
    {
        const QString word = DesignatorText(designator, Settings);
        // Most texts hold digits where a word might stand: no need to compare them.
        if (word.isEmpty() || Text[i].toCaseFolded() != word.front().toCaseFolded())
            return 0;
        if (QStringView(Text).mid(i, word.size()).compare(word, Qt::CaseInsensitive) == 0)
            return word.size();
        return 0;
    }
    bool MayStartDesignator(qsizetype) const { return true; }
    const TRegionalSettings &RegionalSettings() const { return Settings; }
    TDateOrder Order() const { return Settings.ReadDateOrder(); }

private:
    const QString &Text;
    const TRegionalSettings &Settings;
};

// The same over code page 850 bytes: each byte stands for the character it
// decodes to.
class TByteText {
public:
    TByteText(QByteArrayView text, const TDateTimeBytes &classes) : Text(text), Classes(classes) {}
    qsizetype Size() const { return Text.size(); }
    bool IsBlank(qsizetype i) const { return Text[i] == ' '; }
    int Digit(qsizetype i) const { return IsDigit(Text[i]) ? Text[i] - '0' : -1; }
    bool IsDateSeparator(qsizetype i) const
    {
        return Classes.Is(Text[i], TDateTimeBytes::DateSeparator);
    }
    bool IsTimeSeparator(qsizetype i) const
    {
        return Classes.Is(Text[i], TDateTimeBytes::TimeSeparator);
    }
    bool IsDecimalSeparator(qsizetype i) const
    {
        return Classes.Is(Text[i], TDateTimeBytes::DecimalSeparator);
    }
    qsizetype Designator(qsizetype i, TDesignator designator) const
    {
        const auto &letters = Classes.Designators[designator];
        if (letters.empty() || i + qsizetype(letters.size()) > Text.size())
            return 0;
        for (size_t k = 0; k < letters.size(); ++k) {
            if (!letters[k][uchar(Text[i + qsizetype(k)])])
                return 0;
        }
        return qsizetype(letters.size());
    }
    // Most texts hold a digit where a designator might stand: one look
    // rather than four comparisons.
    bool MayStartDesignator(qsizetype i) const
    {
        return Classes.Is(Text[i], TDateTimeBytes::DesignatorStart);
    }
    const TRegionalSettings &RegionalSettings() const { return Classes.Settings; }
    TDateOrder Order() const { return Classes.Order; }

private:
    QByteArrayView Text;
    const TDateTimeBytes &Classes;
};

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : Days[month - 1];
}

// The day number of a date of the proleptic Gregorian calendar (year 1 or
// later), counted from an epoch of its own: only differences count. Plain
// arithmetic, a million times cheaper to call than a calendar object.
qint64 DaysFromCivil(int year, int month, int day)
{
    year -= month <= 2;
    const int era = year / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return qint64(era) * 146097 + dayOfEra;
}

// The numbers of a date as read: two or three, with the count of digits of
// those that may be a year.
struct TDateNumbers {
    int N1, Digits1, N2, N3, Digits3;
    bool ThreeNumbers;
};

int InCenturyWindow(int year, const TRegionalSettings &settings)
{
    const int windowStart = settings.CurrentYear - 50;
    year += windowStart / 100 * 100;
    if (year < windowStart)
        year += 100;
    return year;
}

// Days since 30 December 1899 of the date the numbers give in that order;
// false when there is no such date. (Results come back through references
// here: an optional comes back through memory, and reading it stalls.)
bool CalendarDays(const TDateNumbers &numbers, TDateOrder order, const TRegionalSettings &settings,
                  qint64 &days)
{
    const auto [n1, l1, n2, n3, l3, threeNumbers] = numbers;
    int year, month, day;
    if (threeNumbers) {
        int yearDigits;
        switch (order) {
        case TDateOrder::DMY:
            day = n1, month = n2, year = n3, yearDigits = l3;
            break;
        case TDateOrder::MDY:
            month = n1, day = n2, year = n3, yearDigits = l3;
            break;
        default:
            year = n1, month = n2, day = n3, yearDigits = l1;
            break;
        }
        if (yearDigits <= 2)
            year = InCenturyWindow(year, settings);
    } else {
        year = settings.CurrentYear;
        if (order == TDateOrder::DMY)
            day = n1, month = n2;
        else
            month = n1, day = n2;
    }
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month))
        return false;
    days = DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30);
    return true;
}

// Milliseconds since midnight, -1 for a time out of range; baseHour 0
// after a morning designator, 12 after an afternoon one, -1 without.
qint64 TimeOfDay(int hour, int minute, int second, int msec, int baseHour)
{
    if (baseHour >= 0) {
        if (hour == 0 || hour > 12)
            return -1;
        hour = (hour == 12 ? 0 : hour) + baseHour;
    }
    if (hour >= 24 || minute >= 60 || second >= 60 || msec >= 1000)
        return -1;
    return ((hour * 60 + minute) * 60 + second) * qint64(1000) + msec;
}

// Reads a date-time text from left to right. Blanks are skipped before
// every number, separator and designator.
template <typename TText> class TDateTimeScanner {
public:
    explicit TDateTimeScanner(const TText &text) : Text(text), Settings(text.RegionalSettings()) {}

    bool AtEnd() const { return Pos >= Text.Size(); }
    void Rewind() { Pos = 0; }

    void SkipBlanks()
    {
        while (Pos < Text.Size() && Text.IsBlank(Pos))
            ++Pos;
    }

    // A run of digits, taken while the value so far is below 1000.
    bool Number(int &value, int &digits)
    {
        SkipBlanks();
        value = 0;
        digits = 0;
        for (int digit; Pos < Text.Size() && (digit = Text.Digit(Pos)) >= 0 && value < 1000;) {
            value = value * 10 + digit;
            ++Pos;
            ++digits;
        }
        return digits > 0;
    }

    // Steps over the character when it matched.
    bool Take(bool matched)
    {
        Pos += matched;
        return matched;
    }

    // Direct calls rather than through a member pointer, so that each test
    // is inlined: these run several times for every entry of a file.
    bool DateSeparator()
    {
        SkipBlanks();
        return Take(Pos < Text.Size() && Text.IsDateSeparator(Pos));
    }
    bool TimeSeparator()
    {
        SkipBlanks();
        return Take(Pos < Text.Size() && Text.IsTimeSeparator(Pos));
    }
    bool DecimalSeparator()
    {
        SkipBlanks();
        return Take(Pos < Text.Size() && Text.IsDecimalSeparator(Pos));
    }

    bool Word(TDesignator designator)
    {
        SkipBlanks();
        if (Pos >= Text.Size())
            return false;
        const qsizetype length = Text.Designator(Pos, designator);
        Pos += length;
        return length > 0;
    }

    // 0 for a morning designator, 12 for an afternoon one, -1 for none.
    int Designator()
    {
        SkipBlanks();
        if (AtEnd() || !Text.MayStartDesignator(Pos))
            return -1;
        if (Word(dsSettingsAm) || Word(dsAm))
            return 0;
        if (Word(dsSettingsPm) || Word(dsPm))
            return 12;
        return -1;
    }

    // Days since 30 December 1899.
    std::optional<qint64> Date()
    {
        int n1, n2, n3 = 0, l1, l2, l3 = 0;
        if (!(Number(n1, l1) && DateSeparator() && Number(n2, l2)))
            return std::nullopt;
        bool threeNumbers = false;
        if (DateSeparator()) {
            SkipBlanks();
            if (Pos < Text.Size() && Text.Digit(Pos) >= 0) {
                if (!Number(n3, l3))
                    return std::nullopt;
                threeNumbers = true;
                DateSeparator();
            }
        }
        SkipBlanks();
        qint64 days;
        if (!CalendarDays({n1, l1, n2, n3, l3, threeNumbers}, Text.Order(), Settings, days))
            return std::nullopt;
        return days;
    }

    // Milliseconds since midnight.
    std::optional<qint64> Time()
    {
        int baseHour = Designator();
        int hour, minute = 0, second = 0, msec = 0, digits;
        if (!Number(hour, digits))
            return std::nullopt;
        if (TimeSeparator()) {
            if (!Number(minute, digits))
                return std::nullopt;
            if (TimeSeparator()) {
                if (!Number(second, digits))
                    return std::nullopt;
                if (DecimalSeparator() && !Number(msec, digits))
                    return std::nullopt;
            }
        }
        if (baseHour < 0)
            baseHour = Designator();
        SkipBlanks();
        const qint64 msecs = TimeOfDay(hour, minute, second, msec, baseHour);
        if (msecs < 0)
            return std::nullopt;
        return msecs;
    }

private:
    const TText &Text;
    const TRegionalSettings &Settings;
    qsizetype Pos = 0;
};

double Combine(qint64 days, qint64 msecOfDay)
{
    const double time = double(msecOfDay) / double(MSecsPerDay);
    return days < 0 ? double(days) - time : double(days) + time;
}

} // namespace

namespace {

// The usual number field, right-aligned: blanks, then one to eight decimal
// digits to its end. Read eight bytes at a time, without a branch on the
// number of digits (which varies at random from one entry to the next);
// false for any other text, which the full reading takes.
bool ReadRightAlignedDigits(QByteArrayView text, int32_t &result)
{
    if constexpr (std::endian::native != std::endian::little)
        return false;
    constexpr uint64_t Blanks = 0x2020202020202020u, Zeros = 0x3030303030303030u,
                       Low7 = 0x7F7F7F7F7F7F7F7Fu, High = 0x8080808080808080u;
    const qsizetype n = text.size();
    if (n < 8)
        return false;
    for (qsizetype i = 0; i < n - 8; ++i) {
        if (text[i] != ' ')
            return false;
    }
    uint64_t word; // the text's last byte is the word's most significant one
    std::memcpy(&word, text.data() + n - 8, 8);
    // Per byte, the high bit where it is a digit, and where it is a blank.
    const uint64_t digitValues = word ^ Zeros, blankBits = word ^ Blanks;
    const uint64_t digits = ~(((digitValues & Low7) + 0x7676767676767676u) | digitValues) & High;
    const uint64_t blanks = ~(((blankBits & Low7) + Low7) | blankBits) & High;
    // Digits from some byte to the last, blanks before them.
    if (digits == 0 || (digits | blanks) != High ||
        digits != (High & (~uint64_t(0) << (std::countr_zero(digits) & ~7))))
        return false;
    // A blank's low four bits are 0, so it reads as a leading zero.
    uint64_t value = (word & 0x0F0F0F0F0F0F0F0Fu) * 2561 >> 8;
    value = (value & 0x00FF00FF00FF00FFu) * 6553601 >> 16;
    result = int32_t((value & 0x0000FFFF0000FFFFu) * 42949672960001u >> 32);
    return true;
}

} // namespace

bool ParseInteger(QByteArrayView text, int32_t &result)
{
    if (ReadRightAlignedDigits(text, result))
        return true;
    const qsizetype n = text.size();
    qsizetype i = 0;
    // Right-aligned numbers begin with many blanks: eight at a time first.
    constexpr uint64_t Blanks = 0x2020202020202020u;
    for (uint64_t word; i + 8 <= n; i += 8) {
        std::memcpy(&word, text.data() + i, 8);
        if (word != Blanks)
            break;
    }
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }

    quint64 value = 0;
    const qsizetype firstDigit = i;
    if (hex) {
        for (; i < n && HexValue(text[i]) >= 0; ++i) {
            value = value * 16 + quint64(HexValue(text[i]));
            if (value > 0xFFFFFFFFu)
                return false;
        }
    } else {
        const quint64 limit = negative ? 2147483648u : 2147483647u;
        for (; i < n && IsDigit(text[i]); ++i) {
            value = value * 10 + quint64(text[i] - '0');
            if (value > limit)
                return false;
        }
    }
    if (i == firstDigit)
        return false;
    if (i < n && text[i] != '\0') // a NUL ends the number, whatever follows it
        return false;

    // The digits form a 32-bit pattern; the sign negates it.
    uint32_t pattern = uint32_t(value);
    if (negative)
        pattern = 0u - pattern;
    result = static_cast<int32_t>(pattern);
    return true;
}

std::optional<int32_t> ParseInteger(QByteArrayView text)
{
    int32_t value;
    if (!ParseInteger(text, value))
        return std::nullopt;
    return value;
}

namespace {

template <typename TText> std::optional<double> ParseDateTimeText(const TText &text)
{
    TDateTimeScanner<TText> scanner(text);
    if (const auto date = scanner.Date()) {
        const qint64 days = *date;
        if (scanner.AtEnd())
            return Combine(days, 0);
        if (const auto time = scanner.Time()) // characters after the time are ignored
            return Combine(days, *time);
    }
    // A blank date field leaves a time alone, which must fill the text.
    scanner.Rewind();
    if (const auto time = scanner.Time(); time && scanner.AtEnd())
        return Combine(0, *time);
    return std::nullopt;
}

} // namespace

std::optional<double> ParseDateTime(const QString &text, const TRegionalSettings &settings)
{
    return ParseDateTimeText(TUnicodeText(text, settings));
}

TDateTimeBytes::TDateTimeBytes(const TRegionalSettings &settings)
    : Settings(settings), Order(settings.ReadDateOrder())
{
    for (int byte = 0; byte < 256; ++byte) {
        const QChar c = DecodeByte(char(byte));
        uint8_t kinds = 0;
        if (c == settings.DateSeparator)
            kinds |= DateSeparator;
        if (c == settings.TimeSeparator)
            kinds |= TimeSeparator;
        if (c == settings.DecimalSeparator)
            kinds |= DecimalSeparator;
        Kinds[size_t(byte)] = kinds;
    }
    for (int designator = 0; designator < DesignatorCount; ++designator) {
        const QString word = DesignatorText(TDesignator(designator), settings);
        auto &letters = Designators[size_t(designator)];
        for (const QChar letter : word) {
            std::bitset<256> matching;
            for (int byte = 0; byte < 256; ++byte) {
                const QChar c = DecodeByte(char(byte));
                matching[size_t(byte)] =
                    QStringView(&c, 1).compare(QStringView(&letter, 1), Qt::CaseInsensitive) == 0;
            }
            letters.push_back(matching);
        }
        if (!letters.empty()) {
            for (int byte = 0; byte < 256; ++byte) {
                if (letters.front()[size_t(byte)])
                    Kinds[size_t(byte)] |= DesignatorStart;
            }
        }
    }
    DigitsAndBlankPlain = Kinds[uchar(' ')] == 0 && std::all_of(&Kinds['0'], &Kinds['9'] + 1,
                                                                [](uint8_t k) { return k == 0; });
}

bool TDateTimeBytes::SameSettings(const TRegionalSettings &settings) const
{
    return settings.DateSeparator == Settings.DateSeparator &&
           settings.TimeSeparator == Settings.TimeSeparator &&
           settings.DecimalSeparator == Settings.DecimalSeparator &&
           settings.AmDesignator == Settings.AmDesignator &&
           settings.PmDesignator == Settings.PmDesignator &&
           settings.ShortDateFormat == Settings.ShortDateFormat &&
           settings.DateOrder == Settings.DateOrder && settings.CurrentYear == Settings.CurrentYear;
}

std::shared_ptr<const TDateTimeBytes> TDateTimeBytes::For(const TRegionalSettings &settings)
{
    thread_local std::shared_ptr<const TDateTimeBytes> last;
    if (!last || !last->SameSettings(settings))
        last = std::make_shared<const TDateTimeBytes>(settings);
    return last;
}

bool ReadUsualDateTime(QByteArrayView date, QByteArrayView time, const TByteKinds &dateKinds,
                       const TByteKinds &timeKinds, const TDateTimeBytes &classes, double &value)
{
    if (!classes.DigitsAndBlankPlain)
        return false;
    // The scanner reads a run of up to four digits whole.
    const auto number = [](const char *&at, const char *end, int &value, int &digits) {
        value = digits = 0;
        for (unsigned digit; at < end && digits <= 4 && (digit = uchar(*at) - '0') < 10; ++at) {
            value = value * 10 + int(digit);
            ++digits;
        }
        return digits >= 1 && digits <= 4;
    };
    // Three numbers with a separator between each two, filling the text.
    const auto threeNumbers = [&number](QByteArrayView text, const TByteKinds &kinds,
                                        TDateTimeBytes::TKind separator, int(&values)[3],
                                        int(&digits)[3]) {
        const char *at = text.data();
        const char *const end = at + text.size();
        for (int i = 0; i < 3; ++i) {
            if (i > 0 && !(at < end && (kinds[uchar(*at++)] & separator)))
                return false;
            if (!number(at, end, values[i], digits[i]))
                return false;
        }
        return at == end;
    };
    int dateNumbers[3], dateDigits[3], timeNumbers[3], timeDigits[3];
    if (!threeNumbers(date, dateKinds, TDateTimeBytes::DateSeparator, dateNumbers, dateDigits) ||
        !threeNumbers(time, timeKinds, TDateTimeBytes::TimeSeparator, timeNumbers, timeDigits))
        return false;
    qint64 days;
    const qint64 msecs = TimeOfDay(timeNumbers[0], timeNumbers[1], timeNumbers[2], 0, -1);
    if (msecs < 0 || !CalendarDays({dateNumbers[0], dateDigits[0], dateNumbers[1], dateNumbers[2],
                                    dateDigits[2], true},
                                   classes.Order, classes.Settings, days))
        return false;
    value = Combine(days, msecs);
    return true;
}

bool ParseDateTime(QByteArrayView text, const TDateTimeBytes &classes, double &value)
{
    // The usual shape has one blank, between the date and the time.
    if (const qsizetype blank = text.indexOf(' ');
        blank > 0 && ReadUsualDateTime(text.first(blank), text.sliced(blank + 1), classes.Kinds,
                                       classes.Kinds, classes, value))
        return true;
    const std::optional<double> scanned = ParseDateTimeText(TByteText(text, classes));
    if (scanned)
        value = *scanned;
    return scanned.has_value();
}

double EncodeDateTime(const QDate &date, const QTime &time)
{
    return Combine(DayZero.daysTo(date), time.msecsSinceStartOfDay());
}

TDateAndTime DecodeDateTime(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > LargestDayCount)
        value = 0;
    double days = std::trunc(value);
    qint64 msec = std::llround(std::fabs(value - days) * double(MSecsPerDay));
    if (msec >= MSecsPerDay) { // rounded up into the next day
        msec -= MSecsPerDay;
        days += value < 0 ? -1 : 1;
    }
    return {DayZero.addDays(qint64(days)), QTime::fromMSecsSinceStartOfDay(int(msec))};
}

QString DateTimeDisplayText(double value, const TRegionalSettings &settings)
{
    const auto [date, time] = DecodeDateTime(value);
    QString text = settings.Locale.toString(date, settings.ShortDateFormat);
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        text += u' ' + settings.Locale.toString(time, settings.LongTimeFormat);
    return text;
}
