#include "core/reading/entryconverter.h"

#include "core/errors.h"
#include "core/reading/codepage.h"

#include <QCoreApplication>

namespace {

// The separator as its code page 850 byte ('?' where the code page lacks it).
char SeparatorByte(QChar separator)
{
    if (separator.unicode() < 0x80)
        return char(separator.unicode());
    const QByteArray encoded = EncodeText(QString(separator));
    return encoded.isEmpty() ? '?' : encoded.front();
}

// A date field's separators, whatever the file was written under, stand for
// the settings' date separator; a time field's for its time separator.
char DateFieldByte(char c, char dateSeparator)
{
    return (c == '-' || c == '.' || c == '/') ? dateSeparator : c;
}
char TimeFieldByte(char c, char timeSeparator)
{
    return (c == ':' || c == '.') ? timeSeparator : c;
}

// The date and time fields as one text "date time" of code page 850 bytes,
// their separators replaced by the settings' ones. Empty when both are blank.
class TDateTimeText {
public:
    TDateTimeText(QByteArrayView date, QByteArrayView time, char dateSeparator, char timeSeparator)
    {
        if (date.isEmpty() && time.isEmpty())
            return;
        for (const char c : date)
            Text[Length++] = DateFieldByte(c, dateSeparator);
        Text[Length++] = ' ';
        for (const char c : time)
            Text[Length++] = TimeFieldByte(c, timeSeparator);
    }
    bool IsEmpty() const { return Length == 0; }
    QByteArrayView View() const { return QByteArrayView(Text, Length); }

private:
    char Text[32];
    qsizetype Length = 0;
};

} // namespace

TEntryConverter::TEntryConverter(const TRegionalSettings &settings, TTextPool *texts)
    : DateTimes(TDateTimeBytes::For(settings)),
      DateSeparator(SeparatorByte(settings.DateSeparator)),
      TimeSeparator(SeparatorByte(settings.TimeSeparator)), Pool(texts)
{
    for (int byte = 0; byte < 256; ++byte) {
        DateFieldKinds[size_t(byte)] =
            DateTimes->Kinds[uchar(DateFieldByte(char(byte), DateSeparator))];
        TimeFieldKinds[size_t(byte)] =
            DateTimes->Kinds[uchar(TimeFieldByte(char(byte), TimeSeparator))];
    }
}

TEntryConverter::~TEntryConverter() = default;

double TEntryConverter::ScannedDateTime(QByteArrayView date, QByteArrayView time) const
{
    double value;
    const TDateTimeText dateTime(date, time, DateSeparator, TimeSeparator);
    if (!ParseDateTime(dateTime.View(), *DateTimes, value))
        throw TDateTimeConversionError(
            QCoreApplication::translate("TNavisionObject", "'%1' is not a valid date and time")
                .arg(DecodeText(dateTime.View())));
    return value;
}
