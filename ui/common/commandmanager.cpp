#include "ui/common/commandmanager.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QEvent>

TCommandManager::TCommandManager(QObject *parent) : QObject(parent)
{
    if (auto *dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &TCommandManager::UpdateAll);
}

void TCommandManager::Add(QAction *action, TUpdateHandler update)
{
    Commands.append({action, std::move(update)});
    action->installEventFilter(this);
}

void TCommandManager::UpdateAll()
{
    for (const TCommand &command : std::as_const(Commands)) {
        if (command.Update)
            command.Update(*command.Action);
    }
}

const TCommandManager::TCommand *TCommandManager::Find(const QObject *action) const
{
    for (const TCommand &command : Commands) {
        if (command.Action == action)
            return &command;
    }
    return nullptr;
}

bool TCommandManager::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        if (const TCommand *command = Find(watched); command && command->Update) {
            command->Update(*command->Action);
            if (!command->Action->isEnabled())
                return true; // swallowed: the command is not to run now
        }
    }
    return QObject::eventFilter(watched, event);
}
