#include "teacher/FileToolTexts.h"

namespace filetool {

QStringList operations() {
    return {u"Lessonファイルの複写"_qs,           u"Lessonファイルの削除"_qs,
            u"Lessonアクティブフォルダを変更"_qs, u"個人履歴ファイルの複写"_qs,
            u"個人履歴ファイルの削除"_qs,         u"個人履歴アクティブフォルダを変更"_qs};
}

QString chooseOperation() {
    return u"ファイリング処理を選択してください"_qs;
}

QString sameFolder() {
    return u"複写元と複写先が同じフォルダです。\r複写することはできません。"_qs;
}

QString askCopy(bool lessons, const QString& from, const QString& to) {
    const QString what = lessons ? u"のLessonファイルを"_qs : u"の個人履歴ファイルを"_qs;
    return from + what + u'\r' + to + u"に複写しますか？"_qs;
}

QString copied() {
    return u"ファイルの複写に成功しました。"_qs;
}

QString copyFailed() {
    return u"ファイルの複写に失敗しました。"_qs;
}

QString noLessonChosen() {
    return u"削除するLessonが指定されていません。"_qs;
}

QString askDeleteLesson(const QString& folder, const QString& title) {
    return folder + u'の' + title + u"Lessonを削除しますか？"_qs;
}

QString lessonDeleted() {
    return u"Lesson削除が正常に終了しました。"_qs;
}

QString noHistoryChosen() {
    return u"削除する個人履歴ファイルが指定されていません。"_qs;
}

QString askDeleteHistory(const QString& folder, const QString& fileName) {
    return folder + u'の' + fileName + u"個人履歴ファイルを削除しますか？"_qs;
}

QString historyDeleted() {
    return u"個人履歴ファイル削除が正常に終了しました。"_qs;
}

QString askChangeFolder(bool lessons, const QString& folder) {
    const QString what = lessons ? u"Lessonファイル"_qs : u"個人履歴ファイル"_qs;
    return what + u"のアクティブフォルダを変更します。\r"_qs + folder + u"\rでよろしいですか？"_qs;
}

QString askCopyToNewFolder(bool lessons) {
    const QString what = lessons ? u"Lessonファイル"_qs : u"個人履歴ファイル"_qs;
    return u"既存の"_qs + what + u"を新しいアクティブフォルダに複写しますか？"_qs;
}

QString folderChanged(bool lessons) {
    return lessons ? u"Lessonフォルダの変更が正常に終了しました。"_qs
                   : u"アクティブフォルダの変更が正常に終了しました。"_qs;
}

QString driveNotReady() {
    return u"ドライブの準備ができていません。"_qs;
}

QString driveDamaged() {
    return u"ドライブが正常な状態ではありません。"_qs;
}

QString notWritten(const QString& path, const QString& why) {
    return path + u"\rを書き込めませんでした。元のファイルはそのままです。\r"_qs + why;
}

QString notDeleted(const QString& path) {
    return path + u"\rを削除できませんでした。"_qs;
}

QString vanished(const QString& path) {
    return path + u"\rは既にありません。"_qs;
}

QString listUnreadable(const QString& path) {
    return path + u"\rを読み込めませんでした。"_qs;
}

QString lessonsCut(int shown) {
    return u"Lessonが多すぎるため、最初の"_qs + QString::number(shown) + u"件だけを表示します。"_qs;
}

QString historiesCut(int shown) {
    return u"個人履歴ファイルが多すぎるため、最初の"_qs + QString::number(shown) +
           u"件だけを表示します。"_qs;
}

} // namespace filetool
