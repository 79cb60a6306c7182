#pragma once
// The fixed messages of the program's start and of an unexpected error.
#include <string>
#include <string_view>
#include <vector>

class TDictionaryOpenError;

// Why the program cannot start, or empty when it can. iniName and programName
// are the file names shown ("Kirimo.ini", "Kirimo.exe").
std::string StartupProblem(bool iniExists, bool dicFolderExists, std::string_view iniName,
                           std::string_view programName);

// The message box text for an exception that reached the message loop.
std::string UnexpectedErrorText(std::string_view errorMessage);

// The notice that the program started without the dictionaries it could not
// open, each named with why; empty when there are none.
std::string DictionaryFailureText(const std::vector<TDictionaryOpenError>& failures);
