#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "link/clock.h"
#include "link/window.h"

namespace ksm::sim {

// The window seam in memory, for tests and programs without a screen. Controls come into
// being when first touched (enabled, visible, empty, nothing selected) unless declared.
// Timers tick on the clock given, when FireDueTimers runs (a ScriptedPump ticker).
class MemoryWindow final : public Window {
public:
    explicit MemoryWindow(Clock& clock) : clock_(clock) {}

    struct ControlState {
        bool enabled = true;
        bool visible = true;
        bool checked = false;
        std::string text;
        Rgb colour{};
        int item_index = -1;
        int item_count = -1;  // -1: the list is not known, any index is taken
        std::vector<std::string> items;
        std::vector<std::string> lines;
    };
    ControlState& Control(std::string_view name) { return controls_[std::string(name)]; }
    void SetItemCount(std::string_view combo, int count) { Control(combo).item_count = count; }

    void BindTimer(std::string_view timer, std::function<void()> tick);
    void FireDueTimers();

    const std::vector<std::string>& ErrorMessages() const { return error_messages_; }
    bool IsWindowEnabled() const { return window_enabled_; }
    void SetSeparators(std::string decimal, std::string thousands);

    void SetEnabled(std::string_view control, bool enabled) override { Control(control).enabled = enabled; }
    bool IsEnabled(std::string_view control) const override { return Find(control).enabled; }
    void SetVisible(std::string_view control, bool visible) override { Control(control).visible = visible; }
    bool IsVisible(std::string_view control) const override { return Find(control).visible; }
    void SetText(std::string_view control, std::string_view text) override;
    std::string Text(std::string_view control) const override { return Find(control).text; }
    void SetColour(std::string_view control, Rgb colour) override { Control(control).colour = colour; }
    Rgb Colour(std::string_view control) const override { return Find(control).colour; }
    bool IsChecked(std::string_view control) const override { return Find(control).checked; }
    void SetChecked(std::string_view control, bool checked) override { Control(control).checked = checked; }
    int ItemIndex(std::string_view combo) const override { return Find(combo).item_index; }
    void SetItemIndex(std::string_view combo, int index) override;
    void SetItems(std::string_view combo, const std::vector<std::string>& items) override;
    std::string Cell(std::string_view grid, int column, int row) const override;
    void SetCell(std::string_view grid, int column, int row, std::string_view text) override;
    void MemoAddLine(std::string_view memo, std::string_view line) override;
    void MemoClear(std::string_view memo) override { Control(memo).lines.clear(); }
    std::vector<std::string> MemoLines(std::string_view memo) const override { return Find(memo).lines; }
    void SetTimerEnabled(std::string_view timer, bool enabled) override;
    bool IsTimerEnabled(std::string_view timer) const override;
    void SetTimerInterval(std::string_view timer, std::uint32_t ms) override;
    std::uint32_t TimerInterval(std::string_view timer) const override;
    void SetProgress(int position) override { progress_ = position; }
    int Progress() const override { return progress_; }
    void SetWindowEnabled(bool enabled) override { window_enabled_ = enabled; }
    void ShowApcWindow(bool shown) override { apc_shown_ = shown; }
    bool IsApcWindowShown() const override { return apc_shown_; }
    void ShowErrorMessage(std::string_view text) override { error_messages_.emplace_back(text); }
    std::string DecimalSeparator() const override { return decimal_; }
    std::string ThousandsSeparator() const override { return thousands_; }

private:
    struct TimerState {
        bool enabled = false;
        std::uint32_t interval = 1000;
        std::uint64_t next_due = 0;
        std::function<void()> tick;
    };
    const ControlState& Find(std::string_view name) const;
    TimerState& Timer(std::string_view name) { return timers_[std::string(name)]; }

    Clock& clock_;
    std::map<std::string, ControlState, std::less<>> controls_;
    std::map<std::string, std::string, std::less<>> cells_;
    std::map<std::string, TimerState, std::less<>> timers_;
    std::vector<std::string> error_messages_;
    int progress_ = 0;
    bool window_enabled_ = true;
    bool apc_shown_ = false;
    std::string decimal_ = ".";
    std::string thousands_ = ",";
};

}  // namespace ksm::sim
