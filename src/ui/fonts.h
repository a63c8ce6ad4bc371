#pragma once

namespace ksm::ui {

// The windows ask for the fonts of their design (MS Sans Serif, Courier New). Where those are
// not installed, the metric-compatible Liberation fonts stand in, so that captions keep the
// widths the layout was made for. Safe to call more than once.
void InstallFontSubstitutes();

}  // namespace ksm::ui
