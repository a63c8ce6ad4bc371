#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "link/colour.h"

namespace ksm {

// The version of the tool, and of the firmware image it carries.
inline constexpr std::string_view ToolVersionText = "3.3";
inline constexpr std::string_view FirmwareVersionText = "00.41";

// The two windows and their named controls as the form designer would keep them: what each
// control is, where it sits, what it says and how it looks before the constructors run. The
// Qt windows are built from these tables; the in-memory window of tests takes the same
// state from them through the window seam (ApplyDesign, window_model.h).

enum class ControlKind : std::uint8_t {
    kWindow,  // the window itself; its place is its client area
    kButton,
    kRadioButton,
    kLabel,  // sized to its caption when given no size
    kEdit,
    kMemo,
    kRichEdit,
    kComboBox,  // accepts typed text as well as a choice from the list
    kGrid,      // rows and columns as in GridDesign
    kPanel,
    kGroupBox,
    kPageControl,
    kTabSheet,  // a page of the page control; the caption is the tab's text
    kProgressBar,
    kImage,  // a picture drawn by the windows themselves
};

enum class Bevel : std::uint8_t { kRaised, kLowered, kEtched };

// How the user reaches a control with the keyboard.
enum class Focus : std::uint8_t {
    kTab,    // by Tab and by clicking
    kClick,  // by clicking only
    kNone,   // never: the controls the window carries outside its visible area
};

enum class ScrollBars : std::uint8_t { kNone, kHorizontal, kVertical };

struct Place {
    int x = 0, y = 0, width = 0, height = 0;
};

struct ControlDesign {
    std::string_view name;
    ControlKind kind = ControlKind::kButton;
    std::string_view parent;  // the window's name for the window's own children
    Place place;
    std::string_view caption;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    Focus focus = Focus::kTab;
    ScrollBars scroll_bars = ScrollBars::kNone;
    std::string_view font_family;  // empty: the window's font
    int font_px = 0;               // 0: the window's font size
    bool bold = false;
    std::optional<Rgb> text_colour;
    std::optional<Rgb> background;
    Bevel bevel = Bevel::kRaised;

    // Modifiers, so that the tables read like the form.
    constexpr ControlDesign Off() const { return With(&ControlDesign::enabled, false); }
    constexpr ControlDesign Hidden() const { return With(&ControlDesign::visible, false); }
    constexpr ControlDesign Checked() const { return With(&ControlDesign::checked, true); }
    constexpr ControlDesign Bold() const { return With(&ControlDesign::bold, true); }
    constexpr ControlDesign Px(int px) const { return With(&ControlDesign::font_px, px); }
    constexpr ControlDesign Family(std::string_view f) const {
        return With(&ControlDesign::font_family, f);
    }
    constexpr ControlDesign Ink(Rgb c) const {
        return With(&ControlDesign::text_colour, std::optional<Rgb>(c));
    }
    constexpr ControlDesign On(Rgb c) const {
        return With(&ControlDesign::background, std::optional<Rgb>(c));
    }
    constexpr ControlDesign Reach(Focus f) const { return With(&ControlDesign::focus, f); }
    constexpr ControlDesign Scroll(ScrollBars s) const {
        return With(&ControlDesign::scroll_bars, s);
    }
    constexpr ControlDesign Edge(Bevel b) const { return With(&ControlDesign::bevel, b); }

  private:
    template <typename T, typename V>
    constexpr ControlDesign With(T ControlDesign::*field, V value) const {
        ControlDesign copy = *this;
        copy.*field = value;
        return copy;
    }
};

constexpr ControlDesign Control(ControlKind kind, std::string_view name, std::string_view parent,
                                Place place, std::string_view caption = {}) {
    ControlDesign c;
    c.name = name;
    c.kind = kind;
    c.parent = parent;
    c.place = place;
    c.caption = caption;
    return c;
}

// Rows and columns of a grid; row 0 and column 0 are the fixed ones when it has them.
struct GridDesign {
    std::string_view name;
    int columns = 0, rows = 0;
    int fixed_rows = 0, fixed_columns = 0;
    int row_height = 0;
    std::array<int, 9> column_widths{};
    bool grid_lines = true;
    bool whole_row_selection = false;
};

struct TimerDesign {
    std::string_view name;
    std::uint32_t interval_ms;
};

// Colours of the form designer.
namespace colours {
inline constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{255, 0, 0}, kLime{0, 255, 0},
    kYellow{255, 255, 0}, kBlue{0, 0, 255}, kAqua{0, 255, 255}, kMaroon{128, 0, 0},
    kGreen{0, 128, 0}, kTeal{0, 128, 128}, kOlive{128, 128, 0}, kSilver{192, 192, 192},
    kMenu{240, 240, 240};
}  // namespace colours

// The main window (Form1): every control, parents before their children, tab pages in their
// order; then its grids and timers.
std::span<const ControlDesign> MainWindowDesign();
std::span<const GridDesign> MainWindowGrids();
std::span<const TimerDesign> MainWindowTimers();

// The APC window (Form2).
std::span<const ControlDesign> ApcWindowDesign();
std::span<const GridDesign> ApcWindowGrids();

// The design of one named control or grid of either window, or nullptr.
const ControlDesign* FindControlDesign(std::string_view window, std::string_view name);
const GridDesign* FindGridDesign(std::string_view name);

}  // namespace ksm
