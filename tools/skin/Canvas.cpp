#include "Canvas.h"

#include <QDir>
#include <QFontDatabase>
#include <QLinearGradient>

namespace skin {

static QString g_folder;
static int g_written = 0;

void setOutput(const QString &folder) { g_folder = folder; }
int written() { return g_written; }

// The image at one density: `scale` 2 is the "@2x" file that Qt picks by
// itself on a high-density screen, drawn (not enlarged) at twice the pixels.
static void writeAt(const QString &path, QSize size, int scale, const Draw &draw)
{
    QImage img(size * scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        draw(p, size);
    }
    QDir().mkpath(QFileInfo(path).path());
    if (!img.save(path, "PNG"))
        qFatal("cannot write %s", qPrintable(path));
    ++g_written;
}

static void write(const QString &path, QSize size, const Draw &draw)
{
    writeAt(path, size, 1, draw);
    QString doubled = path;
    doubled.insert(path.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    writeAt(doubled, size, 2, draw);
}

void image(const char *group, const QString &file, QSize size, const Draw &draw)
{
    write(QStringLiteral("%1/skin1/%2/%3.png").arg(g_folder, QLatin1String(group), file), size, draw);
}

void plainImage(const QString &path, QSize size, const Draw &draw)
{
    write(g_folder + QLatin1Char('/') + path, size, draw);
}

QFont font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QFont chineseFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    if (!QFontDatabase().families().contains(f.family()))
        qWarning("WenQuanYi Micro Hei is not installed: Chinese images fall back to another face");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void button(QPainter &p, const QRectF &r, State state, const QString &label)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    switch (state) {
    case State::Normal:
        g.setColorAt(0, QColor(0x3a, 0x1c, 0x1c));
        g.setColorAt(1, QColor(0x26, 0x12, 0x12));
        break;
    case State::Hover:
        g.setColorAt(0, QColor(0x8a, 0x22, 0x22));
        g.setColorAt(1, QColor(0x5e, 0x16, 0x16));
        break;
    case State::Pressed:
        g.setColorAt(0, QColor(0x4a, 0x10, 0x10));
        g.setColorAt(1, QColor(0x6e, 0x1a, 0x1a));
        break;
    }
    p.setPen(QPen(state == State::Normal ? QColor(0x6a, 0x30, 0x30) : colour::kRedBright, 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    if (!label.isEmpty()) {
        p.setPen(colour::kText);
        p.setFont(font(int(r.height() * 0.45)));
        p.drawText(r, Qt::AlignCenter, label);
    }
}

void dialogBackground(QPainter &p, const QSize &size)
{
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0x26, 0x22, 0x24));
    g.setColorAt(1, QColor(0x16, 0x15, 0x17));
    p.setPen(QPen(QColor(0x4e, 0x34, 0x34), 1));
    p.setBrush(g);
    p.drawRect(r);
    p.fillRect(QRectF(1, 30, size.width() - 2, 2), colour::kRed);
    // A faint red glow in the lower right corner.
    QRadialGradient glow(QPointF(size.width(), size.height()), size.width() * 0.5);
    glow.setColorAt(0, QColor(0xc6, 0x28, 0x28, 40));
    glow.setColorAt(1, Qt::transparent);
    p.fillRect(r.adjusted(1, 33, -1, -1), glow);
}

void radio(QPainter &p, const QRectF &r, bool on)
{
    p.setPen(QPen(on ? colour::kRedBright : colour::kDim, 1.4));
    p.setBrush(QColor(0x12, 0x12, 0x14));
    p.drawEllipse(r.adjusted(1, 1, -1, -1));
    if (on) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour::kRed);
        const qreal m = r.width() * 0.3;
        p.drawEllipse(r.adjusted(m, m, -m, -m));
    }
}

void check(QPainter &p, const QRectF &r, bool on)
{
    p.setPen(QPen(on ? colour::kRedBright : colour::kDim, 1.2));
    p.setBrush(on ? colour::kRed : QColor(0x12, 0x12, 0x14));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 2, 2);
    if (on) {
        QPainterPath tick;
        tick.moveTo(r.left() + r.width() * 0.25, r.top() + r.height() * 0.52);
        tick.lineTo(r.left() + r.width() * 0.43, r.top() + r.height() * 0.7);
        tick.lineTo(r.left() + r.width() * 0.76, r.top() + r.height() * 0.3);
        p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
}

} // namespace skin
