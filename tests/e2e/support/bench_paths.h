#pragma once
// Where the bench finds the built programs and keeps its work, all inside the
// Windows build tree: the bench's programs lie in <tree>/tests-bin.

#include <filesystem>
#include <string>

namespace qpad::e2e {

std::filesystem::path BuildTree();                       // build/win
std::filesystem::path DistFolder();                      // the shipped programs and data
std::filesystem::path FixtureDataFolder(const std::string& set);  // tests/e2e/data/<set>, copied
std::filesystem::path RunsFolder();                      // one fresh folder per test below it
std::filesystem::path ShotsFolder();                     // screenshots
std::filesystem::path MessageSpyLibrary();

}  // namespace qpad::e2e
