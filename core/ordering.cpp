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

void QuickSort(TObjectList &list, int left, int right)
{
    do {
        int i = left, j = right, pivot = (left + right) / 2;
        do {
            while (CompareObjects(list, i, pivot) < 0)
                ++i;
            while (CompareObjects(list, j, pivot) > 0)
                --j;
            if (i <= j) {
                if (i != j)
                    list.Exchange(i, j);
                // The pivot entry moves with the exchange.
                if (pivot == i)
                    pivot = j;
                else if (pivot == j)
                    pivot = i;
                ++i;
                --j;
            }
        } while (i <= j);
        // Recurse into the smaller part and go on with the larger one, so the
        // depth stays logarithmic whatever the input.
        if (j - left < right - i) {
            if (left < j)
                QuickSort(list, left, j);
            left = i;
        } else {
            if (i < right)
                QuickSort(list, i, right);
            right = j;
        }
    } while (left < right);
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
    if (list.Count() >= 2)
        QuickSort(list, 0, list.Count() - 1);
}
