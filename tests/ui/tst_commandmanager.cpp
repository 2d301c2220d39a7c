// The command states: rules run when the event loop goes idle, and once
// more right before a shortcut runs its command.

#include "ui/common/commandmanager.h"
#include "uitestsupport.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

class TCommandManagerTest : public QObject {
    Q_OBJECT

private slots:
    void rulesRunWhenIdle();
    void shortcutChecksRuleFirst_data();
    void shortcutChecksRuleFirst();
    void disabledCommandDoesNotRun();
};

void TCommandManagerTest::rulesRunWhenIdle()
{
    bool fileLoaded = false;
    TCommandManager manager;
    QAction close;
    QAction open; // no rule: keeps whatever state it has
    open.setEnabled(false);
    manager.Add(&close, [&](QAction &action) {
        action.setEnabled(fileLoaded);
        action.setChecked(fileLoaded);
    });
    manager.Add(&open);
    close.setCheckable(true);

    GoIdle();
    QVERIFY(!close.isEnabled());
    fileLoaded = true;
    QVERIFY(!close.isEnabled()); // nothing runs the rule until the loop waits
    GoIdle();
    QVERIFY(close.isEnabled());
    QVERIFY(close.isChecked());
    QVERIFY(!open.isEnabled());
}

void TCommandManagerTest::shortcutChecksRuleFirst_data()
{
    QTest::addColumn<bool>("allowed");
    QTest::newRow("rule allows it") << true;
    QTest::newRow("rule forbids it by now") << false;
}

void TCommandManagerTest::shortcutChecksRuleFirst()
{
    QFETCH(bool, allowed);
    QWidget window;
    TCommandManager manager;
    auto *command = new QAction(&window);
    command->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    window.addAction(command);
    int ruleRuns = 0;
    manager.Add(command, [&](QAction &action) {
        ++ruleRuns;
        action.setEnabled(allowed);
    });
    QSignalSpy runs(command, &QAction::triggered);

    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Enabled when the key comes, whatever the rule says by then.
    command->setEnabled(true);
    ruleRuns = 0;
    QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);

    QCOMPARE(ruleRuns, 1);
    QCOMPARE(runs.count(), allowed ? 1 : 0);
    QCOMPARE(command->isEnabled(), allowed);
}

void TCommandManagerTest::disabledCommandDoesNotRun()
{
    TCommandManager manager;
    QAction command;
    manager.Add(&command, [](QAction &action) { action.setEnabled(false); });
    QSignalSpy runs(&command, &QAction::triggered);
    GoIdle();
    command.trigger();
    QCOMPARE(runs.count(), 0);
}

QTEST_MAIN(TCommandManagerTest)
#include "tst_commandmanager.moc"
