// parse_int on arbitrary bytes against a plain reference reading, and format_int back again.
#include "core/number_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The notation written out step by step, the slow way.
std::int64_t reference_parse_int(std::string_view text) {
    const std::string digits = "0123456789abcdef";
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && text[at] == '-') negative = true;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    unsigned base = 10;
    if (at < text.size() && text[at] == '$') base = 16;
    if (at < text.size() && text[at] == '%') base = 2;
    if (base != 10) ++at;
    std::uint64_t value = 0;
    for (; at < text.size(); ++at) {
        char c = text[at];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        const std::size_t digit = digits.find(c);
        if (digit == std::string::npos || digit >= base) break;
        value = value * base + digit;
    }
    if (negative) value = ~value + 1;
    return static_cast<std::int64_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::int64_t value = parse_int(text);
    if (value != reference_parse_int(text)) std::abort();
    if (parse_int(format_int(value)) != value) std::abort();
    return 0;
}
