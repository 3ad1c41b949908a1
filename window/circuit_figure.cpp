#include "circuit_figure.h"

#include "drawing_surface.h"

namespace circuit_figure {

namespace {

// Corners of the loop and the wire ends at the cell step diagonally with the
// pass; the zigzags and the points where they meet the wire step down; the
// plates of the cell step right.
constexpr Corner Both(int x, int y) {
    return {x, y, true, true};
}
constexpr Corner Down(int x, int y) {
    return {x, y, false, true};
}
constexpr Corner Right(int x, int y) {
    return {x, y, true, false};
}

constexpr bool kGiven = false;
constexpr bool kContinued = true;

const std::array<Segment, 23> kSegments = {{
    // top wire, from the top-left corner to the first resistor
    {Both(50, 100), Down(150, 100), kGiven},
    // first resistor: seven strokes, three peaks and three troughs
    {Down(150, 100), Down(160, 70), kContinued},
    {Down(160, 70), Down(180, 130), kContinued},
    {Down(180, 130), Down(200, 70), kGiven},
    {Down(200, 70), Down(220, 130), kContinued},
    {Down(220, 130), Down(240, 70), kContinued},
    {Down(240, 70), Down(260, 130), kGiven},
    {Down(260, 130), Down(270, 100), kContinued},
    // top wire between the two resistors
    {Down(270, 100), Down(330, 100), kContinued},
    // second resistor
    {Down(330, 100), Down(340, 70), kGiven},
    {Down(340, 70), Down(360, 130), kContinued},
    {Down(360, 130), Down(380, 70), kContinued},
    {Down(380, 70), Down(400, 130), kGiven},
    {Down(400, 130), Down(420, 70), kContinued},
    {Down(420, 70), Down(440, 130), kContinued},
    {Down(440, 130), Down(450, 100), kGiven},
    // top wire to the top-right corner, the right wire, the bottom wire to
    // the short plate of the cell
    {Down(450, 100), Both(550, 100), kContinued},
    {Both(550, 100), Both(550, 300), kGiven},
    {Both(550, 300), Both(310, 300), kContinued},
    // bottom wire from the long plate to the bottom-left corner, left wire
    {Both(290, 300), Both(50, 300), kGiven},
    {Both(50, 300), Both(50, 100), kContinued},
    // the plates of the cell: short on the right, long on the left
    {Right(310, 290), Right(310, 316), kGiven},
    {Right(290, 270), Right(290, 336), kGiven},
}};

QPoint At(const Corner& corner, int i) {
    return {corner.x + (corner.xMoves ? i : 0), corner.y + (corner.yMoves ? i : 0)};
}

} // namespace

const std::array<Segment, 23>& Segments() {
    return kSegments;
}

void Draw(DrawingSurface& surface) {
    for (int i = 0; i < kPasses; ++i) {
        for (const Segment& segment : kSegments) {
            if (segment.continued) {
                surface.LineTo(At(segment.end, i), kLightCyan);
            } else {
                surface.Line(At(segment.start, i), At(segment.end, i), kLightCyan);
            }
        }
    }
}

} // namespace circuit_figure
