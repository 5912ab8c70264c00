// Interim stand-in until the scores layer's code page 936 helpers are merged.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
namespace burrowbop {
constexpr bool IsCp936LeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
constexpr bool IsCp936TrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE);
}
constexpr std::size_t Cp936CharLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    if (IsCp936LeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() &&
        IsCp936TrailByte(static_cast<unsigned char>(text[pos + 1])))
        return 2;
    return 1;
}
std::string Cp936FromUtf8(std::string_view utf8);
std::string Utf8FromCp936(std::string_view bytes);
}  // namespace burrowbop
