#include "authoring/EnglishLesson.h"

#include "core/Cp932.h"
#include "core/ItemText.h"
#include "core/MkMain.h"
#include "core/WholeFile.h"

#include <algorithm>

namespace {

constexpr auto kCrLf = u"\r\n";

// The items of a word file that hold something. A file that is missing, cannot
// be read or leads out of the folder holds none: the first save makes it anew.
QStringList nonEmptyItems(const QString& folder, const QString& path) {
    QStringList items;
    if (!wholefile::liesInside(folder, path)) return items;
    auto opened = openItemText(path);
    if (!opened) return items;
    ItemReader& reader = opened.value();
    while (!reader.atEnd())
        if (QString item = *reader.next(); !item.isEmpty()) items << item;
    return items;
}

// A box may hand over its lines with any of the three line ends; the files
// always end theirs with CR LF.
QString withCrLf(const QString& text) {
    QString lines = text;
    lines.replace(u"\r\n"_qs, u"\n"_qs).replace(u'\r', u'\n');
    return lines.replace(u'\n', QString::fromUtf16(kCrLf));
}

QString instructions() {
    return QStringList{
        QStringLiteral("左のテキストボックス１行目の英単語に対して、右のテキストボックス１行目に"
                       "意味を記載するという具合に行で対にしてください。"),
        QStringLiteral("英単語は必ず半角で、入力してください。"),
        QStringLiteral("コピー＆ペーストで貼り付けていただいても構いません。"),
        QStringLiteral("入力が完了しましたら、終了ボタンを押してください。")}
        .join(u'\r');
}

Control listBox(const QString& name, const QString& heading, int left, ImeMode ime) {
    Control box = makeTextBox(name, heading, {left, 2040, 4560, 4620});
    box.multiLine = true;
    box.imeMode = ime;
    return box;
}

} // namespace

EnglishLesson::EnglishLesson(MkMain& mk)
    : Window(mk, kName.toString()),
      Label1(makeLabel(QStringLiteral("Label1"), instructions(), {240, 180, 9360, 1380}, 10)),
      Label2(makeLabel(QStringLiteral("Label2"), QStringLiteral("英単語"), {240, 1680, 4560, 315},
                       11)),
      Label3(makeLabel(QStringLiteral("Label3"), QStringLiteral("意　味"), {5040, 1680, 4560, 315},
                       11)),
      Text1(listBox(QStringLiteral("Text1"), QStringLiteral("英単語"), 240, ImeMode::Off)),
      Text2(listBox(QStringLiteral("Text2"), QStringLiteral("意　味"), 5040, ImeMode::On)),
      Command1(makeButton(QStringLiteral("Command1"), QStringLiteral("終了"),
                          {8160, 6840, 1440, 480}, 10)) {
    caption = QStringLiteral("英単語Lessonの編集");
    geometry = {0, 0, 9840, 7620};
    Label1.wordWrap = true;
    Label1.accessibleName = QStringLiteral("入力のしかた");
    for (Control* c : {&Label1, &Label2, &Text1, &Label3, &Text2, &Command1})
        add(*c);
}

void EnglishLesson::Form_Load() {
    WordCount = readInto(Text1, kWordFile);
    MeaningCount = readInto(Text2, kMeaningFile);
    SetFocus(Text1);
}

void EnglishLesson::Click(Control& c) {
    if (&c == &Command1) Command1_Click();
}

void EnglishLesson::Command1_Click() {
    // Characters the files cannot hold would come back as "?": nothing is saved.
    for (const Control* box : {&Text1, &Text2})
        if (!cp932::represents(cp932::foldLookAlikes(box->caption))) {
            mk.ShowMessageText(QStringLiteral("保存できない文字が含まれています。\r"
                                              "その文字を別の文字に置き換えてください。"));
            return;
        }
    // A failed write keeps what was typed in the boxes for another try.
    if (!save(Text1, kWordFile) || !save(Text2, kMeaningFile)) return;
    Text1.caption.clear();
    Text2.caption.clear();
    WordCount = readInto(Text1, kWordFile);
    MeaningCount = readInto(Text2, kMeaningFile);
    if (WordCount != MeaningCount) {
        mk.ShowMessageText(QStringLiteral("英単語の数と意味の数が合いません。\r"
                                          "数を合わせてから再度終了してください。"));
        return;
    }
    mk.ShowMessageText(QStringLiteral("正常に更新しました。"));
    mk.windows.Unload(name());
}

qint16 EnglishLesson::readInto(Control& box, QStringView fileName) {
    const QString& folder = mk.DefaultLessonFolder;
    const QStringList items = nonEmptyItems(folder, folder + fileName.toString());
    for (const QString& item : items)
        box.caption += item + QString::fromUtf16(kCrLf);
    return static_cast<qint16>(std::min<qsizetype>(items.size(), 32767));
}

bool EnglishLesson::save(const Control& box, QStringView fileName) {
    const QString& folder = mk.DefaultLessonFolder;
    const QByteArray bytes = cp932::encode(withCrLf(box.caption) + QString::fromUtf16(kCrLf));
    if (wholefile::writeInside(folder, folder + fileName.toString(), bytes)) return true;
    mk.ShowMessageText(fileName.toString() + QStringLiteral("に書き込めませんでした。\r"
                                                            "入力した内容はそのままです。"));
    return false;
}
