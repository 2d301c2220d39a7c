#include "core/model/navisionobject.h"

#include "core/fast/bytehash.h"
#include "core/reading/codepage.h"
#include "core/reading/conversions.h"
#include "core/reading/datetimetext.h"
#include "core/errors.h"

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

QByteArray TTextPool::Shared(QByteArrayView text)
{
    if (text.isEmpty())
        return QByteArray();
    const auto found = Texts.constFind(QByteArray::fromRawData(text.data(), text.size()));
    if (found != Texts.cend())
        return *found;
    if (Texts.size() >= Capacity)
        return text.toByteArray();
    return *Texts.insert(text.toByteArray());
}

TTextPool::TTextPool() = default;
TTextPool::~TTextPool() = default;

namespace {

bool HoldsTexts(const TEntryTexts &texts, QByteArrayView tag, QByteArrayView versionList)
{
    return texts.VersionList.size() == versionList.size() && texts.Tag.size() == tag.size() &&
           QByteArrayView(texts.VersionList) == versionList && QByteArrayView(texts.Tag) == tag;
}

} // namespace

const TEntryTextsPointer &TTextPool::SharedTexts(QByteArrayView tag, QByteArrayView versionList)
{
    static const TEntryTextsPointer none;
    if (tag.isEmpty() && versionList.isEmpty())
        return none;
    if (Last && HoldsTexts(*Last->Texts, tag, versionList))
        return Last->Texts;
    if (Pairs.empty())
        Pairs.resize(size_t(Capacity) * 2); // never grows, so Last stays valid
    const uint64_t hash = HashBytes(versionList, HashBytes(tag, HashSeed()));
    const size_t mask = Pairs.size() - 1;
    size_t slot = size_t(hash) & mask;
    for (; Pairs[slot].Texts; slot = (slot + 1) & mask) {
        if (Pairs[slot].Hash == hash && HoldsTexts(*Pairs[slot].Texts, tag, versionList)) {
            Last = &Pairs[slot];
            return Last->Texts;
        }
    }
    auto *texts = new TEntryTexts;
    texts->Tag = Shared(tag);
    texts->VersionList = Shared(versionList);
    if (PairCount >= Capacity) {
        Unpooled = TEntryTextsPointer(texts);
        return Unpooled;
    }
    Pairs[slot] = {hash, TEntryTextsPointer(texts)};
    ++PairCount;
    Last = &Pairs[slot];
    return Last->Texts;
}

void TTextPool::Clear()
{
    Texts.clear();
    Pairs.clear();
    PairCount = 0;
    Last = nullptr;
    Unpooled.reset();
}

TEntryConverter::TEntryConverter(const TRegionalSettings &settings, TTextPool *texts)
    : DateTimes(TDateTimeBytes::For(settings)),
      DateSeparator(SeparatorByte(settings.DateSeparator)),
      TimeSeparator(SeparatorByte(settings.TimeSeparator)), Texts(texts)
{
    for (int byte = 0; byte < 256; ++byte) {
        DateFieldKinds[size_t(byte)] =
            DateTimes->Kinds[uchar(DateFieldByte(char(byte), DateSeparator))];
        TimeFieldKinds[size_t(byte)] =
            DateTimes->Kinds[uchar(TimeFieldByte(char(byte), TimeSeparator))];
    }
}

TEntryConverter::~TEntryConverter() = default;

TNavisionObject::TNavisionObject(QByteArrayView entry, const TRegionalSettings &settings,
                                 TTextPool *versionLists)
    : TNavisionObject(entry, TEntryConverter(settings, versionLists))
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
        // Most are read where they stand; the others as one text.
        if (!ReadUsualDateTime(date, time, converter.DateFieldKinds, converter.TimeFieldKinds,
                               *converter.DateTimes, FDateTime)) {
            const TDateTimeText dateTime(date, time, converter.DateSeparator,
                                         converter.TimeSeparator);
            if (!ParseDateTime(dateTime.View(), *converter.DateTimes, FDateTime))
                throw TDateTimeConversionError(
                    QCoreApplication::translate("TNavisionObject",
                                                "'%1' is not a valid date and time")
                        .arg(DecodeText(dateTime.View())));
        }
        FHasDateTime = true;
    }

    FSize = ConvertInteger(bytes.Field(SizeField));
    const QByteArrayView versionList = Trimmed(bytes.Field(VersionListField));
    if (converter.Texts) {
        FTexts = converter.Texts->SharedTexts(unrecognisedTag, versionList);
    } else if (!unrecognisedTag.isEmpty() || !versionList.isEmpty()) {
        auto *texts = new TEntryTexts;
        texts->Tag = unrecognisedTag.toByteArray();
        texts->VersionList = versionList.toByteArray();
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
    line.append('\t').append(Name()).append('\t');
    appendDateTime(line);
    line.append('\t');
    appendNumber(FSize);
    line.append('\t').append(VersionList()).append("\r\n");
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
