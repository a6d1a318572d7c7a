// The modal run: the thread's other windows disabled, the message pump, a
// WM_QUIT taken out of the queue and posted again afterwards, and activation
// handed back as the system's own modal dialogs hand it back.
#include "windowing/form.h"

#include <new>

#include "windowing/placement.h"

namespace scrubwell::windowing {
namespace {

// The thread's windows that a modal run disables, and enables again after it.
// Counted first (windows 0), then recorded, so that the record is allocated once.
struct DisabledWindows {
    HWND except;
    HWND* windows;
    int count;
    int capacity;
};

bool ToBeDisabled(HWND window, const DisabledWindows& disabled)
{
    return window != disabled.except && IsWindowVisible(window) && IsWindowEnabled(window);
}

BOOL CALLBACK DisableWindow(HWND window, LPARAM context)
{
    auto* disabled = reinterpret_cast<DisabledWindows*>(context);
    if (!ToBeDisabled(window, *disabled))
        return TRUE;
    if (!disabled->windows) {
        ++disabled->count;
    } else if (disabled->count < disabled->capacity) {
        EnableWindow(window, FALSE);
        disabled->windows[disabled->count++] = window;
    }
    return TRUE;
}

// The window that gets activation when the run ends: the one that had it when
// the run began, if it can still take it, otherwise the owner if enabled;
// none leaves it to the system.
HWND ActivationAfterRun(HWND previous, HWND owner, HWND self)
{
    if (previous && previous != self && IsWindow(previous) && IsWindowEnabled(previous) && IsWindowVisible(previous))
        return previous;
    return owner && IsWindowEnabled(owner) ? owner : nullptr;
}

} // namespace

void Form::SetModalResult(int result)
{
    modalResult_ = result;
    // A result set from a sent message (another thread's click, say) must not
    // wait for the next posted message to end the run.
    if (running_ && result != kModalNone)
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

int Form::ShowModal()
{
    const HWND self = handle_;
    if (!self || handlerFailed_)
        return kModalFailed;
    modalResult_ = kModalNone;
    const HWND previouslyActive = GetActiveWindow();
    const Form* owner = OfWindow(GetWindow(self, GW_OWNER));

    DisabledWindows disabled { self, nullptr, 0, 0 };
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));
    disabled.capacity = disabled.count;
    disabled.count = 0;
    disabled.windows = new (std::nothrow) HWND[disabled.capacity > 0 ? disabled.capacity : 1];
    if (!disabled.windows)
        return kModalFailed;
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));
    if (design_.centred) {
        RECT frame;
        GetWindowRect(self, &frame);
        const Rect place = CentredIn(WorkArea(), frame.right - frame.left, frame.bottom - frame.top);
        SetWindowPos(self, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    running_ = true;
    bool quit = false;
    WPARAM quitCode = 0;
    if (!PrepareSelectedPages() || !FormShow())
        HandlerFailed();
    ShowWindow(self, SW_SHOW);
    SetForegroundWindow(self);
    FocusFirstControl();
    while (modalResult_ == kModalNone) {
        // Destroyed under us (with its owner, say), also where a host's
        // subclass kept WM_NCDESTROY from the form.
        if (!handle_ || !IsWindow(handle_)) {
            modalResult_ = kModalCancel;
            break;
        }
        // A form shown over another ends with the other's failure.
        if (owner && owner->handlerFailed_) {
            modalResult_ = kModalCancel;
            break;
        }
        MSG message;
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            quit = got == 0;
            quitCode = message.wParam;
            modalResult_ = kModalCancel;
            break;
        }
        if (PreviewMessage(message))
            continue;
        if (!IsDialogMessageA(handle_, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    running_ = false;

    for (int i = disabled.count - 1; i >= 0; --i)
        if (IsWindow(disabled.windows[i]))
            EnableWindow(disabled.windows[i], TRUE);
    delete[] disabled.windows;
    if (WindowExists()) {
        // Activation moves before the window hides, so that the system has no
        // other window to choose meanwhile.
        if (GetActiveWindow() == handle_)
            if (const HWND next = ActivationAfterRun(previouslyActive, GetWindow(handle_, GW_OWNER), handle_))
                SetActiveWindow(next);
        SetWindowPos(
            handle_, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
    return handlerFailed_ ? kModalFailed : modalResult_;
}

void Form::FocusFirstControl()
{
    if (const HWND first = FirstFocus())
        SendMessageA(handle_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

} // namespace scrubwell::windowing
