#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zuk {

// True when path names a file that can be opened for reading (a folder cannot).
bool FileExists(const std::string& path);

// True when the file can be written: it can be opened for writing (or created) and its folder
// takes the temporary file that a save renames over it. The name is the program's own and reads
// the wrong way round: true means writable. Unlike a plain open for writing it never empties
// or leaves behind a file.
bool ReadOnly(const std::string& path);

// The whole content of a file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes data to a temporary file in path's folder and renames it over path, so that a crash
// or a full disk leaves either the old file or the new one whole, never a part. An existing
// file keeps its permission bits. False (and path untouched) on any failure.
bool WriteFileAtomically(const std::string& path, std::string_view data);

}  // namespace zuk
