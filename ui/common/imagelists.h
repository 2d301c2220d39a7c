// The program's pictures, drawn from the SVG files in icons/.
#pragma once

#include <QIcon>
#include <QList>

// The menu entries' pictures by index: 0 Open; 1 to 7 the sort commands by
// Sort Key + 1; 12 Export List. 8 to 11 are shown nowhere and hold none.
inline constexpr int ToolbarImageCount = 13;
inline constexpr int ToolbarImageOpen = 0;
inline constexpr int ToolbarImageFirstSort = 1;
inline constexpr int ToolbarImageExportList = 12;
QList<QIcon> ToolbarImages();

// One picture per object type: index ObjectType - 1.
inline constexpr int ListViewImageCount = 7;
QList<QIcon> ListViewImages();

// The program's own icon.
QIcon ApplicationIcon();
