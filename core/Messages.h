#pragma once

#include <QString>

// Texts the start-up shows. A forced end closes with its last line.
namespace messages {

inline const QString kCr = QStringLiteral("\r");
inline const QString kForcedEnd = QStringLiteral("ＭＫを強制終了します。");

inline QString brokenFile(const QString& fileName) {
    return fileName + QStringLiteral("が壊れています。") + kCr + kForcedEnd;
}

inline const QString kUnpacked = QStringLiteral("Lesson生成処理が完了しました。") + kCr +
                                 QStringLiteral("Marokeyをご利用いただけます。");

} // namespace messages
