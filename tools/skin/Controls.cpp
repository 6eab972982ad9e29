// Buttons and small icons: title bar, reset and save buttons, profile,
// macro and gun controls.
#include "Canvas.h"
#include "Groups.h"

namespace skin {

namespace {

const State kStates[] = {State::Normal, State::Hover, State::Pressed};
const char *const kStateSuffix[] = {"", "H", "P"};

void cross(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap));
    const qreal m = r.width() * 0.27;
    p.drawLine(r.topLeft() + QPointF(m, m), r.bottomRight() - QPointF(m, m));
    p.drawLine(QPointF(r.right() - m, r.top() + m), QPointF(r.left() + m, r.bottom() - m));
}

void titleButton(QPainter &p, const QSize &s, bool hover)
{
    const QRectF r(0, 0, s.width(), s.height());
    p.setPen(Qt::NoPen);
    p.setBrush(hover ? colour::kRed : QColor(0x2c, 0x2c, 0x30));
    p.drawRoundedRect(r, 3, 3);
}

void icon(QPainter &p, const QRectF &r, const QString &glyph, const QColor &c)
{
    p.setPen(c);
    p.setFont(font(int(r.height() * 0.8), true));
    p.drawText(r, Qt::AlignCenter, glyph);
}

} // namespace

void drawIndexControls()
{
    const QSize title(15, 15);
    for (bool hover : {false, true}) {
        const QString h = hover ? QStringLiteral("H") : QString();
        // minBtn closes (a cross), closeBtn minimises (a bar).
        image("index", "minBtn" + h, title, [hover](QPainter &p, const QSize &s) {
            titleButton(p, s, hover);
            cross(p, QRectF(QPointF(0, 0), s), colour::kText);
        });
        image("index", "closeBtn" + h, title, [hover](QPainter &p, const QSize &s) {
            titleButton(p, s, hover);
            p.setPen(QPen(colour::kText, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(4, s.height() - 5), QPointF(s.width() - 4, s.height() - 5));
        });
        image("index", "ask" + h, title, [hover](QPainter &p, const QSize &s) {
            titleButton(p, s, hover);
            icon(p, QRectF(QPointF(0, 0), s), QStringLiteral("?"), colour::kText);
        });
    }
    for (int i = 0; i < 3; ++i) {
        image("index", QStringLiteral("restBtn") + kStateSuffix[i], QSize(72, 24), [i](QPainter &p, const QSize &s) {
            button(p, QRectF(QPointF(0, 0), s), kStates[i]);
        });
        image("index", QStringLiteral("saveBtn") + kStateSuffix[i], QSize(72, 24), [i](QPainter &p, const QSize &s) {
            button(p, QRectF(QPointF(0, 0), s), kStates[i]);
        });
    }
    image("index", "flickableBar", QSize(8, 563), [](QPainter &p, const QSize &s) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x10, 0x10, 0x12, 200));
        p.drawRoundedRect(QRectF(0, 0, s.width(), s.height()), 4, 4);
    });
    for (bool on : {true, false})
        image("index", on ? "macroTypeCheck" : "macroTypeCheck0", QSize(14, 14), [on](QPainter &p, const QSize &s) {
            radio(p, QRectF(QPointF(0, 0), s), on);
        });
}

void drawProfileControls()
{
    for (int i = 0; i < 3; ++i) {
        const char *suffix[] = {"", "H", "S"};
        image("profile", QStringLiteral("profileStartBtn") + suffix[i], QSize(120, 28), [i](QPainter &p, const QSize &s) {
            button(p, QRectF(QPointF(0, 0), s), i == 0 ? State::Normal : (i == 1 ? State::Hover : State::Pressed));
            // A stack of cards marks the profiles.
            p.setPen(QPen(i == 0 ? colour::kDim : colour::kText, 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(8, 9, 10, 10));
            p.drawLine(QPointF(11, 6), QPointF(21, 6));
            p.drawLine(QPointF(21, 6), QPointF(21, 16));
        });
    }
    image("profile", "profileBG", QSize(220, 196), [](QPainter &p, const QSize &s) { dialogBackground(p, s); });
    struct Small { const char *name; State state; bool dim; };
    const Small buttons[] = {
        {"profileCopyBtn", State::Normal, false}, {"profileCopyBtnS", State::Hover, false},
        {"profileDeleteBtn", State::Normal, false}, {"profileDeleteBtnS", State::Hover, false},
        {"profileDeleteBtn0", State::Normal, true}, {"profileEditBtn", State::Normal, false},
        {"profileEditBtnS", State::Hover, false}, {"profileNewBtn", State::Normal, false},
    };
    for (const Small &b : buttons)
        image("profile", b.name, QSize(70, 22), [b](QPainter &p, const QSize &s) {
            if (b.dim)
                p.setOpacity(0.45);
            button(p, QRectF(QPointF(0, 0), s), b.state);
        });
    image("profile", "profileSettingBtn", QSize(16, 16), [](QPainter &p, const QSize &s) {
        p.setPen(QPen(colour::kText, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(4, 4, s.width() - 8, s.height() - 8));
        for (int a = 0; a < 8; ++a) {
            p.save();
            p.translate(s.width() / 2.0, s.height() / 2.0);
            p.rotate(a * 45);
            p.drawLine(QPointF(0, -5), QPointF(0, -7.5));
            p.restore();
        }
    });
    image("profile", "profileCloseBtn", QSize(15, 15), [](QPainter &p, const QSize &s) {
        titleButton(p, s, false);
        cross(p, QRectF(QPointF(0, 0), s), colour::kText);
    });
}

void drawMacroControls()
{
    for (int i = 0; i < 3; ++i) {
        image("macros", QStringLiteral("macroStartBtn") + kStateSuffix[i], QSize(120, 28), [i](QPainter &p, const QSize &s) {
            button(p, QRectF(QPointF(0, 0), s), kStates[i]);
        });
        image("macros", QStringLiteral("macroNewBtn") + kStateSuffix[i], QSize(70, 24), [i](QPainter &p, const QSize &s) {
            button(p, QRectF(QPointF(0, 0), s), kStates[i]);
        });
        image("macros", QStringLiteral("macroSaveBtn") + kStateSuffix[i], QSize(70, 24), [i](QPainter &p, const QSize &s) {
            button(p, QRectF(QPointF(0, 0), s), kStates[i]);
        });
        image("macros", QStringLiteral("macroRecordBtn") + kStateSuffix[i], QSize(110, 26), [i](QPainter &p, const QSize &s) {
            button(p, QRectF(QPointF(0, 0), s), kStates[i]);
            p.setPen(Qt::NoPen);
            p.setBrush(i == 0 ? colour::kRed : colour::kRedBright);
            p.drawEllipse(QPointF(13, s.height() / 2.0), 4.5, 4.5);
        });
    }
    image("macros", "macroBg", QSize(640, 440), [](QPainter &p, const QSize &s) { dialogBackground(p, s); });
    image("macros", "macroMenuBG", QSize(150, 130), [](QPainter &p, const QSize &s) {
        p.setPen(QPen(QColor(0x8f, 0x20, 0x20), 1));
        p.setBrush(QColor(0x2a, 0x16, 0x16));
        p.drawRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
    });
    for (bool on : {false, true})
        image("macros", on ? "macroCheck1" : "macroCheck0", QSize(14, 14), [on](QPainter &p, const QSize &s) {
            check(p, QRectF(QPointF(0, 0), s), on);
        });
    image("macros", "macroKeyDelay", QSize(14, 14), [](QPainter &p, const QSize &s) {
        p.setPen(QPen(QColor(0xe0, 0xb0, 0x40), 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(1.5, 1.5, s.width() - 3, s.height() - 3));
        p.drawLine(QPointF(7, 7), QPointF(7, 3.5));
        p.drawLine(QPointF(7, 7), QPointF(10, 8.5));
    });
    for (bool press : {true, false})
        image("macros", press ? "macroKeyPress" : "macroKeyRelease", QSize(14, 14), [press](QPainter &p, const QSize &s) {
            QPainterPath arrow;
            const qreal w = s.width(), h = s.height();
            if (press) {
                arrow.moveTo(w / 2, h - 1.5);
                arrow.lineTo(1.5, h / 2);
                arrow.lineTo(w - 1.5, h / 2);
            } else {
                arrow.moveTo(w / 2, 1.5);
                arrow.lineTo(1.5, h / 2);
                arrow.lineTo(w - 1.5, h / 2);
            }
            arrow.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(press ? colour::kRedBright : QColor(0x50, 0xc0, 0x70));
            p.drawPath(arrow);
            p.fillRect(QRectF(w / 2 - 1.5, press ? 1.5 : h / 2, 3, h / 2 - 1.5), p.brush());
        });
}

void drawGunControls()
{
    image("gun", "bg", QSize(520, 360), [](QPainter &p, const QSize &s) { dialogBackground(p, s); });
    const char *suffix[] = {"", "H", "P"};
    for (int i = 0; i < 3; ++i) {
        image("gun", QStringLiteral("cancelBtn") + suffix[i], QSize(80, 24), [i](QPainter &p, const QSize &s) {
            button(p, QRectF(QPointF(0, 0), s), kStates[i]);
        });
        image("gun", QStringLiteral("newBtn") + suffix[i], QSize(80, 24), [i](QPainter &p, const QSize &s) {
            button(p, QRectF(QPointF(0, 0), s), kStates[i]);
        });
    }
    for (bool on : {false, true})
        image("gun", on ? "radioS" : "radio", QSize(14, 14), [on](QPainter &p, const QSize &s) {
            radio(p, QRectF(QPointF(0, 0), s), on);
        });
}

} // namespace skin
