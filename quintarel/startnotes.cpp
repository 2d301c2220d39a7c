#include "startnotes.h"

#include "core/reading/filenames.h"

std::optional<QString> NoDisplayNote(const QString &platformOption, bool displayOption,
                                     const QProcessEnvironment &environment)
{
    QString platforms = platformOption;
    if (platforms.isEmpty())
        platforms = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    if (platforms.isEmpty())
        platforms = QStringLiteral("xcb");
    const bool x11 = displayOption || !environment.value(QStringLiteral("DISPLAY")).isEmpty();
    const bool wayland = !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    // Qt tries the plugins of a list such as "wayland;xcb" in turn; a name
    // may carry options after a colon.
    for (const QString &entry : platforms.split(u';', Qt::SkipEmptyParts)) {
        const QString name = entry.section(u':', 0, 0).trimmed();
        if (name == QLatin1String("xcb")                ? x11
            : name.startsWith(QLatin1String("wayland")) ? wayland
                                                        : true)
            return std::nullopt;
    }
    return QStringLiteral("quintarel: cannot open a window: no display; use quintarel-cli to list "
                          "files");
}

std::optional<QString> FilesNotOpenedNote(const QStringList &files)
{
    if (files.size() < 2)
        return std::nullopt;
    QStringList others;
    for (qsizetype i = 1; i < files.size(); ++i)
        others << FileNameForDisplay(files[i]);
    return QStringLiteral("quintarel: only the first file is opened; not opened: %1")
        .arg(others.join(QStringLiteral(", ")));
}
