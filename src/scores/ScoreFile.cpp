#include "ScoreFile.h"

#include "AtomicFile.h"
#include "HighScores.h"

namespace burrowbop {

ScoreFile::ScoreFile(std::string path) : path_(std::move(path)) {}

void ScoreFile::EnsureLoaded() {
    if (loaded_) return;
    std::string content;
    std::string reason;
    if (ReadWholeFile(path_, content, reason) == ReadOutcome::Failed) loadError_ = std::move(reason);
    text_ = ProfileText(std::move(content));
    loaded_ = true;
}

std::string ScoreFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) {
    EnsureLoaded();
    std::optional<std::string> value = text_.Read(section, key);
    if (!value) return std::string(defaultValue);
    if (value->size() > kMaxValueBytes) value->resize(kMaxValueBytes);
    return std::move(*value);
}

void ScoreFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    EnsureLoaded();
    text_.Write(section, key, value);
    dirty_ = true;
}

void ScoreFile::Flush() {
    if (!dirty_) return;
    // A file that could not be read is not replaced: what it holds is unknown.
    if (!loadError_.empty()) FailWrite(loadError_);
    std::string bytes = text_.Bytes();
    std::string reason = ReplaceFileContent(path_, bytes);
    if (!reason.empty()) FailWrite(reason);
    dirty_ = false;  // the copy in memory, edits included, is now what the file holds
}

void ScoreFile::FailWrite(const std::string& reason) const {
    throw ScoreError("Unable to write to " + path_ + ": " + reason);
}

}  // namespace burrowbop
