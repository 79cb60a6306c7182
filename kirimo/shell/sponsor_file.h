#pragma once
// The sponsor file: sections "ADVERTISER_0", "ADVERTISER_1", … each with a
// message (MSG) and the page it belongs to (URL), in the settings file format.
#include <string>
#include <string_view>
#include <vector>

struct TSponsorEntry {
  std::string Message;
  std::string Url;
};

// Entries from number 0 up to the first section whose MSG or URL is missing
// or empty. An empty path or a missing file gives none.
std::vector<TSponsorEntry> ReadSponsorFile(std::string_view path);
