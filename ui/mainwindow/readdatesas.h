// The View menu's "Read Dates As" choice: the date order the model reads the
// dates of object files in (Automatic by default), and the status text that
// tells when a file's dates were read in another order than the user's.
#pragma once

#include "core/model/binaryfile.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class TCommandManager;

class TReadDatesAsMenu : public QObject {
    Q_OBJECT

public:
    // Adds the submenu at the end of the menu; its commands tick themselves
    // through the command manager. Choosing another order runs reopen.
    TReadDatesAsMenu(QMenu &menu, TCommandManager &commands, TNavisionBinaryFile &model,
                     std::function<void()> reopen);

    QMenu *mnuViewReadDatesAs;
    QAction *actViewReadDatesAsAutomatic;
    QAction *actViewReadDatesAsRegionalSettings;
    QAction *actViewReadDatesAsDayMonthYear;
    QAction *actViewReadDatesAsMonthDayYear;
    QAction *actViewReadDatesAsYearMonthDay;

private:
    void Choose(TDateOrderChoice choice);

    TNavisionBinaryFile &Model;
    std::function<void()> Reopen;
};

// Empty while the loaded file's dates were read in the user's own order;
// else the text that says in which, to follow the status bar's count.
QString DatesReadAsStatusText(const TNavisionBinaryFile &model);
