// The bar that finds a text in a code view: Ctrl+F opens it, Enter and F3
// find the next match, Shift+Enter and Shift+F3 the one before, from the
// cursor on and round from the other end, through the whole text, the lines
// still to be appended too; Esc closes it.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;
class TCodeView;

class TFindBar : public QWidget {
    Q_OBJECT

public:
    TFindBar(TCodeView &view, QWidget *parent = nullptr);

    // Shows the bar with its text selected and the focus in it.
    void Open();
    void Close();
    // Selects the next (or previous) match in the view; false when there is none.
    bool FindNext();
    bool FindPrevious();

    QLabel *lblFind;
    QLineEdit *edtFind;
    QToolButton *cmdFindNext;
    QToolButton *cmdFindPrevious;
    QToolButton *cmdCloseFind;

signals:
    // No match of the text anywhere in the view.
    void NotFound(const QString &text);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool Find(bool backward);
    void RetranslateUi();

    TCodeView &FView;
};
