#pragma once

#include <QBrush>
#include <QColor>
#include <QIcon>

// The icons of the tools beside the tool box, drawn on a 24-pixel square and sharp at single
// and double scale.
namespace ToolIcons {

// A tool's icon by the name its row in the tool table gives: a resource path, or one of the
// painted ones ("highlighter", "laser", "eraser", "arrow", "save", "spotlight"). The icon of a
// tool with inks of its own shows the ink.
QIcon forName(const QString &name, const QColor &ink);
QIcon highlighter(const QColor &color);
QIcon laser(const QColor &color);
QIcon width(int width);
// A swatch of a background, a checkerboard for the see-through one.
QIcon background(const QBrush &brush);

} // namespace ToolIcons
