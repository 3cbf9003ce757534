// The three drawing styles of the main window's picture, with the goal dot
// and the two text lines that close each of them, and what the two timers
// change in it: the player's dot and the clock line.
#pragma once

#include "common/colour.h"
#include "maze/maze_grid.h"
#include "render/clock.h"
#include "render/surface.h"

#include <cstdint>
#include <string>

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

// The three styles, each drawing the cells its rule gives (style_rules.h),
// then the goal dot and the two text lines.
void Draw_Lines(Surface& s, const MazeScene& scene);
void Draw_Style2(Surface& s, const MazeScene& scene);
void Draw_Style3(Surface& s, const MazeScene& scene);

// Draws the picture in the style selected by styleIndex (0, 1 or 2); any
// other value draws nothing.
void drawInStyle(Surface& s, const MazeScene& scene, std::int16_t styleIndex);

// The closing steps shared by the three styles.
void drawGoalDot(Surface& s, const MazeScene& scene);
void drawStatusLines(Surface& s, const MazeScene& scene);

// Prints the clock line for a reading at its place below the maze.
void printClockLine(Surface& s, std::int16_t mazeHeight, ClockReading reading);

// The play tick's change: the dot is wiped from the cell it was on by a disc
// in the passage colour, and drawn on the cell it is on now.
void drawPlayerStep(Surface& s, ColourWord passage, std::int16_t fromX, std::int16_t fromY, std::int16_t toX,
                    std::int16_t toY);

// The clock tick's change: the shown reading is wiped by printing it again
// in the wall colour, then the next one is printed in the text colour.
void drawClockTick(Surface& s, std::int16_t mazeHeight, ClockReading shown, ClockReading next, ColourWord fore,
                   ColourWord back);
