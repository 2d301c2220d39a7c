// A read-only view of text in a fixed-pitch font with a gutter of line
// numbers. The numbers are the file's own: the view is told which line of
// the file each of its lines is (none for a line that stands for nothing).
// A long text shows its first screen at once and the rest is appended while
// the program is idle, a few thousand lines at a time; whatever needs the
// whole text (find, going to a line, select all) appends the rest first.
#pragma once

#include <QPlainTextEdit>

#include <functional>

class QTimer;

// The lines a view shows of a text: ended by CR LF or LF, without the blank
// lines at its end (an object's text runs to the next object).
QString ViewText(QString text);

class TCodeView : public QPlainTextEdit {
    Q_OBJECT

public:
    // The file's line number of a line of the view (from 0), or 0 for none.
    using TLineNumbers = std::function<qint64(int line)>;

    explicit TCodeView(QWidget *parent = nullptr);

    // Shows the text's ViewText: its first lines now, the rest when idle.
    void SetText(const QString &text);
    // Lines of the text still to be appended.
    bool IsLoading() const;
    // Appends what is still to come, now.
    void FinishLoading();
    // The lines of the whole text, those still to come too.
    int LineCount() const;

    // The view's lines are the file's from firstLine on.
    void SetFirstLine(qint64 firstLine);
    void SetLineNumbers(TLineNumbers numbers, qint64 largest);
    qint64 LineNumber(int line) const;
    // The file's number of the line with the cursor, or 0.
    qint64 CurrentLineNumber() const;
    // Shows the view's line near the top and puts the cursor on it.
    void GoToLine(int line);

    int GutterWidth() const;
    void PaintGutter(QPaintEvent *event);

signals:
    // The last of the text's lines appended.
    void Loaded();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void AppendWhileIdle();
    void AppendLines(int lines);
    void UpdateGutterWidth();
    void UpdateGutter(const QRect &rect, int dy);

    QWidget *FGutter;
    TLineNumbers FNumbers;
    qint64 FLargest = 1;
    // The text being shown, kept until its last line is appended, and the
    // place of the line break before the first line still to come.
    QString FRest;
    qsizetype FRestFrom = 0;
    int FLineCount = 1;
    QTimer *FAppendTimer;
};
