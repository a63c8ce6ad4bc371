#pragma once

#include <QApplication>
#include <string>
#include <vector>

#include "link/serial_driver.h"

namespace ksm::ui {

// The Qt application: an error that escapes an event handler is shown in a message box and
// the event loop goes on.
class Application final : public QApplication {
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Backends: libftdi1 (the default), the operating system's serial ports (--serial, implied by
// --port), or the built-in simulated world (--simulate).
struct Options {
    bool simulate = false;
    bool serial = false;
    // Ports named with --port PATH[=DESCRIPTION], listed after the USB serial ports.
    std::vector<SerialPortInfo> ports;
    std::string trace_file;
    // Not in the usage text: save pictures of the windows into this folder and end.
    std::string screenshot_folder;
    // Not in the usage text: click these buttons in order once started (--click NAME), then
    // write the window's content to stdout and end (--dump).
    std::vector<std::string> clicks;
    bool dump = false;
};

// Reads the command line; on an unknown option, a missing value or backends that exclude each
// other fills `error` and returns false.
bool ParseOptions(const QStringList& arguments, Options& options, std::string& error);

// Builds the windows and the tool on the chosen backend and runs the event loop; returns when
// the main window has been closed.
int Run(Application& app, const Options& options);

}  // namespace ksm::ui
