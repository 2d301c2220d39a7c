// How the model copes with a file of 100,000 objects: reading the index
// (with a licence lookup per object), sorting by each key, hiding system
// objects and exporting.
#include "binaryfile.h"
#include "cfront.h"
#include "entries.h"
#include "ordering.h"

#include <QBuffer>
#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

const TCFrontEntryPoints *Library = nullptr;

// A realistic mix: every type, many shared names and version lists, some
// system objects and table data.
QByteArray MakeIndex(int objects)
{
    static const QByteArray tags[] = {"Table     ", "Form      ", "Report    ", "Dataport  ",
                                      "Codeunit  ", "XMLport   ", "MenuSuite ", "Page      "};
    static const QByteArray names[] = {"Customer",
                                       "Vendor",
                                       "Item",
                                       "Sales Header",
                                       "Sales Line",
                                       "G/L Entry",
                                       "Budsjettoppf\x9blging",
                                       "Post"};
    QByteArray index;
    index.reserve(qsizetype(objects) * 161 + 1);
    for (int i = 0; i < objects; ++i) {
        TEntryFields f;
        f.Tag = tags[i % 8];
        f.ID = QByteArray::number(i % 97 == 0 ? 2000000000 + i : i + 1);
        f.Name = names[(i / 8) % 8] + ' ' + QByteArray::number(i);
        f.Date = QByteArray::number(1 + i % 12) + "-" + QByteArray::number(1 + i % 28 % 12) + "-" +
                 QByteArray::number(10 + i % 10);
        f.Time = QByteArray::number(i % 24) + ":" + QByteArray::number(i % 60) + ":00";
        f.Size = QByteArray::number((i * 7919) % 200000);
        f.VersionList = i % 3 ? "NAVW1" + QByteArray::number(i % 7) + ".00" : "";
        index += Entry(f);
        if (i % 1000 == 0)
            index += TableDataEntry();
    }
    return index + '\x1A';
}

const QByteArray &Index()
{
    static const QByteArray index = MakeIndex(100000);
    return index;
}

void Load(TNavisionBinaryFile &model)
{
    QBuffer buffer;
    buffer.setData(Index());
    buffer.open(QIODevice::ReadOnly);
    model.LoadFromStream(buffer);
}

void BM_LoadIndex(benchmark::State &state)
{
    TNavisionBinaryFile model(*Library, TRegionalSettings::FromSystem());
    for (auto _ : state) {
        model.Clear();
        Load(model);
    }
    state.counters["objects"] = model.GetCount();
}
BENCHMARK(BM_LoadIndex)->Unit(benchmark::kMillisecond);

void BM_Sort(benchmark::State &state)
{
    TNavisionBinaryFile model(*Library, TRegionalSettings::FromSystem());
    Load(model);
    StoreSortDirection(0);
    for (auto _ : state) {
        // From the file's order each time, so every run sorts the same input.
        state.PauseTiming();
        model.SetSortKey(skType);
        model.SetSortDirection(1);
        state.ResumeTiming();
        model.SetSortKey(int32_t(state.range(0)));
    }
    StoreSortDirection(0);
}
BENCHMARK(BM_Sort)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

void BM_HideAndShowSystemObjects(benchmark::State &state)
{
    TNavisionBinaryFile model(*Library, TRegionalSettings::FromSystem());
    Load(model);
    for (auto _ : state) {
        model.SetHideSystemObjects(true);
        model.SetHideSystemObjects(false);
    }
}
BENCHMARK(BM_HideAndShowSystemObjects)->Unit(benchmark::kMillisecond);

void BM_RefreshPermissions(benchmark::State &state)
{
    TNavisionBinaryFile model(*Library, TRegionalSettings::FromSystem());
    Load(model);
    for (auto _ : state)
        model.RefreshPermissions();
}
BENCHMARK(BM_RefreshPermissions)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State &state)
{
    TNavisionBinaryFile model(*Library, TRegionalSettings::FromSystem());
    Load(model);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        model.SaveListToStream(buffer);
        benchmark::DoNotOptimize(buffer.size());
    }
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    Library = &LoadCFront();
    Index(); // made once, outside every measurement
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
