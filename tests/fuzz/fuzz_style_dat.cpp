// Loading Style.dat from arbitrary bytes: both colours are accepted only
// within 0..16777215, and accepted settings written back load again alike.
#include "fuzz_check.h"
#include "persist/data_files.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Loaded<StyleSettings> settings =
        readStyleRecord(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!settings.value) {
        FUZZ_CHECK(!settings.problem.empty());
        return 0;
    }
    const StyleSettings& s = *settings.value;
    FUZZ_CHECK(s.foreColor >= 0 && s.foreColor <= kLargestColour);
    FUZZ_CHECK(s.backColor >= 0 && s.backColor <= kLargestColour);
    const Loaded<StyleSettings> again = readStyleRecord(styleRecord(s));
    FUZZ_CHECK(again.value && again.value->foreColor == s.foreColor && again.value->backColor == s.backColor
               && again.value->styleIndex == s.styleIndex);
    return 0;
}
