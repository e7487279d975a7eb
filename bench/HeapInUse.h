#pragma once

#include <malloc.h>

#include <cstddef>

namespace verbalia {

// The heap in use, large blocks (mapped on their own) included.
inline std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

} // namespace verbalia
