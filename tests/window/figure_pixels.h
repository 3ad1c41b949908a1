#pragma once

#include "drawing_surface.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>

// Reading the circuit figure back in pixels.

inline const QColor kLightCyan(0, 255, 255);
inline const QColor kBackground(0, 0, 0);

inline bool IsLit(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == kLightCyan;
}

// The drawing surface alone, painted on the window's background at the given
// number of device pixels per window pixel.
inline QImage SurfaceImage(const DrawingSurface& surface, int devicePixelRatio = 1) {
    QImage image(792 * devicePixelRatio, 573 * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(kBackground);
    QPainter painter(&image);
    surface.Paint(painter);
    return image;
}

// The window as it shows on its screen, controls included, in device pixels.
inline QImage WindowImage(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The pixels of `area` (device pixels) that are lit, and those that are
// neither lit nor background.
struct PixelCount {
    int lit = 0;
    int foreign = 0;
};
inline PixelCount CountPixels(const QImage& image, const QRect& area) {
    PixelCount count;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour == kLightCyan) {
                ++count.lit;
            } else if (colour != kBackground) {
                ++count.foreign;
            }
        }
    }
    return count;
}

// The smallest rectangle holding every lit pixel.
inline QRect LitBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (IsLit(image, x, y)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}
