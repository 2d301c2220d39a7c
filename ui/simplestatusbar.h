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
    // For texts that change faster than anyone can read, as while a file is
    // read: SimpleText has the text at once, the label only at the next
    // PaintNow (or SetSimpleText), which spares laying it out each time.
    void SetPassingText(const QString &text);
    // Shows the latest text and paints the bar before returning.
    void PaintNow();

private:
    QLabel *TextArea;
    QString PassingText;
    bool Passing = false;
};
