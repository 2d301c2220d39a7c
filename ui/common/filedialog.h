// A file dialog as a window sets it up once (kind, title, file types, the
// extension added to a bare name) that proposes the file chosen at its last
// confirmed use in this run.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

class TFileDialog {
public:
    enum class TKind {
        Open,   // only an existing file can be chosen
        Save,   // the folder must exist; an existing file needs confirming
        Folder, // only an existing folder can be chosen; the filters are not used
    };

    // Shows the dialog and gives the chosen full path, or nothing when the
    // user cancels. Tests put their own in place of the real dialog.
    using TRunner =
        std::function<std::optional<QString>(QWidget *parent, const TFileDialog &dialog)>;

    TFileDialog(TKind kind, QString title, QStringList filters, QString defaultSuffix = {});

    // True when the user confirmed; FileName is then the chosen path.
    bool Execute(QWidget *parent);
    // Starts in the folder of the file (or folder) named; the file proposed
    // stays only when it lies there. Nothing changes for an empty name.
    void StartBeside(const QString &fileName);

    TKind Kind;
    QString Title; // empty: the platform's own title
    QStringList Filters;
    QString DefaultSuffix;
    QString FileName; // proposed at the next use; empty before the first
    // Where the dialog starts while it proposes no file; empty: the current folder.
    QString Folder;
    // Told of every confirmed choice, before Execute returns.
    std::function<void(const QString &path)> OnConfirmed;

    // Puts another runner in place and returns the one before; an empty
    // runner brings back the real dialog.
    static TRunner SetRunner(TRunner runner);
};
