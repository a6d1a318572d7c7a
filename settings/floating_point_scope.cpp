#include "settings/floating_point_scope.h"

namespace scrubwell {
namespace {

// The x87 environment as fnstenv stores it in 32-bit protected-mode format.
struct X87Environment {
    uint16_t control, unused1, status, unused2, tags, unused3;
    uint32_t rest[4];
};
static_assert(sizeof(X87Environment) == 28, "x87 environment layout");

constexpr uint16_t kExceptionFlags = 0x00FF; // IE DE ZE OE UE PE, stack fault, summary

} // namespace

SavedFloatingPointState::SavedFloatingPointState()
    : x87Control_(ReadX87ControlWord())
    , x87Status_(ReadX87StatusWord())
    , mxcsr_(ReadMxcsr())
{
}

SavedFloatingPointState::~SavedFloatingPointState()
{
    // Put back the caller's control word and exception flags; the tag word and
    // stack top stay as they are now.
    X87Environment environment;
    __asm__ __volatile__("fnstenv %0" : "=m"(environment)::"memory");
    environment.control = x87Control_;
    environment.status
        = static_cast<uint16_t>((environment.status & ~kExceptionFlags) | (x87Status_ & kExceptionFlags));
    __asm__ __volatile__("fldenv %0" ::"m"(environment) : "memory");
    WriteMxcsr(mxcsr_);
}

FloatingPointScope::FloatingPointScope()
{
    __asm__ __volatile__("fnclex" ::: "memory");
    WriteX87ControlWord(kExtendedPrecisionControlWord);
    WriteMxcsr(kDefaultMxcsr);
}

FloatingPointScope::~FloatingPointScope() = default;

} // namespace scrubwell
