#include "tests/e2e/support/test_folder.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "platform/text_codec.h"
#include "tests/e2e/support/bench_paths.h"

namespace qpad::e2e {
namespace {

namespace fs = std::filesystem;

// The programs and what ships with them (the settings editor's pictures);
// the data files come from the data set.
bool IsProgram(const fs::path& file) {
  std::wstring extension = file.extension().wstring();
  for (wchar_t& c : extension) c = static_cast<wchar_t>(towlower(c));
  return extension == L".exe" || extension == L".dll" || extension == L".bmp";
}

void CopyFiles(const fs::path& from, const fs::path& to, bool programs) {
  if (!fs::is_directory(from)) throw std::runtime_error("no folder " + from.u8string());
  for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
    if (!entry.is_regular_file() || IsProgram(entry.path()) != programs) continue;
    fs::copy_file(entry.path(), to / entry.path().filename(), fs::copy_options::overwrite_existing);
  }
}

}  // namespace

std::string FolderSnapshot::DifferencesTo(const FolderSnapshot& other) const {
  std::ostringstream out;
  for (const auto& [name, bytes] : files) {
    auto found = other.files.find(name);
    if (found == other.files.end()) out << name << " (gone) ";
    else if (found->second != bytes) out << name << " (changed) ";
  }
  for (const auto& [name, bytes] : other.files)
    if (!files.count(name)) out << name << " (new) ";
  return out.str();
}

TestFolder::TestFolder(const std::string& name, const std::string& dataSet)
    : path_(RunsFolder() / platform::Utf8ToWide(name)) {
  fs::remove_all(path_);
  fs::create_directories(path_);
  CopyFiles(DistFolder(), path_, /*programs=*/true);
  if (dataSet == kShippedDataSet) CopyFiles(DistFolder(), path_, /*programs=*/false);
  else CopyFiles(FixtureDataFolder(dataSet), path_, /*programs=*/false);
}

fs::path TestFolder::PathOf(const std::string& utf8Name) const {
  return path_ / platform::Utf8ToWide(utf8Name);
}

bool TestFolder::Exists(const std::string& utf8Name) const { return fs::exists(PathOf(utf8Name)); }

std::string TestFolder::Read(const std::string& utf8Name) const {
  std::ifstream in(PathOf(utf8Name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TestFolder::Write(const std::string& utf8Name, const std::string& bytes) const {
  std::ofstream out(PathOf(utf8Name), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + utf8Name);
}

void TestFolder::Remove(const std::string& utf8Name) const { fs::remove(PathOf(utf8Name)); }

FolderSnapshot TestFolder::Snapshot() const {
  FolderSnapshot snapshot;
  for (const fs::directory_entry& entry : fs::directory_iterator(path_)) {
    if (!entry.is_regular_file() || IsProgram(entry.path())) continue;
    std::string name = platform::WideToUtf8(entry.path().filename().wstring());
    snapshot.files[name] = Read(name);
  }
  return snapshot;
}

}  // namespace qpad::e2e
