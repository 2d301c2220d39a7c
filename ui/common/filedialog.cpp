#include "ui/common/filedialog.h"

#include "core/reading/filenames.h"
#include "ui/common/uistrings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

// The desktop's own dialog where it offers one, else Qt's; a save dialog
// also refuses a path whose folder is missing.
class TQtFileDialog : public QFileDialog {
public:
    TQtFileDialog(QWidget *parent, const TFileDialog &setup) : QFileDialog(parent), Kind(setup.Kind)
    {
        if (!setup.Title.isEmpty())
            setWindowTitle(setup.Title);
        setNameFilters(setup.Filters);
        if (!setup.Filters.isEmpty())
            selectNameFilter(setup.Filters.front());
        if (Kind == TFileDialog::TKind::Open) {
            setAcceptMode(QFileDialog::AcceptOpen);
            setFileMode(QFileDialog::ExistingFile);
        } else if (Kind == TFileDialog::TKind::Folder) {
            setAcceptMode(QFileDialog::AcceptOpen);
            setFileMode(QFileDialog::Directory);
            setOption(QFileDialog::ShowDirsOnly);
        } else {
            setAcceptMode(QFileDialog::AcceptSave);
            setFileMode(QFileDialog::AnyFile);
            setDefaultSuffix(setup.DefaultSuffix);
        }
        if (!setup.FileName.isEmpty()) {
            const QFileInfo proposed(setup.FileName);
            setDirectory(proposed.absolutePath());
            selectFile(proposed.fileName());
        } else if (!setup.Folder.isEmpty() && QFileInfo(setup.Folder).isDir()) {
            setDirectory(setup.Folder);
        }
    }

    void accept() override
    {
        if (Kind == TFileDialog::TKind::Save) {
            const QString chosen = selectedFiles().value(0);
            const QDir folder = QFileInfo(chosen).absoluteDir();
            if (!chosen.isEmpty() && !folder.exists()) {
                QMessageBox::warning(this, windowTitle(),
                                     UiStrings::FolderMissing().arg(
                                         QDir::toNativeSeparators(folder.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }

private:
    TFileDialog::TKind Kind;
};

std::optional<QString> RunQtFileDialog(QWidget *parent, const TFileDialog &setup)
{
    TQtFileDialog dialog(parent, setup);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedUrls().isEmpty())
        return std::nullopt;
    // By its URL: a name that is no UTF-8 keeps its bytes where the dialog gives them.
    const QString chosen = FileNameFromUrl(dialog.selectedUrls().front());
    if (chosen.isEmpty())
        return std::nullopt;
    return AbsoluteFileName(chosen);
}

TFileDialog::TRunner &Runner()
{
    static TFileDialog::TRunner runner = RunQtFileDialog;
    return runner;
}

} // namespace

TFileDialog::TFileDialog(TKind kind, QString title, QStringList filters, QString defaultSuffix)
    : Kind(kind), Title(std::move(title)), Filters(std::move(filters)),
      DefaultSuffix(std::move(defaultSuffix))
{
}

bool TFileDialog::Execute(QWidget *parent)
{
    const std::optional<QString> chosen = Runner()(parent, *this);
    if (!chosen)
        return false;
    FileName = *chosen;
    Folder = QFileInfo(FileName).absolutePath();
    if (OnConfirmed)
        OnConfirmed(FileName);
    return true;
}

TFileDialog::TRunner TFileDialog::SetRunner(TRunner runner)
{
    TRunner previous = Runner();
    Runner() = runner ? std::move(runner) : TRunner(RunQtFileDialog);
    return previous;
}

void TFileDialog::StartBeside(const QString &fileName)
{
    if (fileName.isEmpty())
        return;
    const QString folder = QFileInfo(AbsoluteFileName(fileName)).path();
    if (QFileInfo(FileName).path() != folder)
        FileName.clear();
    Folder = folder;
}
