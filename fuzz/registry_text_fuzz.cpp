// The user's classes.reg and the system's mime.types are read from outside: neither may crash
// the reader, and whatever the registry reader accepts must be written back so that it reads
// the same again (otherwise a save would change keys nobody touched).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "platform/mime_types.h"
#include "platform/registry_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    zuk::ParseMimeTypes(text);
    const auto parsed = zuk::ParseRegistryText(text);
    if (const auto* tree = std::get_if<zuk::RegistryTree>(&parsed)) {
        const std::string written = zuk::FormatRegistryText(*tree);
        const auto again = zuk::ParseRegistryText(written);
        const auto* reread = std::get_if<zuk::RegistryTree>(&again);
        if (!reread || zuk::FormatRegistryText(*reread) != written) std::abort();
    }
    return 0;
}
