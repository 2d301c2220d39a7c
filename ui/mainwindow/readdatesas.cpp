#include "ui/mainwindow/readdatesas.h"

#include "ui/common/commandmanager.h"
#include "ui/common/uistrings.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

TReadDatesAsMenu::TReadDatesAsMenu(QMenu &menu, TCommandManager &commands,
                                   TNavisionBinaryFile &model, std::function<void()> reopen)
    : QObject(&menu), Model(model), Reopen(std::move(reopen))
{
    menu.addSeparator();
    mnuViewReadDatesAs = menu.addMenu(UiStrings::ReadDatesAs());
    mnuViewReadDatesAs->setObjectName(QStringLiteral("mnuViewReadDatesAs"));
    auto *group = new QActionGroup(this);
    const auto add = [&](const QString &caption, const char *name, TDateOrderChoice choice) {
        QAction *action = mnuViewReadDatesAs->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        group->addAction(action);
        commands.Add(action, [this, choice](QAction &a) {
            a.setChecked(Model.DateOrderChoice() == choice);
        });
        connect(action, &QAction::triggered, this, [this, choice] { Choose(choice); });
        return action;
    };
    actViewReadDatesAsAutomatic = add(UiStrings::ReadDatesAsAutomatic(),
                                      "actViewReadDatesAsAutomatic", TDateOrderChoice::Automatic);
    actViewReadDatesAsRegionalSettings =
        add(UiStrings::ReadDatesAsRegionalSettings(), "actViewReadDatesAsRegionalSettings",
            TDateOrderChoice::RegionalSettings);
    actViewReadDatesAsDayMonthYear = add(UiStrings::ReadDatesAsDayMonthYear(),
                                         "actViewReadDatesAsDayMonthYear", TDateOrderChoice::DMY);
    actViewReadDatesAsMonthDayYear = add(UiStrings::ReadDatesAsMonthDayYear(),
                                         "actViewReadDatesAsMonthDayYear", TDateOrderChoice::MDY);
    actViewReadDatesAsYearMonthDay = add(UiStrings::ReadDatesAsYearMonthDay(),
                                         "actViewReadDatesAsYearMonthDay", TDateOrderChoice::YMD);
    commands.UpdateAll();
}

void TReadDatesAsMenu::Choose(TDateOrderChoice choice)
{
    if (choice == Model.DateOrderChoice())
        return;
    Model.SetDateOrderChoice(choice);
    if (Reopen)
        Reopen();
}

QString DatesReadAsStatusText(const TNavisionBinaryFile &model)
{
    if (model.FileName().isEmpty())
        return QString();
    if (!model.DatesInOneOrder())
        return UiStrings::DatesReadFileByFile();
    if (model.DateOrderUsed() == model.Settings().ReadDateOrder())
        return QString();
    return UiStrings::DatesReadAs().arg(DateOrderText(model.DateOrderUsed()));
}
