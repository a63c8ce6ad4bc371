#include "ui/apc_window.h"

#include <QCloseEvent>

#include "app/window_design.h"
#include "app/window_model.h"
#include "ui/fonts.h"
#include "ui/pictures.h"
#include "ui/qt_window_seam.h"
#include "ui/widget_factory.h"

namespace ksm::ui {
namespace {
constexpr Qt::WindowFlags kFlags = Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                   Qt::MSWindowsFixedSizeDialogHint;
}  // namespace

ApcWindow::ApcWindow(QWidget* parent) : QWidget(parent, kFlags) {
    InstallFontSubstitutes();
    setObjectName(
        QString::fromUtf8(ApcWindowName.data(), static_cast<qsizetype>(ApcWindowName.size())));
    setAccessibleDescription(objectName());
    setWindowIcon(ToolIcon());
    BuildControls(this, ApcWindowDesign(), ApcWindowGrids());
    QtWindowSeam seam(nullptr, this);
    ApplyApcWindowDesign(seam);
    InitialiseApcWindow(seam);
}

void ApcWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    event->accept();
}

}  // namespace ksm::ui
