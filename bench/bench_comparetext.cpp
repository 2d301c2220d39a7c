// Comparing two text exports of 7,000 objects (about 150 MB each), a
// database's export and the same a release later, of which one object in a
// hundred changed in code and one in ten only in date and time: reading both
// files' bytes, the comparison with text as the lister makes it (both read
// as one set, paired, ordered by type), and its unified differences.
#include "benchcontext.h"
#include "cli/textdiffs.h"
#include "core/compare/compare.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int TextObjects = 7000;
constexpr qsizetype TextBodyBytes = 21000;

struct TTextPair {
    QString Old = BenchTextExportFile(TextObjects, TextBodyBytes);
    QString New = BenchTextExportUpdateFile(TextObjects, TextBodyBytes);
};

const TTextPair &Pair()
{
    static const TTextPair pair;
    return pair;
}

// Takes every byte and keeps none, as /dev/null does.
class TNullDevice : public QIODevice {
public:
    TNullDevice() { open(QIODevice::WriteOnly); }
    qint64 Written = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        Written += length;
        return length;
    }
};

struct TTwoModels {
    TNavisionBinaryFile Old{BenchLibrary(), BenchSettings()};
    TNavisionBinaryFile New{Old.LicenseFile(), BenchSettings()};

    TTwoModels() { UseBenchLicence(Old); }
    void Load()
    {
        TNavisionBinaryFile::LoadAsOneSet(Old, {Pair().Old, nullptr}, New, {Pair().New, nullptr});
    }
};

// The floor of these rows.
void BM_TextExportsReadBoth(benchmark::State &state)
{
    const QByteArray oldPath = QFile::encodeName(Pair().Old),
                     newPath = QFile::encodeName(Pair().New);
    constexpr size_t BlockSize = size_t(4) << 20;
    const auto block = std::make_unique<char[]>(BlockSize);
    for (auto _ : state) {
        benchmark::DoNotOptimize(BenchReadLines(oldPath.constData(), block.get(), BlockSize));
        benchmark::DoNotOptimize(BenchReadLines(newPath.constData(), block.get(), BlockSize));
    }
}
BENCHMARK(BM_TextExportsReadBoth)->Repetitions(3)->Unit(benchmark::kMillisecond);

void BM_CompareTextExports(benchmark::State &state)
{
    TTwoModels models;
    int differences = 0;
    for (auto _ : state) {
        models.Load();
        differences = CompareInTypeOrder(models.Old, models.New);
    }
    state.counters["differences"] = differences;
}
BENCHMARK(BM_CompareTextExports)->Repetitions(3)->Unit(benchmark::kMillisecond);

// The lister's --diff of the pair, written to a device that drops it.
void BM_DiffTextExports(benchmark::State &state)
{
    TTwoModels models;
    qint64 written = 0;
    for (auto _ : state) {
        models.Load();
        TNullDevice output;
        const auto bytesOf = [](const TNavisionBinaryFile &model) -> TObjectBytes {
            return
                [&model](const TNavisionObject &object) { return model.ReadObjectBytes(object); };
        };
        WriteTextDifferences({models.Old, bytesOf(models.Old)}, {models.New, bytesOf(models.New)},
                             output);
        written = output.Written;
    }
    state.counters["diff_bytes"] = double(written);
}
BENCHMARK(BM_DiffTextExports)->Repetitions(3)->Unit(benchmark::kMillisecond);

} // namespace
