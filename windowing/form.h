// Form: a dialog window (DefDlgProc underneath, so the dialog manager gives
// tab order, default button and focus keeping), its controls' events, its
// fonts, and a modal run on the calling thread. Nothing in here throws: a
// failure is a result, and a failed event handler ends the modal run.
#pragma once

#include <windows.h>

#include "windowing/control.h"
#include "windowing/layout.h"
#include "windowing/tab_control.h"
#include "windowing/track_bar.h"

namespace scrubwell::windowing {

// Modal results.
inline constexpr int kModalNone = 0;
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;
inline constexpr int kModalFailed = -1; // an event handler failed

// An event handler: a member function that returns false when it failed,
// bound to its object.
class Handler {
public:
    Handler() = default;
    template <class Object, bool (Object::*Method)()> static Handler Of(Object* object)
    {
        Handler handler;
        handler.object_ = object;
        handler.call_ = [](void* self) { return (static_cast<Object*>(self)->*Method)(); };
        return handler;
    }
    bool operator()() const { return !call_ || call_(object_); }

private:
    void* object_ = nullptr;
    bool (*call_)(void*) = nullptr;
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
    // caption must outlive the form (a literal).
    void SetCaption(const char* caption);
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

    // Events
    void OnClick(const Control& control, Handler handler); // push button clicked, radio button newly checked
    void OnSliderChange(const TrackBar& slider, Handler handler);
    void OnPageChange(const TabControl& tabs, Handler handler); // user page changes only

    // The program changed control (a slider's range or position, a radio
    // button newly checked): raises its event as user input would; false when
    // the handler failed, which also ends the modal run.
    bool ControlChanged(HWND control);
    // Runs a handler for a control that has no window yet; a failure ends
    // the modal run.
    bool RunHandler(const Handler& handler);
    // Selects a page as the program does (no change event), making its
    // windows first if it has never been shown; false when they could not be
    // made, which also ends the modal run.
    bool ShowPage(const TabControl& tabs, int index);
    // Draws the panels and bevels that lie in window (the form or a page).
    void PaintDecorations(HWND window, HDC dc) const;
    // The form whose window this is, or null.
    static Form* OfWindow(HWND window);

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    struct Design {
        DWORD style;
        int clientWidth, clientHeight;
        bool centred; // at the centre of the desktop when shown
        int left, top; // otherwise here, on the screen
        bool keyPreview;
    };
    explicit Form(const Design& design);

    // Builds the layout; runs once, right after the native window exists.
    // False when something could not be created.
    virtual bool CreateControls() = 0;
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

    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

    // The rows the form is made from, and for each its window: 0 for panels
    // and bevels, which are drawn, and for rows not made yet. Both arrays
    // belong to the derived form; at most kMaxRows rows.
    void UseLayout(const LayoutItem* rows, int count, HWND* windows);
    // Makes, in tab order, the windows of the form's rows that lie on no page
    // and are not later rows; with kLaterRows, the later rows; with a page's
    // row, the rows on that page. Children get ids in creation order; fonts
    // belong to the form and are deleted with its window. False when a window
    // or font could not be made, or the layout has more than kMaxRows rows.
    static constexpr int kLaterRows = -2;
    bool CreateRows(int root = kOnForm);
    // The row whose window this is, or -1.
    int RowOf(HWND window) const;
    // The windows of a page's rows have just been made, before it is first
    // shown; false when what the form adds to them failed.
    virtual bool PageCreated(int pageRow);
    HFONT Font(const FontSpec& wanted);
    HFONT FormFont() { return Font(formFont_); }
    static constexpr int kMaxRows = 64;

private:
    struct Binding {
        enum Kind { kClick, kSlider, kPage } kind;
        HWND control;
        Handler handler;
        int lastPosition;
    };
    struct FontEntry {
        FontSpec request;
        HFONT font;
    };
    struct Decoration {
        HWND window;
        RECT bounds;
        UINT edge;
    };
    static constexpr int kMaxBindings = 16;
    static constexpr int kMaxFonts = 6;
    static constexpr int kMaxDecorations = 8;

    void Bind(HWND control, Binding::Kind kind, Handler handler, int position);
    Binding* FindBinding(HWND control);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool Command(HWND control, WORD code);
    bool SliderMoved(HWND slider);
    // Runs the control's handler of that kind; a failure ends the modal run.
    bool Raise(HWND control, Binding::Kind kind);
    bool PreviewMessage(MSG& message);
    bool MoveFocusToNeighbour(HWND focus, bool previous);
    bool SwitchPage(bool previous);
    bool Mnemonic(WPARAM character);
    // The windows of the rows whose parent as designed is parent, in tab
    // order, as far as they are shown; their count.
    int ChildrenOf(int parent, HWND* windows, int capacity) const;
    int PageOf(int row) const;
    HWND CreateRow(int row, HWND parent, const Rect& bounds, bool startsGroup);
    bool PreparePage(HWND page);
    bool PrepareActivePages();
    void WindowGone();
    void FocusFirstControl();
    void HandlerFailed();

    Design design_;
    FontSpec formFont_ { "MS Sans Serif", 11, false, false };
    HWND handle_ = nullptr;
    HWND parent_ = nullptr;
    const char* caption_ = "";
    int modalResult_ = kModalNone;
    bool running_ = false;
    bool creationFailed_ = false;
    bool handlerFailed_ = false;
    int nextId_ = 100;
    Binding bindings_[kMaxBindings] = {};
    int bindingCount_ = 0;
    FontEntry fonts_[kMaxFonts] = {};
    int fontCount_ = 0;
    const LayoutItem* rows_ = nullptr;
    HWND* windows_ = nullptr;
    int rowCount_ = 0;
    unsigned long long pagesMade_ = 0; // by row
    Decoration decorations_[kMaxDecorations] = {};
    int decorationCount_ = 0;
};

} // namespace scrubwell::windowing
