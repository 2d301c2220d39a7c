#include "ui/mainwindow/readproblems.h"

#include "core/model/binaryfile.h"
#include "ui/common/errorbox.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// A box of a few hundred lines would reach beyond the screen: the first
// ones are shown, the rest counted.
constexpr int ShownLinesEach = 10;

// The heading, the first lines, and how many more there are.
QString Section(const QString &heading, const QStringList &lines)
{
    QStringList shown{heading};
    shown << lines.mid(0, ShownLinesEach);
    if (lines.size() > ShownLinesEach)
        shown << QCoreApplication::translate("TReadProblems", "and %n more", nullptr,
                                             int(lines.size()) - ShownLinesEach);
    return shown.join(u'\n');
}

} // namespace

QString ReadProblemsText(const TNavisionBinaryFile &model, const QString &side)
{
    const std::vector<TFileProblem> &problems = model.FileProblems();
    const QStringList &notes = model.Notes();
    if (problems.empty() && notes.isEmpty())
        return {};
    QStringList parts;
    if (!side.isEmpty())
        parts << side;
    if (!problems.empty()) {
        // Each message names its file.
        QStringList lines;
        for (const TFileProblem &problem : problems)
            lines << problem.Message;
        parts << Section(QCoreApplication::translate(
                             "TReadProblems",
                             "%n file(s) could not be read; the other files are listed:", nullptr,
                             int(problems.size())),
                         lines);
    }
    if (!notes.isEmpty())
        parts << Section(QCoreApplication::translate("TReadProblems",
                                                     "Objects that stand in more than one file:"),
                         notes);
    return parts.join(QStringLiteral("\n\n"));
}

void ShowReadProblems(const TNavisionBinaryFile &model, const QString &side)
{
    if (const QString text = ReadProblemsText(model, side); !text.isEmpty())
        ShowErrorBox(text);
}

QString ReadProblemsStatusText(const TNavisionBinaryFile &model)
{
    const auto count = int(model.FileProblems().size());
    return count == 0 ? QString()
                      : QCoreApplication::translate("TReadProblems", "; %n file(s) not read",
                                                    nullptr, count);
}
