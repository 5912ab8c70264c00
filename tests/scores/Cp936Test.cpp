#include "Cp936.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace burrowbop {
namespace {

// An independent check that text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        unsigned char b = byte(i);
        std::size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > text.size() || (n == 2 && b < 0xC2)) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((byte(i + k) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

const std::string kFffd = "\xEF\xBF\xBD";

struct DecodeCase {
    const char* what;
    std::string cp936;
    std::string utf8;
};

TEST(Cp936, DecodesValidTextAndReplacesEachBadCharacterOnce) {
    const DecodeCase cases[] = {
        {"ascii", "Score=25", "Score=25"},
        {"chinese", "\xD8\xFD\xC3\xFB", "佚名"},
        {"trail byte that is a bracket", "\xB0\x5D", "癩"},
        {"euro at 0x80", "\x80", "€"},
        {"lone lead byte at the end (a cut field)", "abc\xD8", "abc" + kFffd},
        {"lead byte before a byte that is no trail", "\x81\x30", kFffd + "0"},
        {"unassigned pair", "\xA2\xA0z", kFffd + "z"},
        {"0xFF", "\xFF", kFffd},
        {"nul survives", std::string("a\0b", 3), std::string("a\0b", 3)},
        {"empty", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8FromCp936(c.cp936), c.utf8) << c.what;
}

TEST(Cp936, EncodesAndMarksWhatHasNoForm) {
    const DecodeCase cases[] = {
        {"ascii", "Bob", "Bob"},
        {"chinese", "\xD8\xFD\xC3\xFB", "佚名"},
        {"emoji has no form", "a?b", "a😀b"},
        {"truncated utf-8", "?", "\xC3"},
        {"stray continuation byte", "?(", "\x80("},
        {"surrogate encoded as utf-8", "???x", "\xED\xA0\x80x"},
    };
    for (const auto& c : cases) EXPECT_EQ(Cp936FromUtf8(c.utf8), c.cp936) << c.what;
}

TEST(Cp936, AnyBytesGiveValidUtf8) {
    std::string allPairs;
    for (int lead = 0; lead < 256; ++lead)
        for (int trail = 0; trail < 256; ++trail) {
            allPairs += static_cast<char>(lead);
            allPairs += static_cast<char>(trail);
        }
    EXPECT_TRUE(IsValidUtf8(Utf8FromCp936(allPairs)));
    std::mt19937 random(936);
    for (int round = 0; round < 300; ++round) {
        std::string noise(random() % 40, '\0');
        for (char& c : noise) c = static_cast<char>(random());
        std::string utf8 = Utf8FromCp936(noise);
        ASSERT_TRUE(IsValidUtf8(utf8)) << round;
        if (utf8.find(kFffd) == std::string::npos) {
            EXPECT_EQ(Utf8FromCp936(Cp936FromUtf8(utf8)), utf8) << "decoded text encodes back, " << round;
        }
    }
}

TEST(Cp936, CharLengthStepsOverDoubleByteCharacters) {
    struct Case { std::string text; std::size_t pos; std::size_t length; };
    const Case cases[] = {
        {"ab", 0, 1}, {"ab", 2, 0}, {"\xB0\x5D", 0, 2}, {"\xB0\x5D", 1, 1},
        {"\xB0", 0, 1}, {"\xB0\x0D", 0, 1}, {"\x81\x7F", 0, 1}, {"\x81\x40", 0, 2}, {"\xFE\xFE", 0, 2},
        {"\x80\x40", 0, 1}, {"\xFF\x40", 0, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(Cp936CharLength(c.text, c.pos), c.length) << testing::PrintToString(c.text);
}

}  // namespace
}  // namespace burrowbop
