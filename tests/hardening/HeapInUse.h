#pragma once

// How many bytes the allocator has handed out and not yet taken back: the load tests'
// measure of memory growth. Unlike resident memory it falls again when blocks are
// freed, and under AddressSanitizer the freed blocks held in its quarantine do not
// count. It says nothing about where the bytes went.

#include <cstddef>

std::size_t HeapInUse();
