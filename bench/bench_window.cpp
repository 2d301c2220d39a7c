// The main window at N objects: opening the file end to end with its
// status bar, painting one screen of rows, and find-by-typing at its worst.
#include "benchcontext.h"
#include "filterbar.h"
#include "mainform.h"

#include <QLineEdit>

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<TfrmMain> ShownWindow()
{
    auto window = std::make_unique<TfrmMain>(BenchLibrary(), BenchSettings(), QStringList());
    window->resize(1024, 768);
    window->show();
    QApplication::processEvents();
    return window;
}

void BM_WindowOpenFile(benchmark::State &state)
{
    const QString path = BenchIndexFile();
    auto window = ShownWindow();
    for (auto _ : state) {
        window->OpenFile(path);
        QApplication::processEvents(); // the list and the status bar painted
    }
    state.counters["objects"] = window->BinaryFile().GetCount();
}
BENCHMARK(BM_WindowOpenFile)->Unit(benchmark::kMillisecond);

// One screen of rows painted afresh, the list holding N objects.
void BM_WindowPaintRows(benchmark::State &state)
{
    auto window = ShownWindow();
    window->OpenFile(BenchIndexFile(int(state.range(0))));
    QApplication::processEvents();
    for (auto _ : state)
        window->lvwMain->viewport()->repaint();
}
BENCHMARK(BM_WindowPaintRows)->Arg(100)->Arg(BenchObjects)->Unit(benchmark::kMillisecond);

// A typed text that no row begins with, searched from the middle round to it.
void BM_WindowFindNoMatch(benchmark::State &state)
{
    auto window = ShownWindow();
    window->OpenFile(BenchIndexFile());
    const int middle = window->BinaryFile().GetCount() / 2;
    for (auto _ : state) {
        if (window->lvwMainDataFind(QStringLiteral("Zz~"), middle, true) != -1)
            state.SkipWithError("a row matched");
    }
}
BENCHMARK(BM_WindowFindNoMatch)->Unit(benchmark::kMillisecond);

// One keystroke in the filter bar over N objects: the rows kept, the list
// reset and the screen of rows and the status bar painted. Typing goes on
// and back over "Sales", so each step narrows or widens the list.
void BM_WindowFilterKeystroke(benchmark::State &state)
{
    auto window = ShownWindow();
    window->OpenFile(BenchIndexFile());
    window->actViewFilter->trigger();
    QApplication::processEvents();
    const QStringList typed = {"S", "Sa", "Sal", "Sale", "Sales", "Sale", "Sal", "Sa"};
    int step = 0;
    for (auto _ : state) {
        window->barFilter->edtFilterText->setText(typed[step++ % typed.size()]);
        QApplication::processEvents();
    }
    state.counters["objects"] = window->BinaryFile().GetCount();
}
BENCHMARK(BM_WindowFilterKeystroke)->Unit(benchmark::kMillisecond);

} // namespace
