#include "ui/mainwindow/simplestatusbar.h"

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
    return PassingText ? PassingText() : TextArea->text();
}

void TSimpleStatusBar::SetSimpleText(const QString &text)
{
    PassingText = nullptr;
    TextArea->setText(text);
}

void TSimpleStatusBar::SetPassingText(TTextSource source)
{
    PassingText = std::move(source);
}

void TSimpleStatusBar::PaintNow()
{
    if (PassingText)
        SetSimpleText(PassingText());
    repaint();
}
