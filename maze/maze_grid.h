// The maze grid: 1001 x 1001 cells of 16 bits, addressed (x, y) with x the
// column and y the row. 0 is a wall; anything else is a passage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

class MazeGrid {
public:
    static constexpr int kSize = 1001;
    // Generation clears the cells whose indices both lie below this.
    static constexpr int kCleared = 1000;

    MazeGrid();

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

private:
    static std::size_t index(int x, int y)
    {
        return static_cast<std::size_t>(y) * kSize + static_cast<std::size_t>(x);
    }

    std::unique_ptr<std::int16_t[], void (*)(void*)> cells_;
};
