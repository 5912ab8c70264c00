// The score file: a profile file on disk, read and written by section, key
// and value like the Windows profile functions, through ProfileText.
//
// Caching: constructing touches no disk. The first read or write loads the
// whole file once into memory; reads are answered from that copy and writes
// edit it. Flush() writes the edited copy back in one go: to a temporary file
// in the same directory, synced, then renamed over the file (over the target
// of a symbolic link, which stays a link), keeping the file's permissions. So
// a save never leaves a half-written file, and loading and saving cost time
// in proportion to the file's size. Changes made by someone else between the
// load and the flush are overwritten, as two copies of the game sharing the
// file expect: the last one to close decides.
//
// A file that exists but cannot be read (no permission, a directory) reads as
// empty, and Flush() refuses to replace it, so its content is never lost. A
// file with no write permission is not replaced either, even for root.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ProfileText.h"

namespace burrowbop {

class ScoreFile {
public:
    static constexpr std::string_view kDefaultPath = "./rat.ini";
    static constexpr std::size_t kMaxValueBytes = 2047;  // what a 2048-byte buffer receives

    explicit ScoreFile(std::string path = std::string(kDefaultPath));
    ScoreFile(const ScoreFile&) = delete;
    ScoreFile& operator=(const ScoreFile&) = delete;

    // The value (its first 2047 bytes), or defaultValue when the file, the
    // section or the key is missing.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue);

    // Edits the copy in memory; Flush() brings it to disk.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Writes the copy to disk if anything was written since the last flush.
    // Throws ScoreError "Unable to write to <path>: <reason>"; the file on
    // disk is then unchanged and a later Flush() can try again.
    void Flush();

    const std::string& Path() const { return path_; }

private:
    void EnsureLoaded();
    [[noreturn]] void FailWrite(const std::string& reason) const;

    std::string path_;
    bool loaded_ = false;
    bool dirty_ = false;
    std::string loadError_;  // why a file that exists could not be read
    ProfileText text_;
};

}  // namespace burrowbop
