// Any bytes as the text of a number field and of a date-time field, under
// one of a few regional settings that the first byte picks. What must hold:
// a number read back from its decimal form is the same number, and a NUL
// ends it; a date-time's display text reads back to the same date and time
// (to the second) wherever the format shows every part of it. The last eight
// bytes also go to the display as a raw day count.
#include "core/reading/codepage.h"
#include "core/reading/conversions.h"

#include <QLocale>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// ISO-like settings written out by hand, as a user may set them.
TRegionalSettings IsoSettings()
{
    TRegionalSettings settings;
    settings.ShortDateFormat = QStringLiteral("yyyy-MM-dd");
    settings.LongTimeFormat = QStringLiteral("HH:mm:ss");
    settings.DateSeparator = u'-';
    settings.TimeSeparator = u':';
    settings.CurrentYear = 2026;
    return settings;
}

const std::vector<TRegionalSettings> &AllSettings()
{
    static const std::vector<TRegionalSettings> settings{
        TRegionalSettings(), // the C locale's defaults: M/d/yy, h:mm:ss AP
        TRegionalSettings::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates), 2026),
        TRegionalSettings::FromLocale(QLocale(QLocale::German, QLocale::Germany), 2026),
        TRegionalSettings::FromLocale(QLocale(QLocale::NorwegianBokmal, QLocale::Norway), 1950),
        IsoSettings(),
    };
    return settings;
}

// Whether a date in this format shows the day, the month and the year as
// numbers that the reading takes back, and the time every field to the second.
bool ReadsBack(const TRegionalSettings &settings, const QDate &date)
{
    const QString &format = settings.ShortDateFormat;
    if (format.contains(QLatin1String("MMM")) || format.contains(QLatin1String("ddd")) ||
        format.contains(u'\''))
        return false;
    if (!settings.LongTimeFormat.contains(u's'))
        return false;
    if (format.contains(QLatin1String("yyyy")))
        return true;
    // Two-digit years come back inside the century window only.
    const int windowStart = settings.CurrentYear - 50;
    return date.year() >= windowStart && date.year() < windowStart + 100;
}

void CheckInteger(const QByteArray &text)
{
    const std::optional<int32_t> value = ParseInteger(text);
    if (!value)
        return;
    Require(ParseInteger(QByteArray::number(*value)) == value);
    Require(ParseInteger(text + '\0' + "junk") == value);
}

void CheckDateTime(const QString &text, const TRegionalSettings &settings)
{
    const std::optional<double> value = ParseDateTime(text, settings);
    if (!value)
        return;
    Require(std::isfinite(*value));
    const TDateAndTime decoded = DecodeDateTime(*value);
    Require(decoded.Date.isValid() && decoded.Time.isValid());
    const QString display = DateTimeDisplayText(*value, settings);
    if (!ReadsBack(settings, decoded.Date))
        return;
    const std::optional<double> again = ParseDateTime(display, settings);
    Require(again.has_value());
    const TDateAndTime redecoded = DecodeDateTime(*again);
    Require(redecoded.Date == decoded.Date);
    Require(redecoded.Time.hour() == decoded.Time.hour() &&
            redecoded.Time.minute() == decoded.Time.minute() &&
            redecoded.Time.second() == decoded.Time.second());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const std::vector<TRegionalSettings> &settings = AllSettings();
    const TRegionalSettings &regional = settings[data[0] % settings.size()];
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    CheckInteger(bytes);
    CheckDateTime(DecodeText(bytes), regional);

    if (size >= 1 + sizeof(double)) {
        double raw;
        std::memcpy(&raw, data + size - sizeof raw, sizeof raw);
        (void)DateTimeDisplayText(raw, regional);
    }
    return 0;
}
