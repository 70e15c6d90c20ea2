#pragma once
// Pictures of the desktop for a person to look at, taken from inside the
// bench's Wine desktop (which is gone once the programs have ended).

#include <filesystem>
#include <string>

namespace qpad::e2e {

// Writes the whole screen as <build tree>/e2e-shots/<name>.png and returns
// the path; empty when the capture failed.
std::filesystem::path SaveScreenshot(const std::string& name);

}  // namespace qpad::e2e
