#include "ui/common/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>

#include <cmath>

namespace {

// Only a family that is really there: fontconfig would otherwise hand out
// a look-alike under the asked name.
bool IsInstalled(const QString &family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// A line of the About box and its width in Tahoma 8 pt, as it was laid out.
constexpr const char *SampleText = "Physical memory available to Windows:";
constexpr double SampleDesignWidth = 187;

} // namespace

QFont WindowFont()
{
    if (IsInstalled(QStringLiteral("Tahoma")))
        return QFont(QStringLiteral("Tahoma"), 8);
    return QApplication::font();
}

QFont LicenseTextFont()
{
    if (IsInstalled(QStringLiteral("Courier New")))
        return QFont(QStringLiteral("Courier New"), 9);
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

QFont ObjectTextFont()
{
    return LicenseTextFont();
}

double DesignScale()
{
    const QFont font = WindowFont();
    if (font.family().compare(QStringLiteral("Tahoma"), Qt::CaseInsensitive) == 0)
        return 1.0;
    const double width = QFontMetricsF(font).horizontalAdvance(QString::fromLatin1(SampleText));
    return std::max(1.0, width / SampleDesignWidth);
}

int Scaled(int pixels)
{
    return int(std::lround(pixels * DesignScale()));
}

QSize Scaled(const QSize &size)
{
    return {Scaled(size.width()), Scaled(size.height())};
}

QRect Scaled(const QRect &rect)
{
    return {Scaled(rect.x()), Scaled(rect.y()), Scaled(rect.width()), Scaled(rect.height())};
}
