#pragma once
// Reading and setting single values of an INI text, for tests that prepare a
// settings file or check what a program wrote. Independent of the programs'
// own reader: section and key names without regard to case, values trimmed.

#include <optional>
#include <string>

namespace qpad::e2e {

std::optional<std::string> IniValue(const std::string& text, const std::string& section,
                                    const std::string& key);

// Replaces the key's value in place, or adds the key at the end of its
// section (the section at the end of the text when it is missing). Lines end
// in CR LF.
std::string WithIniValue(const std::string& text, const std::string& section,
                         const std::string& key, const std::string& value);

}  // namespace qpad::e2e
