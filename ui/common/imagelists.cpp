#include "ui/common/imagelists.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The pictures are compiled into this static library, whose resource
// object the linker would otherwise leave out.
static void LoadIconResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)loaded;
}

namespace {

// Renders the picture at the list's size and at twice it, for screens with
// more dots per inch; the SVG files themselves are drawn on a grid of that size.
QIcon IconFromSvg(const QString &name, int size)
{
    LoadIconResources();
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    for (const int scale : {1, 2}) {
        QImage image(size * scale, size * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

QList<QIcon> ToolbarImages()
{
    QList<QIcon> images(ToolbarImageCount);
    images[ToolbarImageOpen] = IconFromSvg(QStringLiteral("open"), 16);
    const char *sortPictures[] = {"sorttype", "sortid",      "sortname",       "sortdatetime",
                                  "sortsize", "sortversion", "sortpermissions"};
    for (int key = 0; key < 7; ++key)
        images[ToolbarImageFirstSort + key] =
            IconFromSvg(QString::fromLatin1(sortPictures[key]), 16);
    images[ToolbarImageExportList] = IconFromSvg(QStringLiteral("exportlist"), 16);
    return images;
}

QList<QIcon> ListViewImages()
{
    QList<QIcon> images;
    for (const char *name :
         {"table", "form", "report", "dataport", "codeunit", "xmlport", "menusuite"})
        images << IconFromSvg(QString::fromLatin1(name), 16);
    return images;
}

QIcon ApplicationIcon()
{
    return IconFromSvg(QStringLiteral("quintarel"), 32);
}
