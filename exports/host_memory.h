// Checks of the memory a host hands the library: the library looks before it
// reads or writes there, so that a bad pointer is a return code, never a
// fault in the host's process.
#pragma once

#include <cstddef>

namespace scrubwell {

// True when every byte of [address, address + size) lies in committed pages
// that can be read and, with writable, written; guard pages do not count.
bool HostMemoryAccessible(const void* address, size_t size, bool writable);

} // namespace scrubwell
