#include "session/dialog_session.h"

namespace scrubwell {

// The dialogs do not exist yet: no dialog can be created.
int32_t RunDialogSession(void* /*parent*/, TEffectParamBlock* /*block*/)
{
    return kSessionNoDialog;
}

} // namespace scrubwell
