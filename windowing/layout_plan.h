// LayoutPlan: what the rows of a layout become, worked out before any window
// exists and without Win32: which window holds each row's window and where,
// the tab order, where a group of controls starts, which rows are drawn
// rather than windows, and when each row is made.
#pragma once

#include "windowing/layout.h"

namespace scrubwell::windowing {

struct PlannedRow {
    int row;
    // The row whose window holds this row's window: a page or a tab control,
    // or kOnForm for the form's client area. Panels, bevels and group boxes
    // hold no windows.
    int holder;
    Rect place; // in the holder's client area; a page's rows from the page's corner
    // When it is made: with the form (kOnForm), or at the first showing of
    // its page (the page's row), the page's own window with them.
    int batch;
    bool drawn; // a panel or bevel: painted by its holder, no window of its own
    // The window before it in its holder in tab order: its place in the plan,
    // or -1 for the first.
    int previous;
    // The first window in its holder in tab order, or the first after one of
    // another designed parent: it carries WS_GROUP.
    bool startsGroup;
};

struct LayoutPlan {
    PlannedRow rows[kMaxRows]; // in tab order: each parent's children by their tab, each followed by its own
    int count;
};

// Plans count rows; false when there are more than kMaxRows.
bool PlanLayout(const LayoutItem* rows, int count, LayoutPlan& plan);

} // namespace scrubwell::windowing
