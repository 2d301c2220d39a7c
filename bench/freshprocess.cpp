#include "freshprocess.h"

#include "benchcontext.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

#ifdef QUINTAREL_BENCH_WINDOW
int RunFreshWindowChild(int argc, char **argv, const QString &path, const QString &licence);
#endif

namespace {

double ProcessCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

double ResidentBytesNow()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE));
}

// Reads the file's index into a new model, then sorts it as the window does,
// and reports the time of the reading and the memory the model holds.
int RunFreshLoadChild(int argc, char **argv, const QString &path, const QString &licence)
{
    QCoreApplication application(argc, argv);
    TNavisionBinaryFile model(BenchLibrary(), BenchSettings());
    UseBenchLicence(model, licence);
    malloc_trim(0);
    const double residentBefore = ResidentBytesNow();
    const double cpuBefore = ProcessCpuNs(), wallBefore = MonotonicNs();
    model.LoadFromFile(path);
    const double cpuAfter = ProcessCpuNs(), wallAfter = MonotonicNs();
    model.SetSortKey(model.GetSortKey());
    const double residentAfter = ResidentBytesNow();
    std::printf("load_cpu_ns %.0f\nload_wall_ns %.0f\nresident_bytes %.0f\nobjects %d\n",
                cpuAfter - cpuBefore, wallAfter - wallBefore, residentAfter - residentBefore,
                model.GetCount());
    std::fflush(stdout);
    // Like the lister, the child leaves without freeing what it read.
    _exit(0);
}

} // namespace

double MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

std::optional<int> RunFreshChild(int argc, char **argv)
{
    if (argc < 4)
        return std::nullopt;
    const QString path = QFile::decodeName(argv[2]), licence = QFile::decodeName(argv[3]);
    if (std::strcmp(argv[1], "--fresh-load") == 0)
        return RunFreshLoadChild(argc, argv, path, licence);
#ifdef QUINTAREL_BENCH_WINDOW
    if (std::strcmp(argv[1], "--fresh-window") == 0)
        return RunFreshWindowChild(argc, argv, path, licence);
#endif
    return std::nullopt;
}

TFreshRun RunFreshProcess(const QString &program, const QStringList &arguments, bool captureOutput,
                          const QByteArray &locale)
{
    TFreshRun run;
    QList<QByteArray> texts{QFile::encodeName(program)};
    for (const QString &argument : arguments)
        texts.append(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    QList<QByteArray> environment{"LC_ALL=" + locale};
    for (char **variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, "LC_ALL=", 7) != 0)
            environment.append(*variable);
    }
    std::vector<char *> envp;
    for (QByteArray &text : environment)
        envp.push_back(text.data());
    envp.push_back(nullptr);

    int output[2] = {-1, -1};
    if (::pipe2(output, O_CLOEXEC) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (captureOutput)
        posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

    run.StartedAtNs = MonotonicNs();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (spawned != 0) {
        ::close(output[0]);
        return run;
    }
    char buffer[4096];
    for (ssize_t got; (got = ::read(output[0], buffer, sizeof buffer)) > 0;)
        run.Output.append(buffer, got);
    ::close(output[0]);

    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child)
        return run;
    run.CpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.Ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

double FreshFigure(const QByteArray &output, const char *name)
{
    const QByteArray prefix = QByteArray(name) + ' ';
    for (const QByteArray &line : output.split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).toDouble();
    }
    return -1;
}

void MeasureFreshLoad(benchmark::State &state, const QString &path, double objects)
{
    for (auto _ : state) {
        const TFreshRun run =
            RunFreshProcess(QCoreApplication::applicationFilePath(),
                            {QStringLiteral("--fresh-load"), path, BenchLicenceFile()});
        const double cpu = FreshFigure(run.Output, "load_cpu_ns");
        if (!run.Ok || cpu < 0 || FreshFigure(run.Output, "objects") <= 0) {
            state.SkipWithError("the child process failed");
            break;
        }
        state.SetIterationTime(cpu / 1e9);
        state.counters["wall_ms"] = FreshFigure(run.Output, "load_wall_ns") / 1e6;
        state.counters["resident_bytes_per_object"] =
            FreshFigure(run.Output, "resident_bytes") / objects;
        state.counters["objects"] = FreshFigure(run.Output, "objects");
    }
}
