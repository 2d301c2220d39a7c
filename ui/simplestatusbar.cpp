#include "simplestatusbar.h"

#include <QLabel>

TSimpleStatusBar::TSimpleStatusBar(QWidget *parent) : QStatusBar(parent), TextArea(new QLabel(this))
{
    TextArea->setObjectName(QStringLiteral("lblSimpleText"));
    TextArea->setTextFormat(Qt::PlainText);
    addWidget(TextArea, 1);
}

QString TSimpleStatusBar::SimpleText() const
{
    return TextArea->text();
}

void TSimpleStatusBar::SetSimpleText(const QString &text)
{
    TextArea->setText(text);
}
