#include "core/reading/regionalsettings.h"

#include <QDate>

namespace {

// The format without its time-zone field and the blanks before it.
QString WithoutTimeZone(const QString &format)
{
    QString result;
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't') {
            while (result.endsWith(u' '))
                result.chop(1);
            continue;
        }
        result += c;
    }
    return result.trimmed();
}

// The first character that is not a letter, a quote or a blank.
QChar FirstSeparator(const QString &format, QChar fallback)
{
    for (QChar c : format) {
        if (!c.isLetter() && c != u'\'' && c != u'"' && !c.isSpace())
            return c;
    }
    return fallback;
}

} // namespace

TRegionalSettings TRegionalSettings::FromLocale(const QLocale &locale, int currentYear)
{
    TRegionalSettings settings;
    settings.ShortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    settings.LongTimeFormat = WithoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    settings.DateSeparator = FirstSeparator(settings.ShortDateFormat, u'/');
    settings.TimeSeparator = FirstSeparator(settings.LongTimeFormat, u':');
    settings.DecimalSeparator =
        locale.decimalPoint().isEmpty() ? QChar(u'.') : locale.decimalPoint().front();
    settings.AmDesignator = locale.amText();
    settings.PmDesignator = locale.pmText();
    settings.ThousandSeparator = locale.groupSeparator();
    settings.CurrentYear = currentYear;
    settings.Locale = locale;
    return settings;
}

TDateOrder TRegionalSettings::FormatDateOrder() const
{
    bool quoted = false;
    for (QChar c : ShortDateFormat) {
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        switch (c.toLower().unicode()) {
        case u'd':
            return TDateOrder::DMY;
        case u'm':
            return TDateOrder::MDY;
        case u'y':
        case u'e':
            return TDateOrder::YMD;
        default:
            break;
        }
    }
    return TDateOrder::MDY;
}

TRegionalSettings TRegionalSettings::FromSystem()
{
    return FromLocale(QLocale::system(), QDate::currentDate().year());
}
