#include "core/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace cp932 {

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder("CP932");
    return decoder.decode(bytes);
}

QByteArray encode(const QString& text) {
    QStringEncoder encoder("CP932");
    return encoder.encode(text);
}

bool represents(const QString& text) {
    QStringEncoder encoder("CP932");
    const QByteArray bytes = encoder.encode(text);
    // The converter substitutes unmappable characters; a round trip shows them.
    return !encoder.hasError() && decode(bytes) == text;
}

} // namespace cp932
