// What the desktop program says on standard error before or instead of its
// window: that it can't open one, and which files it did not open.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// The line to print when no window can open: the platform plugin to be
// used (the -platform option, else QT_QPA_PLATFORM, else xcb) needs a
// display that the environment doesn't name. Nothing when one is there or
// the plugin needs none (offscreen, minimal, vnc).
std::optional<QString> NoDisplayNote(const QString &platformOption, bool displayOption,
                                     const QProcessEnvironment &environment);

// Only the first file is opened; the line that names the others, if any.
std::optional<QString> FilesNotOpenedNote(const QStringList &files);
