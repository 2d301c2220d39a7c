// The memory figures of the About box: what the system reports, and how
// they are written.
#pragma once

#include <QString>

#include <cstdint>

struct TMemoryStatus {
    uint64_t TotalPhysical = 0; // bytes, the true total however large
    int MemoryLoad = 0;         // share of physical memory in use, percent
};

// The name of the system the program runs on, as the memory caption says it: "Linux".
QString SystemName();

// From /proc/meminfo, or from sysinfo(2) where that can't be read.
TMemoryStatus ReadMemoryStatus();

// The share of memory in use, rounded to whole percent, from 0 to 100.
int MemoryLoadPercent(uint64_t total, uint64_t available);

// Digits grouped by thousands with the given separator: 524288 -> 524,288.
QString GroupThousands(uint64_t value, const QString &separator);
// Bytes as the nearest whole number of kilobytes, grouped: "524,288 KB".
QString FormatTotalMemory(uint64_t bytes, const QString &thousandSeparator);
// 100 minus the load: "62% Free".
QString FormatFreeShare(int memoryLoad);
