#pragma once

#include <QApplication>
#include <string>

namespace ksm::ui {

// The Qt application: an error that escapes an event handler is shown in a message box and
// the event loop goes on.
class Application final : public QApplication {
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

struct Options {
    bool simulate = false;
    std::string trace_file;
    // Not in the usage text: save pictures of the windows into this folder and end.
    std::string screenshot_folder;
};

// Reads the command line; on an unknown option fills `error` and returns false.
bool ParseOptions(const QStringList& arguments, Options& options, std::string& error);

// Builds the windows and the tool on the chosen backend and runs the event loop; returns when
// the main window has been closed.
int Run(Application& app, const Options& options);

}  // namespace ksm::ui
