#pragma once
// For tests: a fresh folder under the system's temporary folder, removed with
// everything in it when the object goes. Names inside are plain ASCII.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

class TTestFolder {
 public:
  TTestFolder() {
    std::random_device random;
    Folder = std::filesystem::temp_directory_path() /
             ("kirimo-test-" + std::to_string(random()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(Folder);
  }
  ~TTestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Folder, ignored);
  }
  TTestFolder(const TTestFolder&) = delete;
  TTestFolder& operator=(const TTestFolder&) = delete;

  // The folder with its trailing separator, as the programs hold folders.
  std::string Path() const { return (Folder / "").string(); }
  std::string PathOf(const std::string& name) const { return (Folder / name).string(); }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Folder / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream file(Folder / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Folder / name); }
  // Number of entries in the folder (to see that no temporary file is left).
  int EntryCount() const {
    int count = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(Folder)) ++count;
    return count;
  }

 private:
  std::filesystem::path Folder;
};
