// A status bar with one text area over its whole width. The text sits in a
// label of its own, so that the tips Qt shows while a menu is open cover it
// for a moment but never erase it.
#pragma once

#include <QStatusBar>

class QLabel;

class TSimpleStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit TSimpleStatusBar(QWidget *parent = nullptr);

    QString SimpleText() const;
    void SetSimpleText(const QString &text);

private:
    QLabel *TextArea;
};
