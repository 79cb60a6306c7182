#pragma once
// Texts Gleaner shows in message boxes.
#include <string>
#include <string_view>

inline constexpr char GleanerTitle[] = "Gleaner";

// The general error handler's message: the error's text between a fixed
// first line and the notice that the program ends.
std::string GleanerErrorText(std::string_view error);

// A save that could not be written: the error's text, and that the list stays.
std::string SaveFailureText(std::string_view error);
