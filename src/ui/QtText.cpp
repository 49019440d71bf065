#include "ui/QtText.h"

#include "text/Cp932.h"

namespace tabrix {

QString ToQ(std::string_view cp932, bool* clean) {
    std::string utf8;
    const bool ok = Cp932ToUtf8(cp932, utf8);
    if (clean) *clean = ok;
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool FromQ(const QString& text, std::string& cp932, QString* badChar) {
    const QByteArray utf8 = text.toUtf8();
    std::string encoded;
    std::string bad;
    if (!Utf8ToCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), encoded,
                     &bad)) {
        if (badChar) *badChar = QString::fromUtf8(bad.data(), static_cast<qsizetype>(bad.size()));
        return false;
    }
    cp932 = std::move(encoded);
    return true;
}

std::string FromQLossy(const QString& text) {
    std::string out;
    if (FromQ(text, out)) return out;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        std::string one;
        if (FromQ(text.mid(i, len), one)) out += one;
        i += len;
    }
    return out;
}

int Cp932Length(const QString& text) {
    std::string encoded;
    return FromQ(text, encoded) ? static_cast<int>(encoded.size()) : -1;
}

}  // namespace tabrix
