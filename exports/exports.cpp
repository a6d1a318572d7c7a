// The library's two exported functions.
#include "exports/scrubwell_effect.h"

#include <cstring>

#include "block/common.h"
#include "session/dialog_session.h"
#include "settings/floating_point_scope.h"

namespace {

using namespace scrubwell;

constexpr char kEffectName[] = "Scrubwell";
constexpr char kIconFile[] = "SCRUBWL.ICO";
constexpr char kEngineFile[] = "TIDWEX32.DLL";

// The dialog session uses library-wide state: a call that arrives while one
// is running (from a host's message handler, say) is refused.
bool dialogCallInProgress = false;

class CallInProgress {
public:
    CallInProgress() { dialogCallInProgress = true; }
    ~CallInProgress() { dialogCallInProgress = false; }
};

void StampBlock(TEffectParamBlock* block, const TWaveFormat& waveFormat)
{
    block->DialogOutcome = kOutcomeNone;
    std::memcpy(&block->WaveFormat, &waveFormat, sizeof waveFormat);
    for (int i = 0; i < 4; ++i)
        block->BlockHeader[i] = kBlockHeader[i];
}

} // namespace

extern "C" int32_t SCRUBWELL_API GetEffectInfo(
    char* effectName, char* secondName, char* iconFile, char* engineFile, int32_t* blockSize)
{
    if (!effectName || !secondName || !iconFile || !engineFile || !blockSize)
        return SCRUBWELL_BAD_ARGUMENT;
    FloatingPointScope fp;
    try {
        std::strcpy(effectName, kEffectName);
        std::strcpy(secondName, kEffectName);
        std::strcpy(iconFile, kIconFile);
        std::strcpy(engineFile, kEngineFile);
        *blockSize = SCRUBWELL_BLOCK_SIZE;
        return SCRUBWELL_OK;
    } catch (...) {
        return SCRUBWELL_INFO_FAILED;
    }
}

extern "C" int32_t SCRUBWELL_API ShowEffectDialog(
    void* parent, int32_t /*reserved1*/, int32_t /*reserved2*/, TWaveFormat waveFormat, TEffectParamBlock* block)
{
    if (!block || !parent)
        return SCRUBWELL_BAD_ARGUMENT;
    if (dialogCallInProgress)
        return SCRUBWELL_DIALOG_FAILED;
    FloatingPointScope fp;
    try {
        CallInProgress inProgress;
        StampBlock(block, waveFormat);
        const int32_t session = RunDialogSession(parent, block);
        if (session != kSessionCompleted)
            return session;
        return block->DialogOutcome == kOutcomeAccepted ? SCRUBWELL_OK : block->DialogOutcome;
    } catch (...) {
        return SCRUBWELL_DIALOG_FAILED;
    }
}
