#include "common/texts.h"

namespace {

TextTranslator installed = nullptr;

}  // namespace

void setTextTranslator(TextTranslator translator)
{
    installed = translator;
}

std::string translated(const char* context, const char* text)
{
    return installed ? installed(context, text) : std::string(text);
}

std::string withArguments(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    std::string result;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t number = i + 1 < pattern.size() ? std::size_t(pattern[i + 1] - '1') : arguments.size();
        if (pattern[i] == '%' && number < arguments.size()) {
            result += arguments.begin()[number];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}
