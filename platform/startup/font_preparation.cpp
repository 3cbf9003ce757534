#include "platform/startup/font_preparation.h"

#include <fontconfig/fontconfig.h>

namespace platform {

// FcInit loads the default configuration once per process and does nothing
// when it is loaded already, so whichever of the worker and Qt's font
// database comes first does the work; the other finds it done.
FontPreparation::FontPreparation() : worker_([] { FcInit(); }) {}

FontPreparation::~FontPreparation()
{
    if (worker_.joinable())
        worker_.join();
}

}  // namespace platform
