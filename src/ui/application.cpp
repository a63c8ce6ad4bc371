#include "ui/application.h"

#include <QTimer>
#include <fstream>
#include <memory>
#include <optional>

#include "link/alsa_tone.h"
#include "link/ftdi_driver.h"
#include "link/tracing_driver.h"
#include "sim/demo_world.h"
#include "ui/automation.h"
#include "ui/events.h"
#include "ui/pictures.h"
#include "ui/screenshots.h"
#include "ui/session.h"
#include "ui/sim_window.h"

namespace ksm::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowEscapedError(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowEscapedError(QStringLiteral("Unknown error"));
    }
    return false;
}

namespace {
constexpr const char* kUsage =
    "Usage: ksm-tool [--simulate | --serial] [--port PATH[=DESCRIPTION]]... [--trace FILE]";
}  // namespace

bool ParseOptions(const QStringList& arguments, Options& options, std::string& error) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--simulate") {
            options.simulate = true;
        } else if (argument == "--trace" && i + 1 < arguments.size()) {
            options.trace_file = arguments[++i].toStdString();
        } else if (argument == "--serial") {
            options.serial = true;
        } else if (argument == "--port" && i + 1 < arguments.size()) {
            std::string port = arguments[++i].toStdString();
            if (!ParsePortArgument(port, options.ports.emplace_back())) {
                error = "No path in --port " + port + "\n" + kUsage;
                return false;
            }
            options.serial = true;
        } else if (argument == "--screenshot" && i + 1 < arguments.size()) {
            options.screenshot_folder = arguments[++i].toStdString();
        } else if (argument == "--click" && i + 1 < arguments.size()) {
            options.clicks.push_back(arguments[++i].toStdString());
        } else if (argument == "--dump") {
            options.dump = true;
        } else {
            error = "Unknown option: " + argument.toStdString() + "\n" + kUsage;
            return false;
        }
    }
    if (options.simulate && options.serial) {
        error = std::string("--simulate excludes --serial and --port\n") + kUsage;
        return false;
    }
    return true;
}

int Run(Application& app, const Options& options) {
    SteadyClock clock;
    std::optional<sim::DemoWorld> world;
    std::optional<FtdiDriver> ftdi;
    std::optional<SerialDriver> serial;
    Driver* driver = nullptr;
    if (options.simulate) {
        driver = &world.emplace(clock).driver();
    } else if (options.serial) {
        driver = &serial.emplace(options.ports);
    } else {
        driver = &ftdi.emplace();
    }
    std::ofstream trace_stream;
    std::optional<TracingDriver> tracing;
    if (!options.trace_file.empty()) {
        trace_stream.open(options.trace_file);
        driver = &tracing.emplace(*driver, clock, trace_stream);
    }
    AlsaTone tone(clock);
    app.setWindowIcon(ToolIcon());
    // The tool ends with its main window, whatever other windows are open.
    app.setQuitOnLastWindowClosed(false);

    Session session(*driver, clock, tone, options.simulate);
    QObject::connect(&session.main_window(), &MainWindow::closing, &app, &QCoreApplication::quit);
    session.Start();
    session.main_window().CentreOnScreen();
    session.main_window().show();
    std::unique_ptr<SimWindow> sim_window;
    if (world) {
        sim_window = std::make_unique<SimWindow>(*world);
        sim_window->PlaceBeside(session.main_window());
        sim_window->show();
    }
    if (!options.screenshot_folder.empty()) {
        QTimer::singleShot(300, &app, [&] {
            bool saved = SaveScreenshots(session, sim_window.get(),
                                         QString::fromStdString(options.screenshot_folder));
            session.main_window().close();
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    if (!options.clicks.empty() || options.dump) {
        QTimer::singleShot(0, &app, [&] {
            bool clicked = ClickControls(session, options.clicks);
            if (!options.dump) return;
            DumpWindow(session, stdout);
            session.main_window().close();
            QCoreApplication::exit(clicked ? 0 : 1);
        });
    }
    int result = app.exec();
    session.Close();
    return result;
}

}  // namespace ksm::ui
