#include "core/TextField.h"

#include "core/Cp932.h"

namespace textfield {

QByteArray pack(const QString& value, int width) {
    QByteArray out;
    out.reserve(width);
    for (qsizetype i = 0; i < value.size();) {
        const qsizetype len = (value.at(i).isHighSurrogate() && i + 1 < value.size()) ? 2 : 1;
        const QByteArray bytes = cp932::encode(value.mid(i, len));
        if (out.size() + bytes.size() > width) break;
        out += bytes;
        i += len;
    }
    out.append(width - out.size(), ' ');
    return out;
}

QString unpack(QByteArrayView field) {
    const qsizetype space = field.indexOf(' ');
    const QByteArrayView used = space < 0 ? field : field.first(space);
    return cp932::decode(used.toByteArray());
}

bool fits(const QString& value, int width) {
    return cp932::represents(value) && cp932::encode(value).size() <= width;
}

} // namespace textfield
