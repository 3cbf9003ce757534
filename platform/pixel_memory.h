// Memory for the large pictures, mapped from the system in one call with
// every page made ready at once. A fresh picture's pages are otherwise
// faulted in one by one as the first drawing reaches them, which for a
// window-sized picture costs milliseconds of the start and of each resize.
#pragma once

#include <QImage>
#include <QSize>

namespace platform {

// An image of the given size and 32-bit format, its pixels all zero bits.
// Small images, and every image under AddressSanitizer (which then keeps
// guarding the pixels), come from the usual allocator instead and are left
// uninitialised, as QImage leaves them. A null image when the size is empty
// or too large.
QImage imageWithReadyMemory(QSize size, QImage::Format format);

// Whether large images are mapped as above: not under AddressSanitizer.
bool mapsPixelMemory();

}  // namespace platform
