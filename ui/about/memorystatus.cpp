#include "ui/about/memorystatus.h"

#include "ui/common/uistrings.h"

#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QSysInfo>

#include <sys/sysinfo.h>

namespace {

// A "Name:   1234 kB" line of /proc/meminfo, in bytes; 0 when missing.
uint64_t MemInfoBytes(const QByteArray &memInfo, const QByteArray &name)
{
    for (const QByteArray &line : memInfo.split('\n')) {
        if (!line.startsWith(name + ':'))
            continue;
        const QList<QByteArray> fields = line.mid(name.size() + 1).simplified().split(' ');
        const uint64_t value = fields.value(0).toULongLong();
        return fields.value(1) == "kB" ? value * 1024 : value;
    }
    return 0;
}

TMemoryStatus FromSysInfo()
{
    struct sysinfo info {};
    if (sysinfo(&info) != 0)
        return {};
    const uint64_t unit = info.mem_unit ? info.mem_unit : 1;
    const uint64_t total = uint64_t(info.totalram) * unit;
    const uint64_t available = (uint64_t(info.freeram) + uint64_t(info.bufferram)) * unit;
    return {total, MemoryLoadPercent(total, available)};
}

} // namespace

TMemoryStatus ReadMemoryStatus()
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return FromSysInfo();
    const QByteArray memInfo = file.readAll();
    const uint64_t total = MemInfoBytes(memInfo, "MemTotal");
    const uint64_t available = MemInfoBytes(memInfo, "MemAvailable");
    if (total == 0 || available == 0)
        return FromSysInfo();
    return {total, MemoryLoadPercent(total, available)};
}

int MemoryLoadPercent(uint64_t total, uint64_t available)
{
    if (total == 0 || available >= total)
        return 0;
    const uint64_t used = total - available;
    return int((used * 100 + total / 2) / total);
}

QString GroupThousands(uint64_t value, const QString &separator)
{
    QString digits = QString::number(value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, separator);
    return digits;
}

QString FormatTotalMemory(uint64_t bytes, const QString &thousandSeparator)
{
    // The nearest whole kilobyte; the sum can't overflow below 2^64 - 512.
    const uint64_t kilobytes = bytes / 1024 + (bytes % 1024 >= 512 ? 1 : 0);
    return UiStrings::MemoryKilobytes().arg(GroupThousands(kilobytes, thousandSeparator));
}

QString FormatFreeShare(int memoryLoad)
{
    return UiStrings::MemoryFreeShare().arg(100 - memoryLoad);
}

QString SystemName()
{
#if defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#elif defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#else
    return QSysInfo::kernelType();
#endif
}
