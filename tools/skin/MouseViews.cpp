// The mouse pictures: a top and a side view, and for each of the nine
// buttons an overlay of the picture's size with the button outlined
// (Mouse<n>, MouseSide<n>) or lit (the S forms). The overlays lie exactly
// over the picture. Buttons: 0 left, 1 right, 2 wheel, 3 forward, 4 back,
// 5 and 6 the stage buttons behind the wheel, 7 the front thumb button,
// 8 the button behind the palm.
#include "Canvas.h"
#include "Groups.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <array>

namespace skin {

namespace {

const QSize kPicture(420, 460);
constexpr int kButtons = 9;

QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal r)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath ellipse(qreal cx, qreal cy, qreal w, qreal h)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), w / 2, h / 2);
    return path;
}

QPainterPath rect(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
    return path;
}

// ---- top view ----

QPainterPath topBody()
{
    QPainterPath b;
    b.moveTo(210, 28);
    b.cubicTo(268, 28, 300, 50, 306, 110);
    b.cubicTo(312, 170, 316, 230, 318, 290);
    b.cubicTo(320, 370, 290, 438, 210, 440);
    b.cubicTo(130, 438, 100, 370, 102, 290);
    b.cubicTo(104, 230, 108, 170, 114, 110);
    b.cubicTo(120, 50, 152, 28, 210, 28);
    b.closeSubpath();
    return b;
}

std::array<QPainterPath, kButtons> topButtons()
{
    const QPainterPath body = topBody();
    const QPainterPath wheelSlot = roundRect(196, 66, 28, 110, 12);
    std::array<QPainterPath, kButtons> b;
    b[0] = body.intersected(rect(0, 0, 208, 200)).subtracted(wheelSlot);
    b[1] = body.intersected(rect(212, 0, 200, 200)).subtracted(wheelSlot);
    b[2] = roundRect(199, 72, 22, 54, 10);
    b[3] = roundRect(93, 208, 16, 40, 7);
    b[4] = roundRect(94, 254, 16, 40, 7);
    b[5] = roundRect(201, 136, 18, 14, 4);
    b[6] = roundRect(201, 155, 18, 14, 4);
    b[7] = roundRect(100, 150, 14, 34, 6);
    b[8] = ellipse(210, 330, 26, 16);
    return b;
}

// The body with the lighting strip glowing around it, then its shell.
void drawShell(QPainter &p, const QPainterPath &body, const QLinearGradient &shell)
{
    p.setPen(QPen(QColor(0xc6, 0x28, 0x28, 60), 8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.setPen(QPen(QColor(0x55, 0x55, 0x5c), 1.5));
    p.setBrush(shell);
    p.drawPath(body);
}

void drawTopPicture(QPainter &p)
{
    const QPainterPath body = topBody();
    QLinearGradient shell(100, 0, 320, 0);
    shell.setColorAt(0, QColor(0x1d, 0x1d, 0x21));
    shell.setColorAt(0.45, QColor(0x34, 0x34, 0x3a));
    shell.setColorAt(1, QColor(0x18, 0x18, 0x1b));
    drawShell(p, body, shell);
    // Seams of the two main buttons.
    p.setPen(QPen(QColor(0x0c, 0x0c, 0x0e), 2));
    p.drawLine(QPointF(210, 30), QPointF(210, 66));
    QPainterPath seam;
    seam.moveTo(106, 206);
    seam.quadTo(210, 186, 314, 206);
    p.drawPath(seam);
    // Wheel slot and wheel.
    p.setBrush(QColor(0x0c, 0x0c, 0x0e));
    p.drawPath(roundRect(196, 66, 28, 110, 12));
    QLinearGradient wheel(199, 0, 221, 0);
    wheel.setColorAt(0, QColor(0x30, 0x30, 0x34));
    wheel.setColorAt(0.5, QColor(0x6a, 0x6a, 0x72));
    wheel.setColorAt(1, QColor(0x30, 0x30, 0x34));
    p.setBrush(wheel);
    p.setPen(Qt::NoPen);
    p.drawPath(roundRect(199, 72, 22, 54, 10));
    p.setPen(QPen(QColor(0x20, 0x20, 0x24), 1));
    for (int y = 78; y < 124; y += 5)
        p.drawLine(QPointF(201, y), QPointF(219, y));
    // Stage buttons, thumb buttons, palm button.
    const auto b = topButtons();
    p.setPen(QPen(QColor(0x0c, 0x0c, 0x0e), 1.2));
    p.setBrush(QColor(0x26, 0x26, 0x2b));
    for (int i : {3, 4, 5, 6, 7, 8})
        p.drawPath(b[i]);
    // The lit emblem on the palm rest.
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kRed);
    QPainterPath emblem;
    emblem.moveTo(196, 372);
    emblem.lineTo(210, 386);
    emblem.lineTo(224, 372);
    emblem.lineTo(224, 380);
    emblem.lineTo(210, 394);
    emblem.lineTo(196, 380);
    emblem.closeSubpath();
    p.drawPath(emblem);
}

// ---- side view (left side, front to the left) ----

QPainterPath sideBody()
{
    QPainterPath b;
    b.moveTo(40, 300);
    b.cubicTo(30, 270, 40, 235, 70, 220);
    b.cubicTo(130, 190, 200, 150, 260, 150);
    b.cubicTo(330, 150, 385, 200, 392, 260);
    b.cubicTo(396, 300, 385, 325, 360, 330);
    b.lineTo(60, 330);
    b.cubicTo(45, 330, 40, 318, 40, 300);
    b.closeSubpath();
    return b;
}

std::array<QPainterPath, kButtons> sideButtons()
{
    const QPainterPath body = sideBody();
    std::array<QPainterPath, kButtons> b;
    const QPainterPath front = rect(0, 0, 232, 460);
    b[0] = body.subtracted(body.translated(0, 14)).intersected(front).subtracted(ellipse(126, 186, 44, 18));
    b[1] = body.translated(0, -5).subtracted(body).intersected(front).subtracted(ellipse(126, 186, 44, 18));
    b[2] = ellipse(126, 186, 40, 14);
    b[3] = roundRect(122, 222, 66, 22, 10);
    b[4] = roundRect(194, 218, 66, 22, 10);
    b[5] = ellipse(160, 171, 14, 7);
    b[6] = ellipse(180, 165, 14, 7);
    b[7] = roundRect(86, 240, 28, 20, 7);
    b[8] = ellipse(300, 154, 20, 8);
    return b;
}

void drawSidePicture(QPainter &p)
{
    const QPainterPath body = sideBody();
    QLinearGradient shell(0, 150, 0, 330);
    shell.setColorAt(0, QColor(0x3a, 0x3a, 0x40));
    shell.setColorAt(0.5, QColor(0x24, 0x24, 0x28));
    shell.setColorAt(1, QColor(0x16, 0x16, 0x19));
    drawShell(p, body, shell);
    // Grip texture on the side.
    p.save();
    p.setClipPath(body.intersected(rect(110, 250, 200, 62)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0e, 0x0e, 0x10));
    for (int y = 252; y < 312; y += 6)
        for (int x = 112 + (y / 6 % 2) * 3; x < 310; x += 6)
            p.drawEllipse(QPointF(x, y), 1.3, 1.3);
    p.restore();
    // Skirt with the lighting strip.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0e, 0x0e, 0x10));
    p.drawPath(body.intersected(rect(0, 316, 420, 20)));
    QLinearGradient strip(40, 0, 390, 0);
    strip.setColorAt(0, QColor(0xc6, 0x28, 0x28, 40));
    strip.setColorAt(0.5, colour::kRedBright);
    strip.setColorAt(1, QColor(0xc6, 0x28, 0x28, 40));
    p.setBrush(strip);
    p.drawPath(body.intersected(rect(0, 314, 420, 3)));
    // Feet.
    p.setBrush(QColor(0x08, 0x08, 0x0a));
    p.drawRoundedRect(QRectF(70, 330, 60, 4), 2, 2);
    p.drawRoundedRect(QRectF(280, 330, 60, 4), 2, 2);
    const auto b = sideButtons();
    p.setPen(QPen(QColor(0x0c, 0x0c, 0x0e), 1.2));
    p.setBrush(QColor(0x2a, 0x2a, 0x30));
    for (int i : {2, 3, 4, 5, 6, 7, 8})
        p.drawPath(b[i]);
    p.setPen(QPen(QColor(0x0c, 0x0c, 0x0e), 1.5));
    p.drawLine(QPointF(232, 156), QPointF(232, 172));
}

void spot(QPainter &p, const QPainterPath &shape, bool lit)
{
    if (lit) {
        p.setPen(QPen(QColor(0xff, 0x45, 0x45, 90), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
        p.setPen(QPen(colour::kRedBright, 1.6));
        p.setBrush(QColor(0xd0, 0x24, 0x24, 170));
    } else {
        p.setPen(QPen(QColor(0xa0, 0x40, 0x40, 150), 1.2));
        p.setBrush(QColor(0xc6, 0x28, 0x28, 22));
    }
    p.drawPath(shape);
}

} // namespace

void drawMouseViews()
{
    image("mouse", "MouseFront", kPicture, [](QPainter &p, const QSize &) { drawTopPicture(p); });
    image("mouse", "MouseSide", kPicture, [](QPainter &p, const QSize &) { drawSidePicture(p); });
    const auto top = topButtons();
    const auto side = sideButtons();
    for (int i = 0; i < kButtons; ++i) {
        for (bool lit : {false, true}) {
            const QString s = lit ? QStringLiteral("S") : QString();
            image("mouse", QStringLiteral("Mouse%1").arg(i) + s, kPicture,
                  [&top, i, lit](QPainter &p, const QSize &) { spot(p, top[i], lit); });
            image("mouse", QStringLiteral("MouseSide%1").arg(i) + s, kPicture,
                  [&side, i, lit](QPainter &p, const QSize &) { spot(p, side[i], lit); });
        }
    }
    const char *viewButtons[] = {"mouseSidebtnN", "mouseSidebtnH", "mouseSidebtnS"};
    const State states[] = {State::Normal, State::Hover, State::Pressed};
    for (int i = 0; i < 3; ++i)
        image("mouse", viewButtons[i], QSize(96, 26), [i, &states](QPainter &p, const QSize &s) {
            button(p, QRectF(QPointF(0, 0), s), states[i]);
            if (i == 2)
                p.fillRect(QRectF(10, s.height() - 3, s.width() - 20, 2), colour::kRedBright);
        });
}

} // namespace skin
