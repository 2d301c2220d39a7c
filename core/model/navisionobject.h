// One object of an object file's index, built from its entry of 161 bytes.
#pragma once

#include "core/fast/textpool.h"
#include "core/reading/regionalsettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVarLengthArray>

#include <cstdint>
#include <limits>

enum TNavisionObjectType : int32_t {
    otNone = 0, // a tag of no recognised type
    otTable = 1,
    otForm = 2,
    otReport = 3,
    otDataport = 4,
    otCodeunit = 5,
    otXMLport = 6,
    otMenuSuite = 7,
};

// The display name of a recognised type; empty for otNone.
inline QByteArrayView ObjectTypeName(TNavisionObjectType type)
{
    constexpr QByteArrayView Names[] = {{},         "Table",    "Form",    "Report",
                                        "Dataport", "Codeunit", "XMLport", "MenuSuite"};
    return type > otNone && type <= otMenuSuite ? Names[type] : QByteArrayView();
}

// What the licence grants for an object: pfNoRecord alone, or the OR of the rights.
using TPermissionFlags = uint8_t;
inline constexpr TPermissionFlags pfNoRecord = 1;
inline constexpr TPermissionFlags pfRead = 2;
inline constexpr TPermissionFlags pfInsert = 4;
inline constexpr TPermissionFlags pfModify = 8;
inline constexpr TPermissionFlags pfDelete = 16;
inline constexpr TPermissionFlags pfExecute = 32;

// The letters of the granted rights, in the order R, I, M, D, X; empty for
// pfNoRecord and for a record that grants nothing.
QByteArray PermissionText(TPermissionFlags flags);

// The same letters without allocating, for comparisons in a sort.
struct TPermissionLetters {
    explicit TPermissionLetters(TPermissionFlags flags);
    QByteArray View() const { return QByteArray::fromRawData(Text, Length); }

    char Text[5] = {};
    int Length = 0;
};

class TNavisionObject;
class TDateTimeTextWriter;
struct TTextObjectFields;
class TEntryConverter;

// Room for any key: a type name of 10, an ID of 11 and a name of 30 bytes.
using TKeyBuffer = QVarLengthArray<char, 64>;
// Writes the bytes of the object's key (those GetKey returns) into the
// buffer, replacing what it held, without allocating; with a limit, only
// that many of its first bytes.
void WriteKey(const TNavisionObject &object, TKeyBuffer &key,
              qsizetype limit = std::numeric_limits<qsizetype>::max());

// A compact value of 64 bytes: the name is held in place, the texts that
// objects share by one pointer, so a list of a million objects is one block
// of memory and copying an object allocates nothing.
class TNavisionObject {
public:
    static constexpr int EntrySize = 161;
    static constexpr int NameSize = 30;

    // Builds the object from an entry of EntrySize bytes (a shorter one reads
    // as if padded with blanks). Throws TError when the ID, the date and time
    // or the size don't convert.
    TNavisionObject(QByteArrayView entry, const TRegionalSettings &settings);
    // The same with what converting needs made beforehand: for reading many,
    // and with the converter's pool, if any, holding shared texts once.
    TNavisionObject(QByteArrayView entry, const TEntryConverter &converter);
    // An object of a text export: its date and time converted as an entry's,
    // no size. The place is the object's in its model's table of text
    // places, from 1. Throws TError when the date and time don't convert or
    // the name is longer than NameSize bytes.
    TNavisionObject(const TTextObjectFields &fields, const TEntryConverter &converter,
                    uint32_t textPlace);

    // The export line: type name, ID, name, date-time text, size and version
    // list joined by TAB and ended by CR LF, as bytes.
    QByteArray GetListLine(const TRegionalSettings &settings) const;
    QByteArray GetPermissionText() const;
    // "Type ID Name": unique within a list, ignoring case.
    QByteArray GetKey() const;
    QByteArray GetTypeName() const;
    // The type name's bytes, without a copy. An unrecognised type ("Page",
    // "Query") is named by its tag, so that Page 21 X and Query 21 X keep
    // distinct keys.
    QByteArrayView TypeNameView() const
    {
        if (FObjectType != otNone)
            return ObjectTypeName(TNavisionObjectType(FObjectType));
        return FTexts ? QByteArrayView(FTexts->Tag) : QByteArrayView();
    }
    void SetPermissions(TPermissionFlags flags);

    // The export line appended to the given bytes, its date-time written by
    // the writer (which must be of the same regional settings as GetListLine's).
    void AppendListLine(QByteArray &line, const TDateTimeTextWriter &dateTimes) const;

    // The date-time as shown to people: empty when the entry had none.
    QString GetDateTimeText(const TRegionalSettings &settings) const;

    TNavisionObjectType ObjectType() const { return TNavisionObjectType(FObjectType); }
    int32_t ID() const { return FID; }
    // The name's bytes within the object: valid while the object lives. It
    // starts the room of NameSize bytes the object keeps for a name.
    QByteArrayView Name() const { return QByteArrayView(FName, FNameLength); }
    // Days since 30 December 1899, the time of day as fraction; 0 when blank.
    double DateTime() const { return FDateTime; }
    bool HasDateTime() const { return FHasDateTime; }
    int32_t Size() const { return FSize; }
    // Objects of text exports have no size; binary ones always.
    bool HasSize() const { return FTextPlace == 0; }
    // Where a text export's object stands, from 1, in its model's table of
    // text places; 0 for an object of a binary file.
    uint32_t TextPlace() const { return FTextPlace; }
    const QByteArray &VersionList() const { return FTexts ? FTexts->VersionList : NoText(); }
    TPermissionFlags Permissions() const { return FPermissions; }
    // IDs from 2,000,000,000 up, and every negative ID.
    bool IsSystemObject() const { return static_cast<uint32_t>(FID) >= 2000000000u; }

private:
    static const QByteArray &NoText();
    template <typename TAppendDateTime>
    void AppendFields(QByteArray &line, const TAppendDateTime &appendDateTime) const;

    double FDateTime = 0;
    TEntryTextsPointer FTexts; // null when the tag is known and the version list empty
    int32_t FID = 0;
    int32_t FSize = 0;
    char FName[NameSize] = {};
    uint8_t FNameLength = 0;
    uint8_t FObjectType = otNone;
    bool FHasDateTime = false;
    TPermissionFlags FPermissions = pfNoRecord;
    uint32_t FTextPlace = 0; // in the room the members above leave
};
static_assert(sizeof(TNavisionObject) == 64);
