// Where there is no input method: no readings, and no NT family.
#ifndef _WIN32
#include "readings/ime_readings.h"

namespace {

class TNoReadingSource : public TReadingSource {
 public:
  TStringList ReverseConversion(std::string_view) override { return {}; }
};

}  // namespace

std::unique_ptr<TReadingSource> CreateSystemReadingSource() {
  return std::make_unique<TNoReadingSource>();
}

bool IsWindowsNT() { return false; }
#endif
