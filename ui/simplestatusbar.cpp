#include "simplestatusbar.h"

#include <QLabel>

#include <utility>

TSimpleStatusBar::TSimpleStatusBar(QWidget *parent) : QStatusBar(parent), TextArea(new QLabel(this))
{
    TextArea->setObjectName(QStringLiteral("lblSimpleText"));
    TextArea->setTextFormat(Qt::PlainText);
    addWidget(TextArea, 1);
}

QString TSimpleStatusBar::SimpleText() const
{
    return Passing ? PassingText : TextArea->text();
}

void TSimpleStatusBar::SetSimpleText(const QString &text)
{
    Passing = false;
    PassingText.clear();
    TextArea->setText(text);
}

void TSimpleStatusBar::SetPassingText(const QString &text)
{
    Passing = true;
    PassingText = text;
}

void TSimpleStatusBar::PaintNow()
{
    if (Passing)
        SetSimpleText(std::exchange(PassingText, QString()));
    repaint();
}
