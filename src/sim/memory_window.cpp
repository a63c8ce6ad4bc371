#include "sim/memory_window.h"

namespace ksm::sim {
namespace {
std::string CellKey(std::string_view grid, int column, int row) {
    return std::string(grid) + ':' + std::to_string(column) + ':' + std::to_string(row);
}
}  // namespace

const MemoryWindow::ControlState& MemoryWindow::Find(std::string_view name) const {
    static const ControlState kUntouched;
    auto it = controls_.find(name);
    return it == controls_.end() ? kUntouched : it->second;
}

void MemoryWindow::SetText(std::string_view control, std::string_view text) {
    ControlState& state = Control(control);
    state.text.assign(text);
    state.lines.clear();
    if (!text.empty()) {
        std::size_t start = 0;
        for (;;) {
            std::size_t end = text.find('\n', start);
            state.lines.emplace_back(text.substr(start, end - start));
            if (end == std::string_view::npos) break;
            start = end + 1;
        }
    }
}

void MemoryWindow::SetItemIndex(std::string_view combo, int index) {
    ControlState& state = Control(combo);
    bool inside = index >= 0 && (state.item_count < 0 || index < state.item_count);
    state.item_index = inside ? index : -1;
    // A combo box whose items are known shows the chosen item, or nothing.
    if (static_cast<int>(state.items.size()) == state.item_count) {
        std::size_t at = static_cast<std::size_t>(state.item_index);
        state.text = state.item_index >= 0 && at < state.items.size() ? state.items[at] : std::string();
    }
}

void MemoryWindow::SetItems(std::string_view combo, const std::vector<std::string>& items) {
    ControlState& state = Control(combo);
    state.items = items;
    state.item_count = static_cast<int>(items.size());
    state.item_index = -1;
    state.text.clear();
}

std::string MemoryWindow::Cell(std::string_view grid, int column, int row) const {
    auto it = cells_.find(CellKey(grid, column, row));
    return it == cells_.end() ? std::string() : it->second;
}

void MemoryWindow::SetCell(std::string_view grid, int column, int row, std::string_view text) {
    cells_[CellKey(grid, column, row)] = std::string(text);
}

void MemoryWindow::MemoAddLine(std::string_view memo, std::string_view line) {
    Control(memo).lines.emplace_back(line);
}

void MemoryWindow::BindTimer(std::string_view timer, std::function<void()> tick) {
    Timer(timer).tick = std::move(tick);
}

void MemoryWindow::SetTimerEnabled(std::string_view timer, bool enabled) {
    TimerState& state = Timer(timer);
    state.enabled = enabled;
    if (enabled) state.next_due = clock_.NowMs() + state.interval;
}

bool MemoryWindow::IsTimerEnabled(std::string_view timer) const {
    auto it = timers_.find(timer);
    return it != timers_.end() && it->second.enabled;
}

void MemoryWindow::SetTimerInterval(std::string_view timer, std::uint32_t ms) {
    TimerState& state = Timer(timer);
    state.interval = ms;
    if (state.enabled) state.next_due = clock_.NowMs() + ms;
}

std::uint32_t MemoryWindow::TimerInterval(std::string_view timer) const {
    auto it = timers_.find(timer);
    return it == timers_.end() ? 1000 : it->second.interval;
}

void MemoryWindow::FireDueTimers() {
    std::uint64_t now = clock_.NowMs();
    for (auto& [name, state] : timers_) {
        // A timer with interval 0 never ticks.
        if (!state.enabled || state.interval == 0 || state.next_due > now) continue;
        state.next_due = now + state.interval;
        if (state.tick) state.tick();
    }
}

void MemoryWindow::SetSeparators(std::string decimal, std::string thousands) {
    decimal_ = std::move(decimal);
    thousands_ = std::move(thousands);
}

}  // namespace ksm::sim
