// The three drawing styles exactly as the game first drew them: stroke by
// stroke and box by box through the surface, over the whole picture. Slow
// at large sizes, but plain to check against the rules: the game's drawing,
// cell by cell, must give the same pixels, and the benchmarks measure it
// against this.
#pragma once

#include "platform/surface/image_surface.h"
#include "render/maze_renderer.h"

// The window's picture with the two shapes the whole drawing is made of.
class ReferenceSurface : public platform::ImageSurface {
public:
    // A line between the centres (x1, y1) and (x2, y2) of two cells in
    // ForeColor, DrawWidth wide, with round caps: every device pixel whose
    // top-left corner lies within half the width of the segment between the
    // centres of the two cells' device pixels, by the game's covers(). It
    // confirms the tiling only; the contract test holds covers() to a rule
    // worked out apart.
    void Line(float x1, float y1, float x2, float y2);
    // A box filled with ForeColor, covering x1 <= x < x2 and y1 <= y < y2,
    // so that boxes of neighbouring cells meet without a gap.
    void BoxFilled(float x1, float y1, float x2, float y2);
};

void referenceDrawLines(ReferenceSurface& s, const MazeScene& scene);
void referenceDrawStyle2(ReferenceSurface& s, const MazeScene& scene);
void referenceDrawStyle3(ReferenceSurface& s, const MazeScene& scene);

// The reference drawing in the style selected by styleIndex.
void referenceDrawInStyle(ReferenceSurface& s, const MazeScene& scene, std::int16_t styleIndex);
