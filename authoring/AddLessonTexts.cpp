#include "authoring/AddLessonTexts.h"

#include <QStringList>

namespace addlesson {

std::array<QString, 7> helpTexts() {
    std::array<QString, 7> help;
    help[1] =
        QStringList{
            QStringLiteral("　メニューに表示されるタブを指定してください｡"),
            QStringLiteral("　原則として下記ルールに従ってください｡"),
            QStringLiteral(
                "　　初級編:半角アルファベットのみ (小文字､大文字ともに､全て大文字に変換されます)"),
            QStringLiteral("　　中級編:全角ひらがなのみ"),
            QStringLiteral("　　上級編:全角文字のみ"),
            QStringLiteral("　　数値編:半角数値のみ"),
            QStringLiteral("　　問題編:Lessonも問題も半角､全角どちらでも可｡"),
            QStringLiteral("　　その他:半角アルファベットのみ (小文字､大文字を区別します)"),
        }
            .join(u'\r');
    help[2] =
        QStringList{
            QStringLiteral("　メニューに表示されるタイトルを指定してください｡"),
            QStringLiteral("　全角入力になっておりますが､半角でも構いません｡"),
        }
            .join(u'\r');
    help[3] =
        QStringList{
            QStringLiteral("　難易度を指定してください｡"),
            QStringLiteral("　難易度は0より大きく3以下程度の範囲で指定してください｡"),
            QStringLiteral("　基本的に､ワープロ検定程度のアルファベット､ひらがな､カタカナ､漢字の出"
                           "現率の文章を1としています｡"),
            QStringLiteral(
                "　ですので､アルファベットだけの場合などは難易度を上げたほうが良いと思います｡"),
            QStringLiteral("　初級編ですと、２．４程度に設定してあります。これは、「アルファベット"
                           "２．４文字を入力して、ワープロ検定レベルの１文字入力と同等の難易度であ"
                           "る。」ということを意味します。"),
            QStringLiteral("　つまり､数値が大きいほど難易度が高いことを意味します｡"),
            QStringLiteral("　情報処理検定問題などは０．１に設定してあります。これは、解答自体は短"
                           "い入力ですが、問題を読む時間も考慮するとこのようになります。"),
            QStringLiteral(
                "　難易度の設定は難しいので､何度も訂正する必要があるかもしれません｡このMarokeyに標"
                "準で添付されているレッスンの難易度の設定は10年もかけて何千人もの初めて本格的に練習"
                "する子供たちでテストして落着いた数値ですので､標準値だと思ってください｡"),
        }
            .join(u'\r');
    help[5] =
        QStringList{
            QStringLiteral("　出題順序を設定してください｡"),
            QStringLiteral(
                "　上から順番に出題するのか､ランダムに並べ替えて出題するのかを指定できます｡"),
        }
            .join(u'\r');
    return help;
}

QString difficultyRefused() {
    return QStringLiteral(
        "難易度が正常範囲にありません！\r０より大きく３以下の数値で指定してください。");
}

QString noText() {
    return QStringLiteral("テキストの内容がないため追加できません！");
}

QString textRefused() {
    return QStringLiteral("テキストの内容に保存できない文字が含まれているため追加できません！\r"
                          "その文字を別の文字に置き換えてください。");
}

QString created() {
    return QStringLiteral("正常にLessonを作成しました！");
}

QString titleRefused(filenames::Problem problem) {
    const QString cannot = QStringLiteral("このタイトルはファイル名にできません。\r");
    switch (problem) {
    case filenames::Problem::Empty:
    case filenames::Problem::ForbiddenCharacter:
        return cannot +
               QStringLiteral("\\ / : * ? \" < > | などの記号を使わずに入力しなおしてください。");
    case filenames::Problem::EdgeSpaceOrDot:
        return cannot +
               QStringLiteral("最初と最後に半角スペースや「.」を使わずに入力しなおしてください。");
    case filenames::Problem::ReservedName:
        return cannot +
               QStringLiteral("CON・PRN・AUX・NUL・COM1・LPT1 などはコンピュータが使う名前です。\r"
                              "別のタイトルを入力してください。");
    case filenames::Problem::TooLong:
        return QStringLiteral("タイトルが長すぎます。\r短くして入力しなおしてください。");
    case filenames::Problem::OutsideCodePage:
        break;
    }
    return QStringLiteral("タイトルに使えない文字が含まれています。\r入力しなおしてください。");
}

QString writeFailed(const QString& folder) {
    return QStringLiteral("Lessonを作成できませんでした。\r") + folder +
           QStringLiteral("\rに書き込めるか確かめてから､もう一度「作成」を押してください。");
}

} // namespace addlesson
