#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace ksm::ui {

class Session;

// For scripts and the tests that drive the whole program (hidden options --click, --dump):
// clicks the named buttons one after the other, as a user would (a disabled one does
// nothing), each operation running to its end. Returns false, naming it on stderr, when a
// control does not exist.
bool ClickControls(Session& session, const std::vector<std::string>& names);

// Writes what the main window shows to `out`: each console line as "console: <line>", then
// each non-empty cell of each grid as "<grid> <column> <row>: <text>".
void DumpWindow(Session& session, std::FILE* out);

}  // namespace ksm::ui
