// Reading pixels of drawn images in the tests: colours as 0x00BBGGRR and ink counts in areas.
#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>

#include "classic_pen.h"
#include "display_options.h"

// The pixel's colour as 0x00BBGGRR.
inline int32_t Bgr(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16);
}

// How many pixels in the rectangle differ from the background colour.
inline int InkIn(const QImage& image, const QRect& area, int32_t background) {
    int count = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            count += Bgr(image, x, y) != background ? 1 : 0;
        }
    }
    return count;
}

// How many pixels in the rectangle have exactly the colour.
inline int CountColour(const QImage& image, const QRect& area, int32_t colour) {
    int count = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            count += Bgr(image, x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// Whether a canvas drawn for a screen at 200 % holds detail finer than its logical pixels in the
// area: a logical pixel whose four device pixels differ, which no enlargement gives.
inline bool FinerThanLogical(const CanvasImage& c, const QRect& area) {
    for (int y = 2 * area.top(); y <= 2 * area.bottom() + 1; ++y) {
        for (int x = 2 * area.left(); x <= 2 * area.right() + 1; ++x) {
            if (c.device.pixel(x, y) != c.device.pixel(x & ~1, y & ~1)) {
                return true;
            }
        }
    }
    return false;
}
