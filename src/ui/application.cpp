#include "ui/application.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <fstream>
#include <optional>

#include "app/tool.h"
#include "link/ftdi_driver.h"
#include "link/tracing_driver.h"
#include "sim/demo_world.h"
#include "ui/main_window.h"
#include "ui/qt_console.h"
#include "ui/qt_pump.h"
#include "ui/qt_window_seam.h"

namespace ksm::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        QMessageBox::critical(activeWindow(), QString(), QString::fromUtf8(error.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), QString(), QStringLiteral("Unknown error"));
    }
    return false;
}

bool ParseOptions(const QStringList& arguments, Options& options, std::string& error) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--simulate") {
            options.simulate = true;
        } else if (argument == "--trace" && i + 1 < arguments.size()) {
            options.trace_file = arguments[++i].toStdString();
        } else {
            error = "Unknown option: " + argument.toStdString() +
                    "\nUsage: ksm-tool [--simulate] [--trace FILE]";
            return false;
        }
    }
    return true;
}

namespace {
// Binds every control and timer that has a handler in the tool.
void BindEvents(QWidget* root, Tool& tool) {
    for (auto* button : root->findChildren<QAbstractButton*>()) {
        std::string name = button->objectName().toStdString();
        if (!tool.HasHandler(name)) continue;
        QObject::connect(button, &QAbstractButton::clicked, button, [&tool, name] { tool.Fire(name); });
    }
    for (auto* timer : root->findChildren<QTimer*>()) {
        std::string name = timer->objectName().toStdString();
        if (!tool.HasHandler(name)) continue;
        QObject::connect(timer, &QTimer::timeout, timer, [&tool, name] { tool.Fire(name); });
    }
}
}  // namespace

int Run(Application& app, const Options& options) {
    SteadyClock clock;
    std::optional<sim::DemoWorld> world;
    std::optional<FtdiDriver> ftdi;
    Driver* driver = nullptr;
    if (options.simulate) {
        driver = &world.emplace(clock).driver();
    } else {
        driver = &ftdi.emplace();
    }
    std::ofstream trace_stream;
    std::optional<TracingDriver> tracing;
    if (!options.trace_file.empty()) {
        trace_stream.open(options.trace_file);
        driver = &tracing.emplace(*driver, clock, trace_stream);
    }

    MainWindow main_window(options.simulate);
    auto* console_edit = main_window.findChild<QTextEdit*>("RichEdit1");
    QtTextPane pane(console_edit);
    Console console(pane);
    QtWindowSeam window(&main_window, nullptr);
    QtMessagePump pump;
    SilentTone tone;
    Tool tool(Seams{*driver, clock, pump, console, window, tone});
    BindEvents(&main_window, tool);

    console.ConsoleClear();
    tool.Start();
    main_window.show();
    int result = app.exec();
    tool.FormClose();
    return result;
}

}  // namespace ksm::ui
