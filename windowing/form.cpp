#include "windowing/form.h"

#include <commctrl.h>

#include <cctype>
#include <cstring>
#include <new>

#include "windowing/accessible_control.h"
#include "windowing/buttons.h"
#include "windowing/live_objects.h"
#include "windowing/static_text.h"
#include "windowing/window_classes.h"

namespace scrubwell::windowing {
namespace {

constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

LONG ButtonType(HWND window)
{
    char className[16];
    if (!GetClassNameA(window, className, sizeof className) || lstrcmpiA(className, "Button") != 0)
        return -1;
    return GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
}

// Push buttons, check boxes and radio buttons: the controls the arrow keys move between.
bool IsFocusableButton(HWND window)
{
    const LONG type = ButtonType(window);
    return type >= 0 && type != BS_GROUPBOX && type != BS_OWNERDRAW;
}

bool VisibleAndEnabled(HWND window)
{
    return (GetWindowLongA(window, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
}

// A control the user can put the focus on now: not a label, a frame or a
// window that only holds others.
bool TakesFocus(HWND window)
{
    if (!VisibleAndEnabled(window) || (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CONTROLPARENT))
        return false;
    const LRESULT code = SendMessageA(window, WM_GETDLGCODE, 0, 0);
    return code != 0 && !(code & DLGC_STATIC);
}

// The letter after the first single '&' of a caption, upper-cased; 0 if none.
char MnemonicOf(HWND window)
{
    char text[128];
    const int length = GetWindowTextA(window, text, sizeof text);
    for (int i = 0; i + 1 < length; ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    }
    return 0;
}

// The first button-class control in layout order, among those the user can
// reach now, whose caption marks the letter.
HWND FindMnemonic(HWND first, char letter)
{
    for (HWND window = first; window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (!VisibleAndEnabled(window))
            continue;
        if (ButtonType(window) >= 0 && MnemonicOf(window) == letter)
            return window;
        if (HWND inner = FindMnemonic(GetWindow(window, GW_CHILD), letter))
            return inner;
    }
    return nullptr;
}

// The window after window below root in tab order: depth first, a window
// before its children, into hidden or disabled windows' children never; 0
// after the last.
HWND NextInTabOrder(HWND root, HWND window)
{
    if (VisibleAndEnabled(window))
        if (const HWND child = GetWindow(window, GW_CHILD))
            return child;
    for (; window && window != root; window = GetParent(window))
        if (const HWND next = GetWindow(window, GW_HWNDNEXT))
            return next;
    return nullptr;
}

// The neighbours of one window in a walk over candidates, going round: the
// first and last candidates stand in for the missing ones.
class Neighbours {
public:
    explicit Neighbours(HWND from)
        : from_(from)
    {
    }
    void Visit(HWND window, bool candidate)
    {
        if (window == from_) {
            passed_ = true;
            return;
        }
        if (!candidate)
            return;
        if (!first_)
            first_ = window;
        last_ = window;
        if (!passed_)
            before_ = window;
        else if (!after_)
            after_ = window;
    }
    HWND Before() const { return before_ ? before_ : last_; }
    HWND After() const { return after_ ? after_ : first_; }

private:
    HWND from_;
    HWND first_ = nullptr, last_ = nullptr, before_ = nullptr, after_ = nullptr;
    bool passed_ = false;
};

// The tab stop before or after from below root; pages inside a tab control are
// walked too, which the dialog manager does not do.
HWND NeighbourTabStop(HWND root, HWND from, bool previous)
{
    Neighbours neighbours(from);
    for (HWND window = GetWindow(root, GW_CHILD); window; window = NextInTabOrder(root, window))
        neighbours.Visit(window, (GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP) && TakesFocus(window));
    return previous ? neighbours.Before() : neighbours.After();
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

} // namespace

bool FontSpec::operator==(const FontSpec& other) const
{
    return std::strcmp(face, other.face) == 0 && height == other.height && bold == other.bold
        && fixedPitch == other.fixedPitch;
}

Form::Form(const Design& design)
    : design_(design)
{
}

Form::~Form()
{
    if (handle_)
        DestroyWindow(handle_);
}

bool Form::Create()
{
    if (handle_)
        return true;
    if (!RegisterWindowClasses())
        return false;
    RECT frame { 0, 0, design_.clientWidth, design_.clientHeight };
    AdjustWindowRectEx(&frame, design_.style, FALSE, kFormExStyle);
    const HWND window = CreateWindowExA(kFormExStyle, kFormClass, caption_, design_.style, design_.left, design_.top,
        frame.right - frame.left, frame.bottom - frame.top, parent_, nullptr, ModuleInstance(), this);
    if (!window)
        return false;
    CountLive(&LiveObjects::formWindows, 1);
    creationFailed_ = false;
    if (!CreateControls() || creationFailed_) {
        DestroyWindow(window);
        return false;
    }
    return true;
}

void Form::SetParentWindow(HWND parent)
{
    parent_ = parent;
    if (handle_)
        SetWindowLongPtrA(handle_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(parent));
}

void Form::SetCaption(const char* caption)
{
    caption_ = caption;
    if (handle_)
        SetWindowTextA(handle_, caption);
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

void Form::SetModalResult(int result)
{
    modalResult_ = result;
    // A result set from a sent message (another thread's click, say) must not
    // wait for the next posted message to end the run.
    if (running_ && result != kModalNone)
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void Form::OnClick(const Control& control, Handler handler)
{
    Bind(control.Handle(), Binding::kClick, handler, 0);
}

void Form::OnSliderChange(const TrackBar& slider, Handler handler)
{
    Bind(slider.Handle(), Binding::kSlider, handler, slider.Position());
}

void Form::OnPageChange(const TabControl& tabs, Handler handler)
{
    Bind(tabs.Handle(), Binding::kPage, handler, 0);
}

void Form::Bind(HWND control, Binding::Kind kind, Handler handler, int position)
{
    Binding* binding = FindBinding(control);
    if (!binding) {
        if (bindingCount_ == kMaxBindings) {
            creationFailed_ = true;
            return;
        }
        binding = &bindings_[bindingCount_++];
    }
    *binding = Binding { kind, control, handler, position };
}

Form::Binding* Form::FindBinding(HWND control)
{
    for (int i = 0; i < bindingCount_; ++i)
        if (bindings_[i].control == control)
            return &bindings_[i];
    return nullptr;
}

int Form::ShowModal()
{
    const HWND self = handle_;
    if (!self || handlerFailed_)
        return kModalFailed;
    modalResult_ = kModalNone;

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
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        SetWindowPos(self, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    running_ = true;
    bool quit = false;
    WPARAM quitCode = 0;
    if (!PrepareActivePages() || !FormShow())
        HandlerFailed();
    ShowWindow(self, SW_SHOW);
    SetForegroundWindow(self);
    FocusFirstControl();
    while (modalResult_ == kModalNone) {
        if (!handle_) { // destroyed under us, with its owner
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
    if (handle_) {
        const bool active = GetActiveWindow() == handle_;
        SetWindowPos(
            handle_, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (const HWND owner = GetWindow(handle_, GW_OWNER); owner && active)
            SetActiveWindow(owner);
    }
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
    return handlerFailed_ ? kModalFailed : modalResult_;
}

void Form::HandlerFailed()
{
    handlerFailed_ = true;
    SetModalResult(kModalFailed);
}

void Form::FocusFirstControl()
{
    if (const HWND first = FirstFocus())
        SendMessageA(handle_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

LRESULT CALLBACK Form::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Form* form;
    if (message == WM_NCCREATE) {
        form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        form->handle_ = window;
    } else {
        form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
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
        if (control)
            Command(control, HIWORD(wParam));
        return 0;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (lParam)
            SliderMoved(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == static_cast<UINT>(TCN_SELCHANGE)) {
            const TabControl tabs(header->hwndFrom);
            if (PreparePage(tabs.ActivePage())) {
                tabs.ShowActivePage();
                Raise(header->hwndFrom, Binding::kPage);
            }
        }
        return 0;
    }
    case WM_NEXTDLGCTL:
        // Tab and Shift+Tab: the next tab stop in this form's own order.
        if (!LOWORD(lParam))
            if (const HWND next = NeighbourTabStop(handle_, GetFocus(), wParam != 0))
                return DefDlgProcA(handle_, message, reinterpret_cast<WPARAM>(next), TRUE);
        return DefDlgProcA(handle_, message, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(handle_, &paint);
        PaintDecorations(handle_, dc);
        EndPaint(handle_, &paint);
        return 0;
    }
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

bool Form::Command(HWND control, WORD code)
{
    // A disabled control cannot be pressed, not even by a message.
    if (code != BN_CLICKED || !IsWindowEnabled(control))
        return true;
    // Radio buttons are checked here, not by the control, so that the click
    // event is raised only when a button becomes checked.
    if (RadioButton::IsRadioButton(control))
        return RadioButton(control).SetChecked(true);
    return Raise(control, Binding::kClick);
}

bool Form::ControlChanged(HWND control)
{
    return RadioButton::IsRadioButton(control) ? Raise(control, Binding::kClick) : SliderMoved(control);
}

Form* Form::OfWindow(HWND window)
{
    char className[sizeof kFormClass + 1];
    if (!window || !GetClassNameA(window, className, sizeof className) || lstrcmpiA(className, kFormClass) != 0)
        return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool Form::SliderMoved(HWND slider)
{
    Binding* binding = FindBinding(slider);
    if (!binding || binding->kind != Binding::kSlider)
        return true;
    const int position = TrackBar(slider).Position();
    if (position == binding->lastPosition)
        return true;
    binding->lastPosition = position;
    // After the handler, which writes the readout that is the slider's value.
    const bool succeeded = Raise(slider, Binding::kSlider);
    NotifyValueChanged(slider);
    return succeeded;
}

bool Form::RunHandler(const Handler& handler)
{
    if (handler())
        return true;
    HandlerFailed();
    return false;
}

bool Form::Raise(HWND control, Binding::Kind kind)
{
    const Binding* binding = FindBinding(control);
    if (!binding || binding->kind != kind || binding->handler())
        return true;
    HandlerFailed();
    return false;
}

void Form::WindowGone()
{
    for (int i = 0; i < fontCount_; ++i)
        DeleteObject(fonts_[i].font);
    CountLive(&LiveObjects::fonts, -fontCount_);
    CountLive(&LiveObjects::formWindows, -1);
    fontCount_ = 0;
    bindingCount_ = 0;
    decorationCount_ = 0;
    pagesMade_ = 0;
    for (int row = 0; row < rowCount_; ++row)
        windows_[row] = nullptr;
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    handle_ = nullptr;
    if (running_ && modalResult_ == kModalNone)
        SetModalResult(kModalCancel);
}

bool Form::PreviewMessage(MSG& message)
{
    if (message.hwnd != handle_ && !IsChild(handle_, message.hwnd))
        return false;
    if (PreviewKey(message))
        return true;
    switch (message.message) {
    case WM_SYSKEYDOWN: // a key with Alt held: the preview sees it, nothing else here does
    case WM_KEYDOWN: {
        if (design_.keyPreview) {
            WORD key = static_cast<WORD>(message.wParam);
            FormKeyDown(key);
            if (key == 0)
                return true;
            if (message.wParam == VK_ESCAPE) {
                // The focused control still gets the key; the dialog manager
                // would only turn it into a cancel command.
                TranslateMessage(&message);
                DispatchMessageA(&message);
                return true;
            }
        }
        if (message.message == WM_SYSKEYDOWN)
            return false;
        const bool control = GetKeyState(VK_CONTROL) < 0;
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        switch (message.wParam) {
        case VK_TAB:
            return control && SwitchPage(shift);
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            return MoveFocusToNeighbour(GetFocus(), message.wParam == VK_LEFT || message.wParam == VK_UP);
        default:
            return false;
        }
    }
    case WM_SYSCHAR:
        return Mnemonic(message.wParam);
    case WM_CHAR: {
        const LRESULT code
            = SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
        return !(code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE)) && Mnemonic(message.wParam);
    }
    default:
        return false;
    }
}

bool Form::MoveFocusToNeighbour(HWND focus, bool previous)
{
    const int row = RowOf(focus);
    if (row < 0 || !IsFocusableButton(focus))
        return false;
    // Among the controls of the same parent as designed that can take the
    // focus, in tab order, tab stop or not.
    HWND siblings[kMaxRows];
    const int count = ChildrenOf(rows_[row].parent, siblings, kMaxRows);
    Neighbours neighbours(focus);
    for (int i = 0; i < count; ++i)
        neighbours.Visit(siblings[i], TakesFocus(siblings[i]));
    const HWND next = previous ? neighbours.Before() : neighbours.After();
    if (!next)
        return true;
    SendMessageA(handle_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    if (RadioButton::IsRadioButton(next) && !RadioButton(next).Checked())
        SendMessageA(next, BM_CLICK, 0, 0);
    return true;
}

bool Form::SwitchPage(bool previous)
{
    for (int i = 0; i < bindingCount_; ++i) {
        if (bindings_[i].kind != Binding::kPage)
            continue;
        const HWND window = bindings_[i].control;
        const TabControl tabs(window);
        const int count = tabs.PageCount();
        if (count == 0 || !tabs.Owns(GetFocus()))
            continue;
        if (ShowPage(tabs, (tabs.ActivePageIndex() + (previous ? count - 1 : 1)) % count))
            Raise(window, Binding::kPage);
        return true;
    }
    return false;
}

bool Form::Mnemonic(WPARAM character)
{
    const char letter = static_cast<char>(std::toupper(static_cast<int>(character & 0xFF)));
    const HWND target = FindMnemonic(GetWindow(handle_, GW_CHILD), letter);
    if (!target)
        return false;
    const LONG type = ButtonType(target);
    if (type == BS_GROUPBOX) {
        // The first tab stop inside the box, or, when none is a tab stop (a
        // radio group with no button checked), the first that takes the focus.
        HWND inside[kMaxRows];
        const int count = ChildrenOf(RowOf(target), inside, kMaxRows);
        HWND first = nullptr, firstTabStop = nullptr;
        for (int i = 0; i < count; ++i) {
            if (!TakesFocus(inside[i]))
                continue;
            if (!first)
                first = inside[i];
            if (!firstTabStop && (GetWindowLongA(inside[i], GWL_STYLE) & WS_TABSTOP))
                firstTabStop = inside[i];
        }
        const HWND next = firstTabStop ? firstTabStop : first;
        if (next)
            SendMessageA(handle_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        // Pressed where the focus is, without taking it.
        SendMessageA(GetParent(target), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(target), BN_CLICKED),
            reinterpret_cast<LPARAM>(target));
    } else {
        SendMessageA(target, BM_CLICK, 0, 0); // takes the focus and toggles or checks
    }
    return true;
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

namespace {

DWORD StyleOf(Kind kind)
{
    switch (kind) {
    case Kind::kTabControl:
        return WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | TCS_MULTILINE;
    case Kind::kPage:
        return 0; // shown by its tab control
    case Kind::kGroupBox:
        return WS_VISIBLE | BS_GROUPBOX;
    case Kind::kLabel:
        return WS_VISIBLE | SS_NOPREFIX;
    case Kind::kReadout:
        return SS_CENTER | SS_SUNKEN | SS_NOPREFIX;
    case Kind::kTrackBar:
        return WS_VISIBLE | WS_TABSTOP | TBS_VERT | TBS_NOTICKS | TBS_FIXEDLENGTH;
    case Kind::kRadioButton:
        return WS_VISIBLE | BS_RADIOBUTTON;
    case Kind::kCheckBox:
        return WS_VISIBLE | BS_AUTOCHECKBOX;
    case Kind::kPushButton:
        return WS_VISIBLE | WS_TABSTOP;
    case Kind::kTextBox:
        return WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
    default:
        return 0;
    }
}

// Rows whose children are windows inside their own window.
bool HoldsWindows(Kind kind)
{
    return kind == Kind::kTabControl || kind == Kind::kPage;
}

// The child of parent that comes n-th in tab order among those with one.
int NthInTabOrder(const LayoutItem* rows, int count, int parent, int n)
{
    for (int row = 0; row < count; ++row) {
        if (rows[row].parent != parent || rows[row].tab == kNoTab)
            continue;
        int before = 0;
        for (int other = 0; other < count; ++other)
            before += rows[other].parent == parent && rows[other].tab != kNoTab && rows[other].tab < rows[row].tab;
        if (before == n)
            return row;
    }
    return -1;
}

// Calls visit(row) for every child of parent and its children in turn, depth
// first, in row order, except that the children with a tab order take the
// places of such children by it.
template <class Visit> void VisitInTabOrder(const LayoutItem* rows, int count, int parent, Visit& visit)
{
    int tabbed = 0;
    for (int row = 0; row < count; ++row) {
        if (rows[row].parent != parent)
            continue;
        const int next = rows[row].tab == kNoTab ? row : NthInTabOrder(rows, count, parent, tabbed++);
        if (next < 0)
            continue;
        visit(next);
        VisitInTabOrder(rows, count, next, visit);
    }
}

constexpr int kTrackBarThumb = 20;
constexpr int kTrackBarPageStep = 2;

} // namespace

void Form::UseLayout(const LayoutItem* rows, int count, HWND* windows)
{
    rows_ = rows;
    windows_ = windows;
    rowCount_ = count;
}

int Form::RowOf(HWND window) const
{
    for (int row = 0; window && row < rowCount_; ++row)
        if (windows_[row] == window)
            return row;
    return -1;
}

int Form::PageOf(int row) const
{
    for (int parent = rows_[row].parent; parent != kOnForm; parent = rows_[parent].parent)
        if (rows_[parent].kind == Kind::kPage)
            return parent;
    return kOnForm;
}

bool Form::CreateRows(int root)
{
    if (rowCount_ > kMaxRows)
        return false;
    // For each window that holds rows (index 0 the form, row + 1 a page or
    // the tab control): the last row in tab order that has a window in it.
    int lastIn[kMaxRows + 1];
    for (int& last : lastIn)
        last = -1;
    auto visit = [&](int row) {
        const LayoutItem& item = rows_[row];
        Rect bounds = item.bounds;
        int holder = item.parent;
        for (; holder != kOnForm && !HoldsWindows(rows_[holder].kind); holder = rows_[holder].parent) {
            bounds.left += rows_[holder].bounds.left;
            bounds.top += rows_[holder].bounds.top;
        }
        const bool wanted = root == kLaterRows ? item.later : !item.later && PageOf(row) == root;
        const HWND parent = holder == kOnForm ? handle_ : windows_[holder];
        if (wanted && parent && !windows_[row]) {
            if (item.kind == Kind::kPanel || item.kind == Kind::kBevel) {
                if (decorationCount_ == kMaxDecorations) {
                    creationFailed_ = true;
                    return;
                }
                decorations_[decorationCount_++] = Decoration { parent,
                    { bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height },
                    item.kind == Kind::kPanel ? static_cast<UINT>(EDGE_RAISED) : static_cast<UINT>(BDR_SUNKENOUTER) };
                return;
            }
            const int previous = lastIn[holder + 1];
            const HWND window = CreateRow(row, parent, bounds, previous < 0 || rows_[previous].parent != item.parent);
            if (!window)
                return;
            // Later rows go to their place in the tab order among those made before.
            const HWND before = previous < 0 ? nullptr : windows_[previous];
            if (GetWindow(window, GW_HWNDPREV) != before)
                SetWindowPos(window, before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        if (windows_[row])
            lastIn[holder + 1] = row;
    };
    VisitInTabOrder(rows_, rowCount_, kOnForm, visit);
    return !creationFailed_;
}

HWND Form::CreateRow(int row, HWND parent, const Rect& bounds, bool startsGroup)
{
    const LayoutItem& item = rows_[row];
    const DWORD style = StyleOf(item.kind) | item.style | (startsGroup ? WS_GROUP : 0) | WS_CHILD;
    const char* className = WindowClassOf(item.kind);
    const HWND window = CreateWindowExA(item.kind == Kind::kTextBox ? WS_EX_CLIENTEDGE
            : item.kind == Kind::kPage                              ? WS_EX_CONTROLPARENT
                                                                    : 0,
        className, item.kind == Kind::kPage ? "" : item.text, style, bounds.left, bounds.top, bounds.width,
        bounds.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId_++)), ModuleInstance(), nullptr);
    if (!window) {
        creationFailed_ = true;
        return nullptr;
    }
    windows_[row] = window;
    if (item.kind != Kind::kPage)
        Control(window).SetFont(item.font ? Font(*item.font) : FormFont());
    if (const LONG role = ControlRole(className, style))
        MakeAccessible(window, { role });
    switch (item.kind) {
    case Kind::kPage: {
        // Each tab may add a row of tabs: every page is fitted again.
        const TabControl tabs(parent);
        tabs.AddPage(item.text, window);
        const RECT area = tabs.PageArea();
        for (int i = 0; i < tabs.PageCount(); ++i)
            MoveWindow(tabs.Page(i), area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
        MakeAccessible(window, { ROLE_SYSTEM_PROPERTYPAGE, item.text });
        break;
    }
    case Kind::kGroupBox:
        if (*item.text)
            MakeAccessible(window, { ROLE_SYSTEM_GROUPING, item.text });
        break;
    case Kind::kLabel:
        if (!bounds.width)
            StaticText(window).FitToText();
        break;
    case Kind::kTrackBar:
        SendMessageA(window, TBM_SETTHUMBLENGTH, kTrackBarThumb, 0);
        SendMessageA(window, TBM_SETLINESIZE, 0, 1);
        SendMessageA(window, TBM_SETPAGESIZE, 0, kTrackBarPageStep);
        SendMessageA(window, TBM_CLEARSEL, TRUE, 0);
        break;
    case Kind::kPushButton:
        if (item.style & BS_DEFPUSHBUTTON)
            SendMessageA(handle_, DM_SETDEFID, GetDlgCtrlID(window), 0);
        break;
    default:
        break;
    }
    return window;
}

bool Form::PageCreated(int)
{
    return true;
}

bool Form::PreparePage(HWND page)
{
    const int row = RowOf(page);
    if (row < 0 || (pagesMade_ >> row & 1))
        return true;
    pagesMade_ |= 1ull << row;
    if (CreateRows(row) && PageCreated(row))
        return true;
    HandlerFailed();
    return false;
}

bool Form::PrepareActivePages()
{
    for (int row = 0; row < rowCount_; ++row)
        if (rows_[row].kind == Kind::kTabControl && windows_[row])
            if (!PreparePage(TabControl(windows_[row]).ActivePage()))
                return false;
    return true;
}

bool Form::ShowPage(const TabControl& tabs, int index)
{
    if (!PreparePage(tabs.Page(index)))
        return false;
    tabs.SelectPage(index);
    return true;
}

void Form::PaintDecorations(HWND window, HDC dc) const
{
    for (int i = 0; i < decorationCount_; ++i) {
        if (decorations_[i].window != window)
            continue;
        RECT bounds = decorations_[i].bounds;
        DrawEdge(dc, &bounds, decorations_[i].edge, BF_RECT);
    }
}

int Form::ChildrenOf(int parent, HWND* windows, int capacity) const
{
    int count = 0;
    for (HWND window = GetWindow(handle_, GW_CHILD); window && count < capacity;
         window = NextInTabOrder(handle_, window)) {
        const int row = RowOf(window);
        if (row >= 0 && rows_[row].parent == parent)
            windows[count++] = window;
    }
    return count;
}

HFONT Form::Font(const FontSpec& wanted)
{
    for (int i = 0; i < fontCount_; ++i)
        if (fonts_[i].request == wanted)
            return fonts_[i].font;
    if (fontCount_ == kMaxFonts) {
        creationFailed_ = true;
        return nullptr;
    }
    const HFONT font = CreateFontA(-wanted.height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        (wanted.fixedPitch ? FIXED_PITCH : DEFAULT_PITCH) | FF_DONTCARE, wanted.face);
    if (!font) {
        creationFailed_ = true;
        return nullptr;
    }
    fonts_[fontCount_++] = FontEntry { wanted, font };
    CountLive(&LiveObjects::fonts, 1);
    return font;
}

} // namespace scrubwell::windowing
