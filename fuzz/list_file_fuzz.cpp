// The list file reader on arbitrary bytes: never a crash, and never more entries than allowed.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "playlist/list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t limit = size % 7;
    if (zuk::ParseListEntries(bytes, limit).size() > limit) __builtin_trap();
    zuk::ParseListEntries(bytes);
    return 0;
}
