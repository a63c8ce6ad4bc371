#include "app/tool.h"

#include "link/control_sets.h"

namespace ksm {

Tool::Tool(const Seams& seams)
    : seams_(seams), link_(seams.driver, seams.clock, seams.pump, seams.console, seams.window) {
    constexpr bool kUsesLink = true, kNoLink = false;
    Bind("Button3", kUsesLink, [this] { link_.Button3Click(); });
    Bind("ButtonA", kUsesLink, [this] { link_.ButtonAClick(); });
    Bind("Button5", kUsesLink, [this] { link_.Button5Click(); });
    Bind("btn3", kUsesLink, [this] { measurements_.btn3Click(); });
    Bind("btn7", kUsesLink, [this] { measurements_.btn3Click(); });
    Bind("Button8", kUsesLink, [this] { measurements_.Button8Click(); });
    Bind("BitBtn3", kUsesLink, [this] { measurements_.BitBtn3Click(); });
    Bind("BitBtn1", kUsesLink, [this] { measurements_.BitBtn1Click(); });
    Bind("BitBtn2", kUsesLink, [this] { measurements_.BitBtn2Click(); });
    Bind("btn2", kNoLink, [this] { measurements_.btn2Click(); });
    Bind("btn8", kNoLink, [this] { measurements_.btn8Click(); });
    Bind("Button21", kNoLink, [this] { measurements_.Button21Click(); });
    Bind("btn9", kUsesLink, [this] { measurements_.btn9Click(); });
    Bind("Button12", kNoLink, [this] { measurements_.Button12Click(); });
    for (const ConfigHandler& handler : ConfigHandlers())
        Bind(handler.control, kUsesLink, [this, run = handler.run] { (config_.*run)(); });
    // A tick never nests in another operation: while the link is held it is skipped.
    Bind("Timer1", kUsesLink, [this] { cyclic_.Timer1Timer(); });
    Bind("btn5", kNoLink, [this] { cyclic_.btn5Click(); });
    Bind("btn6", kNoLink, [this] { cyclic_.btn6Click(); });
    Bind("btn4", kNoLink, [this] { cyclic_.btn4Click(); });
    Bind("Button6", kNoLink, [this] { cyclic_.Button6Click(); });
}

void Tool::Bind(std::string_view name, bool uses_link, std::function<void()> run) {
    handlers_.push_back({name, uses_link, std::move(run)});
}

const Tool::Handler* Tool::Find(std::string_view name) const {
    for (const Handler& handler : handlers_) {
        if (handler.name == name) return &handler;
    }
    return nullptr;
}

bool Tool::HasHandler(std::string_view name) const { return Find(name) != nullptr; }

bool Tool::Fire(std::string_view name) {
    const Handler* handler = Find(name);
    if (!handler) return false;
    if (!handler->uses_link) {
        handler->run();
        return true;
    }
    LinkLease lease = link_.TryAcquire();
    if (!lease) return false;
    handler->run();
    return true;
}

void Tool::Start() {
    // The designed state at start; applied again so that the start does not depend on the
    // window having been built exactly so.
    StartControls(seams_.window);
    if (LinkLease lease = link_.TryAcquire()) link_.DtrReset();
    link_.CheckTerminalSerial(false);
}

void Tool::FormClose() { link_.CloseInterface(); }

}  // namespace ksm
