#include "ui/objecttext/objecttexthighlighter.h"

#include "core/reading/objecttext.h"

#include <QApplication>

#include <vector>

TObjectTextHighlighter::TObjectTextHighlighter(QTextDocument *document)
    : QSyntaxHighlighter(document)
{
    FComment.setFontItalic(true);
    FKeyword.setFontWeight(QFont::Bold);
    SetColours(TTextColours::FromPalette(QApplication::palette()));
}

void TObjectTextHighlighter::SetColours(const TTextColours &colours)
{
    FKeyword.setForeground(colours.Keyword);
    FString.setForeground(colours.String);
    FComment.setForeground(colours.Comment);
    if (document())
        rehighlight();
}

void TObjectTextHighlighter::highlightBlock(const QString &text)
{
    std::vector<TTextSpan> spans;
    const TTextLineState state =
        ScanObjectTextLine(text, TTextLineState::Unpacked(previousBlockState()), spans);
    for (const TTextSpan &span : spans) {
        const QTextCharFormat &format = span.Part == TTextPart::Keyword  ? FKeyword
                                        : span.Part == TTextPart::String ? FString
                                                                         : FComment;
        setFormat(int(span.Start), int(span.Length), format);
    }
    setCurrentBlockState(state.Packed());
}
