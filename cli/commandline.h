// What both programs answer on their command line besides their own
// options: -h/--help, -v/--version, and a wrong command line refused with one
// line naming the problem, a hint, and exit status 2.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// A run that the command line alone ends: what to print, where, and the status.
struct TCommandLineExit {
    int Status = 0;
    QString Text; // ends with a line break
    bool ToStandardError = false;
};

class TCommandLine {
public:
    // Program is the name printed by --version and before a problem.
    TCommandLine(const QString &program, const QString &version, const QString &description);
    TCommandLine(const TCommandLine &) = delete;
    TCommandLine &operator=(const TCommandLine &) = delete;

    // For the program's own options and positional arguments.
    QCommandLineParser &Parser() { return FParser; }
    const QCommandLineParser &Parser() const { return FParser; }

    // Parses the whole command line, the program's name first. Empty when the
    // program goes on; else the help, the version or the refusal.
    std::optional<TCommandLineExit> Parse(const QStringList &arguments);
    // The answer to a command line that parsed but makes no sense.
    TCommandLineExit Refuse(const QString &problem) const;

private:
    QString HelpText() const;

    QString FProgram, FVersion;
    QCommandLineParser FParser;
    QCommandLineOption FHelpOption, FVersionOption;
};

// Prints the text to standard output or error; returns the exit status.
int PrintCommandLineExit(const TCommandLineExit &exit);
