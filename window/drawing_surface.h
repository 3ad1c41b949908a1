#pragma once

#include <QColor>
#include <QLine>
#include <QPoint>

#include <vector>

class QPainter;

// The window's drawing surface: solid one-pixel lines that stay until the
// surface is cleared. It keeps the lines themselves rather than a picture of
// them, so the window paints them again at the screen's own resolution
// whenever it is uncovered, restored or moved to a denser screen.
class DrawingSurface {
  public:
    // A line between two points; the drawing position moves to its end.
    void Line(QPoint from, QPoint to, QColor colour);
    // A line from the drawing position to a point.
    void LineTo(QPoint to, QColor colour);
    // Clears the surface to the window's background.
    void Cls();

    bool IsEmpty() const { return strokes_.empty(); }
    QPoint CurrentPosition() const { return current_; }

    void Paint(QPainter& painter) const;

  private:
    struct Stroke {
        QLine line;
        QColor colour;
    };
    std::vector<Stroke> strokes_;
    QPoint current_;
};
