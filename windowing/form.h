// Form: a dialog window (DefDlgProc underneath, so the dialog manager gives
// tab order, default button and focus keeping), made from a layout table,
// with its events, its fonts and a modal run on the calling thread. Nothing
// in here throws: a failure is a result, and a failed event handler ends the
// modal run. The form's jobs live in files of their own: form.cpp (lifetime
// and dispatch), modal_loop.cpp, events.cpp, keyboard_navigation.cpp,
// layout_builder.cpp, form_pages.cpp.
#pragma once

#include <windows.h>

#include "controls/control_state.h"
#include "windowing/control_window.h"
#include "windowing/decorations.h"
#include "windowing/events.h"
#include "windowing/font_cache.h"
#include "windowing/layout.h"
#include "windowing/layout_plan.h"

namespace scrubwell::windowing {

// Modal results.
inline constexpr int kModalNone = 0;
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;
inline constexpr int kModalFailed = -1; // an event handler failed

// A row's control ID: fixed by the row, whatever order windows are made in.
inline constexpr int kFirstControlId = 100;

// A form's own window as designed.
struct FormDesign {
    DWORD style;
    int clientWidth, clientHeight;
    bool centred; // at the centre of the desktop when shown
    int left, top; // otherwise here, on the screen
    bool keyPreview;
    const char* caption; // a literal
};

class Form {
public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Attributes
    // The native window, or 0 before Create.
    HWND Handle() const { return handle_; }
    bool Running() const { return running_; }

    // Operations
    // Creates the native window and the controls; false, with no window left,
    // when any of them could not be created (a parent that is not a window,
    // Windows out of resources).
    bool Create();
    // The window that owns the form's window; applied at creation, or at once
    // when the window exists.
    void SetParentWindow(HWND parent);
    // Shows the created form and pumps the thread's messages until a handler
    // sets a modal result; the thread's other windows are disabled meanwhile.
    // A WM_QUIT ends the run with kModalCancel and is posted again afterwards;
    // a handler that fails ends it with kModalFailed, and a form whose handler
    // has failed returns that at once.
    int ShowModal();
    void SetModalResult(int result);
    // Hides the form when it is not running modally.
    void Hide();
    void ShowWindowNow();

    // Destroys the window and its controls; a window that cannot be destroyed
    // is left answering by the system's default procedures alone.
    void Destroy();

    // Events
    // Runs row's handler for event, if the dialog's table has one; false when
    // it failed, which also ends the modal run.
    bool Raise(int row, Event event);
    // Selects the page at index of the tab control of tabsRow as the program
    // does (no change event), making its windows first if it has never been
    // shown; false when they could not be made, which also ends the modal run.
    bool ShowPage(int tabsRow, int index);
    // Draws the panels and bevels that lie in window (the form or a page).
    void PaintDecorations(HWND window, HDC dc) const { decorations_.Paint(window, dc); }
    // The form whose window this is, or null.
    static Form* OfWindow(HWND window);

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // rows: the layout, with the windows by row in windows (0 for panels and
    // bevels and for rows not made yet). Both belong to the derived form.
    template <int RowCount>
    Form(const FormDesign& design, const LayoutItem (&rows)[RowCount], HWND (&windows)[RowCount])
        : Form(design, rows, RowCount, windows)
    {
        static_assert(RowCount <= kMaxRows, "the form's capacity of rows, and so of fonts and decorations");
    }

    // Builds the layout; runs once, right after the native window exists.
    // False when something could not be created.
    virtual bool CreateControls() = 0;
    // Runs row's handler for event from the dialog's event table; false when
    // it failed.
    virtual bool RowEvent(int row, Event event) = 0;
    // Form-specific messages; return true when handled, with the reply in result.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Key preview: sees every key-down for the form before the focused control.
    virtual void FormKeyDown(WORD& key);
    // Runs at every showing, before the window becomes visible; false when it
    // failed.
    virtual bool FormShow();
    // The control that gets the focus when the form has been shown: the first
    // in tab order.
    virtual HWND FirstFocus();
    // Form-specific keyboard handling before the dialog manager; true consumes.
    virtual bool PreviewKey(const MSG& message);
    // The windows of a page's rows have just been made, before it is first
    // shown; false when what the form adds to them failed.
    virtual bool PageCreated(int pageRow);

    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

    // Makes the windows of one batch of rows (layout_plan.h): kOnForm, the
    // dialog's own; a page's row, the page's and its rows'. Fonts belong to
    // the form and are deleted with its window. False when a window or font
    // could not be made.
    bool MakeRows(int batch);
    // The row whose window this is, or -1.
    int RowOf(HWND window) const;
    // state is row's: its window, once made, is a view of it.
    void BindState(int row, ControlState& state) { states_[row] = &state; }

private:
    Form(const FormDesign& design, const LayoutItem* rows, int rowCount, HWND* windows);

    // form.cpp
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    // The user's clicks and slider moves, into the controls' states and events;
    // false when a handler failed.
    bool Command(HWND control);
    bool SliderMoved(HWND slider);
    void WindowGone();
    // Whether the window exists; clears the form's hold on one that has gone.
    bool WindowExists();
    // The work area of the owner's monitor, where the form's window goes.
    Rect WorkArea() const;
    // events.cpp
    void HandlerFailed();
    // modal_loop.cpp
    void FocusFirstControl();
    // keyboard_navigation.cpp
    bool PreviewMessage(MSG& message);
    LRESULT NextDialogControl(WPARAM wParam, LPARAM lParam);
    bool MoveFocusToNeighbour(HWND focus, bool previous);
    bool SwitchPage(bool previous);
    bool Mnemonic(WPARAM character);
    int ChildrenOf(int parent, HWND* windows, int capacity) const;
    // layout_builder.cpp
    HWND MakeRow(const PlannedRow& planned, HWND parent);
    // The window made before planned's in its holder, in tab order, or 0.
    HWND MadeBefore(const PlannedRow& planned) const;
    // form_pages.cpp
    // The row of the page at index of tabsRow's tab control, or -1.
    int PageRow(int tabsRow, int index) const;
    // Makes the windows of the page at index at its first showing.
    bool PreparePage(int tabsRow, int index);
    bool PrepareSelectedPages();
    // Shows the selected page of tabsRow's tab control and hides the others.
    void ShowSelectedPage(int tabsRow) const;

    FormDesign design_;
    FontStyle formFont_ { "MS Sans Serif", 11, false, false };
    HWND handle_ = nullptr;
    HWND parent_ = nullptr;
    int modalResult_ = kModalNone;
    bool running_ = false;
    bool creationFailed_ = false;
    bool handlerFailed_ = false;
    FontCache fonts_;
    Decorations decorations_;
    const LayoutItem* rows_;
    HWND* windows_;
    int rowCount_;
    LayoutPlan plan_;
    ControlState* states_[kMaxRows] = {};
    ControlWindow views_[kMaxRows];
};

} // namespace scrubwell::windowing
