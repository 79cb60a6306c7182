#pragma once
// Paths are CP932 strings like every other text. In memory they use the
// platform's separator; files (settings) store them with "\" as on Windows.
// Every function walks characters, so a trail byte 0x5C ("ソ" is 0x83 0x5C) is
// never taken for a separator.
#include <filesystem>
#include <string>
#include <string_view>

// The separator of this platform: '\' on Windows, '/' elsewhere.
char PathSeparator();

// A stored path ("dic\BaseHistory.txt") in this platform's form, and back.
std::string FromStoredPath(std::string_view stored);
std::string ToStoredPath(std::string_view path);

// The folder part including its trailing separator ("C:\Kirimo\Kirimo.exe" ->
// "C:\Kirimo\"); empty when the path has no folder.
std::string FolderOf(std::string_view path);
// The path with its extension (from the last '.' of the file name) replaced.
std::string ReplaceExtension(std::string_view path, std::string_view extension);

// A full path: a relative path is joined to folder (which ends in a separator),
// then "." and ".." steps are resolved. Empty stays empty.
std::string ExpandPath(std::string_view folder, std::string_view path);
// The path with a leading folder (compared ignoring case) removed; a path
// outside the folder is returned as it is.
std::string RelativeToFolder(std::string_view folder, std::string_view path);

// What the standard library opens: UTF-16 on Windows, UTF-8 elsewhere.
std::filesystem::path NativePath(std::string_view path);
