#include "WindowFonts.h"

#include <QStringList>

namespace {

// WenQuanYi Zen Hei closes every list: it carries both Latin and CJK glyphs.
const char kCjkFallback[] = "WenQuanYi Zen Hei";

QFont MakeFont(QStringList families, int pixels, bool bold) {
    families << QString::fromLatin1(kCjkFallback);
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont ArialFont(int pixels, bool bold) {
    return MakeFont({"Arial", "Liberation Sans", "Arimo"}, pixels, bold);
}

QFont VerdanaFont(int pixels) { return MakeFont({"Verdana", "DejaVu Sans"}, pixels, false); }

QFont SansSerifFont(int pixels) {
    return MakeFont({"MS Sans Serif", "Microsoft Sans Serif"}, pixels, false);
}
