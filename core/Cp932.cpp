#include "core/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <utility>

namespace cp932 {

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder("CP932");
    return decoder.decode(bytes);
}

QByteArray encode(const QString& text) {
    QStringEncoder encoder("CP932");
    return encoder.encode(foldLookAlikes(text));
}

bool represents(const QString& text) {
    QStringEncoder encoder("CP932");
    const QByteArray bytes = encoder.encode(text);
    // The converter substitutes unmappable characters; a round trip shows them.
    return !encoder.hasError() && decode(bytes) == text;
}

QString foldLookAlikes(QString text) {
    static constexpr std::pair<char16_t, char16_t> kPairs[] = {
        {u'\u301C', u'\uFF5E'}, // wave dash
        {u'\u2212', u'\uFF0D'}, // minus sign
        {u'\u2016', u'\u2225'}, // double vertical line
        {u'\u00A2', u'\uFFE0'}, // cent sign
        {u'\u00A3', u'\uFFE1'}, // pound sign
        {u'\u00AC', u'\uFFE2'}, // not sign
        {u'\u00A6', u'\uFFE4'}, // broken bar
        {u'\u2014', u'\u2015'}, // em dash
    };
    for (QChar& c : text)
        for (const auto& [typed, stored] : kPairs)
            if (c.unicode() == typed) c = QChar(stored);
    return text;
}

} // namespace cp932
