// Reading pixels of drawn images in the tests: colours as 0x00BBGGRR and ink counts in areas.
#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>

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
