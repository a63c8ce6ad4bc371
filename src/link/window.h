#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "link/colour.h"

namespace ksm {

// What operations read and write on the windows. Controls are addressed by their object
// names (Button38, StringGrid2, ComboBox1, Timer1, ...), a window by its own name (Form1,
// Form2). A name may carry its window's name and a point in front ("Form2.Memo1"): the APC
// window's message field has the same name as a control of the main window. The Qt windows
// implement it; tests use an in-memory window whose timers run on virtual time.
class Window {
public:
    virtual ~Window() = default;

    virtual void SetEnabled(std::string_view control, bool enabled) = 0;
    virtual bool IsEnabled(std::string_view control) const = 0;
    virtual void SetVisible(std::string_view control, bool visible) = 0;
    virtual bool IsVisible(std::string_view control) const = 0;

    // Caption of a window, button, label, group box or tab; text of an edit, memo or combo box.
    virtual void SetText(std::string_view control, std::string_view text) = 0;
    virtual std::string Text(std::string_view control) const = 0;
    virtual void SetColour(std::string_view control, Rgb colour) = 0;
    virtual Rgb Colour(std::string_view control) const = 0;
    virtual bool IsChecked(std::string_view control) const = 0;
    virtual void SetChecked(std::string_view control, bool checked) = 0;

    // Combo boxes: -1 means no selection; an index outside the list selects nothing.
    virtual int ItemIndex(std::string_view combo) const = 0;
    virtual void SetItemIndex(std::string_view combo, int index) = 0;
    // Replaces the list of a combo box; nothing is selected afterwards and the text is empty.
    virtual void SetItems(std::string_view combo, const std::vector<std::string>& items) = 0;

    virtual std::string Cell(std::string_view grid, int column, int row) const = 0;
    virtual void SetCell(std::string_view grid, int column, int row, std::string_view text) = 0;

    virtual void MemoAddLine(std::string_view memo, std::string_view line) = 0;
    virtual void MemoClear(std::string_view memo) = 0;
    virtual std::vector<std::string> MemoLines(std::string_view memo) const = 0;

    // Timer1, Timer3. Enabling a timer (re)starts its period.
    virtual void SetTimerEnabled(std::string_view timer, bool enabled) = 0;
    virtual bool IsTimerEnabled(std::string_view timer) const = 0;
    virtual void SetTimerInterval(std::string_view timer, std::uint32_t ms) = 0;
    virtual std::uint32_t TimerInterval(std::string_view timer) const = 0;

    virtual void SetProgress(int position) = 0;
    virtual int Progress() const = 0;
    // Enables or disables the main window as a whole.
    virtual void SetWindowEnabled(bool enabled) = 0;
    virtual void ShowApcWindow(bool shown) = 0;
    virtual bool IsApcWindowShown() const = 0;

    // A standard error message box.
    virtual void ShowErrorMessage(std::string_view text) = 0;
    // Number format of the user's locale, as UTF-8 text.
    virtual std::string DecimalSeparator() const = 0;
    virtual std::string ThousandsSeparator() const = 0;
};

}  // namespace ksm
