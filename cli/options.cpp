#include "options.h"

#include <QCommandLineOption>

#include <array>
#include <utility>

namespace {

// The sort keys by name, in the order of their numbers.
constexpr std::array<const char *, 7> SortKeyNames{"type", "id",      "name",       "datetime",
                                                   "size", "version", "permissions"};

std::optional<int32_t> SortKeyFromText(const QString &text)
{
    for (size_t key = 0; key < SortKeyNames.size(); ++key) {
        if (text.compare(QLatin1String(SortKeyNames[key]), Qt::CaseInsensitive) == 0)
            return int32_t(key);
    }
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber && number >= 0 && number < int(SortKeyNames.size()))
        return number;
    return std::nullopt;
}

// The date order choices by name.
constexpr std::array<std::pair<const char *, TDateOrderChoice>, 5> DateOrderNames{
    {{"auto", TDateOrderChoice::Automatic},
     {"locale", TDateOrderChoice::RegionalSettings},
     {"dmy", TDateOrderChoice::DMY},
     {"mdy", TDateOrderChoice::MDY},
     {"ymd", TDateOrderChoice::YMD}}};

std::optional<TDateOrderChoice> DateOrderFromText(const QString &text)
{
    for (const auto &[name, choice] : DateOrderNames) {
        if (text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return choice;
    }
    return std::nullopt;
}

const QString Description =
    QStringLiteral("Lists the objects of Navision object or backup files with the rights that the\n"
                   "licence grants: type, ID, name, date/time, size, version list and permission\n"
                   "letters, separated by TAB, one object a line, in UTF-8.\n"
                   "\n"
                   "With --compare OLD NEW, one line per object that NEW adds, removes or\n"
                   "changes against OLD: added, removed or changed; the changed fields (name,\n"
                   "datetime, size, version); type; ID; old and new name, date/time, size and\n"
                   "version list; the permission letters of NEW's object; in any --format.\n"
                   "\n"
                   "A file name that begins with - goes after --.\n"
                   "\n"
                   "Exit status: 0 on success (with --compare: the files hold the same\n"
                   "objects), 3 with --compare when they differ, 1 when a file can't be read\n"
                   "or written, 2 for a wrong command line.");

// Every option of the lister. An option is declared here, read into
// TListerOptions in ReadOptions, and documented in the manual page.
struct TListerParser {
    TCommandLine CommandLine{QStringLiteral("quintarel-cli"), QStringLiteral(QUINTAREL_VERSION),
                             Description};
    QCommandLineOption Sort{
        QStringLiteral("sort"),
        QStringLiteral("Sort by KEY: type, id, name, datetime, size, version or permissions "
                       "(or 0 to 6); type by default."),
        QStringLiteral("KEY")};
    QCommandLineOption Descending{QStringLiteral("descending"),
                                  QStringLiteral("Sort in descending order.")};
    QCommandLineOption HideSystem{
        QStringLiteral("hide-system"),
        QStringLiteral("Leave out system objects (IDs from 2000000000, negative IDs).")};
    QCommandLineOption License{QStringLiteral("license"),
                               QStringLiteral("Look the permissions up in this licence file."),
                               QStringLiteral("FILE")};
    QCommandLineOption Export{
        QStringLiteral("export"),
        QStringLiteral("Write the list to OUT (- for standard output) as the program's Export "
                       "List does (code page 850, CR LF, no permissions) and print nothing else."),
        QStringLiteral("OUT")};
    QCommandLineOption DateOrder{
        QStringLiteral("date-order"),
        QStringLiteral("Read dates in ORDER: auto (the regional settings' order; where a date "
                       "doesn't convert in it, the first of dmy, mdy and ymd that reads the whole "
                       "file), locale (the regional settings' order alone), dmy, mdy or ymd; auto "
                       "by default."),
        QStringLiteral("ORDER")};
    QCommandLineOption Format{
        QStringLiteral("format"),
        QStringLiteral("Output format: tsv (by default), csv (RFC 4180, with a header line) or "
                       "json (one array of objects). CSV and JSON give ISO 8601 date-times."),
        QStringLiteral("FORMAT")};
    QCommandLineOption Header{QStringLiteral("header"),
                              QStringLiteral("Begin the TSV output with a line of field names.")};
    QCommandLineOption IsoDates{
        QStringLiteral("iso-dates"),
        QStringLiteral("Write date-times as ISO 8601 (2015-09-15T12:00:00) in TSV too.")};
    QCommandLineOption Raw{
        QStringLiteral("raw"),
        QStringLiteral("CSV: write texts as they are, without the ' put before a name, version "
                       "list or file that begins with =, +, -, @, TAB or CR.")};

    QCommandLineOption Compare{
        QStringLiteral("compare"),
        QStringLiteral("Compare two files, FILE OLD and NEW: print what NEW adds, removes and "
                       "changes; exit status 3 when they differ.")};
    QCommandLineOption All{QStringLiteral("all"),
                           QStringLiteral("With --compare, print the unchanged objects too.")};
    QCommandLineOption Diff{
        QStringLiteral("diff"),
        QStringLiteral("With --compare of text exports, print the unified difference (as diff -u "
                       "writes it) of each object whose text changed.")};

    TListerParser()
    {
        QCommandLineParser &parser = CommandLine.Parser();
        for (const QCommandLineOption *option :
             {&Sort, &Descending, &HideSystem, &License, &Export, &DateOrder, &Format, &Header,
              &IsoDates, &Raw, &Compare, &All, &Diff})
            parser.addOption(*option);
        parser.addPositionalArgument(
            QStringLiteral("FILE"),
            QStringLiteral(
                "Object (.fob) or backup (.fbk) files; - for standard input; two with --compare."),
            QStringLiteral("FILE..."));
    }

    // The options' values; the problem of the first that makes no sense.
    std::optional<QString> ReadOptions(TListerOptions &options) const
    {
        const QCommandLineParser &parser = CommandLine.Parser();
        if (parser.isSet(Sort)) {
            const QString text = parser.value(Sort);
            const auto key = SortKeyFromText(text);
            if (!key)
                return QStringLiteral("Unknown sort key \"%1\"").arg(text);
            options.SortKey = *key;
        }
        if (parser.isSet(DateOrder)) {
            const QString text = parser.value(DateOrder);
            const auto choice = DateOrderFromText(text);
            if (!choice)
                return QStringLiteral("Unknown date order \"%1\"").arg(text);
            options.DateOrder = *choice;
        }
        options.Descending = parser.isSet(Descending);
        options.HideSystemObjects = parser.isSet(HideSystem);
        for (const auto &[option, target] :
             {std::pair{&License, &options.LicenseFile}, std::pair{&Export, &options.ExportFile}}) {
            if (!parser.isSet(*option))
                continue;
            *target = parser.value(*option);
            if (target->isEmpty())
                return QStringLiteral("--%1 needs a file name").arg(option->names().constFirst());
        }
        if (const auto problem = ReadOutput(options))
            return problem;
        options.Compare = parser.isSet(Compare);
        options.All = parser.isSet(All);
        options.Diff = parser.isSet(Diff);
        options.Files = parser.positionalArguments();
        if (options.Compare)
            return ComparisonProblem(options);
        if (options.All)
            return QStringLiteral("--all goes only with --compare");
        if (options.Diff)
            return QStringLiteral("--diff goes only with --compare");
        if (options.Files.isEmpty())
            return QStringLiteral("No object file given");
        if (options.Files.count(QStringLiteral("-")) > 1)
            return QStringLiteral("Standard input (-) can be read only once");
        if (options.Files.size() > 1 && !options.ExportFile.isEmpty() && options.ExportFile != u"-")
            return QStringLiteral("--export to a file takes one object file; --export - writes "
                                  "the exports of several one after the other");
        options.Output.FileColumn = options.Files.size() > 1; // TSV; CSV and JSON always
        return std::nullopt;
    }

    std::optional<QString> ReadOutput(TListerOptions &options) const
    {
        const QCommandLineParser &parser = CommandLine.Parser();
        TListFormatOptions &output = options.Output;
        if (parser.isSet(Format)) {
            const auto format = ListFormatFromName(parser.value(Format));
            if (!format)
                return QStringLiteral("Unknown format \"%1\"").arg(parser.value(Format));
            output.Format = *format;
        }
        output.Header = parser.isSet(Header) || output.Format == TListFormat::Csv;
        output.IsoDates = parser.isSet(IsoDates) || output.Format != TListFormat::Tsv;
        output.Raw = parser.isSet(Raw);
        if (output.Format == TListFormat::Json && parser.isSet(Header))
            return QStringLiteral("--header is for the tsv and csv formats");
        if (output.Raw && output.Format != TListFormat::Csv)
            return QStringLiteral("--raw is for the csv format");
        // The export is the window's Export List, byte for byte.
        if (!options.ExportFile.isEmpty() && (parser.isSet(Format) || parser.isSet(Header) ||
                                              parser.isSet(IsoDates) || parser.isSet(Raw)))
            return QStringLiteral("--export writes the Export List's own format; --format, "
                                  "--header, --iso-dates and --raw don't apply to it");
        return std::nullopt;
    }

    // A comparison prints its own order, in the format asked for.
    std::optional<QString> ComparisonProblem(const TListerOptions &options) const
    {
        const QCommandLineParser &parser = CommandLine.Parser();
        for (const QCommandLineOption *option : {&Sort, &Descending, &Export}) {
            if (parser.isSet(*option))
                return QStringLiteral("--%1 does not go with --compare")
                    .arg(option->names().constFirst());
        }
        if (options.Files.size() != 2)
            return QStringLiteral("--compare needs two object files, the old and the new");
        // The differences of the texts are all a --diff writes.
        if (options.Diff && options.All)
            return QStringLiteral("--all does not go with --diff");
        if (options.Files.count(QStringLiteral("-")) > 1)
            return QStringLiteral("Standard input (-) can be read only once");
        return std::nullopt;
    }
};

} // namespace

TListerCommandLine ParseListerArguments(const QStringList &arguments)
{
    TListerParser parser;
    if (const auto exit = parser.CommandLine.Parse(QStringList{"quintarel-cli"} + arguments))
        return {std::nullopt, *exit};
    TListerOptions options;
    if (const auto problem = parser.ReadOptions(options))
        return {std::nullopt, parser.CommandLine.Refuse(*problem)};
    return {options, {}};
}
