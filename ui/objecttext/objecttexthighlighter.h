// Colours an object's text shown in a document: keywords, strings and
// comments as core/reading/objecttext tells them apart, in colours from
// the palette of the widget that shows it.
#pragma once

#include "ui/objecttext/textcolours.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class TObjectTextHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    explicit TObjectTextHighlighter(QTextDocument *document);
    // New colours (after the palette changed), the whole text coloured again.
    void SetColours(const TTextColours &colours);

protected:
    void highlightBlock(const QString &text) override;

private:
    QTextCharFormat FKeyword;
    QTextCharFormat FString;
    QTextCharFormat FComment;
};
