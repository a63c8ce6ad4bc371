#pragma once

#include <QWidget>

namespace ksm::ui {

// The main window (Form1) with its controls, named as the operations address them.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(bool simulated, QWidget* parent = nullptr);
};

}  // namespace ksm::ui
