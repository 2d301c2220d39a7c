#include "ui/objecttext/textcolours.h"

#include <algorithm>
#include <cmath>

namespace {

QColor Mix(const QColor &from, const QColor &to, double share)
{
    const auto mix = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(float(mix(from.redF(), to.redF())),
                            float(mix(from.greenF(), to.greenF())),
                            float(mix(from.blueF(), to.blueF())));
}

double Luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// The colour moved toward the text's own until it reads on the background:
// an accent of the palette may be too dark for a dark background.
QColor Readable(const QColor &colour, const QColor &text, const QColor &background, double contrast)
{
    for (int step = 0; step <= 10; ++step) {
        const QColor tried = Mix(colour, text, step / 10.0);
        if (ContrastRatio(tried, background) >= contrast)
            return tried;
    }
    return text;
}

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double lighter = std::max(Luminance(a), Luminance(b));
    const double darker = std::min(Luminance(a), Luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

TTextColours TTextColours::FromPalette(const QPalette &palette)
{
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    TTextColours colours;
    colours.Keyword = Readable(Mix(text, palette.color(QPalette::Link), 0.85), text, base, 4.5);
    colours.String =
        Readable(Mix(text, palette.color(QPalette::LinkVisited), 0.75), text, base, 4.5);
    colours.Comment = Readable(Mix(text, base, 0.45), text, base, 3.0);
    colours.ChangedLine = Mix(base, palette.color(QPalette::Highlight), 0.22);
    colours.MissingLine = Mix(base, text, 0.07);
    return colours;
}
