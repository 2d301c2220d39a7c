// Runs the benchmarks, then sets each figure against its target: most as a
// ratio to the floor of the same run, so machines of any speed compare.
#include "benchcontext.h"
#include "freshprocess.h"

#include <QCoreApplication>
#ifdef QUINTAREL_BENCH_WINDOW
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#endif

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

namespace {

// The console's report, remembering every figure for the targets. A row run
// several times counts with the median of its runs: on a machine shared with
// others a single run may catch a slow moment.
class TTargetReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration)
                continue;
            std::string name = run.benchmark_name();
            const bool manualTime = name.find("/manual_time") != std::string::npos;
            for (const char *suffix : {"/repeats:", "/iterations:"}) {
                if (const auto cut = name.find(suffix); cut != std::string::npos)
                    name.erase(cut);
            }
            // Processor time: the machine's cores are shared, and the time a
            // run waits for a core says nothing of its own cost. The fresh
            // process rows report their own figure as manual time.
            TimeSamples[name].push_back(
                (manualTime ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime()) *
                Scale(run.time_unit));
            for (const auto &[counter, value] : run.counters)
                CounterSamples[name + ":" + counter].push_back(value.value);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // The median of each row's and each counter's runs.
    std::map<std::string, double> Milliseconds() const { return Medians(TimeSamples); }
    std::map<std::string, double> Counters() const { return Medians(CounterSamples); }

private:
    using TSamples = std::map<std::string, std::vector<double>>;
    static std::map<std::string, double> Medians(const TSamples &samples)
    {
        std::map<std::string, double> medians;
        for (auto [name, values] : samples) {
            std::sort(values.begin(), values.end());
            const size_t middle = values.size() / 2;
            medians[name] =
                values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
        }
        return medians;
    }

    TSamples TimeSamples, CounterSamples;

    static double Scale(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1e-6;
        case benchmark::kMicrosecond:
            return 1e-3;
        case benchmark::kSecond:
            return 1e3;
        default:
            return 1;
        }
    }
};

struct TTarget {
    std::string Measure;
    std::string Figure; // what is measured, as shown
    double Value;       // < 0 when not run
    double Limit;
    std::string Unit;
};

double Find(const std::map<std::string, double> &figures, const std::string &name)
{
    const auto found = figures.find(name);
    return found == figures.end() ? -1 : found->second;
}

void PrintTargets(const TTargetReporter &report)
{
    const std::map<std::string, double> milliseconds = report.Milliseconds(),
                                        counters = report.Counters();
    const auto ms = [&](const std::string &name) { return Find(milliseconds, name); };
    const std::string n = std::to_string(BenchObjects), large = std::to_string(LargeBenchObjects);
    const double floor = ms("BM_Floor/" + n), largeFloor = ms("BM_Floor/" + large);
    const auto ratioTo = [](double value, double base) {
        return value < 0 || base <= 0 ? -1 : value / base;
    };
    const auto ratio = [&](double value) { return ratioTo(value, floor); };

    std::vector<TTarget> targets;
    targets.push_back({"LoadFromStream", "BM_LoadFromStream/" + n,
                       ratio(ms("BM_LoadFromStream/" + n)), 8, "x floor"});
    double worstSort = -1;
    std::string worstSortName;
    for (int key = 0; key < 7; ++key) {
        for (int descending = 0; descending < 2; ++descending) {
            const std::string name =
                "BM_Sort/key:" + std::to_string(key) + "/descending:" + std::to_string(descending);
            if (ms(name) > worstSort) {
                worstSort = ms(name);
                worstSortName = name;
            }
        }
    }
    targets.push_back(
        {"Sort, slowest key and direction", worstSortName, ratio(worstSort), 3, "x floor"});
    targets.push_back({"find-by-typing, no match", "BM_WindowFindNoMatch/" + n,
                       ratio(ms("BM_WindowFindNoMatch/" + n)), 5, "x floor"});
    targets.push_back({"SaveListToStream", "BM_SaveListToStream", ratio(ms("BM_SaveListToStream")),
                       20, "x floor"});
    targets.push_back({"RefreshPermissions", "BM_RefreshPermissions",
                       ratio(ms("BM_RefreshPermissions")), 10, "x floor"});
    // Read again month first after the day-first try failed: at most twice the reading of
    // the same file where it converts at once.
    targets.push_back(
        {"month-first file under en_GB", "BM_LoadMonthFirstUnderEnGb/" + n,
         ms("BM_LoadMonthFirstUnderEnUs/" + n) <= 0
             ? -1
             : ms("BM_LoadMonthFirstUnderEnGb/" + n) / ms("BM_LoadMonthFirstUnderEnUs/" + n),
         2.2, "x the same under en_US"});
    const double loadAndSort = ms("BM_LoadFromStream/" + n) + ms("BM_Sort/key:0/descending:0");
    targets.push_back({"OpenFile in the window", "BM_WindowOpenFile",
                       ms("BM_WindowOpenFile") < 0 ? -1 : ms("BM_WindowOpenFile") / loadAndSort,
                       1.5, "x (load + sort)"});
    const double readBoth = ms("BM_ReadBothFiles");
    targets.push_back(
        {"compare two files (read both, pair, order)", "BM_CompareFiles",
         ms("BM_CompareFiles") < 0 || readBoth <= 0 ? -1 : ms("BM_CompareFiles") / readBoth, 1.5,
         "x reading both"});
    targets.push_back({"resident memory", "BM_ResidentMemoryPerObject",
                       Find(counters, "BM_ResidentMemoryPerObject:resident_bytes_per_object"), 300,
                       "bytes/object"});
    const double small = ms("BM_WindowPaintRows/100"), paintN = ms("BM_WindowPaintRows/" + n);
    targets.push_back({"painting a screen of rows, N=" + n + " against N=100",
                       "BM_WindowPaintRows/" + n, small <= 0 || paintN < 0 ? -1 : paintN / small,
                       1.2, "x N=100"});
    // A new process: what a user pays.
    targets.push_back({"load, fresh process, N=" + n, "BM_FreshLoad/" + n,
                       ratio(ms("BM_FreshLoad/" + n)), 10, "x floor"});
    targets.push_back({"load, fresh process, N=" + large, "BM_FreshLoad/" + large,
                       ratioTo(ms("BM_FreshLoad/" + large), largeFloor), 10, "x floor N=" + large});
    targets.push_back({"lister's whole run, N=" + large, "BM_FreshLister/" + large,
                       ms("BM_FreshLister/" + large), 1500, "ms CPU"});
    targets.push_back({"window, start to first painted list, N=" + large, "BM_FreshWindow/" + large,
                       ms("BM_FreshWindow/" + large), 600, "ms"});
    targets.push_back({"find-by-typing, no match, N=" + large, "BM_WindowFindNoMatch/" + large,
                       ms("BM_WindowFindNoMatch/" + large), 20, "ms"});
    targets.push_back({"resident memory, fresh process, N=" + large, "BM_FreshLoad/" + large,
                       Find(counters, "BM_FreshLoad/" + large + ":resident_bytes_per_object"), 100,
                       "bytes/object"});

    // Text exports: a database's export and a folder of one file per object.
    targets.push_back({"text export of 7,000 objects, fresh process", "BM_FreshTextExport",
                       ratioTo(ms("BM_FreshTextExport"), ms("BM_TextExportFloor")), 2,
                       "x reading its bytes"});
    targets.push_back({"folder of 7,000 text files, fresh process", "BM_FreshTextFolder",
                       ratioTo(ms("BM_FreshTextFolder"), ms("BM_TextFolderFloor")), 3,
                       "x reading their bytes"});
    // A tenth of one object's text: holding the texts would pass it a
    // hundredfold.
    targets.push_back({"resident memory after the text export", "BM_FreshTextExport",
                       Find(counters, "BM_FreshTextExport:resident_bytes_per_object"), 2100,
                       "bytes/object"});

    // Two text exports of 7,000 objects, a hundredth changed in code, a tenth
    // in date and time only; both files read included.
    const double readBothTexts = ms("BM_TextExportsReadBoth");
    targets.push_back({"compare two text exports with text", "BM_CompareTextExports",
                       ratioTo(ms("BM_CompareTextExports"), readBothTexts), 3, "x reading both"});
    targets.push_back({"--diff of two text exports", "BM_DiffTextExports",
                       ratioTo(ms("BM_DiffTextExports"), readBothTexts), 4, "x reading both"});

    targets.push_back({"filter bar, one keystroke", "BM_WindowFilterKeystroke",
                       ms("BM_WindowFilterKeystroke"), 30, "ms"});
    targets.push_back({"object text of 50,000 lines shown, coloured", "BM_WindowObjectText/50000",
                       ms("BM_WindowObjectText/50000"), 100, "ms"});

    std::printf("\nFigures are processor time, except the window's start, which is the time "
                "on the clock;\na row run several times counts with its median.\nFloor (reading "
                "the index bytes, no conversion): %.2f ms, N=%s "
                "%.2f ms\n\n",
                floor, large.c_str(), largeFloor);
    std::printf("| measure | figure | value | target | met |\n|---|---|---|---|---|\n");
    bool allMet = true;
    for (const TTarget &target : targets) {
        const bool run = target.Value >= 0;
        const bool met = run && target.Value <= target.Limit;
        allMet = allMet && met;
        std::printf("| %s | %s (%.2f ms) | %s | <= %g %s | %s |\n", target.Measure.c_str(),
                    target.Figure.c_str(), ms(target.Figure),
                    run ? std::to_string(target.Value).substr(0, 6).c_str() : "not run",
                    target.Limit, target.Unit.c_str(), !run ? "-" : (met ? "yes" : "NO"));
    }
    std::printf("\n%s\n", allMet ? "Every target met." : "Some targets not met or not run.");
}

} // namespace

int main(int argc, char **argv)
{
    // Started by a benchmark as a fresh process of its own.
    if (const auto status = RunFreshChild(argc, argv))
        return *status;
#ifdef QUINTAREL_BENCH_WINDOW
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The window remembers recent files and its size: here in a folder
    // that goes with the run, not in the user's settings.
    const QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
#else
    QCoreApplication application(argc, argv);
#endif
    PrepareBenchContext();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TTargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintTargets(reporter);
    return 0;
}
