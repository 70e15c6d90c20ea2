#pragma once
// A fresh folder for one test, holding the built programs and a data set,
// as a user's installation would: the programs find their data beside them.
// File names are given as UTF-8; file contents are bytes (Shift-JIS).

#include <filesystem>
#include <map>
#include <string>

namespace qpad::e2e {

// The data set shipped in dist, beside the programs.
inline constexpr char kShippedDataSet[] = "";

// Every file of a folder with its bytes, to show that nothing was written.
struct FolderSnapshot {
  std::map<std::string, std::string> files;  // UTF-8 name -> bytes
  friend bool operator==(const FolderSnapshot& a, const FolderSnapshot& b) { return a.files == b.files; }
  // The names of the files that differ between the two, for failure messages.
  std::string DifferencesTo(const FolderSnapshot& other) const;
};

class TestFolder {
 public:
  // Empties (or makes) the folder `name` below the bench's runs folder and
  // copies the programs and the data set `dataSet` (kShippedDataSet, or the
  // name of a fixture set under tests/e2e/data) into it.
  TestFolder(const std::string& name, const std::string& dataSet);

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path PathOf(const std::string& utf8Name) const;

  bool Exists(const std::string& utf8Name) const;
  std::string Read(const std::string& utf8Name) const;  // empty when missing
  void Write(const std::string& utf8Name, const std::string& bytes) const;
  void Remove(const std::string& utf8Name) const;

  // The data files only: the programs are left out.
  FolderSnapshot Snapshot() const;

 private:
  std::filesystem::path path_;
};

}  // namespace qpad::e2e
