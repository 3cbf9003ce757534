// The three drawing styles of the main window's picture, with the goal dot
// and the two text lines that close each of them.
#pragma once

#include "common/colour.h"
#include "maze/maze_grid.h"
#include "render/clock.h"

#include <cstdint>
#include <string>

class Surface;

// Everything one drawing of the picture reads.
struct MazeScene {
    const MazeGrid& maze;
    std::int16_t width = 0;    // W: columns 0..W are drawn
    std::int16_t height = 0;   // H: rows 0..H are drawn
    std::int16_t goalY = 0;
    ClockReading clock;
    std::int16_t highScore = 0;
    const std::string& highName;
    ColourWord foreColor = 0;  // passages and text
    ColourWord backColor = 0;  // walls and background
};

// Style 1: walls as 12-pixel strokes between the centres of wall cells that
// touch by a side or a corner.
void Draw_Lines(Surface& s, const MazeScene& scene);
// Style 2: every wall cell as a filled square.
void Draw_Style2(Surface& s, const MazeScene& scene);
// Style 3: the window cleared to the wall colour and every passage drawn as a
// 12-pixel track between the centres of passage cells that share a side.
void Draw_Style3(Surface& s, const MazeScene& scene);

// Draws the picture in the style selected by styleIndex (0, 1 or 2); any
// other value draws nothing.
void drawInStyle(Surface& s, const MazeScene& scene, std::int16_t styleIndex);

// The closing steps shared by the three styles.
void drawGoalDot(Surface& s, const MazeScene& scene);
void drawStatusLines(Surface& s, const MazeScene& scene);

// Prints the clock line for a reading at its place below the maze.
void printClockLine(Surface& s, std::int16_t mazeHeight, ClockReading reading);

// The window coordinate of a cell's near edge, 15n + 15, in 16-bit arithmetic.
float cellEdge(int n);
