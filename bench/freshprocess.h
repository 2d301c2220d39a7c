// What a user pays in a new process: the benchmark program starts itself
// (or the lister) as a child, which reports its own figures on its standard
// output. A warm heap in the parent would hide the cost of fresh pages.
#pragma once

#include <QStringList>

#include <benchmark/benchmark.h>

#include <optional>

// The child's side: runs the role that argv names and returns the exit
// status, or nothing when argv names no child role.
std::optional<int> RunFreshChild(int argc, char **argv);

struct TFreshRun {
    bool Ok = false;
    QByteArray Output;      // the child's standard output
    double CpuSeconds = 0;  // user and system time of the child, from wait4
    double StartedAtNs = 0; // CLOCK_MONOTONIC in the parent just before the start
};

// Starts program with the arguments, its standard output captured (or
// thrown away) and its standard error passed on; waits for it. The child
// runs under the regional settings of the locale named (LC_ALL).
TFreshRun RunFreshProcess(const QString &program, const QStringList &arguments,
                          bool captureOutput = true, const QByteArray &locale = "nb_NO.UTF-8");

// The value after "name " on a line of the child's output; -1 when absent.
double FreshFigure(const QByteArray &output, const char *name);

// CLOCK_MONOTONIC now, in nanoseconds: the same clock in parent and child.
double MonotonicNs();

// Each iteration: LoadFromFile of the path in a fresh child, timed by the
// child's processor time for the reading; counters for the time on the
// clock, the memory the model holds per object and the objects read.
void MeasureFreshLoad(benchmark::State &state, const QString &path, double objects);
