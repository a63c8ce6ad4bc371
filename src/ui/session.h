#pragma once

#include <memory>

#include "app/tool.h"
#include "ui/apc_window.h"
#include "ui/main_window.h"
#include "ui/qt_console.h"
#include "ui/qt_pump.h"
#include "ui/qt_window_seam.h"

namespace ksm::ui {

// The windows and the tool behind them, put together in the order of start-up; the
// application runs one, the window tests run one on the simulated bus.
class Session {
  public:
    Session(Driver& driver, Clock& clock, Tone& tone, bool simulated);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The rest of start-up once the main window is built: its constructor's work (caption,
    // Label14, memo and console emptied, grids, lists), the module reset and the
    // pass-through buttons, then the APC window, created hidden.
    void Start();
    // The main window closes (FormClose); only the first call acts.
    void Close();

    MainWindow& main_window() { return main_; }
    ApcWindow* apc_window() { return apc_.get(); }
    QtWindowSeam& window() { return window_; }
    Console& console() { return console_; }
    Tool& tool() { return tool_; }

    // Added to the caption when the world behind the tool is simulated.
    static constexpr std::string_view kSimulationCaption = "  [SYMULACJA]";

  private:
    bool simulated_;
    bool closed_ = false;
    MainWindow main_;
    QtTextPane pane_;
    Console console_;
    QtWindowSeam window_;
    QtMessagePump pump_;
    Tool tool_;
    std::unique_ptr<ApcWindow> apc_;
};

}  // namespace ksm::ui
