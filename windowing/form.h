// Form: a dialog window (DefDlgProc underneath, so the dialog manager gives
// tab order, default button and focus keeping), its controls' events, its
// fonts, and a modal run on the calling thread.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "windowing/control.h"
#include "windowing/tab_control.h"
#include "windowing/track_bar.h"

namespace scrubwell::windowing {

// Modal results.
inline constexpr int kModalNone = 0;
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;

// The native window of a form could not be created (a parent that is not a
// window, or Windows out of resources).
class WindowCreationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Rect {
    int left, top, width, height;
};

struct FontSpec {
    const char* face;
    int height; // character height in pixels
    bool bold;
    bool fixedPitch;
    bool operator<(const FontSpec& other) const;
};

class Form {
public:
    using Handler = std::function<void()>;

    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Attributes
    // The native window, created (with the controls) on first use.
    HWND Handle();
    bool Running() const { return running_; }

    // Operations
    // The window that owns the form's window; applied at creation, or at once
    // when the window exists.
    void SetParentWindow(HWND parent);
    void SetCaption(const std::string& caption);
    // Shows the form and pumps the thread's messages until a handler sets a
    // modal result; the thread's other windows are disabled meanwhile. A
    // WM_QUIT ends the run with kModalCancel and is posted again afterwards;
    // an exception raised by a handler ends the run and is rethrown here.
    int ShowModal();
    void SetModalResult(int result);
    // Hides the form when it is not running modally.
    void Close();
    void ShowWindowNow();

    // Events
    void OnClick(const Control& control, Handler handler); // push button clicked, radio button newly checked
    void OnSliderChange(const TrackBar& slider, Handler handler);
    void OnPageChange(const TabControl& tabs, Handler handler); // user page changes only

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
    virtual void CreateControls() = 0;
    // Form-specific messages; return true when handled, with the reply in result.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Key preview: sees every key-down for the form before the focused control.
    virtual void FormKeyDown(WORD& key);
    // Runs at every showing, after the window is visible.
    virtual void FormShow();
    // Form-specific keyboard handling before the dialog manager; true consumes.
    virtual bool PreviewKey(const MSG& message);

    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

    // Layout: children get ids in creation order; fonts belong to the form
    // and are deleted with its window.
    HWND CreateChild(const char* className, const std::string& text, DWORD style, HWND parent, const Rect& bounds,
        HFONT font, DWORD exStyle = 0);
    HFONT Font(const FontSpec& wanted);
    HFONT FormFont() { return Font(formFont_); }
    // A window that holds controls and passes their notifications on to the form.
    HWND CreateContainer(HWND parent, const Rect& bounds, bool visible = true);
    // A container with a group-box frame and caption over its whole area.
    HWND CreateGroupBox(HWND parent, const Rect& bounds, const std::string& caption);
    // A lowered box behind its siblings.
    HWND CreateBevel(HWND parent, const Rect& bounds);

private:
    struct Binding {
        enum Kind { kClick, kSlider, kPage } kind;
        Handler handler;
        int lastPosition;
    };

    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Command(HWND control, WORD code);
    void SliderMoved(HWND slider);
    void Raise(HWND control, Binding::Kind kind);
    bool PreviewMessage(MSG& message);
    bool MoveFocusAmongButtons(HWND focus, bool previous);
    bool SwitchPage(bool previous);
    bool Mnemonic(WPARAM character);
    void WindowGone();
    void FocusFirstControl();

    Design design_;
    FontSpec formFont_ { "MS Sans Serif", 11, false, false };
    HWND handle_ = nullptr;
    HWND parent_ = nullptr;
    std::string caption_;
    int modalResult_ = kModalNone;
    bool running_ = false;
    int nextId_ = 100;
    std::exception_ptr failure_;
    std::map<HWND, Binding> bindings_;
    std::map<FontSpec, HFONT> fonts_;
};

} // namespace scrubwell::windowing
