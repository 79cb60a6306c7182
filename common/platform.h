#pragma once
// The system the program is built for, for the rules that differ by platform
// without a Windows call (path separators, the case of file names). Both
// sides of a branch on it compile everywhere; code that calls Windows lives
// in a win32/ folder instead.
#ifdef _WIN32
inline constexpr bool OnWindows = true;
#else
inline constexpr bool OnWindows = false;
#endif
