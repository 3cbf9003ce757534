// Checks a screenshot against the drawing rules of the two styles that draw
// with a thick pen: strokes between walls (style index 0) and tracks between
// passages (style index 2), at the places where the rules differ.
#pragma once

#include "e2e/screen_reading.h"

#include <QImage>
#include <QString>

// What the places that tell the styles apart showed, and how many places of
// each kind there were.
struct StyleCheck {
    QString problem;
    int alike = 0;      // side neighbours of one kind
    int unlike = 0;     // a passage beside a wall
    int diagonals = 0;  // two passages that touch only at a corner
};

// Style index 0 joins the centres of touching wall cells with 12-pixel
// strokes; style index 2 joins the centres of side-touching passage cells
// with 12-pixel tracks on a window cleared to the wall colour. Either way:
// - every cell centre shows its own colour, and the middle of the edge
//   between two side neighbours of one kind shows that kind's colour;
// - at the middle of the edge between a passage and a wall, style 2 shows
//   wall colour, as no track leads there. A style 0 stroke stops 6 pixels
//   from the wall's centre, short of the edge at 7.5, so the edge shows
//   passage colour wherever no diagonal stroke passes: where the passage
//   has passages on both its other sides across that edge's direction;
// - the corner shared by two passages that touch only diagonally is wall
//   colour: crossed by the stroke between the two other, wall, cells in
//   style 0, and left clear in style 2, which draws no diagonal tracks.
StyleCheck checkStyle(const QImage& image, const Maze& maze, const Palette& palette, int style);
