#pragma once
// The program shows its full page once the red accent line of the page
// background is at its marker pixel, under the title bar.
#include <QColor>
#include <QImage>

// The marker is placed in proportion to the shot: the page may be scaled
// to fit the screen, and the shot may have two pixels per point.
inline bool fullPage(const QImage &shot)
{
    constexpr int kPageWidth = 1000, kPageHeight = 640, kMarkerX = 6, kMarkerY = 26;
    if (shot.width() < kPageWidth / 4 || shot.height() < kPageHeight / 4)
        return false;
    const QColor c = shot.pixelColor(kMarkerX * shot.width() / kPageWidth, kMarkerY * shot.height() / kPageHeight);
    return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}
