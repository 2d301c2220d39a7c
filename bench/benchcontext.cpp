#include "benchcontext.h"

#include "benchinput.h"
#include "core/compare/compare.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <unistd.h>

namespace {

QTemporaryDir &Scratch()
{
    static QTemporaryDir folder;
    return folder;
}

void WriteFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

const TCFrontEntryPoints &BenchLibrary()
{
    return LoadCFront();
}

const TRegionalSettings &BenchSettings()
{
    // A Norwegian user: names in code page 850 with æ, ø and å.
    static const TRegionalSettings settings =
        TRegionalSettings::FromLocale(QLocale(QStringLiteral("nb_NO")), 2026);
    return settings;
}

const QByteArray &BenchIndex(int objects)
{
    static std::map<int, QByteArray> made;
    auto found = made.find(objects);
    if (found == made.end())
        found = made.emplace(objects, MakeBenchIndex(objects)).first;
    return found->second;
}

QString BenchIndexFile(int objects)
{
    const QString path = Scratch().filePath(QStringLiteral("bench-%1.fob").arg(objects));
    if (!QFile::exists(path))
        WriteFile(path, BenchIndex(objects));
    return path;
}

namespace {

// Writes the generated objects once, each changed by the function first;
// the path of the file, kept for the run.
QString WriteBenchTextExport(const QString &name, int objects, qsizetype bodyBytes,
                             const std::function<void(int, QByteArray &)> &change)
{
    const QString path = Scratch().filePath(name);
    if (QFile::exists(path))
        return path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString());
    for (int i = 0; i < objects; ++i) {
        QByteArray text = MakeBenchTextObject(i, bodyBytes);
        change(i, text);
        if (file.write(text) != text.size())
            throw std::runtime_error("cannot write " + path.toStdString());
    }
    return path;
}

} // namespace

QString BenchTextExportFile(int objects, qsizetype bodyBytes)
{
    return WriteBenchTextExport(QStringLiteral("export-%1-%2.txt").arg(objects).arg(bodyBytes),
                                objects, bodyBytes, [](int, QByteArray &) {});
}

QString BenchTextExportUpdateFile(int objects, qsizetype bodyBytes)
{
    return WriteBenchTextExport(
        QStringLiteral("update-%1-%2.txt").arg(objects).arg(bodyBytes), objects, bodyBytes,
        [](int i, QByteArray &text) {
            if (i % 100 == 17) {
                // A line of code more, half way through the body.
                const qsizetype lineEnd = text.indexOf("\r\n", text.size() / 2) + 2;
                text.insert(lineEnd, "    MESSAGE('Posted');\r\n");
            } else if (i % 10 == 3) {
                const qsizetype date = text.indexOf("Date=") + 5;
                const qsizetype time = text.indexOf("Time=") + 5;
                text.replace(time, text.indexOf(';', time) - time, "23:59:59");
                text.replace(date, text.indexOf(';', date) - date, "31.12.99");
            }
        });
}

QString BenchTextFolder(int objects, qsizetype bodyBytes)
{
    const QString path =
        Scratch().filePath(QStringLiteral("objects-%1-%2").arg(objects).arg(bodyBytes));
    if (QFile::exists(path))
        return path;
    QDir().mkpath(path);
    for (int i = 0; i < objects; ++i)
        WriteFile(path + QStringLiteral("/OBJ%1.TXT").arg(i, 5, 10, QLatin1Char('0')),
                  MakeBenchTextObject(i, bodyBytes));
    return path;
}

void LoadBenchIndex(TNavisionBinaryFile &model, int objects)
{
    QBuffer buffer;
    buffer.setData(BenchIndex(objects));
    buffer.open(QIODevice::ReadOnly);
    model.LoadFromStream(buffer);
}

QString BenchLicenceFile()
{
    return Scratch().filePath(QStringLiteral("bench.flf"));
}

void UseBenchLicence(TNavisionBinaryFile &model, const QString &licence)
{
    TNavisionLicenseFile &reader = model.LicenseFile();
    reader.ChangeLicenseFile(licence);
    if (reader.GetInfoLineCount() != 2)
        throw std::runtime_error("the benchmark licence did not load");
}

void PrepareBenchContext()
{
    if (!Scratch().isValid())
        throw std::runtime_error("no temporary folder");
    WriteFile(BenchLicenceFile(), MakeBenchLicence());
    BenchIndex();
}

qint64 BenchReadLines(const char *path, char *block, size_t blockSize)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    qint64 lines = 0;
    for (ssize_t got; (got = ::read(fd, block, blockSize)) > 0;) {
        for (const char *at = block, *end = block + got;
             (at = static_cast<const char *>(std::memchr(at, '\n', size_t(end - at)))); ++at)
            ++lines;
    }
    ::close(fd);
    return lines;
}

int CompareInTypeOrder(const TNavisionBinaryFile &oldFile, const TNavisionBinaryFile &newFile)
{
    const TObjectComparison comparison(oldFile, newFile);
    std::vector<int> rows(size_t(comparison.Count()));
    std::iota(rows.begin(), rows.end(), 0);
    SortDifferences(rows, comparison, TComparisonColumn::Type, false);
    benchmark::DoNotOptimize(rows.data());
    return comparison.Count() - comparison.CountOf(TChangeKind::Unchanged);
}
