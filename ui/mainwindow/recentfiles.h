// The files and folders opened last, newest first, kept between runs in the program's
// settings, and the File menu's Recent Files submenu that offers them.
#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

class TRecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int Capacity = 10;

    // Fills the menu from the settings each time it opens.
    TRecentFiles(QMenu *menu, QObject *parent = nullptr);

    // The files as the settings hold them now, newest first.
    static QStringList Files();
    // Puts the file or folder (as a full path) first; the oldest beyond ten drop out.
    static void Add(const QString &fileName);
    static void Clear();

    QMenu *Menu() const { return FMenu; }
    // Rebuilds the entries: "&1 path" and so on, a file or folder that no
    // longer exists greyed, then Clear List; the whole submenu greyed when empty.
    void FillMenu();

signals:
    void OpenRequested(const QString &fileName);

private:
    QMenu *FMenu;
};
