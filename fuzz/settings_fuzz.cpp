// The settings file reader on arbitrary bytes: it must never crash, hang or read out of bounds,
// and whatever it reads is valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/text_codec.h"
#include "player/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const zuk::SettingsRecord& record : zuk::ParseSettings(bytes)) {
        if (!zuk::IsValidUtf8(record.key) || !zuk::IsValidUtf8(record.value.written))
            __builtin_trap();
        if (const auto* text = std::get_if<std::string>(&record.value.value);
            text && !zuk::IsValidUtf8(*text))
            __builtin_trap();
    }
    return 0;
}
