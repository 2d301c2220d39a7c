#include "core/compare/compare.h"

#include "core/reading/tabfields.h"

#include "core/errors.h"
#include "core/fast/radixsort.h"
#include "core/model/ordering.h"
#include "core/reading/codepage.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

// What makes two objects of two files the same object: the type, and for
// an unrecognised type its tag (Page, Query), with the ID.
struct TIdentity {
    int32_t Type;
    int32_t ID;
    QByteArrayView Tag; // empty for a recognised type
    bool operator==(const TIdentity &other) const
    {
        return Type == other.Type && ID == other.ID && Tag == other.Tag;
    }
};

size_t qHash(const TIdentity &identity, size_t seed = 0)
{
    return qHashMulti(seed, identity.Type, identity.ID, identity.Tag);
}

TIdentity IdentityOf(const TNavisionObject &object)
{
    return {object.ObjectType(), object.ID(),
            object.ObjectType() == otNone ? object.TypeNameView() : QByteArrayView()};
}

// An old object by its group of identity and its exact name; used only for
// groups of more than one object.
struct TNamedInGroup {
    int Group;
    QByteArrayView Name;
    bool operator==(const TNamedInGroup &other) const
    {
        return Group == other.Group && Name == other.Name;
    }
};

size_t qHash(const TNamedInGroup &named, size_t seed = 0)
{
    return qHashMulti(seed, named.Group, named.Name);
}

// The old objects of one identity, chained in file order.
struct TGroup {
    int First;
    int Last;
    int Count;
    int Cursor; // the first old object of the chain that may still be unpaired
};

// Sizes count only where both sides have one, the modified mark and the
// text only where both are objects of text exports.
TChangedFields ChangedFields(const TNavisionObject &a, const TNavisionObject &b,
                             const TTextPlace *aPlace, const TTextPlace *bPlace)
{
    TChangedFields fields = 0;
    if (QByteArrayView(a.Name()) != QByteArrayView(b.Name()))
        fields |= cfName;
    if (a.HasDateTime() != b.HasDateTime() ||
        (a.HasDateTime() && CompareDateTimes(a.DateTime(), b.DateTime()) != 0))
        fields |= cfDateTime;
    // A text export knows no size: sizes differ only where both sides have one.
    if (a.HasSize() && b.HasSize() && a.Size() != b.Size())
        fields |= cfSize;
    if (aPlace && bPlace && aPlace->Modified != bPlace->Modified)
        fields |= cfModified;
    if (aPlace && bPlace && aPlace->TextDigest != bPlace->TextDigest)
        fields |= cfText;
    if (QByteArrayView(a.VersionList()) != QByteArrayView(b.VersionList()))
        fields |= cfVersionList;
    return fields;
}

constexpr int Unpaired = -1;

// Who pairs with whom: the old partner of each new object, and which old
// objects found one.
struct TPairing {
    std::vector<int> PartnerOfNew;
    std::vector<bool> OldPaired;
};

// The positions of a list's objects ordered by type and ID, objects of one
// type and ID in list order.
TLargeVector<TKeyedPosition> InTypeAndIDOrder(const TObjectList &objects)
{
    TLargeVector<TKeyedPosition> keys;
    keys.reserve(size_t(objects.Count()));
    for (int i = 0; i < objects.Count(); ++i) {
        const TNavisionObject &object = objects.Object(i);
        keys.push_back(
            {uint64_t(uint32_t(object.ObjectType())) << 32 | (uint32_t(object.ID()) ^ 0x80000000u),
             uint32_t(i)});
    }
    RadixSort(keys);
    return keys;
}

bool SameTag(const TNavisionObject &a, const TNavisionObject &b)
{
    return a.ObjectType() != otNone || a.TypeNameView() == b.TypeNameView();
}

// The most objects of one type and ID on the old side that the walk pairs
// by looking at each; more go to the hash join.
constexpr int MostInRun = 16;

// Both files ordered by type and ID, then one walk over both, a run of one
// type and ID on each side at a time. Within a run the rules of the hash
// join hold: a new object takes the last old object of its identity and
// exact name if that one is still free, then the objects left take the
// first old ones of their identity left, in file order. False for a run
// too long to walk.
bool PairByWalk(const TObjectList &oldObjects, const TObjectList &newObjects, TPairing &pairing)
{
    const TLargeVector<TKeyedPosition> oldKeys = InTypeAndIDOrder(oldObjects),
                                       newKeys = InTypeAndIDOrder(newObjects);
    const size_t oldCount = oldKeys.size(), newCount = newKeys.size();
    const auto oldAt = [&](size_t k) -> const TNavisionObject & {
        return oldObjects.Object(int(oldKeys[k].Position));
    };
    const auto newAt = [&](size_t k) -> const TNavisionObject & {
        return newObjects.Object(int(newKeys[k].Position));
    };
    const auto pair = [&](size_t n, size_t o) {
        pairing.PartnerOfNew[newKeys[n].Position] = int(oldKeys[o].Position);
        pairing.OldPaired[oldKeys[o].Position] = true;
    };
    const auto paired = [&](size_t o) { return bool(pairing.OldPaired[oldKeys[o].Position]); };
    size_t i = 0, j = 0;
    while (i < oldCount && j < newCount) {
        if (oldKeys[i].Key != newKeys[j].Key) {
            oldKeys[i].Key < newKeys[j].Key ? ++i : ++j;
            continue;
        }
        size_t oldEnd = i + 1, newEnd = j + 1;
        while (oldEnd < oldCount && oldKeys[oldEnd].Key == oldKeys[i].Key)
            ++oldEnd;
        while (newEnd < newCount && newKeys[newEnd].Key == newKeys[j].Key)
            ++newEnd;
        if (oldEnd - i == 1 && newEnd - j == 1) {
            // The common case: the one old object is the partner, by name or not.
            if (SameTag(oldAt(i), newAt(j)))
                pair(j, i);
        } else {
            if (oldEnd - i > size_t(MostInRun))
                return false;
            for (size_t n = j; n < newEnd; ++n) {
                const TNavisionObject &object = newAt(n);
                for (size_t o = oldEnd; o-- > i;) {
                    if (!SameTag(oldAt(o), object) || oldAt(o).Name() != object.Name())
                        continue;
                    if (!paired(o))
                        pair(n, o);
                    break;
                }
            }
            for (size_t n = j; n < newEnd; ++n) {
                if (pairing.PartnerOfNew[newKeys[n].Position] != Unpaired)
                    continue;
                for (size_t o = i; o < oldEnd; ++o) {
                    if (!paired(o) && SameTag(oldAt(o), newAt(n))) {
                        pair(n, o);
                        break;
                    }
                }
            }
        }
        i = oldEnd;
        j = newEnd;
    }
    return true;
}

// Files in any order: a hash join over the old file's identities.
void PairByHash(const TNavisionBinaryFile &oldFile, const TNavisionBinaryFile &newFile,
                TPairing &pairing)
{
    const int oldCount = oldFile.GetCount();
    const int newCount = newFile.GetCount();
    std::vector<int> &partnerOfNew = pairing.PartnerOfNew;
    std::vector<bool> &oldPaired = pairing.OldPaired;

    // The old file's identities, each with its chain of objects.
    QHash<TIdentity, int> groupOf;
    groupOf.reserve(oldCount);
    std::vector<TGroup> groups;
    std::vector<int> nextInGroup(static_cast<size_t>(oldCount), -1);
    std::vector<int> groupOfOld(static_cast<size_t>(oldCount));
    for (int i = 0; i < oldCount; ++i) {
        const TIdentity identity = IdentityOf(oldFile.GetObject(i));
        const auto found = groupOf.constFind(identity);
        if (found == groupOf.cend()) {
            groupOfOld[size_t(i)] = int(groups.size());
            groupOf.insert(identity, int(groups.size()));
            groups.push_back({i, i, 1, i});
        } else {
            TGroup &group = groups[size_t(found.value())];
            nextInGroup[size_t(group.Last)] = i;
            group.Last = i;
            ++group.Count;
            groupOfOld[size_t(i)] = found.value();
        }
    }
    QHash<TNamedInGroup, int> byName;
    for (int i = 0; i < oldCount; ++i) {
        const int group = groupOfOld[size_t(i)];
        if (groups[size_t(group)].Count > 1)
            byName.insert({group, QByteArrayView(oldFile.GetObject(i).Name())}, i);
    }

    // First the objects whose name is found again under their identity,
    // then the others, in file order, with the first old object left.
    std::vector<int> groupOfNew(static_cast<size_t>(newCount), -1);
    for (int j = 0; j < newCount; ++j) {
        const TNavisionObject &object = newFile.GetObject(j);
        const auto found = groupOf.constFind(IdentityOf(object));
        if (found == groupOf.cend())
            continue;
        const int groupIndex = found.value();
        groupOfNew[size_t(j)] = groupIndex;
        const TGroup &group = groups[size_t(groupIndex)];
        int candidate = Unpaired;
        if (group.Count == 1) {
            if (QByteArrayView(oldFile.GetObject(group.First).Name()) ==
                QByteArrayView(object.Name()))
                candidate = group.First;
        } else {
            candidate = byName.value({groupIndex, QByteArrayView(object.Name())}, Unpaired);
        }
        if (candidate != Unpaired && !oldPaired[size_t(candidate)]) {
            partnerOfNew[size_t(j)] = candidate;
            oldPaired[size_t(candidate)] = true;
        }
    }
    for (int j = 0; j < newCount; ++j) {
        if (partnerOfNew[size_t(j)] != Unpaired || groupOfNew[size_t(j)] < 0)
            continue;
        TGroup &group = groups[size_t(groupOfNew[size_t(j)])];
        while (group.Cursor >= 0 && oldPaired[size_t(group.Cursor)])
            group.Cursor = nextInGroup[size_t(group.Cursor)];
        if (group.Cursor >= 0) {
            partnerOfNew[size_t(j)] = group.Cursor;
            oldPaired[size_t(group.Cursor)] = true;
        }
    }
}

} // namespace

TObjectComparison::TObjectComparison(const TNavisionBinaryFile &oldFile,
                                     const TNavisionBinaryFile &newFile)
{
    const int oldCount = oldFile.GetCount();
    const int newCount = newFile.GetCount();
    TPairing pairing{std::vector<int>(size_t(newCount), Unpaired),
                     std::vector<bool>(size_t(oldCount), false)};
    if (!PairByWalk(oldFile.Objects(), newFile.Objects(), pairing)) {
        pairing = {std::vector<int>(size_t(newCount), Unpaired),
                   std::vector<bool>(size_t(oldCount), false)};
        PairByHash(oldFile, newFile, pairing);
    }
    const std::vector<int> &partnerOfNew = pairing.PartnerOfNew;
    const std::vector<bool> &oldPaired = pairing.OldPaired;

    Differences.reserve(size_t(newCount) + size_t(oldCount));
    for (int j = 0; j < newCount; ++j) {
        TObjectDifference difference;
        difference.New = &newFile.GetObject(j);
        if (const int partner = partnerOfNew[size_t(j)]; partner != Unpaired) {
            difference.Old = &oldFile.GetObject(partner);
            difference.Fields =
                ChangedFields(*difference.Old, *difference.New, oldFile.TextPlace(*difference.Old),
                              newFile.TextPlace(*difference.New));
            difference.Kind = difference.Fields ? TChangeKind::Changed : TChangeKind::Unchanged;
        } else {
            difference.Kind = TChangeKind::Added;
        }
        Differences.push_back(difference);
    }
    for (int i = 0; i < oldCount; ++i) {
        if (!oldPaired[size_t(i)])
            Differences.push_back({TChangeKind::Removed, 0, &oldFile.GetObject(i), nullptr});
    }
    for (const TObjectDifference &difference : Differences)
        ++Counts[size_t(difference.Kind)];
}

// --- Order ---------------------------------------------------------------------

namespace {

int CompareIntegers(int64_t a, int64_t b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

// The ordering's text comparison, for views as well.
int CompareBytes(QByteArrayView a, QByteArrayView b)
{
    return CompareTexts(QByteArray::fromRawData(a.data(), a.size()),
                        QByteArray::fromRawData(b.data(), b.size()));
}

// A side without an object comes first.
template <typename TField>
int CompareSides(const TNavisionObject *a, const TNavisionObject *b, const TField &field)
{
    if (!a || !b)
        return CompareIntegers(a != nullptr, b != nullptr);
    return field(*a, *b);
}

int CompareDateTimeFields(const TNavisionObject &a, const TNavisionObject &b)
{
    if (a.HasDateTime() != b.HasDateTime())
        return CompareIntegers(a.HasDateTime(), b.HasDateTime());
    return CompareDateTimes(a.DateTime(), b.DateTime());
}

int ComparePrimary(const TObjectDifference &a, const TObjectDifference &b, TComparisonColumn column)
{
    const TNavisionObject &objectA = a.Object(), &objectB = b.Object();
    switch (column) {
    case TComparisonColumn::Change:
        return CompareIntegers(int(a.Kind), int(b.Kind));
    case TComparisonColumn::Type:
        return 0; // the tie-breaks begin with the type
    case TComparisonColumn::ID:
        return CompareIntegers(objectA.ID(), objectB.ID());
    case TComparisonColumn::Name:
        return CompareBytes(objectA.Name(), objectB.Name());
    case TComparisonColumn::OldDateTime:
        return CompareSides(a.Old, b.Old, CompareDateTimeFields);
    case TComparisonColumn::NewDateTime:
        return CompareSides(a.New, b.New, CompareDateTimeFields);
    case TComparisonColumn::OldSize:
    case TComparisonColumn::NewSize: {
        const bool old = column == TComparisonColumn::OldSize;
        return CompareSides(old ? a.Old : a.New, old ? b.Old : b.New,
                            [](const TNavisionObject &x, const TNavisionObject &y) {
                                if (x.HasSize() != y.HasSize())
                                    return x.HasSize() ? 1 : -1;
                                return CompareIntegers(x.Size(), y.Size());
                            });
    }
    case TComparisonColumn::OldVersionList:
    case TComparisonColumn::NewVersionList: {
        const bool old = column == TComparisonColumn::OldVersionList;
        return CompareSides(old ? a.Old : a.New, old ? b.Old : b.New,
                            [](const TNavisionObject &x, const TNavisionObject &y) {
                                return CompareBytes(x.VersionList(), y.VersionList());
                            });
    }
    case TComparisonColumn::Text:
        return CompareIntegers(int(TextChange(a)), int(TextChange(b)));
    case TComparisonColumn::Permissions:
        return CompareSides(a.New, b.New, [](const TNavisionObject &x, const TNavisionObject &y) {
            return CompareBytes(TPermissionLetters(x.Permissions()).View(),
                                TPermissionLetters(y.Permissions()).View());
        });
    }
    return 0;
}

} // namespace

TTextChange TextChange(const TObjectDifference &difference)
{
    if (!difference.Old || !difference.New || !difference.Old->TextPlace() ||
        !difference.New->TextPlace())
        return TTextChange::NotCompared;
    return difference.Fields & cfText ? TTextChange::Changed : TTextChange::Same;
}

int CompareDifferences(const TObjectDifference &a, const TObjectDifference &b,
                       TComparisonColumn column)
{
    if (const int primary = ComparePrimary(a, b, column))
        return primary;
    const TNavisionObject &objectA = a.Object(), &objectB = b.Object();
    if (const int type = CompareIntegers(objectA.ObjectType(), objectB.ObjectType()))
        return type;
    if (objectA.ObjectType() == otNone) {
        if (const int tag = CompareBytes(objectA.TypeNameView(), objectB.TypeNameView()))
            return tag;
    }
    if (const int id = CompareIntegers(objectA.ID(), objectB.ID()))
        return id;
    return CompareBytes(objectA.Name(), objectB.Name());
}

namespace {

// A difference as a sort by a number-valued column compares it, side by
// side in memory: the column's value, then type, tag and ID.
struct TSortRecord {
    int64_t Primary;
    int32_t Type;
    int32_t TagRank; // among the distinct tags of unrecognised types; 0 for the others
    int32_t ID;
    int Row;
};

// The column's value where it is a number: the kind, the ID or a size (a
// missing side below every size); none for the columns of texts and dates.
std::optional<int64_t> NumberOf(const TObjectDifference &difference, TComparisonColumn column)
{
    const auto size = [](const TNavisionObject *object) {
        return object && object->HasSize() ? int64_t(object->Size())
                                           : std::numeric_limits<int64_t>::min();
    };
    switch (column) {
    case TComparisonColumn::Change:
        return int64_t(difference.Kind);
    case TComparisonColumn::Type:
        return 0;
    case TComparisonColumn::ID:
        return difference.Object().ID();
    case TComparisonColumn::Text:
        return int64_t(TextChange(difference));
    case TComparisonColumn::OldSize:
        return size(difference.Old);
    case TComparisonColumn::NewSize:
        return size(difference.New);
    default:
        return std::nullopt;
    }
}

// The tags of unrecognised types ranked in the order the text comparison
// gives them; tags it finds equal share a rank.
QHash<QByteArrayView, int32_t> RankTags(const TObjectComparison &comparison,
                                        const std::vector<int> &rows)
{
    QHash<QByteArrayView, int32_t> ranks;
    for (const int row : rows) {
        const TNavisionObject &object = comparison.Difference(row).Object();
        if (object.ObjectType() == otNone)
            ranks.insert(object.TypeNameView(), 0);
    }
    std::vector<QByteArrayView> tags(ranks.keyBegin(), ranks.keyEnd());
    std::sort(tags.begin(), tags.end(),
              [](QByteArrayView a, QByteArrayView b) { return CompareBytes(a, b) < 0; });
    int32_t rank = 0;
    for (size_t i = 0; i < tags.size(); ++i) {
        if (i > 0 && CompareBytes(tags[i - 1], tags[i]) != 0)
            ++rank;
        ranks[tags[i]] = rank;
    }
    return ranks;
}

// The rows as a comparison of two files read by type gives them: the new
// file's in order, then the removed ones in order. Two ordered runs merge in
// linear time, with the result a stable sort would give; false, leaving the
// rows as they were, when there are more runs.
bool SortByMergingRuns(std::vector<int> &rows, const TObjectComparison &comparison,
                       TComparisonColumn column, bool descending)
{
    const auto before = [&](int a, int b) {
        const int order =
            CompareDifferences(comparison.Difference(a), comparison.Difference(b), column);
        return descending ? order > 0 : order < 0;
    };
    const auto firstDescent = [&](std::vector<int>::iterator from) {
        return std::is_sorted_until(from, rows.end(), before);
    };
    const auto middle = firstDescent(rows.begin());
    if (middle == rows.end())
        return true;
    if (firstDescent(middle) != rows.end())
        return false;
    std::inplace_merge(rows.begin(), middle, rows.end(), before);
    return true;
}

// Column value, type, tag rank and ID in one key of 64 bits where they fit,
// as they do for the columns of kind, type and text: a radix sort of the
// keys, then the runs of equal keys by name. The order a stable sort by the
// records' comparison gives; false where the fields don't fit.
template <typename TBefore>
bool SortByPackedKey(std::vector<TSortRecord> &records, bool descending, const TBefore &before)
{
    const auto [least, most] = std::minmax_element(
        records.begin(), records.end(),
        [](const TSortRecord &a, const TSortRecord &b) { return a.Primary < b.Primary; });
    // In unsigned arithmetic: a missing size stands as the least 64-bit number,
    // and the signed difference from it would overflow.
    const int64_t lowest = least->Primary;
    const auto offset = [lowest](int64_t value) { return uint64_t(value) - uint64_t(lowest); };
    if (offset(most->Primary) > 0xFF)
        return false;
    TLargeVector<TKeyedPosition> keys;
    keys.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const TSortRecord &r = records[i];
        if (r.Type < 0 || r.Type > 0xFF || r.TagRank < 0 || r.TagRank > 0xFFFF)
            return false;
        const uint64_t key = offset(r.Primary) << 56 | uint64_t(r.Type) << 48 |
                             uint64_t(r.TagRank) << 32 | (uint32_t(r.ID) ^ 0x80000000u);
        keys.push_back({descending ? ~key : key, uint32_t(i)});
    }
    RadixSort(keys);
    std::vector<TSortRecord> sorted;
    sorted.reserve(records.size());
    for (const TKeyedPosition &key : keys)
        sorted.push_back(records[key.Position]);
    for (size_t from = 0; from < keys.size();) {
        size_t to = from + 1;
        while (to < keys.size() && keys[to].Key == keys[from].Key)
            ++to;
        if (to - from > 1)
            std::stable_sort(sorted.begin() + qsizetype(from), sorted.begin() + qsizetype(to),
                             before);
        from = to;
    }
    records = std::move(sorted);
    return true;
}

} // namespace

void SortDifferences(std::vector<int> &rows, const TObjectComparison &comparison,
                     TComparisonColumn column, bool descending)
{
    if (rows.empty())
        return;
    if (SortByMergingRuns(rows, comparison, column, descending))
        return;
    if (!NumberOf(comparison.Difference(rows.front()), column)) {
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
            const int order =
                CompareDifferences(comparison.Difference(a), comparison.Difference(b), column);
            return descending ? order > 0 : order < 0;
        });
        return;
    }

    // The same order as CompareDifferences, from records that need no
    // pointers followed except where type, tag and ID are equal.
    const QHash<QByteArrayView, int32_t> tagRanks = RankTags(comparison, rows);
    std::vector<TSortRecord> records;
    records.reserve(rows.size());
    for (const int row : rows) {
        const TObjectDifference &difference = comparison.Difference(row);
        const TNavisionObject &object = difference.Object();
        records.push_back(
            {*NumberOf(difference, column), object.ObjectType(),
             object.ObjectType() == otNone ? tagRanks.value(object.TypeNameView()) : 0, object.ID(),
             row});
    }
    const auto compare = [&](const TSortRecord &a, const TSortRecord &b) {
        if (a.Primary != b.Primary)
            return CompareIntegers(a.Primary, b.Primary);
        if (a.Type != b.Type)
            return CompareIntegers(a.Type, b.Type);
        if (a.TagRank != b.TagRank)
            return CompareIntegers(a.TagRank, b.TagRank);
        if (a.ID != b.ID)
            return CompareIntegers(a.ID, b.ID);
        return CompareBytes(comparison.Difference(a.Row).Object().Name(),
                            comparison.Difference(b.Row).Object().Name());
    };
    const auto before = [&](const TSortRecord &a, const TSortRecord &b) {
        const int order = compare(a, b);
        return descending ? order > 0 : order < 0;
    };
    if (!SortByPackedKey(records, descending, before))
        std::stable_sort(records.begin(), records.end(), before);
    for (size_t i = 0; i < records.size(); ++i)
        rows[i] = records[i].Row;
}

// --- Lines ---------------------------------------------------------------------

QByteArray ChangeKindName(TChangeKind kind)
{
    switch (kind) {
    case TChangeKind::Added:
        return "added";
    case TChangeKind::Removed:
        return "removed";
    case TChangeKind::Changed:
        return "changed";
    case TChangeKind::Unchanged:
        break;
    }
    return "unchanged";
}

QByteArray ChangedFieldNames(TChangedFields fields)
{
    QByteArrayList names;
    for (const auto &[field, name] : {std::pair{cfName, "name"},
                                      {cfDateTime, "datetime"},
                                      {cfSize, "size"},
                                      {cfVersionList, "version"},
                                      {cfModified, "modified"},
                                      {cfText, "text"}}) {
        if (fields & field)
            names << name;
    }
    return names.join(',');
}

QStringList ComparisonFields(const TObjectDifference &difference,
                             const std::function<QString(const TNavisionObject &)> &dateTime)
{
    const TNavisionObject &object = difference.Object();
    QStringList fields{QString::fromLatin1(ChangeKindName(difference.Kind)),
                       QString::fromLatin1(ChangedFieldNames(difference.Fields)),
                       DecodeText(object.TypeNameView()), QString::number(object.ID())};
    const auto side = [&](const auto &text) {
        for (const TNavisionObject *o : {difference.Old, difference.New})
            fields << (o ? text(*o) : QString());
    };
    side([](const TNavisionObject &o) { return DecodeText(o.Name()); });
    side(dateTime);
    side([](const TNavisionObject &o) {
        return o.HasSize() ? QString::number(o.Size()) : QString();
    });
    side([](const TNavisionObject &o) { return DecodeText(o.VersionList()); });
    fields << (difference.New ? DecodeText(difference.New->GetPermissionText()) : QString());
    return fields;
}

QByteArray ComparisonLine(const TObjectDifference &difference, const TRegionalSettings &settings)
{
    return TabLine(ComparisonFields(
        difference, [&](const TNavisionObject &o) { return o.GetDateTimeText(settings); }));
}

QByteArray ComparisonHeaderLine()
{
    return "Change\tChanged Fields\tType\tID\tOld Name\tNew Name\tOld Date/Time\tNew Date/Time\t"
           "Old Size\tNew Size\tOld Version List\tNew Version List\tLicense Permissions\n";
}

void SaveComparisonToStream(QIODevice &stream, const TObjectComparison &comparison,
                            const std::vector<int> &rows, const TRegionalSettings &settings)
{
    const auto write = [&stream](const QByteArray &line) {
        if (stream.write(line) != line.size())
            throw TError(
                QCoreApplication::translate("TObjectComparison", "Cannot write the comparison. %1")
                    .arg(stream.errorString().isEmpty()
                             ? QCoreApplication::translate("TObjectComparison", "Unknown error")
                             : stream.errorString()));
    };
    write(ComparisonHeaderLine());
    for (const int row : rows)
        write(ComparisonLine(comparison.Difference(row), settings));
}
