// Images of the panels: axis and level sliders, DPI track and toggles, the
// hue bar, report-rate quadrants, dials, scroll controls.
#include "Canvas.h"
#include "Groups.h"

#include <QLinearGradient>
#include <QtMath>

namespace skin {

namespace {

// Hue of the colour bar at pixel column x of a bar `width` wide; the same
// six ramps the pages compute for the slider.
QColor hueAt(int x, int width)
{
    const int w = width / 6;
    const int k = x / w;
    const int s = (x - k * w) * 255 / w;
    switch (k) {
    case 0: return QColor(255, s, 0);
    case 1: return QColor(255 - s, 255, 0);
    case 2: return QColor(0, 255, s);
    case 3: return QColor(0, 255 - s, 255);
    case 4: return QColor(s, 0, 255);
    case 5: return QColor(255, 0, 255 - s);
    default: return QColor(255, 0, 0);
    }
}

void track(QPainter &p, const QRectF &r, qreal filledTo)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0e, 0x0e, 0x10));
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
    if (filledTo > r.left()) {
        QLinearGradient g(r.topLeft(), r.topRight());
        g.setColorAt(0, colour::kRedDark);
        g.setColorAt(1, colour::kRedBright);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(r.left(), r.top(), filledTo - r.left(), r.height()), r.height() / 2, r.height() / 2);
    }
}

void knob(QPainter &p, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xf4, 0xf4, 0xf4));
    g.setColorAt(1, QColor(0xa8, 0xa8, 0xac));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(QPen(colour::kRed, 1.5));
    p.drawLine(QPointF(r.center().x(), r.top() + 4), QPointF(r.center().x(), r.bottom() - 4));
}

void quadrants(QPainter &p, const QSize &s, int selected, bool chinese)
{
    // Quadrant order of the pictures: 0 top right (1000 Hz), 1 bottom right,
    // 2 bottom left, 3 top left (125 Hz).
    const qreal w = s.width() / 2.0, h = s.height() / 2.0;
    const QRectF cells[] = {QRectF(w, 0, w, h), QRectF(w, h, w, h), QRectF(0, h, w, h), QRectF(0, 0, w, h)};
    const char *rates[] = {"1000", "500", "250", "125"};
    const char *periods[] = {"1", "2", "4", "8"};
    for (int i = 0; i < 4; ++i) {
        const QRectF c = cells[i].adjusted(2, 2, -2, -2);
        const bool on = i == selected;
        QLinearGradient g(c.topLeft(), c.bottomLeft());
        g.setColorAt(0, on ? QColor(0xb0, 0x26, 0x26) : QColor(0x2a, 0x2a, 0x2f));
        g.setColorAt(1, on ? QColor(0x6a, 0x14, 0x14) : QColor(0x1c, 0x1c, 0x20));
        p.setPen(QPen(on ? colour::kRedBright : colour::kLine, 1));
        p.setBrush(g);
        p.drawRoundedRect(c, 4, 4);
        p.setPen(on ? colour::kText : QColor(0xb0, 0xb0, 0xb8));
        p.setFont(font(18, true));
        p.drawText(c.adjusted(0, 8, 0, -c.height() / 2 + 6), Qt::AlignHCenter | Qt::AlignBottom, QString::fromLatin1(rates[i]));
        p.setFont(chinese ? chineseFont(11) : font(10));
        const QString unit = chinese ? QStringLiteral("赫兹 · %1 毫秒").arg(QLatin1String(periods[i]))
                                     : QStringLiteral("Hz · %1 ms").arg(QLatin1String(periods[i]));
        p.drawText(c.adjusted(0, c.height() / 2 + 4, 0, 0), Qt::AlignHCenter | Qt::AlignTop, unit);
    }
}

// Half dial of 200 x 90 with its centre at (100, 70); `shown` 0..10.
void dial(QPainter &p, int shown)
{
    const QPointF c(100, 70);
    const qreal r = 58;
    QRectF arcBox(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.setPen(QPen(QColor(0x0e, 0x0e, 0x10), 10, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(arcBox, 0, 180 * 16);
    const qreal fraction = shown / 10.0;
    QConicalGradient g(c, 180);
    g.setColorAt(0, colour::kRedDark);
    g.setColorAt(0.5, colour::kRedBright);
    p.setPen(QPen(QBrush(g), 10, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(arcBox, 180 * 16, int(-180 * 16 * fraction));
    // Ticks for the values 0..11.
    p.setPen(QPen(colour::kDim, 1.2));
    for (int i = 0; i <= 11; ++i) {
        const qreal a = M_PI - M_PI * i / 11.0;
        p.drawLine(c + QPointF(qCos(a) * (r + 8), -qSin(a) * (r + 8)), c + QPointF(qCos(a) * (r + 13), -qSin(a) * (r + 13)));
    }
    const qreal a = M_PI - M_PI * fraction;
    p.setPen(QPen(colour::kText, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(qCos(a) * (r - 12), -qSin(a) * (r - 12)));
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kRed);
    p.drawEllipse(c, 6, 6);
}

void arrow(QPainter &p, const QSize &s, bool up, bool hover)
{
    QPainterPath tri;
    const qreal w = s.width(), h = s.height();
    if (up) {
        tri.moveTo(w / 2, 2.5);
        tri.lineTo(w - 2.5, h - 2.5);
        tri.lineTo(2.5, h - 2.5);
    } else {
        tri.moveTo(2.5, 2.5);
        tri.lineTo(w - 2.5, 2.5);
        tri.lineTo(w / 2, h - 2.5);
    }
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(hover ? colour::kRedBright : colour::kDim);
    p.drawPath(tri);
}

} // namespace

void drawPanelImages()
{
    // Axis sliders: knob centres of the ten levels.
    const int stops[] = {10, 30, 52, 74, 95, 116, 137, 159, 180, 200};
    for (int level = 0; level < 10; ++level)
        image("xySetting", QStringLiteral("xy%1").arg(level), QSize(210, 20), [&stops, level](QPainter &p, const QSize &) {
            track(p, QRectF(2, 7, 206, 6), stops[level]);
            p.setPen(QPen(colour::kLine, 1));
            for (int x : stops)
                p.drawLine(QPointF(x, 16), QPointF(x, 19));
        });
    image("xySetting", "xyBtn", QSize(14, 20), [](QPainter &p, const QSize &s) { knob(p, QRectF(QPointF(0, 0), s)); });
    image("xySetting", "xyNumber", QSize(210, 12), [&stops](QPainter &p, const QSize &) {
        p.setFont(font(9));
        p.setPen(colour::kDim);
        for (int i = 0; i < 10; ++i)
            p.drawText(QRectF(stops[i] - 8, 0, 16, 12), Qt::AlignCenter, QString::number(i + 1));
    });

    // Lighting level sliders: stops at 4, 34, 63, 93, 122.
    const int levelStops[] = {4, 34, 63, 93, 122};
    for (int level = 0; level < 5; ++level)
        image("lightControl", QStringLiteral("lightControl%1").arg(level), QSize(130, 8),
              [&levelStops, level](QPainter &p, const QSize &) { track(p, QRectF(1, 2, 128, 4), levelStops[level] + 2); });
    image("lightControl", "lightControlBtn", QSize(10, 14), [](QPainter &p, const QSize &s) { knob(p, QRectF(QPointF(0, 0), s)); });
    for (bool on : {false, true})
        image("lightControl", on ? "lightControlBtn1" : "lightControlBtn0", QSize(14, 14), [on](QPainter &p, const QSize &s) {
            radio(p, QRectF(QPointF(0, 0), s), on);
        });
    for (int i = 0; i < 3; ++i)
        image("lightControl", QStringLiteral("lightControlTxt%1").arg(i), QSize(70, 20), [i](QPainter &p, const QSize &s) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x2a, 0x2a, 0x2f, 120 + 40 * i));
            p.drawRoundedRect(QRectF(QPointF(0, 0), s), 3, 3);
        });

    // DPI stages.
    image("dpiSetting", "dpiSettingBG", QSize(10, 154), [](QPainter &p, const QSize &s) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x0e, 0x0e, 0x10));
        p.drawRoundedRect(QRectF(QPointF(0, 0), s), 4, 4);
        p.setPen(QPen(QColor(0x3a, 0x3a, 0x40), 1));
        for (int y = 14; y < s.height(); y += 15)
            p.drawLine(QPointF(1, y), QPointF(3, y));
    });
    for (bool on : {false, true})
        image("dpiSetting", on ? "dpiSetting1" : "dpiSetting0", QSize(14, 14), [on](QPainter &p, const QSize &s) {
            check(p, QRectF(QPointF(0, 0), s), on);
        });
    image("dpiSetting", "colorBar", QSize(128, 12), [](QPainter &p, const QSize &s) {
        for (int x = 0; x < s.width(); ++x)
            p.fillRect(QRectF(x, 0, 1, s.height()), hueAt(x, s.width()));
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
    });
    image("dpiSetting", "colorBarSlide", QSize(6, 16), [](QPainter &p, const QSize &s) {
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
        p.setBrush(QColor(0xf4, 0xf4, 0xf4));
        p.drawRoundedRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1), 2, 2);
    });

    // Report rate: selection 0..3 in English and Chinese.
    for (int i = 0; i < 4; ++i) {
        image("reportRate", QStringLiteral("reportRate%1").arg(i), QSize(226, 130),
              [i](QPainter &p, const QSize &s) { quadrants(p, s, i, true); });
        image("reportRate", QStringLiteral("reportRateEn%1").arg(i), QSize(226, 130),
              [i](QPainter &p, const QSize &s) { quadrants(p, s, i, false); });
    }

    for (int i = 0; i <= 10; ++i)
        image("mouseRate", QStringLiteral("mouseRate%1").arg(i), QSize(200, 90), [i](QPainter &p, const QSize &) { dial(p, i); });

    // Scroll: 0/1 option off/on, 2 field, 3/4 up, 5/6 down (hovered).
    for (bool on : {false, true})
        image("scrollRate", on ? "scrollRate1" : "scrollRate0", QSize(14, 14), [on](QPainter &p, const QSize &s) {
            radio(p, QRectF(QPointF(0, 0), s), on);
        });
    image("scrollRate", "scrollRate2", QSize(46, 24), [](QPainter &p, const QSize &s) {
        p.setPen(QPen(QColor(0x4e, 0x34, 0x34), 1));
        p.setBrush(QColor(0x0e, 0x0e, 0x10));
        p.drawRoundedRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1), 3, 3);
    });
    image("scrollRate", "scrollRate3", QSize(14, 12), [](QPainter &p, const QSize &s) { arrow(p, s, true, false); });
    image("scrollRate", "scrollRate4", QSize(14, 12), [](QPainter &p, const QSize &s) { arrow(p, s, true, true); });
    image("scrollRate", "scrollRate5", QSize(14, 12), [](QPainter &p, const QSize &s) { arrow(p, s, false, false); });
    image("scrollRate", "scrollRate6", QSize(14, 12), [](QPainter &p, const QSize &s) { arrow(p, s, false, true); });
}

} // namespace skin
