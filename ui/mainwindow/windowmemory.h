// What the main window remembers between runs in the program's settings:
// its size, place and state, the widths of the list's columns, and the
// folder each file dialog was last confirmed in. The sort order is not
// among them: every run starts sorted by type, ascending.
#pragma once

#include <QObject>
#include <QString>

class QHeaderView;
class QMainWindow;
class TFileDialog;

class TWindowMemory : public QObject {
    Q_OBJECT

public:
    // Restores what was stored (where there is anything), and stores it
    // again whenever the window is closed.
    TWindowMemory(QMainWindow *window, QHeaderView *columns);

    // A dialog starts in the folder stored under the name and stores the
    // folder of every file confirmed in it.
    static void RememberFolder(TFileDialog &dialog, const QString &name);

    void Restore();
    void Store() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMainWindow *Window;
    QHeaderView *Columns;
};
