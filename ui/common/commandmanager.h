// Holds a window's commands with the rules that enable and tick them. The
// rules run whenever the event loop is about to wait for events, so menus
// always show the current state, and once more for a command whose shortcut
// was pressed, right before it runs: a command disabled then does not run.
#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QAction;

class TCommandManager : public QObject {
    Q_OBJECT

public:
    // Sets the action's enabled and ticked state from the program's state.
    using TUpdateHandler = std::function<void(QAction &action)>;

    explicit TCommandManager(QObject *parent = nullptr);

    // Takes the action in; a command without a rule keeps its state.
    void Add(QAction *action, TUpdateHandler update = {});
    // Runs the rule of every command.
    void UpdateAll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TCommand {
        QAction *Action;
        TUpdateHandler Update;
    };
    const TCommand *Find(const QObject *action) const;

    QList<TCommand> Commands;
};
