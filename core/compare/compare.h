// Two loaded object files compared object by object: which objects the new
// file adds, which it no longer holds, which changed in name, date-time,
// size or version list, and which stayed as they were.
#pragma once

#include "core/model/binaryfile.h"

#include <QByteArray>
#include <QIODevice>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

enum class TChangeKind : uint8_t {
    Added,   // only in the new file
    Removed, // only in the old file
    Changed, // in both, with at least one field different
    Unchanged,
};
inline constexpr int ChangeKindCount = 4;

// The fields whose difference makes an object changed.
using TChangedFields = uint8_t;
inline constexpr TChangedFields cfName = 1;
inline constexpr TChangedFields cfDateTime = 2;
inline constexpr TChangedFields cfSize = 4;
inline constexpr TChangedFields cfVersionList = 8;
inline constexpr TChangedFields cfModified = 16; // both sides text exports
// The text after OBJECT-PROPERTIES (code, fields, design), line ends and
// encoding aside; both sides text exports.
inline constexpr TChangedFields cfText = 32;

// One object of either file, or one of each paired by identity. The objects
// are borrowed from the two models.
struct TObjectDifference {
    TChangeKind Kind = TChangeKind::Unchanged;
    TChangedFields Fields = 0;            // for Changed
    const TNavisionObject *Old = nullptr; // none for Added
    const TNavisionObject *New = nullptr; // none for Removed

    // The new file's object, or the old one's for a removed object.
    const TNavisionObject &Object() const { return New ? *New : *Old; }
};

// Pairs the listed (visible) objects of two files by identity: object type
// and ID, and for objects of no recognised type their tag and ID, so that a
// Page and a Query of one number stay apart. Where a file lists several
// objects of one identity (they differ in name), equal names are paired
// first, then the rest in the order of the files. Both files are ordered by
// type and ID by a radix sort and walked once together; a hash join over the
// old file's identities takes over where many objects share a type and ID.
class TObjectComparison {
public:
    // Both models must keep their objects (no Clear, no load) while the
    // comparison lives; sorting or hiding them does no harm.
    TObjectComparison(const TNavisionBinaryFile &oldFile, const TNavisionBinaryFile &newFile);

    // In the order of the new file, then the removed objects in the order
    // of the old file.
    int Count() const { return int(Differences.size()); }
    const TObjectDifference &Difference(int index) const { return Differences[size_t(index)]; }
    int CountOf(TChangeKind kind) const { return Counts[size_t(kind)]; }
    bool HasDifferences() const { return CountOf(TChangeKind::Unchanged) != Count(); }

private:
    std::vector<TObjectDifference> Differences;
    std::array<int, ChangeKindCount> Counts{};
};

// The fields of a difference by which rows can be ordered; their numbers
// are the positions of the comparison window's columns.
enum class TComparisonColumn : int {
    Change,
    Type,
    ID,
    Name,
    OldDateTime,
    NewDateTime,
    OldSize,
    NewSize,
    OldVersionList,
    NewVersionList,
    Permissions, // the new file's permission letters
    Text,        // whether the object's text changed, where both sides hold it
};
inline constexpr int ComparisonColumnCount = 12;

// What the comparison says of an object's text: compared only where both
// sides are objects of text exports.
enum class TTextChange { NotCompared, Same, Changed };
TTextChange TextChange(const TObjectDifference &difference);

// Negative when a comes before b in ascending order of the column. Equal
// values go on by type (number, then tag), ID and name, so that only the
// two sides of one difference ever compare equal.
int CompareDifferences(const TObjectDifference &a, const TObjectDifference &b,
                       TComparisonColumn column);
// Orders the rows (positions in the comparison) by the column; descending
// is the exact reverse of ascending.
void SortDifferences(std::vector<int> &rows, const TObjectComparison &comparison,
                     TComparisonColumn column, bool descending);

// "added", "removed", "changed" or "unchanged".
QByteArray ChangeKindName(TChangeKind kind);
// The changed fields' names joined by commas, e.g. "name,size"; the names
// are those of the lister's sort keys: name, datetime, size, version, and
// modified and text.
QByteArray ChangedFieldNames(TChangedFields fields);

// One difference as a line of UTF-8 text ended by LF, its fields separated
// by TAB: kind, changed fields, type, ID, old and new name, old and new
// date-time, old and new size, old and new version list, and the new file's
// permission letters. The side an object lacks has empty fields.
QByteArray ComparisonLine(const TObjectDifference &difference, const TRegionalSettings &settings);
// The same fields as texts, each date-time as the function gives it; no
// size for an object of a text export.
QStringList ComparisonFields(const TObjectDifference &difference,
                             const std::function<QString(const TNavisionObject &)> &dateTime);
// The names of those fields, as the first line of a saved comparison.
QByteArray ComparisonHeaderLine();
// Writes the header line, then the line of each row in the given order.
// Throws TError when the stream takes a line only in part.
void SaveComparisonToStream(QIODevice &stream, const TObjectComparison &comparison,
                            const std::vector<int> &rows, const TRegionalSettings &settings);
