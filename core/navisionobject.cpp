#include "navisionobject.h"

#include "codepage.h"
#include "conversions.h"
#include "errors.h"

#include <array>
#include <cstring>
#include <utility>

namespace {

// The tags of the recognised types and their display names, by type value.
struct TTypeInfo {
    const char *Tag;
    const char *Name;
};
constexpr std::array<TTypeInfo, 8> TypeTable{{
    {nullptr, nullptr},
    {"Table     ", "Table"},
    {"Form      ", "Form"},
    {"Report    ", "Report"},
    {"Dataport  ", "Dataport"},
    {"Codeunit  ", "Codeunit"},
    {"XMLport   ", "XMLport"},
    {"MenuSuite ", "MenuSuite"},
}};

// Field positions within an entry (0-based offsets) and their lengths.
struct TField {
    int Offset;
    int Length;
};
constexpr TField TagField{0, 10};
constexpr TField IDField{10, 10};
constexpr TField NameField{21, 30};
constexpr TField DateField{51, 12};
constexpr TField TimeField{64, 14};
constexpr TField SizeField{81, 20};
constexpr TField VersionListField{102, 57};

QByteArray Cut(const QByteArray &entry, TField field)
{
    QByteArray text = entry.mid(field.Offset, field.Length);
    if (text.size() < field.Length)
        text.append(field.Length - text.size(), ' ');
    return text;
}

TNavisionObjectType TypeOfTag(const QByteArray &tag)
{
    for (int type = otTable; type <= otMenuSuite; ++type) {
        if (tag == TypeTable[size_t(type)].Tag)
            return static_cast<TNavisionObjectType>(type);
    }
    return otNone;
}

int32_t ConvertInteger(const QByteArray &field)
{
    if (const auto value = ParseInteger(field))
        return *value;
    throw TError(QStringLiteral("'%1' is not a valid integer value").arg(DecodeText(field)));
}

// Every byte of the set replaced by the separator (as its code page 850 byte).
QByteArray Replaced(QByteArray text, const char *from, QChar to)
{
    const QByteArray encoded = EncodeText(QString(to));
    const char separator = encoded.isEmpty() ? '?' : encoded.front();
    for (char &c : text) {
        if (std::strchr(from, c) != nullptr && c != '\0')
            c = separator;
    }
    return text;
}

} // namespace

TPermissionLetters::TPermissionLetters(TPermissionFlags flags)
{
    if (flags == pfNoRecord)
        return;
    for (const auto &[flag, letter] : {std::pair{pfRead, 'R'},
                                       {pfInsert, 'I'},
                                       {pfModify, 'M'},
                                       {pfDelete, 'D'},
                                       {pfExecute, 'X'}}) {
        if (flags & flag)
            Text[Length++] = letter;
    }
}

QByteArray PermissionText(TPermissionFlags flags)
{
    const TPermissionLetters letters(flags);
    return QByteArray(letters.Text, letters.Length);
}

TNavisionObject::TNavisionObject(const QByteArray &entry, const TRegionalSettings &settings)
{
    const QByteArray tag = Cut(entry, TagField);
    FObjectType = TypeOfTag(tag);
    if (FObjectType == otNone)
        FTag = TrimmedRight(tag);
    FID = ConvertInteger(Cut(entry, IDField));
    FName = Trimmed(Cut(entry, NameField));

    const QByteArray dateText =
        Replaced(Trimmed(Cut(entry, DateField)), "-./", settings.DateSeparator);
    const QByteArray timeText =
        Replaced(Trimmed(Cut(entry, TimeField)), ":.", settings.TimeSeparator);
    // Add-on vendors ship entries with neither date nor time; the ERP takes them.
    if (!dateText.isEmpty() || !timeText.isEmpty()) {
        const QString text = DecodeText(dateText + ' ' + timeText);
        const auto value = ParseDateTime(text, settings);
        if (!value)
            throw TError(QStringLiteral("'%1' is not a valid date and time").arg(text));
        FDateTime = *value;
        FHasDateTime = true;
    }

    FSize = ConvertInteger(Cut(entry, SizeField));
    FVersionList = Trimmed(Cut(entry, VersionListField));
}

QByteArray TNavisionObject::GetListLine(const TRegionalSettings &settings) const
{
    QByteArray line;
    line.reserve(64 + FName.size() + FVersionList.size());
    line += GetTypeName() + '\t' + QByteArray::number(FID) + '\t' + FName + '\t' +
            EncodeText(GetDateTimeText(settings)) + '\t' + QByteArray::number(FSize) + '\t' +
            FVersionList + "\r\n";
    return line;
}

QByteArray TNavisionObject::GetPermissionText() const
{
    return PermissionText(FPermissions);
}

QByteArray TNavisionObject::GetKey() const
{
    return GetTypeName() + ' ' + QByteArray::number(FID) + ' ' + FName;
}

QByteArray TNavisionObject::GetTypeName() const
{
    // An unrecognised type ("Page", "Query") is named by its tag, so that
    // Page 21 X and Query 21 X keep distinct keys.
    if (FObjectType == otNone)
        return FTag;
    return TypeTable[size_t(FObjectType)].Name;
}

void TNavisionObject::SetPermissions(TPermissionFlags flags)
{
    FPermissions = flags;
}

QString TNavisionObject::GetDateTimeText(const TRegionalSettings &settings) const
{
    return FHasDateTime ? DateTimeDisplayText(FDateTime, settings) : QString();
}
