#pragma once
// The program shows its full page once the red accent line of the page
// background is at its marker pixel, under the title bar.
#include <QColor>
#include <QImage>

inline bool fullPage(const QImage &shot)
{
    constexpr int kMarkerX = 6, kMarkerY = 26;
    if (shot.width() <= kMarkerX || shot.height() <= kMarkerY)
        return false;
    const QColor c = shot.pixelColor(kMarkerX, kMarkerY);
    return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}
