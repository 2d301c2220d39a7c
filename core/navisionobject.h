// One object of an object file's index, built from its entry of 161 bytes.
#pragma once

#include "regionalsettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
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
QByteArrayView ObjectTypeName(TNavisionObjectType type);

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

// Equal texts held once: a file's objects share a few version lists. Holds
// at most a few thousand; texts beyond them are copied as they come.
class TTextPool {
public:
    QByteArray Shared(QByteArrayView text);
    void Clear() { Texts.clear(); }

private:
    static constexpr qsizetype Capacity = 4096;
    QSet<QByteArray> Texts;
};

// Room for any key: a type name of 10, an ID of 11 and a name of 30 bytes.
using TKeyBuffer = QVarLengthArray<char, 64>;
// Writes the bytes of the object's key (those GetKey returns) into the
// buffer, replacing what it held, without allocating; with a limit, only
// that many of its first bytes.
void WriteKey(const TNavisionObject &object, TKeyBuffer &key,
              qsizetype limit = std::numeric_limits<qsizetype>::max());

class TNavisionObject {
public:
    static constexpr int EntrySize = 161;

    // Builds the object from an entry of EntrySize bytes (a shorter one reads
    // as if padded with blanks). Throws TError when the ID, the date and time
    // or the size don't convert. With a pool, the version list is shared.
    TNavisionObject(const QByteArray &entry, const TRegionalSettings &settings,
                    TTextPool *versionLists = nullptr);
    virtual ~TNavisionObject() = default;

    // The export line: type name, ID, name, date-time text, size and version
    // list joined by TAB and ended by CR LF, as bytes.
    virtual QByteArray GetListLine(const TRegionalSettings &settings) const;
    virtual QByteArray GetPermissionText() const;
    // "Type ID Name": unique within a list, ignoring case.
    virtual QByteArray GetKey() const;
    virtual QByteArray GetTypeName() const;
    // The type name's bytes, without a copy.
    QByteArrayView TypeNameView() const;
    virtual void SetPermissions(TPermissionFlags flags);

    // The export line appended to the given bytes, its date-time written by
    // the writer (which must be of the same regional settings as GetListLine's).
    void AppendListLine(QByteArray &line, const TDateTimeTextWriter &dateTimes) const;

    // The date-time as shown to people: empty when the entry had none.
    QString GetDateTimeText(const TRegionalSettings &settings) const;

    TNavisionObjectType ObjectType() const { return FObjectType; }
    int32_t ID() const { return FID; }
    const QByteArray &Name() const { return FName; }
    // Days since 30 December 1899, the time of day as fraction; 0 when blank.
    double DateTime() const { return FDateTime; }
    bool HasDateTime() const { return FHasDateTime; }
    int32_t Size() const { return FSize; }
    const QByteArray &VersionList() const { return FVersionList; }
    TPermissionFlags Permissions() const { return FPermissions; }
    // IDs from 2,000,000,000 up, and every negative ID.
    bool IsSystemObject() const { return static_cast<uint32_t>(FID) >= 2000000000u; }

private:
    template <typename TAppendDateTime>
    void AppendFields(QByteArray &line, const TAppendDateTime &appendDateTime) const;

    // The texts first, then the numbers, so that nothing is padded.
    QByteArray FTag; // the trimmed tag, the type name of an unrecognised type
    QByteArray FName;
    QByteArray FVersionList;
    double FDateTime = 0;
    TNavisionObjectType FObjectType = otNone;
    int32_t FID = 0;
    int32_t FSize = 0;
    bool FHasDateTime = false;
    TPermissionFlags FPermissions = pfNoRecord;
};
