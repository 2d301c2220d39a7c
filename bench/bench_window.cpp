// The main window at N objects: opening the file end to end with its
// status bar, painting one screen of rows, and find-by-typing at its worst.
#include "benchcontext.h"
#include "freshprocess.h"
#include "ui/filter/filterbar.h"
#include "ui/mainwindow/mainform.h"
#include "ui/objecttext/codeview.h"
#include "ui/objecttext/objecttextform.h"

#include <QLineEdit>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

#include <cstdio>
#include <ctime>
#include <unistd.h>

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<TfrmMain> ShownWindow()
{
    auto window = std::make_unique<TfrmMain>(BenchLibrary(), BenchSettings(), QStringList(),
                                             BenchLicenceFile());
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
    window->OpenFile(BenchIndexFile(int(state.range(0))));
    const int middle = window->BinaryFile().GetCount() / 2;
    for (auto _ : state) {
        if (window->lvwMainDataFind(QStringLiteral("Zz~"), middle, true) != -1)
            state.SkipWithError("a row matched");
    }
}
BENCHMARK(BM_WindowFindNoMatch)
    ->Arg(BenchObjects)
    ->Arg(LargeBenchObjects)
    ->Unit(benchmark::kMillisecond);

// The desktop program started on the file, as from the command line: the
// time from starting the process to the first painting of a list with rows.
void BM_FreshWindow(benchmark::State &state)
{
    const QString path = BenchIndexFile(int(state.range(0)));
    for (auto _ : state) {
        const TFreshRun run =
            RunFreshProcess(QCoreApplication::applicationFilePath(),
                            {QStringLiteral("--fresh-window"), path, BenchLicenceFile()});
        const double painted = FreshFigure(run.Output, "painted_at_ns");
        if (!run.Ok || painted < 0) {
            state.SkipWithError("the child process failed");
            break;
        }
        state.SetIterationTime((painted - run.StartedAtNs) / 1e9);
        state.counters["cpu_ms"] = FreshFigure(run.Output, "cpu_ns") / 1e6;
    }
}
BENCHMARK(BM_FreshWindow)
    ->Arg(LargeBenchObjects)
    ->Iterations(1)
    ->Repetitions(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Notes the first painting of the list once it has rows.
class TFirstListPaint : public QObject {
public:
    explicit TFirstListPaint(const TfrmMain &window) : Window(window) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && Window.BinaryFile().GetCount() > 0)
            Painted = true;
        return false;
    }
    bool Painted = false;

private:
    const TfrmMain &Window;
};

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

// A text export of one codeunit of about the given number of lines: code
// with keywords, strings and comments on every line.
QString WriteLongObject(const QTemporaryDir &folder, int lines)
{
    QByteArray text = "OBJECT Codeunit 50000 Long\r\n{\r\n  OBJECT-PROPERTIES\r\n  {\r\n"
                      "    Date=01/02/03;\r\n    Time=10:15:30;\r\n  }\r\n  PROPERTIES\r\n"
                      "  {\r\n    OnRun=BEGIN\r\n";
    for (int line = 0; line < lines - 16; line += 2) {
        text += "            IF Amount > " + QByteArray::number(line) +
                " THEN BEGIN { a comment }\r\n"
                "              Text := 'a string'; END; // a remark\r\n";
    }
    text += "          END;\r\n\r\n  }\r\n  CODE\r\n  {\r\n\r\n    BEGIN\r\n    END.\r\n"
            "  }\r\n}\r\n";
    const QString path = QDir(folder.path()).filePath(QStringLiteral("long.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return QString();
    return path;
}

// Notes the first painting of a widget.
class TFirstPaint : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            Painted = true;
        return false;
    }
    bool Painted = false;
};

// Whether the line of the view has colours.
bool Coloured(const TCodeView &view, int line)
{
    const QTextBlock block = view.document()->findBlockByNumber(line);
    return block.isValid() && !block.layout()->formats().isEmpty();
}

// View Object Text on an object of 50,000 lines: from the command to the
// viewer painted with its first screen coloured. The rest of the text is
// appended while the program is idle; `whole_text_ms` is the time on the
// clock from the command until its last line is in.
void BM_WindowObjectText(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = WriteLongObject(folder, int(state.range(0)));
    auto window = ShownWindow();
    window->OpenFile(path);
    window->lvwMain->setCurrentIndex(window->ListModel().index(0, 0));
    QApplication::processEvents();
    int lines = 0;
    double wholeTextNs = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        window->actObjectViewText->trigger();
        const QList<TfrmObjectText *> viewers = window->findChildren<TfrmObjectText *>();
        if (viewers.size() != 1) {
            state.SkipWithError("no viewer opened");
            break;
        }
        TCodeView &view = *viewers.front()->txtObject;
        TFirstPaint paint;
        view.viewport()->installEventFilter(&paint);
        while (!paint.Painted && clock.elapsed() < 10'000)
            QApplication::processEvents();
        state.PauseTiming();
        // A line of code of the first screen.
        if (!paint.Painted || !Coloured(view, 10)) {
            state.SkipWithError("the first screen was not shown coloured");
            break;
        }
        while (view.IsLoading())
            QApplication::processEvents();
        wholeTextNs += double(clock.nsecsElapsed());
        lines = view.blockCount();
        if (!Coloured(view, lines - 3)) {
            state.SkipWithError("the last lines were not coloured");
            break;
        }
        view.viewport()->removeEventFilter(&paint);
        delete viewers.front();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["lines"] = lines;
    state.counters["whole_text_ms"] =
        benchmark::Counter(wholeTextNs / 1e6, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WindowObjectText)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace

// The child's side of BM_FreshWindow: the program entry's steps, the window
// opening the file named as its argument.
int RunFreshWindowChild(int argc, char **argv, const QString &path, const QString &licence)
{
    QApplication application(argc, argv);
    // The window remembers recent files and its size: here in a folder
    // that goes with the run, not in the user's settings.
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    TfrmMain window(BenchLibrary(), BenchSettings(), QStringList{path}, licence);
    TFirstListPaint paint(window);
    window.lvwMain->viewport()->installEventFilter(&paint);
    window.show();
    for (int round = 0; round < 1000 && !paint.Painted; ++round)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    const double painted = MonotonicNs();
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::printf("painted_at_ns %.0f\ncpu_ns %.0f\nobjects %d\n", paint.Painted ? painted : -1.0,
                double(cpu.tv_sec) * 1e9 + double(cpu.tv_nsec), window.BinaryFile().GetCount());
    std::fflush(stdout);
    // Leaving at once skips every destructor, the folder's too.
    settingsFolder.remove();
    _exit(0);
}
