#include "ui/filter/filterbar.h"

#include "core/reading/codepage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

TFilterBar::TFilterBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("barFilter"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);

    edtFilterText = new QLineEdit(this);
    edtFilterText->setObjectName(QStringLiteral("edtFilterText"));
    edtFilterText->setClearButtonEnabled(true);
    layout->addWidget(edtFilterText, 1);

    cboFilterType = new QComboBox(this);
    cboFilterType->setObjectName(QStringLiteral("cboFilterType"));
    cboFilterType->addItem(QString());
    layout->addWidget(cboFilterType);

    chkMissingRights = new QCheckBox(this);
    chkMissingRights->setObjectName(QStringLiteral("chkMissingRights"));
    layout->addWidget(chkMissingRights);

    cmdCloseFilter = new QToolButton(this);
    cmdCloseFilter->setObjectName(QStringLiteral("cmdCloseFilter"));
    cmdCloseFilter->setAutoRaise(true);
    cmdCloseFilter->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    layout->addWidget(cmdCloseFilter);

    std::vector<TTypePresent> recognised;
    for (int type = otTable; type <= otMenuSuite; ++type)
        recognised.push_back({static_cast<TNavisionObjectType>(type), {}});
    SetTypes(recognised);
    RetranslateUi();

    connect(edtFilterText, &QLineEdit::textChanged, this, &TFilterBar::ReportChange);
    connect(cboFilterType, &QComboBox::currentIndexChanged, this, &TFilterBar::ReportChange);
    connect(chkMissingRights, &QCheckBox::toggled, this, &TFilterBar::ReportChange);
    connect(cmdCloseFilter, &QToolButton::clicked, this, &TFilterBar::ClearAndClose);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &TFilterBar::ClearAndClose);
}

void TFilterBar::RetranslateUi()
{
    const QString filterTip =
        tr("Filter by name, version list or ID, or an ID range such as 50000..99999");
    edtFilterText->setPlaceholderText(filterTip);
    edtFilterText->setAccessibleName(tr("Filter"));
    edtFilterText->setAccessibleDescription(filterTip);
    cboFilterType->setItemText(0, tr("All Types"));
    cboFilterType->setAccessibleName(tr("Object type"));
    chkMissingRights->setText(tr("&Missing rights"));
    chkMissingRights->setToolTip(
        tr("Only objects the licence grants less than RIMDX (tables) or X (other types)"));
    chkMissingRights->setAccessibleDescription(chkMissingRights->toolTip());
    cmdCloseFilter->setToolTip(tr("Clear the filter and close the bar (Esc)"));
    cmdCloseFilter->setAccessibleName(tr("Close Filter"));
    cmdCloseFilter->setAccessibleDescription(cmdCloseFilter->toolTip());
}

void TFilterBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void TFilterBar::SetTypes(const std::vector<TTypePresent> &types)
{
    if (types == Types)
        return;
    const TTypePresent chosen = ChosenType();
    Types = types;
    int chosenIndex = 0;
    {
        const QSignalBlocker quiet(cboFilterType);
        while (cboFilterType->count() > 1)
            cboFilterType->removeItem(1);
        for (const TTypePresent &type : Types) {
            const QByteArrayView name = type.ObjectType != otNone
                                            ? ObjectTypeName(type.ObjectType)
                                            : QByteArrayView(type.OtherTypeName);
            cboFilterType->addItem(DecodeText(name));
            if (type == chosen)
                chosenIndex = cboFilterType->count() - 1;
        }
        cboFilterType->setCurrentIndex(chosenIndex);
    }
    ReportChange();
}

TTypePresent TFilterBar::ChosenType() const
{
    const int index = cboFilterType->currentIndex() - 1;
    return index >= 0 && index < int(Types.size()) ? Types[size_t(index)] : TTypePresent{};
}

TObjectFilter TFilterBar::Filter() const
{
    TObjectFilter filter;
    filter.Text = edtFilterText->text();
    const TTypePresent type = ChosenType();
    filter.ObjectType = type.ObjectType;
    filter.OtherTypeName = type.OtherTypeName;
    filter.MissingRights = chkMissingRights->isChecked();
    return filter;
}

void TFilterBar::Activate()
{
    show();
    edtFilterText->setFocus(Qt::ShortcutFocusReason);
    edtFilterText->selectAll();
}

void TFilterBar::ClearAndClose()
{
    {
        const QSignalBlocker quiet(this);
        edtFilterText->clear();
        cboFilterType->setCurrentIndex(0);
        chkMissingRights->setChecked(false);
    }
    hide();
    ReportChange();
    emit Closed();
}

// The widgets change one by one; only a change of the whole filter is news.
void TFilterBar::ReportChange()
{
    if (signalsBlocked())
        return;
    const TObjectFilter filter = Filter();
    if (filter == Reported)
        return;
    Reported = filter;
    emit FilterChanged();
}
