#pragma once

#include <QColor>

#include <array>

class DrawingSurface;

// The series circuit as a line drawing: a rectangular loop with two zigzag
// resistors in its top wire and a cell (a long and a short plate) in its
// bottom wire. It is the same for every question.
namespace circuit_figure {

// A corner of a segment: a base point and which of its coordinates move by
// the pass offset.
struct Corner {
    int x;
    int y;
    bool xMoves;
    bool yMoves;
};

struct Segment {
    Corner start;
    Corner end;
    // Continued segments start at the drawing position the previous one left.
    bool continued;
};

inline constexpr int kPasses = 6;
inline const QColor kLightCyan{0, 255, 255};

// The twenty-three segments of one pass.
const std::array<Segment, 23>& Segments();

// Draws the figure: six passes, each moved one pixel further by offset i in
// the coordinates that carry it, so that the copies together make thick lines.
void Draw(DrawingSurface& surface);

} // namespace circuit_figure
