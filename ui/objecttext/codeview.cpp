#include "ui/objecttext/codeview.h"

#include "ui/common/fonts.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTimer>

namespace {

// The gutter paints what its view asks it to.
class TGutter : public QWidget {
public:
    explicit TGutter(TCodeView &view) : QWidget(&view), FView(view) {}
    QSize sizeHint() const override { return {FView.GutterWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent *event) override { FView.PaintGutter(event); }

private:
    TCodeView &FView;
};

constexpr int GutterPadding = 4; // pixels on each side of a number

// Shown at once: more lines than the tallest screen holds.
constexpr int FirstLines = 1000;
// Appended in pieces of this many lines, as many as fit in one turn of idle
// time: a piece takes about 10 ms, short enough that scrolling and typing
// keep answering, and each piece costs some work of its own besides its lines.
constexpr int LinesPerPiece = 2000;
constexpr qint64 IdleTurnNs = 8'000'000;

// The place of the count-th line break from the one at `from` on (the text's
// end if it has fewer); `from` is -1 for the text's start.
qsizetype LineBreakAfter(const QString &text, qsizetype from, int count)
{
    qsizetype at = from;
    while (count-- > 0) {
        at = text.indexOf(QLatin1Char('\n'), at + 1);
        if (at < 0)
            return text.size();
    }
    return at;
}

// The keys that show or take the text's end.
bool NeedsWholeText(const QKeyEvent &event)
{
    return event.matches(QKeySequence::MoveToEndOfDocument) ||
           event.matches(QKeySequence::SelectEndOfDocument) ||
           event.matches(QKeySequence::SelectAll);
}

} // namespace

TCodeView::TCodeView(QWidget *parent)
    : QPlainTextEdit(parent), FGutter(new TGutter(*this)), FAppendTimer(new QTimer(this))
{
    setReadOnly(true);
    // Nothing to undo in a read-only view; the record of each edit would
    // cost as much again as the text.
    document()->setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(ObjectTextFont());
    // The cursor stays visible, so that a keyboard user sees where find starts.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    SetFirstLine(1);
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { UpdateGutterWidth(); });
    connect(this, &QPlainTextEdit::updateRequest, this,
            [this](const QRect &rect, int dy) { UpdateGutter(rect, dy); });
    connect(FAppendTimer, &QTimer::timeout, this, &TCodeView::AppendWhileIdle);
}

QString ViewText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    text.truncate(end);
    return text;
}

void TCodeView::SetText(const QString &text)
{
    FAppendTimer->stop();
    FRest = ViewText(text);
    FLineCount = int(FRest.count(QLatin1Char('\n'))) + 1;
    FRestFrom = LineBreakAfter(FRest, -1, FirstLines);
    setPlainText(FRest.left(FRestFrom));
    if (IsLoading())
        FAppendTimer->start(0);
    else
        FRest.clear();
    UpdateGutterWidth();
}

bool TCodeView::IsLoading() const
{
    return FRestFrom < FRest.size();
}

void TCodeView::FinishLoading()
{
    if (IsLoading())
        AppendLines(FLineCount);
}

int TCodeView::LineCount() const
{
    return IsLoading() ? FLineCount : blockCount();
}

void TCodeView::AppendWhileIdle()
{
    QElapsedTimer turn;
    turn.start();
    while (IsLoading() && turn.nsecsElapsed() < IdleTurnNs)
        AppendLines(LinesPerPiece);
}

void TCodeView::AppendLines(int lines)
{
    // The piece begins with the line break that ends the last line shown.
    const qsizetype end = LineBreakAfter(FRest, FRestFrom, lines);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(FRest.sliced(FRestFrom, end - FRestFrom));
    FRestFrom = end;
    if (IsLoading())
        return;
    FAppendTimer->stop();
    FRest.clear();
    FRestFrom = 0;
    emit Loaded();
}

void TCodeView::SetFirstLine(qint64 firstLine)
{
    SetLineNumbers([firstLine](int line) { return firstLine + line; }, 0);
}

void TCodeView::SetLineNumbers(TLineNumbers numbers, qint64 largest)
{
    FNumbers = std::move(numbers);
    FLargest = largest;
    UpdateGutterWidth();
    FGutter->update();
}

qint64 TCodeView::LineNumber(int line) const
{
    return FNumbers ? FNumbers(line) : line + 1;
}

qint64 TCodeView::CurrentLineNumber() const
{
    return LineNumber(textCursor().blockNumber());
}

void TCodeView::GoToLine(int line)
{
    if (line >= blockCount())
        FinishLoading();
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    setTextCursor(cursor);
    centerCursor();
}

int TCodeView::GutterWidth() const
{
    // The largest number given, else the last line's.
    const qint64 largest = std::max(FLargest, LineNumber(std::max(0, LineCount() - 1)));
    const int digits = int(QString::number(std::max<qint64>(largest, 1)).size());
    return 2 * GutterPadding + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void TCodeView::UpdateGutterWidth()
{
    setViewportMargins(GutterWidth(), 0, 0, 0);
}

void TCodeView::UpdateGutter(const QRect &rect, int dy)
{
    if (dy)
        FGutter->scroll(0, dy);
    else
        FGutter->update(0, rect.y(), FGutter->width(), rect.height());
}

void TCodeView::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    FGutter->setGeometry(QRect(area.left(), area.top(), GutterWidth(), area.height()));
}

void TCodeView::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        UpdateGutterWidth();
}

void TCodeView::keyPressEvent(QKeyEvent *event)
{
    if (NeedsWholeText(*event))
        FinishLoading();
    QPlainTextEdit::keyPressEvent(event);
}

void TCodeView::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu's Select All takes the whole text.
    FinishLoading();
    QPlainTextEdit::contextMenuEvent(event);
}

void TCodeView::PaintGutter(QPaintEvent *event)
{
    QPainter painter(FGutter);
    const QPalette &colours = palette();
    painter.fillRect(event->rect(), colours.color(QPalette::Window));
    painter.setPen(colours.color(QPalette::PlaceholderText));
    painter.setFont(font());
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    const int width = FGutter->width() - GutterPadding;
    const int height = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        const qreal bottom = top + blockBoundingRect(block).height();
        if (block.isVisible() && bottom >= event->rect().top()) {
            if (const qint64 number = LineNumber(block.blockNumber()); number > 0)
                painter.drawText(0, int(top), width, height, Qt::AlignRight,
                                 QString::number(number));
        }
        block = block.next();
        top = bottom;
    }
}
