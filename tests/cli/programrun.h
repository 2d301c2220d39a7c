// Runs a program under test in a process of its own, as its users run it.
#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// What a run left: the exit status (-1 when the program crashed or did not
// end within 30 seconds) and its output.
struct TRun {
    int ExitCode = -1;
    QByteArray Out, Err;
    // The lines of standard output, without the empty one after the last LF.
    QList<QByteArray> Lines() const
    {
        QList<QByteArray> lines = Out.split('\n');
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast();
        return lines;
    }
};

// The program with the arguments under the locale's regional settings
// (LC_ALL), the input on its standard input, and without the environment
// variables named.
inline TRun RunProgram(const QString &program, const QStringList &arguments,
                       const QString &locale = QStringLiteral("en_US.UTF-8"),
                       const QByteArray &input = {}, const QStringList &unset = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : unset)
        environment.remove(name);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

#ifdef QUINTAREL_CLI
// quintarel-cli under the locale's regional settings with the input on its
// standard input. The demo licence is named unless the arguments name one,
// so that no note on a missing licence stands on standard error.
inline TRun RunLister(QStringList arguments, const QString &locale = QStringLiteral("en_US.UTF-8"),
                      const QByteArray &input = {})
{
    if (!arguments.contains(QStringLiteral("--license")))
        arguments = QStringList{QStringLiteral("--license"),
                                QStringLiteral(QUINTAREL_SAMPLES "/demo.flf")} +
                    arguments;
    return RunProgram(QStringLiteral(QUINTAREL_CLI), arguments, locale, input);
}
#endif
