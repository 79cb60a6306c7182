#pragma once
// What a program does with an exception that reached a window procedure or a
// worker: the exception barriers hand its text (CP932) to the handler the
// program installed, and the program goes on or ends as its handler decides.
#include <exception>
#include <functional>
#include <string>
#include <string_view>

using TUnexpectedErrorHandler = std::function<void(std::string_view message)>;

void SetUnexpectedErrorHandler(TUnexpectedErrorHandler handler);
// Calls the handler with the text of the exception being handled. Never throws.
void ReportCurrentException() noexcept;
// The text of the exception being handled: what() for standard exceptions.
std::string CurrentExceptionText();
