#include "HighScoreTable.h"

#include <limits>

namespace burrowbop {
namespace {

constexpr std::string_view kNameKey = "Name";
constexpr std::string_view kDateKey = "Date";
constexpr std::string_view kScoreKey = "Score";
constexpr std::string_view kPlaceholderName = "--------";
constexpr std::string_view kPlaceholderDate = "----/--/--";
constexpr std::string_view kPlaceholderScore = "--";
constexpr int32_t kPlaces = static_cast<int32_t>(std::tuple_size_v<THighScores>);

int DigitValue(char c, int base) {
    int value = c >= '0' && c <= '9' ? c - '0'
              : c >= 'a' && c <= 'f' ? c - 'a' + 10
              : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
    return value < base ? value : -1;
}

[[noreturn]] void NotAnInteger(std::string_view text) {
    throw ScoreError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace

THighScoreEntry PlaceholderEntry() {
    return {kPlaceholderName, kPlaceholderDate, kPlaceholderScore};
}

int32_t StrToInt(std::string_view text) {
    std::string_view rest = text;
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    bool negative = !rest.empty() && rest.front() == '-';
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) rest.remove_prefix(1);
    int base = 10;
    if (!rest.empty() && (rest.front() == '$' || rest.front() == 'x' || rest.front() == 'X')) {
        base = 16;
        rest.remove_prefix(1);
    } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        base = 16;
        rest.remove_prefix(2);
    }
    if (rest.empty()) NotAnInteger(text);
    // Hexadecimal takes all 32 bits ($FFFFFFFF is -1); decimal keeps the range.
    const int64_t limit = base == 16 ? 0xFFFFFFFFLL : int64_t{std::numeric_limits<int32_t>::max()} + (negative ? 1 : 0);
    int64_t value = 0;
    for (char c : rest) {
        int digit = DigitValue(c, base);
        if (digit < 0) NotAnInteger(text);
        value = value * base + digit;
        if (value > limit) NotAnInteger(text);
    }
    if (base == 16) value = static_cast<int32_t>(static_cast<uint32_t>(value));
    return static_cast<int32_t>(negative ? -value : value);
}

HighScoreTable::HighScoreTable() { HighScores.fill(PlaceholderEntry()); }

void HighScoreTable::LoadHighScores(ScoreFile& file) {
    HighScores.fill(PlaceholderEntry());
    for (int32_t i = 0; i < kPlaces; ++i) {
        std::string section = std::to_string(i);
        THighScoreEntry& entry = HighScores[static_cast<std::size_t>(i)];
        entry.Name.Assign(file.ReadString(section, kNameKey, kPlaceholderName));
        entry.Date.Assign(file.ReadString(section, kDateKey, kPlaceholderDate));
        entry.Score.Assign(file.ReadString(section, kScoreKey, kPlaceholderScore));
    }
}

void HighScoreTable::SaveHighScores(ScoreFile& file) {
    for (int32_t i = 0; i < kPlaces; ++i) {
        std::string section = std::to_string(i);
        const THighScoreEntry& entry = HighScores[static_cast<std::size_t>(i)];
        file.WriteString(section, kNameKey, entry.Name.View());
        file.WriteString(section, kDateKey, entry.Date.View());
        file.WriteString(section, kScoreKey, entry.Score.View());
    }
    file.Flush();
}

bool HighScoreTable::IsNewRecord(int32_t hitCount) {
    if (hitCount == 0) return false;  // a game with no hit never enters the table
    for (int32_t i = 0; i < kPlaces; ++i) {
        std::string_view score = HighScores[static_cast<std::size_t>(i)].Score.View();
        if (score == kPlaceholderScore || hitCount > StrToInt(score)) {
            NewRecordIndex = i;
            return true;
        }
    }
    return false;
}

void HighScoreTable::EnterNewRecord(std::string_view name, std::string_view date, int32_t hitCount) {
    if (NewRecordIndex < 0 || NewRecordIndex >= kPlaces) return;
    for (int32_t i = kPlaces - 1; i > NewRecordIndex; --i)
        HighScores[static_cast<std::size_t>(i)] = HighScores[static_cast<std::size_t>(i - 1)];
    THighScoreEntry& entry = HighScores[static_cast<std::size_t>(NewRecordIndex)];
    entry.Name = name;
    entry.Date = date;
    entry.Score.Assign(std::to_string(hitCount));
}

}  // namespace burrowbop
