// Whole-file reading and crash-safe replacement of a file's content.
#pragma once

#include <string>
#include <string_view>

namespace burrowbop {

enum class ReadOutcome { Read, Missing, Failed };

// Reads the whole regular file at path into content. Missing: no such file
// (or a path component is no directory). Failed: it exists but cannot be
// read; reason says why.
ReadOutcome ReadWholeFile(const std::string& path, std::string& content, std::string& reason);

// Replaces the content of the file at path with bytes, or creates it: writes
// a temporary file beside it, syncs it and renames it over the file. A
// symbolic link is followed so that the link survives and its target gets
// the content; the file's permissions are kept. A file without write
// permission is refused. Returns an empty string on success, otherwise the
// reason, and then the file is as it was and no temporary file is left.
std::string ReplaceFileContent(const std::string& path, std::string_view bytes);

}  // namespace burrowbop
