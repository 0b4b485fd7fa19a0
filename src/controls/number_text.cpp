#include "controls/number_text.h"

#include <charconv>
#include <cmath>

namespace zuk {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the number at the start of s (sign, digits, point, digits, exponent), 0 if none.
std::size_t NumberLength(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

std::string_view SkipBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    text = SkipBlanks(text);
    const std::size_t n = NumberLength(text);
    if (n == 0) return 0;
    std::string_view number = text.substr(0, n);
    if (number.front() == '+') number.remove_prefix(1);
    double value = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc() || !std::isfinite(value)) return 0;
    return value;
}

bool IsNumber(std::string_view text) {
    text = SkipBlanks(text);
    const std::size_t n = NumberLength(text);
    if (n == 0) return false;
    text.remove_prefix(n);
    return SkipBlanks(text).empty();
}

}  // namespace zuk
