// Readings by the input method's reverse conversion (imm32).
#include <windows.h>
#include <imm.h>

#include <string>

#include "common/cp932.h"
#include "readings/ime_candidate_block.h"
#include "readings/ime_readings.h"

namespace {

// Owns an input context for one query.
class TInputContext {
 public:
  TInputContext() : Context(ImmCreateContext()) {}
  ~TInputContext() {
    if (Context != nullptr) ImmDestroyContext(Context);
  }
  TInputContext(const TInputContext&) = delete;
  TInputContext& operator=(const TInputContext&) = delete;
  HIMC Get() const { return Context; }

 private:
  HIMC Context;
};

// Asks twice: first for the size, then for the block. Empty when there is no answer.
template <typename Query>
std::string ConversionList(Query query) {
  DWORD size = query(nullptr, 0);
  if (static_cast<int>(size) <= 0) return {};
  std::string block(size, '\0');
  DWORD written = query(reinterpret_cast<LPCANDIDATELIST>(block.data()), size);
  if (static_cast<int>(written) <= 0) return {};
  if (written < size) block.resize(written);
  return block;
}

class TImmReadingSource : public TReadingSource {
 public:
  TStringList ReverseConversion(std::string_view word) override {
    TInputContext context;
    HKL layout = GetKeyboardLayout(0);
    // Always the wide query: the ANSI one misreads words wherever the system
    // code page is not 932, and faults inside some imm32 implementations.
    std::u16string text = Cp932ToUtf16(word);
    return ParseWideCandidates(ConversionList([&](LPCANDIDATELIST list, DWORD size) {
      return ImmGetConversionListW(layout, context.Get(), reinterpret_cast<LPCWSTR>(text.c_str()),
                                   list, size, GCL_REVERSECONVERSION);
    }));
  }
};

}  // namespace

std::unique_ptr<TReadingSource> CreateSystemReadingSource() {
  return std::make_unique<TImmReadingSource>();
}

bool IsWindowsNT() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  bool known = GetVersionExA(&info) != FALSE;
#pragma GCC diagnostic pop
  return known && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}
