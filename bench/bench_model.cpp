// The model at N objects: reading the index against the least any reader
// must do, sorting by every key, export, permissions, hiding, memory.
#include "benchcontext.h"
#include "core/model/ordering.h"
#include "core/reading/codepage.h"
#include "freshprocess.h"

#include <QBuffer>
#include <QCollator>
#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace {

// The process's resident set in bytes.
double ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE));
}

// Runs first, before any other benchmark has left freed memory behind to reuse.
void BM_ResidentMemoryPerObject(benchmark::State &state)
{
    for (auto _ : state) {
        malloc_trim(0);
        const double before = ResidentBytes();
        const size_t heapBefore = mallinfo2().uordblks;
        auto model = std::make_unique<TNavisionBinaryFile>(BenchLibrary(), BenchSettings());
        UseBenchLicence(*model);
        LoadBenchIndex(*model);
        state.counters["resident_bytes_per_object"] = (ResidentBytes() - before) / BenchObjects;
        state.counters["heap_bytes_per_object"] =
            double(mallinfo2().uordblks - heapBefore) / BenchObjects;
        state.counters["objects"] = model->GetCount();
    }
}
BENCHMARK(BM_ResidentMemoryPerObject)->Iterations(1)->Unit(benchmark::kMillisecond);

// The least any reader of the index does: the same bytes through a QBuffer,
// entry by entry, without converting anything.
void BM_Floor(benchmark::State &state)
{
    const QByteArray &index = BenchIndex(int(state.range(0)));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(index);
        buffer.open(QIODevice::ReadOnly);
        char entry[161];
        int entries = 0;
        while (!buffer.atEnd()) {
            if (buffer.read(entry, 10) != 10 || entry[0] == '\x1A')
                break;
            const bool tableData = memcmp(entry, "TableData", 9) == 0;
            buffer.read(entry + 10, tableData ? 98 : 151);
            ++entries;
        }
        benchmark::DoNotOptimize(entries);
        benchmark::DoNotOptimize(entry);
    }
}
BENCHMARK(BM_Floor)
    ->Arg(BenchObjects)
    ->Arg(LargeBenchObjects)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);

void BM_LoadFromStream(benchmark::State &state)
{
    const int objects = int(state.range(0));
    TNavisionBinaryFile model(BenchLibrary(), BenchSettings());
    UseBenchLicence(model);
    BenchIndex(objects);
    for (auto _ : state)
        LoadBenchIndex(model, objects);
    state.counters["objects"] = model.GetCount();
}
BENCHMARK(BM_LoadFromStream)
    ->Arg(BenchObjects)
    ->Arg(5000)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);

// Every key in both directions, each time from the order of the file (read
// again outside the measurement).
void BM_Sort(benchmark::State &state)
{
    TNavisionBinaryFile model(BenchLibrary(), BenchSettings());
    UseBenchLicence(model);
    for (auto _ : state) {
        state.PauseTiming();
        LoadBenchIndex(model);
        StoreSortKey(int32_t(state.range(0)));
        StoreSortDirection(int32_t(state.range(1)));
        state.ResumeTiming();
        model.Sort();
    }
    StoreSortKey(skType);
    StoreSortDirection(0);
}
BENCHMARK(BM_Sort)
    ->ArgNames({"key", "descending"})
    ->ArgsProduct({benchmark::CreateDenseRange(0, 6, 1), {0, 1}})
    ->Iterations(5)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

void BM_SaveListToStream(benchmark::State &state)
{
    TNavisionBinaryFile model(BenchLibrary(), BenchSettings());
    UseBenchLicence(model);
    LoadBenchIndex(model);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        model.SaveListToStream(buffer);
        benchmark::DoNotOptimize(buffer.size());
    }
}
BENCHMARK(BM_SaveListToStream)->Unit(benchmark::kMillisecond);

void BM_RefreshPermissions(benchmark::State &state)
{
    TNavisionBinaryFile model(BenchLibrary(), BenchSettings());
    UseBenchLicence(model);
    LoadBenchIndex(model);
    for (auto _ : state)
        model.RefreshPermissions();
}
BENCHMARK(BM_RefreshPermissions)->Unit(benchmark::kMillisecond);

void BM_HideAndShowSystemObjects(benchmark::State &state)
{
    TNavisionBinaryFile model(BenchLibrary(), BenchSettings());
    UseBenchLicence(model);
    LoadBenchIndex(model);
    for (auto _ : state) {
        model.SetHideSystemObjects(true);
        model.SetHideSystemObjects(false);
    }
}
BENCHMARK(BM_HideAndShowSystemObjects)->Unit(benchmark::kMillisecond);

// The duplicate search without an index: every new key compared with every
// listed key, one after the other, ignoring case under the user's locale.
void BM_DuplicateSearchOneByOne(benchmark::State &state)
{
    const int objects = int(state.range(0));
    TNavisionBinaryFile model(BenchLibrary(), BenchSettings());
    UseBenchLicence(model);
    LoadBenchIndex(model, objects);
    // Every key read from the file, duplicates included, in file order.
    QList<QByteArray> keys;
    TNavisionBinaryFile reader(BenchLibrary(), BenchSettings());
    UseBenchLicence(reader);
    reader.OnObjectLoaded = [&](TNavisionBinaryFile &, const TNavisionObject &object) {
        keys.append(object.GetKey());
    };
    LoadBenchIndex(reader, objects);

    QCollator collator(BenchSettings().Locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (auto _ : state) {
        QList<QString> listed;
        for (const QByteArray &key : keys) {
            const QString text = DecodeText(key);
            bool found = false;
            for (const QString &other : listed) {
                if (collator.compare(text, other) == 0) {
                    found = true;
                    break;
                }
            }
            if (!found)
                listed.append(text);
        }
        if (listed.size() != model.GetCount())
            state.SkipWithError("the search kept another number of objects than the model");
    }
}
BENCHMARK(BM_DuplicateSearchOneByOne)->Arg(5000)->Unit(benchmark::kMillisecond);

// LoadFromFile in a process of its own, which has read nothing before: the
// figure is the child's processor time for the reading (fresh heap pages
// included), the counter the memory its model holds once sorted.
void BM_FreshLoad(benchmark::State &state)
{
    const int objects = int(state.range(0));
    const QString path = BenchIndexFile(objects);
    MeasureFreshLoad(state, path, objects);
}
BENCHMARK(BM_FreshLoad)
    ->Arg(BenchObjects)
    ->Arg(LargeBenchObjects)
    ->Iterations(1)
    ->Repetitions(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// quintarel-cli listing the file to /dev/null: the processor time of the
// whole process, start-up and exit included.
void BM_FreshLister(benchmark::State &state)
{
    const QString path = BenchIndexFile(int(state.range(0)));
    const QString lister =
        QCoreApplication::applicationDirPath() + QStringLiteral("/quintarel-cli");
    for (auto _ : state) {
        const TFreshRun run =
            RunFreshProcess(lister, {QStringLiteral("--license"), BenchLicenceFile(), path}, false);
        if (!run.Ok) {
            state.SkipWithError("the lister failed");
            break;
        }
        state.SetIterationTime(run.CpuSeconds);
        state.counters["wall_ms"] = (MonotonicNs() - run.StartedAtNs) / 1e6;
    }
}
BENCHMARK(BM_FreshLister)
    ->Arg(LargeBenchObjects)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
