// A file written month first (as in the United States) read under en_GB:
// the day-first reading fails at the first day above 12, and the index is
// read again month first. Against it, the same file read under en_US, where
// it converts at once.
#include "benchcontext.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype EntrySize = 161;
constexpr qsizetype TableDataSize = 108;
constexpr qsizetype DateOffset = 51, DateLength = 12, TimeOffset = 64, TimeLength = 14;

// The benchmark index with every date "d.m.yy" written "mm/dd/yy" and every
// time "H:mm:ss" written "h:mm:ss AM", as a machine in the United States does.
QByteArray MonthFirstIndex(int objects)
{
    QByteArray index = BenchIndex(objects);
    for (qsizetype at = 0; at < index.size() && index[at] != '\x1A';) {
        if (index.mid(at, 9) == "TableData") {
            at += TableDataSize;
            continue;
        }
        const QList<QByteArray> dmy = index.mid(at + DateOffset, DateLength).trimmed().split('.');
        const QList<QByteArray> hms = index.mid(at + TimeOffset, TimeLength).trimmed().split(':');
        const QByteArray date =
            dmy[1].rightJustified(2, '0') + '/' + dmy[0].rightJustified(2, '0') + '/' + dmy[2];
        const int hour = hms[0].toInt();
        const QByteArray time = QByteArray::number(hour % 12 == 0 ? 12 : hour % 12) + ':' + hms[1] +
                                ':' + hms[2] + (hour < 12 ? " AM" : " PM");
        index.replace(at + DateOffset, DateLength, date.rightJustified(DateLength, ' '));
        index.replace(at + TimeOffset, TimeLength, time.rightJustified(TimeLength, ' '));
        at += EntrySize;
    }
    return index;
}

void LoadMonthFirst(benchmark::State &state, const char *locale)
{
    const int objects = int(state.range(0));
    const QByteArray index = MonthFirstIndex(objects);
    const TRegionalSettings settings = TRegionalSettings::FromLocale(QLocale(locale), 2026);
    TNavisionBinaryFile model(BenchLibrary(), settings);
    UseBenchLicence(model);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(index);
        buffer.open(QIODevice::ReadOnly);
        model.LoadFromStream(buffer);
    }
    if (model.DateOrderUsed() != TDateOrder::MDY || model.GetCount() == 0)
        state.SkipWithError("the file was not read month first");
    state.counters["objects"] = model.GetCount();
}

void BM_LoadMonthFirstUnderEnGb(benchmark::State &state)
{
    LoadMonthFirst(state, "en_GB");
}
BENCHMARK(BM_LoadMonthFirstUnderEnGb)->Arg(BenchObjects)->Unit(benchmark::kMillisecond);

void BM_LoadMonthFirstUnderEnUs(benchmark::State &state)
{
    LoadMonthFirst(state, "en_US");
}
BENCHMARK(BM_LoadMonthFirstUnderEnUs)->Arg(BenchObjects)->Unit(benchmark::kMillisecond);

} // namespace
