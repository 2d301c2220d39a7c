#include "commandline.h"

#include <QCoreApplication>

#include <cstdio>

TCommandLine::TCommandLine(const QString &program, const QString &version,
                           const QString &description)
    : FProgram(program), FVersion(version),
      FHelpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                  QStringLiteral("Show this help and exit.")),
      FVersionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                     QStringLiteral("Show the program's name and version and exit."))
{
    FParser.setApplicationDescription(description);
    FParser.addOption(FHelpOption);
    FParser.addOption(FVersionOption);
}

namespace {

// The first word of the command line (before --) that gave an unknown
// option name: Qt names each letter of "-dash.fob" on its own.
QString UnknownOptionWord(const QStringList &arguments, const QStringList &unknownNames)
{
    for (const QString &word : arguments.mid(1)) {
        if (word == u"--")
            break;
        if (word.startsWith(u"--")) {
            if (unknownNames.contains(word.mid(2).section(u'=', 0, 0)))
                return word;
        } else if (word.startsWith(u'-') && word.size() > 1) {
            for (const QChar letter : word.mid(1)) {
                if (unknownNames.contains(QString(letter)))
                    return word;
            }
        }
    }
    return QString();
}

} // namespace

std::optional<TCommandLineExit> TCommandLine::Parse(const QStringList &arguments)
{
    if (!FParser.parse(arguments)) {
        const QString word = UnknownOptionWord(arguments, FParser.unknownOptionNames());
        if (word.size() > 2 && !word.startsWith(u"--"))
            return Refuse(QStringLiteral("Unknown option \"%1\"; put -- before file names that "
                                         "begin with - (%2 -- %1)")
                              .arg(word, FProgram));
        return Refuse(FParser.errorText());
    }
    // Help and version win over anything else on the line, as with most tools.
    if (FParser.isSet(FHelpOption))
        return TCommandLineExit{0, HelpText(), false};
    if (FParser.isSet(FVersionOption))
        return TCommandLineExit{0, FProgram + u' ' + FVersion + u'\n', false};
    return std::nullopt;
}

// Qt's help names the program as it was called (or not at all without an
// application object); the usage line names it as it is installed.
QString TCommandLine::HelpText() const
{
    QString help = FParser.helpText();
    const QString called = QCoreApplication::instance() && !QCoreApplication::arguments().isEmpty()
                               ? QCoreApplication::arguments().constFirst()
                               : QStringLiteral("<executable_name>");
    const QString usage = QStringLiteral("Usage: ");
    if (help.startsWith(usage + called))
        help.replace(usage.size(), called.size(), FProgram);
    return help;
}

TCommandLineExit TCommandLine::Refuse(const QString &problem) const
{
    // Ended by a period, as Qt's own problems are.
    const QString sentence = problem.endsWith(u'.') ? problem : problem + u'.';
    return {2, FProgram + QStringLiteral(": ") + sentence + QStringLiteral("\nTry --help\n"), true};
}

int PrintCommandLineExit(const TCommandLineExit &exit)
{
    std::FILE *stream = exit.ToStandardError ? stderr : stdout;
    std::fputs(exit.Text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return exit.Status;
}
