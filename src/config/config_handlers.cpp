// The controls of the configuration operations, for the tool's table of handlers.
#include "config/config_operations.h"

namespace ksm {

std::span<const ConfigHandler> ConfigHandlers() {
    static constexpr ConfigHandler kHandlers[] = {
        {"Button38", &ConfigOperations::Button38Click},
        {"Button39", &ConfigOperations::Button39Click},
        {"btn15", &ConfigOperations::btn15Click},
        {"btn12", &ConfigOperations::btn12Click},
        {"btn11", &ConfigOperations::btn11Click},
        {"Button41", &ConfigOperations::Button41Click},
        {"Button13", &ConfigOperations::Button13Click},
        {"Button17", &ConfigOperations::Button17Click},
        {"Button0", &ConfigOperations::Button0Click},
        {"btn10", &ConfigOperations::btn10Click},
        {"Button7", &ConfigOperations::Button7Click},
        {"Button14", &ConfigOperations::Button14Click},
        {"btn14", &ConfigOperations::btn14Click},
        {"Button4", &ConfigOperations::Button4Click},
        {"Button9", &ConfigOperations::Button9Click},
    };
    return kHandlers;
}

}  // namespace ksm
