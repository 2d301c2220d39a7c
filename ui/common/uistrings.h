// The texts the windows show to people, kept together as the program's
// string table; captions and hints of commands live in the form files.
// Each is looked up in the translation of the user's language when asked.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace UiStrings {

inline QString ApplicationTitle()
{
    return QCoreApplication::translate("UiStrings", "Quintarel");
}
// The file name, then the title.
inline QString TitleWithFile()
{
    return QCoreApplication::translate("UiStrings", "%1 - %2");
}
// Counts take the language's plural forms; English keeps "object(s)".
inline QString ObjectCount(int count)
{
    return QCoreApplication::translate("UiStrings", "%n object(s)", nullptr, count);
}
// The objects listed of all visible objects (the plural follows the total).
inline QString FilteredObjectCount(int listed, int total)
{
    return QCoreApplication::translate("UiStrings", "%1 of %n object(s)", nullptr, total)
        .arg(listed);
}
// What Export List wrote.
inline QString ObjectsExported(int count, const QString &fileName)
{
    return QCoreApplication::translate("UiStrings", "%n object(s) exported to %1", nullptr, count)
        .arg(fileName);
}
inline QString SystemObjectsHidden()
{
    return QCoreApplication::translate("UiStrings", " (system objects are hidden)");
}

inline QString AboutCaption()
{
    return QCoreApplication::translate("UiStrings", "About %1");
}
inline QString AboutVersion()
{
    return QCoreApplication::translate("UiStrings", "Version %1");
}
// The system's name, such as Linux or Windows.
inline QString AboutPhysicalMemory()
{
    return QCoreApplication::translate("UiStrings", "Physical memory available to %1:");
}
inline QString AboutSystemResources()
{
    return QCoreApplication::translate("UiStrings", "System resources:");
}
inline QString AboutOK()
{
    return QCoreApplication::translate("UiStrings", "OK");
}
inline QString MemoryKilobytes()
{
    return QCoreApplication::translate("UiStrings", "%1 KB");
}
inline QString MemoryFreeShare()
{
    return QCoreApplication::translate("UiStrings", "%1% Free");
}

// The dates of a file read in another order than the user's, and the choice of order.
// "month/day/year"
inline QString DatesReadAs()
{
    return QCoreApplication::translate("UiStrings", "; dates read as %1");
}
// The files of a folder whose dates read in no one order, each in its own.
inline QString DatesReadFileByFile()
{
    return QCoreApplication::translate("UiStrings", "; dates read file by file, in no one order");
}
inline QString ReadDatesAs()
{
    return QCoreApplication::translate("UiStrings", "Read Dates &As");
}
inline QString ReadDatesAsAutomatic()
{
    return QCoreApplication::translate("UiStrings", "&Automatic");
}
inline QString ReadDatesAsRegionalSettings()
{
    return QCoreApplication::translate("UiStrings", "&Regional Settings");
}
inline QString ReadDatesAsDayMonthYear()
{
    return QCoreApplication::translate("UiStrings", "&Day/Month/Year");
}
inline QString ReadDatesAsMonthDayYear()
{
    return QCoreApplication::translate("UiStrings", "&Month/Day/Year");
}
inline QString ReadDatesAsYearMonthDay()
{
    return QCoreApplication::translate("UiStrings", "&Year/Month/Day");
}

inline QString FolderMissing()
{
    return QCoreApplication::translate("UiStrings", "The folder \"%1\" does not exist");
}

} // namespace UiStrings
