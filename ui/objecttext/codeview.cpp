#include "ui/objecttext/codeview.h"

#include "ui/common/fonts.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

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

} // namespace

TCodeView::TCodeView(QWidget *parent) : QPlainTextEdit(parent), FGutter(new TGutter(*this))
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(ObjectTextFont());
    // The cursor stays visible, so that a keyboard user sees where find starts.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    SetFirstLine(1);
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { UpdateGutterWidth(); });
    connect(this, &QPlainTextEdit::updateRequest, this,
            [this](const QRect &rect, int dy) { UpdateGutter(rect, dy); });
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
    setPlainText(ViewText(text));
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
    const qint64 largest = std::max(FLargest, LineNumber(std::max(0, blockCount() - 1)));
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
