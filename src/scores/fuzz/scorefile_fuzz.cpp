// Fuzzes the profile reader and the in-place writer.
// Input: byte 0 picks a section, byte 1 a key, byte 2 the length of the
// value that follows; the rest is the file. Properties:
//  - nothing crashes, and the sanitizers report nothing;
//  - writing back what every key of the table reads gives the same bytes;
//  - after writing one key, it reads back as written and every other line of
//    the file is unchanged;
//  - a table loaded and saved reads back as saved;
//  - the code page 936 conversions take any bytes, and decoding gives valid
//    UTF-8.
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Cp936.h"
#include "ProfileText.h"

using burrowbop::ProfileText;

namespace {

const char* const kSections[] = {"0", "1", "5", "9", "00", " 0", "x", "\xB0\x5D"};
const char* const kKeys[] = {"Name", "Date", "Score", "name", "SCORE", "Other", "\xB0\x5B"};

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property failed: %s\n", what);
        std::abort();
    }
}

std::vector<std::string> SplitKeepingEnds(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') end += 2;
        else end += 1;
        lines.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return lines;
}

bool IsValidName(std::string_view name) {
    try {
        ProfileText probe;
        probe.Write(name, "k", "");
        return true;
    } catch (const std::invalid_argument&) {
        return false;
    }
}

// Apart from one replaced line, at most three new lines (a section header,
// the key, and a line end given to an unterminated last line) may differ.
void CheckOtherLinesUnchanged(const std::string& before, const std::string& after) {
    std::vector<std::string> a = SplitKeepingEnds(before), b = SplitKeepingEnds(after);
    std::size_t prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    std::size_t removed = a.size() - prefix - suffix, added = b.size() - prefix - suffix;
    Check(removed <= 1, "at most one line of the file changes");
    Check(added <= 3 && added >= removed, "a write adds at most a section and a key");
    // Only an unterminated last line may change among added lines: it gets its line end.
    if (removed == 1 && added > 1) Check(b[prefix] == a[prefix] + "\r\n", "a line keeps its bytes");
}

// What a key reads after writing value: the value with CR, LF and NUL
// replaced, unless the key already read as the value, which then stays.
std::string Expected(const ProfileText& text, std::string_view section, std::string_view key, std::string_view value) {
    return text.Read(section, key) == value ? std::string(value) : ProfileText::StoredValue(value);
}

void CheckRoundTrip(const std::string& file) {
    ProfileText text(file);
    ProfileText copy(file);
    for (int i = 0; i < 10; ++i)
        for (const char* key : {"Name", "Date", "Score"})
            if (auto value = text.Read(std::to_string(i), key)) copy.Write(std::to_string(i), key, *value);
    Check(copy.Bytes() == file, "writing back what was read changes nothing");
}

void CheckOneWrite(const std::string& file, std::string_view section, std::string_view key, std::string_view value) {
    ProfileText text(file);
    std::string expected = Expected(text, section, key, value);
    text.Write(section, key, value);
    Check(text.Read(section, key) == expected, "a written key reads back");
    std::string after = text.Bytes();
    Check(ProfileText(after).Read(section, key) == expected, "a written key reads back from the file");
    CheckOtherLinesUnchanged(file, after);
}

void CheckTableSave(const std::string& file, std::string_view value) {
    ProfileText text(file);
    std::vector<std::string> table;
    for (int i = 0; i < 10; ++i)
        for (const char* key : {"Name", "Date", "Score"}) {
            std::string stored = text.Read(std::to_string(i), key).value_or("--");
            if (i == 3) stored = std::string(value);  // a whole section of hostile values
            table.push_back(Expected(text, std::to_string(i), key, stored));
            text.Write(std::to_string(i), key, stored);
        }
    ProfileText reread(text.Bytes());
    std::size_t n = 0;
    for (int i = 0; i < 10; ++i)
        for (const char* key : {"Name", "Date", "Score"})
            Check(reread.Read(std::to_string(i), key) == table[n++], "a saved table reads back as saved");
}

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        unsigned char b = byte(i);
        std::size_t n = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
        if (n == 0 || i + n > text.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((byte(i + k) & 0xC0) != 0x80) return false;
        if (n == 3 && ((b == 0xE0 && byte(i + 1) < 0xA0) || (b == 0xED && byte(i + 1) >= 0xA0))) return false;
        if (n == 4 && ((b == 0xF0 && byte(i + 1) < 0x90) || (b == 0xF4 && byte(i + 1) >= 0x90))) return false;
        i += n;
    }
    return true;
}

void CheckConversions(std::string_view bytes) {
    std::string utf8 = burrowbop::Utf8FromCp936(bytes);
    Check(IsValidUtf8(utf8), "any bytes decode to valid UTF-8");
    std::string back = burrowbop::Cp936FromUtf8(utf8);
    Check(IsValidUtf8(burrowbop::Utf8FromCp936(back)), "text encoded back decodes to valid UTF-8");
    (void)burrowbop::Cp936FromUtf8(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    std::string_view section = kSections[data[0] % std::size(kSections)];
    std::string_view key = kKeys[data[1] % std::size(kKeys)];
    std::size_t valueLength = data[2] <= size - 3 ? data[2] : size - 3;
    std::string_view value(reinterpret_cast<const char*>(data) + 3, valueLength);
    std::string file(reinterpret_cast<const char*>(data) + 3 + valueLength, size - 3 - valueLength);

    CheckRoundTrip(file);
    if (IsValidName(section)) CheckOneWrite(file, section, key, value);
    CheckTableSave(file, value);
    CheckConversions(value);
    CheckConversions(file);
    return 0;
}
