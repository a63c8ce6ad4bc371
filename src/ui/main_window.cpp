#include "ui/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "app/window_design.h"
#include "app/window_model.h"
#include "ui/fonts.h"
#include "ui/pictures.h"
#include "ui/qt_window_seam.h"
#include "ui/widget_factory.h"

namespace ksm::ui {
namespace {
// A fixed-size window with system menu, minimise and close buttons, no maximise button.
constexpr Qt::WindowFlags kFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                                   Qt::MSWindowsFixedSizeDialogHint;
}  // namespace

MainWindow::MainWindow(bool simulated, QWidget* parent) : QWidget(parent, kFlags) {
    InstallFontSubstitutes();
    setObjectName(QStringLiteral("Form1"));
    setAccessibleDescription(objectName());
    setWindowIcon(ToolIcon());
    BuildControls(this, MainWindowDesign(), MainWindowGrids());
    for (const TimerDesign& design : MainWindowTimers()) {
        auto* timer = new QTimer(this);
        timer->setObjectName(
            QString::fromUtf8(design.name.data(), static_cast<qsizetype>(design.name.size())));
    }
    QtWindowSeam seam(this, nullptr);
    ApplyMainWindowDesign(seam);

    auto* picture = findChild<QLabel*>(QStringLiteral("Image1"));
    picture->setPixmap(SiloPicture(picture->size()));
    auto* update = findChild<QPushButton*>(QStringLiteral("btn1"));
    update->setIcon(FirmwareGlyph());
    update->setIconSize(QSize(28, 28));
    auto* tabs = findChild<QTabWidget*>(QStringLiteral("pgcTabSheet"));
    tabs->setCurrentWidget(findChild<QWidget*>(QStringLiteral("TabSheet1")));
    if (simulated) AddSimulationBanner();
}

void MainWindow::AddSimulationBanner() {
    // In the free part of the row of tabs, between the last tab and the pass-through switch.
    auto* tabs = findChild<QTabWidget*>(QStringLiteral("pgcTabSheet"));
    auto* switch_on = findChild<QWidget*>(QStringLiteral("ButtonA"));
    int left = tabs->x() + tabs->tabBar()->sizeHint().width() + 5;
    int right = switch_on->x() - 5;
    auto* banner = new QLabel(tr("SYMULACJA"), this);
    banner->setObjectName(QStringLiteral("SimulationBanner"));
    banner->setAccessibleDescription(banner->objectName());
    banner->setAlignment(Qt::AlignCenter);
    banner->setToolTip(
        tr("Narzędzie pracuje na symulowanym interfejsie i module, nie na sprzęcie."));
    banner->setStyleSheet(QStringLiteral(
        "QLabel { background: #ffd400; color: #202020; font-weight: bold; font-size: 10px;"
        " border: 1px solid #806a00; border-radius: 2px; }"));
    banner->setGeometry(left, 198, right - left, 15);
}

void MainWindow::CentreOnScreen() {
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    event->accept();
}

}  // namespace ksm::ui
