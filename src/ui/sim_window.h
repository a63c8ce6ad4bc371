#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

class QCheckBox;
class QPushButton;

namespace ksm::sim {
class DemoWorld;
}

namespace ksm::ui {

// The simulation's own window, shown only with --simulate, beside the main window: the user
// plays the world around the tool (the cable, the driver, the module) through the same public
// controls of the simulation that the tests use. One group per concern; later parts of the
// simulation add their own groups with AddGroup.
class SimWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit SimWindow(sim::DemoWorld& world, QWidget* parent = nullptr);

    QGroupBox* AddGroup(const QString& title);
    // Places the window to the right of `main`, or to its left where the screen ends.
    void PlaceBeside(QWidget& main);

  private:
    void AddInterfaceGroup();
    void AddDriverFaultGroup();
    void AddModuleGroup();
    void RefreshInterface();
    void RefreshModule();

    sim::DemoWorld& world_;
    QVBoxLayout* groups_;
    QLabel* interface_state_ = nullptr;
    QPushButton* plug_button_ = nullptr;
    QCheckBox* busy_box_ = nullptr;
    QLabel* module_state_ = nullptr;
};

}  // namespace ksm::ui
