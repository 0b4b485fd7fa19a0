#pragma once

#include <string_view>

namespace zuk {

// The number at the start of a text, the way the program's text boxes have always been read:
// leading blanks skipped, an optional sign, digits with an optional fraction; whatever follows
// is ignored, and a text without a number gives 0. Always with a point, whatever the locale.
double LeadingNumber(std::string_view text);

// Whether the whole text (blanks around it allowed) is one number as LeadingNumber reads it.
bool IsNumber(std::string_view text);

}  // namespace zuk
