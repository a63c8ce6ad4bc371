#pragma once

namespace ksm::sim {
class DemoWorld;
}

namespace ksm::ui {

class SimWindow;

// The simulation window's group for the probe and the SHTxx sensor of the virtual module:
// a level can report a missing sensor or a 1-Wire CRC error, the SHTxx one of its four
// error words, as a failing probe does.
void AddSensorGroup(SimWindow& window, sim::DemoWorld& world);

}  // namespace ksm::ui
