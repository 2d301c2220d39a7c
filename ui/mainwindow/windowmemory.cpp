#include "ui/mainwindow/windowmemory.h"

#include "ui/common/filedialog.h"

#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMainWindow>
#include <QSettings>

namespace {

const QString GeometryKey = QStringLiteral("window/geometry");
const QString StateKey = QStringLiteral("window/state");
const QString ColumnWidthsKey = QStringLiteral("list/columnWidths");

QString FolderKey(const QString &name)
{
    return QStringLiteral("folders/") + name;
}

} // namespace

TWindowMemory::TWindowMemory(QMainWindow *window, QHeaderView *columns)
    : QObject(window), Window(window), Columns(columns)
{
    Restore();
    Window->installEventFilter(this);
}

void TWindowMemory::Restore()
{
    const QSettings settings;
    if (const QByteArray geometry = settings.value(GeometryKey).toByteArray(); !geometry.isEmpty())
        Window->restoreGeometry(geometry);
    if (const QByteArray state = settings.value(StateKey).toByteArray(); !state.isEmpty())
        Window->restoreState(state);
    const QVariantList widths = settings.value(ColumnWidthsKey).toList();
    for (int column = 0; column < std::min(int(widths.size()), Columns->count()); ++column) {
        bool ok = false;
        const int width = widths[column].toInt(&ok);
        if (ok && width > 0)
            Columns->resizeSection(column, width);
    }
}

void TWindowMemory::Store() const
{
    QSettings settings;
    settings.setValue(GeometryKey, Window->saveGeometry());
    settings.setValue(StateKey, Window->saveState());
    QVariantList widths;
    for (int column = 0; column < Columns->count(); ++column)
        widths << Columns->sectionSize(column);
    settings.setValue(ColumnWidthsKey, widths);
}

bool TWindowMemory::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Window && event->type() == QEvent::Close)
        Store();
    return QObject::eventFilter(watched, event);
}

void TWindowMemory::RememberFolder(TFileDialog &dialog, const QString &name)
{
    dialog.Folder = QSettings().value(FolderKey(name)).toString();
    dialog.OnConfirmed = [name](const QString &path) {
        QSettings().setValue(FolderKey(name), QFileInfo(path).absolutePath());
    };
}
