// The order of the visible object list: seven sort keys, each with fixed
// tie-breaks, in either direction. Key and direction are held once for the
// whole program.
#pragma once

#include "core/model/objectlist.h"

enum TSortKey : int32_t {
    skType = 0,
    skID = 1,
    skName = 2,
    skDateTime = 3,
    skSize = 4,
    skVersionList = 5,
    skLicensePermissions = 6,
};
inline constexpr int SortKeyCount = 7;

int32_t CurrentSortKey();
int32_t CurrentSortDirection(); // 1 is descending; every other value ascending
void StoreSortKey(int32_t value);
void StoreSortDirection(int32_t value);

// Byte-wise comparison that folds only the ASCII letters a to z to upper case.
int CompareTexts(QByteArrayView a, QByteArrayView b);
// Equal within one millisecond, else -1 or +1.
int CompareDateTimes(double a, double b);

// Negative when the entry at positionA belongs before the one at positionB
// under the current sort key and direction.
int32_t CompareObjects(const TObjectList &list, int positionA, int positionB);

// Puts the list in order under the current sort key and direction. Entries
// that compare equal stand in no defined order.
void SortObjectList(TObjectList &list);
