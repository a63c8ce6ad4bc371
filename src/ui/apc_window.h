#pragma once

#include <QWidget>

namespace ksm::ui {

// The APC window (Form2): always on top, fixed size, with only the close button; built from
// its design and constructed (message field emptied, grid headers and levels). It is created
// hidden; the APC procedure shows it.
class ApcWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit ApcWindow(QWidget* parent = nullptr);

  signals:
    // The user closes the window.
    void closing();

  protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace ksm::ui
