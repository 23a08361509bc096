#include "platform/StringBlock.h"

namespace platform {

StringInBlock FindInStringBlock(const std::uint16_t* block, std::size_t units, unsigned index)
{
    std::size_t at = 0;
    for (unsigned i = 0; at < units; ++i) {
        const std::size_t length = block[at++];
        if (length > units - at)
            break;
        if (i == index)
            return StringInBlock{block + at, length};
        at += length;
    }
    return StringInBlock{nullptr, 0};
}

}  // namespace platform
