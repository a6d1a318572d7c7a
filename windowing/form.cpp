// The form's window: creation, the window procedure, message dispatch and
// what happens when the window goes.
#include "windowing/form.h"

#include <commctrl.h>

#include "windowing/buttons.h"
#include "windowing/live_objects.h"
#include "windowing/placement.h"
#include "windowing/tab_control.h"
#include "windowing/track_bar.h"
#include "windowing/window_classes.h"

namespace scrubwell::windowing {
namespace {

constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The form whose window is being made: a host's hook may send the window
// messages before WM_NCCREATE, and they are the form's too.
Form* creating = nullptr;

BOOL CALLBACK SendToChild(HWND child, LPARAM message)
{
    const MSG* sent = reinterpret_cast<const MSG*>(message);
    SendMessageA(child, sent->message, sent->wParam, sent->lParam);
    return TRUE;
}

HWND FindChildById(HWND parent, int id)
{
    for (HWND window = GetWindow(parent, GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(window) == id)
            return window;
        if (HWND inner = FindChildById(window, id))
            return inner;
    }
    return nullptr;
}

} // namespace

Form::Form(const FormDesign& design, const LayoutItem* rows, int rowCount, HWND* windows)
    : design_(design)
    , rows_(rows)
    , windows_(windows)
    , rowCount_(rowCount)
{
    PlanLayout(rows, rowCount, plan_);
}

Form::~Form()
{
    Destroy();
}

void Form::Destroy()
{
    if (!WindowExists())
        return;
    DestroyWindow(handle_);
    if (!WindowExists())
        return;
    // A host's hook refused the destruction: what is left of the window must
    // not reach the form again.
    DetachFromModule(handle_);
    WindowGone();
}

bool Form::WindowExists()
{
    // A host's subclass may keep WM_NCDESTROY from the form: then the form
    // learns here that its window has gone.
    if (handle_ && !IsWindow(handle_))
        WindowGone();
    return handle_ != nullptr;
}

bool Form::Create()
{
    if (WindowExists())
        return true;
    if (!RegisterWindowClasses())
        return false;
    RECT frame { 0, 0, design_.clientWidth, design_.clientHeight };
    AdjustWindowRectEx(&frame, design_.style, FALSE, kFormExStyle);
    // A centred form moves when it is shown; the others stand at their
    // designed place on the owner's monitor.
    Rect place { design_.left, design_.top, frame.right - frame.left, frame.bottom - frame.top };
    if (!design_.centred)
        place = PlacedIn(WorkArea(), place.left, place.top, place.width, place.height);
    creating = this;
    const HWND window = CreateWindowExA(kFormExStyle, kFormClass, design_.caption, design_.style, place.left, place.top,
        place.width, place.height, parent_, nullptr, ModuleInstance(), this);
    creating = nullptr;
    if (!window)
        return false;
    CountLive(&LiveObjects::formWindows, 1);
    // The dialog manager learns the default button before any control
    // exists, so that it has no children to search for the old one.
    for (int row = 0; row < rowCount_; ++row)
        if (rows_[row].extra & kDefaultButton)
            SendMessageA(window, DM_SETDEFID, kFirstControlId + row, 0);
    creationFailed_ = false;
    if (!CreateControls() || creationFailed_) {
        Destroy();
        return false;
    }
    // As the dialog manager does: the keyboard cues start as the last input
    // leaves them (hidden after the mouse, where the system hides them).
    SendMessageA(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    return true;
}

Rect Form::WorkArea() const
{
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromWindow(parent_, MONITOR_DEFAULTTONEAREST), &monitor))
        return Rect { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    const RECT& work = monitor.rcWork;
    return Rect { work.left, work.top, work.right - work.left, work.bottom - work.top };
}

void Form::SetParentWindow(HWND parent)
{
    parent_ = parent;
    if (handle_)
        SetWindowLongPtrA(handle_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(parent));
}

void Form::Hide()
{
    if (handle_ && !running_)
        ShowWindow(handle_, SW_HIDE);
}

void Form::ShowWindowNow()
{
    if (handle_ && !IsWindowVisible(handle_))
        ShowWindow(handle_, SW_SHOW);
}

int Form::RowOf(HWND window) const
{
    if (!window)
        return -1;
    const int row = GetDlgCtrlID(window) - kFirstControlId;
    return row >= 0 && row < rowCount_ && windows_[row] == window ? row : -1;
}

Form* Form::OfWindow(HWND window)
{
    char className[sizeof kFormClass + 1];
    if (!window || !GetClassNameA(window, className, sizeof className) || lstrcmpiA(className, kFormClass) != 0)
        return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK Form::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Form* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form && creating) {
        // The window's first message, whichever it is.
        form = creating;
        creating = nullptr;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        form->handle_ = window;
    }
    if (!form)
        return DefDlgProcA(window, message, wParam, lParam);
    return form->Dispatch(message, wParam, lParam);
}

LRESULT Form::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefDlgProcA(handle_, message, wParam, lParam);
}

LRESULT Form::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (message != WM_NCDESTROY && HandleMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_COMMAND: {
        HWND control = reinterpret_cast<HWND>(lParam);
        if (!control && HIWORD(wParam) == BN_CLICKED)
            control = FindChildById(handle_, LOWORD(wParam));
        if (control && HIWORD(wParam) == BN_CLICKED && !Command(control))
            HandlerFailed();
        return 0;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (lParam && !SliderMoved(reinterpret_cast<HWND>(lParam)))
            HandlerFailed();
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        const int row = RowOf(header->hwndFrom);
        if (row >= 0 && TabControl::IsSelectionChange(*header)
            && PreparePage(row, TabControl(header->hwndFrom).SelectedTab())) {
            ShowSelectedPage(row);
            Raise(row, Event::kPageChange);
        }
        return 0;
    }
    case WM_NEXTDLGCTL:
        return NextDialogControl(wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(handle_, &paint);
        decorations_.Paint(handle_, dc);
        EndPaint(handle_, &paint);
        return 0;
    }
    case WM_SYSCOLORCHANGE: {
        // Only top-level windows hear of it; the common controls keep their
        // colours until they are told.
        const MSG sent { handle_, message, wParam, lParam, 0, {} };
        EnumChildWindows(handle_, SendToChild, reinterpret_cast<LPARAM>(&sent));
        return DefDlgProcA(handle_, message, wParam, lParam);
    }
    case WM_DESTROY:
        // Ends the run even where a host's subclass keeps WM_NCDESTROY from us.
        if (running_ && modalResult_ == kModalNone)
            SetModalResult(kModalCancel);
        return DefDlgProcA(handle_, message, wParam, lParam);
    case WM_CLOSE:
        if (running_)
            SetModalResult(kModalCancel);
        else
            ShowWindow(handle_, SW_HIDE);
        return 0;
    case WM_NCDESTROY: {
        const LRESULT result = DefDlgProcA(handle_, message, wParam, lParam);
        WindowGone();
        return result;
    }
    default:
        return DefDlgProcA(handle_, message, wParam, lParam);
    }
}

bool Form::Command(HWND control)
{
    // A disabled control cannot be pressed, not even by a message.
    const int row = RowOf(control);
    if (row < 0 || !IsWindowEnabled(control))
        return true;
    const Kind kind = rows_[row].kind;
    if (states_[row] && !Button(control).Clicked(kind, *states_[row]))
        return false;
    // A radio button's state raises its click event itself, as it becomes checked.
    return (states_[row] && kind == Kind::kRadioButton) || Raise(row, Event::kClick);
}

bool Form::SliderMoved(HWND slider)
{
    const int row = RowOf(slider);
    return row < 0 || !states_[row] || TrackBar(slider).Scrolled(*states_[row]);
}

void Form::WindowGone()
{
    fonts_.Clear();
    CountLive(&LiveObjects::formWindows, -1);
    decorations_.Clear();
    for (int row = 0; row < rowCount_; ++row) {
        windows_[row] = nullptr;
        if (states_[row])
            states_[row]->Attach(nullptr);
    }
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    handle_ = nullptr;
    if (running_ && modalResult_ == kModalNone)
        SetModalResult(kModalCancel);
}

bool Form::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}
void Form::FormKeyDown(WORD&) { }
bool Form::FormShow()
{
    return true;
}
HWND Form::FirstFocus()
{
    return GetNextDlgTabItem(handle_, nullptr, FALSE);
}
bool Form::PreviewKey(const MSG&)
{
    return false;
}
bool Form::PageCreated(int)
{
    return true;
}

} // namespace scrubwell::windowing
