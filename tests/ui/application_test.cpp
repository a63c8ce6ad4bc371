#include "ui/application.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <stdexcept>

#include "ui/events.h"

namespace ksm::ui {
namespace {

TEST(Options, CommandLine) {
    Options options;
    std::string error;
    EXPECT_TRUE(ParseOptions({"ksm-tool", "--simulate", "--trace", "/tmp/t.log"}, options, error));
    EXPECT_TRUE(options.simulate);
    EXPECT_EQ(options.trace_file, "/tmp/t.log");

    Options plain;
    EXPECT_TRUE(ParseOptions({"ksm-tool"}, plain, error));
    EXPECT_FALSE(plain.simulate);

    for (QStringList bad :
         {QStringList{"ksm-tool", "--bogus"}, QStringList{"ksm-tool", "--trace"},
          QStringList{"ksm-tool", "--port"}, QStringList{"ksm-tool", "--port", "=TORVIK ZRD"},
          QStringList{"ksm-tool", "--simulate", "--serial"},
          QStringList{"ksm-tool", "--port", "/dev/pts/3", "--simulate"}}) {
        Options rejected;
        error.clear();
        EXPECT_FALSE(ParseOptions(bad, rejected, error));
        EXPECT_NE(error.find("Usage: ksm-tool"), std::string::npos);
    }
}

TEST(Options, SerialPortBackend) {
    std::string error;
    Options serial;
    EXPECT_TRUE(ParseOptions({"ksm-tool", "--serial"}, serial, error));
    EXPECT_TRUE(serial.serial);
    EXPECT_TRUE(serial.ports.empty());

    // A named port alone chooses the serial-port backend.
    Options ports;
    EXPECT_TRUE(ParseOptions(
        {"ksm-tool", "--port", "/dev/pts/3", "--port", "/dev/ttyS1=TORVIK Terminal"}, ports, error));
    EXPECT_TRUE(ports.serial);
    EXPECT_FALSE(ports.simulate);
    ASSERT_EQ(ports.ports.size(), 2u);
    EXPECT_EQ(ports.ports[0].path, "/dev/pts/3");
    EXPECT_EQ(ports.ports[0].description, "TORVIK ZRD");
    EXPECT_EQ(ports.ports[1].path, "/dev/ttyS1");
    EXPECT_EQ(ports.ports[1].description, "TORVIK Terminal");

    Options scripted;
    EXPECT_TRUE(ParseOptions({"ksm-tool", "--click", "Button3", "--click", "btn7", "--dump"},
                             scripted, error));
    EXPECT_EQ(scripted.clicks, (std::vector<std::string>{"Button3", "btn7"}));
    EXPECT_TRUE(scripted.dump);
    EXPECT_FALSE(scripted.serial);
}

}  // namespace
}  // namespace ksm::ui

namespace ksm::ui {
namespace {

// Closes each standard message box as soon as it is shown, noting its text.
struct MessageBoxCloser {
    QStringList shown;
    QTimer timer;
    MessageBoxCloser() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown << box->text();
                box->done(0);
            }
        });
        timer.start(5);
    }
};

// An object whose event handler fails.
class Thrower final : public QObject {
  public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw std::runtime_error("Access violation at address 00000000");
        return QObject::event(e);
    }
};

TEST(Application, AnErrorEscapingAnEventHandlerIsShownAndTheLoopGoesOn) {
    ASSERT_NE(dynamic_cast<Application*>(QCoreApplication::instance()), nullptr);
    MessageBoxCloser closer;
    Thrower thrower;
    QEventLoop loop;
    bool later_event_ran = false;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QTimer::singleShot(100, &loop, [&] {
        later_event_ran = true;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(closer.shown, QStringList{"Access violation at address 00000000"});
    EXPECT_TRUE(later_event_ran);
}

TEST(Application, BoundHandlersRunAndTheirErrorsAreShown) {
    QWidget root;
    auto* failing = new QPushButton(&root);
    failing->setObjectName("Button38");
    auto* working = new QPushButton(&root);
    working->setObjectName("Button3");
    auto* unbound = new QPushButton(&root);
    unbound->setObjectName("Button6");
    auto* timer = new QTimer(&root);
    timer->setObjectName("Timer1");
    std::vector<std::string> fired;
    BindEvents(
        &root, [](const std::string& name) { return name != "Button6"; },
        [&](const std::string& name) {
            fired.push_back(name);
            if (name == "Button38") throw std::runtime_error("Range check error");
        });
    MessageBoxCloser closer;
    failing->click();
    working->click();
    unbound->click();
    timer->setSingleShot(true);
    timer->start(0);
    QEventLoop loop;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(fired, (std::vector<std::string>{"Button38", "Button3", "Timer1"}));
    EXPECT_EQ(closer.shown, QStringList{"Range check error"});
}

}  // namespace
}  // namespace ksm::ui
