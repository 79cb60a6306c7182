#pragma once
// Whole-file access for dictionary files (paths as common/file_path.h has them).
#include <string>
#include <string_view>

bool FileExists(std::string_view path);
// The user dictionary beside a dictionary file: the same name with ".usr".
std::string UserDictionaryPath(std::string_view dicFile);
// Creates an empty file unless one exists.
void CreateFileIfMissing(std::string_view path);
// The file's bytes. Raises std::runtime_error when it cannot be read.
std::string ReadWholeFile(std::string_view path);
// Appends line and CR LF to the end of the file, first ending an unterminated
// last line (given as its current contents) with CR LF. Earlier bytes are never
// rewritten. Raises std::runtime_error when it cannot be written, the file cut
// back to contents when part of the tail got in. Several
// programs append to one user dictionary: hold its TFileLock (common/file_lock.h)
// from reading the contents to the append, so they are the file as it is.
void AppendLine(std::string_view path, std::string_view contents, std::string_view line);
