#include "windowoptions.h"

#include <QCommandLineOption>

namespace {

// The options QGuiApplication and QApplication take from the command line
// themselves; accepted here unseen in the help, so they reach Qt unrefused.
constexpr const char *QtOptionsWithValue[] = {"platform",        "platformpluginpath",
                                              "platformtheme",   "plugin",
                                              "qwindowgeometry", "geometry",
                                              "qwindowicon",     "icon",
                                              "qwindowtitle",    "title",
                                              "display",         "name",
                                              "session",         "style",
                                              "stylesheet",      "qmljsdebugger"};
constexpr const char *QtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

const QString Description = QStringLiteral(
    "Lists the objects of a Navision object or backup file with the rights that the\n"
    "active licence grants, in a window.");

} // namespace

TWindowCommandLine ParseWindowArguments(const QStringList &arguments)
{
    TCommandLine commandLine(QStringLiteral("quintarel"), QStringLiteral(QUINTAREL_VERSION),
                             Description);
    QCommandLineParser &parser = commandLine.Parser();
    // Qt's window options are single-dash words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *name : QtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : QtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    const QCommandLineOption licence(
        QStringLiteral("license"),
        QStringLiteral("Start with this licence file instead of the one loaded last."),
        QStringLiteral("FILE"));
    parser.addOption(licence);
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("The object (.fob) or backup (.fbk) file to open; further files are "
                       "ignored."),
        QStringLiteral("[FILE]"));

    if (const auto exit = commandLine.Parse(arguments))
        return {std::nullopt, {}, *exit, {}, false};
    const QString licenceFile = parser.value(licence);
    if (parser.isSet(licence) && licenceFile.isEmpty())
        return {std::nullopt,
                {},
                commandLine.Refuse(QStringLiteral("--license needs a file name")),
                {},
                false};
    return {parser.positionalArguments(),
            licenceFile,
            {},
            parser.value(QStringLiteral("platform")),
            parser.isSet(QStringLiteral("display"))};
}
