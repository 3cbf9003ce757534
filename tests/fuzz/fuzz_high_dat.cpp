// Loading High.dat from arbitrary bytes, as the game does at start: read the
// text field, unscramble it, take it as the high score. A score is accepted
// only within 0..32767, and an accepted score written back the way the
// finish writes it loads again as the same score.
#include "fuzz_check.h"
#include "persist/data_files.h"
#include "persist/record.h"
#include "persist/scrambling.h"
#include "play/score.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

Loaded<std::int16_t> load(std::string_view bytes)
{
    const Loaded<std::string> scrambled = readTextRecord(bytes);
    if (!scrambled.value)
        return Loaded<std::int16_t>::failed(scrambled.problem);
    std::string key = Codes_To_Text(keyTable());
    return highScoreFromText(Xor_Text(*scrambled.value, key));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Loaded<std::int16_t> score = load(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!score.value) {
        FUZZ_CHECK(!score.problem.empty());
        return 0;
    }
    FUZZ_CHECK(*score.value >= 0);
    std::string key = Codes_To_Text(keyTable());
    const std::string written = textRecord(Xor_Text(scoreDigits(*score.value), key));
    const Loaded<std::int16_t> again = load(written);
    FUZZ_CHECK(again.value && *again.value == *score.value);
    return 0;
}
