#include "ui/common/errorbox.h"

#include "ui/common/apptitle.h"
#include "core/errors.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace {

void ShowMessageBox(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

TErrorBoxHandler &Handler()
{
    static TErrorBoxHandler handler = ShowMessageBox;
    return handler;
}

} // namespace

void ShowErrorBox(const QString &message)
{
    Handler()(ApplicationTitle(), MessageForDisplay(message));
}

TErrorBoxHandler SetErrorBoxHandler(TErrorBoxHandler handler)
{
    TErrorBoxHandler previous = Handler();
    Handler() = handler ? std::move(handler) : TErrorBoxHandler(ShowMessageBox);
    return previous;
}

bool RunCommand(const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const TError &error) {
        ShowErrorBox(error.message());
    } catch (const std::exception &error) {
        // Not one of ours (out of memory, say), but it ends the command all the same.
        ShowErrorBox(QString::fromLocal8Bit(error.what()));
    }
    return false;
}
