#include "ui/common/screenfit.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

QRect FitClientRect(const QRect &client, const QMargins &frame, const QRect &available,
                    bool resizable)
{
    QRect outer = client.marginsAdded(frame);
    if (resizable) {
        outer.setWidth(std::min(outer.width(), available.width()));
        outer.setHeight(std::min(outer.height(), available.height()));
    }
    // Right and bottom first, so that the top-left corner (with the title
    // bar and the menus) wins where the window is larger than the area.
    outer.moveRight(std::min(outer.right(), available.right()));
    outer.moveBottom(std::min(outer.bottom(), available.bottom()));
    outer.moveLeft(std::max(outer.left(), available.left()));
    outer.moveTop(std::max(outer.top(), available.top()));
    return outer.marginsRemoved(frame);
}

QRect AvailableArea(const QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QMargins FrameMargins(const QWidget &window)
{
    if (const QWindow *handle = window.windowHandle())
        return handle->frameMargins();
    return {};
}

bool IsOnScreen(const QWidget &window, const QRect &client)
{
    const QRect available = AvailableArea(window);
    return available.isEmpty() || available.contains(client.marginsAdded(FrameMargins(window)));
}

void KeepOnScreen(QWidget &window)
{
    const QRect available = AvailableArea(window);
    if (available.isEmpty() || window.isMaximized() || window.isFullScreen())
        return;
    const bool resizable = window.minimumSize() != window.maximumSize();
    const QMargins frame = FrameMargins(window);
    const QRect fitted = FitClientRect(window.geometry(), frame, available, resizable);
    if (fitted.size() != window.size())
        window.resize(fitted.size().expandedTo(window.minimumSize()));
    // A window moves by the top-left corner of its frame.
    const QPoint framePosition = fitted.topLeft() - QPoint(frame.left(), frame.top());
    if (framePosition != window.pos())
        window.move(framePosition);
}

bool TScreenFitter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *window = static_cast<QWidget *>(watched);
        const Qt::WindowType type = window->windowType();
        if (window->isWindow() && type != Qt::Popup && type != Qt::ToolTip &&
            type != Qt::SplashScreen && type != Qt::Desktop) {
            KeepOnScreen(*window);
            // The desktop puts its frame around the window a moment later.
            QTimer::singleShot(250, window, [window = QPointer<QWidget>(window)] {
                if (window && window->isVisible())
                    KeepOnScreen(*window);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}
