#include "Cp936.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace burrowbop {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// One conversion descriptor per call keeps the functions free of shared
// state; names are a few bytes long, so opening it is the larger cost.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much of input as it can, appending to out. Returns the
    // number of input bytes consumed; stops at the first byte it cannot take.
    std::size_t Convert(std::string_view input, std::string& out) {
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buffer[256];
        while (inLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &in, &inLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) break;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        return input.size() - inLeft;
    }

private:
    iconv_t cd_;
};

// Length of the well-formed UTF-8 sequence at the start of text, or 0 when
// the first byte starts none.
std::size_t Utf8SequenceLength(std::string_view text) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char first = byte(0);
    std::size_t length = first < 0x80 ? 1 : first >= 0xC2 && first <= 0xDF ? 2
                       : first >= 0xE0 && first <= 0xEF ? 3 : first >= 0xF0 && first <= 0xF4 ? 4 : 0;
    if (length == 0 || length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80) return 0;
    if (length == 3 && ((first == 0xE0 && byte(1) < 0xA0) || (first == 0xED && byte(1) >= 0xA0))) return 0;
    if (length == 4 && ((first == 0xF0 && byte(1) < 0x90) || (first == 0xF4 && byte(1) >= 0x90))) return 0;
    return length;
}

}  // namespace

std::string Cp936FromUtf8(std::string_view utf8) {
    Converter converter("CP936", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        utf8.remove_prefix(converter.Convert(utf8, out));
        if (utf8.empty()) break;
        // Stopped on a character with no code page 936 form or on bad UTF-8.
        std::size_t skip = Utf8SequenceLength(utf8);
        out += '?';
        utf8.remove_prefix(skip == 0 ? 1 : skip);
    }
    return out;
}

std::string Utf8FromCp936(std::string_view bytes) {
    Converter converter("UTF-8", "CP936");
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    while (!bytes.empty()) {
        bytes.remove_prefix(converter.Convert(bytes, out));
        if (bytes.empty()) break;
        // Stopped on an invalid or unassigned character, or a lone lead
        // byte: one replacement character for the whole character.
        out += kReplacementUtf8;
        bytes.remove_prefix(Cp936CharLength(bytes, 0));
    }
    return out;
}

}  // namespace burrowbop
