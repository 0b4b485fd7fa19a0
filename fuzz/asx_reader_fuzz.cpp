// ASX files come from anywhere (the player's own wrappers, files from the web): reading one
// must never crash or hang, whatever its bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/mpv/asx_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const zuk::AsxEntry entry =
        zuk::ReadAsx(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& ref : entry.refs) (void)zuk::DecodeXmlEntities(ref);
    return 0;
}
