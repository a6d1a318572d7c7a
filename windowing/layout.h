// A dialog's layout as data, the way a dialog template is: one row per
// control, in creation order, which is also the order in which accelerators
// are looked up. No Win32 here: the layout plan reads the rows natively, and
// the control kinds turn a row into a window.
#pragma once

namespace scrubwell::windowing {

struct Rect {
    int left, top, width, height;
};

// The most rows a layout has. A form holds a window, a font and a decoration
// at most per row, and a form checks its table against this when it is built.
inline constexpr int kMaxRows = 64;

struct FontStyle {
    const char* face;
    int height; // character height in pixels
    bool bold;
    bool fixedPitch;

    constexpr bool operator==(const FontStyle& other) const
    {
        for (int i = 0;; ++i) {
            if (face[i] != other.face[i])
                return false;
            if (!face[i])
                break;
        }
        return height == other.height && bold == other.bold && fixedPitch == other.fixedPitch;
    }
};

enum class Kind : unsigned char {
    kTabControl,
    kPage, // fills its tab control's display area; made with its rows when it is first shown
    kPanel, // a raised box, drawn by the window that holds it
    kBevel, // a lowered box, drawn by the window that holds it behind the texts it frames
    kGroupBox, // a frame with a caption; the rows that name it as parent lie inside it
    kLabel,
    kReadout, // a sunken, centred text, hidden
    kTrackBar, // vertical, no ticks, fixed thumb
    kRadioButton,
    kCheckBox,
    kPushButton,
    kTextBox, // multi-line, read-only, with a vertical scroll bar
};

// What a row asks beyond its kind's own look.
enum Extra : unsigned {
    kPlain = 0,
    kCentred = 1, // a label's text
    kDefaultButton = 2, // the push button that Enter presses
    kTabStop = 4, // a control that is no tab stop by kind
};

inline constexpr int kOnForm = -1; // the parent of the form's own rows
inline constexpr int kNoTab = -1;

struct LayoutItem {
    const char* name;
    Kind kind;
    // The row of the parent as designed, or kOnForm. Which window holds the
    // row's window is the layout plan's answer, not this.
    int parent;
    Rect bounds; // in the parent's client area; width 0: sized to the text
    const char* text;
    unsigned extra; // Extra flags
    const FontStyle* font; // null: the form's
    // Order among the parent's children that have one; the others keep
    // their place in row order.
    int tab;
    // The designed state: a slider's range from 0, a button checked.
    int max = 0;
    bool checked = false;
};

// True when every row's name is the name its index has in names: the enum of
// rows and the table kept in the same order.
constexpr bool RowsNamed(const LayoutItem* rows, const char* const* names, int count)
{
    for (int row = 0; row < count; ++row)
        for (int i = 0;; ++i) {
            if (rows[row].name[i] != names[row][i])
                return false;
            if (!names[row][i])
                break;
        }
    return true;
}

} // namespace scrubwell::windowing

// Declares enum Row { k<Name>..., kRowCount } and kRowNames from one list, so
// that a table's order can be checked against the enum at compile time.
#define SCRUBWELL_ROW_ENUM(name) k##name,
#define SCRUBWELL_ROW_NAME(name) #name,
#define SCRUBWELL_LAYOUT_ROWS(list)                                                                                    \
    enum Row { list(SCRUBWELL_ROW_ENUM) kRowCount };                                                                   \
    inline constexpr const char* kRowNames[kRowCount] = { list(SCRUBWELL_ROW_NAME) };
