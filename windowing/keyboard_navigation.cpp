// The keyboard in a form, before the dialog manager sees a key:
// - Tab and Shift+Tab go to the next and previous tab stop in the form's own
//   order, walking into the pages of a tab control too, going round.
// - Ctrl+Tab and Ctrl+Shift+Tab, with the focus on a tab strip or its pages,
//   select the next and previous page as the user does (page-change event).
// - The arrow keys on a push button, check box or radio button move the focus
//   to the previous (left, up) or next (right, down) control of the same
//   parent as designed that takes the focus, tab stop or not, going round; a
//   radio button that gets the focus so is checked (its click event).
// - A letter with Alt, or alone where the focused control takes no
//   characters, is a mnemonic: the first button-class control in layout order
//   whose caption marks it. A group box's mnemonic puts the focus on the first
//   tab stop inside it; a push button's presses it where the focus is; a check
//   box or radio button takes the focus and toggles or checks.
// - With key preview, the form sees every key-down first and may consume it;
//   Escape still reaches the focused control.
#include <cctype>

#include "windowing/buttons.h"
#include "windowing/form.h"
#include "windowing/tab_control.h"
#include "windowing/text_box.h"

namespace scrubwell::windowing {
namespace {

// Push buttons, check boxes and radio buttons: the controls the arrow keys move between.
bool IsFocusableButton(HWND window)
{
    const LONG type = Button(window).Type();
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
        if (Button(window).Type() >= 0 && MnemonicOf(window) == letter)
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

} // namespace

LRESULT Form::NextDialogControl(WPARAM wParam, LPARAM lParam)
{
    // Tab and Shift+Tab: the next tab stop in this form's own order.
    if (!LOWORD(lParam))
        if (const HWND next = NeighbourTabStop(handle_, GetFocus(), wParam != 0)) {
            wParam = reinterpret_cast<WPARAM>(next);
            lParam = TRUE;
        }
    // The dialog manager selects the whole text of a text box it gives the
    // focus to (also when the window is activated): a read-only text stays
    // where its reader left it.
    const HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : nullptr;
    if (!target || !IsReadOnlyTextBox(target))
        return DefDlgProcA(handle_, WM_NEXTDLGCTL, wParam, lParam);
    const TextBox text(target);
    const TextBox::Place place = text.ReadingPlace();
    const LRESULT result = DefDlgProcA(handle_, WM_NEXTDLGCTL, wParam, lParam);
    text.ReturnTo(place);
    return result;
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
    const Button button(next);
    if (button.IsRadioButton() && !button.Checked())
        button.Click();
    return true;
}

bool Form::SwitchPage(bool previous)
{
    for (int row = 0; row < rowCount_; ++row) {
        if (rows_[row].kind != Kind::kTabControl || !windows_[row])
            continue;
        const TabControl tabs(windows_[row]);
        const int count = tabs.TabCount();
        if (count == 0 || !tabs.Owns(GetFocus()))
            continue;
        if (ShowPage(row, (tabs.SelectedTab() + (previous ? count - 1 : 1)) % count))
            Raise(row, Event::kPageChange);
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
    const Button button(target);
    const LONG type = button.Type();
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
        button.Press();
    } else {
        button.Click();
    }
    return true;
}

// The windows of the rows whose parent as designed is parent, in tab order,
// as far as they are shown; their count.
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

} // namespace scrubwell::windowing
