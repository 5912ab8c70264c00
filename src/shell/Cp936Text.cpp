#include "Cp936Text.h"

#include "Cp936.h"

namespace {

// Walks forward from the start, since a trail byte may lie in the lead range.
std::string_view WithoutLoneLeadByte(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t length = burrowbop::Cp936CharLength(bytes, pos);
        if (length == 1 && pos + 1 == bytes.size() &&
            burrowbop::IsCp936LeadByte(static_cast<unsigned char>(bytes[pos])))
            return bytes.substr(0, pos);
        pos += length;
    }
    return bytes;
}

}  // namespace

QString QStringFromCp936Field(std::string_view bytes) {
    return QString::fromStdString(burrowbop::Utf8FromCp936(WithoutLoneLeadByte(bytes)));
}

std::string Cp936FromQString(const QString& text) {
    return burrowbop::Cp936FromUtf8(text.toStdString());
}
