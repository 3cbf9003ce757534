// Memory for the large pictures. It is mapped from the system with room to
// grow, its pages made ready in one call as pictures first reach them, and
// kept for the next picture when that one fits: a window dragged to a new
// size makes a new picture at every step, and fresh pages, faulted in one by
// one as the drawing first reaches them, would otherwise cost several times
// the drawing itself.
#pragma once

#include <QImage>
#include <QSize>

#include <cstddef>
#include <memory>

namespace platform {

// Sets n pixels. GCC 12 at -O2 vectorises a loop only when its vector code
// leaves no remainder to do, so std::fill_n's loop over 32-bit pixels stays
// one pixel a store, three to four times slower than writing the memory can
// be; the fixed inner loop here becomes vector stores.
void fillPixels(QRgb* to, qsizetype n, QRgb pixel);

class PixelStore {
public:
    // An image of the given size and 32-bit format. Its pixels are not
    // cleared: they hold whatever an earlier picture left. The memory is
    // reused when the size fits it and no image from it is still alive, and
    // mapped anew (with room to grow) otherwise. Small images, and every
    // image under AddressSanitizer (which then keeps guarding the pixels),
    // come from the usual allocator instead. A null image when the size is
    // empty or too large.
    QImage image(QSize size, QImage::Format format);

    // The bytes of memory this store holds mapped, for tests.
    std::size_t mappedBytes() const;

    // Whether large images are mapped as above: not under AddressSanitizer.
    static bool mapsMemory();

private:
    struct Mapping;
    std::shared_ptr<Mapping> mapping_;
};

}  // namespace platform
