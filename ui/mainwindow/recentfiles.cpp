#include "ui/mainwindow/recentfiles.h"

#include "core/reading/filenames.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const QString RecentFilesKey = QStringLiteral("recentFiles");

// A path shown as a menu caption: an ampersand in it is no accelerator.
QString MenuCaption(int number, const QString &path)
{
    QString shown = QDir::toNativeSeparators(FileNameForDisplay(path));
    shown.replace(u'&', QStringLiteral("&&"));
    return number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(shown)
                       : QStringLiteral("1&0 %1").arg(shown);
}

} // namespace

TRecentFiles::TRecentFiles(QMenu *menu, QObject *parent) : QObject(parent), FMenu(menu)
{
    connect(FMenu, &QMenu::aboutToShow, this, &TRecentFiles::FillMenu);
    FillMenu();
}

// Each name is kept as the system's bytes, so that one that is no UTF-8
// opens again; a text entry, as kept before, is read as it stands.
QStringList TRecentFiles::Files()
{
    QStringList files;
    for (const QVariant &entry : QSettings().value(RecentFilesKey).toList()) {
        const QString file = entry.typeId() == QMetaType::QByteArray
                                 ? DecodeFileName(entry.toByteArray())
                                 : entry.toString();
        if (!file.isEmpty())
            files << file;
    }
    return files.mid(0, Capacity);
}

void TRecentFiles::Add(const QString &fileName)
{
    const QString path = AbsoluteFileName(fileName);
    QStringList files = Files();
    files.removeAll(path);
    files.prepend(path);
    QVariantList entries;
    for (const QString &file : files.mid(0, Capacity))
        entries << EncodeFileName(file);
    QSettings().setValue(RecentFilesKey, entries);
}

void TRecentFiles::Clear()
{
    QSettings().remove(RecentFilesKey);
}

void TRecentFiles::FillMenu()
{
    FMenu->clear();
    const QStringList files = Files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction *entry = FMenu->addAction(MenuCaption(i + 1, path));
        entry->setEnabled(IsRegularFile(path) || IsFolder(path));
        connect(entry, &QAction::triggered, this, [this, path] { emit OpenRequested(path); });
    }
    if (!files.isEmpty()) {
        FMenu->addSeparator();
        connect(FMenu->addAction(tr("&Clear List")), &QAction::triggered, this, [this] {
            Clear();
            FillMenu();
        });
    }
    FMenu->menuAction()->setEnabled(!files.isEmpty());
}
