#include "common/win32/unexpected_error.h"

#include <stdexcept>
#include <utility>

namespace {

TUnexpectedErrorHandler& Handler() {
  static TUnexpectedErrorHandler handler;
  return handler;
}

}  // namespace

void SetUnexpectedErrorHandler(TUnexpectedErrorHandler handler) { Handler() = std::move(handler); }

std::string CurrentExceptionText() {
  try {
    throw;
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "unknown exception";
  }
}

void ReportCurrentException() noexcept {
  try {
    std::string text = CurrentExceptionText();
    if (Handler()) Handler()(text);
  } catch (...) {
    // A failing handler must not take the window procedure with it.
  }
}
