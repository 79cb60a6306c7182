#include "kirimo/shell/sponsor_file.h"

#include <string>

#include "common/profile_file.h"

std::vector<TSponsorEntry> ReadSponsorFile(std::string_view path) {
  std::vector<TSponsorEntry> entries;
  if (path.empty()) return entries;
  TProfileFile file{std::string(path)};
  for (int number = 0;; ++number) {
    std::string section = "ADVERTISER_" + std::to_string(number);
    std::string message = file.ReadString(section, "MSG", "");
    std::string url = file.ReadString(section, "URL", "");
    if (message.empty() || url.empty()) break;
    entries.push_back({std::move(message), std::move(url)});
  }
  return entries;
}
