// The three drawing styles exactly as the game first drew them: stroke by
// stroke and box by box through the surface, over the whole picture. Slow
// at large sizes, but plain to check against the rules: the game's drawing,
// cell by cell, must give the same pixels, and the benchmarks measure it
// against this.
#pragma once

#include "render/maze_renderer.h"

void referenceDrawLines(Surface& s, const MazeScene& scene);
void referenceDrawStyle2(Surface& s, const MazeScene& scene);
void referenceDrawStyle3(Surface& s, const MazeScene& scene);

// The reference drawing in the style selected by styleIndex.
void referenceDrawInStyle(Surface& s, const MazeScene& scene, std::int16_t styleIndex);
