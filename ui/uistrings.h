// The texts the windows show to people, kept together as the program's
// string table; captions and hints of commands live in the form files.
#pragma once

#include <QString>

namespace UiStrings {

inline const QString ApplicationTitle = QStringLiteral("Quintarel");
inline const QString TitleWithFile = QStringLiteral("%1 - %2"); // file name, title
inline const QString ObjectCount = QStringLiteral("%1 object(s)");
inline const QString SystemObjectsHidden = QStringLiteral(" (system objects are hidden)");

inline const QString AboutCaption = QStringLiteral("About %1");
inline const QString AboutVersion = QStringLiteral("Version %1");
inline const QString AboutPhysicalMemory = QStringLiteral("Physical memory available to Windows:");
inline const QString AboutSystemResources = QStringLiteral("System resources:");
inline const QString AboutOK = QStringLiteral("OK");
inline const QString MemoryKilobytes = QStringLiteral("%1 KB");
inline const QString MemoryFreeShare = QStringLiteral("%1% Free");

// The dates of a file read in another order than the user's, and the choice of order.
inline const QString DatesReadAs = QStringLiteral("; dates read as %1"); // "month/day/year"
inline const QString ReadDatesAs = QStringLiteral("Read Dates &As");
inline const QString ReadDatesAsAutomatic = QStringLiteral("&Automatic");
inline const QString ReadDatesAsRegionalSettings = QStringLiteral("&Regional Settings");
inline const QString ReadDatesAsDayMonthYear = QStringLiteral("&Day/Month/Year");
inline const QString ReadDatesAsMonthDayYear = QStringLiteral("&Month/Day/Year");
inline const QString ReadDatesAsYearMonthDay = QStringLiteral("&Year/Month/Day");

inline const QString FolderMissing = QStringLiteral("The folder \"%1\" does not exist");

} // namespace UiStrings
