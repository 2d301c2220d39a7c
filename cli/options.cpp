#include "options.h"

#include <array>

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

TListerCommandLine Wrong(const QString &error)
{
    return {std::nullopt, error};
}

} // namespace

TListerCommandLine ParseListerArguments(const QStringList &arguments)
{
    TListerOptions options;
    QStringList files;
    bool onlyFilesFollow = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (onlyFilesFollow || !argument.startsWith(u'-') || argument == u"-") {
            files << argument;
            continue;
        }
        // Options with a value take it from the next argument or after "=".
        QString name = argument, value;
        bool hasValue = false;
        if (const qsizetype equals = argument.indexOf(u'='); equals > 0) {
            name = argument.left(equals);
            value = argument.mid(equals + 1);
            hasValue = true;
        }
        const auto takeValue = [&]() -> std::optional<QString> {
            if (hasValue)
                return value;
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };

        if (name == u"--") {
            onlyFilesFollow = true;
        } else if (name == u"--help" || name == u"-h") {
            options.Help = true;
        } else if (name == u"--descending") {
            options.Descending = true;
        } else if (name == u"--hide-system") {
            options.HideSystemObjects = true;
        } else if (name == u"--sort") {
            const auto text = takeValue();
            if (!text)
                return Wrong(QStringLiteral("--sort needs a key"));
            const auto key = SortKeyFromText(*text);
            if (!key)
                return Wrong(QStringLiteral("Unknown sort key \"%1\"").arg(*text));
            options.SortKey = *key;
        } else if (name == u"--license" || name == u"--export") {
            const auto text = takeValue();
            if (!text || text->isEmpty())
                return Wrong(QStringLiteral("%1 needs a file name").arg(name));
            (name == u"--license" ? options.LicenseFile : options.ExportFile) = *text;
        } else {
            return Wrong(QStringLiteral("Unknown option \"%1\"").arg(argument));
        }
    }
    if (options.Help)
        return {options, QString()};
    if (files.size() != 1)
        return Wrong(files.isEmpty() ? QStringLiteral("No object file given")
                                     : QStringLiteral("Only one object file can be listed"));
    options.FileName = files.front();
    return {options, QString()};
}

QString ListerUsage()
{
    return QStringLiteral(
        "Usage: quintarel-cli [--sort KEY] [--descending] [--hide-system] [--license FILE]\n"
        "                     [--export OUT] FILE\n"
        "\n"
        "Lists the objects of a Navision object or backup file (FILE) with the rights\n"
        "that the licence grants: type, ID, name, date/time, size, version list and\n"
        "permission letters, separated by TAB, one object a line.\n"
        "\n"
        "  --sort KEY       type, id, name, datetime, size, version or permissions\n"
        "                   (or 0 to 6); type by default\n"
        "  --descending     sort in descending order\n"
        "  --hide-system    leave out system objects (IDs from 2000000000, negative IDs)\n"
        "  --license FILE   look the permissions up in this licence file\n"
        "  --export OUT     write the list to OUT as the program's Export List does\n"
        "                   (code page 850, CR LF, no permissions) and print nothing\n"
        "  --help           show this text\n"
        "\n"
        "Exit status: 0 on success, 1 when the file can't be read or written, 2 for a\n"
        "wrong command line.\n");
}
