// The maze grid: 1001 x 1001 cells of 16 bits, addressed (x, y) with x the
// column and y the row. 0 is a wall; anything else is a passage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>
#include <vector>

// Memory that the system hands out already zero: a large block comes as
// untouched pages, which cost nothing until used. Elements made without a
// value are left as they are, that is zero.
template <typename T>
struct ZeroedAllocator {
    using value_type = T;

    ZeroedAllocator() = default;
    template <typename U>
    ZeroedAllocator(const ZeroedAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t n)
    {
        if (void* p = std::calloc(n, sizeof(T)))
            return static_cast<T*>(p);
        throw std::bad_alloc();
    }
    void deallocate(T* p, std::size_t) noexcept { std::free(p); }

    template <typename U>
    void construct(U* p) noexcept
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    template <typename U>
    bool operator==(const ZeroedAllocator<U>&) const noexcept
    {
        return true;
    }
};

class MazeGrid {
public:
    static constexpr int kSize = 1001;
    // Generation clears the cells whose indices both lie below this.
    static constexpr int kCleared = 1000;

    // The generator's working copy holds columns 0..W and rows 0..H of a
    // maze of at most 32767 cells with sides of at most 999.
    static constexpr std::size_t kScratchBytes = 32767 + 999 + 999 + 1;

    MazeGrid() : cells_(static_cast<std::size_t>(kSize) * kSize), scratch_(kScratchBytes) {}

    static constexpr bool inside(int x, int y)
    {
        return x >= 0 && y >= 0 && x < kSize && y < kSize;
    }

    std::int16_t operator()(int x, int y) const { return cells_[index(x, y)]; }
    std::int16_t& operator()(int x, int y)
    {
        // Every cell that can be written lies within the written extent.
        if (x >= writtenColumns_)
            writtenColumns_ = x + 1;
        if (y >= writtenRows_)
            writtenRows_ = y + 1;
        return cells_[index(x, y)];
    }

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

    std::vector<std::int16_t, ZeroedAllocator<std::int16_t>> cells_;
    std::vector<std::uint8_t, ZeroedAllocator<std::uint8_t>> scratch_;
    // Cells outside columns 0..writtenColumns_ - 1 and rows
    // 0..writtenRows_ - 1 have not been written since the last clear, so
    // clearing need go no further: a small maze after a small maze costs
    // little, and the grid's untouched pages stay untouched.
    int writtenColumns_ = 0;
    int writtenRows_ = 0;
};
