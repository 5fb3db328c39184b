#include "skinbag/skinbag.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view x4Skin =
#include "x4_skin.inc"
    ;

// The stream contract allows pieces; using them keeps every caller ready for it.
constexpr std::size_t pieceSize = 4096;

} // namespace

extern "C" __attribute__((visibility("default"))) bool GetSkin(const char *name,
                                                               TallybeeSkinStream *stream) {
    if (!name || !stream || !stream->write)
        return false;
    if (std::strcmp(name, "x4") != 0)
        return false;
    for (std::size_t at = 0; at < x4Skin.size(); at += pieceSize) {
        const std::size_t size = std::min(pieceSize, x4Skin.size() - at);
        stream->write(stream->context, x4Skin.data() + at, static_cast<unsigned long>(size));
    }
    return true;
}
