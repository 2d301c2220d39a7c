// The window that shows one object's text as it stands in its file, read
// when the window opens: line numbers of the file, find, and the language's
// keywords, strings and comments in colours of the palette.
#pragma once

#include <QMainWindow>

class QAction;
class TCodeView;
class TFindBar;
class TNavisionBinaryFile;
class TNavisionObject;
class TObjectTextHighlighter;
class TSimpleStatusBar;

class TfrmObjectText : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmObjectText(QWidget *parent = nullptr);

    // Shows the text under the caption: the lines of the named file from
    // its line firstLine on.
    void ShowText(const QString &caption, const QString &fileName, qint64 firstLine,
                  const QString &text);
    void UpdateStatus();

    TCodeView *txtObject;
    TFindBar *barFind;
    TSimpleStatusBar *stbObjectText;
    QAction *actEditFind;
    QAction *actEditFindNext;
    QAction *actEditFindPrevious;
    QAction *actFileClose;

protected:
    void changeEvent(QEvent *event) override;

private:
    TObjectTextHighlighter *FHighlighter;
    QString FFileName;
};

// The caption of an object's windows: "Type ID Name".
QString ObjectCaption(const TNavisionObject &object);

// Opens a window beside the parent with the object's text, read from its
// file now; none for an object of a binary file, which holds no text of its
// objects. Throws TError when the file can't be read.
TfrmObjectText *OpenObjectText(QWidget &parent, const TNavisionBinaryFile &file,
                               const TNavisionObject &object);
