#include "ui/sim_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "sim/demo_world.h"
#include "ui/pictures.h"
#include "ui/sim_sensor_group.h"

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
    AddModuleGroup();
    AddSensorGroup(*this, world_);
    setFixedWidth(340);
    // The module changes by itself (the tool switches its mode, resets it): keep its line true.
    auto* refresh = new QTimer(this);
    connect(refresh, &QTimer::timeout, this, &SimWindow::RefreshModule);
    refresh->start(250);
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

namespace {
struct NamedFault {
    const char* name;
    const char* text;
    const char* hint;
    sim::ReplyFault (*make)();
};
// clang-format off
const NamedFault kReplyFaults[] = {
    {"NoReply", QT_TRANSLATE_NOOP("SimWindow", "brak odpowiedzi"), "",
     [] { return sim::ReplyFault::NoReply(); }},
    {"Corrupt", QT_TRANSLATE_NOOP("SimWindow", "uszkodzony bajt"), "",
     [] { return sim::ReplyFault::CorruptByte(3, 0x40); }},
    {"Refuse", QT_TRANSLATE_NOOP("SimWindow", "odrzucona ramka (status 15h)"),
     QT_TRANSLATE_NOOP("SimWindow", "Tylko odpowiedzi na ramki serwisowe (tryb programowania)."),
     [] { return sim::ReplyFault::Refuse(); }},
    {"CutShort", QT_TRANSLATE_NOOP("SimWindow", "ucięta po 5 bajtach"), "",
     [] { return sim::ReplyFault::CutShort(5); }},
    {"Late", QT_TRANSLATE_NOOP("SimWindow", "spóźniona o 1,5 s"), "",
     [] { return sim::ReplyFault::Late(1500); }},
};
// clang-format on
}  // namespace

void SimWindow::AddModuleGroup() {
    QGroupBox* group = AddGroup(tr("Moduł KSM za interfejsem"));
    group->setObjectName(QStringLiteral("SimModule"));
    auto* layout = new QGridLayout(group);
    module_state_ = new QLabel(group);
    module_state_->setObjectName(QStringLiteral("SimModuleState"));
    layout->addWidget(module_state_, 0, 0, 1, 2);
    auto* reset = new QPushButton(tr("Wyłącz i włącz zasilanie"), group);
    reset->setObjectName(QStringLiteral("SimModuleReset"));
    connect(reset, &QPushButton::clicked, this, [this] {
        world_.module().Reset(sim::VirtualModule::ResetCause::kPowerOn);
        RefreshModule();
    });
    layout->addWidget(reset, 1, 0, 1, 2);

    auto* fault = new QComboBox(group);
    fault->setObjectName(QStringLiteral("SimReplyFault"));
    for (int i = 0; i < static_cast<int>(std::size(kReplyFaults)); ++i) {
        fault->addItem(tr(kReplyFaults[i].text), i);
        fault->setItemData(i, tr(kReplyFaults[i].hint), Qt::ToolTipRole);
    }
    layout->addWidget(new QLabel(tr("Błąd odpowiedzi:"), group), 2, 0);
    layout->addWidget(fault, 2, 1);
    auto chosen = [fault] { return kReplyFaults[fault->currentData().toInt()].make(); };
    auto* next = new QPushButton(tr("Następna odpowiedź"), group);
    next->setObjectName(QStringLiteral("SimReplyFaultNext"));
    connect(next, &QPushButton::clicked, this,
            [this, chosen] { world_.module().faults().Next(chosen()); });
    auto* always = new QPushButton(tr("Każda odpowiedź"), group);
    always->setObjectName(QStringLiteral("SimReplyFaultAlways"));
    connect(always, &QPushButton::clicked, this,
            [this, chosen] { world_.module().faults().Always(chosen()); });
    auto* clear = new QPushButton(tr("Odpowiedzi bez błędów"), group);
    clear->setObjectName(QStringLiteral("SimReplyFaultClear"));
    connect(clear, &QPushButton::clicked, this, [this] { world_.module().faults().Clear(); });
    layout->addWidget(next, 3, 0);
    layout->addWidget(always, 3, 1);
    layout->addWidget(clear, 4, 0, 1, 2);
    RefreshModule();
}

void SimWindow::RefreshModule() {
    const sim::VirtualModule& module = world_.module();
    QString mode =
        module.mode() == sim::VirtualModule::Mode::kProgram ? tr("programowania") : tr("normalny");
    module_state_->setText(tr("Adres %1, tryb %2, resetów: %3")
                               .arg(module.state().address)
                               .arg(mode)
                               .arg(module.state().counters.total));
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
