// Keeps windows on the screen: the design's sizes grow with the font (and
// with a scale factor), and a window that would then reach beyond the
// screen's available area, its frame included, is made smaller and moved in.
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

class QWidget;

// The window's outer rectangle (client rectangle grown by the frame) moved
// and, where it is larger than the area, shrunk to lie inside the area;
// returns the client rectangle that results. A fixed-size window is only moved.
QRect FitClientRect(const QRect &client, const QMargins &frame, const QRect &available,
                    bool resizable = true);

// The available area of the screen the window is on (or will be on).
QRect AvailableArea(const QWidget &window);
// The frame the desktop puts around the window, as far as it is known yet.
QMargins FrameMargins(const QWidget &window);
// The window's geometry fitted to its screen, at once.
void KeepOnScreen(QWidget &window);
// Whether the window's rectangle with its frame lies on its screen.
bool IsOnScreen(const QWidget &window, const QRect &client);

// Fits every top-level window of the program as it is shown, and once more
// when the desktop has put its frame around it.
class TScreenFitter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
