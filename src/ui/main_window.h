#pragma once

#include <QWidget>

namespace ksm::ui {

// The main window (Form1) as designed: every control under its name, the timers stopped,
// the page "Pomiary - Diagnostyka" open. What its constructor does next at start-up is
// InitialiseMainWindow (app/window_model.h), run by the Session.
class MainWindow final : public QWidget {
    Q_OBJECT
  public:
    // `simulated`: the window says plainly that the world behind it is a simulation.
    explicit MainWindow(bool simulated, QWidget* parent = nullptr);

    void CentreOnScreen();

  signals:
    // The user closes the window (FormClose).
    void closing();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void AddSimulationBanner();
};

}  // namespace ksm::ui
