// The shape every dug maze has, checked alike on the grid the generator
// fills and on the maze read back from the screen.
#pragma once

#include <QString>

#include <functional>

struct MazeShape {
    QString problem;  // empty when the maze has the shape
    int passages = 0;
};

// Passages only within the frame, columns 1..W-1 and rows 1..H-1 (looked
// for as far as `margin` cells beyond it); no 2 x 2 block of passage; and
// all passages joined by their sides into one tree: connected, with one side
// contact fewer than there are passages.
MazeShape mazeShape(int W, int H, const std::function<bool(int x, int y)>& open, int margin = 0);
