#include "core/model/ordering.h"

#include "core/fast/asciicase.h"
#include "core/fast/asciiwords.h"
#include "core/fast/bytehash.h"
#include "core/fast/radixsort.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <optional>

namespace {

// Held once for the running program, not per model: every run starts with
// Type, ascending, and nothing stores them.
int32_t SortKey = skType;
int32_t SortDirection = 0;

int CompareIntegers(int32_t a, int32_t b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

int ComparePrimary(int32_t key, const TNavisionObject &a, const TNavisionObject &b)
{
    switch (key) {
    case skType:
        return CompareIntegers(a.ObjectType(), b.ObjectType());
    case skID:
        return CompareIntegers(a.ID(), b.ID());
    case skName:
        return CompareTexts(a.Name(), b.Name());
    case skDateTime:
        return CompareDateTimes(a.DateTime(), b.DateTime());
    case skSize: // no size (a text export's object) below every size
        if (a.HasSize() != b.HasSize())
            return a.HasSize() ? 1 : -1;
        return CompareIntegers(a.Size(), b.Size());
    case skVersionList:
        return CompareTexts(a.VersionList(), b.VersionList());
    case skLicensePermissions:
        return CompareTexts(TPermissionLetters(a.Permissions()).View(),
                            TPermissionLetters(b.Permissions()).View());
    default:
        return 0;
    }
}

// After the key's own comparison: sorting by type goes on with the ID;
// every other key with the type, and then (except ID and name) the ID.
int WithTieBreaks(int32_t key, int primary, int32_t typeA, int32_t idA, int32_t typeB, int32_t idB)
{
    if (primary)
        return primary;
    if (key == skType)
        return CompareIntegers(idA, idB);
    if (const int byType = CompareIntegers(typeA, typeB))
        return byType;
    if (key == skID || key == skName)
        return 0;
    return CompareIntegers(idA, idB);
}

int CompareAscending(int32_t key, const TNavisionObject &a, const TNavisionObject &b)
{
    if (key < skType || key > skLicensePermissions)
        return 0;
    return WithTieBreaks(key, ComparePrimary(key, a, b), a.ObjectType(), a.ID(), b.ObjectType(),
                         b.ID());
}

// The sort as numbers: each entry gets one 64-bit key that orders as
// CompareAscending does, tie-breaks in its low bits, and the keys are sorted
// digit by digit. A field is carried by its rank among the values of the list
// (equal rank for values that compare equal), so it fits beside the
// tie-breaks; a list holds far fewer than the 2^29 objects that a rank may
// number (they would take 32 GiB).
using TRanks = TLargeVector<uint32_t>;

// Orders as the integer comparison of the signed values.
uint32_t Unsigned(int32_t value)
{
    return uint32_t(value) ^ 0x80000000u;
}

// The type, then the ID: the tie-breaks of most keys, in 35 bits.
uint64_t TypeThenID(const TNavisionObject &object)
{
    return uint64_t(object.ObjectType()) << 32 | Unsigned(object.ID());
}
constexpr int TypeThenIDBits = 35;

// A text as CompareTexts sees it, its first 32 bytes folded and held in
// place, so that most comparisons need not reach the text itself.
struct TTextKey {
    std::array<uint64_t, 4> Words; // the first byte most significant, zero padded
    QByteArrayView Text;
    int32_t Length;
    uint32_t Distinct; // the position among the distinct texts
};

// Eight bytes of the text from the offset as one number, the first byte most
// significant, zero padded past the end; read a word at a time, since bytes
// stored one by one and read back as words stall the processor.
uint64_t WordAt(QByteArrayView text, qsizetype offset)
{
    const qsizetype left = text.size() - offset;
    if (left >= 8)
        return qFromBigEndian<uint64_t>(text.data() + offset);
    if (left <= 0)
        return 0;
    uint64_t word = 0;
    if (text.size() >= 8) { // the last eight bytes, those before the offset shifted out
        word = qFromBigEndian<uint64_t>(text.data() + text.size() - 8) << (8 * (8 - left));
    } else {
        for (qsizetype i = offset; i < text.size(); ++i)
            word = word << 8 | uchar(text[i]);
        word <<= 8 * (8 - left);
    }
    return word;
}

TTextKey TextKeyOf(QByteArrayView text)
{
    TTextKey key{{}, text, int32_t(text.size()), 0};
    for (size_t word = 0; word < key.Words.size(); ++word)
        key.Words[word] = FoldAsciiToUpperWord(WordAt(text, qsizetype(word * 8)));
    return key;
}

int CompareTextKeys(const TTextKey &a, const TTextKey &b)
{
    for (size_t word = 0; word < a.Words.size(); ++word) {
        if (a.Words[word] != b.Words[word])
            return a.Words[word] < b.Words[word] ? -1 : 1;
    }
    constexpr int32_t HeldLength = int32_t(sizeof a.Words);
    if (a.Length > HeldLength && b.Length > HeldLength)
        return CompareTexts(a.Text, b.Text);
    // One text ends within the held bytes: they match up to its end, so the
    // shorter one comes first.
    return CompareIntegers(a.Length, b.Length);
}

// A hash that texts equal under CompareTexts share: their held bytes and
// their length.
uint64_t HashOf(const TTextKey &key)
{
    return HashWords(key.Words, uint64_t(key.Length));
}

// The distinct texts of a list, found through a hash table that grows with
// them: a list has far fewer distinct texts than entries, and a small table
// stays in the cache.
class TDistinctTexts {
public:
    // The position of an equal text among the distinct ones, added if new.
    uint32_t Find(QByteArrayView text)
    {
        const TTextKey key = TextKeyOf(text);
        const uint64_t hash = HashOf(key);
        size_t slot = hash & (Slots.size() - 1);
        for (; Slots[slot].Distinct >= 0; slot = (slot + 1) & (Slots.size() - 1)) {
            // Most other texts differ in the hash: their keys stay unread.
            if (Slots[slot].Hash == uint32_t(hash) &&
                CompareTextKeys(Keys[size_t(Slots[slot].Distinct)], key) == 0)
                return uint32_t(Slots[slot].Distinct);
        }
        const uint32_t distinct = uint32_t(Keys.size());
        Keys.push_back(key);
        Keys.back().Distinct = distinct;
        Slots[slot] = {uint32_t(hash), int32_t(distinct)};
        if (Keys.size() * 2 > Slots.size())
            Grow();
        return distinct;
    }

    // The distinct texts, which are left in order; Distinct tells their former
    // position.
    std::vector<TTextKey> &Sorted()
    {
        std::sort(Keys.begin(), Keys.end(),
                  [](const TTextKey &a, const TTextKey &b) { return CompareTextKeys(a, b) < 0; });
        return Keys;
    }

private:
    struct TSlot {
        uint32_t Hash;
        int32_t Distinct; // -1 for a free slot
    };

    void Grow()
    {
        std::vector<TSlot> grown(Slots.size() * 2, TSlot{0, -1});
        for (const TSlot &old : Slots) {
            if (old.Distinct < 0)
                continue;
            size_t slot = HashOf(Keys[size_t(old.Distinct)]) & (grown.size() - 1);
            while (grown[slot].Distinct >= 0)
                slot = (slot + 1) & (grown.size() - 1);
            grown[slot] = old;
        }
        Slots.swap(grown);
    }

    std::vector<TSlot> Slots = std::vector<TSlot>(1024, TSlot{0, -1}); // a power of two
    std::vector<TTextKey> Keys;
};

// The rank of each text among the distinct texts, the texts given one at a
// time as the entries are read. Most texts repeat: only the distinct ones
// are sorted.
class TTextRanks {
public:
    explicit TTextRanks(size_t count) { DistinctOf.reserve(count); }

    void Add(QByteArrayView text)
    {
        // Shared texts (version lists) often follow each other.
        if (DistinctOf.empty() || text.data() != Last.data() || text.size() != Last.size())
            LastDistinct = Distinct.Find(text);
        DistinctOf.push_back(LastDistinct);
        Last = text;
    }

    // The ranks in the order the texts were added.
    TRanks Ranks()
    {
        const std::vector<TTextKey> &sorted = Distinct.Sorted();
        TRanks rankOfDistinct(sorted.size());
        for (size_t position = 0; position < sorted.size(); ++position)
            rankOfDistinct[sorted[position].Distinct] = uint32_t(position);
        for (uint32_t &rank : DistinctOf)
            rank = rankOfDistinct[rank];
        return std::move(DistinctOf);
    }

private:
    TDistinctTexts Distinct;
    TRanks DistinctOf; // by entry, until Ranks
    QByteArrayView Last;
    uint32_t LastDistinct = 0;
};

// The rank of each number among the numbers, by position.
TRanks RankNumbers(TLargeVector<TKeyedPosition> numbers)
{
    RadixSort(numbers);
    TRanks ranks(numbers.size());
    uint32_t rank = 0;
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0 && numbers[i].Key != numbers[i - 1].Key)
            ++rank;
        ranks[numbers[i].Position] = rank;
    }
    return ranks;
}

// Orders as the doubles do (negative ones below positive ones).
uint64_t OrderedBits(double value)
{
    const uint64_t bits = std::bit_cast<uint64_t>(value);
    return (bits >> 63) ? ~bits : bits | (uint64_t(1) << 63);
}

double FromOrderedBits(uint64_t bits)
{
    return std::bit_cast<double>((bits >> 63) ? bits & ~(uint64_t(1) << 63) : ~bits);
}

// The rank of each date-time (given as OrderedBits) under CompareDateTimes.
// Equal within a millisecond is not transitive: of three date-times each
// just under a millisecond from the next, the outer two differ. Ranks can
// stand for the comparison only where it parts the date-times into groups
// that lie within a millisecond and a millisecond or more from each other;
// otherwise there are none.
std::optional<TRanks> RankDateTimes(TLargeVector<TKeyedPosition> dateTimes)
{
    RadixSort(dateTimes);
    TRanks ranks(dateTimes.size());
    uint32_t rank = 0;
    double groupStart = FromOrderedBits(dateTimes.front().Key);
    for (size_t i = 0; i < dateTimes.size(); ++i) {
        const double value = FromOrderedBits(dateTimes[i].Key);
        if (i > 0) {
            const int step = CompareDateTimes(FromOrderedBits(dateTimes[i - 1].Key), value);
            if (step < 0) {
                ++rank;
                groupStart = value;
            } else if (step > 0 || CompareDateTimes(groupStart, value) != 0) {
                return std::nullopt;
            }
        }
        ranks[dateTimes[i].Position] = rank;
    }
    return ranks;
}

// The rank of every set of rights among their permission letters.
std::array<uint8_t, 256> RankPermissionLetters()
{
    const auto compare = [](int a, int b) {
        return CompareTexts(TPermissionLetters(TPermissionFlags(a)).View(),
                            TPermissionLetters(TPermissionFlags(b)).View());
    };
    std::array<int, 256> flags;
    for (int i = 0; i < 256; ++i)
        flags[size_t(i)] = i;
    std::sort(flags.begin(), flags.end(), [&](int a, int b) { return compare(a, b) < 0; });
    std::array<uint8_t, 256> ranks{};
    uint8_t rank = 0;
    for (size_t i = 0; i < flags.size(); ++i) {
        if (i > 0 && compare(flags[i - 1], flags[i]) != 0)
            ++rank;
        ranks[size_t(flags[i])] = rank;
    }
    return ranks;
}

// The tie-breaks of the key as the low bits of the entry's number.
uint64_t TieBreakBits(int32_t key, const TNavisionObject &object)
{
    switch (key) {
    case skID:
        return uint64_t(Unsigned(object.ID())) << 3 | uint64_t(object.ObjectType());
    case skName: // the ID is not compared
        return uint64_t(object.ObjectType());
    default: // for Type, the type and ID are the whole key
        return TypeThenID(object);
    }
}

// Where the rank of the first field stands in the entry's number.
int RankShift(int32_t key)
{
    return key == skName ? 3 : TypeThenIDBits;
}

// Every entry's number under one of the seven sort keys; none where the
// date-times can't be ranked.
std::optional<TLargeVector<TKeyedPosition>> SortKeys(int32_t key, const TObjectList &list)
{
    static const std::array<uint8_t, 256> letterRanks = RankPermissionLetters();
    // One pass over the entries reads all that the key compares.
    const size_t count = size_t(list.Count());
    TLargeVector<TKeyedPosition> keys(count);
    TTextRanks texts(key == skName || key == skVersionList ? count : 0);
    TLargeVector<TKeyedPosition> numbers;
    if (key == skDateTime || key == skSize)
        numbers.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const TNavisionObject &object = list.Object(int(i));
        keys[i] = {TieBreakBits(key, object), uint32_t(i)};
        if (key == skName)
            texts.Add(object.Name());
        else if (key == skVersionList)
            texts.Add(object.VersionList());
        else if (key == skDateTime)
            numbers[i] = {OrderedBits(object.DateTime()), uint32_t(i)};
        else if (key == skSize)
            numbers[i] = {object.HasSize() ? uint64_t(Unsigned(object.Size())) + 1 : 0,
                          uint32_t(i)};
        else if (key == skLicensePermissions)
            keys[i].Key |= uint64_t(letterRanks[object.Permissions()]) << TypeThenIDBits;
    }

    std::optional<TRanks> ranks;
    if (key == skName || key == skVersionList)
        ranks = texts.Ranks();
    else if (key == skDateTime)
        ranks = RankDateTimes(std::move(numbers));
    else if (key == skSize)
        ranks = RankNumbers(std::move(numbers));
    else
        return keys;
    if (!ranks)
        return std::nullopt;
    for (size_t i = 0; i < count; ++i)
        keys[i].Key |= uint64_t((*ranks)[i]) << RankShift(key);
    return keys;
}

// Where date-times can't be ranked, the quicksort with the middle entry as
// pivot over what the comparison reads, in the very exchanges of a sort over
// the list itself.
struct TDateTimeRecord {
    double DateTime;
    uint64_t TypeThenID;
    uint32_t Position;
};

int CompareDateTimeRecords(const TDateTimeRecord &a, const TDateTimeRecord &b)
{
    if (const int primary = CompareDateTimes(a.DateTime, b.DateTime))
        return primary;
    return a.TypeThenID < b.TypeThenID ? -1 : (a.TypeThenID > b.TypeThenID ? 1 : 0);
}

// Recursing into the smaller part and going on with the larger one, so the
// depth stays logarithmic whatever the input. compare(a, b) < 0 when a
// belongs before b.
template <typename TCompare>
void QuickSort(std::vector<TDateTimeRecord> &records, int left, int right, const TCompare &compare)
{
    do {
        int i = left, j = right, pivot = (left + right) / 2;
        do {
            while (compare(records[size_t(i)], records[size_t(pivot)]) < 0)
                ++i;
            while (compare(records[size_t(j)], records[size_t(pivot)]) > 0)
                --j;
            if (i <= j) {
                if (i != j)
                    std::swap(records[size_t(i)], records[size_t(j)]);
                // The pivot entry moves with the exchange.
                if (pivot == i)
                    pivot = j;
                else if (pivot == j)
                    pivot = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - left < right - i) {
            if (left < j)
                QuickSort(records, left, j, compare);
            left = i;
        } else {
            if (i < right)
                QuickSort(records, i, right, compare);
            right = j;
        }
    } while (left < right);
}

TLargeVector<uint32_t> QuickSortedByDateTime(const TObjectList &list, bool descending)
{
    std::vector<TDateTimeRecord> records(size_t(list.Count()));
    for (size_t i = 0; i < records.size(); ++i) {
        const TNavisionObject &object = list.Object(int(i));
        records[i] = {object.DateTime(), TypeThenID(object), uint32_t(i)};
    }
    const int right = int(records.size()) - 1;
    if (descending)
        QuickSort(records, 0, right, [](const TDateTimeRecord &a, const TDateTimeRecord &b) {
            return -CompareDateTimeRecords(a, b);
        });
    else
        QuickSort(records, 0, right, CompareDateTimeRecords);
    TLargeVector<uint32_t> order(records.size());
    for (size_t i = 0; i < records.size(); ++i)
        order[i] = records[i].Position;
    return order;
}

} // namespace

int32_t CurrentSortKey()
{
    return SortKey;
}
int32_t CurrentSortDirection()
{
    return SortDirection;
}
void StoreSortKey(int32_t value)
{
    SortKey = value;
}
void StoreSortDirection(int32_t value)
{
    SortDirection = value;
}

int CompareTexts(QByteArrayView a, QByteArrayView b)
{
    const qsizetype length = std::min(a.size(), b.size());
    const char *x = a.data(), *y = b.data();
    for (qsizetype i = 0; i < length; ++i) {
        if (x[i] == y[i]) // most bytes match as they are
            continue;
        const int difference = uchar(FoldAsciiToUpper(x[i])) - uchar(FoldAsciiToUpper(y[i]));
        if (difference != 0)
            return difference;
    }
    return int(a.size() - b.size());
}

int CompareDateTimes(double a, double b)
{
    static constexpr long double OneMillisecond = 1.0L / 86400000.0L;
    if (std::fabs(static_cast<long double>(a) - static_cast<long double>(b)) < OneMillisecond)
        return 0;
    return a < b ? -1 : 1;
}

int32_t CompareObjects(const TObjectList &list, int positionA, int positionB)
{
    const int result = CompareAscending(SortKey, list.Object(positionA), list.Object(positionB));
    return SortDirection == 1 ? -result : result;
}

void SortObjectList(TObjectList &list)
{
    if (list.Count() < 2)
        return;
    // Outside the seven keys every pair compares equal: any order is in order.
    if (SortKey < skType || SortKey > skLicensePermissions)
        return;
    const bool descending = SortDirection == 1;
    std::optional<TLargeVector<TKeyedPosition>> keys = SortKeys(SortKey, list);
    if (!keys) {
        list.Reorder(QuickSortedByDateTime(list, descending));
        return;
    }
    // Descending is the exact reverse, tie-breaks included: the numbers turned
    // over. Equal numbers keep their order either way, so a list already in
    // order stays as it is.
    if (descending) {
        for (TKeyedPosition &entry : *keys)
            entry.Key = ~entry.Key;
    }
    RadixSort(*keys);
    TLargeVector<uint32_t> order(keys->size());
    bool moved = false;
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = (*keys)[i].Position;
        moved = moved || order[i] != i;
    }
    // The window sorts twice when the direction turns; the second time
    // nothing moves, and the list need not be gathered anew.
    if (moved)
        list.Reorder(order);
}
