// Plans the player's way through a maze read off the screen: the shortest
// path to a cell, and which arrow keys to hold so that the game's play tick
// carries the player along it.
#pragma once

#include "e2e/screen_reading.h"

#include <QPoint>
#include <QStringList>

#include <vector>

// The cells from `from` to `to`, both included; empty when no way joins them.
std::vector<QPoint> shortestPath(const Maze& maze, QPoint from, QPoint to);

// The arrow keys to hold next, to move from the first cell of a path towards
// its last.
struct KeyPlan {
    QStringList keys;
    QPoint end;     // the path cell the keys take the player to
    int ticks = 0;  // play ticks, at one step per held key each, to get there
    // True: the player comes to rest on `end` (or the game ends there), so
    // holding on longer does no harm. False: the way goes on past `end` off
    // the path, and the keys must be let go after `ticks` ticks.
    bool rests = false;
};

// Prefers keys that bring the player to rest as far along the path as
// possible; where every such choice stops short of the first step, falls
// back to the key of the first straight run. The path must have two cells
// at least.
KeyPlan planKeys(const Maze& maze, const std::vector<QPoint>& path);
