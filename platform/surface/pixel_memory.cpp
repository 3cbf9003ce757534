#include "platform/surface/pixel_memory.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <sys/mman.h>

namespace platform {

namespace {

// Below this the usual allocator serves better: it reuses freed memory.
constexpr std::size_t kSmallestMapped = 64 * 1024;

#ifdef __SANITIZE_ADDRESS__
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

}  // namespace

void fillPixels(QRgb* to, qsizetype n, QRgb pixel)
{
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8)
        for (int k = 0; k < 8; ++k)
            to[i + k] = pixel;
    for (; i < n; ++i)
        to[i] = pixel;
}

// A mapping with its start on a huge page, so that the system can back the
// picture with 2 MiB pages: fewer to make ready, and fewer for the processor
// to look up as a drawing sweeps the picture.
struct PixelStore::Mapping {
    static constexpr std::size_t kHugePage = 2 * 1024 * 1024;

    // Whole huge pages: the system makes a huge page ready all at once, so
    // what is made ready and given back is counted in them.
    static std::size_t hugeRounded(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

    static std::shared_ptr<Mapping> make(std::size_t bytes)
    {
        const std::size_t length = hugeRounded(bytes);
        const std::size_t mappedLength = length + kHugePage;
        void* mapped = mmap(nullptr, mappedLength, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED)
            return nullptr;
        auto* start = reinterpret_cast<char*>(hugeRounded(reinterpret_cast<std::uintptr_t>(mapped)));
        madvise(start, length, MADV_HUGEPAGE);
        return std::make_shared<Mapping>(mapped, mappedLength, start, length);
    }

    Mapping(void* mapped, std::size_t mappedLength, char* usable, std::size_t usableLength)
        : base(mapped), baseLength(mappedLength), start(usable), length(usableLength)
    {
    }
    ~Mapping() { munmap(base, baseLength); }
    Mapping(const Mapping&) = delete;
    Mapping& operator=(const Mapping&) = delete;

    // Makes the first `bytes` ready, if they are not yet. A picture that
    // needs less than a quarter of what is ready gives back the pages beyond
    // twice its need, so that a window made small again does not hold the
    // memory of its largest picture.
    void makeReady(std::size_t bytes)
    {
        if (bytes > ready) {
            const std::size_t wanted = hugeRounded(bytes);
            // Before Linux 5.14 this fails, and pages come as first written.
            madvise(start + ready, wanted - ready, MADV_POPULATE_WRITE);
            ready = wanted;
        } else if (bytes < ready / 4) {
            const std::size_t kept = hugeRounded(2 * bytes);
            madvise(start + kept, ready - kept, MADV_DONTNEED);
            ready = kept;
        }
    }

    void* const base;
    const std::size_t baseLength;
    char* const start;
    const std::size_t length;
    std::size_t ready = 0;  // the bytes made ready so far
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

    // The memory is kept while pictures fit in it: a window dragged smaller
    // and larger again reuses the pages it has made ready.
    if (!mapping_ || mapping_.use_count() != 1 || bytes > mapping_->length) {
        mapping_.reset();
        // Twice what is needed, so that a window dragged larger maps anew
        // seldom; the pages are made ready only as pictures reach them.
        mapping_ = Mapping::make(2 * bytes);
        if (!mapping_)
            return QImage(size, format);
    }
    mapping_->makeReady(bytes);
    // Every image made here holds the mapping until it goes.
    return QImage(
        reinterpret_cast<uchar*>(mapping_->start), size.width(), size.height(), static_cast<qsizetype>(width * 4), format,
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
