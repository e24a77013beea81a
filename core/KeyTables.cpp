#include "core/KeyTables.h"

#include <QFile>
#include <algorithm>

Result<KeyTables> readKeyDefine(const QByteArray& bytes) {
    if (bytes.size() < KeyTables::kFileSize) return Error{QStringLiteral("key table too short")};
    KeyTables t;
    const auto* p = reinterpret_cast<const quint8*>(bytes.constData());
    std::copy_n(p, KeyTables::kCodes, t.labelIndex.begin());
    std::copy_n(p + KeyTables::kCodes, KeyTables::kCodes, t.finger.begin());
    std::copy_n(p + 2 * KeyTables::kCodes, KeyTables::kCodes, t.shift.begin());
    return t;
}

Result<KeyTables> readKeyDefine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Error{file.errorString()};
    const QByteArray bytes = file.read(KeyTables::kFileSize);
    if (file.error() != QFileDevice::NoError) return Error{file.errorString()};
    return readKeyDefine(bytes);
}

QByteArray writeKeyDefine(const KeyTables& t) {
    QByteArray out;
    out.reserve(KeyTables::kFileSize);
    for (const auto* table : {&t.labelIndex, &t.finger, &t.shift})
        out.append(reinterpret_cast<const char*>(table->data()), KeyTables::kCodes);
    return out;
}
