// The text of a profile (ini) file held in memory: read the value of a key,
// and edit the text in place so that every line the edit does not own stays
// as it was, byte for byte.
//
// Reading rules: section and key names match without regard to ASCII letter
// case (the bytes of double-byte characters are compared as they are);
// blanks around section names, keys and values are trimmed; a value in a
// matching pair of single or double quotes comes without them; a line whose
// first non-blank byte is ';' is a comment; keys before the first section
// belong to no section; the first of two equal sections, and the first of
// two equal keys in that section, wins. CR LF, LF and CR all end a line.
// Every scan steps over double-byte characters of code page 936.
//
// Writing: an existing key keeps its line, its spelling and its line end; a
// missing key goes after the last key of its section (or after the section
// header); a missing section goes at the end. New lines end in CR LF.
//
// Cost: parsing is one pass over the text and builds a hash index of the
// sections;
// a read or a write looks at the keys of one section; edits are kept beside
// the original text and joined once by Bytes(). Loading and saving therefore
// grow linearly with the size of the text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace burrowbop {

class ProfileText {
public:
    ProfileText() = default;
    explicit ProfileText(std::string text);

    // The whole value, or nothing when the section or the key is missing.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;

    // Stores value so that Read gives it back exactly. CR, LF and NUL, which
    // would end the line or the value, are stored as '?'. A value that would
    // lose blanks or quotes on reading is stored in double quotes. A key whose
    // line already reads as value (or as its stored form) is left untouched,
    // so that writing back what was read changes no byte.
    // Throws std::invalid_argument for a section or key name that no line
    // could hold (empty, blanks around it, line ends, '=' in a key, ']' in a
    // section, a key beginning with ';' or '[').
    void Write(std::string_view section, std::string_view key, std::string_view value);

    // The text with all edits.
    std::string Bytes() const;

    // What Write stores for value: the sanitised value, which Read returns.
    static std::string StoredValue(std::string_view value);

private:
    struct Span {
        std::size_t begin;
        std::size_t contentEnd;  // before the line end
        std::size_t end;         // after the line end
    };
    struct KeyEntry {
        std::string folded;  // key name with ASCII letters lowered
        std::size_t line;    // index into lines_, or kAdded
        std::size_t added;   // index into addedText_ when line == kAdded
    };
    struct Section {
        std::string folded;      // name with ASCII letters lowered
        std::size_t hash;        // of folded
        std::size_t header;      // line of the header, or kAdded for a new section
        std::size_t lastKey;     // line after which a missing key goes
        std::size_t firstKey;    // the section's keys in the file: keys_[firstKey, firstKey + keyCount)
        std::size_t keyCount;
        std::vector<KeyEntry> addedKeys;
        std::vector<std::size_t> addedLines;  // a new section's lines, header first
    };
    static constexpr std::size_t kAdded = static_cast<std::size_t>(-1);

    void Parse();
    void ParseLine(std::size_t index);
    void AddSection(std::string_view name, std::size_t header);
    std::size_t FindSection(std::string_view name) const;  // kAdded when missing
    std::size_t SlotOf(std::string_view folded, std::size_t hash) const;
    void IndexSections(std::size_t count);
    std::string_view LineText(std::size_t index) const;
    std::string_view KeyText(const KeyEntry& key) const;
    const KeyEntry* FindKey(const Section& section, std::string_view folded) const;
    std::size_t AddText(std::string text);
    void AddKey(Section& section, std::string folded, std::string line);
    void AppendLines(std::string& out, const std::vector<std::size_t>& added) const;

    std::string text_;
    std::vector<Span> lines_;
    std::vector<KeyEntry> keys_;  // the keys of the file's sections, in file order
    std::vector<Section> sections_;
    // Open-addressing index of the first section of each name: a slot holds
    // 1 + the section's index, 0 when empty. Kept at most half full.
    std::vector<std::size_t> slots_;
    std::size_t indexed_ = 0;
    std::unordered_map<std::size_t, std::string> replaced_;       // line -> new content
    std::unordered_map<std::size_t, std::vector<std::size_t>> insertedAfter_;  // line -> added texts
    std::vector<std::string> addedText_;
    std::vector<std::size_t> newSections_;  // indexes into sections_, in the order added
};

}  // namespace burrowbop
