// The page background, the logos and the dialog backgrounds.
#include "Canvas.h"
#include "Groups.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace skin {

namespace {

// Two red chevrons: the mark of the logos.
void mark(QPainter &p, const QPointF &at, qreal size)
{
    for (int i = 0; i < 2; ++i) {
        QPainterPath chevron;
        const qreal x = at.x() + i * size * 0.45;
        chevron.moveTo(x, at.y());
        chevron.lineTo(x + size * 0.45, at.y() + size / 2);
        chevron.lineTo(x, at.y() + size);
        chevron.lineTo(x + size * 0.22, at.y() + size);
        chevron.lineTo(x + size * 0.67, at.y() + size / 2);
        chevron.lineTo(x + size * 0.22, at.y());
        chevron.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(i == 0 ? colour::kRed : colour::kRedBright);
        p.drawPath(chevron);
    }
}

void wordmark(QPainter &p, const QRectF &r, int pixelSize)
{
    p.setFont(font(pixelSize, true));
    p.setPen(colour::kText);
    QFont f = p.font();
    f.setLetterSpacing(QFont::AbsoluteSpacing, pixelSize * 0.12);
    p.setFont(f);
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TALVEK"));
}

} // namespace

void drawDialogImages()
{
    plainImage(QStringLiteral("background.png"), QSize(1000, 640), [](QPainter &p, const QSize &s) {
        const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
        QLinearGradient g(0, 0, s.width() * 0.3, s.height());
        g.setColorAt(0, colour::kPageLight);
        g.setColorAt(1, colour::kPage);
        p.setPen(QPen(QColor(0x3a, 0x2a, 0x2c), 1));
        p.setBrush(g);
        p.drawRoundedRect(r, 8, 8);
        // Header strip with the accent line under it.
        QPainterPath clip;
        clip.addRoundedRect(r, 8, 8);
        p.setClipPath(clip);
        p.fillRect(QRectF(0, 0, s.width(), 26), QColor(0x10, 0x10, 0x12));
        QLinearGradient accent(0, 0, s.width(), 0);
        accent.setColorAt(0, colour::kRed);
        accent.setColorAt(0.6, QColor(0xc6, 0x28, 0x28, 90));
        accent.setColorAt(1, Qt::transparent);
        p.fillRect(QRectF(0, 26, s.width(), 2), accent);
        // Fine diagonal texture.
        p.setPen(QPen(QColor(255, 255, 255, 6), 1));
        for (int x = -s.height(); x < s.width(); x += 6)
            p.drawLine(QPointF(x, s.height()), QPointF(x + s.height(), 0));
        // A red glow behind the mouse picture.
        QRadialGradient glow(QPointF(500, 330), 300);
        glow.setColorAt(0, QColor(0xc6, 0x28, 0x28, 46));
        glow.setColorAt(1, Qt::transparent);
        p.fillRect(QRectF(150, 30, 700, 600), glow);
        // Floor line under the picture.
        p.setPen(QPen(QColor(0xc6, 0x28, 0x28, 70), 1));
        p.drawLine(QPointF(300, 596), QPointF(700, 596));
    });
    image("index", "mainLogo", QSize(220, 48), [](QPainter &p, const QSize &) {
        mark(p, QPointF(2, 8), 32);
        wordmark(p, QRectF(48, 4, 170, 28), 24);
        p.setFont(font(9));
        p.setPen(colour::kDim);
        p.drawText(QRectF(50, 31, 170, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("GAMING MOUSE UTILITY"));
    });
    image("index", "powerOn", QSize(360, 160), [](QPainter &p, const QSize &s) {
        QRadialGradient glow(QPointF(s.width() / 2.0, s.height() / 2.0), s.width() / 2.0);
        glow.setColorAt(0, QColor(0x30, 0x10, 0x10, 230));
        glow.setColorAt(1, Qt::transparent);
        p.fillRect(QRectF(QPointF(0, 0), s), glow);
        mark(p, QPointF(62, 48), 56);
        wordmark(p, QRectF(140, 44, 210, 48), 40);
        p.setFont(font(11));
        p.setPen(colour::kDim);
        p.drawText(QRectF(140, 92, 210, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("GAMING MOUSE UTILITY"));
    });
    struct Dialog { const char *name; QSize size; };
    const Dialog dialogs[] = {
        {"macroKeyBg", QSize(320, 300)}, {"singleKeyBg", QSize(300, 170)}, {"sureBg", QSize(320, 160)},
        {"insertKeyBg", QSize(260, 140)}, {"cancelRecordBg", QSize(260, 140)},
    };
    for (const Dialog &d : dialogs)
        image("index", d.name, d.size, [](QPainter &p, const QSize &s) { dialogBackground(p, s); });
}

} // namespace skin
