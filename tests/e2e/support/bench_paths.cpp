#include "tests/e2e/support/bench_paths.h"

#include <windows.h>

namespace qpad::e2e {
namespace {

std::filesystem::path OwnFolder() {
  wchar_t path[MAX_PATH * 4] = {};
  DWORD n = ::GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  return std::filesystem::path(std::wstring(path, n)).parent_path();
}

}  // namespace

std::filesystem::path BuildTree() { return OwnFolder().parent_path(); }
std::filesystem::path DistFolder() { return BuildTree() / "dist"; }
std::filesystem::path FixtureDataFolder(const std::string& set) {
  return OwnFolder() / "e2e-data" / set;
}
std::filesystem::path RunsFolder() { return BuildTree() / "e2e-runs"; }
std::filesystem::path ShotsFolder() { return BuildTree() / "e2e-shots"; }
std::filesystem::path MessageSpyLibrary() { return OwnFolder() / "qpad_e2e_spy.dll"; }

}  // namespace qpad::e2e
