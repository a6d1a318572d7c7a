// ControlWindow: a control's window as the view of its state: shows each
// change of the state in the window, as its kind needs.
#pragma once

#include <windows.h>

#include "controls/control_state.h"
#include "windowing/layout.h"

namespace scrubwell::windowing {

class ControlWindow final : public ControlView {
public:
    ControlWindow() = default;
    ControlWindow(HWND window, Kind kind)
        : window_(window)
        , kind_(kind)
    {
    }
    void ShowRange(const SliderRange& range) override;
    void ShowChecked(bool checked) override;
    void ShowEnabled(bool enabled) override;
    void ShowText(const char* text) override;
    void Moved() override;

private:
    HWND window_ = nullptr;
    Kind kind_ = Kind::kLabel;
};

} // namespace scrubwell::windowing
