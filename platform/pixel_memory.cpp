#include "platform/pixel_memory.h"

#include <limits>
#include <sys/mman.h>
#include <unistd.h>

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

std::size_t pageRounded(std::size_t bytes)
{
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return (bytes + page - 1) / page * page;
}

}  // namespace

struct PixelStore::Mapping {
    Mapping(void* mapped, std::size_t bytes) : start(mapped), length(bytes) {}
    ~Mapping() { munmap(start, length); }
    Mapping(const Mapping&) = delete;
    Mapping& operator=(const Mapping&) = delete;

    void* const start;
    const std::size_t length;
};

QImage PixelStore::image(QSize size, QImage::Format format)
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

    // Kept while it fits, unless it is more than four times what is needed.
    const bool reusable = mapping_ && mapping_.use_count() == 1 && bytes <= mapping_->length
        && bytes >= mapping_->length / 4;
    if (!reusable) {
        mapping_.reset();
        // A quarter more, so that a window dragged larger maps less often.
        const std::size_t length = pageRounded(bytes + bytes / 4);
        void* start = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (start == MAP_FAILED)
            return QImage(size, format);
        madvise(start, length, MADV_POPULATE_WRITE);
        mapping_ = std::make_shared<Mapping>(start, length);
    }
    // Every image made here holds the mapping until it goes.
    return QImage(
        static_cast<uchar*>(mapping_->start), size.width(), size.height(), static_cast<qsizetype>(width * 4), format,
        [](void* holder) { delete static_cast<std::shared_ptr<Mapping>*>(holder); },
        new std::shared_ptr<Mapping>(mapping_));
}

std::size_t PixelStore::mappedBytes() const
{
    return mapping_ ? mapping_->length : 0;
}

bool PixelStore::mapsMemory()
{
    return !kSanitized;
}

}  // namespace platform
