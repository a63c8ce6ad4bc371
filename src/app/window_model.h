#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/console.h"
#include "link/window.h"

namespace ksm {

// The controls of the APC window, as operations address them (its message field shares the
// name Memo1 with a control of the main window).
inline constexpr std::string_view ApcWindowName = "Form2";
inline constexpr std::string_view ApcGrid = "Form2.StringGrid4";
inline constexpr std::string_view ApcMessageField = "Form2.Memo1";

// A list the main window's constructor fills with numbers, each item six blanks followed by
// the decimal number.
struct NumberList {
    std::string_view combo;
    int first, last;
    int initial_index;  // -1: nothing chosen
};
std::span<const NumberList> MainWindowNumberLists();
std::string NumberItem(int number);

// Lists given in the form design itself.
struct FixedList {
    std::string_view combo;
    std::vector<std::string> items;
};
const std::vector<FixedList>& MainWindowFixedLists();

// The state each window has when its design is loaded, before its constructor runs:
// captions, enabled, visible and checked states, panel colours, design-time lists, timer
// intervals (all timers stopped). Written through the seam, so that a window without widgets
// starts as the Qt window does.
void ApplyMainWindowDesign(Window& window);
void ApplyApcWindowDesign(Window& window);

// What the constructors do at start-up. The main window: caption, Label14, Memo2 and the
// console emptied, grid headers and level numbers, the number lists and their choices. The
// APC window: message field emptied, grid headers and level numbers.
void InitialiseMainWindow(Window& window, Console& console);
void InitialiseApcWindow(Window& window);

// Both windows as designed and constructed, for a window without widgets.
void PrepareWindows(Window& window, Console& console);

}  // namespace ksm
