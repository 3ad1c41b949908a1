#include "drawing_surface.h"

#include <QPainter>
#include <QPen>

void DrawingSurface::Line(QPoint from, QPoint to, QColor colour) {
    strokes_.push_back({QLine(from, to), colour});
    current_ = to;
}

void DrawingSurface::LineTo(QPoint to, QColor colour) {
    Line(current_, to, colour);
}

void DrawingSurface::Cls() {
    strokes_.clear();
    current_ = QPoint();
}

void DrawingSurface::Paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A window pixel (x, y) is the square from (x, y) to (x + 1, y + 1); a
    // line through the squares' centres lights exactly the device pixels of
    // the window pixels it passes, on any screen density.
    painter.translate(0.5, 0.5);
    for (const Stroke& stroke : strokes_) {
        // One pixel of the window wide: a square pen of width 1 in the
        // window's units, which a denser screen draws with more device pixels.
        painter.setPen(QPen(stroke.colour, 1, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(stroke.line);
    }
    painter.restore();
}
