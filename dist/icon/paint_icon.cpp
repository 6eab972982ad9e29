// Draws the program's icon, the mouse of the tray icon (a dark body with a
// light rim, the line between the buttons and the wheel), at each size
// desktops ask for: OUTDIR/<size>x<size>.png.
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr double kDesignSize = 32.0;  // the tray icon's size; shapes below are in its pixels
const QColor kRim(0x22, 0xc8, 0xdc);
const QColor kBody(0x1c, 0x23, 0x2b);
} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZE...\n", argv[0]);
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / kDesignSize, size / kDesignSize);
        p.setPen(QPen(kRim, 2));
        p.setBrush(kBody);
        p.drawRoundedRect(QRectF(7, 2, 18, 28), 9, 10);
        p.drawLine(QPointF(16, 3), QPointF(16, 13));
        p.setBrush(kRim);
        p.drawRoundedRect(QRectF(14.5, 6, 3, 5), 1.5, 1.5);
        p.end();
        const QString file = QStringLiteral("%1/%2x%2.png").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (size <= 0 || !image.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
