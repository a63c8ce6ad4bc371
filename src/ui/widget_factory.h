#pragma once

#include <QWidget>
#include <span>

#include "app/window_design.h"

namespace ksm::ui {

// Builds a window's controls from its design under `root`, the window itself: each control
// gets its object name (and the same name as its accessible description), place, font,
// colours and keyboard reach; grids get their rows, columns and fixed cells. Captions and
// states are the seam's business (ApplyMainWindowDesign, ApplyApcWindowDesign).
void BuildControls(QWidget* root, std::span<const ControlDesign> controls,
                   std::span<const GridDesign> grids);

}  // namespace ksm::ui
