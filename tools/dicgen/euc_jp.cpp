#include "tools/dicgen/euc_jp.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace {

// U+FFFD as UTF-8 bytes (escapes keep them out of the execution charset).
constexpr char kReplacement[] = "\xEF\xBF\xBD";

class TIconv {
 public:
  TIconv(const char* to, const char* from) : Handle(iconv_open(to, from)) {
    if (Handle == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error("no EUC-JP converter in the C library");
    }
  }
  ~TIconv() { iconv_close(Handle); }
  TIconv(const TIconv&) = delete;
  TIconv& operator=(const TIconv&) = delete;
  iconv_t Get() const { return Handle; }

 private:
  iconv_t Handle;
};

}  // namespace

std::string EucJpToUtf8(std::string_view text) {
  TIconv converter("UTF-8", "EUC-JP-MS");
  std::string result;
  char buffer[4096];
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t done = iconv(converter.Get(), &in, &inLeft, &out, &outLeft);
    result.append(buffer, out);
    if (done != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or a sequence cut off at the end: replace one byte and go on.
    result += kReplacement;
    ++in;
    --inLeft;
    iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
  }
  return result;
}
