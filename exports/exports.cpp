// The library's two exported functions.
#include "contract/scrubwell_effect.h"

#include <atomic>
#include <cstring>

#include "block/block_stamp.h"
#include "block/common.h"
#include "exports/dpi_context.h"
#include "exports/host_memory.h"
#include "session/dialog_session.h"
#include "settings/floating_point_scope.h"

namespace {

using namespace scrubwell;

constexpr char kEffectName[] = "Scrubwell";
constexpr char kIconFile[] = "SCRUBWL.ICO";
constexpr char kEngineFile[] = "TIDWEX32.DLL";
static_assert(sizeof kEngineFile == SCRUBWELL_INFO_TEXT_SIZE && sizeof kIconFile <= sizeof kEngineFile
        && sizeof kEffectName <= sizeof kEngineFile,
    "the header's buffer size is the longest text's");

// The dialog session uses library-wide state: a call that arrives while one
// is running (from a host's message handler, or from another thread) is
// refused. Taken and given back atomically.
std::atomic_flag dialogCallInProgress = ATOMIC_FLAG_INIT;

class CallInProgress {
public:
    CallInProgress()
        : taken_(!dialogCallInProgress.test_and_set(std::memory_order_acquire))
    {
    }
    ~CallInProgress()
    {
        if (taken_)
            dialogCallInProgress.clear(std::memory_order_release);
    }
    CallInProgress(const CallInProgress&) = delete;
    CallInProgress& operator=(const CallInProgress&) = delete;
    bool Taken() const { return taken_; }

private:
    bool taken_;
};

// Copies text with its terminating zero when the host's buffer can take it.
bool WriteText(char* buffer, const char* text)
{
    const size_t size = std::strlen(text) + 1;
    if (!HostMemoryAccessible(buffer, size, true))
        return false;
    std::memcpy(buffer, text, size);
    return true;
}

} // namespace

extern "C" int32_t SCRUBWELL_API GetEffectInfo(
    char* effectName, char* secondName, char* iconFile, char* engineFile, int32_t* blockSize)
{
    if (!effectName || !secondName || !iconFile || !engineFile || !blockSize)
        return SCRUBWELL_BAD_ARGUMENT;
    // In order; what was written before an output that cannot be stays written.
    if (!WriteText(effectName, kEffectName) || !WriteText(secondName, kEffectName) || !WriteText(iconFile, kIconFile)
        || !WriteText(engineFile, kEngineFile) || !HostMemoryAccessible(blockSize, sizeof *blockSize, true))
        return SCRUBWELL_INFO_FAILED;
    *blockSize = SCRUBWELL_BLOCK_SIZE;
    return SCRUBWELL_OK;
}

extern "C" int32_t SCRUBWELL_API ShowEffectDialog(
    void* parent, int32_t /*reserved1*/, int32_t /*reserved2*/, TWaveFormat waveFormat, TEffectParamBlock* block)
{
    if (!block || !parent)
        return SCRUBWELL_BAD_ARGUMENT;
    // For the whole session, and back to the host's on every path out.
    const GdiScaledDpiScope dpi;
    const CallInProgress inProgress;
    if (!inProgress.Taken())
        return SCRUBWELL_DIALOG_FAILED;
    // The host's floating-point state comes back on every path; the library
    // sets its own only around its arithmetic.
    const SavedFloatingPointState hostState;
    if (!HostMemoryAccessible(block, sizeof *block, true))
        return SCRUBWELL_DIALOG_FAILED;
    StampBlock(*block, waveFormat);
    const int32_t session = RunDialogSession(parent, block, HostMemoryAccessible);
    if (session != kSessionCompleted)
        return session;
    // The host may have taken the block away while the dialog ran.
    if (!HostMemoryAccessible(&block->DialogOutcome, sizeof block->DialogOutcome, false))
        return SCRUBWELL_DIALOG_FAILED;
    return block->DialogOutcome == kOutcomeAccepted ? SCRUBWELL_OK : block->DialogOutcome;
}
