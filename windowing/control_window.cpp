#include "windowing/control_window.h"

#include "windowing/accessible_control.h"
#include "windowing/buttons.h"
#include "windowing/track_bar.h"

namespace scrubwell::windowing {

void ControlWindow::ShowRange(const SliderRange& range)
{
    if (kind_ == Kind::kTrackBar)
        TrackBar(window_).ShowRange(range);
}

void ControlWindow::ShowChecked(bool checked)
{
    if (kind_ == Kind::kRadioButton || kind_ == Kind::kCheckBox)
        Button(window_).ShowChecked(checked, kind_);
}

void ControlWindow::ShowEnabled(bool enabled)
{
    if (kind_ == Kind::kRadioButton || kind_ == Kind::kCheckBox || kind_ == Kind::kGroupBox
        || kind_ == Kind::kPushButton)
        Control(window_).Enable(enabled);
}

void ControlWindow::ShowText(const char* text)
{
    if (kind_ == Kind::kLabel || kind_ == Kind::kReadout)
        Control(window_).SetCaption(text);
}

void ControlWindow::Moved()
{
    NotifyValueChanged(window_);
}

} // namespace scrubwell::windowing
