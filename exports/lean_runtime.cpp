// The few pieces of the C++ runtime that the library uses, provided here so
// that none of the runtime's exception machinery is linked in: allocation that
// reports failure with a null pointer, and the trap of a pure virtual call.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return std::malloc(size ? size : 1);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return std::malloc(size ? size : 1);
}

void operator delete(void* pointer) noexcept
{
    std::free(pointer);
}

void operator delete[](void* pointer) noexcept
{
    std::free(pointer);
}

void operator delete(void* pointer, std::size_t) noexcept
{
    std::free(pointer);
}

void operator delete[](void* pointer, std::size_t) noexcept
{
    std::free(pointer);
}

// Only a broken object could get here; the runtime's own version would pull in
// its terminate handler with the demangler and printf.
extern "C" void __cxa_pure_virtual()
{
    std::abort();
}
