#include "core/model/navisionobject.h"

#include "core/reading/tabfields.h"

#include "core/errors.h"
#include "core/fast/trimming.h"
#include "core/reading/codepage.h"
#include "core/reading/conversions.h"
#include "core/reading/datetimetext.h"
#include "core/reading/entryconverter.h"
#include "core/reading/textexport.h"

#include <QCoreApplication>
#include <array>
#include <charconv>
#include <cstring>
#include <utility>

namespace {

// The tags of the recognised types (10 bytes each), by type value.
constexpr std::array<const char *, 8> TypeTags{
    nullptr,      "Table     ", "Form      ", "Report    ",
    "Dataport  ", "Codeunit  ", "XMLport   ", "MenuSuite ",
};
constexpr size_t TagSize = 10;

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
constexpr qsizetype DateFieldLength = DateField.Length;
constexpr qsizetype TimeFieldLength = TimeField.Length;
// A name is copied with the room of a whole name after its first byte.
static_assert(NameField.Offset + 2 * NameField.Length <= TNavisionObject::EntrySize);

// The entry's bytes, a shorter entry padded with blanks.
class TEntryBytes {
public:
    explicit TEntryBytes(QByteArrayView entry) : Bytes(entry.data())
    {
        if (entry.size() < TNavisionObject::EntrySize) {
            std::memset(Padded, ' ', sizeof Padded);
            std::memcpy(Padded, entry.constData(), size_t(entry.size()));
            Bytes = Padded;
        }
    }
    QByteArrayView Field(TField field) const
    {
        return QByteArrayView(Bytes + field.Offset, field.Length);
    }

private:
    const char *Bytes;
    char Padded[TNavisionObject::EntrySize];
};

TNavisionObjectType TypeOfTag(QByteArrayView tag)
{
    for (int type = otTable; type <= otMenuSuite; ++type) {
        const char *known = TypeTags[size_t(type)];
        if (tag.front() == known[0] && std::memcmp(tag.data(), known, TagSize) == 0)
            return static_cast<TNavisionObjectType>(type);
    }
    return otNone;
}

int32_t ConvertInteger(QByteArrayView field)
{
    if (int32_t value; ParseInteger(field, value))
        return value;
    throw TError(QCoreApplication::translate("TNavisionObject", "'%1' is not a valid integer value")
                     .arg(DecodeText(field)));
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

TNavisionObject::TNavisionObject(QByteArrayView entry, const TRegionalSettings &settings)
    : TNavisionObject(entry, TEntryConverter(settings))
{
}

TNavisionObject::TNavisionObject(QByteArrayView entry, const TEntryConverter &converter)
{
    const TEntryBytes bytes(entry);
    const QByteArrayView tag = bytes.Field(TagField);
    FObjectType = uint8_t(TypeOfTag(tag));
    const QByteArrayView unrecognisedTag =
        FObjectType == otNone ? TrimmedRight(tag) : QByteArrayView();
    FID = ConvertInteger(bytes.Field(IDField));
    const QByteArrayView name = Trimmed(bytes.Field(NameField));
    // All the room at once, a copy of fixed length rather than a call: the
    // bytes after the name (still within the entry) are never read.
    std::memcpy(FName, name.data(), NameSize);
    FNameLength = uint8_t(name.size());

    // Add-on vendors ship entries with neither date nor time; the ERP takes them.
    const QByteArrayView date = Trimmed(bytes.Field(DateField)),
                         time = Trimmed(bytes.Field(TimeField));
    if (!date.isEmpty() || !time.isEmpty()) {
        FDateTime = converter.DateTime(date, time);
        FHasDateTime = true;
    }

    FSize = ConvertInteger(bytes.Field(SizeField));
    const QByteArrayView versionList = Trimmed(bytes.Field(VersionListField));
    if (TTextPool *pool = converter.Texts()) {
        FTexts = pool->SharedTexts(unrecognisedTag, versionList);
    } else if (!unrecognisedTag.isEmpty() || !versionList.isEmpty()) {
        auto *texts = new TEntryTexts;
        texts->Tag = unrecognisedTag.toByteArray();
        texts->VersionList = versionList.toByteArray();
        FTexts = TEntryTextsPointer(texts);
    }
}

TNavisionObject::TNavisionObject(const TTextObjectFields &fields, const TEntryConverter &converter,
                                 uint32_t textPlace)
    : FID(fields.ID), FTextPlace(textPlace)
{
    for (int type = otTable; type <= otMenuSuite; ++type) {
        if (fields.TypeName == ObjectTypeName(TNavisionObjectType(type)))
            FObjectType = uint8_t(type);
    }
    if (fields.Name.size() > NameSize)
        throw TError(QCoreApplication::translate("TNavisionObject",
                                                 "The name '%1' is longer than %2 characters")
                         .arg(DecodeText(fields.Name))
                         .arg(NameSize));
    std::memcpy(FName, fields.Name.constData(), size_t(fields.Name.size()));
    FNameLength = uint8_t(fields.Name.size());
    if (!fields.Date.isEmpty() || !fields.Time.isEmpty()) {
        // No longer than an entry's fields, or they aren't a date and time.
        if (fields.Date.size() > DateFieldLength || fields.Time.size() > TimeFieldLength)
            throw TDateTimeConversionError(
                QCoreApplication::translate("TNavisionObject", "'%1' is not a valid date and time")
                    .arg(DecodeText(fields.Date + ' ' + fields.Time)));
        FDateTime = converter.DateTime(fields.Date, fields.Time);
        FHasDateTime = true;
    }
    const QByteArrayView tag =
        FObjectType == otNone ? QByteArrayView(fields.TypeName) : QByteArrayView();
    if (TTextPool *pool = converter.Texts()) {
        FTexts = pool->SharedTexts(tag, fields.VersionList);
    } else if (!tag.isEmpty() || !fields.VersionList.isEmpty()) {
        auto *texts = new TEntryTexts;
        texts->Tag = tag.toByteArray();
        texts->VersionList = fields.VersionList;
        FTexts = TEntryTextsPointer(texts);
    }
}

const QByteArray &TNavisionObject::NoText()
{
    static const QByteArray none;
    return none;
}

template <typename TAppendDateTime>
void TNavisionObject::AppendFields(QByteArray &line, const TAppendDateTime &appendDateTime) const
{
    const auto appendNumber = [&line](int32_t value) {
        char digits[12];
        line.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
    };
    line.append(TypeNameView()).append('\t');
    appendNumber(FID);
    line.append('\t');
    AppendTabField(line, Name());
    line.append('\t');
    appendDateTime(line);
    line.append('\t');
    if (HasSize())
        appendNumber(FSize);
    line.append('\t');
    AppendTabField(line, VersionList());
    line.append("\r\n");
}

QByteArray TNavisionObject::GetListLine(const TRegionalSettings &settings) const
{
    QByteArray line;
    line.reserve(64 + NameSize + VersionList().size());
    AppendFields(line,
                 [&](QByteArray &text) { text.append(EncodeText(GetDateTimeText(settings))); });
    return line;
}

void TNavisionObject::AppendListLine(QByteArray &line, const TDateTimeTextWriter &dateTimes) const
{
    AppendFields(line, [&](QByteArray &text) {
        if (FHasDateTime)
            dateTimes.Append(text, FDateTime);
    });
}

QByteArray TNavisionObject::GetPermissionText() const
{
    return PermissionText(FPermissions);
}

QByteArray TNavisionObject::GetKey() const
{
    TKeyBuffer key;
    WriteKey(*this, key);
    return QByteArray(key.constData(), key.size());
}

void WriteKey(const TNavisionObject &object, TKeyBuffer &key, qsizetype limit)
{
    key.clear();
    const auto append = [&](const char *bytes, qsizetype length) {
        key.append(bytes, std::min(length, limit - key.size()));
        return key.size() < limit;
    };
    const QByteArrayView typeName = object.TypeNameView();
    char number[12];
    const char *numberEnd = std::to_chars(number, number + sizeof number, object.ID()).ptr;
    // The name is reached only when the limit leaves room for it.
    append(typeName.data(), typeName.size()) && append(" ", 1) &&
        append(number, numberEnd - number) && append(" ", 1) &&
        append(object.Name().data(), object.Name().size());
}

QByteArray TNavisionObject::GetTypeName() const
{
    return TypeNameView().toByteArray();
}

void TNavisionObject::SetPermissions(TPermissionFlags flags)
{
    FPermissions = flags;
}

QString TNavisionObject::GetDateTimeText(const TRegionalSettings &settings) const
{
    return FHasDateTime ? DateTimeDisplayText(FDateTime, settings) : QString();
}
