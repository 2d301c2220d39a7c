#include "ui/mainwindow/recentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const QString RecentFilesKey = QStringLiteral("recentFiles");

// A path shown as a menu caption: an ampersand in it is no accelerator.
QString MenuCaption(int number, const QString &path)
{
    QString shown = QDir::toNativeSeparators(path);
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

QStringList TRecentFiles::Files()
{
    QStringList files = QSettings().value(RecentFilesKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, Capacity);
}

void TRecentFiles::Add(const QString &fileName)
{
    // A folder named with a closing separator is the same entry as without.
    const QString path = QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
    QStringList files = Files();
    files.removeAll(path);
    files.prepend(path);
    QSettings().setValue(RecentFilesKey, files.mid(0, Capacity));
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
        entry->setEnabled(QFileInfo::exists(path));
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
