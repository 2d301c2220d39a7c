#include "listing.h"

#include "core/reading/codepage.h"

#include <charconv>

namespace {

bool IsAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

void AppendNumber(QByteArray &line, int32_t value)
{
    char digits[12];
    line.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
}

} // namespace

TListLineWriter::TListLineWriter(const TRegionalSettings &settings)
    : Settings(settings), DateTimes(settings)
{
    // The writer's texts are code page 850; where the formats and the
    // designators are ASCII, they are the same characters in UTF-8.
    WritesDateTimesDirectly = DateTimes.WritesDirectly() && IsAscii(settings.ShortDateFormat) &&
                              IsAscii(settings.LongTimeFormat) &&
                              IsAscii(settings.Locale.amText()) &&
                              IsAscii(settings.Locale.pmText());
    for (int byte = 0; byte < 256; ++byte)
        Utf8[size_t(byte)] = DecodeText(QByteArray(1, char(byte))).toUtf8();
}

void TListLineWriter::AppendText(QByteArray &line, QByteArrayView text) const
{
    for (const char c : text) {
        if (uchar(c) < 0x80)
            line.append(c);
        else
            line.append(Utf8[uchar(c)]);
    }
}

void TListLineWriter::Append(QByteArray &line, const TNavisionObject &object) const
{
    AppendText(line, object.TypeNameView());
    line.append('\t');
    AppendNumber(line, object.ID());
    line.append('\t');
    AppendText(line, object.Name());
    line.append('\t');
    if (object.HasDateTime()) {
        if (WritesDateTimesDirectly)
            DateTimes.Append(line, object.DateTime());
        else
            line.append(object.GetDateTimeText(Settings).toUtf8());
    }
    line.append('\t');
    if (object.HasSize())
        AppendNumber(line, object.Size());
    line.append('\t');
    AppendText(line, object.VersionList());
    line.append('\t');
    const TPermissionLetters letters(object.Permissions());
    line.append(letters.Text, letters.Length);
    line.append('\n');
}
