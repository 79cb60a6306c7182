#pragma once
// A fresh folder per test for dictionary files, removed afterwards.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

class TTestFolder {
 public:
  TTestFolder() {
    std::random_device random;
    Root = std::filesystem::temp_directory_path() /
           ("kirimo_dic_" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(Root);
  }
  ~TTestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Root, ignored);
  }
  TTestFolder(const TTestFolder&) = delete;
  TTestFolder& operator=(const TTestFolder&) = delete;

  // A path in the folder, as the programs hold paths (ASCII names only).
  std::string Path(std::string_view name) const { return (Root / name).string(); }

  std::string Write(std::string_view name, std::string_view bytes) const {
    std::ofstream(Root / name, std::ios::binary).write(bytes.data(), bytes.size());
    return Path(name);
  }
  void Append(std::string_view name, std::string_view bytes) const {
    std::ofstream(Root / name, std::ios::binary | std::ios::app).write(bytes.data(), bytes.size());
  }
  std::string Read(std::string_view name) const {
    std::ifstream file(Root / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }

 private:
  std::filesystem::path Root;
};
