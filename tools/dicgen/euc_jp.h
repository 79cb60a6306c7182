#pragma once
#include <string>
#include <string_view>

// Decodes EUC-JP (the encoding of IPADIC's sources) to UTF-8 with the Microsoft
// variant of the mapping, so that characters such as the wave dash come out as
// the code points CP932 has. A byte that does not decode becomes U+FFFD, which
// has no CP932 form, so a word holding it is dropped later rather than garbled.
std::string EucJpToUtf8(std::string_view text);
