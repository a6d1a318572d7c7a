// The layout plan of both dialogs' tables: where each row's window goes,
// which rows are drawn, when they are made and where groups start.
#include <gtest/gtest.h>

#include <cstring>

#include "dialogs/scrubwell_help_layout.h"
#include "dialogs/scrubwell_ui_layout.h"
#include "windowing/layout_plan.h"

namespace {

using namespace scrubwell::windowing;

const PlannedRow* Find(const LayoutPlan& plan, int row)
{
    for (int i = 0; i < plan.count; ++i)
        if (plan.rows[i].row == row)
            return &plan.rows[i];
    return nullptr;
}

TEST(LayoutPlan, PlacesEachRowInTheWindowThatHoldsIt)
{
    namespace main = scrubwell::main_layout;
    namespace help = scrubwell::help_layout;
    LayoutPlan mainPlan, helpPlan;
    ASSERT_TRUE(PlanLayout(main::kRows, main::kRowCount, mainPlan));
    ASSERT_TRUE(PlanLayout(help::kRows, help::kRowCount, helpPlan));
    EXPECT_EQ(main::kRowCount, mainPlan.count);
    const struct {
        const LayoutPlan& plan;
        int row, holder;
        Rect place;
        int batch;
        bool drawn, startsGroup;
    } cases[] = {
        { mainPlan, main::kEffectsPageControl, kOnForm, { 4, 3, 534, 313 }, kOnForm, false, true },
        // A page's own window is made with its rows, at its first showing.
        { mainPlan, main::kHumTab, main::kEffectsPageControl, {}, main::kHumTab, false, false },
        // Inside a group box: the box's corner added, made with the page.
        { mainPlan, main::kHumTrackBar, main::kHumTab, { 32, 36, 26, 90 }, main::kHumTab, false, false },
        { mainPlan, main::kHumBandWidthBox, main::kHumTab, { 10, 143, 68, 17 }, main::kHumTab, false, false },
        { mainPlan, main::kBevel2, main::kHumTab, { 93, 10, 430, 174 }, main::kHumTab, true, true },
        // Inside a group box on a drawn panel: both corners added, on the form.
        { mainPlan, main::kStereoOptionsPanel, kOnForm, { 4, 319, 534, 94 }, kOnForm, true, false },
        { mainPlan, main::kBothChannelsRadioButton, kOnForm, { 324, 341, 206, 17 }, kOnForm, false, true },
        { mainPlan, main::kLeftChannelRadioButton, kOnForm, { 324, 362, 207, 17 }, kOnForm, false, false },
        { mainPlan, main::kHelpButton, kOnForm, { 334, 416, 120, 24 }, kOnForm, false, false },
        { mainPlan, main::kHumMoreLabel, main::kHumTab, { 30, 19, 0, 0 }, main::kHumTab, false, true },
        { helpPlan, help::kHumMemo, kOnForm, { 14, 48, 465, 273 }, kOnForm, false, false },
        { helpPlan, help::kCloseButton, kOnForm, { 189, 333, 115, 25 }, kOnForm, false, false },
    };
    for (const auto& c : cases) {
        const PlannedRow* planned = Find(c.plan, c.row);
        ASSERT_TRUE(planned) << c.row;
        SCOPED_TRACE(&c.plan == &mainPlan ? main::kRows[c.row].name : help::kRows[c.row].name);
        EXPECT_EQ(c.holder, planned->holder);
        EXPECT_EQ(0, std::memcmp(&c.place, &planned->place, sizeof c.place));
        EXPECT_EQ(c.batch, planned->batch);
        EXPECT_EQ(c.drawn, planned->drawn);
        EXPECT_EQ(c.startsGroup, planned->startsGroup);
    }
}

TEST(LayoutPlan, OrdersChildrenByTheirTabWithAGroupBoxsContentsRightAfterIt)
{
    namespace main = scrubwell::main_layout;
    LayoutPlan plan;
    ASSERT_TRUE(PlanLayout(main::kRows, main::kRowCount, plan));
    const int expected[] = { main::kEffectOptionGroupBox, main::kRemovePOPClicksCheckBox, main::kEliminateHumCheckBox,
        main::kNoiseReductionCheckBox, main::kReduceHissCheckBox, main::kStereoOptionsGroupBox,
        main::kBothChannelsRadioButton, main::kLeftChannelRadioButton, main::kRightChannelRadioButton, main::kOKButton,
        main::kCancelButton, main::kHelpButton };
    int i = 0;
    while (i < plan.count && plan.rows[i].row != main::kStereoOptionsPanel)
        ++i;
    for (int row : expected) {
        ASSERT_LT(++i, plan.count);
        EXPECT_EQ(main::kRows[row].name, main::kRows[plan.rows[i].row].name);
    }
}

TEST(LayoutPlan, RefusesMoreRowsThanAFormHolds)
{
    static const LayoutItem rows[kMaxRows + 1] = {};
    LayoutPlan plan;
    EXPECT_TRUE(PlanLayout(rows, kMaxRows, plan));
    EXPECT_FALSE(PlanLayout(rows, kMaxRows + 1, plan));
}

} // namespace
