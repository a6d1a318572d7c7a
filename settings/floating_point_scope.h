// FloatingPointScope: the floating-point state the settings arithmetic is defined under.
#pragma once

#include <cstdint>

namespace scrubwell {

// x87 control word: 64-bit significand, round to nearest, every exception masked.
inline constexpr uint16_t kExtendedPrecisionControlWord = 0x037F;
// MXCSR: round to nearest, every exception masked, denormals kept.
inline constexpr uint32_t kDefaultMxcsr = 0x1F80;

inline uint16_t ReadX87ControlWord()
{
    uint16_t cw;
    __asm__ __volatile__("fnstcw %0" : "=m"(cw));
    return cw;
}

inline void WriteX87ControlWord(uint16_t cw)
{
    __asm__ __volatile__("fldcw %0" : : "m"(cw));
}

inline uint16_t ReadX87StatusWord()
{
    uint16_t sw;
    __asm__ __volatile__("fnstsw %0" : "=m"(sw));
    return sw;
}

inline uint32_t ReadMxcsr()
{
    uint32_t csr;
    __asm__ __volatile__("stmxcsr %0" : "=m"(csr));
    return csr;
}

inline void WriteMxcsr(uint32_t csr)
{
    __asm__ __volatile__("ldmxcsr %0" : : "m"(csr));
}

// Saves the caller's x87 control word, exception flags and MXCSR and, when it
// goes, hands them back exactly, so that a flag raised meanwhile cannot trap
// later in a caller that runs with unmasked exceptions. The exported functions
// keep the host's state with it and set nothing themselves: host code that
// runs during a call (its timers, its WM_PAINT) runs in the host's own state.
// Constructor and destructor are out of line: the calling convention empties
// the x87 stack around them, and the compiler cannot move the arithmetic in
// between across them.
class SavedFloatingPointState {
public:
    __attribute__((noinline)) SavedFloatingPointState();
    __attribute__((noinline)) ~SavedFloatingPointState();
    SavedFloatingPointState(const SavedFloatingPointState&) = delete;
    SavedFloatingPointState& operator=(const SavedFloatingPointState&) = delete;

private:
    uint16_t x87Control_;
    uint16_t x87Status_;
    uint32_t mxcsr_;
};

// The library's own state around its arithmetic: saves the caller's as above
// and sets the state above until it goes.
class FloatingPointScope {
public:
    __attribute__((noinline)) FloatingPointScope();
    __attribute__((noinline)) ~FloatingPointScope();
    FloatingPointScope(const FloatingPointScope&) = delete;
    FloatingPointScope& operator=(const FloatingPointScope&) = delete;

private:
    SavedFloatingPointState saved_;
};

} // namespace scrubwell
