#include "ui/common/busycursor.h"

#include <QApplication>
#include <QCursor>

TBusyCursor::TBusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TBusyCursor::~TBusyCursor()
{
    // Every override goes, so the pointer is the normal one again.
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}
