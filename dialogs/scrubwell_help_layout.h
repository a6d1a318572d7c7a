// The help dialog's layout. The four text boxes lie on top of one another;
// they are made when the dialog is first shown.
#pragma once

#include "windowing/layout.h"

namespace scrubwell::help_layout {

using windowing::kCentred;
using windowing::kDefaultButton;
using windowing::Kind;
using windowing::kNoTab;
using windowing::kOnForm;
using windowing::kTabStop;

inline constexpr windowing::FontStyle kTitleFont { "MS Sans Serif", 16, true, false };

// clang-format off
#define SCRUBWELL_HELP_ROWS(X) \
    X(HelpLabel) \
    X(HumMemo) \
    X(HissMemo) \
    X(POPClickMemo) \
    X(CloseButton) \
    X(NoiseReductionMemo)

SCRUBWELL_LAYOUT_ROWS(SCRUBWELL_HELP_ROWS)

inline constexpr windowing::LayoutItem kRows[kRowCount] = {
    { "HelpLabel", Kind::kLabel, kOnForm, { 17, 7, 465, 24 }, "Pops and Clicks Removal Help", kCentred, &kTitleFont,
        kNoTab },
    { "HumMemo", Kind::kTextBox, kOnForm, { 14, 48, 465, 273 }, "", 0, nullptr, 0 },
    { "HissMemo", Kind::kTextBox, kOnForm, { 12, 48, 465, 273 }, "", 0, nullptr, 1 },
    { "POPClickMemo", Kind::kTextBox, kOnForm, { 14, 48, 465, 273 }, "", 0, nullptr, 2 },
    { "CloseButton", Kind::kPushButton, kOnForm, { 189, 333, 115, 25 }, "&Close", kDefaultButton, nullptr, 3 },
    { "NoiseReductionMemo", Kind::kTextBox, kOnForm, { 11, 48, 465, 273 }, "", 0, nullptr, 4 },
};
// clang-format on
static_assert(windowing::RowsNamed(kRows, kRowNames, kRowCount), "the rows in the order of their enum");

} // namespace scrubwell::help_layout
