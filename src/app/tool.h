#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "config/config_operations.h"
#include "link/link.h"
#include "link/tone.h"
#include "measure/cyclic.h"
#include "measure/measurements.h"

namespace ksm {

// The seams the tool works through; the Qt application and the tests each supply a set.
struct Seams {
    Driver& driver;
    Clock& clock;
    MessagePump& pump;
    Console& console;
    Window& window;
    Tone& tone;
};

// The tool behind the windows: the link, the operations of every subsystem, and the one
// table that binds control events and timer ticks to their handlers.
class Tool {
public:
    explicit Tool(const Seams& seams);
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;

    // Start-up after the windows are built: the control states of the start, the module
    // reset over DTR (its result is not shown beyond what the connection reports) and the
    // pass-through buttons.
    void Start();
    // The main window is closing.
    void FormClose();

    // Runs the handler bound to a control (a click) or a timer (a tick). A handler that
    // uses the link does not start while another operation holds it: the click is ignored,
    // the tick skipped. Returns whether the handler ran.
    bool Fire(std::string_view name);
    bool HasHandler(std::string_view name) const;

    Link& link() { return link_; }
    Measurements& measurements() { return measurements_; }
    CyclicMeasurement& cyclic() { return cyclic_; }
    const Seams& seams() const { return seams_; }

private:
    struct Handler {
        std::string_view name;
        bool uses_link;
        std::function<void()> run;
    };
    void Bind(std::string_view name, bool uses_link, std::function<void()> run);
    const Handler* Find(std::string_view name) const;

    Seams seams_;
    Link link_;
    Measurements measurements_{link_};
    ConfigOperations config_{link_, seams_.tone};
    CyclicMeasurement cyclic_{link_, measurements_};
    std::vector<Handler> handlers_;
};

}  // namespace ksm
