#pragma once
// Drawing helpers shared by the skin's image groups, and the writer that
// puts each image at its resource path.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <functional>

namespace skin {

// The theme: near-black panels, grey lines, red accents.
namespace colour {
const QColor kPage(0x16, 0x16, 0x19);
const QColor kPageLight(0x22, 0x22, 0x26);
const QColor kPanel(0x1f, 0x1f, 0x22);
const QColor kLine(0x3a, 0x3a, 0x40);
const QColor kText(0xf0, 0xf0, 0xf0);
const QColor kDim(0x80, 0x80, 0x88);
const QColor kRed(0xc6, 0x28, 0x28);
const QColor kRedBright(0xff, 0x45, 0x45);
const QColor kRedDark(0x5a, 0x14, 0x14);
} // namespace colour

using Draw = std::function<void(QPainter &, const QSize &)>;

// Sets the folder every image goes under (ui/modules/img).
void setOutput(const QString &folder);
// Draws an image of `size` and writes it as <folder>/skin1/<group>/<file>.png.
void image(const char *group, const QString &file, QSize size, const Draw &draw);
// The same for a file outside the skin groups (relative to the folder).
void plainImage(const QString &path, QSize size, const Draw &draw);
int written();

// Shapes used by several groups.
enum class State { Normal, Hover, Pressed };
void button(QPainter &p, const QRectF &r, State state, const QString &label = QString());
void dialogBackground(QPainter &p, const QSize &size);
void radio(QPainter &p, const QRectF &r, bool on);
void check(QPainter &p, const QRectF &r, bool on);
QFont font(int pixelSize, bool bold = false);
QFont chineseFont(int pixelSize, bool bold = false);

} // namespace skin
