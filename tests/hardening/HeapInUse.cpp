#include "HeapInUse.h"

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer brings its own allocator, which glibc's statistics do not see. Its
// runtime exports this query, though g++ ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();

std::size_t HeapInUse()
{
    return __sanitizer_get_current_allocated_bytes();
}
#else
#include <malloc.h>

// Blocks from the heap arenas and the large ones mapped apart.
std::size_t HeapInUse()
{
    const struct mallinfo2 usage = mallinfo2();
    return usage.uordblks + usage.hblkhd;
}
#endif
