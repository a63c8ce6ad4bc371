#include "ui/sim_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "sim/demo_world.h"
#include "ui/pictures.h"

namespace ksm::ui {

SimWindow::SimWindow(sim::DemoWorld& world, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinimizeButtonHint),
      world_(world) {
    setObjectName(QStringLiteral("SimulationWindow"));
    setWindowTitle(tr("Symulacja - otoczenie narzędzia"));
    setWindowIcon(ToolIcon());
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Tu grasz świat wokół narzędzia: kabel USB, sterownik i moduł. "
                                "Narzędzie nie wie, że to symulacja."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    groups_ = new QVBoxLayout;
    layout->addLayout(groups_);
    layout->addStretch();
    AddInterfaceGroup();
    AddDriverFaultGroup();
    setFixedWidth(320);
}

QGroupBox* SimWindow::AddGroup(const QString& title) {
    auto* group = new QGroupBox(title, this);
    groups_->addWidget(group);
    return group;
}

void SimWindow::AddInterfaceGroup() {
    QGroupBox* group = AddGroup(tr("Interfejs USB (TORVIK ZRD, ZRD13A01)"));
    group->setObjectName(QStringLiteral("SimInterface"));
    auto* layout = new QVBoxLayout(group);
    interface_state_ = new QLabel(group);
    interface_state_->setObjectName(QStringLiteral("SimInterfaceState"));
    layout->addWidget(interface_state_);
    auto* plug = new QPushButton(group);
    plug->setObjectName(QStringLiteral("SimPlug"));
    plug_button_ = plug;
    layout->addWidget(plug);
    connect(plug, &QPushButton::clicked, this, [this] {
        if (world_.IsInterfacePlugged()) {
            world_.UnplugInterface();
        } else {
            world_.PlugInterface();
        }
        RefreshInterface();
    });
    auto* busy = new QCheckBox(tr("Otwarty przez inny program"), group);
    busy->setObjectName(QStringLiteral("SimBusy"));
    busy_box_ = busy;
    layout->addWidget(busy);
    connect(busy, &QCheckBox::toggled, this, [this](bool on) {
        if (sim::SimDevice* device = world_.interface_device()) device->busy = on;
    });
    RefreshInterface();
}

void SimWindow::RefreshInterface() {
    bool plugged = world_.IsInterfacePlugged();
    interface_state_->setText(plugged ? tr("Stan: podłączony") : tr("Stan: odłączony"));
    plug_button_->setText(plugged ? tr("Odłącz kabel USB") : tr("Podłącz kabel USB"));
    busy_box_->setEnabled(plugged);
    // A device plugged in again is free.
    if (!plugged) busy_box_->setChecked(false);
}

void SimWindow::AddDriverFaultGroup() {
    QGroupBox* group = AddGroup(tr("Błędy sterownika USB"));
    group->setObjectName(QStringLiteral("SimDriverFaults"));
    auto* layout = new QGridLayout(group);
    auto* call = new QComboBox(group);
    call->setObjectName(QStringLiteral("SimDriverCall"));
    for (int i = 0; i < kDriverCallCount; ++i) {
        std::string_view name = DriverCallName(static_cast<DriverCall>(i));
        call->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), i);
    }
    layout->addWidget(new QLabel(tr("Wywołanie:"), group), 0, 0);
    layout->addWidget(call, 0, 1);
    auto selected = [call] { return static_cast<DriverCall>(call->currentData().toInt()); };

    auto* once = new QPushButton(tr("Następne zawiedzie"), group);
    once->setObjectName(QStringLiteral("SimFailOnce"));
    connect(once, &QPushButton::clicked, this,
            [this, selected] { world_.bus().faults().FailCall(selected()); });
    auto* always = new QPushButton(tr("Zawodzi zawsze"), group);
    always->setObjectName(QStringLiteral("SimFailAlways"));
    connect(always, &QPushButton::clicked, this,
            [this, selected] { world_.bus().faults().FailFromNow(selected()); });
    auto* clear = new QPushButton(tr("Usuń wszystkie błędy"), group);
    clear->setObjectName(QStringLiteral("SimClearFaults"));
    connect(clear, &QPushButton::clicked, this, [this] { world_.bus().faults().ClearAll(); });
    layout->addWidget(once, 1, 0);
    layout->addWidget(always, 1, 1);
    layout->addWidget(clear, 2, 0, 1, 2);
}

void SimWindow::PlaceBeside(QWidget& main) {
    adjustSize();
    QRect screen = main.screen()->availableGeometry();
    QRect frame = main.frameGeometry();
    int x = frame.right() + 12;
    if (x + width() > screen.right()) x = std::max(screen.left(), frame.left() - width() - 12);
    move(x, frame.top());
}

}  // namespace ksm::ui
