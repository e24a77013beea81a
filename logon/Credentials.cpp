#include "logon/Credentials.h"

#include "core/Cp932.h"
#include "core/FileNames.h"
#include "core/TextField.h"
#include "core/WholeFile.h"

#include <QFile>

namespace credentials {

std::optional<QString> userIdProblem(const QString& id) {
    const QString what = QStringLiteral("ユーザＩＤ");
    if (id.isEmpty()) return QStringLiteral("ユーザＩＤが入力されていません");
    if (id.contains(u' '))
        return QStringLiteral("ユーザＩＤに半角スペースは使えません。\r入力しなおしてください。");
    if (filenames::hasForbiddenCharacter(id))
        return QStringLiteral("このユーザＩＤはファイル名にできません。\r"
                              "\\ / : * ? \" < > | などの記号を使わずに入力しなおしてください。");
    // Names the pupil typed without a symbol get a reason they can act on.
    if (id.endsWith(u'.'))
        return QStringLiteral("このユーザＩＤはファイル名にできません。\r"
                              "最後が「.」で終わらないように入力しなおしてください。");
    if (filenames::isReservedName(id))
        return QStringLiteral("このユーザＩＤはファイル名にできません。\r"
                              "CON・PRN・AUX・NUL・COM1・LPT1 などはコンピュータが使う名前です。\r"
                              "別のユーザＩＤを入力してください。");
    return fieldProblem(id, what, true);
}

std::optional<QString> fieldProblem(const QString& value, const QString& what, bool noSpace) {
    // A field reads back up to its first blank: a leading one would leave nothing.
    if ((noSpace && value.contains(u' ')) || value.startsWith(u' '))
        return what + QStringLiteral("に半角スペースは使えません。\r入力しなおしてください。");
    if (!cp932::represents(value))
        return what + QStringLiteral("に使えない文字が含まれています。\r入力しなおしてください。");
    if (cp932::encode(value).size() > textfield::kWidth)
        return what +
               QStringLiteral("が長すぎます。\r半角30文字（全角15文字）までで入力してください。");
    return std::nullopt;
}

QString mismatchMessage(bool idDiffers, bool passwordDiffers) {
    if (idDiffers && passwordDiffers)
        return QStringLiteral("ユーザＩＤとパスワードが間違っています！");
    if (idDiffers) return QStringLiteral("ユーザＩＤが間違っています！");
    return QStringLiteral("パスワードが間違っています！");
}

QByteArray writeAdmin(const AdminPair& pair) {
    return textfield::pack(pair.id) + textfield::pack(pair.password);
}

Result<AdminPair> readAdminFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Error{file.errorString()};
    const QByteArray bytes = file.read(kAdminFileSize);
    if (bytes.size() < kAdminFileSize) return Error{QStringLiteral("short admin file")};
    return AdminPair{textfield::unpack(QByteArrayView(bytes).first(30)),
                     textfield::unpack(QByteArrayView(bytes).sliced(30, 30))};
}

Status writeAdminFile(const QString& dataFolder, const AdminPair& pair) {
    return wholefile::writeInside(dataFolder, dataFolder + kAdminFileName, writeAdmin(pair));
}

} // namespace credentials
