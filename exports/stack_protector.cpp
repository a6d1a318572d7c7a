// The stack protector's runtime for the library, in place of GCC's libssp:
// libssp seeds its canary through CryptAcquireContext, which loads a
// cryptographic provider at every load of the library (and under Wine keeps a
// little memory each time). RtlGenRandom gives the same random bytes directly.
#include <windows.h>

#include <ntsecapi.h>

#include <cstdint>

extern "C" {

// Read by every protected function on entry and checked on return. The load
// configuration names it as the image's security cookie; it starts at the
// default cookie value, which tells a loader that it has not been seeded.
#ifdef _WIN64
uintptr_t __stack_chk_guard = 0x00002B992DDFA232u;
#else
uintptr_t __stack_chk_guard = 0xBB40E64Eu;
#endif

// A protected function found its canary overwritten: the stack is not to be
// trusted, so the process ends at once, as the Windows compilers' check does.
[[noreturn]] void __stack_chk_fail()
{
    TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
    __builtin_trap();
}
}

namespace {

// Before any other constructor of the library: a protected function must not
// see the guard change between its entry and its return. Not protected itself.
__attribute__((constructor(101), no_stack_protector)) void SeedStackGuard()
{
    uintptr_t guard = 0;
    if (!RtlGenRandom(&guard, sizeof guard) || guard == 0) {
        LARGE_INTEGER counter;
        QueryPerformanceCounter(&counter);
        guard = static_cast<uintptr_t>(counter.QuadPart) ^ (GetCurrentProcessId() << 16) ^ GetCurrentThreadId()
            ^ reinterpret_cast<uintptr_t>(&guard) ^ 0x2B992DDFu;
    }
    __stack_chk_guard = guard;
}

} // namespace
