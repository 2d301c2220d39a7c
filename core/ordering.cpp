#include "ordering.h"

#include <cmath>

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

int CompareAscending(int32_t key, const TNavisionObject &a, const TNavisionObject &b)
{
    if (key < skType || key > skLicensePermissions)
        return 0;
    if (const int primary = ComparePrimary(key, a, b))
        return primary;
    if (key == skType)
        return CompareIntegers(a.ID(), b.ID());
    if (const int byType = CompareIntegers(a.ObjectType(), b.ObjectType()))
        return byType;
    // Sorting by ID or by name ends at the type.
    if (key == skID || key == skName)
        return 0;
    return CompareIntegers(a.ID(), b.ID());
}

// What a sort compares of one entry, side by side in memory so that the
// comparisons don't chase pointers: the leading bytes of a text key as one
// number, the numbers of the other keys and the tie-breaks.
struct TSortRecord {
    uint64_t TextPrefix;    // up to 8 bytes, ASCII letters folded, the first most significant
    const QByteArray *Text; // the whole text when its prefix ties; none for permissions
    double DateTime;
    int32_t Number; // the key's integer: type, ID or size
    int32_t Type;
    int32_t ID;
    uint32_t Position; // in the list before the sort
};

uint64_t TextPrefix(QByteArrayView text)
{
    uint64_t prefix = 0;
    for (qsizetype i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < text.size() ? FoldAsciiLower(uchar(text[i])) : 0);
    return prefix;
}

TSortRecord RecordOf(int32_t key, const TNavisionObject &object, uint32_t position)
{
    TSortRecord record{0,           nullptr, object.DateTime(), 0, object.ObjectType(),
                       object.ID(), position};
    switch (key) {
    case skType:
        record.Number = object.ObjectType();
        break;
    case skID:
        record.Number = object.ID();
        break;
    case skSize:
        record.Number = object.Size();
        break;
    case skName:
    case skVersionList:
        record.Text = key == skName ? &object.Name() : &object.VersionList();
        record.TextPrefix = TextPrefix(*record.Text);
        break;
    case skLicensePermissions:
        // At most five letters: the prefix is the whole text.
        record.TextPrefix = TextPrefix(TPermissionLetters(object.Permissions()).View());
        break;
    default:
        break;
    }
    return record;
}

int CompareTextRecords(const TSortRecord &a, const TSortRecord &b)
{
    if (a.TextPrefix != b.TextPrefix)
        return a.TextPrefix < b.TextPrefix ? -1 : 1;
    return a.Text ? CompareTexts(*a.Text, *b.Text) : 0;
}

// The same order as CompareAscending, over records.
template <int32_t Key> int CompareRecordsAscending(const TSortRecord &a, const TSortRecord &b)
{
    if constexpr (Key < skType || Key > skLicensePermissions)
        return 0;
    int primary = 0;
    if constexpr (Key == skType || Key == skID || Key == skSize)
        primary = CompareIntegers(a.Number, b.Number);
    else if constexpr (Key == skDateTime)
        primary = CompareDateTimes(a.DateTime, b.DateTime);
    else
        primary = CompareTextRecords(a, b);
    if (primary)
        return primary;
    if constexpr (Key == skType)
        return CompareIntegers(a.ID, b.ID);
    if (const int byType = CompareIntegers(a.Type, b.Type))
        return byType;
    if constexpr (Key == skID || Key == skName)
        return 0;
    return CompareIntegers(a.ID, b.ID);
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

int CompareTexts(const QByteArray &a, const QByteArray &b)
{
    const qsizetype length = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < length; ++i) {
        const int difference = FoldAsciiLower(uchar(a[i])) - FoldAsciiLower(uchar(b[i]));
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

    const bool descending = SortDirection == 1;
    switch (SortKey) {
    case skType:
        SortRecords<skType>(records, descending);
        break;
    case skID:
        SortRecords<skID>(records, descending);
        break;
    case skName:
        SortRecords<skName>(records, descending);
        break;
    case skDateTime:
        SortRecords<skDateTime>(records, descending);
        break;
    case skSize:
        SortRecords<skSize>(records, descending);
        break;
    case skVersionList:
        SortRecords<skVersionList>(records, descending);
        break;
    case skLicensePermissions:
        SortRecords<skLicensePermissions>(records, descending);
        break;
    default:
        SortRecords<-1>(records, descending);
        break;
    }

    std::vector<uint32_t> order;
    order.reserve(records.size());
    for (const TSortRecord &record : records)
        order.push_back(record.Position);
    list.Reorder(order);
}
