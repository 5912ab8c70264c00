// Interim stand-in until the scores layer's code page 936 helpers are merged.
#include "Cp936.h"
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
namespace burrowbop {
std::string Cp936FromUtf8(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    std::string out;
    for (int i = 0; i < text.size();) {
        const int n = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringEncoder enc("GBK");
        const QByteArray b = enc.encode(text.mid(i, n));
        out += enc.hasError() || b.isEmpty() ? std::string("?") : b.toStdString();
        i += n;
    }
    return out;
}
std::string Utf8FromCp936(std::string_view bytes) {
    QStringDecoder dec("GBK");
    const QString s = dec.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return s.toStdString();
}
}  // namespace burrowbop
