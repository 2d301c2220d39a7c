// The window that shows two versions of an object's text side by side, the
// changed lines marked in colours of the palette, with the files' own line
// numbers; F8 and Shift+F8 go to the next and the previous change.
#pragma once

#include "ui/objecttext/sidebyside.h"

#include <QMainWindow>

#include <vector>

class QAction;
class QLabel;
class TCodeView;
class TNavisionBinaryFile;
class TNavisionObject;
class TObjectTextHighlighter;
class TSimpleStatusBar;

// One side: its file, the file's line of the text's first line, the text.
struct TDifferenceSide {
    QString FileName;
    qint64 FirstLine = 1;
    QString Text;
};

class TfrmDifference : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmDifference(QWidget *parent = nullptr);

    void ShowDifference(const QString &caption, const TDifferenceSide &oldSide,
                        const TDifferenceSide &newSide);
    const std::vector<TSideBySideRow> &Rows() const { return FRows; }
    int ChangeCount() const { return int(FChanges.size()); }
    // The change shown last, from 0; -1 before the first.
    int CurrentChange() const { return FCurrent; }
    void GoToChange(int change);
    void actViewNextChangeExecute();
    void actViewPreviousChangeExecute();

    QLabel *lblOldFile;
    QLabel *lblNewFile;
    TCodeView *txtOld;
    TCodeView *txtNew;
    TSimpleStatusBar *stbDifference;
    QAction *actViewNextChange;
    QAction *actViewPreviousChange;
    QAction *actFileClose;

protected:
    void changeEvent(QEvent *event) override;

private:
    void ShowSide(TCodeView &view, const TDifferenceSide &side, bool oldSide);
    void MarkRows();
    void UpdateStatus();

    TObjectTextHighlighter *FOldHighlighter;
    TObjectTextHighlighter *FNewHighlighter;
    std::vector<TSideBySideRow> FRows;
    std::vector<int> FChanges;
    int FCurrent = -1;
};

// Opens a window beside the parent with the two objects' texts, read from
// their files now; none when a side is an object of a binary file. Throws
// TError when a file can't be read.
TfrmDifference *OpenObjectDifference(QWidget &parent, const TNavisionBinaryFile &oldFile,
                                     const TNavisionObject &oldObject,
                                     const TNavisionBinaryFile &newFile,
                                     const TNavisionObject &newObject);
