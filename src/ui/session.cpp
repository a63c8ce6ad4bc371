#include "ui/session.h"

#include <QTextEdit>

#include "app/window_model.h"
#include "ui/events.h"

namespace ksm::ui {
namespace {
void BindTool(QWidget* root, Tool& tool) {
    BindEvents(
        root, [&tool](const std::string& name) { return tool.HasHandler(name); },
        [&tool](const std::string& name) { tool.Fire(name); });
}
}  // namespace

Session::Session(Driver& driver, Clock& clock, Tone& tone, bool simulated)
    : simulated_(simulated),
      main_(simulated),
      pane_(main_.findChild<QTextEdit*>(QStringLiteral("RichEdit1"))),
      console_(pane_),
      window_(&main_, nullptr),
      tool_(Seams{driver, clock, pump_, console_, window_, tone}) {
    BindTool(&main_, tool_);
    QObject::connect(&main_, &MainWindow::closing, &main_, [this] { Close(); });
}

Session::~Session() { Close(); }

void Session::Start() {
    InitialiseMainWindow(window_, console_);
    if (simulated_)
        window_.SetText("Form1", window_.Text("Form1") + std::string(kSimulationCaption));
    tool_.Start();
    apc_ = std::make_unique<ApcWindow>();
    window_.AttachApcWindow(apc_.get());
    BindTool(apc_.get(), tool_);
}

void Session::Close() {
    if (closed_) return;
    closed_ = true;
    tool_.FormClose();
}

}  // namespace ksm::ui
