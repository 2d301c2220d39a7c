// Text exports: a whole database's export (7,000 objects, about 150 MB,
// almost all code) and a folder of one file per object, each read by
// LoadFromFile in a fresh process, against the floor of reading the same
// bytes in this process.
#include "benchcontext.h"
#include "freshprocess.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int TextObjects = 7000;
constexpr qsizetype TextBodyBytes = 21000; // 7,000 objects of it make about 150 MB

constexpr size_t BlockSize = size_t(4) << 20;

void BM_TextExportFloor(benchmark::State &state)
{
    const QByteArray path = QFile::encodeName(BenchTextExportFile(TextObjects, TextBodyBytes));
    const auto block = std::make_unique<char[]>(BlockSize);
    for (auto _ : state)
        benchmark::DoNotOptimize(BenchReadLines(path.constData(), block.get(), BlockSize));
}
BENCHMARK(BM_TextExportFloor)->Repetitions(3)->Unit(benchmark::kMillisecond);

void BM_TextFolderFloor(benchmark::State &state)
{
    QList<QByteArray> paths;
    QDirIterator files(BenchTextFolder(TextObjects, TextBodyBytes), QDir::Files);
    while (files.hasNext())
        paths.append(QFile::encodeName(files.next()));
    const auto block = std::make_unique<char[]>(BlockSize);
    for (auto _ : state) {
        qint64 lines = 0;
        for (const QByteArray &path : paths)
            lines += BenchReadLines(path.constData(), block.get(), BlockSize);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_TextFolderFloor)->Repetitions(3)->Unit(benchmark::kMillisecond);

// LoadFromFile of the export or the folder in a process of its own: the
// child's processor time for the reading, and the memory its model holds
// (no object's text is kept).
void FreshTextLoad(benchmark::State &state, const QString &path)
{
    MeasureFreshLoad(state, path, TextObjects);
}

void BM_FreshTextExport(benchmark::State &state)
{
    FreshTextLoad(state, BenchTextExportFile(TextObjects, TextBodyBytes));
}
BENCHMARK(BM_FreshTextExport)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_FreshTextFolder(benchmark::State &state)
{
    FreshTextLoad(state, BenchTextFolder(TextObjects, TextBodyBytes));
}
BENCHMARK(BM_FreshTextFolder)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
