// Comparing two files of N objects, a release and its update: reading both,
// and reading both then pairing them and ordering the rows by type.
#include "benchcontext.h"
#include "benchinput.h"
#include "core/compare/compare.h"

#include <QBuffer>

#include <benchmark/benchmark.h>


namespace {

const QByteArray &UpdateIndex()
{
    static const QByteArray update = MakeBenchUpdateIndex(BenchIndex(), BenchObjects);
    return update;
}

void Load(TNavisionBinaryFile &model, const QByteArray &index)
{
    QBuffer buffer;
    buffer.setData(index);
    buffer.open(QIODevice::ReadOnly);
    model.LoadFromStream(buffer);
}

// The second model borrows the first one's licence reader, as the lister
// and the comparison window do.
struct TTwoModels {
    TNavisionBinaryFile Old{BenchLibrary(), BenchSettings()};
    TNavisionBinaryFile New{Old.LicenseFile(), BenchSettings()};

    TTwoModels() { UseBenchLicence(Old); }
};

void BM_ReadBothFiles(benchmark::State &state)
{
    TTwoModels models;
    UpdateIndex();
    for (auto _ : state) {
        Load(models.Old, BenchIndex());
        Load(models.New, UpdateIndex());
    }
    state.counters["objects"] = models.Old.GetCount() + models.New.GetCount();
}
BENCHMARK(BM_ReadBothFiles)->Unit(benchmark::kMillisecond);

void BM_CompareFiles(benchmark::State &state)
{
    TTwoModels models;
    UpdateIndex();
    int differences = 0;
    for (auto _ : state) {
        Load(models.Old, BenchIndex());
        Load(models.New, UpdateIndex());
        differences = CompareInTypeOrder(models.Old, models.New);
    }
    state.counters["differences"] = differences;
}
BENCHMARK(BM_CompareFiles)->Unit(benchmark::kMillisecond);

// The pairing alone, on two files already read.
void BM_CompareLoaded(benchmark::State &state)
{
    TTwoModels models;
    Load(models.Old, BenchIndex());
    Load(models.New, UpdateIndex());
    for (auto _ : state) {
        const TObjectComparison comparison(models.Old, models.New);
        benchmark::DoNotOptimize(comparison.Count());
    }
}
BENCHMARK(BM_CompareLoaded)->Unit(benchmark::kMillisecond);

} // namespace
