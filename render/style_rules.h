// The three drawing styles, each told as a rule to check against its
// picture: which cells draw strokes and to which of their neighbours, and
// what fills each cell beneath the strokes. One builder turns a rule and a
// maze into the look of every cell.
#pragma once

#include "render/maze_renderer.h"
#include "render/surface.h"

#include <span>

// From a cell that draws, a stroke to the neighbour at (dx, dy) when that
// neighbour draws too.
struct StrokeStep {
    int dx, dy;
};

enum class CellFill { None, Fore, Back, ForeOrWall };

struct StyleRule {
    // Walls draw (true) or passages draw (false).
    bool wallsDraw = true;
    std::span<const StrokeStep> steps;
    std::int16_t penWidth = 1;
    bool strokesInFore = false;  // else in the wall colour
    // What fills the cells of columns 0..W and rows 0..H; the cells beyond,
    // `reach` of them that only strokes reach, keep what lies beneath them.
    CellFill fill = CellFill::None;
    int reach = 0;
};

// Style 1: from every wall of columns 0..W and rows 0..H, a 12-pixel stroke
// in the wall colour to each wall to its right, below, below-right,
// above-right and below-left, over the maze's rectangle in the passage
// colour. A neighbour in row -1 or column -1 is never looked at; the
// neighbours in column W + 1 and row H + 1 are walls, so the strokes of the
// frame reach one cell beyond the rectangle.
extern const StyleRule kStyleOne;
// Style 2: no strokes; a wall cell filled in the wall colour, a passage in
// the passage colour.
extern const StyleRule kStyleTwo;
// Style 3: from every passage, a 12-pixel track in the passage colour to the
// passages to its right and below it, over the wall colour.
extern const StyleRule kStyleThree;

// The looks of the cells a rule draws for a maze.
CellGrid cellLooks(const StyleRule& rule, const MazeScene& scene);
