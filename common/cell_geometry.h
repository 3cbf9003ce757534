// Where everything stands on the main window, in its pixels: the maze's
// cells of 15 pixels with a margin of one cell at the left and the top, the
// dots in the cells' centres, the two text lines above and below the maze.
// The maze's size follows from the window's.
#pragma once

#include <cstdint>

constexpr int kCellPitch = 15;
constexpr float kDotRadius = 3.0f;
// Both text lines start one cell in from the maze's left edge; the
// high-score line's top lies 1.5 pixels below the window's, and the clock
// line's top on the maze's bottom edge.
constexpr float kTextLeft = 30.0f;
constexpr float kHighScoreTop = 1.5f;

// The near edge of cell n, 15n + 15, in 16-bit arithmetic.
constexpr float cellEdge(int n)
{
    return static_cast<float>(static_cast<std::int16_t>(kCellPitch * n + kCellPitch));
}

// The centre of cell n, half a cell past its near edge.
constexpr float cellCentre(int n)
{
    return cellEdge(n) + kCellPitch / 2.0f;
}

// The columns W (or rows H) of the maze a client width (or height) holds:
// the maze's frame column W and row H stand in one cell of margin on the
// right, and two cells below the maze hold the clock line.
constexpr int mazeWidthFor(int clientWidth)
{
    return clientWidth / kCellPitch - 2;
}
constexpr int mazeHeightFor(int clientHeight)
{
    return clientHeight / kCellPitch - 4;
}
