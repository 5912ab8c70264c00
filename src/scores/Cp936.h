// Code page 936 (GBK) text: walking a byte string by characters, and the
// conversions to and from UTF-8 that the windows use for names and labels.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace burrowbop {

constexpr bool IsCp936LeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

constexpr bool IsCp936TrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE);
}

// The number of bytes of the character that starts at pos: 2 for a lead byte
// followed by a trail byte, 1 for anything else (a lone lead byte included),
// 0 at or past the end. Every scan of profile text steps by this, because a
// trail byte can be '[', '\' or ']'.
constexpr std::size_t Cp936CharLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    if (IsCp936LeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() &&
        IsCp936TrailByte(static_cast<unsigned char>(text[pos + 1])))
        return 2;
    return 1;
}

// UTF-8 to code page 936. A character that code page 936 cannot hold, and a
// byte that is no part of a valid UTF-8 sequence, each become '?'.
std::string Cp936FromUtf8(std::string_view utf8);

// Code page 936 to UTF-8. An invalid or unassigned sequence, and a lone lead
// byte (a field cut inside a character), each become U+FFFD. Any input gives
// valid UTF-8.
std::string Utf8FromCp936(std::string_view bytes);

}  // namespace burrowbop
