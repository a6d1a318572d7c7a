// Control: the base of the thin wrappers over native controls. A wrapper holds
// the window handle and nothing else; everything it reports is read from the
// native control, so copies of a wrapper are interchangeable.
#pragma once

#include <windows.h>

namespace scrubwell::windowing {

class Control {
public:
    Control() = default;
    explicit Control(HWND handle)
        : handle_(handle)
    {
    }

    // Attributes
    HWND Handle() const { return handle_; }
    bool Visible() const; // the control's own visibility, whatever its parents'

    // Operations
    void Show(bool visible) const { ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE); }
    void Enable(bool enabled) const { EnableWindow(handle_, enabled ? TRUE : FALSE); }
    void SetCaption(const char* text) const { SetWindowTextA(handle_, text); }
    void SetFont(HFONT font) const { SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE); }

protected:
    HWND handle_ = nullptr;
};

} // namespace scrubwell::windowing
