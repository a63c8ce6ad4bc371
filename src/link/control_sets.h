#pragma once

#include "link/window.h"

namespace ksm {

// The named sets of enabled module controls. A set touches only the controls it lists;
// the window keeps no mode flag besides the set last applied.
void ProgramModeControls(Window& window);
void NormalModeControls(Window& window);
void BusyControls(Window& window);
// BusyControls, then Stop enabled.
void CyclicRunningControls(Window& window);
// NormalModeControls, then Stop disabled.
void CyclicStoppedControls(Window& window);
// The state at start: NormalModeControls with Button37 off.
void StartControls(Window& window);

}  // namespace ksm
