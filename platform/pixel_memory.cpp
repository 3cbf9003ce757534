#include "platform/pixel_memory.h"

#include <cstddef>
#include <limits>
#include <sys/mman.h>

namespace platform {

namespace {

// Below this the usual allocator serves better: it reuses freed memory.
constexpr std::size_t kSmallestMapped = 64 * 1024;

// Makes every page of a mapping ready in one call (Linux 5.14 on). On an
// older kernel the call fails and the pages come as they are first written.
#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

struct Mapping {
    void* start;
    std::size_t length;
};

void unmap(void* info)
{
    const Mapping* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

}  // namespace

QImage imageWithReadyMemory(QSize size, QImage::Format format)
{
    if (kSanitized || size.isEmpty() || QImage::toPixelFormat(format).bitsPerPixel() != 32)
        return QImage(size, format);
    const std::size_t width = static_cast<std::size_t>(size.width());
    const std::size_t height = static_cast<std::size_t>(size.height());
    // QImage refuses what its own size type cannot hold; so does this.
    constexpr std::size_t kLargest = static_cast<std::size_t>(std::numeric_limits<qsizetype>::max() / 2);
    if (width > kLargest / 4 / height)
        return QImage(size, format);
    const std::size_t bytes = width * 4 * height;
    if (bytes < kSmallestMapped)
        return QImage(size, format);

    void* start = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED)
        return QImage(size, format);
    madvise(start, bytes, MADV_POPULATE_WRITE);
    return QImage(static_cast<uchar*>(start), size.width(), size.height(), static_cast<qsizetype>(width * 4), format,
                  unmap, new Mapping {start, bytes});
}

bool mapsPixelMemory()
{
    return !kSanitized;
}

}  // namespace platform
