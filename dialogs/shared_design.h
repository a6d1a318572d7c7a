// What the two dialogs share: their caption, and the four pages of the main
// dialog with the help that each has. A page's number is its place here, which
// is also its tab's: 0 pop and click, 1 hum, 2 hiss, 3 noise gate.
#pragma once

#include "dialogs/help_texts.h"
#include "dialogs/scrubwell_help_form.h"
#include "dialogs/scrubwell_help_layout.h"
#include "dialogs/scrubwell_ui_layout.h"
#include "windowing/accessible_control.h"

namespace scrubwell {

inline constexpr char kDialogCaption[] = "Kestrune Scrubwell";

struct EffectPage {
    // Rows of the main layout: the page, the box around its slider and
    // readout, and its heading, which names the slider and titles the help.
    int page, box, heading, slider, readout;
    // The help's text box (a row of the help layout), its text, and whether
    // the tutorials address has been added to it.
    int helpBox;
    const char* helpText;
    bool TScrubwellHelpForm::*linkAdded;
};

inline constexpr EffectPage kEffectPages[] = {
    { main_layout::kPOPClickTab, main_layout::kPOPClickGroupBox, main_layout::kLabel5, main_layout::kPOPClickTrackBar,
        main_layout::kPOPClickThresholdBox, help_layout::kPOPClickMemo, kPopClickHelpText,
        &TScrubwellHelpForm::POPClickLinkAdded },
    { main_layout::kHumTab, main_layout::kHumGroupBox, main_layout::kLabel1, main_layout::kHumTrackBar,
        main_layout::kHumBandWidthBox, help_layout::kHumMemo, kHumHelpText, &TScrubwellHelpForm::HumLinkAdded },
    { main_layout::kHissTab, main_layout::kHissGroupBox, main_layout::kLabel2, main_layout::kHissTrackBar,
        main_layout::kHissDBBox, help_layout::kHissMemo, kHissHelpText, &TScrubwellHelpForm::HissLinkAdded },
    { main_layout::kNoiseReductionTab, main_layout::kGroupBox1, main_layout::kLabel15,
        main_layout::kNoiseThresholdTrackBar, main_layout::kNoiseThresholdStaticText, help_layout::kNoiseReductionMemo,
        kNoiseGateHelpText, &TScrubwellHelpForm::NoiseReductionLinkAdded },
};
inline constexpr int kEffectPageCount = sizeof kEffectPages / sizeof *kEffectPages;

// The pages here are the tab control's, in the order of its tabs.
constexpr bool PagesAreTheTabs()
{
    int next = 0;
    for (int row = 0; row < main_layout::kRowCount; ++row)
        if (main_layout::kRows[row].kind == windowing::Kind::kPage
            && (next == kEffectPageCount || kEffectPages[next++].page != row))
            return false;
    return next == kEffectPageCount;
}
static_assert(PagesAreTheTabs(), "every page of the main dialog once, in tab order");
static_assert(main_layout::kRowCount + help_layout::kRowCount <= windowing::kMaxAccessibleControls,
    "an accessible object for every window of both dialogs");

} // namespace scrubwell
