// Every window as a screen reader and a keyboard user meet it, in every
// language the program ships: each control that takes the focus has an
// accessible name, every command in a menu has an accelerator, and no menu,
// menu bar or dialog gives the same accelerator twice.

#include "ui/about/AboutBox.h"
#include "ui/common/translations.h"
#include "ui/compare/compareform.h"
#include "ui/filter/filterbar.h"
#include "ui/license/licform.h"
#include "ui/objecttext/differenceform.h"
#include "ui/objecttext/findbar.h"
#include "ui/objecttext/objecttextform.h"
#include "uitestsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

const QStringList Languages = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("da"),
                               QStringLiteral("nl"), QStringLiteral("nb"), QStringLiteral("fr")};

const QString DemoLicense = QStringLiteral(QUINTAREL_SAMPLES_DIR "/demo.flf");

// The accelerator of a caption ('&X'), lower case; null without one.
QChar Accelerator(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i; // "&&" is a plain ampersand
    }
    return {};
}

QString WidgetPath(const QWidget &widget)
{
    QString name = QString::fromLatin1(widget.metaObject()->className());
    if (!widget.objectName().isEmpty())
        name += QLatin1Char(' ') + widget.objectName();
    return name;
}

// Problems of one menu: a command without an accelerator, an accelerator
// given twice.
QStringList MenuProblems(const QString &where, const QList<QAction *> &actions)
{
    QStringList problems;
    QHash<QChar, QString> seen;
    for (const QAction *action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QString caption = action->menu() ? action->menu()->title() : action->text();
        const QChar key = Accelerator(caption);
        if (key.isNull()) {
            problems << QStringLiteral("%1: \"%2\" has no accelerator").arg(where, caption);
            continue;
        }
        if (seen.contains(key))
            problems << QStringLiteral("%1: \"%2\" and \"%3\" share &%4")
                            .arg(where, seen[key], caption, key);
        seen.insert(key, caption);
    }
    return problems;
}

// Problems of one window: focusable controls without an accessible name,
// menus as above, and the window's own accelerators (its menu bar's, its
// buttons' and its labels' that lead to a control) given twice.
QStringList WindowProblems(QWidget &window)
{
    QStringList problems;
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(&window);
    QHash<QChar, QString> windowKeys;
    const auto addWindowKey = [&](const QString &caption) {
        const QChar key = Accelerator(caption);
        if (key.isNull())
            return;
        if (windowKeys.contains(key))
            problems << QStringLiteral("%1: \"%2\" and \"%3\" share &%4")
                            .arg(WidgetPath(window), windowKeys[key], caption, key);
        windowKeys.insert(key, caption);
    };
    for (QWidget *widget : std::as_const(widgets)) {
        if (auto *menu = qobject_cast<QMenu *>(widget)) {
            problems << MenuProblems(WidgetPath(window) + QStringLiteral(" > ") + menu->title(),
                                     menu->actions());
            continue;
        }
        if (auto *bar = qobject_cast<QMenuBar *>(widget)) {
            problems << MenuProblems(WidgetPath(window) + QStringLiteral(" menu bar"),
                                     bar->actions());
            for (const QAction *action : bar->actions())
                addWindowKey(action->menu() ? action->menu()->title() : action->text());
            continue;
        }
        if (!widget->isVisibleTo(&window) || widget->window() != &window)
            continue;
        if (widget->contextMenuPolicy() == Qt::ActionsContextMenu)
            problems << MenuProblems(WidgetPath(*widget) + QStringLiteral(" context menu"),
                                     widget->actions());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            addWindowKey(button->text());
        if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
            addWindowKey(label->text());
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            addWindowKey(group->title());
        if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled())
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible)
            problems << WidgetPath(*widget) + QStringLiteral(": no accessible interface");
        else if (accessible->text(QAccessible::Name).trimmed().isEmpty())
            problems << WidgetPath(*widget) + QStringLiteral(": no accessible name");
    }
    return problems;
}

} // namespace

class TAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void windowsNameTheirControls_data();
    void windowsNameTheirControls();
    void filterBarTabsInReadingOrder();

private:
    QTemporaryDir Folder;
    QString ObjectFile;
    QString OtherObjectFile;
    QString TextFile;
};

void TAccessibilityTest::initTestCase()
{
    QAccessible::setActive(true);
    ObjectFile =
        WriteObjectFile(Folder, QStringLiteral("a.fob"),
                        {IndexEntry("Table", 3, "Demo"), IndexEntry("Codeunit", 80, "Post")});
    OtherObjectFile =
        WriteObjectFile(Folder, QStringLiteral("b.fob"),
                        {IndexEntry("Table", 3, "Demo"), IndexEntry("Form", 21, "Card")});
    TextFile = QDir(Folder.path()).filePath(QStringLiteral("c.txt"));
    QFile text(TextFile);
    const QByteArray contents =
        "OBJECT Codeunit 80 Post\n{\n  CODE\n  {\n    BEGIN\n    END.\n  }\n}\n";
    if (!text.open(QIODevice::WriteOnly) || text.write(contents) != contents.size())
        qFatal("Cannot write the text export");
}

void TAccessibilityTest::cleanup()
{
    InstallTranslations(QLocale(QStringLiteral("en_US")));
}

void TAccessibilityTest::windowsNameTheirControls_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    for (const QString &language : Languages) {
        for (const char *window :
             {"main", "license", "about", "compare", "object text", "difference"})
            QTest::addRow("%s %s", qPrintable(language), window) << language << window;
    }
}

void TAccessibilityTest::windowsNameTheirControls()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    if (language != QLatin1String("en"))
        QVERIFY(InstallTranslations(QLocale(language)));

    TErrorRecorder errors;
    const auto main = CreateMainWindow({}, DemoLicense);
    main->OpenFile(ObjectFile);
    main->show();
    GoIdle();
    QWidget *checked = main.get();
    std::unique_ptr<QWidget> owned;
    if (window == QLatin1String("main")) {
        main->actViewFilter->trigger(); // the filter bar too
        GoIdle();
    } else if (window == QLatin1String("license")) {
        owned = std::make_unique<TfrmLicense>();
        checked = owned.get();
    } else if (window == QLatin1String("about")) {
        owned = TAboutBox(nullptr, QStringLiteral(",")).BuildDialog();
        checked = owned.get();
    } else if (window == QLatin1String("object text")) {
        main->OpenFile(TextFile);
        main->lvwMain->setCurrentIndex(main->ListModel().index(0, 0));
        GoIdle();
        main->actObjectViewText->trigger();
        const QList<TfrmObjectText *> viewers = main->findChildren<TfrmObjectText *>();
        QCOMPARE(viewers.size(), 1);
        viewers.front()->barFind->Open(); // the find bar too
        checked = viewers.front();
    } else if (window == QLatin1String("difference")) {
        auto difference = std::make_unique<TfrmDifference>();
        difference->ShowDifference(QStringLiteral("Codeunit 80 Post"),
                                   {QStringLiteral("old.txt"), 1, QStringLiteral("a\nb\nc")},
                                   {QStringLiteral("new.txt"), 1, QStringLiteral("a\nB\nc")});
        checked = difference.get();
        owned = std::move(difference);
    } else {
        TDialogRecorder dialogs;
        dialogs.Answers = {OtherObjectFile};
        main->actFileCompareWith->trigger();
        const QList<TfrmCompare *> comparisons = main->findChildren<TfrmCompare *>();
        QCOMPARE(comparisons.size(), 1);
        checked = comparisons.front();
    }
    checked->show();
    GoIdle();
    QVERIFY2(errors.Boxes.isEmpty(), qPrintable(errors.Boxes.value(0).Text));
    const QStringList problems = WindowProblems(*checked);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TAccessibilityTest::filterBarTabsInReadingOrder()
{
    // From the filter's text, Tab goes left to right through the bar and
    // then into the list.
    const auto main = CreateMainWindow();
    main->OpenFile(ObjectFile);
    main->show();
    main->actViewFilter->trigger();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    const auto *bar = main->findChild<TFilterBar *>();
    QVERIFY(bar);
    const QStringList expected = {QStringLiteral("edtFilterText"), QStringLiteral("cboFilterType"),
                                  QStringLiteral("chkMissingRights"),
                                  QStringLiteral("cmdCloseFilter"), QStringLiteral("lvwMain")};
    QStringList visited;
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), expected.front());
    visited << focus->objectName();
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

QTEST_MAIN(TAccessibilityTest)
#include "tst_accessibility.moc"
