#include "core/percent_encoding.h"

#include <string_view>

namespace nominator {
namespace {

constexpr std::string_view kKeptPunctuation = "-_.~:/;@$!*(),";

bool StandsAsItIs(unsigned char byte) {
    const bool letterOrDigit = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                               (byte >= '0' && byte <= '9');
    return letterOrDigit || (byte != '\0' && kKeptPunctuation.find(static_cast<char>(byte)) !=
                                                 std::string_view::npos);
}

}  // namespace

std::string PercentEncode(std::string_view text) {
    constexpr std::string_view kHexDigits = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size());
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (StandsAsItIs(byte)) {
            encoded += character;
        } else {
            encoded += '%';
            encoded += kHexDigits[byte >> 4];
            encoded += kHexDigits[byte & 0x0F];
        }
    }
    return encoded;
}

}  // namespace nominator
