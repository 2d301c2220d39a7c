#include "startoptions.h"

#include <QCommandLineParser>

TStartOptions ParseStartArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption licence(QStringLiteral("license"),
                                     QStringLiteral("Start with this licence file."),
                                     QStringLiteral("FILE"));
    parser.addOption(licence);
    TStartOptions options;
    if (!parser.parse(QStringList{QStringLiteral("quintarel")} + arguments)) {
        options.Error = parser.errorText();
        return options;
    }
    const QStringList licences = parser.values(licence);
    if (!licences.isEmpty() && licences.back().isEmpty()) {
        options.Error = QStringLiteral("--license needs a file name");
        return options;
    }
    options.LicenceFile = licences.value(licences.size() - 1);
    options.Files = parser.positionalArguments();
    return options;
}
