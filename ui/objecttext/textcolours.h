// The colours an object's text is shown in, taken from the palette, so that
// they read on a light background and on a dark one alike.
#pragma once

#include <QColor>
#include <QPalette>

struct TTextColours {
    QColor Keyword;
    QColor String;
    QColor Comment;
    // Behind a line that differs between two texts, and where one side has
    // no line facing the other's.
    QColor ChangedLine;
    QColor MissingLine;

    static TTextColours FromPalette(const QPalette &palette);
};

// The contrast of two colours as the accessibility guidelines measure it,
// from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);
