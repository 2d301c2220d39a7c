#include "ui/objecttext/findbar.h"

#include "ui/objecttext/codeview.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStyle>
#include <QTextBlock>
#include <QToolButton>

TFindBar::TFindBar(TCodeView &view, QWidget *parent) : QWidget(parent), FView(view)
{
    setObjectName(QStringLiteral("barFind"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);

    lblFind = new QLabel(this);
    edtFind = new QLineEdit(this);
    edtFind->setObjectName(QStringLiteral("edtFind"));
    edtFind->setClearButtonEnabled(true);
    lblFind->setBuddy(edtFind);
    cmdFindNext = new QToolButton(this);
    cmdFindNext->setObjectName(QStringLiteral("cmdFindNext"));
    cmdFindNext->setArrowType(Qt::DownArrow);
    cmdFindPrevious = new QToolButton(this);
    cmdFindPrevious->setObjectName(QStringLiteral("cmdFindPrevious"));
    cmdFindPrevious->setArrowType(Qt::UpArrow);
    cmdCloseFind = new QToolButton(this);
    cmdCloseFind->setObjectName(QStringLiteral("cmdCloseFind"));
    cmdCloseFind->setAutoRaise(true);
    cmdCloseFind->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    layout->addWidget(lblFind);
    layout->addWidget(edtFind, 1);
    layout->addWidget(cmdFindPrevious);
    layout->addWidget(cmdFindNext);
    layout->addWidget(cmdCloseFind);
    RetranslateUi();

    // Typing finds from where the match found last begins.
    connect(edtFind, &QLineEdit::textEdited, this, [this] {
        QTextCursor cursor = FView.textCursor();
        cursor.setPosition(cursor.selectionStart());
        FView.setTextCursor(cursor);
        if (!edtFind->text().isEmpty())
            FindNext();
    });
    connect(edtFind, &QLineEdit::returnPressed, this, &TFindBar::FindNext);
    edtFind->installEventFilter(this);
    connect(cmdFindNext, &QToolButton::clicked, this, &TFindBar::FindNext);
    connect(cmdFindPrevious, &QToolButton::clicked, this, &TFindBar::FindPrevious);
    connect(cmdCloseFind, &QToolButton::clicked, this, &TFindBar::Close);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &TFindBar::Close);
}

void TFindBar::RetranslateUi()
{
    lblFind->setText(tr("&Find:"));
    edtFind->setAccessibleName(tr("Find"));
    edtFind->setAccessibleDescription(
        tr("The text to find; Enter finds the next match, Shift+Enter the previous one"));
    cmdFindNext->setToolTip(tr("Find Next (F3)"));
    cmdFindNext->setAccessibleName(tr("Find Next"));
    cmdFindPrevious->setToolTip(tr("Find Previous (Shift+F3)"));
    cmdFindPrevious->setAccessibleName(tr("Find Previous"));
    cmdCloseFind->setToolTip(tr("Close the find bar (Esc)"));
    cmdCloseFind->setAccessibleName(tr("Close Find"));
    cmdCloseFind->setAccessibleDescription(cmdCloseFind->toolTip());
}

void TFindBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

bool TFindBar::eventFilter(QObject *watched, QEvent *event)
{
    // Shift+Enter in the text finds backwards.
    if (watched == edtFind && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() & Qt::ShiftModifier) {
            FindPrevious();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFindBar::Open()
{
    show();
    edtFind->setFocus(Qt::ShortcutFocusReason);
    edtFind->selectAll();
}

void TFindBar::Close()
{
    hide();
    FView.setFocus(Qt::OtherFocusReason);
}

bool TFindBar::FindNext()
{
    return Find(false);
}

bool TFindBar::FindPrevious()
{
    return Find(true);
}

bool TFindBar::Find(bool backward)
{
    const QString text = edtFind->text();
    if (text.isEmpty()) {
        Open();
        return false;
    }
    FView.FinishLoading();
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (FView.find(text, flags))
        return true;
    // Round from the other end.
    const QTextCursor kept = FView.textCursor();
    QTextCursor from(FView.document());
    from.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    FView.setTextCursor(from);
    if (FView.find(text, flags))
        return true;
    FView.setTextCursor(kept);
    emit NotFound(text);
    return false;
}
