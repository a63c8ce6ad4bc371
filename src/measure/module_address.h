#pragma once

#include <cstdint>

#include "link/window.h"

namespace ksm {

// The module the measurements talk to: the item index of ComboBox2 as a byte (the item text
// is never parsed), so no selection gives 255.
inline std::uint8_t SelectedModuleAddress(const Window& window) {
    return static_cast<std::uint8_t>(window.ItemIndex("ComboBox2"));
}

}  // namespace ksm
