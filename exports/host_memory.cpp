#include "exports/host_memory.h"

#include <windows.h>

#include <cstdint>

namespace scrubwell {
namespace {

constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE
    | PAGE_EXECUTE_WRITECOPY;
constexpr DWORD kWritable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;

} // namespace

bool HostMemoryAccessible(const void* address, size_t size, bool writable)
{
    const uintptr_t begin = reinterpret_cast<uintptr_t>(address);
    const uintptr_t end = begin + size;
    if (end < begin)
        return false;
    // One region of equal state and protection at a time.
    for (uintptr_t at = begin; at < end;) {
        MEMORY_BASIC_INFORMATION region;
        if (VirtualQuery(reinterpret_cast<const void*>(at), &region, sizeof region) != sizeof region)
            return false;
        if (region.State != MEM_COMMIT || (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) != 0
            || (region.Protect & (writable ? kWritable : kReadable)) == 0)
            return false;
        const uintptr_t regionEnd = reinterpret_cast<uintptr_t>(region.BaseAddress) + region.RegionSize;
        if (regionEnd <= at)
            return false;
        at = regionEnd;
    }
    return true;
}

} // namespace scrubwell
