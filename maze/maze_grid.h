// The maze grid: 1001 x 1001 cells of 16 bits, addressed (x, y) with x the
// column and y the row. 0 is a wall; anything else is a passage.
#pragma once

#include <cstdint>
#include <vector>

class MazeGrid {
public:
    static constexpr int kSize = 1001;
    // Generation clears the cells whose indices both lie below this.
    static constexpr int kCleared = 1000;

    // The generator's working copy holds columns 0..W and rows 0..H of a
    // maze of at most 32767 cells with sides of at most 999.
    static constexpr std::size_t kScratchBytes = 32767 + 999 + 999 + 1;

    MazeGrid() : cells_(static_cast<std::size_t>(kSize) * kSize, 0), scratch_(kScratchBytes, 0) {}

    static constexpr bool inside(int x, int y)
    {
        return x >= 0 && y >= 0 && x < kSize && y < kSize;
    }

    std::int16_t operator()(int x, int y) const { return cells_[index(x, y)]; }
    std::int16_t& operator()(int x, int y) { return cells_[index(x, y)]; }

    // Out-of-grid reads see a wall, so that no rule can read past the array.
    std::int16_t at(int x, int y) const { return inside(x, y) ? cells_[index(x, y)] : 0; }

    // Sets every cell with both indices in 0..999 to wall.
    void clear();

    // Working memory for the generator, allocated once with the grid.
    std::uint8_t* scratch() { return scratch_.data(); }

private:
    static std::size_t index(int x, int y)
    {
        return static_cast<std::size_t>(y) * kSize + static_cast<std::size_t>(x);
    }

    std::vector<std::int16_t> cells_;
    std::vector<std::uint8_t> scratch_;
};
