// Holds a dialog's live windows against its layout table: what the rows mean
// on the screen, not a copy of their numbers.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "windowing/layout.h"

// Finds each row's window below root (of its kind's class and text, at its
// designed place on the screen; a page's rows on that page of tabs) and checks
// its size, style, visibility and font. The rows in replacedTexts hold texts
// that the dialog replaces. Returns the windows by row, 0 for the rows that
// have none.
std::vector<HWND> MatchLayout(const scrubwell::windowing::LayoutItem* rows, int count, HWND root, HWND tabs = nullptr,
    std::initializer_list<int> replacedTexts = {});

// The tab order as designed: among the children of one parent, those with a
// tab order follow it, and what lies inside a group box follows its frame.
void ExpectLayoutTabOrder(
    const scrubwell::windowing::LayoutItem* rows, int count, const std::vector<HWND>& windows, HWND root);

// What a wrong number in the table breaks: every window inside its parent's
// client area, and no two sibling windows overlapping, except a group box and
// what lies in it, and the pairs of rows in designed, which the design lets
// overlap. (Pages fill the display area: their own test.)
void ExpectInsideAndApart(const scrubwell::windowing::LayoutItem* rows, int count, const std::vector<HWND>& windows,
    std::initializer_list<std::pair<int, int>> designed);
