// The record reader on arbitrary bytes: it never reads outside them, a
// field never holds a line end, and a text field that a record can carry is
// read back exactly as written.
#include "fuzz_check.h"
#include "persist/record.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    RecordReader reader(bytes);
    for (int i = 0; i < 4; ++i) {
        const auto field = reader.nextField();
        if (!field) {
            FUZZ_CHECK(!reader.problem().empty());
            break;
        }
        FUZZ_CHECK(field->size() <= size);
        FUZZ_CHECK(field->find_first_of("\r\n") == std::string::npos);
        if (field->find('"') == std::string::npos) {
            const std::string record = textRecord(*field);
            RecordReader again(record);
            const auto back = again.nextField();
            FUZZ_CHECK(back && *back == *field);
        }
        if (const auto number = wholeNumber(*field)) {
            const std::string record = numberRecord({*number});
            RecordReader again(record);
            const auto back = again.nextField();
            FUZZ_CHECK(back && wholeNumber(*back) == number);
        }
    }
    return 0;
}
