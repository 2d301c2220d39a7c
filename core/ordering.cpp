#include "ordering.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

// Held once for the running program, not per model: every run starts with
// Type, ascending, and nothing stores them.
int32_t SortKey = skType;
int32_t SortDirection = 0;

int CompareIntegers(int32_t a, int32_t b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

uchar FoldAsciiLower(uchar c)
{
    return (c >= 'a' && c <= 'z') ? uchar(c - 0x20) : c;
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
    case skSize:
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

// What a sort compares of one entry, side by side in memory so that the
// comparisons don't chase pointers: a number standing for the key, and the
// tie-breaks.
struct TSortRecord {
    uint64_t Letters; // the permission letters, the first most significant
    double DateTime;
    int32_t Number; // type, ID or size; for a name or version list the rank of its text
    int32_t Type;
    int32_t ID;
    uint32_t Position; // in the list before the sort
};

uint64_t LettersNumber(const TPermissionLetters &letters)
{
    uint64_t number = 0;
    for (int i = 0; i < 5; ++i)
        number = (number << 8) | (i < letters.Length ? uchar(letters.Text[i]) : 0);
    return number;
}

TSortRecord RecordOf(int32_t key, const TNavisionObject &object, uint32_t position)
{
    TSortRecord record{0, object.DateTime(), 0, object.ObjectType(), object.ID(), position};
    if (key == skType)
        record.Number = object.ObjectType();
    else if (key == skID)
        record.Number = object.ID();
    else if (key == skSize)
        record.Number = object.Size();
    else if (key == skLicensePermissions)
        record.Letters = LettersNumber(TPermissionLetters(object.Permissions()));
    return record;
}

// A text as CompareTexts sees it, its first 32 bytes folded and held in
// place, so that most comparisons need not reach the text itself.
struct TTextKey {
    std::array<uint64_t, 4> Words; // the first byte most significant, zero padded
    QByteArrayView Text;
    int32_t Length;
    uint32_t Record;
};

TTextKey TextKeyOf(QByteArrayView text, uint32_t record)
{
    TTextKey key{{}, text, int32_t(text.size()), record};
    uchar bytes[sizeof key.Words] = {};
    if (!text.isEmpty()) // an empty view may have no data at all
        std::memcpy(bytes, text.data(), std::min(sizeof bytes, size_t(text.size())));
    for (uchar &byte : bytes)
        byte = FoldAsciiLower(byte);
    for (size_t word = 0; word < key.Words.size(); ++word) {
        uint64_t value = 0;
        for (size_t i = 0; i < 8; ++i)
            value = (value << 8) | bytes[word * 8 + i];
        key.Words[word] = value;
    }
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
    uint64_t hash = uint64_t(key.Length);
    for (const uint64_t word : key.Words)
        hash = (hash ^ word) * 0x9E3779B97F4A7C15u;
    return hash ^ (hash >> 29);
}

// Gives every record the rank of its text among the distinct texts (equal
// when CompareTexts finds them equal), so that comparing ranks compares the
// texts.
void RankTexts(std::vector<TSortRecord> &records, const std::vector<QByteArrayView> &texts)
{
    // The distinct texts first: most texts repeat, and only those are sorted.
    std::vector<TTextKey> distinct; // Record: the position among the distinct ones
    std::vector<uint32_t> distinctOf(texts.size());
    size_t size = 64;
    while (size < texts.size() * 2)
        size *= 2;
    std::vector<int32_t> table(size, -1); // open addressing; -1 is a free slot
    for (size_t i = 0; i < texts.size(); ++i) {
        const TTextKey key = TextKeyOf(texts[i], uint32_t(i));
        size_t slot = HashOf(key) & (size - 1);
        while (table[slot] >= 0 && CompareTextKeys(distinct[size_t(table[slot])], key) != 0)
            slot = (slot + 1) & (size - 1);
        if (table[slot] < 0) {
            table[slot] = int32_t(distinct.size());
            distinct.push_back(key);
            distinct.back().Record = uint32_t(table[slot]);
        }
        distinctOf[i] = uint32_t(table[slot]);
    }

    std::sort(distinct.begin(), distinct.end(),
              [](const TTextKey &a, const TTextKey &b) { return CompareTextKeys(a, b) < 0; });
    std::vector<int32_t> rank(distinct.size());
    for (size_t position = 0; position < distinct.size(); ++position)
        rank[distinct[position].Record] = int32_t(position);
    for (size_t i = 0; i < records.size(); ++i)
        records[i].Number = rank[distinctOf[i]];
}

// The same order as CompareAscending, over records.
template <int32_t Key> int CompareRecordsAscending(const TSortRecord &a, const TSortRecord &b)
{
    if constexpr (Key < skType || Key > skLicensePermissions)
        return 0;
    int primary = 0;
    if constexpr (Key == skDateTime)
        primary = CompareDateTimes(a.DateTime, b.DateTime);
    else if constexpr (Key == skLicensePermissions)
        primary = a.Letters < b.Letters ? -1 : (a.Letters > b.Letters ? 1 : 0);
    else
        primary = CompareIntegers(a.Number, b.Number);
    return WithTieBreaks(Key, primary, a.Type, a.ID, b.Type, b.ID);
}

// Quicksort with the middle entry as pivot, recursing into the smaller part
// and going on with the larger one, so the depth stays logarithmic whatever
// the input. compare(a, b) < 0 when a belongs before b.
template <typename TCompare>
void QuickSort(std::vector<TSortRecord> &records, int left, int right, const TCompare &compare)
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

template <int32_t Key> void SortRecords(std::vector<TSortRecord> &records, bool descending)
{
    const int right = int(records.size()) - 1;
    if (descending)
        QuickSort(records, 0, right, [](const TSortRecord &a, const TSortRecord &b) {
            return -CompareRecordsAscending<Key>(a, b);
        });
    else
        QuickSort(records, 0, right, CompareRecordsAscending<Key>);
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
        const int difference = FoldAsciiLower(uchar(x[i])) - FoldAsciiLower(uchar(y[i]));
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
    std::vector<TSortRecord> records;
    records.reserve(size_t(list.Count()));
    for (int i = 0; i < list.Count(); ++i)
        records.push_back(RecordOf(SortKey, list.Object(i), uint32_t(i)));
    if (SortKey == skName || SortKey == skVersionList) {
        std::vector<QByteArrayView> texts;
        texts.reserve(records.size());
        for (int i = 0; i < list.Count(); ++i) {
            const TNavisionObject &object = list.Object(i);
            texts.push_back(SortKey == skName ? object.Name()
                                              : QByteArrayView(object.VersionList()));
        }
        RankTexts(records, texts);
    }

    // One sort compiled for each key, and one for the keys outside the range.
    using TSortRecords = void (*)(std::vector<TSortRecord> &, bool);
    static constexpr TSortRecords sorts[] = {SortRecords<skType>,
                                             SortRecords<skID>,
                                             SortRecords<skName>,
                                             SortRecords<skDateTime>,
                                             SortRecords<skSize>,
                                             SortRecords<skVersionList>,
                                             SortRecords<skLicensePermissions>};
    const bool inRange = SortKey >= skType && SortKey <= skLicensePermissions;
    (inRange ? sorts[SortKey] : SortRecords<-1>)(records, SortDirection == 1);

    std::vector<uint32_t> order;
    order.reserve(records.size());
    for (const TSortRecord &record : records)
        order.push_back(record.Position);
    list.Reorder(order);
}
