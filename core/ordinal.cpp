#include "core/ordinal.h"

#include <cstdlib>

namespace nominator {

std::string Ordinal(int number) {
    // Taken modulo first, so that even the most negative int has a magnitude.
    const int lastTwo = std::abs(number % 100);
    const int last = lastTwo % 10;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        if (last == 1) suffix = "st";
        if (last == 2) suffix = "nd";
        if (last == 3) suffix = "rd";
    }
    return std::to_string(number) + suffix;
}

}  // namespace nominator
