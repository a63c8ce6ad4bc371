#pragma once

#include <QObject>
#include <QWidget>
#include <string>
#include <vector>

#include "link/window.h"

namespace ksm::ui {

// The window seam on real widgets, found by their object names among the children of the
// main window and the APC window.
class QtWindowSeam final : public Window {
  public:
    QtWindowSeam(QWidget* main_window, QWidget* apc_window)
        : main_(main_window), apc_(apc_window) {}

    void SetEnabled(std::string_view control, bool enabled) override;
    bool IsEnabled(std::string_view control) const override;
    void SetVisible(std::string_view control, bool visible) override;
    bool IsVisible(std::string_view control) const override;
    void SetText(std::string_view control, std::string_view text) override;
    std::string Text(std::string_view control) const override;
    void SetColour(std::string_view control, Rgb colour) override;
    Rgb Colour(std::string_view control) const override;
    bool IsChecked(std::string_view control) const override;
    void SetChecked(std::string_view control, bool checked) override;
    int ItemIndex(std::string_view combo) const override;
    void SetItemIndex(std::string_view combo, int index) override;
    void SetItems(std::string_view combo, const std::vector<std::string>& items) override;
    std::string Cell(std::string_view grid, int column, int row) const override;
    void SetCell(std::string_view grid, int column, int row, std::string_view text) override;
    void MemoAddLine(std::string_view memo, std::string_view line) override;
    void MemoClear(std::string_view memo) override;
    std::vector<std::string> MemoLines(std::string_view memo) const override;
    void SetTimerEnabled(std::string_view timer, bool enabled) override;
    bool IsTimerEnabled(std::string_view timer) const override;
    void SetTimerInterval(std::string_view timer, std::uint32_t ms) override;
    std::uint32_t TimerInterval(std::string_view timer) const override;
    void SetProgress(int position) override;
    int Progress() const override;
    void SetWindowEnabled(bool enabled) override;
    void ShowApcWindow(bool shown) override;
    bool IsApcWindowShown() const override;
    void ShowErrorMessage(std::string_view text) override;
    std::string DecimalSeparator() const override;
    std::string ThousandsSeparator() const override;

    // The APC window is built after the main window has started.
    void AttachApcWindow(QWidget* apc_window) { apc_ = apc_window; }

    // A control by its name, or "Window.name" for a control of one window only.
    template <typename T>
    T* Find(std::string_view name) const {
        std::string_view window_name;
        if (std::size_t point = name.find('.'); point != std::string_view::npos) {
            window_name = name.substr(0, point);
            name = name.substr(point + 1);
        }
        QString key = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        QString window_key =
            QString::fromUtf8(window_name.data(), static_cast<qsizetype>(window_name.size()));
        for (QWidget* root : {main_, apc_}) {
            if (!root || (!window_key.isEmpty() && root->objectName() != window_key)) continue;
            if (root->objectName() == key) {
                if (auto* self = qobject_cast<T*>(root)) return self;
            }
            if (T* found = root->findChild<T*>(key)) return found;
        }
        return nullptr;
    }

  private:
    QWidget* main_;
    QWidget* apc_;
};

}  // namespace ksm::ui
