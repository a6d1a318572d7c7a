// A session that does what a test scripts, in place of the dialogs.
#include <cstring>

#include "contract/scrubwell_effect.h"
#include "exports/dpi_context.h"
#include "session/dialog_session.h"

namespace {

struct Script {
    int32_t result = 0;
    int32_t outcome = 2;
    bool spoilFloatingPoint = false;
    bool reenter = false;
} script;

// What a nested ShowEffectDialog call made from inside the session returned,
// and the block it was given.
int32_t nestedResult = -1;
TEffectParamBlock nestedBlock;

int callCount = 0;

} // namespace

// result: what the session returns; outcome: what it writes into DialogOutcome
// (negative: nothing); spoil: leave the x87 and SSE control words changed, as
// a misbehaving system DLL might; reenter: call ShowEffectDialog from inside.
extern "C" void ScriptSession(int32_t result, int32_t outcome, int32_t spoil, int32_t reenter)
{
    script = Script { result, outcome, spoil != 0, reenter != 0 };
    callCount = 0;
    nestedResult = -1;
}

extern "C" int32_t SessionCallCount()
{
    return callCount;
}

// The nested call's result; its block's bytes are copied to out.
extern "C" int32_t NestedCallResult(TEffectParamBlock* out)
{
    std::memcpy(out, &nestedBlock, sizeof nestedBlock);
    return nestedResult;
}

// A SetThreadDpiAwarenessContext in place of user32's; null: user32's again.
extern "C" void SubstituteDpiContextFunction(scrubwell::GdiScaledDpiScope::SetContextFunction function)
{
    scrubwell::SubstituteSetThreadDpiAwarenessContext(function);
}

namespace scrubwell {

int32_t RunDialogSession(void* parent, TEffectParamBlock* block, bool (*)(const void*, size_t, bool))
{
    ++callCount;
    if (script.spoilFloatingPoint) {
        const uint16_t cw = 0x0C60;
        __asm__ __volatile__("fldcw %0" ::"m"(cw));
        const uint32_t csr = 0x0000;
        __asm__ __volatile__("ldmxcsr %0" ::"m"(csr));
    }
    if (script.reenter) {
        std::memset(&nestedBlock, 0x77, sizeof nestedBlock);
        TWaveFormat format {};
        nestedResult = ShowEffectDialog(parent, 0, 0, format, &nestedBlock);
    }
    if (script.outcome >= 0)
        block->DialogOutcome = script.outcome;
    return script.result;
}

} // namespace scrubwell
