#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace ksm::ui {

// Pictures the windows draw themselves.

// A storage silo with temperature probes hanging inside, cut open at the front (Image1).
QPixmap SiloPicture(QSize size);
// The tool's window icon: a silo with a probe, on the tool's blue.
QIcon ToolIcon();
// The glyph of the firmware button: a chip receiving new contents.
QIcon FirmwareGlyph();

}  // namespace ksm::ui
