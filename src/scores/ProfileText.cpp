#include "ProfileText.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "Cp936.h"

namespace burrowbop {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Blanks are never trail bytes, so trimming bytes from either end cannot
// split a double-byte character.
std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::size_t FindChar(std::string_view text, char wanted, std::size_t from = 0) {
    for (std::size_t pos = from; pos < text.size(); pos += Cp936CharLength(text, pos))
        if (text[pos] == wanted) return pos;
    return std::string_view::npos;
}

// Lowers ASCII letters that stand alone; the trail byte of a double-byte
// character can be a letter and keeps its case.
std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (std::size_t pos = 0; pos < folded.size();) {
        std::size_t length = Cp936CharLength(folded, pos);
        if (length == 1 && folded[pos] >= 'A' && folded[pos] <= 'Z') folded[pos] = static_cast<char>(folded[pos] - 'A' + 'a');
        pos += length;
    }
    return folded;
}

bool EndsWithLoneLeadByte(std::string_view text) {
    std::size_t last = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += Cp936CharLength(text, pos)) last = pos;
    return !text.empty() && Cp936CharLength(text, last) == 1 && IsCp936LeadByte(static_cast<unsigned char>(text[last]));
}

enum class LineKind { Other, Header, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section name or key, trimmed
    std::string_view value;  // raw text after '='
};

ParsedLine ParseLineText(std::string_view content) {
    std::string_view text = Trim(content);
    if (text.empty() || text.front() == ';') return {};
    if (text.front() == '[') {
        std::size_t close = FindChar(text, ']', 1);
        if (close == std::string_view::npos) return {};
        return {LineKind::Header, Trim(text.substr(1, close - 1)), {}};
    }
    std::size_t equals = FindChar(text, '=');
    if (equals == std::string_view::npos) return {};
    std::string_view key = Trim(text.substr(0, equals));
    if (key.empty()) return {};
    return {LineKind::Key, key, text.substr(equals + 1)};
}

std::string_view ValueOf(std::string_view raw) {
    std::string_view value = Trim(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

bool NeedsQuotes(std::string_view value) {
    if (value.empty()) return false;
    if (IsBlank(value.front()) || IsBlank(value.back())) return true;
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
}

bool HasLineBreakOrNul(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos; }

void CheckName(std::string_view name, bool isSection) {
    bool bad = name.empty() || Trim(name).size() != name.size() || HasLineBreakOrNul(name);
    if (isSection)
        bad = bad || FindChar(name, ']') != std::string_view::npos || EndsWithLoneLeadByte(name);
    else
        bad = bad || FindChar(name, '=') != std::string_view::npos || name.front() == ';' || name.front() == '[';
    if (bad) throw std::invalid_argument("a profile " + std::string(isSection ? "section" : "key") + " cannot be named '" + std::string(name) + "'");
}

}  // namespace

ProfileText::ProfileText(std::string text) : text_(std::move(text)) { Parse(); }

void ProfileText::Parse() {
    lines_.reserve(1 + static_cast<std::size_t>(std::count(text_.begin(), text_.end(), '\n') +
                                                std::count(text_.begin(), text_.end(), '\r')));
    for (std::size_t pos = 0; pos < text_.size();) {
        std::size_t contentEnd = text_.find_first_of("\r\n", pos);
        if (contentEnd == std::string::npos) contentEnd = text_.size();
        std::size_t end = contentEnd;
        if (end < text_.size()) end += text_.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        lines_.push_back({pos, contentEnd, end});
        ParseLine(lines_.size() - 1);
        pos = end;
    }
}

void ProfileText::ParseLine(std::size_t index) {
    ParsedLine parsed = ParseLineText(LineText(index));
    if (parsed.kind == LineKind::Header) {
        AddSection(parsed.name, index);
    } else if (parsed.kind == LineKind::Key && !sections_.empty()) {
        Section& section = sections_.back();
        keys_.push_back({FoldCase(parsed.name), index, 0});
        ++section.keyCount;
        section.lastKey = index;
    }
}

void ProfileText::AddSection(std::string_view name, std::size_t header) {
    std::string folded = FoldCase(name);
    std::size_t hash = std::hash<std::string_view>{}(folded);
    sections_.push_back({std::move(folded), hash, header, header, keys_.size(), 0, {}, {}});
    IndexSections(sections_.size());
}

std::size_t ProfileText::SlotOf(std::string_view folded, std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        std::size_t entry = slots_[slot];
        if (entry == 0) return slot;
        const Section& section = sections_[entry - 1];
        if (section.hash == hash && section.folded == folded) return slot;
    }
}

// Indexes the newest of the first count sections; on growth re-indexes all
// of them in file order, so that the first of two equal names stays.
void ProfileText::IndexSections(std::size_t count) {
    if (2 * (indexed_ + 1) > slots_.size()) {
        slots_.assign(std::max<std::size_t>(16, 2 * slots_.size()), 0);
        indexed_ = 0;
        for (std::size_t index = 0; index + 1 < count; ++index) {
            std::size_t slot = SlotOf(sections_[index].folded, sections_[index].hash);
            if (slots_[slot] == 0) {
                slots_[slot] = index + 1;
                ++indexed_;
            }
        }
    }
    const Section& section = sections_[count - 1];
    std::size_t slot = SlotOf(section.folded, section.hash);
    if (slots_[slot] == 0) {
        slots_[slot] = count;
        ++indexed_;
    }
}

std::size_t ProfileText::FindSection(std::string_view name) const {
    if (slots_.empty()) return kAdded;
    std::string folded = FoldCase(name);
    std::size_t entry = slots_[SlotOf(folded, std::hash<std::string_view>{}(folded))];
    return entry == 0 ? kAdded : entry - 1;
}

std::string_view ProfileText::LineText(std::size_t index) const {
    auto found = replaced_.find(index);
    if (found != replaced_.end()) return found->second;
    const Span& span = lines_[index];
    return std::string_view(text_).substr(span.begin, span.contentEnd - span.begin);
}

std::string_view ProfileText::KeyText(const KeyEntry& key) const {
    return key.line == kAdded ? std::string_view(addedText_[key.added]) : LineText(key.line);
}

const ProfileText::KeyEntry* ProfileText::FindKey(const Section& section, std::string_view folded) const {
    for (std::size_t index = section.firstKey; index < section.firstKey + section.keyCount; ++index)
        if (keys_[index].folded == folded) return &keys_[index];
    for (const KeyEntry& key : section.addedKeys)
        if (key.folded == folded) return &key;
    return nullptr;
}

std::optional<std::string> ProfileText::Read(std::string_view section, std::string_view key) const {
    std::size_t found = FindSection(section);
    if (found == kAdded) return std::nullopt;
    const KeyEntry* entry = FindKey(sections_[found], FoldCase(key));
    if (entry == nullptr) return std::nullopt;
    return std::string(ValueOf(ParseLineText(KeyText(*entry)).value));
}

std::string ProfileText::StoredValue(std::string_view value) {
    std::string stored(value);
    for (char& c : stored)
        if (c == '\r' || c == '\n' || c == '\0') c = '?';
    return stored;
}

std::size_t ProfileText::AddText(std::string text) {
    addedText_.push_back(std::move(text));
    return addedText_.size() - 1;
}

void ProfileText::AddKey(Section& section, std::string folded, std::string line) {
    std::size_t added = AddText(std::move(line));
    section.addedKeys.push_back({std::move(folded), kAdded, added});
    // Keys added to a section follow each other after its last original key.
    if (section.header == kAdded)
        section.addedLines.push_back(added);
    else
        insertedAfter_[section.lastKey].push_back(added);
}

void ProfileText::Write(std::string_view section, std::string_view key, std::string_view value) {
    CheckName(section, true);
    CheckName(key, false);
    std::string stored = StoredValue(value);
    std::string encoded = NeedsQuotes(stored) ? '"' + stored + '"' : stored;
    std::size_t found = FindSection(section);
    if (found == kAdded) {
        AddSection(section, kAdded);
        found = sections_.size() - 1;
        sections_[found].addedLines.push_back(AddText('[' + std::string(section) + ']'));
        newSections_.push_back(found);
    }
    Section& target = sections_[found];
    std::string foldedKey = FoldCase(key);
    const KeyEntry* entry = FindKey(target, foldedKey);
    if (entry == nullptr) {
        AddKey(target, std::move(foldedKey), std::string(key) + '=' + encoded);
        return;
    }
    ParsedLine current = ParseLineText(KeyText(*entry));
    std::string_view currentValue = ValueOf(current.value);
    if (currentValue == value || currentValue == stored) return;  // the line already says it
    std::string line = std::string(current.name) + '=' + encoded;  // the key keeps its spelling
    if (entry->line == kAdded)
        addedText_[entry->added] = std::move(line);
    else
        replaced_[entry->line] = std::move(line);
}

void ProfileText::AppendLines(std::string& out, const std::vector<std::size_t>& added) const {
    for (std::size_t index : added) {
        out += addedText_[index];
        out += "\r\n";
    }
}

std::string ProfileText::Bytes() const {
    if (replaced_.empty() && addedText_.empty()) return text_;
    std::string out;
    out.reserve(text_.size() + 64 * addedText_.size());
    for (std::size_t index = 0; index < lines_.size(); ++index) {
        const Span& span = lines_[index];
        out += LineText(index);
        out.append(text_, span.contentEnd, span.end - span.contentEnd);
        auto inserted = insertedAfter_.find(index);
        if (inserted == insertedAfter_.end()) continue;
        if (span.end == span.contentEnd) out += "\r\n";  // the last line had no line end
        AppendLines(out, inserted->second);
    }
    for (std::size_t sectionIndex : newSections_) {
        if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
        AppendLines(out, sections_[sectionIndex].addedLines);
    }
    return out;
}

}  // namespace burrowbop
