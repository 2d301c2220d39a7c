// A status bar with one text area over its whole width. The text sits in a
// label of its own, so that the tips Qt shows while a menu is open cover it
// for a moment but never erase it.
#pragma once

#include <QStatusBar>

#include <functional>

class QLabel;

class TSimpleStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit TSimpleStatusBar(QWidget *parent = nullptr);

    QString SimpleText() const;
    void SetSimpleText(const QString &text);
    // For texts that change faster than anyone can read, as while a file is
    // read: the text comes from the source whenever SimpleText is asked, and
    // the label takes it only at the next PaintNow (or SetSimpleText), which
    // spares forming and laying it out each time.
    using TTextSource = std::function<QString()>;
    void SetPassingText(TTextSource source);
    // Shows the latest text and paints the bar before returning.
    void PaintNow();

private:
    QLabel *TextArea;
    TTextSource PassingText;
};
