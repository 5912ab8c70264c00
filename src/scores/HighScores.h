// The top-ten table, its score file and the new-record rules.
// (Interface for the shell; the scores sources implement it.)
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace burrowbop {

// An error the player is shown in a message box; what() is the text
// without the closing full stop, e.g. "'ab' is not a valid integer value".
class ScoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A length-prefixed field of at most N bytes of code page 936 text.
// Assigning cuts to the first N bytes, whatever characters they split.
template <std::size_t N>
class ShortString {
public:
    ShortString() = default;
    ShortString(std::string_view text) { Assign(text); }  // NOLINT: cutting assignment
    void Assign(std::string_view text) {
        length_ = static_cast<uint8_t>(text.size() < N ? text.size() : N);
        for (std::size_t i = 0; i < length_; ++i) bytes_[i] = text[i];
    }
    std::string_view View() const { return {bytes_.data(), length_}; }
    std::string Str() const { return std::string(View()); }
    static constexpr std::size_t Capacity = N;
    friend bool operator==(const ShortString& a, const ShortString& b) { return a.View() == b.View(); }

private:
    uint8_t length_ = 0;
    std::array<char, N> bytes_{};
};

struct THighScoreEntry {
    ShortString<8> Name;
    ShortString<10> Date;
    ShortString<2> Score;
    friend bool operator==(const THighScoreEntry&, const THighScoreEntry&) = default;
};

using THighScores = std::array<THighScoreEntry, 10>;

}  // namespace burrowbop
