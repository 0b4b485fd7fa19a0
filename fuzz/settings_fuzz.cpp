// The settings file reader on arbitrary bytes: it must never crash, hang or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "player/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const zuk::SettingsRecord& record : zuk::ParseSettings(bytes))
        if (record.key.size() > size) __builtin_trap();
    return 0;
}
