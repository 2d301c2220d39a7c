// What the window tests share: small object files and licence files written
// on the spot, the error box and the file dialogs replaced by recorders, and
// a main window on the real database access library.
#pragma once

#include "core/reading/regionalsettings.h"
#include "entries.h"
#include "ui/common/errorbox.h"
#include "ui/common/filedialog.h"
#include "ui/mainwindow/mainform.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// Index entries as the ERP lays them out (161 bytes, two lines ended by CR LF).
using TTestEntry = TEntryFields;
inline QByteArray IndexEntry(const TTestEntry &entry)
{
    return Entry(entry);
}
inline QByteArray IndexEntry(const QByteArray &tag, int id, const QByteArray &name)
{
    return Entry(tag, QByteArray::number(id), name);
}

// Writes the entries, then the 0x1A that ends the index; returns the path.
QString WriteObjectFile(const QTemporaryDir &folder, const QString &name,
                        const QList<QByteArray> &entries);
// Writes a licence file of the library's text format; returns the path.
QString WriteLicenseFile(const QTemporaryDir &folder, const QString &name,
                         const QByteArray &contents);

// The demo object file of the samples, or empty when it isn't there.
QString DemoObjectFile();

// Every error box shown while it lives, in place of the message box.
class TErrorRecorder {
public:
    TErrorRecorder();
    ~TErrorRecorder();
    struct TBox {
        QString Caption;
        QString Text;
    };
    QList<TBox> Boxes;

private:
    TErrorBoxHandler Previous;
};

// Answers every file dialog with the queued answers (nothing = cancel) and
// records how each dialog was set up when shown.
class TDialogRecorder {
public:
    TDialogRecorder();
    ~TDialogRecorder();
    struct TShown {
        TFileDialog::TKind Kind;
        QString Title;
        QStringList Filters;
        QString DefaultSuffix;
        QString Proposed;
    };
    QList<std::optional<QString>> Answers;
    QList<TShown> Shown;

private:
    TFileDialog::TRunner Previous;
};

// The program's settings live in a temporary folder of the test's own
// (set up before the first window); ClearSettings empties them.
QString SettingsFolderPath();
void ClearSettings();

// Regional settings of their own, so dates read the same everywhere.
TRegionalSettings TestSettings();

// Settings (QSettings) under the program's names, in a folder of the test's
// own that lives until the test ends, and empty at first; CreateMainWindow
// calls it, so no window test reads or writes the user's settings.
void IsolateSettings();

// A main window on the real library; the sort order starts at Type,
// ascending, as at every program start.
std::unique_ptr<TfrmMain> CreateMainWindow(const QStringList &arguments = {},
                                           const QString &licenseFile = QString());

// The text of one cell of the list, as the view asks for it.
QString CellText(const TfrmMain &window, int row, int column);
// A column of the list, top to bottom.
QStringList ColumnTexts(const TfrmMain &window, int column);
// Lets the event loop go idle once, so the command rules run.
void GoIdle();
